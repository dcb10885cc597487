#pragma once
// TSettings: the settings file "CORVAN50.INI" with every key of the main
// window and its default, read at start and written at shutdown.
//
// Booleans are stored as 1 and 0 (any other whole number reads as on),
// integers in decimal, strings as they are. A missing key, a value that is
// not a number and a number outside the key's range all give the default.
// Sections that belong to other parts of the program (the preset lists, print,
// Excellon and DRC settings) and sections this version does not know are kept
// as raw key/value lists, so they survive a read and a write unchanged.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "io/ini_file.h"
#include "io/io_error.h"
#include "io/recent_files.h"

namespace corvane {

// Settings entries as (key, value) pairs in file order.
using TKeyValueList = std::vector<std::pair<std::string, std::string>>;

struct TSettingsSection {
  std::string Name;
  TKeyValueList Entries;
  friend bool operator==(const TSettingsSection&, const TSettingsSection&) = default;
};

// Sections kept raw for the parts that own them: presets of track widths,
// grids, pads and SMD pads, then printing, Excellon export and the DRC.
inline constexpr std::array<const char*, 7> kRawSettingsSections{
    "L_POPUP", "R_POPUP", "LA_POPUP", "SMD_POPUP", "Drucken", "Excellon", "DRC"};

inline constexpr const char* kDefaultHotkeyString = "ZLPSRFNTCAXMVO";
inline constexpr std::size_t kHotkeyStringLength = 14;
inline constexpr const char* kMacroFolderName = "Makros";

// Section "Window".
struct TWindowSettings {
  bool WindowMax = true;
  int32_t WindowX = 10;
  int32_t WindowY = 10;
  int32_t WindowW = 600;  // > 0
  int32_t WindowH = 400;  // > 0
  friend bool operator==(const TWindowSettings&, const TWindowSettings&) = default;
};

// Section "Optionen".
struct TOptionSettings {
  bool Kurzhilfe = true;           // "Show hints"
  bool AutoSave = false;           // automatic backup on
  int32_t AutoSaveTime = 300000;   // backup interval, ms: 60000..3600000 (1..60 minutes)
  int32_t Farbschema = 0;          // colour scheme 0..3
  bool PlatinenZoom = true;        // board-zoom overview shown
  int32_t Undo = 49;               // undo steps minus one, 0..49
  int32_t Imax_CU = 35;            // copper thickness, µm, 1..299
  int32_t Imax_DT = 20;            // allowed temperature rise, °C, 1..299
  bool BohrungenWeiss = false;     // drill holes white
  bool Fadenkreuz = true;          // cross-hair cursor
  bool AutoSpiegeln = true;        // mirror macros and texts on the bottom side
  bool VirtuelleKnoten = true;     // virtual nodes on tracks
  bool SchrifthoeheBegrenzen = false;
  bool StrgZumFangen = true;       // Ctrl needed to take values over from a selection
  bool HPGLSonderFaktor = false;   // HPGL scaling 0.3937 instead of 0.4
  bool AutoMasseDunkel = true;     // ground plane drawn darkened
  bool CAM_Nullpunkt = false;      // coordinate origin in CAM output
  bool AutoUpdate = false;
  std::string Hotkeys = kDefaultHotkeyString;  // 14 characters, "_" for none
  bool Transparent = false;
  int32_t RasterMarkierung = 4;    // grid emphasis: 0, 2, 4, 5 or 10
  bool RasterSichtbar = true;
  int32_t RotWinkel = 450;         // rotation angle, tenths of a degree
  int32_t UserRotWinkel = 225;     // user rotation angle, tenths of a degree
  bool MIL = false;                // display unit mil
  bool Makro = false;              // macro panel shown
  bool DRC = false;                // DRC panel shown
  bool Eigenschaften = false;      // properties panel shown
  int32_t MakroBreite = 176;       // macro panel width, pixels, >= 0
  int32_t MakroHoehe = 164;        // macro preview height, pixels, >= 0
  int32_t ExportBitmapDPI = 300;   // > 0

  // The undo depth 1..50 that "Undo" stands for.
  int UndoDepth() const { return Undo + 1; }
  void SetUndoDepth(int depth) { Undo = depth - 1; }
  friend bool operator==(const TOptionSettings&, const TOptionSettings&) = default;
};

// Section "Settings": the current tool sizes, world units (the field value in
// mm x 100, rounded by the caller). Each lies in 0..9998; the drill is not
// larger than the outer diameter.
struct TSizeSettings {
  int32_t Track = 80;
  int32_t Circle1 = 180;  // pad outer diameter
  int32_t Circle2 = 60;   // pad drill diameter
  int32_t SMDX = 90;
  int32_t SMDY = 180;
  friend bool operator==(const TSizeSettings&, const TSizeSettings&) = default;
};

// Section "Ordner". The five starting folders may be empty (the program then
// remembers the folders used last).
struct TFolderSettings {
  std::string Layout;
  std::string Gerber;
  std::string Bitmap;
  std::string Vorlage;
  std::string PLT;
  std::string Makro;        // macro root folder
  std::string MakroOrdner;  // path of the macro selected at shutdown
  friend bool operator==(const TFolderSettings&, const TFolderSettings&) = default;
};

struct TSettings {
  TWindowSettings Window;
  TOptionSettings Optionen;
  TSizeSettings Sizes;  // section "Settings"
  TFolderSettings Ordner;
  RecentFiles History;  // section "History", keys "D1".."D4"
  // The raw sections: those of kRawSettingsSections that were read or set,
  // in that order, then others from the file in file order.
  std::vector<TSettingsSection> RawSections;

  // The entries of a raw section (name without regard to case); empty when absent.
  const TKeyValueList& Section(std::string_view name) const;
  // Replaces a raw section's entries; an empty list removes the section. The
  // sections of the fields above cannot be set this way.
  void SetSection(std::string_view name, TKeyValueList entries);
};

bool operator==(const TSettings& a, const TSettings& b);

// All defaults. The folders default to the program folder, the macro root to
// the program folder's subfolder "Makros".
TSettings DefaultSettings(const std::string& programFolder);

// The settings held in an already parsed file.
TSettings SettingsFromIni(const IniFile& ini, const std::string& programFolder);

// The file text: the sections "Window", "Optionen", "Settings", "Ordner",
// "History", then the raw sections. Line breaks inside values are dropped;
// raw entries whose key could not be read back ('=' or a line break in it,
// empty, or starting with '[' or ';') are left out.
std::string SettingsText(const TSettings& settings);

struct TSettingsRead {
  TSettings Settings;  // the defaults for whatever could not be read
  IoError Error;       // None also for a missing file, which gives all defaults
};
TSettingsRead ReadSettings(const std::string& path, const std::string& programFolder);

// Writes to a temporary file beside `path` and renames it over `path`;
// creates a missing folder. A failure leaves an existing file unchanged and
// is returned as CannotWrite.
IoError WriteSettings(const std::string& path, const TSettings& settings);

}  // namespace corvane
