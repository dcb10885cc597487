#include "cam/gerber_export.h"

#include <signal.h>
#include <sys/resource.h>

#include <cstdio>

#include "gerber_test_files.h"
#include "geom/element_create.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

TObjekt ThroughPad(TFloatPoint centre, double drill, double outer) {
  TObjekt pad = CreatePad(centre, lyC1, psCircular, drill, outer);
  pad.Durchkontaktiert = 1;
  return pad;
}

TPlatine SmallBoard() {
  TPlatine b;
  b.Kopf.Breite = 1000;
  b.Kopf.Hoehe = 500;
  return b;
}

class GerberExportTest : public GerberScratch {
 protected:
  Strings Export(TPlatine& board, TGerberTarget t, TGerberOptions o, bool applyRules = true) {
    if (applyRules) ApplyGerberDialogRules(t, o);
    const TCamResult r = PlotteGerberfile(board, t, o, PathOf("out.gbr"), 1);
    EXPECT_TRUE(r.Ok) << r.Error;
    return Lines(PathOf("out.gbr"));
  }
};

TEST(GerberTargets, NamesAndParsing) {
  EXPECT_EQ(GerberDefaultFileName(TGerberTarget::C1, 0), "Kupfer1.GBR");
  EXPECT_EQ(GerberDefaultFileName(TGerberTarget::SMD2, 2), "SMD_Masque2.GBR");
  EXPECT_EQ(GerberDefaultFileName(TGerberTarget::O, 1), "Outline.GBR");
  EXPECT_EQ(GerberLayerName(TGerberTarget::LStop2, 2), "MASQUESOUDURE2");
  EXPECT_EQ(GerberLayerName(TGerberTarget::SMD1, 0), "SMD_Maske1");
  for (TGerberTarget t : kGerberTargets) EXPECT_EQ(ParseGerberTarget(GerberTargetName(t)), t);
  EXPECT_EQ(ParseGerberTarget("lstop1"), TGerberTarget::LStop1);
  EXPECT_EQ(ParseGerberTarget("C3"), std::nullopt);
  EXPECT_EQ(ParseGerberTarget(""), std::nullopt);
}

TEST(GerberTargets, EmptyBoardDisablesEveryTarget) {
  const TPlatine board = SmallBoard();
  for (TGerberTarget t : kGerberTargets) EXPECT_FALSE(GerberTargetEnabled(board, t)) << GerberTargetName(t);
  EXPECT_EQ(RepairGerberSelection(board, TGerberTarget::C1), std::nullopt);
  EXPECT_EQ(RepairGerberSelection(board, std::nullopt), std::nullopt);
}

TEST(GerberTargets, EnablingAndSelectionRepair) {
  TPlatine board = SmallBoard();
  TObjekt silk = CreateTrack(10, lyS1);
  silk.Punkte = {{0, 0}, {10, 0}};
  board.Elemente.Add(silk);
  TObjekt track = CreateTrack(10, lyC2);
  track.Punkte = {{0, 0}, {10, 0}};
  track.Loetstopp = 0;
  board.Elemente.Add(track);
  // S2 was checked in an earlier export: the first enabled target takes over.
  EXPECT_EQ(RepairGerberSelection(board, TGerberTarget::S2), TGerberTarget::S1);
  EXPECT_EQ(RepairGerberSelection(board, TGerberTarget::C2), TGerberTarget::C2);
  EXPECT_FALSE(GerberTargetEnabled(board, TGerberTarget::LStop2));  // no element with a solder opening
  board.Elemente.Add(CreateSmdPad({50, -50}, 40, 20, lyC1));
  EXPECT_TRUE(GerberTargetEnabled(board, TGerberTarget::SMD1));
  EXPECT_TRUE(GerberTargetEnabled(board, TGerberTarget::LStop1));
  EXPECT_FALSE(GerberTargetEnabled(board, TGerberTarget::SMD2));
  // A through-plated pad counts on every copper layer, not on silk or outline.
  board.Elemente.Add(ThroughPad({100, -100}, 20, 40));
  for (TGerberTarget t : {TGerberTarget::I1, TGerberTarget::I2, TGerberTarget::LStop2})
    EXPECT_TRUE(GerberTargetEnabled(board, t)) << GerberTargetName(t);
  EXPECT_FALSE(GerberTargetEnabled(board, TGerberTarget::O));
}

