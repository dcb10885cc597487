#pragma once
// JSON form of a macro file (corvane-cli dump of .lmk files).

#include <string>

#include "io/macro_file.h"

namespace corvane {

// {"Kind":"macro","Version":v,"Text1":s,"Text2":s,"Elements":[...]} with the
// elements in the form of the project dump, one per line, and a final newline.
std::string MacroToJson(const TMacroData& macro);

}  // namespace corvane
