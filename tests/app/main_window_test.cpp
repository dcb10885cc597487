// The main window offscreen: file commands through the File menu with an
// injected chooser, board commands, the unsaved-changes question, command
// states, layer buttons and damaged files.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <filesystem>
#include <fstream>

#include "app/drawing_area.h"
#include "app/main_window.h"
#include "geom/element_create.h"
#include "core/layers.h"
#include "io/lay_save.h"
#include "io/settings.h"

namespace corvane {
namespace {

// Answers the window's questions from a script and records them.
struct ScriptedAsker : TShellAsker {
  struct Asked {
    QString Caption, Text;
  };
  std::deque<QMessageBox::StandardButton> Answers;
  std::deque<QString> Files;
  std::vector<Asked> Messages;
  int FileRequests = 0;

  QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString& caption, const QString& text,
                                      QMessageBox::StandardButtons buttons) override {
    Messages.push_back({caption, text});
    if (Answers.empty()) return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel;
    const QMessageBox::StandardButton a = Answers.front();
    Answers.pop_front();
    return a;
  }
  QString NextFile() {
    ++FileRequests;
    if (Files.empty()) return {};
    QString f = Files.front();
    Files.pop_front();
    return f;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&) override { return NextFile(); }
  QString SaveFileName(QWidget*, const QString&, const QString&) override { return NextFile(); }
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    // English captions and messages.
    QFile language(folder_.path() + "/SPRACHE.INI");
    ASSERT_TRUE(language.open(QIODevice::WriteOnly));
    language.write("[Sprache]\r\nSprache=1\r\n");
    language.close();
    TMainWindowOptions options;
    options.ProgramFolder = folder_.path();
    options.ConfigFolder = folder_.path() + "/config";
    options.ShowSplash = false;
    auto asker = std::make_unique<ScriptedAsker>();
    asker_ = asker.get();
    window_ = std::make_unique<MainWindow>(options, std::move(asker));
    window_->SetSkipCloseQuestion(true);
  }
  void TearDown() override { window_.reset(); }

  // A project with two boards, the first with one selected pad.
  QString WriteFixture(const QString& name) {
    TProject p;
    p.NewProject(1);
    p.ActiveElements().Add(CreatePad(TFloatPoint{1000, -1000}, lyC1, psCircular, 30, 90));
    p.AddBoard("Second");
    p.SwitchBoard(0);
    const QString path = folder_.path() + "/" + name;
    EXPECT_TRUE(SaveLayout(path.toStdString(), p).ok());
    return path;
  }
  QString DemoOrFixture() {
    const QString demo = QStringLiteral(CORVANE_SOURCE_DIR) + "/examples/demo.lay";
    if (QFile::exists(demo)) {
      const QString copy = folder_.path() + "/demo.lay";
      QFile::copy(demo, copy);
      return copy;
    }
    return WriteFixture("demo.lay");
  }
  void Open(const QString& path) {
    asker_->Files.push_back(path);
    window_->Actions().Open->trigger();
  }
  QStringList TabTexts() const {
    QStringList t;
    for (int i = 0; i < window_->BoardTabs()->count(); ++i) t << window_->BoardTabs()->tabText(i);
    return t;
  }

  QTemporaryDir folder_;
  ScriptedAsker* asker_ = nullptr;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, StartsWithOneBoardAndThePlainTitle) {
  EXPECT_EQ(window_->windowTitle(), "Corvane 5.0");
  EXPECT_EQ(TabTexts(), QStringList{"Board 1 "});
  EXPECT_EQ(window_->Mode(), ToolMode::Edit);
  EXPECT_FALSE(window_->Actions().DeleteBoard->isEnabled());
  EXPECT_FALSE(window_->Actions().Copy->isEnabled());
}

TEST_F(MainWindowTest, OpenThroughTheFileMenuSetsTitleAndTabs) {
  const QString path = DemoOrFixture();
  Open(path);
  EXPECT_EQ(asker_->FileRequests, 1);
  EXPECT_EQ(window_->windowTitle(), "Corvane 5.0 - [" + path + "]");
  EXPECT_EQ(window_->BoardTabs()->count(), static_cast<int>(window_->Project().BoardCount()));
  EXPECT_EQ(window_->BoardTabs()->currentIndex(), window_->Project().ActiveIndex());
  EXPECT_FALSE(window_->Project().Modified);
  EXPECT_EQ(window_->Settings().History.Entry(0), path.toStdString());
  EXPECT_TRUE(window_->Actions().Recent[0]->isVisible());
}

