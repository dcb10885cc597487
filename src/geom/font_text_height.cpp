#include "geom/font_text_height.h"

#include <cmath>

#include "core/units.h"

namespace corvane {

namespace {
constexpr double kPointsPerInch = 72.0;
constexpr double kConvertedHeightFactor = 0.9;
}  // namespace

bool ValidScreenResolution(double ppi) { return std::isfinite(ppi) && ppi > 0.0; }

int32_t FontTextWert1(double heightMm, double ppi) {
  if (!ValidScreenResolution(ppi)) return 0;
  // Ties to even are symmetric, so -rnd(v) == rnd(-v); the latter cannot overflow.
  return Rnd(-ppi * MmToWorld(heightMm) / kPointsPerInch);
}

double FontTextHeightMm(int32_t wert1, double ppi) {
  if (!ValidScreenResolution(ppi)) return 0.0;
  return -static_cast<double>(wert1) / ppi * kPointsPerInch / 100.0;
}

double ConvertedTextHeightMm(int32_t wert1, double ppi) {
  if (!ValidScreenResolution(ppi)) return 0.0;
  return std::fabs(static_cast<double>(wert1)) / ppi * kPointsPerInch / 100.0 * kConvertedHeightFactor;
}

}  // namespace corvane
