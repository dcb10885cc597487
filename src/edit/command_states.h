#pragma once
// Which commands and size fields of the main window are enabled, derived in
// one place from the project. The window refreshes them after every change
// of the element list, the selection, the boards, the undo and redo stacks
// or the element clipboard.

#include "core/project.h"

namespace corvane {

struct TCommandStates {
  // Any element of the active board is selected (Markiert). While false the
  // size fields show the current tool sizes again.
  bool Selected = false;

  // Enabled while something is selected.
  bool Copy = false;
  bool Cut = false;
  bool Delete = false;
  bool Duplicate = false;
  bool Tile = false;  // "Tile..."
  bool Rotate = false;
  bool MirrorHorizontal = false;
  bool MirrorVertical = false;
  bool SnapToGrid = false;
  bool ChangeBoardSide = false;
  bool SetToLayer = false;
  bool Name = false;  // "Name..."
  bool ZoomSelection = false;

  bool Paste = false;            // the element clipboard is not empty
  bool BuildGroup = false;       // two or more selected, not all of one outermost group
  bool AlignElements = false;    // as BuildGroup
  bool SplitGroup = false;       // a selected element has a group id
  bool RemoveConnections = false;  // "Remove connections (rubberbands)": a pad or SMD pad has a connection
  bool Undo = false;
  bool Redo = false;
  bool ZoomPrevious = false;     // the board's view history is not empty
  bool ZoomObjects = false;      // the board has elements
  bool SelectAll = false;        // the board has elements
  // "Through pad" (menu item and F12): nothing selected, or a selected pad
  // lies on a copper layer.
  bool ThroughPad = false;

  // More than one board: "Delete board" and the four board moves.
  bool DeleteBoard = false;
  bool MoveBoardToEnd = false;
  bool MoveBoardToFront = false;
  bool MoveBoardRight = false;
  bool MoveBoardLeft = false;

  // Size fields that show and change values of the selection.
  bool TrackWidthField = false;  // a selected track, zone or circle on a visible layer
  bool PadFields = false;        // outer and drill: a selected pad on a visible layer
  bool SmdFields = false;        // width and height: a selected SMD pad on a visible layer
  // A selected element on a visible layer that is not a keep-out, while the
  // ground plane of the active layer is on.
  bool ClearanceField = false;

  friend bool operator==(const TCommandStates&, const TCommandStates&) = default;
};

// The states for the active board of `project` (its selection, elements,
// stacks, view history, layer visibility and ground planes, and the number of
// boards). Without an active board everything is off except Paste and Through
// pad, which follow their rules.
// A connection counts only while its partner is still in the board's list.
TCommandStates ComputeCommandStates(const TProject& project, bool clipboardHasElements);

}  // namespace corvane
