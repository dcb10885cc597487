#pragma once
// The hatch segments live in the geometry library, shared with the manufacturing output.
#include "geom/hatch_segments.h"
