#pragma once
// The element clipboard (Zwischenablage), deleting elements and the enabled
// states of the edit commands. Pasting needs geometry and lives in edit.

#include <cstddef>

#include "core/board.h"
#include "core/element_list.h"
#include "core/project.h"
#include "core/undo.h"

namespace corvane {

// One program-wide list of element copies, kept until the next copy.
using TZwischenablage = ElementList;

// Replaces the clipboard by copies of the selected elements, in list order.
// Connections and autoroute links between copied elements are re-pointed to
// the copies; those leading to elements that were not copied are dropped.
// Returns the number of elements copied.
std::size_t CopySelection(ElementList& list, TZwischenablage& clipboard);

// Deletes the element at `index` without an undo snapshot: it is first
// removed from the connection lists of every pad and SMD pad of the list.
void DeleteElementAt(ElementList& list, std::size_t index);

// "&Delete": unless in the connection mode, takes one undo snapshot and
// deletes every selected element; pads and SMD pads leave their partners'
// connection lists. Nothing happens (0) when nothing is selected. Returns the
// number of elements deleted.
std::size_t DeleteSelection(TProject& project, const TUndoControl& undo, bool connectionMode = false);

// "&Cut": CopySelection, then DeleteSelection (which the connection mode
// ignores). Returns the number deleted.
std::size_t CutSelection(TProject& project, TZwischenablage& clipboard, const TUndoControl& undo,
                         bool connectionMode = false);

// Which edit commands are enabled.
struct TEditCommandStates {
  bool Undo = false;       // the undo stack is not empty
  bool Redo = false;       // the redo stack is not empty
  bool Paste = false;      // the clipboard is not empty
  bool Copy = false;       // Copy, Cut, Delete and Duplicate: an element is selected
  bool Cut = false;
  bool Delete = false;
  bool Duplicate = false;
  friend bool operator==(const TEditCommandStates&, const TEditCommandStates&) = default;
};

TEditCommandStates EditCommandStates(const TPlatine& board, const TZwischenablage& clipboard);

}  // namespace corvane
