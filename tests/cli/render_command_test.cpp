// corvane-cli render run as a program on the example project.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/project.h"
#include "core/units.h"
#include "io/lay_load.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const std::string kDemo = std::string(CORVANE_SOURCE_DIR) + "/examples/demo.lay";

struct Outcome {
  int status = -1;
  std::string err;
};

class RenderCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("render_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::vector<uint8_t> Bytes(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }
  Outcome Run(const std::string& args) const {
    const std::string err = Path("stderr.txt");
    const std::string command = std::string(CORVANE_CLI) + " render " + args + " >/dev/null 2>" + err;
    Outcome r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;  // a crash is no exit
    std::ifstream in(err);
    r.err = std::string(std::istreambuf_iterator<char>(in), {});
    return r;
  }
  fs::path dir_;
};

uint32_t BigEndian32(const std::vector<uint8_t>& b, std::size_t at) {
  return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) | b[at + 3];
}
int32_t LittleEndian32(const std::vector<uint8_t>& b, std::size_t at) {
  return static_cast<int32_t>(uint32_t{b[at]} | (uint32_t{b[at + 1]} << 8) | (uint32_t{b[at + 2]} << 16) |
                              (uint32_t{b[at + 3]} << 24));
}

// The size of board `index` of the demo at `dpi`: rnd(dpi * W / 2540) x rnd(dpi * H / 2540).
std::pair<int32_t, int32_t> DemoPixels(std::size_t index, double dpi) {
  TProject project;
  EXPECT_TRUE(LoadLayout(kDemo, project, {}).ok());
  const TPlatinenKopf& h = project.Boards().at(index).Kopf;
  return {Rnd(dpi * h.Breite / 2540), Rnd(dpi * h.Hoehe / 2540)};
}

TEST_F(RenderCli, WritesPngAndBmpOfTheBoardSize) {
  Outcome r = Run(kDemo + " -o " + Path("demo.png"));
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<uint8_t> png = Bytes("demo.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
  const auto [w, h] = DemoPixels(0, 300);
  EXPECT_EQ(BigEndian32(png, 16), static_cast<uint32_t>(w));
  EXPECT_EQ(BigEndian32(png, 20), static_cast<uint32_t>(h));

  r = Run(kDemo + " -o " + Path("second.BMP") + " --board 1 --dpi 100");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<uint8_t> bmp = Bytes("second.BMP");
  ASSERT_GT(bmp.size(), 26u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  const auto [w1, h1] = DemoPixels(1, 100);
  EXPECT_EQ(LittleEndian32(bmp, 18), w1);
  EXPECT_EQ(std::abs(LittleEndian32(bmp, 22)), h1);
}

// How many pixels of an uncompressed 24- or 32-bit BMP have this colour.
int CountColour(const std::vector<uint8_t>& bmp, uint8_t r, uint8_t g, uint8_t b) {
  const int32_t w = LittleEndian32(bmp, 18), h = std::abs(LittleEndian32(bmp, 22));
  const int bytes = bmp[28] / 8;
  const std::size_t stride = ((static_cast<std::size_t>(w) * bmp[28] + 31) / 32) * 4;
  const std::size_t offset = static_cast<uint32_t>(LittleEndian32(bmp, 10));
  int n = 0;
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const std::size_t at = offset + stride * y + static_cast<std::size_t>(x) * bytes;
      if (at + 2 < bmp.size() && bmp[at] == b && bmp[at + 1] == g && bmp[at + 2] == r) ++n;
    }
  return n;
}

TEST_F(RenderCli, PhotoViewOfEitherSide) {
  const std::string cases[] = {" --photo 1", " --photo 2", " --photo 2 --xray", " --no-silk"};
  int silkOn = -1;
  std::vector<std::vector<uint8_t>> pictures;
  for (const std::string& args : cases) {
    SCOPED_TRACE(args);
    const Outcome r = Run(kDemo + " -o " + Path("photo.bmp") + " --dpi 100" + args);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<uint8_t> bmp = Bytes("photo.bmp");
    ASSERT_GT(bmp.size(), 54u);
    const auto [w, h] = DemoPixels(0, 100);
    EXPECT_EQ(LittleEndian32(bmp, 18), w);
    // Board material or copper under the mask covers most of the picture.
    EXPECT_GT(CountColour(bmp, 22, 117, 22) + CountColour(bmp, 0, 190, 0), w * h / 4);
    // The demo's through-plated pads show tinned from both sides.
    EXPECT_GT(CountColour(bmp, 220, 170, 20), 0);
    if (args == " --photo 1") silkOn = CountColour(bmp, 220, 220, 220);
    if (args == " --no-silk") {
      EXPECT_EQ(CountColour(bmp, 220, 220, 220), 0);
    }
    pictures.push_back(bmp);
  }
  EXPECT_GT(silkOn, 0);
  // Each option changes the picture.
  for (std::size_t i = 0; i < pictures.size(); ++i)
    for (std::size_t j = i + 1; j < pictures.size(); ++j) EXPECT_NE(pictures[i], pictures[j]) << cases[i] << cases[j];
}

TEST_F(RenderCli, ErrorsAreMessagesWithStatus1) {
  struct Case {
    std::string args;
    std::string message;
  } cases[] = {
      {kDemo + " -o " + Path("x.gif"), ".png or .bmp"},
      {kDemo + " -o " + Path("x.png") + " --board 9", "no board 9"},
      {Path("missing.lay") + " -o " + Path("x.png"), "missing.lay"},
      {kDemo + " -o " + Path("no/such/folder/x.png"), "cannot write"},
  };
  for (const Case& c : cases) {
    const Outcome r = Run(c.args + " --lang 1");
    EXPECT_EQ(r.status, 1) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
  }
  EXPECT_FALSE(fs::exists(Path("x.png")));
}

TEST_F(RenderCli, BadArgumentsShowTheUsage) {
  for (const std::string& args : {std::string(""), kDemo, kDemo + " -o", kDemo + " -o a.png --dpi 0",
                                  kDemo + " -o a.png --dpi x", kDemo + " -o a.png --board -1",
                                  kDemo + " -o a.png --photo 3", kDemo + " -o a.png --lang 7",
                                  kDemo + " " + kDemo + " -o a.png", kDemo + " -o a.png --frobnicate"}) {
    const Outcome r = Run(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("usage: corvane-cli render"), std::string::npos) << args;
  }
}

}  // namespace
}  // namespace corvane
