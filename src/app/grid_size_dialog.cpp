#include "app/grid_size_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "render/grid_menu.h"

namespace corvane {

GridSizeDialog::GridSizeDialog(TUnitMode unit, QWidget* parent) : QDialog(parent), unit_(unit) {
  setWindowTitle(tr("New grid"));
  size_ = new QDoubleSpinBox(this);
  size_->setSuffix(QStringLiteral(" ") + QString::fromLatin1(UnitCaption(unit)));
  size_->setDecimals(unit == umMm ? 3 : 2);
  size_->setRange(MmToUnit(kUserGridMinMm, unit), MmToUnit(kUserGridMaxMm, unit));
  size_->setValue(MmToUnit(kUserGridDefaultMm, unit));
  auto* form = new QFormLayout;
  form->addRow(tr("Grid size"), size_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

double GridSizeDialog::SizeMm() const { return UnitToMm(size_->value(), unit_); }

void GridSizeDialog::SetSizeMm(double mm) { size_->setValue(MmToUnit(mm, unit_)); }

std::optional<double> GridSizeDialog::Ask(TUnitMode unit, QWidget* parent) {
  GridSizeDialog dialog(unit, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.SizeMm();
}

}  // namespace corvane
