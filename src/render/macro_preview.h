#pragma once
// The macro preview: a macro's elements drawn on the preview's own mapping.

#include "core/element_list.h"
#include "render/canvas.h"
#include "render/draw_element_list.h"
#include "render/render_context.h"

namespace corvane {

// I1, I2, C2, C1, S2, S1, O; with the side-swap button: I1, I2, C1, C2, S1, S2, O.
TLayerOrder MacroLayerOrder(bool swapSides);

// Every layer in macro order (the non-pads, then the pads lying on it), no
// clip test, then the drill holes with the background as brush. `ctx` gives
// the colours and switches; the photo view is off and every layer shown, and
// `zoom` sets the pixel-dependent sizes.
void DrawMacroList(TCanvas& canvas, const ElementList& list, const TRenderContext& ctx, double zoom, bool swapSides);

}  // namespace corvane
