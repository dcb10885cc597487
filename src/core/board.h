#pragma once
// TPlatine: one board of a project with its header, elements, undo and redo
// snapshots and zoom history.

#include <cstdint>
#include <string>
#include <vector>

#include "core/board_header.h"
#include "core/element_list.h"

namespace corvane {

// Board names are short strings of 30 characters in the project file.
inline constexpr std::size_t kBoardNameLength = 30;

// One entry of the "Zoom previous" history.
struct TZoomEntry {
  int32_t ScrollX = 0;
  int32_t ScrollY = 0;
  double Zoom = 0.1;
};

// Undo and redo snapshots: copies of the board's element list, most recent last.
using TSnapshotStack = std::vector<ElementList>;

struct TPlatine {
  std::string Name;  // code page 1252 bytes, without the tab caption's trailing blank
  TPlatinenKopf Kopf;
  ElementList Elemente;
  TSnapshotStack Undo;
  TSnapshotStack Redo;
  std::vector<TZoomEntry> ZoomHistory;

  // The caption of the board's tab: the name followed by one blank.
  std::string TabCaption() const { return Name + " "; }
};

}  // namespace corvane
