#include "io/settings.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <span>
#include <system_error>

#include "io/file_bytes.h"

namespace corvane {

namespace {

constexpr const char* kWindow = "Window";
constexpr const char* kOptionen = "Optionen";
constexpr const char* kSizes = "Settings";
constexpr const char* kOrdner = "Ordner";
constexpr const char* kHistory = "History";
constexpr std::array<const char*, 5> kOwnSections{kWindow, kOptionen, kSizes, kOrdner, kHistory};
constexpr std::array<const char*, RecentFiles::kCount> kHistoryKeys{"D1", "D2", "D3", "D4"};

// One key of the table: reads it from the file into the settings and writes
// it back as text. Each visitor below walks the same table, so reading,
// writing and the defaults cannot drift apart.
template <typename Visitor>
void VisitKeys(TSettings& s, Visitor&& v) {
  v.Bool(kWindow, "WindowMax", s.Window.WindowMax);
  v.Int(kWindow, "WindowX", s.Window.WindowX);
  v.Int(kWindow, "WindowY", s.Window.WindowY);
  v.Int(kWindow, "WindowW", s.Window.WindowW, 1);
  v.Int(kWindow, "WindowH", s.Window.WindowH, 1);

  TOptionSettings& o = s.Optionen;
  v.Bool(kOptionen, "Kurzhilfe", o.Kurzhilfe);
  v.Bool(kOptionen, "AutoSave", o.AutoSave);
  v.Int(kOptionen, "AutoSaveTime", o.AutoSaveTime, 60000, 3600000);
  v.Int(kOptionen, "Farbschema", o.Farbschema, 0, 3);
  v.Bool(kOptionen, "PlatinenZoom", o.PlatinenZoom);
  v.Int(kOptionen, "Undo", o.Undo, 0, 49);
  v.Int(kOptionen, "Imax_CU", o.Imax_CU, 1, 299);
  v.Int(kOptionen, "Imax_DT", o.Imax_DT, 1, 299);
  v.Bool(kOptionen, "BohrungenWeiss", o.BohrungenWeiss);
  v.Bool(kOptionen, "Fadenkreuz", o.Fadenkreuz);
  v.Bool(kOptionen, "AutoSpiegeln", o.AutoSpiegeln);
  v.Bool(kOptionen, "VirtuelleKnoten", o.VirtuelleKnoten);
  v.Bool(kOptionen, "SchrifthoeheBegrenzen", o.SchrifthoeheBegrenzen);
  v.Bool(kOptionen, "StrgZumFangen", o.StrgZumFangen);
  v.Bool(kOptionen, "HPGLSonderFaktor", o.HPGLSonderFaktor);
  v.Bool(kOptionen, "AutoMasseDunkel", o.AutoMasseDunkel);
  v.Bool(kOptionen, "CAM_Nullpunkt", o.CAM_Nullpunkt);
  v.Bool(kOptionen, "AutoUpdate", o.AutoUpdate);
  v.String(kOptionen, "Hotkeys", o.Hotkeys,
           [](const std::string& text) { return text.size() == kHotkeyStringLength; });
  v.Bool(kOptionen, "Transparent", o.Transparent);
  v.Int(kOptionen, "RasterMarkierung", o.RasterMarkierung, 0, 10,
        [](int32_t n) { return n == 0 || n == 2 || n == 4 || n == 5 || n == 10; });
  v.Bool(kOptionen, "RasterSichtbar", o.RasterSichtbar);
  v.Int(kOptionen, "RotWinkel", o.RotWinkel);
  v.Int(kOptionen, "UserRotWinkel", o.UserRotWinkel);
  v.Bool(kOptionen, "MIL", o.MIL);
  v.Bool(kOptionen, "Makro", o.Makro);
  v.Bool(kOptionen, "DRC", o.DRC);
  v.Bool(kOptionen, "Eigenschaften", o.Eigenschaften);
  v.Int(kOptionen, "MakroBreite", o.MakroBreite, 0);
  v.Int(kOptionen, "MakroHoehe", o.MakroHoehe, 0);
  v.Int(kOptionen, "ExportBitmapDPI", o.ExportBitmapDPI, 1);

  TSizeSettings& z = s.Sizes;
  v.Int(kSizes, "Track", z.Track, 0, 9998);
  v.Int(kSizes, "Circle1", z.Circle1, 0, 9998);
  // The drill is read after the outer diameter and checked against it.
  v.Int(kSizes, "Circle2", z.Circle2, 0, 9998, [&z](int32_t n) { return n <= z.Circle1; });
  v.Int(kSizes, "SMDX", z.SMDX, 0, 9998);
  v.Int(kSizes, "SMDY", z.SMDY, 0, 9998);

  TFolderSettings& f = s.Ordner;
  v.String(kOrdner, "Layout", f.Layout);
  v.String(kOrdner, "Gerber", f.Gerber);
  v.String(kOrdner, "Bitmap", f.Bitmap);
  v.String(kOrdner, "Vorlage", f.Vorlage);
  v.String(kOrdner, "PLT", f.PLT);
  v.String(kOrdner, "Makro", f.Makro);
  v.String(kOrdner, "MakroOrdner", f.MakroOrdner);
}

using IntCheck = std::function<bool(int32_t)>;
using StringCheck = std::function<bool(const std::string&)>;
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();

// Takes a value from the file when it is valid; keeps the default otherwise.
struct Reader {
  const IniFile& ini;

