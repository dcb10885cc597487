#pragma once
// Pasting the element clipboard into the board, and the insertion of moved
// copies that pasting and dropping a macro share.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/clipboard.h"
#include "core/element_list.h"
#include "core/layers.h"
#include "core/project.h"
#include "core/undo.h"
#include "geom/int_point.h"

namespace corvane {

// Deselects every element of `list`, then appends a copy of every element of
// `source` in order, moved by (dx, dy), selected, with `groupOffset` added to
// each of its group ids (and AltGruppe cleared when asked). Connections and
// autoroute links among the copies are re-pointed to the copies, others are
// dropped. `source` is not changed. Returns the index of the first copy.
std::size_t AppendMovedCopies(ElementList& list, ElementList& source, double dx, double dy, int32_t groupOffset,
                              bool clearAltGruppe);

struct TPasteResult {
  std::size_t First = 0;  // index of the first inserted element
  std::size_t Count = 0;  // number inserted; 0 when the clipboard was empty
  // Area to repaint: the inserted elements and the connection partners of
  // the inserted pads; none when nothing was inserted.
  std::optional<TIntRect> Area;
};

// Finishes "&Paste" and "D&uplicate" at the displacement the placement
// chose: one undo snapshot; g = NewGroupId of the board, taken before
// anything is inserted; the copies are inserted (AppendMovedCopies with g,
// AltGruppe cleared); the board's group ids are compacted; the inserted
// elements become one group unless they already share their outermost
// group. Nothing happens when the clipboard is empty.
TPasteResult PasteClipboard(TProject& project, TZwischenablage& clipboard, double dx, double dy,
                            const TUndoControl& undo);

// Union of the bounds of the selected elements and of the connection
// partners of selected pads and SMD pads; none when nothing is selected.
std::optional<TIntRect> SelectionAreaWithPartners(const ElementList& list, const TLayerState& state);

}  // namespace corvane
