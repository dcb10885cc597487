#include "edit/macro_save.h"

#include <gtest/gtest.h>

#include "geom/element_create.h"
#include "io/lay_fixtures.h"
#include "macro_test_util.h"

namespace corvane {
namespace {

using macro_test::ReadBack;
using macro_test::TempFolder;

TEST(MacroSave, WhatIsSaved) {
  ElementList list;
  EXPECT_EQ(MacroSaveSet(list), TMacroSaveSet::NoElements);
  list.Add(fixtures::Track({{0, 0}, {10, 0}}));
  EXPECT_EQ(MacroSaveSet(list), TMacroSaveSet::AskWholeBoard);
  list[0].Markiert = 1;
  EXPECT_EQ(MacroSaveSet(list), TMacroSaveSet::Selection);
}

TEST(MacroSave, TheFirstSelectedPadIsAtTheOrigin) {
  TempFolder dir;
  ElementList list;
  list.Add(CreatePad({500, -500}, lyC1, psCircular, 20, 50));  // not selected
  list.Add(fixtures::Track({{2000, -2000}, {2500, -2000}})).Markiert = 1;
  list.Add(CreateSmdPad({3000, -4000}, 100, 60, lyC1)).Markiert = 1;
  list.Add(CreatePad({7000, -7000}, lyC1, psCircular, 20, 50)).Markiert = 1;
  TBoardView view;
  const TLayerState state;
  EXPECT_EQ(MacroReferencePoint(list, true, view, state), (TFloatPoint{3000, -4000}));
  EXPECT_EQ(MacroReferencePoint(list, false, view, state), (TFloatPoint{500, -500}));

  ASSERT_TRUE(SaveAsMacro((dir / "sel.lmk").string(), list, true, view, state).ok());
  const TMacroData m = ReadBack(dir / "sel.lmk");
  ASSERT_EQ(m.Elemente.size(), 3u);
  EXPECT_EQ(m.Elemente[1].Typ, otSmdPad);
  const TFloatPoint c0 = m.Elemente[1].Punkte[0], c2 = m.Elemente[1].Punkte[2];
  EXPECT_EQ((c0.x + c2.x) / 2, 0.0f);
  EXPECT_EQ((c0.y + c2.y) / 2, 0.0f);
  EXPECT_EQ(m.Elemente[0].Punkte[0], (TFloatPoint{-1000, 2000}));
  EXPECT_EQ(m.Elemente[2].X, 4000.0f);
  EXPECT_TRUE(m.Text1.empty() && m.Text2.empty());
  // The board keeps its elements where they were.
  EXPECT_EQ(list.size(), 4u);
  EXPECT_EQ(list[3].X, 7000.0f);
}

TEST(MacroSave, PadCentresAreRoundedToWholeUnits) {
  ElementList list;
  list.Add(CreatePad({100.5f, -200.5f}, lyC1, psCircular, 20, 50));
  EXPECT_EQ(MacroReferencePoint(list, false, TBoardView{}, TLayerState{}), (TFloatPoint{100, -200}));
}

TEST(MacroSave, TracksOnlyUseTheSnappedTopLeftCorner) {
  // A track of width 40 from (1000, -1000) to (2000, -1500): bounds from
  // x = 980 and up to y = -980. Grid 127.
  struct Case {
    int32_t originX1000;
    TFloatPoint expected;
  } cases[] = {
      {0, {1016, -1016}},     // 8 grid steps
      {50000, {939, -1016}},  // the grid anchored at x = 50: 50 + 7 * 127
  };
  for (const Case& c : cases) {
    TempFolder dir;
    ElementList list;
    list.Add(fixtures::Track({{1000, -1000}, {2000, -1500}}, lyC1, 40)).Freistanz = 0;
    TBoardView view;
    ASSERT_TRUE(view.SetGrid(127));
    view.SetOriginScaled(c.originX1000, 0);
    EXPECT_EQ(MacroReferencePoint(list, false, view, TLayerState{}), c.expected);
    ASSERT_TRUE(SaveAsMacro((dir / "t.lmk").string(), list, false, view, TLayerState{}).ok());
    const TMacroData m = ReadBack(dir / "t.lmk");
    ASSERT_EQ(m.Elemente.size(), 1u);
    EXPECT_EQ(m.Elemente[0].Punkte[0], (TFloatPoint{1000 - c.expected.x, -1000 - c.expected.y}));
  }
}

TEST(MacroSave, TheBoardIsCleanedUpFirst) {
  TempFolder dir;
  ElementList list;
  list.Add(fixtures::Track({{0, 0}}));  // one point: removed from the board
  list.Add(fixtures::Track({{0, 0}, {100, 0}}));
  ASSERT_TRUE(SaveAsMacro((dir / "c.lmk").string(), list, false, TBoardView{}, TLayerState{}).ok());
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(ReadBack(dir / "c.lmk").Elemente.size(), 1u);
  EXPECT_EQ(SaveAsMacro((dir / "missing" / "c.lmk").string(), list, false, TBoardView{}, TLayerState{}).Kind,
            IoErrorKind::CannotWrite);
}

}  // namespace
}  // namespace corvane
