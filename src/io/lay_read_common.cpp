#include <string>
#include <vector>

#include "io/lay_format.h"
#include "io/lay_readers.h"
#include "io/value_checks.h"

namespace corvane {

bool CheckElement(LayParser& p, const TObjekt& e, std::size_t offset) {
  if (const char* field = FindBadElementValue(e, p.Version()))
    return p.FailAt(IoErrorKind::BadValue, field, offset, "kind " + std::to_string(e.Typ));
  return true;
}

bool CheckHeader(LayParser& p, const TPlatinenKopf& h, std::size_t offset) {
  if (const char* field = FindBadHeaderValue(h)) return p.FailAt(IoErrorKind::BadValue, field, offset);
  return true;
}

bool CheckConvertedBoard(LayParser& p, const ElementList& list, std::size_t boardOffset) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    p.SetElement(static_cast<long>(i));
    if (const char* field = FindBadElementValue(list[i], kLayVersionCurrent))
      return p.FailAt(IoErrorKind::BadValue, field, boardOffset, "after conversion");
  }
  p.SetElement(-1);
  return true;
}

bool ReadConnections(LayParser& p, const std::vector<ObjRef>& ids, TObjekt& e) {
  int32_t count = 0;
  if (!p.Count<int32_t>(4, "Luftlinien", count)) return false;
  e.Luftlinien.clear();
  e.Luftlinien.reserve(static_cast<std::size_t>(count));
  for (int32_t c = 0; c < count; ++c) {
    int32_t index = 0;
    const std::size_t at = p.In().Offset();
    if (!p.Get(index, "Luftlinien")) return false;
    if (index < 0 || static_cast<std::size_t>(index) >= ids.size())
      return p.FailAt(IoErrorKind::BadIndex, "Luftlinien", at, "index " + std::to_string(index));
    e.Luftlinien.push_back(ids[static_cast<std::size_t>(index)]);
  }
  return true;
}

bool ReadAutorouteLinks(LayParser& p, ElementList& list, const std::vector<ObjRef>& ids) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    TObjekt& e = list[i];
    if (e.Autoroute == 0) continue;
    p.SetElement(static_cast<long>(i));
    ObjRef links[2] = {kNoRef, kNoRef};
    for (int k = 0; k < 2; ++k) {
      const char* field = k == 0 ? "RouteStart" : "RouteEnde";
      int32_t index = 0;
      const std::size_t at = p.In().Offset();
      if (!p.Get(index, field)) return false;
      if (index >= 0 && static_cast<std::size_t>(index) >= ids.size())
        return p.FailAt(IoErrorKind::BadIndex, field, at, "index " + std::to_string(index));
      if (index >= 0) links[k] = ids[static_cast<std::size_t>(index)];
    }
    // Only tracks are autorouted; the links of any other kind are read past.
    if (e.Typ == otLeiterbahn) {
      e.RouteStart = links[0];
      e.RouteEnde = links[1];
    }
  }
  p.SetElement(-1);
  return true;
}

}  // namespace corvane
