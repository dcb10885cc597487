#include "app/contour_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

QToolButton* ReferenceButton(const char* name, QLabel* label, bool down) {
  auto* b = new QToolButton;
  b->setObjectName(QString::fromLatin1(name));
  b->setCheckable(true);
  b->setChecked(down);
  b->setText(label->text());
  label->setEnabled(down);
  QObject::connect(b, &QToolButton::toggled, label, &QLabel::setEnabled);
  return b;
}

}  // namespace

TKonturFraesenDlg::TKonturFraesenDlg(const TKonturFraesenOptions& o, bool selectedAvailable, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("PCB outline"));
  auto* layout = new QVBoxLayout(this);

  auto* which = new QGroupBox(tr("Outline-Layer"));
  auto* wl = new QVBoxLayout(which);
  wl->addWidget(RB_AlleElemente = new QRadioButton(tr("All elements")));
  wl->addWidget(RB_NurMarkierte = new QRadioButton(tr("Selected elements")));
  RB_AlleElemente->setObjectName(QStringLiteral("RB_AlleElemente"));
  RB_NurMarkierte->setObjectName(QStringLiteral("RB_NurMarkierte"));
  RB_NurMarkierte->setEnabled(selectedAvailable);
  (o.NurMarkierte && selectedAvailable ? RB_NurMarkierte : RB_AlleElemente)->setChecked(true);
  layout->addWidget(which);

  auto* mirror = new QGroupBox(tr("Mirror"));
  auto* ml = new QVBoxLayout(mirror);
  ml->addWidget(RB_Spiegeln_Aus = new QRadioButton(tr("None")));
  ml->addWidget(RB_Spiegel_X = new QRadioButton(tr("Mirror horizontal")));
  ml->addWidget(RB_Spiegel_Y = new QRadioButton(tr("Mirror vertical")));
  RB_Spiegeln_Aus->setObjectName(QStringLiteral("RB_Spiegeln_Aus"));
  RB_Spiegel_X->setObjectName(QStringLiteral("RB_Spiegel_X"));
  RB_Spiegel_Y->setObjectName(QStringLiteral("RB_Spiegel_Y"));
  (o.Spiegeln == THpglMirror::Horizontal ? RB_Spiegel_X
   : o.Spiegeln == THpglMirror::Vertical ? RB_Spiegel_Y
                                         : RB_Spiegeln_Aus)
      ->setChecked(true);
  layout->addWidget(mirror);

  auto* options = new QGroupBox(tr("Options"));
  auto* ol = new QGridLayout(options);
  auto* tl = new QLabel(tr("Top/Left"));
  auto* tr_ = new QLabel(tr("Top/Right"));
  auto* bl = new QLabel(tr("Bottom/Left"));
  auto* br = new QLabel(tr("Bottom/Right"));
  SB_Nullpunkt_OL = ReferenceButton("SB_Nullpunkt_OL", tl, o.Referenz.TopLeft);
  SB_Nullpunkt_OR = ReferenceButton("SB_Nullpunkt_OR", tr_, o.Referenz.TopRight);
  SB_Nullpunkt_UL = ReferenceButton("SB_Nullpunkt_UL", bl, o.Referenz.BottomLeft);
  SB_Nullpunkt_UR = ReferenceButton("SB_Nullpunkt_UR", br, o.Referenz.BottomRight);
  ol->addWidget(new QLabel(tr("Reference")), 0, 0, 1, 4);
  ol->addWidget(new QLabel(tr("holes")), 1, 0, 1, 4);
  ol->addWidget(SB_Nullpunkt_OL, 2, 0);
  ol->addWidget(tl, 2, 1);
  ol->addWidget(SB_Nullpunkt_OR, 2, 2);
  ol->addWidget(tr_, 2, 3);
  ol->addWidget(SB_Nullpunkt_UL, 3, 0);
  ol->addWidget(bl, 3, 1);
  ol->addWidget(SB_Nullpunkt_UR, 3, 2);
  ol->addWidget(br, 3, 3);
  layout->addWidget(options);

  auto* buttons = new QDialogButtonBox;
  buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
  QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, &TKonturFraesenDlg::HelpRequested);
  layout->addWidget(buttons);
}

TKonturFraesenOptions TKonturFraesenDlg::Options() const {
  TKonturFraesenOptions o;
  o.NurMarkierte = RB_NurMarkierte->isEnabled() && RB_NurMarkierte->isChecked();
  o.Spiegeln = RB_Spiegel_X->isChecked()   ? THpglMirror::Horizontal
               : RB_Spiegel_Y->isChecked() ? THpglMirror::Vertical
                                           : THpglMirror::None;
  o.Referenz.TopLeft = SB_Nullpunkt_OL->isChecked();
  o.Referenz.TopRight = SB_Nullpunkt_OR->isChecked();
  o.Referenz.BottomLeft = SB_Nullpunkt_UL->isChecked();
  o.Referenz.BottomRight = SB_Nullpunkt_UR->isChecked();
  return o;
}

}  // namespace corvane
