#pragma once
// Opening and importing project files, and the conversion of old font texts.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "core/objekt.h"
#include "core/project.h"
#include "core/undo.h"
#include "io/io_error.h"
#include "io/recent_files.h"

namespace corvane {

// Rejects a file whose version word is not that of versions 0..5: NewerVersion
// (with Version set) for versions 6..11, NotLayoutFile otherwise; FileNotFound
// or CannotRead when it cannot be read. Sets *version when accepted.
IoError CheckLayoutFile(const std::string& path, int* version = nullptr);

// What ConvertFontTexts needs from the main window.
struct TFontTextOptions {
  // The question with the number of font texts; true means "Yes". Without it
  // nothing is converted.
  std::function<bool(std::size_t count)> Ask;
  double ScreenPpi = 96.0;                // screen resolution, pixels per inch
  int32_t Freistanz = kDefaultClearance;  // current clearance setting
  // Suppressed while converting, so no undo snapshot is taken meanwhile.
  TUndoControl* Undo = nullptr;
};

struct TLoadOptions {
  bool Append = false;  // "Import boards from file...": the boards are appended
  int Language = 0;     // LanguageIndex, for the board name of version 0..2 files
  RecentFiles* Recent = nullptr;              // gets the file after a successful read
  const TFontTextOptions* FontTexts = nullptr;  // none: font texts stay as they are
};

struct TLoadResult {
  IoError Error;
  int Version = -1;                 // version of the file that was read
  bool OldVersionWarning = false;   // versions below 4: show that C1 and C2 were exchanged
  std::size_t FontTextCount = 0;    // font texts found in the project after reading
  std::size_t FontTextsConverted = 0;  // vector texts made ("Text-elements converted.")
  bool ok() const { return Error.ok(); }
};

// Reads the file into a new project image; only when all of it was read is it
// put into `project`: a normal open replaces every board and the project
// information and shows the file's active board (not modified); an append
// adds the file's boards after the existing ones and shows the last one
// (modified). Then the group ids of the shown board are compacted and the
// font texts offered for conversion. On any error `project` is unchanged.
// The project's file name is the caller's business.
TLoadResult LoadLayout(const std::string& path, TProject& project, const TLoadOptions& options);

// The same for a file already in memory (`name` is used in errors).
TLoadResult LoadLayoutBytes(std::span<const uint8_t> bytes, const std::string& name, TProject& project,
                            const TLoadOptions& options);

// Number of font texts (kind 3) over all boards.
std::size_t CountFontTexts(const TProject& project);

// Offers the conversion of the project's font texts into vector texts: asks
// with their number; on "Yes" converts them board by board (each made the
// shown board, so the strokes go on its active layer), shows the board shown
// before again and marks the project modified. Returns the number of vector
// texts made.
std::size_t ConvertFontTexts(TProject& project, const TFontTextOptions& options);

}  // namespace corvane
