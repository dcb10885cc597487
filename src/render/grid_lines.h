#pragma once
// The grid lines and the two origin lines a repaint draws, in world units.

#include <cstdint>
#include <vector>

#include "geom/int_point.h"
#include "render/board_view.h"

namespace corvane {

// A vertical line x = At or a horizontal line y = At, from From to To
// (From <= To), with a pen width in world units (0 = one device pixel).
struct TGridLine {
  bool Vertical = false;
  int32_t At = 0;
  int32_t From = 0;
  int32_t To = 0;
  int32_t Width = 0;
  friend bool operator==(const TGridLine&, const TGridLine&) = default;
};

struct TGridPicture {
  std::vector<TGridLine> Lines;        // grid colour
  std::vector<TGridLine> OriginLines;  // OriginColour, one pixel wide
  uint32_t OriginColour = 0;           // 0x00BBGGRR
};

// The origin lines' colour from the grid colour (both 0x00BBGGRR).
uint32_t OriginLineColour(uint32_t gridColour);

// What PaintGrid draws for a repaint of the world rectangle `clip` (corners
// in any order); nothing
// while the grid is hidden, no grid lines (only the origin lines) while they
// would be closer than about 4 pixels.
TGridPicture GridLines(const TBoardView& view, const TIntRect& clip, uint32_t gridColour);

}  // namespace corvane
