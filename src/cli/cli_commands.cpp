#include "cli/cli_commands.h"

#include <QString>
#include <cstdio>

#include "io/lay_load.h"
#include "io/lay_save.h"
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

// Macro files have their own reader, which corvane-cli does not have yet.
bool IsMacroFile(const std::string& file) { return LowerExtension(file) == ".lmk"; }

IoError Unsupported(const std::string& file) {
  IoError e;
  e.Kind = IoErrorKind::Unsupported;
  e.File = file;
  return e;
}

bool Load(const std::string& file, int language, TProject& project, int& version) {
  if (IsMacroFile(file)) {
    PrintError(Unsupported(file));
    return false;
  }
  TLoadOptions options;
  options.Language = language;
  const TLoadResult r = LoadLayout(file, project, options);
  if (!r.ok()) {
    PrintError(r.Error);
    return false;
  }
  version = r.Version;
  return true;
}

}  // namespace

int DumpCommand(const std::string& file, int language) {
  TProject project;
  int version = -1;
  if (!Load(file, language, project, version)) return 1;
  project.StoreViewState();
  const std::string json = ProjectToJson(project, version);
  if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0) return 1;
  return 0;
}

int ConvertCommand(const std::string& in, const std::string& out, int language) {
  TProject project;
  int version = -1;
  if (!Load(in, language, project, version)) return 1;
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
