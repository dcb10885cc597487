#include <gtest/gtest.h>

#include "paint_fixtures.h"
#include "render/board_picture.h"
#include "render/macro_preview.h"

namespace corvane {
namespace {

using namespace test;

TEST(BoardPicture, PixelsFromResolution) {
  struct Case {
    int32_t w, h;
    double dpi;
    TPictureSize size;
  } cases[] = {
      {10000, 8000, 300, {1181, 945}},  // 100 x 80 mm
      {16000, 10000, 600, {3780, 2362}},
      {5000, 4000, 100, {197, 157}},
  };
  for (const Case& c : cases) EXPECT_EQ(PicturePixels(c.w, c.h, c.dpi), c.size) << c.w << " " << c.dpi;
}

TEST(BoardPicture, DrawsTheVisibleLayersUnselectedAndKeepsTheSelection) {
  TPlatine board;
  board.Kopf.Breite = 2540;  // 25.4 mm: 100 pixels at 100 dpi
  board.Kopf.Hoehe = 1270;
  board.Kopf.AktiverLayer = lyC1;
  board.Kopf.MasseAn[lyC1 - 1] = 1;
  board.Kopf.Sichtbar[lyS1 - 1] = 0;
  TObjekt& track = board.Elemente.Add(Track({{200, -600}, {2300, -600}}, 200, lyC1));
  track.Markiert = 1;
  track.Freistanz = 100;
  board.Elemente.Add(Track({{1270, -100}, {1270, -1200}}, 200, lyS1));
  const TBoardPicture picture = RenderBoardPicture(board, 100, StandardColourScheme(), TRenderSettings{});
  ASSERT_TRUE(picture.ok()) << picture.Error;
  ASSERT_EQ(picture.Image.size(), QSize(100, 50));
  EXPECT_EQ(Pixel(picture.Image, 30, 23), kC1) << "unselected colour";
  EXPECT_EQ(Pixel(picture.Image, 30, 29), kBackground) << "clearance in the plane";
  EXPECT_EQ(Pixel(picture.Image, 30, 40), kC1Plane);
  EXPECT_EQ(Pixel(picture.Image, 50, 40), kC1Plane) << "S1 is hidden";
  EXPECT_EQ(track.Markiert, 1);
}

TEST(BoardPicture, RefusesEmptyAndHugePictures) {
  TPlatine board;
  board.Kopf.Breite = 10;
  board.Kopf.Hoehe = 10;
  EXPECT_FALSE(RenderBoardPicture(board, 100, StandardColourScheme(), {}).ok()) << "0 x 0 pixels";
  board.Kopf.Breite = board.Kopf.Hoehe = 10000000;
  const TBoardPicture huge = RenderBoardPicture(board, 600, StandardColourScheme(), {});
  EXPECT_FALSE(huge.ok());
  EXPECT_NE(huge.Error.find("too large"), std::string::npos) << huge.Error;
  EXPECT_TRUE(huge.Image.isNull());
  EXPECT_FALSE(RenderBoardPicture(board, -3, StandardColourScheme(), {}).ok());
}

TEST(MacroPreview, LayerOrderFollowsTheSideSwapAndHolesAreDrawn) {
  ElementList macro;
  macro.Add(Track({{200, -50}, {200, -350}}, 60, lyC2));
  macro.Add(Track({{50, -200}, {350, -200}}, 60, lyC1));
  macro.Add(RoundPad({100, -100}, 40, 15, lyC1));
  TRenderContext ctx = Context(lyC1);
  ctx.Visible.fill(0);  // the board's visibility does not matter to the preview
  for (bool swap : {false, true}) {
    const TPainted pic = PaintWith(400, 400, 1.0, [&](TCanvas& canvas) {
      canvas.FillRect({0, 0, 400, -400}, kBackground);
      DrawMacroList(canvas, macro, ctx, 1.0, swap);
    });
    EXPECT_EQ(pic.At(200.5, -200.5), swap ? kC2 : kC1) << swap;
    EXPECT_EQ(pic.At(130, -100), kC1);
    EXPECT_EQ(pic.At(100, -100), kBackground) << "drill hole";
  }
}

}  // namespace
}  // namespace corvane
