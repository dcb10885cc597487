#pragma once
// corvane-cli export: manufacturing files of one board of a project.

namespace corvane {

// Runs `corvane-cli export SUBCOMMAND FILE.lay ...` with the whole command
// line (argv[1] is "export"). Returns the exit status: 0 written, 1 an error
// (message on stderr), 2 a usage error.
int ExportMain(int argc, char** argv);

}  // namespace corvane
