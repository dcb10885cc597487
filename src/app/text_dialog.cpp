#include "app/text_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/units.h"
#include "geom/text_numbering.h"
#include "io/cp1252.h"

namespace corvane {

QString Cp1252ToQString(const std::string& text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (unsigned char c : text) out.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(c))));
  return out;
}

std::string QStringToCp1252(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar ch : text) {
    char byte = '?';
    for (int b = 0; b < 256; ++b) {
      if (Cp1252ToUnicode(static_cast<unsigned char>(b)) == ch.unicode()) {
        byte = static_cast<char>(b);
        break;
      }
    }
    out.push_back(byte);
  }
  return out;
}

TextDialog::TextDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Text properties"));

  auto* textGroup = new QGroupBox(tr("Text"), this);
  text_ = new QLineEdit(textGroup);
  text_->setMaxLength(kMaxTextLength);
  (new QVBoxLayout(textGroup))->addWidget(text_);

  auto* heightGroup = new QGroupBox(tr("Height (mm)"), this);
  height_ = new QDoubleSpinBox(heightGroup);
  height_->setDecimals(1);
  height_->setSingleStep(0.1);
  height_->setRange(kMinHeightMm, kMaxHeightMm);
  height_->setValue(5.0);
  height_->installEventFilter(this);
  (new QVBoxLayout(heightGroup))->addWidget(height_);

  auto* widthGroup = new QGroupBox(tr("Width"), this);
  thin_ = new QRadioButton(tr("&Thin"), widthGroup);
  normal_ = new QRadioButton(tr("Normal"), widthGroup);
  bold_ = new QRadioButton(tr("&Bold"), widthGroup);
  auto* widthLayout = new QVBoxLayout(widthGroup);
  for (QRadioButton* b : {thin_, normal_, bold_}) widthLayout->addWidget(b);

  auto* styleGroup = new QGroupBox(tr("Style"), this);
  narrow_ = new QRadioButton(tr("Narrow"), styleGroup);
  styleNormal_ = new QRadioButton(tr("Normal"), styleGroup);
  wide_ = new QRadioButton(tr("Wide"), styleGroup);
  auto* styleLayout = new QVBoxLayout(styleGroup);
  for (QRadioButton* b : {narrow_, styleNormal_, wide_}) styleLayout->addWidget(b);

  auto* orientationGroup = new QGroupBox(tr("Orientation"), this);
  angle_ = new QSpinBox(orientationGroup);
  angle_->setRange(0, 359);
  angle_->setSuffix(QStringLiteral("°"));
  auto* orientationLayout = new QGridLayout(orientationGroup);
  orientationLayout->addWidget(angle_, 0, 0, 1, 4);
  const int angles[] = {0, 90, 180, 270};
  for (int i = 0; i < 4; ++i) {
    auto* button = new QPushButton(QString::number(angles[i]) + QStringLiteral("°"), orientationGroup);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, a = angles[i]] { angle_->setValue(a); });
    orientationLayout->addWidget(button, 1, i);
  }

  auto* mirrorGroup = new QGroupBox(tr("Mirror"), this);
  horizontal_ = new QCheckBox(tr("Horizontal"), mirrorGroup);
  vertical_ = new QCheckBox(tr("Vertical"), mirrorGroup);
  auto* mirrorLayout = new QVBoxLayout(mirrorGroup);
  mirrorLayout->addWidget(horizontal_);
  mirrorLayout->addWidget(vertical_);

  auto* autoGroup = new QGroupBox(tr("Automatic"), this);
  addNumber_ = new QCheckBox(tr("Add number"), autoGroup);
  startAt_ = new QSpinBox(autoGroup);
  startAt_->setRange(TTextNumbering::kMinStart, TTextNumbering::kMaxStart);
  auto* autoLayout = new QGridLayout(autoGroup);
  autoLayout->addWidget(addNumber_, 0, 0, 1, 2);
  autoLayout->addWidget(new QLabel(tr("Start at:"), autoGroup), 1, 0);
  autoLayout->addWidget(startAt_, 1, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    ApplyHeightLimit();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(textGroup, 0, 0, 1, 3);
  grid->addWidget(heightGroup, 1, 0);
  grid->addWidget(widthGroup, 1, 1);
  grid->addWidget(styleGroup, 1, 2);
  grid->addWidget(orientationGroup, 2, 0);
  grid->addWidget(mirrorGroup, 2, 1);
  grid->addWidget(autoGroup, 2, 2);
  grid->addWidget(buttons, 3, 0, 1, 3);

  Load(TTextParams{});
}

void TextDialog::Load(const TTextParams& params) {
  text_->setText(Cp1252ToQString(params.Text).left(kMaxTextLength));
  height_->setValue(std::clamp(params.Mass1 / 100.0, kMinHeightMm, kMaxHeightMm));
  (params.Mass2 <= 0 ? thin_ : params.Mass2 >= 2 ? bold_ : normal_)->setChecked(true);
  (params.Wert1 <= 0 ? narrow_ : params.Wert1 >= 2 ? wide_ : styleNormal_)->setChecked(true);
  angle_->setValue(((params.Wert3 % 360) + 360) % 360);
  horizontal_->setChecked(params.Schalter1);
  vertical_->setChecked(params.Schalter2);
  addNumber_->setChecked(params.AddNumber);
  startAt_->setValue(std::clamp(params.StartAt, TTextNumbering::kMinStart, TTextNumbering::kMaxStart));
}

void TextDialog::LoadForEdit(const TTextParams& params) {
  Load(params);
  addNumber_->setChecked(false);
}

int TextDialog::StrokeStyle() const { return thin_->isChecked() ? 0 : bold_->isChecked() ? 2 : 1; }

TTextParams TextDialog::Store() const {
  TTextParams p;
  p.Text = QStringToCp1252(text_->text());
  p.Mass1 = Rnd(height_->value() * 100.0);
  p.Mass2 = StrokeStyle();
  p.Wert1 = narrow_->isChecked() ? 0 : wide_->isChecked() ? 2 : 1;
  p.Wert3 = angle_->value();
  p.Schalter1 = horizontal_->isChecked();
  p.Schalter2 = vertical_->isChecked();
  p.AddNumber = addNumber_->isChecked();
  p.StartAt = startAt_->value();
  return p;
}

double TextDialog::MinLimitedHeightMm(int strokeStyle) {
  switch (strokeStyle) {
    case 0: return 2.5;
    case 2: return 1.0;
    default: return 1.5;
  }
}

void TextDialog::ApplyHeightLimit() {
  if (!limitHeight_) return;
  height_->interpretText();
  const double minimum = MinLimitedHeightMm(StrokeStyle());
  if (height_->value() < minimum) height_->setValue(minimum);
}

void TextDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  text_->setFocus(Qt::OtherFocusReason);
  text_->selectAll();
}

bool TextDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == height_ && event->type() == QEvent::FocusOut) ApplyHeightLimit();
  return QDialog::eventFilter(watched, event);
}

}  // namespace corvane
