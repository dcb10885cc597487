#include "cam/hpgl_file.h"

#include <gtest/gtest.h>

#include "drill_fixtures.h"

namespace corvane {
namespace {

TEST(HpglFile, ToPlotterScalesAndLiftsYByTheBoardHeight) {
  struct Case {
    double x, y, factor;
    TPlotterPoint p;
  } cases[] = {
      {1000, -10000, 0.4, {400, 0}},
      {1000, -10000, kHpglSpecialFactor, {394, 0}},
      {0, 0, 0.4, {0, 4000}},
      {-250, -9000, 0.4, {-100, 400}},
      {1001, -9999, 0.4, {400, 0}},  // 400.4 and 0.4 round down
      {1004, -9996, 0.4, {402, 2}},  // 401.6 and 1.6 round up
  };
  for (const Case& c : cases) EXPECT_EQ(ToPlotter(c.x, c.y, 10000, c.factor), c.p) << c.x << "," << c.y;
  EXPECT_EQ(ToPlotterLength(1000, kHpglSpecialFactor), 394);
  EXPECT_EQ(HpglFactor(false), 0.4);
  EXPECT_EQ(HpglFactor(true), 0.3937);
}

TEST(HpglFile, MirroringKeepsTheBoundsInPlace) {
  const TIntRect b{100, -900, 1100, -100};
  EXPECT_EQ(MirrorPoint(300, -800, THpglMirror::None, b), (TFloatPoint{300, -800}));
  EXPECT_EQ(MirrorPoint(300, -800, THpglMirror::Horizontal, b), (TFloatPoint{900, -800}));
  EXPECT_EQ(MirrorPoint(300, -800, THpglMirror::Vertical, b), (TFloatPoint{300, -200}));
}

TEST(HpglFile, ProgramMirrorsPointsButNeverTheReferenceMarks) {
  const TIntRect b{100, -900, 1100, -100};
  const TReferenceMarks marks{.BottomLeft = false, .BottomRight = true, .TopLeft = true, .TopRight = false};
  const TReferenceMarks all{true, true, true, true};
  for (THpglMirror mirror : {THpglMirror::None, THpglMirror::Horizontal, THpglMirror::Vertical}) {
    THpglProgram p(1000, 0.4, mirror, b);
    p.Start();
    p.ReferenceMarks(marks);
    EXPECT_EQ(p.Lines(), (std::vector<std::string>{"IN;", "PT0;", "PU;", "PA440,40;", "PD;", "PU;", "PA40,360;",
                                                   "PD;", "PU;"}));
    THpglProgram q(1000, 0.4, mirror, b);
    q.ReferenceMarks(all);
    EXPECT_EQ(q.Lines(), (std::vector<std::string>{"PA40,40;", "PD;", "PU;", "PA440,40;", "PD;", "PU;",
                                                   "PA40,360;", "PD;", "PU;", "PA440,360;", "PD;", "PU;"}));
  }
  THpglProgram m(1000, 0.4, THpglMirror::Horizontal, b);
  m.DrillMark(300, -800);
  EXPECT_EQ(m.Lines(), (std::vector<std::string>{"PA360,80;", "PD;", "PA360,80;", "PU;"}));
  THpglProgram s(1000, 0.4, THpglMirror::None, b);
  s.Start(true);
  s.Circle(12);
  EXPECT_EQ(s.Lines(), (std::vector<std::string>{"IN;", "SP2;", "PT0;", "PU;", "CI12;"}));
}

class HpglWrite : public DrillScratch {};

TEST_F(HpglWrite, LinesEndWithCrLfAndFailuresLeaveNoFile) {
  const std::string path = PathOf("out.plt");
  ASSERT_TRUE(WriteHpglFile(path, {"IN;", "PU;"}).Ok);
  EXPECT_EQ(Bytes(path), "IN;\r\nPU;\r\n");

  const TCamResult missing = WriteHpglFile(PathOf("no/such/out.plt"), {"IN;"});
  EXPECT_FALSE(missing.Ok);
  EXPECT_NE(missing.Error.find("out.plt"), std::string::npos) << missing.Error;
  EXPECT_EQ(Entries(), std::vector<std::string>{"out.plt"});
}

}  // namespace
}  // namespace corvane
