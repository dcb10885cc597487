#include "render/layer_button.h"

#include <QFont>
#include <QPainter>

#include "core/layers.h"
#include "render/canvas.h"

namespace corvane {

QImage LayerButtonPicture(int layer, bool visible, const TRenderColours& colours, int language) {
  QImage image(kLayerButtonSize, kLayerButtonSize, QImage::Format_RGB32);
  const TRgb bg = colours.Background;
  image.fill(QColor(bg.r, bg.g, bg.b));
  QPainter painter(&image);
  TCanvas canvas(painter);
  const TRgb fg = IsValidLayer(layer) ? colours.Layers[static_cast<std::size_t>(layer - 1)] : kBlack;
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(10);
  font.setStyleStrategy(QFont::NoAntialias);
  painter.setFont(font);
  painter.setPen(QColor(fg.r, fg.g, fg.b));
  const char* label = language == 0 ? LayerLabelGerman(layer) : LayerLabelEnglish(layer);
  painter.drawText(QRect(0, 0, kLayerButtonSize, kLayerButtonSize), Qt::AlignCenter, QString::fromLatin1(label));
  if (!visible) {
    canvas.SetPenColour(kWhite);
    canvas.SetPenMode(TPenMode::Copy);
    canvas.DeviceLine(QPoint(1, 14), QPoint(15, 0));
  }
  painter.end();
  return image;
}

bool SetViewLayer(ElementList& list, int layer) {
  bool any = false;
  for (TObjekt& e : list) {
    if (e.Layer != layer || !e.Markiert) continue;
    e.Markiert = 0;
    any = true;
  }
  return any;
}

}  // namespace corvane
