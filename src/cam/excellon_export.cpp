#include "cam/excellon_export.h"

#include <cstdlib>

#include "cam/cam_file.h"
#include "cam/drill_list.h"
#include "cam/origin_shift.h"
#include "core/units.h"
#include "geom/element_bounds.h"
#include "io/ini_file.h"

namespace corvane {

namespace {

bool IsInch(TExcellonFormat f) { return f == TExcellonFormat::Inch24; }

// Rounds a non-negative integer to `keep` significant digits, ties to even.
int64_t RoundSignificant(int64_t v, int keep) {
  int digits = 1;
  for (int64_t a = v; a >= 10; a /= 10) ++digits;
  if (digits <= keep) return v;
  int64_t scale = 1;
  for (int i = keep; i < digits; ++i) scale *= 10;
  const int64_t q = v / scale;
  const int64_t r = v % scale;
  const bool up = 2 * r > scale || (2 * r == scale && q % 2 != 0);
  return (up ? q + 1 : q) * scale;
}

// v / 10^decimals with trailing zeros (and a bare point) removed.
std::string DecimalText(int64_t v, int decimals) {
  const bool negative = v < 0;
  int64_t a = negative ? -v : v;
  int64_t div = 1;
  for (int i = 0; i < decimals; ++i) div *= 10;
  std::string frac = std::to_string(a % div);
  frac.insert(0, static_cast<std::size_t>(decimals) - frac.size(), '0');
  while (!frac.empty() && frac.back() == '0') frac.pop_back();
  std::string s = (negative ? "-" : "") + std::to_string(a / div);
  if (!frac.empty()) s += "." + frac;
  return s;
}

std::string ToolNumber(std::size_t k) {
  std::string nn = std::to_string(k);
  if (nn.size() == 1) nn.insert(0, "0");
  return "T" + nn;
}

}  // namespace

std::string ExcellonNumber(int32_t n, TExcellonFormat format, bool noLeadingZeros) {
  int64_t v = n;
  if (IsInch(format)) v = Rnd(static_cast<double>(n) / 2540.0 * 1000.0);
  const bool negative = v < 0;
  std::string digits = std::to_string(negative ? -v : v);
  if (format != TExcellonFormat::MM32) digits += "0";
  if (!noLeadingZeros) {
    const std::size_t width = format == TExcellonFormat::MM32 ? 5 : 6;
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  }
  return (negative ? "-" : "") + digits;
}

std::string ExcellonToolDiameter(int32_t d, TExcellonFormat format) {
  if (IsInch(format)) {
    const int64_t thousandths = Rnd(static_cast<double>(d) * 1000.0 / 2540.0);
    return DecimalText(RoundSignificant(thousandths, 4), 3);
  }
  return DecimalText(RoundSignificant(d, 4), 2);
}

std::vector<std::string> ExcellonLines(const TPlatine& board, const TExcellonOptions& options,
                                       bool useOrigin) {
  const TDrillFilter filter{options.Bohrungen, options.Vias};
  const std::vector<int32_t> tools = DrillDiameters(board.Elemente, filter);
  const bool inch = IsInch(options.Format);
  std::vector<std::string> lines;
  if (!options.NoComments) {
    lines.emplace_back("; Drill file");
    switch (options.Format) {
      case TExcellonFormat::MM32: lines.emplace_back("; Format: 3.2 (000.00)"); break;
      case TExcellonFormat::MM33: lines.emplace_back("; Format: 3.3 (000.000)"); break;
      case TExcellonFormat::Inch24: lines.emplace_back("; Format: 2.4 (00.0000)"); break;
    }
  }
  lines.emplace_back("M48");
  if (inch)
    lines.emplace_back(options.M71 ? "M72" : "INCH");
  else
    lines.emplace_back(options.M71 ? "M71" : "METRIC");
  for (std::size_t k = 0; k < tools.size(); ++k)
    lines.push_back(ToolNumber(k + 1) + "C" + ExcellonToolDiameter(tools[k], options.Format));

  TIntRect bounds;
  if (options.Side == TExcellonSide::HpglMirror)
    if (auto b = ListBounds(board.Elemente, board.Kopf.LayerState())) bounds = *b;

  lines.emplace_back("%");
  lines.emplace_back("G05");
  if (!options.NoG90) lines.emplace_back("G90");
  const double w = board.Kopf.Breite;
  const double h = board.Kopf.Hoehe;
  for (std::size_t k = 0; k < tools.size(); ++k) {
    lines.push_back(ToolNumber(k + 1));
    const auto pads = options.Sortieren ? DrillPath(board.Elemente, tools[k], board.Kopf.Hoehe, filter)
                                        : DrillPads(board.Elemente, tools[k], filter);
    for (const TObjekt* pad : pads) {
      double x = pad->X;
      const double y = pad->Y;
      if (options.Side == TExcellonSide::GerberMirror)
        x = useOrigin ? -x : w - x;
      else if (options.Side == TExcellonSide::HpglMirror)
        x = static_cast<double>(bounds.right) - x + static_cast<double>(bounds.left);
      lines.push_back("X" + ExcellonNumber(Rnd(x), options.Format, options.NoLeadingZeros) + "Y" +
                      ExcellonNumber(Rnd(y + h), options.Format, options.NoLeadingZeros));
    }
  }
  lines.emplace_back("M30");
  return lines;
}

TCamResult WriteExcellonFile(TPlatine& board, const TExcellonOptions& options, bool useOrigin,
                             const std::string& path) {
  TCamFile file;
  if (!file.Open(path)) return TCamResult::Failure(file.Error());
  std::vector<std::string> lines;
  {
    TOriginShift shift(board, useOrigin);
    lines = ExcellonLines(board, options, useOrigin);
  }
  for (const std::string& line : lines) file.Line(line);
  if (!file.Commit()) return TCamResult::Failure(file.Error());
  return TCamResult::Success();
}

namespace {

constexpr const char* kExcellonSection = "Excellon";

bool SectionFlag(const TKeyValueList& entries, const char* key) {
  for (const auto& [k, v] : entries)
    if (SameName(k, key)) {
      const auto n = ParseIniInteger(v);
      return n && *n != 0;
    }
  return false;
}

}  // namespace

void ReadExcellonSettings(const TSettings& settings, TExcellonOptions& options) {
  const TKeyValueList& entries = settings.Section(kExcellonSection);
  options.M71 = SectionFlag(entries, "M71");
  options.NoG90 = SectionFlag(entries, "G90");
  options.NoComments = SectionFlag(entries, "Kommentare");
}

void WriteExcellonSettings(TSettings& settings, const TExcellonOptions& options) {
  TKeyValueList entries = settings.Section(kExcellonSection);
  auto set = [&](const char* key, bool value) {
    for (auto& [k, v] : entries)
      if (SameName(k, key)) {
        v = value ? "1" : "0";
        return;
      }
    entries.emplace_back(key, value ? "1" : "0");
  };
  set("M71", options.M71);
  set("G90", options.NoG90);
  set("Kommentare", options.NoComments);
  settings.SetSection(kExcellonSection, std::move(entries));
}

}  // namespace corvane
