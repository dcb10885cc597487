#include "render/sorted_elements.h"

#include "core/element_ops.h"
#include "render/element_prefetch.h"

namespace corvane {

namespace {

thread_local TSortedElements kept;
thread_local bool keptInUse = false;

}  // namespace

void TSortedElements::Clear() {
  for (auto& v : byLayer) v.clear();
  pads.clear();
  selected.clear();
  marks.clear();
  smdPads.clear();
  holes.clear();
  activeLayer.clear();
}

void SortElements(const std::vector<const TObjekt*>& candidates, const TRenderContext& ctx, TSortedElements& out) {
  out.Clear();
  const TLayerState state = ctx.LayerState();
  const bool plane = ctx.ActiveGroundPlaneOn();
  ForEachPrefetched<kScanAhead>(candidates, [&](const TObjekt& element) {
    const TObjekt* e = &element;
    if (plane && OnVisibleLayer(*e, ctx.ActiveLayer, state)) out.activeLayer.push_back(e);
    if (ctx.MarkedOnly && !e->Merker) return;
    const bool pad = IsPad(*e);
    if (pad)
      out.pads.push_back({e, e->Layer, IsThroughPad(*e)});
    else if (!e->Markiert && IsValidLayer(e->Layer))
      out.byLayer[static_cast<std::size_t>(e->Layer - 1)].push_back(e);
    if (e->Markiert && state.Visible(e->Layer)) {
      out.selected.push_back(e);
      if (e->Typ == otLeiterbahn || e->Typ == otFlaeche || e->Typ == otKreis) out.marks.push_back(e);
    }
    if (IsSmdPad(*e) && state.Visible(e->Layer)) out.smdPads.push_back(e);
    if (pad && e->Mass2 > 0 && ElementVisible(*e, state)) out.holes.push_back(HoleEntry(*e));
  });
}

TSortedScratch::TSortedScratch() : borrowed_(!keptInUse), lists_(borrowed_ ? &kept : &own_) {
  if (borrowed_) keptInUse = true;
}

TSortedScratch::~TSortedScratch() {
  if (borrowed_) keptInUse = false;
}

}  // namespace corvane
