#pragma once
// Checks of values read from a project file that later code could not work
// with. Each returns nullptr when the values are usable, else the name of the
// first offending field. Values that the readers and CleanUpBoard repair or
// remove (kind 0, layer 0, reversed circle radii, ...) pass.

#include "core/board_header.h"
#include "core/objekt.h"

namespace corvane {

// `version` is the file version: kind 1 only exists in versions 0..4, and
// the outline points of pads and SMD pads are only stored from version 5 on.
const char* FindBadElementValue(const TObjekt& e, int version);

const char* FindBadHeaderValue(const TPlatinenKopf& h);

// Number of outline points a pad of this shape has (0 for an unknown shape).
int PadPointCount(int shape);

}  // namespace corvane
