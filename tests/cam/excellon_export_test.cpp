#include "cam/excellon_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "drill_fixtures.h"
#include "geom/element_bounds.h"

namespace corvane {
namespace {

using F = TExcellonFormat;

TEST(ExcellonNumber, FormatsLeadingZerosSignsAndUnits) {
  struct Case {
    int32_t n;
    F format;
    bool noLeadingZeros;
    const char* text;
  } cases[] = {
      {2540, F::Inch24, false, "010000"},   // 1.0 inch
      {2540, F::Inch24, true, "10000"},
      {254, F::Inch24, false, "001000"},    // 0.1 inch
      {1, F::Inch24, false, "000000"},      // below half a thousandth
      {-2540, F::Inch24, false, "-010000"},
      {-1250, F::MM32, false, "-01250"},    // -12.5 mm
      {1250, F::MM32, true, "1250"},
      {-3, F::MM32, true, "-3"},
      {0, F::MM32, false, "00000"},
      {0, F::MM33, true, "00"},
      {1250, F::MM33, false, "012500"},
      {-1250, F::MM33, true, "-12500"},
      {123456, F::MM32, false, "123456"},  // 1234.56 mm: more digits than the format, none lost
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExcellonNumber(c.n, c.format, c.noLeadingZeros), c.text) << c.n;
}

TEST(ExcellonNumber, ToolDiametersHaveAtMostFourSignificantDigits) {
  struct Case {
    int32_t d;
    F format;
    const char* text;
  } cases[] = {
      {80, F::Inch24, "0.031"},  // 0.031496... inch
      {80, F::MM32, "0.8"},       {120, F::MM33, "1.2"},  {2540, F::Inch24, "1"},
      {105, F::MM32, "1.05"},     {12345, F::MM32, "123.4"},  // tie to even
      {12355, F::MM32, "123.6"},  {100000, F::MM32, "1000"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExcellonToolDiameter(c.d, c.format), c.text) << c.d;
}

TEST(ExcellonFile, BoardWithoutHolesGivesHeaderAndEmptyBody) {
  TPlatine board = BoardOf({OutlineTrack({{0, 0}, {100, 0}}), DrillPad(0, 0, 80, false, lyS1)});
  EXPECT_EQ(ExcellonLines(board, {}, false),
            (std::vector<std::string>{"; Drill file", "; Format: 2.4 (00.0000)", "M48", "INCH", "%", "G05",
                                      "G90", "M30"}));
}

// C and A (0.8 mm, unplated), B (1.2 mm, plated) on a 160 x 100 mm board.
TPlatine ThreeHoles() {
  return BoardOf({DrillPad(1000, -9000, 80), DrillPad(2000, -5000, 120, true), DrillPad(500, -9500, 80)});
}

TEST(ExcellonFile, ToolsSortedHolesAndTheSpecialOptions) {
  TPlatine board = ThreeHoles();
  TExcellonOptions mm;
  mm.Format = F::MM32;
  EXPECT_EQ(ExcellonLines(board, mm, false),
            (std::vector<std::string>{"; Drill file", "; Format: 3.2 (000.00)", "M48", "METRIC", "T01C0.8",
                                      "T02C1.2", "%", "G05", "G90", "T01", "X00500Y00500", "X01000Y01000",
                                      "T02", "X02000Y05000", "M30"}));

  TExcellonOptions special = mm;
  special.Format = F::MM33;
  special.Sortieren = false;
  special.M71 = true;
  special.NoG90 = true;
  special.NoComments = true;
  special.NoLeadingZeros = true;
  EXPECT_EQ(ExcellonLines(board, special, false),
            (std::vector<std::string>{"M48", "M71", "T01C0.8", "T02C1.2", "%", "G05", "T01", "X10000Y10000",
                                      "X5000Y5000", "T02", "X20000Y50000", "M30"}));

  TExcellonOptions inch;
  inch.M71 = true;
  const auto inchLines = ExcellonLines(board, inch, false);
  ASSERT_GE(inchLines.size(), 4u);
  EXPECT_EQ(inchLines[3], "M72");
  EXPECT_EQ(inchLines[4], "T01C0.031");
}

TEST(ExcellonFile, OnlyThroughHolesLeaveOutUnplatedPads) {
  TPlatine board = ThreeHoles();
  TExcellonOptions o;
  o.Format = F::MM32;
  o.Bohrungen = false;
  o.NoComments = true;
  EXPECT_EQ(ExcellonLines(board, o, false),
            (std::vector<std::string>{"M48", "METRIC", "T01C1.2", "%", "G05", "G90", "T01", "X02000Y05000",
                                      "M30"}));
}

TEST(ExcellonFile, MirroredDrillSides) {
  TPlatine board = ThreeHoles();
  TExcellonOptions o;
  o.Format = F::MM32;
  o.NoComments = true;
  o.Bohrungen = false;
  o.Side = TExcellonSide::GerberMirror;
  EXPECT_EQ(ExcellonLines(board, o, false)[7], "X14000Y05000");  // 16000 - 2000

  o.Side = TExcellonSide::HpglMirror;
  const TIntRect b = *ListBounds(board.Elemente, board.Kopf.LayerState());
  const int32_t x = b.right - 2000 + b.left;
  EXPECT_EQ(ExcellonLines(board, o, false)[7], "X" + ExcellonNumber(x, F::MM32, false) + "Y05000");
  EXPECT_NE(x, 2000);
}

class ExcellonWrite : public DrillScratch {};

TEST_F(ExcellonWrite, OriginMovesTheHolesAndGerberMirrorNegatesX) {
  TPlatine board = ThreeHoles();
  board.Kopf.UrsprungX = 1000 * 1000;   // origin at (1000, -5000)
  board.Kopf.UrsprungY = -5000 * 1000;
  TExcellonOptions o;
  o.Format = F::MM32;
  o.NoComments = true;
  o.NoLeadingZeros = true;
  o.Side = TExcellonSide::GerberMirror;
  const std::string path = PathOf("board.drl");
  const TCamResult r = WriteExcellonFile(board, o, true, path);
  ASSERT_TRUE(r.Ok) << r.Error;
  // Relative to the origin A lies at (0, -4000), C at (-500, -4500), B at
  // (1000, 0); A is nearest to the start corner in moved coordinates.
  EXPECT_EQ(Bytes(path), CrLf({"M48", "METRIC", "T01C0.8", "T02C1.2", "%", "G05", "G90", "T01", "X0Y-4000",
                               "X500Y-4500", "T02", "X-1000Y0", "M30"}));
  EXPECT_EQ(board.Elemente[0].X, 1000.0f);  // moved back
  EXPECT_EQ(board.Elemente[0].Y, -9000.0f);
}

TEST_F(ExcellonWrite, FileThatCannotBeCreatedIsAFailureAndLeavesNothing) {
  TPlatine board = ThreeHoles();
  const std::string path = PathOf("missing/board.drl");
  const TCamResult r = WriteExcellonFile(board, {}, false, path);
  EXPECT_FALSE(r.Ok);
  EXPECT_NE(r.Error.find("board.drl"), std::string::npos) << r.Error;
  EXPECT_TRUE(Entries().empty());
}

TEST(ExcellonSettings, SpecialOptionsRoundTripThroughTheExcellonSection) {
  TSettings settings;
  TExcellonOptions read;
  ReadExcellonSettings(settings, read);
  EXPECT_FALSE(read.M71 || read.NoG90 || read.NoComments);

  settings.SetSection("Excellon", {{"g90", "1"}, {"Kommentare", "x"}});
  ReadExcellonSettings(settings, read);
  EXPECT_TRUE(read.NoG90);
  EXPECT_FALSE(read.NoComments);  // unreadable: off
  EXPECT_FALSE(read.M71);

  TExcellonOptions written;
  written.M71 = true;
  written.NoComments = true;
  WriteExcellonSettings(settings, written);
  EXPECT_EQ(settings.Section("Excellon"),
            (TKeyValueList{{"g90", "0"}, {"Kommentare", "1"}, {"M71", "1"}}));
  TExcellonOptions again;
  ReadExcellonSettings(settings, again);
  EXPECT_TRUE(again.M71 && again.NoComments && !again.NoG90);
}

}  // namespace
}  // namespace corvane
