#include "render/board_image_cache.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

bool SameMapping(const TDeviceMapping& a, const TDeviceMapping& b) {
  return a.zoom == b.zoom && a.left == b.left && a.top == b.top && a.mirrored == b.mirrored &&
         a.boardWidth == b.boardWidth;
}

}  // namespace

void TBoardImageCache::SetView(QSize size, const TDeviceMapping& mapping) {
  const QSize s(std::max(0, size.width()), std::max(0, size.height()));
  if (s == image_.size() && SameMapping(mapping, mapping_)) return;
  if (s != image_.size()) image_ = QImage(s, QImage::Format_RGB32);
  mapping_ = mapping;
  InvalidateAll();
}

void TBoardImageCache::InvalidateAll() { dirty_ = QRegion(image_.rect()); }

void TBoardImageCache::InvalidateDevice(const QRect& r) { dirty_ += r.normalized().intersected(image_.rect()); }

void TBoardImageCache::InvalidateWorld(const TIntRect& r) {
  const TIntRect n = NormaliseRect(r);
  const double x0 = mapping_.DeviceX(n.left), x1 = mapping_.DeviceX(n.right);
  const double y0 = mapping_.DeviceY(n.top), y1 = mapping_.DeviceY(n.bottom);
  auto px = [](double v) { return static_cast<int>(std::clamp(v, -1.0e9, 1.0e9)); };
  const int l = px(std::floor(std::min(x0, x1))) - 1, rr = px(std::ceil(std::max(x0, x1))) + 1;
  const int t = px(std::floor(std::min(y0, y1))) - 1, b = px(std::ceil(std::max(y0, y1))) + 1;
  InvalidateDevice(QRect(QPoint(l, t), QPoint(rr, b)));
}

void TBoardImageCache::Render(const QRect& r) {
  if (r.isEmpty() || image_.isNull()) return;
  QPainter painter(&image_);
  // Outside the board the drawing area is white.
  painter.fillRect(r, Qt::white);
  TCanvas canvas(painter);
  canvas.SetMapping(mapping_);
  canvas.SetClipDevice(r);
  if (paint_) paint_(canvas);
}

void TBoardImageCache::Update() {
  for (const QRect& r : dirty_) Render(r);
  dirty_ = QRegion();
}

void TBoardImageCache::Paint(QPainter& target, const QRect& exposed) {
  const QRegion stale = dirty_.intersected(exposed);
  for (const QRect& r : stale) Render(r);
  dirty_ -= stale;
  const QRect shown = exposed.intersected(image_.rect());
  if (!shown.isEmpty()) target.drawImage(shown.topLeft(), image_, shown);
}

}  // namespace corvane
