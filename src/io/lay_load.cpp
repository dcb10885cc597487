#include "io/lay_load.h"

#include <utility>
#include <vector>

#include "core/byte_order.h"
#include "geom/font_text_conversion.h"
#include "io/board_cleanup.h"
#include "io/file_bytes.h"
#include "io/lay_format.h"
#include "io/lay_parse.h"
#include "io/value_checks.h"

namespace corvane {

IoError CheckLayoutFile(const std::string& path, int* version) {
  std::vector<uint8_t> start;
  if (IoError e = ReadFileStart(path, 4, start); !e.ok()) return e;
  if (start.size() < 4) {
    IoError e;
    e.Kind = IoErrorKind::NotLayoutFile;
    e.File = path;
    e.Offset = 0;
    return e;
  }
  int v = -1;
  IoError e = CheckVersionWord(GetLE<uint32_t>(start.data()), path, v);
  if (e.ok() && version) *version = v;
  return e;
}

std::size_t CountFontTexts(const TProject& project) {
  std::size_t n = 0;
  for (const TPlatine& b : project.Boards()) n += CountFontTexts(b.Elemente);
  return n;
}

namespace {

// Converts the font texts of one list in list order. A new text that a
// project file could not hold (a font height so large that the strokes leave
// the coordinates the readers accept) is removed like one without strokes,
// so a converted project can always be saved and opened again.
std::size_t ConvertFontTextsOfBoard(ElementList& list, const TTextEditorState& editor, double ppi) {
  std::size_t made = 0;
  std::size_t i = 0;
  while (i < list.size()) {
    if (list[i].Typ != otFontText) {
      ++i;
      continue;
    }
    // The font text leaves position i; the next element moves into it.
    const FontTextConversion done = ConvertFontText(list, i, editor, ppi);
    if (done == FontTextConversion::BadResolution || done == FontTextConversion::NoFontText) break;
    if (done != FontTextConversion::Converted) continue;
    if (FindBadElementValue(list.back(), kLayVersionCurrent))
      list.Erase(list.size() - 1);
    else
      ++made;
  }
  return made;
}

}  // namespace

std::size_t ConvertFontTexts(TProject& project, const TFontTextOptions& options) {
  const std::size_t count = CountFontTexts(project);
  if (count == 0 || !options.Ask || !options.Ask(count)) return 0;
  TUndoSuppression noSnapshots(options.Undo);
  const int shown = project.ActiveIndex();
  std::size_t made = 0;
  for (std::size_t b = 0; b < project.BoardCount(); ++b) {
    if (CountFontTexts(project.Boards()[b].Elemente) == 0) continue;
    project.SwitchBoard(b);
    TTextEditorState editor;
    editor.AktiverLayer = project.View.AktiverLayer;
    editor.Freistanz = options.Freistanz;
    made += ConvertFontTextsOfBoard(project.Boards()[b].Elemente, editor, options.ScreenPpi);
  }
  if (shown >= 0) project.SwitchBoard(static_cast<std::size_t>(shown));
  project.Modified = true;
  return made;
}

TLoadResult LoadLayoutBytes(std::span<const uint8_t> bytes, const std::string& name, TProject& project,
                            const TLoadOptions& options) {
  TLoadResult result;
  TLayoutData data;
  result.Error = ParseLayout(bytes, name, options.Language, data);
  if (!result.ok()) return result;
  result.Version = data.Version;

  if (options.Append) {
    // The shown board keeps its view state; the last board becomes the shown one.
    project.AppendBoards(std::move(data.Boards));
    project.SwitchBoard(project.BoardCount() - 1);
  } else {
    project.Clear();
    project.AppendBoards(std::move(data.Boards));
    project.Info = std::move(data.Info);
    project.SwitchBoard(static_cast<std::size_t>(data.ActiveBoard));
  }
  if (options.Recent) options.Recent->Add(name);
  CompactGroupIds(project);
  project.Modified = options.Append;
  result.OldVersionWarning = data.Version < 4;
  result.FontTextCount = CountFontTexts(project);
  if (options.FontTexts) result.FontTextsConverted = ConvertFontTexts(project, *options.FontTexts);
  return result;
}

TLoadResult LoadLayout(const std::string& path, TProject& project, const TLoadOptions& options) {
  std::vector<uint8_t> bytes;
  if (IoError e = ReadFileBytes(path, bytes); !e.ok()) {
    TLoadResult result;
    result.Error = std::move(e);
    return result;
  }
  return LoadLayoutBytes(bytes, path, project, options);
}

}  // namespace corvane
