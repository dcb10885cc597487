// Menus, tool bar, mode buttons, board tabs, layer controls and status bar of
// the main window, with every caption, shortcut and hint.
#include <QActionGroup>
#include <QButtonGroup>
#include <QDockWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_folders.h"
#include "app/board_overview_panel.h"
#include "app/drawing_area.h"
#include "app/grid_button.h"
#include "app/ruler.h"
#include "app/size_fields.h"
#include "app/unit_button.h"
#include "app/main_window.h"
#include "core/layers.h"

namespace corvane {

namespace {
// Hints are "short|long": the short text is the tool tip, the long text goes
// to the help line. Without "|" the text serves as both; a leading "|" means
// no tool tip.
QString ShortHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.left(bar);
}
QString LongHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}
QIcon Icon(const char* name) { return QIcon(QStringLiteral(":/icons/") + QLatin1String(name) + QStringLiteral(".svg")); }
}  // namespace

void MainWindow::SetHint(QObject* target, const QString& hint) {
  if (auto* action = qobject_cast<QAction*>(target)) {
    action->setToolTip(ShortHint(hint));
    action->setStatusTip(LongHint(hint));
  } else if (auto* widget = qobject_cast<QWidget*>(target)) {
    widget->setToolTip(ShortHint(hint));
    widget->setStatusTip(LongHint(hint));
  }
}

QAction* MainWindow::MakeAction(const QString& caption, const QString& hint, const char* name) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  if (!hint.isEmpty()) SetHint(action, hint);
  return action;
}

