#include "render/draw_connections.h"

#include "geom/element_points.h"
#include "render/draw_shapes.h"

namespace corvane {

namespace {

void Line(TCanvas& canvas, const TObjekt& e, const TObjekt& other, TFloatPoint offset) {
  const TFloatPoint from = ElementCentre(e), to = ElementCentre(other);
  const double dx = other.Markiert ? offset.x : 0.0, dy = other.Markiert ? offset.y : 0.0;
  canvas.MoveTo(RoundedPoint(from.x + offset.x, from.y + offset.y));
  canvas.LineTo(RoundedPoint(to.x + dx, to.y + dy));
}

}  // namespace

void DrawConnectionLine(TCanvas& canvas, const TRenderContext& ctx, const TObjekt& e, const TObjekt& to,
                        TFloatPoint offset) {
  canvas.SetPenWidth(0);
  canvas.SetPenStyle(TPenStyle::InsideFrame);
  canvas.SetPenMode(TPenMode::Copy);
  const bool bothSelected = e.Markiert && to.Markiert;
  canvas.SetPenColour(ctx.ConnectToolActive && bothSelected ? kSelectionMagenta : ctx.Colours.Connections);
  Line(canvas, e, to, offset);
}

void DrawConnections(TCanvas& canvas, const TRenderContext& ctx, const ElementList& list, const TObjekt& e,
                     TFloatPoint offset) {
  if (ctx.PhotoView || !IsAnyPad(e) || e.Luftlinien.empty()) return;
  const long self = ctx.DragPreview ? list.IndexOf(e.Id()) : -1;
  canvas.SetPenWidth(0);
  canvas.SetPenStyle(TPenStyle::InsideFrame);
  canvas.SetPenMode(ctx.DragPreview ? TPenMode::NotXor : TPenMode::Copy);
  for (ObjRef ref : e.Luftlinien) {
    const TObjekt* other = list.Find(ref);
    if (other == nullptr) continue;
    if (ctx.DragPreview) {
      if (other->Markiert && list.IndexOf(ref) >= self) continue;
      canvas.SetPenColour(kGreen);
    } else {
      const bool bothSelected = e.Markiert && other->Markiert;
      canvas.SetPenColour(ctx.ConnectToolActive && bothSelected ? kSelectionMagenta : ctx.Colours.Connections);
    }
    Line(canvas, e, *other, offset);
  }
}

}  // namespace corvane
