// Building the regions of two 8-vertex tracks and testing whether they meet,
// the inner step of the continuity search and the copper check.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "core/objekt.h"
#include "geom/element_region.h"

namespace {

using corvane::TFloatPoint;
using corvane::TObjekt;

// A zigzag track of 8 vertices starting at (x, y), heading along angle a.
TObjekt Zigzag(double x, double y, double a, int32_t width) {
  TObjekt t;
  t.Typ = corvane::otLeiterbahn;
  t.Layer = 1;
  t.Wert1 = width;
  for (int i = 0; i < 8; ++i) {
    const double along = i * 250.0, across = (i % 2) * 120.0;
    t.Punkte.push_back({static_cast<float>(x + along * std::cos(a) - across * std::sin(a)),
                        static_cast<float>(y + along * std::sin(a) + across * std::cos(a))});
  }
  return t;
}

struct Pair {
  TObjekt a, b;
};

// Pairs whose boxes overlap (the search compares boxes first): crossing,
// parallel with a gap, parallel and touching, and end to end.
std::vector<Pair> MakePairs() {
  std::vector<Pair> pairs;
  for (int i = 0; i < 64; ++i) {
    const double a = i * 0.37;
    const TObjekt first = Zigzag(1000, -1000, a, 40);
    TObjekt second;
    switch (i % 4) {
      case 0: second = Zigzag(1400, -600, a + 1.3, 30); break;   // crossing
      case 1: second = Zigzag(1000 - 200 * std::sin(a), -1000 + 200 * std::cos(a), a, 40); break;  // gap
      case 2: second = Zigzag(1000 - 40 * std::sin(a), -1000 + 40 * std::cos(a), a, 40); break;    // touching
      default: second = Zigzag(first.Punkte.back().x, first.Punkte.back().y, a - 0.8, 40); break;  // chained
    }
    pairs.push_back({first, second});
  }
  return pairs;
}

void BM_RegionIntersection(benchmark::State& state) {
  const std::vector<Pair> pairs = MakePairs();
  std::size_t i = 0, meeting = 0;
  for (auto _ : state) {
    const Pair& p = pairs[i++ % pairs.size()];
    const corvane::Area ra = corvane::ElementRegion(p.a);
    const corvane::Area rb = corvane::ElementRegion(p.b);
    const bool meets = ra.Intersects(rb);
    meeting += meets;
    benchmark::DoNotOptimize(meets);
  }
  state.counters["pairs/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["meeting"] = static_cast<double>(meeting) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RegionIntersection);

}  // namespace
