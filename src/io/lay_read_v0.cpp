// Reader of the single board of version 0..2 files.
#include <vector>

#include "core/grouping.h"
#include "io/board_cleanup.h"
#include "io/lay_format.h"
#include "io/lay_readers.h"
#include "io/old_records.h"
#include "io/old_versions.h"

namespace corvane {

bool ReadElementV0(LayParser& p, TObjekt& e) {
  const std::size_t at = p.In().Offset();
  const uint8_t* record = nullptr;
  if (!p.Take(kRecordSizeV0, "Typ", record)) return false;
  if (!ConvertRecordV0(record, e)) return p.FailAt(IoErrorKind::StringTooLong, "Text", at + 14);
  if (p.Version() == 2) {
    int32_t groups = 0;
    if (!p.Count<int16_t>(2, "Gruppen", groups)) return false;
    e.Gruppen.resize(static_cast<std::size_t>(groups));
    for (int32_t& id : e.Gruppen) {
      int16_t raw = 0;
      if (!p.Get(raw, "Gruppen")) return false;
      id = raw;
    }
  }
  if (e.Typ == otFlaeche || e.Typ == otLeiterbahn) {
    int32_t count = 0;
    if (!p.Count<int16_t>(4, "Punkte", count)) return false;
    e.Punkte.resize(static_cast<std::size_t>(count));
    for (TFloatPoint& pt : e.Punkte) {
      int16_t x = 0, y = 0;
      if (!p.Get(x, "Punkte") || !p.Get(y, "Punkte")) return false;
      pt = {static_cast<float>(x), static_cast<float>(y)};
    }
  }
  return CheckElement(p, e, at);
}

bool ReadBoardV0(LayParser& p, TPlatine& board) {
  const std::size_t at = p.In().Offset();  // the board starts with its size
  if (!p.Get(board.Kopf.Breite, "Breite") || !p.Get(board.Kopf.Hoehe, "Hoehe")) return false;
  board.Kopf.ScrollX = 0;
  board.Kopf.ScrollY = 0;
  board.Kopf.UrsprungX = 0;
  board.Kopf.UrsprungY = 0;
  if (!CheckHeader(p, board.Kopf, at)) return false;

  int32_t count = 0;
  const std::size_t minElement = kRecordSizeV0 + (p.Version() == 2 ? 2 : 0);
  if (!p.Count<int16_t>(minElement, "Elemente", count)) return false;
  ElementList& list = board.Elemente;
  list.Reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    p.SetElement(i);
    if (!ReadElementV0(p, list.Add(TObjekt{}))) return false;
  }
  p.SetElement(-1);

  ApplyOldVersionDefaults(list, p.Version());
  SwapCopperSides(list);
  MigrateOldElements(list);
  CleanUpBoard(list);
  if (p.Version() == 1) ConvertVersion1Groups(list);
  return CheckConvertedBoard(p, list, at);
}

}  // namespace corvane
