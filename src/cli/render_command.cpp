#include "cli/render_command.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "core/project.h"
#include "io/colour_scheme.h"
#include "io/ini_file.h"
#include "io/language_file.h"
#include "io/lay_load.h"
#include "io/recent_files.h"
#include "messages/messages.h"
#include "render/board_picture.h"
#include "render/photo_view.h"

namespace corvane {

namespace {

constexpr int kDefaultDpi = 300;
constexpr long long kMaxDpi = 100000;

int Usage() {
  std::fprintf(stderr,
               "usage: corvane-cli render FILE.lay -o OUT.png|OUT.bmp [--board N] [--dpi D]\n"
               "                          [--photo 1|2] [--xray] [--no-silk] [--lang N]\n"
               "--board N: board index, 0 = first (default: the active board, as dump's ActiveBoard)\n"
               "--dpi D: resolution in dots per inch (default 300)\n"
               "N for --lang: 0 German, 1 English, 2 French\n");
  return 2;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "corvane-cli render: %s\n", message.c_str());
  return 1;
}

void PrintLoadError(const IoError& error) {
  QString text = IoErrorMessage(error);
  text.replace(QChar(u'\r'), QChar(u'\n'));
  std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

struct TRenderArgs {
  std::string File;
  std::string Out;
  std::optional<long long> Board;
  long long Dpi = kDefaultDpi;
  int Language = -1;
  bool Photo = false;  // --photo, --xray or --no-silk (side 1 unless --photo 2)
  TPhotoOptions PhotoOptions;
};

// Reads the arguments after "render"; nothing on a usage error.
std::optional<TRenderArgs> Parse(int argc, char** argv) {
  TRenderArgs a;
  auto value = [&](int& i) -> std::optional<long long> {
    if (i + 1 >= argc) return std::nullopt;
    return ParseIniInteger(argv[++i]);
  };
  for (int i = 2; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "-o") == 0) {
      if (i + 1 >= argc) return std::nullopt;
      a.Out = argv[++i];
    } else if (std::strcmp(arg, "--board") == 0) {
      a.Board = value(i);
      if (!a.Board || *a.Board < 0) return std::nullopt;
    } else if (std::strcmp(arg, "--dpi") == 0) {
      const auto dpi = value(i);
      if (!dpi || *dpi < 1 || *dpi > kMaxDpi) return std::nullopt;
      a.Dpi = *dpi;
    } else if (std::strcmp(arg, "--lang") == 0) {
      const auto lang = value(i);
      if (!lang || *lang < 0 || *lang > 2) return std::nullopt;
      a.Language = static_cast<int>(*lang);
    } else if (std::strcmp(arg, "--photo") == 0) {
      const auto side = value(i);
      if (!side || (*side != 1 && *side != 2)) return std::nullopt;
      a.Photo = true;
      a.PhotoOptions.Side = static_cast<int>(*side);
    } else if (std::strcmp(arg, "--xray") == 0) {
      a.Photo = true;
      a.PhotoOptions.XRay = true;
    } else if (std::strcmp(arg, "--no-silk") == 0) {
      a.Photo = true;
      a.PhotoOptions.Silkscreen = false;
    } else if (arg[0] == '-' || !a.File.empty()) {
      return std::nullopt;
    } else {
      a.File = arg;
    }
  }
  if (a.File.empty() || a.Out.empty()) return std::nullopt;
  return a;
}

}  // namespace

int RenderMain(int argc, char** argv) {
  const std::optional<TRenderArgs> args = Parse(argc, argv);
  if (!args) return Usage();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const std::string ext = LowerExtension(args->Out);
  const char* format = ext == ".png" ? "PNG" : ext == ".bmp" ? "BMP" : nullptr;
  if (format == nullptr) return Fail("the picture must be a .png or .bmp file: " + args->Out);

  const int language = args->Language >= 0
                           ? args->Language
                           : ReadLanguage(QCoreApplication::applicationDirPath().toStdString());
  InstallLanguage(language);

  TProject project;
  TFontTextOptions fontTexts;
  fontTexts.Ask = [](std::size_t) { return false; };  // font texts are drawn as they are
  TLoadOptions options;
  options.Language = language;
  options.FontTexts = &fontTexts;
  const TLoadResult loaded = LoadLayout(args->File, project, options);
  if (!loaded.ok()) {
    PrintLoadError(loaded.Error);
    return 1;
  }
  if (project.BoardCount() == 0) return Fail(args->File + " holds no board");
  std::size_t index = static_cast<std::size_t>(project.ActiveIndex() >= 0 ? project.ActiveIndex() : 0);
  if (args->Board) {
    if (static_cast<unsigned long long>(*args->Board) >= project.BoardCount())
      return Fail(args->File + " has " + std::to_string(project.BoardCount()) + " board(s); there is no board " +
                  std::to_string(*args->Board));
    index = static_cast<std::size_t>(*args->Board);
  }
  // Each board's header holds the view state stored in the file.
  const TBoardPicture picture = RenderBoardPicture(project.Boards()[index], static_cast<double>(args->Dpi),
                                                   StandardColourScheme(), TRenderSettings{},
                                                   args->Photo ? &args->PhotoOptions : nullptr);
  if (!picture.ok()) return Fail(args->File + ": " + picture.Error);
  if (!picture.Image.save(QString::fromStdString(args->Out), format))
    return Fail("cannot write " + args->Out);
  return 0;
}

}  // namespace corvane
