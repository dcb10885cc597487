#include "render/span_raster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace corvane {

namespace {

// The sampling point of a pixel lies this far right of and below its middle.
constexpr double kBias = 1.0 / 512.0;
// Pixel positions far outside every image are cut here before conversion.
constexpr double kLimit = 1.0e8;

// floor and ceil by truncation, which is much cheaper than the library calls.
int Floor(double v) {
  if (!(v > -kLimit)) v = -kLimit;
  if (!(v < kLimit)) v = kLimit;
  const int i = static_cast<int>(v);
  return i - (v < i);
}
int Ceil(double v) {
  if (!(v > -kLimit)) v = -kLimit;
  if (!(v < kLimit)) v = kLimit;
  const int i = static_cast<int>(v);
  return i + (v > i);
}

}  // namespace

TSpanRaster::TSpanRaster(QImage& image, const QRect& clip)
    : bits_(image.bits()), stride_(image.bytesPerLine()), clip_(clip.intersected(image.rect())) {}

bool TSpanRaster::PixelRange(double a, double b, int& x0, int& x1) {
  x0 = Ceil(a - 0.5 - kBias);
  x1 = Floor(b - 0.5 - kBias);
  return x0 <= x1;
}

int TSpanRaster::FirstRow(double top) const { return std::max(clip_.top(), Ceil(top - 0.5 - kBias)); }

int TSpanRaster::LastRow(double bottom) const { return std::min(clip_.bottom(), Floor(bottom - 0.5 - kBias)); }

void TSpanRaster::Span(int y, int x0, int x1) { SpanColour(y, x0, x1, rgb_); }

void TSpanRaster::SpanColour(int y, int x0, int x1, uint32_t rgb) {
  x0 = std::max(x0, clip_.left());
  x1 = std::min(x1, clip_.right());
  if (x0 > x1 || y < clip_.top() || y > clip_.bottom()) return;
  uint32_t* p = reinterpret_cast<uint32_t*>(bits_ + static_cast<qsizetype>(y) * stride_) + x0;
  uint32_t* const end = p + (x1 - x0 + 1);
  switch (mode_) {
    case TSpanMode::Copy: std::fill(p, end, 0xFF000000u | rgb); break;
    case TSpanMode::Merge:
      for (; p != end; ++p) *p |= 0xFF000000u | rgb;
      break;
    case TSpanMode::MaskNotPen:
      for (; p != end; ++p) *p = (*p & ~rgb) | 0xFF000000u;
      break;
  }
}

void TSpanRaster::FillEllipse(double cx, double cy, double rx, double ry) {
  if (!(rx > 0 && ry > 0)) return;
  const int last = LastRow(cy + ry);
  for (int y = FirstRow(cy - ry); y <= last; ++y) {
    const double dy = (y + 0.5 + kBias - cy) / ry;
    const double t = 1.0 - dy * dy;
    if (t < 0) continue;
    const double dx = rx * std::sqrt(t);
    int x0, x1;
    if (PixelRange(cx - dx, cx + dx, x0, x1)) Span(y, x0, x1);
  }
}

void TSpanRaster::FillEllipseRing(double cx, double cy, double rx, double ry, bool fillInner, uint32_t inner) {
  if (!(rx > 0 && ry > 0)) return;
  const double irx = rx - 1, iry = ry - 1;
  const int last = LastRow(cy + ry);
  for (int y = FirstRow(cy - ry); y <= last; ++y) {
    const double yc = y + 0.5 + kBias - cy;
    const double t = 1.0 - (yc / ry) * (yc / ry);
    if (t < 0) continue;
    const double dx = rx * std::sqrt(t);
    int p0, p1;
    if (!PixelRange(cx - dx, cx + dx, p0, p1)) continue;
    int q0 = p1 + 1, q1 = p1;  // empty inside
    if (irx > 0 && iry > 0) {
      const double u = 1.0 - (yc / iry) * (yc / iry);
      if (u >= 0) {
        const double idx = irx * std::sqrt(u);
        if (!PixelRange(cx - idx, cx + idx, q0, q1)) q0 = p1 + 1, q1 = p1;
      }
    }
    if (q0 > q1) {
      Span(y, p0, p1);
      continue;
    }
    Span(y, p0, q0 - 1);
    Span(y, q1 + 1, p1);
    if (fillInner) SpanColour(y, q0, q1, inner & 0x00FFFFFFu);
  }
}

