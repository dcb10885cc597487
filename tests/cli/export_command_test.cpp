// corvane-cli export run as a program on the example project.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace corvane {
namespace {

namespace fs = std::filesystem;

const std::string kDemo = std::string(CORVANE_SOURCE_DIR) + "/examples/demo.lay";

struct Outcome {
  int status = -1;
  std::string err;
};

class ExportCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("export_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "out");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::string Text(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::set<std::string> Files(const std::string& folder) const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_ / folder)) names.insert(entry.path().filename().string());
    return names;
  }
  Outcome Run(const std::string& args) const {
    const std::string err = Path("stderr.txt");
    const std::string command = std::string(CORVANE_CLI) + " export " + args + " >/dev/null 2>" + err;
    Outcome r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;  // a crash is no exit
    std::ifstream in(err);
    r.err = std::string(std::istreambuf_iterator<char>(in), {});
    return r;
  }
  fs::path dir_;
};

TEST_F(ExportCli, GerberAllWritesEveryEnabledTargetAndTheDrillFile) {
  const Outcome r = Run("gerber-all " + kDemo + " -o " + Path("out") + " --lang 0");
  ASSERT_EQ(r.status, 0) << r.err;
  // The demo has no element on S2 and no SMD pads.
  const std::set<std::string> files = Files("out");
  for (const char* name : {"Kupfer1.GBR", "Kupfer2.GBR", "Bestueckung1.GBR", "Umriss.GBR", "Drill.drl"})
    EXPECT_EQ(files.count(name), 1u) << name;
  EXPECT_EQ(files.count("Bestueckung2.GBR"), 0u);
  EXPECT_EQ(files.count("SMD_Maske1.GBR"), 0u);
  const std::string copper = Text("out/Kupfer2.GBR");
  EXPECT_EQ(copper.rfind("%FSLAX32Y32*%\r\n%MOMM*%\r\n%LNKUPFERSEITE2*%\r\nG71*\r\nG01*\r\n", 0), 0u);
  EXPECT_NE(copper.find("\r\nM02*\r\n"), std::string::npos);
  // One target on its own gives the same file.
  const Outcome one = Run("gerber " + kDemo + " --target C2 --lang 0 -o " + Path("c2.gbr"));
  ASSERT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(Text("c2.gbr"), copper);
}

TEST_F(ExportCli, OptionsChangeTheFile) {
  ASSERT_EQ(Run("gerber " + kDemo + " --target LStop2 -o " + Path("a.gbr")).status, 0);
  ASSERT_EQ(Run("gerber " + kDemo + " --target LStop2 --pads 0.50 -o " + Path("b.gbr")).status, 0);
  ASSERT_EQ(Run("gerber " + kDemo + " --target LStop2 --invert --mirror -o " + Path("c.gbr")).status, 0);
  const std::string a = Text("a.gbr"), b = Text("b.gbr"), c = Text("c.gbr");
  EXPECT_NE(a, b);
  EXPECT_NE(a, c);
  EXPECT_EQ(a.find("%LPC*%"), std::string::npos);
  EXPECT_NE(c.find("%LPC*%"), std::string::npos);  // inverted: openings clear in a dark board
}

TEST_F(ExportCli, Errors) {
  struct Case {
    std::string args;
    int status;
    const char* message;
  } cases[] = {
      {"gerber " + kDemo + " --target S2 -o " + Path("s2.gbr"), 1, "target S2 has no elements"},
      {"gerber " + kDemo + " --target X9 -o " + Path("x.gbr"), 2, "unknown target X9"},
      {"gerber " + kDemo + " -o " + Path("x.gbr"), 2, "--target is missing"},
      {"gerber " + kDemo + " --target C1 --pads 0,3 -o " + Path("x.gbr"), 2, "--pads 0,3"},
      {"gerber " + kDemo + " --target C1 --smd 10 -o " + Path("x.gbr"), 2, "--smd 10"},
      {"gerber " + kDemo + " --target C1 --frobnicate -o " + Path("x.gbr"), 2, "--frobnicate"},
      {"gerber " + kDemo + " --target C1 -o " + Path("missing/x.gbr"), 1, "missing/x.gbr"},
      {"gerber " + kDemo + " --target C1 --board 7 -o " + Path("x.gbr"), 1, "there is no board 7"},
      {"gerber " + Path("none.lay") + " --target C1 -o " + Path("x.gbr"), 1, ""},
      {"gerber-all " + kDemo + " -o " + Path("missing"), 1, "does not exist"},
  };
  for (const Case& c : cases) {
    const Outcome r = Run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
    EXPECT_FALSE(r.err.empty()) << c.args;
  }
  EXPECT_EQ(Files("out").size(), 0u);
  EXPECT_FALSE(fs::exists(Path("x.gbr")));
  EXPECT_FALSE(fs::exists(Path("s2.gbr")));
}

}  // namespace
}  // namespace corvane
