#pragma once
// Layer numbers and the board state the layer predicates read.

#include <array>
#include <cstdint>

namespace corvane {

enum : uint8_t {
  lyNone = 0,  // "no particular layer": counts as visible
  lyC1 = 1,    // copper, side 1
  lyS1 = 2,    // silk screen, side 1
  lyC2 = 3,    // copper, side 2
  lyS2 = 4,    // silk screen, side 2
  lyI1 = 5,    // inner copper 1
  lyI2 = 6,    // inner copper 2
  lyO = 7,     // board outline
};
inline constexpr int kLayerCount = 7;

inline constexpr bool IsCopperLayer(int layer) {
  return layer == lyC1 || layer == lyC2 || layer == lyI1 || layer == lyI2;
}
inline constexpr bool IsValidLayer(int layer) { return layer >= 1 && layer <= kLayerCount; }

// "Change board side": 1<->3, 2<->4; other layers stay.
inline constexpr int OtherSideLayer(int layer) {
  switch (layer) {
    case lyC1: return lyC2;
    case lyC2: return lyC1;
    case lyS1: return lyS2;
    case lyS2: return lyS1;
    default: return layer;
  }
}

// Short layer labels: English (C1, S1, ...) and German (K1, B1, ...).
const char* LayerLabelEnglish(int layer);
const char* LayerLabelGerman(int layer);

// The per-board state that visibility, keep-out and thermal predicates need.
// Index 0 of each array is layer 1.
struct TLayerState {
  std::array<uint8_t, kLayerCount> Sichtbar{1, 1, 1, 1, 1, 1, 1};
  std::array<uint8_t, kLayerCount> MasseAn{0, 0, 0, 0, 0, 0, 0};
  int AktiverLayer = lyC2;

  bool Visible(int layer) const {
    return IsValidLayer(layer) ? Sichtbar[layer - 1] != 0 : layer == lyNone;
  }
  bool GroundPlaneOn(int layer) const { return IsValidLayer(layer) && MasseAn[layer - 1] != 0; }
};

}  // namespace corvane
