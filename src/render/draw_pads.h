#pragma once
// Drawing of through-hole pads and SMD pads. The colour is set by the caller
// (SetElementColour, or the clearance colour for cut-outs).

#include <cstdint>

#include "core/objekt.h"
#include "render/canvas.h"
#include "render/element_colour.h"
#include "render/render_context.h"

namespace corvane {

// What a pad is drawn as.
enum class TPadPass : uint8_t {
  Copper,  // the pad itself (grow = 0, or MaskGrowPad in solder-mask print)
  CutOut,  // its clearance in the ground plane (grow = the clearance)
};

// A pad enlarged by grow: round shapes as discs or round-capped lines,
// others as polygons. Through-plated pads take the via colour unless
// selected, highlighted, cut out, in the photo view or MonoMap, or shown
// white by the solder-mask tool. Bare holes draw nothing except as a cut-out
// (grow >= 1) and as outlines in a drag preview, where every pad also gets
// its drill hole punched.
void DrawPad(const TObjekt& pad, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look, int32_t grow,
             TPadPass pass = TPadPass::Copper);

// An SMD pad as the polygon of its corners; with grow != 0 the corners of a
// pad of width + 2 grow and height + 2 grow (negative sizes become 0).
void DrawSmdPad(const TObjekt& smd, TCanvas& canvas, int32_t grow);

// The cross of a bare hole at (x, y) with outer radius r: two one-pixel
// lines across half the outer radius, the second one pixel to the left.
void DrawHoleCross(double x, double y, double r, TCanvas& canvas, const TRenderContext& ctx);

}  // namespace corvane
