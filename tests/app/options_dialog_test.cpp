// The options dialog: hotkey conflicts, the colour scheme change question,
// the custom colours of the picker, and the values returned on OK.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "app/options_dialog.h"

namespace corvane {
namespace {

// Answers every question and picker without a modal loop and records them.
class FakeAsker : public TDialogAsker {
 public:
  bool AskYesNo(QWidget*, const QString& caption, const QString& text) override {
    questions.push_back(caption + "|" + text);
    return answerYes;
  }
  void Inform(QWidget*, const QString& caption, const QString& text) override {
    messages.push_back(caption + "|" + text);
  }
  std::optional<QColor> PickColour(QWidget*, QColor initial, std::vector<QColor>& custom) override {
    pickerInitial = initial;
    customSeen = custom;
    custom = customAfter;
    return colour;
  }
  std::optional<QString> PickFolder(QWidget*, const QString& title, const QString&) override {
    folderTitles.push_back(title);
    return folder;
  }

  bool answerYes = true;
  std::optional<QColor> colour;
  std::vector<QColor> customAfter;
  std::vector<QColor> customSeen;
  QColor pickerInitial;
  std::optional<QString> folder;
  std::vector<QString> questions, messages, folderTitles;
};

class OptionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    schemes = std::make_unique<TColourSchemes>(dir.path());
    dialog = std::make_unique<OptionsDialog>(*schemes, asker, dir.path());
    state.Colours = StandardColourScheme();
    dialog->Load(state);
  }
  QString File(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  FakeAsker asker;
  std::unique_ptr<TColourSchemes> schemes;
  std::unique_ptr<OptionsDialog> dialog;
  TOptionsState state;
};

TEST_F(OptionsDialogTest, HotkeyInUseShowsTheMessageAndKeepsTheOldKey) {
  dialog->SelectHotkeyRow(1);  // Zoom, Z
  dialog->ChooseHotkey('P');   // Pad has P
  ASSERT_EQ(asker.messages.size(), 1u);
  EXPECT_EQ(asker.messages[0], QStringLiteral("Corvane|The hotkey \"P\" is already in use."));
  EXPECT_EQ(dialog->Hotkeys().Key(1), 'Z');
  EXPECT_EQ(dialog->Result().State.Optionen.Hotkeys, "ZLPSRFNTCAXMVO");

  dialog->ChooseHotkey('Q');
  EXPECT_EQ(asker.messages.size(), 1u);
  EXPECT_EQ(dialog->Result().State.Optionen.Hotkeys, "QLPSRFNTCAXMVO");
}

TEST_F(OptionsDialogTest, ChangedSchemeAsksBeforeSwitchingAndYesSavesIt) {
  dialog->ChooseScheme(1);
  EXPECT_TRUE(asker.questions.empty());  // nothing changed yet
  asker.colour = QColor(255, 0, 0);
  dialog->PickFieldColour(0);  // background
  EXPECT_EQ(dialog->WorkingScheme().Farben[fsBackground], 0x0000FF);
  asker.answerYes = true;
  dialog->ChooseScheme(2);
  ASSERT_EQ(asker.questions.size(), 1u);
  EXPECT_EQ(asker.questions[0], QStringLiteral("Corvane|You have changed the colors.\rSave changes?"));
  const TColourSchemeRead saved = ReadColourScheme(File("C_USER1.DAT").toStdString());
  EXPECT_FALSE(saved.Error);
  EXPECT_EQ(saved.Scheme.Farben[fsBackground], 0x0000FF);
  EXPECT_EQ(dialog->SelectedScheme(), 2);
  EXPECT_EQ(dialog->WorkingScheme(), StandardColourScheme());  // no file for scheme 2
}

TEST_F(OptionsDialogTest, NoKeepsTheSchemeFileUnwritten) {
  dialog->ChooseScheme(3);
  dialog->ResetScheme();
  asker.answerYes = false;
  dialog->ChooseScheme(1);
  EXPECT_EQ(asker.questions.size(), 1u);
  EXPECT_FALSE(QFile::exists(File("C_USER3.DAT")));
}

TEST_F(OptionsDialogTest, StandardSchemeCannotBeEdited) {
  asker.colour = QColor(1, 2, 3);
  dialog->PickFieldColour(1);
  EXPECT_FALSE(asker.pickerInitial.isValid());  // the picker never opened
  EXPECT_EQ(dialog->WorkingScheme(), StandardColourScheme());
}

TEST_F(OptionsDialogTest, CustomColoursRoundTripThroughColorsDat) {
  dialog->ChooseScheme(1);
  asker.customAfter = {QColor(10, 20, 30), QColor(200, 100, 0)};
  asker.colour.reset();  // cancelled picker still keeps the custom colours
  dialog->PickFieldColour(2);
  EXPECT_TRUE(asker.customSeen.empty());
  EXPECT_TRUE(QFile::exists(File(kCustomColoursFile)));
  asker.customAfter = asker.customSeen;
  dialog->PickFieldColour(2);
  EXPECT_EQ(asker.customSeen, (std::vector<QColor>{QColor(10, 20, 30), QColor(200, 100, 0)}));
}

TEST(CustomColours, DamagedLinesAreSkippedAndTheCountIsCapped) {
  QTemporaryDir dir;
  const QString file = QDir(dir.path()).filePath("COLORS.DAT");
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write("#102030\nnot a colour\n\n#zzzzzz\n");
  for (int i = 0; i < 40; ++i) out.write("#ffffff\n");
  out.close();
  const std::vector<QColor> colours = LoadCustomColours(file);
  ASSERT_EQ(colours.size(), static_cast<std::size_t>(kMaxCustomColours));
  EXPECT_EQ(colours[0], QColor(0x10, 0x20, 0x30));
  EXPECT_TRUE(LoadCustomColours(QDir(dir.path()).filePath("missing.dat")).empty());
  EXPECT_FALSE(SaveCustomColours(QDir(dir.path()).filePath("no/such/folder/COLORS.DAT"), colours));
}

TEST_F(OptionsDialogTest, ResultCarriesThePagesValues) {
  state.Unit = umMil;
  state.Optionen.Undo = 9;  // 10 steps shown
  state.Optionen.BohrungenWeiss = true;
  state.Ordner.Makro = "/macros";
  state.Optionen.Farbschema = 2;
  dialog->Load(state, opDirectories);
  EXPECT_EQ(dialog->Page(), opDirectories);
  const TOptionsResult r = dialog->Result();
  EXPECT_EQ(r.State.Unit, umMil);
  EXPECT_EQ(r.State.Optionen.Undo, 9);
  EXPECT_TRUE(r.State.Optionen.BohrungenWeiss);
  EXPECT_EQ(r.State.Optionen.Farbschema, 2);
  EXPECT_FALSE(r.MacroRootChanged);
  EXPECT_FALSE(r.ColoursChanged);
}

}  // namespace
}  // namespace corvane
