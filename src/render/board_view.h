#pragma once
// TBoardView: how the drawing area shows the board. Zoom, scroll positions,
// the world <-> pixel mapping, snapping to the grid, the coordinate origin and
// the zoom history.
//
// Pixel coordinates called "surface" are relative to the top-left corner of
// the drawing surface, a pixel area of the board's size at the current zoom
// that lies at (-HPos, -VPos) inside the scrollable area. World coordinates
// are 0.01 mm with y up; the board spans x 0..W, y -H..0. "Device direction"
// coordinates (x, yDown) are world x (W - x in the mirrored photo view) and -y.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/board.h"
#include "core/float_point.h"
#include "core/view_state.h"
#include "geom/device_mapping.h"
#include "geom/int_point.h"
#include "render/unit_mode.h"

namespace corvane {

// Scroll change applied by AutoScroll, in pixels.
struct TScrollStep {
  int32_t dx = 0;
  int32_t dy = 0;
  bool Scrolled() const { return dx != 0 || dy != 0; }
  friend bool operator==(const TScrollStep&, const TScrollStep&) = default;
};

inline constexpr double kStartZoom = 0.1;
inline constexpr double kZoomStep = 1.4;
// Zooming out at the cursor stops once the zoom is at or below this.
inline constexpr double kZoomOutStop = 0.0105;
// ZoomAllObjects and ZoomSelection ignore bounds with a side below this (world units).
inline constexpr int32_t kMinZoomBoundsSide = 50;
// AutoScroll starts this close (pixels) to an edge of the visible part.
inline constexpr int32_t kAutoScrollMargin = 8;

inline constexpr int32_t kDefaultBoardWidth = 16000;
inline constexpr int32_t kDefaultBoardHeight = 10000;
inline constexpr double kDefaultGrid = 127.0;
inline constexpr int kDefaultGridMark = 4;

class TBoardView {
 public:
  // Board size: at least 1 x 1; the zoom is lowered to the new MaxZoom when needed.
  int32_t BoardWidth() const { return W_; }
  int32_t BoardHeight() const { return H_; }
  void SetBoardSize(int32_t w, int32_t h);

  // Size of the visible part of the scrollable area (its client area), pixels.
  int32_t VisibleWidth() const { return visibleW_; }
  int32_t VisibleHeight() const { return visibleH_; }
  void SetVisibleSize(int32_t w, int32_t h);

  // The mirrored photo view of side 2 maps world x to W - x.
  bool Mirrored() const { return mirrored_; }
  void SetMirrored(bool on) { mirrored_ = on; }

  double Zoom() const { return zoom_; }
  double MaxZoom() const { return MaxZoomForBoard(W_, H_); }
  int32_t SurfaceWidth() const;   // rnd(zoom * W + 1)
  int32_t SurfaceHeight() const;  // rnd(zoom * H + 1)

  int32_t HPos() const { return hpos_; }
  int32_t VPos() const { return vpos_; }
  int32_t MaxHPos() const;  // scroll range: surface minus visible size, at least 0
  int32_t MaxVPos() const;
  // Scroll bar line steps: one sixteenth of the visible size (at least 1).
  int32_t HIncrement() const;
  int32_t VIncrement() const;
  // Sets both scroll positions, clamped to the scroll range.
  void ScrollTo(int32_t hpos, int32_t vpos);

  // Sets the zoom: rounded to 0.001, limited to kMinZoom..MaxZoom, keeping the
  // world point at the centre of the visible part unless `keepCentre` is false
  // (the scroll positions are then only clamped to the new range).
  void SetZoom(double z, bool keepCentre = true);
  // Scrolls so that the device-direction point (x, yDown) is in the middle.
  void CenterOn(double x, double yDown);

  // Wheel zoom at a cursor in surface pixels; nothing (nullopt) when the
  // cursor is off the surface or the limit is reached. Otherwise the result is
  // the surface pixel the window moves the mouse pointer to.
  std::optional<TIntPoint> ZoomInAt(TIntPoint cursor);
  std::optional<TIntPoint> ZoomOutAt(TIntPoint cursor);
  // One zoom step (x1.4 or /1.4) keeping the centre: overview clicks, right
  // click of the zoom tool.
  void ZoomStepKeepingCentre(bool zoomIn);
  // "Zoom Platine": the whole board fits the visible part, centre kept.
  void ZoomBoard();
  // "Zoom alle Objekte" with the bounds of all elements and "Zoom auf
  // Markierung" with those of the selection (world units, corners in any
  // order). Nothing happens (false) when a side is shorter than 50 units.
  bool ZoomAllObjects(const TIntRect& bounds);
  bool ZoomSelection(const TIntRect& bounds);
  // Zoom tool rectangle (world corners): fits it into the visible part and
  // centres on its middle; false for a rectangle without area.
  bool ZoomToRect(TFloatPoint a, TFloatPoint b);

