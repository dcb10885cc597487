#include <gtest/gtest.h>

#include <limits>

#include "render/grid_menu.h"

namespace corvane {
namespace {

TEST(GridMenu, BuiltinItemsComeFirstWithBothCaptions) {
  const TGridMenu menu;
  ASSERT_EQ(menu.Count(), 7);
  EXPECT_EQ(menu.Tag(0), 79375);
  EXPECT_EQ(menu.Caption(0, umMil), "3.125 mil (1/320 \")");
  EXPECT_EQ(menu.Caption(0, umMm), "0.079375 mm (1/32 RM)");
  EXPECT_EQ(menu.Tag(6), 5080000);
  EXPECT_EQ(menu.Caption(6, umMm), "        5.08 mm (2 RM)");
  EXPECT_EQ(menu.Caption(6, umMil), "    200 mil (2/20 \")");
  EXPECT_FALSE(menu.IsUser(6));
  EXPECT_EQ(menu.Tag(7), 0);
  EXPECT_EQ(menu.Caption(-1, umMm), "");
}

TEST(GridSpacingOfTag, LargeTagsAreTenThousandthsOfAUnit) {
  struct Case {
    int32_t tag;
    double spacing;
  } cases[] = {{79375, 7.9375}, {2540000, 254.0}, {500000, 50.0}, {10001, 1.0001}, {10000, 10000.0}, {254, 254.0}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(GridSpacingOfTag(c.tag), c.spacing) << c.tag;
}

TEST(GridButtonCaption, MilAndMmTexts) {
  struct Case {
    double spacing;
    TUnitMode unit;
    const char* text;
  } cases[] = {
      {7.9375, umMil, "  3.125 mil"},  // 0.079375 mm
      {15.875, umMil, "   6.25 mil"},
      {31.75, umMil, "   12.5 mil"},
      {63.5, umMil, "   25.0 mil"},
      {127.0, umMil, "   50.0 mil"},
      {254.0, umMil, "  100.0 mil"},
      {50.0, umMil, "   19.7 mil"},
      {127.0, umMm, "  1.27 mm"},
      {254.0, umMm, "  2.54 mm"},
      {50.0, umMm, "   0.5 mm"},
      {1000.0, umMm, "    10 mm"},
      {7.9375, umMm, "0.07938 mm"},  // rnd(7937.5) = 7938
      {15.875, umMm, "0.15875 mm"},
  };
  for (const Case& c : cases) EXPECT_EQ(GridButtonCaption(c.spacing, c.unit), c.text) << c.spacing;
}

TEST(GridCaption, UserGridTextsLineUpWithBlanks) {
  struct Case {
    int32_t tag;
    TUnitMode unit;
    const char* text;
  } cases[] = {
      {500000, umMm, "      0.500 mm"},   // 22 - 2 * 8 blanks
      {500000, umMil, "  19.7 mil"},      // 18 - 2 * 8
      {99900000, umMm, "    99.900 mm"},
      {99900000, umMil, "3933.1 mil"},     // longer than the blanks allow: none
      {254, umMm, "      2.540 mm"},    // an older tag in whole units
      {254, umMil, "100.0 mil"},
  };
  for (const Case& c : cases) EXPECT_EQ(GridCaption(c.tag, c.unit), c.text) << c.tag;
}

TEST(GridMenu, AddUserGridInsertsSortedByTag) {
  TGridMenu menu;
  EXPECT_EQ(menu.AddUserGrid(0.5), 7);
  EXPECT_EQ(menu.AddUserGrid(1.0), 8);
  EXPECT_EQ(menu.AddUserGrid(0.3), 7);
  EXPECT_EQ(menu.UserTags(), (std::vector<int32_t>{300000, 500000, 1000000}));
  // 0.5 mm is 50 world units: tag 500 000, caption from GridCaption.
  EXPECT_DOUBLE_EQ(GridSpacingOfTag(menu.Tag(8)), 50.0);
  EXPECT_EQ(menu.Caption(8, umMm), "      0.500 mm");
  EXPECT_TRUE(menu.IsUser(8));
}

TEST(GridMenu, AddingAnExistingUserGridOnlySelectsIt) {
  TGridMenu menu;
  menu.AddUserGrid(0.3);
  menu.AddUserGrid(0.5);
  EXPECT_EQ(menu.AddUserGrid(0.5), 8);
  EXPECT_EQ(menu.AddUserGrid(0.5000001), 8);  // the same tag after rounding
  EXPECT_EQ(menu.UserTags(), (std::vector<int32_t>{300000, 500000}));
}

TEST(GridMenu, AddUserGridOnlyWithinTheDialogRange) {
  struct Case {
    double mm;
    bool added;
  } cases[] = {{0.02, true}, {99.9, true}, {0.0199, false}, {99.91, false}, {0.0, false}, {-1.0, false},
               {std::numeric_limits<double>::quiet_NaN(), false}};
  for (const Case& c : cases) {
    TGridMenu menu;
    EXPECT_EQ(menu.AddUserGrid(c.mm).has_value(), c.added) << c.mm;
    EXPECT_EQ(menu.Count(), c.added ? 8 : 7);
  }
}

TEST(GridMenu, CheckMarkAndRemovalFollowTheCurrentSpacing) {
  TGridMenu menu;
  menu.AddUserGrid(0.5);
  // A built-in grid is current: checked, but it cannot be removed.
  EXPECT_TRUE(menu.IsChecked(4, 127.0));
  EXPECT_FALSE(menu.IsChecked(7, 127.0));
  EXPECT_FALSE(menu.CanRemoveCurrent(127.0));
  EXPECT_FALSE(menu.RemoveCurrentGrid(127.0));
  EXPECT_EQ(menu.Count(), 8);
  // The user grid is current.
  EXPECT_TRUE(menu.IsChecked(7, 50.0));
  EXPECT_TRUE(menu.CanRemoveCurrent(50.0));
  EXPECT_TRUE(menu.UserSeparatorVisible());
  EXPECT_TRUE(menu.RemoveCurrentGrid(50.0));
  EXPECT_EQ(menu.Count(), 7);
  EXPECT_FALSE(menu.UserSeparatorVisible());
}

TEST(GridTagMatches, LargeTagsCompareTenThousandthsOlderTagsWholeUnits) {
  EXPECT_TRUE(GridTagMatches(79375, 7.9375));
  EXPECT_FALSE(GridTagMatches(2540000, 254.4));
  EXPECT_TRUE(GridTagMatches(254, 254.4));
  EXPECT_FALSE(GridTagMatches(254, 254.6));
}

TEST(GridMenu, SaveWritesT8OnwardsInMenuOrder) {
  TGridMenu menu;
  menu.AddUserGrid(1.0);
  menu.AddUserGrid(0.3);
  const TKeyValueList expected = {{"T8", "300000"}, {"T9", "1000000"}};
  EXPECT_EQ(menu.SaveUserGrids(), expected);
  EXPECT_TRUE(TGridMenu().SaveUserGrids().empty());
}

TEST(GridMenu, LoadReadsUntilAKeyIsMissing) {
  struct Case {
    const char* what;
    TKeyValueList entries;
    std::vector<int32_t> tags;
  } cases[] = {
      {"in file order", {{"T8", "1000000"}, {"T9", "300000"}}, {1000000, 300000}},
      {"stops at a gap", {{"T8", "300000"}, {"T9", "500000"}, {"T11", "700000"}}, {300000, 500000}},
      {"no T8", {{"T9", "500000"}}, {}},
      {"keys in any case", {{"t8", " 254 "}, {"T9", "500000"}}, {254, 500000}},
      {"bad values are skipped", {{"T8", "abc"}, {"T9", "0"}, {"T10", "-5"}, {"T11", "12x"}, {"T12", "500000"}},
       {500000}},
      {"the first of equal keys", {{"T8", "300000"}, {"T8", "500000"}}, {300000}},
  };
  for (const Case& c : cases) {
    TGridMenu menu;
    menu.AddUserGrid(2.0);  // replaced by the loaded list
    menu.LoadUserGrids(c.entries);
    EXPECT_EQ(menu.UserTags(), c.tags) << c.what;
  }
}

TEST(GridMenu, SaveAndLoadRoundTrip) {
  TGridMenu menu;
  for (const double mm : {0.25, 0.05, 3.0}) menu.AddUserGrid(mm);
  TGridMenu loaded;
  loaded.LoadUserGrids(menu.SaveUserGrids());
  EXPECT_EQ(loaded.UserTags(), menu.UserTags());
}

}  // namespace
}  // namespace corvane
