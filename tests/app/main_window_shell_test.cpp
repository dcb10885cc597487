// The main window's options commands, layer menus, size fields, clearance
// field and cutout button, offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/size_fields.h"
#include "core/layers.h"
#include "geom/element_create.h"
#include "io/colour_scheme.h"
#include "io/settings.h"

namespace corvane {
namespace {

struct QuietAsker : TShellAsker {
  QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                      QMessageBox::StandardButtons) override {
    return QMessageBox::Ok;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString SaveFileName(QWidget*, const QString&, const QString&) override { return {}; }
};

struct QuietDialogAsker : TDialogAsker {
  bool AskYesNo(QWidget*, const QString&, const QString&) override { return false; }
  void Inform(QWidget*, const QString&, const QString&) override {}
  std::optional<QColor> PickColour(QWidget*, QColor, std::vector<QColor>&) override { return std::nullopt; }
  std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override { return std::nullopt; }
};

// Presses the dialog's OK button as the user would.
int PressOk(OptionsDialog& dialog) {
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->text() == "&OK") b->click();
  return dialog.result();
}

class MainWindowShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    QFile language(folder_.path() + "/SPRACHE.INI");
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("[Sprache]\r\nSprache=1\r\n");
    language.close();
    Open();
  }
  void Open() {
    TMainWindowOptions options;
    options.ProgramFolder = folder_.path();
    options.ConfigFolder = folder_.path() + "/config";
    options.ShowSplash = false;
    window_ = std::make_unique<MainWindow>(options, std::make_unique<QuietAsker>());
    window_->SetSkipCloseQuestion(true);
  }
  void TearDown() override { window_.reset(); }

  // A selected pad on `layer` of the shown board.
  TObjekt& AddSelectedPad(uint8_t layer) {
    TObjekt pad = CreatePad({500, -500}, layer, 1, 30, 90);
    pad.Markiert = 1;
    ElementList& list = window_->Project().ActiveElements();
    list.Add(std::move(pad));
    window_->RefreshCommandStates();
    return list[list.size() - 1];
  }

  QTemporaryDir folder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowShellTest, VisibleLayersMenuDeselectsAndKeepsTheActiveLayer) {
  const TMainActions& a = window_->Actions();
  TObjekt& pad = AddSelectedPad(lyC1);
  ASSERT_EQ(window_->Project().View.AktiverLayer, lyC2);
  a.VisibleLayer[lyC1 - 1]->trigger();
  EXPECT_FALSE(window_->Project().LayerVisible(lyC1));
  EXPECT_FALSE(a.VisibleLayer[lyC1 - 1]->isChecked());
  EXPECT_EQ(pad.Markiert, 0) << "the menu deselects every element first";
  a.VisibleLayer[lyC2 - 1]->trigger();
  EXPECT_TRUE(window_->Project().LayerVisible(lyC2)) << "the active layer cannot be hidden";
  EXPECT_TRUE(a.VisibleLayer[lyC2 - 1]->isChecked());

  // A hidden layer chosen as active becomes visible first; ticks follow the buttons.
  a.ActiveLayer[lyC1 - 1]->trigger();
  EXPECT_EQ(window_->Project().View.AktiverLayer, lyC1);
  EXPECT_TRUE(window_->Project().LayerVisible(lyC1));
  EXPECT_TRUE(a.VisibleLayer[lyC1 - 1]->isChecked());
  EXPECT_TRUE(window_->ActiveLayerButton(lyC1)->isChecked());
  window_->ActiveLayerButton(lyS2)->click();
  EXPECT_TRUE(a.ActiveLayer[lyS2 - 1]->isChecked());
  EXPECT_FALSE(a.ActiveLayer[lyC1 - 1]->isChecked());
}

TEST_F(MainWindowShellTest, ClearanceFieldFollowsTheGroundPlaneAndTheSelection) {
  TLaySpinEdit* field = window_->ClearanceField();
  EXPECT_EQ(window_->Clearance(), 40);
  EXPECT_EQ(field->Edit()->text(), "0.4");
  EXPECT_TRUE(field->isHidden()) << "shown only while the active layer's plane is on";
  window_->GroundPlaneButton()->click();
  ASSERT_TRUE(window_->Project().GroundPlaneOn());
  EXPECT_FALSE(field->isHidden());
  EXPECT_FALSE(field->Applies()) << "nothing selected";

  struct Case {
    uint8_t Layer;
    bool KeepOut;
    bool Hidden;
    bool Applies;
  };
  const Case cases[] = {{lyC2, false, false, true}, {lyC2, true, false, false}, {lyC1, false, true, false}};
  for (const Case& c : cases) {
    window_->Project().ActiveElements().Clear();
    TObjekt& pad = AddSelectedPad(c.Layer);
    pad.Sperrflaeche = c.KeepOut;
    window_->Project().ActiveBoard().Kopf.Sichtbar[c.Layer - 1] = !c.Hidden;
    window_->RefreshCommandStates();
    EXPECT_EQ(field->Applies(), c.Applies) << int(c.Layer) << c.KeepOut << c.Hidden;
  }
  // Typing gives the selected elements and new ones the clearance.
  window_->Project().ActiveElements().Clear();
  TObjekt& pad = AddSelectedPad(lyC2);
  field->Edit()->setText("0.6");
  EXPECT_EQ(window_->Clearance(), 60);
  EXPECT_EQ(pad.Freistanz, 60);
  window_->GroundPlaneButton()->click();
  EXPECT_TRUE(field->isHidden());
}

