#pragma once
// Reading BMP files as two-colour bitmaps for the scanned-copy template.
//
// Accepted: the 14-byte file header followed by an information header of 40
// bytes or a larger V4/V5 one; 1, 4, 8, 24 and 32 bits per pixel,
// uncompressed (BI_RGB; BI_BITFIELDS for 32 bits); bottom-up and top-down
// rows. Every size, offset and palette index is checked against the file's
// bytes before use.
//
// Colour reduction: every pixel's colour (from the palette or the pixel
// itself) is reduced by its luminance 0.299 R + 0.587 G + 0.114 B against the
// threshold 128: darker pixels become 0 (drawn in the template colour), the
// others 1 (drawn in the background colour).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "io/io_error.h"

namespace corvane {

// Bitmaps larger than this (pixels) are refused.
inline constexpr int64_t kMaxBmpPixels = int64_t{1} << 28;
inline constexpr int32_t kMaxBmpSide = 65535;
// The resolution used when the file gives none.
inline constexpr int32_t kDefaultBmpDpi = 600;

struct TMonoBitmap {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Dpi = kDefaultBmpDpi;
  // Rows top to bottom, (Width + 7) / 8 bytes each, most significant bit
  // first; a clear bit is a dark pixel.
  std::vector<uint8_t> Bits;

  bool Empty() const { return Width <= 0 || Height <= 0; }
  int32_t RowBytes() const { return (Width + 7) / 8; }
  // 0 = dark, 1 = light; x and y must lie inside the bitmap.
  int Pixel(int32_t x, int32_t y) const {
    return (Bits[static_cast<std::size_t>(y) * RowBytes() + x / 8] >> (7 - x % 8)) & 1;
  }
};

// dpi = rnd(pixels per metre * 2.54 / 100); 0 or less gives kDefaultBmpDpi.
int32_t DpiFromPixelsPerMetre(int32_t pixelsPerMetre);

// Decodes the bytes of a BMP file; `file` names it in the error.
IoError DecodeBmp(std::span<const uint8_t> bytes, const std::string& file, TMonoBitmap& out);

// Reads and decodes a BMP file.
IoError ReadBmpFile(const std::string& path, TMonoBitmap& out);

}  // namespace corvane
