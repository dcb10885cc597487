#pragma once
// Exact integer predicates behind Area (internal to the geometry library).
// Coordinates are clamped to +-Area::kCoordinateLimit (2^29): differences stay
// below 2^30 and a cross product below 2^61, so int64 never overflows; sums of
// many products (signed areas) use 128 bits.

#include <algorithm>
#include <cstdint>
#include <span>

#include "geom/area.h"
#include "geom/int_point.h"

namespace corvane::area_math {

inline TIntPoint Clamp(TIntPoint p) {
  constexpr int32_t lim = Area::kCoordinateLimit;
  return {std::clamp(p.x, -lim, lim), std::clamp(p.y, -lim, lim)};
}

// (b - a) x (c - a): > 0 when c lies left of a -> b (Y up), 0 when collinear.
inline int64_t Cross(TIntPoint a, TIntPoint b, TIntPoint c) {
  return (static_cast<int64_t>(b.x) - a.x) * (static_cast<int64_t>(c.y) - a.y) -
         (static_cast<int64_t>(b.y) - a.y) * (static_cast<int64_t>(c.x) - a.x);
}

inline int Sign(int64_t v) { return (v > 0) - (v < 0); }

// p lies on the closed segment a-b.
inline bool OnSegment(TIntPoint a, TIntPoint b, TIntPoint p) {
  if (p.x < std::min(a.x, b.x) || p.x > std::max(a.x, b.x) || p.y < std::min(a.y, b.y) ||
      p.y > std::max(a.y, b.y))
    return false;
  return Cross(a, b, p) == 0;
}

// The closed segments a-b and c-d share a point.
inline bool SegmentsMeet(TIntPoint a, TIntPoint b, TIntPoint c, TIntPoint d) {
  if (std::max(a.x, b.x) < std::min(c.x, d.x) || std::max(c.x, d.x) < std::min(a.x, b.x) ||
      std::max(a.y, b.y) < std::min(c.y, d.y) || std::max(c.y, d.y) < std::min(a.y, b.y))
    return false;
  const int o1 = Sign(Cross(a, b, c)), o2 = Sign(Cross(a, b, d));
  const int o3 = Sign(Cross(c, d, a)), o4 = Sign(Cross(c, d, b));
  if (o1 * o2 < 0 && o3 * o4 < 0) return true;
  return (o1 == 0 && OnSegment(a, b, c)) || (o2 == 0 && OnSegment(a, b, d)) || (o3 == 0 && OnSegment(c, d, a)) ||
         (o4 == 0 && OnSegment(c, d, b));
}

// Twice the signed area (shoelace); positive for counter-clockwise in Y-up.
inline __int128 TwiceSignedArea(std::span<const TIntPoint> pts) {
  __int128 sum = 0;
  const std::size_t n = pts.size();
  for (std::size_t i = 0; i < n; ++i) {
    const TIntPoint a = pts[i], b = pts[(i + 1) % n];
    sum += static_cast<__int128>(a.x) * b.y - static_cast<__int128>(b.x) * a.y;
  }
  return sum;
}

// A counter-clockwise path without repeated points is convex when it never
// turns right, never doubles back, and its edge directions change the sign of
// their x and y components at most twice each (which rules out paths that
// wind around more than once).
inline bool IsConvexCCW(std::span<const TIntPoint> pts) {
  const std::size_t n = pts.size();
  if (n < 3) return false;
  int xChanges = 0, yChanges = 0, lastX = 0, lastY = 0, firstX = 0, firstY = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const TIntPoint a = pts[i], b = pts[(i + 1) % n], c = pts[(i + 2) % n];
    const int64_t turn = Cross(a, b, c);
    if (turn < 0) return false;
    if (turn == 0) {
      const int64_t dot = (static_cast<int64_t>(b.x) - a.x) * (static_cast<int64_t>(c.x) - b.x) +
                          (static_cast<int64_t>(b.y) - a.y) * (static_cast<int64_t>(c.y) - b.y);
      if (dot < 0) return false;
    }
    const int sx = Sign(static_cast<int64_t>(b.x) - a.x), sy = Sign(static_cast<int64_t>(b.y) - a.y);
    if (sx != 0) {
      if (lastX != 0 && sx != lastX) ++xChanges;
      if (firstX == 0) firstX = sx;
      lastX = sx;
    }
    if (sy != 0) {
      if (lastY != 0 && sy != lastY) ++yChanges;
      if (firstY == 0) firstY = sy;
      lastY = sy;
    }
  }
  // Close the cycle: the last direction against the first.
  if (lastX != 0 && firstX != lastX) ++xChanges;
  if (lastY != 0 && firstY != lastY) ++yChanges;
  return xChanges <= 2 && yChanges <= 2;
}

}  // namespace corvane::area_math
