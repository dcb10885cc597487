#pragma once
// Tick marks and labels of the horizontal and vertical rulers, in mm or mil.
//
// The tick counter g counts 0.1 mm (mm) or 10 mil (mil) from the origin; every
// label-period-th tick is long and labelled with g/10 mm or 10*g mil.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/unit_mode.h"
#include "render/board_view.h"

namespace corvane {

enum TRulerKind : uint8_t {
  rkHorizontal = 0,
  rkVertical = 1,
};

inline constexpr int32_t kHorizontalLongTick = 14;
inline constexpr int32_t kVerticalLongTick = 16;
inline constexpr int32_t kMediumTick = 8;
inline constexpr int32_t kShortTick = 4;
// The horizontal ruler is clipped to start at this x; its labels start at kHorizontalLabelStart.
inline constexpr int32_t kHorizontalRulerClipStart = 25;
inline constexpr int32_t kHorizontalLabelStart = 23;

struct TRulerParams {
  TRulerKind Kind = rkHorizontal;
  int32_t Length = 0;    // ruler length in pixels
  double Zoom = 0.1;
  int32_t Scroll = 0;    // hpos (horizontal) or vpos (vertical)
  double Origin = 0.0;   // origin x (horizontal) or y (vertical), world units
  TUnitMode Unit = umMm;
  int32_t AreaLeft = 0;  // horizontal: left edge of the scrollable area within the ruler
};

struct TRulerTick {
  int32_t Position = 0;  // pixels along the ruler
  int32_t Length = 0;    // pixels from the ruler's inner edge outwards
  std::optional<std::string> Label;
  friend bool operator==(const TRulerTick&, const TRulerTick&) = default;
};

// Label period t (in ticks) for a zoom: 10, 50, 100 or 500.
int RulerLabelPeriod(double zoom, TUnitMode unit);

// Label text of tick g: g/10 mm (3 significant digits) or 10*g mil (5).
std::string RulerLabel(int64_t g, TUnitMode unit);

// Every tick over the ruler's length and one step beyond each end,
// in increasing position. Horizontal labels left of x = 23 and vertical labels
// above y = 0 are left out; the horizontal painter clips lines at x = 25.
std::vector<TRulerTick> RulerTicks(const TRulerParams& params);

// The rulers of a view: the horizontal one with the scrollable area's left edge.
std::vector<TRulerTick> HorizontalRulerTicks(const TBoardView& view, int32_t length, int32_t areaLeft);
std::vector<TRulerTick> VerticalRulerTicks(const TBoardView& view, int32_t length);

}  // namespace corvane
