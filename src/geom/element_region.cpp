#include "geom/element_region.h"

#include <cmath>
#include <numbers>
#include <span>
#include <vector>

#include "core/element_ops.h"
#include "core/units.h"
#include "geom/capsule.h"
#include "geom/curve_polygons.h"
#include "geom/element_points.h"
#include "geom/pad_geometry.h"
#include "geom/points.h"
#include "geom/smd_geometry.h"
#include "geom/spoke_mask.h"

namespace corvane {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180;

// Adds shapes given in world coordinates to an area in world units or device
// pixels. Straight outlines are rounded to whole world units first and then
// mapped point by point; curve vertices are computed exactly and rounded once
// in the target, with a vertex count chosen for the target's units.
class RegionBuilder {
 public:
  RegionBuilder(const TDeviceMapping* mapping, Area& out)
      : map_(mapping), scale_(mapping ? mapping->zoom : 1.0), out_(out) {}

  void Polygon(std::span<const TFloatPoint> pts) {
    buffer_.clear();
    for (TFloatPoint p : pts) buffer_.push_back(Target(RoundEven(p.x), RoundEven(p.y)));
    out_.AddPolygon(buffer_);
  }

  void Rectangle(double x0, double y0, double x1, double y1) {
    const double l = RoundEven(x0), r = RoundEven(x1), t = RoundEven(y0), b = RoundEven(y1);
    buffer_ = {Target(l, t), Target(r, t), Target(r, b), Target(l, b)};
    out_.AddPolygon(buffer_);
  }

  void Capsule(TFloatPoint a, TFloatPoint b, int32_t width) {
    const TCapsule c = CapsuleOutline(a, b, width, scale_);
    if (!map_) {
      out_.AddPolygon(c);
      return;
    }
    buffer_.clear();
    for (TIntPoint p : c) buffer_.push_back(Target(p.x, p.y));
    out_.AddPolygon(buffer_);
  }

  void Ellipse(double cx, double cy, double rx, double ry) {
    if (!(rx > 0) || !(ry > 0)) return;
    buffer_.clear();
    ArcPoints(cx, cy, rx, ry, 0, 360, false, buffer_);
    out_.AddPolygon(buffer_);
  }

  void Disc(double cx, double cy, double r) { Ellipse(cx, cy, r, r); }

  void Reserve(std::size_t points, std::size_t pieces) { out_.Reserve(points, pieces); }

  void Ring(double cx, double cy, double outer, double inner) {
    std::vector<std::vector<TIntPoint>> paths(2);
    ArcPoints(cx, cy, outer, outer, 0, 360, false, paths[0]);
    ArcPoints(cx, cy, inner, inner, 0, 360, false, paths[1]);
    out_.AddPolygonSet(paths);
  }

  // The ring between the radii from startDeg counter-clockwise over spanDeg;
  // an inner radius of 0 gives a pie.
  void Sector(double cx, double cy, double outer, double inner, double startDeg, double spanDeg) {
    buffer_.clear();
    ArcPoints(cx, cy, outer, outer, startDeg, spanDeg, true, buffer_);
    if (inner > 0) {
      std::vector<TIntPoint> back;
      ArcPoints(cx, cy, inner, inner, startDeg, spanDeg, true, back);
      buffer_.insert(buffer_.end(), back.rbegin(), back.rend());
    } else {
      buffer_.push_back(Target(cx, cy));
    }
    out_.AddPolygon(buffer_);
  }

  // The segment between an arc and its chord.
  void ChordSegment(double cx, double cy, double r, double startDeg, double spanDeg) {
    buffer_.clear();
    ArcPoints(cx, cy, r, r, startDeg, spanDeg, true, buffer_);
    out_.AddPolygon(buffer_);
  }

  // The straight band of half-width hw along a -> b (no caps).
  void Band(TFloatPoint a, TFloatPoint b, double hw) {
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (!(len > 0) || !(hw > 0)) return;
    const double nx = -dy / len * hw, ny = dx / len * hw;
    buffer_ = {Target(a.x + nx, a.y + ny), Target(b.x + nx, b.y + ny), Target(b.x - nx, b.y - ny),
               Target(a.x - nx, a.y - ny)};
    out_.AddPolygon(buffer_);
  }

 private:
  TIntPoint Target(double wx, double wy) const {
    return map_ ? map_->ToDevice(wx, wy) : TIntPoint{Rnd(wx), Rnd(wy)};
  }

  // Points of an elliptic arc; withEnd adds the end point of a partial arc.
  void ArcPoints(double cx, double cy, double rx, double ry, double startDeg, double spanDeg, bool withEnd,
                 std::vector<TIntPoint>& out) const {
    const int edges = ArcEdgeCount(std::max(rx, ry) * scale_, spanDeg);
    const int count = withEnd ? edges + 1 : edges;
    for (int i = 0; i < count; ++i) {
      const double a = (startDeg + spanDeg * i / edges) * kDegToRad;
      out.push_back(Target(cx + rx * std::cos(a), cy + ry * std::sin(a)));
    }
  }

