#include "render/unit_mode.h"

#include "core/units.h"
#include "render/number_format.h"

namespace corvane {

namespace {
constexpr double kWorldPerMm = 100.0;
}

const char* UnitCaption(TUnitMode unit) { return unit == umMil ? "mil" : "mm"; }

double MmToUnit(double mm, TUnitMode unit) { return unit == umMil ? mm * kMilPerMm : mm; }

double UnitToMm(double shown, TUnitMode unit) { return unit == umMil ? shown / kMilPerMm : shown; }

double WorldToUnit(double world, TUnitMode unit) { return MmToUnit(world / kWorldPerMm, unit); }

double UnitToWorld(double shown, TUnitMode unit) { return UnitToMm(shown, unit) * kWorldPerMm; }

std::string FormatLength(double world, TUnitMode unit, int decimals) {
  return FormatFixed(WorldToUnit(world, unit), decimals);
}

std::optional<double> ParseLength(std::string_view text, TUnitMode unit) {
  const std::optional<double> shown = ParseDecimal(text);
  if (!shown) return std::nullopt;
  return UnitToWorld(*shown, unit);
}

}  // namespace corvane
