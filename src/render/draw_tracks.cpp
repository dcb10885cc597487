#include "render/draw_tracks.h"

#include <algorithm>

#include "render/draw_node_marks.h"
#include "render/draw_shapes.h"
#include "render/hatch_segments.h"

namespace corvane {

namespace {

uint8_t Shifted(uint8_t v, int by) { return static_cast<uint8_t>(std::clamp(v + by, 0, 255)); }

int32_t GrownWidth(int32_t width, const TRenderContext& ctx) {
  return ctx.MaskPrint ? width + 2 * ctx.MaskGrowOther : width;
}

}  // namespace

TTrackLine TrackLineOf(const TObjekt& track) {
  return {std::span<const TFloatPoint>(track.Punkte), track.Wert1, track.Autoroute != 0, track.Sperrflaeche != 0};
}

TRgb InnerLineColour(TRgb pen) {
  const int by = pen.Sum() < 383 ? 150 : -150;
  return {Shifted(pen.r, by), Shifted(pen.g, by), Shifted(pen.b, by)};
}

void DrawTrackLine(const TTrackLine& track, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look) {
  if (track.KeepOut && !look.Selected) return;
  if (track.Punkte.size() < 2) return;
  const int32_t width = GrownWidth(track.Width, ctx);
  canvas.SetPenWidth(width);
  canvas.SetPenStyle(TPenStyle::InsideFrame);
  canvas.Polyline(track.Punkte);

  if (!track.Autoroute || look.Highlighted || ctx.PhotoView || ctx.MonoMap || ctx.DragPreview) return;
  if (width * ctx.Zoom < 3) return;
  const TRgb pen = canvas.PenColour();
  canvas.SetPenColour(InnerLineColour(pen));
  canvas.SetPenWidth(Rnd(width / 3.0));
  canvas.Polyline(track.Punkte);
  canvas.SetPenColour(pen);
  canvas.SetPenWidth(width);
}

void DrawZone(const TObjekt& zone, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look) {
  const bool keepOut = zone.Sperrflaeche != 0;
  if (keepOut && !look.Selected) return;
  if (zone.Punkte.size() < 2) return;
  const std::span<const TFloatPoint> points(zone.Punkte);
  canvas.SetPenWidth(GrownWidth(zone.Wert1, ctx));
  canvas.SetPenStyle(TPenStyle::InsideFrame);

  if (zone.Geschlossen == 0) {
    canvas.Polyline(points);
  } else if (keepOut) {
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.Polygon(points);
  } else if (zone.Schalter1) {
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.Polygon(points);
    if (!ctx.DragPreview) {
      const int32_t s = HatchSpacing(zone);
      canvas.SetPenWidth(s / 2);
      for (const THatchSegment& seg : HatchSegments(zone, s, GrowRect(canvas.ClipWorld(), s))) {
        canvas.MoveTo(seg.a);
        canvas.LineTo(seg.b);
      }
    }
  } else {
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.Polygon(points);
  }
  canvas.SetBrushStyle(TBrushStyle::Solid);
  if (look.Selected && zone.Gruppen.empty()) DrawNodeMarks(zone, canvas, ctx);
}

}  // namespace corvane
