#include "geom/font_text_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "geom/element_create.h"

namespace corvane {
namespace {

constexpr TTextEditorState kEditor{lyC1, 30};
constexpr double kPpi = 96.0;

TObjekt MakeFontText(const std::string& s, float x, float y, int32_t wert1, int32_t angle) {
  TObjekt f;
  f.Typ = otFontText;
  f.Text = s;
  f.X = x;
  f.Y = y;
  f.Mass1 = x + 500;
  f.Mass2 = y - 200;
  f.Wert1 = wert1;
  f.Wert2 = angle;
  f.Layer = lyS2;
  f.Freistanz = 10;
  f.Gruppen = {3, 5};
  return f;
}

TEST(FontTextConversion, ReplacesTheFontTextByAVectorTextAtTheEnd) {
  ElementList list;
  list.Add(CreateTrack(50, lyC1));
  list.Add(MakeFontText("AB", 1000, -2000, -400, 0));
  list.Add(CreatePad({0, 0}, lyC2, psCircular, 20, 50));
  ASSERT_EQ(CountFontTexts(list), 1u);

  EXPECT_EQ(ConvertFontText(list, 1, kEditor, kPpi), FontTextConversion::Converted);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Typ, otLeiterbahn);
  EXPECT_EQ(list[1].Typ, otLoetauge) << "the next element moves into the font text's place";
  const TObjekt& t = list[2];
  EXPECT_EQ(t.Typ, otText);
  EXPECT_EQ(t.Text, "AB");
  // Font height 400 at 96 ppi is 3 mm; the vector text gets 0.9 of that.
  EXPECT_EQ(t.Mass1, 270.0f);
  EXPECT_EQ(t.Mass2, static_cast<float>(tdDick));
  EXPECT_EQ(t.Wert1, tsNormal);
  EXPECT_EQ(t.Wert3, 0);
  EXPECT_EQ(t.Schalter1, 0);
  EXPECT_EQ(t.Schalter2, 0);
  EXPECT_EQ(t.Layer, lyS2);
  EXPECT_EQ(t.Gruppen, (std::vector<int32_t>{3, 5}));
  ASSERT_EQ(t.Striche.size(), 4u);  // two strokes each for "A" and "B"
  EXPECT_EQ(t.Striche[0].Wert1, 43);  // bold: rnd(10 * 3 / 0.7)
  EXPECT_EQ(t.Striche[0].Layer, kEditor.AktiverLayer);
  EXPECT_EQ(t.Striche[0].Freistanz, kEditor.Freistanz);
  // The upper left corner of its bounds lies on the font text's position.
  const TIntRect r = TextBounds(t);
  EXPECT_EQ(r.left, 1000);
  EXPECT_EQ(r.bottom, -2000);
  EXPECT_EQ(CountFontTexts(list), 0u);
}

TEST(FontTextConversion, TheCornerOnThePositionFollowsTheRotation) {
  struct Case {
    int32_t angle;
    bool right;  // else left
    bool top;    // the larger y, else the smaller
  };
  const Case cases[] = {
      {0, false, true}, {90, true, true}, {180, true, false}, {270, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "angle " << c.angle);
    ElementList list;
    list.Add(MakeFontText("Hi", -700, 400, -800, c.angle));
    ASSERT_EQ(ConvertFontText(list, 0, kEditor, kPpi), FontTextConversion::Converted);
    ASSERT_EQ(list.size(), 1u);
    const TObjekt& t = list[0];
    EXPECT_EQ(t.Wert3, c.angle);
    const TIntRect r = TextBounds(t);
    EXPECT_EQ(c.right ? r.right : r.left, -700);
    EXPECT_EQ(c.top ? r.bottom : r.top, 400);
  }
}

TEST(FontTextConversion, ADamagedPositiveFontHeightStillGivesAnUprightText) {
  ElementList list;
  list.Add(MakeFontText("A", 0, 0, 400, 0));
  ASSERT_EQ(ConvertFontText(list, 0, kEditor, kPpi), FontTextConversion::Converted);
  const TObjekt& t = list[0];
  EXPECT_EQ(t.Mass1, 270.0f);
  // The apex of the "A" lies above its feet.
  ASSERT_GE(t.Striche[0].Punkte.size(), 2u);
  EXPECT_GT(t.Striche[0].Punkte[1].y, t.Striche[0].Punkte[0].y);
}

TEST(FontTextConversion, NothingChangesWithoutAFontTextOrAUsableResolution) {
  ElementList list;
  list.Add(CreateTrack(50, lyC1));
  list.Add(MakeFontText("X", 0, 0, -400, 0));
  struct Case {
    std::size_t index;
    double ppi;
    FontTextConversion result;
  };
  const Case cases[] = {
      {0, kPpi, FontTextConversion::NoFontText},
      {2, kPpi, FontTextConversion::NoFontText},
      {99, kPpi, FontTextConversion::NoFontText},
      {1, 0.0, FontTextConversion::BadResolution},
      {1, -72.0, FontTextConversion::BadResolution},
      {1, std::numeric_limits<double>::quiet_NaN(), FontTextConversion::BadResolution},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ConvertFontText(list, c.index, kEditor, c.ppi), c.result) << c.index << " at " << c.ppi;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].Typ, otFontText);
  }
  EXPECT_EQ(ConvertFontTextsOfList(list, kEditor, 0.0), 0u);
  EXPECT_EQ(CountFontTexts(list), 1u);
}

TEST(FontTextConversion, AWholeListIsConvertedInListOrder) {
  ElementList list;
  list.Add(MakeFontText("first", 0, 0, -400, 0));
  list.Add(MakeFontText("second", 0, -1000, -400, 90));
  list.Add(CreateTrack(50, lyC1));
  list.Add(MakeFontText("third", 0, -2000, -400, 270));
  ASSERT_EQ(CountFontTexts(list), 3u);

  EXPECT_EQ(ConvertFontTextsOfList(list, kEditor, kPpi), 3u);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].Typ, otLeiterbahn);
  const char* expected[] = {"first", "second", "third"};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(list[i + 1].Typ, otText);
    EXPECT_EQ(list[i + 1].Text, expected[i]);
  }
  EXPECT_EQ(CountFontTexts(list), 0u);
}

}  // namespace
}  // namespace corvane
