#pragma once
// Dropping the loaded macro onto the drawing area.

#include <cstddef>

#include "core/element_list.h"
#include "core/float_point.h"
#include "core/project.h"
#include "core/undo.h"
#include "render/board_view.h"

namespace corvane {

// The displacement for a pointer at a world point: snapped to the grid
// (whatever Ctrl) and rounded, then clamped so that the macro's (0, 0) stays
// on the board (0 <= x <= width, -height <= y <= 0); a clamped component is
// snapped again unless Ctrl is held.
TFloatPoint MacroDropDisplacement(TFloatPoint pointer, const TBoardView& view, bool ctrl);

// The drop: one undo snapshot; every element deselected; a copy of each
// macro element appended, moved by the displacement, selected and with
// NewGroupId (taken before inserting) added to each of its group ids; then
// the new elements are grouped. The macro list is not changed. Returns the
// number of elements inserted (0 for an empty macro, which changes nothing).
std::size_t DropMacro(TProject& project, ElementList& macro, TFloatPoint displacement, const TUndoControl& undo);

}  // namespace corvane
