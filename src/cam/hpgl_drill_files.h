#pragma once
// The isolation milling file and its companion HPGL drill files.

#include <string>
#include <vector>

#include "cam/cam_result.h"
#include "cam/hpgl_file.h"
#include "core/board.h"
#include "core/float_point.h"

namespace corvane {

// Which drill files go with the isolation file.
enum class THpglDrillOutput { None, OneFile, FilePerDiameter, Milling };

struct THpglDrillOptions {
  THpglDrillOutput Output = THpglDrillOutput::None;
  bool OwnLayers = false;      // one file: a pen per diameter from "SP2;"
  bool SecondLayer = false;    // milling: "SP2;" after "IN;"
  double MillingWidthMm = 0;   // milling: the tool width
};

// Options shared by the isolation file and its drill files.
struct THpglOutputOptions {
  double Factor = kHpglFactor;
  THpglMirror Spiegeln = THpglMirror::None;
  TReferenceMarks Referenz;
  bool PilotHoles = false;  // "Mark drill holes for centering (pilot holes)"
  THpglDrillOptions Drill;
};

using TOutline = std::vector<TFloatPoint>;

// The lines of the isolation file of layer `layer`. outlines arrive mirrored
// already; texts are the single-line texts to mill (their strokes are
// mirrored here). bounds are the reference bounds of the board.
std::vector<std::string> IsolationLines(const TPlatine& board, const std::vector<TOutline>& outlines,
                                        const std::vector<const TObjekt*>& texts, int layer,
                                        const TIntRect& bounds, const THpglOutputOptions& options);

// One companion drill file: its name (without folder) and its lines.
struct THpglDrillFile {
  std::string Name;
  std::vector<std::string> Lines;
};

// The drill files of the chosen option, named for UI language 0, 1 or 2.
std::vector<THpglDrillFile> HpglDrillFiles(const TPlatine& board, const TIntRect& bounds,
                                           const THpglOutputOptions& options, int language);

// The file names of the drill files.
std::string HpglAllDrillsName(int language);
std::string HpglDiameterDrillName(int language, int32_t diameter);
std::string HpglMillingDrillName(int language);

// Writes the isolation file at `path` and the drill files beside it, each
// completely or not at all. The elements are moved to the origin when
// useOrigin (and back); the reference bounds are taken after that move. The
// result names the first file that failed; later files are not written.
TCamResult WriteIsolationFile(TPlatine& board, const std::vector<TOutline>& outlines,
                              const std::vector<const TObjekt*>& texts, int layer,
                              const THpglOutputOptions& options, bool useOrigin, int language,
                              const std::string& path);

}  // namespace corvane
