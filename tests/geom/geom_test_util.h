#pragma once
// Small fixtures shared by the geometry tests.

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "core/float_point.h"
#include "core/objekt.h"

#include "geom/int_point.h"

namespace corvane {

// Readable failure output for rectangles and points.
inline void PrintTo(const TIntRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
inline void PrintTo(const TIntPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }

}  // namespace corvane

namespace corvane::test {

inline TObjekt Track(std::vector<TFloatPoint> pts, int32_t width, uint8_t layer = 1) {
  TObjekt e;
  e.Typ = otLeiterbahn;
  e.Layer = layer;
  e.Wert1 = width;
  e.Punkte = std::move(pts);
  return e;
}

inline TObjekt Zone(std::vector<TFloatPoint> pts, int32_t width, uint8_t layer = 1) {
  TObjekt e = Track(std::move(pts), width, layer);
  e.Typ = otFlaeche;
  return e;
}

inline TObjekt Circle(TFloatPoint c, float outer, float inner, int start, int stop) {
  TObjekt e;
  e.Typ = otKreis;
  e.Layer = 1;
  e.X = c.x;
  e.Y = c.y;
  e.Mass1 = outer;
  e.Mass2 = inner;
  e.Wert2 = start;
  e.Wert1 = stop;
  return e;
}

inline void ExpectPointNear(TFloatPoint actual, TFloatPoint expected, double tol) {
  EXPECT_NEAR(actual.x, expected.x, tol);
  EXPECT_NEAR(actual.y, expected.y, tol);
}

inline void ExpectPointsNear(const std::vector<TFloatPoint>& actual, const std::vector<TFloatPoint>& expected,
                             double tol) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "point " << i);
    ExpectPointNear(actual[i], expected[i], tol);
  }
}

}  // namespace corvane::test
