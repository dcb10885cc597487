#include "render/element_index.h"

#include <algorithm>
#include <cmath>

#include "core/layers.h"
#include "geom/element_bounds.h"

namespace corvane {

namespace {

// Elements covering more cells than this are tested on every query instead.
constexpr int64_t kMaxCellsPerElement = 16;
constexpr int64_t kMaxCells = int64_t{1} << 20;

}  // namespace

bool TElementIndex::Matches(const ElementList& list) const {
  if (entries_.size() != list.size()) return false;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].element != &list[i]) return false;
  return true;
}

int32_t TElementIndex::CellX(int64_t x) const {
  return static_cast<int32_t>(std::clamp<int64_t>((x - extent_.left) / cellSize_, 0, columns_ - 1));
}

int32_t TElementIndex::CellY(int64_t y) const {
  return static_cast<int32_t>(std::clamp<int64_t>((y - extent_.top) / cellSize_, 0, rows_ - 1));
}

void TElementIndex::Build(const ElementList& list) {
  ++builds_;
  valid_ = true;
  entries_.clear();
  entries_.reserve(list.size());
  const TLayerState anyState;  // the spokes are included whatever the ground planes
  connections_.clear();
  for (const TObjekt& e : list) {
    entries_.push_back({&e, e.Id(), ElementBounds(e, anyState, true)});
    if (!IsAnyPad(e)) continue;
    for (ObjRef ref : e.Luftlinien)
      if (const TObjekt* to = list.Find(ref)) connections_.push_back({&e, to, ref});
  }
  large_.clear();
  cellItems_.clear();
  cellStart_.assign(1, 0);
  columns_ = rows_ = 0;
  seen_.assign(entries_.size(), 0);
  stamp_ = 0;
  if (entries_.empty()) return;

  extent_ = entries_.front().bounds;
  for (const TEntry& en : entries_) extent_ = UnionRect(extent_, en.bounds);
  const double width = static_cast<double>(extent_.right) - extent_.left + 1;
  const double height = static_cast<double>(extent_.bottom) - extent_.top + 1;
  const double cells = static_cast<double>(std::clamp<int64_t>(static_cast<int64_t>(entries_.size()), 1, kMaxCells));
  cellSize_ = std::max<int64_t>(1, static_cast<int64_t>(std::ceil(std::sqrt(width * height / cells))));
  columns_ = static_cast<int32_t>(std::max<int64_t>(1, static_cast<int64_t>(std::ceil(width / cellSize_))));
  rows_ = static_cast<int32_t>(std::max<int64_t>(1, static_cast<int64_t>(std::ceil(height / cellSize_))));
  const std::size_t cellCount = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);

  // Two passes: count the entries of each cell, then place them.
  std::vector<uint32_t> count(cellCount + 1, 0);
  auto forCells = [&](const TEntry& en, auto&& fn) {
    const int32_t x0 = CellX(en.bounds.left), x1 = CellX(en.bounds.right);
    const int32_t y0 = CellY(en.bounds.top), y1 = CellY(en.bounds.bottom);
    for (int32_t y = y0; y <= y1; ++y)
      for (int32_t x = x0; x <= x1; ++x) fn(static_cast<std::size_t>(y) * columns_ + x);
  };
  auto isLarge = [&](const TEntry& en) {
    const int64_t span = (int64_t{CellX(en.bounds.right)} - CellX(en.bounds.left) + 1) *
                         (int64_t{CellY(en.bounds.bottom)} - CellY(en.bounds.top) + 1);
    return span > kMaxCellsPerElement;
  };
  for (uint32_t i = 0; i < entries_.size(); ++i) {
    if (isLarge(entries_[i])) {
      large_.push_back(i);
      continue;
    }
    forCells(entries_[i], [&](std::size_t c) { ++count[c + 1]; });
  }
  for (std::size_t c = 0; c < cellCount; ++c) count[c + 1] += count[c];
  cellStart_ = count;
  cellItems_.resize(count[cellCount]);
  for (uint32_t i = 0; i < entries_.size(); ++i) {
    if (isLarge(entries_[i])) continue;
    forCells(entries_[i], [&](std::size_t c) { cellItems_[count[c]++] = i; });
  }
}

bool TElementIndex::Collect(const TIntRect& clip) {
  result_.clear();
  if (entries_.empty() || !RectsMeet(clip, extent_)) return true;
  auto take = [&](uint32_t i) {
    const TEntry& en = entries_[i];
    if (!RectsMeet(en.bounds, clip)) return true;
    if (en.element->Id() != en.id) return false;
    result_.push_back(en.element);
    return true;
  };

  const int32_t x0 = CellX(clip.left), x1 = CellX(clip.right);
  const int32_t y0 = CellY(clip.top), y1 = CellY(clip.bottom);
  const int64_t queried = (int64_t{x1} - x0 + 1) * (int64_t{y1} - y0 + 1);
  if (queried * 2 >= int64_t{columns_} * rows_) {
    // Most of the board: a pass over all entries is cheaper than the cells.
    for (uint32_t i = 0; i < entries_.size(); ++i) {
      // The identity lies at the end of the record: ask for it ahead.
      if (i + 8 < entries_.size())
        __builtin_prefetch(reinterpret_cast<const char*>(entries_[i + 8].element) + sizeof(TObjekt) - sizeof(ObjRef));
      if (!take(i)) return false;
    }
    return true;
  }

  if (++stamp_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    stamp_ = 1;
  }
  hits_.clear();
  for (int32_t y = y0; y <= y1; ++y) {
    for (int32_t x = x0; x <= x1; ++x) {
      const std::size_t c = static_cast<std::size_t>(y) * columns_ + x;
      for (uint32_t k = cellStart_[c]; k < cellStart_[c + 1]; ++k) {
        const uint32_t i = cellItems_[k];
        if (seen_[i] == stamp_) continue;
        seen_[i] = stamp_;
        hits_.push_back(i);
      }
    }
  }
  hits_.insert(hits_.end(), large_.begin(), large_.end());
  std::sort(hits_.begin(), hits_.end());
  for (uint32_t i : hits_)
    if (!take(i)) return false;
  return true;
}

const std::vector<const TObjekt*>& TElementIndex::Query(const ElementList& list, const TIntRect& clip) {
  if (!valid_ || !Matches(list)) Build(list);
  if (!Collect(NormaliseRect(clip))) {
    Build(list);
    Collect(NormaliseRect(clip));
  }
  return result_;
}

}  // namespace corvane
