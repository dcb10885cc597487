#include "cam/gerber_file.h"

#include <clocale>
#include <locale>

#include "gerber_test_files.h"
#include "geom/element_create.h"
#include "geom/points.h"
#include "geom/smd_geometry.h"

#include <cmath>
#include <cstdio>

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

class GerberFileTest : public GerberScratch {
 protected:
  // Runs body(g) between Start("TEST") and Finish and returns the file's lines.
  template <typename F>
  Strings Write(F body, bool mirror = false, int32_t mirrorWidth = 0, int32_t yOffset = 0) {
    TGerberFile g;
    g.Path = PathOf("out.gbr");
    g.Mirror = mirror;
    g.MirrorWidth = mirrorWidth;
    g.YOffset = yOffset;
    EXPECT_TRUE(g.Start("TEST")) << g.Error();
    body(g);
    EXPECT_TRUE(g.Finish()) << g.Error();
    return Lines(g.Path);
  }
};

TEST_F(GerberFileTest, WholeFileOfOneStroke) {
  const Strings lines = Write([](TGerberFile& g) {
    g.Penwidth(25);
    g.MoveTo(1, 2);
    g.LineTo(-3, 0);
  });
  const Strings expected = {"%FSLAX32Y32*%", "%MOMM*%", "%LNTEST*%", "G71*",    "G01*", "%ADD10C, 0.25*%",
                            "%LPD*%",        "G54D10*", "X1Y2D02*",  "X-3Y0D01*", "M02*"};
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(Entries(), 1u) << "temporary files left beside the output";
}

TEST_F(GerberFileTest, ApertureTableKeepsKindHoleAndSize) {
  const Strings lines = Write([](TGerberFile& g) {
    g.FlashRound(40, 80);  // D10
    g.FlashRound(30, 80);  // other drill: D11, same definition
    g.FlashRound(40, 80);  // D10 again
    g.Penwidth(160);       // drawing aperture of the same diameter: D12
    g.Penwidth(160);       // selected twice, written twice
    g.Penwidth(5);         // D13
  });
  const Strings defs(lines.begin() + 5, lines.begin() + 9);
  EXPECT_EQ(defs, (Strings{"%ADD10C, 1.60*%", "%ADD11C, 1.60*%", "%ADD12C, 1.60*%", "%ADD13C, 0.05*%"}));
  EXPECT_EQ(Image(lines), (Strings{"G54D10*", "D03*", "G54D11*", "D03*", "G54D10*", "D03*", "G54D12*", "G54D12*",
                                   "G54D13*"}));
}

TEST_F(GerberFileTest, MillimetresIgnoreTheLocale) {
  struct Case {
    int64_t hundredths;
    const char* text;
  } cases[] = {{25, "0.25"}, {0, "0.00"}, {5, "0.05"}, {100, "1.00"}, {12345, "123.45"}, {-105, "-1.05"}};
  for (const Case& c : cases) EXPECT_EQ(GerberMillimetres(c.hundredths), c.text);
  const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};
  const char* found = nullptr;
  for (const char* n : names)
    if (std::setlocale(LC_ALL, n) != nullptr) {
      found = n;
      break;
    }
  if (found == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
  std::locale::global(std::locale(found));
  for (const Case& c : cases) EXPECT_EQ(GerberMillimetres(c.hundredths), c.text);
  const Strings lines = Write([](TGerberFile& g) { g.Penwidth(37); });
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(lines[5], "%ADD10C, 0.37*%");
}

TEST_F(GerberFileTest, TracksAreOpenPolylinesAndOnePointIsAMove) {
  TObjekt one = CreateTrack(30, 1);
  one.Punkte = {{10.5f, -20.5f}};  // ties to even: 10, -20
  TObjekt three = CreateTrack(30, 1);
  three.Punkte = {{0, 0}, {100, 0}, {100, -100}};
  const Strings lines = Write(
      [&](TGerberFile& g) {
        g.PlotObjekt(one, 0, false);
        g.PlotObjekt(three, 0, false);
      },
      false, 0, 1000);
  EXPECT_EQ(Image(lines), (Strings{"G54D10*", "X10Y980D02*", "G54D10*", "X0Y1000D02*", "X100Y1000D01*",
                                   "X100Y900D01*"}));
}

