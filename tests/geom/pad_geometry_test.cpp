#include "geom/pad_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geom/element_create.h"
#include "geom/points.h"
#include "geom/transforms.h"
#include "geom_test_util.h"

namespace corvane {
namespace {

std::vector<TFloatPoint> Points(const TPadOutline& o) { return {o.points.begin(), o.points.begin() + o.count}; }

TEST(PadShapePoints, AllNineShapes) {
  // Centre (100, 200), radius 50: e = 50, m = 100, k = rnd(29.25) = 29.
  struct Case {
    int shape;
    std::vector<TFloatPoint> expected;
  };
  const Case cases[] = {
      {psCircular, {{50, 200}, {150, 200}}},
      {psOctagon, {{50, 221}, {79, 250}, {121, 250}, {150, 221}, {150, 179}, {121, 150}, {79, 150}, {50, 179}}},
      {psSquare, {{50, 250}, {150, 250}, {150, 150}, {50, 150}}},
      {psRoundedH, {{50, 200}, {150, 200}}},
      {psOctagonH, {{0, 221}, {29, 250}, {171, 250}, {200, 221}, {200, 179}, {171, 150}, {29, 150}, {0, 179}}},
      {psRectangleH, {{0, 250}, {200, 250}, {200, 150}, {0, 150}}},
      {psRoundedV, {{100, 250}, {100, 150}}},
      {psOctagonV, {{50, 271}, {79, 300}, {121, 300}, {150, 271}, {150, 129}, {121, 100}, {79, 100}, {50, 129}}},
      {psRectangleV, {{50, 300}, {150, 300}, {150, 100}, {50, 100}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "shape " << c.shape);
    test::ExpectPointsNear(Points(PadShapePoints({100, 200}, 0, 50, c.shape)), c.expected, 0);
  }
}

TEST(PadShapePoints, GrowEnlargesAndUnknownShapesHaveNoOutline) {
  test::ExpectPointsNear(Points(PadShapePoints({0, 0}, 10, 50, psSquare)), {{-60, 60}, {60, 60}, {60, -60}, {-60, -60}}, 0);
  // Oblong: the length grows by the same grow as the width.
  test::ExpectPointsNear(Points(PadShapePoints({0, 0}, 10, 50, psRectangleH)), {{-110, 60}, {110, 60}, {110, -60}, {-110, -60}}, 0);
  EXPECT_EQ(PadShapePoints({0, 0}, 0, 50, 0).count, 0);
  EXPECT_EQ(PadShapePoints({0, 0}, 0, 50, 10).count, 0);
  EXPECT_EQ(PadShapePoints({0, 0}, 0, 50, 255).count, 0);
}

TEST(PadShapePoints, OctagonCutIsRoundedTiesToEven) {
  struct Case {
    double radius;
    float k;
  };
  const Case cases[] = {{100, 58}, {300, 176}, {10, 6}, {50, 29}};  // 58.5 -> 58, 175.5 -> 176
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "radius " << c.radius);
    const TPadOutline o = PadShapePoints({0, 0}, 0, c.radius, psOctagon);
    EXPECT_FLOAT_EQ(o.points[1].x, static_cast<float>(-c.radius + c.k));
  }
}

TEST(PadAngle, UnrotatedShapesHaveAngleZero) {
  for (int shape = psCircular; shape <= psRectangleV; ++shape) {
    SCOPED_TRACE(testing::Message() << "shape " << shape);
    const TObjekt pad = CreatePad({0, 0}, 1, static_cast<uint8_t>(shape), 20, 50);
    EXPECT_EQ(PadAngle(pad), 0.0);
  }
  const TObjekt round = CreatePad({0, 0}, 1, psCircular, 20, 50);
  test::ExpectPointsNear(round.Punkte, {{-50, 0}, {50, 0}}, 0);
  EXPECT_EQ(PadAngle(TObjekt{}), 0.0);  // no points
}

TEST(PadAngle, ReadsTheRotationBackClockwise) {
  for (int shape = psCircular; shape <= psRectangleV; ++shape) {
    for (double deg : {30.0, 150.0, 200.0, 340.0}) {
      SCOPED_TRACE(testing::Message() << "shape " << shape << " deg " << deg);
      TObjekt pad = CreatePad({10, -20}, 1, static_cast<uint8_t>(shape), 20, 50);
      for (TFloatPoint& p : pad.Punkte) p = RotatePoint(p, {10, -20}, -deg);
      EXPECT_NEAR(PadAngle(pad), deg, 0.011);
    }
  }
}

TEST(RebuildPadPoints, KeepsTheAngleForANewRadiusOrShape) {
  TObjekt pad = CreatePad({100, -100}, 1, psSquare, 20, 50);
  RotateElement(pad, {100, -100}, 30);
  pad.Mass1 = 80;
  RebuildPadPoints(pad);
  EXPECT_NEAR(PadAngle(pad), 30, 0.011);
  ASSERT_EQ(pad.Punkte.size(), 4u);
  for (TFloatPoint p : pad.Punkte) EXPECT_NEAR(Distance(p, {100, -100}), 80 * std::sqrt(2.0), 1e-3);

  RebuildPadPoints(pad, psOctagon);
  EXPECT_EQ(pad.Form, psOctagon);
  EXPECT_EQ(pad.Punkte.size(), 8u);
  EXPECT_NEAR(PadAngle(pad), 30, 0.011);

  // An unrotated pad keeps exact points.
  TObjekt plain = CreatePad({0, 0}, 1, psCircular, 20, 50);
  plain.Mass1 = 60;
  RebuildPadPoints(plain);
  test::ExpectPointsNear(plain.Punkte, {{-60, 0}, {60, 0}}, 0);
}

TEST(PadSpokeEnd, OblongExtentClearanceAndRotation) {
  struct Case {
    int shape;
    int spoke;
    TFloatPoint expected;
  };
  // R = 50, clearance 10.
  const Case cases[] = {
      {psRoundedH, 1, {0, 60}},    {psRoundedH, 2, {110, 60}},  {psRoundedH, 3, {110, 0}},
      {psRoundedH, 4, {110, -60}}, {psRoundedH, 5, {0, -60}},   {psRoundedH, 7, {-110, 0}},
      {psRoundedV, 1, {0, 110}},   {psRoundedV, 3, {60, 0}},    {psRoundedV, 8, {-60, 110}},
      {psCircular, 6, {-60, -60}}, {psCircular, 0, {0, 0}},     {psCircular, 9, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "shape " << c.shape << " spoke " << c.spoke);
    TObjekt pad = CreatePad({0, 0}, 1, static_cast<uint8_t>(c.shape), 20, 50);
    pad.Freistanz = 10;
    test::ExpectPointNear(PadSpokeEnd(pad, c.spoke), c.expected, 1e-4);
  }
  TObjekt turned = CreatePad({0, 0}, 1, psSquare, 20, 50);
  turned.Freistanz = 10;
  RotateElement(turned, {0, 0}, 90);
  test::ExpectPointNear(PadSpokeEnd(turned, 1), {60, 0}, 1e-3);  // north turned to east
}

TEST(SpokeWidth, PercentOfTheBaseWidth) {
  TObjekt pad = CreatePad({0, 0}, 1, psCircular, 20, 75);
  EXPECT_EQ(PadSpokeWidth(pad), 50);
  pad.Wert3 = 300;
  EXPECT_EQ(PadSpokeWidth(pad), 150);
  pad.Wert3 = 50;
  EXPECT_EQ(PadSpokeWidth(pad), 25);
}

}  // namespace
}  // namespace corvane
