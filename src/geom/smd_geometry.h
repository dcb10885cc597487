#pragma once
// SMD pads: 4 corners in the order top-left, top-right, bottom-right,
// bottom-left of the unrotated rectangle. Width is |p0 p1|, height |p1 p2|;
// the rotation is the direction of p0 -> p1, the centre the midpoint of p0, p2.

#include <array>
#include <cstdint>
#include <span>

#include "core/float_point.h"
#include "core/objekt.h"

namespace corvane {

using TSmdCorners = std::array<TFloatPoint, 4>;

// True when the pad has its 4 corners.
inline bool HasSmdCorners(const TObjekt& smd) { return smd.Punkte.size() >= 4; }

// The corners of a new, unrotated SMD pad of w x h around centre.
TSmdCorners SmdRectangle(TFloatPoint centre, double w, double h);

// Midpoint of corners 0 and 2 (the stored position when the corners are missing).
TFloatPoint SmdCentre(const TObjekt& smd);
// Direction angle of corner 0 -> 1 in degrees, not rounded; 0 without corners.
double SmdAngle(const TObjekt& smd);

// A w x h rectangle with the centre and orientation of the given corners
// (at least 3 points; fewer give an unrotated rectangle around the origin).
TSmdCorners SmdCorners(std::span<const TFloatPoint> points, double w, double h);

// Replaces the corners by a w x h rectangle keeping centre and rotation and
// stores w and h in Mass1 and Mass2; a negative w or h keeps that side.
// A pad without its corners is left alone.
void ResizeSmd(TObjekt& smd, double w, double h);

// End point of spoke 1..8 (mask bit spoke - 1) at w/2 + clearance and
// h/2 + clearance from the centre, rotated with the pad.
TFloatPoint SmdSpokeEnd(const TObjekt& smd, int spoke);

// Spoke width in world units: rnd(min(w, h) / 3 / 100 * percent).
int32_t SmdSpokeWidth(const TObjekt& smd);

}  // namespace corvane
