#pragma once
// The version-5 image of a project file.

#include <cstdint>
#include <vector>

#include "core/board.h"
#include "core/project.h"
#include "io/byte_writer.h"

namespace corvane {

// Writes the version word, every board block (name, header as stored,
// elements, connections, autoroute links), the active board index and the
// project information. Texts and names are cut to 255 characters, board
// names to 30, title, author and company to 100. References to elements that
// are no longer in the board are written as -1 for autoroute links and left
// out of connection lists.
std::vector<uint8_t> EncodeLayout(const TProject& project);

// One version-5 element block (disk image, Text, Name, groups, points or
// strokes), as project and macro files store it.
void PutElementBlock(ByteWriter& w, const TObjekt& e);

}  // namespace corvane
