#include "geom/curve_polygons.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {
constexpr int kMinVertices = 8;
constexpr int kMaxVertices = 16384;
}  // namespace

int CircleVertexCount(double r) {
  if (!(r > kCurveSagitta)) return kMinVertices;
  const double n = std::numbers::pi / std::acos(1 - kCurveSagitta / r);
  if (!(n < kMaxVertices)) return kMaxVertices;
  return std::max(kMinVertices, static_cast<int>(std::ceil(n)));
}

int ArcEdgeCount(double r, double spanDeg) {
  const double share = std::clamp(spanDeg, 0.0, 360.0) / 360.0;
  return std::max(1, static_cast<int>(std::ceil(CircleVertexCount(r) * share)));
}

}  // namespace corvane
