#pragma once
// TCanvas: the drawing surface every render routine draws through. It keeps
// a GDI-like pen and brush, maps world coordinates (whole world units, Y up)
// isotropically to device pixels and draws aliased through a QPainter, so the
// same drawing code serves window images, exported pictures, printer pages
// and vector pictures.
//
// Raster modes combine the pen or brush colour with the pixels already there.
// On raster targets (an RGB32 or premultiplied ARGB32 QImage) they work per
// pixel. Other targets have no raster operations: there the canvas applies the
// same per-pixel formula to the backdrop colour (SetBackdrop), which is exact
// wherever an element is drawn over the plain background.

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRect>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/float_point.h"
#include "geom/device_mapping.h"
#include "geom/int_point.h"
#include "render/colour.h"
#include "render/span_raster.h"

namespace corvane {

enum class TPenStyle : uint8_t {
  Solid,
  Clear,        // no outline
  InsideFrame,  // ellipses and chords keep the whole pen inside their box
  Dot,          // dotted one-pixel line (selection frames)
};

enum class TPenMode : uint8_t {
  Copy,
  Xor,         // destination XOR pen
  NotXor,      // NOT (destination XOR pen): drag previews; drawing twice restores
  Merge,       // destination OR pen
  MaskNotPen,  // destination AND NOT pen
};

enum class TBrushStyle : uint8_t {
  Solid,
  Clear,
  DiagonalHatch,  // crossed diagonal lines in the brush colour, gaps left alone
};

struct TCanvasFont {
  std::string Face = "Arial";
  // World units; negative: the character height (em), positive: the cell
  // height (ascent + descent).
  int32_t Height = -100;
  int32_t Angle = 0;    // tenths of a degree, counter-clockwise
  int32_t Weight = 400;  // 400 normal, 700 bold
};

class TCanvas {
 public:
  // The painter must be active; the canvas switches antialiasing off and
  // leaves the painter's state changed afterwards.
  explicit TCanvas(QPainter& painter);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  QPainter& Painter() { return painter_; }
  // True on targets whose pixels the raster modes combine with.
  bool HasRasterOps() const { return rasterOps_; }
  // The colour the raster modes are emulated against on targets without them.
  void SetBackdrop(TRgb c) { backdrop_ = c; }
  TRgb Backdrop() const { return backdrop_; }

  // --- world-to-device mapping ---
  // zoom = device pixels per world unit in both axes (isotropic); the
  // mirrored mapping of the photo view maps x to W - x.
  void SetMapping(const TDeviceMapping& m);
  const TDeviceMapping& Mapping() const { return mapping_; }
  QPoint ToDevice(TIntPoint p) const {
    return {DeviceCoordinate(mapping_.DeviceX(p.x)), DeviceCoordinate(mapping_.DeviceY(p.y))};
  }
  // A device coordinate rounded to the nearest pixel (ties to even) and kept
  // within +-4e6, well inside what the rasterisers handle; NaN gives -4e6.
  // Adding and removing 1.5 * 2^52 rounds in the current (nearest, ties to
  // even) mode without a library call.
  static int DeviceCoordinate(double v) {
    constexpr double kLimit = 4.0e6, kShift = 6755399441055744.0;
    if (!(v > -kLimit)) v = -kLimit;
    if (!(v < kLimit)) v = kLimit;
    return static_cast<int>((v + kShift) - kShift);
  }
  QPoint ToDevice(int32_t x, int32_t y) const { return ToDevice(TIntPoint{x, y}); }
  // The device rectangle covered by a world box (corners in any order),
  // right and bottom exclusive.
  QRect ToDeviceRect(const TIntRect& box) const;
  // The world box covering a device rectangle, one unit wider on every side.
  TIntRect ToWorldRect(const QRect& device) const;
  // Device pixels of a pen width given in world units: 0 = one pixel.
  int DeviceWidth(int32_t worldWidth) const;

  // --- clip rectangle ---
  // Limits drawing to a device rectangle; ClipWorld is the world box it covers.
  void SetClipDevice(const QRect& device);
  void SetClipWorld(const TIntRect& world);
  // The whole paint device.
  void ClearClip();
  const QRect& ClipDevice() const { return clipDevice_; }
  const TIntRect& ClipWorld() const { return clipWorld_; }

  // --- pen and brush ---
  void SetPenColour(TRgb c) { pen_.colour = c; }
  void SetPenWidth(int32_t worldWidth) { pen_.width = worldWidth; }
  void SetPenStyle(TPenStyle s) { pen_.style = s; }
  void SetPenMode(TPenMode m) { mode_ = m; }
  void SetBrushColour(TRgb c) { brush_.colour = c; }
  void SetBrushStyle(TBrushStyle s) { brush_.style = s; }
  TRgb PenColour() const { return pen_.colour; }
  int32_t PenWidth() const { return pen_.width; }
  TPenStyle PenStyle() const { return pen_.style; }
  TPenMode PenMode() const { return mode_; }
  TRgb BrushColour() const { return brush_.colour; }
  TBrushStyle BrushStyle() const { return brush_.style; }

