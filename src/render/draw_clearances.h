#pragma once
// The cut-outs of elements in the automatic ground plane and the thermal
// spokes that bridge them.

#include "core/objekt.h"
#include "render/canvas.h"
#include "render/colour.h"
#include "render/render_context.h"

namespace corvane {

// The colour cut-outs are drawn in: the background; the photo view's board
// colour; white when highlighted; PrintFillColour in negative print; black in
// MonoMap (later ones win).
TRgb ClearanceColour(const TRenderContext& ctx, bool highlighted);

// The element grown by its clearance c in the clearance colour: pads and SMD
// pads only when c != 0; tracks, zones and circles with their width + 2c
// (keep-outs: their width only); texts stroke by stroke (keep-outs: 0); font
// texts as the rectangle between their points grown by c, when c != 0.
// Selected keep-out zones then show their node marks.
void DrawClearance(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx);
void DrawClearance(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx, bool highlighted);

// The pen colour of spokes: the ground-plane colour; PrintFillColour when
// highlighted; white in negative print and MonoMap.
TRgb SpokeColour(const TRenderContext& ctx, bool highlighted);

// Pads and SMD pads with the thermal flag: a line of the spoke width from the
// end of every spoke whose mask bit is set to the centre.
void DrawSpokes(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx);

}  // namespace corvane
