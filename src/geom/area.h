#pragma once
// Area: a plane point set made of polygons with integer vertices (world units
// or device pixels), the shape type of element regions.
//
// An area is a union of pieces. Each piece is one or more closed paths filled
// by the alternate (even-odd) rule. Uniting areas only collects their pieces,
// so building an element's region costs no polygon clipping; intersection and
// difference go through Clipper and give disjoint pieces.
//
// Every query treats the area as a closed set: a point on an edge is inside,
// and shapes that only touch (a shared edge or vertex) intersect. Queries are
// exact: they use integer orientation tests, never floating point. Vertex
// coordinates are clamped to +-2^29 so that every product fits in 64 bits.
// Boolean results (Intersection, Difference) are Clipper's, which drops parts
// of zero width: two areas that only touch intersect, but their Intersection
// is empty.

#include <cstdint>
#include <span>
#include <vector>

#include "geom/device_mapping.h"
#include "geom/int_point.h"

namespace corvane {

class Area {
 public:
  static constexpr int32_t kCoordinateLimit = 1 << 29;

  Area() = default;

  static Area FromRect(const TIntRect& r);
  static Area FromPolygon(std::span<const TIntPoint> points);

  // Adds one closed path filled by the alternate rule (it may cross itself).
  // Repeated points are dropped; a path without area adds nothing.
  void AddPolygon(std::span<const TIntPoint> points);
  // Adds several paths filled together by the alternate rule (outline and
  // holes, e.g. a ring).
  void AddPolygonSet(std::span<const std::vector<TIntPoint>> paths);
  // Adds the pieces of another area.
  void Unite(const Area& other);
  // Makes room for the given number of further vertices and pieces.
  void Reserve(std::size_t points, std::size_t pieces);

  bool IsEmpty() const { return pieces_.empty(); }
  // Normalised bounding box; all zero for an empty area.
  TIntRect Bounds() const { return box_; }
  // Number of pieces (a measure of the representation, not of the set).
  std::size_t PieceCount() const { return pieces_.size(); }

  bool Contains(TIntPoint p) const;
  // The closed rectangle and the area share a point.
  bool TouchesRect(const TIntRect& r) const;
  // The closed rectangle lies completely inside the area. A rectangle without
  // area (a segment or a point) counts as inside when both its end points are.
  bool ContainsRect(const TIntRect& r) const;
  // The two closed sets share a point.
  bool Intersects(const Area& other) const;

  // Size of the point set in square units (overlapping pieces count once).
  double Size() const;

  // The outline of the set as disjoint contours: outer contours turn
  // counter-clockwise in a Y-up frame (positive signed area), holes the other
  // way. Overlapping pieces are merged.
  std::vector<std::vector<TIntPoint>> Outlines() const;

  // Every vertex taken through the mapping and rounded to whole pixels.
  Area Mapped(const TDeviceMapping& mapping) const;

  friend Area Union(const Area& a, const Area& b);
  friend Area Intersection(const Area& a, const Area& b);
  friend Area Difference(const Area& a, const Area& b);

 private:
  struct Path {
    uint32_t first = 0;
    uint32_t count = 0;
  };
  struct Piece {
    uint32_t firstPath = 0;
    uint32_t pathCount = 0;
    TIntRect box;
    // One convex path turning counter-clockwise: intersected by separating axes.
    bool convex = false;
    // Outer paths counter-clockwise, holes clockwise, nothing overlapping:
    // the winding number is 0 or 1 everywhere, so Clipper's non-zero rule
    // over several such pieces gives their union.
    bool normalised = false;
  };

  std::span<const TIntPoint> PathPoints(const Path& p) const { return {points_.data() + p.first, p.count}; }
  std::span<const Path> PiecePaths(const Piece& piece) const {
    return {paths_.data() + piece.firstPath, piece.pathCount};
  }

  // Appends a piece from already cleaned paths (each >= 3 points).
  void AppendPiece(std::span<const std::vector<TIntPoint>> paths, bool normalised);
  void AddPieceFrom(const Area& other, const Piece& piece);

  bool PieceContains(const Piece& piece, TIntPoint p) const;
  bool PiecesMeet(const Piece& a, const Area& otherArea, const Piece& b) const;

  // The pieces as paths for Clipper's non-zero rule (pieces that are not
  // normalised are normalised on the way).
  friend struct AreaClipper;

  std::vector<TIntPoint> points_;
  std::vector<Path> paths_;
  std::vector<Piece> pieces_;
  TIntRect box_;
};

Area Union(const Area& a, const Area& b);
Area Intersection(const Area& a, const Area& b);
Area Difference(const Area& a, const Area& b);

}  // namespace corvane
