#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <array>
#include <vector>

#include "paint_fixtures.h"
#include "render/canvas.h"

namespace corvane {
namespace {

using test::Pixel;

constexpr TRgb kDest{0x35, 0xA6, 0x0F};
constexpr TRgb kPen{0x5C, 0x0F, 0xE3};

// A 40 x 40 picture of kDest at one pixel per world unit, world (0, 0) at the
// top-left corner.
QImage Filled(TRgb c, QImage::Format format = QImage::Format_RGB32) {
  QImage image(40, 40, format);
  image.fill(QColor(c.r, c.g, c.b));
  return image;
}

TDeviceMapping Unit() {
  TDeviceMapping m;
  m.zoom = 1.0;
  return m;
}

void FillSquare(TCanvas& canvas, TPenMode mode) {
  canvas.SetMapping(Unit());
  canvas.SetPenMode(mode);
  canvas.SetPenColour(kPen);
  canvas.SetBrushColour(kPen);
  canvas.SetPenStyle(TPenStyle::Clear);
  const std::array<TIntPoint, 4> square{{{5, -5}, {35, -5}, {35, -35}, {5, -35}}};
  canvas.Polygon(std::span<const TIntPoint>(square));
}

struct ModeCase {
  TPenMode mode;
  TRgb expected;
};
const ModeCase kModes[] = {
    {TPenMode::Copy, kPen},
    {TPenMode::Xor, kPen ^ kDest},
    {TPenMode::NotXor, ~(kPen ^ kDest)},
    {TPenMode::Merge, kPen | kDest},
    {TPenMode::MaskNotPen, kDest & ~kPen},
};

TEST(Canvas, RasterModesCombineEveryPixelWithTheDestination) {
  for (const ModeCase& c : kModes) {
    QImage image = Filled(kDest);
    {
      QPainter painter(&image);
      TCanvas canvas(painter);
      EXPECT_TRUE(canvas.HasRasterOps());
      FillSquare(canvas, c.mode);
    }
    EXPECT_EQ(Pixel(image, 20, 20), c.expected) << static_cast<int>(c.mode);
    EXPECT_EQ(Pixel(image, 2, 2), kDest) << "outside the square";
  }
}

TEST(Canvas, TargetsWithoutRasterOpsApplyTheModeToTheBackdrop) {
  for (const ModeCase& c : kModes) {
    QImage image = Filled(kDest, QImage::Format_RGB888);
    {
      QPainter painter(&image);
      TCanvas canvas(painter);
      EXPECT_FALSE(canvas.HasRasterOps());
      canvas.SetBackdrop(kDest);
      FillSquare(canvas, c.mode);
    }
    EXPECT_EQ(Pixel(image, 20, 20), c.expected) << static_cast<int>(c.mode);
  }
}

TEST(Canvas, NotXorTwiceRestoresTheBackgroundExactly) {
  QImage image = Filled(kDest);
  const QImage before = image.copy();
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    for (int i = 0; i < 2; ++i) {
      // A filled, outlined polygon and a wide line: every pixel changes once per pass.
      FillSquare(canvas, TPenMode::NotXor);
      canvas.SetPenStyle(TPenStyle::Solid);
      canvas.SetPenWidth(7);
      canvas.Polygon(std::vector<TIntPoint>{{10, -10}, {30, -12}, {20, -30}});
      canvas.MoveTo({3, -3});
      canvas.LineTo({37, -30});
    }
  }
  EXPECT_EQ(image, before);
}

TEST(Canvas, MapsWorldToDeviceAndBack) {
  QImage image = Filled(kDest);
  QPainter painter(&image);
  TCanvas canvas(painter);
  TDeviceMapping m;
  m.zoom = 0.5;
  m.left = 10;
  m.top = 4;
  canvas.SetMapping(m);
  EXPECT_EQ(canvas.ToDevice({20, -30}), QPoint(20, 19));
  m.mirrored = true;
  m.boardWidth = 60;
  canvas.SetMapping(m);
  EXPECT_EQ(canvas.ToDevice({20, -30}), QPoint(30, 19));  // x -> W - x
  const TIntRect world = canvas.ToWorldRect(QRect(10, 4, 20, 10));
  EXPECT_LE(world.left, 20);
  EXPECT_GE(world.right, 60);
  EXPECT_LE(world.top, -20);
  EXPECT_GE(world.bottom, 0);
}

TEST(Canvas, PenWidthsScaleWithZoomAndZeroIsOnePixel) {
  struct Case {
    double zoom;
    int32_t width;
    int pixels;
  } cases[] = {{1.0, 0, 1}, {1.0, 9, 9}, {0.5, 9, 4}, {0.01, 20, 1}, {2.0, 3, 6}};
  for (const Case& c : cases) {
    QImage image = Filled(kDest);
    QPainter painter(&image);
    TCanvas canvas(painter);
    TDeviceMapping m;
    m.zoom = c.zoom;
    canvas.SetMapping(m);
    EXPECT_EQ(canvas.DeviceWidth(c.width), c.pixels) << c.zoom << " " << c.width;
  }
}

TEST(Canvas, WideLinesHaveRoundEnds) {
  QImage image = Filled(kBlack);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.SetMapping(Unit());
    canvas.SetPenColour(kWhite);
    canvas.SetPenWidth(12);
    canvas.MoveTo({12, -20});
    canvas.LineTo({28, -20});
  }
  EXPECT_EQ(Pixel(image, 7, 20), kWhite);   // beyond the end, on the axis: inside the cap
  EXPECT_EQ(Pixel(image, 7, 15), kBlack);   // the cap's corner is rounded off
  EXPECT_EQ(Pixel(image, 20, 15), kWhite);  // along the line, 5 off the axis
}

