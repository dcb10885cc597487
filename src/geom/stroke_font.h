#pragma once
// The built-in single-line stroke font of vector texts.
//
// A glyph string is a sequence of 6-character tokens: "XXXXXX" lifts the pen
// and starts a new stroke, "ZZZZZZ" ends the glyph, anything else is a vertex
// written as x and y, each a sign and two digits ("+25+80"), in font units.
// The baseline is y = 0, capitals reach 80, the x-height is 45, descenders go
// down to -20. A stroke of two equal vertices is a dot.

#include <cstddef>
#include <string_view>

#include "core/float_point.h"

namespace corvane {

// Number of characters with a glyph of their own.
inline constexpr int kGlyphCount = 91;
inline constexpr std::size_t kGlyphTokenLength = 6;
inline constexpr std::string_view kPenUpToken = "XXXXXX";
inline constexpr std::string_view kGlyphEndToken = "ZZZZZZ";

// What GlyphVertex returns for the pen-up and the end marker.
inline constexpr TFloatPoint kPenUpVertex{-100.0f, -100.0f};
inline constexpr TFloatPoint kGlyphEndVertex{-200.0f, -200.0f};

enum class GlyphTokenKind { PenUp, Vertex, End };

// One token of a glyph; x and y (font units, y up) are set for vertices only.
struct GlyphToken {
  GlyphTokenKind kind = GlyphTokenKind::End;
  int x = 0;
  int y = 0;
};

// True when the character (a code page 1252 byte) has a glyph of its own.
bool HasGlyph(unsigned char ch);

// The glyph string of a character; characters without a glyph get the one of ".".
std::string_view GlyphString(unsigned char ch);

// Number of tokens in the glyph string of a character.
int GlyphTokenCount(unsigned char ch);

// Parses one token; a malformed token counts as the end marker.
GlyphToken ParseGlyphToken(std::string_view token);

// The i-th token of a character's glyph; an index past the end gives the end marker.
GlyphToken GlyphTokenAt(unsigned char ch, int i);

// The i-th token as a point: the pen-up marker gives kPenUpVertex, the end
// marker kGlyphEndVertex, a vertex (x, -y) -- y comes back negated.
TFloatPoint GlyphVertex(unsigned char ch, int i);

// The largest x of the glyph's vertices (font units); 1 for a blank.
int GlyphAdvance(unsigned char ch);

}  // namespace corvane
