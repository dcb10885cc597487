#include "edit/paste.h"

#include <memory>
#include <utility>

#include "core/element_ops.h"
#include "core/grouping.h"
#include "geom/element_bounds.h"
#include "geom/transforms.h"
#include "io/board_cleanup.h"

namespace corvane {

std::size_t AppendMovedCopies(ElementList& list, ElementList& source, double dx, double dy, int32_t groupOffset,
                              bool clearAltGruppe) {
  for (TObjekt& e : list) e.Markiert = 0;
  const std::size_t first = list.size();
  list.Reserve(first + source.size());
  for (TObjekt& e : source) {
    auto copy = std::make_unique<TObjekt>();
    CopyElement(e, *copy);
    MoveElement(*copy, dx, dy);
    copy->Markiert = 1;
    if (clearAltGruppe) copy->AltGruppe = 0;
    for (int32_t& id : copy->Gruppen) id += groupOffset;
    list.Add(std::move(copy));
  }
  RemapReferences(source, list, first);
  for (TObjekt& e : source) e.Kopiert = 0;
  return first;
}

TPasteResult PasteClipboard(TProject& project, TZwischenablage& clipboard, double dx, double dy,
                            const TUndoControl& undo) {
  TPasteResult result;
  if (clipboard.empty() || !project.HasActiveBoard()) return result;
  PushUndo(project, undo);
  ElementList& list = project.ActiveElements();
  const int32_t g = NewGroupId(list);
  result.First = AppendMovedCopies(list, clipboard, dx, dy, g, true);
  result.Count = clipboard.size();
  CompactGroupIds(list);
  GroupSelection(list);
  result.Area = SelectionAreaWithPartners(list, project.LayerState());
  project.Modified = true;
  return result;
}

std::optional<TIntRect> SelectionAreaWithPartners(const ElementList& list, const TLayerState& state) {
  std::optional<TIntRect> area;
  auto add = [&](const TObjekt& e) {
    const TIntRect r = ElementBounds(e, state);
    area = area ? UnionRect(*area, r) : r;
  };
  for (const TObjekt& e : list) {
    if (!e.Markiert) continue;
    add(e);
    if (!IsAnyPad(e)) continue;
    for (ObjRef ref : e.Luftlinien)
      if (const TObjekt* partner = list.Find(ref)) add(*partner);
  }
  return area;
}

}  // namespace corvane
