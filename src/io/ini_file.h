#pragma once
// IniFile: a reader of the sections-and-keys text form ("[Section]",
// "Key=Value" lines). Section and key names compare without regard to case;
// blanks around names and values are ignored; lines starting with ';' are
// comments. When a key appears twice in a section the first one counts.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/io_error.h"

namespace corvane {

class IniFile {
 public:
  static IniFile Parse(std::string_view text);
  // FileNotFound / CannotRead when the file cannot be read.
  static IoError Load(const std::string& path, IniFile& out);

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, const std::string& fallback) const;
  // The value as a decimal integer (optional sign; "$" or "0x" for hexadecimal);
  // `fallback` when the key is missing or its value is not such a number.
  long long ReadInteger(std::string_view section, std::string_view key, long long fallback) const;

  bool HasSection(std::string_view section) const;
  std::vector<std::string> Sections() const;
  std::vector<std::string> Keys(std::string_view section) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(std::string_view name) const;
  std::vector<Section> sections_;
};

// Case-insensitive comparison of ASCII names.
bool SameName(std::string_view a, std::string_view b);

// Parses an integer as IniFile::ReadInteger does.
std::optional<long long> ParseIniInteger(std::string_view text);

}  // namespace corvane
