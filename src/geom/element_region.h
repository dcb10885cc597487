#pragma once
// The area an element covers, for hit tests, selection frames, connectivity
// and the design rule check.

#include "core/layers.h"
#include "core/objekt.h"
#include "geom/area.h"
#include "geom/device_mapping.h"

namespace corvane {

// Region of e in world units, or in device pixels when mapping is given (the
// shape is built in world units and taken through the mapping point by point;
// curves are divided finely enough for the target's units, and capsules keep
// at least one pixel of half-width). Per kind:
//  pad: disc (shape 1), capsule (4, 7) or the polygon of its points;
//  SMD pad: the polygon of its corners;
//  track: capsules of its segments; zone: the same plus the closing segment
//  and, with more than 2 points, the polygon interior;
//  circle: ring or disc, for an arc the ring sector with round caps (filled
//  arcs add the chord segment); text: its strokes; font text: the rectangle
//  of its two points.
// Thermal spokes of a pad or SMD pad with Schalter1 are added when withSpokes
// is set and either ThermalApplies(e, state) holds or forceSpokes is set
// (connectivity treats spokes as copper).
Area ElementRegion(const TObjekt& e, const TDeviceMapping* mapping, bool withSpokes, const TLayerState& state,
                   bool forceSpokes = false);

// Region without spokes.
Area ElementRegion(const TObjekt& e, const TDeviceMapping* mapping = nullptr);

}  // namespace corvane