void TSpanRaster::FillCapsule(QPointF a, QPointF b, double h) {
  if (!(h > 0)) return;
  if (a.y() == b.y() || a.x() == b.x()) {
    FillAxisCapsule(a, b, h);
    return;
  }
  const double dxs = b.x() - a.x(), dys = b.y() - a.y();
  const double length = std::hypot(dxs, dys);
  const double ux = length > 0 ? dxs / length : 0, uy = length > 0 ? dys / length : 0;
  const double nx = -uy, ny = ux;
  const int last = LastRow(std::max(a.y(), b.y()) + h);
  for (int y = FirstRow(std::min(a.y(), b.y()) - h); y <= last; ++y) {
    const double yc = y + 0.5 + kBias;
    double lo = 1e300, hi = -1e300;
    auto disc = [&](QPointF c) {
      const double dy = yc - c.y();
      if (std::fabs(dy) > h) return;
      const double dx = std::sqrt(h * h - dy * dy);
      lo = std::min(lo, c.x() - dx);
      hi = std::max(hi, c.x() + dx);
    };
    disc(a);
    disc(b);
    if (length > 0) {
      // The band: 0 <= (X - a).u <= length and |(X - a).n| <= h, linear in x.
      double bandLo = -1e300, bandHi = 1e300;
      auto limit = [&](double coefficient, double offset, double min, double max) {
        // min <= coefficient * (x - a.x) + offset <= max
        if (std::fabs(coefficient) < 1e-12) {
          if (offset < min || offset > max) bandLo = 1e300;
          return;
        }
        double x0 = a.x() + (min - offset) / coefficient, x1 = a.x() + (max - offset) / coefficient;
        if (x0 > x1) std::swap(x0, x1);
        bandLo = std::max(bandLo, x0);
        bandHi = std::min(bandHi, x1);
      };
      const double ry = yc - a.y();
      limit(ux, ry * uy, 0, length);
      limit(nx, ry * ny, -h, h);
      if (bandLo <= bandHi) {
        lo = std::min(lo, bandLo);
        hi = std::max(hi, bandHi);
      }
    }
    int x0, x1;
    if (lo <= hi && PixelRange(lo, hi, x0, x1)) Span(y, x0, x1);
  }
}

void TSpanRaster::FillRect(const QRect& r) {
  const QRect c = r.normalized().intersected(clip_);
  for (int y = c.top(); y <= c.bottom(); ++y) Span(y, c.left(), c.right());
}

void TSpanRaster::FillAxisCapsule(QPointF a, QPointF b, double h) {
  // Along a row or a column: a rectangle with half discs, one root per row.
  const bool horizontal = a.y() == b.y();
  const double x0 = std::min(a.x(), b.x()), x1 = std::max(a.x(), b.x());
  const double y0 = std::min(a.y(), b.y()), y1 = std::max(a.y(), b.y());
  const int last = LastRow(y1 + h);
  const double hh = h * h;
  for (int y = FirstRow(y0 - h); y <= last; ++y) {
    const double yc = y + 0.5 + kBias;
    double lo, hi;
    if (horizontal) {
      const double dy = yc - y0;
      if (dy * dy > hh) continue;
      const double dx = std::sqrt(hh - dy * dy);
      lo = x0 - dx;
      hi = x1 + dx;
    } else {
      const double dy = yc < y0 ? y0 - yc : yc > y1 ? yc - y1 : 0.0;
      if (dy * dy > hh) continue;
      const double dx = dy == 0.0 ? h : std::sqrt(hh - dy * dy);
      lo = x0 - dx;
      hi = x0 + dx;
    }
    int p0, p1;
    if (PixelRange(lo, hi, p0, p1)) Span(y, p0, p1);
  }
}

