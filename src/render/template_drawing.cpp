#include "render/template_drawing.h"

#include <algorithm>
#include <cstring>

#include "core/units.h"

namespace corvane {

QImage MonoImage(const TMonoBitmap& bitmap) {
  if (bitmap.Empty()) return {};
  QImage image(bitmap.Width, bitmap.Height, QImage::Format_Mono);
  if (image.isNull()) return {};
  image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  const std::size_t row = static_cast<std::size_t>(bitmap.RowBytes());
  for (int32_t y = 0; y < bitmap.Height; ++y)
    std::memcpy(image.scanLine(y), bitmap.Bits.data() + row * static_cast<std::size_t>(y), row);
  return image;
}

int TemplateSide(int layer) {
  if (layer == lyC1 || layer == lyS1) return 1;
  if (layer == lyC2 || layer == lyS2) return 2;
  return 0;
}

TIntRect TemplateRect(int32_t pixelsWide, int32_t pixelsHigh, int32_t dpi, int32_t xOffset, int32_t yOffset) {
  const double d = std::max(1, dpi);
  const int32_t w = Rnd(pixelsWide / d * 2540.0), h = Rnd(pixelsHigh / d * 2540.0);
  const int32_t dx = 10 * xOffset, dy = -10 * yOffset;
  return {dx, dy, w + dx, -h + dy};
}

TTemplateSide TemplateSettings(const TPlatinenKopf& board, int side) {
  TTemplateSide s;
  if (side == 2) {
    s = {board.Vorlage2Zeigen != 0, board.Vorlage2Dpi, board.Vorlage2X, board.Vorlage2Y,
         TRgb::FromColorRef(static_cast<uint32_t>(board.Vorlage2Farbe))};
  } else {
    s = {board.Vorlage1Zeigen != 0, board.Vorlage1Dpi, board.Vorlage1X, board.Vorlage1Y,
         TRgb::FromColorRef(static_cast<uint32_t>(board.Vorlage1Farbe))};
  }
  return s;
}

void DrawTemplate(TCanvas& canvas, const TPlatinenKopf& board, const TRenderContext& ctx,
                  const TTemplateBitmaps& bitmaps, const TTemplateLook& look) {
  if (ctx.PhotoView) return;
  const int side = TemplateSide(ctx.ActiveLayer);
  if (side == 0) return;
  const TTemplateSide s = TemplateSettings(board, side);
  const QImage& image = bitmaps.Of(side);
  if (!s.Show || image.isNull()) return;
  const TIntRect box = TemplateRect(image.width(), image.height(), s.Dpi, s.X, s.Y);
  TRgb dark = s.Colour, light = ctx.Colours.Background;
  if (look.Print) {
    dark = look.PrintColour;
    light = kWhite;
    if (look.Inverted) std::swap(dark, light);
  }
  canvas.StretchMonoBitmap(image, box, dark, light);
}

}  // namespace corvane
