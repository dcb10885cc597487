// libFuzzer target for the template BMP reader: whatever the bytes, decoding
// reports an error or gives a bitmap whose size matches its bits.
#include <cstddef>
#include <cstdint>
#include <span>

#include "io/bmp_file.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  TMonoBitmap bmp;
  const IoError e = DecodeBmp(std::span<const uint8_t>(data, size), "fuzz.bmp", bmp);
  if (!e.ok()) {
    if (!bmp.Empty() || !bmp.Bits.empty()) __builtin_trap();
    return 0;
  }
  if (bmp.Width <= 0 || bmp.Height <= 0 || bmp.Dpi <= 0) __builtin_trap();
  if (bmp.Bits.size() != static_cast<std::size_t>(bmp.RowBytes()) * static_cast<std::size_t>(bmp.Height))
    __builtin_trap();
  return 0;
}
