#include <gtest/gtest.h>

#include <algorithm>

#include "render/ruler_ticks.h"

namespace corvane {
namespace {

TRulerParams Params(TRulerKind kind, double zoom, int32_t length, TUnitMode unit = umMm) {
  TRulerParams p;
  p.Kind = kind;
  p.Zoom = zoom;
  p.Length = length;
  p.Unit = unit;
  return p;
}

// The tick at a position, or a tick of length -1 labelled "none" when there is none.
TRulerTick TickAt(const std::vector<TRulerTick>& ticks, int32_t pos) {
  const auto it = std::find_if(ticks.begin(), ticks.end(), [&](const TRulerTick& t) { return t.Position == pos; });
  return it == ticks.end() ? TRulerTick{pos, -1, "none"} : *it;
}

TEST(RulerLabelPeriod, FollowsThePixelsPerUnit) {
  struct Case {
    double zoom;
    TUnitMode unit;
    int period;
  } cases[] = {
      {0.5, umMm, 10},   {0.49, umMm, 50},  {0.2, umMm, 50},   {0.19, umMm, 100},
      {0.05, umMm, 100}, {0.04, umMm, 500}, {0.2, umMil, 10},  {0.19, umMil, 50},
      {0.07, umMil, 100}, {0.019, umMil, 100}, {0.015, umMil, 500},
  };
  for (const Case& c : cases) EXPECT_EQ(RulerLabelPeriod(c.zoom, c.unit), c.period) << c.zoom << " " << c.unit;
}

TEST(RulerLabel, MillimetresAndMil) {
  struct Case {
    int64_t g;
    TUnitMode unit;
    const char* text;
  } cases[] = {
      {0, umMm, "0"},        {10, umMm, "1"},       {-30, umMm, "-3"},
      {15, umMm, "1.5"},     {5000, umMm, "500"},   {1234, umMm, "123"},
      {10, umMil, "100"},    {1969, umMil, "19690"}, {12345, umMil, "1.2345E5"},
  };
  for (const Case& c : cases) EXPECT_EQ(RulerLabel(c.g, c.unit), c.text) << c.g;
}

TEST(RulerTicks, LongMediumAndShortTicksAtPeriod10) {
  // Zoom 0.5 in mm: 5 pixels per 0.1 mm.
  const std::vector<TRulerTick> ticks = RulerTicks(Params(rkHorizontal, 0.5, 50));
  const std::vector<TRulerTick> expected = {
      {-5, 4, {}}, {0, 14, {}},  // long, but left of the label start
      {5, 4, {}},  {10, 4, {}}, {15, 4, {}}, {20, 4, {}}, {25, 8, {}},
      {30, 4, {}}, {35, 4, {}}, {40, 4, {}}, {45, 4, {}}, {50, 14, "1"},
      {55, 4, {}},  // one step beyond the end
  };
  EXPECT_EQ(ticks, expected);
}

TEST(RulerTicks, TickPatternsOfTheCoarserPeriods) {
  struct Case {
    double zoom;
    int32_t length;
    // expected (position, length, label) of some ticks, and the number of ticks
    std::vector<TRulerTick> some;
    std::size_t count;
  } cases[] = {
      // t = 50, 3 px per tick: 4 px every 1 mm, long every 5 mm
      {0.3, 302, {{0, 16, "0"}, {30, 4, {}}, {150, 16, "5"}, {270, 4, {}}, {300, 16, "10"}}, 11},
      // t = 100, 1 px per tick: 4 px every 1 mm, 8 px every 5 mm, long every 10 mm
      {0.1, 202, {{0, 16, "0"}, {10, 4, {}}, {50, 8, {}}, {100, 16, "10"}, {150, 8, {}}, {200, 16, "20"}}, 21},
      // t = 500, 0.4 px per tick: 4 px every 10 mm, long every 50 mm
      {0.04, 402, {{0, 16, "0"}, {40, 4, {}}, {200, 16, "50"}, {360, 4, {}}, {400, 16, "100"}}, 11},
  };
  for (const Case& c : cases) {
    const std::vector<TRulerTick> ticks = RulerTicks(Params(rkVertical, c.zoom, c.length));
    // The vertical ruler is shifted by 2 pixels; compare relative to tick 0.
    std::vector<TRulerTick> shifted = ticks;
    for (TRulerTick& t : shifted) t.Position -= 2;
    EXPECT_EQ(shifted.size(), c.count) << c.zoom;
    for (const TRulerTick& want : c.some) {
      EXPECT_EQ(TickAt(shifted, want.Position), want) << c.zoom << " at " << want.Position;
    }
  }
}

TEST(RulerTicks, OriginAtTheLowerLeftCornerGivesNegativeValuesAbove) {
  // Zoom 0.1, board height 10000, origin y = -H: the board's lower edge is at
  // surface y 1000, ruler y 1002.
  TRulerParams p = Params(rkVertical, 0.1, 1200);
  p.Origin = -10000.0;
  const std::vector<TRulerTick> ticks = RulerTicks(p);
  EXPECT_EQ(TickAt(ticks, 1002).Label, "0");
  EXPECT_EQ(TickAt(ticks, 2).Label, "-100");
  for (const TRulerTick& t : ticks)
    if (t.Label && t.Position < 1002) {
      EXPECT_EQ(t.Label->front(), '-') << t.Position;
    }
  EXPECT_EQ(TickAt(ticks, 1102).Label, "10");
}

TEST(RulerTicks, ScrollOriginAndAreaLeftShiftTheTicks) {
  TRulerParams p = Params(rkHorizontal, 0.5, 400);
  p.Scroll = 100;
  p.AreaLeft = 26;
  p.Origin = 40.0;  // 20 pixels
  const std::vector<TRulerTick> ticks = RulerTicks(p);
  // Tick g at g * 5 - (100 - 26) + 20: g = 10 at -4, g = 20 at 46, g = 30 at 96.
  EXPECT_EQ(TickAt(ticks, 46).Label, "2");
  EXPECT_EQ(TickAt(ticks, 96).Label, "3");
  EXPECT_EQ(TickAt(ticks, -4).Length, 14);
}

TEST(RulerTicks, LabelsOnlyWhereTheRulerShowsThem) {
  struct Case {
    TRulerKind kind;
    double origin;
    int32_t pos;
    bool labelled;
  } cases[] = {
      // Horizontal, zoom 0.5: tick 0 at origin * 0.5; labels from x = 23 on.
      {rkHorizontal, 44.0, 22, false},
      {rkHorizontal, 46.0, 23, true},
      // Vertical: tick 0 at 2 - origin * 0.5; labels from y = 0 on.
      {rkVertical, 6.0, -1, false},
      {rkVertical, 4.0, 0, true},
  };
  for (const Case& c : cases) {
    TRulerParams p = Params(c.kind, 0.5, 200);
    p.Origin = c.origin;
    const std::vector<TRulerTick> ticks = RulerTicks(p);
    const TRulerTick t = TickAt(ticks, c.pos);
    EXPECT_EQ(t.Length, c.kind == rkHorizontal ? 14 : 16) << c.pos;
    EXPECT_EQ(t.Label.has_value(), c.labelled) << c.kind << " " << c.pos;
  }
}

TEST(RulerTicks, MilTicksEvery10Mil) {
  // Zoom 0.2 in mil: 5.08 pixels per 10 mil, label every 100 mil.
  const std::vector<TRulerTick> ticks = RulerTicks(Params(rkHorizontal, 0.2, 120, umMil));
  EXPECT_EQ(TickAt(ticks, 25).Length, 8);   // 50 mil at 25.4
  EXPECT_EQ(TickAt(ticks, 51).Label, "100");  // 100 mil at 50.8
  EXPECT_EQ(TickAt(ticks, 102).Label, "200");
  EXPECT_EQ(TickAt(ticks, 5).Length, 4);
}

TEST(RulerTicks, ViewWrappersUseTheirAxis) {
  TBoardView v;
  v.SetVisibleSize(800, 600);
  v.ScrollTo(50, 30);
  v.SetOriginScaled(1000000, -10000000);  // world (1000, -10000)
  const auto h = HorizontalRulerTicks(v, 800, 26);
  EXPECT_EQ(TickAt(h, 100 - 50 + 26).Label, "0");
  const auto vt = VerticalRulerTicks(v, 600);
  EXPECT_EQ(TickAt(vt, -900 - 30 + 2 + 1000).Label, "-90");

  v.ToggleUnit();
  const auto hm = HorizontalRulerTicks(v, 800, 26);
  EXPECT_EQ(TickAt(hm, 76 + 127).Label, "500");  // 10 mil per 2.54 pixels, labels every 500 mil
}

TEST(RulerTicks, NothingForAZoomWithoutPixels) {
  EXPECT_TRUE(RulerTicks(Params(rkHorizontal, 0.0, 100)).empty());
  EXPECT_TRUE(RulerTicks(Params(rkHorizontal, -1.0, 100)).empty());
}

}  // namespace
}  // namespace corvane
