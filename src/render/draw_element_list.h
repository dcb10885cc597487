#pragma once
// A list of elements in layer order: the layers bottom to top as the active
// layer decides, the selection on top, then drill holes and node marks.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "core/element_list.h"
#include "core/layers.h"
#include "geom/int_point.h"
#include "render/canvas.h"
#include "render/element_index.h"
#include "render/render_context.h"

namespace corvane {

struct TSortedElements;

using TLayerOrder = std::array<uint8_t, kLayerCount>;

// First drawn to last drawn:
//   C1, S1 active:  I1, I2, C2, C1, S2, S1, O
//   I1 active:      C1, C2, I2, I1, S1, S2, O
//   I2 active:      C1, C2, I1, I2, S1, S2, O
//   others:         I1, I2, C1, C2, S1, S2, O
TLayerOrder LayerOrder(int activeLayer);

// The elements of `list` whose ElementBounds meet `clip`, in list order.
std::vector<const TObjekt*> ElementsMeeting(const ElementList& list, const TIntRect& clip, const TLayerState& state);

// One layer: every unselected element of that layer that is not a pad, then
// every pad lying on the layer while it is visible (through-plated pads lie
// on every copper layer), selected or not.
void DrawLayerElements(TCanvas& canvas, std::span<const TObjekt* const> elements, int layer,
                       const TRenderContext& ctx);
void DrawLayerElements(TCanvas& canvas, const ElementList& list, int layer, const TRenderContext& ctx);

struct TElementListOptions {
  // Finds the elements meeting the clip rectangle; without it every element's
  // bounds are computed.
  TElementIndex* Index = nullptr;
  // The elements meeting the clip rectangle found already (in list order);
  // when given, neither the index nor the bounds are consulted.
  const std::vector<const TObjekt*>* Candidates = nullptr;
  // The design-rule markers, drawn last while the DRC result panel is open.
  std::function<void(TCanvas&)> DrcMarkers;
};

// Every visible layer in layer order (only elements meeting the clip
// rectangle; with MarkedOnly only those with Merker set), then every selected
// element of a visible layer on top; unless MonoMap: all SMD pads of visible
// layers again with the solder-mask tool, the drill holes, and the node marks
// of selected tracks, zones and circles.
void DrawElementList(TCanvas& canvas, const ElementList& list, const TRenderContext& ctx,
                     const TElementListOptions& options = {});

// The drawing part of DrawElementList for elements sorted already.
void DrawSortedElements(TCanvas& canvas, const TSortedElements& sorted, const TRenderContext& ctx,
                        const TElementListOptions& options = {});

}  // namespace corvane
