#pragma once
// TElementIndex: a spatial index over the bounds of a list's elements that
// answers "which elements meet this rectangle" in list order, so that drawing
// through it keeps the drawing order.
//
// Rule for keeping it up to date. Entries are keyed by element identity
// (TObjekt::Id) and list position, and the index is rebuilt lazily by the
// next query when
//  - Invalidate() was called since the last build,
//  - the list has another length or another element at any position
//    (elements added, removed or reordered), or
//  - a candidate found has another identity than the one recorded.
// Changes inside an element (moved, resized, other layer, clearance, thermal
// switch, connections) are not visible to these checks: whoever edits elements in
// place calls Invalidate(), together with the repaint it requests anyway.
//
// Bounds are ElementBounds with the spokes of every thermal pad included, so
// they do not depend on the active layer or the ground-plane switches.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/element_list.h"
#include "geom/int_point.h"

namespace corvane {

class TElementIndex {
 public:
  void Invalidate() { valid_ = false; }

  // The elements of `list` whose bounds meet `clip` (normalised world
  // rectangle), in list order. The result stays valid until the next call.
  const std::vector<const TObjekt*>& Query(const ElementList& list, const TIntRect& clip);

  // Every rubber-band connection of the list, once from each end, in list
  // order of the first end (their lines may cross any rectangle), resolved as
  // of the last Query. A partner whose identity no longer matches ToId has
  // been replaced: the connection is stale.
  struct TConnection {
    const TObjekt* From;
    const TObjekt* To;
    ObjRef ToId;
  };
  const std::vector<TConnection>& Connections() const { return connections_; }

  // How often the index has been built (lets callers and tests see laziness).
  std::size_t BuildCount() const { return builds_; }

 private:
  struct TEntry {
    const TObjekt* element;
    ObjRef id;
    TIntRect bounds;
  };

  bool Matches(const ElementList& list) const;
  void Build(const ElementList& list);
  // Candidates in list order; false when a candidate's identity changed.
  bool Collect(const TIntRect& clip);
  int32_t CellX(int64_t x) const;
  int32_t CellY(int64_t y) const;

  bool valid_ = false;
  std::size_t builds_ = 0;
  std::vector<TEntry> entries_;
  TIntRect extent_{};  // union of all bounds
  // Uniform grid; elements spanning many cells are kept aside in large_.
  int64_t cellSize_ = 1;
  int32_t columns_ = 0;
  int32_t rows_ = 0;
  std::vector<uint32_t> cellStart_;  // columns_ * rows_ + 1 offsets into cellItems_
  std::vector<uint32_t> cellItems_;
  std::vector<uint32_t> large_;
  std::vector<TConnection> connections_;
  // Query scratch.
  std::vector<uint32_t> seen_;
  uint32_t stamp_ = 0;
  std::vector<uint32_t> hits_;
  std::vector<const TObjekt*> result_;
};

}  // namespace corvane
