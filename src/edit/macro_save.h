#pragma once
// "Save as macro": which elements are saved and the macro's reference point.

#include <string>

#include "core/element_list.h"
#include "core/float_point.h"
#include "core/layers.h"
#include "io/io_error.h"
#include "render/board_view.h"

namespace corvane {

enum class TMacroSaveSet {
  NoElements,     // warn "There are no elements on the board." and stop
  AskWholeBoard,  // nothing selected: ask whether the whole board is saved
  Selection,      // the selection is saved
};
TMacroSaveSet MacroSaveSet(const ElementList& list);

// The point that becomes (0, 0) of the macro: the centre of the first pad or
// SMD pad of the set, each coordinate rounded; without pads the corner of
// the set's bounds with the smallest x and the largest y, snapped to the
// view's grid (anchored at its origin) and rounded. (0, 0) for an empty set.
TFloatPoint MacroReferencePoint(const ElementList& list, bool selectedOnly, const TBoardView& view,
                                const TLayerState& state);

// Cleans up the board's list, then writes the set (the selection, or every
// element) relative to its reference point with empty text lines.
IoError SaveAsMacro(const std::string& path, ElementList& list, bool selectedOnly, const TBoardView& view,
                    const TLayerState& state);

}  // namespace corvane
