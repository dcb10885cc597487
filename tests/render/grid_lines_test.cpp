#include <gtest/gtest.h>

#include <set>

#include "render/grid_lines.h"

namespace corvane {
namespace {

constexpr uint32_t kGridGrey = 4605510;  // 0x464646

// Zoom 0.1, 800 x 600 pixels visible from the top-left corner: world x
// 0..8000, y 0..-6000; one pixel is 10 units, so the visible range used for
// lines is x -10..8010 and y -6010..10.
TBoardView View(double grid) {
  TBoardView v;
  v.SetVisibleSize(800, 600);
  EXPECT_TRUE(v.SetGrid(grid));
  return v;
}

const TIntRect kWholeView{0, 0, 8000, -6000};

std::set<int32_t> Positions(const TGridPicture& pic, bool vertical, int32_t width) {
  std::set<int32_t> at;
  for (const TGridLine& l : pic.Lines)
    if (l.Vertical == vertical && l.Width == width) at.insert(l.At);
  return at;
}

TEST(GridLines, NoLinesWhenTheyWouldBeCloserThanFourPixels) {
  struct Case {
    double zoom, grid;
    bool lines;
  } cases[] = {
      {0.1, 10, false},  // 0.1 mm at 10 pixels per mm: one pixel apart
      {0.1, 40, false},  // 4 x 10 units is not smaller than 40
      {0.1, 41, true},
      {1.0, 4, false},
      {1.0, 5, true},
      {0.25, 16, false},
      {0.25, 17, true},
  };
  for (const Case& c : cases) {
    TBoardView v = View(c.grid);
    v.SetZoom(c.zoom, false);
    const TGridPicture pic = GridLines(v, kWholeView, kGridGrey);
    EXPECT_EQ(!pic.Lines.empty(), c.lines) << c.zoom << " " << c.grid;
    EXPECT_EQ(pic.OriginLines.size(), 2u) << c.zoom << " " << c.grid;  // drawn in any case
  }
}

TEST(GridLines, EveryFourthLineFromTheOriginIsWiderInBothDirections) {
  TBoardView v = View(100);
  v.SetOriginScaled(4100000, -3100000);  // on a grid line, inside the view
  const TGridPicture pic = GridLines(v, {3000, -2500, 5000, -3700}, kGridGrey);

  // Marked lines are rnd(2 / zoom) + 1 = 21 units wide, the others 0 (one pixel).
  EXPECT_EQ(Positions(pic, true, 21), (std::set<int32_t>{3300, 3700, 4100, 4500, 4900}));
  EXPECT_EQ(Positions(pic, false, 21), (std::set<int32_t>{-2700, -3100, -3500}));
  EXPECT_EQ(Positions(pic, true, 0).size(), 21u - 5u);
  EXPECT_EQ(Positions(pic, false, 0).size(), 13u - 3u);
  for (const TGridLine& l : pic.Lines) {
    EXPECT_EQ(l.From, l.Vertical ? -6010 : -10);
    EXPECT_EQ(l.To, l.Vertical ? 10 : 8010);
  }
}

TEST(GridLines, WithoutMarksAllLinesAreOnePixelWide) {
  TBoardView v = View(100);
  v.SetGridMark(0);
  const TGridPicture pic = GridLines(v, {3000, -2500, 5000, -3700}, kGridGrey);
  ASSERT_EQ(pic.Lines.size(), 21u + 13u);
  for (const TGridLine& l : pic.Lines) EXPECT_EQ(l.Width, 10);
}

TEST(GridLines, LinesFollowAnOffGridOriginAndStopBeforeTheBoardsFarEdges) {
  TBoardView v = View(127);
  v.SetBoardSize(1000, 1000);
  v.SetOriginScaled(50000, -30000);  // world (50, -30)
  const TGridPicture pic = GridLines(v, kWholeView, kGridGrey);
  std::set<int32_t> xs, ys;
  for (const TGridLine& l : pic.Lines) (l.Vertical ? xs : ys).insert(l.At);
  // x = 50 + 127 k for k = 0 .. trunc(999 / 127); y = -30 - 127 k likewise.
  EXPECT_EQ(xs, (std::set<int32_t>{50, 177, 304, 431, 558, 685, 812, 939}));
  EXPECT_EQ(ys, (std::set<int32_t>{-30, -157, -284, -411, -538, -665, -792, -919}));
}

TEST(GridLines, LowestRowAndLastColumnOfTheBoard) {
  struct Case {
    int32_t size;
    int32_t last;
  } cases[] = {{1000, 900}, {1001, 1000}};
  for (const Case& c : cases) {
    TBoardView v = View(100);
    v.SetBoardSize(c.size, c.size);
    const TGridPicture pic = GridLines(v, kWholeView, kGridGrey);
    const auto all = [&](bool vert) {
      std::set<int32_t> s;
      for (const TGridLine& l : pic.Lines)
        if (l.Vertical == vert) s.insert(l.At);
      return s;
    };
    EXPECT_EQ(*all(true).rbegin(), c.last) << c.size;
    EXPECT_EQ(*all(false).begin(), -c.last) << c.size;
  }
}

TEST(GridLines, OnlyLinesInsideTheWidenedClipRectangle) {
  const TBoardView v = View(100);
  // Widened by 2 * 10 + 1 = 21 units: x 1179..1321 holds the line at 1200 and 1300.
  const TGridPicture pic = GridLines(v, {1200, -1200, 1300, -1300}, kGridGrey);
  std::set<int32_t> xs;
  for (const TGridLine& l : pic.Lines)
    if (l.Vertical) xs.insert(l.At);
  EXPECT_EQ(xs, (std::set<int32_t>{1200, 1300}));
  xs.clear();
  for (const TGridLine& l : GridLines(v, {1221, -1200, 1278, -1300}, kGridGrey).Lines)
    if (l.Vertical) xs.insert(l.At);
  EXPECT_EQ(xs, (std::set<int32_t>{1200}));  // 1300 lies 22 units beyond
  const TGridPicture none = GridLines(v, {1222, -1222, 1278, -1278}, kGridGrey);
  EXPECT_TRUE(none.Lines.empty());
}

TEST(GridLines, OriginLinesOnlyInsideTheVisibleRange) {
  struct Case {
    int32_t ox, oy;  // world
    bool vertical, horizontal;
  } cases[] = {
      {4100, -3100, true, true},
      {9000, -3100, false, true},   // x beyond 8010
      {4100, -7000, true, false},   // y below -6010
      {8010, 10, true, true},       // on the edges of the range
  };
  for (const Case& c : cases) {
    TBoardView v = View(100);
    v.SetOriginScaled(c.ox * 1000, c.oy * 1000);
    const TGridPicture pic = GridLines(v, kWholeView, kGridGrey);
    bool vertical = false, horizontal = false;
    for (const TGridLine& l : pic.OriginLines) {
      EXPECT_EQ(l.Width, 0);
      if (l.Vertical) {
        vertical = true;
        EXPECT_EQ(l.At, c.ox);
        EXPECT_EQ(l.From, -6010);
        EXPECT_EQ(l.To, 10);
      } else {
        horizontal = true;
        EXPECT_EQ(l.At, c.oy);
        EXPECT_EQ(l.From, -10);
        EXPECT_EQ(l.To, 8010);
      }
    }
    EXPECT_EQ(vertical, c.vertical) << c.ox << "," << c.oy;
    EXPECT_EQ(horizontal, c.horizontal) << c.ox << "," << c.oy;
  }
}

TEST(GridLines, MirroredViewSpansTheMirroredRange) {
  TBoardView v = View(100);
  v.SetMirrored(true);
  const TGridPicture pic = GridLines(v, {8000, 0, 16000, -6000}, kGridGrey);
  ASSERT_FALSE(pic.Lines.empty());
  for (const TGridLine& l : pic.Lines)
    if (!l.Vertical) {
      EXPECT_EQ(l.From, 7990);
      EXPECT_EQ(l.To, 16010);
    }
}

TEST(GridLines, HiddenGridDrawsNothing) {
  TBoardView v = View(100);
  v.SetGridVisible(false);
  const TGridPicture pic = GridLines(v, kWholeView, kGridGrey);
  EXPECT_TRUE(pic.Lines.empty());
  EXPECT_TRUE(pic.OriginLines.empty());
}

TEST(OriginLineColour, LightensRedAndGreenAndTakesBlueFromGreen) {
  auto rgb = [](uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); };
  struct Case {
    uint32_t grid, origin;
  } cases[] = {
      {rgb(70, 70, 70), rgb(130, 130, 150)},
      {rgb(255, 255, 255), rgb(255, 255, 255)},
      {rgb(196, 176, 0), rgb(255, 236, 255)},
      {rgb(195, 175, 0), rgb(255, 235, 255)},
      {rgb(0, 100, 255), rgb(60, 160, 180)},
      {rgb(10, 0, 255), rgb(70, 60, 80)},
  };
  for (const Case& c : cases) EXPECT_EQ(OriginLineColour(c.grid), c.origin) << std::hex << c.grid;
}

}  // namespace
}  // namespace corvane
