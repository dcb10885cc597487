// Reader of macro files, every version 0..5.
#include <utility>
#include <vector>

#include "core/byte_order.h"
#include "core/disk_image.h"
#include "core/grouping.h"
#include "core/layers.h"
#include "geom/font_text_conversion.h"
#include "io/board_cleanup.h"
#include "io/file_bytes.h"
#include "io/lay_format.h"
#include "io/lay_parse.h"
#include "io/lay_readers.h"
#include "io/macro_file.h"
#include "io/old_versions.h"

namespace corvane {

namespace {

// Smallest element block of each version, for the count check.
std::size_t MinElementBytes(int version) {
  if (version <= 2) return kRecordSizeV0 + (version == 2 ? 2 : 0);
  if (version == 3) return kRecordSizeV3 + 4;
  if (version == 4) return kRecordSizeV4 + 8;
  return kElementDiskSize + 3 * 4;
}

bool ReadElementOfVersion(LayParser& p, TObjekt& e) {
  if (p.Version() <= 2) return ReadElementV0(p, e);
  if (p.Version() <= 4) return ReadElementV3(p, e);
  return ReadElementV5(p, e);
}

// Which elements have a connection list in the file: none in versions 0..2,
// pads in version 3, pads and SMD pads from version 4 on.
bool HasConnectionList(const TObjekt& e, int version) {
  if (version <= 2) return false;
  return IsPad(e) || (version >= 4 && IsSmdPad(e));
}

bool ReadElements(LayParser& p, ElementList& list) {
  const int v = p.Version();
  int32_t count = 0;
  const bool counted = v <= 2 ? p.Count<int16_t>(MinElementBytes(v), "Elemente", count)
                              : p.Count<int32_t>(MinElementBytes(v), "Elemente", count);
  if (!counted) return false;
  list.Reserve(static_cast<std::size_t>(count));
  std::vector<ObjRef> ids;
  ids.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    p.SetElement(i);
    TObjekt& e = list.Add(TObjekt{});
    if (!ReadElementOfVersion(p, e)) return false;
    ids.push_back(e.Id());
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    TObjekt& e = list[i];
    if (!HasConnectionList(e, v)) continue;
    p.SetElement(static_cast<long>(i));
    if (!ReadConnections(p, ids, e)) return false;
  }
  p.SetElement(-1);
  return true;
}

// The conversions the project reader applies to the elements of each version.
void ConvertVersion(ElementList& list, int version) {
  if (version >= 5) {
    for (TObjekt& e : list) {
      if (!IsAnyPad(e) || e.ThermalStempel == kThermalStamp) continue;
      e.Wert3 = kDefaultSpokePercent;
      e.Wert2 = kDefaultSpokeMask;
      e.ThermalStempel = kThermalStamp;
      e.Schalter1 = 0;
    }
    return;
  }
  ApplyOldVersionDefaults(list, version);
  if (version <= 3) SwapCopperSides(list);
  if (version >= 3) MergeTwinPads(list);
  MigrateOldElements(list);
  if (version == 1) ConvertVersion1Groups(list);
}

// Old macros keep their inner-layer elements on the outer side: I1 -> C2, I2 -> S1.
void MoveOldInnerLayers(ElementList& list) {
  for (TObjekt& e : list) {
    if (e.Layer == lyI1)
      e.Layer = lyC2;
    else if (e.Layer == lyI2)
      e.Layer = lyS1;
  }
}

}  // namespace

IoError ParseMacro(std::span<const uint8_t> bytes, const std::string& name, const TMacroReadOptions& options,
                   TMacroData& out) {
  out = TMacroData{};
  if (bytes.size() < 4) {
    IoError error;
    error.Kind = IoErrorKind::NotLayoutFile;
    error.File = name;
    error.Offset = 0;
    error.Field = "Version";
    return error;
  }
  int version = -1;
  if (IoError error = CheckVersionWord(GetLE<uint32_t>(bytes.data()), name, version); !error.ok()) return error;

  LayParser p(bytes, name, version);
  p.In().Take(4);
  TMacroData data;
  data.Version = version;
  if (!ReadElements(p, data.Elemente)) return p.Error();
  if (version >= 4 && !(p.ShortString(kMacroTextLength, data.Text1, "Text1") &&
                        p.ShortString(kMacroTextLength, data.Text2, "Text2")))
    return p.Error();

  ConvertVersion(data.Elemente, version);
  // The outlines made for the pads of old versions must be usable too.
  if (version <= 4 && !CheckConvertedBoard(p, data.Elemente, 4)) return p.Error();
  if (options.ConvertFontTexts) ConvertFontTextsOfList(data.Elemente, options.Editor, options.ScreenPpi);
  if (version <= 4) MoveOldInnerLayers(data.Elemente);
  CleanUpBoard(data.Elemente);
  out = std::move(data);
  return IoError{};
}

IoError ReadMacroFile(const std::string& path, const TMacroReadOptions& options, TMacroData& out) {
  out = TMacroData{};
  std::vector<uint8_t> bytes;
  if (IoError e = ReadFileBytes(path, bytes); !e.ok()) return e;
  return ParseMacro(bytes, path, options, out);
}

}  // namespace corvane
