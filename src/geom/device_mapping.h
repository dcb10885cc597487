#pragma once
// The mapping from world coordinates (world units, Y up) to device pixels of
// the drawing surface (Y down):
//   normal:   (left + wx*zoom, top - wy*zoom)
//   mirrored: (left + (W - wx)*zoom, top - wy*zoom), the photo view of side 2,
// where W is the board width.

#include "core/units.h"
#include "geom/int_point.h"

namespace corvane {

struct TDeviceMapping {
  double zoom = 1.0;  // device pixels per world unit
  double left = 0.0;  // device position of the surface's world origin
  double top = 0.0;
  bool mirrored = false;
  double boardWidth = 0.0;  // W, used by the mirrored mapping

  double DeviceX(double wx) const { return mirrored ? left + (boardWidth - wx) * zoom : left + wx * zoom; }
  double DeviceY(double wy) const { return top - wy * zoom; }
  // Device point rounded to whole pixels (ties to even).
  TIntPoint ToDevice(double wx, double wy) const { return {Rnd(DeviceX(wx)), Rnd(DeviceY(wy))}; }

  // The reverse mapping of a device point.
  double WorldX(double dx) const { return mirrored ? boardWidth - (dx - left) / zoom : (dx - left) / zoom; }
  double WorldY(double dy) const { return -(dy - top) / zoom; }

  // The normal mapping flips one axis and so reverses the turning sense of
  // outlines; the mirrored one flips both and keeps it.
  bool ReversesOrientation() const { return !mirrored; }
};

}  // namespace corvane
