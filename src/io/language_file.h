#pragma once
// The language file "SPRACHE.INI" in the program folder.

#include <string>

namespace corvane {

inline constexpr const char* kLanguageFileName = "SPRACHE.INI";

// LanguageIndex from section "Sprache", key "Sprache": 0 German, 1 English,
// 2 French. A missing file, section or key, a value that is not a number or
// a number other than 0, 1 and 2 gives 0 (German). The file name is matched
// without regard to case.
int ReadLanguage(const std::string& programFolder);

}  // namespace corvane