TEST(GerberDialog, RulesPerTarget) {
  struct Case {
    TGerberTarget t;
    bool punch, pads, smd, others;
    double smdOffset;
  } cases[] = {
      {TGerberTarget::C1, true, false, false, false, 0.10},   {TGerberTarget::I2, true, false, false, false, 0.10},
      {TGerberTarget::S1, false, false, false, false, 0.10},  {TGerberTarget::O, false, false, false, false, 0.10},
      {TGerberTarget::LStop1, false, true, true, true, 0.10}, {TGerberTarget::SMD2, false, false, true, false, -0.10},
  };
  for (const Case& c : cases) {
    const TGerberDialogState s = GerberDialogRules(c.t, true, true);
    SCOPED_TRACE(GerberTargetName(c.t));
    EXPECT_EQ(s.PunchEnabled, c.punch);
    EXPECT_EQ(s.MarkEnabled, c.punch);
    EXPECT_EQ(s.MarkChecked, c.punch);
    EXPECT_EQ(s.PadsEnabled, c.pads);
    EXPECT_EQ(s.PadsChecked, c.pads);
    EXPECT_EQ(s.SmdPadsEnabled, c.smd);
    EXPECT_EQ(s.SmdPadsChecked, c.smd);
    EXPECT_EQ(s.OthersEnabled, c.others);
    EXPECT_EQ(s.InvertEnabled, c.pads || c.smd || c.others);
    EXPECT_DOUBLE_EQ(s.SmdOffset, c.smdOffset);
  }
  // "Mark drill holes" needs "Punch drill holes" checked.
  const TGerberDialogState unpunched = GerberDialogRules(TGerberTarget::C1, false, true);
  EXPECT_FALSE(unpunched.MarkEnabled);
  EXPECT_FALSE(unpunched.MarkChecked);
}

TEST_F(GerberExportTest, CopperWithoutGroundPlane) {
  TPlatine board = SmallBoard();
  board.Elemente.Add(CreatePad({100, -100}, lyC1, psCircular, 20, 40));
  TObjekt keepOut = CreateZone(10, lyC1);
  keepOut.Sperrflaeche = 1;
  keepOut.Punkte = {{0, 0}, {50, 0}, {50, -50}};
  board.Elemente.Add(keepOut);
  const Strings lines = Export(board, TGerberTarget::C1, {});
  EXPECT_EQ(lines[2], "%LNCOPPER1*%");
  // No dark fill, no clearances, no keep-out element, no spokes: just the pad.
  EXPECT_EQ(Image(lines), (Strings{"X100Y400D02*", "G54D10*", "D03*"}));
}

TEST_F(GerberExportTest, GroundPlaneClearancesThermalsAndKeepOut) {
  TPlatine board = SmallBoard();
  board.Kopf.MasseAn[lyC1 - 1] = 1;
  TObjekt pad = CreatePad({100, -100}, lyC1, psCircular, 20, 40);
  pad.Freistanz = 30;
  pad.Schalter1 = 1;
  pad.Wert2 = 0x01;  // north
  pad.Wert3 = 150;   // rnd(40 / 1.5 * 1.5) = 40
  board.Elemente.Add(pad);
  TObjekt keepOut = CreateZone(10, lyC1);
  keepOut.Sperrflaeche = 1;
  keepOut.Freistanz = 99;  // a keep-out element clears without its clearance
  keepOut.Punkte = {{0, 0}, {50, 0}, {50, -50}};
  board.Elemente.Add(keepOut);
  const Strings lines = Export(board, TGerberTarget::C1, {});
  const Strings expected = {
      "G36*", "X0Y500D02*", "X1000Y500D01*", "X1000Y0D01*", "X0Y0D01*", "X0Y500D01*", "G37*",  // whole board dark
      "%LPC*%",
      "X100Y400D02*", "G54D10*", "D03*",                                                         // pad + 30
      "G36*", "X0Y500D02*", "X50Y500D01*", "X50Y450D01*", "X0Y500D01*", "G37*",                  // keep-out region
      "G54D11*", "X0Y500D02*", "X50Y500D01*", "X50Y450D01*", "X0Y500D01*",                       // and its border
      "%LPD*%",
      "G54D12*", "X100Y470D02*", "X100Y400D01*",                                                 // spoke
      "X100Y400D02*", "G54D13*", "D03*"};                                                        // the pad itself
  EXPECT_EQ(Image(lines), expected);
  EXPECT_EQ(Strings(lines.begin() + 5, lines.begin() + 9),
            (Strings{"%ADD10C, 1.40*%", "%ADD11C, 0.10*%", "%ADD12C, 0.40*%", "%ADD13C, 0.80*%"}));
}

