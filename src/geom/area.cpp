#include "geom/area.h"

#include <algorithm>

#include "geom/area_math.h"

namespace corvane {

using area_math::Clamp;
using area_math::Cross;
using area_math::OnSegment;
using area_math::SegmentsMeet;

namespace {

// Clamps, drops repeated points (also a closing repetition of the first).
std::vector<TIntPoint> CleanPath(std::span<const TIntPoint> in) {
  std::vector<TIntPoint> out;
  out.reserve(in.size());
  for (TIntPoint p : in) {
    p = Clamp(p);
    if (out.empty() || out.back() != p) out.push_back(p);
  }
  while (out.size() > 1 && out.back() == out.front()) out.pop_back();
  return out;
}

// True when the path has no extent across: every point on one line.
bool AllCollinear(std::span<const TIntPoint> pts) {
  for (std::size_t i = 2; i < pts.size(); ++i)
    if (Cross(pts[0], pts[1], pts[i]) != 0) return false;
  return true;
}

TIntRect PathBox(std::span<const TIntPoint> pts) {
  TIntRect r{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
  for (TIntPoint p : pts) {
    r.left = std::min(r.left, p.x);
    r.right = std::max(r.right, p.x);
    r.top = std::min(r.top, p.y);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

// Closed convex polygons, both counter-clockwise, share a point unless one of
// them lies strictly outside an edge line of the other (separating axes).
bool ConvexMeet(std::span<const TIntPoint> a, std::span<const TIntPoint> b) {
  auto separatedByEdgeOf = [](std::span<const TIntPoint> p, std::span<const TIntPoint> q) {
    const std::size_t n = p.size();
    for (std::size_t j = n - 1, i = 0; i < n; j = i++) {
      const TIntPoint s = p[j], e = p[i];
      bool allOutside = true;
      for (TIntPoint v : q) {
        if (Cross(s, e, v) >= 0) {
          allOutside = false;
          break;
        }
      }
      if (allOutside) return true;
    }
    return false;
  };
  return !separatedByEdgeOf(a, b) && !separatedByEdgeOf(b, a);
}

}  // namespace

Area Area::FromRect(const TIntRect& r) {
  const TIntRect n = NormaliseRect(r);
  const TIntPoint pts[4] = {{n.left, n.top}, {n.right, n.top}, {n.right, n.bottom}, {n.left, n.bottom}};
  return FromPolygon(pts);
}

Area Area::FromPolygon(std::span<const TIntPoint> points) {
  Area a;
  a.AddPolygon(points);
  return a;
}

void Area::AppendPiece(std::span<const std::vector<TIntPoint>> paths, bool normalised) {
  Piece piece;
  piece.firstPath = static_cast<uint32_t>(paths_.size());
  piece.pathCount = static_cast<uint32_t>(paths.size());
  piece.normalised = normalised;
  bool firstBox = true;
  for (const std::vector<TIntPoint>& path : paths) {
    paths_.push_back({static_cast<uint32_t>(points_.size()), static_cast<uint32_t>(path.size())});
    points_.insert(points_.end(), path.begin(), path.end());
    const TIntRect b = PathBox(path);
    piece.box = firstBox ? b : UnionRect(piece.box, b);
    firstBox = false;
  }
  piece.convex = false;  // several paths (outline and holes)
  box_ = pieces_.empty() ? piece.box : UnionRect(box_, piece.box);
  pieces_.push_back(piece);
}

void Area::Reserve(std::size_t points, std::size_t pieces) {
  points_.reserve(points_.size() + points);
  paths_.reserve(paths_.size() + pieces);
  pieces_.reserve(pieces_.size() + pieces);
}

void Area::AddPolygon(std::span<const TIntPoint> points) {
  // The path is cleaned straight into the point store and dropped again when
  // it turns out to enclose nothing.
  const std::size_t first = points_.size();
  points_.resize(first + points.size());
  TIntPoint* out = points_.data() + first;
  TIntRect box;
  auto dropRepeats = [out, &box](std::size_t count) {
    if (count == 0) return count;
    std::size_t n = 1;
    TIntPoint last = out[0];
    box = {last.x, last.y, last.x, last.y};
    for (std::size_t i = 1; i < count; ++i) {
      const TIntPoint p = out[i];
      if (p == last) continue;
      out[n++] = last = p;
      box.left = std::min(box.left, p.x);
      box.right = std::max(box.right, p.x);
      box.top = std::min(box.top, p.y);
      box.bottom = std::max(box.bottom, p.y);
    }
    while (n > 1 && out[n - 1] == out[0]) --n;
    return n;
  };
  std::copy(points.begin(), points.end(), out);
  std::size_t n = dropRepeats(points.size());
  const TIntRect lim{-kCoordinateLimit, -kCoordinateLimit, kCoordinateLimit, kCoordinateLimit};
  if (n > 0 && !RectContainsRect(lim, box)) {
    for (std::size_t i = 0; i < n; ++i) out[i] = Clamp(out[i]);
    n = dropRepeats(n);
  }
  points_.resize(first + n);
  const std::span<TIntPoint> path(points_.data() + first, n);
  const area_math::PathFacts facts = area_math::AnalysePath(path);
  if (n < 3 || facts.collinear) {
    points_.resize(first);
    return;
  }
  // Convex paths are stored counter-clockwise. The turning sense of any other
  // path does not matter: it is filled by the alternate rule and normalised
  // before a boolean operation.
  if (facts.convex && facts.clockwise) std::reverse(path.begin(), path.end());

  Piece piece;
  piece.firstPath = static_cast<uint32_t>(paths_.size());
  piece.pathCount = 1;
  piece.box = box;
  // A convex path is simple; any other may cross itself and is normalised
  // only when a boolean operation needs it.
  piece.convex = facts.convex;
  piece.normalised = facts.convex;
  paths_.push_back({static_cast<uint32_t>(first), static_cast<uint32_t>(n)});
  box_ = pieces_.empty() ? piece.box : UnionRect(box_, piece.box);
  pieces_.push_back(piece);
}

void Area::AddPolygonSet(std::span<const std::vector<TIntPoint>> paths) {
  std::vector<std::vector<TIntPoint>> clean;
  for (const std::vector<TIntPoint>& p : paths) {
    std::vector<TIntPoint> c = CleanPath(p);
    if (c.size() >= 3 && !AllCollinear(c)) clean.push_back(std::move(c));
  }
  if (clean.empty()) return;
  if (clean.size() == 1) {
    AddPolygon(clean[0]);
    return;
  }
  AppendPiece(clean, false);
}

void Area::AddPieceFrom(const Area& other, const Piece& piece) {
  Piece copy = piece;
  copy.firstPath = static_cast<uint32_t>(paths_.size());
  for (const Path& p : other.PiecePaths(piece)) {
    paths_.push_back({static_cast<uint32_t>(points_.size()), p.count});
    const auto pts = other.PathPoints(p);
    points_.insert(points_.end(), pts.begin(), pts.end());
  }
  box_ = pieces_.empty() ? copy.box : UnionRect(box_, copy.box);
  pieces_.push_back(copy);
}

void Area::Unite(const Area& other) {
  if (&other == this) return;  // a set united with itself stays the same
  points_.reserve(points_.size() + other.points_.size());
  for (const Piece& piece : other.pieces_) AddPieceFrom(other, piece);
}

bool Area::PieceContains(const Piece& piece, TIntPoint p) const {
  if (!RectContains(piece.box, p)) return false;
  bool inside = false;
  for (const Path& path : PiecePaths(piece)) {
    const auto pts = PathPoints(path);
    const std::size_t n = pts.size();
    for (std::size_t j = n - 1, i = 0; i < n; j = i++) {
      const TIntPoint a = pts[j], b = pts[i];
      if (OnSegment(a, b, p)) return true;
      // Crossings of the ray from p towards +x, half-open in y.
      if (a.y <= p.y && b.y > p.y) {
        if (Cross(a, b, p) > 0) inside = !inside;
      } else if (b.y <= p.y && a.y > p.y) {
        if (Cross(a, b, p) < 0) inside = !inside;
      }
    }
  }
  return inside;
}

bool Area::Contains(TIntPoint p) const {
  if (!RectContains(box_, p)) return false;
  for (const Piece& piece : pieces_)
    if (PieceContains(piece, p)) return true;
  return false;
}

bool Area::PiecesMeet(const Piece& a, const Area& otherArea, const Piece& b) const {
  if (!RectsMeet(a.box, b.box)) return false;
  if (a.convex && b.convex) return ConvexMeet(PathPoints(paths_[a.firstPath]), otherArea.PathPoints(otherArea.paths_[b.firstPath]));
  // Boundaries that meet: the closed sets share that point.
  for (const Path& pa : PiecePaths(a)) {
    const auto ap = PathPoints(pa);
    for (const Path& pb : otherArea.PiecePaths(b)) {
      const auto bp = otherArea.PathPoints(pb);
      for (std::size_t j = ap.size() - 1, i = 0; i < ap.size(); j = i++) {
        const TIntPoint a0 = ap[j], a1 = ap[i];
        const TIntRect ea = NormaliseRect({a0.x, a0.y, a1.x, a1.y});
        if (!RectsMeet(ea, b.box)) continue;
        for (std::size_t l = bp.size() - 1, k = 0; k < bp.size(); l = k++)
          if (SegmentsMeet(a0, a1, bp[l], bp[k])) return true;
      }
    }
  }
  // Boundaries apart: the sets meet only if a whole boundary path of one lies
  // inside the other, which one vertex per path decides.
  for (const Path& pa : PiecePaths(a))
    if (otherArea.PieceContains(b, points_[pa.first])) return true;
  for (const Path& pb : otherArea.PiecePaths(b))
    if (PieceContains(a, otherArea.points_[pb.first])) return true;
  return false;
}

bool Area::Intersects(const Area& other) const {
  if (IsEmpty() || other.IsEmpty() || !RectsMeet(box_, other.box_)) return false;
  for (const Piece& a : pieces_) {
    if (!RectsMeet(a.box, other.box_)) continue;
    for (const Piece& b : other.pieces_)
      if (PiecesMeet(a, other, b)) return true;
  }
  return false;
}

bool Area::TouchesRect(const TIntRect& r) const {
  const TIntRect n = NormaliseRect(r);
  if (IsEmpty() || !RectsMeet(box_, n)) return false;
  if (n.left == n.right || n.top == n.bottom) {
    // A rectangle without area is a segment or a point.
    const TIntPoint a{n.left, n.top}, b{n.right, n.bottom};
    if (Contains(a) || Contains(b)) return true;
    for (const Piece& piece : pieces_)
      for (const Path& path : PiecePaths(piece)) {
        const auto pts = PathPoints(path);
        for (std::size_t j = pts.size() - 1, i = 0; i < pts.size(); j = i++)
          if (SegmentsMeet(a, b, pts[j], pts[i])) return true;
      }
    return false;
  }
  return Intersects(FromRect(n));
}

bool Area::ContainsRect(const TIntRect& r) const {
  const TIntRect n = NormaliseRect(r);
  if (IsEmpty() || !RectContainsRect(box_, n)) return false;
  if (n.left == n.right || n.top == n.bottom) return Contains({n.left, n.top}) && Contains({n.right, n.bottom});
  return Difference(FromRect(n), *this).IsEmpty();
}

Area Area::Mapped(const TDeviceMapping& mapping) const {
  Area out;
  for (const Piece& piece : pieces_) {
    std::vector<std::vector<TIntPoint>> paths;
    for (const Path& path : PiecePaths(piece)) {
      std::vector<TIntPoint> mapped;
      mapped.reserve(path.count);
      for (TIntPoint p : PathPoints(path)) mapped.push_back(mapping.ToDevice(p.x, p.y));
      if (mapping.ReversesOrientation()) std::reverse(mapped.begin(), mapped.end());
      paths.push_back(std::move(mapped));
    }
    // Rounding to pixels may spoil convexity or normal form; both are re-derived.
    if (paths.size() == 1)
      out.AddPolygon(paths[0]);
    else
      out.AddPolygonSet(paths);
  }
  return out;
}

}  // namespace corvane
