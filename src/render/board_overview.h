#pragma once
// The board overview ("Platinen-Zoom"): a small panel of the board's shape
// with a frame for the visible part, dragged to pan the view.

#include <cstdint>

#include "render/board_view.h"

namespace corvane {

// The panel's larger side, and the width of the column it is centred in (pixels).
inline constexpr int32_t kOverviewSize = 80;
inline constexpr int32_t kOverviewColumnWidth = 93;

struct TOverviewGeometry {
  double Scale = 1.0;  // world units per overview pixel: max(W, H) / 80
  int32_t PanelWidth = 0;
  int32_t PanelHeight = 0;
  int32_t PanelLeft = 0;  // offset of the panel within the column
  // The visible part, in panel pixels.
  int32_t FrameLeft = 0;
  int32_t FrameTop = 0;
  int32_t FrameWidth = 0;
  int32_t FrameHeight = 0;
};

TOverviewGeometry OverviewGeometry(const TBoardView& view);

// Moves the frame to (left, top), clamped to the panel, and scrolls the view
// to match. Returns the frame position used.
TIntPoint DragOverviewFrame(TBoardView& view, int32_t left, int32_t top);

}  // namespace corvane
