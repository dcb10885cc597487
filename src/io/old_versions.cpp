#include "io/old_versions.h"

#include <utility>

#include "core/layers.h"
#include "core/units.h"
#include "geom/element_create.h"
#include "geom/pad_geometry.h"
#include "geom/smd_geometry.h"

namespace corvane {

void SwapCopperSides(ElementList& list) {
  for (TObjekt& e : list) {
    if (e.Layer == lyC1)
      e.Layer = lyC2;
    else if (e.Layer == lyC2)
      e.Layer = lyC1;
  }
}

void MergeTwinPads(ElementList& list) {
  const std::size_t m = list.size();
  for (TObjekt& e : list) e.Merker = 0;
  for (std::size_t i = 0; i < m; ++i) {
    TObjekt& pad = list[i];
    if (!IsPad(pad)) continue;
    pad.Durchkontaktiert = 0;
    const int64_t t = pad.Partner;
    if (t < 0 || t >= static_cast<int64_t>(m) || static_cast<std::size_t>(t) == i || pad.Merker != 0) continue;
    TObjekt& twin = list[static_cast<std::size_t>(t)];
    if (IsPad(twin) && twin.Partner == static_cast<int32_t>(i)) {
      pad.Durchkontaktiert = 1;
      twin.Merker = 1;
    }
  }
  // The removed twin's connections go to the pad that stays ...
  for (TObjekt& e : list) {
    if (!IsAnyPad(e) || e.Merker != 1 || e.Luftlinien.empty()) continue;
    TObjekt& keeper = list[static_cast<std::size_t>(e.Partner)];
    keeper.Luftlinien.insert(keeper.Luftlinien.end(), e.Luftlinien.begin(), e.Luftlinien.end());
  }
  // ... and connections to the removed twin now lead to that pad.
  for (TObjekt& e : list) {
    if (!IsAnyPad(e) || e.Merker != 0) continue;
    for (ObjRef& ref : e.Luftlinien) {
      const TObjekt* target = list.Find(ref);
      if (target && target->Merker == 1) ref = list[static_cast<std::size_t>(target->Partner)].Id();
    }
  }
  list.EraseIf([](const TObjekt& e) { return e.Merker == 1; });
}

void MigrateOldElements(ElementList& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    TObjekt& e = list[i];
    const TFloatPoint centre{e.X, e.Y};
    if (e.Typ == otSmdPad) {
      const TSmdCorners c = SmdRectangle(centre, Rnd(e.Mass1), Rnd(e.Mass2));
      e.Punkte.assign(c.begin(), c.end());
    } else if (e.Typ == otLoetauge) {
      const TPadOutline o = PadShapePoints(centre, 0, e.Mass1, e.Form);
      e.Punkte.assign(o.points.begin(), o.points.begin() + o.count);
    } else if (e.Typ == otLinie) {
      TObjekt track = CreateTrack(e.Wert1, e.Layer);
      track.Punkte = {centre, {e.Mass1, e.Mass2}};
      track.Freistanz = e.Freistanz;
      track.AltGruppe = e.AltGruppe;
      track.Gruppen = e.Gruppen;
      e = std::move(track);  // the new element takes the old one's place in the list
    }
  }
}

void ApplyOldVersionDefaults(ElementList& list, int version) {
  for (TObjekt& e : list) {
    e.Markiert = 0;
    e.Geschlossen = 1;
    if (version <= 2) {
      e.Freistanz = kDefaultClearance;
      e.Durchkontaktiert = 0;
      e.Luftlinien.clear();
      if (e.Typ == otKreis) {
        e.Wert1 = 0;
        e.Wert2 = 0;
        e.Fuellung = 0;
      }
    }
    if (version == 4 && (e.Typ == otLeiterbahn || e.Typ == otFlaeche)) {
      e.Schalter1 = 0;
      e.Schalter2 = 0;
    }
    if (e.Typ == otFlaeche) {
      e.Schalter1 = 0;
      e.Schalter2 = 1;
      e.Wert3 = 60;
    } else if (IsAnyPad(e)) {
      e.Wert3 = kDefaultSpokePercent;
      e.Wert2 = kDefaultSpokeMask;
      e.ThermalStempel = kThermalStamp;
      e.Schalter1 = 0;
    }
  }
}

}  // namespace corvane
