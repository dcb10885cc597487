// The subcommands of `corvane-cli export`, one row each in kExportCommands.
// A new subcommand is a function `int Name(TExportRun&)` plus one row with its
// name and usage line; the shared part (project file, --board, --lang, -o)
// is read before the function runs, and the function reads its own options
// from run.Options and reports errors through run.Fail / run.UsageError.
#include "cli/export_command.h"

#include <QCoreApplication>
#include <QString>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cam/excellon_export.h"
#include "cam/gerber_export.h"
#include "cli/export_drill_commands.h"
#include "core/project.h"
#include "io/ini_file.h"
#include "io/language_file.h"
#include "io/lay_load.h"
#include "messages/messages.h"

namespace corvane {

namespace {

struct TExportRun {
  std::string Command;  // the subcommand's name
  std::string File;
  std::string Out;
  int Language = 1;
  TPlatine* Board = nullptr;
  std::vector<std::string> Options;  // everything not read by the shared part

  int Fail(const std::string& message) const {
    std::fprintf(stderr, "corvane-cli export %s: %s\n", Command.c_str(), message.c_str());
    return 1;
  }
  int UsageError(const std::string& message) const {
    std::fprintf(stderr, "corvane-cli export %s: %s\n", Command.c_str(), message.c_str());
    return 2;
  }
};

int GerberCommand(TExportRun& run);
int GerberAllCommand(TExportRun& run);

// The drill and milling subcommands read their options in export_drill_commands.
int RunDrillCommand(TExportRun& run, TDrillCommandResult (*command)(const TDrillCommandArgs&)) {
  const TDrillCommandResult r = command({*run.Board, run.Options, run.Out, run.Language});
  if (r.Status != 0) std::fprintf(stderr, "corvane-cli export %s: %s\n", run.Command.c_str(), r.Message.c_str());
  return r.Status;
}

struct TExportCommand {
  const char* Name;
  int (*Run)(TExportRun&);
  const char* Usage;
};

const TExportCommand kExportCommands[] = {
    {"gerber", GerberCommand,
     "gerber FILE.lay --target C1|S1|C2|S2|I1|I2|O|LStop1|LStop2|SMD1|SMD2 -o OUT.gbr\n"
     "         [--mirror] [--outline] [--punch] [--mark] [--invert] [--pads MM] [--smd MM] [--others MM]\n"
     "         [--origin] [--board N] [--lang N]"},
    {"gerber-all", GerberAllCommand,
     "gerber-all FILE.lay -o DIR [--origin] [--board N] [--lang N]\n"
     "         (every Gerber target that has elements under its default name, and Drill.drl)"},
    {"excellon", [](TExportRun& r) { return RunDrillCommand(r, ExcellonExportCommand); }, kExcellonUsage},
    {"drill-list", [](TExportRun& r) { return RunDrillCommand(r, DrillListCommand); }, kDrillListUsage},
    {"contour", [](TExportRun& r) { return RunDrillCommand(r, ContourExportCommand); }, kContourUsage},
};

int Usage() {
  std::fprintf(stderr, "usage:\n");
  for (const TExportCommand& c : kExportCommands) std::fprintf(stderr, "  corvane-cli export %s\n", c.Usage);
  std::fprintf(stderr,
               "--board N: board index, 0 = first (default: the active board)\n"
               "N for --lang: 0 German, 1 English, 2 French (default: the language file beside the program)\n"
               "MM: millimetres with \".\" as decimal separator\n");
  return 2;
}

// Takes a flag from the options; true when it was there.
bool TakeFlag(std::vector<std::string>& options, const char* flag) {
  for (auto it = options.begin(); it != options.end(); ++it)
    if (*it == flag) {
      options.erase(it);
      return true;
    }
  return false;
}

// Takes "flag VALUE" from the options. nullopt: not there; "" with ok=false: no value.
std::optional<std::string> TakeValue(std::vector<std::string>& options, const char* flag, bool& ok) {
  for (auto it = options.begin(); it != options.end(); ++it) {
    if (*it != flag) continue;
    if (it + 1 == options.end()) {
      ok = false;
      options.erase(it);
      return std::nullopt;
    }
    std::string value = *(it + 1);
    options.erase(it, it + 2);
    return value;
  }
  return std::nullopt;
}

std::optional<double> ParseMillimetres(const std::string& text, double low, double high) {
  double v = 0;
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, v);
  if (r.ec != std::errc() || r.ptr != end || !(v >= low - 1e-9 && v <= high + 1e-9)) return std::nullopt;
  return v;
}

bool UnknownOptions(const TExportRun& run) {
  if (run.Options.empty()) return false;
  run.UsageError("unknown option or argument: " + run.Options.front());
  return true;
}

int GerberCommand(TExportRun& run) {
  bool ok = true;
  const std::optional<std::string> targetName = TakeValue(run.Options, "--target", ok);
  if (!ok || !targetName) return run.UsageError("--target is missing");
  const std::optional<TGerberTarget> target = ParseGerberTarget(*targetName);
  if (!target) return run.UsageError("unknown target " + *targetName);
  if (run.Out.empty()) return run.UsageError("-o OUT.gbr is missing");
  TGerberOptions o;
  o.Mirror = TakeFlag(run.Options, "--mirror");
  o.Outline = TakeFlag(run.Options, "--outline");
  o.Punch = TakeFlag(run.Options, "--punch");
  o.Mark = TakeFlag(run.Options, "--mark");
  o.Invert = TakeFlag(run.Options, "--invert");
  o.UseOrigin = TakeFlag(run.Options, "--origin");
  ApplyGerberDialogRules(*target, o);  // the dialog's check states and SMD offset for the target
  struct TOffset {
    const char* Flag;
    double Low, High;
    const char* Range;
    bool& Enabled;
    double& Value;
  } offsets[] = {{"--pads", 0.01, 9.99, "0.01 to 9.99", o.Pads, o.PadsOffset},
                 {"--smd", -9.99, 9.99, "-9.99 to 9.99", o.SmdPads, o.SmdOffset},
                 {"--others", -9.99, 9.99, "-9.99 to 9.99", o.Others, o.OthersOffset}};
  for (TOffset& f : offsets) {
    const std::optional<std::string> text = TakeValue(run.Options, f.Flag, ok);
    if (!ok) return run.UsageError(std::string(f.Flag) + " needs a value in mm");
    if (!text) continue;
    const std::optional<double> mm = ParseMillimetres(*text, f.Low, f.High);
    if (!mm) return run.UsageError(std::string(f.Flag) + " " + *text + ": not a value in mm from " + f.Range);
    f.Enabled = true;
    f.Value = *mm;
  }
  if (UnknownOptions(run)) return 2;
  if (!GerberTargetEnabled(*run.Board, *target))
    return run.Fail("target " + std::string(GerberTargetName(*target)) + " has no elements");
  const TCamResult r = PlotteGerberfile(*run.Board, *target, o, run.Out, run.Language);
  if (!r.Ok) return run.Fail(r.Error);
  return 0;
}

int GerberAllCommand(TExportRun& run) {
  const bool useOrigin = TakeFlag(run.Options, "--origin");
  if (UnknownOptions(run)) return 2;
  if (run.Out.empty()) return run.UsageError("-o DIR is missing");
  std::error_code ec;
  if (!std::filesystem::is_directory(run.Out, ec)) return run.Fail("the folder " + run.Out + " does not exist");
  const std::filesystem::path dir(run.Out);
  int written = 0;
  for (TGerberTarget t : kGerberTargets) {
    if (!GerberTargetEnabled(*run.Board, t)) continue;
    TGerberOptions o;
    o.UseOrigin = useOrigin;
    ApplyGerberDialogRules(t, o);
    const std::string path = (dir / GerberDefaultFileName(t, run.Language)).string();
    const TCamResult r = PlotteGerberfile(*run.Board, t, o, path, run.Language);
    if (!r.Ok) return run.Fail(r.Error);
    ++written;
  }
  if (written == 0) return run.Fail(run.File + ": the board has no elements");
  const TCamResult drill = WriteExcellonFile(*run.Board, TExcellonOptions{}, useOrigin, (dir / "Drill.drl").string());
  if (!drill.Ok) return run.Fail(drill.Error);
  return 0;
}

void PrintLoadError(const IoError& error) {
  QString text = IoErrorMessage(error);
  text.replace(QChar(u'\r'), QChar(u'\n'));
  std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

}  // namespace

int ExportMain(int argc, char** argv) {
  if (argc < 3) return Usage();
  const TExportCommand* command = nullptr;
  for (const TExportCommand& c : kExportCommands)
    if (std::strcmp(argv[2], c.Name) == 0) command = &c;
  if (command == nullptr) return Usage();

  TExportRun run;
  run.Command = command->Name;
  std::optional<long long> board;
  int language = -1;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-o" || arg == "--board" || arg == "--lang") {
      if (i + 1 >= argc) return Usage();
      const std::string value = argv[++i];
      if (arg == "-o") {
        run.Out = value;
        continue;
      }
      const auto n = ParseIniInteger(value);
      if (!n || *n < 0 || (arg == "--lang" && *n > 2)) return Usage();
      if (arg == "--board")
        board = *n;
      else
        language = static_cast<int>(*n);
    } else if (run.File.empty() && !arg.empty() && arg[0] != '-') {
      run.File = arg;
    } else {
      run.Options.push_back(arg);
    }
  }
  if (run.File.empty()) return Usage();

  QCoreApplication app(argc, argv);
  run.Language = language >= 0 ? language : ReadLanguage(QCoreApplication::applicationDirPath().toStdString());
  InstallLanguage(run.Language);

  TProject project;
  TFontTextOptions fontTexts;
  fontTexts.Ask = [](std::size_t) { return false; };  // font texts stay as they are
  TLoadOptions options;
  options.Language = run.Language;
  options.FontTexts = &fontTexts;
  const TLoadResult loaded = LoadLayout(run.File, project, options);
  if (!loaded.ok()) {
    PrintLoadError(loaded.Error);
    return 1;
  }
  if (project.BoardCount() == 0) return run.Fail(run.File + " holds no board");
  std::size_t index = static_cast<std::size_t>(project.ActiveIndex() >= 0 ? project.ActiveIndex() : 0);
  if (board) {
    if (static_cast<unsigned long long>(*board) >= project.BoardCount())
      return run.Fail(run.File + " has " + std::to_string(project.BoardCount()) + " board(s); there is no board " +
                      std::to_string(*board));
    index = static_cast<std::size_t>(*board);
  }
  run.Board = &project.Boards()[index];
  return command->Run(run);
}

}  // namespace corvane
