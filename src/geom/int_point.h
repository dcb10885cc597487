#pragma once
// Integer points and rectangles in world units or device pixels.

#include <algorithm>
#include <cstdint>
#include <limits>

namespace corvane {

struct TIntPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TIntPoint&, const TIntPoint&) = default;
};

// left, top, right, bottom. World-frame code may fill top with the larger y;
// every rectangle handed out by the geometry library is normalised
// (left <= right, top <= bottom).
struct TIntRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const TIntRect&, const TIntRect&) = default;
};

// Swaps the values of a pair that are out of order.
inline TIntRect NormaliseRect(TIntRect r) {
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

// Smallest rectangle holding both (normalised inputs).
inline TIntRect UnionRect(const TIntRect& a, const TIntRect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// Closed rectangles that share at least one point (normalised inputs).
inline bool RectsMeet(const TIntRect& a, const TIntRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// Closed containment of a point (normalised rectangle).
inline bool RectContains(const TIntRect& r, TIntPoint p) {
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

// True when inner lies completely inside outer (normalised inputs).
inline bool RectContainsRect(const TIntRect& outer, const TIntRect& inner) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

// The rectangle grown by d on every side (normalised input, d may be
// negative); edges saturate at the int32 range.
inline TIntRect GrowRect(const TIntRect& r, int64_t d) {
  auto edge = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
  };
  return {edge(r.left - d), edge(r.top - d), edge(r.right + d), edge(r.bottom + d)};
}

}  // namespace corvane
