#include "app/drill_list_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cam/drill_list.h"

namespace corvane {

TBohrInfoDlg::TBohrInfoDlg(const ElementList& elements, bool mil, int language,
                           std::function<void(const QString&)> notify, QWidget* parent)
    : QDialog(parent), elements_(elements), mil_(mil), language_(language), notify_(std::move(notify)) {
  setWindowTitle(tr("Drillings"));
  auto* layout = new QVBoxLayout(this);
  Memo = new QPlainTextEdit;
  Memo->setObjectName(QStringLiteral("Memo"));
  Memo->setReadOnly(true);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  Memo->setFont(font);
  layout->addWidget(Memo);
  CB_Bohrungen = new QCheckBox(tr("Simple drillings"));
  CB_Bohrungen->setObjectName(QStringLiteral("CB_Bohrungen"));
  CB_Bohrungen->setChecked(true);
  CB_Vias = new QCheckBox(tr("Through-Hole pads"));
  CB_Vias->setObjectName(QStringLiteral("CB_Vias"));
  CB_Vias->setChecked(true);
  layout->addWidget(CB_Bohrungen);
  layout->addWidget(CB_Vias);
  auto* row = new QHBoxLayout;
  OkButton = new QPushButton(tr("OK"));
  ClipboardButton = new QPushButton(tr("Clip&board..."));
  row->addWidget(OkButton);
  row->addWidget(ClipboardButton);
  layout->addLayout(row);
  connect(CB_Bohrungen, &QCheckBox::clicked, this, &TBohrInfoDlg::Rebuild);
  connect(CB_Vias, &QCheckBox::clicked, this, &TBohrInfoDlg::Rebuild);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ClipboardButton, &QPushButton::clicked, this, &TBohrInfoDlg::CopyToClipboard);
  Rebuild();
}

void TBohrInfoDlg::Rebuild() {
  const TDrillFilter filter{CB_Bohrungen->isChecked(), CB_Vias->isChecked()};
  Memo->setPlainText(QString::fromStdString(DrillListText(elements_, filter, mil_, language_)));
}

void TBohrInfoDlg::CopyToClipboard() {
  QGuiApplication::clipboard()->setText(Memo->toPlainText());
  if (notify_) notify_(tr("The text is now in the clipboard"));
}

}  // namespace corvane
