// The macro side panel: the tree of a macro folder, selecting and deleting a
// macro, the toggle buttons, and its place in the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QMimeData>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include "app/app_folders.h"
#include "app/drawing_area.h"
#include "app/macro_panel_widget.h"
#include "app/main_window.h"
#include "core/layers.h"
#include "geom/element_create.h"
#include "io/macro_file.h"
#include "io/settings.h"

namespace corvane {
namespace {

struct OkAsker : TShellAsker {
  int Questions = 0;
  QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                      QMessageBox::StandardButtons) override {
    ++Questions;
    return QMessageBox::Ok;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString SaveFileName(QWidget*, const QString&, const QString&) override { return {}; }
};

// A macro of one pad on `layer` at (100, 0).
void WriteMacro(const QString& path, uint8_t layer, const char* text1) {
  ElementList list;
  list.Add(CreatePad({100, 0}, layer, 1, 30, 90));
  ASSERT_TRUE(WriteMacroFile(path.toStdString(), list, false, {0, 0}, text1, "").ok()) << path.toStdString();
}

class MacroPanelWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    root_ = folder_.path() + "/Makros";
    ASSERT_TRUE(QDir().mkpath(root_ + "/ICs"));
    ASSERT_TRUE(QDir().mkpath(root_ + "/.hidden"));
    WriteMacro(root_ + "/ICs/dil8.lmk", lyC2, "DIL 8");
    WriteMacro(root_ + "/ICs/Sot23.LMK", lyC1, "");
    WriteMacro(root_ + "/Connector.lmk", lyC2, "X1");
    WriteMacro(root_ + "/.hidden/secret.lmk", lyC2, "");
    QFile other(root_ + "/readme.txt");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  }
  QTemporaryDir folder_;
  QString root_;
};

QStringList Captions(const QTreeWidgetItem* item) {
  QStringList out;
  for (int i = 0; i < item->childCount(); ++i) out << item->child(i)->text(0);
  return out;
}

TEST_F(MacroPanelWidgetTest, ShowsTheFolderTreeAndLoadsTheSelectedMacro) {
  MacroPanelWidget panel;
  panel.BuildTree(ToPath(root_));
  QTreeWidget* tree = panel.TreeView();
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "Connector.lmk");
  EXPECT_EQ(tree->topLevelItem(1)->text(0), "ICs");
  EXPECT_EQ(Captions(tree->topLevelItem(1)), (QStringList{"dil8.lmk", "Sot23.LMK"}));

  ASSERT_TRUE(panel.SelectFile(ToPath("/elsewhere/DIL8.lmk")));
  EXPECT_EQ(panel.SelectedFile(), ToPath(root_ + "/ICs/dil8.lmk"));
  EXPECT_EQ(panel.Panel().Elements.size(), 1u);
  EXPECT_EQ(panel.findChild<QLineEdit*>("E_MakroText1")->text(), "DIL 8");
  EXPECT_FALSE(panel.SelectFile(ToPath("missing.lmk")));

  // The toggles act on the loaded macro and show their state.
  panel.Button("SB_MakroSeite")->click();
  EXPECT_TRUE(panel.Button("SB_MakroSeite")->isChecked());
  EXPECT_EQ(panel.Panel().Elements[0].Layer, lyC1);
  panel.Button("SB_MakroSpiegeln")->click();
  EXPECT_FLOAT_EQ(panel.Panel().Elements[0].X, -100.0f);
}

TEST_F(MacroPanelWidgetTest, DeleteAsksAndRemovesTheFile) {
  MacroPanelWidget panel;
  int asked = 0;
  bool answer = false;
  panel.SetDeleteQuestion([&](const QString& name) {
    ++asked;
    EXPECT_EQ(name, "Connector.lmk");
    return answer;
  });
  panel.BuildTree(ToPath(root_));
  ASSERT_TRUE(panel.SelectFile(ToPath("Connector.lmk")));
  panel.DeleteSelected();
  EXPECT_TRUE(QFile::exists(root_ + "/Connector.lmk")) << "Cancel keeps the file";
  answer = true;
  panel.DeleteSelected();
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(QFile::exists(root_ + "/Connector.lmk"));
  ASSERT_EQ(panel.TreeView()->topLevelItemCount(), 1);
  EXPECT_EQ(panel.TreeView()->topLevelItem(0)->text(0), "ICs");
}

