#include <gtest/gtest.h>

#include "render/board_overview.h"

namespace corvane {
namespace {

TBoardView View(int32_t w, int32_t h) {
  TBoardView v;
  v.SetBoardSize(w, h);
  v.SetVisibleSize(800, 600);
  return v;
}

TEST(BoardOverview, PanelAndFrameGeometry) {
  TBoardView v = View(16000, 10000);
  v.ScrollTo(400, 200);
  const TOverviewGeometry g = OverviewGeometry(v);
  EXPECT_DOUBLE_EQ(g.Scale, 200.0);
  EXPECT_EQ(g.PanelWidth, 80);
  EXPECT_EQ(g.PanelHeight, 50);
  EXPECT_EQ(g.PanelLeft, 6);
  EXPECT_EQ(g.FrameWidth, 40);   // 800 px at zoom 0.1 = 8000 units
  EXPECT_EQ(g.FrameHeight, 30);
  EXPECT_EQ(g.FrameLeft, 20);
  EXPECT_EQ(g.FrameTop, 10);
}

TEST(BoardOverview, TallBoardUsesItsHeightForTheLargerSide) {
  const TOverviewGeometry g = OverviewGeometry(View(5000, 20000));
  EXPECT_DOUBLE_EQ(g.Scale, 250.0);
  EXPECT_EQ(g.PanelWidth, 20);
  EXPECT_EQ(g.PanelHeight, 80);
  EXPECT_EQ(g.PanelLeft, 36);
}

TEST(BoardOverview, DraggingTheFrameScrollsWithinThePanel) {
  struct Case {
    int32_t left, top;
    TIntPoint frame;
    int32_t hpos, vpos;
  } cases[] = {
      {30, 15, {30, 15}, 600, 300},
      {100, -5, {40, 0}, 800, 0},   // the frame stays inside the 80 x 50 panel
      {-3, 90, {0, 20}, 0, 400},
  };
  for (const Case& c : cases) {
    TBoardView v = View(16000, 10000);
    EXPECT_EQ(DragOverviewFrame(v, c.left, c.top), c.frame) << c.left << "," << c.top;
    EXPECT_EQ(v.HPos(), c.hpos);
    EXPECT_EQ(v.VPos(), c.vpos);
  }
}

TEST(BoardOverview, FrameLargerThanThePanelStaysAtItsCorner) {
  TBoardView v = View(16000, 10000);
  v.SetZoom(0.04);  // the visible part is wider than the board
  ASSERT_GT(OverviewGeometry(v).FrameWidth, 80);
  EXPECT_EQ(DragOverviewFrame(v, 5, 0), (TIntPoint{0, 0}));
  EXPECT_EQ(v.HPos(), 0);
}

}  // namespace
}  // namespace corvane
