#include "edit/hotkeys.h"

namespace corvane {

namespace {

// 'A'..'Z' for a letter of either case, else 0.
char UpperLetter(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return c;
  return 0;
}

bool IsLetterRow(int row) { return row >= 1 && row < kHotkeyRowCount; }

}  // namespace

THotkeys::THotkeys() {
  for (int row = 1; row < kHotkeyRowCount; ++row) keys_[row] = kDefaultHotkeys[row - 1];
}

THotkeys THotkeys::Parse(std::string_view text) {
  THotkeys table;
  if (text.size() != static_cast<std::size_t>(kHotkeyLetterCount)) return table;
  table.keys_.fill(0);
  for (int row = 1; row < kHotkeyRowCount; ++row) {
    const char letter = UpperLetter(text[static_cast<std::size_t>(row - 1)]);
    if (letter != 0 && table.RowOfLetter(letter) < 0) table.keys_[row] = letter;
  }
  return table;
}

std::string THotkeys::Format() const {
  std::string text;
  for (int row = 1; row < kHotkeyRowCount; ++row) text += keys_[row] != 0 ? keys_[row] : kNoHotkey;
  return text;
}

char THotkeys::Key(int row) const { return IsLetterRow(row) ? keys_[row] : 0; }

std::string THotkeys::KeyCaption(int row) const {
  if (row == 0) return kEscapeCaption;
  const char k = Key(row);
  return k != 0 ? std::string(1, k) : std::string();
}

THotkeyChoice THotkeys::Assign(int row, char letter) {
  const char k = UpperLetter(letter);
  if (!IsLetterRow(row) || k == 0) return {};
  const int owner = RowOfLetter(k);
  if (owner >= 0 && owner != row) return {false, owner};
  keys_[row] = k;
  return {true, -1};
}

int THotkeys::RowOfLetter(char letter) const {
  const char k = UpperLetter(letter);
  if (k == 0) return -1;
  for (int row = 1; row < kHotkeyRowCount; ++row)
    if (keys_[row] == k) return row;
  return -1;
}

}  // namespace corvane
