#include "io/recent_files.h"

#include <algorithm>
#include <cctype>

#include "io/io_error.h"

namespace corvane {

namespace {
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
}  // namespace

bool SameFileName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Lower(x) == Lower(y);
         });
}

std::string LowerExtension(const std::string& path) {
  const std::string name = FileNameOnly(path);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos) return {};
  std::string ext = name.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(), Lower);
  return ext;
}

bool RecentFiles::Add(const std::string& file) {
  if (LowerExtension(file) == ".bak") return false;
  for (const std::string& e : entries_)
    if (SameFileName(e, file)) return false;
  std::move_backward(entries_.begin(), entries_.end() - 1, entries_.end());
  entries_[0] = file;
  return true;
}

std::string RecentFiles::Caption(std::size_t i) const {
  return "&" + std::to_string(i + 1) + " " + FileNameOnly(entries_.at(i));
}

}  // namespace corvane