TEST(Canvas, PolygonsFillAlternately) {
  // A pentagram: the inner pentagon is covered twice and stays empty.
  QImage image = Filled(kBlack);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.SetMapping(Unit());
    canvas.SetPenStyle(TPenStyle::Clear);
    canvas.SetBrushColour(kWhite);
    canvas.Polygon(std::vector<TIntPoint>{{20, -2}, {31, -36}, {2, -14}, {38, -14}, {9, -36}});
  }
  EXPECT_EQ(Pixel(image, 20, 22), kBlack);  // centre
  EXPECT_EQ(Pixel(image, 20, 8), kWhite);   // the top spike
}

// Pixels of a thin arc of radius 15 around (20, 20), pen 3 wide.
QImage ArcPicture(TIntPoint start, TIntPoint end, bool mirrored, bool chord) {
  QImage image = Filled(kBlack);
  QPainter painter(&image);
  TCanvas canvas(painter);
  TDeviceMapping m = Unit();
  m.mirrored = mirrored;
  m.boardWidth = 40;
  canvas.SetMapping(m);
  canvas.SetPenColour(kWhite);
  canvas.SetBrushColour(kWhite);
  canvas.SetPenWidth(3);
  const TIntRect box{5, -5, 35, -35};
  if (chord)
    canvas.Chord(box, start, end);
  else
    canvas.Arc(box, start, end);
  painter.end();
  return image;
}

TEST(Canvas, ArcsRunCounterClockwiseFromStartToEnd) {
  // From the right (0 degrees) to the top (90 degrees).
  const QImage quarter = ArcPicture({35, -20}, {20, -5}, false, false);
  EXPECT_EQ(Pixel(quarter, 30, 9), kWhite);   // 45 degrees: upper right
  EXPECT_EQ(Pixel(quarter, 9, 30), kBlack);   // 225 degrees: lower left
  EXPECT_EQ(Pixel(quarter, 9, 9), kBlack);    // 135 degrees
  // The same points the other way round give the other three quarters.
  const QImage rest = ArcPicture({20, -5}, {35, -20}, false, false);
  EXPECT_EQ(Pixel(rest, 30, 9), kBlack);
  EXPECT_EQ(Pixel(rest, 9, 30), kWhite);
  // Equal points: the whole circle.
  const QImage full = ArcPicture({35, -20}, {35, -20}, false, false);
  for (QPoint p : {QPoint(30, 9), QPoint(9, 9), QPoint(9, 30), QPoint(30, 30)}) EXPECT_EQ(Pixel(full, p.x(), p.y()), kWhite);
}

