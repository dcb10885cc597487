#pragma once
// Growing and shrinking an element by a world units, used to build areas
// slightly larger than an element (repaint margins, clearance checks).

#include <cstdint>

#include "core/objekt.h"

namespace corvane {

// pad: outer radius += a/2, outline rebuilt keeping shape and angle;
// track, zone: width += a; circle: outer radius += a/2, inner radius -= a/2;
// text: width of every stroke += a; SMD pad: both sides += a keeping centre
// and rotation. a = 0 changes nothing.
void GrowElement(TObjekt& e, int32_t a);

// The exact reverse of GrowElement.
void ShrinkElement(TObjekt& e, int32_t a);

}  // namespace corvane
