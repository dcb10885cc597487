#pragma once
// Where the settings-like files live: "CORVAN50.INI", "SPRACHE.INI",
// "C_USER<n>.DAT" and "COLORS.DAT" belong in the program folder; when the
// program folder cannot be written (an installed program), the user's
// configuration folder takes the files the program writes.
//
// Reading: the copy in the program folder when there is one, else the copy in
// the configuration folder. When the program folder is not writable and the
// configuration folder has a copy, that copy is read instead: it is the one
// the program wrote last, and reading the program folder's copy would lose
// every change made since. Writing: the program folder when it is writable,
// else the configuration folder. File names match without regard to case.

#include <filesystem>
#include <string_view>

namespace corvane {

inline constexpr const char* kSettingsFileName = "CORVAN50.INI";
inline constexpr const char* kCustomColoursFileName = "COLORS.DAT";

enum class TSettingsFolder { Program, Config };

// The rule on plain facts: which folder a file is read from, given whether a
// copy exists in each folder and whether the program folder is writable.
TSettingsFolder ReadFolderFor(bool inProgramFolder, bool inConfigFolder, bool programFolderWritable);
TSettingsFolder WriteFolderFor(bool programFolderWritable);

struct TSettingsLocation {
  std::filesystem::path Read;   // the existing file, or where it would be (configuration folder)
  std::filesystem::path Write;  // where the program writes it
};

// Applies the rule to the file system. An existing file whose name differs
// only in case is used under its own name, for reading and for writing.
TSettingsLocation LocateSettingsFile(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& configFolder, std::string_view fileName);

// The regular file in `folder` whose name equals `fileName` without regard to
// case (the exact name first); empty when there is none.
std::filesystem::path FindFileInFolder(const std::filesystem::path& folder, std::string_view fileName);

// Whether files can be created in the folder (an existing folder the process
// may write into).
bool FolderWritable(const std::filesystem::path& folder);

}  // namespace corvane
