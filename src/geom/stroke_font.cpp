#include "geom/stroke_font.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

struct GlyphEntry {
  unsigned char code;
  std::string_view glyph;
};

// The built-in single-line font. Characters above 127 are code page 1252 bytes.
constexpr GlyphEntry kGlyphs[] = {
    {' ', "ZZZZZZ"},
    {'!', "XXXXXX+00+80+00+20XXXXXX+00+00+00+00ZZZZZZ"},
    {'"', "XXXXXX+00+80+00+60XXXXXX+15+80+15+60ZZZZZZ"},
    {'#', "XXXXXX+05+50+50+50XXXXXX+00+25+45+25XXXXXX+10+10+20+65XXXXXX+30+10+40+65ZZZZZZ"},
    {'%', "XXXXXX+10+00+50+80XXXXXX+55+25+45+25+40+20+40+10+45+05+55+05+60+10+60+20+55+25XXXXXX+15+75+05+75+00+70+00+60+05+55+15+55+20+60+20+70+15+75ZZZZZZ"},
    {'&', "XXXXXX+50+10+10+50+05+60+05+70+15+80+25+80+35+70+35+60+30+50+05+35+00+25+00+15+05+05+15+00+25+00+35+05+45+25ZZZZZZ"},
    {'(', "XXXXXX+15+80+05+75+00+65+00+15+05+05+15+00ZZZZZZ"},
    {')', "XXXXXX+00+80+10+75+15+65+15+15+10+05+00+00ZZZZZZ"},
    {'*', "XXXXXX+00+35+40+35XXXXXX+20+55+20+15XXXXXX+05+50+35+20XXXXXX+05+20+35+50ZZZZZZ"},
    {'+', "XXXXXX+00+35+40+35XXXXXX+20+55+20+15ZZZZZZ"},
    {',', "XXXXXX+10+00+10-10+05-20+00-20ZZZZZZ"},
    {'-', "XXXXXX+00+35+40+35ZZZZZZ"},
    {'.', "XXXXXX+00+00+00+00ZZZZZZ"},
    {'/', "XXXXXX+00+00+40+80ZZZZZZ"},
    {'0', "XXXXXX+40+65+40+15+35+05+25+00+15+00+05+05+00+15+00+65+05+75+15+80+25+80+35+75+40+65ZZZZZZ"},
    {'1', "XXXXXX+00+50+25+80+25+00ZZZZZZ"},
    {'2', "XXXXXX+40+00+00+00+00+05+05+15+35+45+40+55+40+65+35+75+25+80+15+80+05+75+00+65ZZZZZZ"},
    {'3', "XXXXXX+00+65+05+75+15+80+25+80+35+75+40+65+40+55+35+45+25+40+35+35+40+25+40+15+35+05+25+00+15+00+05+05+00+15ZZZZZZ"},
    {'4', "XXXXXX+30+00+30+80+00+30+00+20+40+20ZZZZZZ"},
    {'5', "XXXXXX+40+80+00+80+00+45+05+45+15+50+25+50+35+45+40+35+40+15+35+05+25+00+15+00+05+05+00+15ZZZZZZ"},
    {'6', "XXXXXX+40+65+35+75+25+80+15+80+05+75+00+65+00+40+00+35+15+45+25+45+35+40+40+30+40+15+35+05+25+00+15+00+05+05+00+15+00+40ZZZZZZ"},
    {'7', "XXXXXX+00+80+40+80+35+70+25+55+15+35+10+20+10+00ZZZZZZ"},
    {'8', "XXXXXX+25+40+15+40+05+45+00+55+00+65+05+75+15+80+25+80+35+75+40+65+40+55+35+45+25+40+35+35+40+25+40+15+35+05+25+00+15+00+05+05+00+15+00+25+05+35+15+40ZZZZZZ"},
    {'9', "XXXXXX+00+15+05+05+15+00+25+00+35+05+40+15+40+40+40+45+25+35+15+35+05+40+00+50+00+65+05+75+15+80+25+80+35+75+40+65+40+40ZZZZZZ"},
    {':', "XXXXXX+00+00+00+00XXXXXX+00+45+00+45ZZZZZZ"},
    {'<', "XXXXXX+00+35+40+55XXXXXX+00+35+40+15ZZZZZZ"},
    {'=', "XXXXXX+00+45+40+45XXXXXX+00+25+40+25ZZZZZZ"},
    {'>', "XXXXXX+00+55+40+35XXXXXX+00+15+40+35ZZZZZZ"},
    {'?', "XXXXXX+20+20+20+35+25+40+35+45+40+55+40+65+35+75+25+80+15+80+05+75+00+65XXXXXX+20+00+20+00ZZZZZZ"},
    {'A', "XXXXXX+00+00+25+80+50+00XXXXXX+10+30+40+30ZZZZZZ"},
    {'B', "XXXXXX+00+00+00+80+25+80+35+75+40+65+40+55+35+45+25+40+35+35+40+25+40+15+35+05+25+00+00+00XXXXXX+00+40+25+40ZZZZZZ"},
    {'C', "XXXXXX+40+15+35+05+25+00+15+00+05+05+00+15+00+65+05+75+15+80+25+80+35+75+40+65ZZZZZZ"},
    {'D', "XXXXXX+00+00+00+80+25+80+35+75+40+65+40+15+35+05+25+00+00+00ZZZZZZ"},
    {'E', "XXXXXX+35+00+00+00+00+80+35+80XXXXXX+00+40+35+40ZZZZZZ"},
    {'F', "XXXXXX+00+00+00+80+35+80XXXXXX+00+40+35+40ZZZZZZ"},
    {'G', "XXXXXX+20+40+40+40+40+15+35+05+25+00+15+00+05+05+00+15+00+65+05+75+15+80+25+80+35+75+40+65ZZZZZZ"},
    {'H', "XXXXXX+00+00+00+80XXXXXX+40+00+40+80XXXXXX+00+40+40+40ZZZZZZ"},
    {'I', "XXXXXX+00+00+00+80ZZZZZZ"},
    {'J', "XXXXXX+40+80+40+15+35+05+25+00+15+00+05+05+00+15ZZZZZZ"},
    {'K', "XXXXXX+00+00+00+80XXXXXX+00+25+40+80XXXXXX+15+40+40+00ZZZZZZ"},
    {'L', "XXXXXX+00+80+00+00+35+00ZZZZZZ"},
    {'M', "XXXXXX+00+00+00+80+25+30+50+80+50+00ZZZZZZ"},
    {'N', "XXXXXX+00+00+00+80+40+00+40+80ZZZZZZ"},
    {'O', "XXXXXX+40+65+40+15+35+05+25+00+15+00+05+05+00+15+00+65+05+75+15+80+25+80+35+75+40+65ZZZZZZ"},
    {'P', "XXXXXX+00+00+00+80+25+80+35+75+40+65+40+55+35+45+25+40+00+40ZZZZZZ"},
    {'Q', "XXXXXX+20+15+45+00XXXXXX+40+65+40+15+35+05+25+00+15+00+05+05+00+15+00+65+05+75+15+80+25+80+35+75+40+65ZZZZZZ"},
    {'R', "XXXXXX+20+40+35+30+40+20+40+00XXXXXX+00+00+00+80+25+80+35+75+40+65+40+55+35+45+25+40+00+40ZZZZZZ"},
    {'S', "XXXXXX+00+15+05+05+15+00+25+00+35+05+40+15+40+25+35+35+25+40+15+40+05+45+00+55+00+65+05+75+15+80+25+80+35+75+40+65ZZZZZZ"},
    {'T', "XXXXXX+20+00+20+80XXXXXX+00+80+40+80ZZZZZZ"},
    {'U', "XXXXXX+00+80+00+15+05+05+15+00+25+00+35+05+40+15+40+80ZZZZZZ"},
    {'V', "XXXXXX+00+80+25+00+50+80ZZZZZZ"},
    {'W', "XXXXXX+00+80+00+00+25+50+50+00+50+80ZZZZZZ"},
    {'X', "XXXXXX+00+80+50+00XXXXXX+00+00+50+80ZZZZZZ"},
    {'Y', "XXXXXX+00+80+25+40+25+00XXXXXX+25+40+50+80ZZZZZZ"},
    {'Z', "XXXXXX+00+80+40+80+00+00+40+00ZZZZZZ"},
    {'\\', "XXXXXX+40+00+00+80ZZZZZZ"},
    {'_', "XXXXXX+00+00+50+00ZZZZZZ"},
    {'a', "XXXXXX+00+40+10+45+22+45+30+35+30+00XXXXXX+30+15+25+25+15+27+05+25+00+15+02+05+10+00+15+00+17+00+25+05+30+15ZZZZZZ"},
    {'b', "XXXXXX+00+00+00+80XXXXXX+00+32+05+42+15+45+25+42+30+32+30+12+25+02+15+00+05+02+00+12ZZZZZZ"},
    {'c', "XXXXXX+25+42+15+45+05+42+00+32+00+12+05+02+15+00+25+02ZZZZZZ"},
    {'d', "XXXXXX+30+00+30+80XXXXXX+30+32+25+42+15+45+05+42+00+32+00+12+05+02+15+00+25+02+30+12ZZZZZZ"},
    {'e', "XXXXXX+30+05+22+00+12+00+02+05+00+15+00+32+05+42+15+45+25+42+30+35+30+25+00+25ZZZZZZ"},
    {'f', "XXXXXX+10+00+10+75+15+80+20+77XXXXXX+00+45+20+45ZZZZZZ"},
    {'g', "XXXXXX+00-15+10-20+17-20+27-15+30-05+30+45XXXXXX+30+32+25+42+15+45+05+42+00+32+00+12+05+02+15+00+25+02+30+12ZZZZZZ"},
    {'h', "XXXXXX+00+00+00+80XXXXXX+00+32+05+42+15+45+25+42+30+32+30+00ZZZZZZ"},
    {'i', "XXXXXX+00+00+00+45XXXXXX+00+60+00+60ZZZZZZ"},
    {'j', "XXXXXX+10+60+10+60XXXXXX+00-20+05-20+10-12+10+45ZZZZZZ"},
    {'k', "XXXXXX+00+00+00+80XXXXXX+15+30+30+00XXXXXX+00+20+30+45ZZZZZZ"},
    {'l', "XXXXXX+00+00+00+80ZZZZZZ"},
    {'m', "XXXXXX+00+00+00+45XXXXXX+00+37+10+45+20+42+25+35+25+00XXXXXX+25+37+35+45+45+42+50+35+50+00ZZZZZZ"},
    {'n', "XXXXXX+00+00+00+45XXXXXX+00+35+05+42+15+45+25+42+30+35+30+00ZZZZZZ"},
    {'o', "XXXXXX+30+12+30+32+25+42+15+45+05+42+00+32+00+12+05+02+15+00+25+02+30+12ZZZZZZ"},
    {'p', "XXXXXX+00+45+00-20XXXXXX+00+15+05+02+15+00+25+02+30+12+30+32+25+42+15+45+05+42+00+30ZZZZZZ"},
    {'q', "XXXXXX+30+45+30-20XXXXXX+30+12+25+02+15+00+05+02+00+12+00+32+05+42+15+45+25+42+30+32ZZZZZZ"},
    {'r', "XXXXXX+00+00+00+45XXXXXX+00+35+10+45+20+45ZZZZZZ"},
    {'s', "XXXXXX+00+05+10+00+20+00+30+05+30+15+25+20+05+25+00+30+00+40+10+45+20+45+30+40ZZZZZZ"},
    {'t', "XXXXXX+10+80+10+05+15+00+20+02XXXXXX+00+45+20+45ZZZZZZ"},
    {'u', "XXXXXX+30+45+30+00XXXXXX+30+10+25+02+15+00+05+02+00+10+00+45ZZZZZZ"},
    {'v', "XXXXXX+00+45+20+00+40+45ZZZZZZ"},
    {'w', "XXXXXX+00+45+15+00+30+45+45+00+55+45ZZZZZZ"},
    {'x', "XXXXXX+00+45+40+00XXXXXX+00+00+40+45ZZZZZZ"},
    {'y', "XXXXXX+00+45+20+00+40+45XXXXXX+20+00+15-15+10-20+05-20ZZZZZZ"},
    {'z', "XXXXXX+00+45+30+45+00+00+30+00ZZZZZZ"},
    {181, "XXXXXX+00+45+00-20XXXXXX+30+45+30+00XXXXXX+30+10+25+02+15+00+05+02+00+10+00+45ZZZZZZ"}, // µ
    {196, "XXXXXX+00+00+25+80+50+00XXXXXX+10+30+40+30XXXXXX+05+85+05+85XXXXXX+45+85+45+85ZZZZZZ"}, // Ä
    {214, "XXXXXX+40+60+40+15+35+05+25+00+15+00+05+05+00+15+00+60+05+70+15+75+25+75+35+70+40+60XXXXXX+00+85+00+85XXXXXX+40+85+40+85ZZZZZZ"}, // Ö
    {220, "XXXXXX+00+70+00+15+05+05+15+00+25+00+35+05+40+15+40+70XXXXXX+00+85+00+85XXXXXX+40+85+40+85ZZZZZZ"}, // Ü
    {223, "XXXXXX+00+00+00+70+10+75+20+70+25+60+25+50+15+40XXXXXX+15+40+25+40+30+35+35+25+35+15+30+05+25+00+15+00+10+05ZZZZZZ"}, // ß
    {228, "XXXXXX+05+60+05+60XXXXXX+25+60+25+60XXXXXX+00+40+10+45+22+45+30+35+30+00XXXXXX+30+15+25+25+15+27+05+25+00+15+02+05+10+00+15+00+17+00+25+05+30+15ZZZZZZ"}, // ä
    {246, "XXXXXX+05+60+05+60XXXXXX+25+60+25+60XXXXXX+30+12+30+32+25+42+15+45+05+42+00+32+00+12+05+02+15+00+25+02+30+12ZZZZZZ"}, // ö
    {252, "XXXXXX+00+60+00+60XXXXXX+30+60+30+60XXXXXX+30+45+30+00XXXXXX+30+10+25+02+15+00+05+02+00+10+00+45ZZZZZZ"}, // ü
};

