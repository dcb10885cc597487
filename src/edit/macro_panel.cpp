#include "edit/macro_panel.h"

#include <cctype>
#include <set>
#include <system_error>
#include <utility>

#include "core/element_ops.h"
#include "core/undo.h"
#include "geom/transforms.h"

namespace corvane {

namespace {

bool IsMacroFile(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return false;
  std::string ext = file.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == kMacroExtension;
}

bool Exists(const std::filesystem::path& file) {
  std::error_code ec;
  return !file.empty() && std::filesystem::exists(file, ec);
}

void WriteBackTexts(TMacroPanel& panel) {
  if (!panel.TextsChanged || !Exists(panel.File)) return;
  // A failed write leaves the old file; nothing is reported.
  (void)WriteMacroFile(panel.File.string(), panel.AsRead, false, {0, 0}, panel.Text1, panel.Text2);
}

void Unload(TMacroPanel& panel) {
  panel.File.clear();
  panel.Elements.Clear();
  panel.AsRead.Clear();
  panel.Text1.clear();
  panel.Text2.clear();
  panel.TextsChanged = false;
}

}  // namespace

void SetMacroTexts(TMacroPanel& panel, const std::string& text1, const std::string& text2) {
  if (text1 == panel.Text1 && text2 == panel.Text2) return;
  panel.Text1 = text1;
  panel.Text2 = text2;
  panel.TextsChanged = true;
}

void MirrorMacro(ElementList& list) {
  for (TObjekt& e : list) MirrorElementX(e, 0.0);
}

void ChangeMacroSide(ElementList& list) {
  for (TObjekt& e : list) e.Layer = static_cast<uint8_t>(OtherSideLayer(e.Layer));
}

void SetMacroThroughPads(ElementList& list, bool down) {
  for (TObjekt& e : list) {
    if (!IsPad(e)) continue;
    e.Durchkontaktiert = down && IsCopperLayer(e.Layer) ? 1 : 0;
  }
}

void ToggleMirror(TMacroPanel& panel) {
  panel.MirrorDown = !panel.MirrorDown;
  MirrorMacro(panel.Elements);
}

void ToggleChangeSide(TMacroPanel& panel) {
  panel.ChangeSideDown = !panel.ChangeSideDown;
  ChangeMacroSide(panel.Elements);
}

void ToggleThroughPads(TMacroPanel& panel) {
  panel.ThroughPadsDown = !panel.ThroughPadsDown;
  SetMacroThroughPads(panel.Elements, panel.ThroughPadsDown);
}

bool AutoAdjustMacroSide(TMacroPanel& panel, bool autoSpiegeln, int activeLayer) {
  if (!autoSpiegeln || activeLayer < lyC1 || activeLayer > lyS2) return false;
  std::set<int> copper, print;
  for (const TObjekt& e : panel.Elements) {
    if (e.Layer == lyC1 || e.Layer == lyC2) copper.insert(e.Layer);
    if (e.Layer == lyS1 || e.Layer == lyS2) print.insert(e.Layer);
  }
  if (copper.size() > 1 || print.size() > 1) return false;
  const int macroCopper = copper.empty() ? 0 : *copper.begin();
  const int macroPrint = print.empty() ? 0 : *print.begin();
  const bool activeSide1 = activeLayer == lyC1 || activeLayer == lyS1;
  const bool otherSide = activeSide1 ? (macroCopper == lyC2 || (macroCopper == 0 && macroPrint == lyS2))
                                     : (macroCopper == lyC1 || (macroCopper == 0 && macroPrint == lyS1));
  if (!otherSide) return false;
  ToggleMirror(panel);
  ToggleChangeSide(panel);
  return true;
}

TMacroSelectResult SelectMacro(TMacroPanel& panel, const std::filesystem::path& file,
                               const TMacroSelectOptions& options) {
  TMacroSelectResult result;
  if (!IsMacroFile(file)) return result;
  WriteBackTexts(panel);
  Unload(panel);

  TMacroData data;
  result.Error = ReadMacroFile(file.string(), options.Read, data);
  if (!result.Error.ok()) {
    result.Outcome = TMacroSelect::Failed;
    return result;
  }
  panel.File = file;
  panel.Text1 = std::move(data.Text1);
  panel.Text2 = std::move(data.Text2);
  panel.AsRead = std::move(data.Elemente);
  panel.Elements = TakeSnapshot(panel.AsRead);

  if (panel.MirrorDown) MirrorMacro(panel.Elements);
  if (panel.ChangeSideDown) ChangeMacroSide(panel.Elements);
  result.SideAdjusted = AutoAdjustMacroSide(panel, options.AutoSpiegeln, options.AktiverLayer);
  if (panel.ThroughPadsDown) SetMacroThroughPads(panel.Elements, true);
  panel.TextsChanged = false;
  result.Outcome = TMacroSelect::Loaded;
  return result;
}

IoError DeleteMacroFile(const std::filesystem::path& file) {
  IoError error;
  error.File = file.string();
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) {
    error.Kind = IoErrorKind::FileNotFound;
    return error;
  }
  if (!std::filesystem::remove(file, ec) || ec) {
    error.Kind = IoErrorKind::CannotWrite;
    error.Detail = ec ? ec.message() : "not removed";
    return error;
  }
  return IoError{};
}

bool CanDragMacro(const TMacroPanel& panel, bool fromTree, const std::filesystem::path& treeFile) {
  if (panel.Elements.empty()) return false;
  return !fromTree || Exists(treeFile);
}

}  // namespace corvane
