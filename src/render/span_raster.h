#pragma once
// TSpanRaster: the canvas's fast path on 32-bit images. It fills discs,
// round-capped line segments and polygons (alternate filling) row by row
// straight into the pixels, with the raster modes whose result does not
// depend on how often a pixel is painted (copy, merge, mask-not-pen).
//
// Coverage rule: a pixel is painted when its centre lies inside the figure;
// centres are taken a tiny fraction of a pixel right of and below the middle,
// so that figures meeting exactly at pixel centres never share or lose a
// pixel (a line 3 pixels wide covers exactly 3 rows).

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>

#include <cstdint>
#include <vector>

namespace corvane {

enum class TSpanMode : uint8_t { Copy, Merge, MaskNotPen };

class TSpanRaster {
 public:
  // The image must be a detached RGB32 or premultiplied ARGB32 image; nothing
  // outside `clip` (limited to the image) is painted.
  TSpanRaster(QImage& image, const QRect& clip);

  // 0x00RRGGBB and the mode the next figures are painted with.
  void SetColour(uint32_t rgb, TSpanMode mode) {
    rgb_ = rgb & 0x00FFFFFFu;
    mode_ = mode;
  }
  TSpanMode Mode() const { return mode_; }

  // The ellipse of centre (cx, cy) and radii rx, ry (device pixels).
  void FillEllipse(double cx, double cy, double rx, double ry);
  // The ellipse filled with `inner` and a ring one pixel wide along its edge
  // in the current colour; without `fillInner` only the ring.
  void FillEllipseRing(double cx, double cy, double rx, double ry, bool fillInner, uint32_t inner);
  // Every point within halfWidth of the segment a-b (a disc when a == b).
  void FillCapsule(QPointF a, QPointF b, double halfWidth);
  // Every pixel of the rectangle.
  void FillRect(const QRect& r);
  // Alternate (even-odd) filling of a closed polygon.
  void FillPolygon(const QPolygon& polygon);
  void FillPolygon(const QPolygonF& polygon);
  // A line one pixel wide from a to b, both end pixels included.
  void HairLine(QPoint a, QPoint b);

 private:
  // Paints row y from pixel x0 to x1 (inclusive) within the clip.
  void Span(int y, int x0, int x1);
  void SpanColour(int y, int x0, int x1, uint32_t rgb);
  void FillAxisCapsule(QPointF a, QPointF b, double halfWidth);
  template <typename Polygon>
  void FillAnyPolygon(const Polygon& polygon);
  template <typename Paint>
  void Bresenham(QPoint a, QPoint b, Paint paint);
  // The pixel range of centres within [a, b] on a row.
  static bool PixelRange(double a, double b, int& x0, int& x1);
  int FirstRow(double top) const;
  int LastRow(double bottom) const;

  uchar* bits_;
  qsizetype stride_;
  QRect clip_;
  struct TEdge {
    double y0, y1;  // upper and lower end, y0 < y1
    double x0;      // x at y0
    double slope;   // change of x per unit of y
  };
  std::vector<TEdge> edges_;       // scratch of FillPolygon
  std::vector<double> crossings_;
  uint32_t rgb_ = 0;
  TSpanMode mode_ = TSpanMode::Copy;
};

}  // namespace corvane
