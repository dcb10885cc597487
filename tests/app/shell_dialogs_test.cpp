// The AutoSave dialog and the project information window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "app/autosave_dialog.h"
#include "app/project_info_window.h"

namespace corvane {
namespace {

TEST(AutoSaveDialog, OpensWithTheTimerStateInWholeMinutes) {
  struct Case {
    bool Enabled;
    int IntervalMs;
    int Minutes;
  };
  for (const Case c : {Case{false, 300000, 5}, Case{true, 119999, 1}, Case{true, 3600000, 60}}) {
    AutoSaveDialog dialog(c.Enabled, c.IntervalMs);
    EXPECT_EQ(dialog.Minutes(), c.Minutes) << c.IntervalMs;
    EXPECT_EQ(dialog.Enabled(), c.Enabled);
    EXPECT_EQ(dialog.MinutesField()->isEnabled(), c.Enabled);
  }
  AutoSaveDialog dialog(false, 300000);
  dialog.EnabledBox()->setChecked(true);
  EXPECT_TRUE(dialog.MinutesField()->isEnabled());
  dialog.MinutesField()->setValue(99);
  EXPECT_EQ(dialog.Minutes(), 60);
}

TEST(ProjectInfoWindow, KeepsCodePageTextsAndCrLfLinesAndLimitsLengths) {
  ProjectInfo info;
  info.Title = "Pr\xFC" "fger\xE4t";  // code page 1252 umlauts
  info.Comment = "line 1\r\nline 2";
  ProjectInfoWindow window(info);
  EXPECT_EQ(window.TitleField()->text(), QString::fromUtf8("Prüfgerät"));
  EXPECT_EQ(window.Info(), info);
  window.TitleField()->setText(QString(150, u'x'));
  window.CommentField()->setPlainText(QString(2000, u'y'));
  const ProjectInfo changed = window.Info();
  EXPECT_EQ(changed.Title.size(), 100u);
  EXPECT_EQ(changed.Comment.size(), 1900u);
  // Characters outside the code page become "?".
  window.TitleField()->setText(QString::fromUtf8("Ω1"));
  EXPECT_EQ(window.Info().Title, "?1");
}

}  // namespace
}  // namespace corvane