TEST_F(MainWindowTest, BoardCommandsFollowTheirActions) {
  window_->Actions().AddBoard->trigger();
  ASSERT_EQ(asker_->Messages.size(), 1u);
  EXPECT_EQ(asker_->Messages.back().Text, "A new Board named \"Board 2\" was added.");
  EXPECT_EQ(asker_->Messages.back().Caption, "Corvane");
  EXPECT_EQ(TabTexts(), (QStringList{"Board 1 ", "Board 2 "}));
  EXPECT_EQ(window_->BoardTabs()->currentIndex(), 1);
  EXPECT_TRUE(window_->Actions().DeleteBoard->isEnabled());

  window_->Actions().CopyBoard->trigger();
  EXPECT_EQ(TabTexts(), (QStringList{"Board 1 ", "Board 2 ", "Copy of Board 2 "}));

  window_->Actions().BoardToFront->trigger();
  EXPECT_EQ(TabTexts(), (QStringList{"Copy of Board 2 ", "Board 1 ", "Board 2 "}));
  EXPECT_EQ(window_->BoardTabs()->currentIndex(), 0);
  window_->Actions().BoardRight->trigger();
  EXPECT_EQ(TabTexts(), (QStringList{"Board 1 ", "Copy of Board 2 ", "Board 2 "}));
  window_->Actions().BoardToEnd->trigger();
  EXPECT_EQ(TabTexts(), (QStringList{"Board 1 ", "Board 2 ", "Copy of Board 2 "}));
  window_->Actions().BoardLeft->trigger();
  EXPECT_EQ(TabTexts(), (QStringList{"Board 1 ", "Copy of Board 2 ", "Board 2 "}));
  EXPECT_EQ(window_->BoardTabs()->currentIndex(), 1);

  // Cancel keeps the board; OK deletes it.
  asker_->Answers = {QMessageBox::Cancel};
  window_->Actions().DeleteBoard->trigger();
  EXPECT_EQ(asker_->Messages.back().Text, "Delete board \"Copy of Board 2\" ?");
  EXPECT_EQ(window_->BoardTabs()->count(), 3);
  asker_->Answers = {QMessageBox::Ok};
  window_->Actions().DeleteBoard->trigger();
  EXPECT_EQ(TabTexts(), (QStringList{"Board 1 ", "Board 2 "}));
  EXPECT_TRUE(window_->Project().Modified);
}

TEST_F(MainWindowTest, TheOnlyBoardIsNotDeleted) {
  window_->Actions().DeleteBoard->setEnabled(true);  // as the tab menu could reach it
  window_->Actions().DeleteBoard->trigger();
  ASSERT_FALSE(asker_->Messages.empty());
  EXPECT_EQ(asker_->Messages.back().Text, "A project must at least contains one board.");
  EXPECT_EQ(window_->Project().BoardCount(), 1u);
}

TEST_F(MainWindowTest, ClickingATabShowsThatBoard) {
  window_->Actions().AddBoard->trigger();
  ASSERT_EQ(window_->Project().ActiveIndex(), 1);
  emit window_->BoardTabs()->tabBarClicked(0);
  EXPECT_EQ(window_->Project().ActiveIndex(), 0);
  EXPECT_EQ(window_->BoardTabs()->currentIndex(), 0);
}

TEST_F(MainWindowTest, TheUnsavedChangesQuestionGuardsNew) {
  window_->Actions().AddBoard->trigger();  // modified and not empty
  asker_->Messages.clear();
  struct Case {
    QMessageBox::StandardButton Answer;
    std::size_t BoardsAfter;
  };
  // Cancel keeps the project; No replaces it.
  for (const Case c : {Case{QMessageBox::Cancel, 2}, Case{QMessageBox::No, 1}}) {
    asker_->Answers = {c.Answer};
    window_->Actions().New->trigger();
    ASSERT_FALSE(asker_->Messages.empty());
    EXPECT_EQ(asker_->Messages.back().Text, "Save changes?");
    EXPECT_EQ(window_->Project().BoardCount(), c.BoardsAfter);
  }
  EXPECT_FALSE(window_->Project().Modified);
}

