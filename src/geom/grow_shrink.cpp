#include "geom/grow_shrink.h"

#include <algorithm>
#include <limits>

#include "geom/pad_geometry.h"
#include "geom/smd_geometry.h"

namespace corvane {

namespace {

int32_t SaturatedAdd(int32_t v, int64_t a) {
  return static_cast<int32_t>(std::clamp<int64_t>(v + a, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

void Change(TObjekt& e, int64_t a) {
  if (a == 0) return;
  const double half = static_cast<double>(a) / 2.0;
  switch (e.Typ) {
    case otLoetauge:
      e.Mass1 = static_cast<float>(e.Mass1 + half);
      RebuildPadPoints(e);
      break;
    case otLeiterbahn:
    case otFlaeche:
      e.Wert1 = SaturatedAdd(e.Wert1, a);
      break;
    case otKreis:
      e.Mass1 = static_cast<float>(e.Mass1 + half);
      e.Mass2 = static_cast<float>(e.Mass2 - half);
      break;
    case otText:
      for (TObjekt& s : e.Striche) s.Wert1 = SaturatedAdd(s.Wert1, a);
      break;
    case otSmdPad:
      // A side never becomes negative (ResizeSmd reads a negative side as "keep").
      ResizeSmd(e, std::max(0.0, e.Mass1 + static_cast<double>(a)), std::max(0.0, e.Mass2 + static_cast<double>(a)));
      break;
    default:
      break;
  }
}

}  // namespace

void GrowElement(TObjekt& e, int32_t a) { Change(e, a); }

void ShrinkElement(TObjekt& e, int32_t a) { Change(e, -static_cast<int64_t>(a)); }

}  // namespace corvane
