#pragma once
// TKonturFraesenDlg: the options of the contour milling file.

#include <QDialog>

#include "cam/contour_milling.h"

class QLabel;
class QRadioButton;
class QToolButton;

namespace corvane {

class TKonturFraesenDlg : public QDialog {
  Q_OBJECT

 public:
  // selectedAvailable: a selected track or circle lies on the outline layer.
  TKonturFraesenDlg(const TKonturFraesenOptions& options, bool selectedAvailable, QWidget* parent = nullptr);
  TKonturFraesenOptions Options() const;

  QRadioButton* RB_AlleElemente;
  QRadioButton* RB_NurMarkierte;
  QRadioButton* RB_Spiegeln_Aus;
  QRadioButton* RB_Spiegel_X;
  QRadioButton* RB_Spiegel_Y;
  QToolButton* SB_Nullpunkt_OL;
  QToolButton* SB_Nullpunkt_OR;
  QToolButton* SB_Nullpunkt_UL;
  QToolButton* SB_Nullpunkt_UR;

 signals:
  void HelpRequested();
};

}  // namespace corvane