TEST_F(MacroPanelWidgetTest, TheWindowRestoresTogglesAndStoresThePanel) {
  TSettings settings = DefaultSettings(folder_.path().toStdString() + "/");
  settings.Optionen.Makro = true;
  settings.Ordner.Makro = root_.toStdString();
  settings.Ordner.MakroOrdner = (root_ + "/ICs/Sot23.LMK").toStdString();
  ASSERT_TRUE(WriteSettings((folder_.path() + "/CORVAN50.INI").toStdString(), settings).ok());
  TMainWindowOptions options;
  options.ProgramFolder = folder_.path();
  options.ConfigFolder = folder_.path() + "/config";
  options.ShowSplash = false;
  MainWindow window(options, std::make_unique<OkAsker>());
  window.SetSkipCloseQuestion(true);
  QDockWidget* dock = window.findChild<QDockWidget*>("MacroDock");
  ASSERT_NE(dock, nullptr);
  EXPECT_TRUE(dock->isHidden()) << "restored when the splash timer fires";
  window.RestorePanels();
  EXPECT_FALSE(dock->isHidden());
  EXPECT_TRUE(window.Actions().ShowMacros->isChecked());
  EXPECT_TRUE(window.Actions().ShowMacros->isEnabled());
  EXPECT_EQ(window.MacroPanel()->SelectedFile(), ToPath(root_ + "/ICs/Sot23.LMK"));
  EXPECT_EQ(window.MacroPanel()->Panel().Elements.size(), 1u);

  window.Actions().ShowMacros->trigger();
  EXPECT_TRUE(dock->isHidden());
  window.Actions().ShowMacros->trigger();
  EXPECT_FALSE(dock->isHidden());
  window.MacroPanel()->findChild<QToolButton*>("MacroHide")->click();
  EXPECT_TRUE(dock->isHidden());
  EXPECT_FALSE(window.Actions().ShowMacros->isChecked());

  window.MacroPanel()->SelectFile(ToPath("connector.lmk"));
  const QString ini = window.SettingsWritePath();
  window.close();
  const TSettings written = ReadSettings(ini.toStdString(), folder_.path().toStdString() + "/").Settings;
  EXPECT_FALSE(written.Optionen.Makro);
  EXPECT_EQ(ToPath(QString::fromStdString(written.Ordner.MakroOrdner)), ToPath(root_ + "/Connector.lmk"));
}

TEST_F(MacroPanelWidgetTest, DroppingOnTheDrawingAreaInsertsTheMacroAsAGroup) {
  TMainWindowOptions options;
  options.ProgramFolder = folder_.path();
  options.ConfigFolder = folder_.path() + "/config";
  options.ShowSplash = false;
  options.WriteSettingsOnClose = false;
  MainWindow window(options, std::make_unique<OkAsker>());
  window.SetSkipCloseQuestion(true);
  window.resize(900, 700);
  window.show();
  QWidget* viewport = window.Surface()->viewport();
  QMimeData data;
  data.setData(kMacroMimeType, "preview");
  const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);

  // Nothing loaded: the drag is refused and nothing changes.
  QDragEnterEvent refused(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &refused);
  EXPECT_FALSE(refused.isAccepted());

  ElementList pair;
  pair.Add(CreatePad({100, 0}, lyC2, 1, 30, 90));
  pair.Add(CreatePad({350, 0}, lyC2, 1, 30, 90));
  ASSERT_TRUE(WriteMacroFile((root_ + "/pair.lmk").toStdString(), pair, false, {0, 0}, "", "").ok());
  window.MacroPanel()->BuildTree(ToPath(root_));
  ASSERT_TRUE(window.MacroPanel()->SelectFile(ToPath("pair.lmk")));
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &drop);
  const ElementList& board = window.Project().ActiveElements();
  ASSERT_EQ(board.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(board[i].Markiert, 1);
    ASSERT_EQ(board[i].Gruppen.size(), 1u) << "the dropped macro is one group";
  }
  EXPECT_EQ(board[0].Gruppen[0], board[1].Gruppen[0]);
  EXPECT_FLOAT_EQ(board[1].X - board[0].X, 250.0f);
  EXPECT_TRUE(window.Project().Modified);
  EXPECT_TRUE(window.Actions().Undo->isEnabled());
  // The macro's (0, 0) lies on the board.
  const float dx = board[0].X - 100.0f;
  EXPECT_GE(dx, 0.0f);
  EXPECT_LE(dx, static_cast<float>(window.Project().View.Breite));
  EXPECT_EQ(window.MacroPanel()->Panel().Elements[0].X, 100.0f) << "the macro list is not changed";
}

}  // namespace
}  // namespace corvane
