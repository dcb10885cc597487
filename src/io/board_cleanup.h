#pragma once
// Repairs run after reading and before writing a board.

#include "core/element_list.h"
#include "core/project.h"

namespace corvane {

// Removes tracks and zones with fewer than 2 points, elements on layer 0 or
// of kind 0 and texts without strokes; connections of the remaining pads to a
// removed element are dropped. A pad on a silk-screen layer loses its through
// plating; a circle whose inner radius exceeds the outer one gets the mid
// radius m with radii m + 1 and m - 1. Returns whether anything was removed.
bool CleanUpBoard(ElementList& list);

// Closes gaps in the group ids of a list. One pass over j = 1 .. NewGroupId - 1
// keeps a run of unused ids (start a, length k): when j is used and k > 0,
// every id above a drops by k. The pass keeps counting after a shift, so a
// gap that the shift moves below j stays, and a run still open at the end
// causes no shift (ids 1, 4, 5 become 1, 2, 3; ids 1, 3, 5 become 1, 2, 4).
void CompactGroupIds(ElementList& list);

// CompactGroupIds on the active board of the project.
void CompactGroupIds(TProject& project);

}  // namespace corvane
