#include "geom/stroke_font.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace corvane {
namespace {

// Every character with a glyph of its own: the blank, the double quote, the
// marks, the digits, both alphabets and the code page 1252 letters.
std::string ExpectedCharacterSet() {
  std::string set = " \"!#%&()*+,-./:<=>?\\_0123456789";
  for (char c = 'A'; c <= 'Z'; ++c) set += c;
  for (char c = 'a'; c <= 'z'; ++c) set += c;
  for (int code : {181, 196, 214, 220, 223, 228, 246, 252}) set += static_cast<char>(code);
  return set;
}

bool IsSignedTwoDigits(std::string_view s) {
  return s.size() == 3 && (s[0] == '+' || s[0] == '-') && s[1] >= '0' && s[1] <= '9' &&
         s[2] >= '0' && s[2] <= '9';
}

int SignedTwoDigits(std::string_view s) {
  const int v = (s[1] - '0') * 10 + (s[2] - '0');
  return s[0] == '-' ? -v : v;
}

TEST(StrokeFont, TableHoldsExactlyTheListedCharacters) {
  const std::string expected = ExpectedCharacterSet();
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kGlyphCount));
  int found = 0;
  for (int code = 0; code < 256; ++code) {
    const bool listed = expected.find(static_cast<char>(code)) != std::string::npos;
    EXPECT_EQ(HasGlyph(static_cast<unsigned char>(code)), listed) << "character code " << code;
    if (HasGlyph(static_cast<unsigned char>(code))) ++found;
  }
  EXPECT_EQ(found, kGlyphCount);
}

// Checks the syntax of every glyph string independently of the font's own parser.
TEST(StrokeFont, EveryGlyphStringIsWellFormed) {
  for (char c : ExpectedCharacterSet()) {
    const auto ch = static_cast<unsigned char>(c);
    const std::string_view glyph = GlyphString(ch);
    SCOPED_TRACE(testing::Message() << "character code " << int{ch} << " glyph " << glyph);
    ASSERT_FALSE(glyph.empty());
    ASSERT_EQ(glyph.size() % 6, 0u);
    ASSERT_EQ(glyph.substr(glyph.size() - 6), "ZZZZZZ");
    if (ch != ' ') {
      EXPECT_EQ(glyph.substr(0, 6), "XXXXXX") << "a glyph starts with a stroke";
    }

    int verticesInStroke = -1;  // -1: no stroke open yet
    for (std::size_t pos = 0; pos + 6 < glyph.size(); pos += 6) {
      const std::string_view token = glyph.substr(pos, 6);
      ASSERT_NE(token, "ZZZZZZ") << "end marker before the end at " << pos;
      if (token == "XXXXXX") {
        if (verticesInStroke >= 0) {
          EXPECT_GE(verticesInStroke, 2) << "stroke ending at " << pos;
        }
        verticesInStroke = 0;
        continue;
      }
      ASSERT_TRUE(IsSignedTwoDigits(token.substr(0, 3)) && IsSignedTwoDigits(token.substr(3, 3)))
          << "bad token '" << token << "' at " << pos;
      const int x = SignedTwoDigits(token.substr(0, 3));
      const int y = SignedTwoDigits(token.substr(3, 3));
      // The font's extent: x from 0 to 60, descenders at -20, umlaut dots at 85.
      EXPECT_GE(x, 0);
      EXPECT_LE(x, 60);
      EXPECT_GE(y, -20);
      EXPECT_LE(y, 85);
      ++verticesInStroke;
    }
    if (verticesInStroke >= 0) {
      EXPECT_GE(verticesInStroke, 2) << "last stroke";
    }
  }
}

