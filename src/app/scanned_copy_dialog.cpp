#include "app/scanned_copy_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/board_display.h"
#include "app/main_window.h"
#include "core/project.h"
#include "render/template_drawing.h"

namespace corvane {

namespace {

struct TSideFields {
  uint8_t* Show;
  std::string* File;
  int32_t* Dpi;
  int32_t* X;
  int32_t* Y;
  int32_t* Colour;
};

TSideFields Fields(TViewState& v, int side) {
  if (side == 2) return {&v.Vorlage2Zeigen, &v.Vorlage2Datei, &v.Vorlage2Dpi, &v.Vorlage2X, &v.Vorlage2Y, &v.Vorlage2Farbe};
  return {&v.Vorlage1Zeigen, &v.Vorlage1Datei, &v.Vorlage1Dpi, &v.Vorlage1X, &v.Vorlage1Y, &v.Vorlage1Farbe};
}

void ShowColour(QPushButton* button, int32_t colorRef) {
  const TRgb c = TRgb::FromColorRef(static_cast<uint32_t>(colorRef));
  button->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b));
  button->setProperty("colorRef", colorRef);
}

}  // namespace

ScannedCopyDialog::ScannedCopyDialog(MainWindow& window, BoardDisplay& display)
    : QDialog(&window), window_(window), display_(display) {
  setObjectName(QStringLiteral("ScannedCopyDialog"));
  setWindowTitle(tr("Scanned copy"));
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->addTab(BuildPage(1), tr("Board side 1"));
  tabs_->addTab(BuildPage(2), tr("Board side 2"));
  layout->addWidget(tabs_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QWidget* ScannedCopyDialog::BuildPage(int side) {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  TPage& p = pages_[side == 2 ? 1 : 0];
  p.File = new QLabel(page);
  p.Load = new QPushButton(tr("&Load bitmap..."), page);
  p.Delete = new QPushButton(tr("Delete bitmap"), page);
  p.Show = new QCheckBox(tr("&Show bitmap"), page);
  p.Dpi = new QSpinBox(page);
  p.Dpi->setRange(20, 2400);
  p.Dpi->setSuffix(QStringLiteral(" dpi"));
  p.Colour = new QPushButton(page);
  p.X = new QSpinBox(page);
  p.Y = new QSpinBox(page);
  for (QSpinBox* s : {p.X, p.Y}) {
    s->setRange(-3000, 3000);
    s->setSuffix(tr(" [1/10 mm]"));
  }
  form->addRow(p.File);
  form->addRow(p.Load, p.Delete);
  form->addRow(p.Show);
  form->addRow(tr("Resolution:"), p.Dpi);
  form->addRow(tr("Color:"), p.Colour);
  form->addRow(tr("X-Offset:"), p.X);
  form->addRow(tr("Y-Offset:"), p.Y);
  connect(p.Load, &QPushButton::clicked, this, [this, side] { LoadBitmap(side); });
  connect(p.Delete, &QPushButton::clicked, this, [this, side] { DeleteBitmap(side); });
  connect(p.Show, &QCheckBox::toggled, this, [this, side] { Changed(side); });
  for (QSpinBox* s : {p.Dpi, p.X, p.Y})
    connect(s, &QSpinBox::valueChanged, this, [this, side] { Changed(side); });
  connect(p.Colour, &QPushButton::clicked, this, [this, side, button = p.Colour] {
    const TRgb c = TRgb::FromColorRef(button->property("colorRef").toUInt());
    const QColor chosen = QColorDialog::getColor(QColor(c.r, c.g, c.b), this);
    if (!chosen.isValid()) return;
    ShowColour(button, static_cast<int32_t>(TRgb{static_cast<uint8_t>(chosen.red()),
                                                 static_cast<uint8_t>(chosen.green()),
                                                 static_cast<uint8_t>(chosen.blue())}
                                                .ColorRef()));
    Changed(side);
  });
  return page;
}

int ScannedCopyDialog::ShownSide() const { return tabs_->currentIndex() == 1 ? 2 : 1; }

void ScannedCopyDialog::Open() {
  LoadValues();
  tabs_->setCurrentIndex(TemplateSide(window_.Project().View.AktiverLayer) == 2 ? 1 : 0);
  show();
  raise();
}

void ScannedCopyDialog::LoadValues() {
  loading_ = true;
  TViewState& v = window_.Project().View;
  for (int side = 1; side <= 2; ++side) {
    const TSideFields f = Fields(v, side);
    const TPage& p = Page(side);
    p.File->setText(QFileInfo(QString::fromStdString(*f.File)).fileName());
    p.Show->setChecked(*f.Show != 0);
    p.Dpi->setValue(*f.Dpi);
    p.X->setValue(*f.X);
    p.Y->setValue(*f.Y);
    ShowColour(p.Colour, *f.Colour);
  }
  loading_ = false;
}

void ScannedCopyDialog::StoreValues(int side) {
  const TSideFields f = Fields(window_.Project().View, side);
  const TPage& p = Page(side);
  *f.Show = p.Show->isChecked() ? 1 : 0;
  *f.Dpi = p.Dpi->value();
  *f.X = p.X->value();
  *f.Y = p.Y->value();
  *f.Colour = p.Colour->property("colorRef").toInt();
}

void ScannedCopyDialog::Changed(int side) {
  if (loading_) return;
  StoreValues(side);
  const int active = TemplateSide(window_.Project().View.AktiverLayer);
  if (side == ShownSide() && side == active) window_.RepaintBoard();
}

void ScannedCopyDialog::LoadBitmap(int side) {
  const QString path = window_.Asker().OpenFileName(this, lastFolder_, QStringLiteral("Bitmaps|*.BMP"));
  if (path.isEmpty()) return;
  lastFolder_ = QFileInfo(path).absolutePath();
  int32_t dpi = 0;
  if (!display_.LoadTemplate(side, path.toStdString(), &dpi)) {
    window_.ShowMessage(QMessageBox::Warning, tr("Error loading scanned-copy-bitmap: ") + QFileInfo(path).fileName());
    return;
  }
  *Fields(window_.Project().View, side).File = path.toStdString();
  loading_ = true;
  const TPage& p = Page(side);
  p.File->setText(QFileInfo(path).fileName());
  p.Dpi->setValue(dpi < 20 ? 20 : dpi > 2400 ? 2400 : dpi);
  p.Show->setChecked(true);
  loading_ = false;
  StoreValues(side);
  window_.RepaintBoard();
}

void ScannedCopyDialog::DeleteBitmap(int side) {
  display_.ClearTemplate(side);
  const TSideFields f = Fields(window_.Project().View, side);
  f.File->clear();
  loading_ = true;
  Page(side).Show->setChecked(false);
  Page(side).File->clear();
  loading_ = false;
  StoreValues(side);
  window_.RepaintBoard();
}

}  // namespace corvane
