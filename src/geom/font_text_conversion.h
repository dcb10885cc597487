#pragma once
// Replacing the font texts of older files by vector texts.

#include <cstddef>

#include "core/element_list.h"
#include "geom/text_strokes.h"

namespace corvane {

enum class FontTextConversion {
  Converted,      // the vector text was appended, the font text removed
  Dropped,        // the font text was removed; its text gave no strokes
  NoFontText,     // index outside the list or not a font text: nothing changed
  BadResolution,  // ppi is not a positive number: nothing changed
};

// Number of font texts in the list.
std::size_t CountFontTexts(const ElementList& list);

// Replaces the font text at `index` by a vector text: 0.9 of its font height
// at the screen resolution `ppi`, its content, bold strokes, normal width, its
// rotation, no mirroring. The new text is appended to the list with the corner
// of its bounds that lies at the start of the reading direction -- (left, top)
// at 0 degrees, (right, top) at 90, (right, bottom) at 180, (left, bottom) at
// 270, top being the larger y -- on the font text's position, and gets the font
// text's group ids and layer. The font text is removed, so the next element
// moves to `index`. Asking the user is the caller's business.
FontTextConversion ConvertFontText(ElementList& list, std::size_t index, const TTextEditorState& editor,
                                   double ppi);

// Converts every font text of the list in list order; returns the number of
// vector texts made. Nothing changes when ppi is not a positive number.
std::size_t ConvertFontTextsOfList(ElementList& list, const TTextEditorState& editor, double ppi);

}  // namespace corvane
