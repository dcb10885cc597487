#include "io/ini_file.h"

#include <cctype>
#include <charconv>
#include <vector>

#include "io/file_bytes.h"

namespace corvane {

namespace {

std::string_view Trim(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::optional<long long> ParseIniInteger(std::string_view text) {
  std::string_view s = Trim(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return std::nullopt;
  unsigned long long magnitude = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  constexpr unsigned long long limit = 1ull << 62;
  if (magnitude > limit) return std::nullopt;
  const auto value = static_cast<long long>(magnitude);
  return negative ? -value : value;
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    std::string_view line = Trim(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      const std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      current = nullptr;
      for (Section& s : ini.sections_)
        if (SameName(s.name, name)) current = &s;
      if (!current) current = &ini.sections_.emplace_back(Section{std::string(name), {}});
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || !current) continue;
    const std::string_view key = Trim(line.substr(0, eq));
    if (key.empty()) continue;
    current->entries.push_back({std::string(key), std::string(Trim(line.substr(eq + 1)))});
  }
  return ini;
}

IoError IniFile::Load(const std::string& path, IniFile& out) {
  std::vector<uint8_t> bytes;
  if (IoError e = ReadFileBytes(path, bytes); !e.ok()) return e;
  out = Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return IoError{};
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  for (const Section& s : sections_)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries)
      if (SameName(e.key, key)) return e.value;
  return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, const std::string& fallback) const {
  return Value(section, key).value_or(fallback);
}

long long IniFile::ReadInteger(std::string_view section, std::string_view key, long long fallback) const {
  const std::optional<std::string> v = Value(section, key);
  if (!v) return fallback;
  return ParseIniInteger(*v).value_or(fallback);
}

bool IniFile::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

std::vector<std::string> IniFile::Sections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries) keys.push_back(e.key);
  return keys;
}

}  // namespace corvane
