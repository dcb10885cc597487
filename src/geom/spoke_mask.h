#pragma once
// The thermal spoke mask of pads and SMD pads: 8 bits in the element's own
// frame before rotation. Bit 0 north (up), 1 north-east, 2 east, 3 south-east,
// 4 south, 5 south-west, 6 west, 7 north-west. East lies along the element's
// reference edge. Only the low 8 bits carry meaning; results keep only those.

#include <cstdint>

namespace corvane {

// Every spoke one step clockwise: bit k to bit k + 1, bit 7 to bit 0.
int32_t SpokesTurnCW45(int32_t mask);
// The inverse of SpokesTurnCW45.
int32_t SpokesTurnCCW45(int32_t mask);
// Reflection across the east-west line: 0<->4, 1<->3, 5<->7; 2 and 6 stay.
int32_t SpokesMirrorAcrossEW(int32_t mask);
// Reflection across the north-south line: 2<->6, 1<->7, 3<->5; 0 and 4 stay.
int32_t SpokesMirrorAcrossNS(int32_t mask);

inline bool SpokeSet(int32_t mask, int spoke) { return spoke >= 1 && spoke <= 8 && ((mask >> (spoke - 1)) & 1) != 0; }

}  // namespace corvane
