#pragma once
// The list of recently used project files (File menu, section "History").

#include <array>
#include <cstddef>
#include <string>

namespace corvane {

class RecentFiles {
 public:
  static constexpr std::size_t kCount = 4;

  // Puts the file in front and moves the others down, unless its extension
  // is ".bak" (in any case) or it already is one of the entries (compared
  // without regard to case). Returns whether the list changed.
  bool Add(const std::string& file);

  const std::string& Entry(std::size_t i) const { return entries_.at(i); }
  void SetEntry(std::size_t i, std::string file) { entries_.at(i) = std::move(file); }
  const std::array<std::string, kCount>& Entries() const { return entries_; }

  // An entry of one character or less is not shown in the menu.
  bool Shown(std::size_t i) const { return entries_.at(i).size() > 1; }
  // The menu caption: "&1 " .. "&4 " and the file name without its folder.
  std::string Caption(std::size_t i) const;

 private:
  std::array<std::string, kCount> entries_;
};

// Case-insensitive comparison of ASCII letters, as file names are compared.
bool SameFileName(const std::string& a, const std::string& b);

// The extension in lower case, with its dot ("" when there is none).
std::string LowerExtension(const std::string& path);

}  // namespace corvane
