// Pixel tests of the photo view on small boards (zoom 1, 400 x 400 units).
#include <gtest/gtest.h>

#include "paint_fixtures.h"
#include "render/photo_view.h"

namespace corvane {
namespace {

using test::Context;
using test::Pixel;
using test::RoundPad;
using test::Track;

constexpr int32_t kW = 400, kH = 400;

// The photo repaint into a picture whose device x is mirrored for side 2.
test::TPainted PaintPhoto(const ElementList& list, const TPhotoOptions& options, TRenderContext ctx = Context(lyC1)) {
  test::TPainted out;
  out.mapping.zoom = 1.0;
  out.mapping.mirrored = options.Side == 2;
  out.mapping.boardWidth = kW;
  out.image = QImage(kW + 2, kH + 2, QImage::Format_RGB32);
  out.image.fill(Qt::white);
  QPainter painter(&out.image);
  TCanvas canvas(painter);
  canvas.SetMapping(out.mapping);
  DrawPhotoBoard(canvas, list, kW, kH, ctx, options);
  painter.end();
  return out;
}

TRgb Darkened(TRgb below) { return {static_cast<uint8_t>(below.r & ~kPhotoShineThrough.r),
                                    static_cast<uint8_t>(below.g & ~kPhotoShineThrough.g),
                                    static_cast<uint8_t>(below.b & ~kPhotoShineThrough.b)}; }

TEST(PhotoView, OpeningIsTinnedOnItsSideAndAShadowFromTheOther) {
  ElementList list;
  TObjekt pad = RoundPad({200, -200}, 40, 10, lyC1);
  pad.Loetstopp = 1;
  list.Add(pad);
  const test::TPainted side1 = PaintPhoto(list, {1, true, false});
  EXPECT_EQ(side1.At(230, -200), kPhotoTinned);
  EXPECT_EQ(side1.At(100, -100), kPhotoBoard);

  const test::TPainted side2 = PaintPhoto(list, {2, true, true});
  EXPECT_EQ(side2.At(230, -200), Darkened(kPhotoBoard));
  EXPECT_EQ(side2.At(100, -100), kPhotoBoard);
  const test::TPainted plain2 = PaintPhoto(list, {2, true, false});
  EXPECT_EQ(plain2.At(230, -200), kPhotoBoard);
}

TEST(PhotoView, HolesAreWhiteWithABlackOutline) {
  ElementList list;
  list.Add(RoundPad({200, -200}, 40, 10, lyC1));  // a new pad has its opening
  for (int side : {1, 2}) {
    SCOPED_TRACE(side);
    const test::TPainted p = PaintPhoto(list, {side, true, false});
    EXPECT_EQ(p.At(200, -200), kWhite);
    // The pad lies on C1 only; the hole goes through the board.
    EXPECT_EQ(p.At(230, -200), side == 1 ? kPhotoTinned : kPhotoBoard);
    // Along the row through the centre the hole's edge is black on both sides.
    int blacks = 0;
    for (int x = 185; x <= 215; ++x) blacks += Pixel(p.image, x, 200) == kBlack ? 1 : 0;
    EXPECT_EQ(blacks, 2);
  }
}

TEST(PhotoView, LayersShowByTheirRole) {
  struct TCase {
    const char* name;
    uint8_t layer;
    TPhotoOptions options;
    bool keepOut;
    TRgb expected;
  };
  const TCase cases[] = {
      {"viewed copper", lyC1, {1, true, false}, false, kPhotoCopper},
      {"viewed silkscreen", lyS1, {1, true, false}, false, kPhotoSilkscreen},
      {"silkscreen switched off", lyS1, {1, false, false}, false, kPhotoBoard},
      {"outline", lyO, {1, true, false}, false, kBlack},
      {"far copper", lyC2, {1, true, false}, false, kPhotoBoard},
      {"far copper, X-Ray", lyC2, {1, true, true}, false, Darkened(kPhotoBoard)},
      {"inner layer, X-Ray", lyI1, {1, true, true}, false, Darkened(kPhotoBoard)},
      {"far silkscreen, X-Ray", lyS2, {1, true, true}, false, Darkened(kPhotoBoard)},
      {"far silkscreen, X-Ray without silkscreen", lyS2, {1, false, true}, false, kPhotoBoard},
      {"keep-out, X-Ray", lyC2, {1, true, true}, true, kPhotoBoard},
      {"side 2 copper", lyC2, {2, true, false}, false, kPhotoCopper},
      {"side 2 silkscreen", lyS2, {2, true, false}, false, kPhotoSilkscreen},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    ElementList list;
    TObjekt t = Track({{100, -200}, {300, -200}}, 20, c.layer);
    t.Sperrflaeche = c.keepOut ? 1 : 0;
    list.Add(t);
    EXPECT_EQ(PaintPhoto(list, c.options).At(200, -200), c.expected);
  }
}

TEST(PhotoView, SideTwoShowsTheLeftEdgeOnTheRight) {
  ElementList list;
  list.Add(Track({{10, -100}, {10, -300}}, 20, lyC2));
  const test::TPainted p = PaintPhoto(list, {2, true, false});
  EXPECT_EQ(Pixel(p.image, kW - 10, 200), kPhotoCopper);
  EXPECT_EQ(Pixel(p.image, 10, 200), kPhotoBoard);
}

TEST(PhotoView, MirroredArcStaysOnItsWorldSide) {
  // A quarter arc from 0 to 90 degrees lies above and right of its centre in
  // the world; seen from side 2 it is above and left on the screen.
  ElementList list;
  TObjekt arc = CreateCircle({200, -200}, 60, 40, lyC2, psCircular);
  arc.Wert2 = 0;
  arc.Wert1 = 90;
  list.Add(arc);
  const test::TPainted p = PaintPhoto(list, {2, true, false});
  EXPECT_EQ(Pixel(p.image, 400 - 235, 164), kPhotoCopper);
  EXPECT_EQ(Pixel(p.image, 235, 164), kPhotoBoard);
  EXPECT_EQ(Pixel(p.image, 400 - 235, 235), kPhotoBoard);
}

TEST(PhotoView, PlaneShowsCutOutsAndSpokesOnlyWhenOn) {
  ElementList list;
  TObjekt pad = RoundPad({200, -200}, 30, 8, lyC1);
  pad.Freistanz = 30;
  pad.Schalter1 = 1;
  pad.Wert2 = 0xFF;
  pad.Wert3 = 100;
  list.Add(pad);
  // Pixels of the ring between the pad and the end of its clearance.
  auto ringColours = [&](const test::TPainted& p, TRgb colour) {
    int n = 0;
    for (int y = 140; y <= 260; ++y)
      for (int x = 140; x <= 260; ++x) {
        const double d = std::hypot(x + 0.5 - 200, y + 0.5 - 200);
        if (d > 33 && d < 57 && Pixel(p.image, x, y) == colour) ++n;
      }
    return n;
  };
  TRenderContext off = Context(lyC1);
  off.GroundPlane.fill(0);
  const test::TPainted without = PaintPhoto(list, {1, true, false}, off);
  EXPECT_EQ(ringColours(without, kPhotoCopper), 0);
  EXPECT_GT(ringColours(without, kPhotoBoard), 1000);

  TRenderContext on = off;
  on.GroundPlane[lyC1 - 1] = 1;
  const test::TPainted with = PaintPhoto(list, {1, true, false}, on);
  EXPECT_GT(ringColours(with, kPhotoBoard), 500);   // the cut-out
  EXPECT_GT(ringColours(with, kPhotoCopper), 50);   // the spokes bridging it
  EXPECT_EQ(with.At(100, -100), kPhotoCopper);      // the plane
}

}  // namespace
}  // namespace corvane
