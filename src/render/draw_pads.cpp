#include "render/draw_pads.h"

#include <algorithm>
#include <array>

#include "core/element_ops.h"
#include "geom/pad_geometry.h"
#include "geom/smd_geometry.h"
#include "render/draw_shapes.h"

namespace corvane {

namespace {

bool TakesViaColour(const TObjekt& pad, const TRenderContext& ctx, const TElementLook& look, TPadPass pass) {
  if (!IsThroughPad(pad) || pass == TPadPass::CutOut) return false;
  if (look.Selected || look.Highlighted || ctx.PhotoView || ctx.MonoMap) return false;
  return !(ctx.MaskToolActive && HasSolderOpening(pad));
}

// The outline of a polygon-shaped pad: the stored points, or for grow > 0
// the shape's points enlarged and turned like the stored ones.
TPadOutline PolygonOutline(const TObjekt& pad, int32_t grow) {
  const TFloatPoint centre{pad.X, pad.Y};
  if (grow == 0 && !pad.Punkte.empty()) {
    TPadOutline out;
    out.count = static_cast<int>(std::min<std::size_t>(pad.Punkte.size(), out.points.size()));
    std::copy_n(pad.Punkte.begin(), out.count, out.points.begin());
    return out;
  }
  TPadOutline out = PadShapePoints(centre, grow, pad.Mass1, pad.Form);
  const double angle = PadAngle(pad);
  for (int i = 0; i < out.count; ++i) out.points[i] = TurnClockwise(out.points[i], centre, angle);
  return out;
}

// The two points a rounded oblong pad is drawn between.
std::array<TFloatPoint, 2> AxisPoints(const TObjekt& pad) {
  if (pad.Punkte.size() >= 2) return {pad.Punkte[0], pad.Punkte[1]};
  const TPadOutline o = PadShapePoints({pad.X, pad.Y}, 0, pad.Mass1, pad.Form);
  return {o.points[0], o.points[1]};
}

void DrawDragHole(const TObjekt& pad, TCanvas& canvas, const TRenderContext& ctx) {
  // Punched with black: one pixel inset on the left and top.
  const double d = pad.Mass2, px = ctx.Pixel();
  canvas.SetPenColour(kBlack);
  canvas.SetBrushColour(kBlack);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  canvas.SetPenStyle(TPenStyle::Clear);
  canvas.Ellipse(RoundBox(pad.X - d + px, pad.Y + d - px, pad.X + d, pad.Y - d));
}

}  // namespace

void DrawHoleCross(double x, double y, double r, TCanvas& canvas, const TRenderContext& ctx) {
  const double h = r / 2.0, px = ctx.Pixel();
  canvas.SetPenWidth(0);
  canvas.SetPenStyle(TPenStyle::Solid);
  canvas.MoveTo(RoundedPoint(x - h, y + h));
  canvas.LineTo(RoundedPoint(x + h, y - h));
  canvas.MoveTo(RoundedPoint(x + h - px, y + h));
  canvas.LineTo(RoundedPoint(x - h - px, y - h));
}

void DrawPad(const TObjekt& pad, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look, int32_t grow,
             TPadPass pass) {
  const double r = static_cast<double>(pad.Mass1) + grow;
  canvas.SetPenWidth(0);
  canvas.SetPenStyle(TPenStyle::Solid);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  if (TakesViaColour(pad, ctx, look, pass)) ApplyDrawColour(canvas, ctx, ctx.Colours.Via);

  if (IsHoleOnly(pad) && !(pass == TPadPass::CutOut && grow >= 1)) {
    if (!ctx.DragPreview) return;
    // A bare hole's ghost: its hole circle and cross as outlines.
    const double d = pad.Mass2;
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.Ellipse(CircleBox(pad.X, pad.Y, d));
    DrawHoleCross(pad.X, pad.Y, pad.Mass1, canvas, ctx);
    return;
  }

  switch (pad.Form) {
    case psCircular:
      if (ctx.DragPreview) {
        const double px = ctx.Pixel();
        canvas.SetPenStyle(TPenStyle::Clear);
        canvas.Ellipse(RoundBox(pad.X - r, pad.Y + r, pad.X + r + px, pad.Y - r - px));
      } else {
        canvas.Ellipse(CircleBox(pad.X, pad.Y, r));
      }
      break;
    case psRoundedH:
    case psRoundedV: {
      // The round caps of a line twice the radius wide make the oval.
      const std::array<TFloatPoint, 2> axis = AxisPoints(pad);
      canvas.SetPenStyle(TPenStyle::InsideFrame);
      canvas.SetPenWidth(Rnd(2 * r));
      canvas.Polyline(std::span<const TFloatPoint>(axis));
      break;
    }
    default: {
      const TPadOutline outline = PolygonOutline(pad, grow);
      canvas.SetPenStyle(TPenStyle::Clear);
      canvas.Polygon(std::span<const TFloatPoint>(outline.points.data(), static_cast<std::size_t>(outline.count)));
      break;
    }
  }
  if (ctx.DragPreview && pad.Mass2 > 0) DrawDragHole(pad, canvas, ctx);
}

void DrawSmdPad(const TObjekt& smd, TCanvas& canvas, int32_t grow) {
  if (smd.Punkte.size() < 3) return;
  canvas.SetPenStyle(TPenStyle::Clear);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  if (grow == 0) {
    canvas.Polygon(std::span<const TFloatPoint>(smd.Punkte));
    return;
  }
  const double w = std::max(0.0, static_cast<double>(smd.Mass1) + 2.0 * grow);
  const double h = std::max(0.0, static_cast<double>(smd.Mass2) + 2.0 * grow);
  const TSmdCorners corners = SmdCorners(smd.Punkte, w, h);
  canvas.Polygon(std::span<const TFloatPoint>(corners));
}

}  // namespace corvane
