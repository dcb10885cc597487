#include "cam/contour_milling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "drill_fixtures.h"
#include "core/units.h"
#include "geom/element_bounds.h"

namespace corvane {
namespace {

// The lines after "IN;", "PT0;", "PU;".
std::vector<std::string> Body(const std::vector<std::string>& lines) {
  EXPECT_GE(lines.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3),
            (std::vector<std::string>{"IN;", "PT0;", "PU;"}));
  return {lines.begin() + 3, lines.end()};
}

TObjekt Arc(float x, float y, double outer, double inner, int start, int stop) {
  TObjekt c = CreateCircle({x, y}, outer, inner, lyO, psCircular);
  c.Wert2 = start;
  c.Wert1 = stop;
  return c;
}

TKonturFraesenOptions Options(bool selected, THpglMirror mirror = THpglMirror::None, TReferenceMarks marks = {}) {
  TKonturFraesenOptions o;
  o.NurMarkierte = selected;
  o.Spiegeln = mirror;
  o.Referenz = marks;
  return o;
}

TEST(ContourMilling, OnlyTracksAndCirclesOfTheOutlineLayerCount) {
  TObjekt zone = CreateZone(20, lyO);
  zone.Punkte = {{0, 0}, {100, 0}, {100, -100}};
  TObjekt track = OutlineTrack({{0, 0}, {10, 0}});
  track.Layer = lyC1;
  TPlatine board = BoardOf({std::move(zone), std::move(track)});
  EXPECT_FALSE(HasContourElements(board.Elemente));
  board.Elemente.Add(Arc(0, 0, 100, 90, 0, 0));
  EXPECT_TRUE(HasContourElements(board.Elemente));
  EXPECT_FALSE(HasSelectedContourElements(board.Elemente));
  board.Elemente.back().Markiert = 1;
  EXPECT_TRUE(HasSelectedContourElements(board.Elemente));
}

TEST(ContourMilling, FullCircleOfMidRadius1000Has41PointsBackToTheStart) {
  TPlatine board = BoardOf({Arc(5000, -5000, 1050, 950, 0, 0)});
  EXPECT_EQ(ArcSegments(board.Elemente[0]), 40);
  const auto body = Body(ContourLines(board, {}, 0.4));
  ASSERT_EQ(body.size(), 43u);  // 41 points, "PD;" after the first, "PU;"
  EXPECT_EQ(body[0], "PA2400,2000;");
  EXPECT_EQ(body[1], "PD;");
  EXPECT_EQ(body[2], "PA2395,2062;");  // 9 degrees on: (5988, -4844) in world units
  EXPECT_EQ(body[41], body[0]);
  EXPECT_EQ(body[42], "PU;");
  EXPECT_EQ(std::count(body.begin(), body.end(), "PD;"), 1);
}

TEST(ContourMilling, ArcsRunCounterClockwiseFromStartToStop) {
  struct Case {
    int start, stop;
    const char* first;
    const char* last;
  } cases[] = {
      {0, 90, "PA400,0;", "PA0,400;"},
      {270, 90, "PA0,-400;", "PA0,400;"},   // over 0 degrees
      {90, 270, "PA0,400;", "PA0,-400;"},   // over 180 degrees
      {180, 0, "PA-400,0;", "PA400,0;"},
  };
  for (const Case& c : cases) {
    TPlatine board = BoardOf({Arc(0, -10000, 1050, 950, c.start, c.stop)});
    const auto body = Body(ContourLines(board, {}, 0.4));
    ASSERT_EQ(body.size(), 43u);
    EXPECT_EQ(body[0], c.first) << c.start << ".." << c.stop;
    EXPECT_EQ(body[41], c.last) << c.start << ".." << c.stop;
  }
}

TEST(ContourMilling, TracksInListOrderSelectedOnlyAndMirrored) {
  TObjekt a = OutlineTrack({{0, -10000}, {1000, -10000}, {1000, -9000}});
  TObjekt single = OutlineTrack({{500, -500}});
  TObjekt b = OutlineTrack({{2000, -8000}, {2500, -8000}});
  b.Markiert = 1;
  TPlatine board = BoardOf({std::move(a), std::move(single), std::move(b)});
  EXPECT_EQ(Body(ContourLines(board, {}, 0.4)),
            (std::vector<std::string>{"PA0,0;", "PD;", "PA400,0;", "PA400,400;", "PU;", "PA800,800;", "PD;",
                                      "PA1000,800;", "PU;"}));
  EXPECT_EQ(Body(ContourLines(board, Options(true), 0.4)),
            (std::vector<std::string>{"PA800,800;", "PD;", "PA1000,800;", "PU;"}));

  const TIntRect bounds = *ListBounds(board.Elemente, board.Kopf.LayerState());
  const TKonturFraesenOptions mirrored = Options(true, THpglMirror::Horizontal);
  const auto x = [&](double v) { return std::to_string(Rnd((bounds.left + bounds.right - v) * 0.4)); };
  EXPECT_EQ(Body(ContourLines(board, mirrored, 0.4)),
            (std::vector<std::string>{"PA" + x(2000) + ",800;", "PD;", "PA" + x(2500) + ",800;", "PU;"}));
}

TEST(ContourMilling, ReferenceMarksComeFirstAndAreNotMirrored) {
  TPlatine board = BoardOf({OutlineTrack({{100, -9000}, {3000, -7000}})});
  const TKonturFraesenOptions plain = Options(false, THpglMirror::None, {true, false, false, true});
  const TKonturFraesenOptions mirrored = Options(false, THpglMirror::Vertical, {true, false, false, true});
  const auto a = Body(ContourLines(board, plain, 0.4));
  const auto b = Body(ContourLines(board, mirrored, 0.4));
  ASSERT_EQ(a.size(), 10u);
  ASSERT_EQ(b.size(), 10u);
  EXPECT_EQ(std::vector<std::string>(a.begin(), a.begin() + 6), std::vector<std::string>(b.begin(), b.begin() + 6));
  const TIntRect r = *ListBounds(board.Elemente, board.Kopf.LayerState());
  EXPECT_EQ(a[0], "PA" + std::to_string(Rnd(r.left * 0.4)) + "," + std::to_string(Rnd((r.top + 10000) * 0.4)) + ";");
  EXPECT_NE(a[6], b[6]);
}

class ContourWrite : public DrillScratch {};

TEST_F(ContourWrite, NoOutlineElementsIsAWarningAndWritesNothing) {
  TObjekt zone = CreateZone(20, lyO);
  zone.Punkte = {{0, 0}, {100, 0}, {100, -100}};
  TPlatine board = BoardOf({std::move(zone)});
  const TCamResult r = WriteContourFile(board, {}, 0.4, false, PathOf("c.plt"));
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.Error, "No elements for the PCB outline available.");
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ContourWrite, FileThatCannotBeCreatedIsReported) {
  TPlatine board = BoardOf({OutlineTrack({{0, 0}, {100, 0}})});
  const TCamResult r = WriteContourFile(board, {}, 0.4, false, PathOf("gone/c.plt"));
  EXPECT_FALSE(r.Ok);
  EXPECT_FALSE(r.Error.empty());
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ContourWrite, OriginShiftAndTheSpecialFactor) {
  TPlatine board = BoardOf({OutlineTrack({{2000, -9000}, {3000, -9000}})});
  board.Kopf.UrsprungX = 1000 * 1000;
  board.Kopf.UrsprungY = -10000 * 1000;
  const std::string path = PathOf("c.plt");
  ASSERT_TRUE(WriteContourFile(board, {}, kHpglSpecialFactor, true, path).Ok);
  // Relative to the origin the track runs from (1000, 1000) to (2000, 1000).
  EXPECT_EQ(Bytes(path), CrLf({"IN;", "PT0;", "PU;", "PA394,394;", "PD;", "PA787,394;", "PU;"}));
  EXPECT_EQ(board.Elemente[0].Punkte[0], (TFloatPoint{2000, -9000}));
}

TEST_F(ContourWrite, PlotterProgramRendersTheFile) {
  if (std::system("command -v hp2xx >/dev/null 2>&1") != 0) GTEST_SKIP() << "hp2xx is not installed";
  TPlatine board = BoardOf({OutlineTrack({{0, -10000}, {16000, -10000}, {16000, 0}, {0, 0}, {0, -10000}}),
                            Arc(8000, -5000, 2050, 1950, 0, 0), Arc(3000, -3000, 550, 450, 45, 300)});
  const std::string path = PathOf("contour.plt");
  ASSERT_TRUE(WriteContourFile(board, Options(false, THpglMirror::None, {true, true, true, true}), 0.4, false, path).Ok);
  const std::string png = PathOf("contour.png");
  const std::string cmd = "hp2xx -q -m png -f '" + png + "' '" + path + "' >'" + PathOf("hp2xx.log") + "' 2>&1";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << Bytes(PathOf("hp2xx.log"));
  EXPECT_GT(std::filesystem::file_size(png), 0u);
}

}  // namespace
}  // namespace corvane
