// Writer of version-5 macro files.
#include "core/element_ops.h"
#include "geom/transforms.h"
#include "io/byte_writer.h"
#include "io/file_bytes.h"
#include "io/lay_format.h"
#include "io/lay_write.h"
#include "io/macro_file.h"

namespace corvane {

std::vector<uint8_t> EncodeMacro(ElementList& list, bool selectedOnly, TFloatPoint reference,
                                 const std::string& text1, const std::string& text2) {
  auto inSet = [&](const TObjekt& e) { return !selectedOnly || e.Markiert != 0; };
  std::size_t count = 0;
  for (const TObjekt& e : list)
    if (inSet(e)) ++count;

  ByteWriter w;
  w.Reserve(16 + count * 160);
  w.Put<uint32_t>(kLayVersionBase + kLayVersionCurrent);
  w.Put<int32_t>(static_cast<int32_t>(count));
  for (TObjekt& e : list) {
    if (!inSet(e)) continue;
    TObjekt copy;
    CopyElement(e, copy);
    e.Kopiert = 0;
    MoveElement(copy, -static_cast<double>(reference.x), -static_cast<double>(reference.y));
    copy.Markiert = 0;
    copy.Autoroute = 0;
    PutElementBlock(w, copy);
  }
  // Connections are never stored: every pad and SMD pad gets a count of 0.
  for (const TObjekt& e : list)
    if (inSet(e) && IsAnyPad(e)) w.Put<int32_t>(0);
  w.PutShortString(text1, kMacroTextLength);
  w.PutShortString(text2, kMacroTextLength);
  return std::move(w.Bytes());
}

IoError WriteMacroFile(const std::string& path, ElementList& list, bool selectedOnly, TFloatPoint reference,
                       const std::string& text1, const std::string& text2) {
  const std::vector<uint8_t> bytes = EncodeMacro(list, selectedOnly, reference, text1, text2);
  return WriteFileReplacing(path, bytes);
}

}  // namespace corvane
