#include "render/board_overview.h"

#include <algorithm>

#include "core/units.h"

namespace corvane {

TOverviewGeometry OverviewGeometry(const TBoardView& view) {
  TOverviewGeometry g;
  const double w = view.BoardWidth();
  const double h = view.BoardHeight();
  const double zoom = view.Zoom();
  g.Scale = std::max(w, h) / kOverviewSize;
  g.PanelWidth = Rnd(w / g.Scale);
  g.PanelHeight = Rnd(h / g.Scale);
  g.PanelLeft = (kOverviewColumnWidth - g.PanelWidth) / 2;
  g.FrameWidth = Rnd(view.VisibleWidth() / zoom / g.Scale);
  g.FrameHeight = Rnd(view.VisibleHeight() / zoom / g.Scale);
  g.FrameLeft = Rnd(view.HPos() / zoom / g.Scale);
  g.FrameTop = Rnd(view.VPos() / zoom / g.Scale);
  return g;
}

TIntPoint DragOverviewFrame(TBoardView& view, int32_t left, int32_t top) {
  const TOverviewGeometry g = OverviewGeometry(view);
  // A frame larger than the panel stays at the panel's corner.
  left = std::clamp(left, 0, std::max(g.PanelWidth - g.FrameWidth, 0));
  top = std::clamp(top, 0, std::max(g.PanelHeight - g.FrameHeight, 0));
  view.ScrollTo(Rnd(view.Zoom() * left * g.Scale), Rnd(view.Zoom() * top * g.Scale));
  return {left, top};
}

}  // namespace corvane
