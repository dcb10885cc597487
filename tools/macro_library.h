#pragma once
// The default macro library: the footprints it holds and where they go.

#include <vector>

#include "footprints.h"

namespace corvane::examples {

// Every footprint of the library in a fixed order.
std::vector<TFootprint> DefaultMacroLibrary();

}  // namespace corvane::examples
