#pragma once
// The elements of one drawing pass sorted in a single walk by the steps that
// draw them, each list keeping list order, so that the steps of a repaint
// need not visit every element again.

#include <array>
#include <cstdint>
#include <vector>

#include "core/layers.h"
#include "core/objekt.h"
#include "render/draw_drill_holes.h"
#include "render/render_context.h"

namespace corvane {

struct TSortedElements {
  struct TPad {
    const TObjekt* e;
    uint8_t layer;
    bool through;
  };
  // Unselected non-pads by layer (index 0 = layer 1), and every pad.
  std::array<std::vector<const TObjekt*>, kLayerCount> byLayer;
  std::vector<TPad> pads;
  // Selected elements of visible layers; the tracks, zones and circles among them.
  std::vector<const TObjekt*> selected, marks;
  // SMD pads of visible layers, drawn again with the solder-mask tool.
  std::vector<const TObjekt*> smdPads;
  std::vector<THoleEntry> holes;
  // Elements lying on the active layer while it is visible (OnVisibleLayer),
  // found only while its ground plane is on: they cut the plane. MarkedOnly
  // does not limit them.
  std::vector<const TObjekt*> activeLayer;

  void Clear();
};

// Sorts the candidates; with MarkedOnly only those with Merker set are drawn.
void SortElements(const std::vector<const TObjekt*>& candidates, const TRenderContext& ctx, TSortedElements& out);

// Lends the lists kept from the last pass (so that large boards do not
// allocate them on every repaint); a pass inside a pass gets lists of its own.
class TSortedScratch {
 public:
  TSortedScratch();
  ~TSortedScratch();
  TSortedScratch(const TSortedScratch&) = delete;
  TSortedScratch& operator=(const TSortedScratch&) = delete;
  TSortedElements& Lists() { return *lists_; }

 private:
  bool borrowed_;
  TSortedElements own_;
  TSortedElements* lists_;
};

}  // namespace corvane
