#pragma once
// Drawing of tracks (also the strokes of texts) and zones. The colour is set
// by the caller.

#include <cstdint>
#include <span>

#include "core/float_point.h"
#include "core/objekt.h"
#include "render/canvas.h"
#include "render/element_colour.h"
#include "render/render_context.h"

namespace corvane {

// What the drawing of one track needs; texts pass their own keep-out,
// selection and highlight state with each stroke.
struct TTrackLine {
  std::span<const TFloatPoint> Punkte;
  int32_t Width = 0;
  bool Autoroute = false;
  bool KeepOut = false;
};

TTrackLine TrackLineOf(const TObjekt& track);

// A polyline of the track's width (grown in solder-mask print) with round
// ends; keep-outs only while selected. Autorouted tracks at least 3 pixels
// wide get an inner line a third as wide in a lighter or darker colour
// (not when highlighted, in the photo view, MonoMap or a drag preview).
void DrawTrackLine(const TTrackLine& track, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look);

// The inner line's colour: every channel +150 when R + G + B < 383, else
// -150, clamped to 0..255.
TRgb InnerLineColour(TRgb pen);

// A zone: the closed outline filled with the brush, a polyline while it is
// being drawn, only the outline with hatch lines for hatched zones, only the
// outline of a selected keep-out zone; node marks when selected and ungrouped.
void DrawZone(const TObjekt& zone, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look);

}  // namespace corvane
