// The pixel-level cases the drawing rules single out.
#include <gtest/gtest.h>

#include "core/element_ops.h"
#include "geom/points.h"
#include "geom/text_strokes.h"
#include "paint_fixtures.h"
#include "render/layer_button.h"

namespace corvane {
namespace {

using namespace test;

// First pixel from the left along row y that differs from the background.
int FirstNonBackground(const QImage& image, int y, TRgb background) {
  for (int x = 0; x < image.width(); ++x)
    if (!(Pixel(image, x, y) == background)) return x;
  return -1;
}

TEST(PaintEdgeCases, ThroughPlatedBareHoleShowsWhiteRingAndCrossButNoCopper) {
  ElementList list;
  TObjekt& hole = list.Add(RoundPad({200, -200}, 40, 40, lyC1));
  hole.Durchkontaktiert = 1;
  ASSERT_TRUE(IsThroughPad(hole) && IsHoleOnly(hole));
  const TPainted pic = PaintScene(list, Context(lyC2));

  // The ring: the drill circle inset by one pixel, white.
  const int ring = FirstNonBackground(pic.image, 200, kBackground);
  EXPECT_NEAR(ring, 161, 1);
  EXPECT_EQ(Pixel(pic.image, ring, 200), kWhite);
  // No copper inside or around it, not even the via colour.
  EXPECT_EQ(pic.At(172, -195), kBackground);
  EXPECT_EQ(pic.At(245, -200), kBackground);
  // The cross in the layer colour along both diagonals across half the radius.
  EXPECT_EQ(pic.At(190.5, -190.5), kC1);
  EXPECT_EQ(pic.At(209.5, -190.5), kC1);
}

TEST(PaintEdgeCases, GroundPlaneClearanceRingIsBridgedBySpokes) {
  TRenderContext ctx = Context(lyC1);
  ctx.GroundPlane[lyC1 - 1] = 1;
  struct Case {
    int32_t clearance;
    bool ring;
  } cases[] = {{0, false}, {30, true}};
  for (const Case& c : cases) {
    ElementList list;
    TObjekt& pad = list.Add(RoundPad({200, -200}, 50, 20, lyC1));
    pad.Freistanz = c.clearance;
    pad.Schalter1 = 1;  // thermal, spokes north, east, south and west
    const TPainted pic = PaintScene(list, ctx);
    EXPECT_EQ(pic.At(230, -200), kC1) << "the pad itself";
    // 15 units outside the pad, half-way across the clearance.
    const TFloatPoint diagonal = PointOnCircle({200, -200}, 45, 65);
    EXPECT_EQ(pic.At(diagonal.x, diagonal.y), c.ring ? kBackground : kC1Plane) << c.clearance;
    EXPECT_EQ(pic.At(200, -135), kC1Plane) << "spoke north " << c.clearance;
    EXPECT_EQ(pic.At(265, -200), kC1Plane) << "spoke east " << c.clearance;
    // Beyond the clearance the plane continues.
    const TFloatPoint outside = PointOnCircle({200, -200}, 45, 90);
    EXPECT_EQ(pic.At(outside.x, outside.y), kC1Plane) << c.clearance;
  }
}

TEST(PaintEdgeCases, SelectedElementsAreMagentaOrTheOtherSidesMagenta) {
  struct Case {
    int active;
    uint8_t layer;
    TRgb colour;
  } cases[] = {
      {lyC1, lyC2, kOtherSideMagenta}, {lyC2, lyC2, kSelectionMagenta}, {lyC2, lyC1, kOtherSideMagenta},
      {lyS1, lyC1, kSelectionMagenta}, {lyI1, lyS1, kOtherSideMagenta}, {lyO, lyI2, kSelectionMagenta},
  };
  for (const Case& c : cases) {
    ElementList list;
    list.Add(Track({{100, -200}, {300, -200}}, 40, c.layer)).Markiert = 1;
    TRenderContext ctx = Context(lyC1);
    SetActiveLayer(ctx, c.active);
    EXPECT_EQ(PaintScene(list, ctx).At(200, -200), c.colour) << c.active << " " << int{c.layer};
  }
}

TEST(PaintEdgeCases, AutomaticHatchOfWidth20GivesLines20WideEvery40) {
  ElementList list;
  TObjekt& zone = list.Add(Zone({{15, -15}, {385, -15}, {385, -385}, {15, -385}}, 20, lyC2));
  zone.Schalter1 = 1;  // hatched
  zone.Schalter2 = 1;  // spacing from the line width
  const TPainted pic = PaintScene(list, Context(lyC2));
  for (int k = 2; k <= 8; ++k) {
    const double at = 40.0 * k;
    EXPECT_EQ(pic.At(at + 0.5, -100.5), kC2) << "vertical line at " << at;
    EXPECT_EQ(pic.At(at - 7.5, -100.5), kC2) << "within its 20 units";
    EXPECT_EQ(pic.At(100.5, -at - 0.5), kC2) << "horizontal line at " << at;
    // Between the lines, 20 units from both: the zone stays open.
    EXPECT_EQ(pic.At(at + 20.5, -at - 20.5), kBackground) << at;
    EXPECT_EQ(pic.At(at + 12.5, -at - 12.5), kBackground) << at;
  }
}

TEST(PaintEdgeCases, FilledQuarterCircleIsTheChordSegmentNotAPie) {
  ElementList list;
  TObjekt& circle = list.Add(CreateCircle({200, -200}, 110, 90, lyC2, psCircular));
  circle.Wert2 = 0;   // start
  circle.Wert1 = 90;  // stop
  circle.Fuellung = 1;
  const TPainted pic = PaintScene(list, Context(lyC2));
  const TFloatPoint inSegment = PointOnCircle({200, -200}, 45, 85);
  EXPECT_EQ(pic.At(inSegment.x, inSegment.y), kC2);
  const TFloatPoint inPieOnly = PointOnCircle({200, -200}, 45, 40);
  EXPECT_EQ(pic.At(inPieOnly.x, inPieOnly.y), kBackground);
  // Nothing on the far side of the circle.
  const TFloatPoint opposite = PointOnCircle({200, -200}, 225, 100);
  EXPECT_EQ(pic.At(opposite.x, opposite.y), kBackground);
}

TEST(PaintEdgeCases, TransparentModeCombinesOverlapsPerPixel) {
  // An S1 text across a C1 track: on black the colours add up (OR), on a
  // light background they darken (AND).
  ElementList list;
  list.Add(Track({{40, -200}, {360, -200}}, 80, lyC1));
  TObjekt text = CreateText({60, -240}, {"HEH", 100, 2, 1, false, false, 0}, lyS1);
  ASSERT_TRUE(GenerateTextStrokes(text, {lyS1, 0}));
  list.Add(std::move(text));

  struct Case {
    TRgb background;
    TRgb overlap;
  } cases[] = {{kBlack, kC1 | kS1}, {kWhite, kC1 & kS1}};
  for (const Case& c : cases) {
    TRenderContext plain = Context(lyC1);
    plain.Colours.Background = c.background;
    TRenderContext transparent = plain;
    transparent.Transparent = true;
    const TPainted opaque = PaintScene(list, plain);
    const TPainted merged = PaintScene(list, transparent);
    int overlaps = 0;
    for (int y = 160; y < 240; ++y) {
      for (int x = 40; x < 360; ++x) {
        if (!(Pixel(opaque.image, x, y) == kS1)) continue;
        ASSERT_EQ(Pixel(merged.image, x, y), c.overlap) << x << "," << y;
        ++overlaps;
      }
    }
    EXPECT_GT(overlaps, 200);
    // Alone on the background each keeps its colour in either case.
    EXPECT_EQ(merged.At(350, -200), kC1);
  }
}

TEST(PaintEdgeCases, LayerOrderFollowsTheActiveLayer) {
  ElementList list;
  list.Add(Track({{200, -50}, {200, -350}}, 60, lyC2));
  list.Add(Track({{50, -200}, {350, -200}}, 60, lyC1));
  list.Add(Track({{50, -210}, {350, -190}}, 20, lyI1));
  struct Case {
    int active;
    TRgb top;
  } cases[] = {
      {lyC1, kC1}, {lyS1, kC1}, {lyC2, kC2}, {lyS2, kC2}, {lyO, kC2},
      {lyI1, TRgb::FromColorRef(26327)},  // the inner layers are drawn over both sides
      {lyI2, TRgb::FromColorRef(26327)},
  };
  for (const Case& c : cases) {
    TRenderContext ctx = Context(lyC1);
    SetActiveLayer(ctx, c.active);
    EXPECT_EQ(PaintScene(list, ctx).At(200.5, -200.5), c.top) << c.active;
  }
}

TEST(PaintEdgeCases, HiddenLayerDrawsNothingAndHidingDeselects) {
  ElementList list;
  TObjekt& silk = list.Add(Track({{50, -200}, {350, -200}}, 60, lyS2));
  silk.Markiert = 1;
  TRenderContext ctx = Context(lyC1);
  ctx.Visible[lyS2 - 1] = 0;
  EXPECT_EQ(PaintScene(list, ctx).At(200, -200), kBackground) << "selected but hidden";
  EXPECT_TRUE(SetViewLayer(list, lyS2));
  EXPECT_EQ(silk.Markiert, 0);
  EXPECT_FALSE(SetViewLayer(list, lyS2)) << "nothing left to deselect";
  ctx.Visible[lyS2 - 1] = 1;
  EXPECT_EQ(PaintScene(list, ctx).At(200, -200), TRgb::FromColorRef(317409));
}

}  // namespace
}  // namespace corvane
