#include "edit/size_presets.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/units.h"
#include "render/number_format.h"

namespace corvane {

namespace {

constexpr int32_t kMaxPresetSize = 9998;
constexpr double kMilPerMm = 39.37;

bool InRange(int32_t v) { return v >= 0 && v <= kMaxPresetSize; }

std::string KeyOf(TPresetKind kind, std::size_t i) { return (kind == pkTrack ? "T" : "S") + std::to_string(i); }

const std::string* Lookup(const TKeyValueList& entries, const std::string& key) {
  for (const auto& [k, v] : entries)
    if (k == key) return &v;
  return nullptr;
}

bool ParseInt(const std::string& text, int32_t& out) {
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r')) --e;
  const char* first = text.data() + b;
  const char* last = text.data() + e;
  if (first != last && *first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, out);
  return ec == std::errc() && ptr == last && first != last;
}

int32_t WholeMil(int32_t world) { return static_cast<int32_t>(Rnd(world / 100.0 * kMilPerMm)); }

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(std::max(0, n)), ' '); }

std::string MmText(int32_t world) { return FormatFixed(world / 100.0, 2); }

}  // namespace

const char* PresetSection(TPresetKind kind) {
  switch (kind) {
    case pkTrack: return "L_POPUP";
    case pkPad: return "LA_POPUP";
    case pkSmd: return "SMD_POPUP";
  }
  return "L_POPUP";
}

int32_t PresetValue(TPresetKind kind, TPresetSizes sizes) {
  return kind == pkTrack ? sizes.First : sizes.First * 10000 + sizes.Second;
}

bool DecodePreset(TPresetKind kind, int32_t value, TPresetSizes& sizes) {
  TPresetSizes s;
  if (kind == pkTrack) {
    s.First = value;
  } else {
    if (value < 0) return false;
    s.First = value / 10000;
    s.Second = value % 10000;
  }
  if (!InRange(s.First) || !InRange(s.Second)) return false;
  sizes = s;
  return true;
}

std::vector<int32_t> ReadPresets(const TSettings& settings, TPresetKind kind) {
  const TKeyValueList& entries = settings.Section(PresetSection(kind));
  std::vector<int32_t> items;
  for (std::size_t i = 0; i <= entries.size(); ++i) {
    const std::string* text = Lookup(entries, KeyOf(kind, i));
    int32_t value = 0;
    if (!text || !ParseInt(*text, value)) break;
    if (kind == pkTrack ? value == -1 : value == 0) break;
    TPresetSizes sizes;
    if (DecodePreset(kind, value, sizes)) items.push_back(value);
  }
  return items;
}

void WritePresets(TSettings& settings, TPresetKind kind, const std::vector<int32_t>& items) {
  TKeyValueList entries;
  for (std::size_t i = 0; i < items.size(); ++i) entries.emplace_back(KeyOf(kind, i), std::to_string(items[i]));
  settings.SetSection(PresetSection(kind), std::move(entries));
}

std::string PresetCaption(TPresetKind kind, int32_t value, TUnitMode unit) {
  TPresetSizes s;
  if (!DecodePreset(kind, value, s)) return std::to_string(value);
  if (kind == pkTrack) {
    if (unit == umMil) {
      const std::string mil = std::to_string(WholeMil(s.First));
      return Blanks(16 - 2 * static_cast<int>(mil.size())) + mil + " mil";
    }
    const std::string mm = MmText(s.First);
    return (mm.size() <= 7 ? "  " : "") + mm + " mm";
  }
  if (unit == umMil) {
    const std::string a = std::to_string(WholeMil(s.First));
    const std::string b = std::to_string(WholeMil(s.Second));
    return Blanks(10 - 2 * static_cast<int>(a.size())) + a + " x " + b + Blanks(10 - 2 * static_cast<int>(b.size())) +
           " mil";
  }
  const std::string a = MmText(s.First);
  const std::string b = MmText(s.Second);
  return (a.size() <= 4 ? "  " : "") + a + " x " + b + (b.size() <= 4 ? "  " : "") + " mm";
}

int CheckedPreset(TPresetKind kind, const std::vector<int32_t>& items, TPresetSizes current, TUnitMode unit) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    TPresetSizes s;
    if (!DecodePreset(kind, items[i], s)) continue;
    bool same = false;
    if (unit == umMm) {
      same = s.First == current.First && (kind == pkTrack || s.Second == current.Second);
    } else if (kind == pkTrack) {
      same = std::abs(s.First - current.First) < 2;
    } else {
      same = WholeMil(s.First) == WholeMil(current.First) && WholeMil(s.Second) == WholeMil(current.Second);
    }
    if (same) return static_cast<int>(i);
  }
  return -1;
}

std::size_t AddPreset(TPresetKind kind, std::vector<int32_t>& items, TPresetSizes sizes) {
  std::size_t at = 0;
  for (; at < items.size(); ++at) {
    TPresetSizes s;
    if (!DecodePreset(kind, items[at], s)) continue;
    if (s.First > sizes.First || (kind != pkTrack && s.First == sizes.First && s.Second > sizes.Second)) break;
  }
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), PresetValue(kind, sizes));
  return at;
}

}  // namespace corvane
