#pragma once
// Parsing a whole project file held in memory, every version 0..5.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/board.h"
#include "core/project_info.h"
#include "io/io_error.h"

namespace corvane {

// What a project file holds, converted to the current version.
struct TLayoutData {
  int Version = -1;
  std::vector<TPlatine> Boards;
  int ActiveBoard = 0;  // index into Boards
  ProjectInfo Info;     // empty for versions below 4
};

// Accepts a version word of versions 0..5 (setting version) or rejects it:
// NewerVersion for 6..11, NotLayoutFile for everything else.
IoError CheckVersionWord(uint32_t word, const std::string& fileName, int& version);

// Reads every board of the file with the post-processing of its version
// (old-version conversions, CleanUpBoard). `language` names the single board
// of version 0..2 files. On any error `out` is left empty.
IoError ParseLayout(std::span<const uint8_t> bytes, const std::string& fileName, int language, TLayoutData& out);

}  // namespace corvane