  const TDeviceMapping* map_;
  double scale_;
  Area& out_;
  std::vector<TIntPoint> buffer_;
};

void AddSpokes(const TObjekt& e, RegionBuilder& b) {
  const bool pad = e.Typ == otLoetauge;
  const TFloatPoint centre = ElementCentre(e);
  const int32_t width = pad ? PadSpokeWidth(e) : SmdSpokeWidth(e);
  for (int spoke = 1; spoke <= 8; ++spoke) {
    if (!SpokeSet(e.Wert2, spoke)) continue;
    b.Capsule(pad ? PadSpokeEnd(e, spoke) : SmdSpokeEnd(e, spoke), centre, width);
  }
}

void AddPad(const TObjekt& e, RegionBuilder& b) {
  const double r = e.Mass1;
  switch (e.Form) {
    case psCircular: {
      // The disc inside the bounding square rounded to whole units.
      const double l = RoundEven(e.X - r), rt = RoundEven(e.X + r);
      const double bt = RoundEven(e.Y - r), tp = RoundEven(e.Y + r);
      b.Ellipse((l + rt) / 2, (bt + tp) / 2, (rt - l) / 2, (tp - bt) / 2);
      break;
    }
    case psRoundedH:
    case psRoundedV:
      if (e.Punkte.size() >= 2) b.Capsule(e.Punkte[0], e.Punkte[1], Rnd(2 * r));
      break;
    case psOctagon:
    case psSquare:
    case psOctagonH:
    case psRectangleH:
    case psOctagonV:
    case psRectangleV:
      b.Polygon(e.Punkte);
      break;
    default:
      break;  // an unknown shape has no outline
  }
}

void AddSegments(const TObjekt& e, RegionBuilder& b, bool closed) {
  const std::vector<TFloatPoint>& p = e.Punkte;
  if (p.size() < 2) return;
  const std::size_t capsules = closed ? p.size() : p.size() - 1;
  b.Reserve(capsules * std::tuple_size_v<TCapsule>, capsules);
  for (std::size_t i = 0; i + 1 < p.size(); ++i) b.Capsule(p[i], p[i + 1], e.Wert1);
  if (closed) b.Capsule(p.back(), p.front(), e.Wert1);
}

void AddCircle(const TObjekt& e, RegionBuilder& b) {
  const double outer = e.Mass1;
  const double inner = std::max(0.0, static_cast<double>(e.Mass2));
  if (!(outer > 0)) return;
  const int start = NormaliseDegrees(e.Wert2), stop = NormaliseDegrees(e.Wert1);
  const bool filled = e.Fuellung != 0;
  if (start == stop) {
    if (filled || inner <= 0)
      b.Disc(e.X, e.Y, outer);
    else if (inner < outer)
      b.Ring(e.X, e.Y, outer, inner);
    return;
  }
  const double span = NormaliseDegrees(stop - start);
  const double in = std::min(inner, outer);
  const double mid = outer - (outer - in) / 2;
  const double capRadius = (outer - in) / 2;
  const TFloatPoint centre{e.X, e.Y};
  const TFloatPoint s = PointOnCircle(centre, start, mid), t = PointOnCircle(centre, stop, mid);
  if (capRadius > 0) {
    b.Sector(e.X, e.Y, outer, in, start, span);
    b.Disc(s.x, s.y, capRadius);
    b.Disc(t.x, t.y, capRadius);
  }
  if (filled) {
    // The drawn chord figure: its interior and the pen along the chord.
    b.ChordSegment(e.X, e.Y, mid, start, span);
    b.Band(s, t, capRadius);
  }
}

void Build(const TObjekt& e, RegionBuilder& b, bool spokes) {
  switch (e.Typ) {
    case otLoetauge:
      AddPad(e, b);
      if (spokes) AddSpokes(e, b);
      break;
    case otSmdPad:
      if (HasSmdCorners(e)) b.Polygon(std::span(e.Punkte).first(4));
      if (spokes) AddSpokes(e, b);
      break;
    case otLeiterbahn:
      AddSegments(e, b, false);
      break;
    case otFlaeche:
      AddSegments(e, b, true);
      if (e.Punkte.size() > 2) b.Polygon(e.Punkte);
      break;
    case otKreis:
      AddCircle(e, b);
      break;
    case otText:
      for (const TObjekt& stroke : e.Striche) Build(stroke, b, false);
      break;
    case otFontText:
      b.Rectangle(e.X, e.Y, e.Mass1, e.Mass2);
      break;
    default:
      break;
  }
}

}  // namespace

Area ElementRegion(const TObjekt& e, const TDeviceMapping* mapping, bool withSpokes, const TLayerState& state,
                   bool forceSpokes) {
  Area out;
  RegionBuilder builder(mapping, out);
  const bool spokes = withSpokes && IsAnyPad(e) && e.Schalter1 == 1 && (forceSpokes || ThermalApplies(e, state));
  Build(e, builder, spokes);
  return out;
}

Area ElementRegion(const TObjekt& e, const TDeviceMapping* mapping) {
  Area out;
  RegionBuilder builder(mapping, out);
  Build(e, builder, false);
  return out;
}

}  // namespace corvane
