#include "app/excellon_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TLochDlg::TLochDlg(const TExcellonOptions& o, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Excellon export"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Drill data uses EXCELLON format.")));

  auto* selection = new QGroupBox(tr("Selection"));
  auto* sl = new QVBoxLayout(selection);
  sl->addWidget(CB_Bohrungen = Named(new QCheckBox(tr("Simple drillings")), "CB_Bohrungen"));
  sl->addWidget(CB_Vias = Named(new QCheckBox(tr("Through-holes")), "CB_Vias"));
  layout->addWidget(selection);

  auto* unit = new QGroupBox(tr("Unit of measurement"));
  auto* ul = new QGridLayout(unit);
  ul->addWidget(RB_MM32 = Named(new QRadioButton(tr("mm")), "RB_MM32"), 0, 0);
  ul->addWidget(new QLabel(tr("(format 3.2 )")), 0, 1);
  ul->addWidget(RB_MM33 = Named(new QRadioButton(tr("mm")), "RB_MM33"), 1, 0);
  ul->addWidget(new QLabel(tr("(format 3.3 )")), 1, 1);
  ul->addWidget(RB_Zoll = Named(new QRadioButton(tr("Inch")), "RB_Zoll"), 2, 0);
  ul->addWidget(new QLabel(tr("(format 2.4)")), 2, 1);
  ul->addWidget(CB_LeadingZero = Named(new QCheckBox(tr("Delete leading zeros")), "CB_LeadingZero"), 3, 0, 1, 2);
  layout->addWidget(unit);

  auto* side = new QGroupBox(tr("Drill from.."));
  auto* dl = new QVBoxLayout(side);
  dl->addWidget(RB_Best = Named(new QRadioButton(tr("Top (default)")), "RB_Best"));
  dl->addWidget(RB_Kupfer = Named(new QRadioButton(tr("Bottom (x-mirrored, Gerber comp.)")), "RB_Kupfer"));
  dl->addWidget(RB_Kupfer_HPGL = Named(new QRadioButton(tr("Bottom (x-mirrored, HPGL comp.)")), "RB_Kupfer_HPGL"));
  dl->addWidget(CB_Sortieren = Named(new QCheckBox(tr("Sort drillings")), "CB_Sortieren"));
  layout->addWidget(side);

  auto* special = new QGroupBox(tr("Special options"));
  auto* pl = new QVBoxLayout(special);
  pl->addWidget(CB_M71 = Named(new QCheckBox(tr("M71/72 instead of METRIC/INCH")), "CB_M71"));
  pl->addWidget(CB_NoG90 = Named(new QCheckBox(tr("Suppress G90 - code")), "CB_NoG90"));
  pl->addWidget(CB_NoComments = Named(new QCheckBox(tr("Suppress comments")), "CB_NoComments"));
  layout->addWidget(special);

  auto* buttons = new QDialogButtonBox;
  buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  CB_Bohrungen->setChecked(o.Bohrungen);
  CB_Vias->setChecked(o.Vias);
  RB_MM32->setChecked(o.Format == TExcellonFormat::MM32);
  RB_MM33->setChecked(o.Format == TExcellonFormat::MM33);
  RB_Zoll->setChecked(o.Format == TExcellonFormat::Inch24);
  CB_LeadingZero->setChecked(o.NoLeadingZeros);
  RB_Best->setChecked(o.Side == TExcellonSide::Top);
  RB_Kupfer->setChecked(o.Side == TExcellonSide::GerberMirror);
  RB_Kupfer_HPGL->setChecked(o.Side == TExcellonSide::HpglMirror);
  CB_Sortieren->setChecked(o.Sortieren);
  CB_M71->setChecked(o.M71);
  CB_NoG90->setChecked(o.NoG90);
  CB_NoComments->setChecked(o.NoComments);
}

TExcellonOptions TLochDlg::Options() const {
  TExcellonOptions o;
  o.Bohrungen = CB_Bohrungen->isChecked();
  o.Vias = CB_Vias->isChecked();
  o.Format = RB_MM32->isChecked()   ? TExcellonFormat::MM32
             : RB_MM33->isChecked() ? TExcellonFormat::MM33
                                    : TExcellonFormat::Inch24;
  o.NoLeadingZeros = CB_LeadingZero->isChecked();
  o.Side = RB_Kupfer->isChecked()        ? TExcellonSide::GerberMirror
           : RB_Kupfer_HPGL->isChecked() ? TExcellonSide::HpglMirror
                                         : TExcellonSide::Top;
  o.Sortieren = CB_Sortieren->isChecked();
  o.M71 = CB_M71->isChecked();
  o.NoG90 = CB_NoG90->isChecked();
  o.NoComments = CB_NoComments->isChecked();
  return o;
}

}  // namespace corvane
