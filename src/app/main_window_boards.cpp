// Board tabs, the board commands, the layer buttons with the inner-layer
// controls, the ground-plane button and the project and layer information.
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolButton>

#include "app/layer_info_window.h"
#include "app/main_window.h"
#include "app/project_info_window.h"
#include "io/cp1252.h"
#include "messages/messages.h"
#include "render/layer_button.h"
#include "render/render_context.h"

namespace corvane {

namespace {
QString BoardText(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }
}  // namespace

void MainWindow::RefreshTabs() {
  const QSignalBlocker block(tabs_);
  while (tabs_->count() > static_cast<int>(project_.BoardCount())) tabs_->removeTab(tabs_->count() - 1);
  for (std::size_t i = 0; i < project_.BoardCount(); ++i) {
    const QString caption = BoardText(project_.Boards()[i].TabCaption());
    if (static_cast<int>(i) < tabs_->count()) tabs_->setTabText(static_cast<int>(i), caption);
    else tabs_->addTab(caption);
  }
  if (project_.HasActiveBoard()) tabs_->setCurrentIndex(project_.ActiveIndex());
}

void MainWindow::TabClicked(int index) {
  if (index < 0 || index == project_.ActiveIndex()) return;
  {
    TUndoSuppression suppress(&undo_);
    AreaToView();
    project_.SwitchBoard(static_cast<std::size_t>(index));
  }
  RefreshAll();
}

void MainWindow::AddBoardCommand() {
  AreaToView();
  const std::string name = project_.AddNewBoard(language_);
  RefreshAll();
  Ask(QMessageBox::Information, NewBoardAddedMessage(BoardText(name)), QMessageBox::Ok);
}

void MainWindow::CopyBoardCommand() {
  if (!project_.HasActiveBoard()) return;
  {
    TUndoSuppression suppress(&undo_);
    AreaToView();
    project_.CopyActiveBoard(language_);
  }
  RefreshAll();
}

void MainWindow::DeleteBoardCommand() {
  if (!project_.CanDeleteActiveBoard()) {
    Ask(QMessageBox::Information, OnlyBoardMessage(), QMessageBox::Ok);
    return;
  }
  const QString name = BoardText(project_.ActiveBoard().Name);
  if (Ask(QMessageBox::Question, DeleteBoardQuestion(name), QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
    return;
  AreaToView();
  project_.DeleteActiveBoard();
  RefreshAll();
}

void MainWindow::MoveBoardCommand(bool (TProject::*move)()) {
  AreaToView();
  if ((project_.*move)()) RefreshAll();
}

void MainWindow::ShowBoardTabMenu(const QPoint& pos) {
  const int tab = tabs_->tabAt(pos);
  if (tab >= 0) TabClicked(tab);
  QMenu menu(this);
  auto add = [&menu](const QString& caption, QAction* same) {
    QAction* entry = menu.addAction(caption);
    entry->setEnabled(same->isEnabled());
    QObject::connect(entry, &QAction::triggered, same, &QAction::trigger);
  };
  add(tr("Add new board..."), actions_.AddBoard);
  add(tr("Board properties"), actions_.BoardProperties);
  add(tr("Copy board"), actions_.CopyBoard);
  add(tr("Delete board"), actions_.DeleteBoard);
  menu.addSeparator();
  add(tr("Set board to right"), actions_.BoardToEnd);
  add(tr("Set board to left"), actions_.BoardToFront);
  menu.addSeparator();
  add(tr("Move board to right"), actions_.BoardRight);
  add(tr("Move board to left"), actions_.BoardLeft);
  menu.exec(tabs_->mapToGlobal(pos));
}

void MainWindow::RefreshLayerControls() {
  // Layer order, visibility and ground planes decide the board picture.
  RepaintBoard();
  if (!project_.HasActiveBoard()) return;
  const TLayerState state = project_.LayerState();
  const TRenderColours colours =
      MakeRenderColours(CurrentScheme(), state.AktiverLayer, settings_.Optionen.AutoMasseDunkel);
  const bool inner = project_.View.Innenlagen != 0;
  for (int layer = 1; layer <= kLayerCount; ++layer) {
    const std::size_t i = static_cast<std::size_t>(layer - 1);
    const bool shown = (layer != lyI1 && layer != lyI2) || inner;
    visibleButtons_[i]->setVisible(shown);
    activeButtons_[i]->setVisible(shown);
    visibleButtons_[i]->setIcon(
        QIcon(QPixmap::fromImage(LayerButtonPicture(layer, state.Visible(layer), colours, language_))));
    const QSignalBlocker block(activeButtons_[i]);
    activeButtons_[i]->setChecked(layer == state.AktiverLayer);
  }
  for (int layer = 1; layer <= 4; ++layer) {
    const std::size_t i = static_cast<std::size_t>(layer - 1);
    actions_.VisibleLayer[i]->setChecked(state.Visible(layer));
    actions_.ActiveLayer[i]->setChecked(layer == state.AktiverLayer);
  }
  const QSignalBlocker block(groundPlaneButton_);
  groundPlaneButton_->setChecked(state.GroundPlaneOn(state.AktiverLayer));
  actions_.GroundPlane->setChecked(state.GroundPlaneOn(state.AktiverLayer));
}

void MainWindow::LayerVisibleClicked(int layer) {
  // The active layer cannot be hidden; ToggleLayerVisible refuses it.
  if (project_.ToggleLayerVisible(layer)) {
    if (project_.HasActiveBoard()) SetViewLayer(project_.ActiveElements(), layer);
    RepaintBoard();
  }
  RefreshLayerControls();
  RefreshCommandStates();
}

void MainWindow::ActiveLayerClicked(int layer) {
  // The active layer is drawn last and may have become visible.
  if (project_.SetActiveLayer(layer)) RepaintBoard();
  RefreshLayerControls();
  RefreshCommandStates();
}

void MainWindow::GroundPlaneClicked(bool pressed) {
  project_.SetGroundPlane(pressed);
  cutoutButton_->setChecked(false);
  RepaintBoard();
  RefreshLayerControls();
  RefreshCommandStates();
}

void MainWindow::GroundPlaneMenu() {
  project_.ToggleGroundPlane();
  RepaintBoard();
  RefreshLayerControls();
  RefreshCommandStates();
}

void MainWindow::ShowProjectInfoWindow() {
  ProjectInfoWindow window(project_.Info, this);
  if (window.exec() == QDialog::Accepted) {
    project_.Info = window.Info();
    project_.Modified = true;
  }
}

void MainWindow::ShowLayerInfoWindow() {
  LayerInfoWindow window(CurrentScheme(), language_, this);
  window.exec();
}

}  // namespace corvane