template <typename Polygon>
void TSpanRaster::FillAnyPolygon(const Polygon& polygon) {
  const int n = static_cast<int>(polygon.size());
  if (n < 3) return;
  // The edges that are not horizontal, with the x at their upper end and
  // the step of x per row, so that each row needs no division.
  edges_.clear();
  double top = polygon[0].y(), bottom = top;
  for (int i = 0; i < n; ++i) {
    const auto& p = polygon[i];
    const auto& q = polygon[i + 1 < n ? i + 1 : 0];
    top = std::min<double>(top, p.y());
    bottom = std::max<double>(bottom, p.y());
    if (p.y() == q.y()) continue;
    const bool down = p.y() < q.y();
    const auto& upper = down ? p : q;
    const auto& lower = down ? q : p;
    const double slope = (lower.x() - upper.x()) / static_cast<double>(lower.y() - upper.y());
    edges_.push_back({static_cast<double>(upper.y()), static_cast<double>(lower.y()),
                      static_cast<double>(upper.x()), slope});
  }
  std::vector<double>& xs = crossings_;
  const int last = LastRow(bottom);
  for (int y = FirstRow(top); y <= last; ++y) {
    const double yc = y + 0.5 + kBias;
    xs.clear();
    for (const TEdge& e : edges_)
      if (yc >= e.y0 && yc < e.y1) xs.push_back(e.x0 + (yc - e.y0) * e.slope);
    if (xs.size() == 2) {
      if (xs[0] > xs[1]) std::swap(xs[0], xs[1]);
    } else {
      std::sort(xs.begin(), xs.end());
    }
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      int x0, x1;
      if (PixelRange(xs[k], xs[k + 1], x0, x1)) Span(y, x0, x1);
    }
  }
}

void TSpanRaster::FillPolygon(const QPolygon& polygon) { FillAnyPolygon(polygon); }

void TSpanRaster::FillPolygon(const QPolygonF& polygon) { FillAnyPolygon(polygon); }

template <typename Paint>
void TSpanRaster::Bresenham(QPoint a, QPoint b, Paint paint) {
  const int dx = std::abs(b.x() - a.x()), dy = -std::abs(b.y() - a.y());
  const int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
  const int left = clip_.left(), top = clip_.top();
  const auto width = static_cast<unsigned>(clip_.width()), height = static_cast<unsigned>(clip_.height());
  int x = a.x(), y = a.y(), err = dx + dy;
  for (;;) {
    if (static_cast<unsigned>(x - left) < width && static_cast<unsigned>(y - top) < height)
      paint(reinterpret_cast<uint32_t*>(bits_ + static_cast<qsizetype>(y) * stride_) + x);
    if (x == b.x() && y == b.y()) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void TSpanRaster::HairLine(QPoint a, QPoint b) {
  if (std::max(a.x(), b.x()) < clip_.left() || std::min(a.x(), b.x()) > clip_.right() ||
      std::max(a.y(), b.y()) < clip_.top() || std::min(a.y(), b.y()) > clip_.bottom())
    return;
  const uint32_t rgb = rgb_, opaque = 0xFF000000u | rgb_;
  switch (mode_) {
    case TSpanMode::Copy: Bresenham(a, b, [opaque](uint32_t* p) { *p = opaque; }); break;
    case TSpanMode::Merge: Bresenham(a, b, [opaque](uint32_t* p) { *p |= opaque; }); break;
    case TSpanMode::MaskNotPen: Bresenham(a, b, [rgb](uint32_t* p) { *p = (*p & ~rgb) | 0xFF000000u; }); break;
  }
}

}  // namespace corvane
