#include "core/element_ops.h"

#include <algorithm>
#include <vector>

#include "core/units.h"

namespace corvane {

void AddPoint(TObjekt& e, TFloatPoint p) { e.Punkte.push_back(p); }

void AddGroupId(TObjekt& e, int32_t id) { e.Gruppen.push_back(id); }

void FreeElement(TObjekt& e) {
  e.Gruppen.clear();
  e.Gruppen.shrink_to_fit();
  switch (e.Typ) {
    case otLoetauge:
    case otSmdPad:
      e.Luftlinien.clear();
      e.Luftlinien.shrink_to_fit();
      e.Punkte.clear();
      e.Punkte.shrink_to_fit();
      break;
    case otLeiterbahn:
    case otFlaeche:
      e.Punkte.clear();
      e.Punkte.shrink_to_fit();
      break;
    case otText:
      e.Striche.clear();
      e.Striche.shrink_to_fit();
      break;
    default:
      break;
  }
}

namespace {

// Copies the 77-byte disk fields (lists excepted) from source to target.
void CopyDiskFields(const TObjekt& s, TObjekt& t) {
  t.Typ = s.Typ;
  t.X = s.X;
  t.Y = s.Y;
  t.Mass1 = s.Mass1;
  t.Mass2 = s.Mass2;
  t.Wert1 = s.Wert1;
  t.Markiert = s.Markiert;
  t.Layer = s.Layer;
  t.Form = s.Form;
  t.AltGruppe = s.AltGruppe;
  t.Merker = s.Merker;
  t.Wert2 = s.Wert2;
  t.Fuellung = s.Fuellung;
  t.Freistanz = s.Freistanz;
  t.Autoroute = s.Autoroute;
  t.Schalter1 = s.Schalter1;
  t.Schalter2 = s.Schalter2;
  t.Sperrflaeche = s.Sperrflaeche;
  t.Wert3 = s.Wert3;
  t.Durchkontaktiert = s.Durchkontaktiert;
  t.Loetstopp = s.Loetstopp;
  t.ThermalStempel = s.ThermalStempel;
}

}  // namespace

void CopyElement(TObjekt& source, TObjekt& target) {
  CopyDiskFields(source, target);
  target.Text = source.Text;
  target.Name = source.Name;
  target.Punkte.clear();
  target.Striche.clear();
  target.Luftlinien.clear();
  switch (source.Typ) {
    case otFlaeche:
      // Copies of zones always have integral vertices.
      target.Geschlossen = 1;
      target.Punkte.reserve(source.Punkte.size());
      for (const TFloatPoint& p : source.Punkte)
        target.Punkte.push_back({static_cast<float>(RoundEven(p.x)), static_cast<float>(RoundEven(p.y))});
      break;
    case otLeiterbahn:
    case otSmdPad:
    case otLoetauge:
      target.Punkte = source.Punkte;
      break;
    case otText:
      target.Striche.reserve(source.Striche.size());
      for (TObjekt& stroke : source.Striche) {
        TObjekt& copy = target.Striche.emplace_back();
        CopyElement(stroke, copy);
      }
      break;
    default:
      break;
  }
  if (IsAnyPad(source)) target.Luftlinien = source.Luftlinien;
  target.Gruppen = source.Gruppen;
  target.RouteStart = source.RouteStart;
  target.RouteEnde = source.RouteEnde;
  target.Hervorgehoben = 0;
  target.Region.reset();
  target.DrcRegion.reset();
  target.DrcTreffer.clear();
  target.Kopiert = 0;
  source.Kopiert = 1;
}

void RemapReferences(const ElementList& source, ElementList& copies, std::size_t first) {
  // rank[i]: number of copied source elements before position i.
  std::vector<std::size_t> rank(source.size());
  std::size_t copied = 0;
  for (std::size_t i = 0; i < source.size(); ++i) {
    rank[i] = copied;
    if (source[i].Kopiert == 1) ++copied;
  }
  auto remap = [&](ObjRef ref) -> ObjRef {
    long i = source.IndexOf(ref);
    if (i < 0 || source[static_cast<std::size_t>(i)].Kopiert != 1) return kNoRef;
    std::size_t target = first + rank[static_cast<std::size_t>(i)];
    return target < copies.size() ? copies[target].Id() : kNoRef;
  };
  for (std::size_t k = first; k < copies.size(); ++k) {
    TObjekt& c = copies[k];
    if (IsAnyPad(c)) {
      std::vector<ObjRef> kept;
      kept.reserve(c.Luftlinien.size());
      for (ObjRef ref : c.Luftlinien) {
        ObjRef r = remap(ref);
        if (r != kNoRef) kept.push_back(r);
      }
      c.Luftlinien = std::move(kept);
    } else if (c.Typ == otLeiterbahn && c.Autoroute == 1) {
      c.RouteStart = remap(c.RouteStart);
      c.RouteEnde = remap(c.RouteEnde);
    }
  }
}

std::size_t CopyList(ElementList& source, ElementList& target) {
  const std::size_t first = target.size();
  target.Reserve(first + source.size());
  for (TObjekt& e : source) {
    auto copy = std::make_unique<TObjekt>();
    CopyElement(e, *copy);
    target.Add(std::move(copy));
  }
  RemapReferences(source, target, first);
  return first;
}

int32_t NewGroupId(const ElementList& list) {
  int32_t largest = 0;
  for (const TObjekt& e : list) largest = std::max(largest, e.LastGroupId());
  return largest + 1;
}

bool LayerVisible(int layer, const TLayerState& state) { return state.Visible(layer); }

bool IsThroughPad(const TObjekt& e) {
  return e.Typ == otLoetauge && e.Durchkontaktiert == 1 && IsCopperLayer(e.Layer);
}

bool IsHoleOnly(const TObjekt& e) { return e.Typ == otLoetauge && e.Mass1 <= e.Mass2; }

bool OnLayer(const TObjekt& e, int layer) {
  return e.Layer == layer || (IsThroughPad(e) && IsCopperLayer(layer));
}

bool OnVisibleLayer(const TObjekt& e, int layer, const TLayerState& state) {
  return (e.Layer == layer && state.Visible(layer)) ||
         (IsThroughPad(e) && IsCopperLayer(layer) && state.Visible(layer));
}

namespace {
bool AnyCopperLayerVisible(const TLayerState& state) {
  return state.Visible(lyC1) || state.Visible(lyC2) || state.Visible(lyI1) || state.Visible(lyI2);
}
}  // namespace

bool ElementVisible(const TObjekt& e, const TLayerState& state) {
  const bool visible = state.Visible(e.Layer) || (IsThroughPad(e) && AnyCopperLayerVisible(state));
  if (!visible) return false;
  if (e.Sperrflaeche) return state.GroundPlaneOn(e.Layer) && e.Layer == state.AktiverLayer;
  return true;
}

bool SameLayer(const TObjekt& a, const TObjekt& b) {
  const bool ta = IsThroughPad(a), tb = IsThroughPad(b);
  if (ta && tb) return true;
  if (ta) return IsCopperLayer(b.Layer);
  if (tb) return IsCopperLayer(a.Layer);
  return a.Layer == b.Layer;
}

bool HasSolderOpening(const TObjekt& e) {
  return e.Loetstopp == 1 && (e.Layer == lyC1 || e.Layer == lyC2 || IsThroughPad(e)) && !IsHoleOnly(e);
}

bool ThermalApplies(const TObjekt& e, const TLayerState& state) {
  if (!IsAnyPad(e) || e.Schalter1 != 1) return false;
  if (!state.GroundPlaneOn(state.AktiverLayer)) return false;
  const bool through = IsThroughPad(e);
  return (!through && e.Layer == state.AktiverLayer) || (through && IsCopperLayer(e.Layer));
}

}  // namespace corvane
