// Boolean operations on areas through Clipper (integer coordinates).

#include <polyclipping/clipper.hpp>

#include "geom/area.h"
#include "geom/area_math.h"

namespace corvane {

struct AreaClipper {
  static ClipperLib::Path ToClipper(std::span<const TIntPoint> pts) {
    ClipperLib::Path path;
    path.reserve(pts.size());
    for (TIntPoint p : pts) path.emplace_back(p.x, p.y);
    return path;
  }

  static std::vector<TIntPoint> FromClipper(const ClipperLib::Path& path) {
    std::vector<TIntPoint> out;
    out.reserve(path.size());
    for (const ClipperLib::IntPoint& p : path)
      out.push_back(area_math::Clamp({static_cast<int32_t>(p.X), static_cast<int32_t>(p.Y)}));
    return out;
  }

  // All pieces as paths whose non-zero fill is the union of the pieces.
  static ClipperLib::Paths NonZeroPaths(const Area& a) {
    ClipperLib::Paths out;
    for (const Area::Piece& piece : a.pieces_) {
      ClipperLib::Paths own;
      for (const Area::Path& p : a.PiecePaths(piece)) own.push_back(ToClipper(a.PathPoints(p)));
      if (!piece.normalised) {
        // The piece's own alternate fill, turned into disjoint outlines with
        // counter-clockwise outers and clockwise holes.
        ClipperLib::Clipper c;
        c.AddPaths(own, ClipperLib::ptSubject, true);
        ClipperLib::Paths fixed;
        c.Execute(ClipperLib::ctUnion, fixed, ClipperLib::pftEvenOdd, ClipperLib::pftEvenOdd);
        own = std::move(fixed);
      }
      out.insert(out.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
    }
    return out;
  }

  // Each outer contour with its holes becomes one piece; islands inside holes
  // become pieces of their own.
  static void AddTree(Area& out, const ClipperLib::PolyNode& outer) {
    std::vector<std::vector<TIntPoint>> paths;
    paths.push_back(FromClipper(outer.Contour));
    for (const ClipperLib::PolyNode* hole : outer.Childs) paths.push_back(FromClipper(hole->Contour));
    if (paths.size() == 1)
      out.AddPolygon(paths[0]);
    else
      out.AppendPiece(paths, true);
    for (const ClipperLib::PolyNode* hole : outer.Childs)
      for (const ClipperLib::PolyNode* island : hole->Childs) AddTree(out, *island);
  }

  static Area Execute(const Area& a, const Area& b, ClipperLib::ClipType op) {
    ClipperLib::Clipper c;
    c.AddPaths(NonZeroPaths(a), ClipperLib::ptSubject, true);
    if (!b.IsEmpty()) c.AddPaths(NonZeroPaths(b), ClipperLib::ptClip, true);
    ClipperLib::PolyTree tree;
    c.Execute(op, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    Area out;
    for (const ClipperLib::PolyNode* node : tree.Childs) AddTree(out, *node);
    return out;
  }

  static ClipperLib::Paths Merged(const Area& a) {
    ClipperLib::Clipper c;
    c.AddPaths(NonZeroPaths(a), ClipperLib::ptSubject, true);
    ClipperLib::Paths out;
    c.Execute(ClipperLib::ctUnion, out, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return out;
  }
};

Area Union(const Area& a, const Area& b) {
  Area out = a;
  out.Unite(b);
  return out;
}

Area Intersection(const Area& a, const Area& b) {
  if (a.IsEmpty() || b.IsEmpty() || !RectsMeet(a.Bounds(), b.Bounds())) return Area();
  return AreaClipper::Execute(a, b, ClipperLib::ctIntersection);
}

Area Difference(const Area& a, const Area& b) {
  if (a.IsEmpty()) return Area();
  if (b.IsEmpty() || !RectsMeet(a.Bounds(), b.Bounds())) return a;
  return AreaClipper::Execute(a, b, ClipperLib::ctDifference);
}

double Area::Size() const {
  if (IsEmpty()) return 0.0;
  ClipperLib::Paths merged;
  if (pieces_.size() == 1 && pieces_[0].normalised) {
    merged = AreaClipper::NonZeroPaths(*this);
  } else {
    merged = AreaClipper::Merged(*this);
  }
  double sum = 0;
  for (const ClipperLib::Path& p : merged) sum += ClipperLib::Area(p);
  return sum;
}

std::vector<std::vector<TIntPoint>> Area::Outlines() const {
  std::vector<std::vector<TIntPoint>> out;
  if (IsEmpty()) return out;
  for (const ClipperLib::Path& p : AreaClipper::Merged(*this)) out.push_back(AreaClipper::FromClipper(p));
  return out;
}

}  // namespace corvane
