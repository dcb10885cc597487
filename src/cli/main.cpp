// corvane-cli: headless access to Corvane projects.
#include <cstdio>
#include <cstring>

#include "core/version.h"

int main(int argc, char** argv) {
  if (argc >= 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0)) {
    std::printf("%s %s\n", corvane::kProgramName, corvane::kProgramVersion);
    return 0;
  }
  std::fprintf(stderr, "usage: corvane-cli --version\n");
  return 2;
}
