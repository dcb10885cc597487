#include "app/size_fields.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/units.h"

namespace corvane {

namespace {


double RoundTo10000th(double v) { return std::nearbyint(v * 10000.0) / 10000.0; }

int32_t FieldWorld(const TLaySpinEdit* field) { return Rnd(field->GetValue() * 100.0); }

}  // namespace

int WheelSteps(int dy) {
  int s = dy / 8;
  if (std::abs(s) > 1) s = s < 0 ? -s * s : s * s;
  return s;
}

TLaySpinEdit::TLaySpinEdit(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("Edit"));
  edit_->setFrame(false);
  edit_->setMaxLength(5);
  edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 6);
  wheel_ = new QLabel(QStringLiteral("\u2195"), this);
  wheel_->setObjectName(QStringLiteral("Wheel"));
  wheel_->setCursor(Qt::SizeVerCursor);
  wheel_->setToolTip(tr("Click and drag to set the value"));
  wheel_->installEventFilter(this);
  unit_ = new QLabel(QStringLiteral("mm"), this);
  unit_->setObjectName(QStringLiteral("Unit"));
  unit_->hide();
  layout->addWidget(edit_);
  layout->addWidget(wheel_);
  layout->addWidget(unit_);
  SetApplies(false);
  connect(edit_, &QLineEdit::textChanged, this, [this] {
    if (!filling_) emit EditChange();
  });
}

void TLaySpinEdit::SetFormat(double min, double max, double step, int decimals) {
  const double mm = GetValue();
  mmMin_ = min;
  mmMax_ = max;
  mmStep_ = step;
  mmDecimals_ = decimals;
  const bool mil = mil_;
  mil_ = false;
  min_ = min;
  max_ = max;
  step_ = step;
  decimals_ = decimals;
  if (mil) SetMIL(true);
  SetValue(mm);
}

double TLaySpinEdit::TextValue() const {
  QString text = edit_->text();
  text.replace(u',', u'.');
  bool ok = false;
  const double v = text.trimmed().toDouble(&ok);
  return std::clamp(ok ? v : 0.0, min_, max_);
}

double TLaySpinEdit::GetValue() const {
  const double v = TextValue();
  return mil_ ? v / kMilPerMm : v;
}

void TLaySpinEdit::ShowNumber(double shown) {
  const QString text = QString::number(std::clamp(RoundTo10000th(shown), min_, max_), 'f', decimals_);
  if (text != edit_->text()) edit_->setText(text);
}

void TLaySpinEdit::SetValue(double mm) {
  filling_ = true;
  ShowNumber(mil_ ? mm * kMilPerMm : mm);
  filling_ = false;
}

void TLaySpinEdit::SetMIL(bool on) {
  if (on == mil_) return;
  const double mm = GetValue();
  mil_ = on;
  if (on) {
    decimals_ = 1;
    step_ = 0.1;
    max_ = static_cast<double>(Rnd(mmMax_ * kMilPerMm * 10.0) / 10);
    min_ = static_cast<double>(Rnd(mmMin_ * kMilPerMm * 10.0) / 10);
  } else {
    min_ = mmMin_;
    max_ = mmMax_;
    step_ = mmStep_;
    decimals_ = mmDecimals_;
  }
  unit_->setText(QLatin1String(UnitCaption(on ? umMil : umMm)));
  SetValue(mm);
}

void TLaySpinEdit::SetMitEinheit(bool on) { unit_->setVisible(on); }

void TLaySpinEdit::SetApplies(bool applies) {
  applies_ = applies;
  edit_->setStyleSheet(applies ? QStringLiteral("QLineEdit { background: red; color: white; }")
                               : QStringLiteral("QLineEdit { background: black; color: yellow; }"));
}

void TLaySpinEdit::WheelPress(int y) {
  edit_->setFocus();
  pressY_ = y;
  pressed_ = true;
  changedInPress_ = false;
}

void TLaySpinEdit::WheelMove(int y, bool ctrl) {
  if (!pressed_) return;
  const int s = WheelSteps(pressY_ - y);
  if (s == 0) return;
  if (!changedInPress_) emit Backup();
  changedInPress_ = true;
  double v = TextValue();
  if (ctrl && decimals_ > 0) {
    const double big = 10.0 * step_;
    v = std::nearbyint((v + s * big) / big) * big;
  } else {
    v += s * step_;
  }
  ShowNumber(v);
  pressY_ = y;
}

void TLaySpinEdit::WheelRelease(bool leftButton, bool ctrl) {
  if (!pressed_) return;
  pressed_ = false;
  if (changedInPress_) return;
  // A click: the left button adds a step, the right one subtracts it.
  emit Backup();
  const double sign = leftButton ? 1.0 : -1.0;
  double v = TextValue();
  if (ctrl) {
    const double big = 5.0 * step_;
    v = std::nearbyint((v + sign * big) / big) * big;
  } else {
    v += sign * step_;
  }
  ShowNumber(v);
}

