#include "render/draw_node_marks.h"

#include <algorithm>

#include "geom/element_points.h"
#include "geom/points.h"
#include "render/draw_shapes.h"

namespace corvane {

namespace {

void Disc(TCanvas& canvas, TFloatPoint p, double r) { canvas.Ellipse(CircleBox(p.x, p.y, r)); }

void PolylineMarks(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx) {
  const double r = std::max(e.Wert1 / 2.2, 3.0 * ctx.Pixel());
  for (const TFloatPoint& p : e.Punkte) Disc(canvas, p, r);
  if (!ctx.ShowVirtualNodes || e.Punkte.size() < 2) return;
  const double rv = Rnd(0.7 * r);
  canvas.SetPenColour(kBlue);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  const std::size_t n = e.Punkte.size();
  const std::size_t segments = e.Typ == otFlaeche ? n : n - 1;
  for (std::size_t i = 0; i < segments; ++i)
    Disc(canvas, Interpolate(e.Punkte[i], e.Punkte[(i + 1) % n], 0.5, 0.5), rv);
}

void CircleMarks(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx) {
  const double r = std::max((static_cast<double>(e.Mass1) - e.Mass2) / 2.0, 3.0 * ctx.Pixel());
  const TFloatPoint centre{e.X, e.Y};
  const double m = MidRadius(e);
  Disc(canvas, PointOnCircle(centre, e.Wert2, m), r);
  Disc(canvas, PointOnCircle(centre, e.Wert1, m), r);
}

}  // namespace

void DrawNodeMarks(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx) {
  if (ctx.MonoMap || ctx.PathMode || ctx.TestToolActive || ctx.MaskToolActive || !e.Gruppen.empty()) return;
  if (e.Typ != otLeiterbahn && e.Typ != otFlaeche && e.Typ != otKreis) return;
  canvas.SetPenMode(ctx.DragPreview ? TPenMode::NotXor : TPenMode::Copy);
  SetHairPen(canvas, kWhite);
  canvas.SetBrushColour(kBlue);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  if (e.Typ == otKreis)
    CircleMarks(e, canvas, ctx);
  else
    PolylineMarks(e, canvas, ctx);
  canvas.SetBrushStyle(TBrushStyle::Solid);
}

}  // namespace corvane
