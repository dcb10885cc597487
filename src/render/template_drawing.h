#pragma once
// The scanned-copy template: the bitmap of the active side drawn under the
// elements, scaled by its resolution and moved by its offsets.

#include <QImage>

#include <cstdint>

#include "core/board_header.h"
#include "geom/int_point.h"
#include "io/bmp_file.h"
#include "render/canvas.h"
#include "render/colour.h"
#include "render/render_context.h"

namespace corvane {

// The loaded bitmaps of both board sides (null images when none is loaded),
// Format_Mono with 0 = dark.
struct TTemplateBitmaps {
  QImage Side1;
  QImage Side2;
  const QImage& Of(int side) const { return side == 2 ? Side2 : Side1; }
  QImage& Of(int side) { return side == 2 ? Side2 : Side1; }
};

// The bitmap as a Format_Mono image (bit 0 = dark); null for an empty one.
QImage MonoImage(const TMonoBitmap& bitmap);

// The template side of a layer: 1 for layers 1 and 2, 2 for 3 and 4, else 0.
int TemplateSide(int layer);

// The world rectangle a template covers: (0, 0) to (rnd(w/dpi * 2540),
// -rnd(h/dpi * 2540)) moved by (10 * xOffset, -10 * yOffset); offsets in
// 0.1 mm. A resolution below 1 dpi counts as 1.
TIntRect TemplateRect(int32_t pixelsWide, int32_t pixelsHigh, int32_t dpi, int32_t xOffset, int32_t yOffset);

// The settings of one side from the board header.
struct TTemplateSide {
  bool Show = false;
  int32_t Dpi = 600;
  int32_t X = 0;
  int32_t Y = 0;
  TRgb Colour{};
};
TTemplateSide TemplateSettings(const TPlatinenKopf& board, int side);

// How the template's two colours are chosen: on the screen its 0 pixels take
// the side's colour and its 1 pixels the background colour; in print the
// background is white and the 0 pixels take the layer's print colour, the
// two swapped when the print is inverted.
struct TTemplateLook {
  bool Print = false;
  TRgb PrintColour{};
  bool Inverted = false;
};

// Step 4 of the repaint: the template of the active layer's side, when that
// side shows its bitmap and one is loaded; nothing in the photo view.
void DrawTemplate(TCanvas& canvas, const TPlatinenKopf& board, const TRenderContext& ctx,
                  const TTemplateBitmaps& bitmaps, const TTemplateLook& look = {});

}  // namespace corvane
