#include "render/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygon>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "core/units.h"
#include "io/cp1252.h"

namespace corvane {

namespace {

bool TargetHasRasterOps(QPainter& painter) {
  QPaintDevice* device = painter.device();
  QPaintEngine* engine = painter.paintEngine();
  if (device == nullptr || engine == nullptr || !engine->hasFeature(QPaintEngine::RasterOpModes)) return false;
  if (device->devType() != QInternal::Image) return false;
  const QImage::Format f = static_cast<QImage*>(device)->format();
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

QPainter::CompositionMode Composition(TPenMode m) {
  switch (m) {
    case TPenMode::Xor: return QPainter::RasterOp_SourceXorDestination;
    case TPenMode::NotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case TPenMode::Merge: return QPainter::RasterOp_SourceOrDestination;
    case TPenMode::MaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case TPenMode::Copy: break;
  }
  return QPainter::CompositionMode_SourceOver;
}

// What a raster mode makes of colour c over the backdrop.
TRgb Emulated(TPenMode m, TRgb c, TRgb backdrop) {
  switch (m) {
    case TPenMode::Xor: return c ^ backdrop;
    case TPenMode::NotXor: return ~(c ^ backdrop);
    case TPenMode::Merge: return c | backdrop;
    case TPenMode::MaskNotPen: return backdrop & ~c;
    case TPenMode::Copy: break;
  }
  return c;
}

// Longer one-pixel lines go through the painter, which clips them first.
constexpr int kMaxHairLine = 4096;
constexpr double kRoundShift = 6755399441055744.0;

int DeviceCoord(double v) { return TCanvas::DeviceCoordinate(v); }

// A stored coordinate rounded to whole world units as Rnd does (NaN gives 0,
// the int32 range saturates), without its library calls.
int32_t WorldUnits(double v) {
  if (!(v == v)) return 0;
  if (!(v > -2147483648.0)) return INT32_MIN;
  if (!(v < 2147483647.0)) return INT32_MAX;
  return static_cast<int32_t>((v + kRoundShift) - kRoundShift);
}

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

}  // namespace

TCanvas::TCanvas(QPainter& painter) : painter_(painter), rasterOps_(TargetHasRasterOps(painter)) {
  if (rasterOps_) image_ = static_cast<QImage*>(painter.device());
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
  ClearClip();
}

// --- mapping ---

void TCanvas::SetMapping(const TDeviceMapping& m) {
  mapping_ = m;
  clipWorld_ = ToWorldRect(clipDevice_);
}

QRect TCanvas::ToDeviceRect(const TIntRect& box) const {
  const QPoint a = ToDevice({box.left, box.top});
  const QPoint b = ToDevice({box.right, box.bottom});
  const int l = std::min(a.x(), b.x()), r = std::max(a.x(), b.x());
  const int t = std::min(a.y(), b.y()), bo = std::max(a.y(), b.y());
  return QRect(QPoint(l, t), QPoint(r - 1, bo - 1));  // QRect's right/bottom are inclusive
}

TIntRect TCanvas::ToWorldRect(const QRect& device) const {
  const double x0 = mapping_.WorldX(device.left()), x1 = mapping_.WorldX(device.left() + device.width());
  const double y0 = mapping_.WorldY(device.top()), y1 = mapping_.WorldY(device.top() + device.height());
  auto lo = [](double a, double b) { return Rnd(std::floor(std::min(a, b))) - 1; };
  auto hi = [](double a, double b) { return Rnd(std::ceil(std::max(a, b))) + 1; };
  return {lo(x0, x1), lo(y0, y1), hi(x0, x1), hi(y0, y1)};
}

int TCanvas::DeviceWidth(int32_t worldWidth) const {
  if (worldWidth <= 0) return 1;
  return std::max(1, DeviceCoord(worldWidth * mapping_.zoom));
}

// --- clip ---

void TCanvas::SetClipDevice(const QRect& device) {
  const QPaintDevice* dev = painter_.device();
  const QRect whole = dev ? QRect(0, 0, dev->width(), dev->height()) : device;
  clipDevice_ = device.intersected(whole);
  painter_.setClipRect(clipDevice_);
  raster_.reset();
  clipWorld_ = ToWorldRect(clipDevice_);
}

void TCanvas::SetClipWorld(const TIntRect& world) {
  SetClipDevice(ToDeviceRect(world));
  clipWorld_ = NormaliseRect(world);
}

void TCanvas::ClearClip() {
  const QPaintDevice* dev = painter_.device();
  clipDevice_ = dev ? QRect(0, 0, dev->width(), dev->height()) : QRect();
  painter_.setClipping(false);
  raster_.reset();
  clipWorld_ = ToWorldRect(clipDevice_);
}

// --- state ---

QColor TCanvas::DeviceColour(TRgb c) const {
  const TRgb shown = rasterOps_ ? c : Emulated(mode_, c, backdrop_);
  return QColor(shown.r, shown.g, shown.b);
}

void TCanvas::Prepare(bool usePen, bool useBrush) {
  const bool penOn = usePen && PenVisible();
  const bool brushOn = useBrush && BrushVisible();
  const bool modeChanged = !applied_ || appliedMode_ != mode_;
  if (modeChanged) {
    painter_.setCompositionMode(rasterOps_ ? Composition(mode_) : QPainter::CompositionMode_SourceOver);
    appliedMode_ = mode_;
  }
  // On targets without raster operations the colours depend on the mode.
  const bool recolour = modeChanged && !rasterOps_;
  if (!applied_ || recolour || penOn != appliedPenOn_ || (penOn && !(pen_ == appliedPen_))) {
    if (!penOn) {
      painter_.setPen(Qt::NoPen);
    } else {
      const int w = DeviceWidth(pen_.width);
      QPen pen(DeviceColour(pen_.colour), pen_.style == TPenStyle::Dot ? 1 : w,
               pen_.style == TPenStyle::Dot ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
      painter_.setPen(pen);
    }
    appliedPen_ = pen_;
    appliedPenOn_ = penOn;
  }
  if (!applied_ || recolour || brushOn != appliedBrushOn_ || (brushOn && !(brush_ == appliedBrush_))) {
    if (!brushOn)
      painter_.setBrush(Qt::NoBrush);
    else
      painter_.setBrush(QBrush(DeviceColour(brush_.colour),
                               brush_.style == TBrushStyle::DiagonalHatch ? Qt::DiagCrossPattern : Qt::SolidPattern));
    appliedBrush_ = brush_;
    appliedBrushOn_ = brushOn;
  }
  applied_ = true;
}

TSpanRaster* TCanvas::FastPath() {
  // Writing the pixels directly is safe only while no other image shares them.
  if (image_ == nullptr || !image_->isDetached()) return nullptr;
  if (pen_.style == TPenStyle::Dot || brush_.style == TBrushStyle::DiagonalHatch) return nullptr;
  TSpanMode mode;
  switch (mode_) {
    case TPenMode::Copy: mode = TSpanMode::Copy; break;
    case TPenMode::Merge: mode = TSpanMode::Merge; break;
    case TPenMode::MaskNotPen: mode = TSpanMode::MaskNotPen; break;
    default: return nullptr;
  }
  if (!raster_) raster_.emplace(*image_, clipDevice_);
  raster_->SetColour(pen_.colour.Rgb32(), mode);
  return &*raster_;
}

void TCanvas::FastPolygonOutline(TSpanRaster& raster) {
  const int w = DeviceWidth(pen_.width);
  const qsizetype n = scratch_.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (w > 1)
      raster.FillCapsule(scratch_[i], scratch_[(i + 1) % n], w / 2.0);
    else
      raster.HairLine(scratch_[i], scratch_[(i + 1) % n]);
  }
}

bool TCanvas::ShortLine(QPoint a, QPoint b) {
  return std::abs(a.x() - b.x()) <= kMaxHairLine && std::abs(a.y() - b.y()) <= kMaxHairLine;
}

bool TCanvas::ScratchShort() const {
  for (qsizetype i = 0; i + 1 < scratch_.size(); ++i)
    if (!ShortLine(scratch_[i], scratch_[i + 1])) return false;
  return scratch_.size() < 2 || ShortLine(scratch_.back(), scratch_.front());
}

QRectF TCanvas::InsideFrameBox(const QRect& box) const {
  // The pen runs along the box's edge, or inside it for the inside-frame style.
  const double w = DeviceWidth(pen_.width);
  const double inset = pen_.style == TPenStyle::InsideFrame && w > 1 ? w / 2.0 : 0.5;
  const QRectF r(box.left() + inset, box.top() + inset, box.width() - 2 * inset, box.height() - 2 * inset);
  return r.width() > 0 && r.height() > 0 ? r : QRectF(box.center(), QSizeF(0, 0));
}

void TCanvas::DrawClosed(const QPainterPath& fill, bool outline) {
  const bool brushOn = BrushVisible();
  const bool penOn = outline && PenVisible();
  if (ModeToggles() && brushOn && penOn) {
    // Fill and outline overlap; in a toggling mode each pixel must change once.
    QPainterPathStroker stroker;
    stroker.setWidth(DeviceWidth(pen_.width));
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath both = fill.united(stroker.createStroke(fill));
    both.setFillRule(Qt::WindingFill);
    Prepare(false, false);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(DeviceColour(brush_.colour));
    painter_.drawPath(both);
    applied_ = false;
    return;
  }
  Prepare(penOn, brushOn);
  painter_.drawPath(fill);
}

// --- drawing ---

void TCanvas::LineTo(TIntPoint p) {
  if (PenVisible()) {
    const QPoint a = ToDevice(current_), b = ToDevice(p);
    const int w = DeviceWidth(pen_.width);
    TSpanRaster* raster = (w > 1 || ShortLine(a, b)) ? FastPath() : nullptr;
    if (raster != nullptr && w > 1) {
      raster->FillCapsule(a, b, w / 2.0);
    } else if (raster != nullptr) {
      raster->HairLine(a, b);
    } else {
      Prepare(true, false);
      painter_.drawLine(a, b);
    }
  }
  current_ = p;
}

template <typename Point>
void TCanvas::FillScratch(std::span<const Point> points) {
  scratch_.resize(static_cast<qsizetype>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TIntPoint p{WorldUnits(points[i].x), WorldUnits(points[i].y)};
    scratch_[static_cast<qsizetype>(i)] = ToDevice(p);
  }
}

void TCanvas::DrawScratchPolyline() {
  if (scratch_.size() < 2 || !PenVisible()) return;
  if (TSpanRaster* raster = ScratchShort() ? FastPath() : nullptr) {
    const int w = DeviceWidth(pen_.width);
    for (qsizetype i = 0; i + 1 < scratch_.size(); ++i) {
      if (w > 1)
        raster->FillCapsule(scratch_[i], scratch_[i + 1], w / 2.0);
      else
        raster->HairLine(scratch_[i], scratch_[i + 1]);
    }
    return;
  }
  Prepare(true, false);
  if (scratch_.size() == 2)
    painter_.drawLine(scratch_[0], scratch_[1]);
  else
    painter_.drawPolyline(scratch_);
}

void TCanvas::DrawScratchPolygon() {
  if (scratch_.size() < 2) return;
  if (!PenVisible() || DeviceWidth(pen_.width) > 1 || ScratchShort()) {
    if (TSpanRaster* raster = FastPath()) {
      if (BrushVisible()) {
        raster->SetColour(brush_.colour.Rgb32(), raster->Mode());
        raster->FillPolygon(scratch_);
        raster->SetColour(pen_.colour.Rgb32(), raster->Mode());
      }
      if (PenVisible()) FastPolygonOutline(*raster);
      return;
    }
  }
  if (ModeToggles() && BrushVisible() && PenVisible()) {
    QPainterPath path;
    path.addPolygon(scratch_);
    path.closeSubpath();
    path.setFillRule(Qt::OddEvenFill);
    DrawClosed(path, true);
    return;
  }
  Prepare(true, true);
  painter_.drawPolygon(scratch_, Qt::OddEvenFill);
}

void TCanvas::Polyline(std::span<const TIntPoint> points) {
  FillScratch(points);
  DrawScratchPolyline();
}

void TCanvas::Polyline(std::span<const TFloatPoint> points) {
  FillScratch(points);
  DrawScratchPolyline();
}

void TCanvas::Polygon(std::span<const TIntPoint> points) {
  FillScratch(points);
  DrawScratchPolygon();
}

void TCanvas::Polygon(std::span<const TFloatPoint> points) {
  FillScratch(points);
  DrawScratchPolygon();
}

void TCanvas::Ellipse(const TIntRect& box) {
  const QRect r = ToDeviceRect(box);
  const bool brushOn = BrushVisible(), penOn = PenVisible();
  if (!brushOn && !penOn) return;
  const bool thinPen = penOn && DeviceWidth(pen_.width) <= 1 && pen_.style != TPenStyle::Dot;
  const bool disc = brushOn && (!penOn || (thinPen && brush_.colour == pen_.colour));
  if ((disc || thinPen) && !r.isEmpty()) {
    if (TSpanRaster* raster = FastPath()) {
      const int shrink = penOn ? 0 : 1;
      const double rx = (r.width() - shrink) / 2.0, ry = (r.height() - shrink) / 2.0;
      const double cx = r.left() + rx, cy = r.top() + ry;
      if (disc) {
        raster->SetColour(brush_.colour.Rgb32(), raster->Mode());
        raster->FillEllipse(cx, cy, std::max(rx, 0.5), std::max(ry, 0.5));
      } else {
        raster->FillEllipseRing(cx, cy, rx, ry, brushOn, brush_.colour.Rgb32());
      }
      return;
    }
  }
  if (disc) {
    // A disc: the one-pixel outline of the brush's colour lies on the disc's
    // edge; without an outline the disc is one pixel smaller.
    Prepare(false, true);
    const int shrink = penOn ? 0 : 1;
    painter_.drawEllipse(QRect(r.left(), r.top(), std::max(1, r.width() - shrink), std::max(1, r.height() - shrink)));
    return;
  }
  if (thinPen && !brushOn) {
    Prepare(true, false);
    painter_.drawEllipse(QRect(r.left(), r.top(), std::max(0, r.width() - 1), std::max(0, r.height() - 1)));
    return;
  }
  QPainterPath path;
  path.addEllipse(InsideFrameBox(r));
  DrawClosed(path, penOn);
}

namespace {

// Start angle and counter-clockwise span (degrees, as displayed) of an arc.
struct TArcAngles {
  double start;
  double span;
};

TArcAngles ArcAngles(const TIntRect& box, TIntPoint s, TIntPoint e, bool mirrored) {
  const double cx = (static_cast<double>(box.left) + box.right) / 2;
  const double cy = (static_cast<double>(box.top) + box.bottom) / 2;
  const double a0 = Degrees(std::atan2(s.y - cy, s.x - cx));
  const double a1 = Degrees(std::atan2(e.y - cy, e.x - cx));
  double span = std::fmod(a1 - a0 + 720.0, 360.0);
  if (s == e || span == 0.0) span = 360.0;
  // Mirroring x turns the world's counter-clockwise into clockwise on screen.
  if (mirrored) return {180.0 - a0, -span};
  return {a0, span};
}

}  // namespace

// Device points along an arc of the frame from `start` by `span` degrees (as
// displayed, counter-clockwise positive), close enough that no chord strays
// more than a quarter pixel from the curve.
static QPolygonF ArcPoints(const QRectF& frame, double start, double span) {
  const double rx = frame.width() / 2, ry = frame.height() / 2;
  const double r = std::max(rx, ry);
  const double step = r > 0.25 ? 2 * std::acos(1 - 0.25 / r) : std::numbers::pi / 2;
  const double radians = std::fabs(span) * std::numbers::pi / 180;
  const int n = std::clamp(static_cast<int>(std::ceil(radians / step)), 1, 4096);
  QPolygonF points(n + 1);
  const QPointF c = frame.center();
  for (int i = 0; i <= n; ++i) {
    const double a = (start + span * i / n) * std::numbers::pi / 180;
    points[i] = QPointF(c.x() + rx * std::cos(a), c.y() - ry * std::sin(a));
  }
  return points;
}

void TCanvas::Arc(const TIntRect& box, TIntPoint start, TIntPoint end) {
  if (!PenVisible()) return;
  const TArcAngles a = ArcAngles(NormaliseRect(box), start, end, mapping_.mirrored);
  const QRect r = ToDeviceRect(box);
  const QRectF frame = InsideFrameBox(r);
  if (TSpanRaster* raster = r.width() <= kMaxHairLine && r.height() <= kMaxHairLine ? FastPath() : nullptr) {
    const QPolygonF points = ArcPoints(frame, a.start, a.span);
    const int w = DeviceWidth(pen_.width);
    for (qsizetype i = 0; i + 1 < points.size(); ++i) {
      if (w > 1)
        raster->FillCapsule(points[i], points[i + 1], w / 2.0);
      else
        raster->HairLine(points[i].toPoint(), points[i + 1].toPoint());
    }
    return;
  }
  Prepare(true, false);
  QPainterPath path;
  path.arcMoveTo(frame, a.start);
  path.arcTo(frame, a.start, a.span);
  painter_.drawPath(path);
}

void TCanvas::Chord(const TIntRect& box, TIntPoint start, TIntPoint end) {
  const TArcAngles a = ArcAngles(NormaliseRect(box), start, end, mapping_.mirrored);
  const QRect r = ToDeviceRect(box);
  const QRectF frame = InsideFrameBox(r);
  if (TSpanRaster* raster = r.width() <= kMaxHairLine && r.height() <= kMaxHairLine ? FastPath() : nullptr) {
    const QPolygonF points = ArcPoints(frame, a.start, a.span);
    if (BrushVisible()) {
      raster->SetColour(brush_.colour.Rgb32(), raster->Mode());
      raster->FillPolygon(points);
      raster->SetColour(pen_.colour.Rgb32(), raster->Mode());
    }
    if (PenVisible()) {
      const int w = DeviceWidth(pen_.width);
      const qsizetype n = points.size();
      for (qsizetype i = 0; i < n; ++i) {
        const QPointF& p = points[i];
        const QPointF& q = points[i + 1 < n ? i + 1 : 0];  // the last one is the chord
        if (w > 1)
          raster->FillCapsule(p, q, w / 2.0);
        else
          raster->HairLine(p.toPoint(), q.toPoint());
      }
    }
    return;
  }
  QPainterPath path;
  path.arcMoveTo(frame, a.start);
  path.arcTo(frame, a.start, a.span);
  path.closeSubpath();
  DrawClosed(path, true);
}

void TCanvas::FillRect(const TIntRect& box, TRgb colour) { DeviceFillRect(ToDeviceRect(box), colour); }

void TCanvas::DeviceFillRect(const QRect& r, TRgb colour) {
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.fillRect(r, QColor(colour.r, colour.g, colour.b));
  applied_ = false;
}

void TCanvas::DeviceLine(QPoint a, QPoint b) {
  if (!PenVisible()) return;
  // A device line keeps the pen's colour, mode and style but is one pixel wide.
  const int32_t width = pen_.width;
  pen_.width = 0;
  Prepare(true, false);
  painter_.drawLine(a, b);
  pen_.width = width;
}

void TCanvas::Text(TIntPoint p, std::string_view text, const TCanvasFont& font) {
  if (text.empty()) return;
  QString s;
  s.reserve(static_cast<qsizetype>(text.size()));
  for (char ch : text) s.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(ch)))));

  QFont f(QString::fromStdString(font.Face));
  f.setStyleStrategy(QFont::NoAntialias);
  f.setWeight(static_cast<QFont::Weight>(std::clamp(font.Weight, 1, 1000)));
  const double pixels = std::fabs(static_cast<double>(font.Height)) * mapping_.zoom;
  const int px = std::clamp(Rnd(pixels), 1, 100000);
  f.setPixelSize(px);
  if (font.Height > 0) {
    // A positive height is the whole cell; scale the em so that the cell fits.
    const QFontMetrics fm(f);
    if (fm.height() > 0) f.setPixelSize(std::max(1, Rnd(px * static_cast<double>(px) / fm.height())));
  }
  const QFontMetrics fm(f);
  Prepare(false, false);
  painter_.setFont(f);
  painter_.setPen(DeviceColour(pen_.colour));
  const QPoint at = ToDevice(p);
  const QTransform saved = painter_.transform();
  QTransform t;
  t.translate(at.x(), at.y());
  t.rotate(-font.Angle / 10.0);
  painter_.setTransform(t);
  painter_.drawText(QPointF(0, fm.ascent()), s);
  painter_.setTransform(saved);
  applied_ = false;
}

void TCanvas::StretchMonoBitmap(const QImage& bits, const TIntRect& box, TRgb bg, TRgb fg) {
  if (bits.isNull()) return;
  QImage mono;
  if (bits.format() == QImage::Format_Mono || bits.format() == QImage::Format_MonoLSB) {
    mono = bits.copy();
  } else {
    // Light pixels are the 1 bits.
    mono = QImage(bits.size(), QImage::Format_Mono);
    if (mono.isNull()) return;
    const QImage rgb = bits.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
      for (int x = 0; x < rgb.width(); ++x) mono.setPixel(x, y, qGray(line[x]) >= 128 ? 1 : 0);
    }
  }
  if (mono.isNull()) return;
  mono.setColorTable({DeviceColour(bg).rgb(), DeviceColour(fg).rgb()});
  Prepare(false, false);
  painter_.drawImage(ToDeviceRect(box), mono);
}

}  // namespace corvane
