#pragma once
// Bounding rectangles of elements for redraw, clipping, zoom-to-fit and the
// cheap rejection before areas are built. All results are normalised, in
// whole world units.

#include <optional>

#include "core/element_list.h"
#include "core/layers.h"
#include "core/objekt.h"
#include "geom/int_point.h"

namespace corvane {

// The rounded extremes of the element's points; all zero with fewer than 2.
TIntRect PointBounds(const TObjekt& e);

// The element's box including its clearance. Pads and SMD pads whose spokes
// show (ThermalApplies, or Schalter1 when forceSpokes asks for them as the
// connectivity pass does) are grown for their spokes as well.
TIntRect ElementBounds(const TObjekt& e, const TLayerState& state, bool forceSpokes = false);

// Union of the region boxes (without spokes) of the selected elements; none
// when nothing selected has a region.
std::optional<TIntRect> SelectionBounds(const ElementList& list);

// Union of ElementBounds of all elements; none for an empty list.
std::optional<TIntRect> ListBounds(const ElementList& list, const TLayerState& state);

}  // namespace corvane
