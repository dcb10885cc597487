#pragma once
// The grid popup menu: 7 built-in grids, the user grids sorted by size, the
// captions of both and of the grid button, and the user grid settings.
//
// An item's tag above 10 000 is its spacing in world units x 10 000 (equal to
// the spacing in mm x 1 000 000); a tag of 10 000 or less is a spacing in
// whole world units (older settings).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "render/unit_mode.h"

namespace corvane {

struct TBuiltinGrid {
  int32_t Tag;
  const char* MmCaption;
  const char* MilCaption;
};

inline constexpr std::array<TBuiltinGrid, 7> kBuiltinGrids{{
    {79375, "0.079375 mm (1/32 RM)", "3.125 mil (1/320 \")"},
    {158750, "  0.15875 mm (1/16 RM)", "  6.25 mil (1/160 \")"},
    {317500, "    0.3175 mm (1/8 RM)", "  12.5 mil (1/80 \")"},
    {635000, "      0.635 mm (1/4 RM)", "      25 mil (1/40 \")"},
    {1270000, "        1.27 mm (1/2 RM)", "      50 mil (1/20 \")"},
    {2540000, "        2.54 mm (RM)", "    100 mil (1/10 \")"},
    {5080000, "        5.08 mm (2 RM)", "    200 mil (2/20 \")"},
}};
inline constexpr int kBuiltinGridCount = static_cast<int>(kBuiltinGrids.size());

// Settings section of the user grids; keys "T8", "T9", ... in menu order (the
// popup index: the built-ins and one separator come first).
inline constexpr const char* kUserGridSection = "R_POPUP";
inline constexpr int kFirstUserGridKey = 8;

// The range of the "New grid" dialog, mm.
inline constexpr double kUserGridMinMm = 0.02;
inline constexpr double kUserGridMaxMm = 99.9;
inline constexpr double kUserGridDefaultMm = 0.5;

// Settings entries as (key, value) pairs; the INI file itself is read elsewhere.
using TKeyValueList = std::vector<std::pair<std::string, std::string>>;

// Spacing (world units) of a menu item's tag.
double GridSpacingOfTag(int32_t tag);
// Whether an item with this tag stands for the grid spacing (world units).
bool GridTagMatches(int32_t tag, double spacing);
// Caption of a user grid item, padded with leading blanks so numbers line up.
std::string GridCaption(int32_t tag, TUnitMode unit);
// Text of the grid button for a spacing (world units).
std::string GridButtonCaption(double spacing, TUnitMode unit);

// Menu items are numbered 0..Count()-1: the built-ins first, then the user grids.
class TGridMenu {
 public:
  int Count() const { return kBuiltinGridCount + static_cast<int>(user_.size()); }
  int32_t Tag(int item) const;
  bool IsUser(int item) const { return item >= kBuiltinGridCount && item < Count(); }
  std::string Caption(int item, TUnitMode unit) const;
  const std::vector<int32_t>& UserTags() const { return user_; }

  // The check mark shown on opening the menu for the current spacing.
  bool IsChecked(int item, double spacing) const;
  // "Akuelles Raster entfernen" is enabled: a user item is checked.
  bool CanRemoveCurrent(double spacing) const;
  // The separator below the user grids shows once a user grid exists.
  bool UserSeparatorVisible() const { return !user_.empty(); }

  // "New grid" with a size in mm: selects the user grid of that tag, inserting
  // it before the first larger tag when new. Returns the item to select, or
  // nothing for a size outside 0.02..99.9 mm.
  std::optional<int> AddUserGrid(double mm);
  // Deletes the user item of the current spacing; false when there is none.
  bool RemoveCurrentGrid(double spacing);

  // "R_POPUP" entries of the user grids: "T8" = first user tag, ...
  TKeyValueList SaveUserGrids() const;
  // Replaces the user grids by "T8", "T9", ... of `entries` until a key is
  // missing. Entries that are not a positive whole number are skipped.
  void LoadUserGrids(const TKeyValueList& entries);

 private:
  std::vector<int32_t> user_;
};

}  // namespace corvane
