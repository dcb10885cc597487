#pragma once
// Node marks: the blue discs on the corners of selected tracks and zones and
// on the end points of selected circles, with the virtual nodes on segment
// midpoints.

#include "core/objekt.h"
#include "render/canvas.h"
#include "render/render_context.h"

namespace corvane {

// Nothing in MonoMap or PathMode, with the test or solder-mask tool, or for grouped
// elements. Pen one pixel white, brush blue: tracks and zones get a disc of
// radius width / 2.2 (at least 3 pixels) on every vertex and, with
// ShowVirtualNodes, an unfilled blue circle of 0.7 times that radius on every
// segment midpoint (zones including the closing one); circles get discs of
// radius (R - r) / 2 (at least 3 pixels) at both ends on the mid radius.
void DrawNodeMarks(const TObjekt& e, TCanvas& canvas, const TRenderContext& ctx);

}  // namespace corvane