  void Bool(const char* section, const char* key, bool& value) const {
    if (const auto text = ini.Value(section, key))
      if (const auto n = ParseIniInteger(*text)) value = *n != 0;
  }
  void Int(const char* section, const char* key, int32_t& value, int32_t lo = kIntMin, int32_t hi = kIntMax,
           const IntCheck& check = {}) const {
    const auto text = ini.Value(section, key);
    if (!text) return;
    const auto n = ParseIniInteger(*text);
    if (!n || *n < lo || *n > hi) return;
    const auto v = static_cast<int32_t>(*n);
    if (check && !check(v)) return;
    value = v;
  }
  void String(const char* section, const char* key, std::string& value, const StringCheck& check = {}) const {
    const auto text = ini.Value(section, key);
    if (text && (!check || check(*text))) value = *text;
  }
};

std::string OneLine(std::string_view text) {
  std::string s;
  for (char c : text)
    if (c != '\r' && c != '\n') s += c;
  return s;
}

bool WritableKey(std::string_view key) {
  if (key.empty() || key.front() == '[' || key.front() == ';') return false;
  if (key.find_first_of("=\r\n") != std::string_view::npos) return false;
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return !blank(key.front()) && !blank(key.back());
}

// Appends "Key=Value" lines, opening a section header when the section changes.
struct Writer {
  std::string& out;
  std::string current;

