// Reader of version-5 boards.
#include <vector>

#include "core/disk_image.h"
#include "io/board_cleanup.h"
#include "io/lay_format.h"
#include "io/lay_readers.h"

namespace corvane {

namespace {

// Smallest element block: disk image, two empty strings, no groups.
constexpr std::size_t kMinElementV5 = kElementDiskSize + 3 * 4;
// Smallest stroke block: disk image and a point count.
constexpr std::size_t kMinStrokeV5 = kElementDiskSize + 4;

bool ReadPoints(LayParser& p, std::vector<TFloatPoint>& points) {
  int32_t count = 0;
  if (!p.Count<int32_t>(8, "Punkte", count)) return false;
  points.resize(static_cast<std::size_t>(count));
  for (TFloatPoint& pt : points)
    if (!p.Get(pt.x, "Punkte") || !p.Get(pt.y, "Punkte")) return false;
  return true;
}

bool ReadStrokes(LayParser& p, TObjekt& text) {
  int32_t count = 0;
  if (!p.Count<int32_t>(kMinStrokeV5, "Striche", count)) return false;
  text.Striche.resize(static_cast<std::size_t>(count));
  for (TObjekt& stroke : text.Striche) {
    const uint8_t* image = nullptr;
    if (!p.Take(kElementDiskSize, "Striche", image)) return false;
    DecodeElement(image, stroke);
    stroke.Markiert = 0;
    stroke.Hervorgehoben = 0;
    if (!ReadPoints(p, stroke.Punkte)) return false;
  }
  return true;
}

}  // namespace

bool ReadElementV5(LayParser& p, TObjekt& e) {
  const std::size_t at = p.In().Offset();
  const uint8_t* image = nullptr;
  if (!p.Take(kElementDiskSize, "Typ", image)) return false;
  DecodeElement(image, e);
  e.Hervorgehoben = 0;
  if (!p.LongString(e.Text, kElementStringLength, "Text")) return false;
  if (!p.LongString(e.Name, kElementStringLength, "Name")) return false;
  int32_t groups = 0;
  if (!p.Count<int32_t>(4, "Gruppen", groups)) return false;
  e.Gruppen.resize(static_cast<std::size_t>(groups));
  for (int32_t& id : e.Gruppen)
    if (!p.Get(id, "Gruppen")) return false;
  e.Markiert = 0;
  e.Geschlossen = 1;
  switch (e.Typ) {
    case otLoetauge:
    case otFlaeche:
    case otLeiterbahn:
    case otSmdPad:
      if (!ReadPoints(p, e.Punkte)) return false;
      break;
    case otText:
      if (!ReadStrokes(p, e)) return false;
      break;
    default:
      break;
  }
  return CheckElement(p, e, at);
}

bool ReadBoardV5(LayParser& p, TPlatine& board) {
  if (!p.ShortString(kBoardNameLength, board.Name, "Name")) return false;
  const std::size_t headerAt = p.In().Offset();
  const uint8_t* header = nullptr;
  if (!p.Take(kBoardHeaderSize, "TPlatinenKopf", header)) return false;
  if (!DecodeBoardHeader(header, board.Kopf))
    return p.FailAt(IoErrorKind::StringTooLong, header[56] > kTemplateNameLength ? "Vorlage1Datei" : "Vorlage2Datei",
                    headerAt);
  if (!CheckHeader(p, board.Kopf, headerAt)) return false;

  int32_t count = 0;
  if (!p.Count<int32_t>(kMinElementV5, "Elemente", count)) return false;
  ElementList& list = board.Elemente;
  list.Reserve(static_cast<std::size_t>(count));
  std::vector<ObjRef> ids;
  ids.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    p.SetElement(i);
    TObjekt& e = list.Add(TObjekt{});
    if (!ReadElementV5(p, e)) return false;
    ids.push_back(e.Id());
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    TObjekt& e = list[i];
    if (!IsAnyPad(e)) continue;
    p.SetElement(static_cast<long>(i));
    if (!ReadConnections(p, ids, e)) return false;
    if (e.ThermalStempel != kThermalStamp) {
      e.Wert3 = kDefaultSpokePercent;
      e.Wert2 = kDefaultSpokeMask;
      e.ThermalStempel = kThermalStamp;
      e.Schalter1 = 0;
    }
  }
  if (!ReadAutorouteLinks(p, list, ids)) return false;
  p.SetElement(-1);
  CleanUpBoard(list);
  return true;
}

}  // namespace corvane
