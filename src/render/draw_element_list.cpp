#include "render/draw_element_list.h"

#include "core/element_ops.h"
#include "geom/element_bounds.h"
#include "render/draw_drill_holes.h"
#include "render/draw_element.h"
#include "render/draw_node_marks.h"
#include "render/element_prefetch.h"

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

namespace {

// The candidates of one drawing pass sorted by the steps that draw them.
struct TSortedElements {
  struct TPad {
    const TObjekt* e;
    uint8_t layer;
    bool through;
  };
  std::array<std::vector<const TObjekt*>, kLayerCount> byLayer;
  std::vector<TPad> pads;
  std::vector<const TObjekt*> selected, smdPads, marks;
  std::vector<THoleEntry> holes;

  void Clear() {
    for (auto& v : byLayer) v.clear();
    pads.clear();
    selected.clear();
    smdPads.clear();
    marks.clear();
    holes.clear();
  }
};

}  // namespace

void DrawElementList(TCanvas& canvas, const ElementList& list, const TRenderContext& ctx,
                     const TElementListOptions& options) {
  const TLayerState state = ctx.LayerState();
  const TIntRect clip = canvas.ClipWorld();
  std::vector<const TObjekt*> found;
  const std::vector<const TObjekt*>* meeting = nullptr;
  if (options.Candidates != nullptr) {
    meeting = options.Candidates;
  } else if (options.Index != nullptr) {
    meeting = &options.Index->Query(list, clip);
  } else {
    found = ElementsMeeting(list, clip, state);
    meeting = &found;
  }

  // One pass sorts the candidates by what each step draws, keeping list order,
  // so that the steps need not visit every element again. The lists are kept
  // between repaints, so that large boards do not allocate them every time.
  static thread_local TSortedElements kept;
  static thread_local bool keptInUse = false;
  TSortedElements local;
  const bool useKept = !keptInUse;
  TSortedElements& sorted = useKept ? kept : local;
  keptInUse = true;
  struct TRelease {
    bool active;
    ~TRelease() {
      if (active) keptInUse = false;
    }
  } release{useKept};
  sorted.Clear();
  auto& byLayer = sorted.byLayer;
  auto& pads = sorted.pads;
  auto& selected = sorted.selected;
  auto& smdPads = sorted.smdPads;
  auto& marks = sorted.marks;
  auto& holes = sorted.holes;
  ForEachPrefetched<kScanAhead>(*meeting, [&](const TObjekt& element) {
    const TObjekt* e = &element;
    if (ctx.MarkedOnly && !e->Merker) return;
    const bool pad = IsPad(*e);
    if (pad)
      pads.push_back({e, e->Layer, IsThroughPad(*e)});
    else if (!e->Markiert && IsValidLayer(e->Layer))
      byLayer[static_cast<std::size_t>(e->Layer - 1)].push_back(e);
    if (e->Markiert && state.Visible(e->Layer)) {
      selected.push_back(e);
      if (e->Typ == otLeiterbahn || e->Typ == otFlaeche || e->Typ == otKreis) marks.push_back(e);
    }
    if (IsSmdPad(*e) && state.Visible(e->Layer)) smdPads.push_back(e);
    if (pad && e->Mass2 > 0 && ElementVisible(*e, state)) holes.push_back(HoleEntry(*e));
  });

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
  for (const TObjekt* e : selected) DrawElement(*e, canvas, ctx);

  if (!ctx.MonoMap) {
    if (ctx.MaskToolActive)
      for (const TObjekt* e : smdPads) DrawElement(*e, canvas, ctx);
    const TRgb brush = DrillBrushColour(ctx);
    for (const THoleEntry& h : holes) DrawDrillHole(h, canvas, ctx, brush);
    for (const TObjekt* e : marks) DrawNodeMarks(*e, canvas, ctx);
  }
  if (options.DrcMarkers) options.DrcMarkers(canvas);
}

}  // namespace corvane
