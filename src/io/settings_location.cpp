#include "io/settings_location.h"

#include <system_error>

#include <unistd.h>

#include "io/ini_file.h"

namespace corvane {

namespace fs = std::filesystem;

TSettingsFolder ReadFolderFor(bool inProgramFolder, bool inConfigFolder, bool programFolderWritable) {
  if (!programFolderWritable && inConfigFolder) return TSettingsFolder::Config;
  return inProgramFolder ? TSettingsFolder::Program : TSettingsFolder::Config;
}

TSettingsFolder WriteFolderFor(bool programFolderWritable) {
  return programFolderWritable ? TSettingsFolder::Program : TSettingsFolder::Config;
}

fs::path FindFileInFolder(const fs::path& folder, std::string_view fileName) {
  if (folder.empty() || fileName.empty()) return {};
  std::error_code ec;
  const fs::path exact = folder / fs::path(fileName);
  if (fs::is_regular_file(exact, ec)) return exact;
  fs::directory_iterator it(folder, ec);
  if (ec) return {};
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return {};
    if (SameName(it->path().filename().string(), fileName) && it->is_regular_file(ec)) return it->path();
  }
  return {};
}

bool FolderWritable(const fs::path& folder) {
  std::error_code ec;
  if (folder.empty() || !fs::is_directory(folder, ec)) return false;
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

TSettingsLocation LocateSettingsFile(const fs::path& programFolder, const fs::path& configFolder,
                                     std::string_view fileName) {
  const fs::path inProgram = FindFileInFolder(programFolder, fileName);
  const fs::path inConfig = FindFileInFolder(configFolder, fileName);
  const bool writable = FolderWritable(programFolder);

  const auto existingOrNew = [&](TSettingsFolder folder) {
    const fs::path& found = folder == TSettingsFolder::Program ? inProgram : inConfig;
    if (!found.empty()) return found;
    return (folder == TSettingsFolder::Program ? programFolder : configFolder) / fs::path(fileName);
  };
  TSettingsLocation where;
  where.Read = existingOrNew(ReadFolderFor(!inProgram.empty(), !inConfig.empty(), writable));
  where.Write = existingOrNew(WriteFolderFor(writable));
  return where;
}

}  // namespace corvane
