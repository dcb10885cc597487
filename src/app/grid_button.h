#pragma once
// GridButton: the button showing the grid spacing, with the grid popup menu:
// the 7 built-in grids, the user grids (settings section "R_POPUP"), "Add new
// grid...", "Remove current grid", the submenu "Grid marking" (Off, 2, 4, 5,
// 10) and "Show grid". The menu state follows TGridMenu and the view.
#include <QToolButton>
#include <functional>
#include <optional>

#include "io/settings.h"
#include "render/board_view.h"
#include "render/grid_menu.h"

class QAction;
class QMenu;

namespace corvane {

class GridButton : public QToolButton {
  Q_OBJECT

 public:
  explicit GridButton(TBoardView& view, QWidget* parent = nullptr);

  // Asks for a new grid size in mm (the "New grid" dialog); nothing on Cancel.
  using TGridSizeAsker = std::function<std::optional<double>(TUnitMode unit)>;
  // Replaces the dialog (tests answer without a modal loop).
  void SetGridSizeAsker(TGridSizeAsker asker) { asker_ = std::move(asker); }

  const TGridMenu& Menu() const { return menu_; }
  QMenu* Popup() { return popup_; }

  // Sets the spacing (world units), shows it on the button, emits GridChanged.
  void SetGrid(double spacing);
  // Captions after a unit switch (built-in, user grids and the button).
  void RefreshCaptions();
  // Brings checks and enabled states up to date (done on opening the menu).
  void UpdateMenuState();

  void AddUserGrid();
  void RemoveCurrentGrid();
  // The user grids of section "R_POPUP".
  void LoadUserGrids(const TSettings& settings);
  void SaveUserGrids(TSettings& settings) const;

 signals:
  // Spacing, mark period or visibility changed: repaint the drawing area.
  void GridChanged();

 private:
  void RebuildUserItems();
  void ChooseItem(int item);

  TBoardView& view_;
  TGridMenu menu_;
  TGridSizeAsker asker_;
  QMenu* popup_ = nullptr;
  QAction* userSeparator_ = nullptr;  // below the user grids
  QAction* addAction_ = nullptr;
  QAction* removeAction_ = nullptr;
  QAction* showGridAction_ = nullptr;
  QMenu* markMenu_ = nullptr;
  std::vector<QAction*> gridItems_;  // built-ins then user grids, in menu order
};

}  // namespace corvane
