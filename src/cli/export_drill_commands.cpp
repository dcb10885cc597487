#include "cli/export_drill_commands.h"

#include <cstdio>
#include <optional>
#include <sstream>

#include "cam/contour_milling.h"
#include "cam/drill_list.h"
#include "cam/excellon_export.h"
#include "cam/hpgl_file.h"

namespace corvane {

namespace {

TDrillCommandResult Usage(std::string message) { return {2, std::move(message)}; }
TDrillCommandResult Error(std::string message) { return {1, std::move(message)}; }

bool TakeFlag(std::vector<std::string>& options, const char* flag) {
  for (auto it = options.begin(); it != options.end(); ++it)
    if (*it == flag) {
      options.erase(it);
      return true;
    }
  return false;
}

// "flag VALUE": nullopt when absent; missing=true when the value is missing.
std::optional<std::string> TakeValue(std::vector<std::string>& options, const char* flag, bool& missing) {
  for (auto it = options.begin(); it != options.end(); ++it) {
    if (*it != flag) continue;
    if (it + 1 == options.end()) {
      missing = true;
      options.erase(it);
      return std::nullopt;
    }
    std::string value = *(it + 1);
    options.erase(it, it + 2);
    return value;
  }
  return std::nullopt;
}

// Reads one option with a closed set of values; error text on failure.
template <typename T, std::size_t N>
std::optional<std::string> TakeChoice(std::vector<std::string>& options, const char* flag,
                                      const std::pair<const char*, T> (&choices)[N], T& value) {
  bool missing = false;
  const std::optional<std::string> text = TakeValue(options, flag, missing);
  std::string names;
  for (const auto& [name, v] : choices) names += (names.empty() ? "" : "|") + std::string(name);
  if (missing) return std::string(flag) + " needs a value: " + names;
  if (!text) return std::nullopt;
  for (const auto& [name, v] : choices)
    if (*text == name) {
      value = v;
      return std::nullopt;
    }
  return std::string(flag) + " " + *text + ": expected " + names;
}

std::optional<TDrillCommandResult> LeftOver(const std::vector<std::string>& options) {
  if (options.empty()) return std::nullopt;
  return Usage("unknown option or argument: " + options.front());
}

}  // namespace

TDrillCommandResult ExcellonExportCommand(const TDrillCommandArgs& args) {
  TExcellonOptions o;
  const std::pair<const char*, bool> yesNo[] = {{"yes", true}, {"no", false}};
  const std::pair<const char*, TExcellonFormat> formats[] = {
      {"mm32", TExcellonFormat::MM32}, {"mm33", TExcellonFormat::MM33}, {"inch24", TExcellonFormat::Inch24}};
  const std::pair<const char*, TExcellonSide> sides[] = {
      {"top", TExcellonSide::Top}, {"gerber", TExcellonSide::GerberMirror}, {"hpgl", TExcellonSide::HpglMirror}};
  if (auto e = TakeChoice(args.Options, "--plated", yesNo, o.Vias)) return Usage(*e);
  if (auto e = TakeChoice(args.Options, "--unplated", yesNo, o.Bohrungen)) return Usage(*e);
  if (auto e = TakeChoice(args.Options, "--format", formats, o.Format)) return Usage(*e);
  if (auto e = TakeChoice(args.Options, "--side", sides, o.Side)) return Usage(*e);
  o.NoLeadingZeros = TakeFlag(args.Options, "--no-leading-zeros");
  o.Sortieren = !TakeFlag(args.Options, "--no-sort");
  o.M71 = TakeFlag(args.Options, "--m71");
  o.NoG90 = TakeFlag(args.Options, "--no-g90");
  o.NoComments = TakeFlag(args.Options, "--no-comments");
  const bool useOrigin = TakeFlag(args.Options, "--origin");
  if (auto e = LeftOver(args.Options)) return *e;
  if (args.Out.empty()) return Usage("-o OUT.drl is missing");
  const TCamResult r = WriteExcellonFile(args.Board, o, useOrigin, args.Out);
  if (!r.Ok) return Error(r.Error);
  return {};
}

TDrillCommandResult DrillListCommand(const TDrillCommandArgs& args) {
  const bool mil = TakeFlag(args.Options, "--mil");
  if (auto e = LeftOver(args.Options)) return *e;
  if (!args.Out.empty()) return Usage("drill-list prints to the standard output and takes no -o");
  const std::string text = DrillListText(args.Board.Elemente, {}, mil, args.Language);
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return Error("the list could not be written to the standard output");
  return {};
}

TDrillCommandResult ContourExportCommand(const TDrillCommandArgs& args) {
  TKonturFraesenOptions o;
  o.NurMarkierte = TakeFlag(args.Options, "--selected");
  const std::pair<const char*, THpglMirror> mirrors[] = {{"x", THpglMirror::Horizontal},
                                                         {"y", THpglMirror::Vertical}};
  if (auto e = TakeChoice(args.Options, "--mirror", mirrors, o.Spiegeln)) return Usage(*e);
  double factor = kHpglFactor;
  const std::pair<const char*, double> factors[] = {{"0.4", kHpglFactor}, {"0.3937", kHpglSpecialFactor}};
  if (auto e = TakeChoice(args.Options, "--factor", factors, factor)) return Usage(*e);
  bool missing = false;
  if (const auto refs = TakeValue(args.Options, "--ref", missing)) {
    std::stringstream list(*refs);
    std::string corner;
    while (std::getline(list, corner, ',')) {
      if (corner == "BL") o.Referenz.BottomLeft = true;
      else if (corner == "BR") o.Referenz.BottomRight = true;
      else if (corner == "TL") o.Referenz.TopLeft = true;
      else if (corner == "TR") o.Referenz.TopRight = true;
      else return Usage("--ref " + *refs + ": expected a list of BL, BR, TL, TR");
    }
  }
  if (missing) return Usage("--ref needs a list of BL, BR, TL, TR");
  const bool useOrigin = TakeFlag(args.Options, "--origin");
  if (auto e = LeftOver(args.Options)) return *e;
  if (args.Out.empty()) return Usage("-o OUT.plt is missing");
  if (o.NurMarkierte && !HasSelectedContourElements(args.Board.Elemente))
    return Error("no selected track or circle lies on the outline layer");
  const TCamResult r = WriteContourFile(args.Board, o, factor, useOrigin, args.Out);
  if (!r.Ok) return Error(r.Error);
  return {};
}

}  // namespace corvane
