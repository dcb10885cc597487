#pragma once
// FontTextDialog ("Texteingabe"): edits a font text of an older file: the
// text (up to 15 characters), the height in mm (1.0 to 99.9) and the
// orientation 0, 90, 180 or 270 degrees. Plain values in and out; the height
// travels as the element's Wert1 at the screen resolution given.
#include <QDialog>
#include <cstdint>
#include <string>

class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

namespace corvane {

struct TFontTextParams {
  std::string Text;      // code page 1252
  int32_t Wert1 = 0;     // font height: -rnd(ppi * rnd(mm * 100) / 72)
  int32_t Wert2 = 0;     // orientation 0, 90, 180, 270
  friend bool operator==(const TFontTextParams&, const TFontTextParams&) = default;
};

class FontTextDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxTextLength = 15;

  // ppi: the screen's pixels per inch (a value that is not positive counts as 96).
  explicit FontTextDialog(double ppi, QWidget* parent = nullptr);

  void Load(const TFontTextParams& params);
  TFontTextParams Store() const;
  double HeightMm() const;

 private:
  double ppi_;
  QLineEdit* text_ = nullptr;
  QDoubleSpinBox* height_ = nullptr;
  QRadioButton* orientation_[4] = {};
};

}  // namespace corvane
