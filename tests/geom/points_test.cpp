#include "geom/points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geom_test_util.h"

namespace corvane {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(DirectionAngle, ExactValuesAndQuadrants) {
  struct Case {
    TFloatPoint b;
    double expected;
  };
  const Case cases[] = {
      {{10, 0}, 0},                // right
      {{0, -10}, kPi / 2},         // down on screen
      {{-10, 0}, kPi},             // left
      {{0, 10}, 3 * kPi / 2},      // up
      {{0, 0}, 0},                 // a == b
      {{10, -10}, kPi / 4},        // down-right
      {{-10, -10}, 3 * kPi / 4},   // down-left
      {{-10, 10}, 5 * kPi / 4},    // up-left
      {{10, 10}, 7 * kPi / 4},     // up-right
      {{10, -1e-3f}, 1e-4},        // just below +x: small, not near 2*pi
      {{10, 1e-3f}, 2 * kPi - 1e-4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "b = (" << c.b.x << ", " << c.b.y << ")");
    const double a = DirectionAngle({0, 0}, c.b);
    EXPECT_NEAR(a, c.expected, 1e-9);
    EXPECT_GE(a, 0);
    EXPECT_LT(a, 2 * kPi);
  }
  // The axis values are exact, not merely close.
  EXPECT_EQ(DirectionAngle({5, 5}, {5, 1}), kPi / 2);
  EXPECT_EQ(DirectionAngle({5, 5}, {1, 5}), kPi);
  EXPECT_EQ(DirectionAngle({5, 5}, {5, 9}), 3 * kPi / 2);
}

TEST(RotatePoint, TurnsCounterClockwiseAsDisplayed) {
  struct Case {
    TFloatPoint p, c;
    double deg;
    TFloatPoint expected;
  };
  const Case cases[] = {
      {{10, 0}, {0, 0}, 90, {0, 10}},
      {{10, 0}, {0, 0}, -90, {0, -10}},
      {{10, 0}, {0, 0}, 180, {-10, 0}},
      {{10, 0}, {0, 0}, 45, {7.0710678f, 7.0710678f}},
      {{6, 5}, {5, 5}, 90, {5, 6}},
      {{0, 10}, {0, 0}, 90, {-10, 0}},   // up turns to the left
      {{0, 10}, {0, 0}, -270, {-10, 0}},
      {{3, 4}, {3, 4}, 33, {3, 4}},      // the centre stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "deg " << c.deg);
    test::ExpectPointNear(RotatePoint(c.p, c.c, c.deg), c.expected, 1e-4);
  }
}

TEST(RotatePoint, AgreesWithOrdinaryRotationEverywhere) {
  for (int i = 0; i < 200; ++i) {
    const double deg = -400 + i * 4.3;
    const TFloatPoint p{static_cast<float>(100 * std::cos(i * 0.7)), static_cast<float>(-3000 + 50 * std::sin(i))};
    const TFloatPoint c{12.5f, -2990.0f};
    const double a = deg * kPi / 180, dx = p.x - c.x, dy = p.y - c.y;
    const TFloatPoint expected = MakePoint(c.x + dx * std::cos(a) - dy * std::sin(a), c.y + dx * std::sin(a) + dy * std::cos(a));
    test::ExpectPointNear(RotatePoint(p, c, deg), expected, 1e-3);
  }
}

TEST(PointAngleOnCircle, SidesDiagonalsAndNearTheAxis) {
  struct Case {
    TFloatPoint p;
    int expected;
  };
  const Case cases[] = {
      {{100, 0}, 0},   {{0, 100}, 90},   {{-100, 0}, 180},  {{0, -100}, 270},
      {{50, 50}, 45},  {{-50, 50}, 135}, {{-50, -50}, 225}, {{50, -50}, 315},
      {{100, 1}, 1},   {{100, -1}, 359}, {{-100, 1}, 179},  {{-100, -1}, 181},
      {{1000, -1}, 0},  // rounds to 0 from below: stays 0, not 180
      {{-1000, 1}, 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "p = (" << c.p.x << ", " << c.p.y << ")");
    EXPECT_EQ(PointAngleOnCircle({0, 0}, c.p), c.expected);
    // Independent of where the centre lies.
    EXPECT_EQ(PointAngleOnCircle({-500, 700}, {c.p.x - 500, c.p.y + 700}), c.expected);
  }
}

TEST(PointOnCircle, PolarConvention) {
  test::ExpectPointNear(PointOnCircle({10, 10}, 0, 5), {15, 10}, 1e-5);
  test::ExpectPointNear(PointOnCircle({10, 10}, 90, 5), {10, 15}, 1e-5);
  test::ExpectPointNear(PointOnCircle({10, 10}, 180, 5), {5, 10}, 1e-5);
  test::ExpectPointNear(PointOnCircle({10, 10}, 270, 5), {10, 5}, 1e-5);
  for (int deg = 0; deg < 360; deg += 7)
    EXPECT_EQ(PointAngleOnCircle({0, 0}, PointOnCircle({0, 0}, deg, 1000)), deg);
}

TEST(PointPrimitives, RoundingComparisonsAndInterpolation) {
  EXPECT_EQ(RoundPoint({2.5f, -3.5f}), (TIntPoint{2, -4}));  // ties to even
  EXPECT_EQ(FloatPoint({7, -9}), (TFloatPoint{7, -9}));
  EXPECT_TRUE(PointsEqualRounded({2.5f, 0}, {2.0f, 0.4f}));
  EXPECT_FALSE(PointsEqualRounded({3.5f, 0}, {3.0f, 0}));
  EXPECT_TRUE(PointsNear({10.4f, 0}, {12.6f, 1}, 3));
  EXPECT_FALSE(PointsNear({10.4f, 0}, {12.6f, 1}, 2));
  EXPECT_DOUBLE_EQ(Distance({0, 0}, {3, 4}), 5.0);
  test::ExpectPointNear(Interpolate({0, 0}, {10, 20}, 0.5, 0.5), {5, 10}, 0);
  test::ExpectPointNear(Interpolate({0, 0}, {10, 20}, 0, 0), {10, 20}, 0);
  test::ExpectPointNear(Interpolate({0, 0}, {10, 20}, 1, 0), {0, 20}, 0);
}

}  // namespace
}  // namespace corvane
