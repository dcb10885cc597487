#include "geom/smd_geometry.h"

#include <algorithm>
#include <numbers>

#include "core/units.h"
#include "geom/pad_geometry.h"
#include "geom/points.h"

namespace corvane {

TSmdCorners SmdRectangle(TFloatPoint centre, double w, double h) {
  const double x = centre.x, y = centre.y;
  return {MakePoint(x - w / 2, y + h / 2), MakePoint(x + w / 2, y + h / 2), MakePoint(x + w / 2, y - h / 2),
          MakePoint(x - w / 2, y - h / 2)};
}

TFloatPoint SmdCentre(const TObjekt& smd) {
  if (smd.Punkte.size() < 3) return {smd.X, smd.Y};
  return Interpolate(smd.Punkte[0], smd.Punkte[2], 0.5, 0.5);
}

double SmdAngle(const TObjekt& smd) {
  if (smd.Punkte.size() < 2) return 0.0;
  return DirectionAngle(smd.Punkte[0], smd.Punkte[1]) * 180 / std::numbers::pi;
}

TSmdCorners SmdCorners(std::span<const TFloatPoint> points, double w, double h) {
  if (points.size() < 3) return SmdRectangle({}, w, h);
  const TFloatPoint centre = Interpolate(points[0], points[2], 0.5, 0.5);
  const double angle = DirectionAngle(points[0], points[1]) * 180 / std::numbers::pi;
  TSmdCorners corners = SmdRectangle(centre, w, h);
  for (TFloatPoint& c : corners) c = TurnClockwise(c, centre, angle);
  return corners;
}

void ResizeSmd(TObjekt& smd, double w, double h) {
  if (!HasSmdCorners(smd)) return;
  if (w < 0) w = Distance(smd.Punkte[0], smd.Punkte[1]);
  if (h < 0) h = Distance(smd.Punkte[1], smd.Punkte[2]);
  const TSmdCorners corners = SmdCorners(smd.Punkte, w, h);
  smd.Punkte.assign(corners.begin(), corners.end());
  smd.Mass1 = static_cast<float>(w);
  smd.Mass2 = static_cast<float>(h);
}

TFloatPoint SmdSpokeEnd(const TObjekt& smd, int spoke) {
  const TFloatPoint centre = SmdCentre(smd);
  if (spoke < 1 || spoke > 8) return centre;
  const double q = smd.Freistanz;
  const double ex = smd.Mass1 / 2.0 + q, ey = smd.Mass2 / 2.0 + q;
  static constexpr int sx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
  static constexpr int sy[8] = {1, 1, 0, -1, -1, -1, 0, 1};
  const TFloatPoint end = MakePoint(centre.x + sx[spoke - 1] * ex, centre.y + sy[spoke - 1] * ey);
  return TurnClockwise(end, centre, SmdAngle(smd));
}

int32_t SmdSpokeWidth(const TObjekt& smd) {
  return Rnd(std::min(smd.Mass1, smd.Mass2) / 3.0 / 100 * smd.Wert3);
}

}  // namespace corvane
