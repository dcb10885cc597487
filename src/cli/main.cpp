// corvane-cli: headless access to Corvane projects.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/export_command.h"
#include "cli/render_command.h"
#include "core/version.h"
#include "io/ini_file.h"
#include "io/language_file.h"
#include "messages/messages.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: corvane-cli --version\n"
               "       corvane-cli dump FILE [--lang N] [--convert-font-texts]\n"
               "       corvane-cli convert IN OUT [--lang N] [--convert-font-texts]\n"
               "       corvane-cli render FILE.lay -o OUT.png|OUT.bmp [--board N] [--dpi D] [--lang N]\n"
               "       corvane-cli export gerber|gerber-all FILE.lay ... (corvane-cli export for details)\n"
               "FILE: a project (.lay) or, for dump, a macro (.lmk)\n"
               "N: 0 German, 1 English, 2 French (default: the language file beside the program)\n"
               "--convert-font-texts: font texts become vector texts (otherwise they are kept)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0)) {
    std::printf("%s %s\n", corvane::kProgramName, corvane::kProgramVersion);
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "render") == 0) return corvane::RenderMain(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "export") == 0) return corvane::ExportMain(argc, argv);
  QCoreApplication app(argc, argv);
  std::vector<std::string> args;
  int language = -1;
  bool convertFontTexts = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--convert-font-texts") == 0) {
      convertFontTexts = true;
    } else if (std::strcmp(argv[i], "--lang") == 0) {
      const auto value = i + 1 < argc ? corvane::ParseIniInteger(argv[i + 1]) : std::nullopt;
      if (!value || *value < 0 || *value > 2) return Usage();
      language = static_cast<int>(*value);
      ++i;
    } else {
      args.emplace_back(argv[i]);
    }
  }
  if (language < 0) language = corvane::ReadLanguage(QCoreApplication::applicationDirPath().toStdString());
  corvane::InstallLanguage(language);

  if (args.size() == 2 && args[0] == "dump") return corvane::DumpCommand(args[1], language, convertFontTexts);
  if (args.size() == 3 && args[0] == "convert")
    return corvane::ConvertCommand(args[1], args[2], language, convertFontTexts);
  return Usage();
}
