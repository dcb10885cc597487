// Reader of version-3 and version-4 boards.
#include <vector>

#include "core/disk_image.h"
#include "io/board_cleanup.h"
#include "io/lay_format.h"
#include "io/lay_readers.h"
#include "io/old_records.h"
#include "io/old_versions.h"

namespace corvane {

namespace {

// Points of two i32, converted to Single.
bool ReadIntPoints(LayParser& p, std::vector<TFloatPoint>& points) {
  int32_t count = 0;
  if (!p.Count<int32_t>(8, "Punkte", count)) return false;
  points.resize(static_cast<std::size_t>(count));
  for (TFloatPoint& pt : points) {
    int32_t x = 0, y = 0;
    if (!p.Get(x, "Punkte") || !p.Get(y, "Punkte")) return false;
    pt = {static_cast<float>(x), static_cast<float>(y)};
  }
  return true;
}

bool ReadStrokesV4(LayParser& p, TObjekt& text) {
  int32_t count = 0;
  if (!p.Count<int32_t>(kRecordSizeV4 + 4, "Striche", count)) return false;
  text.Striche.resize(static_cast<std::size_t>(count));
  for (TObjekt& stroke : text.Striche) {
    const uint8_t* record = nullptr;
    if (!p.Take(kRecordSizeV4, "Striche", record)) return false;
    ConvertRecordV4(record, stroke);
    stroke.Markiert = 0;
    if (!ReadIntPoints(p, stroke.Punkte)) return false;
  }
  return true;
}

}  // namespace

bool ReadElementV3(LayParser& p, TObjekt& e) {
  const bool v4 = p.Version() == 4;
  const std::size_t at = p.In().Offset();
  const uint8_t* record = nullptr;
  if (!p.Take(v4 ? kRecordSizeV4 : kRecordSizeV3, "Typ", record)) return false;
  if (v4) {
    ConvertRecordV4(record, e);
    if (!p.LongString(e.Text, kElementStringLength, "Text")) return false;
  } else if (!ConvertRecordV3(record, e)) {
    return p.FailAt(IoErrorKind::StringTooLong, "Text", at + 24);
  }
  int32_t groups = 0;
  if (!p.Count<int32_t>(4, "Gruppen", groups)) return false;
  e.Gruppen.resize(static_cast<std::size_t>(groups));
  for (int32_t& id : e.Gruppen)
    if (!p.Get(id, "Gruppen")) return false;
  if ((e.Typ == otFlaeche || e.Typ == otLeiterbahn) && !ReadIntPoints(p, e.Punkte)) return false;
  if (v4 && e.Typ == otText && !ReadStrokesV4(p, e)) return false;
  if (e.Typ == otLoetauge && !p.Get(e.Partner, "Partner")) return false;
  return CheckElement(p, e, at);
}

namespace {

bool ReadHeader(LayParser& p, TPlatinenKopf& h) {
  const bool v4 = p.Version() == 4;
  const std::size_t at = p.In().Offset();
  const uint8_t* old = nullptr;
  if (!p.Take(v4 ? kHeaderSizeV4 : kHeaderSizeV3, "TPlatinenKopf", old)) return false;
  BoardHeaderImage image{};
  if (!v4)
    image = ConvertHeaderV3(old);
  else if (!ConvertHeaderV4(old, image))
    return p.FailAt(IoErrorKind::BadValue, "UrsprungX", at + 482);
  if (!DecodeBoardHeader(image.data(), h))
    return p.FailAt(IoErrorKind::StringTooLong, old[48] > kTemplateNameLength ? "Vorlage1Datei" : "Vorlage2Datei",
                    at);
  return CheckHeader(p, h, at);
}

}  // namespace

bool ReadBoardV3(LayParser& p, TPlatine& board) {
  const bool v4 = p.Version() == 4;
  const std::size_t boardAt = p.In().Offset();
  if (!p.ShortString(kBoardNameLength, board.Name, "Name")) return false;
  if (!ReadHeader(p, board.Kopf)) return false;

  int32_t count = 0;
  // Smallest element block: the record, (version 4: an empty text,) no groups.
  const std::size_t minElement = v4 ? kRecordSizeV4 + 8 : kRecordSizeV3 + 4;
  if (!p.Count<int32_t>(minElement, "Elemente", count)) return false;
  ElementList& list = board.Elemente;
  list.Reserve(static_cast<std::size_t>(count));
  std::vector<ObjRef> ids;
  ids.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    p.SetElement(i);
    TObjekt& e = list.Add(TObjekt{});
    if (!ReadElementV3(p, e)) return false;
    ids.push_back(e.Id());
  }
  // Connection lists: version 3 stores them for pads, version 4 for pads and SMD pads.
  for (std::size_t i = 0; i < list.size(); ++i) {
    TObjekt& e = list[i];
    if (!(IsPad(e) || (v4 && IsSmdPad(e)))) continue;
    p.SetElement(static_cast<long>(i));
    if (!ReadConnections(p, ids, e)) return false;
  }
  if (v4 && !ReadAutorouteLinks(p, list, ids)) return false;
  p.SetElement(-1);

  ApplyOldVersionDefaults(list, p.Version());
  if (!v4) SwapCopperSides(list);
  MergeTwinPads(list);
  MigrateOldElements(list);
  CleanUpBoard(list);
  if (!v4) std::swap(board.Kopf.MasseAn[lyC1 - 1], board.Kopf.MasseAn[lyC2 - 1]);
  return CheckConvertedBoard(p, list, boardAt);
}

}  // namespace corvane
