#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "paint_fixtures.h"
#include "render/board_image_cache.h"
#include "render/layer_button.h"
#include "render/overlay_sprite.h"

namespace corvane {
namespace {

using namespace test;

TDeviceMapping Unit() {
  TDeviceMapping m;
  m.zoom = 1.0;
  return m;
}

// The cache over a board that is painted in `colour` across 0..100 x 0..-100.
struct CacheFixture {
  TRgb colour = kRed;
  int paints = 0;
  TBoardImageCache cache{[this](TCanvas& canvas) {
    ++paints;
    canvas.FillRect({0, 0, 100, -100}, colour);
  }};
  QImage Shown(const QRect& exposed) {
    QImage window(120, 120, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter p(&window);
    cache.Paint(p, exposed);
    return window;
  }
};

TEST(BoardImageCache, RepaintsOnlyInvalidatedParts) {
  CacheFixture f;
  f.cache.SetView(QSize(120, 120), Unit());
  QImage shown = f.Shown(QRect(0, 0, 120, 120));
  EXPECT_EQ(Pixel(shown, 50, 50), kRed);
  EXPECT_EQ(Pixel(shown, 110, 110), kWhite) << "outside the board";
  EXPECT_FALSE(f.cache.IsDirty());
  const int first = f.paints;

  // Nothing invalid: copied from the image without painting.
  f.colour = kBlue;
  shown = f.Shown(QRect(0, 0, 120, 120));
  EXPECT_EQ(f.paints, first);
  EXPECT_EQ(Pixel(shown, 50, 50), kRed);

  f.cache.InvalidateWorld({10, -10, 30, -30});
  shown = f.Shown(QRect(0, 0, 120, 120));
  EXPECT_EQ(Pixel(shown, 20, 20), kBlue);
  EXPECT_EQ(Pixel(shown, 60, 60), kRed) << "not invalidated";
}

TEST(BoardImageCache, ExposedPartsOnlyAndViewChanges) {
  CacheFixture f;
  f.cache.SetView(QSize(120, 120), Unit());
  QImage shown = f.Shown(QRect(0, 0, 40, 40));
  EXPECT_EQ(Pixel(shown, 20, 20), kRed);
  EXPECT_EQ(Pixel(shown, 60, 60), kBlack) << "not exposed, not copied";
  EXPECT_TRUE(f.cache.IsDirty()) << "the rest is painted when exposed";

  f.cache.Update();
  f.colour = kGreen;
  TDeviceMapping shifted = Unit();
  shifted.left = 10;
  f.cache.SetView(QSize(120, 120), shifted);
  EXPECT_TRUE(f.cache.IsDirty());
  shown = f.Shown(QRect(0, 0, 120, 120));
  EXPECT_EQ(Pixel(shown, 5, 50), kWhite);
  EXPECT_EQ(Pixel(shown, 105, 50), kGreen);
}

TEST(OverlaySprite, ShowsMovesAndHidesWithoutTrace) {
  QImage screen(60, 40, QImage::Format_RGB32);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) screen.setPixel(x, y, qRgb(x * 4, y * 6, 100));
  const QImage original = screen.copy();
  QImage picture(10, 8, QImage::Format_RGB32);
  picture.fill(Qt::yellow);

  TOverlaySprite sprite;
  sprite.SetPicture(picture);
  sprite.Show(screen, QPoint(5, 5));
  EXPECT_TRUE(sprite.Visible());
  EXPECT_EQ(screen.pixel(10, 8), qRgb(255, 255, 0));
  sprite.Show(screen, QPoint(55, 36));  // partly off the picture
  EXPECT_EQ(screen.pixel(10, 8), original.pixel(10, 8)) << "old place restored";
  EXPECT_EQ(screen.pixel(57, 38), qRgb(255, 255, 0));
  sprite.Hide(screen);
  EXPECT_FALSE(sprite.Visible());
  EXPECT_EQ(screen, original);
  sprite.Hide(screen);
  EXPECT_EQ(screen, original);
}

TEST(LayerButton, NameInLayerColourAndTheHiddenStroke) {
  const TRenderColours colours = Context(lyC1).Colours;
  const QImage shown = LayerButtonPicture(lyC1, true, colours, 1);
  const QImage hidden = LayerButtonPicture(lyC1, false, colours, 1);
  ASSERT_EQ(shown.size(), QSize(16, 16));
  int named = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) named += Pixel(shown, x, y) == kC1;
  EXPECT_GT(named, 10);
  EXPECT_EQ(Pixel(shown, 0, 15), kBackground);
  for (QPoint p : {QPoint(1, 14), QPoint(8, 7), QPoint(15, 0)}) EXPECT_EQ(Pixel(hidden, p.x(), p.y()), kWhite);
  EXPECT_NE(Pixel(shown, 8, 7), kWhite);
  // German names differ where the labels do.
  EXPECT_NE(LayerButtonPicture(lyC1, true, colours, 0), shown);
  EXPECT_EQ(LayerButtonPicture(lyI1, true, colours, 0), LayerButtonPicture(lyI1, true, colours, 2));
}

}  // namespace
}  // namespace corvane
