#pragma once
// Point primitives and the two angle conventions of the editor.
//
// Direction angle: from +x, growing clockwise as displayed (the world Y axis
// points up), radians in [0, 2*pi). Pad, SMD and spoke directions use it.
// Polar angle: the ordinary counter-clockwise angle in the Y-up frame, in
// degrees. Circle and arc start/stop angles use it.

#include "core/float_point.h"
#include "geom/int_point.h"

namespace corvane {

TFloatPoint MakePoint(double x, double y);

// Each coordinate rounded to the nearest integer, ties to even.
TIntPoint RoundPoint(TFloatPoint p);
TFloatPoint FloatPoint(TIntPoint q);

bool PointsEqualRounded(TFloatPoint p, TFloatPoint q);
// |rnd(px) - rnd(qx)| <= tol and |rnd(py) - rnd(qy)| <= tol.
bool PointsNear(TFloatPoint p, TFloatPoint q, int tol);

double Distance(TFloatPoint p, TFloatPoint q);

// (bx - (bx - ax)*tx, by - (by - ay)*ty); 0.5, 0.5 gives the midpoint.
TFloatPoint Interpolate(TFloatPoint a, TFloatPoint b, double tx, double ty);

// Direction angle of a -> b in radians; a == b gives 0.
double DirectionAngle(TFloatPoint a, TFloatPoint b);

// p turned about c by deg degrees counter-clockwise as displayed (negative deg
// turns clockwise). Computed from radius and direction angle and stored in
// single precision, so repeated turns drift by float rounding only.
TFloatPoint RotatePoint(TFloatPoint p, TFloatPoint c, double deg);

// centre + r*(cos deg, sin deg), polar convention.
TFloatPoint PointOnCircle(TFloatPoint centre, int deg, double r);

// Polar angle of p about centre in whole degrees 0..359: right of the centre
// is 0, above 90, left 180, below 270.
int PointAngleOnCircle(TFloatPoint centre, TFloatPoint p);

// An angle in whole degrees brought into 0..359 (360 counts as 0).
inline int NormaliseDegrees(int deg) {
  int a = deg % 360;
  return a < 0 ? a + 360 : a;
}

}  // namespace corvane
