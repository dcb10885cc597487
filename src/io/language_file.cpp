#include "io/language_file.h"

#include <filesystem>
#include <system_error>

#include "io/ini_file.h"

namespace corvane {

namespace {

// The language file in the folder, found without regard to case.
std::string FindLanguageFile(const std::string& folder) {
  namespace fs = std::filesystem;
  const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
  std::error_code ec;
  const fs::path exact = dir / kLanguageFileName;
  if (fs::is_regular_file(exact, ec)) return exact.string();
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    if (SameName(it->path().filename().string(), kLanguageFileName) && it->is_regular_file(ec))
      return it->path().string();
  return {};
}

}  // namespace

int ReadLanguage(const std::string& programFolder) {
  const std::string path = FindLanguageFile(programFolder);
  if (path.empty()) return 0;
  IniFile ini;
  if (!IniFile::Load(path, ini).ok()) return 0;
  const long long value = ini.ReadInteger("Sprache", "Sprache", 0);
  return value >= 0 && value <= 2 ? static_cast<int>(value) : 0;
}

}  // namespace corvane
