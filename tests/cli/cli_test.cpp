// corvane-cli run as a program: dump and convert on files our writer made,
// on rejected and on damaged files.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "io/file_bytes.h"
#include "io/lay_write.h"
#include "io/macro_file.h"
#include "lay_fixtures.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out, err;
};

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  static std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  Outcome Run(const std::string& args) const {
    const std::string out = Path("stdout.txt"), err = Path("stderr.txt");
    const std::string command = std::string(CORVANE_CLI) + " " + args + " >" + out + " 2>" + err;
    Outcome r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;  // a crash is no exit
    r.out = Slurp(out);
    r.err = Slurp(err);
    return r;
  }
  fs::path dir_;
};

TEST_F(Cli, VersionStillWorks) {
  const Outcome r = Run("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Corvane 5.0\n");
}

TEST_F(Cli, DumpPrintsTheProjectAsJson) {
  Write("sample.lay", EncodeLayout(fixtures::SampleProject()));
  const Outcome r = Run("dump " + Path("sample.lay") + " --lang 1");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.rfind("{\"Version\":5,\"ActiveBoard\":1,\"Title\":\"Sample\"", 0), 0u);
  EXPECT_EQ(r.out.back(), '\n');
  EXPECT_NE(r.out.find("\"Typ\":3"), std::string::npos);  // font texts are kept (answer No)
}

TEST_F(Cli, RejectedAndDamagedFilesGiveTheMessageAndStatus1) {
  Write("newer.lay", {0x06, 0x33, 0xAA, 0xFF});
  Write("other.lay", {0x04, 0x33, 0xAA, 0xFE});
  std::vector<uint8_t> cut = EncodeLayout(fixtures::SampleProject());
  cut.resize(cut.size() / 2);
  Write("cut.lay", cut);
  const struct {
    std::string args, err;
  } cases[] = {
      {"dump " + Path("newer.lay") + " --lang 1",
       "\"newer.lay\" was created with a newer version of Corvane (Version 6).\n"
       "Your version of Corvane is not able to open this file.\n"},
      {"dump " + Path("other.lay") + " --lang 1", "\"other.lay\" is not a Corvane file.\n"},
      {"dump " + Path("other.lay") + " --lang 0", "\xE2\x80\x9Eother.lay\xE2\x80\x9C ist keine Corvane-Datei.\n"},
      {"dump " + Path("missing.lay") + " --lang 1", "The file \"" + Path("missing.lay") + "\" does not exist.\n"},
      {"dump " + Path("macro.lmk") + " --lang 1", "The file \"" + Path("macro.lmk") + "\" does not exist.\n"},
  };
  for (const auto& c : cases) {
    const Outcome r = Run(c.args);
    EXPECT_EQ(r.status, 1) << c.args;
    EXPECT_EQ(r.err, c.err) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
  }
  const Outcome damaged = Run("dump " + Path("cut.lay") + " --lang 1");
  EXPECT_EQ(damaged.status, 1);
  EXPECT_EQ(damaged.err.rfind("\"cut.lay\" is damaged and cannot be opened.\n", 0), 0u) << damaged.err;
}

TEST_F(Cli, ConvertWritesVersion5) {
  Write("old.lay", fixtures::FileV3V4(4, {fixtures::OldBoard{}}, 0));
  const Outcome r = Run("convert " + Path("old.lay") + " " + Path("new.lay"));
  EXPECT_EQ(r.status, 0) << r.err;
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadFileBytes(Path("new.lay"), bytes).ok());
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes[0], 5);
  const Outcome dump = Run("dump " + Path("new.lay"));
  EXPECT_EQ(dump.status, 0);
  EXPECT_EQ(dump.out.rfind("{\"Version\":5,\"ActiveBoard\":0,\"Title\":\"Old title\"", 0), 0u);

  const Outcome failed = Run("convert " + Path("old.lay") + " " + Path("no/folder/new.lay") + " --lang 1");
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err, "The file \"" + Path("no/folder/new.lay") + "\" can not be written.\n");
}

