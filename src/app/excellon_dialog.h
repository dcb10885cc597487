#pragma once
// TLochDlg: the options of the Excellon drill file.

#include <QDialog>

#include "cam/excellon_export.h"

class QCheckBox;
class QRadioButton;

namespace corvane {

class TLochDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TLochDlg(const TExcellonOptions& options, QWidget* parent = nullptr);
  TExcellonOptions Options() const;

  QCheckBox* CB_Bohrungen;
  QCheckBox* CB_Vias;
  QRadioButton* RB_MM32;
  QRadioButton* RB_MM33;
  QRadioButton* RB_Zoll;
  QCheckBox* CB_LeadingZero;
  QRadioButton* RB_Best;
  QRadioButton* RB_Kupfer;
  QRadioButton* RB_Kupfer_HPGL;
  QCheckBox* CB_Sortieren;
  QCheckBox* CB_M71;
  QCheckBox* CB_NoG90;
  QCheckBox* CB_NoComments;
};

}  // namespace corvane
