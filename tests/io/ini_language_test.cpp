#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "io/ini_file.h"
#include "io/language_file.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

TEST(IniFile, SectionsAndKeysIgnoreCaseAndBlanks) {
  const IniFile ini = IniFile::Parse(
      "\xEF\xBB\xBF; comment\r\n"
      "[Sprache]\r\n"
      "  Sprache = 2 \r\n"
      "Sprache=1\r\n"  // the first of two equal keys counts
      "[History]\n"
      "D1=C:\\boards\\a.lay\n"
      "Empty=\n"
      "no equals sign\n"
      "[sprache]\n"
      "Extra=x\n");
  EXPECT_EQ(ini.Value("SPRACHE", "sprache"), "2");
  EXPECT_EQ(ini.ReadString("history", "d1", ""), "C:\\boards\\a.lay");
  EXPECT_EQ(ini.ReadString("History", "Empty", "fallback"), "");
  EXPECT_EQ(ini.ReadString("History", "D2", "fallback"), "fallback");
  EXPECT_EQ(ini.Value("Sprache", "Extra"), "x");  // a repeated section continues the first
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Sprache", "History"}));
  EXPECT_EQ(ini.Keys("history"), (std::vector<std::string>{"D1", "Empty"}));
  EXPECT_FALSE(ini.HasSection("Missing"));
}

TEST(IniFile, IntegersOrTheFallback) {
  const struct {
    const char* value;
    long long expected;
  } cases[] = {{"12", 12}, {"-7", -7}, {"+3", 3}, {"$1F", 31}, {"0x10", 16}, {" 5 ", 5},
               {"1.5", -1}, {"abc", -1}, {"", -1}, {"12abc", -1}, {"99999999999999999999999", -1}};
  for (const auto& c : cases) {
    const IniFile ini = IniFile::Parse(std::string("[S]\nK=") + c.value + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "K", -1), c.expected) << c.value;
  }
  EXPECT_EQ(IniFile::Parse("[S]\n").ReadInteger("S", "K", 42), 42);
}

class LanguageFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("lang_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  void Write(const std::string& name, const std::string& text) { std::ofstream(dir_ / name) << text; }
  fs::path dir_;
};

TEST_F(LanguageFile, MissingFileMeansGerman) { EXPECT_EQ(ReadLanguage(dir_.string()), 0); }

TEST_F(LanguageFile, ValuesAndBadContents) {
  const struct {
    const char* text;
    int language;
  } cases[] = {{"[Sprache]\nSprache=1\n", 1}, {"[Sprache]\r\nSprache=2\r\n", 2}, {"[SPRACHE]\nsprache=1\n", 1},
               {"[Sprache]\nSprache=englisch\n", 0}, {"[Sprache]\nLanguage=1\n", 0}, {"[Other]\nSprache=1\n", 0},
               {"[Sprache]\nSprache=7\n", 0}, {"", 0}};
  for (const auto& c : cases) {
    Write("SPRACHE.INI", c.text);
    EXPECT_EQ(ReadLanguage(dir_.string()), c.language) << c.text;
    EXPECT_EQ(ReadLanguage(dir_.string() + "/"), c.language) << c.text;
  }
}

TEST_F(LanguageFile, TheFileNameIsMatchedWithoutCase) {
  Write("sprache.ini", "[Sprache]\nSprache=2\n");
  EXPECT_EQ(ReadLanguage(dir_.string()), 2);
}

}  // namespace
}  // namespace corvane
