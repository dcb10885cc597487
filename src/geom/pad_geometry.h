#pragma once
// Outline points, angle and thermal spokes of through-hole pads.
//
// A pad stores no angle: its outline points are kept rotated with the pad and
// the angle is read back from the reference edge (points 1->2 of octagons,
// 0->1 of every other shape).

#include <array>
#include <cstdint>

#include "core/float_point.h"
#include "core/objekt.h"

namespace corvane {

// Up to 8 outline points of a pad shape.
struct TPadOutline {
  std::array<TFloatPoint, 8> points{};
  int count = 0;
};

inline bool IsRoundShape(int shape) { return shape == psCircular || shape == psRoundedH || shape == psRoundedV; }
inline bool IsOctagonShape(int shape) { return shape == psOctagon || shape == psOctagonH || shape == psOctagonV; }
inline bool IsRectangleShape(int shape) { return shape == psSquare || shape == psRectangleH || shape == psRectangleV; }
// Shapes 4..9: twice as long as wide.
inline bool IsOblongShape(int shape) { return shape >= psRoundedH && shape <= psRectangleV; }

// The unrotated outline of a pad shape around centre with the given radius,
// enlarged by grow (solder mask and clearance outlines use grow > 0): 2 axis
// points for shapes 1, 4, 7, 8 corners for 2, 5, 8, 4 corners for 3, 6, 9.
// Any other shape gives no points.
TPadOutline PadShapePoints(TFloatPoint centre, double grow, double radius, int shape);

// The pad's rotation in degrees [0, 360), rounded to 0.01; 0 when the pad has
// too few points to tell.
double PadAngle(const TObjekt& pad);

// Regenerates the outline points from centre, outer radius and shape (the
// shape becomes newShape when newShape >= 0), keeping the current angle.
void RebuildPadPoints(TObjekt& pad, int newShape = -1);

// End point of spoke 1..8 (mask bit spoke - 1), rotated with the pad; the
// spoke runs from there to the centre. Another spoke number gives the centre.
TFloatPoint PadSpokeEnd(const TObjekt& pad, int spoke);

// Spoke width in world units: rnd(R / 1.5 / 100 * percent).
int32_t PadSpokeWidth(const TObjekt& pad);

// p turned about c by -angle degrees (clockwise by angle as displayed); a zero
// angle leaves the point exact instead of passing it through the trigonometry.
TFloatPoint TurnClockwise(TFloatPoint p, TFloatPoint c, double angle);

}  // namespace corvane