TEST(StrokeFont, SampleGlyphsAreTranscribedExactly) {
  struct Case {
    unsigned char ch;
    std::string_view glyph;
  };
  const Case cases[] = {
      {' ', "ZZZZZZ"},
      {'1', "XXXXXX+00+50+25+80+25+00ZZZZZZ"},
      {'"', "XXXXXX+00+80+00+60XXXXXX+15+80+15+60ZZZZZZ"},
      {'\\', "XXXXXX+40+00+00+80ZZZZZZ"},
      {'g', "XXXXXX+00-15+10-20+17-20+27-15+30-05+30+45XXXXXX+30+32+25+42+15+45+05+42+00+32+00+12"
            "+05+02+15+00+25+02+30+12ZZZZZZ"},
      {181, "XXXXXX+00+45+00-20XXXXXX+30+45+30+00XXXXXX+30+10+25+02+15+00+05+02+00+10+00+45ZZZZZZ"},
      {223, "XXXXXX+00+00+00+70+10+75+20+70+25+60+25+50+15+40XXXXXX+15+40+25+40+30+35+35+25+35+15"
            "+30+05+25+00+15+00+10+05ZZZZZZ"},
      {196, "XXXXXX+00+00+25+80+50+00XXXXXX+10+30+40+30XXXXXX+05+85+05+85XXXXXX+45+85+45+85ZZZZZZ"},
  };
  for (const Case& c : cases) EXPECT_EQ(GlyphString(c.ch), c.glyph) << "character code " << int{c.ch};
}

TEST(StrokeFont, CharactersWithoutGlyphUseTheDot) {
  const std::string_view dot = GlyphString('.');
  EXPECT_EQ(dot, "XXXXXX+00+00+00+00ZZZZZZ");
  for (int code : {int{'$'}, int{'@'}, int{';'}, int{'['}, int{'\''}, int{'~'}, 0, 9, 127, 128, 233, 255}) {
    const auto ch = static_cast<unsigned char>(code);
    EXPECT_FALSE(HasGlyph(ch)) << code;
    EXPECT_EQ(GlyphString(ch), dot) << code;
    EXPECT_EQ(GlyphAdvance(ch), 0) << code;
  }
}

TEST(StrokeFont, GlyphVertexReturnsMarkersAndNegatedY) {
  struct Case {
    int index;
    TFloatPoint expected;
  };
  // "1" is pen-up, (0, 50), (25, 80), (25, 0), end.
  const Case cases[] = {
      {0, kPenUpVertex}, {1, {0, -50}},          {2, {25, -80}}, {3, {25, 0}},
      {4, kGlyphEndVertex}, {5, kGlyphEndVertex}, {-1, kGlyphEndVertex},
  };
  for (const Case& c : cases) {
    const TFloatPoint p = GlyphVertex('1', c.index);
    EXPECT_EQ(p.x, c.expected.x) << "token " << c.index;
    EXPECT_EQ(p.y, c.expected.y) << "token " << c.index;
  }
  const TFloatPoint descender = GlyphVertex('g', 1);  // "+00-15"
  EXPECT_EQ(descender.x, 0.0f);
  EXPECT_EQ(descender.y, 15.0f);
  EXPECT_EQ(GlyphVertex(' ', 0).x, kGlyphEndVertex.x);
  EXPECT_EQ(GlyphTokenCount('1'), 5);
}

TEST(StrokeFont, MalformedTokensEndTheGlyph) {
  for (std::string_view token : {"", "XXXXX", "ZZZZZZ", "+2a+80", "*00+00", "+00+0", "+00+000", "XXXXXZ"}) {
    EXPECT_EQ(ParseGlyphToken(token).kind, GlyphTokenKind::End) << "'" << token << "'";
  }
  EXPECT_EQ(ParseGlyphToken("XXXXXX").kind, GlyphTokenKind::PenUp);
  const GlyphToken v = ParseGlyphToken("-07+99");
  EXPECT_EQ(v.kind, GlyphTokenKind::Vertex);
  EXPECT_EQ(v.x, -7);
  EXPECT_EQ(v.y, 99);
}

TEST(StrokeFont, AdvanceIsTheLargestX) {
  struct Case {
    unsigned char ch;
    int advance;
  };
  const Case cases[] = {{' ', 1}, {'1', 25}, {'I', 0}, {'.', 0}, {'A', 50},
                        {'%', 60}, {'w', 55}, {'f', 20}, {'m', 50}, {196, 50}};
  for (const Case& c : cases) EXPECT_EQ(GlyphAdvance(c.ch), c.advance) << "character code " << int{c.ch};
}

}  // namespace
}  // namespace corvane