void MainWindow::BuildMenus() {
  TMainActions& a = actions_;
  QMenuBar* bar = menuBar();

  QMenu* file = bar->addMenu(tr("&File"));
  a.New = file->addAction(tr("&New..."));
  a.Open = file->addAction(tr("&Open..."));
  a.Save = file->addAction(tr("&Save"));
  a.SaveAs = file->addAction(tr("S&ave as..."));
  file->addSeparator();
  a.SaveAsMacro = file->addAction(tr("Save as &macro..."));
  file->addSeparator();
  a.AutoSave = file->addAction(tr("&AutoSave..."));
  file->addSeparator();
  QMenu* exportMenu = file->addMenu(tr("E&xport"));
  a.ExportGerber = exportMenu->addAction(tr("&Gerber export..."));
  a.ExportDrill = exportMenu->addAction(tr("&Drill data (Excellon)..."));
  exportMenu->addSeparator();
  a.ExportBitmap = exportMenu->addAction(QStringLiteral("Bitmap (*.bmp)..."));
  a.ExportJpg = exportMenu->addAction(QStringLiteral("JPG (*.jpg)..."));
  a.ExportGif = exportMenu->addAction(QStringLiteral("GIF (*.gif)..."));
  a.ExportEmf = exportMenu->addAction(QStringLiteral("EMF (*.emf)..."));
  exportMenu->addSeparator();
  QMenu* milling = exportMenu->addMenu(tr("Milling files"));
  a.IsolationMilling = milling->addAction(tr("Isolation milling (HPGL, *.plt)"));
  a.OutlineMilling = milling->addAction(tr("PCB outline milling (HPGL, *.plt)"));
  file->addSeparator();
  a.Directories = file->addAction(tr("Directories..."));
  file->addSeparator();
  a.PrinterSetup = file->addAction(tr("P&rinter Setup..."));
  a.Print = file->addAction(tr("&Print..."));
  a.RecentSeparator = file->addSeparator();
  for (int i = 0; i < 4; ++i) {
    a.Recent[static_cast<std::size_t>(i)] = file->addAction(QString());
    connect(a.Recent[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { OpenRecent(i); });
  }
  file->addSeparator();
  a.Exit = file->addAction(tr("E&xit"));

  QMenu* edit = bar->addMenu(tr("&Edit"));
  a.Undo = edit->addAction(tr("&Undo"));
  a.Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  a.Redo = edit->addAction(tr("&Redo"));
  a.Redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  edit->addSeparator();
  a.Copy = edit->addAction(tr("C&opy"));
  a.Copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  a.Cut = edit->addAction(tr("&Cut"));
  a.Cut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
  a.Paste = edit->addAction(tr("&Paste"));
  a.Paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  a.Duplicate = edit->addAction(tr("D&uplicate"));
  a.Duplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  a.Tile = edit->addAction(tr("Tile..."));
  a.Delete = edit->addAction(tr("&Delete [Del]"));
  edit->addSeparator();
  a.SelectAll = edit->addAction(tr("Select &all"));
  a.SelectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

  QMenu* board = bar->addMenu(tr("&Board"));
  a.AddBoard = board->addAction(tr("&Add new board..."));
  a.BoardProperties = board->addAction(tr("&Properties"));
  a.CopyBoard = board->addAction(tr("Copy board"));
  a.DeleteBoard = board->addAction(tr("&Delete board..."));
  board->addSeparator();
  a.BoardToEnd = board->addAction(tr("Set board to &right"));
  a.BoardToFront = board->addAction(tr("Set board to &left"));
  board->addSeparator();
  a.BoardRight = board->addAction(tr("Move board to &right"));
  a.BoardLeft = board->addAction(tr("Move board to &left"));
  board->addSeparator();
  a.ImportBoards = board->addAction(tr("&Import boards from file..."));

  QMenu* functions = bar->addMenu(tr("F&unctions"));
  a.Rotate = functions->addAction(tr("&Rotate"));
  a.Rotate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  functions->addSeparator();
  a.MirrorHorizontal = functions->addAction(tr("Mirror &horizontal"));
  a.MirrorHorizontal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  a.MirrorVertical = functions->addAction(tr("Mirror &vertical"));
  a.MirrorVertical->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  functions->addSeparator();
  a.BuildGroup = functions->addAction(tr("Build &group"));
  a.BuildGroup->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  a.SplitGroup = functions->addAction(tr("Split gro&up"));
  a.SplitGroup->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
  functions->addSeparator();
  a.ChangeBoardSide = functions->addAction(tr("Change board side"));
  a.ChangeBoardSide->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  a.SetToLayer = functions->addMenu(tr("Set to layer"));
  for (const char* layer : {"C1", "S1", "C2", "S2", "I1", "I2", "O"}) a.SetToLayer->addAction(QLatin1String(layer));
  functions->addSeparator();
  a.AdjustToGrid = functions->addAction(tr("&Adjust to grid"));
  functions->addSeparator();
  a.RemoveConnections = functions->addAction(tr("&Remove connections (rubberbands)"));
  functions->addSeparator();
  a.DeleteOutside = functions->addAction(tr("Delete elements outside the board"));
  a.ResetSolderMask = functions->addAction(tr("Reset solder mask..."));

  QMenu* options = bar->addMenu(tr("&Options"));
  a.GeneralSettings = options->addAction(tr("General settings..."));
  options->addSeparator();
  a.ShowProperties = options->addAction(tr("Show Properties-Panel"));
  a.ShowDrc = options->addAction(tr("Show DRC-Panel"));
  a.ShowMacros = options->addAction(tr("Show Macro-Library"));
  options->addSeparator();
  a.ScannedCopy = options->addAction(tr("&Scanned copy..."));
  options->addSeparator();
  a.GroundPlane = options->addAction(tr("&GroundPlane"));
  a.GroundPlane->setCheckable(true);
  // The layer menus for C1, S1, C2, S2.
  a.VisibleLayers = options->addMenu(tr("&Visible layers"));
  a.VisibleLayers->setObjectName(QStringLiteral("VisibleLayersMenu"));
  a.ActiveLayers = options->addMenu(tr("&Active layer"));
  a.ActiveLayers->setObjectName(QStringLiteral("ActiveLayerMenu"));
  auto* activeGroup = new QActionGroup(this);
  activeGroup->setExclusive(true);
  const char* const layerNames[4] = {"C1", "S1", "C2", "S2"};
  for (int layer = 1; layer <= 4; ++layer) {
    const QString name = QLatin1String(layerNames[layer - 1]);
    QAction* visible = a.VisibleLayers->addAction(name);
    visible->setCheckable(true);
    connect(visible, &QAction::triggered, this, [this, layer] { LayerMenuVisible(layer); });
    QAction* active = a.ActiveLayers->addAction(name);
    active->setCheckable(true);
    activeGroup->addAction(active);
    connect(active, &QAction::triggered, this, [this, layer] { ActiveLayerClicked(layer); });
    a.VisibleLayer[static_cast<std::size_t>(layer - 1)] = visible;
    a.ActiveLayer[static_cast<std::size_t>(layer - 1)] = active;
  }
  options->addSeparator();
  a.ZoomBoard = options->addAction(tr("Zoom &board"));
  a.ZoomObjects = options->addAction(tr("Zoom &objects"));
  a.ZoomSelection = options->addAction(tr("Zoom &selection"));
  a.ZoomPrevious = options->addAction(tr("Zoom previous"));
  a.Repaint = options->addAction(tr("&Repaint"));
  options->addSeparator();
  a.ProjectInfo = options->addAction(tr("Project info..."));
  a.ListDrillings = options->addAction(tr("List drillings..."));
  options->addSeparator();
  a.FootprintWizard = options->addAction(tr("Footprint-Wizard..."));

  QMenu* help = bar->addMenu(tr("&?"));
  a.HelpIndex = help->addAction(tr("&Index..."));
  help->addSeparator();
  a.InternetUpdate = help->addAction(QStringLiteral("Internet Update..."));
  help->addSeparator();
  a.Info = help->addAction(QStringLiteral("I&nfo..."));

  // Tool bar buttons of their own.
  a.AlignElements = MakeAction(QString(), tr("Align elements"), "TB_Ausrichten");
  a.ZoomFunctions = MakeAction(QString(), tr("Zoom functions"), "TB_Zoom");
  a.ShowProjectInfo = MakeAction(QString(), tr("Show project-info"), "TB_Info");
  a.Transparent = MakeAction(QString(), tr("Toggle transparent mode"), "TB_Transparent");
  a.Transparent->setCheckable(true);

  // Behaviour of the commands this window carries out; the others belong to
  // later parts of the program and stay disabled.
  connect(a.New, &QAction::triggered, this, &MainWindow::NewProject);
  connect(a.Open, &QAction::triggered, this, &MainWindow::OpenWithDialog);
  connect(a.Save, &QAction::triggered, this, [this] { SaveProject(); });
  connect(a.SaveAs, &QAction::triggered, this, [this] { SaveProjectAs(); });
  connect(a.AutoSave, &QAction::triggered, this, &MainWindow::ShowAutoSaveDialog);
  connect(a.Exit, &QAction::triggered, this, &QWidget::close);
  connect(a.AddBoard, &QAction::triggered, this, &MainWindow::AddBoardCommand);
  connect(a.CopyBoard, &QAction::triggered, this, &MainWindow::CopyBoardCommand);
  connect(a.DeleteBoard, &QAction::triggered, this, &MainWindow::DeleteBoardCommand);
  connect(a.BoardToEnd, &QAction::triggered, this, [this] { MoveBoardCommand(&TProject::MoveActiveBoardToEnd); });
  connect(a.BoardToFront, &QAction::triggered, this, [this] { MoveBoardCommand(&TProject::MoveActiveBoardToFront); });
  connect(a.BoardRight, &QAction::triggered, this, [this] { MoveBoardCommand(&TProject::MoveActiveBoardRight); });
  connect(a.BoardLeft, &QAction::triggered, this, [this] { MoveBoardCommand(&TProject::MoveActiveBoardLeft); });
  connect(a.ImportBoards, &QAction::triggered, this, &MainWindow::ImportBoards);
  connect(a.GroundPlane, &QAction::triggered, this, &MainWindow::GroundPlaneMenu);
  connect(a.GeneralSettings, &QAction::triggered, this, [this] { ShowOptionsDialog(opGeneral); });
  connect(a.Directories, &QAction::triggered, this, [this] { ShowOptionsDialog(opDirectories); });
  connect(a.ProjectInfo, &QAction::triggered, this, &MainWindow::ShowProjectInfoWindow);
  connect(a.ShowProjectInfo, &QAction::triggered, this, &MainWindow::ShowProjectInfoWindow);
  connect(a.HelpIndex, &QAction::triggered, this, [] { OpenHelpTopic(0); });
  connect(a.Info, &QAction::triggered, this, &MainWindow::ShowInfoWindow);
  connect(a.Transparent, &QAction::toggled, this, [this](bool on) { settings_.Optionen.Transparent = on; });
  connect(a.Undo, &QAction::triggered, this, &MainWindow::UndoCommand);
  connect(a.Redo, &QAction::triggered, this, &MainWindow::RedoCommand);
  connect(a.Copy, &QAction::triggered, this, &MainWindow::CopyCommand);
  connect(a.Cut, &QAction::triggered, this, &MainWindow::CutCommand);
  connect(a.Delete, &QAction::triggered, this, &MainWindow::DeleteCommand);
}

void MainWindow::BuildToolBar() {
  TMainActions& a = actions_;
  QToolBar* bar = addToolBar(tr("Tool bar"));
  bar->setObjectName(QStringLiteral("ToolBar"));
  bar->setMovable(false);
  struct Button {
    QAction* action;
    const char* name;
    const char* icon;
    QString hint;
    bool gapBefore;
  };
  const Button buttons[] = {
      {a.New, "TB_Neu", "tb_new", tr("New"), false},
      {a.Open, "TB_Open", "tb_open", tr("Open"), false},
      {a.Save, "TB_Save", "tb_save", tr("Save"), false},
      {a.Print, "TB_Print", "tb_print", tr("Print"), false},
      {a.Undo, "TB_Undo", "tb_undo", tr("Undo"), true},
      {a.Redo, "TB_Redo", "tb_redo", tr("Redo"), false},
      {a.Cut, "TB_Cut", "tb_cut", tr("Cut"), true},
      {a.Copy, "TB_Copy", "tb_copy", tr("Copy"), false},
      {a.Paste, "TB_Paste", "tb_paste", tr("Paste"), false},
      {a.Delete, "TB_Delete", "tb_delete", tr("Delete"), false},
      {a.Duplicate, "TB_Duplizieren", "tb_duplicate", tr("Duplicate"), true},
      {a.Rotate, "TB_Rotieren", "tb_rotate", tr("Rotate"), false},
      {a.MirrorHorizontal, "TB_HSpiegeln", "tb_mirror_h", tr("Mirror horizontal"), false},
      {a.MirrorVertical, "TB_VSpiegeln", "tb_mirror_v", tr("Mirror vertical"), false},
      {a.AlignElements, "TB_Ausrichten", "tb_align", tr("Align elements"), false},
      {a.AdjustToGrid, "TB_AmRasterAusrichten", "tb_snap", tr("Snap to grid"), false},
      {a.RemoveConnections, "TB_ClearConnections", "tb_clear_connections", tr("Remove connections (rubberbands)"), true},
      {a.BuildGroup, "TB_Gruppieren", "tb_group", tr("Build group"), true},
      {a.SplitGroup, "TB_GruppeAufloesen", "tb_ungroup", tr("Split group"), false},
      {a.ZoomFunctions, "TB_Zoom", "tb_zoom", tr("Zoom functions"), true},
      {a.Repaint, "TB_Neuzeichnen", "tb_repaint", tr("Repaint"), true},
      {a.ScannedCopy, "TB_Vorlage", "tb_template", tr("Scanned copy..."), true},
      {a.ShowProperties, "TB_Eigenschaften", "tb_properties", tr("Show/hide Properties-Panel"), true},
      {a.ShowDrc, "TB_DRC", "tb_drc", tr("Show/hide DRC-Panel"), false},
      {a.ShowMacros, "TB_Makro", "tb_macro", tr("Show/hide Macro-Library"), false},
      {a.ShowProjectInfo, "TB_Info", "tb_info", tr("Show project-info"), true},
      {a.Transparent, "TB_Transparent", "tb_transparent", tr("Toggle transparent mode"), false},
  };
  for (const Button& b : buttons) {
    if (b.gapBefore) bar->addSeparator();
    b.action->setIcon(Icon(b.icon));
    // Menu entries keep their own captions; the tool bar shows the hint.
    b.action->setToolTip(b.hint);
    b.action->setStatusTip(b.hint);
    bar->addAction(b.action);
    if (QWidget* w = bar->widgetForAction(b.action)) w->setObjectName(QLatin1String(b.name));
  }
}

void MainWindow::BuildModeButtons() {
  QToolBar* bar = new QToolBar(tr("Modes"), this);
  bar->setObjectName(QStringLiteral("ModeBar"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  addToolBar(Qt::LeftToolBarArea, bar);
  modeGroup_ = new QActionGroup(this);
  modeGroup_->setExclusive(true);
  struct Mode {
    const char* name;
    const char* icon;
    QString caption;
    QString hint;
  };
  // In the order of the hotkey rows.
  const Mode modes[kHotkeyRowCount] = {
      {"SB_Standard", "sb_edit", tr("Edit"), tr("Edit mode")},
      {"SB_Zoom", "sb_zoom", tr("Zoom"), tr("Zoom mode")},
      {"SB_Line", "sb_track", tr("Track"), tr("Draw tracks")},
      {"SB_Circle", "sb_pad", tr("Pad"), tr("Add pads|Add pads. Click on the arrow to select a pad shape.")},
      {"SB_SMDPad", "sb_smd_pad", tr("SMD-Pad"), tr("Add SMD-pads")},
      {"SB_Ring", "sb_circle", tr("Circle"), tr("Circle/Arcs")},
      {"SB_Polygon", "sb_zone", tr("Zone"), tr("Draw filled areas")},
      {"SB_Vieleck", "sb_special_form", tr("Special form"), tr("Draw equilateral polygons or spirals")},
      {"SB_LineText", "sb_text", tr("Text"), tr("Add text")},
      {"SB_Connect", "sb_connections", tr("Connections"), tr("Connections|Draw rubberbands to mark connections")},
      {"SB_AutoRoute", "sb_autoroute", QStringLiteral("Autoroute"), tr("Autorouter|Autorouter for routing rubberband connections")},
      {"SB_Test", "sb_test", tr("Test"), tr("Test mode|Display all connected elements")},
      {"SB_Messen", "sb_measure", tr("Measure"), tr("Measure|Mode for measuring distances and angles")},
      {"SB_RealAnsicht", "sb_photoview", tr("Photoview"), tr("Photoview|Display the board as WYSIWYG")},
      {"SB_Loetstopp", "sb_solder_mask", tr("Solder mask"), tr("Edit solder mask|Include or exclude elements from solder mask")},
  };
  // The order of the buttons on the panel.
  const int order[kHotkeyRowCount] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
  for (int row : order) {
    const Mode& m = modes[row];
    QAction* action = MakeAction(m.caption, m.hint, m.name);
    action->setIcon(Icon(m.icon));
    action->setCheckable(true);
    modeGroup_->addAction(action);
    bar->addAction(action);
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    if (button) button->setObjectName(QLatin1String(m.name));
    modeButtons_[static_cast<std::size_t>(row)] = button;
    const THotkeyRowInfo info = kHotkeyRows[static_cast<std::size_t>(row)];
    connect(action, &QAction::triggered, this, [this, info] { SetMode(info.Mode); });
  }
  modeGroup_->actions().front()->setChecked(true);
  BuildSizeFields(bar);
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  // Layer panel: a "visible" row of picture buttons and an "active" row of
  // radio buttons, the I1 and I2 controls only with "Multilayer".
  auto* panel = new QWidget(bar);
  panel->setObjectName(QStringLiteral("LayerPanel"));
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(2, 0, 2, 0);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(0);
  auto* visibleLabel = new QLabel(tr("visible"), panel);
  auto* activeLabel = new QLabel(tr("active"), panel);
  grid->addWidget(visibleLabel, 0, 0);
  grid->addWidget(activeLabel, 1, 0);
  const QString visibleHints[kLayerCount] = {
      tr("|Show/hide layer C1"), tr("|Show/hide layer S1"), tr("|Show/hide layer C2"), tr("|Show/hide layer S2"),
      tr("|Show/hide layer I1 (multilayer)"), tr("|Show/hide layer I2 (multilayer)"),
      tr("|Show/hide layer O (PCB-Outline)")};
  const QString activeHints[kLayerCount] = {
      tr("|Select ACTIVE layer C1"), tr("|Select ACTIVE layer S1"), tr("|Select ACTIVE layer C2"),
      tr("|Select ACTIVE layer S2"), tr("|Select ACTIVE layer I1 (multilayer)"),
      tr("|Select ACTIVE layer I2 (multilayer)"), tr("|Select ACTIVE layer O (PCB-Outline)")};
  // Panel order: C1, S1, C2, S2, I1, I2, O.
  auto* radios = new QButtonGroup(panel);
  radios->setExclusive(true);
  for (int layer = 1; layer <= kLayerCount; ++layer) {
    const std::size_t i = static_cast<std::size_t>(layer - 1);
    auto* visible = new QToolButton(panel);
    visible->setObjectName(QStringLiteral("LayerVisible%1").arg(layer));
    visible->setIconSize(QSize(16, 16));
    visible->setAutoRaise(true);
    SetHint(visible, visibleHints[i]);
    connect(visible, &QToolButton::clicked, this, [this, layer] { LayerVisibleClicked(layer); });
    auto* active = new QRadioButton(panel);
    active->setObjectName(QStringLiteral("LayerActive%1").arg(layer));
    SetHint(active, activeHints[i]);
    radios->addButton(active, layer);
    connect(active, &QRadioButton::clicked, this, [this, layer] { ActiveLayerClicked(layer); });
    grid->addWidget(visible, 0, layer, Qt::AlignCenter);
    grid->addWidget(active, 1, layer, Qt::AlignCenter);
    visibleButtons_[i] = visible;
    activeButtons_[i] = active;
  }
  layerInfoButton_ = new QToolButton(panel);
  layerInfoButton_->setText(QStringLiteral("?"));
  layerInfoButton_->setObjectName(QStringLiteral("LayerInfoButton"));
  SetHint(layerInfoButton_, tr("LayerInfo|Show the layer-colors and their meaning"));
  connect(layerInfoButton_, &QToolButton::clicked, this, &MainWindow::ShowLayerInfoWindow);
  grid->addWidget(layerInfoButton_, 0, kLayerCount + 1, 2, 1);
  bar->addWidget(panel);

  gridButton_ = new GridButton(view_, bar);
  gridButton_->setObjectName(QStringLiteral("SB_Raster"));
  SetHint(gridButton_, tr("Adjust grid"));
  connect(gridButton_, &GridButton::GridChanged, this, [this] {
    project_.View.Raster = view_.Grid();
    drawingArea_->Repaint();
  });
  bar->addWidget(gridButton_);

  groundPlaneButton_ = new QToolButton(bar);
  groundPlaneButton_->setObjectName(QStringLiteral("GroundPlaneButton"));
  groundPlaneButton_->setText(tr("GND"));
  groundPlaneButton_->setCheckable(true);
  SetHint(groundPlaneButton_, tr("Enable/disable ground plane"));
  connect(groundPlaneButton_, &QToolButton::clicked, this, &MainWindow::GroundPlaneClicked);
  bar->addWidget(groundPlaneButton_);

  // Zones drawn while this is down only cut the ground plane.
  cutoutButton_ = new QToolButton(bar);
  cutoutButton_->setObjectName(QStringLiteral("SB_Sperrflaeche"));
  cutoutButton_->setText(tr("Cutout"));
  cutoutButton_->setCheckable(true);
  SetHint(cutoutButton_, tr("Cutout|Generate cutout-areas in the ground plane"));
  connect(cutoutButton_, &QToolButton::clicked, this, &MainWindow::CutoutClicked);
  bar->addWidget(cutoutButton_);

  clearanceField_ = new TLaySpinEdit(bar);
  clearanceField_->setObjectName(QStringLiteral("SE_FreistanzOffset"));
  clearanceField_->SetFormat(0.0, 5.0, 0.1, 1);
  clearanceField_->SetMitEinheit(true);
  clearanceField_->SetValue(clearance_ / 100.0);
  SetHint(clearanceField_->Edit(), tr("Distance|Distance from ground plane for selected and new elements"));
  connect(clearanceField_, &TLaySpinEdit::EditChange, this, &MainWindow::ClearanceEdited);
  bar->addWidget(clearanceField_);

  helpLine_ = new QLabel(bar);
  helpLine_->setObjectName(QStringLiteral("HelpLine"));
  helpLine_->setMinimumWidth(200);
  bar->addWidget(helpLine_, 1);
}

void MainWindow::BuildCentre() {
  auto* centre = new QWidget(this);
  auto* layout = new QVBoxLayout(centre);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // Rulers above and left of the drawing area, the unit button in their corner,
  // the board-zoom overview on the right.
  auto* surface = new QGridLayout;
  surface->setSpacing(0);
  unitButton_ = new UnitButton(view_, centre);
  unitButton_->setObjectName(QStringLiteral("UnitButton"));
  unitButton_->setFixedSize(Ruler::kThickness, Ruler::kThickness);
  SetHint(unitButton_, tr("Unit of rulers|Select mm or mil"));
  horizontalRuler_ = new Ruler(rkHorizontal, view_, centre);
  verticalRuler_ = new Ruler(rkVertical, view_, centre);
  // The drawing surface; the keyboard handler works on its key events.
  drawingArea_ = new DrawingArea(view_, centre);
  drawingArea_->setObjectName(QStringLiteral("DrawingArea"));
  drawingArea_->setFocusPolicy(Qt::StrongFocus);
  connect(drawingArea_, &DrawingArea::KeyInput, this,
          [this](int key, Qt::KeyboardModifiers modifiers) { HandleDrawingAreaKey(key, modifiers); });
  // The project's view state follows every zoom, scroll, origin and grid change.
  connect(drawingArea_, &DrawingArea::ViewChanged, this, [this] {
    AreaToView();
    horizontalRuler_->update();
    verticalRuler_->update();
    overview_->update();
  });
  connect(drawingArea_, &DrawingArea::CursorMoved, this, [this](TFloatPoint world) {
    const TIntPoint p = view_.WorldToDevice(world);
    const QPoint v = drawingArea_->SurfaceToViewport(p);
    horizontalRuler_->SetMarker(v.x());
    verticalRuler_->SetMarker(v.y());
  });
  connect(unitButton_, &UnitButton::UnitChanged, this, [this](TUnitMode unit) {
    settings_.Optionen.MIL = unit == umMil;
    if (sizeFields_) sizeFields_->SetUnit(unit);
    if (clearanceField_) clearanceField_->SetMIL(unit == umMil);
    horizontalRuler_->update();
    verticalRuler_->update();
    if (gridButton_) gridButton_->RefreshCaptions();
  });
  overview_ = new BoardOverviewPanel(view_, centre);
  overview_->setObjectName(QStringLiteral("BoardOverview"));
  SetHint(overview_, tr("|Board-Zoom"));
  connect(overview_, &BoardOverviewPanel::ViewChanged, this, [this] { drawingArea_->SyncFromView(); });
  surface->addWidget(unitButton_, 0, 0);
  surface->addWidget(horizontalRuler_, 0, 1);
  surface->addWidget(verticalRuler_, 1, 0);
  surface->addWidget(drawingArea_, 1, 1);
  surface->addWidget(overview_, 0, 2, 2, 1, Qt::AlignTop);
  surface->setColumnStretch(1, 1);
  surface->setRowStretch(1, 1);
  layout->addLayout(surface, 1);
  tabs_ = new QTabBar(centre);
  tabs_->setObjectName(QStringLiteral("BoardTabs"));
  tabs_->setShape(QTabBar::RoundedSouth);
  tabs_->setContextMenuPolicy(Qt::CustomContextMenu);
  tabs_->setExpanding(false);
  connect(tabs_, &QTabBar::tabBarClicked, this, &MainWindow::TabClicked);
  connect(tabs_, &QWidget::customContextMenuRequested, this, &MainWindow::ShowBoardTabMenu);
  layout->addWidget(tabs_);
  setCentralWidget(centre);
}

}  // namespace corvane
