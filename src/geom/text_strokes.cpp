#include "geom/text_strokes.h"

#include <string>
#include <string_view>
#include <utility>

#include "core/element_ops.h"
#include "core/units.h"
#include "geom/element_bounds.h"
#include "geom/element_create.h"
#include "geom/points.h"
#include "geom/stroke_font.h"
#include "geom/transforms.h"

namespace corvane {

namespace {

// Font units from the baseline to the top of the em box.
constexpr double kFontUnitsPerHeight = 90.0;

bool IsBlank(unsigned char ch) { return ch == ' '; }

// The string the strokes are made of: an empty or blank-only string becomes ".".
std::string_view StrokeString(const std::string& text) {
  for (char ch : text)
    if (!IsBlank(static_cast<unsigned char>(ch))) return text;
  return ".";
}

struct Centre {
  double x;
  double y;
};

Centre RectCentre(const TIntRect& r) {
  return {(static_cast<double>(r.left) + r.right) / 2.0, (static_cast<double>(r.top) + r.bottom) / 2.0};
}

// Lays the glyphs of the string out as strokes from the text's position;
// after each character the pen moves on by the glyph's advance and the gap.
void LayOutGlyphs(TObjekt& text, std::string_view s, const TTextEditorState& editor) {
  const double c = TextScale(text.Mass1);
  const double b = TextWidthFactor(text.Wert1);
  const int thickness = TextThickness(text);
  const int32_t width = TextStrokeWidth(text.Mass1, thickness);
  const int32_t gap = TextCharGap(text.Mass1, thickness);
  const uint8_t layer = static_cast<uint8_t>(editor.AktiverLayer);

  double x = text.X;
  const double y = text.Y;
  for (char raw : s) {
    const auto ch = static_cast<unsigned char>(raw);
    TObjekt* stroke = nullptr;
    const int count = GlyphTokenCount(ch);
    for (int i = 0; i < count; ++i) {
      const GlyphToken token = GlyphTokenAt(ch, i);
      if (token.kind == GlyphTokenKind::End) break;
      if (token.kind == GlyphTokenKind::PenUp || stroke == nullptr) {
        TObjekt track = CreateTrack(width, layer);
        track.Freistanz = editor.Freistanz;
        text.Striche.push_back(std::move(track));
        stroke = &text.Striche.back();
        if (token.kind == GlyphTokenKind::PenUp) continue;
      }
      AddPoint(*stroke, MakePoint(x + token.x * c * b, y + token.y * c));
    }
    x += Rnd(GlyphAdvance(ch) * c * b) + gap;
  }
}

}  // namespace

TIntRect TextBounds(const TObjekt& text) { return ElementBounds(text, TLayerState{}); }

double TextScale(double height) { return height / kFontUnitsPerHeight; }

double TextWidthFactor(int32_t style) {
  switch (style) {
    case tsEng: return 0.8;
    case tsWeit: return 1.6;
    default: return 1.2;
  }
}

int TextThickness(const TObjekt& text) {
  const int32_t t = Rnd(text.Mass2);
  return t == tdDuenn || t == tdDick ? t : tdNormal;
}

int32_t TextStrokeWidth(double height, int thickness) {
  const double c = TextScale(height);
  switch (thickness) {
    case tdDuenn: return Rnd(10.0 * c / 1.8);
    case tdDick: return Rnd(10.0 * c / 0.7);
    default: return Rnd(10.0 * c);
  }
}

int32_t TextCharGap(double height, int thickness) {
  const double c = TextScale(height);
  switch (thickness) {
    case tdDuenn: return Rnd(16.0 * c);
    case tdDick: return Rnd(28.0 * c);
    default: return Rnd(22.0 * c);
  }
}

bool GenerateTextStrokes(TObjekt& text, const TTextEditorState& editor) {
  // Remember where a regenerated text stood, then drop its strokes.
  const bool regenerate = !text.Striche.empty();
  TIntRect oldBounds;
  if (regenerate) oldBounds = TextBounds(text);
  text.Striche.clear();

  // Lay the glyphs out from the position.
  LayOutGlyphs(text, StrokeString(text.Text), editor);
  if (text.Striche.empty()) return false;

  // Mirror the strokes and the position about the centre of the new strokes;
  // flags and angle stay as they are.
  const Centre m = RectCentre(TextBounds(text));
  if (text.Schalter2 != 0) {
    for (TObjekt& stroke : text.Striche) MirrorElementY(stroke, m.y);
    text.Y = static_cast<float>(2.0 * m.y - text.Y);
  }
  if (text.Schalter1 != 0) {
    for (TObjekt& stroke : text.Striche) MirrorElementX(stroke, m.x);
    text.X = static_cast<float>(2.0 * m.x - text.X);
  }

  // Turn the strokes about the position; the stored angle stays. A whole
  // turn is skipped, so unrotated texts keep exact vertices.
  if (NormaliseDegrees(text.Wert3) != 0) {
    const TFloatPoint pivot{text.X, text.Y};
    for (TObjekt& stroke : text.Striche) RotateElement(stroke, pivot, NormaliseDegrees(text.Wert3));
  }

  // A regenerated text keeps the centre of its bounds.
  if (regenerate) {
    const Centre was = RectCentre(oldBounds);
    const Centre now = RectCentre(TextBounds(text));
    MoveElement(text, was.x - now.x, was.y - now.y);
  }
  return true;
}

}  // namespace corvane
