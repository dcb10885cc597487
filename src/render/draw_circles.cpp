#include "render/draw_circles.h"

#include "geom/element_points.h"
#include "geom/points.h"
#include "render/draw_node_marks.h"
#include "render/draw_shapes.h"

namespace corvane {

namespace {

// Arms of r/5 through the centre, each one pixel longer to the right and up.
void DrawCentreCross(const TObjekt& circle, TCanvas& canvas, const TRenderContext& ctx) {
  const double a = circle.Mass2 / 5.0, px = ctx.Pixel();
  const TRgb pen = canvas.PenColour();
  if (!ctx.DragPreview) canvas.SetPenColour(kWhite);
  canvas.SetPenWidth(0);
  canvas.SetPenStyle(TPenStyle::Solid);
  canvas.MoveTo(RoundedPoint(circle.X - a, circle.Y));
  canvas.LineTo(RoundedPoint(circle.X + a + px, circle.Y));
  canvas.MoveTo(RoundedPoint(circle.X, circle.Y - a));
  canvas.LineTo(RoundedPoint(circle.X, circle.Y + a + px));
  canvas.SetPenColour(pen);
}

}  // namespace

void DrawCircleShape(const TObjekt& circle, TCanvas& canvas, int32_t extra) {
  const double outer = circle.Mass1, inner = circle.Mass2;
  canvas.SetPenWidth(Rnd(outer - inner) + 2 * extra);
  canvas.SetPenStyle(TPenStyle::Solid);
  const double m = MidRadius(circle);
  const TFloatPoint centre{circle.X, circle.Y};
  const TIntRect box = CircleBox(centre.x, centre.y, m);
  const int start = NormaliseDegrees(circle.Wert2), stop = NormaliseDegrees(circle.Wert1);
  const TIntPoint s = RoundPoint(PointOnCircle(centre, start, m));
  const TIntPoint e = start == stop ? s : RoundPoint(PointOnCircle(centre, stop, m));
  if (circle.Fuellung) {
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.Chord(box, s, e);
  } else {
    canvas.Arc(box, s, e);
  }
}

void DrawCircle(const TObjekt& circle, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look) {
  if (circle.Sperrflaeche && !look.Selected && !ctx.PathMode) return;
  const bool marks = look.Selected && circle.Gruppen.empty();
  if (marks && !ctx.PathMode && !ctx.MonoMap && !ctx.MaskToolActive) DrawCentreCross(circle, canvas, ctx);
  DrawCircleShape(circle, canvas, ctx.MaskPrint ? ctx.MaskGrowOther : 0);
  if (marks && !ctx.PathMode) DrawNodeMarks(circle, canvas, ctx);
}

}  // namespace corvane