static_assert(std::size(kGlyphs) == kGlyphCount);

// Glyph of every byte value; empty where the font has no glyph of its own.
constexpr std::array<std::string_view, 256> kGlyphByCode = [] {
  std::array<std::string_view, 256> table{};
  for (const GlyphEntry& e : kGlyphs) table[e.code] = e.glyph;
  return table;
}();

constexpr unsigned char kFallbackChar = '.';

// Two digits with a sign in front ("+25", "-20"); false when the text is not of that form.
bool ParseSignedTwoDigits(std::string_view s, int& value) {
  if (s.size() != 3 || (s[0] != '+' && s[0] != '-')) return false;
  if (s[1] < '0' || s[1] > '9' || s[2] < '0' || s[2] > '9') return false;
  const int magnitude = (s[1] - '0') * 10 + (s[2] - '0');
  value = s[0] == '-' ? -magnitude : magnitude;
  return true;
}

}  // namespace

bool HasGlyph(unsigned char ch) { return !kGlyphByCode[ch].empty(); }

std::string_view GlyphString(unsigned char ch) {
  return HasGlyph(ch) ? kGlyphByCode[ch] : kGlyphByCode[kFallbackChar];
}

int GlyphTokenCount(unsigned char ch) {
  return static_cast<int>(GlyphString(ch).size() / kGlyphTokenLength);
}

