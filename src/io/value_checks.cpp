#include "io/value_checks.h"

#include <cmath>
#include <cstdlib>

#include "core/layers.h"
#include "io/lay_format.h"

namespace corvane {

namespace {

bool Usable(double v) { return std::isfinite(v) && std::fabs(v) <= kMaxFileCoordinate; }
bool UsableWidth(int32_t w) { return w >= -kMaxFileWidth && w <= kMaxFileWidth; }

const char* FindBadPoint(const TObjekt& e) {
  for (const TFloatPoint& p : e.Punkte)
    if (!Usable(p.x) || !Usable(p.y)) return "Punkte";
  return nullptr;
}

const char* FindBadStroke(const TObjekt& s) {
  if (s.Typ != otLeiterbahn) return "Striche.Typ";
  if (s.Layer > kLayerCount) return "Striche.Layer";
  if (!Usable(s.X) || !Usable(s.Y) || !Usable(s.Mass1) || !Usable(s.Mass2)) return "Striche.X";
  if (!UsableWidth(s.Wert1)) return "Striche.Wert1";
  if (!UsableWidth(s.Freistanz)) return "Striche.Freistanz";
  if (FindBadPoint(s)) return "Striche.Punkte";
  return nullptr;
}

}  // namespace

int PadPointCount(int shape) {
  switch (shape) {
    case psCircular: case psRoundedH: case psRoundedV: return 2;
    case psOctagon: case psOctagonH: case psOctagonV: return 8;
    case psSquare: case psRectangleH: case psRectangleV: return 4;
    default: return 0;
  }
}

const char* FindBadElementValue(const TObjekt& e, int version) {
  if (e.Typ > otSmdPad || (e.Typ == otLinie && version >= 5)) return "Typ";
  // Elements of kind 0 or on layer 0 are removed after reading.
  if (e.Typ == otNone || e.Layer == lyNone) return nullptr;
  if (e.Layer > kLayerCount) return "Layer";
  if (!Usable(e.X)) return "X";
  if (!Usable(e.Y)) return "Y";
  if (!Usable(e.Mass1)) return "Mass1";
  if (!Usable(e.Mass2)) return "Mass2";
  if (!UsableWidth(e.Freistanz)) return "Freistanz";
  if ((e.Typ == otLeiterbahn || e.Typ == otFlaeche || e.Typ == otLinie) && !UsableWidth(e.Wert1)) return "Wert1";
  if (e.Typ == otLoetauge) {
    // A pad of an unknown shape has no outline and is drawn as nothing; it
    // loads as written so that every file the writer makes can be read back.
    const int points = PadPointCount(e.Form);
    if (points == 0 && !e.Punkte.empty()) return "Punkte";
    if (points != 0 && version >= 5 && static_cast<int>(e.Punkte.size()) != points) return "Punkte";
  }
  if (e.Typ == otSmdPad && version >= 5 && e.Punkte.size() != 4) return "Punkte";
  if (const char* bad = FindBadPoint(e)) return bad;
  for (int32_t id : e.Gruppen)
    if (id < 1 || id > kMaxGroupId) return "Gruppen";
  for (const TObjekt& s : e.Striche)
    if (const char* bad = FindBadStroke(s)) return bad;
  return nullptr;
}

const char* FindBadHeaderValue(const TPlatinenKopf& h) {
  if (h.Breite < 1 || h.Breite > kMaxFileWidth) return "Breite";
  if (h.Hoehe < 1 || h.Hoehe > kMaxFileWidth) return "Hoehe";
  if (!std::isfinite(h.Raster) || h.Raster <= 0 || h.Raster > kMaxFileCoordinate) return "Raster";
  if (!std::isfinite(h.Zoom) || h.Zoom <= 0 || h.Zoom > 1000) return "Zoom";
  if (!IsValidLayer(h.AktiverLayer)) return "AktiverLayer";
  if (h.Vorlage1Dpi < 1) return "Vorlage1Dpi";
  if (h.Vorlage2Dpi < 1) return "Vorlage2Dpi";
  return nullptr;
}

}  // namespace corvane
