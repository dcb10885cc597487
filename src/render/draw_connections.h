#pragma once
// Rubber-band connections between pads and SMD pads.

#include "core/element_list.h"
#include "core/float_point.h"
#include "core/objekt.h"
#include "render/canvas.h"
#include "render/render_context.h"

namespace corvane {

// The connections of pad or SMD pad e (an element of `list`), not in the
// photo view: one-pixel lines in the connections colour from the centre of e
// plus offset to the centre of each partner, plus offset when the partner is
// selected (offset: the drag offset, zero in a repaint). Between two selected
// ends they are magenta while the track or autoroute tool is active. In a
// drag preview they are green not-xor lines, drawn only towards unselected
// partners and selected partners earlier in the list, so no line is inverted
// twice. References to elements outside the list are skipped.
void DrawConnections(TCanvas& canvas, const TRenderContext& ctx, const ElementList& list, const TObjekt& e,
                     TFloatPoint offset = {});

// One connection of a repaint from e to its partner `to`: the connections
// colour, or magenta between two selected ends while the track or autoroute
// tool is active; offset as above.
void DrawConnectionLine(TCanvas& canvas, const TRenderContext& ctx, const TObjekt& e, const TObjekt& to,
                        TFloatPoint offset = {});

}  // namespace corvane
