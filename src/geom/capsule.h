#pragma once
// The outline of a thick segment with round ends, as 18 integer points: a
// half circle of 9 points at 22.5 degree steps around each end, joined by the
// two long sides. Used for the areas of tracks, zone edges, oval pads and
// thermal spokes.

#include <array>
#include <cstdint>

#include "core/float_point.h"
#include "geom/int_point.h"

namespace corvane {

using TCapsule = std::array<TIntPoint, 18>;

// Outline of the segment a -> b of the given width. The half-width is
// width div 2, at least 1, and at least 1/scale so that the outline keeps one
// device pixel when it goes to device pixels (scale is the zoom then, 1
// otherwise). A zero-length segment gives a small round outline.
TCapsule CapsuleOutline(TFloatPoint a, TFloatPoint b, int32_t width, double scale);

}  // namespace corvane
