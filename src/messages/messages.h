#pragma once
// The program's messages in the current language. English is the source
// language; German and French come from the translations embedded in this
// library. Lines of a message are separated by a single carriage return.

#include <QString>
#include <cstddef>
#include <vector>

#include "io/io_error.h"

namespace corvane {

// Translation context of the messages of this library.
inline constexpr const char* kMessagesContext = "Messages";

// Installs the translator for a LanguageIndex: 0 German, 1 English, 2 French.
// English needs none; any other index counts as German. A QCoreApplication
// must exist. Returns false when the translation could not be loaded.
bool InstallLanguage(int languageIndex);

// The message for a failed read or write. Rejected files name the file
// without its folder ("newer version", "not a Corvane file"); write errors
// name the full path; damaged files say what is wrong and where.
QString IoErrorMessage(const IoError& error);

// Captions of message boxes.
QString CaptionCorvane();
QString CaptionOpen();

// "File not found!" (File menu) or "File not found" (recent files).
QString FileNotFoundMessage(bool fromRecentFiles);
// After opening a file older than version 4: C1 and C2 were exchanged.
QString OldVersionWarning();
// The question before font texts are converted, with their number.
QString FontTextQuestion(std::size_t count);
QString FontTextsConverted();
QString SaveChangesQuestion();
QString NewBoardAddedMessage(const QString& boardName);
QString DeleteBoardQuestion(const QString& boardName);
QString OnlyBoardMessage();
QString AutosaveHint();

// Every source text this library translates, for checking the translations.
const std::vector<const char*>& MessageSourceTexts();

}  // namespace corvane
