#pragma once
// Drawing of circles, rings, arcs and filled chord segments. The colour is
// set by the caller.

#include <cstdint>

#include "core/objekt.h"
#include "render/canvas.h"
#include "render/element_colour.h"
#include "render/render_context.h"

namespace corvane {

// The ring between the outer radius R and the inner radius r as an arc of
// the mid radius with a pen R - r wide (+ extra on each side), counter-
// clockwise from the start to the stop angle (equal angles: the whole ring),
// or the chord segment between those points when filled.
void DrawCircleShape(const TObjekt& circle, TCanvas& canvas, int32_t extra);

// A circle element: keep-outs only while selected (always in PathMode); a
// selected ungrouped circle gets its white centre cross first and its node
// marks afterwards.
void DrawCircle(const TObjekt& circle, TCanvas& canvas, const TRenderContext& ctx, const TElementLook& look);

}  // namespace corvane
