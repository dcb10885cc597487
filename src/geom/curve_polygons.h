#pragma once
// Polygon approximation of circles and arcs inside areas.
//
// Rule: a curve of radius r (in the units of the target, world units or
// device pixels) becomes a polygon whose vertices lie on the curve, with so
// many vertices that the sagitta r*(1 - cos(pi/n)) of every edge is at most a
// quarter unit. The vertices are then rounded to whole units (at most
// sqrt(2)/2 off), so no edge deviates more than 1 unit from the true curve.

namespace corvane {

inline constexpr double kCurveSagitta = 0.25;

// Vertices of a full circle of radius r in target units (8 .. 16384).
int CircleVertexCount(double r);

// Edges of an arc of span deg degrees (0 < deg <= 360), at least 1.
int ArcEdgeCount(double r, double spanDeg);

}  // namespace corvane
