#include "render/grid_menu.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <string_view>

#include "core/units.h"
#include "render/number_format.h"

namespace corvane {

namespace {

constexpr int32_t kWholeUnitTagLimit = 10000;  // tags up to this are whole world units
constexpr double kTagPerWorldUnit = 10000.0;
constexpr double kTagPerMm = 1000000.0;

// Caption widths: blanks in front until these lengths.
constexpr std::size_t kMilButtonWidth = 11;
constexpr std::size_t kMmButtonWidth = 9;
constexpr int kMmButtonDigits = 8;
// User grid captions get (base - 2 * length) leading blanks.
constexpr int kMilCaptionBase = 18;
constexpr int kMmCaptionBase = 22;

std::string PadFront(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string WithBlanks(const std::string& text, int base) {
  const int blanks = base - 2 * static_cast<int>(text.size());
  return std::string(static_cast<std::size_t>(std::max(blanks, 0)), ' ') + text;
}

std::string LowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::optional<int32_t> ParseTag(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const auto last = text.find_last_not_of(" \t");
  text = text.substr(first, last - first + 1);
  int32_t tag = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), tag);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size() || tag <= 0) return std::nullopt;
  return tag;
}

}  // namespace

double GridSpacingOfTag(int32_t tag) {
  return tag > kWholeUnitTagLimit ? tag / kTagPerWorldUnit : static_cast<double>(tag);
}

bool GridTagMatches(int32_t tag, double spacing) {
  return tag > kWholeUnitTagLimit ? tag == Rnd(spacing * kTagPerWorldUnit) : tag == Rnd(spacing);
}

std::string GridCaption(int32_t tag, TUnitMode unit) {
  const double mm = tag <= kWholeUnitTagLimit ? tag / 100.0 : Rnd(tag / 1000.0) / 1000.0;
  if (unit == umMil) return WithBlanks(FormatFixed(mm * kMilPerMm, 1) + " mil", kMilCaptionBase);
  return WithBlanks(FormatFixed(mm, 3) + " mm", kMmCaptionBase);
}

std::string GridButtonCaption(double spacing, TUnitMode unit) {
  if (unit == umMil) {
    std::string number;
    switch (Rnd(spacing * kMilPerMm * 10.0)) {
      case 12500: number = "12.5"; break;
      case 6250: number = "6.25"; break;
      case 3125: number = "3.125"; break;
      default: number = FormatFixed(spacing * kMilPerMm / 100.0, 1); break;
    }
    return PadFront(number + " mil", kMilButtonWidth);
  }
  const double mm = Rnd(spacing * 1000.0) / 1000.0 / 100.0;
  return PadFront(FormatGeneral(mm, kMmButtonDigits) + " mm", kMmButtonWidth);
}

int32_t TGridMenu::Tag(int item) const {
  if (item >= 0 && item < kBuiltinGridCount) return kBuiltinGrids[static_cast<std::size_t>(item)].Tag;
  if (IsUser(item)) return user_[static_cast<std::size_t>(item - kBuiltinGridCount)];
  return 0;
}

std::string TGridMenu::Caption(int item, TUnitMode unit) const {
  if (item >= 0 && item < kBuiltinGridCount) {
    const TBuiltinGrid& g = kBuiltinGrids[static_cast<std::size_t>(item)];
    return unit == umMil ? g.MilCaption : g.MmCaption;
  }
  if (IsUser(item)) return GridCaption(Tag(item), unit);
  return {};
}

bool TGridMenu::IsChecked(int item, double spacing) const {
  return item >= 0 && item < Count() && GridTagMatches(Tag(item), spacing);
}

bool TGridMenu::CanRemoveCurrent(double spacing) const {
  return std::any_of(user_.begin(), user_.end(), [&](int32_t tag) { return GridTagMatches(tag, spacing); });
}

std::optional<int> TGridMenu::AddUserGrid(double mm) {
  if (!std::isfinite(mm)) return std::nullopt;
  const int32_t tag = Rnd(mm * kTagPerMm);
  if (tag < Rnd(kUserGridMinMm * kTagPerMm) || tag > Rnd(kUserGridMaxMm * kTagPerMm)) return std::nullopt;
  auto it = std::find(user_.begin(), user_.end(), tag);
  if (it == user_.end()) {
    it = std::find_if(user_.begin(), user_.end(), [&](int32_t t) { return t > tag; });
    it = user_.insert(it, tag);
  }
  return kBuiltinGridCount + static_cast<int>(it - user_.begin());
}

bool TGridMenu::RemoveCurrentGrid(double spacing) {
  const auto it = std::find_if(user_.begin(), user_.end(), [&](int32_t t) { return GridTagMatches(t, spacing); });
  if (it == user_.end()) return false;
  user_.erase(it);
  return true;
}

TKeyValueList TGridMenu::SaveUserGrids() const {
  TKeyValueList entries;
  for (std::size_t i = 0; i < user_.size(); ++i)
    entries.emplace_back("T" + std::to_string(kFirstUserGridKey + static_cast<int>(i)), std::to_string(user_[i]));
  return entries;
}

void TGridMenu::LoadUserGrids(const TKeyValueList& entries) {
  user_.clear();
  // Keys are case-insensitive; the first of equal keys counts.
  std::map<std::string, std::string_view> byKey;
  for (const auto& [key, value] : entries) byKey.emplace(LowerCase(key), value);
  for (std::size_t n = kFirstUserGridKey;; ++n) {
    const auto it = byKey.find("t" + std::to_string(n));
    if (it == byKey.end()) break;
    if (const std::optional<int32_t> tag = ParseTag(it->second)) user_.push_back(*tag);
  }
}

}  // namespace corvane
