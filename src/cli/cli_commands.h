#pragma once
// The commands of corvane-cli. Each returns the process exit status: 0 done,
// 1 the file could not be read or written (the message is on stderr).

#include <string>

namespace corvane {

// Reads a project file as the program opens it (font texts are kept) and
// prints the project as one JSON document on stdout.
int DumpCommand(const std::string& file, int language);

// Reads a project file of any version and saves it as version 5.
int ConvertCommand(const std::string& in, const std::string& out, int language);

}  // namespace corvane
