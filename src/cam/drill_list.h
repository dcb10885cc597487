#pragma once
// Drilled pads of a board: the drill diameters, the cutting order of the
// holes and the text of the drill list.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/element_list.h"
#include "core/objekt.h"

namespace corvane {

// Which drilled pads take part: unplated ones, plated (through-hole) ones.
struct TDrillFilter {
  bool Unplated = true;
  bool Plated = true;
};

// The drill diameter of a pad in world units: rnd(2 * Mass2).
int32_t DrillDiameter(const TObjekt& e);

// A pad on a copper layer with a drill diameter of at least one unit that
// passes the plating filter.
bool IsDrilledPad(const TObjekt& e, const TDrillFilter& filter = {});

// The distinct drill diameters of the drilled pads, ascending.
std::vector<int32_t> DrillDiameters(const ElementList& list, const TDrillFilter& filter = {});

// The drilled pads of one diameter (or all when none is given) in cutting
// order: first the pad nearest to (0, -boardHeight), then repeatedly the
// nearest remaining one to the last; the first found wins ties.
std::vector<const TObjekt*> DrillPath(const ElementList& list, std::optional<int32_t> diameter,
                                      int32_t boardHeight, const TDrillFilter& filter = {});

// The drilled pads of one diameter in element-list order.
std::vector<const TObjekt*> DrillPads(const ElementList& list, std::optional<int32_t> diameter,
                                      const TDrillFilter& filter = {});

// The drill list: one line per diameter (count, size in mm or mil), a rule
// and the total with the word of the UI language (0 German, 1 English,
// 2 French). Lines end with "\n".
std::string DrillListText(const ElementList& list, const TDrillFilter& filter, bool mil,
                          int language);

}  // namespace corvane
