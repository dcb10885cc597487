#include "edit/command_states.h"

#include "core/element_ops.h"

namespace corvane {

namespace {

// The element's layer is shown; a through pad counts while any copper layer is.
bool OnShownLayer(const TObjekt& e, const TLayerState& state) {
  if (state.Visible(e.Layer)) return true;
  return IsThroughPad(e) && (state.Visible(lyC1) || state.Visible(lyC2) || state.Visible(lyI1) ||
                             state.Visible(lyI2));
}

bool HasLiveConnection(const TObjekt& e, const ElementList& list) {
  if (!IsAnyPad(e)) return false;
  for (ObjRef partner : e.Luftlinien)
    if (list.Contains(partner)) return true;
  return false;
}

}  // namespace

TCommandStates ComputeCommandStates(const TProject& project, bool clipboardHasElements) {
  TCommandStates c;
  c.Paste = clipboardHasElements;
  c.ThroughPad = true;
  if (!project.HasActiveBoard()) return c;

  const TPlatine& board = project.ActiveBoard();
  const ElementList& list = board.Elemente;
  const TLayerState layers = project.LayerState();
  const bool groundPlane = layers.GroundPlaneOn(layers.AktiverLayer);

  int selected = 0;
  int32_t firstGroup = 0;
  bool oneGroup = true;  // all selected share one outermost group id other than 0
  bool selectedCopperPad = false;
  for (const TObjekt& e : list) {
    if (!c.RemoveConnections && HasLiveConnection(e, list)) c.RemoveConnections = true;
    if (!e.Markiert) continue;
    if (selected == 0) firstGroup = e.LastGroupId();
    if (e.LastGroupId() == 0 || e.LastGroupId() != firstGroup) oneGroup = false;
    ++selected;
    if (!e.Gruppen.empty()) c.SplitGroup = true;
    if (IsPad(e) && IsCopperLayer(e.Layer)) selectedCopperPad = true;
    if (!OnShownLayer(e, layers)) continue;
    if (e.Typ == otLeiterbahn || e.Typ == otFlaeche || e.Typ == otKreis) c.TrackWidthField = true;
    if (IsPad(e)) c.PadFields = true;
    if (IsSmdPad(e)) c.SmdFields = true;
    if (!e.Sperrflaeche && groundPlane) c.ClearanceField = true;
  }

  c.Selected = selected > 0;
  c.Copy = c.Cut = c.Delete = c.Duplicate = c.Tile = c.Rotate = c.Selected;
  c.MirrorHorizontal = c.MirrorVertical = c.SnapToGrid = c.ChangeBoardSide = c.Selected;
  c.SetToLayer = c.Name = c.ZoomSelection = c.Selected;
  c.BuildGroup = c.AlignElements = selected >= 2 && !oneGroup;
  c.ThroughPad = !c.Selected || selectedCopperPad;

  c.Undo = !board.Undo.empty();
  c.Redo = !board.Redo.empty();
  c.ZoomPrevious = !board.ZoomHistory.empty();
  c.ZoomObjects = c.SelectAll = !list.empty();

  const bool severalBoards = project.BoardCount() > 1;
  c.DeleteBoard = c.MoveBoardToEnd = c.MoveBoardToFront = c.MoveBoardRight = c.MoveBoardLeft = severalBoards;
  return c;
}

}  // namespace corvane
