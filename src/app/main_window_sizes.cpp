// The current-size fields of the left tool bar, the clearance field and the
// cutout button of the status bar, and the layer menus.
#include <QAction>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/main_window.h"
#include "app/size_fields.h"
#include "app/unit_button.h"
#include "core/layers.h"

namespace corvane {

void MainWindow::BuildSizeFields(QToolBar* bar) {
  sizeFields_ = new SizeFields(bar);
  bar->addSeparator();
  bar->addWidget(sizeFields_);
  connect(sizeFields_, &SizeFields::SizesEdited, this, &MainWindow::SizeFieldsEdited);
  connect(sizeFields_, &SizeFields::PresetsChanged, this,
          [this](TPresetKind kind) { WritePresets(settings_, kind, sizeFields_->Presets(kind)); });
}

void MainWindow::SizeFieldsEdited(const TToolSizes& sizes) {
  // The values for new elements; applying them to the selection belongs to
  // the properties panel.
  sizes_ = sizes;
}

void MainWindow::RefreshSizeFields() {
  if (!sizeFields_) return;
  if (!states_.Selected) sizeFields_->ShowSizes(sizes_);
  sizeFields_->SetApplies(states_);
  // The clearance field is shown while the active layer's ground plane is on
  // and is red while its value applies to the selection.
  const bool plane = project_.HasActiveBoard() && project_.GroundPlaneOn();
  clearanceField_->setVisible(plane);
  clearanceField_->SetApplies(states_.ClearanceField);
}

bool MainWindow::CutoutDown() const { return project_.View.Sperrflaeche; }

void MainWindow::CutoutClicked() {
  // The Zone mode, with the cutout button kept down.
  SetMode(ToolMode::Zone);
  project_.View.Sperrflaeche = true;
  cutoutButton_->setChecked(true);
}

void MainWindow::ClearanceEdited() {
  clearance_ = Rnd(clearanceField_->GetValue() * 100.0);
  if (!project_.HasActiveBoard()) return;
  // The selected elements take the clearance, after one snapshot.
  ElementList& list = project_.ActiveElements();
  bool any = false;
  for (std::size_t i = 0; i < list.size(); ++i) any = any || list[i].Markiert;
  if (!any) return;
  PushUndo(project_, undo_);
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].Markiert) list[i].Freistanz = clearance_;
  project_.Modified = true;
  RepaintBoard();
  RefreshCommandStates();
}

void MainWindow::LayerMenuVisible(int layer) {
  if (project_.ToggleLayerVisible(layer, true)) RepaintBoard();
  RefreshLayerControls();
  RefreshCommandStates();
}

}  // namespace corvane
