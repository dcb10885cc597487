#include "io/bmp_file.h"

#include <array>

#include "core/units.h"
#include "io/file_bytes.h"

namespace corvane {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;

uint32_t U16(std::span<const uint8_t> b, std::size_t at) { return b[at] | (uint32_t{b[at + 1]} << 8); }
uint32_t U32(std::span<const uint8_t> b, std::size_t at) {
  return b[at] | (uint32_t{b[at + 1]} << 8) | (uint32_t{b[at + 2]} << 16) | (uint32_t{b[at + 3]} << 24);
}
int32_t S32(std::span<const uint8_t> b, std::size_t at) { return static_cast<int32_t>(U32(b, at)); }

IoError Fail(IoErrorKind kind, const std::string& file, std::string field, std::string detail, int64_t offset = -1) {
  IoError e;
  e.Kind = kind;
  e.File = file;
  e.Field = std::move(field);
  e.Detail = std::move(detail);
  e.Offset = offset;
  return e;
}

// 0 for a dark colour, 1 for a light one.
int LightBit(uint32_t r, uint32_t g, uint32_t b) { return 299 * r + 587 * g + 114 * b >= 128000 ? 1 : 0; }

// The component of a 32-bit pixel under a bit-field mask, scaled to 0..255.
uint32_t MaskedChannel(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  const uint32_t m = mask >> shift;
  const uint64_t v = (pixel & mask) >> shift;
  return static_cast<uint32_t>(v * 255 / m);
}

}  // namespace

int32_t DpiFromPixelsPerMetre(int32_t pixelsPerMetre) {
  if (pixelsPerMetre <= 0) return kDefaultBmpDpi;
  const int32_t dpi = Rnd(pixelsPerMetre * 2.54 / 100.0);
  return dpi > 0 ? dpi : kDefaultBmpDpi;
}

