#pragma once
// The display unit of every length field, ruler and read-out: mm or mil.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

enum TUnitMode : uint8_t {
  umMm = 0,
  umMil = 1,
};

inline constexpr TUnitMode OtherUnit(TUnitMode unit) { return unit == umMm ? umMil : umMm; }

// Caption of the unit button and of the unit labels of length fields: "mm" or "mil".
const char* UnitCaption(TUnitMode unit);

// Length fields work in millimetres internally and show mil as mm x 39.37.
double MmToUnit(double mm, TUnitMode unit);
double UnitToMm(double shown, TUnitMode unit);

// World units (0.01 mm) to the value a field shows, and back (not rounded).
double WorldToUnit(double world, TUnitMode unit);
double UnitToWorld(double shown, TUnitMode unit);

// Text of a length in the current unit, fixed with `decimals` decimals, "." as mark.
std::string FormatLength(double world, TUnitMode unit, int decimals);

// A typed length in the current unit ("," accepted) as world units, not rounded.
std::optional<double> ParseLength(std::string_view text, TUnitMode unit);

}  // namespace corvane
