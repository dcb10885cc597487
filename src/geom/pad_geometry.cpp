#include "geom/pad_geometry.h"

#include <numbers>

#include "core/units.h"
#include "geom/points.h"

namespace corvane {

TFloatPoint TurnClockwise(TFloatPoint p, TFloatPoint c, double angle) {
  return angle == 0 ? p : RotatePoint(p, c, -angle);
}

namespace {

void SetRectangle(TPadOutline& out, double x, double y, double hw, double hh) {
  out.points = {MakePoint(x - hw, y + hh), MakePoint(x + hw, y + hh), MakePoint(x + hw, y - hh),
                MakePoint(x - hw, y - hh)};
  out.count = 4;
}

void SetOctagon(TPadOutline& out, double x, double y, double hw, double hh, double k) {
  out.points = {MakePoint(x - hw, y + hh - k), MakePoint(x - hw + k, y + hh), MakePoint(x + hw - k, y + hh),
                MakePoint(x + hw, y + hh - k),  MakePoint(x + hw, y - hh + k), MakePoint(x + hw - k, y - hh),
                MakePoint(x - hw + k, y - hh),  MakePoint(x - hw, y - hh + k)};
  out.count = 8;
}

}  // namespace

TPadOutline PadShapePoints(TFloatPoint centre, double grow, double radius, int shape) {
  TPadOutline out;
  const double x = centre.x, y = centre.y;
  const double e = grow + radius;
  const double m = grow + 2 * radius;
  // 0.585 approximates 2 - sqrt(2) (a regular octagon). Computed as 585*e/1000
  // so that an exact half stays a half and rounds to even.
  const double k = RoundEven(585.0 * e / 1000.0);
  switch (shape) {
    case psCircular:
    case psRoundedH:
      out.points[0] = MakePoint(x - e, y);
      out.points[1] = MakePoint(x + e, y);
      out.count = 2;
      break;
    case psRoundedV:
      out.points[0] = MakePoint(x, y + e);
      out.points[1] = MakePoint(x, y - e);
      out.count = 2;
      break;
    case psSquare: SetRectangle(out, x, y, e, e); break;
    case psRectangleH: SetRectangle(out, x, y, m, e); break;
    case psRectangleV: SetRectangle(out, x, y, e, m); break;
    case psOctagon: SetOctagon(out, x, y, e, e, k); break;
    case psOctagonH: SetOctagon(out, x, y, m, e, k); break;
    case psOctagonV: SetOctagon(out, x, y, e, m, k); break;
    default: break;
  }
  return out;
}

double PadAngle(const TObjekt& pad) {
  const std::size_t i = IsOctagonShape(pad.Form) ? 2 : 1;
  if (pad.Punkte.size() <= i) return 0.0;
  double a = DirectionAngle(pad.Punkte[i - 1], pad.Punkte[i]) * 180 / std::numbers::pi;
  if (pad.Form == psRoundedV) a -= 90;
  a = RoundEven(a * 100) / 100;
  if (a < 0) a += 360;
  if (a >= 360) a -= 360;
  return a;
}

void RebuildPadPoints(TObjekt& pad, int newShape) {
  const double angle = PadAngle(pad);
  if (newShape >= 0) pad.Form = static_cast<uint8_t>(newShape);
  const TFloatPoint centre{pad.X, pad.Y};
  const TPadOutline outline = PadShapePoints(centre, 0, pad.Mass1, pad.Form);
  pad.Punkte.clear();
  for (int i = 0; i < outline.count; ++i) pad.Punkte.push_back(TurnClockwise(outline.points[i], centre, angle));
}

TFloatPoint PadSpokeEnd(const TObjekt& pad, int spoke) {
  const TFloatPoint centre{pad.X, pad.Y};
  if (spoke < 1 || spoke > 8) return centre;
  const int shape = pad.Form;
  const double cx = (shape >= psRoundedH && shape <= psRectangleH) ? 2 : 1;
  const double cy = (shape >= psRoundedV && shape <= psRectangleV) ? 2 : 1;
  const double r = pad.Mass1, q = pad.Freistanz;
  const double ex = cx * r + q, ey = cy * r + q;
  // Unit steps of spokes 1..8 (north, then clockwise).
  static constexpr int sx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
  static constexpr int sy[8] = {1, 1, 0, -1, -1, -1, 0, 1};
  const TFloatPoint end = MakePoint(pad.X + sx[spoke - 1] * ex, pad.Y + sy[spoke - 1] * ey);
  return TurnClockwise(end, centre, PadAngle(pad));
}

int32_t PadSpokeWidth(const TObjekt& pad) { return Rnd(pad.Mass1 / 1.5 / 100 * pad.Wert3); }

}  // namespace corvane
