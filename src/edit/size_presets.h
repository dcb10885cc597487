#pragma once
// The user lists of track widths, pad sizes and SMD sizes behind the three
// preset buttons beside the size fields: reading and writing their settings
// sections, the menu captions, which item matches the current sizes, and
// where a new item goes.
#include <cstdint>
#include <string>
#include <vector>

#include "io/settings.h"
#include "render/unit_mode.h"

namespace corvane {

enum TPresetKind : uint8_t {
  pkTrack = 0,  // "L_POPUP", keys "T0", "T1", ...: the width
  pkPad = 1,    // "LA_POPUP", keys "S0", ...: outer diameter x 10000 + drill
  pkSmd = 2,    // "SMD_POPUP", keys "S0", ...: width x 10000 + height
};

// A preset's one or two sizes, world units (pads: diameters).
struct TPresetSizes {
  int32_t First = 0;
  int32_t Second = 0;  // unused for track widths
  friend bool operator==(const TPresetSizes&, const TPresetSizes&) = default;
};

const char* PresetSection(TPresetKind kind);

// The item value as stored and back. A value whose sizes lie outside
// 0..9998 decodes to nothing.
int32_t PresetValue(TPresetKind kind, TPresetSizes sizes);
bool DecodePreset(TPresetKind kind, int32_t value, TPresetSizes& sizes);

// Items in key order: track widths until the first missing key, pad and SMD
// sizes until the first value 0 (or missing). Values that are not numbers
// end the list as a missing key does; values out of range are skipped.
std::vector<int32_t> ReadPresets(const TSettings& settings, TPresetKind kind);
// Replaces the section with the items under consecutive keys from 0.
void WritePresets(TSettings& settings, TPresetKind kind, const std::vector<int32_t>& items);

// The menu caption of an item in the unit ("  0.80 mm", "  1.80 x 0.80   mm", ...).
std::string PresetCaption(TPresetKind kind, int32_t value, TUnitMode unit);

// The first item that equals the current sizes: exactly in mm; in mil after
// both sides are converted to whole mil (track widths: less than 2 world
// units apart). -1 when none does.
int CheckedPreset(TPresetKind kind, const std::vector<int32_t>& items, TPresetSizes current, TUnitMode unit);

// "Add": inserts the value before the first item with larger sizes (first
// size, then second). Returns the index it took.
std::size_t AddPreset(TPresetKind kind, std::vector<int32_t>& items, TPresetSizes sizes);

}  // namespace corvane
