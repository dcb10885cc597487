#include "geom/hit_test.h"

#include <algorithm>
#include <cmath>

#include "core/units.h"
#include "geom/element_points.h"
#include "geom/element_region.h"
#include "geom/points.h"

namespace corvane {

namespace {

// p lies in [rnd(v - t), rnd(v + t)) in both coordinates.
bool NodeHit(TIntPoint p, TFloatPoint v, double t) {
  return p.x >= Rnd(v.x - t) && p.x < Rnd(v.x + t) && p.y >= Rnd(v.y - t) && p.y < Rnd(v.y + t);
}

bool ValidZoom(double zoom) { return zoom > 0 && std::isfinite(zoom); }

}  // namespace

bool HitTest(const TObjekt& e, TFloatPoint p, double zoom) {
  const int32_t c = std::max<int32_t>(1, ValidZoom(zoom) ? Rnd(2 / zoom) : 1);
  const TIntPoint q = RoundPoint(p);
  return ElementRegion(e).TouchesRect(GrowRect({q.x, q.y, q.x, q.y}, c));
}

TFloatPoint SegmentMidpoint(const TObjekt& e, int i) {
  const std::vector<TFloatPoint>& pts = e.Punkte;
  if (pts.empty()) return {e.X, e.Y};
  if (i < 0 || static_cast<std::size_t>(i) >= pts.size()) return pts.front();
  const std::size_t next = static_cast<std::size_t>(i) + 1;
  if (next < pts.size()) return Interpolate(pts[i], pts[next], 0.5, 0.5);
  return e.Typ == otFlaeche ? Interpolate(pts[i], pts.front(), 0.5, 0.5) : pts[i];
}

int NodeAt(const TObjekt& e, TFloatPoint p, double zoom, bool virtualNodes) {
  if (!ValidZoom(zoom)) return -1;
  const TIntPoint q = RoundPoint(p);
  if (e.Typ == otLeiterbahn || e.Typ == otFlaeche) {
    double t = e.Wert1 / 2.4;
    if (t * zoom < 3) t = Rnd(3 / zoom);
    const std::vector<TFloatPoint>& pts = e.Punkte;
    int hit = -1;
    for (std::size_t i = 0; i < pts.size(); ++i)
      if (NodeHit(q, pts[i], t)) hit = static_cast<int>(i);
    if (hit >= 0 || !virtualNodes || pts.size() < 2) return hit;
    const std::size_t segments = e.Typ == otFlaeche ? pts.size() : pts.size() - 1;
    for (std::size_t i = 0; i < segments; ++i)
      if (NodeHit(q, SegmentMidpoint(e, static_cast<int>(i)), t)) hit = kVirtualNodeBase + static_cast<int>(i);
    return hit;
  }
  if (e.Typ == otKreis) {
    const double t = std::max(Rnd((static_cast<double>(e.Mass1) - e.Mass2) / 2), Rnd(3 / zoom));
    const double mid = MidRadius(e);
    const TFloatPoint centre{e.X, e.Y};
    int hit = -1;
    if (NodeHit(q, PointOnCircle(centre, NormaliseDegrees(e.Wert2), mid), t)) hit = 0;
    if (NodeHit(q, PointOnCircle(centre, NormaliseDegrees(e.Wert1), mid), t)) hit = 1;
    return hit;
  }
  return -1;
}

}  // namespace corvane
