#pragma once
// Board contour milling: the tracks and arcs of the outline layer as HPGL
// cutting paths.

#include <string>
#include <vector>

#include "cam/cam_result.h"
#include "cam/hpgl_file.h"
#include "core/board.h"

namespace corvane {

inline constexpr const char* kNoContourElements = "No elements for the PCB outline available.";

// The options of the contour dialog.
struct TKonturFraesenOptions {
  bool NurMarkierte = false;  // only the selected elements of the outline layer
  THpglMirror Spiegeln = THpglMirror::None;
  TReferenceMarks Referenz;
};

// A track or circle lies on the outline layer (nothing else can be milled).
bool HasContourElements(const ElementList& list);
// A selected track or circle lies on the outline layer ("Selected elements"
// can be offered).
bool HasSelectedContourElements(const ElementList& list);

// The number of segments of a milled circle or arc: m div 100 + 30 with m
// the mid radius rnd(Mass2 + (Mass1 - Mass2) / 2).
int ArcSegments(const TObjekt& circle);

// The lines of the contour file; the elements are read as they lie (the
// caller has moved them to the origin). factor is the plotter factor.
std::vector<std::string> ContourLines(const TPlatine& board, const TKonturFraesenOptions& options,
                                      double factor);

// Checks for outline elements, moves the elements to the origin when
// useOrigin (and back), writes the file completely or not at all. Without
// outline elements the result is a failure with kNoContourElements and no
// file is touched.
TCamResult WriteContourFile(TPlatine& board, const TKonturFraesenOptions& options, double factor,
                            bool useOrigin, const std::string& path);

}  // namespace corvane
