#pragma once
// The vector-text generator: turns a text element's string and style into
// stroke tracks built from the stroke font.

#include <cstdint>

#include "core/layers.h"
#include "core/objekt.h"
#include "geom/int_point.h"

namespace corvane {

// Stroke thickness of a text (Mass2).
enum : int { tdDuenn = 0, tdNormal = 1, tdDick = 2 };
// Width style of a text (Wert1).
enum : int { tsEng = 0, tsNormal = 1, tsWeit = 2 };

// The editor settings new strokes take. The stroke width replaces the
// current track width for the strokes, so that is not needed here.
struct TTextEditorState {
  int AktiverLayer = lyC2;                // layer the strokes are created on
  int32_t Freistanz = kDefaultClearance;  // current clearance
};

// World units per font unit vertically: height / 90.
double TextScale(double height);
// Horizontal factor of a width style: 0.8 narrow, 1.2 normal, 1.6 wide.
// Values outside 0..2 count as normal.
double TextWidthFactor(int32_t style);
// Stroke thickness of a text element: Mass2 rounded; values outside 0..2
// count as normal.
int TextThickness(const TObjekt& text);
// Stroke width for a height (world units): rnd(10c / 1.8) thin, rnd(10c)
// normal, rnd(10c / 0.7) bold, with c = TextScale(height).
int32_t TextStrokeWidth(double height, int thickness);
// Gap after each character: rnd(16c) thin, rnd(22c) normal, rnd(28c) bold.
int32_t TextCharGap(double height, int thickness);

// Bounds of a text element: the union of its strokes' bounds (clearance
// included), its position when it has no strokes.
TIntRect TextBounds(const TObjekt& text);

// Rebuilds the strokes of a text element from Text, Mass1 (height), Mass2
// (thickness), Wert1 (width style), Schalter1/Schalter2 (mirror left-right /
// top-bottom, about the centre of the new strokes), Wert3 (angle, clockwise
// as displayed, about the position). A text that had strokes keeps the centre
// of its bounds; a new one keeps its position as the start of the baseline.
// An empty or blank-only string is drawn as ".". The strokes are tracks on
// the editor's active layer with its current clearance.
// Returns true when the text has at least one stroke afterwards.
bool GenerateTextStrokes(TObjekt& text, const TTextEditorState& editor);

}  // namespace corvane
