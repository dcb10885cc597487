#include "cam/cam_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace corvane {
namespace {

namespace fs = std::filesystem;

class CamFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("corvane_cam_file_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Number of entries in the folder (the target and any leftovers).
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  fs::path dir_;
};

TEST_F(CamFileTest, CommitWritesLinesWithCrLfAndLeavesNoTemporaryFile) {
  const fs::path target = dir_ / "out.gbr";
  TCamFile f;
  ASSERT_TRUE(f.Open(target.string()));
  f.Line("G04 first*");
  f.Line("");
  f.Line("M02*");
  ASSERT_TRUE(f.Commit()) << f.Error();
  EXPECT_EQ(Read(target), "G04 first*\r\n\r\nM02*\r\n");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(CamFileTest, NothingAppearsBeforeCommitAndAbandonKeepsOldTarget) {
  const fs::path target = dir_ / "out.gbr";
  { std::ofstream(target, std::ios::binary) << "old"; }
  {
    TCamFile f;
    ASSERT_TRUE(f.Open(target.string()));
    f.Line("new");
    EXPECT_EQ(Read(target), "old");
  }  // destroyed without Commit
  EXPECT_EQ(Read(target), "old");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(CamFileTest, MissingFolderFailsAtOpenWithTheFileName) {
  const fs::path target = dir_ / "missing" / "out.gbr";
  TCamFile f;
  EXPECT_FALSE(f.Open(target.string()));
  EXPECT_NE(f.Error().find(target.string()), std::string::npos) << f.Error();
  EXPECT_FALSE(f.Commit());
  EXPECT_FALSE(fs::exists(target));
}

// A write that fails after a successful start (the file-size limit stands in
// for a full disk): Commit reports it, removes the partial file and keeps
// the old target.
TEST_F(CamFileTest, WriteFailureAfterStartIsReportedAndRemovesThePartialFile) {
  const fs::path target = dir_ / "out.gbr";
  { std::ofstream(target, std::ios::binary) << "old"; }
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto* oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool committed = true;
  std::string error;
  {
    TCamFile f;
    if (f.Open(target.string())) {
      const std::string line(100, 'X');
      for (int i = 0; i < 200; ++i) f.Line(line);
      committed = f.Commit();
      error = f.Error();
    }
  }
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(committed);
  EXPECT_NE(error.find(target.string()), std::string::npos) << error;
  EXPECT_EQ(Read(target), "old");
  EXPECT_EQ(Entries(), 1u);
}

}  // namespace
}  // namespace corvane
