#include "render/draw_texts.h"

#include "render/draw_shapes.h"
#include "render/draw_tracks.h"

namespace corvane {

void DrawText(const TObjekt& text, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look) {
  for (const TObjekt& stroke : text.Striche) {
    TTrackLine line = TrackLineOf(stroke);
    line.KeepOut = text.Sperrflaeche != 0;
    DrawTrackLine(line, canvas, ctx, look);
  }
}

TCanvasFont FontTextFont(const TObjekt& fontText) {
  TCanvasFont font;
  font.Face = "Arial";
  font.Height = fontText.Wert1;
  // Escapement in tenths of a degree; the rotation is a multiple of 90.
  font.Angle = static_cast<int32_t>(static_cast<int64_t>(fontText.Wert2 % 360) * 10);
  font.Weight = 700;
  return font;
}

void DrawFontText(const TObjekt& fontText, TCanvas& canvas) {
  canvas.Text(RoundedPoint(fontText.X, fontText.Y), fontText.Text, FontTextFont(fontText));
}

}  // namespace corvane
