#include "core/undo.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "core/element_ops.h"

namespace corvane {

void TUndoControl::SetUndoDepth(int depth) { depth_ = std::clamp(depth, kMinUndoDepth, kMaxUndoDepth); }

TUndoSuppression::TUndoSuppression(TUndoControl* control) : control_(control) {
  if (!control_) return;
  before_ = control_->Suppressed();
  control_->SetSuppressed(true);
}

TUndoSuppression::~TUndoSuppression() {
  if (control_) control_->SetSuppressed(before_);
}

ElementList TakeSnapshot(ElementList& list) {
  ElementList snapshot;
  snapshot.Reserve(list.size());
  for (TObjekt& e : list) {
    auto copy = std::make_unique<TObjekt>();
    CopyElement(e, *copy);
    copy->Markiert = 0;
    snapshot.Add(std::move(copy));
  }
  RemapReferences(list, snapshot, 0);
  for (TObjekt& e : list) e.Kopiert = 0;
  return snapshot;
}

bool PushUndo(TPlatine& board, const TUndoControl& control) {
  if (control.Suppressed()) return false;
  TSnapshotStack& undo = board.Undo;
  const std::size_t keep = static_cast<std::size_t>(control.UndoDepth()) - 1;
  if (undo.size() > keep) undo.erase(undo.begin(), undo.begin() + static_cast<std::ptrdiff_t>(undo.size() - keep));
  undo.push_back(TakeSnapshot(board.Elemente));
  board.Redo.clear();
  return true;
}

namespace {

// The current list goes onto `to`, the newest snapshot of `from` becomes the list.
bool Exchange(TPlatine& board, TSnapshotStack& from, TSnapshotStack& to, bool trackBeingDrawn) {
  if (from.empty() || trackBeingDrawn) return false;
  to.push_back(TakeSnapshot(board.Elemente));
  // The list gets copies again, so it never shares an element with a snapshot.
  board.Elemente = TakeSnapshot(from.back());
  from.pop_back();
  return true;
}

}  // namespace

bool Undo(TPlatine& board, bool trackBeingDrawn) { return Exchange(board, board.Undo, board.Redo, trackBeingDrawn); }

bool Redo(TPlatine& board, bool trackBeingDrawn) { return Exchange(board, board.Redo, board.Undo, trackBeingDrawn); }

bool PushUndo(TProject& project, const TUndoControl& control) {
  if (!project.HasActiveBoard() || !PushUndo(project.ActiveBoard(), control)) return false;
  project.Modified = true;
  return true;
}

bool Undo(TProject& project, bool trackBeingDrawn) {
  if (!project.HasActiveBoard() || !Undo(project.ActiveBoard(), trackBeingDrawn)) return false;
  project.Modified = true;
  return true;
}

bool Redo(TProject& project, bool trackBeingDrawn) {
  if (!project.HasActiveBoard() || !Redo(project.ActiveBoard(), trackBeingDrawn)) return false;
  project.Modified = true;
  return true;
}

}  // namespace corvane
