#pragma once
// Undo and redo: every changing command first pushes a snapshot (a deep copy)
// of the active board's element list; undo and redo exchange the list with
// the newest snapshot of the board's undo or redo stack.

#include <cstddef>

#include "core/board.h"
#include "core/element_list.h"
#include "core/project.h"

namespace corvane {

inline constexpr int kMinUndoDepth = 1;
inline constexpr int kMaxUndoDepth = 50;
inline constexpr int kDefaultUndoDepth = 50;

// The undo depth and the suppression switch, owned by the main window and
// handed to every operation that may take a snapshot.
class TUndoControl {
 public:
  // Number of undo steps kept, 1..50 (values outside are clamped).
  int UndoDepth() const { return depth_; }
  void SetUndoDepth(int depth);

  // While suppressed, PushUndo takes no snapshot (board switching, board
  // copying, the conversion of font texts).
  bool Suppressed() const { return suppressed_; }
  void SetSuppressed(bool on) { suppressed_ = on; }

 private:
  int depth_ = kDefaultUndoDepth;
  bool suppressed_ = false;
};

// Suppresses snapshots for its lifetime and restores the previous state
// afterwards, so suppressing sections may nest. A null control does nothing.
class TUndoSuppression {
 public:
  explicit TUndoSuppression(TUndoControl* control);
  ~TUndoSuppression();
  TUndoSuppression(const TUndoSuppression&) = delete;
  TUndoSuppression& operator=(const TUndoSuppression&) = delete;

 private:
  TUndoControl* control_;
  bool before_ = false;
};

// A deep copy of the list that shares nothing with it: every element copied
// in order with Markiert = 0, connections and autoroute links re-pointed into
// the copy. The list's elements keep Kopiert = 0.
ElementList TakeSnapshot(ElementList& list);

// Unless suppressed: drops the oldest snapshots so that the new one fits the
// undo depth, appends a snapshot of the board's list and empties the redo
// stack. Returns whether a snapshot was taken.
bool PushUndo(TPlatine& board, const TUndoControl& control);

// Ignored (false) while the stack is empty or a track is being drawn.
// Otherwise the current list goes onto the other stack, the newest snapshot
// becomes the list (nothing selected) and leaves its stack. Redo puts the
// current list onto the undo stack without the depth check.
bool Undo(TPlatine& board, bool trackBeingDrawn);
bool Redo(TPlatine& board, bool trackBeingDrawn);

// The same on the project's active board. A snapshot taken marks the project
// modified; so does an undo or redo, since the list then differs from what
// was last saved.
bool PushUndo(TProject& project, const TUndoControl& control);
bool Undo(TProject& project, bool trackBeingDrawn);
bool Redo(TProject& project, bool trackBeingDrawn);

}  // namespace corvane
