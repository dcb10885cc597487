#pragma once
// Walking a long list of elements in drawing order waits mostly for memory:
// the records lie scattered on the heap. These helpers ask for the records
// (and their points) a few steps ahead.

#include <cstddef>
#include <vector>

#include "core/objekt.h"

namespace corvane {

// The parts of the record that drawing reads: kind, geometry, flags.
inline void PrefetchElement(const TObjekt* e) {
  const char* p = reinterpret_cast<const char*>(e);
  __builtin_prefetch(p);
  __builtin_prefetch(p + 64);
  __builtin_prefetch(p + 128);
}

inline void PrefetchPoints(const TObjekt* e) {
  if (!e->Punkte.empty()) __builtin_prefetch(e->Punkte.data());
}

// fn(element) for every element, with the records `ahead` steps and their
// points half as many steps ahead requested. Quick steps need more distance.
inline constexpr std::size_t kDrawAhead = 8;
inline constexpr std::size_t kScanAhead = 32;

template <std::size_t kRecordsAhead = kDrawAhead, typename Fn>
void ForEachPrefetched(const std::vector<const TObjekt*>& elements, Fn&& fn) {
  constexpr std::size_t kPointsAhead = kRecordsAhead / 2;
  const std::size_t n = elements.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i + kRecordsAhead < n) PrefetchElement(elements[i + kRecordsAhead]);
    if (i + kPointsAhead < n) PrefetchPoints(elements[i + kPointsAhead]);
    fn(*elements[i]);
  }
}

}  // namespace corvane
