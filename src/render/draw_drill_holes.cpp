#include "render/draw_drill_holes.h"

#include "core/element_ops.h"
#include "geom/element_bounds.h"
#include "render/draw_pads.h"
#include "render/draw_shapes.h"

namespace corvane {

TRgb DrillBrushColour(const TRenderContext& ctx) { return ctx.WhiteDrills ? kWhite : ctx.Colours.Background; }

THoleEntry HoleEntry(const TObjekt& pad) {
  return {pad.X, pad.Y, pad.Mass1, pad.Mass2, pad.Layer, pad.Markiert != 0, IsThroughPad(pad)};
}

TRgb DrillRingColour(const THoleEntry& hole, TRgb brush) {
  if (hole.Outer == hole.Drill) return kWhite;
  if (hole.Through) return kRed;
  return brush;
}

TRgb HoleCrossColour(const THoleEntry& hole, const TRenderContext& ctx) {
  if (hole.Selected) return kSelectionMagenta;
  if (hole.Layer >= lyC1 && hole.Layer <= lyS2) return ctx.LayerColour(hole.Layer);
  if (hole.Layer == lyI1) return ctx.LayerColour(lyO);
  return kWhite;
}

void DrawDrillHole(const TObjekt& pad, TCanvas& canvas, const TRenderContext& ctx, TRgb brush) {
  DrawDrillHole(HoleEntry(pad), canvas, ctx, brush);
}

void DrawDrillHole(const THoleEntry& hole, TCanvas& canvas, const TRenderContext& ctx, TRgb brush) {
  canvas.SetPenMode(TPenMode::Copy);
  canvas.SetBrushColour(brush);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  SetHairPen(canvas, DrillRingColour(hole, brush));
  const double d = hole.Drill, px = ctx.Pixel();
  canvas.Ellipse(RoundBox(hole.X - d + px, hole.Y + d - px, hole.X + d - px, hole.Y - d + px));
  if (!(hole.Outer <= hole.Drill) || ctx.PathMode) return;  // only bare holes get the cross
  canvas.SetPenColour(HoleCrossColour(hole, ctx));
  DrawHoleCross(hole.X, hole.Y, hole.Outer, canvas, ctx);
}

void DrawDrillHoles(TCanvas& canvas, std::span<const TObjekt* const> elements, const TRenderContext& ctx) {
  const TLayerState state = ctx.LayerState();
  const TRgb brush = DrillBrushColour(ctx);
  const TIntRect& clip = canvas.ClipWorld();
  for (const TObjekt* e : elements) {
    if (!IsPad(*e) || !(e->Mass2 > 0) || !ElementVisible(*e, state)) continue;
    if (!RectsMeet(ElementBounds(*e, state), clip)) continue;
    DrawDrillHole(*e, canvas, ctx, brush);
  }
}

void DrawDrillHoles(TCanvas& canvas, const ElementList& list, const TRenderContext& ctx) {
  std::vector<const TObjekt*> all;
  all.reserve(list.size());
  for (const TObjekt& e : list) all.push_back(&e);
  DrawDrillHoles(canvas, all, ctx);
}

}  // namespace corvane
