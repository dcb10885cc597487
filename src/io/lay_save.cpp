#include "io/lay_save.h"

#include "geom/element_bounds.h"
#include "io/board_cleanup.h"
#include "io/file_bytes.h"
#include "io/lay_write.h"

namespace corvane {

std::size_t DeleteElementsOutsideBoard(ElementList& list, int32_t width, int32_t height, const TLayerState& state) {
  // Board rectangle (0, -height) .. (width, 0); touching its edge counts as inside.
  return list.EraseIf([&](const TObjekt& e) {
    const TIntRect r = ElementBounds(e, state);
    return r.right < 0 || r.left > width || r.bottom < -height || r.top > 0;
  });
}

IoError SaveLayout(const std::string& path, TProject& project, const TSaveOptions& options) {
  if (project.HasActiveBoard()) {
    if (!options.AutoBackup) {
      DeleteElementsOutsideBoard(project.ActiveElements(), project.View.Breite, project.View.Hoehe,
                                 project.LayerState());
      CleanUpBoard(project.ActiveElements());
    }
    CompactGroupIds(project);
    project.StoreViewState();
  }
  const std::vector<uint8_t> bytes = EncodeLayout(project);
  IoError error = WriteFileReplacing(path, bytes);
  project.Saved = error.ok();
  if (!error.ok()) return error;
  if (!options.AutoBackup) project.Modified = false;
  if (options.Recent) options.Recent->Add(path);
  return error;
}

}  // namespace corvane
