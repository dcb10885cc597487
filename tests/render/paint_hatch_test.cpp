#include <gtest/gtest.h>

#include <vector>

#include "paint_fixtures.h"
#include "render/hatch_segments.h"

namespace corvane {

inline void PrintTo(const THatchSegment& s, std::ostream* os) {
  *os << "(" << s.a.x << ", " << s.a.y << ")-(" << s.b.x << ", " << s.b.y << ")";
}

namespace {

using namespace test;

TEST(HatchSpacing, FromTheWidthOrThePitchAndNeverBelowTen) {
  struct Case {
    int32_t width, pitch;
    uint8_t automatic;
    int32_t spacing;
  } cases[] = {{20, 77, 1, 40}, {20, 77, 0, 77}, {3, 77, 1, 10}, {20, 0, 0, 10}, {20, -5, 0, 10}};
  for (const Case& c : cases) {
    TObjekt zone = Zone({}, c.width, lyC1);
    zone.Wert3 = c.pitch;
    zone.Schalter2 = c.automatic;
    EXPECT_EQ(HatchSpacing(zone), c.spacing) << c.width << " " << c.pitch << " " << int{c.automatic};
  }
}

TEST(HatchSegments, SquareGridAlignedToMultiplesOfTheSpacing) {
  const TObjekt zone = Zone({{15, -15}, {385, -15}, {385, -385}, {15, -385}}, 20, lyC1);
  const std::vector<THatchSegment> segments = HatchSegments(zone, 40);
  ASSERT_EQ(segments.size(), 18u);
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(segments[static_cast<std::size_t>(k - 1)], (THatchSegment{{40 * k, -385}, {40 * k, -15}}));
    EXPECT_EQ(segments[static_cast<std::size_t>(k + 8)], (THatchSegment{{15, -400 + 40 * k}, {385, -400 + 40 * k}}));
  }
}

TEST(HatchSegments, VerticesOnALineAreMovedAside) {
  // The apex lies on x = 80 and is moved to x = 82, so the line there cuts
  // the left edge and the base instead of touching a corner.
  const TObjekt zone = Zone({{10, -40}, {80, -130}, {150, -40}}, 10, lyC1);
  const std::vector<THatchSegment> segments = HatchSegments(zone, 40);
  const THatchSegment atApex{{80, -128}, {80, -40}};  // -40 - 70/72 * 90 = -127.5 rounds to even
  bool found = false;
  for (const THatchSegment& s : segments) found |= s == atApex;
  EXPECT_TRUE(found);
  for (const THatchSegment& s : segments) EXPECT_NE(s.a, s.b) << "no degenerate segments";
}

TEST(HatchSegments, PairsIntersectionsOfConcaveOutlines) {
  // A U shape: the line x = 40 crosses the left arm, x = 120 the bottom and
  // both arms' inner edges give two segments on the horizontal y = -40.
  const TObjekt zone = Zone({{10, -10}, {70, -10}, {70, -70}, {130, -70}, {130, -10}, {190, -10},
                              {190, -110}, {10, -110}}, 10, lyC1);
  int onLine = 0;
  for (const THatchSegment& s : HatchSegments(zone, 40))
    if (s.a.y == -40 && s.b.y == -40) {
      ++onLine;
      EXPECT_TRUE((s.a.x == 10 && s.b.x == 70) || (s.a.x == 130 && s.b.x == 190)) << s.a.x << ".." << s.b.x;
    }
  EXPECT_EQ(onLine, 2);
}

TEST(HatchSegments, LimitKeepsOnlyTheLinesInside) {
  const TObjekt zone = Zone({{15, -15}, {385, -15}, {385, -385}, {15, -385}}, 20, lyC1);
  const std::vector<THatchSegment> segments = HatchSegments(zone, 40, TIntRect{100, -300, 180, -10});
  std::vector<int32_t> columns, rows;
  for (const THatchSegment& s : segments) (s.a.x == s.b.x ? columns : rows).push_back(s.a.x == s.b.x ? s.a.x : s.a.y);
  EXPECT_EQ(columns, (std::vector<int32_t>{120, 160}));
  EXPECT_EQ(rows, (std::vector<int32_t>{-280, -240, -200, -160, -120, -80, -40}));
}

TEST(HatchSegments, TooFewPointsOrTinySpacing) {
  EXPECT_TRUE(HatchSegments(Zone({{0, 0}}, 20, lyC1), 40).empty());
  const TObjekt zone = Zone({{0, 0}, {100, 0}, {100, -100}}, 0, lyC1);
  // A spacing of 1 is taken as 10.
  EXPECT_EQ(HatchSegments(zone, 1), HatchSegments(zone, 10));
}

}  // namespace
}  // namespace corvane