  void PushZoomHistory();
  // "Zoom vorher": restores the last pushed view; false with an empty history.
  bool ZoomPrevious();
  const std::vector<TZoomEntry>& ZoomHistory() const { return history_; }
  // Each board keeps its own history; the window swaps it in on a board switch.
  void SetZoomHistory(std::vector<TZoomEntry> history) { history_ = std::move(history); }

  // Scrolls by one increment when (x, y) (surface pixels) is near an edge of
  // the visible part and the board continues beyond it; returns what scrolled.
  TScrollStep AutoScroll(int32_t x, int32_t y);

  // The world -> pixel mapping of a canvas on the whole drawing surface, and
  // of one on the visible part only (the surface shifted by the scroll positions).
  TDeviceMapping SurfaceMapping() const;
  TDeviceMapping VisibleMapping() const;

  // Surface pixel -> world, optionally snapped to the grid.
  TFloatPoint DeviceToWorld(TIntPoint p, bool snap) const;
  // World -> surface pixel (rounded).
  TIntPoint WorldToDevice(TFloatPoint p) const;
  // Nearest grid point; the grid is anchored at the coordinate origin.
  TFloatPoint SnapToGrid(TFloatPoint p) const;

  // Grid spacing in world units; a spacing that is not a positive number is refused.
  double Grid() const { return grid_; }
  bool SetGrid(double spacing);
  bool GridVisible() const { return gridVisible_; }
  void SetGridVisible(bool on) { gridVisible_ = on; }
  // Every m-th grid line from the origin is drawn wider; 0 = off.
  int GridMark() const { return gridMark_; }
  void SetGridMark(int m) { gridMark_ = m > 0 ? m : 0; }

  TUnitMode Unit() const { return unit_; }
  void SetUnit(TUnitMode unit) { unit_ = unit; }
  void ToggleUnit() { unit_ = OtherUnit(unit_); }

  // Coordinate origin in thousandths of a world unit.
  int32_t OriginX() const { return originX_; }
  int32_t OriginY() const { return originY_; }
  void SetOriginScaled(int32_t x1000, int32_t y1000);
  // The origin becomes the world point p (stored x 1000); false when unchanged.
  bool SetOrigin(TFloatPoint p);
  // "Setze auf Klickposition": the world point of a surface pixel, snapped
  // unless Ctrl is held; false when the origin stays where it is.
  bool SetOriginAtClick(TIntPoint p, bool ctrl);
  void ResetOriginTopLeft() { SetOriginScaled(0, 0); }
  void SetOriginBottomLeft();
  // Where a dragged origin marker puts the origin: the pointer's world point,
  // snapped unless Ctrl is held, with x <= W and y >= -H.
  TFloatPoint OriginDragTarget(TIntPoint p, bool ctrl) const;
  // Surface pixel of the origin (the centre of the origin marker).
  TIntPoint OriginPixel() const;
  // World point in the user frame: relative to the origin, y growing downwards.
  TFloatPoint WorldToUser(TFloatPoint p) const;

 private:
  bool ZoomToBounds(const TIntRect& bounds);
  bool OverSurface(TIntPoint p) const;
  double DeviceX(double worldX) const { return mirrored_ ? W_ - worldX : worldX; }

  int32_t W_ = kDefaultBoardWidth;
  int32_t H_ = kDefaultBoardHeight;
  int32_t visibleW_ = 0;
  int32_t visibleH_ = 0;
  bool mirrored_ = false;
  double zoom_ = kStartZoom;
  int32_t hpos_ = 0;
  int32_t vpos_ = 0;
  double grid_ = kDefaultGrid;
  bool gridVisible_ = true;
  int gridMark_ = kDefaultGridMark;
  TUnitMode unit_ = umMm;
  int32_t originX_ = 0;
  int32_t originY_ = 0;
  std::vector<TZoomEntry> history_;
};

}  // namespace corvane
