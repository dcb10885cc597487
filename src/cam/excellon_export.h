#pragma once
// Excellon drill file of a board: options, number format, file text and the
// settings of the special options.

#include <cstdint>
#include <string>
#include <vector>

#include "cam/cam_result.h"
#include "core/board.h"
#include "io/settings.h"

namespace corvane {

enum class TExcellonFormat { MM32, MM33, Inch24 };
// Drill side: top, x-mirrored like the Gerber files, x-mirrored like the HPGL files.
enum class TExcellonSide { Top, GerberMirror, HpglMirror };

// The options of the Excellon dialog, defaults as the dialog opens.
struct TExcellonOptions {
  bool Bohrungen = true;  // unplated pads
  bool Vias = true;       // plated pads
  TExcellonFormat Format = TExcellonFormat::Inch24;
  bool NoLeadingZeros = false;
  TExcellonSide Side = TExcellonSide::Top;
  bool Sortieren = true;
  bool M71 = false;         // M71/M72 instead of METRIC/INCH
  bool NoG90 = false;       // no "G90" line
  bool NoComments = false;  // no comment lines
};

// A coordinate in world units as an Excellon number without decimal point.
// Values with more digits than the format holds keep all their digits.
std::string ExcellonNumber(int32_t n, TExcellonFormat format, bool noLeadingZeros);

// The tool diameter text of a drill diameter D (world units): inch rounded
// to 3 decimals, mm D / 100, at most 4 significant digits, "." as separator.
std::string ExcellonToolDiameter(int32_t d, TExcellonFormat format);

// The lines of the drill file (without line ends). Reads the element
// coordinates as they are; the caller moves them to the origin first.
std::vector<std::string> ExcellonLines(const TPlatine& board, const TExcellonOptions& options,
                                       bool useOrigin);

// Writes the drill file of the board: elements moved to the origin when
// useOrigin, the file written completely or not at all.
TCamResult WriteExcellonFile(TPlatine& board, const TExcellonOptions& options, bool useOrigin,
                             const std::string& path);

// The special options in the settings section "Excellon" (keys "M71",
// "G90", "Kommentare"; missing or unreadable values count as off).
void ReadExcellonSettings(const TSettings& settings, TExcellonOptions& options);
void WriteExcellonSettings(TSettings& settings, const TExcellonOptions& options);

}  // namespace corvane
