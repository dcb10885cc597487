// The manufacturing commands of the main window, with dialogs answered by the test.
#include "app/cam_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/contour_dialog.h"
#include "app/drill_list_window.h"
#include "app/excellon_dialog.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "core/layers.h"
#include "geom/element_create.h"

namespace corvane {
namespace {

struct RecordingAsker : TShellAsker {
  QStringList messages;  // "caption: text"
  QString savePath;
  int saveQuestions = 0;
  QString saveFilter;
  QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString& caption, const QString& text,
                                      QMessageBox::StandardButtons) override {
    messages << caption + ": " + text;
    return QMessageBox::Ok;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString SaveFileName(QWidget*, const QString&, const QString& filter) override {
    ++saveQuestions;
    saveFilter = filter;
    return savePath;
  }
};

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CamCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    QFile language(folder_.path() + "/SPRACHE.INI");
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("[Sprache]\r\nSprache=1\r\n");
    language.close();
    TMainWindowOptions options;
    options.ProgramFolder = folder_.path();
    options.ConfigFolder = folder_.path() + "/config";
    options.ShowSplash = false;
    auto asker = std::make_unique<RecordingAsker>();
    asker_ = asker.get();
    window_ = std::make_unique<MainWindow>(options, std::move(asker));
    window_->SetSkipCloseQuestion(true);
    commands_ = window_->findChild<CamCommands*>();
    ASSERT_NE(commands_, nullptr);
  }
  void TearDown() override { window_.reset(); }

  ElementList& Elements() { return window_->Project().ActiveElements(); }
  void AddPad(float x, int drill, bool plated) {
    TObjekt pad = CreatePad({x, -500}, lyC1, psCircular, drill / 2.0, drill / 2.0 + 40);
    pad.Durchkontaktiert = plated ? 1 : 0;
    Elements().Add(std::move(pad));
    window_->RefreshCommandStates();
  }

  QTemporaryDir folder_;
  RecordingAsker* asker_ = nullptr;
  std::unique_ptr<MainWindow> window_;
  CamCommands* commands_ = nullptr;
};

TEST_F(CamCommandsTest, ExcellonCommandWritesTheFileAndKeepsTheSpecialOptions) {
  AddPad(1000, 80, false);
  asker_->savePath = folder_.path() + "/board.drl";
  commands_->SetDialogRunner([](QDialog& d) {
    auto& dialog = dynamic_cast<TLochDlg&>(d);
    EXPECT_TRUE(dialog.RB_Zoll->isChecked());
    EXPECT_TRUE(dialog.CB_Sortieren->isChecked());
    dialog.RB_MM32->click();
    dialog.CB_NoComments->click();
    return int(QDialog::Accepted);
  });
  ASSERT_TRUE(window_->Actions().ExportDrill->isEnabled());
  window_->Actions().ExportDrill->trigger();  // the menu command reaches the export
  EXPECT_EQ(asker_->saveFilter, DialogFilter("Drill files (*.drl)|*.DRL"));
  const QByteArray file = FileBytes(asker_->savePath);
  EXPECT_TRUE(file.startsWith("M48\r\nMETRIC\r\nT01C0.8\r\n%\r\nG05\r\nG90\r\nT01\r\nX01000Y09500\r\nM30\r\n"))
      << file.constData();
  EXPECT_EQ(window_->Settings().Ordner.Gerber, (folder_.path() + "/").toStdString());
  TExcellonOptions stored;
  ReadExcellonSettings(window_->Settings(), stored);
  EXPECT_TRUE(stored.NoComments);
  EXPECT_TRUE(asker_->messages.isEmpty()) << asker_->messages.join("\n").toStdString();

  // Cancel asks for no file; a missing folder is reported and leaves nothing.
  commands_->SetDialogRunner([](QDialog&) { return int(QDialog::Rejected); });
  commands_->ExportDrill();
  EXPECT_EQ(asker_->saveQuestions, 1);
  commands_->SetDialogRunner([](QDialog&) { return int(QDialog::Accepted); });
  asker_->savePath = folder_.path() + "/missing/board.drl";
  commands_->ExportDrill();
  EXPECT_EQ(asker_->messages, QStringList{"Excellon export: Can not create file!"});
}

