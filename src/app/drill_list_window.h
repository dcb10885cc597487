#pragma once
// TBohrInfoDlg: the drill diameters of the board with their counts.

#include <QDialog>
#include <functional>

#include "core/element_list.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace corvane {

class TBohrInfoDlg : public QDialog {
  Q_OBJECT

 public:
  // notify shows "The text is now in the clipboard" after the copy.
  TBohrInfoDlg(const ElementList& elements, bool mil, int language, std::function<void(const QString&)> notify,
               QWidget* parent = nullptr);

  // Rebuilds the text from the check boxes.
  void Rebuild();
  // Copies the text to the clipboard and tells so.
  void CopyToClipboard();

  QPlainTextEdit* Memo;
  QCheckBox* CB_Bohrungen;
  QCheckBox* CB_Vias;
  QPushButton* OkButton;
  QPushButton* ClipboardButton;

 private:
  const ElementList& elements_;
  bool mil_;
  int language_;
  std::function<void(const QString&)> notify_;
};

}  // namespace corvane
