#include "edit/macro_drop.h"

#include "core/element_ops.h"
#include "core/grouping.h"
#include "core/units.h"
#include "edit/paste.h"

namespace corvane {

TFloatPoint MacroDropDisplacement(TFloatPoint pointer, const TBoardView& view, bool ctrl) {
  const TFloatPoint snapped = view.SnapToGrid(pointer);
  double x = Rnd(snapped.x), y = Rnd(snapped.y);
  const double w = view.BoardWidth(), h = view.BoardHeight();
  bool clampedX = false, clampedY = false;
  if (x < 0 || x > w) {
    x = x < 0 ? 0 : w;
    clampedX = true;
  }
  if (y > 0 || y < -h) {
    y = y > 0 ? 0 : -h;
    clampedY = true;
  }
  if (!ctrl && (clampedX || clampedY)) {
    const TFloatPoint again = view.SnapToGrid({static_cast<float>(x), static_cast<float>(y)});
    if (clampedX) x = Rnd(again.x);
    if (clampedY) y = Rnd(again.y);
  }
  return {static_cast<float>(x), static_cast<float>(y)};
}

std::size_t DropMacro(TProject& project, ElementList& macro, TFloatPoint displacement, const TUndoControl& undo) {
  if (macro.empty() || !project.HasActiveBoard()) return 0;
  PushUndo(project, undo);
  ElementList& list = project.ActiveElements();
  const int32_t g = NewGroupId(list);
  AppendMovedCopies(list, macro, displacement.x, displacement.y, g, false);
  GroupSelection(list);
  project.Modified = true;
  return macro.size();
}

}  // namespace corvane
