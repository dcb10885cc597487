#include "render/draw_element.h"

#include "render/draw_circles.h"
#include "render/draw_pads.h"
#include "render/draw_texts.h"
#include "render/draw_tracks.h"

namespace corvane {

void DrawElement(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx) {
  DrawElementWithLook(e, canvas, ctx, LookOf(e));
}

void DrawElementInColour(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx, TRgb colour) {
  DrawElementWithLook(e, canvas, ctx, LookInColour(colour));
}

void DrawElementWithLook(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look) {
  const TPenMode mode = canvas.PenMode();
  SetElementColour(canvas, ctx, e, look);
  switch (e.Typ) {
    case otLoetauge:
      DrawPad(e, canvas, ctx, look, ctx.MaskPrint ? ctx.MaskGrowPad : 0);
      break;
    case otSmdPad:
      DrawSmdPad(e, canvas, ctx.MaskPrint ? ctx.MaskGrowSmd : 0);
      break;
    case otLeiterbahn:
      DrawTrackLine(TrackLineOf(e), canvas, ctx, look);
      break;
    case otFlaeche:
      DrawZone(e, canvas, ctx, look);
      break;
    case otKreis:
      DrawCircle(e, canvas, ctx, look);
      break;
    case otText:
      DrawText(e, canvas, ctx, look);
      break;
    case otFontText:
      DrawFontText(e, canvas);
      break;
    default:
      break;
  }
  canvas.SetPenMode(mode);
}

}  // namespace corvane
