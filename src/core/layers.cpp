#include "core/layers.h"

namespace corvane {

const char* LayerLabelEnglish(int layer) {
  static const char* const labels[] = {"", "C1", "S1", "C2", "S2", "I1", "I2", "O"};
  return IsValidLayer(layer) ? labels[layer] : "";
}

const char* LayerLabelGerman(int layer) {
  static const char* const labels[] = {"", "K1", "B1", "K2", "B2", "I1", "I2", "U"};
  return IsValidLayer(layer) ? labels[layer] : "";
}

}  // namespace corvane
