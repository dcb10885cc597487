#pragma once
// The hotkey table: 15 rows of tool buttons. Row 0 ("Edit") always has the
// Escape key; rows 1..14 have one letter A..Z each or none. The settings keep
// the letters of rows 1..14 as a 14-character string, "_" for a row without
// key (default "ZLPSRFNTCAXMVO"). No letter belongs to two rows.

#include <array>
#include <string>
#include <string_view>

#include "edit/tool_mode.h"

namespace corvane {

inline constexpr int kHotkeyRowCount = 15;
inline constexpr int kHotkeyLetterCount = kHotkeyRowCount - 1;  // rows 1..14
inline constexpr char kNoHotkey = '_';                          // in the settings string
inline constexpr const char* kDefaultHotkeys = "ZLPSRFNTCAXMVO";
inline constexpr const char* kEscapeCaption = "ESC";  // key column of row 0

// What a row's tool button does. The "Photoview" button is not a mode of its
// own: it selects the Zoom mode and shows the photo view window.
struct THotkeyRowInfo {
  const char* Caption;  // English mode name of the hotkey list
  ToolMode Mode;
  bool ShowsPhotoView;
};

inline constexpr std::array<THotkeyRowInfo, kHotkeyRowCount> kHotkeyRows{{
    {"Edit", ToolMode::Edit, false},
    {"Zoom", ToolMode::Zoom, false},
    {"Track", ToolMode::Track, false},
    {"Pad", ToolMode::Pad, false},
    {"SMD-Pad", ToolMode::SmdPad, false},
    {"Circle", ToolMode::Circle, false},
    {"Zone", ToolMode::Zone, false},
    {"Special form", ToolMode::SpecialForm, false},
    {"Text", ToolMode::Text, false},
    {"Connections", ToolMode::Connections, false},
    {"Autoroute", ToolMode::Autoroute, false},
    {"Test", ToolMode::Test, false},
    {"Measure", ToolMode::Measure, false},
    {"Photoview", ToolMode::Zoom, true},
    {"Solder mask", ToolMode::SolderMask, false},
}};

// Outcome of choosing a letter for a row in the options dialog.
struct THotkeyChoice {
  bool Taken = false;     // the row has the letter now
  int ConflictRow = -1;   // the row that already has the letter (nothing changed), else -1
};

class THotkeys {
 public:
  // The default letters.
  THotkeys();

  // Reads the settings string. Lower-case letters count as upper-case; a
  // character that is not a letter gives its row no key; a letter already
  // taken by an earlier row is dropped from the later one. A string that is
  // not 14 characters long gives the default table.
  static THotkeys Parse(std::string_view text);
  // The 14-character settings string of rows 1..14.
  std::string Format() const;

  // The letter of row 1..14 ('A'..'Z'), or 0 for none, for row 0 and for rows
  // outside the table.
  char Key(int row) const;
  // The key column of the hotkey list: "ESC" for row 0, the letter, or "" for none.
  std::string KeyCaption(int row) const;

  // Gives row 1..14 the letter (a..z counts as A..Z). When another row already
  // has it, nothing changes and ConflictRow names that row, so the dialog can
  // show "The hotkey \"<k>\" is already in use.". Row 0, rows outside the
  // table and characters that are not letters are refused without a conflict.
  THotkeyChoice Assign(int row, char letter);

  // The row whose key is the letter (either case), or -1.
  int RowOfLetter(char letter) const;

  friend bool operator==(const THotkeys&, const THotkeys&) = default;

 private:
  std::array<char, kHotkeyRowCount> keys_{};  // 0 = none; keys_[0] stays 0 (Escape)
};

}  // namespace corvane
