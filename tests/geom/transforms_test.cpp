#include "geom/transforms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geom/element_create.h"
#include "geom/pad_geometry.h"
#include "geom/points.h"
#include "geom/smd_geometry.h"
#include "geom_test_util.h"

namespace corvane {
namespace {

struct Sample {
  std::string name;
  TObjekt e;
};

TObjekt ThermalPad(int shape) {
  TObjekt pad = CreatePad({120, -340}, 1, static_cast<uint8_t>(shape), 20, 50);
  pad.Freistanz = 10;
  pad.Schalter1 = 1;
  pad.Wert2 = 0x05 | 0x40;  // north, east, west: no symmetry to hide a wrong turn
  return pad;
}

std::vector<Sample> Samples() {
  std::vector<Sample> out;
  for (int shape = psCircular; shape <= psRectangleV; ++shape)
    out.push_back({"pad shape " + std::to_string(shape), ThermalPad(shape)});
  TObjekt smd = CreateSmdPad({-50, -80}, 120, 40, 1);
  smd.Wert2 = 0x05;
  out.push_back({"smd", smd});
  out.push_back({"track", test::Track({{0, 0}, {100, -20}, {150, -300}}, 30)});
  out.push_back({"zone", test::Zone({{10, -10}, {300, -10}, {200, -250}}, 10)});
  out.push_back({"arc", test::Circle({70, -90}, 60, 40, 30, 200)});
  TObjekt text;
  text.Typ = otText;
  text.X = 5;
  text.Y = -7;
  text.Wert3 = 10;
  text.Striche.push_back(test::Track({{5, -7}, {5, -87}}, 12));
  text.Striche.push_back(test::Track({{5, -7}, {45, -7}}, 12));
  out.push_back({"text", text});
  TObjekt font;
  font.Typ = otFontText;
  font.X = 10;
  font.Y = -20;
  font.Mass1 = 110;
  font.Mass2 = -60;
  font.Wert2 = 270;
  out.push_back({"font text", font});
  return out;
}

void ExpectSame(const TObjekt& a, const TObjekt& b, double tol) {
  EXPECT_EQ(a.Typ, b.Typ);
  EXPECT_EQ(a.Form, b.Form);
  EXPECT_NEAR(a.X, b.X, tol);
  EXPECT_NEAR(a.Y, b.Y, tol);
  EXPECT_NEAR(a.Mass1, b.Mass1, tol);
  EXPECT_NEAR(a.Mass2, b.Mass2, tol);
  EXPECT_EQ(a.Wert1, b.Wert1);
  EXPECT_EQ(a.Wert2, b.Wert2);
  EXPECT_EQ(a.Wert3, b.Wert3);
  EXPECT_EQ(a.Schalter1, b.Schalter1);
  EXPECT_EQ(a.Schalter2, b.Schalter2);
  test::ExpectPointsNear(a.Punkte, b.Punkte, tol);
  ASSERT_EQ(a.Striche.size(), b.Striche.size());
  for (std::size_t i = 0; i < a.Striche.size(); ++i) ExpectSame(a.Striche[i], b.Striche[i], tol);
}

// The board positions of the element's spokes.
std::vector<TFloatPoint> SpokeEnds(const TObjekt& e) {
  std::vector<TFloatPoint> out;
  for (int spoke = 1; spoke <= 8; ++spoke)
    if ((e.Wert2 >> (spoke - 1)) & 1) out.push_back(e.Typ == otLoetauge ? PadSpokeEnd(e, spoke) : SmdSpokeEnd(e, spoke));
  return out;
}

// Every expected spoke end has an actual one close by, and the counts agree.
void ExpectSameSpokes(const std::vector<TFloatPoint>& actual, const std::vector<TFloatPoint>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (TFloatPoint want : expected) {
    bool found = false;
    for (TFloatPoint got : actual) found = found || Distance(got, want) < 0.05;
    EXPECT_TRUE(found) << "no spoke at (" << want.x << ", " << want.y << ")";
  }
}

TEST(RotateElement, EightEighthTurnsReturnEveryKindToItsStart) {
  for (const Sample& s : Samples()) {
    SCOPED_TRACE(s.name);
    TObjekt e = s.e;
    for (int i = 0; i < 8; ++i) RotateElement(e, {37, -12}, 45);
    ExpectSame(e, s.e, 0.02);
  }
}

TEST(RotateElement, SpokesTurnWithThePadOnTheBoard) {
  for (int shape = psCircular; shape <= psRectangleV; ++shape) {
    for (double deg : {30.0, 45.0, 90.0, 135.0, 180.0, 270.0, -90.0, 400.0}) {
      SCOPED_TRACE(testing::Message() << "shape " << shape << " deg " << deg);
      TObjekt pad = ThermalPad(shape);
      std::vector<TFloatPoint> expected;
      for (TFloatPoint p : SpokeEnds(pad)) expected.push_back(RotatePoint(p, {0, 0}, -deg));
      RotateElement(pad, {0, 0}, deg);
      ExpectSameSpokes(SpokeEnds(pad), expected);
    }
  }
}

TEST(RotateElement, HorizontalOvalPadTurnsUpright) {
  TObjekt pad = ThermalPad(psRoundedH);
  TObjekt quarter = pad;
  RotateElement(quarter, {pad.X, pad.Y}, 90);
  EXPECT_EQ(quarter.Form, psRoundedV);
  EXPECT_NEAR(PadAngle(quarter), 0, 0.011);
  EXPECT_EQ(quarter.Wert2, 0x04 | 0x10 | 0x01);  // N, E, W became E, S, N

  TObjekt eighth = pad;
  RotateElement(eighth, {pad.X, pad.Y}, 45);
  EXPECT_EQ(eighth.Form, psRoundedH);
  EXPECT_NEAR(PadAngle(eighth), 45, 0.011);
  EXPECT_EQ(eighth.Wert2, pad.Wert2);
}

TEST(RotateElement, CircleTextAndFontTextAngles) {
  TObjekt arc = test::Circle({0, 0}, 60, 40, 0, 90);
  RotateElement(arc, {0, 0}, 90);  // the upper right quarter turns to the lower right
  EXPECT_EQ(arc.Wert2, 270);
  EXPECT_EQ(arc.Wert1, 0);

  TObjekt text;
  text.Typ = otText;
  text.Wert3 = 300;
  text.Striche.push_back(test::Track({{10, 0}, {20, 0}}, 10));
  RotateElement(text, {0, 0}, 90);
  EXPECT_EQ(text.Wert3, 30);
  test::ExpectPointsNear(text.Striche[0].Punkte, {{0, -10}, {0, -20}}, 1e-4);

  TObjekt font;
  font.Typ = otFontText;
  font.X = 10;
  font.Mass1 = 20;
  font.Wert2 = 270;
  RotateElement(font, {0, 0}, 17);  // always a quarter turn
  EXPECT_EQ(font.Wert2, 0);
  EXPECT_NEAR(font.X, 0, 1e-4);
  EXPECT_NEAR(font.Y, -10, 1e-4);
  EXPECT_NEAR(font.Mass2, -20, 1e-4);
}

TEST(MirrorElement, TwiceIsTheIdentity) {
  for (const Sample& s : Samples()) {
    SCOPED_TRACE(s.name);
    TObjekt x = s.e;
    MirrorElementX(x, 33.5);
    MirrorElementX(x, 33.5);
    ExpectSame(x, s.e, 1e-3);
    TObjekt y = s.e;
    MirrorElementY(y, -71.25);
    MirrorElementY(y, -71.25);
    ExpectSame(y, s.e, 1e-3);
  }
}

TEST(MirrorElement, SpokesAreMirroredOnTheBoard) {
  std::vector<Sample> pads;
  for (int shape = psCircular; shape <= psRectangleV; ++shape) pads.push_back({"pad", ThermalPad(shape)});
  TObjekt smd = CreateSmdPad({-50, -80}, 120, 40, 1);
  smd.Wert2 = 0x05 | 0x40;
  smd.Freistanz = 10;
  pads.push_back({"smd", smd});
  TObjekt turned = ThermalPad(psRectangleH);
  RotateElement(turned, {0, 0}, 30);
  pads.push_back({"turned", turned});
  for (const Sample& s : pads) {
    SCOPED_TRACE(testing::Message() << s.name << " shape " << int(s.e.Form));
    std::vector<TFloatPoint> left, down;
    for (TFloatPoint p : SpokeEnds(s.e)) {
      left.push_back(MakePoint(2 * 15.0 - p.x, p.y));
      down.push_back(MakePoint(p.x, 2 * -40.0 - p.y));
    }
    TObjekt x = s.e;
    MirrorElementX(x, 15);
    ExpectSameSpokes(SpokeEnds(x), left);
    TObjekt y = s.e;
    MirrorElementY(y, -40);
    ExpectSameSpokes(SpokeEnds(y), down);
  }
}

TEST(MirrorElement, ArcAngles) {
  struct Case {
    int start, stop;
    int xStart, xStop;  // after the left-right mirror
    int yStart, yStop;  // after the top-bottom mirror
  };
  const Case cases[] = {
      {0, 90, 90, 180, 270, 360},
      {30, 30, 150, 150, 330, 330},  // a full circle stays full
      {350, 10, 170, 190, 350, 10},
      {180, 270, 270, 0, 90, 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << ".." << c.stop);
    TObjekt x = test::Circle({10.25f, 5}, 60, 40, c.start, c.stop);
    MirrorElementX(x, 0);
    EXPECT_EQ(x.Wert2, c.xStart);
    EXPECT_EQ(x.Wert1, c.xStop);
    EXPECT_FLOAT_EQ(x.X, -9.75f);  // moved by rnd(2 * (0 - 10.25)) = -20
    TObjekt y = test::Circle({0, -30}, 60, 40, c.start, c.stop);
    MirrorElementY(y, -100);
    EXPECT_EQ(y.Wert2, c.yStart);
    EXPECT_EQ(y.Wert1, c.yStop);
    EXPECT_FLOAT_EQ(y.Y, -170);
  }
}

TEST(MirrorElement, TextFlagsAngleAndStrokes) {
  TObjekt text;
  text.Typ = otText;
  text.X = 10;
  text.Wert3 = 30;
  text.Striche.push_back(test::Track({{10, 0}, {20, 5}}, 10));
  MirrorElementX(text, 0);
  EXPECT_EQ(text.Schalter1, 1);
  EXPECT_EQ(text.Schalter2, 0);
  EXPECT_EQ(text.Wert3, 330);
  EXPECT_FLOAT_EQ(text.X, -10);
  test::ExpectPointsNear(text.Striche[0].Punkte, {{-10, 0}, {-20, 5}}, 0);
  MirrorElementY(text, 1);
  EXPECT_EQ(text.Schalter2, 1);
  EXPECT_EQ(text.Wert3, 30);
  test::ExpectPointsNear(text.Striche[0].Punkte, {{-10, 2}, {-20, -3}}, 0);

  TObjekt font;
  font.Typ = otFontText;
  font.X = 10;
  font.Mass1 = 50;
  MirrorElementX(font, 0);  // both x mirrored and exchanged
  EXPECT_FLOAT_EQ(font.X, -50);
  EXPECT_FLOAT_EQ(font.Mass1, -10);
}

TEST(MoveElement, EveryKindMovesWhole) {
  for (const Sample& s : Samples()) {
    SCOPED_TRACE(s.name);
    TObjekt e = s.e;
    MoveElement(e, 12.5, -7);
    TObjekt back = e;
    MoveElement(back, -12.5, 7);
    ExpectSame(back, s.e, 1e-4);
    for (std::size_t i = 0; i < e.Punkte.size(); ++i)
      test::ExpectPointNear(e.Punkte[i], {s.e.Punkte[i].x + 12.5f, s.e.Punkte[i].y - 7}, 1e-4);
    if (e.Typ == otText) test::ExpectPointNear(e.Striche[1].Punkte[1], {57.5f, -14}, 1e-4);
    if (e.Typ == otFontText) test::ExpectPointNear({e.Mass1, e.Mass2}, {122.5f, -67}, 1e-4);
    if (e.Typ != otSmdPad && e.Typ != otLeiterbahn && e.Typ != otFlaeche)
      test::ExpectPointNear({e.X, e.Y}, {s.e.X + 12.5f, s.e.Y - 7}, 1e-4);
  }
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST(Transforms, DamagedAnglesAndHugeTurnsStayInRange) {
  TObjekt arc = test::Circle({0, 0}, 60, 40, -2147483647 - 1, 2147483647);
  TObjekt text;
  text.Typ = otText;
  text.Wert3 = 2147483647;
  TObjekt font;
  font.Typ = otFontText;
  font.Wert2 = 2147483647;
  for (double deg : {1e12, -1e12, 725.0}) {
    RotateElement(arc, {0, 0}, deg);
    RotateElement(text, {0, 0}, deg);
    RotateElement(font, {0, 0}, deg);
  }
  MirrorElementX(arc, 0);
  MirrorElementY(text, 0);
  for (int a : {arc.Wert1, arc.Wert2, text.Wert3, font.Wert2}) {
    EXPECT_GE(a, 0);
    EXPECT_LT(a, 360);
  }
}

}  // namespace
}  // namespace corvane
