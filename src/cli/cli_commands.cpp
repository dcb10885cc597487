#include "cli/cli_commands.h"

#include <QString>
#include <cstdio>

#include "io/lay_load.h"
#include "io/lay_save.h"
#include "io/macro_file.h"
#include "io/macro_json.h"
#include "io/project_json.h"
#include "io/recent_files.h"
#include "messages/messages.h"

namespace corvane {

namespace {

// Messages separate lines with CR; a terminal wants LF.
void PrintError(const IoError& error) {
  QString text = IoErrorMessage(error);
  text.replace(QChar(u'\r'), QChar(u'\n'));
  const QByteArray bytes = text.toUtf8();
  std::fprintf(stderr, "%s\n", bytes.constData());
}

// The screen resolution font texts are converted at; the command line has no screen.
constexpr double kCliScreenPpi = 96.0;

bool IsMacroFile(const std::string& file) { return LowerExtension(file) == ".lmk"; }

IoError Unsupported(const std::string& file) {
  IoError e;
  e.Kind = IoErrorKind::Unsupported;
  e.File = file;
  return e;
}

bool Write(const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

bool Load(const std::string& file, int language, bool convertFontTexts, TProject& project, int& version) {
  if (IsMacroFile(file)) {
    PrintError(Unsupported(file));
    return false;
  }
  TFontTextOptions fontTexts;
  fontTexts.Ask = [convertFontTexts](std::size_t) { return convertFontTexts; };
  fontTexts.ScreenPpi = kCliScreenPpi;
  TLoadOptions options;
  options.Language = language;
  options.FontTexts = &fontTexts;
  const TLoadResult r = LoadLayout(file, project, options);
  if (!r.ok()) {
    PrintError(r.Error);
    return false;
  }
  version = r.Version;
  return true;
}

int DumpMacro(const std::string& file, bool convertFontTexts) {
  TMacroReadOptions options;
  options.ConvertFontTexts = convertFontTexts;
  options.ScreenPpi = kCliScreenPpi;
  TMacroData macro;
  if (const IoError e = ReadMacroFile(file, options, macro); !e.ok()) {
    PrintError(e);
    return 1;
  }
  return Write(MacroToJson(macro)) ? 0 : 1;
}

}  // namespace

int DumpCommand(const std::string& file, int language, bool convertFontTexts) {
  if (IsMacroFile(file)) return DumpMacro(file, convertFontTexts);
  TProject project;
  int version = -1;
  if (!Load(file, language, convertFontTexts, project, version)) return 1;
  project.StoreViewState();
  return Write(ProjectToJson(project, version)) ? 0 : 1;
}

int ConvertCommand(const std::string& in, const std::string& out, int language, bool convertFontTexts) {
  TProject project;
  int version = -1;
  if (!Load(in, language, convertFontTexts, project, version)) return 1;
  if (IsMacroFile(out)) {
    PrintError(Unsupported(out));
    return 1;
  }
  const IoError e = SaveLayout(out, project);
  if (!e.ok()) {
    PrintError(e);
    return 1;
  }
  return 0;
}

}  // namespace corvane