bool TLaySpinEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != wheel_ || !isEnabled()) return QWidget::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
    return QWidget::eventFilter(watched, event);
  auto* mouse = static_cast<QMouseEvent*>(event);
  const bool ctrl = (mouse->modifiers() & Qt::ControlModifier) != 0;
  const int y = mouse->position().toPoint().y();
  if (type == QEvent::MouseButtonPress) WheelPress(y);
  else if (type == QEvent::MouseMove) WheelMove(y, ctrl);
  else WheelRelease(mouse->button() == Qt::LeftButton, ctrl);
  return true;
}

SizeFields::SizeFields(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SizeFields"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  struct Spec {
    const char* name;
    QString hint;
    double min;
  };
  // Outer diameter and SMD sides from 0.05 mm, drill and width from 0.
  const Spec specs[5] = {
      {"SE_Breite", tr("Track width"), 0.0},
      {"SE_Aussen", tr("Outside|Pad outside diameter"), 0.05},
      {"SE_Innen", tr("Drilling|Pad drilling diameter"), 0.0},
      {"SE_SMDPad_X", tr("Width|SMD-Pad width"), 0.05},
      {"SE_SMDPad_Y", tr("Height|SMD-Pad height"), 0.05},
  };
  const char* presetNames[3] = {"SB_LineContainer", "SB_LoetaugenContainer", "SB_SMDContainer"};
  const QString presetHints[3] = {tr("|Track container"), tr("|Pad container"), tr("|SMD-Pad container")};
  auto hint = [](QWidget* w, const QString& h) {
    const qsizetype bar = h.indexOf(u'|');
    w->setToolTip(bar < 0 ? h : h.left(bar));
    w->setStatusTip(bar < 0 ? h : h.mid(bar + 1));
  };
  for (int i = 0; i < 5; ++i) {
    auto* field = new TLaySpinEdit(this);
    field->setObjectName(QLatin1String(specs[i].name));
    field->SetFormat(specs[i].min, 99.99, 0.01, 2);
    field->SetMitEinheit(true);
    hint(field->Edit(), specs[i].hint);
    fields_[static_cast<std::size_t>(i)] = field;
    const auto which = static_cast<TSizeField>(i);
    connect(field, &TLaySpinEdit::EditChange, this, [this, which] { FieldEdited(which); });
    // The preset button follows the first field of its tool.
    const int preset = i == sfTrack ? pkTrack : i == sfPadOuter ? pkPad : i == sfSmdWidth ? pkSmd : -1;
    if (preset < 0) {
      layout->addWidget(field);
      continue;
    }
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    row->addWidget(field);
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(presetNames[preset]));
    button->setText(QStringLiteral("\u25BE"));
    button->setPopupMode(QToolButton::InstantPopup);
    hint(button, presetHints[preset]);
    auto* menu = new QMenu(button);
    menu->setObjectName(QLatin1String(presetNames[preset]) + QStringLiteral("Menu"));
    button->setMenu(menu);
    const auto kind = static_cast<TPresetKind>(preset);
    connect(menu, &QMenu::aboutToShow, this, [this, kind] { UpdatePresetMenu(kind); });
    presetButtons_[static_cast<std::size_t>(preset)] = button;
    presetMenus_[static_cast<std::size_t>(preset)] = menu;
    row->addWidget(button);
    layout->addLayout(row);
  }
  ShowSizes(TToolSizes{});
  for (int k = 0; k < 3; ++k) RebuildPresetMenu(static_cast<TPresetKind>(k));
}

void SizeFields::ShowSizes(const TToolSizes& sizes) {
  filling_ = true;
  Field(sfTrack)->SetValue(sizes.TrackWidth / 100.0);
  Field(sfPadOuter)->SetValue(sizes.PadOuter / 100.0);
  Field(sfPadDrill)->SetValue(sizes.PadDrill / 100.0);
  Field(sfSmdWidth)->SetValue(sizes.SmdWidth / 100.0);
  Field(sfSmdHeight)->SetValue(sizes.SmdHeight / 100.0);
  filling_ = false;
}

TToolSizes SizeFields::FieldSizes() const {
  return TToolSizes{FieldWorld(Field(sfTrack)), FieldWorld(Field(sfPadOuter)), FieldWorld(Field(sfPadDrill)),
                    FieldWorld(Field(sfSmdWidth)), FieldWorld(Field(sfSmdHeight))};
}

void SizeFields::SetUnit(TUnitMode unit) {
  unit_ = unit;
  filling_ = true;
  for (TLaySpinEdit* f : fields_) f->SetMIL(unit == umMil);
  filling_ = false;
  for (int k = 0; k < 3; ++k) RebuildPresetMenu(static_cast<TPresetKind>(k));
}

void SizeFields::SetApplies(const TCommandStates& states) {
  Field(sfTrack)->SetApplies(states.TrackWidthField);
  Field(sfPadOuter)->SetApplies(states.PadFields);
  Field(sfPadDrill)->SetApplies(states.PadFields);
  Field(sfSmdWidth)->SetApplies(states.SmdFields);
  Field(sfSmdHeight)->SetApplies(states.SmdFields);
}