TEST_F(MainWindowTest, YesSavesFirstAndACancelledSaveKeepsTheProject) {
  window_->Actions().AddBoard->trigger();
  // Yes, then the save dialog is cancelled: nothing is replaced.
  asker_->Answers = {QMessageBox::Yes};
  window_->Actions().New->trigger();
  EXPECT_EQ(window_->Project().BoardCount(), 2u);
  // Yes with a file name: saved, then replaced.
  const QString path = folder_.path() + "/saved.lay";
  asker_->Answers = {QMessageBox::Yes};
  asker_->Files = {path};
  window_->Actions().New->trigger();
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_EQ(window_->Project().BoardCount(), 1u);
  EXPECT_EQ(window_->windowTitle(), "Corvane 5.0");
}

TEST_F(MainWindowTest, SaveAsSetsTitleAndSaveWritesAgain) {
  const QString path = folder_.path() + "/mine.lay";
  asker_->Files = {path};
  window_->Actions().Save->trigger();  // no file name yet: as "Save as..."
  ASSERT_TRUE(QFile::exists(path));
  EXPECT_EQ(window_->windowTitle(), "Corvane 5.0 - [" + path + "]");
  QFile::remove(path);
  window_->Actions().Save->trigger();
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_EQ(asker_->FileRequests, 1);
}

TEST_F(MainWindowTest, CommandStatesFollowTheSelection) {
  Open(WriteFixture("sel.lay"));
  const TMainActions& a = window_->Actions();
  ASSERT_FALSE(window_->Project().ActiveElements().empty());
  EXPECT_FALSE(a.Copy->isEnabled());
  window_->Project().ActiveElements()[0].Markiert = 1;
  window_->RefreshCommandStates();
  EXPECT_TRUE(a.Copy->isEnabled());
  EXPECT_TRUE(a.Cut->isEnabled());
  EXPECT_TRUE(a.Delete->isEnabled());
  EXPECT_FALSE(a.Undo->isEnabled());
  a.Delete->trigger();
  EXPECT_TRUE(window_->Project().ActiveElements().empty());
  EXPECT_FALSE(a.Copy->isEnabled());
  EXPECT_TRUE(a.Undo->isEnabled());
  a.Undo->trigger();
  EXPECT_EQ(window_->Project().ActiveElements().size(), 1u);
  EXPECT_TRUE(a.Redo->isEnabled());
  // Commands of later parts stay disabled whatever the selection.
  window_->Project().ActiveElements()[0].Markiert = 1;
  window_->RefreshCommandStates();
  EXPECT_FALSE(a.Rotate->isEnabled());
  EXPECT_FALSE(a.Print->isEnabled());
}

TEST_F(MainWindowTest, ADamagedFileLeavesTheProjectUntouched) {
  const QString good = WriteFixture("good.lay");
  Open(good);
  const std::size_t boards = window_->Project().BoardCount();
  // The same file cut short.
  const QString bad = folder_.path() + "/bad.lay";
  {
    QFile in(good);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    QFile out(bad);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(bytes.size() / 2));
  }
  asker_->Messages.clear();
  Open(bad);
  ASSERT_EQ(asker_->Messages.size(), 1u);
  EXPECT_EQ(asker_->Messages[0].Caption, "Open");
  EXPECT_TRUE(asker_->Messages[0].Text.contains("bad.lay")) << asker_->Messages[0].Text.toStdString();
  EXPECT_EQ(window_->Project().BoardCount(), boards);
  EXPECT_EQ(window_->windowTitle(), "Corvane 5.0 - [" + good + "]");
}

TEST_F(MainWindowTest, OpenRefusesMissingAndForeignFiles) {
  struct Case {
    const char* Name;
    QByteArray Bytes;  // null: no file
    const char* Message;
  };
  const Case cases[] = {
      {"missing.lay", QByteArray(), "File not found!"},
      {"newer.lay", QByteArray("\x06\x33\xAA\xFF\0\0\0\0", 8), "\"newer.lay\" was created with a newer version"},
      {"foreign.lay", QByteArray("\x0C\x33\xAA\xFF\0\0\0\0", 8), "\"foreign.lay\" is not a Corvane file."},
  };
  for (const Case& c : cases) {
    const QString path = folder_.path() + "/" + c.Name;
    if (!c.Bytes.isNull()) {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.Bytes);
    }
    asker_->Messages.clear();
    Open(path);
    ASSERT_EQ(asker_->Messages.size(), 1u) << c.Name;
    EXPECT_EQ(asker_->Messages[0].Caption, "Open");
    EXPECT_TRUE(asker_->Messages[0].Text.startsWith(c.Message)) << asker_->Messages[0].Text.toStdString();
    EXPECT_EQ(window_->windowTitle(), "Corvane 5.0") << c.Name;
  }
}

