#pragma once
// The hatch lines of a hatched zone: a square grid of vertical and horizontal
// lines at the multiples of the spacing, cut to the zone's polygon. Shared by
// the screen and the manufacturing output; plain C++.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/objekt.h"
#include "geom/int_point.h"

namespace corvane {

// Hatch spacings below this are raised to it.
inline constexpr int32_t kMinHatchSpacing = 10;

struct THatchSegment {
  TIntPoint a;
  TIntPoint b;
  friend bool operator==(const THatchSegment&, const THatchSegment&) = default;
};

// The spacing of a zone's hatch: 2 x line width with automatic spacing
// (Schalter2), else the zone's pitch Wert3; at least kMinHatchSpacing.
int32_t HatchSpacing(const TObjekt& zone);

// The segments inside the zone's polygon (closing edge included) on the lines
// x = k*s, then y = k*s, each set ordered by line and along it. Vertices are
// rounded, and a vertex lying on a line is moved 2 units right (vertical
// lines) or up (horizontal lines), so no line passes through a vertex. The
// lines run over the zone's ElementBounds; with `limit` only the lines inside
// it are made (the segments themselves are not cut).
std::vector<THatchSegment> HatchSegments(const TObjekt& zone, int32_t s,
                                         const std::optional<TIntRect>& limit = std::nullopt);

}  // namespace corvane
