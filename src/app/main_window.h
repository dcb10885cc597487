#pragma once
// MainWindow: the program's one main window. It owns the project, the tool
// state and the settings; builds the menus, the tool bar, the mode buttons,
// the board tabs, the layer controls and the status bar with its help line;
// carries out the file and board commands; and reads the settings at start
// and writes them back at shutdown.
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/message_box.h"
#include "app/options_dialog.h"
#include "app/options_dialog_asker.h"
#include "core/clipboard.h"
#include "core/project.h"
#include "core/undo.h"
#include "edit/command_states.h"
#include "edit/hotkeys.h"
#include "edit/keyboard.h"
#include "edit/tool_mode.h"
#include "io/colour_scheme.h"
#include "io/lay_load.h"
#include "io/settings.h"
#include "render/board_view.h"

class QAction;
class QActionGroup;
class QDockWidget;
class QToolBar;
class QKeyEvent;
class QLabel;
class QMenu;
class QRadioButton;
class QTabBar;
class QToolButton;

namespace corvane {

class BoardOverviewPanel;
class DrawingArea;
class GridButton;
class MacroPanelWidget;
class SizeFields;
class TLaySpinEdit;
class Ruler;
class UnitButton;
class InfoWindow;

// Starts the clock of the start-up probe (CORVANE_STARTUP_PROBE=1).
void MarkStartupClock();

// Where the window keeps its files and what it does at start and end.
struct TMainWindowOptions {
  QString ProgramFolder;  // the settings, language and colour files; empty: ProgramFolder()
  QString ConfigFolder;   // written files when the program folder is read-only; empty: ConfigFolder()
  bool ShowSplash = true;
  bool WriteSettingsOnClose = true;
};

// The commands of the menus and the tool bar, in menu order.
struct TMainActions {
  // "&File"
  QAction* New = nullptr;
  QAction* Open = nullptr;
  QAction* Save = nullptr;
  QAction* SaveAs = nullptr;
  QAction* SaveAsMacro = nullptr;
  QAction* AutoSave = nullptr;
  QAction* ExportGerber = nullptr;
  QAction* ExportDrill = nullptr;
  QAction* ExportBitmap = nullptr;
  QAction* ExportJpg = nullptr;
  QAction* ExportGif = nullptr;
  QAction* ExportEmf = nullptr;
  QAction* IsolationMilling = nullptr;
  QAction* OutlineMilling = nullptr;
  QAction* Directories = nullptr;
  QAction* PrinterSetup = nullptr;
  QAction* Print = nullptr;
  QAction* RecentSeparator = nullptr;
  std::array<QAction*, 4> Recent{};
  QAction* Exit = nullptr;
  // "&Edit"
  QAction* Undo = nullptr;
  QAction* Redo = nullptr;
  QAction* Copy = nullptr;
  QAction* Cut = nullptr;
  QAction* Paste = nullptr;
  QAction* Duplicate = nullptr;
  QAction* Tile = nullptr;
  QAction* Delete = nullptr;
  QAction* SelectAll = nullptr;
  // "&Board"
  QAction* AddBoard = nullptr;
  QAction* BoardProperties = nullptr;
  QAction* CopyBoard = nullptr;
  QAction* DeleteBoard = nullptr;
  QAction* BoardToEnd = nullptr;
  QAction* BoardToFront = nullptr;
  QAction* BoardRight = nullptr;
  QAction* BoardLeft = nullptr;
  QAction* ImportBoards = nullptr;
  // "F&unctions"
  QAction* Rotate = nullptr;
  QAction* MirrorHorizontal = nullptr;
  QAction* MirrorVertical = nullptr;
  QAction* BuildGroup = nullptr;
  QAction* SplitGroup = nullptr;
  QAction* ChangeBoardSide = nullptr;
  QMenu* SetToLayer = nullptr;
  QAction* AdjustToGrid = nullptr;
  QAction* RemoveConnections = nullptr;
  QAction* DeleteOutside = nullptr;
  QAction* ResetSolderMask = nullptr;
  // "&Options"
  QAction* GeneralSettings = nullptr;
  QAction* ShowProperties = nullptr;
  QAction* ShowDrc = nullptr;
  QAction* ShowMacros = nullptr;
  QAction* ScannedCopy = nullptr;
  QAction* GroundPlane = nullptr;
  // "&Visible layers" and "&Active layer" with C1, S1, C2, S2.
  QMenu* VisibleLayers = nullptr;
  QMenu* ActiveLayers = nullptr;
  std::array<QAction*, 4> VisibleLayer{};
  std::array<QAction*, 4> ActiveLayer{};
  QAction* ZoomBoard = nullptr;
  QAction* ZoomObjects = nullptr;
  QAction* ZoomSelection = nullptr;
  QAction* ZoomPrevious = nullptr;
  QAction* Repaint = nullptr;
  QAction* ProjectInfo = nullptr;
  QAction* ListDrillings = nullptr;
  QAction* FootprintWizard = nullptr;
  // "&?"
  QAction* HelpIndex = nullptr;
  QAction* InternetUpdate = nullptr;
  QAction* Info = nullptr;
  // Tool bar buttons without a menu entry of their own.
  QAction* AlignElements = nullptr;
  QAction* ZoomFunctions = nullptr;
  QAction* ShowProjectInfo = nullptr;
  QAction* Transparent = nullptr;
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `asker` answers the message boxes and file choosers (the real dialogs when null).
  explicit MainWindow(const TMainWindowOptions& options = {}, std::unique_ptr<TShellAsker> asker = nullptr,
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up step 3: the file named by the joined command-line arguments.
  void OpenCommandLineFile(const QString& joinedArguments);

  TProject& Project() { return project_; }
  const TMainActions& Actions() const { return actions_; }
  QTabBar* BoardTabs() const { return tabs_; }
  ToolMode Mode() const { return mode_; }
  const TSettings& Settings() const { return settings_; }
  const QString& SettingsWritePath() const { return settingsWritePath_; }
  QString HelpLine() const;
  QToolButton* LayerVisibleButton(int layer) const { return visibleButtons_.at(layer - 1); }
  QRadioButton* ActiveLayerButton(int layer) const { return activeButtons_.at(layer - 1); }
  QToolButton* ModeButton(ToolMode mode) const;
  DrawingArea* Surface() const { return drawingArea_; }
  class BoardDisplay* Display() const { return boardDisplay_; }
  const TBoardView& View() const { return view_; }
  QTimer& AutoSaveTimer() { return autoSaveTimer_; }
  TZwischenablage& Clipboard() { return clipboard_; }

  // Opens a project file as "&Open..." does after its dialog; `fromRecent`
  // chooses the recent-files wording of "File not found". Returns whether
  // the project was replaced.
  bool OpenProjectFile(const QString& path, bool fromRecent);
  // The question about unsaved changes; true when the replacing may go on.
  bool ConfirmReplace();
  // "&Save" and "S&ave as..."; true when the file was written.
  bool SaveProject();
  bool SaveProjectAs();
  // Runs the automatic backup once (what the timer does).
  void RunAutoBackup();

  // After every change of the element list, the selection, the boards, the
  // stacks or the clipboard.
  void RefreshCommandStates();
  // Title, tabs, layer controls and command states after the project changed.
  void RefreshAll();

  // A key pressed in the drawing area, through the keyboard handler.
  // Returns whether the key was taken.
  bool HandleDrawingAreaKey(int qtKey, Qt::KeyboardModifiers modifiers);
  void SetMode(ToolMode mode);

  // A command of a later part of the program announces that it is carried
  // out: it then follows its command state instead of staying disabled.
  void SetCommandAvailable(QAction* action);
  // What the command objects of the other parts of the window use.
  int Language() const { return language_; }
  TShellAsker& Asker() { return *asker_; }
  TSettings& MutableSettings() { return settings_; }
  const TFarbschema& Scheme() const;
  // Repaints the drawing area after the board's elements changed.
  void RepaintBoard();
  // Shows a message box with the window's asker (caption "Corvane" when empty).
  QMessageBox::StandardButton ShowMessage(QMessageBox::Icon icon, const QString& text,
                                          QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                          const QString& caption = QString()) {
    return Ask(icon, text, buttons, caption);
  }

  // The options dialog: "General settings..." opens it at its first page,
  // "Directories..." at "Working-Directories". OK applies its result.
  void ShowOptionsDialog(TOptionsPage page);
  // Replaces the dialog's questions and pickers and its modal loop (tests):
  // the runner gets the filled dialog and returns its outcome.
  using TOptionsRunner = std::function<int(OptionsDialog&)>;
  void SetOptionsDialogSeam(std::unique_ptr<TDialogAsker> asker, TOptionsRunner runner);

  // The current tool sizes (values for new elements) and the clearance of
  // new elements, world units.
  const TToolSizes& ToolSizes() const { return sizes_; }
  int32_t Clearance() const { return clearance_; }
  SizeFields* SizeFieldPanel() const { return sizeFields_; }
  TLaySpinEdit* ClearanceField() const { return clearanceField_; }
  QToolButton* GroundPlaneButton() const { return groundPlaneButton_; }
  // "Cutout": down while zones drawn are keep-out areas.
  QToolButton* CutoutButton() const { return cutoutButton_; }
  bool CutoutDown() const;
  MacroPanelWidget* MacroPanel() const { return macroPanel_; }
  // Splash timer step: restores the side panels and builds the macro tree.
  void RestorePanels();

  // Closes without the question about unsaved changes (tests).
  void SetSkipCloseQuestion(bool skip) { skipCloseQuestion_ = skip; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 signals:
  // The macro root changed in the options dialog: rebuild the macro tree.
  void MacroRootChanged();
  // The options dialog's colours are now current.
  void ColoursApplied();

 private:
  // Start-up
  void ReadStartupFiles();
  void ApplySettings();
  void CollectSettings();
  void WriteSettingsBack();
  // Building (main_window_menus.cpp)
  void BuildMenus();
  void BuildToolBar();
  void BuildModeButtons();
  void BuildStatusBar();
  void BuildCentre();
  QAction* MakeAction(const QString& caption, const QString& hint, const char* name);
  void SetHint(QObject* target, const QString& hint);
  // Files (main_window_files.cpp)
  void NewProject();
  void OpenWithDialog();
  void ImportBoards();
  void OpenRecent(int index);
  void RefreshRecentFiles();
  void ShowLoadOutcome(const TLoadResult& result);
  bool SaveTo(const QString& path);
  void RememberFolder(const QString& file);
  QString StartFolder() const;
  void ShowAutoSaveDialog();
  // Boards and layers (main_window_boards.cpp)
  void RefreshTabs();
  void TabClicked(int index);
  void AddBoardCommand();
  void CopyBoardCommand();
  void DeleteBoardCommand();
  void MoveBoardCommand(bool (TProject::*move)());
  void ShowBoardTabMenu(const QPoint& pos);
  void RefreshLayerControls();
  void LayerVisibleClicked(int layer);
  void ActiveLayerClicked(int layer);
  void GroundPlaneClicked(bool pressed);
  void GroundPlaneMenu();
  void LayerMenuVisible(int layer);
  void CutoutClicked();
  void ClearanceEdited();
  void ApplyOptions(const TOptionsResult& result, const TColourSchemes& schemes);
  void BuildSizeFields(QToolBar* bar);
  void SizeFieldsEdited(const TToolSizes& sizes);
  void RefreshSizeFields();
  void BuildMacroPanel();
  void SetMacroPanelShown(bool shown);
  void CollectMacroPanelSettings();
  // A macro dragged from the panel over the drawing area; true when taken.
  bool MacroDragEvent(QEvent* event);
  void ShowProjectInfoWindow();
  void ShowLayerInfoWindow();
  // Edit commands carried out here
  void UndoCommand();
  void RedoCommand();
  void CopyCommand();
  void CutCommand();
  void DeleteCommand();
  // Rest
  void UpdateTitle();
  // The shown board's view state <-> the drawing area's view.
  void ViewToArea();
  void AreaToView();
  void ShowInfoWindow();
  void CloseSplash();
  QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                                  const QString& caption = QString());
  TKeyContext KeyContext() const;
  void ApplyModeCursor();
  TFarbschema CurrentScheme() const;

  TMainWindowOptions options_;
  std::unique_ptr<TShellAsker> asker_;
  int language_ = 0;
  TProject project_;
  TZwischenablage clipboard_;
  TSettings settings_;
  std::array<TFarbschema, 1 + kUserSchemeCount> schemes_{};
  THotkeys hotkeys_;
  ToolMode mode_ = ToolMode::Edit;
  TToolSizes sizes_;
  int32_t clearance_ = kDefaultClearance;
  TUndoControl undo_;
  TBoardView view_;
  TCommandStates states_;
  QString programFolder_;
  QString configFolder_;
  QString settingsWritePath_;
  QString lastFolder_;
  QTimer autoSaveTimer_;
  QTimer splashTimer_;
  InfoWindow* splash_ = nullptr;
  bool skipCloseQuestion_ = false;
  bool shownOnce_ = false;
  bool painted_ = false;
  std::vector<QAction*> availableCommands_;

  TMainActions actions_;
  QActionGroup* modeGroup_ = nullptr;
  std::array<QToolButton*, 15> modeButtons_{};
  QTabBar* tabs_ = nullptr;
  DrawingArea* drawingArea_ = nullptr;
  class BoardDisplay* boardDisplay_ = nullptr;
  Ruler* horizontalRuler_ = nullptr;
  Ruler* verticalRuler_ = nullptr;
  UnitButton* unitButton_ = nullptr;
  GridButton* gridButton_ = nullptr;
  BoardOverviewPanel* overview_ = nullptr;
  QLabel* helpLine_ = nullptr;
  std::array<QToolButton*, 7> visibleButtons_{};
  std::array<QRadioButton*, 7> activeButtons_{};
  QToolButton* groundPlaneButton_ = nullptr;
  QToolButton* layerInfoButton_ = nullptr;
  QToolButton* cutoutButton_ = nullptr;
  SizeFields* sizeFields_ = nullptr;
  TLaySpinEdit* clearanceField_ = nullptr;
  MacroPanelWidget* macroPanel_ = nullptr;
  QDockWidget* macroDock_ = nullptr;
  std::unique_ptr<TDialogAsker> optionsAsker_;
  TOptionsRunner optionsRunner_;
};

}  // namespace corvane
