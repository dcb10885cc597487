// The macro side panel of the main window: shown and hidden by
// "Show Macro-Library", the tool-bar button and its own hide button; its
// width, preview height and shown state come from and go to the settings.
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QDropEvent>
#include <QMimeData>
#include <QLabel>
#include <QToolButton>

#include "app/app_folders.h"
#include "app/drawing_area.h"
#include "app/macro_panel_widget.h"
#include "app/main_window.h"
#include "edit/macro_drop.h"
#include "messages/messages.h"

namespace corvane {

void MainWindow::BuildMacroPanel() {
  macroPanel_ = new MacroPanelWidget(this);
  macroDock_ = new QDockWidget(this);
  macroDock_->setObjectName(QStringLiteral("MacroDock"));
  macroDock_->setTitleBarWidget(new QWidget(macroDock_));  // the panel shows its own title
  macroDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  macroDock_->setWidget(macroPanel_);
  addDockWidget(Qt::LeftDockWidgetArea, macroDock_);
  macroDock_->hide();
  macroPanel_->SetScheme(CurrentScheme());
  macroPanel_->SetSelectOptions([this] {
    TMacroSelectOptions o;
    o.AutoSpiegeln = settings_.Optionen.AutoSpiegeln;
    o.AktiverLayer = project_.View.AktiverLayer;
    o.Read.Editor.Freistanz = clearance_;
    o.Read.Editor.AktiverLayer = project_.View.AktiverLayer;
    return o;
  });
  macroPanel_->SetDeleteQuestion([this](const QString& name) {
    return Ask(QMessageBox::Question, tr("Delete file \"%1\" ?").arg(name), QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
  });
  connect(macroPanel_, &MacroPanelWidget::HideRequested, this, [this] { SetMacroPanelShown(false); });
  // "Add macro" is "Save as macro..." and follows its command.
  if (QToolButton* add = macroPanel_->Button("SB_MakroAdd")) {
    add->setEnabled(actions_.SaveAsMacro->isEnabled());
    connect(actions_.SaveAsMacro, &QAction::changed, add,
            [this, add] { add->setEnabled(actions_.SaveAsMacro->isEnabled()); });
    connect(macroPanel_, &MacroPanelWidget::AddMacroRequested, actions_.SaveAsMacro, &QAction::trigger);
  }
  connect(this, &MainWindow::MacroRootChanged, this,
          [this] { macroPanel_->BuildTree(ToPath(QString::fromStdString(settings_.Ordner.Makro))); });
  connect(this, &MainWindow::ColoursApplied, this, [this] { macroPanel_->SetScheme(CurrentScheme()); });

  drawingArea_->viewport()->setAcceptDrops(true);
  actions_.ShowMacros->setCheckable(true);
  connect(actions_.ShowMacros, &QAction::triggered, this, [this](bool on) { SetMacroPanelShown(on); });
  availableCommands_.push_back(actions_.ShowMacros);
}

bool MainWindow::MacroDragEvent(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  if (!drop->mimeData() || !drop->mimeData()->hasFormat(QLatin1String(kMacroMimeType))) return false;
  const bool fromTree = drop->mimeData()->data(QLatin1String(kMacroMimeType)) == "tree";
  if (!project_.HasActiveBoard() ||
      !CanDragMacro(macroPanel_->Panel(), fromTree, macroPanel_->SelectedFile())) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  if (type != QEvent::Drop) return true;
  const TFloatPoint world =
      view_.DeviceToWorld(drawingArea_->ViewportToSurface(drop->position().toPoint()), false);
  const bool ctrl = (drop->modifiers() & Qt::ControlModifier) != 0;
  const TFloatPoint displacement = MacroDropDisplacement(world, view_, ctrl);
  if (DropMacro(project_, macroPanel_->MacroElements(), displacement, undo_) > 0) {
    RepaintBoard();
    RefreshCommandStates();
  }
  return true;
}

void MainWindow::SetMacroPanelShown(bool shown) {
  macroDock_->setVisible(shown);
  actions_.ShowMacros->setChecked(shown);
  settings_.Optionen.Makro = shown;
}

void MainWindow::RestorePanels() {
  const TOptionSettings& o = settings_.Optionen;
  SetMacroPanelShown(o.Makro);
  resizeDocks({macroDock_}, {std::max(1, o.MakroBreite)}, Qt::Horizontal);
  macroPanel_->SetPreviewHeight(o.MakroHoehe);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QString root = QString::fromStdString(settings_.Ordner.Makro);
  helpLine_->setText(tr("Read in macros...") + u'\r' + root.toLower());
  macroPanel_->BuildTree(ToPath(root));
  helpLine_->clear();
  if (!settings_.Ordner.MakroOrdner.empty())
    macroPanel_->SelectFile(ToPath(QString::fromStdString(settings_.Ordner.MakroOrdner)));
  QApplication::restoreOverrideCursor();
}

void MainWindow::CollectMacroPanelSettings() {
  TOptionSettings& o = settings_.Optionen;
  o.Makro = !macroDock_->isHidden();
  if (o.Makro) {
    o.MakroBreite = macroDock_->width();
    o.MakroHoehe = macroPanel_->PreviewHeight();
  }
  const std::filesystem::path selected = macroPanel_->SelectedFile();
  if (!selected.empty()) settings_.Ordner.MakroOrdner = FromPath(selected).toStdString();
}

}  // namespace corvane
