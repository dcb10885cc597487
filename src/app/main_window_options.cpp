// "General settings..." and "Directories...": the options dialog filled from
// the window's settings, and its result applied on OK.
#include <QApplication>
#include <QCursor>
#include <QPushButton>

#include "app/app_folders.h"
#include "app/board_overview_panel.h"
#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/unit_button.h"
#include "io/settings_location.h"

namespace corvane {

void MainWindow::SetOptionsDialogSeam(std::unique_ptr<TDialogAsker> asker, TOptionsRunner runner) {
  optionsAsker_ = std::move(asker);
  optionsRunner_ = std::move(runner);
}

void MainWindow::ShowOptionsDialog(TOptionsPage page) {
  if (!optionsAsker_) optionsAsker_ = std::make_unique<TSystemAsker>();
  // The user schemes are written beside the settings file.
  const std::filesystem::path schemeFile =
      LocateSettingsFile(ToPath(programFolder_), ToPath(configFolder_), ColourSchemeFileName(1)).Write;
  TColourSchemes schemes(FromPath(schemeFile.parent_path()));
  for (int n = 0; n <= kUserSchemeCount; ++n) schemes.SetScheme(n, schemes_.at(static_cast<std::size_t>(n)));

  TOptionsState state;
  state.Unit = view_.Unit();
  state.ShowOverview = !overview_->isHidden();
  state.ShowHints = settings_.Optionen.Kurzhilfe;
  state.Optionen = settings_.Optionen;
  state.Optionen.SetUndoDepth(undo_.UndoDepth());
  state.Optionen.Hotkeys = hotkeys_.Format();
  state.Ordner = settings_.Ordner;
  state.Colours = CurrentScheme();

  OptionsDialog dialog(schemes, *optionsAsker_, programFolder_, this);
  dialog.Load(state, page);
  // Colours chosen in the picker show at once; Cancel restores them below.
  connect(&dialog, &OptionsDialog::ColoursPreview, this, [this](const TFarbschema& colours) {
    drawingArea_->SetColours(colours);
    RepaintBoard();
  });
  const int outcome = optionsRunner_ ? optionsRunner_(dialog) : dialog.exec();
  if (outcome != QDialog::Accepted) {
    drawingArea_->SetColours(CurrentScheme());
    RepaintBoard();
    return;
  }
  ApplyOptions(dialog.Result(), schemes);
}

void MainWindow::ApplyOptions(const TOptionsResult& result, const TColourSchemes& schemes) {
  const TOptionsState& s = result.State;
  // The unit first, switched as the unit button does.
  if (s.Unit != view_.Unit()) unitButton_->SetUnit(s.Unit);
  const TOptionSettings& o = s.Optionen;
  TOptionSettings& mine = settings_.Optionen;
  mine.BohrungenWeiss = o.BohrungenWeiss;
  mine.VirtuelleKnoten = o.VirtuelleKnoten;
  mine.Fadenkreuz = o.Fadenkreuz;
  mine.AutoSpiegeln = o.AutoSpiegeln;
  mine.SchrifthoeheBegrenzen = o.SchrifthoeheBegrenzen;
  mine.StrgZumFangen = o.StrgZumFangen;
  mine.HPGLSonderFaktor = o.HPGLSonderFaktor;
  mine.AutoMasseDunkel = o.AutoMasseDunkel;
  mine.CAM_Nullpunkt = o.CAM_Nullpunkt;
  overview_->setVisible(s.ShowOverview);
  mine.PlatinenZoom = s.ShowOverview;
  mine.Kurzhilfe = s.ShowHints;
  undo_.SetUndoDepth(o.UndoDepth());
  mine.Undo = o.Undo;
  // The folders; the selected macro is kept.
  const std::string selectedMacro = settings_.Ordner.MakroOrdner;
  settings_.Ordner = s.Ordner;
  settings_.Ordner.MakroOrdner = selectedMacro;
  if (!s.Ordner.Layout.empty()) lastFolder_ = QString::fromStdString(s.Ordner.Layout);
  if (result.MacroRootChanged) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    emit MacroRootChanged();
    QApplication::restoreOverrideCursor();
  }
  // The colours: the schemes as the dialog left them, the selected one current.
  for (int n = 0; n <= kUserSchemeCount; ++n) schemes_.at(static_cast<std::size_t>(n)) = schemes.Scheme(n);
  mine.Farbschema = (o.Farbschema >= 0 && o.Farbschema <= kUserSchemeCount) ? o.Farbschema : 0;
  schemes_.at(static_cast<std::size_t>(mine.Farbschema)) = s.Colours;
  if (mine.Farbschema == 0) schemes_[0] = StandardColourScheme();
  mine.Imax_CU = o.Imax_CU;
  mine.Imax_DT = o.Imax_DT;
  hotkeys_ = THotkeys::Parse(o.Hotkeys);
  mine.Hotkeys = hotkeys_.Format();
  // Repaint the drawing and the macro preview; recolour the layer controls.
  drawingArea_->SetColours(CurrentScheme());
  RefreshLayerControls();
  RepaintBoard();
  emit ColoursApplied();
}

}  // namespace corvane
