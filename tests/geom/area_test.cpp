#include "geom/area.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "geom_test_util.h"

namespace corvane {
namespace {

Area Square(int32_t l, int32_t t, int32_t r, int32_t b) { return Area::FromRect({l, t, r, b}); }

// Twice the signed area of a contour.
int64_t TwiceArea(const std::vector<TIntPoint>& c) {
  int64_t s = 0;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const TIntPoint a = c[i], b = c[(i + 1) % c.size()];
    s += static_cast<int64_t>(a.x) * b.y - static_cast<int64_t>(b.x) * a.y;
  }
  return s;
}

// A five-pointed star drawn in one stroke: its centre pentagon is outside
// under the alternate rule, although every turn goes the same way.
std::vector<TIntPoint> Pentagram(double r) {
  std::vector<TIntPoint> pts;
  for (int i = 0; i < 5; ++i) {
    const double a = std::numbers::pi / 2 + i * 4 * std::numbers::pi / 5;
    pts.push_back({static_cast<int32_t>(std::lround(r * std::cos(a))), static_cast<int32_t>(std::lround(r * std::sin(a)))});
  }
  return pts;
}

TEST(Area, EmptyAreaAnswersNothing) {
  const Area empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(empty.Bounds(), TIntRect{});
  EXPECT_FALSE(empty.Contains({0, 0}));
  EXPECT_FALSE(empty.TouchesRect({-5, -5, 5, 5}));
  EXPECT_FALSE(empty.Intersects(Square(-5, -5, 5, 5)));
  EXPECT_EQ(empty.Size(), 0.0);
  // Paths without area add nothing.
  Area a;
  const TIntPoint line[] = {{0, 0}, {10, 10}, {20, 20}};
  a.AddPolygon(line);
  const TIntPoint twoPoints[] = {{0, 0}, {10, 0}, {0, 0}};
  a.AddPolygon(twoPoints);
  EXPECT_TRUE(a.IsEmpty());
}

TEST(Area, PointContainmentIsClosed) {
  const Area sq = Square(0, 0, 10, 10);
  struct Case {
    TIntPoint p;
    bool inside;
  };
  const Case cases[] = {{{5, 5}, true},  {{0, 0}, true},   {{10, 10}, true}, {{0, 5}, true},
                        {{10, 3}, true}, {{11, 5}, false}, {{5, -1}, false}, {{-1, -1}, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
    EXPECT_EQ(sq.Contains(c.p), c.inside);
  }
  EXPECT_EQ(sq.Bounds(), (TIntRect{0, 0, 10, 10}));
}

TEST(Area, ShapesThatOnlyTouchIntersect) {
  const Area a = Square(0, 0, 10, 10);
  struct Case {
    const char* what;
    Area other;
    bool meets;
  };
  const Case cases[] = {
      {"shared edge", Square(10, 0, 20, 10), true},
      {"shared corner", Square(10, 10, 20, 20), true},
      {"edge on a vertex", Area::FromPolygon(std::vector<TIntPoint>{{10, 5}, {20, 0}, {20, 10}}), true},
      {"one unit apart", Square(11, 0, 20, 10), false},
      {"diagonal gap", Square(11, 11, 20, 20), false},
      {"inside", Square(2, 2, 3, 3), true},
      {"around", Square(-5, -5, 15, 15), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(a.Intersects(c.other), c.meets);
    EXPECT_EQ(c.other.Intersects(a), c.meets);
  }
  // Clipper's intersection drops the zero-width contact.
  EXPECT_TRUE(Intersection(a, Square(10, 0, 20, 10)).IsEmpty());
  EXPECT_DOUBLE_EQ(Intersection(a, Square(5, 5, 20, 20)).Size(), 25.0);
}

TEST(Area, RectangleQueries) {
  const Area a = Square(0, 0, 10, 10);
  EXPECT_TRUE(a.TouchesRect({10, 10, 12, 12}));
  EXPECT_TRUE(a.TouchesRect({12, 12, 10, 10}));  // given the wrong way round
  EXPECT_FALSE(a.TouchesRect({11, 0, 12, 12}));
  EXPECT_TRUE(a.TouchesRect({10, 5, 10, 5}));    // a point on the edge
  EXPECT_TRUE(a.TouchesRect({-5, 5, 15, 5}));    // a segment across
  EXPECT_FALSE(a.TouchesRect({-5, 11, 15, 11}));
  EXPECT_TRUE(a.ContainsRect({0, 0, 10, 10}));
  EXPECT_TRUE(a.ContainsRect({2, 2, 8, 8}));
  EXPECT_FALSE(a.ContainsRect({2, 2, 11, 8}));
  // Covered only by two pieces together.
  Area two = Square(0, 0, 10, 10);
  two.Unite(Square(10, 0, 20, 10));
  EXPECT_TRUE(two.ContainsRect({5, 2, 15, 8}));
}

TEST(Area, NonConvexAndSelfCrossingPolygonsUseTheAlternateRule) {
  // An L shape; the notch is outside.
  const Area l = Area::FromPolygon(std::vector<TIntPoint>{{0, 0}, {20, 0}, {20, 10}, {10, 10}, {10, 20}, {0, 20}});
  EXPECT_TRUE(l.Contains({5, 15}));
  EXPECT_FALSE(l.Contains({15, 15}));
  EXPECT_FALSE(l.Intersects(Square(12, 12, 18, 18)));
  EXPECT_TRUE(l.Intersects(Square(10, 10, 18, 18)));  // touches the inner corner

  const Area star = Area::FromPolygon(Pentagram(1000));
  EXPECT_FALSE(star.Contains({0, 0}));
  EXPECT_FALSE(star.Intersects(Square(-50, -50, 50, 50)));
  EXPECT_TRUE(star.Contains({0, 900}));  // in a tip
  EXPECT_TRUE(star.Intersects(Square(-10, 880, 10, 900)));

  // The crossing does not double the size.
  const Area bowTie = Area::FromPolygon(std::vector<TIntPoint>{{0, 0}, {10, 10}, {10, 0}, {0, 10}});
  EXPECT_DOUBLE_EQ(bowTie.Size(), 50.0);
  EXPECT_TRUE(bowTie.Contains({2, 5}));
  EXPECT_FALSE(bowTie.Contains({5, 8}));
}

TEST(Area, RingsAndIslands) {
  Area ring;
  const std::vector<std::vector<TIntPoint>> paths = {{{0, 0}, {100, 0}, {100, 100}, {0, 100}},
                                                     {{20, 20}, {80, 20}, {80, 80}, {20, 80}}};
  ring.AddPolygonSet(paths);
  EXPECT_FALSE(ring.Contains({50, 50}));
  EXPECT_TRUE(ring.Contains({10, 50}));
  EXPECT_TRUE(ring.Contains({20, 50}));  // the hole's edge belongs to the ring
  EXPECT_FALSE(ring.Intersects(Square(30, 30, 70, 70)));
  EXPECT_TRUE(ring.Intersects(Square(30, 30, 80, 70)));
  // Wholly inside the ring's body, no edges meeting: found from either side.
  EXPECT_TRUE(ring.Intersects(Square(5, 5, 10, 10)));
  EXPECT_TRUE(Square(5, 5, 10, 10).Intersects(ring));
  EXPECT_FALSE(Square(40, 40, 60, 60).Intersects(ring));
  EXPECT_DOUBLE_EQ(ring.Size(), 10000.0 - 3600.0);

  // The same by difference, then an island in the hole.
  Area cut = Difference(Square(0, 0, 100, 100), Square(20, 20, 80, 80));
  EXPECT_DOUBLE_EQ(cut.Size(), 6400.0);
  EXPECT_FALSE(cut.Contains({50, 50}));
  cut.Unite(Square(40, 40, 60, 60));
  EXPECT_TRUE(cut.Contains({50, 50}));
  EXPECT_FALSE(cut.Contains({30, 30}));
  const Area island = Intersection(cut, Square(30, 30, 70, 70));
  EXPECT_DOUBLE_EQ(island.Size(), 400.0);

  const auto outlines = Difference(Square(0, 0, 100, 100), Square(20, 20, 80, 80)).Outlines();
  ASSERT_EQ(outlines.size(), 2u);
  EXPECT_EQ(TwiceArea(outlines[0]) > 0, TwiceArea(outlines[1]) < 0);  // one outer, one hole
}

TEST(Area, UnionCountsOverlapOnce) {
  const Area u = Union(Square(0, 0, 10, 10), Square(5, 0, 15, 10));
  EXPECT_DOUBLE_EQ(u.Size(), 150.0);
  EXPECT_EQ(u.Bounds(), (TIntRect{0, 0, 15, 10}));
  ASSERT_EQ(u.Outlines().size(), 1u);
  EXPECT_EQ(TwiceArea(u.Outlines()[0]), 300);
  // Difference with overlapping pieces on both sides.
  EXPECT_DOUBLE_EQ(Difference(u, Union(Square(0, 0, 3, 10), Square(2, 0, 4, 10))).Size(), 110.0);
}

TEST(Area, MappingKeepsOutlinesCounterClockwise) {
  const Area a = Square(0, -100, 200, 0);
  TDeviceMapping normal;
  normal.zoom = 0.5;
  normal.left = 10;
  normal.top = 20;
  const Area dn = a.Mapped(normal);
  EXPECT_EQ(dn.Bounds(), (TIntRect{10, 20, 110, 70}));
  EXPECT_GT(TwiceArea(dn.Outlines()[0]), 0);
  EXPECT_DOUBLE_EQ(dn.Size(), 5000.0);

  TDeviceMapping mirrored = normal;
  mirrored.mirrored = true;
  mirrored.boardWidth = 1000;
  const Area dm = a.Mapped(mirrored);
  EXPECT_EQ(dm.Bounds(), (TIntRect{410, 20, 510, 70}));
  EXPECT_GT(TwiceArea(dm.Outlines()[0]), 0);
  EXPECT_TRUE(dm.Intersects(Square(505, 60, 600, 100)));
}

TEST(Area, HostileCoordinatesAreClampedNotOverflowed) {
  constexpr int32_t big = std::numeric_limits<int32_t>::max();
  const Area huge = Area::FromPolygon(std::vector<TIntPoint>{{-big, -big}, {big, -big}, {big, big}, {-big, big}});
  EXPECT_EQ(huge.Bounds().right, Area::kCoordinateLimit);
  EXPECT_TRUE(huge.Contains({0, 0}));
  EXPECT_TRUE(huge.Intersects(Square(Area::kCoordinateLimit - 10, 0, Area::kCoordinateLimit + 10, 10)));
  EXPECT_DOUBLE_EQ(Intersection(huge, Square(0, 0, 10, 10)).Size(), 100.0);
}

}  // namespace
}  // namespace corvane