void SizeFields::FieldEdited(TSizeField field) {
  if (filling_) return;
  // The drill never exceeds the outer diameter: the other field follows.
  filling_ = true;
  const double outer = Field(sfPadOuter)->GetValue();
  const double drill = Field(sfPadDrill)->GetValue();
  if (field == sfPadOuter && outer < drill) Field(sfPadDrill)->SetValue(outer);
  if (field == sfPadDrill && drill > outer) Field(sfPadOuter)->SetValue(drill);
  filling_ = false;
  emit SizesEdited(FieldSizes());
}

void SizeFields::LoadPresets(const TSettings& settings) {
  for (int k = 0; k < 3; ++k) {
    const auto kind = static_cast<TPresetKind>(k);
    presets_.at(kind) = ReadPresets(settings, kind);
    RebuildPresetMenu(kind);
  }
}

void SizeFields::SavePresets(TSettings& settings) const {
  for (int k = 0; k < 3; ++k) WritePresets(settings, static_cast<TPresetKind>(k), presets_.at(static_cast<std::size_t>(k)));
}

TPresetSizes SizeFields::CurrentOf(TPresetKind kind) const {
  const TToolSizes s = FieldSizes();
  switch (kind) {
    case pkTrack: return {s.TrackWidth, 0};
    case pkPad: return {s.PadOuter, s.PadDrill};
    case pkSmd: return {s.SmdWidth, s.SmdHeight};
  }
  return {};
}

void SizeFields::RebuildPresetMenu(TPresetKind kind) {
  QMenu* menu = presetMenus_.at(kind);
  if (!menu) return;
  menu->clear();
  const std::vector<int32_t>& items = presets_.at(kind);
  for (std::size_t i = 0; i < items.size(); ++i) {
    QAction* item = menu->addAction(QString::fromStdString(PresetCaption(kind, items[i], unit_)));
    item->setCheckable(true);
    item->setData(items[i]);
    connect(item, &QAction::triggered, this, [this, kind, i] { ChoosePreset(kind, i); });
  }
  QAction* separator = menu->addSeparator();
  separator->setVisible(!items.empty());
  QAction* add = menu->addAction(tr("Add"));
  add->setObjectName(QStringLiteral("Add"));
  connect(add, &QAction::triggered, this, [this, kind] { AddPreset(kind); });
  QAction* remove = menu->addAction(tr("Remove"));
  remove->setObjectName(QStringLiteral("Remove"));
  connect(remove, &QAction::triggered, this, [this, kind] { RemovePreset(kind); });
  UpdatePresetMenu(kind);
}

void SizeFields::UpdatePresetMenu(TPresetKind kind) {
  QMenu* menu = presetMenus_.at(kind);
  const int checked = CheckedPreset(kind, presets_.at(kind), CurrentOf(kind), unit_);
  const QList<QAction*> actions = menu->actions();
  const std::size_t count = presets_.at(kind).size();
  for (std::size_t i = 0; i < count && i < static_cast<std::size_t>(actions.size()); ++i)
    actions[static_cast<qsizetype>(i)]->setChecked(static_cast<int>(i) == checked);
  for (QAction* a : actions) {
    if (a->objectName() == QLatin1String("Add")) a->setEnabled(checked < 0);
    if (a->objectName() == QLatin1String("Remove")) a->setEnabled(checked >= 0);
  }
}

void SizeFields::ChoosePreset(TPresetKind kind, std::size_t index) {
  const std::vector<int32_t>& items = presets_.at(kind);
  TPresetSizes s;
  if (index >= items.size() || !DecodePreset(kind, items[index], s)) return;
  filling_ = true;
  switch (kind) {
    case pkTrack: Field(sfTrack)->SetValue(s.First / 100.0); break;
    case pkPad:
      Field(sfPadOuter)->SetValue(s.First / 100.0);
      Field(sfPadDrill)->SetValue(std::min(s.First, s.Second) / 100.0);
      break;
    case pkSmd:
      Field(sfSmdWidth)->SetValue(s.First / 100.0);
      Field(sfSmdHeight)->SetValue(s.Second / 100.0);
      break;
  }
  filling_ = false;
  emit SizesEdited(FieldSizes());
}

void SizeFields::AddPreset(TPresetKind kind) {
  if (CheckedPreset(kind, presets_.at(kind), CurrentOf(kind), unit_) >= 0) return;
  corvane::AddPreset(kind, presets_.at(kind), CurrentOf(kind));
  RebuildPresetMenu(kind);
  if (kind != pkTrack) emit PresetsChanged(kind);
}

void SizeFields::RemovePreset(TPresetKind kind) {
  const int checked = CheckedPreset(kind, presets_.at(kind), CurrentOf(kind), unit_);
  if (checked < 0) return;
  presets_.at(kind).erase(presets_.at(kind).begin() + checked);
  RebuildPresetMenu(kind);
  if (kind != pkTrack) emit PresetsChanged(kind);
}

}  // namespace corvane
