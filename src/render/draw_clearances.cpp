#include "render/draw_clearances.h"

#include <algorithm>

#include "geom/element_points.h"
#include "geom/pad_geometry.h"
#include "geom/points.h"
#include "geom/smd_geometry.h"
#include "geom/spoke_mask.h"
#include "render/draw_circles.h"
#include "render/draw_node_marks.h"
#include "render/draw_pads.h"
#include "render/draw_shapes.h"
#include "render/draw_tracks.h"

namespace corvane {

namespace {

void SetSolid(TCanvas& canvas, TRgb c) {
  canvas.SetPenMode(TPenMode::Copy);
  canvas.SetPenColour(c);
  canvas.SetBrushColour(c);
  canvas.SetBrushStyle(TBrushStyle::Solid);
}

int32_t Grown(int32_t width, int32_t c) {
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{width} + 2 * int64_t{c}, INT32_MIN, INT32_MAX));
}

}  // namespace

TRgb ClearanceColour(const TRenderContext& ctx, bool highlighted) {
  TRgb c = ctx.Colours.Background;
  if (ctx.PhotoView) c = ctx.PhotoBoardColour;
  if (highlighted) c = kWhite;
  if (ctx.PrintNegative) c = ctx.PrintFillColour;
  if (ctx.MonoMap) c = kBlack;
  return c;
}

void DrawClearance(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx) {
  DrawClearance(e, canvas, ctx, e.Hervorgehoben != 0);
}

void DrawClearance(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx, bool highlighted) {
  SetSolid(canvas, ClearanceColour(ctx, highlighted));
  const int32_t c = e.Freistanz;
  const bool keepOut = e.Sperrflaeche != 0;
  TElementLook look = LookOf(e);
  look.Highlighted = true;  // a cut-out never gets the inner line of autorouted tracks
  switch (e.Typ) {
    case otLoetauge:
      if (c != 0) DrawPad(e, canvas, ctx, look, c, TPadPass::CutOut);
      break;
    case otSmdPad:
      if (c != 0) DrawSmdPad(e, canvas, c);
      break;
    case otLeiterbahn: {
      TTrackLine line = TrackLineOf(e);
      line.Width = keepOut ? e.Wert1 : Grown(e.Wert1, c);
      line.KeepOut = false;
      DrawTrackLine(line, canvas, ctx, look);
      break;
    }
    case otFlaeche:
      if (e.Punkte.size() < 2) break;
      canvas.SetPenWidth(keepOut ? e.Wert1 : Grown(e.Wert1, c));
      canvas.SetPenStyle(TPenStyle::InsideFrame);
      canvas.Polygon(std::span<const TFloatPoint>(e.Punkte));
      if (keepOut && e.Markiert) DrawNodeMarks(e, canvas, ctx);
      break;
    case otKreis:
      DrawCircleShape(e, canvas, keepOut ? 0 : c);
      break;
    case otText:
      for (const TObjekt& stroke : e.Striche) {
        TTrackLine line = TrackLineOf(stroke);
        line.Width = keepOut ? stroke.Wert1 : Grown(stroke.Wert1, c);
        line.KeepOut = false;
        DrawTrackLine(line, canvas, ctx, look);
      }
      break;
    case otFontText:
      if (c != 0) {
        const TIntRect box = NormaliseRect(RoundBox(e.X, e.Y, e.Mass1, e.Mass2));
        canvas.FillRect(GrowRect(box, c), canvas.BrushColour());
      }
      break;
    default:
      break;
  }
}

TRgb SpokeColour(const TRenderContext& ctx, bool highlighted) {
  if (ctx.PrintNegative || ctx.MonoMap) return kWhite;
  return highlighted ? ctx.PrintFillColour : ctx.Colours.GroundPlane;
}

void DrawSpokes(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx) {
  if (!IsAnyPad(e) || e.Schalter1 == 0) return;
  const bool pad = IsPad(e);
  if (!pad && !HasSmdCorners(e)) return;
  canvas.SetPenMode(TPenMode::Copy);
  canvas.SetPenColour(SpokeColour(ctx, e.Hervorgehoben != 0));
  canvas.SetPenWidth(pad ? PadSpokeWidth(e) : SmdSpokeWidth(e));
  canvas.SetPenStyle(TPenStyle::Solid);
  const TIntPoint centre = RoundPoint(ElementCentre(e));
  for (int spoke = 1; spoke <= 8; ++spoke) {
    if (!SpokeSet(e.Wert2, spoke)) continue;
    canvas.MoveTo(RoundPoint(pad ? PadSpokeEnd(e, spoke) : SmdSpokeEnd(e, spoke)));
    canvas.LineTo(centre);
  }
}

}  // namespace corvane
