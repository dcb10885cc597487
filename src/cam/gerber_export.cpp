#include "cam/gerber_export.h"

#include <cctype>
#include <memory>

#include "cam/gerber_file.h"
#include "cam/origin_shift.h"
#include "core/element_ops.h"
#include "core/layers.h"
#include "core/units.h"

namespace corvane {

namespace {

struct TTargetInfo {
  const char* Name;
  int Layer;
  const char* File[3];
  const char* LayerName[3];
};

constexpr TTargetInfo kInfo[kGerberTargetCount] = {
    {"C1", lyC1, {"Kupfer1.GBR", "Copper1.GBR", "Cuivre1.GBR"}, {"KUPFERSEITE1", "COPPER1", "CUIVRE1"}},
    {"S1", lyS1, {"Bestueckung1.GBR", "Silkscreen1.GBR", "Serigraphie1.GBR"},
     {"BESTUECKUNG1", "SILKSCREEN1", "SERIGRAPHIE1"}},
    {"C2", lyC2, {"Kupfer2.GBR", "Copper2.GBR", "Cuivre2.GBR"}, {"KUPFERSEITE2", "COPPER2", "CUIVRE2"}},
    {"S2", lyS2, {"Bestueckung2.GBR", "Silkscreen2.GBR", "Serigraphie2.GBR"},
     {"BESTUECKUNG2", "SILKSCREEN2", "SERIGRAPHIE2"}},
    {"I1", lyI1, {"Inner1.GBR", "Inner1.GBR", "Inner1.GBR"}, {"INNER1", "INNER1", "INNER1"}},
    {"I2", lyI2, {"Inner2.GBR", "Inner2.GBR", "Inner2.GBR"}, {"INNER2", "INNER2", "INNER2"}},
    {"O", lyO, {"Umriss.GBR", "Outline.GBR", "Outline.GBR"}, {"KONTUR", "OUTLINE", "OUTLINE"}},
    {"LStop1", lyC1, {"Loetstop1.GBR", "Soldermask1.GBR", "Masquesoudure1.GBR"},
     {"LOETSTOP1", "SOLDERMASK1", "MASQUESOUDURE1"}},
    {"LStop2", lyC2, {"Loetstop2.GBR", "Soldermask2.GBR", "Masquesoudure2.GBR"},
     {"LOETSTOP2", "SOLDERMASK2", "MASQUESOUDURE2"}},
    {"SMD1", lyC1, {"SMD_Maske1.GBR", "SMD_Mask1.GBR", "SMD_Masque1.GBR"},
     {"SMD_Maske1", "SMD_Mask1", "SMD_Masque1"}},
    {"SMD2", lyC2, {"SMD_Maske2.GBR", "SMD_Mask2.GBR", "SMD_Masque2.GBR"},
     {"SMD_Maske2", "SMD_Mask2", "SMD_Masque2"}},
};

const TTargetInfo& Info(TGerberTarget t) { return kInfo[static_cast<int>(t)]; }
int LanguageIndex(int language) { return language >= 0 && language <= 2 ? language : 1; }

// Output geometry shared by the passes of one file.
struct TFrame {
  int32_t W = 0, H = 0;
  int32_t Dx = 0, Dy = 0;  // board rectangle shift with the origin option
};

void BoardRectangle(TGerberFile& g, const TFrame& f) {
  const int32_t xs[5] = {0, f.W, f.W, 0, 0};
  const int32_t ys[5] = {f.H, f.H, 0, 0, f.H};
  g.MoveTo(xs[0] + f.Dx, ys[0] + f.Dy);
  for (int i = 1; i < 5; ++i) g.LineTo(xs[i] + f.Dx, ys[i] + f.Dy);
}

void PlotteLayout(TGerberFile& g, const TPlatine& board, TGerberTarget t, bool clearancePass) {
  for (const TObjekt& e : board.Elemente) {
    if (!GerberSichtbar(e, t)) continue;
    if (clearancePass)
      g.PlotObjekt(e, e.Sperrflaeche == 1 ? 0 : e.Freistanz, true);
    else if (e.Sperrflaeche != 1)
      g.PlotObjekt(e, 0, false);
  }
}

void GerberThermalPads(TGerberFile& g, const TPlatine& board, TGerberTarget t) {
  for (const TObjekt& e : board.Elemente) {
    if (!GerberSichtbar(e, t) || e.Schalter1 != 1) continue;
    if (e.Typ == otLoetauge)
      g.PlotThermalPad(e);
    else if (e.Typ == otSmdPad)
      g.PlotThermalSMD(e);
  }
}

void GerberFreistanzen(TGerberFile& g, const TPlatine& board, TGerberTarget t, bool mark, int32_t h) {
  g.StartHoleLayer();
  for (const TObjekt& e : board.Elemente) {
    if (e.Typ != otLoetauge || !GerberSichtbar(e, t)) continue;
    g.MoveTo(Rnd(e.X), Rnd(double{e.Y} + h));
    g.Penwidth(mark ? 30 : Rnd(2.0 * e.Mass2));
    g.Flash();
  }
}

}  // namespace

int GerberTargetLayer(TGerberTarget t) { return Info(t).Layer; }
bool IsSolderMaskTarget(TGerberTarget t) { return t == TGerberTarget::LStop1 || t == TGerberTarget::LStop2; }
bool IsSmdMaskTarget(TGerberTarget t) { return t == TGerberTarget::SMD1 || t == TGerberTarget::SMD2; }
bool IsMaskTarget(TGerberTarget t) { return IsSolderMaskTarget(t) || IsSmdMaskTarget(t); }
bool IsCopperTarget(TGerberTarget t) {
  return t == TGerberTarget::C1 || t == TGerberTarget::C2 || t == TGerberTarget::I1 || t == TGerberTarget::I2;
}

bool GerberSichtbar(const TObjekt& e, TGerberTarget t) { return OnLayer(e, GerberTargetLayer(t)); }

bool GerberTargetEnabled(const TPlatine& board, TGerberTarget t) {
  for (const TObjekt& e : board.Elemente) {
    if (!GerberSichtbar(e, t)) continue;
    if (IsSolderMaskTarget(t) ? e.Loetstopp == 1 : IsSmdMaskTarget(t) ? e.Typ == otSmdPad : true) return true;
  }
  return false;
}

std::string GerberDefaultFileName(TGerberTarget t, int language) { return Info(t).File[LanguageIndex(language)]; }
std::string GerberLayerName(TGerberTarget t, int language) { return Info(t).LayerName[LanguageIndex(language)]; }
const char* GerberTargetName(TGerberTarget t) { return Info(t).Name; }

std::optional<TGerberTarget> ParseGerberTarget(std::string_view name) {
  for (TGerberTarget t : kGerberTargets) {
    const std::string_view n = Info(t).Name;
    if (n.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < n.size() && same; ++i)
      same = std::tolower(static_cast<unsigned char>(n[i])) == std::tolower(static_cast<unsigned char>(name[i]));
    if (same) return t;
  }
  return std::nullopt;
}

TGerberDialogState GerberDialogRules(TGerberTarget t, bool punchChecked, bool markChecked) {
  TGerberDialogState s;
  s.PunchEnabled = IsCopperTarget(t);
  s.MarkEnabled = s.PunchEnabled && punchChecked;
  s.MarkChecked = s.MarkEnabled && markChecked;
  s.PadsEnabled = s.PadsChecked = IsSolderMaskTarget(t);
  s.OthersEnabled = s.OthersChecked = IsSolderMaskTarget(t);
  s.SmdPadsEnabled = s.SmdPadsChecked = IsMaskTarget(t);
  s.InvertEnabled = s.PadsEnabled || s.SmdPadsEnabled || s.OthersEnabled;
  s.SmdOffset = IsSmdMaskTarget(t) ? -0.10 : 0.10;
  return s;
}

void ApplyGerberDialogRules(TGerberTarget t, TGerberOptions& o) {
  const TGerberDialogState s = GerberDialogRules(t, o.Punch, o.Mark);
  o.Mark = s.MarkChecked;
  o.Pads = s.PadsChecked;
  o.SmdPads = s.SmdPadsChecked;
  o.Others = s.OthersChecked;
  o.SmdOffset = s.SmdOffset;
}

std::optional<TGerberTarget> RepairGerberSelection(const TPlatine& board, std::optional<TGerberTarget> checked) {
  if (checked && GerberTargetEnabled(board, *checked)) return checked;
  for (TGerberTarget t : kGerberTargets)
    if (GerberTargetEnabled(board, t)) return t;
  return std::nullopt;
}

namespace {

// The SMD mask opening may shrink a side down to about 5 units, never below.
int32_t SmdMaskGrow(const TObjekt& smd, int32_t g) {
  if (g >= 0) return g;
  if (2.0 * g + smd.Mass1 <= 5) g = -Rnd((smd.Mass1 - 5.0) / 2);
  if (2.0 * g + smd.Mass2 <= 5) g = -Rnd((smd.Mass2 - 5.0) / 2);
  return g;
}

void GerberLoetstopMaske(TGerberFile& g, const TPlatine& board, TGerberTarget t, const TGerberOptions& o,
                         const TFrame& f) {
  if (o.Invert) {
    g.RegionStart();
    BoardRectangle(g, f);
    g.RegionEnd();
    g.ClearPolarity();
  }
  const int32_t padGrow = MmToWorld(o.PadsOffset);
  const int32_t smdGrow = MmToWorld(o.SmdOffset);
  const int32_t otherGrow = MmToWorld(o.OthersOffset);
  for (const TObjekt& e : board.Elemente) {
    if (e.Loetstopp != 1 || e.Sperrflaeche == 1 || !GerberSichtbar(e, t)) continue;
    if (e.Typ == otLoetauge) {
      if (o.Pads) g.PlotObjekt(e, padGrow, false);
    } else if (e.Typ == otSmdPad) {
      if (o.SmdPads) g.PlotObjekt(e, SmdMaskGrow(e, smdGrow), false);
    } else if (o.Others) {
      g.PlotObjekt(e, otherGrow, false);
    }
  }
}

}  // namespace

TCamResult PlotteGerberfile(TPlatine& board, TGerberTarget t, const TGerberOptions& o, const std::string& path,
                            int language) {
  const TOriginShift shift(board, o.UseOrigin);
  TFrame f;
  f.W = board.Kopf.Breite;
  f.H = board.Kopf.Hoehe;
  if (o.UseOrigin) {
    f.Dx = -Rnd(board.Kopf.UrsprungX / 1000.0);
    f.Dy = -Rnd(board.Kopf.UrsprungY / 1000.0) - f.H;
  }
  TGerberFile g;
  g.Path = path;
  g.Mirror = o.Mirror;
  g.MirrorWidth = o.UseOrigin ? 0 : f.W;
  g.YOffset = f.H;
  if (!g.Start(GerberLayerName(t, language))) return TCamResult::Failure(g.Error());
  if (o.Outline) {
    g.Penwidth(20);
    BoardRectangle(g, f);
  }
  const int layer = GerberTargetLayer(t);
  if (IsMaskTarget(t)) {
    GerberLoetstopMaske(g, board, t, o, f);
  } else {
    if (IsCopperTarget(t) && board.Kopf.MasseAn[layer - 1] != 0) {
      g.RegionStart();
      BoardRectangle(g, f);
      g.RegionEnd();
      g.ClearPolarity();
      PlotteLayout(g, board, t, true);
      g.DarkPolarity();
      GerberThermalPads(g, board, t);
    }
    PlotteLayout(g, board, t, false);
    if (IsCopperTarget(t) && o.Punch) GerberFreistanzen(g, board, t, o.Mark, f.H);
  }
  if (!g.Finish()) return TCamResult::Failure(g.Error());
  return TCamResult::Success();
}

}  // namespace corvane
