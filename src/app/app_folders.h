#pragma once
// The folders the program keeps its files in. The program folder is the
// folder of the program file; the environment variable CORVANE_PROGRAM_FOLDER
// replaces it (used by tests and for portable set-ups). The configuration
// folder takes the written files when the program folder is read-only; it is
// QStandardPaths::AppConfigLocation, or CORVANE_CONFIG_FOLDER when set.
#include <QString>
#include <filesystem>

namespace corvane {

// Without a trailing separator.
QString ProgramFolder();
QString ConfigFolder();

// The file names as std::filesystem paths (UTF-8 on this system).
std::filesystem::path ToPath(const QString& s);
QString FromPath(const std::filesystem::path& p);

// Opens docs/help/<topic>.html ("index.html" for topic 0) in the system
// browser when the file exists beside the program or in the source tree;
// nothing happens otherwise. Returns whether a file was handed on.
bool OpenHelpTopic(int topic);
// The help file that OpenHelpTopic would open; empty when there is none.
QString HelpFile(int topic);

}  // namespace corvane
