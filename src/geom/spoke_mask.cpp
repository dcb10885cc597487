#include "geom/spoke_mask.h"

namespace corvane {

namespace {

// Builds a mask whose bit k is bit from[k] of the input.
int32_t Permute(int32_t mask, const int (&from)[8]) {
  int32_t out = 0;
  for (int k = 0; k < 8; ++k)
    if ((mask >> from[k]) & 1) out |= 1 << k;
  return out;
}

}  // namespace

int32_t SpokesTurnCW45(int32_t mask) {
  static constexpr int from[8] = {7, 0, 1, 2, 3, 4, 5, 6};
  return Permute(mask, from);
}

int32_t SpokesTurnCCW45(int32_t mask) {
  static constexpr int from[8] = {1, 2, 3, 4, 5, 6, 7, 0};
  return Permute(mask, from);
}

int32_t SpokesMirrorAcrossEW(int32_t mask) {
  static constexpr int from[8] = {4, 3, 2, 1, 0, 7, 6, 5};
  return Permute(mask, from);
}

int32_t SpokesMirrorAcrossNS(int32_t mask) {
  static constexpr int from[8] = {0, 7, 6, 5, 4, 3, 2, 1};
  return Permute(mask, from);
}

}  // namespace corvane