GlyphToken ParseGlyphToken(std::string_view token) {
  if (token == kPenUpToken) return {GlyphTokenKind::PenUp, 0, 0};
  GlyphToken vertex{GlyphTokenKind::Vertex, 0, 0};
  if (token.size() == kGlyphTokenLength && ParseSignedTwoDigits(token.substr(0, 3), vertex.x) &&
      ParseSignedTwoDigits(token.substr(3, 3), vertex.y))
    return vertex;
  // The end marker, and anything that is not a well-formed token, ends the glyph.
  return {GlyphTokenKind::End, 0, 0};
}

GlyphToken GlyphTokenAt(unsigned char ch, int i) {
  const std::string_view glyph = GlyphString(ch);
  if (i < 0 || static_cast<std::size_t>(i) >= glyph.size() / kGlyphTokenLength)
    return {GlyphTokenKind::End, 0, 0};
  return ParseGlyphToken(glyph.substr(static_cast<std::size_t>(i) * kGlyphTokenLength, kGlyphTokenLength));
}

TFloatPoint GlyphVertex(unsigned char ch, int i) {
  const GlyphToken t = GlyphTokenAt(ch, i);
  switch (t.kind) {
    case GlyphTokenKind::PenUp: return kPenUpVertex;
    case GlyphTokenKind::End: return kGlyphEndVertex;
    case GlyphTokenKind::Vertex: break;
  }
  return {static_cast<float>(t.x), static_cast<float>(-t.y)};
}

int GlyphAdvance(unsigned char ch) {
  if (ch == ' ') return 1;
  int advance = 0;
  const int count = GlyphTokenCount(ch);
  for (int i = 0; i < count; ++i) {
    const GlyphToken t = GlyphTokenAt(ch, i);
    if (t.kind == GlyphTokenKind::End) break;
    if (t.kind == GlyphTokenKind::Vertex) advance = std::max(advance, t.x);
  }
  return advance;
}

}  // namespace corvane
