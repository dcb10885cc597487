#pragma once
// Hit tests of the mouse point against elements and their editable nodes.

#include "core/float_point.h"
#include "core/objekt.h"

namespace corvane {

// Node index NodeAt returns for the virtual node on segment i (i + this).
inline constexpr int kVirtualNodeBase = 10000;

// True when the element's region (without spokes) touches the square of
// +-c around the rounded point, c = rnd(2/zoom) but at least 1: two pixels
// either way, never less than one world unit.
bool HitTest(const TObjekt& e, TFloatPoint p, double zoom);

// The node of a track, zone or circle at the rounded point: the index of a
// vertex (the last one hit wins), or with virtualNodes kVirtualNodeBase plus
// the index of the segment whose midpoint is hit (zones include the closing
// segment), or for a circle 0 for the start and 1 for the end point on the
// mid radius. -1 when nothing is hit and for other kinds.
int NodeAt(const TObjekt& e, TFloatPoint p, double zoom, bool virtualNodes);

// Midpoint of segment i (points i and i + 1; for a zone the closing segment
// i = last runs back to point 0). The first point for an index out of range.
TFloatPoint SegmentMidpoint(const TObjekt& e, int i);

}  // namespace corvane
