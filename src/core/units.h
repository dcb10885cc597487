#pragma once
// Length units and the one rounding rule of the program.

#include <cmath>
#include <cstdint>
#include <limits>

namespace corvane {

// One world unit is 0.01 mm; all stored geometry uses it.
inline constexpr double kWorldUnitMm = 0.01;
// Inch display uses this factor (not 1000/25.4).
inline constexpr double kMilPerMm = 39.37;
// One mil in world units.
inline constexpr double kWorldUnitsPerMil = 2.54;

// Rounds to the nearest whole number, ties to even (2.5 -> 2, 3.5 -> 4).
inline double RoundEven(double v) {
  return std::nearbyint(v);  // the default floating-point mode rounds to nearest, ties to even
}

// Rounds to a 32-bit integer with ties to even; NaN gives 0 and values beyond
// the range saturate, so no caller can trigger undefined conversions.
inline int32_t Rnd(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);
  if (r >= static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (r <= static_cast<double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}

// Millimetres typed by the user to world units (x100, rounded).
inline int32_t MmToWorld(double mm) { return Rnd(mm * 100.0); }

}  // namespace corvane
