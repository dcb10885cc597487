#pragma once
// The four colour schemes (0 "Standard", 1..3 the user schemes in
// "C_USER1.DAT".."C_USER3.DAT" of the program folder) and the colour picker's
// custom colours in "COLORS.DAT" (one line per colour, "#rrggbb").
#include <QColor>
#include <QString>
#include <array>
#include <vector>

#include "io/colour_scheme.h"

namespace corvane {

class TColourSchemes {
 public:
  explicit TColourSchemes(QString programFolder = {});

  // Reads the three user schemes again; a missing or damaged file gives the
  // defaults. Returns the message of the first failure, empty when all went well.
  QString Load();
  // Writes user scheme n (1..3); the error message, empty on success.
  QString Save(int n, const TFarbschema& scheme);

  // Scheme 0..3 (others give "Standard").
  const TFarbschema& Scheme(int n) const;
  void SetScheme(int n, const TFarbschema& scheme);
  QString FileOf(int n) const;

 private:
  QString folder_;
  std::array<TFarbschema, 1 + kUserSchemeCount> schemes_;
};

// A scheme entry (0x00BBGGRR) as a QColor and back.
QColor SchemeColour(int32_t entry);
int32_t SchemeEntry(const QColor& colour);

inline constexpr const char* kCustomColoursFile = "COLORS.DAT";
// At most this many custom colours are kept (the picker's slots).
inline constexpr int kMaxCustomColours = 16;

// Reads "COLORS.DAT": one colour per line; lines that are not a colour are
// skipped, at most kMaxCustomColours are taken. A missing file gives none.
std::vector<QColor> LoadCustomColours(const QString& file);
// Writes one "#rrggbb" line per colour; false when the file cannot be written.
bool SaveCustomColours(const QString& file, const std::vector<QColor>& colours);

}  // namespace corvane
