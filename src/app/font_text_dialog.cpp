#include "app/font_text_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/text_dialog.h"
#include "geom/font_text_height.h"

namespace corvane {
namespace {

constexpr double kMinHeightMm = 1.0;
constexpr double kMaxHeightMm = 99.9;
constexpr double kFallbackPpi = 96.0;
constexpr int kOrientations[4] = {0, 90, 180, 270};

}  // namespace

FontTextDialog::FontTextDialog(double ppi, QWidget* parent)
    : QDialog(parent), ppi_(ValidScreenResolution(ppi) ? ppi : kFallbackPpi) {
  setWindowTitle(tr("Text input"));
  text_ = new QLineEdit(this);
  text_->setMaxLength(kMaxTextLength);
  height_ = new QDoubleSpinBox(this);
  height_->setDecimals(1);
  height_->setRange(kMinHeightMm, kMaxHeightMm);
  height_->setSuffix(QStringLiteral(" mm"));
  auto* orientation = new QGroupBox(tr("Orientation"), this);
  auto* orientationLayout = new QHBoxLayout(orientation);
  for (int i = 0; i < 4; ++i) {
    orientation_[i] = new QRadioButton(QString::number(kOrientations[i]) + QStringLiteral("°"), orientation);
    orientationLayout->addWidget(orientation_[i]);
  }
  auto* form = new QFormLayout;
  form->addRow(tr("Text"), text_);
  form->addRow(tr("Height"), height_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(orientation);
  layout->addWidget(buttons);
  Load(TFontTextParams{});
}

void FontTextDialog::Load(const TFontTextParams& params) {
  text_->setText(Cp1252ToQString(params.Text).left(kMaxTextLength));
  const double mm = FontTextHeightMm(params.Wert1, ppi_);
  height_->setValue(std::clamp(mm, kMinHeightMm, kMaxHeightMm));
  int chosen = 0;
  for (int i = 0; i < 4; ++i)
    if (params.Wert2 == kOrientations[i]) chosen = i;
  orientation_[chosen]->setChecked(true);
}

double FontTextDialog::HeightMm() const { return height_->value(); }

TFontTextParams FontTextDialog::Store() const {
  TFontTextParams p;
  p.Text = QStringToCp1252(text_->text());
  p.Wert1 = FontTextWert1(height_->value(), ppi_);
  for (int i = 0; i < 4; ++i)
    if (orientation_[i]->isChecked()) p.Wert2 = kOrientations[i];
  return p;
}

}  // namespace corvane
