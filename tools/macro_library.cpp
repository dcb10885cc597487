#include "macro_library.h"

namespace corvane::examples {

std::vector<TFootprint> DefaultMacroLibrary() {
  std::vector<TFootprint> lib;
  for (int pins : {8, 14, 16, 18, 20}) lib.push_back(DipFootprint(pins, false));
  for (int pins : {24, 28, 32, 40}) lib.push_back(DipFootprint(pins, true));
  for (int n = 1; n <= 20; ++n) lib.push_back(HeaderFootprint(n, 1));
  for (int n = 2; n <= 20; ++n) lib.push_back(HeaderFootprint(n, 2));
  lib.push_back(To92Footprint());
  lib.push_back(To220Footprint());
  lib.push_back(AxialResistorFootprint(7.62, 5.0, 2.2));
  lib.push_back(AxialResistorFootprint(10.16, 6.4, 2.4));
  lib.push_back(AxialResistorFootprint(12.7, 9.0, 3.2));
  lib.push_back(RadialCapacitorFootprint(2.5, 6.3, true));
  lib.push_back(RadialCapacitorFootprint(5.0, 10.0, true));
  lib.push_back(RadialCapacitorFootprint(2.5, 2.5, false));
  lib.push_back(RadialCapacitorFootprint(5.0, 3.0, false));
  lib.push_back(LedFootprint(3));
  lib.push_back(LedFootprint(5));
  lib.push_back(Sot23Footprint());
  for (int pins : {8, 14, 16}) lib.push_back(SoicFootprint(pins));
  for (int code : {402, 603, 805, 1206}) lib.push_back(ChipFootprint(code));
  lib.push_back(MountingHoleFootprint(2.5));
  lib.push_back(MountingHoleFootprint(3.0));
  return lib;
}

}  // namespace corvane::examples
