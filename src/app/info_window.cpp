#include "app/info_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "core/version.h"
#include "io/settings_location.h"

namespace corvane {

QPixmap DrawnTitlePicture() {
  QPixmap picture(360, 200);
  picture.fill(QColor(0x10, 0x3a, 0x2a));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  // A few tracks and pads as the picture's motif.
  QPen track(QColor(0xd8, 0xb0, 0x40), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(track);
  p.drawPolyline(QPolygon({QPoint(20, 170), QPoint(80, 170), QPoint(120, 130), QPoint(340, 130)}));
  p.drawPolyline(QPolygon({QPoint(20, 30), QPoint(200, 30), QPoint(240, 70), QPoint(340, 70)}));
  p.setBrush(QColor(0xd8, 0xb0, 0x40));
  for (const QPoint c : {QPoint(20, 170), QPoint(340, 130), QPoint(20, 30), QPoint(340, 70)}) p.drawEllipse(c, 10, 10);
  p.setPen(Qt::white);
  QFont title = p.font();
  title.setPointSize(28);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(0, 80, 360, 50), Qt::AlignCenter,
             QString::fromLatin1(kProgramName) + u' ' + QString::fromLatin1(kProgramVersion));
  return picture;
}

InfoWindow::InfoWindow(const QString& programFolder, bool splash, QWidget* parent) : QDialog(parent) {
  setObjectName(splash ? QStringLiteral("SplashWindow") : QStringLiteral("InfoWindow"));
  setWindowTitle(QStringLiteral("Info"));
  const std::filesystem::path bitmap = FindFileInFolder(programFolder.toStdString(), "TITEL.BMP");
  if (!bitmap.empty()) picture_.load(QString::fromStdString(bitmap.string()));
  if (picture_.isNull()) picture_ = DrawnTitlePicture();
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(this);
  label->setPixmap(picture_);
  layout->addWidget(label);
  if (splash) {
    setWindowFlags(Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
    layout->setContentsMargins(0, 0, 0, 0);
  } else {
    setModal(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
  }
}

}  // namespace corvane
