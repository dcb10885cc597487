#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/board_view.h"

namespace corvane {
namespace {

// The default board (160 x 100 mm) in a visible part of 800 x 600 pixels.
TBoardView DefaultView() {
  TBoardView v;
  v.SetVisibleSize(800, 600);
  return v;
}

bool IsZoomQuantum(double z) { return std::fabs(z * 1000.0 - std::round(z * 1000.0)) < 1e-6; }

TEST(MaxZoom, KeepsTheBoardBelow64000Pixels) {
  struct Case {
    int32_t w, h;
    double max;
  } cases[] = {
      {16000, 10000, 4.0}, {1000, 500, 5.0},   {30000, 100, 2.133}, {50000, 50000, 1.28},
      {0, 0, 5.0},         {2000000000, 1, 0.01},  // never below the lower zoom limit
  };
  for (const Case& c : cases) {
    TBoardView v;
    v.SetBoardSize(c.w, c.h);
    EXPECT_DOUBLE_EQ(v.MaxZoom(), c.max) << c.w << "x" << c.h;
  }
}

TEST(SetZoom, RoundsToThousandthsAndLimits) {
  struct Case {
    double z;
    double zoom;
    int32_t surfaceW, surfaceH;
  } cases[] = {
      {0.12345, 0.123, 1969, 1231},
      {0.004, 0.01, 161, 101},
      {10.0, 4.0, 64001, 40001},
      {std::numeric_limits<double>::quiet_NaN(), 0.01, 161, 101},
      {-3.0, 0.01, 161, 101},
  };
  for (const Case& c : cases) {
    TBoardView v = DefaultView();
    v.SetZoom(c.z);
    EXPECT_DOUBLE_EQ(v.Zoom(), c.zoom) << c.z;
    EXPECT_EQ(v.SurfaceWidth(), c.surfaceW) << c.z;
    EXPECT_EQ(v.SurfaceHeight(), c.surfaceH) << c.z;
  }
}

TEST(SetZoom, KeepsTheCentreAndSetsIncrements) {
  TBoardView v = DefaultView();
  v.ScrollTo(400, 200);  // centre at world (8000, -5000)
  v.SetZoom(0.2);
  EXPECT_EQ(v.HPos(), 1200);  // 0.2 * (8000 - 2000)
  EXPECT_EQ(v.VPos(), 700);   // 0.2 * (5000 - 1500)
  EXPECT_EQ(v.HIncrement(), 50);
  EXPECT_EQ(v.VIncrement(), 37);
}

TEST(SetZoom, WithoutCentringOnlyClampsTheScrollPositions) {
  TBoardView v = DefaultView();
  v.ScrollTo(400, 200);
  v.SetZoom(0.2, false);
  EXPECT_EQ(v.HPos(), 400);
  EXPECT_EQ(v.VPos(), 200);
  v.ScrollTo(2401, 1401);  // the far end at 0.2
  v.SetZoom(0.1, false);
  EXPECT_EQ(v.HPos(), 801);  // 1601 - 800
  EXPECT_EQ(v.VPos(), 401);  // 1001 - 600
}

TEST(CenterOn, ScrollsToTheMiddleWithinTheScrollRange) {
  struct Case {
    double zoom, x, yDown;
    int32_t hpos, vpos;
  } cases[] = {
      {0.1, 8000, 5000, 400, 200},
      {0.1, 0, 0, 0, 0},            // clamped at the start
      {0.1, 16000, 10000, 801, 401},  // clamped at the end
      {0.3, 5000, 4000, 1100, 900},   // 0.3 * (5000 - rnd(1333.3)), 0.3 * (4000 - 1000)
  };
  for (const Case& c : cases) {
    TBoardView v = DefaultView();
    v.SetZoom(c.zoom, false);
    v.CenterOn(c.x, c.yDown);
    EXPECT_EQ(v.HPos(), c.hpos) << c.zoom << " " << c.x;
    EXPECT_EQ(v.VPos(), c.vpos) << c.zoom << " " << c.x;
  }
}

TEST(ZoomInAt, StopsAtTheMaximumZoom) {
  struct Case {
    int32_t w, h;
    double limit;
  } cases[] = {{16000, 10000, 4.0}, {1000, 1000, 5.0}, {50000, 20000, 1.28}};
  for (const Case& c : cases) {
    TBoardView v = DefaultView();
    v.SetBoardSize(c.w, c.h);
    int steps = 0;
    while (v.ZoomInAt({v.HPos() + 10, v.VPos() + 10})) {
      ASSERT_LE(v.Zoom(), c.limit);
      ASSERT_TRUE(IsZoomQuantum(v.Zoom()));
      ASSERT_LT(++steps, 100);
    }
    EXPECT_DOUBLE_EQ(v.Zoom(), c.limit) << c.w;
    EXPECT_LE(v.SurfaceWidth(), 64001);
  }
}

TEST(ZoomOutAt, StopsOnceAtOrBelow0_0105) {
  TBoardView v = DefaultView();
  int steps = 0;
  while (v.ZoomOutAt({10, 10})) ASSERT_LT(++steps, 100);
  // 0.1 -> 0.071 -> 0.051 -> 0.036 -> 0.026 -> 0.019 -> 0.014 -> 0.01
  EXPECT_EQ(steps, 7);
  EXPECT_DOUBLE_EQ(v.Zoom(), 0.01);

  v.SetZoom(0.011);
  ASSERT_TRUE(v.ZoomOutAt({10, 10}));
  EXPECT_DOUBLE_EQ(v.Zoom(), 0.01);  // 0.008 is raised to the lower limit
}

TEST(ZoomInAt, CentresOnTheCursorPointAndReturnsItsNewPixel) {
  for (const bool mirrored : {false, true}) {
    TBoardView v = DefaultView();
    v.SetMirrored(mirrored);
    // World (3000, -2000), or (13000, -2000) mirrored.
    const auto moved = v.ZoomInAt({300, 200});
    ASSERT_TRUE(moved);
    EXPECT_DOUBLE_EQ(v.Zoom(), 0.14);
    EXPECT_EQ(v.HPos(), 20);  // 0.14 * (3000 - 2857)
    EXPECT_EQ(v.VPos(), 0);   // 0.14 * (2000 - 2143) < 0
    EXPECT_EQ(*moved, (TIntPoint{420, 280})) << mirrored;
  }
}

TEST(ZoomInAt, ClampsTheCursorPointToTheBoard) {
  TBoardView v = DefaultView();
  v.SetBoardSize(16016, 10000);  // surface 1603 wide: its last column lies beyond the board
  const auto moved = v.ZoomInAt({1602, 0});
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved->x, 2242);  // 16016 * 0.14 = 2242.24; unclamped 16020 would give 2243
}

TEST(ZoomAtCursor, NothingOffTheSurface) {
  for (const TIntPoint p : {TIntPoint{1601, 10}, TIntPoint{-1, 10}, TIntPoint{10, 1001}}) {
    TBoardView v = DefaultView();
    EXPECT_FALSE(v.ZoomInAt(p));
    EXPECT_FALSE(v.ZoomOutAt(p));
    EXPECT_DOUBLE_EQ(v.Zoom(), 0.1);
  }
}

TEST(ZoomOutAt, KeepsTheCentreAndReturnsTheCursorPointsNewPixel) {
  TBoardView v = DefaultView();
  v.SetZoom(0.14, false);
  v.ScrollTo(200, 100);
  const auto moved = v.ZoomOutAt({500, 300});  // world (3571.4, -2142.9)
  ASSERT_TRUE(moved);
  EXPECT_DOUBLE_EQ(v.Zoom(), 0.1);
  EXPECT_EQ(v.HPos(), 29);  // centre 4286 -> 0.1 * (4286 - 4000) = 28.6
  EXPECT_EQ(v.VPos(), 0);
  EXPECT_EQ(*moved, (TIntPoint{357, 214}));
}

TEST(ZoomBoard, FitsTheBoardIntoTheVisiblePart) {
  TBoardView v = DefaultView();
  v.ScrollTo(300, 100);
  v.ZoomBoard();
  EXPECT_DOUBLE_EQ(v.Zoom(), 0.049);  // min(790 / 16000, 590 / 10000)
  EXPECT_EQ(v.HPos(), 0);
  EXPECT_EQ(v.VPos(), 0);
}

TEST(ZoomAllObjects, SidesBelow50UnitsLeaveTheViewUnchanged) {
  struct Case {
    int32_t left, top, right, bottom;
    bool zooms;
  } cases[] = {
      {1000, -1000, 1040, -1040, false},  // a single small pad
      {0, 0, 49, -100, false},
      {0, 0, 100, -49, false},
      {0, 0, 50, -50, true},
  };
  for (const Case& c : cases) {
    TBoardView v = DefaultView();
    v.SetZoom(0.2, false);
    v.ScrollTo(300, 100);
    EXPECT_EQ(v.ZoomAllObjects({c.left, c.top, c.right, c.bottom}), c.zooms) << c.right;
    if (!c.zooms) {
      EXPECT_DOUBLE_EQ(v.Zoom(), 0.2);
      EXPECT_EQ(v.HPos(), 300);
      EXPECT_EQ(v.VPos(), 100);
    }
  }
}

TEST(ZoomSelection, FitsTheBoundsAndCentresOnThem) {
  struct Case {
    bool mirrored;
    int32_t left, top, right, bottom;
    int32_t hpos, vpos;
  } cases[] = {
      {false, 2000, -1000, 4000, -3000, 467, 277},  // centre (2990, 1990) at zoom 0.29
      {false, 4000, -3000, 2000, -1000, 467, 277},  // corners in the other order
      {true, 2000, -1000, 4000, -3000, 3367, 277},  // x centre 16000 - 3000 - 10
  };
  for (const Case& c : cases) {
    TBoardView v = DefaultView();
    v.SetMirrored(c.mirrored);
    ASSERT_TRUE(v.ZoomSelection({c.left, c.top, c.right, c.bottom}));
    EXPECT_DOUBLE_EQ(v.Zoom(), 0.29);  // min(780 / 2000, 580 / 2000)
    EXPECT_EQ(v.HPos(), c.hpos) << c.mirrored;
    EXPECT_EQ(v.VPos(), c.vpos) << c.mirrored;
  }
}

TEST(ZoomToRect, FitsTheRectangleAndCentresOnIt) {
  TBoardView v = DefaultView();
  ASSERT_TRUE(v.ZoomToRect({1000, -1000}, {3000, -2000}));
  EXPECT_DOUBLE_EQ(v.Zoom(), 0.4);  // min(800 / 2000, 600 / 1000)
  EXPECT_EQ(v.HPos(), 400);         // 0.4 * (2000 - 1000)
  EXPECT_EQ(v.VPos(), 300);         // 0.4 * (1500 - 750)
  EXPECT_FALSE(v.ZoomToRect({1000, -1000}, {1000, -2000}));
  EXPECT_DOUBLE_EQ(v.Zoom(), 0.4);
}

TEST(ZoomHistory, RestoresTheLastViewFirst) {
  TBoardView v = DefaultView();
  v.ScrollTo(400, 200);
  v.PushZoomHistory();
  v.SetZoom(0.3);
  v.ScrollTo(1000, 900);
  v.PushZoomHistory();
  v.SetZoom(1.0);

  ASSERT_TRUE(v.ZoomPrevious());
  EXPECT_DOUBLE_EQ(v.Zoom(), 0.3);
  EXPECT_EQ(v.HPos(), 1000);
  EXPECT_EQ(v.VPos(), 900);
  ASSERT_TRUE(v.ZoomPrevious());
  EXPECT_DOUBLE_EQ(v.Zoom(), 0.1);
  EXPECT_EQ(v.HPos(), 400);
  EXPECT_EQ(v.VPos(), 200);
  EXPECT_FALSE(v.ZoomPrevious());
  EXPECT_DOUBLE_EQ(v.Zoom(), 0.1);
}

TEST(AutoScroll, ScrollsNearEdgesWhileTheBoardContinues) {
  // Zoom 0.1, 800 x 600 visible: increments 50 and 37, scroll range 801 x 401.
  struct Case {
    int32_t hpos, vpos, x, y;
    TScrollStep step;
  } cases[] = {
      {400, 200, 800, 500, {0, 0}},        // in the middle
      {400, 200, 1193, 500, {50, 0}},      // 7 pixels from the right edge
      {400, 200, 1192, 500, {0, 0}},       // 8 pixels away
      {400, 200, 1500, 500, {50, 0}},      // dragged beyond the edge
      {400, 200, 407, 500, {-50, 0}},      // near the left edge
      {400, 200, 800, 797, {0, 37}},       // near the bottom
      {400, 200, 800, 207, {0, -37}},      // near the top
      {400, 200, 1195, 797, {50, 37}},     // a corner
      {0, 0, 3, 3, {0, 0}},                // already at the start
      {801, 401, 1598, 998, {0, 0}},       // visible part reaches the board's far edges
      {780, 200, 1575, 500, {21, 0}},      // one increment would pass the scroll range
  };
  for (const Case& c : cases) {
    TBoardView v = DefaultView();
    v.ScrollTo(c.hpos, c.vpos);
    const TScrollStep s = v.AutoScroll(c.x, c.y);
    EXPECT_EQ(s, c.step) << c.x << "," << c.y;
    EXPECT_EQ(v.HPos(), c.hpos + s.dx);
    EXPECT_EQ(v.VPos(), c.vpos + s.dy);
  }
}

TEST(Mapping, DeviceToWorldAndBack) {
  TBoardView v = DefaultView();
  v.SetZoom(0.25);
  EXPECT_EQ(v.DeviceToWorld({100, 50}, false), (TFloatPoint{400, -200}));
  EXPECT_EQ(v.DeviceToWorld({100, 50}, true), (TFloatPoint{381, -254}));  // grid 1.27 mm
  EXPECT_EQ(v.WorldToDevice({400, -200}), (TIntPoint{100, 50}));
  EXPECT_EQ(v.WorldToDevice({401.9f, -201.9f}), (TIntPoint{100, 50}));

  v.SetMirrored(true);
  EXPECT_EQ(v.DeviceToWorld({100, 50}, false), (TFloatPoint{15600, -200}));
  EXPECT_EQ(v.WorldToDevice({15600, -200}), (TIntPoint{100, 50}));
}

TEST(Mapping, VisiblePartIsTheSurfaceShiftedByTheScrollPositions) {
  for (const bool mirrored : {false, true}) {
    TBoardView v = DefaultView();
    v.SetMirrored(mirrored);
    v.SetZoom(0.25, false);
    v.ScrollTo(30, 20);
    const TFloatPoint w = v.DeviceToWorld({100, 50}, false);
    EXPECT_EQ(v.SurfaceMapping().ToDevice(w.x, w.y), (TIntPoint{100, 50})) << mirrored;
    EXPECT_EQ(v.VisibleMapping().ToDevice(w.x, w.y), (TIntPoint{70, 30})) << mirrored;
  }
}

TEST(SnapToGrid, IsAnchoredAtTheOrigin) {
  struct Case {
    double grid;
    int32_t originX, originY;  // x 1000
    TFloatPoint p, snapped;
  } cases[] = {
      {127, 0, 0, {190, -63}, {127, 0}},
      {100, 0, 0, {150, -250}, {200, -200}},  // ties go to the even grid step
      {127, 50000, -30000, {100, -100}, {50, -157}},
      {127, 50000, -30000, {50, -30}, {50, -30}},  // the origin is a grid point
      {127, 50000, -30000, {-100, 200}, {-77, 224}},
      {127, 300000, 0, {0, 300}, {46, 254}},
      {127, -300000, 0, {0, 0}, {-46, 0}},
  };
  for (const Case& c : cases) {
    TBoardView v;
    ASSERT_TRUE(v.SetGrid(c.grid));
    v.SetOriginScaled(c.originX, c.originY);
    const TFloatPoint s = v.SnapToGrid(c.p);
    EXPECT_FLOAT_EQ(s.x, c.snapped.x) << c.p.x << "," << c.p.y << " origin " << c.originX;
    EXPECT_FLOAT_EQ(s.y, c.snapped.y) << c.p.x << "," << c.p.y << " origin " << c.originX;
  }
}

TEST(SetGrid, RefusesSpacingsThatAreNotPositive) {
  TBoardView v;
  for (const double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(v.SetGrid(bad));
    EXPECT_DOUBLE_EQ(v.Grid(), 127.0);
  }
  EXPECT_TRUE(v.SetGrid(7.9375));
  EXPECT_DOUBLE_EQ(v.Grid(), 7.9375);
}

TEST(Origin, SetAtClickSnapsUnlessCtrlIsHeld) {
  TBoardView v = DefaultView();
  EXPECT_TRUE(v.SetOriginAtClick({13, 7}, false));  // world (130, -70)
  EXPECT_EQ(v.OriginX(), 127000);
  EXPECT_EQ(v.OriginY(), -127000);
  EXPECT_FALSE(v.SetOriginAtClick({13, 13}, false));  // snaps to the same point

  EXPECT_TRUE(v.SetOriginAtClick({13, 7}, true));
  EXPECT_EQ(v.OriginX(), 130000);
  EXPECT_EQ(v.OriginY(), -70000);
  EXPECT_FALSE(v.SetOrigin({130, -70}));
}

TEST(Origin, CornersOfTheBoard) {
  TBoardView v;
  v.SetOriginScaled(5, 6);
  v.SetOriginBottomLeft();
  EXPECT_EQ(v.OriginX(), 0);
  EXPECT_EQ(v.OriginY(), -10000000);
  v.ResetOriginTopLeft();
  EXPECT_EQ(v.OriginX(), 0);
  EXPECT_EQ(v.OriginY(), 0);
}

TEST(Origin, DragTargetIsSnappedAndLimitedToTheBoard) {
  struct Case {
    TIntPoint p;
    bool ctrl;
    TFloatPoint target;
  } cases[] = {
      {{13, 7}, false, {127, -127}},
      {{13, 7}, true, {130, -70}},
      {{1605, 1005}, false, {16000, -10000}},  // snapped (16002, -10033), then limited
      {{1605, 1005}, true, {16000, -10000}},
      {{-5, -5}, true, {-50, 50}},  // only x <= W and y >= -H are limited
  };
  for (const Case& c : cases) {
    const TBoardView v = DefaultView();
    EXPECT_EQ(v.OriginDragTarget(c.p, c.ctrl), c.target) << c.p.x << "," << c.p.y << " ctrl " << c.ctrl;
  }
}

TEST(Origin, UserFrameAndMarkerPixel) {
  TBoardView v = DefaultView();
  v.SetOriginScaled(1000000, -2000000);  // world (1000, -2000)
  EXPECT_EQ(v.WorldToUser({1500, -2500}), (TFloatPoint{500, 500}));  // y grows downwards
  EXPECT_EQ(v.WorldToUser({1000, -1000}), (TFloatPoint{0, -1000}));
  EXPECT_EQ(v.OriginPixel(), (TIntPoint{100, 200}));
}

TEST(SetBoardSize, LowersTheZoomToTheNewMaximum) {
  TBoardView v = DefaultView();
  v.SetZoom(4.0);
  v.SetBoardSize(50000, 10000);
  EXPECT_DOUBLE_EQ(v.Zoom(), 1.28);
  v.SetBoardSize(1000, 1000);
  EXPECT_DOUBLE_EQ(v.Zoom(), 1.28);  // a larger maximum leaves the zoom
  v.SetBoardSize(0, -5);
  EXPECT_EQ(v.BoardWidth(), 1);
  EXPECT_EQ(v.BoardHeight(), 1);
}

TEST(SetVisibleSize, IncrementsAreASixteenthAndAtLeastOne) {
  TBoardView v;
  v.SetVisibleSize(10, 330);
  EXPECT_EQ(v.HIncrement(), 1);
  EXPECT_EQ(v.VIncrement(), 20);
}

}  // namespace
}  // namespace corvane
