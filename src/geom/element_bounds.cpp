#include "geom/element_bounds.h"

#include <algorithm>
#include <cmath>

#include "core/element_ops.h"
#include "core/units.h"
#include "geom/element_points.h"
#include "geom/element_region.h"
#include "geom/pad_geometry.h"
#include "geom/points.h"
#include "geom/smd_geometry.h"
#include "geom/spoke_mask.h"

namespace corvane {

namespace {

// A box from world edges (any order), each rounded.
TIntRect BoxOf(double x0, double y0, double x1, double y1) {
  return NormaliseRect({Rnd(x0), Rnd(y0), Rnd(x1), Rnd(y1)});
}

int32_t OrTwenty(int32_t g) { return g == 0 ? 20 : g; }

TIntRect CircleBounds(const TObjekt& e) {
  const double cx = e.X, cy = e.Y, outer = e.Mass1, inner = e.Mass2;
  double left = cx - outer, right = cx + outer, upper = cy + outer, lower = cy - outer;
  const int start = NormaliseDegrees(e.Wert2), stop = NormaliseDegrees(e.Wert1);
  if (start != stop) {
    // Tighten every side the arc does not reach.
    const TFloatPoint s = PointOnCircle({e.X, e.Y}, start, outer), t = PointOnCircle({e.X, e.Y}, stop, outer);
    const int h = NormaliseDegrees(stop - start);
    const double l = Rnd(outer - inner);
    if (h < NormaliseDegrees(90 - start)) upper = std::max(s.y, t.y) + l;
    if (h < NormaliseDegrees(180 - start)) left = std::min(s.x, t.x) - l;
    if (h < NormaliseDegrees(270 - start)) lower = std::min(s.y, t.y) - l;
    if (h < 360 - start) right = std::max(s.x, t.x) + l;
  }
  const TIntRect ring = GrowRect(BoxOf(left, upper, right, lower), e.Freistanz);
  // The centre cross of a selected circle.
  const double c = inner / 5;
  return UnionRect(ring, BoxOf(cx - c, cy - c, cx + c, cy + c));
}

// The boxes of the spoke capsules, for spokes that reach beyond the usual
// growth (wide spokes, rotated pads, large clearances).
TIntRect WithSpokes(const TObjekt& e, TIntRect box) {
  const bool pad = e.Typ == otLoetauge;
  const TIntPoint c = RoundPoint(ElementCentre(e));
  const int32_t hw = std::max<int32_t>(1, (pad ? PadSpokeWidth(e) : SmdSpokeWidth(e)) / 2);
  for (int spoke = 1; spoke <= 8; ++spoke) {
    if (!SpokeSet(e.Wert2, spoke)) continue;
    const TIntPoint end = RoundPoint(pad ? PadSpokeEnd(e, spoke) : SmdSpokeEnd(e, spoke));
    box = UnionRect(box, GrowRect(NormaliseRect({end.x, end.y, c.x, c.y}), hw));
  }
  return box;
}

TIntRect PadBounds(const TObjekt& e, bool spokes) {
  const double r = e.Mass1, q = e.Freistanz;
  TIntRect box;
  if (e.Typ == otLoetauge && e.Form == psCircular)
    box = BoxOf(e.X - r - q, e.Y - r - q, e.X + r + q, e.Y + r + q);
  else if (e.Typ == otLoetauge && (e.Form == psRoundedH || e.Form == psRoundedV))
    box = GrowRect(PointBounds(e), OrTwenty(Rnd(1.5 * q + r)));
  else
    box = GrowRect(PointBounds(e), OrTwenty(Rnd(1.5 * q)));
  if (!spokes) return box;
  const int32_t g = e.Typ == otLoetauge ? Rnd(r / 1.5) : Rnd(std::min(e.Mass1, e.Mass2) / 3.0);
  return WithSpokes(e, GrowRect(box, g));
}

}  // namespace

TIntRect PointBounds(const TObjekt& e) {
  if (e.Punkte.size() < 2) return {};
  const TIntPoint first = RoundPoint(e.Punkte[0]);
  TIntRect r{first.x, first.y, first.x, first.y};
  for (TFloatPoint fp : e.Punkte) {
    const TIntPoint p = RoundPoint(fp);
    r.left = std::min(r.left, p.x);
    r.right = std::max(r.right, p.x);
    r.top = std::min(r.top, p.y);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

TIntRect ElementBounds(const TObjekt& e, const TLayerState& state, bool forceSpokes) {
  switch (e.Typ) {
    case otKreis:
      return CircleBounds(e);
    case otLoetauge:
    case otSmdPad: {
      const bool spokes = ThermalApplies(e, state) || (forceSpokes && e.Schalter1 == 1);
      return PadBounds(e, spokes);
    }
    case otLeiterbahn:
    case otFlaeche:
      return GrowRect(PointBounds(e), static_cast<int64_t>(OrTwenty(e.Wert1 / 2)) + e.Freistanz);
    case otText: {
      if (e.Striche.empty()) return BoxOf(e.X, e.Y, e.X, e.Y);
      TIntRect r = ElementBounds(e.Striche.front(), state);
      for (const TObjekt& s : e.Striche) r = UnionRect(r, ElementBounds(s, state));
      return r;
    }
    case otFontText:
      return GrowRect(BoxOf(e.X, e.Y, e.Mass1, e.Mass2), e.Freistanz);
    default:
      return {};
  }
}

std::optional<TIntRect> SelectionBounds(const ElementList& list) {
  std::optional<TIntRect> out;
  for (const TObjekt& e : list) {
    if (!e.Markiert) continue;
    const Area region = ElementRegion(e);
    if (region.IsEmpty()) continue;
    out = out ? UnionRect(*out, region.Bounds()) : region.Bounds();
  }
  return out;
}

std::optional<TIntRect> ListBounds(const ElementList& list, const TLayerState& state) {
  std::optional<TIntRect> out;
  for (const TObjekt& e : list) {
    const TIntRect b = ElementBounds(e, state);
    out = out ? UnionRect(*out, b) : b;
  }
  return out;
}

}  // namespace corvane
