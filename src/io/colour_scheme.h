#pragma once
// Colour schemes: the twelve screen colours, the built-in "Standard" scheme and
// the user scheme files "C_USER1.DAT" .. "C_USER3.DAT" (48 bytes, the colours
// in index order, 32-bit little-endian).

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "io/io_error.h"

namespace corvane {

inline constexpr int kSchemeColourCount = 12;
inline constexpr std::size_t kSchemeFileSize = 48;
// Scheme 0 is "Standard", always the defaults; 1..3 are the user schemes in files.
inline constexpr int kUserSchemeCount = 3;

// Indices into TFarbschema::Farben.
enum : int {
  fsBackground = 0,
  fsGrid = 1,
  fsC1 = 2,  // the layers 1..7 follow in layer order
  fsS1 = 3,
  fsC2 = 4,
  fsS2 = 5,
  fsI1 = 6,
  fsI2 = 7,
  fsO = 8,
  fsReserved9 = 9,  // kept in the file, no field in the options dialog
  fsConnections = 10,
  fsReserved11 = 11,
};

// Twelve colours 0x00BBGGRR (red in the low byte), signed as in the file.
struct TFarbschema {
  std::array<int32_t, kSchemeColourCount> Farben{};
  friend bool operator==(const TFarbschema&, const TFarbschema&) = default;
};

// The "Standard" scheme.
TFarbschema StandardColourScheme();

// The colour of layer 1..7 (fsC1 + layer - 1); the background for other layers.
int32_t LayerColour(const TFarbschema& scheme, int layer);

// "C_USER<n>.DAT" for n = 1..3; empty for other n.
std::string ColourSchemeFileName(int n);

struct TColourSchemeRead {
  TFarbschema Scheme;  // the colours read; the defaults when the file is missing or on an error
  IoError Error;       // FileNotFound is not an error here: a missing file gives the defaults
};

// Reads a scheme file. Negative colours become 0, except for the entries
// fsI1, fsI2 and fsO, which are kept as stored. A file shorter than 48 bytes
// is an EndsEarly error, one that cannot be opened CannotRead; extra bytes
// after the first 48 are ignored.
TColourSchemeRead ReadColourScheme(const std::filesystem::path& file);

// Writes the 48 bytes to a temporary file beside `file` and renames it over
// `file`, so that a failed write leaves an existing scheme file intact.
IoError WriteColourScheme(const std::filesystem::path& file, const TFarbschema& scheme);

}  // namespace corvane
