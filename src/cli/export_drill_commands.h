#pragma once
// corvane-cli export excellon, drill-list and contour: the options of each
// subcommand read from the arguments the shared export part left over.

#include <string>
#include <vector>

#include "core/board.h"

namespace corvane {

struct TDrillCommandArgs {
  TPlatine& Board;
  std::vector<std::string>& Options;  // the subcommand's own arguments
  const std::string& Out;             // -o, empty when not given
  int Language;                       // 0 German, 1 English, 2 French
};

// Status 0: done; 1: an error; 2: a usage error. Message explains 1 and 2.
struct TDrillCommandResult {
  int Status = 0;
  std::string Message;
};

TDrillCommandResult ExcellonExportCommand(const TDrillCommandArgs& args);
// Prints the drill list to stdout.
TDrillCommandResult DrillListCommand(const TDrillCommandArgs& args);
TDrillCommandResult ContourExportCommand(const TDrillCommandArgs& args);

inline constexpr const char* kExcellonUsage =
    "excellon FILE.lay -o OUT.drl [--plated yes|no] [--unplated yes|no] [--format mm32|mm33|inch24]\n"
    "         [--no-leading-zeros] [--side top|gerber|hpgl] [--no-sort] [--m71] [--no-g90] [--no-comments]\n"
    "         [--origin] [--board N]";
inline constexpr const char* kDrillListUsage = "drill-list FILE.lay [--mil] [--lang N] [--board N]";
inline constexpr const char* kContourUsage =
    "contour FILE.lay -o OUT.plt [--selected] [--mirror x|y] [--ref BL,BR,TL,TR] [--factor 0.4|0.3937]\n"
    "         [--origin] [--board N]";

}  // namespace corvane
