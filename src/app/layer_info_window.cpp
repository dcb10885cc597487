#include "app/layer_info_window.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "app/app_folders.h"
#include "core/layers.h"

namespace corvane {

namespace {
constexpr int kHelpTopic = 5500;

QColor SchemeColour(int32_t bgr) {
  const uint32_t v = static_cast<uint32_t>(bgr);
  return QColor(static_cast<int>(v & 0xff), static_cast<int>((v >> 8) & 0xff), static_cast<int>((v >> 16) & 0xff));
}

QString Label(int layer, int language) {
  return QLatin1String(language == 0 ? LayerLabelGerman(layer) : LayerLabelEnglish(layer));
}

// One stack: silk, copper, board, copper, silk from the viewer downwards.
void DrawStack(QPainter& p, const QRect& area, const TFarbschema& scheme, int language, bool fromSide1,
               const QString& caption) {
  const int top[4] = {fromSide1 ? lyS1 : lyS2, fromSide1 ? lyC1 : lyC2, fromSide1 ? lyC2 : lyC1,
                      fromSide1 ? lyS2 : lyS1};
  p.setPen(Qt::black);
  p.drawText(QRect(area.left(), area.top(), area.width(), 18), Qt::AlignCenter, caption);
  int y = area.top() + 22;
  for (int i = 0; i < 4; ++i) {
    if (i == 2) {
      p.fillRect(QRect(area.left() + 10, y, area.width() - 60, 14), QColor(0xc8, 0xb8, 0x80));
      y += 16;
    }
    p.fillRect(QRect(area.left() + 10, y, area.width() - 60, 12), SchemeColour(LayerColour(scheme, top[i])));
    p.setPen(Qt::black);
    p.drawText(QRect(area.right() - 45, y - 2, 40, 16), Qt::AlignLeft | Qt::AlignVCenter, Label(top[i], language));
    y += 14;
  }
}
}  // namespace

QImage LayerLegendPicture(const TFarbschema& scheme, int language) {
  QImage image(420, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  DrawStack(p, QRect(0, 0, 210, 110), scheme, language, true, LayerInfoWindow::tr("Seen from side 1"));
  DrawStack(p, QRect(210, 0, 210, 110), scheme, language, false, LayerInfoWindow::tr("Seen from side 2"));
  // A sample character: as printed on side 1, and mirrored as side 2 shows it.
  QFont font = p.font();
  font.setPixelSize(60);
  font.setBold(true);
  p.setFont(font);
  p.setPen(SchemeColour(LayerColour(scheme, lyS1)));
  p.drawText(QRect(60, 120, 90, 75), Qt::AlignCenter, QStringLiteral("R"));
  p.save();
  p.translate(270 + 90, 0);
  p.scale(-1, 1);
  p.setPen(SchemeColour(LayerColour(scheme, lyS2)));
  p.drawText(QRect(0, 120, 90, 75), Qt::AlignCenter, QStringLiteral("R"));
  p.restore();
  return image;
}

LayerInfoWindow::LayerInfoWindow(const TFarbschema& scheme, int language, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("LayerInfo"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap::fromImage(LayerLegendPicture(scheme, language)));
  layout->addWidget(picture);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Help);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [] { OpenHelpTopic(kHelpTopic); });
  layout->addWidget(buttons);
}

}  // namespace corvane
