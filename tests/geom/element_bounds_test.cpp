#include "geom/element_bounds.h"

#include <gtest/gtest.h>

#include "core/element_list.h"
#include "geom/element_create.h"
#include "geom_test_util.h"

namespace corvane {
namespace {

TLayerState GroundPlaneOnC1() {
  TLayerState s;
  s.AktiverLayer = lyC1;
  s.MasseAn[lyC1 - 1] = 1;
  return s;
}

TEST(PointBounds, RoundedExtremesOrNothing) {
  EXPECT_EQ(PointBounds(test::Track({{0.5f, -2.5f}, {10.5f, 3.5f}, {-1.6f, 0}}, 10)), (TIntRect{-2, -2, 10, 4}));
  EXPECT_EQ(PointBounds(test::Track({{7, 7}}, 10)), TIntRect{});
}

TEST(ElementBounds, PerKindRules) {
  const TLayerState state;
  struct Case {
    const char* what;
    TObjekt e;
    TIntRect expected;
  };
  auto withClearance = [](TObjekt e, int32_t q) {
    e.Freistanz = q;
    return e;
  };
  TObjekt text;
  text.Typ = otText;
  text.Striche.push_back(test::Track({{0, 0}, {100, 0}}, 30));
  text.Striche.push_back(test::Track({{0, 0}, {0, -200}}, 30));
  TObjekt font;
  font.Typ = otFontText;
  font.X = 10;
  font.Y = -20;
  font.Mass1 = -30;
  font.Mass2 = 40;
  font.Freistanz = 5;
  const Case cases[] = {
      {"round pad", withClearance(CreatePad({0, 0}, 1, psCircular, 20, 50), 10), {-60, -60, 60, 60}},
      {"oval pad", withClearance(CreatePad({0, 0}, 1, psRoundedH, 20, 50), 10), {-115, -65, 115, 65}},
      {"square pad", withClearance(CreatePad({0, 0}, 1, psSquare, 20, 50), 10), {-65, -65, 65, 65}},
      {"square pad, no clearance", CreatePad({0, 0}, 1, psSquare, 20, 50), {-70, -70, 70, 70}},
      {"tiny oval pad", CreatePad({0, 0}, 1, psRoundedV, 0, 0.25), {-20, -20, 20, 20}},
      {"smd", withClearance(CreateSmdPad({0, 0}, 100, 40, 1), 10), {-65, -35, 65, 35}},
      {"track", withClearance(test::Track({{0, 0}, {100, 0}}, 30), 10), {-25, -25, 125, 25}},
      {"track of width 0", test::Track({{0, 0}, {100, 0}}, 0), {-20, -20, 120, 20}},
      {"zone", test::Zone({{0, 0}, {100, 0}, {50, -80}}, 10), {-5, -85, 105, 5}},
      {"full circle", withClearance(test::Circle({0, 0}, 100, 80, 0, 0), 10), {-110, -110, 110, 110}},
      // S = (100, 0), E = (0, 100), l = 20: left, lower and right tightened.
      {"quarter arc", withClearance(test::Circle({0, 0}, 100, 80, 0, 90), 10), {-30, -30, 130, 110}},
      // Arc 100..170 reaches no side: all four tightened, then the centre cross.
      {"short arc", test::Circle({0, 0}, 100, 80, 100, 170), {-118, -16, 16, 118}},
      {"text", text, {-15, -215, 115, 15}},
      {"font text", font, {-35, -25, 15, 45}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ElementBounds(c.e, state), c.expected);
  }
}

TEST(ElementBounds, ThermalGrowthOnlyWhereSpokesShow) {
  TObjekt pad = CreatePad({0, 0}, lyC1, psCircular, 20, 75);
  pad.Freistanz = 10;
  pad.Schalter1 = 1;
  const TLayerState off;
  EXPECT_EQ(ElementBounds(pad, off), (TIntRect{-85, -85, 85, 85}));
  EXPECT_EQ(ElementBounds(pad, GroundPlaneOnC1()), (TIntRect{-135, -135, 135, 135}));  // + rnd(75 / 1.5)
  EXPECT_EQ(ElementBounds(pad, off, true), (TIntRect{-135, -135, 135, 135}));
  TObjekt smd = CreateSmdPad({0, 0}, 120, 60, lyC1);
  smd.Schalter1 = 1;
  EXPECT_EQ(ElementBounds(smd, GroundPlaneOnC1()), (TIntRect{-100, -70, 100, 70}));  // 20 + rnd(60 / 3)
}

TEST(SelectionAndListBounds, UnionsStartingFromTheFirstElementFound) {
  ElementList list;
  EXPECT_FALSE(ListBounds(list, TLayerState{}).has_value());
  EXPECT_FALSE(SelectionBounds(list).has_value());
  list.Add(test::Track({{1000, -1000}, {1100, -1000}}, 20));
  list.Add(CreatePad({2000, -500}, 1, psSquare, 10, 50));
  EXPECT_EQ(*ListBounds(list, TLayerState{}), (TIntRect{990, -1010, 2070, -430}));
  EXPECT_FALSE(SelectionBounds(list).has_value());
  list[1].Markiert = 1;
  EXPECT_EQ(*SelectionBounds(list), (TIntRect{1950, -550, 2050, -450}));
  list[0].Markiert = 1;
  EXPECT_EQ(*SelectionBounds(list), (TIntRect{990, -1010, 2050, -450}));
}

}  // namespace
}  // namespace corvane