  // --- drawing, in world units ---
  void MoveTo(TIntPoint p) { current_ = p; }
  // A line from the current position to p with the pen; p becomes current.
  void LineTo(TIntPoint p);
  void Polyline(std::span<const TIntPoint> points);
  // Filled with the brush (alternate filling), outlined with the pen.
  void Polygon(std::span<const TIntPoint> points);
  // The same for stored element points, each rounded to whole units first.
  void Polyline(std::span<const TFloatPoint> points);
  void Polygon(std::span<const TFloatPoint> points);
  // Ellipse inside a box (corners in any order): brush inside, pen outline.
  void Ellipse(const TIntRect& box);
  // Arc of the ellipse in box from the ray through start counter-clockwise to
  // the ray through end, with the pen; equal rays give the whole ellipse.
  // Counter-clockwise is that of the world frame, which is also the sense as
  // displayed except in the mirrored mapping, where the picture is mirrored.
  void Arc(const TIntRect& box, TIntPoint start, TIntPoint end);
  // The same arc closed by its chord, filled with the brush.
  void Chord(const TIntRect& box, TIntPoint start, TIntPoint end);
  // Fills a box with a colour in copy mode (pen and brush unchanged).
  void FillRect(const TIntRect& box, TRgb colour);
  // Text from its top-left corner at p, turned about p, transparent background,
  // in the pen colour. `text` holds code page 1252 bytes.
  void Text(TIntPoint p, std::string_view text, const TCanvasFont& font);
  // Stretches a two-colour bitmap over a world box: its 0 pixels become bg,
  // its 1 pixels fg (other formats are reduced to one bit first).
  void StretchMonoBitmap(const QImage& bits, const TIntRect& box, TRgb bg, TRgb fg);

  // --- device-pixel drawing (overlays, layer buttons) ---
  void DeviceLine(QPoint a, QPoint b);
  void DeviceFillRect(const QRect& r, TRgb colour);

 private:
  struct TPenState {
    TRgb colour{};
    int32_t width = 0;
    TPenStyle style = TPenStyle::Solid;
    friend bool operator==(const TPenState&, const TPenState&) = default;
  };
  struct TBrushState {
    TRgb colour{255, 255, 255};
    TBrushStyle style = TBrushStyle::Solid;
    friend bool operator==(const TBrushState&, const TBrushState&) = default;
  };

  // Brings the painter's pen, brush and composition mode up to date; `usePen`
  // and `useBrush` choose what the next figure shows.
  void Prepare(bool usePen, bool useBrush);
  QColor DeviceColour(TRgb c) const;
  bool PenVisible() const { return pen_.style != TPenStyle::Clear; }
  bool BrushVisible() const { return brush_.style != TBrushStyle::Clear; }
  // Modes in which painting a pixel twice differs from painting it once.
  bool ModeToggles() const { return mode_ == TPenMode::Xor || mode_ == TPenMode::NotXor; }
  // Draws a closed figure: fill then outline, or in toggling modes their union once.
  void DrawClosed(const QPainterPath& fill, bool outline);
  QRectF InsideFrameBox(const QRect& box) const;
  template <typename Point>
  void FillScratch(std::span<const Point> points);
  void DrawScratchPolyline();
  void DrawScratchPolygon();

  // The span fast path set to the pen colour and mode, or nullptr when the
  // figure goes through the painter.
  TSpanRaster* FastPath();
  void FastPolygonOutline(TSpanRaster& raster);
  // Lines the fast path draws pixel by pixel must be short enough.
  static bool ShortLine(QPoint a, QPoint b);
  bool ScratchShort() const;

  QPainter& painter_;
  bool rasterOps_ = false;
  QImage* image_ = nullptr;  // the target when it is a 32-bit image
  std::optional<TSpanRaster> raster_;  // made on first use for the current clip
  TRgb backdrop_{};
  TDeviceMapping mapping_;
  QRect clipDevice_;
  TIntRect clipWorld_{};
  TPenState pen_;
  TBrushState brush_;
  TPenMode mode_ = TPenMode::Copy;
  TIntPoint current_{};
  QPolygon scratch_;  // device points of the figure being drawn, reused

  // What the painter currently holds, to skip redundant state changes.
  bool applied_ = false;
  TPenState appliedPen_;
  bool appliedPenOn_ = false;
  TBrushState appliedBrush_;
  bool appliedBrushOn_ = false;
  TPenMode appliedMode_ = TPenMode::Copy;
};

}  // namespace corvane
