#pragma once
// Exact integer predicates behind Area (internal to the geometry library).
// Coordinates are clamped to +-Area::kCoordinateLimit (2^29): differences stay
// below 2^30 and a cross product below 2^61, so int64 never overflows; sums of
// many products would need more and are avoided.

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

// What one pass over a path (without repeated points) finds out.
struct PathFacts {
  bool collinear = true;   // no turn at all: the path encloses nothing
  bool clockwise = false;  // every turn goes right (reverse it to get IsConvexCCW)
  bool convex = false;     // turns one way only, never doubles back, winds once
};

// 0 for directions in [0, pi) (pointing up, or straight right), 1 otherwise.
inline int HalfPlane(int64_t dx, int64_t dy) { return (dy > 0 || (dy == 0 && dx > 0)) ? 0 : 1; }

// The coordinates must lie within +-Area::kCoordinateLimit.
inline PathFacts AnalysePath(std::span<const TIntPoint> pts) {
  PathFacts f;
  const std::size_t n = pts.size();
  if (n < 3) return f;
  bool left = false, right = false, reversal = false;
  // Each turn of a one-way path is below pi, so its edge direction wraps once
  // per revolution: the half plane of the direction changes twice per turn
  // around. A convex path changes it exactly twice.
  int halfPlaneChanges = 0;
  // u: the edge into the current vertex b, v: the edge out of it.
  TIntPoint b = pts[n - 1];
  int64_t ux = static_cast<int64_t>(b.x) - pts[n - 2].x, uy = static_cast<int64_t>(b.y) - pts[n - 2].y;
  int uHalf = HalfPlane(ux, uy);
  for (std::size_t i = 0; i < n; ++i) {
    const TIntPoint c = pts[i];
    const int64_t vx = static_cast<int64_t>(c.x) - b.x, vy = static_cast<int64_t>(c.y) - b.y;
    const int64_t turn = ux * vy - uy * vx;
    if (turn > 0) left = true;
    else if (turn < 0) right = true;
    else if (ux * vx + uy * vy < 0) reversal = true;
    const int vHalf = HalfPlane(vx, vy);
    halfPlaneChanges += uHalf != vHalf;
    b = c;
    ux = vx;
    uy = vy;
    uHalf = vHalf;
  }
  // Without repeated points, a path with no turn lies on one line.
  f.collinear = !left && !right;
  f.clockwise = right && !left;
  f.convex = (left != right) && !reversal && halfPlaneChanges == 2;
  return f;
}

}  // namespace corvane::area_math
