#pragma once
// TPlatinenKopf: the board header, 499 bytes in the project file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/layers.h"

namespace corvane {

inline constexpr std::size_t kBoardHeaderSize = 499;
// Template file names are short strings of 200 characters.
inline constexpr std::size_t kTemplateNameLength = 200;
using BoardHeaderImage = std::array<uint8_t, kBoardHeaderSize>;

// Defaults are those of a new board. The element list the on-disk header
// refers to (bytes 0..3) is the board's own list and not part of this record.
struct TPlatinenKopf {
  int32_t Breite = 16000;  // board width, world units (160 mm)
  int32_t Hoehe = 10000;   // board height, world units (100 mm)
  std::array<uint8_t, kLayerCount> MasseAn{0, 0, 0, 0, 0, 0, 0};  // ground plane on, layers 1..7
  double Raster = 127.0;   // grid spacing, world units
  double Zoom = 0.1;       // screen pixels per world unit
  int32_t ScrollX = 0;
  int32_t ScrollY = 0;
  int32_t AktiverLayer = lyC2;
  std::array<uint8_t, kLayerCount> Sichtbar{1, 1, 1, 1, 1, 1, 1};  // layer visible, layers 1..7
  uint8_t Vorlage1Zeigen = 0;
  uint8_t Vorlage2Zeigen = 0;
  std::string Vorlage1Datei;  // code page 1252 bytes
  std::string Vorlage2Datei;
  int32_t Vorlage1Dpi = 600;
  int32_t Vorlage2Dpi = 600;
  int32_t Vorlage1X = 0;  // 0.1 mm
  int32_t Vorlage2X = 0;
  int32_t Vorlage1Y = 0;
  int32_t Vorlage2Y = 0;
  int32_t Vorlage1Farbe = 65280;  // 0x00BBGGRR, green
  int32_t Vorlage2Farbe = 65280;
  int32_t UrsprungX = 0;  // coordinate origin, thousandths of a world unit
  int32_t UrsprungY = 0;
  uint8_t Innenlagen = 0;  // the board has the inner layers I1 and I2

  // The layer state the element predicates read, as stored in this header.
  TLayerState LayerState() const;

  friend bool operator==(const TPlatinenKopf&, const TPlatinenKopf&) = default;
};

// The little-endian image; the list reference and the bytes after the
// characters of the file names are zero, names longer than 200 are cut.
BoardHeaderImage EncodeBoardHeader(const TPlatinenKopf& h);

// Reads an image. Fails (and leaves h unchanged) when the length byte of a
// template file name exceeds 200; the values are otherwise taken as stored.
bool DecodeBoardHeader(const uint8_t* image, TPlatinenKopf& h);

}  // namespace corvane