IoError DecodeBmp(std::span<const uint8_t> bytes, const std::string& file, TMonoBitmap& out) {
  out = TMonoBitmap{};
  if (bytes.size() < kFileHeaderSize + 4) return Fail(IoErrorKind::EndsEarly, file, "header", "file too short");
  if (bytes[0] != 'B' || bytes[1] != 'M') return Fail(IoErrorKind::Unsupported, file, "signature", "not a BMP file");
  const uint32_t dataOffset = U32(bytes, 10);
  const uint32_t infoSize = U32(bytes, kFileHeaderSize);
  if (infoSize < 40 || infoSize > 1024)
    return Fail(IoErrorKind::Unsupported, file, "info header", "size " + std::to_string(infoSize), 14);
  if (bytes.size() < kFileHeaderSize + infoSize)
    return Fail(IoErrorKind::EndsEarly, file, "info header", "file too short", 14);
  const int32_t width = S32(bytes, 18);
  const int32_t rawHeight = S32(bytes, 22);
  const uint32_t planes = U16(bytes, 26);
  const uint32_t bpp = U16(bytes, 28);
  const uint32_t compression = U32(bytes, 30);
  const int32_t ppm = S32(bytes, 38);
  uint32_t coloursUsed = U32(bytes, 46);
  if (planes != 1) return Fail(IoErrorKind::BadValue, file, "planes", std::to_string(planes), 26);
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
    return Fail(IoErrorKind::Unsupported, file, "bits per pixel", std::to_string(bpp), 28);
  const bool bitfields = compression == kBiBitfields && bpp == 32;
  if (compression != kBiRgb && !bitfields)
    return Fail(IoErrorKind::Unsupported, file, "compression", std::to_string(compression), 30);
  if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN)
    return Fail(IoErrorKind::BadValue, file, "size", std::to_string(width) + " x " + std::to_string(rawHeight), 18);
  const bool topDown = rawHeight < 0;
  const int32_t height = topDown ? -rawHeight : rawHeight;
  if (width > kMaxBmpSide || height > kMaxBmpSide || int64_t{width} * height > kMaxBmpPixels)
    return Fail(IoErrorKind::CountTooLarge, file, "size", std::to_string(width) + " x " + std::to_string(height), 18);

  // Masks of 32-bit bit-field pixels: in the V4/V5 header, or after the 40-byte one.
  std::array<uint32_t, 3> masks{0x00FF0000u, 0x0000FF00u, 0x000000FFu};
  std::size_t paletteAt = kFileHeaderSize + infoSize;
  if (bitfields) {
    const std::size_t at = kFileHeaderSize + 40;
    if (infoSize == 40) paletteAt += 12;
    if (bytes.size() < at + 12) return Fail(IoErrorKind::EndsEarly, file, "bit fields", "file too short", 54);
    masks = {U32(bytes, at), U32(bytes, at + 4), U32(bytes, at + 8)};
  }

  // Palette of the indexed formats.
  std::vector<uint8_t> paletteBits;
  if (bpp <= 8) {
    const uint32_t maxColours = 1u << bpp;
    if (coloursUsed == 0) coloursUsed = maxColours;
    if (coloursUsed > maxColours)
      return Fail(IoErrorKind::CountTooLarge, file, "colours used", std::to_string(coloursUsed), 46);
    if (paletteAt + std::size_t{coloursUsed} * 4 > bytes.size())
      return Fail(IoErrorKind::EndsEarly, file, "palette", "file too short", static_cast<int64_t>(paletteAt));
    paletteBits.resize(coloursUsed);
    for (uint32_t i = 0; i < coloursUsed; ++i) {
      const std::size_t at = paletteAt + std::size_t{i} * 4;
      paletteBits[i] = static_cast<uint8_t>(LightBit(bytes[at + 2], bytes[at + 1], bytes[at]));
    }
  }

  const std::size_t rowStride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
  const std::size_t pixelBytes = rowStride * static_cast<std::size_t>(height);
  if (dataOffset < kFileHeaderSize + infoSize || dataOffset > bytes.size())
    return Fail(IoErrorKind::BadValue, file, "pixel data offset", std::to_string(dataOffset), 10);
  if (bytes.size() - dataOffset < pixelBytes)
    return Fail(IoErrorKind::EndsEarly, file, "pixel data",
                std::to_string(pixelBytes) + " bytes needed, " + std::to_string(bytes.size() - dataOffset) +
                    " present",
                dataOffset);

  TMonoBitmap bmp;
  bmp.Width = width;
  bmp.Height = height;
  bmp.Dpi = DpiFromPixelsPerMetre(ppm);
  const std::size_t outRow = static_cast<std::size_t>(bmp.RowBytes());
  bmp.Bits.assign(outRow * static_cast<std::size_t>(height), 0);
  for (int32_t y = 0; y < height; ++y) {
    const int32_t fileRow = topDown ? y : height - 1 - y;
    const std::size_t rowAt = dataOffset + rowStride * static_cast<std::size_t>(fileRow);
    uint8_t* dst = bmp.Bits.data() + outRow * static_cast<std::size_t>(y);
    for (int32_t x = 0; x < width; ++x) {
      int bit = 0;
      if (bpp <= 8) {
        const std::size_t bitPos = static_cast<std::size_t>(x) * bpp;
        const uint32_t byte = bytes[rowAt + bitPos / 8];
        const uint32_t index = (byte >> (8 - bpp - bitPos % 8)) & ((1u << bpp) - 1);
        if (index >= paletteBits.size())
          return Fail(IoErrorKind::BadIndex, file, "palette index", std::to_string(index),
                      static_cast<int64_t>(rowAt + bitPos / 8));
        bit = paletteBits[index];
      } else if (bpp == 24) {
        const std::size_t at = rowAt + static_cast<std::size_t>(x) * 3;
        bit = LightBit(bytes[at + 2], bytes[at + 1], bytes[at]);
      } else {
        const uint32_t p = U32(bytes, rowAt + static_cast<std::size_t>(x) * 4);
        bit = LightBit(MaskedChannel(p, masks[0]), MaskedChannel(p, masks[1]), MaskedChannel(p, masks[2]));
      }
      if (bit) dst[x / 8] = static_cast<uint8_t>(dst[x / 8] | (0x80u >> (x % 8)));
    }
  }
  out = std::move(bmp);
  return {};
}

IoError ReadBmpFile(const std::string& path, TMonoBitmap& out) {
  out = TMonoBitmap{};
  std::vector<uint8_t> bytes;
  if (IoError e = ReadFileBytes(path, bytes)) return e;
  return DecodeBmp(bytes, path, out);
}

}  // namespace corvane