TEST_F(GerberFileTest, ZoneRegionClosedOnceAndHatchedOnlyOutsideTheClearancePass) {
  TObjekt open = CreateZone(10, 1);
  open.Punkte = {{0, 0}, {200, 0}, {200, -100}, {0, -100}};
  TObjekt closed = open;
  closed.Punkte.push_back({0, 0});
  const Strings region = {"G36*", "X0Y0D02*", "X200Y0D01*", "X200Y-100D01*", "X0Y-100D01*", "X0Y0D01*", "G37*"};
  const Strings border = {"X0Y0D02*", "X200Y0D01*", "X200Y-100D01*", "X0Y-100D01*", "X0Y0D01*"};
  for (const TObjekt* z : {&open, &closed}) {
    const Strings image = Image(Write([&](TGerberFile& g) { g.PlotObjekt(*z, 0, false); }));
    Strings expected = region;
    expected.push_back("G54D10*");
    expected.insert(expected.end(), border.begin(), border.end());
    EXPECT_EQ(image, expected) << "points: " << z->Punkte.size();
  }
  // Hatched with pitch 100: the vertices lie on hatch lines and are moved
  // 2 units first, so the lines at x = 0 and y = -100 miss the zone.
  TObjekt hatched = open;
  hatched.Schalter1 = 1;
  hatched.Schalter2 = 0;
  hatched.Wert3 = 100;
  Strings expected = {"G54D10*",      "X100Y-100D02*", "X100Y0D01*", "X200Y-100D02*", "X200Y0D01*",
                      "X0Y0D02*",     "X200Y0D01*",    "G54D11*"};
  expected.insert(expected.end(), border.begin(), border.end());
  const Strings hatchLines = Write([&](TGerberFile& g) { g.PlotObjekt(hatched, 0, false); });
  EXPECT_EQ(Image(hatchLines), expected);
  EXPECT_EQ(hatchLines[5], "%ADD10C, 0.50*%");
  // In the clearance pass the hatched zone is a solid region plus border.
  Strings cleared = region;
  cleared.push_back("G54D10*");
  cleared.insert(cleared.end(), border.begin(), border.end());
  EXPECT_EQ(Image(Write([&](TGerberFile& g) { g.PlotObjekt(hatched, 0, true); })), cleared);
}

TEST_F(GerberFileTest, ArcsRunCounterClockwiseAlsoMirrored) {
  struct Case {
    int32_t start, stop;
    bool mirror;
    bool filled;
    Strings image;
  } cases[] = {
      {0, 90, false, false, {"G54D10*", "G75*", "G01X1090Y500D02*", "G03X1000Y590I-90J0D01*", "G01*"}},
      {0, 90, true, false, {"G54D10*", "G75*", "G01X2000Y590D02*", "G03X1910Y500I0J-90D01*", "G01*"}},
      {0, 0, true, false, {"G54D10*", "G75*", "G01X1910Y500D02*", "G03X1910Y500I90J0D01*", "G01*"}},
      {0, 90, false, true, {"G54D10*", "G75*", "G01X1090Y500D02*", "G03X1000Y590I-90J0D01*", "G01*", "G36*",
                            "G75*", "G01X1090Y500D02*", "G03X1000Y590I-90J0D01*", "G01*", "G37*",
                            "X1090Y500D01*"}},
  };
  for (const Case& c : cases) {
    TObjekt ring = CreateCircle({1000, -500}, 100, 80, 1, psCircular);  // pen 20, path radius 90
    ring.Wert2 = c.start;
    ring.Wert1 = c.stop;
    ring.Fuellung = c.filled ? 1 : 0;
    const Strings lines = Write([&](TGerberFile& g) { g.PlotObjekt(ring, 0, false); }, c.mirror, 3000, 1000);
    EXPECT_EQ(Image(lines), c.image) << c.start << ".." << c.stop << " mirror " << c.mirror;
    EXPECT_EQ(lines[5], "%ADD10C, 0.20*%");
  }
}

TEST_F(GerberFileTest, PadGrowByShape) {
  struct Case {
    uint8_t shape;
    int32_t grow;
    Strings image;
    const char* definition;
  } cases[] = {
      {psCircular, 10, {"X500Y-500D02*", "G54D10*", "D03*"}, "%ADD10C, 1.20*%"},
      {psCircular, -10, {"X500Y-500D02*", "G54D10*", "D03*"}, "%ADD10C, 0.80*%"},
      {psRoundedH, -10, {"G54D10*", "X450Y-500D02*", "X550Y-500D01*"}, "%ADD10C, 0.80*%"},
      // A polygon pad never shrinks: its own corners.
      {psSquare, -10, {"G36*", "X450Y-450D02*", "X550Y-450D01*", "X550Y-550D01*", "X450Y-550D01*",
                       "X450Y-450D01*", "G37*"}, nullptr},
      {psSquare, 10, {"G36*", "X440Y-440D02*", "X560Y-440D01*", "X560Y-560D01*", "X440Y-560D01*",
                      "X440Y-440D01*", "G37*"}, nullptr},
  };
  for (const Case& c : cases) {
    const TObjekt pad = CreatePad({500, -500}, 1, c.shape, 20, 50);
    const Strings lines = Write([&](TGerberFile& g) { g.PlotObjekt(pad, c.grow, false); });
    EXPECT_EQ(Image(lines), c.image) << "shape " << int{c.shape} << " grow " << c.grow;
    if (c.definition != nullptr) {
      EXPECT_EQ(lines[5], c.definition);
    }
  }
}

