// The scanned-copy template: its rectangle, its side and its two colours.
#include <gtest/gtest.h>

#include "paint_fixtures.h"
#include "render/template_drawing.h"

namespace corvane {
namespace {

using test::Context;

TEST(TemplateDrawing, RectangleFollowsResolutionAndOffsets) {
  const struct {
    int32_t w, h, dpi, x, y;
    TIntRect expected;
  } cases[] = {
      {1200, 600, 600, 0, 0, {0, 0, 5080, -2540}},
      {1200, 600, 600, 10, 0, {100, 0, 5180, -2540}},
      {1200, 600, 600, -10, 5, {-100, -50, 4980, -2590}},
      {100, 100, 300, 0, 0, {0, 0, 847, -847}},  // 846.67 rounded
      {10, 10, 0, 0, 0, {0, 0, 25400, -25400}},  // no resolution counts as 1 dpi
  };
  for (const auto& c : cases) {
    const TIntRect r = TemplateRect(c.w, c.h, c.dpi, c.x, c.y);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.right, c.expected.right);
    EXPECT_EQ(r.bottom, c.expected.bottom);
  }
}

TEST(TemplateDrawing, SideOfTheActiveLayer) {
  const int sides[] = {0, 1, 1, 2, 2, 0, 0, 0, 0};
  for (int layer = 0; layer <= 8; ++layer) EXPECT_EQ(TemplateSide(layer), sides[layer]) << layer;
}

// A 4 x 2 bitmap, dark in its left half, at 254 dpi: 40 x 20 world units.
TTemplateBitmaps HalfDarkBitmaps() {
  TMonoBitmap bmp;
  bmp.Width = 4;
  bmp.Height = 2;
  bmp.Bits = {0x30, 0x30};  // bits 0011: left two pixels dark
  TTemplateBitmaps b;
  b.Side1 = MonoImage(bmp);
  b.Side2 = MonoImage(bmp);
  return b;
}

TPlatinenKopf ShownTemplates() {
  TPlatinenKopf h;
  h.Vorlage1Zeigen = h.Vorlage2Zeigen = 1;
  h.Vorlage1Dpi = h.Vorlage2Dpi = 254;
  h.Vorlage1Farbe = 0x0000FF;  // red
  h.Vorlage2Farbe = 0xFF0000;  // blue
  h.Vorlage2X = 3;             // 30 units to the right
  return h;
}

TEST(TemplateDrawing, DarkPixelsTakeTheSideColour) {
  const TTemplateBitmaps bitmaps = HalfDarkBitmaps();
  const TPlatinenKopf header = ShownTemplates();
  const struct {
    const char* name;
    int layer;
    double x;
    TRgb expected;
  } cases[] = {
      {"side 1 dark", lyC1, 10, {255, 0, 0}},
      {"side 1 light", lyS1, 30, test::kBackground},
      {"side 2 dark, moved", lyC2, 40, {0, 0, 255}},
      {"side 2 light, moved", lyS2, 60, test::kBackground},
      {"side 2 left of its offset", lyC2, 10, kWhite},
      {"outline layer", lyO, 10, kWhite},
      {"inner layer", lyI1, 10, kWhite},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TRenderContext ctx = Context(c.layer);
    const test::TPainted p =
        test::PaintWith(100, 40, 1.0, [&](TCanvas& canvas) { DrawTemplate(canvas, header, ctx, bitmaps); });
    EXPECT_EQ(p.At(c.x, -10), c.expected);
  }
}

TEST(TemplateDrawing, NothingWhenHiddenUnloadedOrInThePhotoView) {
  const TPlatinenKopf shown = ShownTemplates();
  TPlatinenKopf hidden = shown;
  hidden.Vorlage1Zeigen = 0;
  TRenderContext photo = Context(lyC1);
  photo.PhotoView = true;
  const struct {
    const char* name;
    const TPlatinenKopf* header;
    TTemplateBitmaps bitmaps;
    TRenderContext ctx;
  } cases[] = {
      {"hidden", &hidden, HalfDarkBitmaps(), Context(lyC1)},
      {"not loaded", &shown, {}, Context(lyC1)},
      {"photo view", &shown, HalfDarkBitmaps(), photo},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const test::TPainted p =
        test::PaintWith(100, 40, 1.0, [&](TCanvas& canvas) { DrawTemplate(canvas, *c.header, c.ctx, c.bitmaps); });
    EXPECT_EQ(p.At(10, -10), kWhite);
  }
}

TEST(TemplateDrawing, PrintUsesWhiteAndThePrintColourSwappedWhenInverted) {
  const TTemplateBitmaps bitmaps = HalfDarkBitmaps();
  const TPlatinenKopf header = ShownTemplates();
  const TRgb print{10, 20, 30};
  for (bool inverted : {false, true}) {
    SCOPED_TRACE(inverted);
    TTemplateLook look{true, print, inverted};
    const TRenderContext ctx = Context(lyC1);
    const test::TPainted p = test::PaintWith(
        100, 40, 1.0, [&](TCanvas& canvas) { DrawTemplate(canvas, header, ctx, bitmaps, look); });
    EXPECT_EQ(p.At(10, -10), inverted ? kWhite : print);
    EXPECT_EQ(p.At(30, -10), inverted ? print : kWhite);
  }
}

TEST(TemplateDrawing, MonoImageKeepsTheBits) {
  TMonoBitmap bmp;
  bmp.Width = 10;
  bmp.Height = 2;
  bmp.Bits = {0x80, 0x40, 0x01, 0xFF};
  const QImage image = MonoImage(bmp);
  ASSERT_EQ(image.format(), QImage::Format_Mono);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(image.pixelIndex(x, y), bmp.Pixel(x, y)) << x << "," << y;
  EXPECT_TRUE(MonoImage(TMonoBitmap{}).isNull());
}

}  // namespace
}  // namespace corvane
