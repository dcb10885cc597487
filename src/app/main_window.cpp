#include "app/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QToolButton>
#include <cstdio>

#include "app/app_folders.h"
#include "app/board_display.h"
#include "app/board_overview_panel.h"
#include "app/cam_commands.h"
#include "app/drawing_area.h"
#include "app/grid_button.h"
#include "app/ruler.h"
#include "app/size_fields.h"
#include "app/unit_button.h"
#include "app/info_window.h"
#include "core/version.h"
#include "io/language_file.h"
#include "io/settings_location.h"
#include "messages/messages.h"

namespace corvane {

namespace {

// The start-up probe: with CORVANE_STARTUP_PROBE=1 the program reports the
// time to its first painted main window on stderr and quits.
QElapsedTimer& StartupClock() {
  static QElapsedTimer clock = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return clock;
}

bool StartupProbe() { return qEnvironmentVariable("CORVANE_STARTUP_PROBE") == QStringLiteral("1"); }

QString FolderWithSeparator(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

TKey KeyFromQt(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return LetterKey(static_cast<char>('A' + (key - Qt::Key_A)));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return static_cast<TKey>(static_cast<int>(TKey::F1) + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Space: return TKey::Space;
    case Qt::Key_Left: return TKey::Left;
    case Qt::Key_Right: return TKey::Right;
    case Qt::Key_Up: return TKey::Up;
    case Qt::Key_Down: return TKey::Down;
    case Qt::Key_Delete: return TKey::Delete;
    case Qt::Key_Escape: return TKey::Escape;
    case Qt::Key_0: return TKey::Digit0;
    default: return TKey::Other;
  }
}

}  // namespace

void MarkStartupClock() { StartupClock(); }

MainWindow::MainWindow(const TMainWindowOptions& options, std::unique_ptr<TShellAsker> asker, QWidget* parent)
    : QMainWindow(parent), options_(options), asker_(std::move(asker)) {
  StartupClock();
  if (!asker_) asker_ = std::make_unique<TSystemShellAsker>();
  programFolder_ = options_.ProgramFolder.isEmpty() ? ProgramFolder() : options_.ProgramFolder;
  configFolder_ = options_.ConfigFolder.isEmpty() ? ConfigFolder() : options_.ConfigFolder;
  setObjectName(QStringLiteral("MainWindow"));

  // Language first, so that every caption below is set in it.
  {
    const TSettingsLocation language =
        LocateSettingsFile(ToPath(programFolder_), ToPath(configFolder_), kLanguageFileName);
    language_ = ReadLanguage(language.Read.parent_path().string());
    InstallLanguage(language_);
  }
  BuildMenus();
  BuildToolBar();
  BuildModeButtons();
  BuildCentre();
  BuildStatusBar();
  BuildMacroPanel();
  for (QAction* ready : {actions_.GeneralSettings, actions_.Directories}) availableCommands_.push_back(ready);
  boardDisplay_ = new BoardDisplay(*this);
  new CamCommands(*this);

  if (options_.ShowSplash) {
    splash_ = new InfoWindow(programFolder_, true, this);
    splash_->show();
  }
  ReadStartupFiles();
  project_.NewProject(language_);
  project_.View.AktiverLayer = lyC2;
  mode_ = ToolMode::Edit;
  autoSaveTimer_.setInterval(5 * 60000);
  connect(&autoSaveTimer_, &QTimer::timeout, this, &MainWindow::RunAutoBackup);
  ApplySettings();
  lastFolder_ = QString::fromStdString(settings_.Ordner.Layout);
  RefreshAll();
  ApplyModeCursor();

  splashTimer_.setSingleShot(true);
  splashTimer_.setInterval(1500);
  connect(&splashTimer_, &QTimer::timeout, this, &MainWindow::RestorePanels);
  connect(&splashTimer_, &QTimer::timeout, this, &MainWindow::CloseSplash);
  splashTimer_.start();
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

TFarbschema MainWindow::CurrentScheme() const {
  const int n = settings_.Optionen.Farbschema;
  return schemes_.at(n >= 0 && n <= kUserSchemeCount ? static_cast<std::size_t>(n) : 0);
}

const TFarbschema& MainWindow::Scheme() const {
  const int n = settings_.Optionen.Farbschema;
  return schemes_.at(n >= 0 && n <= kUserSchemeCount ? static_cast<std::size_t>(n) : 0);
}

void MainWindow::SetCommandAvailable(QAction* action) {
  if (std::find(availableCommands_.begin(), availableCommands_.end(), action) == availableCommands_.end())
    availableCommands_.push_back(action);
  RefreshCommandStates();
}

void MainWindow::RepaintBoard() {
  drawingArea_->Repaint();
  overview_->update();
}

void MainWindow::ReadStartupFiles() {
  const std::filesystem::path program = ToPath(programFolder_);
  const std::filesystem::path config = ToPath(configFolder_);
  const TSettingsLocation ini = LocateSettingsFile(program, config, kSettingsFileName);
  settingsWritePath_ = FromPath(ini.Write);
  const std::string folder = FolderWithSeparator(programFolder_).toStdString();
  settings_ = ReadSettings(ini.Read.string(), folder).Settings;
  schemes_[0] = StandardColourScheme();
  for (int n = 1; n <= kUserSchemeCount; ++n)
    schemes_[static_cast<std::size_t>(n)] =
        ReadColourScheme(LocateSettingsFile(program, config, ColourSchemeFileName(n)).Read).Scheme;
}

void MainWindow::ApplySettings() {
  const TWindowSettings& w = settings_.Window;
  if (w.WindowMax) {
    setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    move(w.WindowX, w.WindowY);
    resize(w.WindowW, w.WindowH);
  }
  const TOptionSettings& o = settings_.Optionen;
  autoSaveTimer_.setInterval(o.AutoSaveTime);
  if (o.AutoSave) autoSaveTimer_.start();
  else autoSaveTimer_.stop();
  undo_.SetUndoDepth(o.UndoDepth());
  hotkeys_ = THotkeys::Parse(o.Hotkeys);
  actions_.Transparent->setChecked(o.Transparent);
  view_.SetGridMark(o.RasterMarkierung);
  view_.SetGridVisible(o.RasterSichtbar);
  unitButton_->SetUnit(o.MIL ? umMil : umMm);
  overview_->setVisible(o.PlatinenZoom);
  gridButton_->LoadUserGrids(settings_);
  const TSizeSettings& s = settings_.Sizes;
  sizes_ = TToolSizes{s.Track, s.Circle1, s.Circle2, s.SMDX, s.SMDY};
  sizeFields_->SetUnit(view_.Unit());
  clearanceField_->SetMIL(view_.Unit() == umMil);
  sizeFields_->ShowSizes(sizes_);
  sizeFields_->LoadPresets(settings_);
  // The macro root falls back to the program folder's "Makros".
  if (!QFileInfo(QString::fromStdString(settings_.Ordner.Makro)).isDir())
    settings_.Ordner.Makro = FolderWithSeparator(programFolder_).toStdString() + kMacroFolderName;
  RefreshRecentFiles();
}

void MainWindow::CollectSettings() {
  TWindowSettings& w = settings_.Window;
  w.WindowMax = isMaximized();
  if (!w.WindowMax) {
    w.WindowX = x();
    w.WindowY = y();
    w.WindowW = std::max(1, width());
    w.WindowH = std::max(1, height());
  }
  TOptionSettings& o = settings_.Optionen;
  o.AutoSave = autoSaveTimer_.isActive();
  o.AutoSaveTime = autoSaveTimer_.interval();
  o.SetUndoDepth(undo_.UndoDepth());
  o.Hotkeys = hotkeys_.Format();
  o.Transparent = actions_.Transparent->isChecked();
  o.RasterMarkierung = view_.GridMark();
  o.RasterSichtbar = view_.GridVisible();
  o.MIL = view_.Unit() == umMil;
  gridButton_->SaveUserGrids(settings_);
  // The current sizes as the fields hold them, mm x 100 rounded.
  sizeFields_->ShowSizes(sizes_);
  const TToolSizes shown = sizeFields_->FieldSizes();
  settings_.Sizes = TSizeSettings{shown.TrackWidth, shown.PadOuter, shown.PadDrill, shown.SmdWidth, shown.SmdHeight};
  sizeFields_->SavePresets(settings_);
  CollectMacroPanelSettings();
}

void MainWindow::WriteSettingsBack() {
  CollectSettings();
  // A failure is lost without a message.
  (void)WriteSettings(settingsWritePath_.toStdString(), settings_);
}

void MainWindow::OpenCommandLineFile(const QString& joinedArguments) {
  if (joinedArguments.isEmpty()) return;
  const std::string path = joinedArguments.toStdString();
  if (!QFileInfo(joinedArguments).isFile() || !CheckLayoutFile(path).ok()) return;
  TFontTextOptions fontTexts;
  fontTexts.Ask = [this](std::size_t count) {
    return Ask(QMessageBox::Question, FontTextQuestion(count), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  fontTexts.Undo = &undo_;
  fontTexts.Freistanz = kDefaultClearance;
  TLoadOptions load;
  load.Language = language_;
  load.Recent = &settings_.History;
  load.FontTexts = &fontTexts;
  TProject opened;
  const TLoadResult result = LoadLayout(path, opened, load);
  if (!result.ok()) {
    ShowLoadOutcome(result);
    return;
  }
  project_ = std::move(opened);
  project_.FileName = path;
  RememberFolder(joinedArguments);
  ShowLoadOutcome(result);
  RefreshAll();
}

void MainWindow::UpdateTitle() {
  QString title = QStringLiteral("Corvane 5.0");
  if (!project_.FileName.empty()) title += QStringLiteral(" - [") + QString::fromStdString(project_.FileName) + u']';
  setWindowTitle(title);
}

void MainWindow::ViewToArea() {
  const TViewState& v = project_.View;
  view_.SetBoardSize(v.Breite, v.Hoehe);
  view_.SetGrid(v.Raster);
  view_.SetOriginScaled(v.UrsprungX, v.UrsprungY);
  view_.SetZoom(v.Zoom, false);
  view_.ScrollTo(v.ScrollX, v.ScrollY);
  if (project_.HasActiveBoard()) view_.SetZoomHistory(project_.ActiveBoard().ZoomHistory);
  drawingArea_->SetColours(CurrentScheme());
  drawingArea_->SyncFromView();
  gridButton_->SetGrid(v.Raster);
}

void MainWindow::AreaToView() {
  TViewState& v = project_.View;
  v.Zoom = view_.Zoom();
  v.ScrollX = view_.HPos();
  v.ScrollY = view_.VPos();
  v.Raster = view_.Grid();
  v.UrsprungX = view_.OriginX();
  v.UrsprungY = view_.OriginY();
  if (project_.HasActiveBoard()) project_.ActiveBoard().ZoomHistory = view_.ZoomHistory();
}

void MainWindow::RefreshAll() {
  ViewToArea();
  UpdateTitle();
  RefreshTabs();
  RefreshLayerControls();
  RefreshRecentFiles();
  RefreshCommandStates();
}

void MainWindow::RefreshCommandStates() {
  states_ = ComputeCommandStates(project_, !clipboard_.empty());
  const TCommandStates& s = states_;
  TMainActions& a = actions_;
  a.Copy->setEnabled(s.Copy);
  a.Cut->setEnabled(s.Cut);
  a.Delete->setEnabled(s.Delete);
  a.Undo->setEnabled(s.Undo);
  a.Redo->setEnabled(s.Redo);
  a.DeleteBoard->setEnabled(s.DeleteBoard);
  a.BoardToEnd->setEnabled(s.MoveBoardToEnd);
  a.BoardToFront->setEnabled(s.MoveBoardToFront);
  a.BoardRight->setEnabled(s.MoveBoardRight);
  a.BoardLeft->setEnabled(s.MoveBoardLeft);
  // Commands carried out by later parts of the program stay disabled until
  // they exist, whatever their state would be.
  for (QAction* later : {a.SaveAsMacro, a.ExportGerber, a.ExportDrill, a.ExportBitmap, a.ExportJpg, a.ExportGif,
                         a.ExportEmf, a.IsolationMilling, a.OutlineMilling, a.Directories, a.PrinterSetup, a.Print,
                         a.Paste, a.Duplicate, a.Tile, a.SelectAll, a.BoardProperties, a.Rotate, a.MirrorHorizontal,
                         a.MirrorVertical, a.BuildGroup, a.SplitGroup, a.ChangeBoardSide, a.AdjustToGrid,
                         a.RemoveConnections, a.DeleteOutside, a.ResetSolderMask, a.GeneralSettings, a.ShowProperties,
                         a.ShowDrc, a.ShowMacros, a.ScannedCopy, a.ZoomBoard, a.ZoomObjects, a.ZoomSelection,
                         a.ZoomPrevious, a.Repaint, a.ListDrillings, a.FootprintWizard, a.InternetUpdate,
                         a.AlignElements, a.ZoomFunctions})
    later->setEnabled(std::find(availableCommands_.begin(), availableCommands_.end(), later) !=
                      availableCommands_.end());
  a.SetToLayer->setEnabled(false);
  a.GroundPlane->setChecked(project_.HasActiveBoard() && project_.GroundPlaneOn());
  RefreshSizeFields();
}

QMessageBox::StandardButton MainWindow::Ask(QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons, const QString& caption) {
  return asker_->Message(this, icon, caption.isEmpty() ? CaptionCorvane() : caption, text, buttons);
}

QString MainWindow::HelpLine() const { return helpLine_->text(); }

QToolButton* MainWindow::ModeButton(ToolMode mode) const {
  for (std::size_t row = 0; row < kHotkeyRows.size(); ++row)
    if (kHotkeyRows[row].Mode == mode && !kHotkeyRows[row].ShowsPhotoView) return modeButtons_[row];
  return nullptr;
}

void MainWindow::SetMode(ToolMode mode) {
  mode_ = mode;
  // Choosing any mode releases the cutout button.
  project_.View.Sperrflaeche = false;
  cutoutButton_->setChecked(false);
  if (QToolButton* button = ModeButton(mode)) {
    if (QAction* action = button->defaultAction()) action->setChecked(true);
  }
  ApplyModeCursor();
}

void MainWindow::ApplyModeCursor() {
  Qt::CursorShape shape = Qt::ArrowCursor;
  switch (mode_) {
    case ToolMode::Edit: shape = Qt::ArrowCursor; break;
    case ToolMode::Zoom: shape = Qt::PointingHandCursor; break;
    case ToolMode::Test: shape = Qt::WhatsThisCursor; break;
    case ToolMode::Connections:
    case ToolMode::Autoroute: shape = Qt::UpArrowCursor; break;
    case ToolMode::Measure: shape = Qt::SizeAllCursor; break;
    default: shape = Qt::CrossCursor; break;
  }
  drawingArea_->setCursor(shape);
}

TKeyContext MainWindow::KeyContext() const {
  TKeyContext c;
  c.Mode = mode_;
  c.Sizes = sizes_;
  c.Grid = project_.View.Raster;
  c.AnySelected = states_.Selected;
  c.ThroughPadEnabled = states_.ThroughPad;
  return c;
}

bool MainWindow::HandleDrawingAreaKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  const TModifiers m{(modifiers & Qt::ShiftModifier) != 0, (modifiers & Qt::ControlModifier) != 0,
                     (modifiers & Qt::AltModifier) != 0};
  const TKeyAction action = DrawingAreaKeyAction(KeyFromQt(qtKey), m, KeyContext(), hotkeys_);
  switch (action.Kind) {
    case TKeyActionKind::NotHandled: return false;
    case TKeyActionKind::Ignored: return true;
    case TKeyActionKind::SwitchMode: SetMode(action.Mode); return true;
    case TKeyActionKind::ChangeSizes:
      sizes_ = action.Sizes;
      RefreshSizeFields();
      return true;
    case TKeyActionKind::SetActiveLayer: ActiveLayerClicked(action.Layer); return true;
    case TKeyActionKind::ToggleLayerVisible: LayerVisibleClicked(action.Layer); return true;
    case TKeyActionKind::Delete:
      if (action.DeleteSelection) DeleteCommand();
      return true;
    // Bend modes, moving the selection, the origin and through pads belong
    // to the drawing tools of later parts.
    case TKeyActionKind::NextBendMode:
    case TKeyActionKind::MoveSelection:
    case TKeyActionKind::SetOriginAtMouse:
    case TKeyActionKind::ThroughPad: return true;
  }
  return false;
}

void MainWindow::UndoCommand() {
  if (Undo(project_, false)) RepaintBoard();
  RefreshCommandStates();
}

void MainWindow::RedoCommand() {
  if (Redo(project_, false)) RepaintBoard();
  RefreshCommandStates();
}

void MainWindow::CopyCommand() {
  if (project_.HasActiveBoard()) CopySelection(project_.ActiveElements(), clipboard_);
  RefreshCommandStates();
}

void MainWindow::CutCommand() {
  CutSelection(project_, clipboard_, undo_, mode_ == ToolMode::Connections);
  RefreshCommandStates();
}

void MainWindow::DeleteCommand() {
  DeleteSelection(project_, undo_, mode_ == ToolMode::Connections);
  RefreshCommandStates();
}

void MainWindow::ShowInfoWindow() {
  InfoWindow info(programFolder_, false, this);
  info.exec();
}

void MainWindow::CloseSplash() {
  if (!splash_) return;
  splash_->close();
  splash_->deleteLater();
  splash_ = nullptr;
}

bool MainWindow::event(QEvent* event) {
  // The help line shows the long hint of the control under the mouse.
  if (event->type() == QEvent::StatusTip) {
    helpLine_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (drawingArea_ && watched == drawingArea_->viewport() && MacroDragEvent(event)) return true;
  if (event->type() == QEvent::ToolTip && !settings_.Optionen.Kurzhilfe) return true;
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    project_.View.Zoom = 0.1;
  }
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (!painted_) {
    painted_ = true;
    if (StartupProbe()) {
      std::fprintf(stderr, "startup: %lld ms\n", static_cast<long long>(StartupClock().elapsed()));
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!skipCloseQuestion_ && !ConfirmReplace()) {
    event->ignore();
    return;
  }
  CloseSplash();
  if (options_.WriteSettingsOnClose) WriteSettingsBack();
  event->accept();
}

}  // namespace corvane
