#include "geom/element_points.h"

#include "geom/points.h"
#include "geom/smd_geometry.h"

namespace corvane {

TFloatPoint ElementCentre(const TObjekt& e) {
  if (e.Typ == otSmdPad) return SmdCentre(e);
  return {e.X, e.Y};
}

TFloatPoint ElementRefPoint(const TObjekt& e) {
  switch (e.Typ) {
    case otLeiterbahn:
    case otFlaeche:
      if (!e.Punkte.empty()) return e.Punkte.front();
      break;
    case otKreis:
      return PointOnCircle({e.X, e.Y}, NormaliseDegrees(e.Wert2), MidRadius(e));
    case otText:
      if (!e.Striche.empty() && !e.Striche.front().Punkte.empty()) return e.Striche.front().Punkte.front();
      break;
    case otSmdPad:
      return SmdCentre(e);
    default:
      break;
  }
  return {e.X, e.Y};
}

}  // namespace corvane
