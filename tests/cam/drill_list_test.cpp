#include "cam/drill_list.h"

#include <gtest/gtest.h>

#include "drill_fixtures.h"

namespace corvane {
namespace {

TEST(DrillList, DiametersAreDistinctAscendingAndFollowThePlatingFilter) {
  TPlatine board = BoardOf({DrillPad(0, 0, 120), DrillPad(10, 0, 80, true), DrillPad(20, 0, 120, true),
                            DrillPad(30, 0, 100), DrillPad(40, 0, 80)});
  EXPECT_EQ(DrillDiameters(board.Elemente), (std::vector<int32_t>{80, 100, 120}));
  EXPECT_EQ(DrillDiameters(board.Elemente, {.Unplated = false, .Plated = true}),
            (std::vector<int32_t>{80, 120}));
  EXPECT_EQ(DrillDiameters(board.Elemente, {.Unplated = true, .Plated = false}),
            (std::vector<int32_t>{80, 100, 120}));
  EXPECT_TRUE(DrillDiameters(board.Elemente, {.Unplated = false, .Plated = false}).empty());
}

TEST(DrillList, OnlyPadsOnCopperWithADrillCount) {
  TObjekt smd = CreateSmdPad({0, 0}, 100, 100, lyC1);
  smd.Mass2 = 100;
  TObjekt tiny = DrillPad(0, 0, 0);
  tiny.Mass2 = 0.4f;  // 2 * 0.4 rounds to 1: still drilled
  TObjekt none = DrillPad(0, 0, 0);
  none.Mass2 = 0.2f;  // rounds to 0: no hole
  TPlatine board = BoardOf({std::move(smd), DrillPad(0, 0, 90, false, lyS1), DrillPad(0, 0, 70, false, lyO),
                            DrillPad(0, 0, 60, false, lyI2), std::move(tiny), std::move(none)});
  EXPECT_EQ(DrillDiameters(board.Elemente), (std::vector<int32_t>{1, 60}));
}

std::vector<float> Xs(const std::vector<const TObjekt*>& pads) {
  std::vector<float> xs;
  for (const TObjekt* p : pads) xs.push_back(p->X);
  return xs;
}

TEST(DrillList, PathStartsNearestToTheLowerLeftCornerAndWalksToTheNearest) {
  // Board height 1000: the start point is (0, -1000).
  TPlatine board = BoardOf({DrillPad(500, -1000, 80), DrillPad(100, -900, 80), DrillPad(900, -1000, 80),
                            DrillPad(150, -900, 100), DrillPad(300, -1000, 80)},
                           2000, 1000);
  EXPECT_EQ(Xs(DrillPath(board.Elemente, std::nullopt, 1000)),
            (std::vector<float>{100, 150, 300, 500, 900}));
  EXPECT_EQ(Xs(DrillPath(board.Elemente, 80, 1000)), (std::vector<float>{100, 300, 500, 900}));
  EXPECT_EQ(Xs(DrillPath(board.Elemente, 100, 1000)), (std::vector<float>{150}));
  EXPECT_TRUE(DrillPath(board.Elemente, 55, 1000).empty());
}

TEST(DrillList, PathTiesGoToTheFirstInListOrder) {
  // From the start (0, -1000) pads 0 and 1 are equally near; from pad 0,
  // pads 2 and 3 are.
  TPlatine board = BoardOf({DrillPad(0, -900, 80), DrillPad(100, -1000, 80), DrillPad(0, -800, 80),
                            DrillPad(-100, -900, 80)},
                           2000, 1000);
  const auto path = DrillPath(board.Elemente, std::nullopt, 1000);
  const std::vector<const TObjekt*> expected{&board.Elemente[0], &board.Elemente[2], &board.Elemente[3],
                                             &board.Elemente[1]};
  EXPECT_EQ(path, expected);
}

TEST(DrillList, TextListsCountsSizesAndTheTotalInEachLanguage) {
  std::vector<TObjekt> pads;
  for (int i = 0; i < 12; ++i) pads.push_back(DrillPad(i * 10.0f, 0, 80));
  pads.push_back(DrillPad(0, 0, 130, true));
  TPlatine board = BoardOf(std::move(pads));
  struct Case {
    TDrillFilter filter;
    bool mil;
    int language;
    std::string text;
  } cases[] = {
      {{}, false, 1, "  12 x  0.80 mm\n   1 x  1.30 mm\n----------------\n  13 drilings\n"},
      {{}, true, 0, "  12 x   31 mil\n   1 x   51 mil\n----------------\n  13 Bohrungen\n"},
      {{.Unplated = false}, false, 2, "   1 x  1.30 mm\n----------------\n   1 percages\n"},
      {{false, false}, false, 1, "----------------\n   0 drilings\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DrillListText(board.Elemente, c.filter, c.mil, c.language), c.text)
        << "mil " << c.mil << " language " << c.language;
}

}  // namespace
}  // namespace corvane
