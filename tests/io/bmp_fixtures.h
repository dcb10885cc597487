#pragma once
// Builds BMP file bytes for the reader's tests and the fuzzer's seeds.

#include <cstdint>
#include <vector>

namespace corvane::fixtures {

struct TBmpRgb {
  uint8_t r = 0, g = 0, b = 0;
};

struct TBmpSpec {
  int32_t Width = 0;
  int32_t Height = 0;
  // Pixels row by row from the top, Width * Height of them.
  std::vector<TBmpRgb> Pixels;
  uint16_t Bpp = 24;
  bool TopDown = false;
  int32_t PixelsPerMetre = 23622;  // 600 dpi
  uint32_t InfoSize = 40;          // 40, 108 (V4) or 124 (V5)
  bool Bitfields = false;          // 32 bits per pixel with colour masks
  // The palette of indexed formats; pixels use the index of their colour.
  std::vector<TBmpRgb> Palette{{0, 0, 0}, {255, 255, 255}};
};

inline void PutU16(std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void PutU32(std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

inline std::vector<uint8_t> MakeBmp(const TBmpSpec& s) {
  const bool indexed = s.Bpp <= 8;
  const std::size_t masks = s.Bitfields && s.InfoSize == 40 ? 12 : 0;
  const std::size_t palette = indexed ? s.Palette.size() * 4 : 0;
  const std::size_t offset = 14 + s.InfoSize + masks + palette;
  const std::size_t stride = ((static_cast<std::size_t>(s.Width) * s.Bpp + 31) / 32) * 4;
  std::vector<uint8_t> b(offset + stride * s.Height, 0);
  b[0] = 'B';
  b[1] = 'M';
  PutU32(b, 2, static_cast<uint32_t>(b.size()));
  PutU32(b, 10, static_cast<uint32_t>(offset));
  PutU32(b, 14, s.InfoSize);
  PutU32(b, 18, static_cast<uint32_t>(s.Width));
  PutU32(b, 22, static_cast<uint32_t>(s.TopDown ? -s.Height : s.Height));
  PutU16(b, 26, 1);
  PutU16(b, 28, s.Bpp);
  PutU32(b, 30, s.Bitfields ? 3 : 0);
  PutU32(b, 38, static_cast<uint32_t>(s.PixelsPerMetre));
  PutU32(b, 42, static_cast<uint32_t>(s.PixelsPerMetre));
  if (indexed) PutU32(b, 46, static_cast<uint32_t>(s.Palette.size()));
  if (s.Bitfields) {
    // Red in the low byte, blue in the third: not the default order.
    PutU32(b, 54, 0x000000FFu);
    PutU32(b, 58, 0x0000FF00u);
    PutU32(b, 62, 0x00FF0000u);
  }
  for (std::size_t i = 0; indexed && i < s.Palette.size(); ++i) {
    const std::size_t at = 14 + s.InfoSize + masks + i * 4;
    b[at] = s.Palette[i].b;
    b[at + 1] = s.Palette[i].g;
    b[at + 2] = s.Palette[i].r;
  }
  auto index = [&](TBmpRgb c) {
    for (std::size_t i = 0; i < s.Palette.size(); ++i)
      if (s.Palette[i].r == c.r && s.Palette[i].g == c.g && s.Palette[i].b == c.b) return static_cast<uint32_t>(i);
    return uint32_t{0};
  };
  for (int32_t y = 0; y < s.Height; ++y) {
    const int32_t fileRow = s.TopDown ? y : s.Height - 1 - y;
    const std::size_t row = offset + stride * fileRow;
    for (int32_t x = 0; x < s.Width; ++x) {
      const TBmpRgb c = s.Pixels[static_cast<std::size_t>(y) * s.Width + x];
      if (indexed) {
        const std::size_t bit = static_cast<std::size_t>(x) * s.Bpp;
        b[row + bit / 8] = static_cast<uint8_t>(b[row + bit / 8] | (index(c) << (8 - s.Bpp - bit % 8)));
      } else if (s.Bpp == 24) {
        b[row + x * 3] = c.b;
        b[row + x * 3 + 1] = c.g;
        b[row + x * 3 + 2] = c.r;
      } else if (s.Bitfields) {
        PutU32(b, row + x * 4, c.r | (uint32_t{c.g} << 8) | (uint32_t{c.b} << 16));
      } else {
        PutU32(b, row + x * 4, c.b | (uint32_t{c.g} << 8) | (uint32_t{c.r} << 16));
      }
    }
  }
  return b;
}

// A w x h picture, dark where (x + 2y) % 3 == 0, light elsewhere: no row or
// column repeats its neighbour, so flipped or shifted rows show.
inline TBmpSpec PatternBmp(int32_t w, int32_t h, uint16_t bpp) {
  TBmpSpec s;
  s.Width = w;
  s.Height = h;
  s.Bpp = bpp;
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      s.Pixels.push_back((x + 2 * y) % 3 == 0 ? TBmpRgb{0, 0, 0} : TBmpRgb{255, 255, 255});
  return s;
}

}  // namespace corvane::fixtures
