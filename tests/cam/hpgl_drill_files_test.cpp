#include "cam/hpgl_drill_files.h"

#include <gtest/gtest.h>

#include "drill_fixtures.h"

namespace corvane {
namespace {

// Board height 10000; bounds chosen by the test, factor 0.4.
const TIntRect kBounds{0, -10000, 1000, 0};

THpglOutputOptions Drill(THpglDrillOutput output) {
  THpglOutputOptions o;
  o.Drill.Output = output;
  return o;
}

// Holes of 1.2 mm at x 500, 0.8 mm at x 1000 and x 0 (nearest to the start).
TPlatine Holes() {
  return BoardOf({DrillPad(500, -10000, 120), DrillPad(1000, -10000, 80, true), DrillPad(0, -10000, 80)});
}

TEST(HpglDrillFiles, FileNamesPerLanguage) {
  struct Case {
    int language;
    const char *all, *diameter, *milling;
  } cases[] = {{0, "BOHRUNG.PLT", "BOHR_80.PLT", "BOHR_FRS.PLT"},
               {1, "DRILLING.PLT", "DRIL_80.PLT", "DRIL_MIL.PLT"},
               {2, "PERCAGES.PLT", "PERC_80.PLT", "DRIL_MIL.PLT"}};
  for (const Case& c : cases) {
    EXPECT_EQ(HpglAllDrillsName(c.language), c.all);
    EXPECT_EQ(HpglDiameterDrillName(c.language, 80), c.diameter);
    EXPECT_EQ(HpglMillingDrillName(c.language), c.milling);
  }
}

TEST(HpglDrillFiles, OneFileWithOwnPensInIncreasingDiameter) {
  TPlatine board = Holes();
  THpglOutputOptions o = Drill(THpglDrillOutput::OneFile);
  const auto plain = HpglDrillFiles(board, kBounds, o, 1);
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(plain[0].Name, "DRILLING.PLT");
  EXPECT_EQ(plain[0].Lines, (std::vector<std::string>{"IN;", "PT0;", "PU;", "PA0,0;", "PD;", "PA0,0;", "PU;",
                                                      "PA200,0;", "PD;", "PA200,0;", "PU;", "PA400,0;", "PD;",
                                                      "PA400,0;", "PU;"}));
  o.Drill.OwnLayers = true;
  const auto pens = HpglDrillFiles(board, kBounds, o, 0);
  ASSERT_EQ(pens.size(), 1u);
  EXPECT_EQ(pens[0].Name, "BOHRUNG.PLT");
  EXPECT_EQ(pens[0].Lines, (std::vector<std::string>{"IN;", "PT0;", "PU;", "SP2;", "PA0,0;", "PD;", "PA0,0;",
                                                     "PU;", "PA400,0;", "PD;", "PA400,0;", "PU;", "SP3;", "PA200,0;",
                                                     "PD;", "PA200,0;", "PU;"}));
}

TEST(HpglDrillFiles, OneFilePerDiameterWithReferenceMarks) {
  TPlatine board = Holes();
  THpglOutputOptions o = Drill(THpglDrillOutput::FilePerDiameter);
  o.Referenz.TopRight = true;
  const auto files = HpglDrillFiles(board, kBounds, o, 2);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].Name, "PERC_80.PLT");
  EXPECT_EQ(files[1].Name, "PERC_120.PLT");
  EXPECT_EQ(files[1].Lines, (std::vector<std::string>{"IN;", "PT0;", "PU;", "PA400,4000;", "PD;", "PU;",
                                                      "PA200,0;", "PD;", "PA200,0;", "PU;"}));
}

TEST(HpglDrillFiles, MillingCirclesOrPlungesForHolesNarrowerThanTheTool) {
  TPlatine board = Holes();
  THpglOutputOptions o = Drill(THpglDrillOutput::Milling);
  o.Drill.SecondLayer = true;
  o.Drill.MillingWidthMm = 1.0;  // half width 50: 0.8 mm holes (radius 40) are plunged
  o.Spiegeln = THpglMirror::Horizontal;
  const auto files = HpglDrillFiles(board, kBounds, o, 1);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].Name, "DRIL_MIL.PLT");
  // Mirrored in x within 0..1000; the 1.2 mm hole: (60 - 50) * 0.4 = 4.
  EXPECT_EQ(files[0].Lines, (std::vector<std::string>{"IN;", "SP2;", "PT0;", "PU;", "PA400,0;", "PD;", "PA400,0;",
                                                      "PU;", "PA200,0;", "PD;", "CI4;", "PU;", "PA0,0;", "PD;",
                                                      "PA0,0;", "PU;"}));
  EXPECT_TRUE(HpglDrillFiles(board, kBounds, Drill(THpglDrillOutput::None), 1).empty());
}

TEST(HpglIsolation, OutlinesClosedTextsStrokedAndPilotHolesOfTheLayer) {
  TPlatine board = BoardOf({DrillPad(500, -10000, 120, false, lyC2), DrillPad(1000, -10000, 80, false, lyC1)});
  TObjekt text;
  text.Typ = otText;
  text.Layer = lyC1;
  text.Striche.push_back(OutlineTrack({{0, -9000}, {100, -9000}}));
  text.Striche.push_back(OutlineTrack({{50, -9000}}));  // a single point is not milled
  TObjekt other = text;
  other.Layer = lyC2;
  THpglOutputOptions o;
  o.PilotHoles = true;
  const std::vector<TOutline> outlines{{{0, -10000}, {1000, -10000}, {1000, -9000}}, {}};
  EXPECT_EQ(IsolationLines(board, outlines, {&text, &other}, lyC1, kBounds, o),
            (std::vector<std::string>{"IN;", "PT0;", "PU;", "PA0,0;", "PD;", "PA400,0;", "PA400,400;", "PA0,0;",
                                      "PU;", "PA0,400;", "PD;", "PA40,400;", "PU;", "PA400,0;", "PD;", "PA400,0;",
                                      "PU;"}));
}

class HpglIsolationWrite : public DrillScratch {};

TEST_F(HpglIsolationWrite, CompanionFilesGoBesideTheIsolationFile) {
  TPlatine board = Holes();
  THpglOutputOptions o = Drill(THpglDrillOutput::FilePerDiameter);
  const TCamResult r = WriteIsolationFile(board, {{{0, 0}, {10, 0}}}, {}, lyC1, o, false, 1, PathOf("iso.plt"));
  ASSERT_TRUE(r.Ok) << r.Error;
  auto names = Entries();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"DRIL_120.PLT", "DRIL_80.PLT", "iso.plt"}));
  EXPECT_EQ(Bytes(PathOf("DRIL_120.PLT")), CrLf({"IN;", "PT0;", "PU;", "PA200,0;", "PD;", "PA200,0;", "PU;"}));

  EXPECT_FALSE(WriteIsolationFile(board, {}, {}, lyC1, o, false, 1, PathOf("none/iso.plt")).Ok);
}

}  // namespace
}  // namespace corvane
