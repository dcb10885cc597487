#include "core/project.h"

#include <algorithm>
#include <utility>

#include "core/element_ops.h"
#include "core/units.h"

namespace corvane {

namespace {

// Removes leading and trailing blanks and control characters.
std::string Trimmed(const std::string& s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  const auto first = std::find_if_not(s.begin(), s.end(), blank);
  const auto last = std::find_if_not(s.rbegin(), s.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

std::string Truncated(const std::string& s, std::size_t n) { return s.size() > n ? s.substr(0, n) : s; }

}  // namespace

std::string NewBoardName(int number, int language) {
  const char* word = language == 1 ? "Board " : language == 2 ? "Carte " : "Platine ";
  return word + std::to_string(number);
}

std::string CopyBoardName(const std::string& source, int language) {
  const char* words = language == 1 ? "Copy of " : language == 2 ? "Copie de " : "Kopie von ";
  return words + source;
}

std::size_t TProject::AddBoard(const std::string& name) {
  TPlatine board;
  board.Name = name;
  boards_.push_back(std::move(board));
  const std::size_t index = boards_.size() - 1;
  SwitchBoard(index);
  return index;
}

void TProject::AppendBoards(std::vector<TPlatine> boards) {
  for (TPlatine& b : boards) boards_.push_back(std::move(b));
}

void TProject::SwitchBoard(std::size_t index) {
  if (index >= boards_.size()) return;
  if (HasActiveBoard()) StoreViewState();
  active_ = static_cast<int>(index);
  LoadViewState();
}

void TProject::StoreViewState() {
  if (!HasActiveBoard()) return;
  TPlatinenKopf& h = ActiveBoard().Kopf;
  const TViewState& v = View;
  h.Breite = v.Breite;
  h.Hoehe = v.Hoehe;
  h.MasseAn = v.MasseAn;
  h.Raster = v.Raster;
  h.Zoom = v.Zoom;
  h.ScrollX = v.ScrollX;
  h.ScrollY = v.ScrollY;
  h.AktiverLayer = v.AktiverLayer;
  h.Innenlagen = v.Innenlagen;
  if (!v.VorlagenDialog) return;
  h.UrsprungX = v.UrsprungX;
  h.UrsprungY = v.UrsprungY;
  h.Vorlage1Zeigen = v.Vorlage1Zeigen;
  h.Vorlage2Zeigen = v.Vorlage2Zeigen;
  h.Vorlage1Datei = Truncated(v.Vorlage1Datei, kTemplateNameLength);
  h.Vorlage2Datei = Truncated(v.Vorlage2Datei, kTemplateNameLength);
  h.Vorlage1Dpi = v.Vorlage1Dpi;
  h.Vorlage2Dpi = v.Vorlage2Dpi;
  h.Vorlage1X = v.Vorlage1X;
  h.Vorlage2X = v.Vorlage2X;
  h.Vorlage1Y = v.Vorlage1Y;
  h.Vorlage2Y = v.Vorlage2Y;
  h.Vorlage1Farbe = v.Vorlage1Farbe;
  h.Vorlage2Farbe = v.Vorlage2Farbe;
}

void TProject::LoadViewState() {
  if (!HasActiveBoard()) return;
  const TPlatinenKopf& h = ActiveBoard().Kopf;
  TViewState& v = View;
  v.Breite = h.Breite;
  v.Hoehe = h.Hoehe;
  v.MasseAn = h.MasseAn;
  v.Raster = h.Raster;
  v.Zoom = h.Zoom;
  v.ScrollX = h.ScrollX;
  v.ScrollY = h.ScrollY;
  v.AktiverLayer = h.AktiverLayer;
  v.Innenlagen = h.Innenlagen;
  if (v.VorlagenDialog) {
    v.UrsprungX = h.UrsprungX;
    v.UrsprungY = h.UrsprungY;
    v.Vorlage1Datei = h.Vorlage1Datei;
    v.Vorlage2Datei = h.Vorlage2Datei;
    v.Vorlage1Zeigen = h.Vorlage1Zeigen;
    v.Vorlage2Zeigen = h.Vorlage2Zeigen;
    auto load = [this](std::string& file, uint8_t& shown) {
      if (!file.empty() && TemplateLoader && !TemplateLoader(file)) {
        file.clear();
        shown = 0;
      }
    };
    load(v.Vorlage1Datei, v.Vorlage1Zeigen);
    load(v.Vorlage2Datei, v.Vorlage2Zeigen);
    v.Vorlage1Dpi = h.Vorlage1Dpi;
    v.Vorlage2Dpi = h.Vorlage2Dpi;
    v.Vorlage1X = h.Vorlage1X;
    v.Vorlage2X = h.Vorlage2X;
    v.Vorlage1Y = h.Vorlage1Y;
    v.Vorlage2Y = h.Vorlage2Y;
    v.Vorlage1Farbe = h.Vorlage1Farbe;
    v.Vorlage2Farbe = h.Vorlage2Farbe;
  }
  // The active layer is applied anew: it must be a layer and it is shown.
  if (!IsValidLayer(v.AktiverLayer)) v.AktiverLayer = lyC2;
  ActiveBoard().Kopf.Sichtbar[static_cast<std::size_t>(v.AktiverLayer - 1)] = 1;
  UpdateInnerLayers();
}

void TProject::UpdateInnerLayers() {
  if (!HasActiveBoard()) return;
  auto& sichtbar = ActiveBoard().Kopf.Sichtbar;
  const uint8_t on = View.Innenlagen ? 1 : 0;
  sichtbar[lyI1 - 1] = on;
  sichtbar[lyI2 - 1] = on;
  if (!on && (View.AktiverLayer == lyI1 || View.AktiverLayer == lyI2)) SetActiveLayer(lyC2);
}

void TProject::DeleteBoard(std::size_t index, bool closingProject) {
  if (index >= boards_.size()) return;
  const bool wasActive = static_cast<int>(index) == active_;
  if (wasActive) active_ = -1;
  boards_.erase(boards_.begin() + static_cast<std::ptrdiff_t>(index));
  if (active_ > static_cast<int>(index)) --active_;
  Modified = true;
  // The tab control selects the tab now at the same position, or the last one.
  if (!closingProject && wasActive && !boards_.empty()) SwitchBoard(std::min(index, boards_.size() - 1));
}

void TProject::Clear() {
  while (!boards_.empty()) DeleteBoard(boards_.size() - 1, true);
  active_ = -1;
  Info = ProjectInfo{};
}

void TProject::NewProject(int language) {
  Clear();
  AddBoard(NewBoardName(1, language));
  Modified = false;
  FileName.clear();
}

std::string TProject::AddNewBoard(int language) {
  std::string name = NewBoardName(static_cast<int>(boards_.size()) + 1, language);
  AddBoard(name);
  Modified = true;
  return name;
}

bool TProject::DeleteActiveBoard() {
  if (!CanDeleteActiveBoard()) return false;
  DeleteBoard(static_cast<std::size_t>(active_));
  return true;
}

void TProject::CopyActiveBoard(int language) {
  if (!HasActiveBoard()) return;
  const std::size_t source = static_cast<std::size_t>(active_);
  const std::size_t copy = AddBoard(CopyBoardName(boards_[source].Name, language));
  // AddBoard stored the source's view state, so its header is current.
  TPlatine& from = boards_[source];
  TPlatine& to = boards_[copy];
  to.Kopf = from.Kopf;
  CopyList(from.Elemente, to.Elemente);
  for (TObjekt& e : from.Elemente) e.Kopiert = 0;
  LoadViewState();
  Modified = true;
}

void TProject::MoveActiveTo(std::size_t target) {
  const std::size_t from = static_cast<std::size_t>(active_);
  auto first = boards_.begin();
  if (target > from)
    std::rotate(first + static_cast<std::ptrdiff_t>(from), first + static_cast<std::ptrdiff_t>(from) + 1,
                first + static_cast<std::ptrdiff_t>(target) + 1);
  else
    std::rotate(first + static_cast<std::ptrdiff_t>(target), first + static_cast<std::ptrdiff_t>(from),
                first + static_cast<std::ptrdiff_t>(from) + 1);
  active_ = static_cast<int>(target);
  Modified = true;
}

bool TProject::MoveActiveBoardToEnd() {
  if (!HasActiveBoard() || static_cast<std::size_t>(active_) + 1 == boards_.size()) return false;
  MoveActiveTo(boards_.size() - 1);
  return true;
}

bool TProject::MoveActiveBoardToFront() {
  if (!HasActiveBoard() || active_ == 0) return false;
  MoveActiveTo(0);
  return true;
}

bool TProject::MoveActiveBoardRight() {
  if (!HasActiveBoard() || static_cast<std::size_t>(active_) + 1 == boards_.size()) return false;
  MoveActiveTo(static_cast<std::size_t>(active_) + 1);
  return true;
}

bool TProject::MoveActiveBoardLeft() {
  if (!HasActiveBoard() || active_ == 0) return false;
  MoveActiveTo(static_cast<std::size_t>(active_) - 1);
  return true;
}

void TProject::ApplyBoardProperties(const TBoardProperties& p) {
  if (!HasActiveBoard()) return;
  auto size = [](double mm) { return std::clamp(Rnd(mm * 100.0), kMinBoardSize, kMaxBoardSize); };
  const int32_t w = size(p.BreiteMm), h = size(p.HoeheMm);
  if (w != View.Breite || h != View.Hoehe) {
    View.Breite = w;
    View.Hoehe = h;
    View.Zoom = std::min(View.Zoom, MaxZoomForBoard(w, h));
  }
  ActiveBoard().Name = Trimmed(p.Name);
  SetInnerLayers(p.Multilayer);
  Modified = true;
}

TBoardProperties TProject::BoardPropertiesOfActive() const {
  TBoardProperties p;
  p.BreiteMm = View.Breite / 100.0;
  p.HoeheMm = View.Hoehe / 100.0;
  if (HasActiveBoard()) p.Name = ActiveBoard().Name;
  p.Multilayer = View.Innenlagen != 0;
  return p;
}

TLayerState TProject::LayerState() const {
  TLayerState s;
  if (HasActiveBoard()) s.Sichtbar = ActiveBoard().Kopf.Sichtbar;
  s.MasseAn = View.MasseAn;
  s.AktiverLayer = View.AktiverLayer;
  return s;
}

bool TProject::ToggleLayerVisible(int layer, bool deselect) {
  if (!HasActiveBoard()) return false;
  if (deselect)
    for (TObjekt& e : ActiveElements()) e.Markiert = 0;
  if (!IsValidLayer(layer) || layer == View.AktiverLayer) return false;
  if ((layer == lyI1 || layer == lyI2) && !View.Innenlagen) return false;
  uint8_t& flag = ActiveBoard().Kopf.Sichtbar[static_cast<std::size_t>(layer - 1)];
  flag = flag ? 0 : 1;
  return true;
}

bool TProject::SetActiveLayer(int layer) {
  if (!HasActiveBoard() || !IsValidLayer(layer)) return false;
  if ((layer == lyI1 || layer == lyI2) && !View.Innenlagen) return false;
  ActiveBoard().Kopf.Sichtbar[static_cast<std::size_t>(layer - 1)] = 1;
  View.AktiverLayer = layer;
  return true;
}

void TProject::SetInnerLayers(bool on) {
  View.Innenlagen = on ? 1 : 0;
  UpdateInnerLayers();
}

void TProject::SetGroundPlane(bool pressed) {
  if (IsCopperLayer(View.AktiverLayer))
    View.MasseAn[static_cast<std::size_t>(View.AktiverLayer - 1)] = pressed ? 1 : 0;
  View.Sperrflaeche = false;
  Modified = true;
}

void TProject::ToggleGroundPlane() {
  if (!IsValidLayer(View.AktiverLayer)) return;
  uint8_t& flag = View.MasseAn[static_cast<std::size_t>(View.AktiverLayer - 1)];
  flag = flag ? 0 : 1;
  Modified = true;
}

bool TProject::IsEmpty() const {
  if (boards_.size() > 1) return false;
  return !HasActiveBoard() || ActiveBoard().Elemente.empty();
}

}  // namespace corvane
