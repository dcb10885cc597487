// The preset lists of track widths, pad and SMD sizes: settings sections,
// captions, the matching item and the place of a new one.
#include <gtest/gtest.h>

#include "edit/size_presets.h"

namespace corvane {
namespace {

TSettings WithSection(const char* name, TKeyValueList entries) {
  TSettings s;
  s.SetSection(name, std::move(entries));
  return s;
}

TEST(SizePresets, ReadingStopsWhereEachListEnds) {
  struct Case {
    TPresetKind Kind;
    TKeyValueList Entries;
    std::vector<int32_t> Expected;
  };
  const Case cases[] = {
      {pkTrack, {{"T0", "80"}, {"T1", "120"}, {"T3", "200"}}, {80, 120}},  // T2 missing
      {pkTrack, {{"T0", "80"}, {"T1", "-1"}, {"T2", "200"}}, {80}},
      {pkTrack, {{"T0", "0"}, {"T1", "x"}, {"T2", "200"}}, {0}},            // width 0 counts; a non-number ends
      {pkTrack, {{"T0", "99999"}, {"T1", "50"}}, {50}},                     // out of range skipped
      {pkPad, {{"S0", "1800080"}, {"S1", "0"}, {"S2", "2000100"}}, {1800080}},
      {pkPad, {{"S0", "1800080"}, {"S1", "-5"}, {"S2", "2000100"}}, {1800080, 2000100}},
      {pkSmd, {{"S0", "900180"}, {"S1", "1500200"}}, {900180, 1500200}},
      {pkSmd, {{"T0", "900180"}}, {}},
  };
  for (const Case& c : cases) {
    const TSettings s = WithSection(PresetSection(c.Kind), c.Entries);
    EXPECT_EQ(ReadPresets(s, c.Kind), c.Expected) << PresetSection(c.Kind) << " " << c.Entries.front().second;
  }
}

TEST(SizePresets, WritingErasesTheSectionAndNumbersFromZero) {
  TSettings s = WithSection("LA_POPUP", {{"S0", "1"}, {"S5", "7"}, {"Other", "x"}});
  WritePresets(s, pkPad, {1800080, 2000100});
  const TKeyValueList expected{{"S0", "1800080"}, {"S1", "2000100"}};
  EXPECT_EQ(s.Section("LA_POPUP"), expected);
  EXPECT_EQ(ReadPresets(s, pkPad), (std::vector<int32_t>{1800080, 2000100}));
  WritePresets(s, pkTrack, {80});
  EXPECT_EQ(s.Section("L_POPUP"), (TKeyValueList{{"T0", "80"}}));
}

TEST(SizePresets, CaptionsInBothUnits) {
  struct Case {
    TPresetKind Kind;
    int32_t Value;
    TUnitMode Unit;
    const char* Caption;
  };
  const Case cases[] = {
      {pkTrack, 80, umMm, "  0.80 mm"},
      {pkTrack, 80, umMil, "            31 mil"},  // 16 - 2 x 2 blanks
      {pkTrack, 1000, umMil, "          394 mil"},  // 16 - 2 x 3 blanks
      {pkPad, 1800080, umMm, "  1.80 x 0.80   mm"},
      {pkPad, 12000080, umMm, "12.00 x 0.80   mm"},
      {pkPad, 1800080, umMil, "      71 x 31       mil"},
      {pkSmd, 900180, umMm, "  0.90 x 1.80   mm"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PresetCaption(c.Kind, c.Value, c.Unit), c.Caption) << c.Value << " " << int(c.Unit);
}

TEST(SizePresets, TheMatchingItemDependsOnTheUnit) {
  const std::vector<int32_t> tracks{80, 120};
  EXPECT_EQ(CheckedPreset(pkTrack, tracks, {120, 0}, umMm), 1);
  EXPECT_EQ(CheckedPreset(pkTrack, tracks, {121, 0}, umMm), -1);
  EXPECT_EQ(CheckedPreset(pkTrack, tracks, {121, 0}, umMil), 1);
  EXPECT_EQ(CheckedPreset(pkTrack, tracks, {122, 0}, umMil), -1);
  const std::vector<int32_t> pads{1800080};
  EXPECT_EQ(CheckedPreset(pkPad, pads, {180, 80}, umMm), 0);
  EXPECT_EQ(CheckedPreset(pkPad, pads, {180, 81}, umMm), -1);
  // 0.81 mm is 32 mil, 0.80 mm 31 mil.
  EXPECT_EQ(CheckedPreset(pkPad, pads, {180, 81}, umMil), -1);
  EXPECT_EQ(CheckedPreset(pkPad, pads, {181, 80}, umMil), 0) << "1.81 mm and 1.80 mm are both 71 mil";
}

TEST(SizePresets, AddKeepsTheListOrdered) {
  std::vector<int32_t> pads{1500060, 1800080, 1800100};
  EXPECT_EQ(AddPreset(pkPad, pads, {180, 90}), 2u);
  EXPECT_EQ(pads, (std::vector<int32_t>{1500060, 1800080, 1800090, 1800100}));
  EXPECT_EQ(AddPreset(pkPad, pads, {250, 10}), 4u);
  std::vector<int32_t> tracks{80, 120};
  EXPECT_EQ(AddPreset(pkTrack, tracks, {40, 0}), 0u);
  EXPECT_EQ(tracks, (std::vector<int32_t>{40, 80, 120}));
}

}  // namespace
}  // namespace corvane
