// Writes a seed corpus for fuzz_bmp: one small file of every accepted format.
#include <cstdio>
#include <string>

#include "bmp_fixtures.h"

using namespace corvane::fixtures;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_bmp_seeds FOLDER\n");
    return 2;
  }
  int n = 0;
  for (uint16_t bpp : {1, 4, 8, 24, 32}) {
    for (bool topDown : {false, true}) {
      TBmpSpec s = PatternBmp(11, 3, bpp);
      s.TopDown = topDown;
      s.Bitfields = bpp == 32 && topDown;
      const std::vector<uint8_t> bytes = MakeBmp(s);
      const std::string path = std::string(argv[1]) + "/seed" + std::to_string(n++) + ".bmp";
      std::FILE* f = std::fopen(path.c_str(), "wb");
      if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) return 1;
      std::fclose(f);
    }
  }
  return 0;
}
