#include "io/board_cleanup.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/element_ops.h"

namespace corvane {

namespace {

bool Removable(const TObjekt& e) {
  if (e.Typ == otNone || e.Layer == lyNone) return true;
  if ((e.Typ == otLeiterbahn || e.Typ == otFlaeche) && e.Punkte.size() < 2) return true;
  return e.Typ == otText && e.Striche.empty();
}

}  // namespace

bool CleanUpBoard(ElementList& list) {
  std::unordered_set<ObjRef> removed;
  for (const TObjekt& e : list)
    if (Removable(e)) removed.insert(e.Id());
  if (!removed.empty()) list.EraseIf([&](const TObjekt& e) { return removed.count(e.Id()) != 0; });

  for (TObjekt& e : list) {
    if (!removed.empty() && IsAnyPad(e))
      std::erase_if(e.Luftlinien, [&](ObjRef ref) { return removed.count(ref) != 0; });
    if (e.Typ == otLoetauge && (e.Layer == lyS1 || e.Layer == lyS2)) e.Durchkontaktiert = 0;
    if (e.Typ == otKreis && e.Mass2 > e.Mass1) {
      const double m = e.Mass1 - (static_cast<double>(e.Mass1) - e.Mass2) / 2;
      e.Mass1 = static_cast<float>(m + 1);
      e.Mass2 = static_cast<float>(m - 1);
    }
  }
  return !removed.empty();
}

// The single pass is simulated over the sorted distinct ids instead of
// stepping j through every number up to the largest id: the runs of unused
// numbers between two used ids are taken in one step. The result is that of
// the step-by-step pass.
void CompactGroupIds(ElementList& list) {
  const int64_t n = NewGroupId(list);
  std::vector<int32_t> ids;
  for (const TObjekt& e : list) ids.insert(ids.end(), e.Gruppen.begin(), e.Gruppen.end());
  if (ids.empty()) return;
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());

  // Every shift moves all ids above the run start, and every id not yet
  // passed lies above it, so one running offset serves them all.
  std::unordered_map<int32_t, int32_t> renamed;
  int64_t shift = 0;  // total shift applied to the ids not yet passed
  int64_t run = 0;    // k: length of the open run of unused numbers
  int64_t j = 1;
  std::size_t next = 0;  // first id not yet passed
  auto pass = [&](std::size_t i) {
    if (shift != 0) renamed.emplace(ids[i], static_cast<int32_t>(ids[i] - shift));
  };
  while (j <= n - 1) {
    while (next < ids.size() && ids[next] - shift < j) pass(next++);
    if (next == ids.size() || ids[next] - shift > n - 1) break;  // the rest of the pass finds nothing used
    const int64_t used = ids[next] - shift;
    run += used - j;  // the numbers j .. used-1 are unused
    j = used;
    if (run > 0) {
      shift += run;
      run = 0;
    }
    ++j;
  }
  while (next < ids.size()) pass(next++);
  if (renamed.empty()) return;
  for (TObjekt& e : list)
    for (int32_t& id : e.Gruppen) {
      auto it = renamed.find(id);
      if (it != renamed.end()) id = it->second;
    }
}

void CompactGroupIds(TProject& project) {
  if (project.HasActiveBoard()) CompactGroupIds(project.ActiveElements());
}

}  // namespace corvane
