#include "render/draw_element_list.h"

#include "core/element_ops.h"
#include "geom/element_bounds.h"
#include "render/draw_drill_holes.h"
#include "render/draw_element.h"
#include "render/draw_node_marks.h"
#include "render/element_prefetch.h"
#include "render/sorted_elements.h"

namespace corvane {

TLayerOrder LayerOrder(int activeLayer) {
  switch (activeLayer) {
    case lyC1:
    case lyS1: return {lyI1, lyI2, lyC2, lyC1, lyS2, lyS1, lyO};
    case lyI1: return {lyC1, lyC2, lyI2, lyI1, lyS1, lyS2, lyO};
    case lyI2: return {lyC1, lyC2, lyI1, lyI2, lyS1, lyS2, lyO};
    default: return {lyI1, lyI2, lyC1, lyC2, lyS1, lyS2, lyO};
  }
}

std::vector<const TObjekt*> ElementsMeeting(const ElementList& list, const TIntRect& clip, const TLayerState& state) {
  std::vector<const TObjekt*> out;
  for (const TObjekt& e : list)
    if (RectsMeet(ElementBounds(e, state), clip)) out.push_back(&e);
  return out;
}

void DrawLayerElements(TCanvas& canvas, std::span<const TObjekt* const> elements, int layer,
                       const TRenderContext& ctx) {
  const TLayerState state = ctx.LayerState();
  for (const TObjekt* e : elements)
    if (e->Layer == layer && !IsPad(*e) && !e->Markiert) DrawElement(*e, canvas, ctx);
  for (const TObjekt* e : elements)
    if (IsPad(*e) && OnVisibleLayer(*e, layer, state)) DrawElement(*e, canvas, ctx);
}

void DrawLayerElements(TCanvas& canvas, const ElementList& list, int layer, const TRenderContext& ctx) {
  std::vector<const TObjekt*> all;
  all.reserve(list.size());
  for (const TObjekt& e : list) all.push_back(&e);
  DrawLayerElements(canvas, all, layer, ctx);
}

void DrawElementList(TCanvas& canvas, const ElementList& list, const TRenderContext& ctx,
                     const TElementListOptions& options) {
  std::vector<const TObjekt*> found;
  const std::vector<const TObjekt*>* meeting = nullptr;
  if (options.Candidates != nullptr) {
    meeting = options.Candidates;
  } else if (options.Index != nullptr) {
    meeting = &options.Index->Query(list, canvas.ClipWorld());
  } else {
    found = ElementsMeeting(list, canvas.ClipWorld(), ctx.LayerState());
    meeting = &found;
  }
  TSortedScratch scratch;
  TRenderContext sortCtx = ctx;
  sortCtx.GroundPlane.fill(0);  // the plane's cut-outs are PaintBoard's
  SortElements(*meeting, sortCtx, scratch.Lists());
  DrawSortedElements(canvas, scratch.Lists(), ctx, options);
}

void DrawSortedElements(TCanvas& canvas, const TSortedElements& sorted, const TRenderContext& ctx,
                        const TElementListOptions& options) {
  const TLayerState state = ctx.LayerState();
  const auto& byLayer = sorted.byLayer;
  const auto& pads = sorted.pads;
  for (uint8_t layer : LayerOrder(ctx.ActiveLayer)) {
    if (!state.Visible(layer)) continue;
    ForEachPrefetched(byLayer[layer - 1], [&](const TObjekt& e) { DrawElement(e, canvas, ctx); });
    const bool copper = IsCopperLayer(layer);
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < pads.size(); ++i) {
      const std::size_t j = i + kAhead;
      if (j < pads.size() && (pads[j].layer == layer || (pads[j].through && copper))) PrefetchElement(pads[j].e);
      const TSortedElements::TPad& p = pads[i];
      if (p.layer == layer || (p.through && copper)) DrawElement(*p.e, canvas, ctx);
    }
  }
  for (const TObjekt* e : sorted.selected) DrawElement(*e, canvas, ctx);

  if (!ctx.MonoMap) {
    if (ctx.MaskToolActive)
      for (const TObjekt* e : sorted.smdPads) DrawElement(*e, canvas, ctx);
    const TRgb brush = DrillBrushColour(ctx);
    for (const THoleEntry& h : sorted.holes) DrawDrillHole(h, canvas, ctx, brush);
    for (const TObjekt* e : sorted.marks) DrawNodeMarks(*e, canvas, ctx);
  }
  if (options.DrcMarkers) options.DrcMarkers(canvas);
}

}  // namespace corvane