TEST_F(Cli, TheLanguageFileBesideTheProgramIsTheDefault) {
  // Without --lang the program's rule applies; the build folder has no
  // language file, so the messages are German.
  Write("other.lay", {0x04, 0x33, 0xAA, 0xFE});
  const Outcome r = Run("dump " + Path("other.lay"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "\xE2\x80\x9Eother.lay\xE2\x80\x9C ist keine Corvane-Datei.\n");
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(Cli, DumpPrintsAMacro) {
  ElementList list;
  list.Add(CreatePad({100, -100}, lyC1, psCircular, 20, 50));
  list.Add(fixtures::Track({{100, -100}, {300, -100}}));
  Write("part.LMK", EncodeMacro(list, false, {100, -100}, "DIL", ""));
  const Outcome r = Run("dump " + Path("part.LMK"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("{\"Kind\":\"macro\",\"Version\":5,\"Text1\":\"DIL\",\"Text2\":\"\","
                        "\"Elements\":[\n{\"Typ\":2,\"X\":0,\"Y\":0,",
                        0),
            0u)
      << r.out;
  EXPECT_EQ(Count(r.out, "{\"Typ\":"), 2u);

  std::vector<uint8_t> cut = EncodeMacro(list, false, {0, 0}, "", "");
  cut.resize(cut.size() - 10);
  Write("cut.lmk", cut);
  const Outcome damaged = Run("dump " + Path("cut.lmk") + " --lang 1");
  EXPECT_EQ(damaged.status, 1);
  EXPECT_EQ(damaged.out, "");
  EXPECT_EQ(damaged.err.rfind("\"cut.lmk\" is damaged and cannot be opened.\n", 0), 0u) << damaged.err;
  // Macros are read, not written, by convert.
  const Outcome converted = Run("convert " + Path("part.LMK") + " " + Path("x.lay") + " --lang 1");
  EXPECT_EQ(converted.status, 1);
}

TEST_F(Cli, FontTextsAreConvertedOnlyWhenAsked) {
  Write("sample.lay", EncodeLayout(fixtures::SampleProject()));  // one font text per board
  const std::string fontText = "{\"Typ\":3,";
  EXPECT_EQ(Count(Run("dump " + Path("sample.lay")).out, fontText), 2u);
  const Outcome converted = Run("dump " + Path("sample.lay") + " --convert-font-texts");
  EXPECT_EQ(converted.status, 0) << converted.err;
  EXPECT_EQ(Count(converted.out, fontText), 0u);
  EXPECT_EQ(Count(converted.out, "{\"Typ\":7,"), 4u);  // two texts and two converted ones

  ASSERT_EQ(Run("convert " + Path("sample.lay") + " " + Path("new.lay") + " --convert-font-texts").status, 0);
  EXPECT_EQ(Count(Run("dump " + Path("new.lay")).out, fontText), 0u);

  fixtures::OldElement font;
  font.Typ = otFontText;
  font.Layer = lyS1;
  font.Wert1 = -16;
  font.Text = "R1";
  fixtures::Bytes macro;
  macro.Put<uint32_t>(0xFFAA3304u).Put<int32_t>(1).Raw(fixtures::RecordV4(font)).LongString(font.Text);
  macro.Put<int32_t>(0).ShortString("", 50).ShortString("", 50);
  Write("old.lmk", macro.Data());
  EXPECT_EQ(Count(Run("dump " + Path("old.lmk")).out, fontText), 1u);
  const Outcome m = Run("dump " + Path("old.lmk") + " --convert-font-texts");
  EXPECT_EQ(m.status, 0) << m.err;
  EXPECT_EQ(Count(m.out, fontText), 0u);
  EXPECT_EQ(Count(m.out, "{\"Typ\":7,"), 1u);
}

TEST_F(Cli, BadArgumentsShowTheUsage) {
  for (const char* args : {"", "dump", "dump a b", "dump x.lay --lang 3", "dump x.lay --lang", "frobnicate x"}) {
    const Outcome r = Run(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
  }
}

}  // namespace
}  // namespace corvane
