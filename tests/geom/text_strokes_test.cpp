#include "geom/text_strokes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geom/element_create.h"
#include "geom/stroke_font.h"
#include "geom/transforms.h"

namespace corvane {
namespace {

constexpr TTextEditorState kEditor{lyS2, 25};

TObjekt MakeText(const std::string& s, double height, int thickness, int style, TFloatPoint pos = {0, 0},
                 int angle = 0, bool mirrorH = false, bool mirrorV = false) {
  TTextParams p;
  p.content = s;
  p.height = height;
  p.thickness = thickness;
  p.style = style;
  p.angle = angle;
  p.mirrorH = mirrorH;
  p.mirrorV = mirrorV;
  TObjekt t = CreateText(pos, p, lyS1);
  t.Freistanz = kEditor.Freistanz;
  return t;
}

void ExpectPoints(const TObjekt& stroke, const std::vector<TFloatPoint>& expected, double tol = 0.0) {
  ASSERT_EQ(stroke.Punkte.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(stroke.Punkte[i].x, expected[i].x, tol) << "point " << i;
    EXPECT_NEAR(stroke.Punkte[i].y, expected[i].y, tol) << "point " << i;
  }
}

double CentreX(const TIntRect& r) { return (static_cast<double>(r.left) + r.right) / 2; }
double CentreY(const TIntRect& r) { return (static_cast<double>(r.top) + r.bottom) / 2; }

TEST(TextStrokes, DigitOneAtNineMillimetres) {
  TObjekt t = MakeText("11", 900, tdNormal, tsNormal, {1000, -2000});
  ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
  ASSERT_EQ(t.Striche.size(), 2u);
  for (const TObjekt& s : t.Striche) {
    EXPECT_EQ(s.Typ, otLeiterbahn);
    EXPECT_EQ(s.Wert1, 100);
    EXPECT_EQ(s.Layer, kEditor.AktiverLayer);
    EXPECT_EQ(s.Freistanz, kEditor.Freistanz);
  }
  ExpectPoints(t.Striche[0], {{1000, -1500}, {1300, -1200}, {1300, -2000}});
  // The next character starts rnd(25 * 10 * 1.2) + rnd(220) = 520 further right.
  ExpectPoints(t.Striche[1], {{1520, -1500}, {1820, -1200}, {1820, -2000}});
  // A new text keeps its position as the start of the baseline.
  EXPECT_EQ(t.X, 1000.0f);
  EXPECT_EQ(t.Y, -2000.0f);
}

TEST(TextStrokes, WidthFactorAndThicknessShapeTheStrokes) {
  struct Case {
    int style;
    int thickness;
    float topX;       // x of the glyph vertex (25, 80) of "1"
    int32_t width;    // stroke width
    float nextStart;  // x where the following "." lies
  };
  // Height 900: c = 10. Widths rnd(100 / 1.8), 100, rnd(100 / 0.7); gaps 160, 220, 280.
  const Case cases[] = {
      {tsEng, tdDuenn, 200, 56, 360},    {tsNormal, tdNormal, 300, 100, 520}, {tsWeit, tdDick, 400, 143, 680},
      {tsEng, tdDick, 200, 143, 480},    {tsWeit, tdDuenn, 400, 56, 560},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " thickness " << c.thickness);
    TObjekt t = MakeText("1.", 900, c.thickness, c.style);
    ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
    ASSERT_EQ(t.Striche.size(), 2u);
    EXPECT_EQ(t.Striche[0].Wert1, c.width);
    EXPECT_EQ(t.Striche[1].Wert1, c.width);
    ExpectPoints(t.Striche[0], {{0, 500}, {c.topX, 800}, {c.topX, 0}});
    ExpectPoints(t.Striche[1], {{c.nextStart, 0}, {c.nextStart, 0}});
  }
}

TEST(TextStrokes, StrokeWidthAndGapRoundTiesToEven) {
  struct Case {
    double height;
    int thickness;
    int32_t width;
    int32_t gap;
  };
  const Case cases[] = {
      {900, tdDuenn, 56, 160}, {900, tdNormal, 100, 220}, {900, tdDick, 143, 280},
      {22.5, tdNormal, 2, 6},  // 10c = 2.5 -> 2, 22c = 5.5 -> 6
      {31.5, tdNormal, 4, 8},  // 10c = 3.5 -> 4, 22c = 7.7 -> 8
      {0, tdDick, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextStrokeWidth(c.height, c.thickness), c.width) << c.height << " / " << c.thickness;
    EXPECT_EQ(TextCharGap(c.height, c.thickness), c.gap) << c.height << " / " << c.thickness;
  }
}

TEST(TextStrokes, BlankAdvancesWithoutAStroke) {
  struct Case {
    int style;
    int thickness;
    float start;  // rnd(1 * c * b) + gap
  };
  const Case cases[] = {{tsNormal, tdNormal, 232}, {tsEng, tdDuenn, 168}, {tsWeit, tdDick, 296}};
  for (const Case& c : cases) {
    TObjekt t = MakeText(" 1", 900, c.thickness, c.style);
    ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
    ASSERT_EQ(t.Striche.size(), 1u) << "style " << c.style;
    EXPECT_EQ(t.Striche[0].Punkte[0].x, c.start) << "style " << c.style;
  }
}

TEST(TextStrokes, CharactersWithoutGlyphAreDots) {
  for (const char* s : {"$", "@", "$1", "@1"}) {
    SCOPED_TRACE(s);
    TObjekt t = MakeText(s, 900, tdNormal, tsNormal, {40, -60});
    ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
    ExpectPoints(t.Striche[0], {{40, -60}, {40, -60}});
    if (t.Text.size() == 2) {
      // A dot has advance 0: the "1" follows after the gap alone.
      ASSERT_EQ(t.Striche.size(), 2u);
      EXPECT_EQ(t.Striche[1].Punkte[0].x, 40 + 220);
    } else {
      EXPECT_EQ(t.Striche.size(), 1u);
    }
  }
}

TEST(TextStrokes, EmptyOrBlankStringIsDrawnAsADot) {
  for (const char* s : {"", " ", "    "}) {
    TObjekt t = MakeText(s, 900, tdNormal, tsNormal, {100, -100});
    ASSERT_TRUE(GenerateTextStrokes(t, kEditor)) << "'" << s << "'";
    ASSERT_EQ(t.Striche.size(), 1u) << "'" << s << "'";
    ExpectPoints(t.Striche[0], {{100, -100}, {100, -100}});
    EXPECT_EQ(t.Text, s) << "the content itself stays";
  }
  // Blanks around other characters are laid out, not trimmed.
  TObjekt t = MakeText("  1 ", 900, tdNormal, tsNormal);
  ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
  ASSERT_EQ(t.Striche.size(), 1u);
  EXPECT_EQ(t.Striche[0].Punkte[0].x, 2 * 232);
}

TEST(TextStrokes, MirroringIsAboutTheCentreOfTheNewStrokes) {
  struct Case {
    bool mirrorH;
    bool mirrorV;
    std::vector<TFloatPoint> points;
    TFloatPoint position;
  };
  // "1" at (0, 0): the strokes span x 0..300 and y 0..800, centre (150, 400).
  const Case cases[] = {
      {true, false, {{300, 500}, {0, 800}, {0, 0}}, {300, 0}},
      {false, true, {{0, 300}, {300, 0}, {300, 800}}, {0, 800}},
      {true, true, {{300, 300}, {0, 0}, {0, 800}}, {300, 800}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "h " << c.mirrorH << " v " << c.mirrorV);
    TObjekt t = MakeText("1", 900, tdNormal, tsNormal, {0, 0}, 0, c.mirrorH, c.mirrorV);
    ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
    ExpectPoints(t.Striche[0], c.points);
    EXPECT_EQ(t.X, c.position.x);
    EXPECT_EQ(t.Y, c.position.y);
    EXPECT_EQ(t.Schalter1, c.mirrorH ? 1 : 0);
    EXPECT_EQ(t.Schalter2, c.mirrorV ? 1 : 0);
    EXPECT_EQ(t.Wert3, 0);
  }
}

TEST(TextStrokes, RotationIsClockwiseAboutThePosition) {
  struct Case {
    int angle;
    bool mirrorH;
    std::vector<TFloatPoint> points;
  };
  // "1" at (0, 0) has the vertices (0, 500), (300, 800), (300, 0).
  const Case cases[] = {
      {90, false, {{500, 0}, {800, -300}, {0, -300}}},
      {180, false, {{0, -500}, {-300, -800}, {-300, 0}}},
      {270, false, {{-500, 0}, {-800, 300}, {0, 300}}},
      {360, false, {{0, 500}, {300, 800}, {300, 0}}},
      // Mirrored first (position moves to (300, 0)), then turned about the new position.
      {90, true, {{800, 0}, {1100, 300}, {300, 300}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "angle " << c.angle << " mirrored " << c.mirrorH);
    TObjekt t = MakeText("1", 900, tdNormal, tsNormal, {0, 0}, 0, c.mirrorH);
    t.Wert3 = c.angle;
    ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
    ExpectPoints(t.Striche[0], c.points, 0.01);
    EXPECT_EQ(t.Wert3, c.angle) << "the stored angle stays";
  }
}

TEST(TextStrokes, RegeneratingARotatedMirroredTextKeepsItsCentre) {
  struct Case {
    int angle;
    bool mirrorH;
    bool mirrorV;
    float newHeight;
  };
  const Case cases[] = {
      {30, true, false, 1500}, {90, true, true, 400}, {215, false, true, 2000}, {0, false, false, 1200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "angle " << c.angle);
    TObjekt t = MakeText("Ab1 g", 900, tdNormal, tsNormal, {5000, -5000}, c.angle, c.mirrorH, c.mirrorV);
    ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
    // Turned and mirrored as an element after it was made.
    RotateElement(t, {4000, -3000}, 45);
    MirrorElementX(t, 7000);
    const TIntRect before = TextBounds(t);

    t.Mass1 = c.newHeight;
    ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
    const TIntRect after = TextBounds(t);
    EXPECT_NE(after.right - after.left, before.right - before.left) << "the size really changed";
    EXPECT_NEAR(CentreX(after), CentreX(before), 1.0);
    EXPECT_NEAR(CentreY(after), CentreY(before), 1.0);
  }
}

TEST(TextStrokes, RegeneratingAnUnchangedTextChangesNothing) {
  TObjekt t = MakeText("R12", 700, tdDick, tsWeit, {300, -900}, 120, true, false);
  ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
  const std::vector<TObjekt> first = t.Striche;
  const TFloatPoint position{t.X, t.Y};
  for (int round = 0; round < 3; ++round) ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
  ASSERT_EQ(t.Striche.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) ExpectPoints(t.Striche[i], first[i].Punkte, 1.0);
  EXPECT_NEAR(t.X, position.x, 1.0);
  EXPECT_NEAR(t.Y, position.y, 1.0);
}

TEST(TextStrokes, UnknownStyleValuesCountAsNormal) {
  TObjekt normal = MakeText("K", 900, tdNormal, tsNormal);
  TObjekt odd = MakeText("K", 900, tdNormal, tsNormal);
  odd.Wert1 = 9;
  odd.Mass2 = -4;
  ASSERT_TRUE(GenerateTextStrokes(normal, kEditor));
  ASSERT_TRUE(GenerateTextStrokes(odd, kEditor));
  ASSERT_EQ(odd.Striche.size(), normal.Striche.size());
  for (std::size_t i = 0; i < normal.Striche.size(); ++i) {
    EXPECT_EQ(odd.Striche[i].Wert1, normal.Striche[i].Wert1);
    ExpectPoints(odd.Striche[i], normal.Striche[i].Punkte);
  }
}

TEST(TextStrokes, EveryByteValueGivesProperStrokes) {
  std::string all;
  for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
  TObjekt t = MakeText(all, 250, tdDuenn, tsEng);
  ASSERT_TRUE(GenerateTextStrokes(t, kEditor));
  std::size_t penUps = 0;
  for (unsigned char ch : all)
    for (int i = 0; i < GlyphTokenCount(ch); ++i)
      if (GlyphTokenAt(ch, i).kind == GlyphTokenKind::PenUp) ++penUps;
  EXPECT_EQ(t.Striche.size(), penUps);
  for (const TObjekt& s : t.Striche) EXPECT_GE(s.Punkte.size(), 2u);
}

}  // namespace
}  // namespace corvane