TEST_F(GerberExportTest, HoleOnlyPadsArePunchedButNeverCopper) {
  TPlatine board = SmallBoard();
  board.Kopf.MasseAn[lyC2 - 1] = 1;
  board.Elemente.Add(ThroughPad({200, -200}, 50, 50));  // hole only
  board.Elemente.Add(ThroughPad({300, -300}, 20, 45));
  for (bool mark : {false, true}) {
    TGerberOptions o;
    o.Punch = true;
    o.Mark = mark;
    const Strings lines = Export(board, TGerberTarget::C2, o);
    const Strings image = Image(lines);
    const auto dark = std::find(image.begin() + 8, image.end(), "%LPD*%");  // after the clearances
    const auto holes = std::find(image.begin(), image.end(), "%LNAUGENFREISTANZEN*%");
    ASSERT_NE(dark, image.end());
    ASSERT_NE(holes, image.end());
    // Both pads are cleared, only the real one is copper, both are punched.
    EXPECT_EQ(std::count(image.begin(), dark, "X200Y300D02*"), 1);
    EXPECT_EQ(std::count(dark, holes, "X200Y300D02*"), 0);
    EXPECT_EQ(std::count(dark, holes, "X300Y200D02*"), 1);
    const Strings punched(holes, image.end());
    // D10 and D11 are the two flashes; the hole pens follow.
    const std::string pen200 = mark ? "%ADD12C, 0.30*%" : "%ADD12C, 1.00*%";
    const std::string pen300 = mark ? "%ADD12C, 0.30*%" : "%ADD13C, 0.40*%";
    EXPECT_EQ(punched, (Strings{"%LNAUGENFREISTANZEN*%", "%LPC*%", "X200Y300D02*", "G54D12*", "D03*",
                                "X300Y200D02*", mark ? "G54D12*" : "G54D13*", "D03*"}))
        << "mark " << mark;
    EXPECT_EQ(Count(lines, pen200), 1u);
    EXPECT_EQ(Count(lines, pen300), 1u);
  }
}

TEST_F(GerberExportTest, SmdMaskShrinkIsLimited) {
  struct Case {
    float width;
    double offset;
    int expectedWidth;
    float centre;  // odd widths sit half a unit off, so their corners are whole units
  } cases[] = {{8, -0.10, 4, 500}, {3, -0.10, 5, 500.5f}, {100, -0.10, 80, 500}, {100, 0.20, 140, 500},
               {8, -0.02, 4, 500}};
  for (const Case& c : cases) {
    TPlatine board = SmallBoard();
    board.Elemente.Add(CreateSmdPad({c.centre, -250}, c.width, 100, lyC1));
    TGerberOptions o;
    ApplyGerberDialogRules(TGerberTarget::SMD1, o);
    o.SmdOffset = c.offset;
    const Strings image = Image(Export(board, TGerberTarget::SMD1, o, false));
    ASSERT_EQ(image.size(), 7u) << c.width;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    ASSERT_EQ(std::sscanf(image[1].c_str(), "X%dY%dD02*", &x0, &y0), 2);
    ASSERT_EQ(std::sscanf(image[2].c_str(), "X%dY%dD01*", &x1, &y1), 2);
    EXPECT_EQ(x1 - x0, c.expectedWidth) << "width " << c.width << " offset " << c.offset;
  }
}

