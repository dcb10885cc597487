#include "core/grouping.h"

#include "core/element_ops.h"

namespace corvane {

bool GroupSelection(ElementList& list) {
  int selected = 0;
  bool shared = true;
  int32_t firstId = 0;
  for (const TObjekt& e : list) {
    if (!e.Markiert) continue;
    if (selected == 0)
      firstId = e.LastGroupId();
    else if (e.LastGroupId() != firstId)
      shared = false;
    ++selected;
  }
  // Elements that all have no group (id 0) count as not sharing a group.
  if (selected < 2 || (shared && firstId != 0)) return false;
  const int32_t id = NewGroupId(list);
  for (TObjekt& e : list)
    if (e.Markiert) AddGroupId(e, id);
  return true;
}

void UngroupSelection(ElementList& list) {
  for (TObjekt& e : list)
    if (e.Markiert && !e.Gruppen.empty()) e.Gruppen.pop_back();
}

void ConvertVersion1Groups(ElementList& list) {
  if (list.size() < 2) return;
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    TObjekt& e = list[i];
    if (e.AltGruppe == 0) continue;
    for (std::size_t j = i; j < list.size(); ++j)
      if (j == i || list[j].AltGruppe == e.AltGruppe) list[j].Markiert = 1;
    GroupSelection(list);
    for (TObjekt& x : list) x.Markiert = 0;
    e.AltGruppe = 0;
  }
}

}  // namespace corvane
