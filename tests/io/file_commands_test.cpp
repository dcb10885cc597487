#include <gtest/gtest.h>

#include "io/file_commands.h"
#include "io/recent_files.h"
#include "lay_fixtures.h"

namespace corvane {
namespace {

TEST(FileCommands, TheSaveQuestionNeedsAModifiedProjectThatIsNotEmpty) {
  const struct {
    bool modified;
    int boards;
    bool elements;
    bool ask;
  } cases[] = {
      {false, 2, true, false}, {true, 1, false, false}, {true, 1, true, true}, {true, 2, false, true},
  };
  for (const auto& c : cases) {
    TProject p;
    p.NewProject(1);
    if (c.boards == 2) p.AddBoard("two");
    p.SwitchBoard(0);
    if (c.elements) p.ActiveElements().Add(fixtures::Track({{0, 0}, {1, 1}}));
    p.Modified = c.modified;
    EXPECT_EQ(NeedsSaveQuestion(p), c.ask) << c.modified << c.boards << c.elements;
  }
}

TEST(FileCommands, TheAnswerDecidesWhetherTheProjectIsReplaced) {
  TProject p;
  p.NewProject(1);
  p.ActiveElements().Add(fixtures::Track({{0, 0}, {1, 1}}));
  p.Modified = true;
  const struct {
    TSaveAnswer answer;
    bool written;
    bool goesOn;
    int saves;
  } cases[] = {
      {TSaveAnswer::Yes, true, true, 1},
      {TSaveAnswer::Yes, false, false, 1},  // the file was not written: cancelled
      {TSaveAnswer::No, false, true, 0},
      {TSaveAnswer::Cancel, false, false, 0},
  };
  for (const auto& c : cases) {
    int saves = 0;
    const bool goesOn = ConfirmReplaceProject(
        p, [&] { return c.answer; },
        [&] {
          ++saves;
          return c.written;
        });
    EXPECT_EQ(goesOn, c.goesOn);
    EXPECT_EQ(saves, c.saves);
  }
  p.Modified = false;
  int asked = 0;
  EXPECT_TRUE(ConfirmReplaceProject(
      p,
      [&] {
        ++asked;
        return TSaveAnswer::Cancel;
      },
      nullptr));
  EXPECT_EQ(asked, 0);
}

TEST(RecentFiles, NewFilesGoInFrontBackupsAndKnownFilesChangeNothing) {
  RecentFiles r;
  EXPECT_TRUE(r.Add("/p/a.lay"));
  EXPECT_TRUE(r.Add("/p/b.lay"));
  EXPECT_FALSE(r.Add("/p/A.LAY"));      // already there, compared without case
  EXPECT_FALSE(r.Add("/p/auto.BaK"));   // backups never enter
  EXPECT_TRUE(r.Add("/p/c.lay"));
  EXPECT_TRUE(r.Add("/p/d.lay"));
  EXPECT_TRUE(r.Add("/p/e.lay"));
  EXPECT_EQ(r.Entries(), (std::array<std::string, 4>{"/p/e.lay", "/p/d.lay", "/p/c.lay", "/p/b.lay"}));
  EXPECT_FALSE(r.Add("/p/b.lay"));  // the last entry stays last
  EXPECT_EQ(r.Entry(3), "/p/b.lay");
  EXPECT_EQ(r.Caption(0), "&1 e.lay");
  EXPECT_EQ(r.Caption(3), "&4 b.lay");
  r.SetEntry(2, "x");
  EXPECT_FALSE(r.Shown(2));
  EXPECT_TRUE(r.Shown(1));
}

TEST(FileCommands, BackupFiles) {
  const struct {
    const char* path;
    const char* backup;
  } cases[] = {
      {"/home/u/board.lay", "/home/u/board.bak"},
      {"/home/u.v2/board", "/home/u.v2/board.bak"},
      {"C:\\x\\Board.LAY", "C:\\x\\Board.bak"},
      {"a.b.lay", "a.b.bak"},
  };
  for (const auto& c : cases) EXPECT_EQ(BackupFileName(c.path), c.backup);
  TProject p;
  EXPECT_FALSE(ShouldAutoBackup(p));
  p.FileName = "/x/board.lay";
  EXPECT_TRUE(ShouldAutoBackup(p));
  p.FileName = "/x/board.BAK";
  EXPECT_FALSE(ShouldAutoBackup(p));
}

}  // namespace
}  // namespace corvane
