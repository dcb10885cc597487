#include "geom/hit_test.h"

#include <gtest/gtest.h>

#include "geom/element_create.h"
#include "geom_test_util.h"

namespace corvane {
namespace {

TEST(HitTest, SquareOfTwoPixelsButAtLeastOneUnit) {
  // Half-width 10: the track's edge lies at y = 10.
  const TObjekt track = test::Track({{0, 0}, {100, 0}}, 20);
  struct Case {
    double zoom;
    TFloatPoint p;
    bool hit;
  };
  const Case cases[] = {
      {10, {50, 11}, true},     // 2 px = 0.2 units: the square is still +-1
      {10, {50, 12}, false},
      {1000, {50, 11}, true},
      {1, {50, 12}, true},      // +-2
      {1, {50, 13}, false},
      {0.1, {50, 30}, true},    // +-20
      {0.1, {50, 31}, false},
      {1, {50, 11.6f}, true},   // the point is rounded first (12)
      {1, {50, 12.6f}, false},
      {1, {-12, 0}, true},      // the round end cap
      {1, {-13, 0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << " p " << c.p.x << "," << c.p.y);
    EXPECT_EQ(HitTest(track, c.p, c.zoom), c.hit);
  }
}

TEST(HitTest, IgnoresSpokesAndDegenerateElements) {
  TObjekt pad = CreatePad({0, 0}, 1, psCircular, 20, 50);
  pad.Schalter1 = 1;
  pad.Freistanz = 40;
  EXPECT_TRUE(HitTest(pad, {0, 51}, 1));
  EXPECT_FALSE(HitTest(pad, {0, 80}, 1));  // on a spoke, which does not count
  EXPECT_FALSE(HitTest(test::Track({{0, 0}}, 20), {0, 0}, 1));
  // A broken zoom falls back to the one-unit square.
  EXPECT_TRUE(HitTest(pad, {0, 51}, 0));
  EXPECT_FALSE(HitTest(pad, {0, 52}, -1));
}

TEST(NodeAt, TrackVerticesAndVirtualNodes) {
  // Width 24: tolerance 10 at zoom 1.
  const TObjekt track = test::Track({{0, 0}, {100, 0}, {100, 100}}, 24);
  TObjekt zone = track;
  zone.Typ = otFlaeche;
  struct Case {
    TFloatPoint p;
    int plain, withVirtual, zoneWithVirtual;
  };
  const Case cases[] = {
      {{0, 0}, 0, 0, 0},
      {{-10, -10}, 0, 0, 0},       // lower bounds inclusive
      {{10, 0}, -1, -1, -1},       // upper bounds exclusive
      {{100, 100}, 2, 2, 2},
      {{50, 0}, -1, 10000, 10000},
      {{100, 55}, -1, 10001, 10001},
      {{50, 50}, -1, -1, 10002},   // the closing segment belongs to zones only
      {{300, 300}, -1, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
    EXPECT_EQ(NodeAt(track, c.p, 1, false), c.plain);
    EXPECT_EQ(NodeAt(track, c.p, 1, true), c.withVirtual);
    EXPECT_EQ(NodeAt(zone, c.p, 1, true), c.zoneWithVirtual);
  }
  // The last vertex hit wins; at a small zoom the tolerance is 3 pixels.
  EXPECT_EQ(NodeAt(test::Track({{0, 0}, {5, 0}}, 24), {3, 0}, 1, false), 1);
  EXPECT_EQ(NodeAt(track, {25, 0}, 0.1, false), 0);   // t = rnd(3 / 0.1) = 30
  EXPECT_EQ(NodeAt(track, {31, 0}, 0.1, false), -1);
}

TEST(NodeAt, CircleEndsOnTheMidRadius) {
  const TObjekt arc = test::Circle({0, 0}, 60, 40, 0, 90);  // mid radius 50, t = 10
  EXPECT_EQ(NodeAt(arc, {50, 0}, 1, false), 0);
  EXPECT_EQ(NodeAt(arc, {0, 50}, 1, false), 1);
  EXPECT_EQ(NodeAt(arc, {0, 61}, 1, false), -1);
  EXPECT_EQ(NodeAt(arc, {0, 0}, 1, false), -1);
  // A full circle has both nodes at the same place: the later one wins.
  EXPECT_EQ(NodeAt(test::Circle({0, 0}, 60, 40, 0, 0), {50, 0}, 1, false), 1);
  // Pads have no nodes.
  EXPECT_EQ(NodeAt(CreatePad({0, 0}, 1, psSquare, 10, 50), {0, 0}, 1, true), -1);
}

TEST(SegmentMidpoint, SegmentsAndTheClosingEdge) {
  const TObjekt track = test::Track({{0, 0}, {100, 0}, {100, 100}}, 24);
  TObjekt zone = track;
  zone.Typ = otFlaeche;
  test::ExpectPointNear(SegmentMidpoint(track, 0), {50, 0}, 0);
  test::ExpectPointNear(SegmentMidpoint(track, 1), {100, 50}, 0);
  test::ExpectPointNear(SegmentMidpoint(zone, 2), {50, 50}, 0);
  test::ExpectPointNear(SegmentMidpoint(track, 2), {100, 100}, 0);
  test::ExpectPointNear(SegmentMidpoint(track, 7), {0, 0}, 0);
}

}  // namespace
}  // namespace corvane
