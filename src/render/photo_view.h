#pragma once
// The photo view: the active board drawn as the manufactured board looks from
// one side (green board material, copper under solder mask, tinned openings,
// silkscreen, holes), optionally with the other side shining through. Side 2
// is seen from below: the caller maps it mirrored (x -> W - x); the canvas
// draws arcs counter-clockwise in the world frame, so the mirrored picture of
// every circle and arc follows from the mapping itself.

#include <cstdint>

#include "core/element_list.h"
#include "render/canvas.h"
#include "render/colour.h"
#include "render/element_index.h"
#include "render/render_context.h"

namespace corvane {

inline constexpr TRgb kPhotoBoard{22, 117, 22};
inline constexpr TRgb kPhotoCopper{0, 190, 0};  // copper under solder mask
inline constexpr TRgb kPhotoTinned{220, 170, 20};
inline constexpr TRgb kPhotoSilkscreen{220, 220, 220};
inline constexpr TRgb kPhotoShineThrough{0, 100, 0};

// The options of the photo view window.
struct TPhotoOptions {
  int Side = 1;  // 1: C1/S1 as seen from above; 2: C2/S2, mirrored
  bool Silkscreen = true;
  bool XRay = false;
};

// The copper and silkscreen layers seen from a side and those of the far side.
int ViewedCopperLayer(int side);
int ViewedSilkscreenLayer(int side);
int FarCopperLayer(int side);
int FarSilkscreenLayer(int side);

// The photo repaint of a board of W x H into a canvas whose mapping (mirrored
// for side 2) and clip are set: board material, the viewed side's plane with
// its cut-outs and spokes, the far side shining through (X-Ray), copper under
// mask and tinned openings on top, silkscreen, outline in black and the holes
// white with a black outline. Only elements meeting the clip rectangle are
// drawn; `index` (optional) finds them. Selection does not show.
void DrawPhotoBoard(TCanvas& canvas, const ElementList& elements, int32_t boardWidth, int32_t boardHeight,
                    const TRenderContext& ctx, const TPhotoOptions& options, TElementIndex* index = nullptr);

}  // namespace corvane
