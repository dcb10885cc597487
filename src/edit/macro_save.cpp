#include "edit/macro_save.h"

#include <optional>

#include "core/units.h"
#include "geom/element_bounds.h"
#include "geom/element_points.h"
#include "io/board_cleanup.h"
#include "io/macro_file.h"

namespace corvane {

TMacroSaveSet MacroSaveSet(const ElementList& list) {
  if (list.empty()) return TMacroSaveSet::NoElements;
  for (const TObjekt& e : list)
    if (e.Markiert) return TMacroSaveSet::Selection;
  return TMacroSaveSet::AskWholeBoard;
}

TFloatPoint MacroReferencePoint(const ElementList& list, bool selectedOnly, const TBoardView& view,
                                const TLayerState& state) {
  auto inSet = [&](const TObjekt& e) { return !selectedOnly || e.Markiert != 0; };
  for (const TObjekt& e : list) {
    if (!inSet(e) || !IsAnyPad(e)) continue;
    const TFloatPoint c = ElementCentre(e);
    return {static_cast<float>(Rnd(c.x)), static_cast<float>(Rnd(c.y))};
  }
  std::optional<TIntRect> bounds;
  for (const TObjekt& e : list) {
    if (!inSet(e)) continue;
    const TIntRect r = ElementBounds(e, state);
    bounds = bounds ? UnionRect(*bounds, r) : r;
  }
  if (!bounds) return {0, 0};
  // Normalised bounds keep the larger y in `bottom`: the top-left corner with y up.
  const TFloatPoint corner = view.SnapToGrid(
      {static_cast<float>(bounds->left), static_cast<float>(bounds->bottom)});
  return {static_cast<float>(Rnd(corner.x)), static_cast<float>(Rnd(corner.y))};
}

IoError SaveAsMacro(const std::string& path, ElementList& list, bool selectedOnly, const TBoardView& view,
                    const TLayerState& state) {
  CleanUpBoard(list);
  const TFloatPoint reference = MacroReferencePoint(list, selectedOnly, view, state);
  return WriteMacroFile(path, list, selectedOnly, reference, "", "");
}

}  // namespace corvane