  void Line(const char* section, std::string_view key, std::string_view value) {
    if (current != section) {
      if (!out.empty()) out += '\n';
      out += '[';
      out += section;
      out += "]\n";
      current = section;
    }
    out += key;
    out += '=';
    out += OneLine(value);
    out += '\n';
  }
  void Bool(const char* section, const char* key, bool& value) { Line(section, key, value ? "1" : "0"); }
  void Int(const char* section, const char* key, int32_t& value, int32_t = 0, int32_t = 0, const IntCheck& = {}) {
    Line(section, key, std::to_string(value));
  }
  void String(const char* section, const char* key, std::string& value, const StringCheck& = {}) {
    Line(section, key, value);
  }
};

bool IsOwnSection(std::string_view name) {
  return std::any_of(kOwnSections.begin(), kOwnSections.end(), [&](const char* s) { return SameName(s, name); });
}

// Position of a raw section in the fixed order; kRawSettingsSections.size() for others.
std::size_t RawOrder(std::string_view name) {
  for (std::size_t i = 0; i < kRawSettingsSections.size(); ++i)
    if (SameName(kRawSettingsSections[i], name)) return i;
  return kRawSettingsSections.size();
}

}  // namespace

const TKeyValueList& TSettings::Section(std::string_view name) const {
  static const TKeyValueList kEmpty;
  for (const TSettingsSection& s : RawSections)
    if (SameName(s.Name, name)) return s.Entries;
  return kEmpty;
}

void TSettings::SetSection(std::string_view name, TKeyValueList entries) {
  if (IsOwnSection(name)) return;  // those keys have their fields
  const auto same = [&](const TSettingsSection& s) { return SameName(s.Name, name); };
  const auto it = std::find_if(RawSections.begin(), RawSections.end(), same);
  if (entries.empty()) {
    if (it != RawSections.end()) RawSections.erase(it);
    return;
  }
  if (it != RawSections.end()) {
    it->Entries = std::move(entries);
    return;
  }
  // Keep the fixed order of the known raw sections; others go last.
  const std::size_t order = RawOrder(name);
  const auto pos = std::find_if(RawSections.begin(), RawSections.end(),
                                [&](const TSettingsSection& s) { return RawOrder(s.Name) > order; });
  const std::string sectionName = order < kRawSettingsSections.size() ? kRawSettingsSections[order] : std::string(name);
  RawSections.insert(order < kRawSettingsSections.size() ? pos : RawSections.end(),
                     TSettingsSection{sectionName, std::move(entries)});
}

bool operator==(const TSettings& a, const TSettings& b) {
  return a.Window == b.Window && a.Optionen == b.Optionen && a.Sizes == b.Sizes && a.Ordner == b.Ordner &&
         a.History.Entries() == b.History.Entries() && a.RawSections == b.RawSections;
}

TSettings DefaultSettings(const std::string& programFolder) {
  TSettings s;
  TFolderSettings& f = s.Ordner;
  f.Layout = f.Gerber = f.Bitmap = f.Vorlage = f.PLT = programFolder;
  f.Makro = (std::filesystem::path(programFolder) / kMacroFolderName).string();
  return s;
}

TSettings SettingsFromIni(const IniFile& ini, const std::string& programFolder) {
  TSettings s = DefaultSettings(programFolder);
  VisitKeys(s, Reader{ini});
  // A valid outer diameter below the default drill keeps the drill inside the pad.
  s.Sizes.Circle2 = std::min(s.Sizes.Circle2, s.Sizes.Circle1);
  for (std::size_t i = 0; i < RecentFiles::kCount; ++i)
    s.History.SetEntry(i, ini.ReadString(kHistory, kHistoryKeys[i], ""));

  for (const std::string& name : ini.Sections()) {
    if (IsOwnSection(name)) continue;
    TKeyValueList entries;
    for (const std::string& key : ini.Keys(name)) {
      // The first of several equal keys counts, as when the file is read.
      const bool seen = std::any_of(entries.begin(), entries.end(),
                                    [&](const auto& kv) { return SameName(kv.first, key); });
      if (!seen) entries.emplace_back(key, ini.ReadString(name, key, ""));
    }
    s.SetSection(name, std::move(entries));
  }
  return s;
}

std::string SettingsText(const TSettings& settings) {
  std::string out;
  TSettings copy = settings;  // the visitor takes references; writing changes nothing
  Writer w{out, {}};
  VisitKeys(copy, w);
  for (std::size_t i = 0; i < RecentFiles::kCount; ++i)
    w.Line(kHistory, kHistoryKeys[i], settings.History.Entry(i));
  for (const TSettingsSection& section : settings.RawSections) {
    if (!WritableKey(section.Name) || section.Name.find(']') != std::string::npos) continue;
    for (const auto& [key, value] : section.Entries)
      if (WritableKey(key)) w.Line(section.Name.c_str(), key, value);
  }
  return out;
}

TSettingsRead ReadSettings(const std::string& path, const std::string& programFolder) {
  TSettingsRead result;
  IniFile ini;
  IoError e = IniFile::Load(path, ini);
  if (e.Kind == IoErrorKind::FileNotFound) e = {};
  result.Error = e;
  result.Settings = e.ok() ? SettingsFromIni(ini, programFolder) : DefaultSettings(programFolder);
  return result;
}

IoError WriteSettings(const std::string& path, const TSettings& settings) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
      IoError e;
      e.Kind = IoErrorKind::CannotWrite;
      e.File = path;
      e.Detail = ec.message();
      return e;
    }
  }
  const std::string text = SettingsText(settings);
  return WriteFileReplacing(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace corvane
