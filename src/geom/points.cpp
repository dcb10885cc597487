#include "geom/points.h"

#include <cmath>
#include <numbers>

#include "core/units.h"

namespace corvane {

namespace {
constexpr double kPi = std::numbers::pi;
}  // namespace

TFloatPoint MakePoint(double x, double y) { return {static_cast<float>(x), static_cast<float>(y)}; }

TIntPoint RoundPoint(TFloatPoint p) { return {Rnd(p.x), Rnd(p.y)}; }

TFloatPoint FloatPoint(TIntPoint q) { return {static_cast<float>(q.x), static_cast<float>(q.y)}; }

bool PointsEqualRounded(TFloatPoint p, TFloatPoint q) { return RoundPoint(p) == RoundPoint(q); }

bool PointsNear(TFloatPoint p, TFloatPoint q, int tol) {
  const TIntPoint a = RoundPoint(p), b = RoundPoint(q);
  return std::abs(static_cast<int64_t>(a.x) - b.x) <= tol && std::abs(static_cast<int64_t>(a.y) - b.y) <= tol;
}

double Distance(TFloatPoint p, TFloatPoint q) {
  const double dx = static_cast<double>(q.x) - p.x, dy = static_cast<double>(q.y) - p.y;
  return std::sqrt(dx * dx + dy * dy);
}

TFloatPoint Interpolate(TFloatPoint a, TFloatPoint b, double tx, double ty) {
  return MakePoint(b.x - (static_cast<double>(b.x) - a.x) * tx, b.y - (static_cast<double>(b.y) - a.y) * ty);
}

double DirectionAngle(TFloatPoint a, TFloatPoint b) {
  // Quadrant by quadrant with the arc tangent of a positive ratio.
  const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
  if (dx > 0 && dy < 0) return std::atan(-dy / dx);
  if (dx < 0 && dy < 0) return kPi / 2 + std::atan(dx / dy);
  if (dx < 0 && dy > 0) return kPi + std::atan(dy / -dx);
  if (dx > 0 && dy > 0) return 3 * kPi / 2 + std::atan(dx / dy);
  if (dx == 0 && dy < 0) return kPi / 2;
  if (dx < 0 && dy == 0) return kPi;
  if (dx == 0 && dy > 0) return 3 * kPi / 2;
  return 0.0;
}

TFloatPoint RotatePoint(TFloatPoint p, TFloatPoint c, double deg) {
  const double r = Distance(c, p);
  double t = DirectionAngle(c, p) + kPi / 2 - deg * kPi / 180;
  if (t > 2 * kPi) t -= 2 * kPi;
  return MakePoint(c.x + r * std::sin(t), c.y + r * std::cos(t));
}

TFloatPoint PointOnCircle(TFloatPoint centre, int deg, double r) {
  const double a = deg * kPi / 180;
  return MakePoint(centre.x + r * std::cos(a), centre.y + r * std::sin(a));
}

int PointAngleOnCircle(TFloatPoint centre, TFloatPoint p) {
  const double dx = static_cast<double>(centre.x) - p.x, dy = static_cast<double>(centre.y) - p.y;
  if (dx == 0) return dy > 0 ? 270 : 90;
  int a = Rnd(std::atan(dy / dx) * 180 / kPi);
  if (a < 0) a += 180;
  if (dy > 0) a += 180;
  if (a == 0 && dx > 0) a = 180;
  else if (a == 180 && dx < 0) a = 0;
  return a;
}

}  // namespace corvane
