#pragma once
// TRgb: an RGB colour triple, with the conversions to and from the
// 0x00BBGGRR values of colour schemes and settings.

#include <cstdint>

namespace corvane {

struct TRgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  // From a 0x00BBGGRR value (red in the low byte); the high byte is ignored.
  static constexpr TRgb FromColorRef(uint32_t v) {
    return {static_cast<uint8_t>(v & 0xFFu), static_cast<uint8_t>((v >> 8) & 0xFFu),
            static_cast<uint8_t>((v >> 16) & 0xFFu)};
  }
  constexpr uint32_t ColorRef() const {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
  }
  // 0x00RRGGBB, the pixel value of an RGB32 image without its alpha byte.
  constexpr uint32_t Rgb32() const {
    return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
  }
  static constexpr TRgb FromRgb32(uint32_t v) {
    return {static_cast<uint8_t>((v >> 16) & 0xFFu), static_cast<uint8_t>((v >> 8) & 0xFFu),
            static_cast<uint8_t>(v & 0xFFu)};
  }
  constexpr int Sum() const { return r + g + b; }

  friend constexpr bool operator==(const TRgb&, const TRgb&) = default;
};

// Per-channel bit operations, as the raster modes combine colours.
constexpr TRgb operator^(TRgb a, TRgb b) {
  return {static_cast<uint8_t>(a.r ^ b.r), static_cast<uint8_t>(a.g ^ b.g), static_cast<uint8_t>(a.b ^ b.b)};
}
constexpr TRgb operator|(TRgb a, TRgb b) {
  return {static_cast<uint8_t>(a.r | b.r), static_cast<uint8_t>(a.g | b.g), static_cast<uint8_t>(a.b | b.b)};
}
constexpr TRgb operator&(TRgb a, TRgb b) {
  return {static_cast<uint8_t>(a.r & b.r), static_cast<uint8_t>(a.g & b.g), static_cast<uint8_t>(a.b & b.b)};
}
constexpr TRgb operator~(TRgb a) {
  return {static_cast<uint8_t>(~a.r), static_cast<uint8_t>(~a.g), static_cast<uint8_t>(~a.b)};
}

inline constexpr TRgb kWhite{255, 255, 255};
inline constexpr TRgb kBlack{0, 0, 0};
inline constexpr TRgb kRed{255, 0, 0};
inline constexpr TRgb kBlue{0, 0, 255};
inline constexpr TRgb kGreen{0, 255, 0};
// Selected elements, and selected elements of the other board side.
inline constexpr TRgb kSelectionMagenta{255, 0, 255};
inline constexpr TRgb kOtherSideMagenta{160, 0, 160};

}  // namespace corvane
