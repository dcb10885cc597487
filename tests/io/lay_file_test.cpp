// Checking the version word of files and saving through a temporary file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "io/file_bytes.h"
#include "io/lay_load.h"
#include "io/lay_parse.h"
#include "io/lay_save.h"
#include "io/lay_write.h"
#include "lay_fixtures.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

class LayFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("layfile_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(dir_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                       static_cast<std::streamsize>(bytes.size()));
  }
  fs::path dir_;
};

TEST_F(LayFile, VersionWords) {
  const struct {
    std::vector<uint8_t> start;
    IoErrorKind kind;
    int version;
  } cases[] = {
      {{0x05, 0x33, 0xAA, 0xFF}, IoErrorKind::None, 5},
      {{0x00, 0x33, 0xAA, 0xFF}, IoErrorKind::None, 0},
      {{0x03, 0x33, 0xAA, 0xFF, 0x00}, IoErrorKind::None, 3},
      {{0x06, 0x33, 0xAA, 0xFF}, IoErrorKind::NewerVersion, 6},
      {{0x0B, 0x33, 0xAA, 0xFF}, IoErrorKind::NewerVersion, 11},
      {{0x0C, 0x33, 0xAA, 0xFF}, IoErrorKind::NotLayoutFile, -1},
      {{0x04, 0x33, 0xAA, 0xFE}, IoErrorKind::NotLayoutFile, -1},
      {{0xFF, 0x33, 0xAA, 0xFF}, IoErrorKind::NotLayoutFile, -1},
      {{0x05, 0x33, 0xAA}, IoErrorKind::NotLayoutFile, -1},
      {{}, IoErrorKind::NotLayoutFile, -1},
  };
  for (const auto& c : cases) {
    Write("v.lay", c.start);
    int version = -1;
    const IoError e = CheckLayoutFile(Path("v.lay"), &version);
    EXPECT_EQ(e.Kind, c.kind) << e.Describe();
    if (c.kind == IoErrorKind::None) {
      EXPECT_EQ(version, c.version);
    } else {
      EXPECT_EQ(e.File, Path("v.lay"));
    }
    if (c.kind == IoErrorKind::NewerVersion) {
      EXPECT_EQ(e.Version, c.version);
    }
    TProject p;
    EXPECT_EQ(LoadLayout(Path("v.lay"), p, {}).Error.Kind,
              c.kind == IoErrorKind::None ? IoErrorKind::EndsEarly : c.kind);
  }
  EXPECT_EQ(CheckLayoutFile(Path("missing.lay")).Kind, IoErrorKind::FileNotFound);
  EXPECT_EQ(CheckLayoutFile(dir_.string()).Kind, IoErrorKind::CannotRead);
}

TEST_F(LayFile, AFailedSaveLeavesTheOldFileAndReportsFailure) {
  const std::string target = Path("board.lay");
  Write("board.lay", {1, 2, 3});
  // The temporary file cannot be made where a folder of its name is.
  fs::create_directory(target + ".tmp" + std::to_string(::getpid()));
  TProject p = fixtures::SampleProject();
  p.Modified = true;
  const IoError e = SaveLayout(target, p);
  EXPECT_EQ(e.Kind, IoErrorKind::CannotWrite);
  EXPECT_EQ(e.File, target);
  EXPECT_FALSE(e.Detail.empty());
  EXPECT_TRUE(p.Modified);
  EXPECT_FALSE(p.Saved);
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadFileBytes(target, bytes).ok());
  EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3}));

  // Into a folder that does not exist, or onto a folder.
  EXPECT_EQ(SaveLayout(Path("no/such/folder.lay"), p).Kind, IoErrorKind::CannotWrite);
  fs::create_directory(Path("folder.lay"));
  EXPECT_EQ(SaveLayout(Path("folder.lay"), p).Kind, IoErrorKind::CannotWrite);
  EXPECT_TRUE(fs::is_directory(Path("folder.lay")));
}

TEST_F(LayFile, ASuccessfulSaveReplacesTheFileAndLeavesNoTemporaryFile) {
  const std::string target = Path("board.lay");
  Write("board.lay", {1, 2, 3});
  TProject p = fixtures::SampleProject();
  p.Modified = true;
  ASSERT_TRUE(SaveLayout(target, p).ok());
  EXPECT_FALSE(p.Modified);
  EXPECT_TRUE(p.Saved);
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadFileBytes(target, bytes).ok());
  EXPECT_TRUE(bytes == EncodeLayout(p));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace corvane