TEST_F(GerberFileTest, OctagonGrownKeepsItsRotation) {
  TObjekt pad = CreatePad({0, 0}, 1, psOctagon, 20, 100);
  for (TFloatPoint& p : pad.Punkte) p = {-p.y, p.x};  // turned by 90 degrees
  const Strings image = Image(Write([&](TGerberFile& g) { g.PlotObjekt(pad, 20, false); }));
  ASSERT_EQ(image.size(), 11u);
  // Grown by 20: every corner lies 20 units further out along the pad's own
  // axes, so the outline is the stored one scaled by 120/100 (k rounds to 70
  // instead of 58.5 -> 59 and 70.2 -> 70, hence the tolerance of 1).
  for (std::size_t i = 0; i < 8; ++i) {
    int x = 0, y = 0;
    ASSERT_EQ(std::sscanf(image[1 + i].c_str(), "X%dY%d", &x, &y), 2) << image[1 + i];
    EXPECT_NEAR(x, pad.Punkte[i].x * 1.2, 1.5) << i;
    EXPECT_NEAR(y, pad.Punkte[i].y * 1.2, 1.5) << i;
  }
}

TEST_F(GerberFileTest, HoleOnlyPadIsWrittenOnlyInTheClearancePass) {
  const TObjekt hole = CreatePad({100, -100}, 1, psCircular, 50, 50);
  EXPECT_EQ(Image(Write([&](TGerberFile& g) { g.PlotObjekt(hole, 0, false); })), Strings{});
  EXPECT_EQ(Image(Write([&](TGerberFile& g) { g.PlotObjekt(hole, 20, true); })),
            (Strings{"X100Y-100D02*", "G54D10*", "D03*"}));
}

TEST_F(GerberFileTest, GrownElementsStayUnchanged) {
  TObjekt smd = CreateSmdPad({333.3f, -444.4f}, 120, 60, 1);
  for (TFloatPoint& p : smd.Punkte) p = RotatePoint(p, {333.3f, -444.4f}, 30);
  const TObjekt smdBefore = smd;
  TObjekt ring = CreateCircle({10, -10}, 100, 80, 1, psCircular);
  const TObjekt ringBefore = ring;
  const Strings lines = Write([&](TGerberFile& g) {
    g.PlotObjekt(smd, 7, false);
    g.PlotObjekt(ring, 5, false);
  });
  EXPECT_EQ(smd.Punkte, smdBefore.Punkte);
  EXPECT_EQ(smd.Mass1, smdBefore.Mass1);
  EXPECT_EQ(smd.Mass2, smdBefore.Mass2);
  EXPECT_EQ(ring.Mass1, ringBefore.Mass1);
  EXPECT_EQ(ring.Mass2, ringBefore.Mass2);
  // The SMD pad came out 134 x 74, the ring with a pen of 20 + 2 * 5.
  const Strings image = Image(lines);
  ASSERT_GE(image.size(), 7u);
  int x[4], y[4];
  for (int i = 0; i < 4; ++i) ASSERT_EQ(std::sscanf(image[1 + i].c_str(), "X%dY%d", &x[i], &y[i]), 2);
  EXPECT_NEAR(std::hypot(x[1] - x[0], y[1] - y[0]), 134, 1.5);
  EXPECT_NEAR(std::hypot(x[2] - x[1], y[2] - y[1]), 74, 1.5);
  EXPECT_EQ(lines[5], "%ADD10C, 0.30*%");
}

TEST_F(GerberFileTest, ThermalSpokesFollowTheMask) {
  TObjekt pad = CreatePad({1000, -1000}, 1, psCircular, 20, 60);
  pad.Freistanz = 40;
  pad.Wert2 = 0x05;   // north and east
  pad.Wert3 = 100;    // spoke width rnd(60 / 1.5) = 40
  const Strings lines = Write([&](TGerberFile& g) { g.PlotThermalPad(pad); });
  EXPECT_EQ(Image(lines), (Strings{"G54D10*", "X1000Y-900D02*", "X1000Y-1000D01*", "X1100Y-1000D02*",
                                   "X1000Y-1000D01*"}));
  EXPECT_EQ(lines[5], "%ADD10C, 0.40*%");
  TObjekt smd = CreateSmdPad({0, 0}, 90, 60, 1);
  smd.Freistanz = 10;
  smd.Wert2 = 0x10;  // south
  smd.Wert3 = 50;    // rnd(60 / 3 / 2) = 10
  const Strings smdLines = Write([&](TGerberFile& g) { g.PlotThermalSMD(smd); });
  EXPECT_EQ(Image(smdLines), (Strings{"G54D10*", "X0Y-40D02*", "X0Y0D01*"}));
  EXPECT_EQ(smdLines[5], "%ADD10C, 0.10*%");
}

TEST_F(GerberFileTest, StartFailsInAMissingFolderAndLeavesNothing) {
  TGerberFile g;
  g.Path = PathOf("missing/out.gbr");
  EXPECT_FALSE(g.Start("X"));
  EXPECT_NE(g.Error().find("missing/out.gbr"), std::string::npos) << g.Error();
  EXPECT_FALSE(g.Finish());
  EXPECT_EQ(Entries(), 0u);
}

}  // namespace
}  // namespace corvane
