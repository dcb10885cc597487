// corvane-cli export excellon, drill-list and contour run on the example project.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace corvane {
namespace {

namespace fs = std::filesystem;

const std::string kDemo = std::string(CORVANE_SOURCE_DIR) + "/examples/demo.lay";

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

class DrillCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("drill_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::string Text(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  Outcome Run(const std::string& args) const {
    const std::string command = std::string(CORVANE_CLI) + " export " + args + " >" + Path("stdout.txt") + " 2>" +
                                Path("stderr.txt");
    Outcome r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = Text("stdout.txt");
    r.err = Text("stderr.txt");
    return r;
  }
  fs::path dir_;
};

TEST_F(DrillCli, DrillListPrintsCountsInTheChosenLanguage) {
  const Outcome en = Run("drill-list " + kDemo + " --lang 1");
  ASSERT_EQ(en.status, 0) << en.err;
  EXPECT_NE(en.out.find(" x  0.80 mm\n"), std::string::npos) << en.out;
  EXPECT_NE(en.out.find("----------------\n"), std::string::npos);
  EXPECT_NE(en.out.find(" drilings\n"), std::string::npos) << en.out;
  const Outcome fr = Run("drill-list " + kDemo + " --lang 2 --mil");
  ASSERT_EQ(fr.status, 0) << fr.err;
  EXPECT_NE(fr.out.find(" x   31 mil\n"), std::string::npos) << fr.out;
  EXPECT_NE(fr.out.find(" percages\n"), std::string::npos) << fr.out;
}

TEST_F(DrillCli, ExcellonOptionsReachTheFile) {
  ASSERT_EQ(Run("excellon " + kDemo + " -o " + Path("a.drl")).status, 0);
  const std::string inch = Text("a.drl");
  EXPECT_EQ(inch.rfind("; Drill file\r\n; Format: 2.4 (00.0000)\r\nM48\r\nINCH\r\nT01C0.031\r\n", 0), 0u) << inch;
  EXPECT_NE(inch.find("%\r\nG05\r\nG90\r\nT01\r\n"), std::string::npos);

  const Outcome r = Run("excellon " + kDemo + " --format mm33 --m71 --no-g90 --no-comments --no-leading-zeros"
                        " --plated no --side gerber --no-sort -o " + Path("b.drl"));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string mm = Text("b.drl");
  EXPECT_EQ(mm.rfind("M48\r\nM71\r\nT01C", 0), 0u) << mm;
  EXPECT_EQ(mm.find("G90"), std::string::npos);
  EXPECT_NE(inch, mm);
}

TEST_F(DrillCli, ContourFileStartsWithTheReferenceMarks) {
  const Outcome r = Run("contour " + kDemo + " --ref BL,TR --factor 0.3937 --mirror x -o " + Path("c.plt"));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string plt = Text("c.plt");
  EXPECT_EQ(plt.rfind("IN;\r\nPT0;\r\nPU;\r\nPA", 0), 0u) << plt.substr(0, 80);
  EXPECT_NE(plt.find("PD;\r\nPU;\r\nPA"), std::string::npos);
}

TEST_F(DrillCli, Errors) {
  struct Case {
    std::string args;
    int status;
    const char* message;
  } cases[] = {
      {"excellon " + kDemo + " --format mm34 -o " + Path("x.drl"), 2, "--format mm34"},
      {"excellon " + kDemo + " --plated", 2, "--plated needs a value"},
      {"excellon " + kDemo, 2, "-o OUT.drl is missing"},
      {"excellon " + kDemo + " -o " + Path("missing/x.drl"), 1, "x.drl"},
      {"contour " + kDemo + " --ref BL,XX -o " + Path("x.plt"), 2, "--ref BL,XX"},
      {"contour " + kDemo + " --factor 0.5 -o " + Path("x.plt"), 2, "--factor 0.5"},
      {"contour " + kDemo + " --selected -o " + Path("x.plt"), 1, "no selected track or circle"},
      {"contour " + kDemo + " -o " + Path("missing/x.plt"), 1, "x.plt"},
      {"drill-list " + kDemo + " --frobnicate", 2, "--frobnicate"},
  };
  for (const Case& c : cases) {
    const Outcome r = Run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
  }
  EXPECT_FALSE(fs::exists(Path("x.drl")));
  EXPECT_FALSE(fs::exists(Path("x.plt")));
}

}  // namespace
}  // namespace corvane
