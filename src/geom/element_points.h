#pragma once
// Characteristic points of elements.

#include "core/float_point.h"
#include "core/objekt.h"

namespace corvane {

// Pad centre, SMD centre; the stored position of every other kind.
TFloatPoint ElementCentre(const TObjekt& e);

// The point that snaps to the grid when elements are moved: pad centre; first
// point of a track or zone; the start point of a circle on its mid radius;
// the first point of a text's first stroke; the SMD centre; the position of a
// font text. Tracks and zones without points and texts without strokes give
// their stored position.
TFloatPoint ElementRefPoint(const TObjekt& e);

// Mid radius R - (R - r)/2 of a circle or arc.
inline double MidRadius(const TObjekt& circle) {
  return circle.Mass1 - (static_cast<double>(circle.Mass1) - circle.Mass2) / 2;
}

}  // namespace corvane
