#include "core/view_state.h"

#include <algorithm>

#include "core/units.h"

namespace corvane {

double MaxZoomForBoard(int32_t width, int32_t height) {
  const double larger = std::max({static_cast<double>(width), static_cast<double>(height), 1.0});
  return std::max(kMinZoom, Rnd(std::min(5.0, 64000.0 / larger) * 1000.0) / 1000.0);
}

}  // namespace corvane
