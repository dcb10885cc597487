#pragma once
// Element transforms: move, rotate and the two mirrors. Texts carry their
// generated strokes along (recursively).

#include "core/float_point.h"
#include "core/objekt.h"

namespace corvane {

// Adds (dx, dy) to the element's geometry: pad centre and points; the points
// of tracks, zones and SMD pads; circle centre; text position and strokes;
// both points of a font text.
void MoveElement(TObjekt& e, double dx, double dy);

// Turns the element clockwise as displayed by deg degrees about pivot. An
// oblong pad that ends up standing (angle strictly between 45 and 135 or
// between 225 and 315) swaps to its other orientation (4<->7, 5<->8, 6<->9)
// and its spoke mask is turned with the frame so that the spokes keep their
// directions on the board. A font text turns a quarter turn whatever deg is.
void RotateElement(TObjekt& e, TFloatPoint pivot, double deg);

// Mirrors left-right about the vertical line x = x0.
void MirrorElementX(TObjekt& e, double x0);
// Mirrors top-bottom about the horizontal line y = y0.
void MirrorElementY(TObjekt& e, double y0);

}  // namespace corvane
