#pragma once
// The commands of corvane-cli. Each returns the process exit status: 0 done,
// 1 the file could not be read or written (the message is on stderr).

#include <string>

namespace corvane {

// The question whether font texts become vector texts is answered Yes only
// with `convertFontTexts` (--convert-font-texts); they are made at 96 ppi.

// Reads a project file as the program opens it and prints the project as one
// JSON document on stdout. A macro file (.lmk) is printed as
// {"Kind":"macro", ...} with its version, text lines and elements.
int DumpCommand(const std::string& file, int language, bool convertFontTexts = false);

// Reads a project file of any version and saves it as version 5.
int ConvertCommand(const std::string& in, const std::string& out, int language, bool convertFontTexts = false);

}  // namespace corvane
