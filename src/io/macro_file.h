#pragma once
// Macro files (.lmk): a reusable group of elements with two free text lines.
// Version word as in project files, an element count (i16 for versions 0..2),
// the element blocks of the file's version, the connection block (one count
// per pad and SMD pad, 0 as written) and, from version 4 on, two short
// strings of 50. Coordinates are relative to the macro's reference point.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/element_list.h"
#include "core/float_point.h"
#include "geom/text_strokes.h"
#include "io/io_error.h"

namespace corvane {

// The file extension, compared in lower case.
inline constexpr const char* kMacroExtension = ".lmk";
// Text 1 and text 2 are short strings of 50.
inline constexpr std::size_t kMacroTextLength = 50;

struct TMacroData {
  int Version = -1;  // version of the file that was read
  ElementList Elemente;
  std::string Text1;  // code page 1252 bytes; empty for versions 0..3
  std::string Text2;
};

struct TMacroReadOptions {
  // Font texts become vector texts without asking (the library always does
  // this; a dump only on request), at the screen resolution ScreenPpi, with
  // strokes on the editor's active layer and its clearance.
  bool ConvertFontTexts = true;
  double ScreenPpi = 96.0;
  TTextEditorState Editor;
};

// Reads a macro held in memory (`name` is used in errors):
// 1. the version word (NotLayoutFile / NewerVersion as for project files);
// 2. the elements and connections with the reader of the file's version and
//    its conversions (twin pads, exchanged copper sides of versions 0..3,
//    migrated outlines, version-1 groups, thermal defaults);
// 3. font texts converted (see TMacroReadOptions);
// 4. versions 0..4: elements on layer 5 move to layer 3, on layer 6 to layer 2;
// 5. the text lines (versions 4 and 5);
// 6. CleanUpBoard.
// Counts are checked against the bytes left and indices against the list.
// On any error `out` is left empty: nothing half-read is kept. Bytes after
// the last item are ignored.
IoError ParseMacro(std::span<const uint8_t> bytes, const std::string& name, const TMacroReadOptions& options,
                   TMacroData& out);

// Reads the file; FileNotFound / CannotRead when it cannot be read.
IoError ReadMacroFile(const std::string& path, const TMacroReadOptions& options, TMacroData& out);

// The version-5 image of the elements of `list` (only the selected ones when
// `selectedOnly`), each a copy moved by -reference with Markiert = 0 and
// Autoroute = 0, no connections, and the text lines cut to 50 characters.
// The list itself is not changed.
std::vector<uint8_t> EncodeMacro(ElementList& list, bool selectedOnly, TFloatPoint reference,
                                 const std::string& text1, const std::string& text2);

// EncodeMacro written through a temporary file beside `path`, so that a failed
// write leaves an existing file as it was (CannotWrite).
IoError WriteMacroFile(const std::string& path, ElementList& list, bool selectedOnly, TFloatPoint reference,
                       const std::string& text1, const std::string& text2);

}  // namespace corvane
