#include "io/lay_parse.h"

#include <cstdint>
#include <utility>

#include "core/project.h"
#include "io/lay_format.h"
#include "io/lay_readers.h"

namespace corvane {

IoError CheckVersionWord(uint32_t word, const std::string& fileName, int& version) {
  const uint32_t d = word - kLayVersionBase;  // unsigned: words below the base wrap to large values
  IoError error;
  error.File = fileName;
  if (d <= static_cast<uint32_t>(kLayVersionCurrent)) {
    version = static_cast<int>(d);
    return error;
  }
  if (d < kLayVersionNewerLimit) {
    error.Kind = IoErrorKind::NewerVersion;
    error.Version = static_cast<int>(d);
  } else {
    error.Kind = IoErrorKind::NotLayoutFile;
  }
  error.Offset = 0;
  return error;
}

namespace {

bool ReadBoards(LayParser& p, TLayoutData& data) {
  int32_t count = 0;
  // Smallest board block: name, header and an element count.
  const std::size_t minBoard = (kBoardNameLength + 1) + (p.Version() == 3 ? kHeaderSizeV3
                                                         : p.Version() == 4 ? kHeaderSizeV4
                                                                            : kBoardHeaderSize) + 4;
  const std::size_t at = p.In().Offset();
  if (!p.Count<int32_t>(minBoard, "Platinen", count)) return false;
  if (count < 1) return p.FailAt(IoErrorKind::BadValue, "Platinen", at, "no boards");
  data.Boards.reserve(static_cast<std::size_t>(count));
  for (int32_t b = 0; b < count; ++b) {
    p.SetBoard(b);
    TPlatine& board = data.Boards.emplace_back();
    if (!(p.Version() == 5 ? ReadBoardV5(p, board) : ReadBoardV3(p, board))) return false;
  }
  p.SetBoard(-1);
  return true;
}

bool ReadTrailer(LayParser& p, TLayoutData& data) {
  const std::size_t at = p.In().Offset();
  if (!p.Get(data.ActiveBoard, "ActiveBoard")) return false;
  if (data.ActiveBoard < 0 || static_cast<std::size_t>(data.ActiveBoard) >= data.Boards.size())
    return p.FailAt(IoErrorKind::BadIndex, "ActiveBoard", at, "index " + std::to_string(data.ActiveBoard));
  if (p.Version() == 3) {
    const uint8_t* unused = nullptr;
    return p.Take(8, "ActiveBoard", unused);
  }
  return p.ShortString(kProjectInfoFieldLength, data.Info.Title, "Title") &&
         p.ShortString(kProjectInfoFieldLength, data.Info.Author, "Author") &&
         p.ShortString(kProjectInfoFieldLength, data.Info.Company, "Company") &&
         p.LongString(data.Info.Comment, SIZE_MAX, "Comment");
}

}  // namespace

IoError ParseLayout(std::span<const uint8_t> bytes, const std::string& fileName, int language, TLayoutData& out) {
  out = TLayoutData{};
  uint32_t word = 0;
  int version = -1;
  if (bytes.size() < 4) {
    IoError error;
    error.Kind = IoErrorKind::NotLayoutFile;
    error.File = fileName;
    error.Offset = 0;
    error.Field = "Version";
    return error;
  }
  word = GetLE<uint32_t>(bytes.data());
  if (IoError error = CheckVersionWord(word, fileName, version); !error.ok()) return error;

  LayParser p(bytes, fileName, version);
  p.In().Take(4);
  TLayoutData data;
  data.Version = version;
  bool ok = false;
  if (version <= 2) {
    p.SetBoard(0);
    TPlatine& board = data.Boards.emplace_back();
    board.Name = NewBoardName(1, language);
    ok = ReadBoardV0(p, board);
    data.ActiveBoard = 0;
  } else {
    ok = ReadBoards(p, data) && ReadTrailer(p, data);
  }
  if (!ok) return p.Error();
  out = std::move(data);
  return IoError{};
}

}  // namespace corvane
