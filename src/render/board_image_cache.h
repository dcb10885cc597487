#pragma once
// TBoardImageCache: the rendered board of the drawing area kept in an image.
// Edits invalidate rectangles; painting brings only those up to date and then
// copies the exposed part to the window. Transient feedback (ghosts, rubber
// bands, frames, the cross-hair) is drawn by the window over the copied
// picture, so it never enters the image or the element list.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <functional>
#include <utility>

#include "geom/device_mapping.h"
#include "geom/int_point.h"
#include "render/canvas.h"

namespace corvane {

class TBoardImageCache {
 public:
  // Draws the board into a canvas whose mapping and clip are set (normally
  // PaintBoard with the current board and render context).
  using TPaint = std::function<void(TCanvas&)>;

  explicit TBoardImageCache(TPaint paint) : paint_(std::move(paint)) {}

  // The visible part's size in pixels and its world mapping; any change of
  // either invalidates the whole image.
  void SetView(QSize size, const TDeviceMapping& mapping);
  QSize Size() const { return image_.size(); }
  const TDeviceMapping& Mapping() const { return mapping_; }

  void InvalidateAll();
  // Device pixels of the visible part.
  void InvalidateDevice(const QRect& r);
  // A world rectangle (corners in any order), widened by one pixel so that
  // rounding never leaves a stale edge.
  void InvalidateWorld(const TIntRect& r);
  bool IsDirty() const { return !dirty_.isEmpty(); }
  const QRegion& DirtyRegion() const { return dirty_; }

  // Repaints the invalidated parts of `exposed` and copies `exposed` from the
  // image to the target at the same position.
  void Paint(QPainter& target, const QRect& exposed);
  // Repaints every invalidated part now.
  void Update();
  // The image as last painted (for pixel tests and overlays).
  const QImage& Image() const { return image_; }

 private:
  void Render(const QRect& r);

  TPaint paint_;
  QImage image_;
  TDeviceMapping mapping_;
  QRegion dirty_;
};

}  // namespace corvane