TEST_F(MainWindowTest, ImportAppendsBoardsAndKeepsTheTitle) {
  const QString path = WriteFixture("import.lay");
  asker_->Files = {path};
  window_->Actions().ImportBoards->trigger();
  EXPECT_EQ(TabTexts(), (QStringList{"Board 1 ", "Board 1 ", "Second "}));
  EXPECT_EQ(window_->BoardTabs()->currentIndex(), 2);
  EXPECT_EQ(window_->windowTitle(), "Corvane 5.0");
  EXPECT_TRUE(window_->Project().Modified);
}

TEST_F(MainWindowTest, LayerButtonsKeepTheActiveLayerVisible) {
  ASSERT_EQ(window_->Project().View.AktiverLayer, lyC2);
  window_->LayerVisibleButton(lyC2)->click();
  EXPECT_TRUE(window_->Project().LayerVisible(lyC2));
  window_->LayerVisibleButton(lyC1)->click();
  EXPECT_FALSE(window_->Project().LayerVisible(lyC1));
  // Choosing the hidden layer as active shows it again.
  window_->ActiveLayerButton(lyC1)->click();
  EXPECT_EQ(window_->Project().View.AktiverLayer, lyC1);
  EXPECT_TRUE(window_->Project().LayerVisible(lyC1));
  // The inner-layer controls appear only with "Multilayer".
  EXPECT_TRUE(window_->LayerVisibleButton(lyI1)->isHidden());
  window_->Project().SetInnerLayers(true);
  window_->RefreshAll();
  EXPECT_FALSE(window_->LayerVisibleButton(lyI1)->isHidden());
  EXPECT_FALSE(window_->ActiveLayerButton(lyI2)->isHidden());
}

TEST_F(MainWindowTest, KeysOfTheDrawingAreaSwitchModesAndLayers) {
  struct Case {
    int Key;
    ToolMode Mode;
  };
  // Default hotkeys "ZLPSRFNTCAXMVO": Z zoom, L track, P pad, ...; Escape edit.
  for (const Case c : {Case{Qt::Key_L, ToolMode::Track}, Case{Qt::Key_Z, ToolMode::Zoom},
                       Case{Qt::Key_S, ToolMode::SmdPad}, Case{Qt::Key_Escape, ToolMode::Edit}}) {
    QTest::keyClick(window_->Surface(), static_cast<Qt::Key>(c.Key));
    EXPECT_EQ(window_->Mode(), c.Mode) << c.Key;
    QToolButton* button = window_->ModeButton(c.Mode);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isChecked());
  }
  QTest::keyClick(window_->Surface(), Qt::Key_F1);
  EXPECT_EQ(window_->Project().View.AktiverLayer, lyC1);
}

TEST_F(MainWindowTest, SettingsAreWrittenAtShutdown) {
  window_->Actions().Transparent->setChecked(true);
  window_->close();
  TSettingsRead read = ReadSettings(window_->SettingsWritePath().toStdString(), folder_.path().toStdString() + "/");
  ASSERT_TRUE(read.Error.ok());
  EXPECT_TRUE(read.Settings.Optionen.Transparent);
  EXPECT_EQ(std::filesystem::path(window_->SettingsWritePath().toStdString()).parent_path(),
            std::filesystem::path(folder_.path().toStdString()));
}

TEST_F(MainWindowTest, AutoBackupWritesTheBakFileOnly) {
  const QString path = WriteFixture("backup.lay");
  Open(path);
  window_->Project().Modified = true;
  window_->RunAutoBackup();
  EXPECT_TRUE(QFile::exists(folder_.path() + "/backup.bak"));
  EXPECT_TRUE(window_->Project().Modified);
  EXPECT_EQ(window_->windowTitle(), "Corvane 5.0 - [" + path + "]");
}

}  // namespace
}  // namespace corvane
