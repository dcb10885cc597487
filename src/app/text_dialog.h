#pragma once
// TextDialog ("Texteigenschaften"): the properties of a vector text for the
// text tool and for editing a text by double-click. It takes and returns
// plain values; creating or changing the element, the strokes and the
// numbering counter (TTextNumbering::Start with StartAt on OK) is the caller's.
#include <QDialog>
#include <cstdint>
#include <string>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace corvane {

// The dialog's values in the element's terms.
struct TTextParams {
  std::string Text;      // code page 1252, at most kMaxTextLength characters
  int32_t Mass1 = 500;   // height, world units (the field in mm x 100, rounded)
  int32_t Mass2 = 1;     // stroke style: 0 thin, 1 normal, 2 bold
  int32_t Wert1 = 1;     // width style: 0 narrow, 1 normal, 2 wide
  int32_t Wert3 = 0;     // angle, whole degrees 0..359
  bool Schalter1 = false;  // mirror horizontal
  bool Schalter2 = false;  // mirror vertical
  bool AddNumber = false;  // "Add number"
  int32_t StartAt = 0;     // "Start at:", 0..9999
  friend bool operator==(const TTextParams&, const TTextParams&) = default;
};

class TextDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxTextLength = 50;
  static constexpr double kMinHeightMm = 0.1;
  static constexpr double kMaxHeightMm = 50.0;

  explicit TextDialog(QWidget* parent = nullptr);

  // `LoadTextDialog`: fills every field; the text gets the focus, all selected.
  void Load(const TTextParams& params);
  // Double-click edit of an existing text: fills the fields and clears "Add number".
  void LoadForEdit(const TTextParams& params);
  // `StoreTextDialog`: the values shown.
  TTextParams Store() const;

  // Setting SchrifthoeheBegrenzen: leaving the height field raises it to at
  // least 2.5 mm (thin), 1.5 mm (normal) or 1.0 mm (bold).
  void SetLimitHeight(bool on) { limitHeight_ = on; }
  // The height limit rule, applied to the field (also run on leaving it).
  void ApplyHeightLimit();
  // The smallest height in mm the rule allows for a stroke style.
  static double MinLimitedHeightMm(int strokeStyle);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int StrokeStyle() const;

  bool limitHeight_ = false;
  QLineEdit* text_ = nullptr;        // E_Text
  QDoubleSpinBox* height_ = nullptr;  // SE_Hoehe
  QRadioButton* thin_ = nullptr;     // RB_Duenn
  QRadioButton* normal_ = nullptr;   // RB_Normal
  QRadioButton* bold_ = nullptr;     // RB_Dick
  QRadioButton* narrow_ = nullptr;   // RB_Stil_Eng
  QRadioButton* styleNormal_ = nullptr;  // RB_Stil_Normal
  QRadioButton* wide_ = nullptr;     // RB_Stil_Weit
  QSpinBox* angle_ = nullptr;        // SE_Winkel
  QCheckBox* horizontal_ = nullptr;  // CB_Horz
  QCheckBox* vertical_ = nullptr;    // CB_Vert
  QCheckBox* addNumber_ = nullptr;   // CB_WillsteZahl
  QSpinBox* startAt_ = nullptr;      // SE_Start
};

// Code page 1252 bytes <-> QString; characters outside the code page become '?'.
QString Cp1252ToQString(const std::string& text);
std::string QStringToCp1252(const QString& text);

}  // namespace corvane