TEST(Canvas, MirroredMappingMirrorsArcs) {
  const QImage quarter = ArcPicture({35, -20}, {20, -5}, true, false);
  EXPECT_EQ(Pixel(quarter, 9, 9), kWhite);  // upper left on the mirrored picture
  EXPECT_EQ(Pixel(quarter, 30, 9), kBlack);
}

TEST(Canvas, ChordsFillTheSegmentNotThePie) {
  const QImage chord = ArcPicture({35, -20}, {20, -5}, false, true);
  EXPECT_EQ(Pixel(chord, 29, 11), kWhite);  // between chord and arc
  EXPECT_EQ(Pixel(chord, 22, 18), kBlack);  // inside the pie, below the chord
  const QImage disc = ArcPicture({35, -20}, {35, -20}, false, true);
  EXPECT_EQ(Pixel(disc, 20, 20), kWhite);
}

TEST(Canvas, ClipRectangleLimitsDrawing) {
  QImage image = Filled(kBlack);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.SetMapping(Unit());
    canvas.SetClipDevice(QRect(0, 0, 20, 40));
    EXPECT_LE(canvas.ClipWorld().left, 0);
    EXPECT_GE(canvas.ClipWorld().right, 20);
    canvas.SetPenStyle(TPenStyle::Clear);
    canvas.SetBrushColour(kWhite);
    canvas.Ellipse({5, -5, 35, -35});
  }
  EXPECT_EQ(Pixel(image, 15, 20), kWhite);
  EXPECT_EQ(Pixel(image, 25, 20), kBlack);
}

TEST(Canvas, EllipsesWithAndWithoutOutline) {
  // A disc with a one-pixel outline of its own colour covers the box; an
  // outline alone leaves the inside alone.
  QImage image = Filled(kBlack);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.SetMapping(Unit());
    canvas.SetPenColour(kWhite);
    canvas.SetBrushColour(kWhite);
    canvas.Ellipse({0, 0, 20, -20});
    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.Ellipse({20, -20, 40, -40});
  }
  EXPECT_EQ(Pixel(image, 10, 10), kWhite);
  EXPECT_EQ(Pixel(image, 0, 10), kWhite);  // the box's left edge
  EXPECT_EQ(Pixel(image, 30, 30), kBlack);
  EXPECT_EQ(Pixel(image, 20, 30), kWhite);
}

TEST(Canvas, StretchesTwoColourBitmaps) {
  QImage bits(2, 1, QImage::Format_Mono);
  bits.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  bits.setPixel(0, 0, 0);
  bits.setPixel(1, 0, 1);
  QImage image = Filled(kBlack);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.SetMapping(Unit());
    canvas.StretchMonoBitmap(bits, {0, 0, 40, -40}, kRed, kBlue);
  }
  EXPECT_EQ(Pixel(image, 10, 30), kRed);
  EXPECT_EQ(Pixel(image, 30, 10), kBlue);
}

TEST(Canvas, TextUsesThePenColour) {
  QImage image(120, 60, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.SetMapping(Unit());
    canvas.SetPenColour(kGreen);
    TCanvasFont font;
    font.Height = -40;
    font.Weight = 700;
    canvas.Text({5, -5}, "HH", font);
  }
  int green = 0, other = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const TRgb c = Pixel(image, x, y);
      if (c == kGreen) ++green;
      else if (!(c == kBlack)) ++other;
    }
  EXPECT_GT(green, 100);
  EXPECT_EQ(other, 0);  // aliased: no blended pixels
}

TEST(Canvas, HugeCoordinatesDoNotBreakDrawing) {
  QImage image = Filled(kBlack);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    TDeviceMapping m;
    m.zoom = 5.0;
    canvas.SetMapping(m);
    canvas.SetPenColour(kWhite);
    canvas.SetPenWidth(2);
    canvas.MoveTo({2, -2});
    canvas.LineTo({10000000, -2});
    canvas.Ellipse({-10000000, 10000000, 10000000, -10000000});
  }
  EXPECT_EQ(Pixel(image, 30, 10), kWhite);
}

}  // namespace
}  // namespace corvane
