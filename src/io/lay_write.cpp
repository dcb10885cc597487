#include "io/lay_write.h"

#include <algorithm>
#include <limits>

#include "core/disk_image.h"
#include "io/byte_writer.h"
#include "io/lay_format.h"

namespace corvane {

namespace {

void PutPoints(ByteWriter& w, const std::vector<TFloatPoint>& points) {
  w.Put<int32_t>(static_cast<int32_t>(points.size()));
  for (const TFloatPoint& p : points) {
    w.Put<float>(p.x);
    w.Put<float>(p.y);
  }
}

void PutImage(ByteWriter& w, const TObjekt& e) {
  const ElementDiskImage image = EncodeElement(e);
  w.PutBytes(image.data(), image.size());
}

}  // namespace

void PutElementBlock(ByteWriter& w, const TObjekt& e) {
  PutImage(w, e);
  w.PutLongString(e.Text, kElementStringLength);
  w.PutLongString(e.Name, kElementStringLength);
  w.Put<int32_t>(static_cast<int32_t>(e.Gruppen.size()));
  for (int32_t id : e.Gruppen) w.Put<int32_t>(id);
  switch (e.Typ) {
    case otLoetauge:
    case otFlaeche:
    case otLeiterbahn:
    case otSmdPad:
      PutPoints(w, e.Punkte);
      break;
    case otText:
      w.Put<int32_t>(static_cast<int32_t>(e.Striche.size()));
      for (const TObjekt& stroke : e.Striche) {
        PutImage(w, stroke);
        PutPoints(w, stroke.Punkte);
      }
      break;
    default:
      break;
  }
}

namespace {

void PutBoard(ByteWriter& w, const TPlatine& board) {
  const ElementList& list = board.Elemente;
  w.PutShortString(board.Name, kBoardNameLength);
  const BoardHeaderImage header = EncodeBoardHeader(board.Kopf);
  w.PutBytes(header.data(), header.size());
  w.Put<int32_t>(static_cast<int32_t>(list.size()));
  for (const TObjekt& e : list) PutElementBlock(w, e);
  std::vector<int32_t> indices;
  for (const TObjekt& e : list) {
    if (!IsAnyPad(e)) continue;
    indices.clear();
    for (ObjRef ref : e.Luftlinien) {
      const long i = list.IndexOf(ref);
      if (i >= 0) indices.push_back(static_cast<int32_t>(i));
    }
    w.Put<int32_t>(static_cast<int32_t>(indices.size()));
    for (int32_t i : indices) w.Put<int32_t>(i);
  }
  for (const TObjekt& e : list) {
    if (e.Autoroute == 0) continue;
    w.Put<int32_t>(static_cast<int32_t>(list.IndexOf(e.RouteStart)));
    w.Put<int32_t>(static_cast<int32_t>(list.IndexOf(e.RouteEnde)));
  }
}

}  // namespace

std::vector<uint8_t> EncodeLayout(const TProject& project) {
  ByteWriter w;
  std::size_t estimate = 64;
  for (const TPlatine& b : project.Boards()) estimate += 600 + b.Elemente.size() * 160;
  w.Reserve(estimate);
  w.Put<uint32_t>(kLayVersionBase + kLayVersionCurrent);
  w.Put<int32_t>(static_cast<int32_t>(project.BoardCount()));
  for (const TPlatine& board : project.Boards()) PutBoard(w, board);
  w.Put<int32_t>(std::max(project.ActiveIndex(), 0));
  w.PutShortString(project.Info.Title, kProjectInfoFieldLength);
  w.PutShortString(project.Info.Author, kProjectInfoFieldLength);
  w.PutShortString(project.Info.Company, kProjectInfoFieldLength);
  w.PutLongString(project.Info.Comment, static_cast<std::size_t>(std::numeric_limits<int32_t>::max()));
  return std::move(w.Bytes());
}

}  // namespace corvane
