#include "geom/capsule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/units.h"

namespace corvane {
namespace {

// The outline computed word for word from its definition, with one sin and
// cos per cap point.
TCapsule Reference(TFloatPoint a, TFloatPoint b, int32_t width, double scale) {
  double hw = width / 2;
  if (hw == 0) hw = 1;
  if (hw * scale < 1) hw = 1 / scale;
  double dx = b.x - static_cast<double>(a.x), dy = b.y - static_cast<double>(a.y);
  if (dx == 0 && dy == 0) dy = 1;
  const double len = std::sqrt(dx * dx + dy * dy), o = hw * dy / len, n = hw * dx / len;
  double v;
  if (dx != 0) {
    v = std::atan(dy / dx) * 180 / std::numbers::pi;
    if (dx > 0) v += 180;
    if (v < 0) v += 360;
  } else {
    v = dy >= 0 ? 270 : 90;
  }
  TIntPoint u[8];
  for (int i = 1; i <= 7; ++i) {
    const double t = i * std::numbers::pi / 8 + v * std::numbers::pi / 180;
    u[i] = {Rnd(std::sin(t) * hw), Rnd(std::cos(t) * hw)};
  }
  TCapsule out;
  int k = 0;
  out[k++] = {Rnd(a.x - o), Rnd(a.y + n)};
  for (int i = 1; i <= 7; ++i) out[k++] = {Rnd(a.x + u[i].x), Rnd(a.y - u[i].y)};
  out[k++] = {Rnd(a.x + o), Rnd(a.y - n)};
  out[k++] = {Rnd(b.x + o), Rnd(b.y - n)};
  for (int i = 1; i <= 7; ++i) out[k++] = {Rnd(b.x - u[i].x), Rnd(b.y + u[i].y)};
  out[k++] = {Rnd(b.x - o), Rnd(b.y + n)};
  return out;
}

TEST(CapsuleOutline, HorizontalSegment) {
  const TCapsule c = CapsuleOutline({0, 0}, {100, 0}, 20, 1);
  const TCapsule expected = {{{0, 10},    {-4, 9},    {-7, 7},   {-9, 4},   {-10, 0},  {-9, -4},
                              {-7, -7},   {-4, -9},   {0, -10},  {100, -10}, {104, -9}, {107, -7},
                              {109, -4},  {110, 0},   {109, 4},  {107, 7},  {104, 9},  {100, 10}}};
  EXPECT_EQ(c, expected);
}

TEST(CapsuleOutline, MatchesTheDefinitionInEveryDirection) {
  for (int i = 0; i < 720; ++i) {
    const double ang = i * std::numbers::pi / 360;
    const double len = (i % 3) * 37.5;  // includes zero-length segments
    const TFloatPoint a{static_cast<float>(-1000 + i * 3.25), static_cast<float>(500 - i * 1.5)};
    const TFloatPoint b{static_cast<float>(a.x + len * std::cos(ang)), static_cast<float>(a.y + len * std::sin(ang))};
    const int32_t width = 1 + (i * 7) % 200;
    const double scale = (i % 5 == 0) ? 0.05 : 1.0;
    SCOPED_TRACE(testing::Message() << "case " << i);
    EXPECT_EQ(CapsuleOutline(a, b, width, scale), Reference(a, b, width, scale));
  }
}

TEST(CapsuleOutline, PointsLieAtHalfWidthFromTheSegment) {
  const TFloatPoint a{10, 20}, b{310, -180};
  for (TIntPoint p : CapsuleOutline(a, b, 100, 1)) {
    // Distance from the closed segment a-b.
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    const double d = std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
    EXPECT_NEAR(d, 50, 1.0);
  }
}

TEST(CapsuleOutline, DegenerateInputsGiveSmallRoundOutlines) {
  // Zero length: a vertical unit direction, a round outline around the point.
  const TCapsule dot = CapsuleOutline({5, 5}, {5, 5}, 10, 1);
  for (TIntPoint p : dot) EXPECT_NEAR(std::hypot(p.x - 5.0, p.y - 5.0), 5, 1.0);
  // Zero width: half-width 1.
  for (TIntPoint p : CapsuleOutline({0, 0}, {0, 0}, 0, 1)) {
    EXPECT_LE(std::abs(p.x), 1);
    EXPECT_LE(std::abs(p.y), 1);
  }
  // At zoom 0.05 a 10-unit track still gets a half-width of one pixel = 20 units.
  const TCapsule thin = CapsuleOutline({0, 0}, {100, 0}, 10, 0.05);
  EXPECT_EQ(thin[0], (TIntPoint{0, 20}));
  EXPECT_EQ(thin[4], (TIntPoint{-20, 0}));
}

}  // namespace
}  // namespace corvane
