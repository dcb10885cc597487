#include "geom/capsule.h"

#include <cmath>
#include <numbers>

#include "core/units.h"

namespace corvane {

namespace {

constexpr double kPi = std::numbers::pi;

// sin and cos of i*pi/8 for i = 1..7; the cap points use the angle sum
// sin(i*pi/8 + v), cos(i*pi/8 + v) with one sin/cos of v per outline.
struct StepTable {
  double s[8];
  double c[8];
  StepTable() {
    for (int i = 0; i < 8; ++i) {
      s[i] = std::sin(i * kPi / 8);
      c[i] = std::cos(i * kPi / 8);
    }
  }
};

const StepTable& Steps() {
  static const StepTable table;
  return table;
}

// rnd(base + k) for whole numbers k. Unless base lies exactly halfway
// between two integers, the nearest integer to base + k is rnd(base) + k, so
// one rounding serves every point of a cap.
class ShiftedRound {
 public:
  explicit ShiftedRound(double base)
      : base_(base), r_(Rnd(base)), exact_(std::abs(base) < (1 << 30) && base - std::floor(base) != 0.5) {}
  int32_t operator()(int32_t k) const { return exact_ ? r_ + k : Rnd(base_ + k); }

 private:
  double base_;
  int32_t r_;
  bool exact_;
};

}  // namespace

TCapsule CapsuleOutline(TFloatPoint a, TFloatPoint b, int32_t width, double scale) {
  // A zero or negative width keeps the minimum half-width of 1.
  double hw = width / 2;
  if (hw <= 0) hw = 1;
  if (scale > 0 && hw * scale < 1) hw = 1 / scale;

  const double ax = a.x, ay = a.y, bx = b.x, by = b.y;
  double dx = bx - ax, dy = by - ay;
  if (dx == 0 && dy == 0) dy = 1;
  const double len = std::sqrt(dx * dx + dy * dy);
  const double o = hw * dy / len, n = hw * dx / len;

  double v;  // cap angle, degrees
  if (dx != 0) {
    v = std::atan(dy / dx) * 180 / kPi;
    if (dx > 0) v += 180;
    if (v < 0) v += 360;
  } else {
    v = dy >= 0 ? 270 : 90;
  }
  const double vr = v * kPi / 180;
  const double sv = std::sin(vr), cv = std::cos(vr);

  const StepTable& t = Steps();
  TIntPoint u[8];
  for (int i = 1; i <= 7; ++i) {
    const double sinSum = t.s[i] * cv + t.c[i] * sv;  // sin(i*pi/8 + v)
    const double cosSum = t.c[i] * cv - t.s[i] * sv;  // cos(i*pi/8 + v)
    u[i] = {Rnd(sinSum * hw), Rnd(cosSum * hw)};
  }

  const ShiftedRound rax(ax), ray(ay), rbx(bx), rby(by);
  TCapsule out;
  int k = 0;
  out[k++] = {Rnd(ax - o), Rnd(ay + n)};
  for (int i = 1; i <= 7; ++i) out[k++] = {rax(u[i].x), ray(-u[i].y)};
  out[k++] = {Rnd(ax + o), Rnd(ay - n)};
  out[k++] = {Rnd(bx + o), Rnd(by - n)};
  for (int i = 1; i <= 7; ++i) out[k++] = {rbx(-u[i].x), rby(u[i].y)};
  out[k++] = {Rnd(bx - o), Rnd(by + n)};
  return out;
}

}  // namespace corvane
