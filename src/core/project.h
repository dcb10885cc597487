#pragma once
// TProject: the ordered boards of a project, the active board, the project
// information and the view state of the shown board, with the board commands.
// Headless: the window reads and fills `View`; message boxes and questions are
// the caller's.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/board.h"
#include "core/layers.h"
#include "core/project_info.h"
#include "core/view_state.h"

namespace corvane {

// LanguageIndex: 0 German, 1 English, 2 French.
std::string NewBoardName(int number, int language);        // "Board 3", "Platine 3", "Carte 3"
std::string CopyBoardName(const std::string& source, int language);  // "Copy of x", ...

// Values of the board page of the properties panel.
struct TBoardProperties {
  double BreiteMm = 160;  // 1..500
  double HoeheMm = 100;   // 1..500
  std::string Name;
  bool Multilayer = false;
};

// Board sizes the user may enter, world units (1 mm .. 500 mm).
inline constexpr int32_t kMinBoardSize = 100;
inline constexpr int32_t kMaxBoardSize = 50000;

class TProject {
 public:
  // A project without boards; NewProject or AddBoard make the first one.
  TProject() = default;
  TProject(TProject&&) noexcept = default;
  TProject& operator=(TProject&&) noexcept = default;

  // --- boards ---
  std::vector<TPlatine>& Boards() { return boards_; }
  const std::vector<TPlatine>& Boards() const { return boards_; }
  std::size_t BoardCount() const { return boards_.size(); }
  // Index of the active board, -1 while none is active.
  int ActiveIndex() const { return active_; }
  bool HasActiveBoard() const { return active_ >= 0 && static_cast<std::size_t>(active_) < boards_.size(); }
  TPlatine& ActiveBoard() { return boards_.at(static_cast<std::size_t>(active_)); }
  const TPlatine& ActiveBoard() const { return boards_.at(static_cast<std::size_t>(active_)); }
  ElementList& ActiveElements() { return ActiveBoard().Elemente; }

  // Appends a board with the defaults and makes it active. Returns its index.
  std::size_t AddBoard(const std::string& name);
  // Appends ready boards (a file that was read) without touching them.
  void AppendBoards(std::vector<TPlatine> boards);
  // Stores the view state of the active board, then shows board `index`.
  void SwitchBoard(std::size_t index);
  // Window values -> active board's header.
  void StoreViewState();
  // Active board's header -> window values; applies the active layer and the
  // inner-layer rules afterwards.
  void LoadViewState();
  // Releases the board. Unless the whole project is being closed, the board
  // now at the tab position (or the last one) becomes active. Marks modified.
  void DeleteBoard(std::size_t index, bool closingProject = false);
  // Deletes every board and clears the project information.
  void Clear();
  // "New": Clear, then one board "Board 1"; not modified, no file name.
  void NewProject(int language);

  // --- board commands (menu "&Board") ---
  // "Add new board...": AddBoard("Board n"), marks modified; returns the name.
  std::string AddNewBoard(int language);
  // True when the active board may be deleted (more than one board).
  bool CanDeleteActiveBoard() const { return boards_.size() > 1 && HasActiveBoard(); }
  // Deletes the active board unless it is the only one; returns whether it did.
  bool DeleteActiveBoard();
  // "Copy board": a deep copy of the active board (header, elements with their
  // connections and autoroute links) appended and shown. Marks modified.
  void CopyActiveBoard(int language);
  // The four moves; each returns false and changes nothing (no modified mark)
  // when the active board is already at that end.
  bool MoveActiveBoardToEnd();
  bool MoveActiveBoardToFront();
  bool MoveActiveBoardRight();
  bool MoveActiveBoardLeft();
  // Applies the board page of the properties panel to the active board.
  void ApplyBoardProperties(const TBoardProperties& p);
  TBoardProperties BoardPropertiesOfActive() const;

  // --- layers of the active board ---
  TLayerState LayerState() const;
  bool LayerVisible(int layer) const { return LayerState().Visible(layer); }
  // Layer button: toggles the visibility of a layer other than the active
  // one; `deselect` (the "&Visible layers" menu) first deselects every element.
  // Returns whether the visibility changed.
  bool ToggleLayerVisible(int layer, bool deselect = false);
  // Makes a layer active (a hidden layer becomes visible first). Inner layers
  // can only be chosen while the board has them. Returns whether it was taken.
  bool SetActiveLayer(int layer);
  // "Multilayer" switch: I1 and I2 visible exactly while on; switching off
  // while I1 or I2 is active makes C2 active.
  void SetInnerLayers(bool on);
  // Ground-plane button: on a copper active layer sets its MasseAn to the
  // button state; releases the cutout button; marks modified.
  void SetGroundPlane(bool pressed);
  // "&GroundPlane" menu: toggles MasseAn of the active layer; marks modified.
  void ToggleGroundPlane();
  bool GroundPlaneOn() const { return LayerState().GroundPlaneOn(View.AktiverLayer); }

  // --- state ---
  // Empty for the unsaved-changes question: the active board has no elements
  // and there is only one board.
  bool IsEmpty() const;

  TViewState View;
  ProjectInfo Info;
  std::string FileName;  // empty for a new project
  bool Modified = false;
  bool Saved = false;    // outcome of the last save
  // Loads a template bitmap when a board is shown; false empties its name and
  // unticks its "show" flag. Without a loader every name is kept.
  std::function<bool(const std::string& file)> TemplateLoader;

 private:
  void UpdateInnerLayers();
  void MoveActiveTo(std::size_t target);

  std::vector<TPlatine> boards_;
  int active_ = -1;
};

}  // namespace corvane
