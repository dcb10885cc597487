#pragma once
// GridSizeDialog ("New grid"): one length field "Grid size" in the current
// unit, 0.02 mm to 99.9 mm, default 0.5 mm.
#include <QDialog>
#include <optional>

#include "render/unit_mode.h"

class QDoubleSpinBox;

namespace corvane {

class GridSizeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit GridSizeDialog(TUnitMode unit, QWidget* parent = nullptr);
  // The field's value in mm.
  double SizeMm() const;
  void SetSizeMm(double mm);

  // Shows the dialog modally; the size in mm on OK.
  static std::optional<double> Ask(TUnitMode unit, QWidget* parent);

 private:
  TUnitMode unit_;
  QDoubleSpinBox* size_ = nullptr;
};

}  // namespace corvane
