#pragma once
// Small helpers of the drawing routines: world values rounded to whole units
// as the canvas takes them.

#include "core/units.h"
#include "geom/int_point.h"
#include "render/canvas.h"

namespace corvane {

// The box with corners (x0, y0) and (x1, y1), each rounded.
inline TIntRect RoundBox(double x0, double y0, double x1, double y1) {
  return {Rnd(x0), Rnd(y0), Rnd(x1), Rnd(y1)};
}

// The box of a circle of radius r around (x, y).
inline TIntRect CircleBox(double x, double y, double r) { return RoundBox(x - r, y + r, x + r, y - r); }

inline TIntPoint RoundedPoint(double x, double y) { return {Rnd(x), Rnd(y)}; }

// A one-pixel pen of the colour, solid.
inline void SetHairPen(TCanvas& canvas, TRgb colour) {
  canvas.SetPenColour(colour);
  canvas.SetPenWidth(0);
  canvas.SetPenStyle(TPenStyle::Solid);
}

}  // namespace corvane
