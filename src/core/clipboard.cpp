#include "core/clipboard.h"

#include <algorithm>
#include <memory>
#include <unordered_set>
#include <utility>

#include "core/element_ops.h"

namespace corvane {

namespace {

// Removes every connection to one of `gone` from the pads of the list.
void DropConnectionsTo(ElementList& list, const std::unordered_set<ObjRef>& gone) {
  for (TObjekt& e : list)
    if (IsAnyPad(e)) std::erase_if(e.Luftlinien, [&](ObjRef ref) { return gone.count(ref) != 0; });
}

bool AnySelected(const ElementList& list) {
  return std::any_of(list.begin(), list.end(), [](const TObjekt& e) { return e.Markiert != 0; });
}

}  // namespace

std::size_t CopySelection(ElementList& list, TZwischenablage& clipboard) {
  clipboard.Clear();
  for (TObjekt& e : list) e.Kopiert = 0;
  for (TObjekt& e : list) {
    if (!e.Markiert) continue;
    auto copy = std::make_unique<TObjekt>();
    CopyElement(e, *copy);
    clipboard.Add(std::move(copy));
  }
  RemapReferences(list, clipboard, 0);
  for (TObjekt& e : list) e.Kopiert = 0;
  return clipboard.size();
}

void DeleteElementAt(ElementList& list, std::size_t index) {
  if (index >= list.size()) return;
  TObjekt& e = list[index];
  if (IsAnyPad(e)) DropConnectionsTo(list, {e.Id()});
  FreeElement(list[index]);
  list.Erase(index);
}

std::size_t DeleteSelection(TProject& project, const TUndoControl& undo, bool connectionMode) {
  if (connectionMode || !project.HasActiveBoard()) return 0;
  ElementList& list = project.ActiveElements();
  if (!AnySelected(list)) return 0;
  PushUndo(project, undo);
  std::unordered_set<ObjRef> gone;
  for (TObjekt& e : list)
    if (e.Markiert && IsAnyPad(e)) gone.insert(e.Id());
  if (!gone.empty()) DropConnectionsTo(list, gone);
  const std::size_t removed = list.EraseIf([](TObjekt& e) {
    if (!e.Markiert) return false;
    FreeElement(e);
    return true;
  });
  project.Modified = true;
  return removed;
}

std::size_t CutSelection(TProject& project, TZwischenablage& clipboard, const TUndoControl& undo,
                         bool connectionMode) {
  if (!project.HasActiveBoard()) return 0;
  CopySelection(project.ActiveElements(), clipboard);
  return DeleteSelection(project, undo, connectionMode);
}

TEditCommandStates EditCommandStates(const TPlatine& board, const TZwischenablage& clipboard) {
  TEditCommandStates s;
  s.Undo = !board.Undo.empty();
  s.Redo = !board.Redo.empty();
  s.Paste = !clipboard.empty();
  const bool selected = AnySelected(board.Elemente);
  s.Copy = s.Cut = s.Delete = s.Duplicate = selected;
  return s;
}

}  // namespace corvane
