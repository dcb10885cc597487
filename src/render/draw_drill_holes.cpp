#include "render/draw_drill_holes.h"

#include "core/element_ops.h"
#include "geom/element_bounds.h"
#include "render/draw_pads.h"
#include "render/draw_shapes.h"

namespace corvane {

TRgb DrillBrushColour(const TRenderContext& ctx) { return ctx.WhiteDrills ? kWhite : ctx.Colours.Background; }

TRgb DrillRingColour(const TObjekt& pad, TRgb brush) {
  if (pad.Mass1 == pad.Mass2) return kWhite;
  if (IsThroughPad(pad)) return kRed;
  return brush;
}

TRgb HoleCrossColour(const TObjekt& pad, const TRenderContext& ctx) {
  if (pad.Markiert) return kSelectionMagenta;
  if (pad.Layer >= lyC1 && pad.Layer <= lyS2) return ctx.LayerColour(pad.Layer);
  if (pad.Layer == lyI1) return ctx.LayerColour(lyO);
  return kWhite;
}

void DrawDrillHole(const TObjekt& pad, TCanvas& canvas, const TRenderContext& ctx, TRgb brush) {
  canvas.SetPenMode(TPenMode::Copy);
  canvas.SetBrushColour(brush);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  SetHairPen(canvas, DrillRingColour(pad, brush));
  const double d = pad.Mass2, px = ctx.Pixel();
  canvas.Ellipse(RoundBox(pad.X - d + px, pad.Y + d - px, pad.X + d - px, pad.Y - d + px));
  if (!IsHoleOnly(pad)) return;
  canvas.SetPenColour(HoleCrossColour(pad, ctx));
  DrawHoleCross(pad, canvas, ctx);
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
