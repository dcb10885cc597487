#pragma once
// OptionsDialog ("General settings"): seven pages chosen from a tree on the
// left: General settings, Colors, Working-Directories, Macro-Directory,
// Undo-Depth, Imax, Hotkeys.
//
// The dialog edits copies. Open it with Load(...) and exec(); on OK, Result()
// holds everything the main window applies, in this order: unit (switch as
// the unit button does when it differs), then the options of
// TOptionSettings (drill colour, virtual nodes, cross-hair, mirroring, text
// height limit, Ctrl-to-capture, HPGL factor, darkened ground plane, origin
// in CAM), the overview, hints, undo depth, the five folders, the macro root
// (rebuild the macro tree when MacroRootChanged), the colours (Colours
// become the current colours, Farbschema the scheme index), Imax, hotkeys;
// then refresh the properties panel and repaint.
//
// While the dialog is open, a colour chosen in the picker takes effect at
// once: ColoursPreview carries the colours to draw with. On Cancel the
// window restores the colours it had (Result() is then not used).
#include <QDialog>
#include <QString>

#include "app/options_dialog_asker.h"
#include "app/options_dialog_colours.h"
#include "edit/hotkeys.h"
#include "io/settings.h"
#include "render/unit_mode.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace corvane {

// Page numbers, in tree order.
enum TOptionsPage : int {
  opGeneral = 0,
  opColours = 1,
  opDirectories = 2,
  opMacroDirectory = 3,
  opUndo = 4,
  opImax = 5,
  opHotkeys = 6,
  kOptionsPageCount = 7,
};

// What the dialog shows on opening and returns on OK.
struct TOptionsState {
  TUnitMode Unit = umMm;
  bool ShowOverview = true;  // visibility of the board overview
  bool ShowHints = true;
  TOptionSettings Optionen;  // options, undo steps, Imax, hotkey string, scheme index
  TFolderSettings Ordner;    // the five folders and the macro root
  TFarbschema Colours;       // the current colours
};

struct TOptionsResult {
  TOptionsState State;
  bool ColoursChanged = false;    // recolour layer controls and template buttons
  bool MacroRootChanged = false;  // rebuild the macro tree
};

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  // The schemes and the asker must outlive the dialog. The program folder
  // holds "COLORS.DAT" and gives the default macro root (+ "Makros").
  OptionsDialog(TColourSchemes& schemes, TDialogAsker& asker, QString programFolder, QWidget* parent = nullptr);

  // Fills every page from the state and shows the page.
  void Load(const TOptionsState& state, TOptionsPage page = opGeneral);
  // The values on the pages (the colours as the working scheme).
  TOptionsResult Result() const;

  // The page shown.
  TOptionsPage Page() const;
  void ShowPage(TOptionsPage page);

  // Colour page actions (also reached by clicks on the fields).
  // Picks a new colour for field 0..9 (Background .. Connections).
  void PickFieldColour(int field);
  void ResetScheme();
  void ChooseScheme(int scheme);
  int SelectedScheme() const { return scheme_; }
  const TFarbschema& WorkingScheme() const { return working_; }

  // Hotkeys page: selects a row and chooses a letter for it. A letter that
  // another row has shows "The hotkey "<k>" is already in use." and changes nothing.
  void SelectHotkeyRow(int row);
  void ChooseHotkey(char letter);
  const THotkeys& Hotkeys() const { return hotkeys_; }

 signals:
  void ColoursPreview(const corvane::TFarbschema& colours);

 private:
  QWidget* BuildGeneralPage();
  QWidget* BuildColoursPage();
  QWidget* BuildDirectoriesPage();
  QWidget* BuildMacroPage();
  QWidget* BuildUndoPage();
  QWidget* BuildImaxPage();
  QWidget* BuildHotkeysPage();
  void ShowColours();
  void UpdateColourEnabling();
  void FillHotkeyList();
  void PickFolder(int index);
  static QString HotkeyModeCaption(int row);

  TColourSchemes& schemes_;
  TDialogAsker& asker_;
  QString programFolder_;
  TOptionsState loaded_;

  QTreeWidget* tree_ = nullptr;
  QLabel* header_ = nullptr;
  QStackedWidget* pages_ = nullptr;

  // General.
  QRadioButton* drillBackground_ = nullptr;
  QRadioButton* drillWhite_ = nullptr;
  QRadioButton* unitMm_ = nullptr;
  QRadioButton* unitMil_ = nullptr;
  QCheckBox* virtualNodes_ = nullptr;
  QCheckBox* reticule_ = nullptr;
  QCheckBox* autoMirror_ = nullptr;
  QCheckBox* showOverview_ = nullptr;
  QCheckBox* showHints_ = nullptr;
  QCheckBox* limitTextHeight_ = nullptr;
  QCheckBox* ctrlToCapture_ = nullptr;
  QCheckBox* hpglFactor_ = nullptr;
  QCheckBox* darkenPlane_ = nullptr;
  QCheckBox* camOrigin_ = nullptr;

  // Colours.
  QComboBox* schemeBox_ = nullptr;
  std::vector<QPushButton*> colourFields_;
  std::vector<QLabel*> colourLabels_;
  QPushButton* resetScheme_ = nullptr;
  int scheme_ = 0;
  TFarbschema working_;
  bool schemeChanged_ = false;
  bool coloursChanged_ = false;

  // Folders: Layout, Gerber, Bitmap, Vorlage, PLT.
  std::vector<QLineEdit*> folders_;
  std::vector<QString> folderLabels_;
  QLabel* macroRoot_ = nullptr;

  QSpinBox* undo_ = nullptr;
  QSpinBox* imaxCu_ = nullptr;
  QSpinBox* imaxDt_ = nullptr;

  // Hotkeys.
  QTreeWidget* hotkeyList_ = nullptr;
  QLabel* hotkeyMode_ = nullptr;
  QComboBox* hotkeyLetter_ = nullptr;
  THotkeys hotkeys_;
  int hotkeyRow_ = 0;
};

// The scheme entry shown by colour field 0..9.
int SchemeIndexOfColourField(int field);

}  // namespace corvane