TEST_F(GerberExportTest, SolderMaskOpeningsAndInversion) {
  TPlatine board = SmallBoard();
  board.Elemente.Add(CreatePad({100, -100}, lyC1, psCircular, 20, 40));
  board.Elemente.Add(CreateSmdPad({500, -250}, 100, 60, lyC1));
  TObjekt track = CreateTrack(20, lyC1);
  track.Punkte = {{0, -10}, {100, -10}};
  track.Loetstopp = 1;
  board.Elemente.Add(track);
  TObjekt covered = track;
  covered.Loetstopp = 0;
  board.Elemente.Add(covered);
  TGerberOptions o;
  o.Invert = true;
  const Strings lines = Export(board, TGerberTarget::LStop1, o);
  const Strings expected = {"G36*", "X0Y500D02*", "X1000Y500D01*", "X1000Y0D01*", "X0Y0D01*", "X0Y500D01*",
                            "G37*", "%LPC*%",
                            "X100Y400D02*", "G54D10*", "D03*",                                    // pad + 0.30 mm
                            "G36*", "X440Y290D02*", "X560Y290D01*", "X560Y210D01*", "X440Y210D01*",
                            "X440Y290D01*", "G37*",                                                // SMD + 0.10 mm
                            "G54D11*", "X0Y490D02*", "X100Y490D01*"};                             // track + 0.10 mm
  EXPECT_EQ(Image(lines), expected);
  EXPECT_EQ(Strings(lines.begin() + 5, lines.begin() + 7), (Strings{"%ADD10C, 1.40*%", "%ADD11C, 0.40*%"}));
}

TEST_F(GerberExportTest, OriginAndMirror) {
  struct Case {
    bool origin, mirror;
    const char* pad;
    const char* corner;  // first point of the board outline
  } cases[] = {
      {false, false, "X100Y400D02*", "X0Y500D02*"},
      {false, true, "X900Y400D02*", "X1000Y500D02*"},
      {true, false, "X-100Y-100D02*", "X-200Y0D02*"},
      {true, true, "X100Y-100D02*", "X200Y0D02*"},
  };
  for (const Case& c : cases) {
    TPlatine board = SmallBoard();
    board.Kopf.UrsprungX = 200000;   // (200, 0) in world units
    board.Kopf.UrsprungY = 0;
    board.Elemente.Add(CreatePad({100, -100}, lyC1, psCircular, 20, 40));
    TGerberOptions o;
    o.UseOrigin = c.origin;
    o.Mirror = c.mirror;
    o.Outline = true;
    const Strings image = Image(Export(board, TGerberTarget::C1, o));
    ASSERT_EQ(image.size(), 9u);
    EXPECT_EQ(image[1], c.corner) << "origin " << c.origin << " mirror " << c.mirror;
    EXPECT_EQ(image[6], c.pad) << "origin " << c.origin << " mirror " << c.mirror;
    EXPECT_EQ(board.Elemente[0].X, 100.0f);
  }
}

// A write failure after a successful start (the file-size limit stands in for
// a full disk): failure, no file left, the shifted board moved back.
TEST_F(GerberExportTest, FailedWriteLeavesNoFileAndTheBoardUnchanged) {
  TPlatine board = SmallBoard();
  board.Kopf.UrsprungX = 123456;
  board.Kopf.UrsprungY = -7891;
  for (int i = 0; i < 2000; ++i) {
    TObjekt t = CreateTrack(20, lyC1);
    t.Punkte = {{i * 0.37f, -i * 0.11f}, {i * 0.5f + 1.3f, -7.7f}};
    board.Elemente.Add(t);
  }
  std::vector<std::vector<TFloatPoint>> before;
  for (const TObjekt& e : board.Elemente) before.push_back(e.Punkte);
  TGerberOptions o;
  o.UseOrigin = true;
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto* oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 8192;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const TCamResult r = PlotteGerberfile(board, TGerberTarget::C1, o, PathOf("out.gbr"), 1);
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(r.Ok);
  EXPECT_FALSE(r.Error.empty());
  EXPECT_EQ(Entries(), 0u);
  for (std::size_t i = 0; i < board.Elemente.size(); ++i) ASSERT_EQ(board.Elemente[i].Punkte, before[i]) << i;
}

TEST_F(GerberExportTest, MissingFolderIsAFailure) {
  TPlatine board = SmallBoard();
  board.Elemente.Add(CreatePad({100, -100}, lyC1, psCircular, 20, 40));
  const TCamResult r = PlotteGerberfile(board, TGerberTarget::C1, {}, PathOf("no/such/out.gbr"), 1);
  EXPECT_FALSE(r.Ok);
  EXPECT_NE(r.Error.find("no/such/out.gbr"), std::string::npos) << r.Error;
}

}  // namespace
}  // namespace corvane
