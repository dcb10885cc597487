#include "geom/hatch_segments.h"

#include <algorithm>
#include <cmath>

#include "core/layers.h"
#include "core/units.h"
#include "geom/element_bounds.h"

namespace corvane {

namespace {

struct TVertex {
  int64_t along;   // the coordinate the lines are placed on (x for vertical lines)
  int64_t across;  // the other one
};

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }

// Lines at along = k*s for k from first while k*s < end, cut by the polygon.
// `vertical` tells how to turn (along, across) back into points.
void CutLines(std::vector<TVertex> v, int64_t s, int64_t first, int64_t end, bool vertical,
              std::vector<THatchSegment>& out) {
  for (TVertex& p : v)
    if (p.along % s == 0) p.along += 2;
  const std::size_t n = v.size();
  std::vector<int64_t> cuts;
  for (int64_t k = first; k * s < end; ++k) {
    const int64_t at = k * s;
    cuts.clear();
    for (std::size_t i = 0; i < n; ++i) {
      const TVertex& p = v[i];
      const TVertex& q = v[(i + 1) % n];
      if (!((p.along < at && at < q.along) || (q.along < at && at < p.along))) continue;
      const double t = static_cast<double>(at - p.along) / static_cast<double>(q.along - p.along);
      cuts.push_back(Rnd(static_cast<double>(p.across) + t * static_cast<double>(q.across - p.across)));
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (std::size_t i = 0; i + 1 < cuts.size(); i += 2) {
      const auto a = static_cast<int32_t>(at);
      const auto c0 = static_cast<int32_t>(cuts[i]), c1 = static_cast<int32_t>(cuts[i + 1]);
      if (vertical)
        out.push_back({{a, c0}, {a, c1}});
      else
        out.push_back({{c0, a}, {c1, a}});
    }
  }
}

}  // namespace

int32_t HatchSpacing(const TObjekt& zone) {
  const int64_t s = zone.Schalter2 ? 2 * static_cast<int64_t>(zone.Wert1) : zone.Wert3;
  return static_cast<int32_t>(std::clamp<int64_t>(s, kMinHatchSpacing, 1'000'000'000));
}

std::vector<THatchSegment> HatchSegments(const TObjekt& zone, int32_t spacing, const std::optional<TIntRect>& limit) {
  std::vector<THatchSegment> out;
  if (zone.Punkte.size() < 2) return out;
  const int64_t s = std::max(spacing, kMinHatchSpacing);
  const TIntRect bounds = ElementBounds(zone, TLayerState{});

  std::vector<TVertex> byX, byY;
  byX.reserve(zone.Punkte.size());
  byY.reserve(zone.Punkte.size());
  for (const TFloatPoint& p : zone.Punkte) {
    const int64_t x = Rnd(p.x), y = Rnd(p.y);
    byX.push_back({x, y});
    byY.push_back({y, x});
  }

  // Vertical lines from k = rnd(left / s) while k*s < right; a limit narrows the range.
  int64_t firstX = Rnd(static_cast<double>(bounds.left) / static_cast<double>(s));
  int64_t endX = bounds.right;
  int64_t firstY = Rnd(static_cast<double>(bounds.top) / static_cast<double>(s));
  int64_t endY = bounds.bottom;
  if (limit) {
    const TIntRect l = NormaliseRect(*limit);
    firstX = std::max(firstX, CeilDiv(l.left, s));
    endX = std::min<int64_t>(endX, static_cast<int64_t>(l.right) + 1);
    firstY = std::max(firstY, CeilDiv(l.top, s));
    endY = std::min<int64_t>(endY, static_cast<int64_t>(l.bottom) + 1);
  }
  CutLines(std::move(byX), s, firstX, endX, true, out);
  CutLines(std::move(byY), s, firstY, endY, false, out);
  return out;
}

}  // namespace corvane
