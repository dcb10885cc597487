#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/byte_order.h"
#include "io/colour_scheme.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

class ColourSchemeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Unique per process: several builds may run these tests at the same time.
    dir_ = fs::path(::testing::TempDir()) /
           ("colour_scheme_" + std::to_string(::getpid()) + "_" + std::string(info->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Path(const std::string& name) const { return dir_ / name; }

  void WriteBytes(const fs::path& p, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  static std::vector<uint8_t> Bytes(const TFarbschema& s) {
    std::vector<uint8_t> b(kSchemeFileSize);
    for (int i = 0; i < kSchemeColourCount; ++i) PutLE<int32_t>(b.data() + 4 * i, s.Farben[i]);
    return b;
  }

  static std::vector<uint8_t> ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
};

TFarbschema Distinct() {
  TFarbschema s;
  for (int i = 0; i < kSchemeColourCount; ++i) s.Farben[i] = 0x00102030 + i * 0x010101;
  return s;
}

TEST(ColourScheme, StandardSchemeAndLayerColours) {
  const TFarbschema s = StandardColourScheme();
  EXPECT_EQ(s.Farben[fsBackground], 0);
  EXPECT_EQ(s.Farben[fsGrid], 4605510);
  EXPECT_EQ(s.Farben[fsO], 16777215);
  EXPECT_EQ(s.Farben[fsConnections], 65280);
  EXPECT_EQ(LayerColour(s, 1), 16719390);
  EXPECT_EQ(LayerColour(s, 2), 255);
  EXPECT_EQ(LayerColour(s, 7), 16777215);
  EXPECT_EQ(LayerColour(s, 0), 0);
  EXPECT_EQ(LayerColour(s, 8), 0);
}

TEST(ColourScheme, FileNames) {
  EXPECT_EQ(ColourSchemeFileName(1), "C_USER1.DAT");
  EXPECT_EQ(ColourSchemeFileName(3), "C_USER3.DAT");
  EXPECT_EQ(ColourSchemeFileName(0), "");
  EXPECT_EQ(ColourSchemeFileName(4), "");
}

TEST_F(ColourSchemeFile, WriteThenReadGivesTheSameColoursLittleEndian) {
  const fs::path p = Path("C_USER1.DAT");
  TFarbschema s = Distinct();
  s.Farben[fsC1] = 0x00332211;
  ASSERT_TRUE(WriteColourScheme(p, s).ok());

  const std::vector<uint8_t> bytes = ReadBytes(p);
  ASSERT_EQ(bytes.size(), kSchemeFileSize);
  EXPECT_EQ(bytes[8], 0x11);
  EXPECT_EQ(bytes[9], 0x22);
  EXPECT_EQ(bytes[10], 0x33);
  EXPECT_EQ(bytes[11], 0x00);

  const TColourSchemeRead r = ReadColourScheme(p);
  ASSERT_TRUE(r.Error.ok()) << r.Error.Describe();
  EXPECT_EQ(r.Scheme, s);
  EXPECT_FALSE(fs::exists(Path("C_USER1.DAT.tmp")));
}

TEST_F(ColourSchemeFile, NegativeColoursBecomeZeroExceptForI1I2AndO) {
  TFarbschema all;
  all.Farben.fill(-1);
  const fs::path p = Path("C_USER2.DAT");
  WriteBytes(p, Bytes(all));

  const TColourSchemeRead r = ReadColourScheme(p);
  ASSERT_TRUE(r.Error.ok());
  for (int i = 0; i < kSchemeColourCount; ++i) {
    const bool kept = i == fsI1 || i == fsI2 || i == fsO;
    EXPECT_EQ(r.Scheme.Farben[i], kept ? -1 : 0) << i;
  }
}

TEST_F(ColourSchemeFile, BackgroundMinusOneLoadsAsZero) {
  TFarbschema s = Distinct();
  s.Farben[fsBackground] = -1;
  const fs::path p = Path("C_USER3.DAT");
  WriteBytes(p, Bytes(s));
  const TColourSchemeRead r = ReadColourScheme(p);
  ASSERT_TRUE(r.Error.ok());
  EXPECT_EQ(r.Scheme.Farben[fsBackground], 0);
  EXPECT_EQ(r.Scheme.Farben[fsGrid], s.Farben[fsGrid]);
}

TEST_F(ColourSchemeFile, MissingFileGivesTheDefaults) {
  const TColourSchemeRead r = ReadColourScheme(Path("C_USER1.DAT"));
  EXPECT_TRUE(r.Error.ok());
  EXPECT_EQ(r.Scheme, StandardColourScheme());
}

TEST_F(ColourSchemeFile, ShortFileIsAnErrorNamingTheFile) {
  for (const std::size_t size : {std::size_t{0}, std::size_t{4}, kSchemeFileSize - 1}) {
    const fs::path p = Path("C_USER1.DAT");
    WriteBytes(p, std::vector<uint8_t>(size, 0x7f));
    const TColourSchemeRead r = ReadColourScheme(p);
    EXPECT_EQ(r.Error.Kind, IoErrorKind::EndsEarly) << size;
    EXPECT_EQ(r.Error.File, p.string());
    EXPECT_NE(r.Error.Describe().find("C_USER1.DAT"), std::string::npos);
    EXPECT_EQ(r.Scheme, StandardColourScheme());
  }
}

TEST_F(ColourSchemeFile, BytesAfterTheFirst48AreIgnored) {
  std::vector<uint8_t> bytes = Bytes(Distinct());
  bytes.insert(bytes.end(), {1, 2, 3, 4});
  const fs::path p = Path("C_USER1.DAT");
  WriteBytes(p, bytes);
  const TColourSchemeRead r = ReadColourScheme(p);
  ASSERT_TRUE(r.Error.ok());
  EXPECT_EQ(r.Scheme, Distinct());
}

TEST_F(ColourSchemeFile, AFolderInsteadOfAFileCannotBeRead) {
  const fs::path p = Path("C_USER1.DAT");
  fs::create_directory(p);
  const TColourSchemeRead r = ReadColourScheme(p);
  EXPECT_EQ(r.Error.Kind, IoErrorKind::CannotRead);
  EXPECT_EQ(r.Error.File, p.string());
}

TEST_F(ColourSchemeFile, WriteReplacesAnExistingFile) {
  const fs::path p = Path("C_USER1.DAT");
  ASSERT_TRUE(WriteColourScheme(p, StandardColourScheme()).ok());
  ASSERT_TRUE(WriteColourScheme(p, Distinct()).ok());
  EXPECT_EQ(ReadColourScheme(p).Scheme, Distinct());
}

TEST_F(ColourSchemeFile, FailedWritesAreReportedAndLeaveNothingBehind) {
  // A missing folder: the temporary file cannot be created.
  const fs::path missing = Path("no such folder") / "C_USER1.DAT";
  const IoError e1 = WriteColourScheme(missing, Distinct());
  EXPECT_EQ(e1.Kind, IoErrorKind::CannotWrite);
  EXPECT_EQ(e1.File, missing.string());

  // The target is a folder: the rename fails, and the temporary file goes.
  const fs::path folder = Path("C_USER2.DAT");
  fs::create_directory(folder);
  const IoError e2 = WriteColourScheme(folder, Distinct());
  EXPECT_EQ(e2.Kind, IoErrorKind::CannotWrite);
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_FALSE(fs::exists(Path("C_USER2.DAT.tmp")));
}

}  // namespace
}  // namespace corvane
