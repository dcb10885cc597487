#pragma once
// The drill holes of pads, drawn over all layers.

#include <cstdint>
#include <span>

#include "core/element_list.h"
#include "core/objekt.h"
#include "render/canvas.h"
#include "render/colour.h"
#include "render/render_context.h"

namespace corvane {

// What drawing a hole reads from its pad, taken while the pad is at hand.
struct THoleEntry {
  float X = 0, Y = 0;
  float Outer = 0;  // Mass1
  float Drill = 0;  // Mass2
  uint8_t Layer = 0;
  bool Selected = false;
  bool Through = false;  // IsThroughPad
};
THoleEntry HoleEntry(const TObjekt& pad);

// The brush of holes: the background, white with WhiteDrills.
TRgb DrillBrushColour(const TRenderContext& ctx);

// The one-pixel ring of a hole: white for a pad whose outer radius equals
// its drill radius (through-plated or not: no copper shows), else red for a
// through-plated pad, else the brush colour.
TRgb DrillRingColour(const THoleEntry& hole, TRgb brush);

// The colour of a bare hole's cross: magenta when selected, else the colour
// of layers 1 to 4, the outline colour for layer 5, white for other layers.
TRgb HoleCrossColour(const THoleEntry& hole, const TRenderContext& ctx);

// One hole: the drill circle inset by one pixel on every side, and for a
// bare hole its cross (not in PathMode).
void DrawDrillHole(const TObjekt& pad, TCanvas& canvas, const TRenderContext& ctx, TRgb brush);
void DrawDrillHole(const THoleEntry& hole, TCanvas& canvas, const TRenderContext& ctx, TRgb brush);

// The holes of every pad among `elements` with a drill radius > 0 that is
// visible (ElementVisible) and meets the clip rectangle.
void DrawDrillHoles(TCanvas& canvas, std::span<const TObjekt* const> elements, const TRenderContext& ctx);
void DrawDrillHoles(TCanvas& canvas, const ElementList& list, const TRenderContext& ctx);

}  // namespace corvane
