#pragma once
// Conversions applied to the element lists of file versions 0..4.

#include "core/element_list.h"

namespace corvane {

// Every element on layer 1 moves to layer 3 and every element on layer 3 to layer 1.
void SwapCopperSides(ElementList& list);

// Versions 3 and 4 store a through-plated pad as two pads, one per side,
// naming each other in Partner (their twin index). The first of each pair
// becomes through-plated and takes over the connections of the second; the
// second is removed and connections to it are moved to the first. A pad that
// names itself is not a pair.
void MergeTwinPads(ElementList& list);

// New outline points for SMD pads (from Mass1 x Mass2 around X, Y) and pads
// (from shape and radius, unrotated); elements of kind 1 become tracks.
void MigrateOldElements(ElementList& list);

// Field defaults after reading the records of a version below 5: versions
// 0..2 set the clearance, circle and connection defaults as well; every
// version sets the zone, pad and SMD pad defaults; version 4 clears the
// switches of tracks and zones first.
void ApplyOldVersionDefaults(ElementList& list, int version);

}  // namespace corvane
