#include <gtest/gtest.h>

#include <string>

#include "edit/hotkeys.h"
#include "io/settings.h"

namespace corvane {
namespace {

constexpr int kZoomRow = 1, kTrackRow = 2, kPadRow = 3;

TEST(Hotkeys, DefaultTable) {
  const THotkeys keys;
  EXPECT_EQ(keys.Format(), kDefaultHotkeyString);  // the settings default
  EXPECT_EQ(keys.KeyCaption(0), "ESC");
  EXPECT_EQ(keys.Key(0), 0);
  EXPECT_EQ(keys.KeyCaption(kZoomRow), "Z");
  EXPECT_EQ(keys.Key(kTrackRow), 'L');
  EXPECT_EQ(keys.Key(14), 'O');
  EXPECT_EQ(keys.RowOfLetter('p'), kPadRow);
  EXPECT_EQ(keys.RowOfLetter('B'), -1);
  EXPECT_EQ(keys.Key(15), 0);
  EXPECT_EQ(keys.Key(-1), 0);
  EXPECT_STREQ(kHotkeyRows[kPadRow].Caption, "Pad");
}

TEST(Hotkeys, TrackWithoutKey) {
  const THotkeys keys = THotkeys::Parse("Z_PSRFNTCAXMVO");
  EXPECT_EQ(keys.Key(kTrackRow), 0);
  EXPECT_EQ(keys.KeyCaption(kTrackRow), "");
  EXPECT_EQ(keys.RowOfLetter('L'), -1);
  EXPECT_EQ(keys.RowOfLetter('P'), kPadRow);
  EXPECT_EQ(keys.Format(), "Z_PSRFNTCAXMVO");
}

TEST(Hotkeys, ParseRepairsDamagedStrings) {
  struct Case {
    const char* text;
    const char* format;
  };
  const Case cases[] = {
      {"ZLPSRFNTCAXMVO", "ZLPSRFNTCAXMVO"},
      {"zlpsrfntcaxmvo", "ZLPSRFNTCAXMVO"},
      {"ABCDEFGHIJKLMN", "ABCDEFGHIJKLMN"},
      {"______________", "______________"},
      {"ZZPSRFNTCAXMVO", "Z_PSRFNTCAXMVO"},  // a letter belongs to one row only: the first
      {"Z1PSRF?TCAXMV ", "Z_PSRF_TCAXMV_"},
      {"ZLP", "ZLPSRFNTCAXMVO"},              // wrong length: the defaults
      {"ZLPSRFNTCAXMVOQ", "ZLPSRFNTCAXMVO"},
      {"", "ZLPSRFNTCAXMVO"},
  };
  for (const Case& c : cases) EXPECT_EQ(THotkeys::Parse(c.text).Format(), c.format) << '"' << c.text << '"';
}

TEST(Hotkeys, LetterInUseIsRefusedAndKeepsTheOldKey) {
  THotkeys keys;
  const THotkeyChoice choice = keys.Assign(kZoomRow, 'P');
  EXPECT_FALSE(choice.Taken);
  EXPECT_EQ(choice.ConflictRow, kPadRow);
  EXPECT_EQ(keys.Key(kZoomRow), 'Z');
  EXPECT_EQ(keys, THotkeys());
  // Lower case is the same letter.
  EXPECT_EQ(keys.Assign(kZoomRow, 'p').ConflictRow, kPadRow);
}

TEST(Hotkeys, FreeLetterIsTaken) {
  THotkeys keys;
  const THotkeyChoice choice = keys.Assign(kTrackRow, 'q');
  EXPECT_TRUE(choice.Taken);
  EXPECT_EQ(choice.ConflictRow, -1);
  EXPECT_EQ(keys.Format(), "ZQPSRFNTCAXMVO");
  EXPECT_EQ(keys.RowOfLetter('L'), -1);  // the old letter is free again
  EXPECT_TRUE(keys.Assign(kPadRow, 'L').Taken);
  // A row may take its own letter again.
  EXPECT_TRUE(keys.Assign(kPadRow, 'L').Taken);
  EXPECT_EQ(keys.Format(), "ZQLSRFNTCAXMVO");
  // A row without key takes a letter.
  THotkeys none = THotkeys::Parse("Z_PSRFNTCAXMVO");
  EXPECT_TRUE(none.Assign(kTrackRow, 'L').Taken);
  EXPECT_EQ(none, THotkeys());
}

TEST(Hotkeys, EditRowAndNonLettersCannotBeAssigned) {
  THotkeys keys;
  for (const auto& [row, letter] : {std::pair{0, 'B'}, {15, 'B'}, {-1, 'B'}, {kZoomRow, '1'}, {kZoomRow, '_'}}) {
    const THotkeyChoice choice = keys.Assign(row, letter);
    EXPECT_FALSE(choice.Taken) << row << letter;
    EXPECT_EQ(choice.ConflictRow, -1);
  }
  EXPECT_EQ(keys, THotkeys());
}

}  // namespace
}  // namespace corvane