TEST_F(MainWindowShellTest, CutoutSelectsZoneModeUntilTheGroundPlaneButtonOrAModeReleasesIt) {
  window_->CutoutButton()->click();
  EXPECT_EQ(window_->Mode(), ToolMode::Zone);
  EXPECT_TRUE(window_->CutoutDown());
  EXPECT_TRUE(window_->ModeButton(ToolMode::Zone)->isChecked());
  window_->GroundPlaneButton()->click();
  EXPECT_FALSE(window_->CutoutDown());
  window_->CutoutButton()->click();
  window_->ModeButton(ToolMode::Track)->click();
  EXPECT_FALSE(window_->CutoutDown());
  EXPECT_EQ(window_->Mode(), ToolMode::Track);
}

TEST_F(MainWindowShellTest, SizeFieldsInMilAreWrittenInWorldUnits) {
  SizeFields* fields = window_->SizeFieldPanel();
  EXPECT_EQ(fields->Field(sfTrack)->Edit()->text(), "0.80");
  window_->findChild<QToolButton*>("UnitButton")->click();
  EXPECT_EQ(fields->Field(sfTrack)->Edit()->text(), "31.5");
  EXPECT_EQ(window_->ClearanceField()->Edit()->text(), "15.7");
  fields->Field(sfTrack)->Edit()->setText("50");
  EXPECT_EQ(window_->ToolSizes().TrackWidth, 127);  // 50 / 39.37 mm = 1.27 mm
  fields->Field(sfSmdHeight)->Edit()->setText("100");
  EXPECT_EQ(window_->ToolSizes().SmdHeight, 254);
  const QString ini = window_->SettingsWritePath();
  window_->close();
  const TSettings written = ReadSettings(ini.toStdString(), folder_.path().toStdString() + "/").Settings;
  EXPECT_EQ(written.Sizes.Track, 127);
  EXPECT_EQ(written.Sizes.SMDY, 254);
  EXPECT_TRUE(written.Optionen.MIL);
  // The next start shows them again, in mil.
  Open();
  EXPECT_EQ(window_->ToolSizes().TrackWidth, 127);
  EXPECT_EQ(window_->SizeFieldPanel()->Field(sfTrack)->Edit()->text(), "50.0");
}

TEST_F(MainWindowShellTest, GeneralSettingsOkAppliesSchemeAndHotkeys) {
  TFarbschema user = StandardColourScheme();
  user.Farben[0] = 0x00123456;
  ASSERT_FALSE(WriteColourScheme((folder_.path() + "/C_USER1.DAT").toStdString(), user));
  Open();
  ASSERT_TRUE(window_->Actions().GeneralSettings->isEnabled());
  ASSERT_TRUE(window_->Actions().Directories->isEnabled());
  TOptionsPage page = opHotkeys;
  window_->SetOptionsDialogSeam(std::make_unique<QuietDialogAsker>(), [&](OptionsDialog& d) {
    page = d.Page();
    d.ChooseScheme(1);
    d.SelectHotkeyRow(2);  // "Track"
    d.ChooseHotkey('Q');
    return PressOk(d);
  });
  window_->Actions().GeneralSettings->trigger();
  EXPECT_EQ(page, opGeneral);
  EXPECT_EQ(window_->Settings().Optionen.Farbschema, 1);
  EXPECT_EQ(window_->Scheme().Farben[0], 0x00123456);
  EXPECT_TRUE(window_->HandleDrawingAreaKey(Qt::Key_Q, Qt::NoModifier));
  EXPECT_EQ(window_->Mode(), ToolMode::Track);
}

TEST_F(MainWindowShellTest, CancelKeepsEverythingAndDirectoriesOpensItsPage) {
  TOptionsPage page = opGeneral;
  window_->SetOptionsDialogSeam(std::make_unique<QuietDialogAsker>(), [&](OptionsDialog& d) {
    page = d.Page();
    d.ChooseScheme(2);
    d.SelectHotkeyRow(2);
    d.ChooseHotkey('Q');
    return int(QDialog::Rejected);
  });
  window_->Actions().Directories->trigger();
  EXPECT_EQ(page, opDirectories);
  EXPECT_EQ(window_->Settings().Optionen.Farbschema, 0);
  EXPECT_EQ(window_->Scheme(), StandardColourScheme());
  window_->HandleDrawingAreaKey(Qt::Key_L, Qt::NoModifier);
  EXPECT_EQ(window_->Mode(), ToolMode::Track) << "the hotkeys stay as they were";
}

}  // namespace
}  // namespace corvane
