// The BMP reader of the scanned-copy template: every accepted format gives the
// same two-colour picture; damaged files give an error naming the file.
#include <gtest/gtest.h>

#include <string>

#include "bmp_fixtures.h"
#include "io/bmp_file.h"

namespace corvane {
namespace {

using fixtures::MakeBmp;
using fixtures::PatternBmp;
using fixtures::TBmpRgb;
using fixtures::TBmpSpec;

void ExpectPattern(const TMonoBitmap& bmp, int32_t w, int32_t h) {
  ASSERT_EQ(bmp.Width, w);
  ASSERT_EQ(bmp.Height, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      ASSERT_EQ(bmp.Pixel(x, y), (x + 2 * y) % 3 == 0 ? 0 : 1) << "pixel " << x << "," << y;
}

struct TValidCase {
  const char* name;
  uint16_t bpp;
  bool topDown;
  uint32_t infoSize;
  bool bitfields;
};

TEST(BmpFile, EveryAcceptedFormatGivesThePicture) {
  const TValidCase cases[] = {
      {"1 bit", 1, false, 40, false},       {"4 bits", 4, false, 40, false},
      {"8 bits", 8, false, 40, false},      {"24 bits", 24, false, 40, false},
      {"32 bits", 32, false, 40, false},    {"32 bits, bit fields", 32, false, 40, true},
      {"1 bit top-down", 1, true, 40, false}, {"24 bits top-down", 24, true, 40, false},
      {"V4 header", 8, false, 108, false},  {"V5 header, bit fields", 32, true, 124, true},
  };
  for (const TValidCase& c : cases) {
    SCOPED_TRACE(c.name);
    TBmpSpec s = PatternBmp(13, 5, c.bpp);  // 13: rows end inside a byte and need padding
    s.TopDown = c.topDown;
    s.InfoSize = c.infoSize;
    s.Bitfields = c.bitfields;
    TMonoBitmap bmp;
    const IoError e = DecodeBmp(MakeBmp(s), "scan.bmp", bmp);
    ASSERT_TRUE(e.ok()) << e.Describe();
    ExpectPattern(bmp, 13, 5);
  }
}

TEST(BmpFile, ResolutionFromPixelsPerMetre) {
  const struct {
    int32_t ppm;
    int32_t dpi;
  } cases[] = {{23622, 600}, {11811, 300}, {3937, 100}, {47244, 1200}, {0, 600}, {-5, 600}};
  for (const auto& c : cases) {
    TBmpSpec s = PatternBmp(4, 4, 1);
    s.PixelsPerMetre = c.ppm;
    TMonoBitmap bmp;
    ASSERT_TRUE(DecodeBmp(MakeBmp(s), "scan.bmp", bmp).ok());
    EXPECT_EQ(bmp.Dpi, c.dpi) << c.ppm;
    EXPECT_EQ(DpiFromPixelsPerMetre(c.ppm), c.dpi);
  }
}

TEST(BmpFile, ColoursAreSplitByLuminanceAt128) {
  const struct {
    TBmpRgb colour;
    int bit;
  } cases[] = {
      {{0, 255, 0}, 1},      // 149.7
      {{255, 0, 0}, 0},      // 76.2
      {{0, 0, 255}, 0},      // 29.1
      {{128, 128, 128}, 1},  // exactly 128
      {{127, 127, 127}, 0},
      {{255, 255, 255}, 1},
  };
  for (uint16_t bpp : {8, 24, 32}) {
    for (const auto& c : cases) {
      TBmpSpec s;
      s.Width = 1;
      s.Height = 1;
      s.Bpp = bpp;
      s.Pixels = {c.colour};
      s.Palette = {{1, 2, 3}, c.colour};
      TMonoBitmap bmp;
      ASSERT_TRUE(DecodeBmp(MakeBmp(s), "scan.bmp", bmp).ok());
      EXPECT_EQ(bmp.Pixel(0, 0), c.bit) << int(c.colour.r) << "," << int(c.colour.g) << "," << int(c.colour.b)
                                        << " at " << bpp << " bits";
    }
  }
}

// Byte surgery on a valid 8-bit file.
struct TDamage {
  const char* name;
  void (*apply)(std::vector<uint8_t>&);
  IoErrorKind kind;
};

TEST(BmpFile, DamagedFilesAreRefused) {
  using B = std::vector<uint8_t>;
  const TDamage cases[] = {
      {"empty", [](B& b) { b.clear(); }, IoErrorKind::EndsEarly},
      {"not BM", [](B& b) { b[0] = 'X'; }, IoErrorKind::Unsupported},
      {"header cut", [](B& b) { b.resize(30); }, IoErrorKind::EndsEarly},
      {"pixels cut", [](B& b) { b.resize(b.size() - 1); }, IoErrorKind::EndsEarly},
      {"huge width", [](B& b) { fixtures::PutU32(b, 18, 0x7FFFFFFF); }, IoErrorKind::CountTooLarge},
      {"huge area, few bytes", [](B& b) { fixtures::PutU32(b, 18, 60000); fixtures::PutU32(b, 22, 60000); },
       IoErrorKind::CountTooLarge},
      {"size beyond bytes", [](B& b) { fixtures::PutU32(b, 22, 4000); }, IoErrorKind::EndsEarly},
      {"zero width", [](B& b) { fixtures::PutU32(b, 18, 0); }, IoErrorKind::BadValue},
      {"negative width", [](B& b) { fixtures::PutU32(b, 18, static_cast<uint32_t>(-8)); }, IoErrorKind::BadValue},
      {"zero height", [](B& b) { fixtures::PutU32(b, 22, 0); }, IoErrorKind::BadValue},
      {"lowest height", [](B& b) { fixtures::PutU32(b, 22, 0x80000000u); }, IoErrorKind::BadValue},
      {"offset past end", [](B& b) { fixtures::PutU32(b, 10, 0xFFFFFFF0u); }, IoErrorKind::BadValue},
      {"offset inside header", [](B& b) { fixtures::PutU32(b, 10, 20); }, IoErrorKind::BadValue},
      {"compressed", [](B& b) { fixtures::PutU32(b, 30, 1); }, IoErrorKind::Unsupported},
      {"16 bits", [](B& b) { fixtures::PutU16(b, 28, 16); }, IoErrorKind::Unsupported},
      {"two planes", [](B& b) { fixtures::PutU16(b, 26, 2); }, IoErrorKind::BadValue},
      {"small info header", [](B& b) { fixtures::PutU32(b, 14, 12); }, IoErrorKind::Unsupported},
      {"huge info header", [](B& b) { fixtures::PutU32(b, 14, 0xFFFFFF00u); }, IoErrorKind::Unsupported},
      {"too many colours", [](B& b) { fixtures::PutU32(b, 46, 1000); }, IoErrorKind::CountTooLarge},
      {"palette index out of range", [](B& b) { b.back() = 7; }, IoErrorKind::BadIndex},
  };
  TBmpSpec s = PatternBmp(8, 3, 8);  // two palette entries, rows of 8 bytes
  const std::vector<uint8_t> valid = MakeBmp(s);
  TMonoBitmap check;
  ASSERT_TRUE(DecodeBmp(valid, "scan.bmp", check).ok());
  for (const TDamage& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> bytes = valid;
    c.apply(bytes);
    TMonoBitmap bmp;
    bmp.Width = 5;  // a failed read leaves an empty bitmap
    const IoError e = DecodeBmp(bytes, "dir/scan.bmp", bmp);
    EXPECT_EQ(e.Kind, c.kind) << e.Describe();
    EXPECT_NE(e.Describe().find("scan.bmp"), std::string::npos) << e.Describe();
    EXPECT_TRUE(bmp.Empty());
  }
}

TEST(BmpFile, BitFieldsNeedTheirMasks) {
  TBmpSpec s = PatternBmp(1, 1, 32);
  s.Bitfields = true;
  std::vector<uint8_t> b = MakeBmp(s);
  b.resize(14 + 40 + 4);  // the masks after the header are cut
  TMonoBitmap bmp;
  EXPECT_EQ(DecodeBmp(b, "scan.bmp", bmp).Kind, IoErrorKind::EndsEarly);
}

TEST(BmpFile, MissingFileIsReported) {
  TMonoBitmap bmp;
  EXPECT_EQ(ReadBmpFile("/nonexistent/folder/scan.bmp", bmp).Kind, IoErrorKind::FileNotFound);
}

}  // namespace
}  // namespace corvane
