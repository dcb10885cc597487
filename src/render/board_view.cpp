#include "render/board_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/units.h"

namespace corvane {

namespace {

constexpr double kZoomQuantum = 1000.0;  // the zoom is a multiple of 1/1000
// ZoomBoard leaves 10 pixels, ZoomAllObjects 20 pixels of the visible part free.
constexpr double kBoardZoomMargin = 10.0;
constexpr double kBoundsZoomMargin = 20.0;
constexpr int64_t kBoundsCentreShift = 10;
constexpr int32_t kIncrementDivisor = 16;

int32_t ClampScroll(int64_t pos, int32_t max) {
  return static_cast<int32_t>(std::clamp<int64_t>(pos, 0, max));
}

}  // namespace

void TBoardView::SetBoardSize(int32_t w, int32_t h) {
  W_ = std::max<int32_t>(w, 1);
  H_ = std::max<int32_t>(h, 1);
  if (zoom_ > MaxZoom())
    SetZoom(MaxZoom());
  else
    ScrollTo(hpos_, vpos_);
}

void TBoardView::SetVisibleSize(int32_t w, int32_t h) {
  visibleW_ = std::max<int32_t>(w, 0);
  visibleH_ = std::max<int32_t>(h, 0);
  ScrollTo(hpos_, vpos_);
}

int32_t TBoardView::SurfaceWidth() const { return Rnd(zoom_ * W_ + 1.0); }
int32_t TBoardView::SurfaceHeight() const { return Rnd(zoom_ * H_ + 1.0); }

int32_t TBoardView::MaxHPos() const { return std::max<int32_t>(SurfaceWidth() - visibleW_, 0); }
int32_t TBoardView::MaxVPos() const { return std::max<int32_t>(SurfaceHeight() - visibleH_, 0); }

int32_t TBoardView::HIncrement() const { return std::max<int32_t>(visibleW_ / kIncrementDivisor, 1); }
int32_t TBoardView::VIncrement() const { return std::max<int32_t>(visibleH_ / kIncrementDivisor, 1); }

void TBoardView::ScrollTo(int32_t hpos, int32_t vpos) {
  hpos_ = ClampScroll(hpos, MaxHPos());
  vpos_ = ClampScroll(vpos, MaxVPos());
}

void TBoardView::SetZoom(double z, bool keepCentre) {
  // The centre of the visible part in device-direction world units, at the old zoom.
  const double cx = RoundEven((hpos_ + visibleW_ / 2) / zoom_);
  const double cy = RoundEven((vpos_ + visibleH_ / 2) / zoom_);
  double next = Rnd(z * kZoomQuantum) / kZoomQuantum;  // NaN becomes 0, then the lower limit
  next = std::max(next, kMinZoom);
  next = std::min(next, MaxZoom());
  zoom_ = next;
  if (keepCentre)
    CenterOn(cx, cy);
  else
    ScrollTo(hpos_, vpos_);
}

void TBoardView::CenterOn(double x, double yDown) {
  const double h = zoom_ * (x - RoundEven((visibleW_ / 2) / zoom_));
  const double v = zoom_ * (yDown - RoundEven((visibleH_ / 2) / zoom_));
  ScrollTo(Rnd(h), Rnd(v));
}

bool TBoardView::OverSurface(TIntPoint p) const {
  return p.x >= 0 && p.y >= 0 && p.x < SurfaceWidth() && p.y < SurfaceHeight();
}

std::optional<TIntPoint> TBoardView::ZoomInAt(TIntPoint cursor) {
  if (!OverSurface(cursor) || !(zoom_ < MaxZoom())) return std::nullopt;
  const TFloatPoint w = DeviceToWorld(cursor, false);
  const double wx = std::clamp(RoundEven(w.x), 0.0, static_cast<double>(W_));
  const double wy = std::clamp(RoundEven(w.y), -static_cast<double>(H_), 0.0);
  SetZoom(zoom_ * kZoomStep, false);
  CenterOn(DeviceX(wx), -wy);
  return WorldToDevice({static_cast<float>(wx), static_cast<float>(wy)});
}

std::optional<TIntPoint> TBoardView::ZoomOutAt(TIntPoint cursor) {
  if (!OverSurface(cursor) || !(zoom_ > kZoomOutStop)) return std::nullopt;
  const TFloatPoint w = DeviceToWorld(cursor, false);
  SetZoom(zoom_ / kZoomStep);
  return WorldToDevice(w);
}

void TBoardView::ZoomStepKeepingCentre(bool zoomIn) {
  SetZoom(zoomIn ? zoom_ * kZoomStep : zoom_ / kZoomStep);
}

void TBoardView::ZoomBoard() {
  SetZoom(std::min((visibleW_ - kBoardZoomMargin) / W_, (visibleH_ - kBoardZoomMargin) / H_));
}

bool TBoardView::ZoomAllObjects(const TIntRect& bounds) { return ZoomToBounds(bounds); }

bool TBoardView::ZoomSelection(const TIntRect& bounds) { return ZoomToBounds(bounds); }

bool TBoardView::ZoomToBounds(const TIntRect& b) {
  const int64_t w = std::llabs(static_cast<int64_t>(b.right) - b.left);
  const int64_t h = std::llabs(static_cast<int64_t>(b.top) - b.bottom);
  if (w < kMinZoomBoundsSide || h < kMinZoomBoundsSide) return false;
  SetZoom(std::min((visibleW_ - kBoundsZoomMargin) / static_cast<double>(w),
                   (visibleH_ - kBoundsZoomMargin) / static_cast<double>(h)),
          false);
  const int64_t cx = std::llabs(static_cast<int64_t>(b.left) + b.right) / 2;
  const int64_t cy = std::llabs(static_cast<int64_t>(b.top) + b.bottom) / 2;
  CenterOn(DeviceX(static_cast<double>(cx)) - kBoundsCentreShift, static_cast<double>(cy - kBoundsCentreShift));
  return true;
}

bool TBoardView::ZoomToRect(TFloatPoint a, TFloatPoint b) {
  const double dx = std::fabs(static_cast<double>(a.x) - b.x);
  const double dy = std::fabs(static_cast<double>(a.y) - b.y);
  if (!(dx > 0.0) || !(dy > 0.0) || !std::isfinite(dx) || !std::isfinite(dy)) return false;
  SetZoom(std::min(visibleW_ / dx, visibleH_ / dy), false);
  CenterOn(DeviceX((static_cast<double>(a.x) + b.x) / 2.0), -(static_cast<double>(a.y) + b.y) / 2.0);
  return true;
}

void TBoardView::PushZoomHistory() { history_.push_back({hpos_, vpos_, zoom_}); }

bool TBoardView::ZoomPrevious() {
  if (history_.empty()) return false;
  const TZoomEntry e = history_.back();
  history_.pop_back();
  SetZoom(e.Zoom);
  ScrollTo(e.ScrollX, e.ScrollY);
  return true;
}

TScrollStep TBoardView::AutoScroll(int32_t x, int32_t y) {
  const int64_t left = hpos_, top = vpos_;
  const int64_t right = left + visibleW_, bottom = top + visibleH_;
  int64_t dh = 0, dv = 0;
  if (x > right - kAutoScrollMargin && RoundEven(right / zoom_) < W_)
    dh = HIncrement();
  else if (x < left + kAutoScrollMargin && hpos_ > 0)
    dh = -HIncrement();
  if (y > bottom - kAutoScrollMargin && RoundEven(bottom / zoom_) < H_)
    dv = VIncrement();
  else if (y < top + kAutoScrollMargin && vpos_ > 0)
    dv = -VIncrement();
  const int32_t oldH = hpos_, oldV = vpos_;
  hpos_ = ClampScroll(hpos_ + dh, MaxHPos());
  vpos_ = ClampScroll(vpos_ + dv, MaxVPos());
  return {hpos_ - oldH, vpos_ - oldV};
}

TDeviceMapping TBoardView::SurfaceMapping() const {
  TDeviceMapping m;
  m.zoom = zoom_;
  m.mirrored = mirrored_;
  m.boardWidth = W_;
  return m;
}

TDeviceMapping TBoardView::VisibleMapping() const {
  TDeviceMapping m = SurfaceMapping();
  m.left = -hpos_;
  m.top = -vpos_;
  return m;
}

TFloatPoint TBoardView::DeviceToWorld(TIntPoint p, bool snap) const {
  const TDeviceMapping m = SurfaceMapping();
  const TFloatPoint w{static_cast<float>(m.WorldX(p.x)), static_cast<float>(m.WorldY(p.y))};
  return snap ? SnapToGrid(w) : w;
}

TIntPoint TBoardView::WorldToDevice(TFloatPoint p) const { return SurfaceMapping().ToDevice(p.x, p.y); }

TFloatPoint TBoardView::SnapToGrid(TFloatPoint p) const {
  const double g = grid_;
  const double ox = originX_ / 1000.0;
  const double oy = originY_ / 1000.0;
  const double offx = ox - g * std::trunc(ox / g);
  const double offy = oy - g * std::trunc(oy / g);
  return {static_cast<float>(offx + g * RoundEven((p.x - offx) / g)),
          static_cast<float>(offy + g * RoundEven((p.y - offy) / g))};
}

bool TBoardView::SetGrid(double spacing) {
  if (!std::isfinite(spacing) || !(spacing > 0.0)) return false;
  grid_ = spacing;
  return true;
}

void TBoardView::SetOriginScaled(int32_t x1000, int32_t y1000) {
  originX_ = x1000;
  originY_ = y1000;
}

bool TBoardView::SetOrigin(TFloatPoint p) {
  const int32_t x = Rnd(static_cast<double>(p.x) * 1000.0);
  const int32_t y = Rnd(static_cast<double>(p.y) * 1000.0);
  if (x == originX_ && y == originY_) return false;
  SetOriginScaled(x, y);
  return true;
}

bool TBoardView::SetOriginAtClick(TIntPoint p, bool ctrl) { return SetOrigin(DeviceToWorld(p, !ctrl)); }

void TBoardView::SetOriginBottomLeft() { SetOriginScaled(0, Rnd(-static_cast<double>(H_) * 1000.0)); }

TFloatPoint TBoardView::OriginDragTarget(TIntPoint p, bool ctrl) const {
  TFloatPoint w = DeviceToWorld(p, !ctrl);
  w.x = std::min(w.x, static_cast<float>(W_));
  w.y = std::max(w.y, -static_cast<float>(H_));
  return w;
}

TIntPoint TBoardView::OriginPixel() const {
  return WorldToDevice({static_cast<float>(originX_ / 1000.0), static_cast<float>(originY_ / 1000.0)});
}

TFloatPoint TBoardView::WorldToUser(TFloatPoint p) const {
  return {static_cast<float>(p.x - originX_ / 1000.0), static_cast<float>(originY_ / 1000.0 - p.y)};
}

}  // namespace corvane
