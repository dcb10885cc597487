#include "geom/font_text_conversion.h"

#include <memory>
#include <utility>

#include "core/units.h"
#include "geom/element_create.h"
#include "geom/font_text_height.h"
#include "geom/points.h"
#include "geom/transforms.h"

namespace corvane {

namespace {

// The corner of the bounds that goes onto the font text's position. Font
// texts only turn in quarter turns; any other stored angle counts by the
// quarter it falls into.
TIntPoint AnchorCorner(const TIntRect& bounds, int angle) {
  // Normalised bounds: top holds the smaller y, bottom the larger.
  switch (NormaliseDegrees(angle) / 90) {
    case 1: return {bounds.right, bounds.bottom};
    case 2: return {bounds.right, bounds.top};
    case 3: return {bounds.left, bounds.top};
    default: return {bounds.left, bounds.bottom};
  }
}

}  // namespace

std::size_t CountFontTexts(const ElementList& list) {
  std::size_t n = 0;
  for (const TObjekt& e : list)
    if (e.Typ == otFontText) ++n;
  return n;
}

FontTextConversion ConvertFontText(ElementList& list, std::size_t index, const TTextEditorState& editor,
                                   double ppi) {
  if (index >= list.size() || list[index].Typ != otFontText) return FontTextConversion::NoFontText;
  if (!ValidScreenResolution(ppi)) return FontTextConversion::BadResolution;
  const TObjekt& f = list[index];

  TTextParams params;
  params.content = f.Text;
  params.height = MmToWorld(ConvertedTextHeightMm(f.Wert1, ppi));
  params.thickness = tdDick;
  params.style = tsNormal;
  params.angle = NormaliseDegrees(f.Wert2);
  TObjekt text = CreateText(MakePoint(f.X, f.Y), params, f.Layer);
  text.Freistanz = editor.Freistanz;
  GenerateTextStrokes(text, editor);

  const TIntPoint corner = AnchorCorner(TextBounds(text), params.angle);
  MoveElement(text, static_cast<double>(f.X) - corner.x, static_cast<double>(f.Y) - corner.y);
  text.Gruppen = f.Gruppen;
  text.Layer = f.Layer;

  const bool usable = !text.Striche.empty() && !text.Striche.front().Punkte.empty();
  list.Erase(index);
  if (!usable) return FontTextConversion::Dropped;
  list.Add(std::move(text));
  return FontTextConversion::Converted;
}

std::size_t ConvertFontTextsOfList(ElementList& list, const TTextEditorState& editor, double ppi) {
  if (!ValidScreenResolution(ppi)) return 0;
  std::size_t converted = 0;
  std::size_t i = 0;
  while (i < list.size()) {
    if (list[i].Typ != otFontText) {
      ++i;
      continue;
    }
    // The font text leaves position i; the next element moves into it.
    if (ConvertFontText(list, i, editor, ppi) == FontTextConversion::Converted) ++converted;
  }
  return converted;
}

}  // namespace corvane