TEST_F(CamCommandsTest, DrillListFollowsTheCheckBoxesAndCopiesToTheClipboard) {
  AddPad(100, 80, false);
  AddPad(200, 80, false);
  AddPad(300, 120, true);
  QString shown;
  commands_->SetDialogRunner([&](QDialog& d) {
    auto& dialog = dynamic_cast<TBohrInfoDlg&>(d);
    EXPECT_EQ(dialog.windowTitle(), "Drillings");
    EXPECT_EQ(dialog.Memo->toPlainText(),
              "   2 x  0.80 mm\n   1 x  1.20 mm\n----------------\n   3 drilings\n");
    dialog.CB_Bohrungen->click();
    shown = dialog.Memo->toPlainText();
    dialog.ClipboardButton->click();
    return int(QDialog::Accepted);
  });
  ASSERT_TRUE(window_->Actions().ListDrillings->isEnabled());
  window_->Actions().ListDrillings->trigger();
  EXPECT_EQ(shown, "   1 x  1.20 mm\n----------------\n   1 drilings\n");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), shown);
  EXPECT_EQ(asker_->messages, QStringList{"Corvane: The text is now in the clipboard"});
}

TEST_F(CamCommandsTest, ContourWarnsWithoutOutlineTracksOrCircles) {
  TObjekt zone = CreateZone(20, lyO);
  zone.Punkte = {{0, 0}, {1000, 0}, {1000, -1000}};
  Elements().Add(std::move(zone));
  window_->RefreshCommandStates();
  bool dialogShown = false;
  commands_->SetDialogRunner([&](QDialog&) {
    dialogShown = true;
    return int(QDialog::Rejected);
  });
  commands_->OutlineMilling();
  EXPECT_FALSE(dialogShown);
  EXPECT_EQ(asker_->messages, QStringList{"PCB outline: No elements for the PCB outline available."});
  EXPECT_EQ(asker_->saveQuestions, 0);
}

TEST_F(CamCommandsTest, ContourWritesTheFileAndKeepsTheReferenceButtons) {
  TObjekt track = CreateTrack(20, lyO);
  track.Punkte = {{0, -10000}, {1000, -10000}};
  Elements().Add(std::move(track));
  window_->RefreshCommandStates();
  asker_->savePath = folder_.path() + "/outline";
  commands_->SetDialogRunner([](QDialog& d) {
    auto& dialog = dynamic_cast<TKonturFraesenDlg&>(d);
    EXPECT_FALSE(dialog.RB_NurMarkierte->isEnabled());
    EXPECT_TRUE(dialog.RB_AlleElemente->isChecked());
    dialog.SB_Nullpunkt_UL->click();
    return int(QDialog::Accepted);
  });
  commands_->OutlineMilling();
  EXPECT_TRUE(commands_->ReferenceMarks().BottomLeft);
  EXPECT_FALSE(commands_->ReferenceMarks().TopRight);
  const QByteArray file = FileBytes(folder_.path() + "/outline.PLT");
  EXPECT_TRUE(file.startsWith("IN;\r\nPT0;\r\nPU;\r\nPA")) << file.constData();
  EXPECT_TRUE(file.endsWith("PA0,0;\r\nPD;\r\nPA400,0;\r\nPU;\r\n")) << file.constData();
  EXPECT_EQ(window_->Settings().Ordner.PLT, (folder_.path() + "/").toStdString());

  // The next dialog opens with the button down.
  commands_->SetDialogRunner([](QDialog& d) {
    EXPECT_TRUE(dynamic_cast<TKonturFraesenDlg&>(d).SB_Nullpunkt_UL->isChecked());
    return int(QDialog::Rejected);
  });
  commands_->OutlineMilling();
  EXPECT_EQ(asker_->saveQuestions, 1);
}

}  // namespace
}  // namespace corvane
