// Pixel tests of the drawing of each element kind.
#include <gtest/gtest.h>

#include <vector>

#include "core/element_ops.h"
#include "geom/element_create.h"
#include "geom/points.h"
#include "geom/transforms.h"
#include "paint_fixtures.h"
#include "render/draw_element.h"
#include "render/draw_tracks.h"

namespace corvane {
namespace {

using namespace test;

struct Probe {
  double x, y;
  bool inside;
};

TEST(PaintPads, EveryShapeCoversItsOutline) {
  struct Case {
    uint8_t shape;
    std::vector<Probe> probes;
  } cases[] = {
      {psCircular, {{200, -170, true}, {232, -232, false}}},
      {psOctagon, {{230, -200, true}, {200, -235, true}, {238, -238, false}}},
      {psSquare, {{235, -235, true}, {245, -200, false}}},
      {psRoundedH, {{270, -200, true}, {200, -235, true}, {200, -245, false}, {278, -235, false}}},
      {psOctagonH, {{270, -200, true}, {250, -235, true}, {278, -238, false}}},
      {psRectangleH, {{275, -235, true}, {200, -245, false}}},
      {psRoundedV, {{200, -270, true}, {270, -200, false}}},
      {psOctagonV, {{200, -270, true}, {238, -278, false}}},
      {psRectangleV, {{235, -275, true}, {245, -200, false}}},
  };
  for (const Case& c : cases) {
    ElementList list;
    list.Add(RoundPad({200, -200}, 40, 10, lyC2, c.shape));
    const TPainted pic = PaintScene(list, Context(lyC2));
    for (const Probe& p : c.probes)
      EXPECT_EQ(pic.At(p.x, p.y), p.inside ? kC2 : kBackground) << "shape " << int{c.shape} << " at " << p.x << ", " << p.y;
    EXPECT_EQ(pic.At(202, -202), kBackground) << "drill hole of shape " << int{c.shape};
  }
}

TEST(PaintPads, CutOutsFollowTheRotationOfThePad) {
  // A square pad turned by 45 degrees has its corners on the axes; its cut-out
  // of clearance 20 reaches 85 units along x, the unturned one only 60.
  TRenderContext ctx = Context(lyC2);
  ctx.GroundPlane[lyC2 - 1] = 1;
  const TRgb plane = ctx.Colours.GroundPlane;
  for (bool turned : {false, true}) {
    ElementList list;
    TObjekt& pad = list.Add(RoundPad({200, -200}, 40, 10, lyC2, psSquare));
    pad.Freistanz = 20;
    if (turned) RotateElement(pad, {200, -200}, 45);
    const TPainted pic = PaintScene(list, ctx);
    EXPECT_EQ(pic.At(275, -200), turned ? kBackground : plane) << turned;
    EXPECT_EQ(pic.At(252, -252), turned ? plane : kBackground) << turned;
  }
}

TEST(PaintPads, ThroughPlatedPadsTakeTheViaColourAndARedRing) {
  ElementList list;
  TObjekt& via = list.Add(RoundPad({200, -200}, 50, 20, lyC1));
  via.Durchkontaktiert = 1;
  TRenderContext ctx = Context(lyC2);
  const TRgb viaColour{18, 127, 150};  // rnd((C1 + C2) / 1.7) per channel
  ASSERT_EQ(ctx.Colours.Via, viaColour);
  const TPainted pic = PaintScene(list, ctx);
  EXPECT_EQ(pic.At(235, -200), viaColour);
  EXPECT_EQ(pic.At(200, -200), kBackground);
  // The ring one pixel inside the drill radius.
  EXPECT_EQ(pic.At(200 - 20 + 1.5, -200.5), kRed);
  // Selected (its layer C1 lies on the other side) or drawn in one colour,
  // it loses the via colour.
  via.Markiert = 1;
  EXPECT_EQ(PaintScene(list, ctx).At(235, -200), kOtherSideMagenta);
  via.Markiert = 0;
  const TPainted printed = PaintWith(400, 400, 1.0, [&](TCanvas& canvas) {
    DrawElementInColour(via, canvas, ctx, kBlue);
  });
  EXPECT_EQ(printed.At(235, -200), kBlue);
}

TEST(PaintPads, WhiteDrillsFillTheHoles) {
  ElementList list;
  list.Add(RoundPad({200, -200}, 50, 20, lyC1));
  TRenderContext ctx = Context(lyC1);
  EXPECT_EQ(PaintScene(list, ctx).At(200, -200), kBackground);
  ctx.WhiteDrills = true;
  EXPECT_EQ(PaintScene(list, ctx).At(200, -200), kWhite);
}

TEST(PaintPads, SmdPadsAndTheirSolderMaskGrowth) {
  ElementList list;
  list.Add(CreateSmdPad({200, -200}, 100, 60, lyC1));
  TRenderContext ctx = Context(lyC1);
  TPainted pic = PaintScene(list, ctx);
  EXPECT_EQ(pic.At(245, -225), kC1);
  EXPECT_EQ(pic.At(256, -200), kBackground);
  ctx.MaskPrint = true;
  ctx.MaskGrowSmd = 10;
  pic = PaintScene(list, ctx);
  EXPECT_EQ(pic.At(256, -200), kC1);
  EXPECT_EQ(pic.At(200, -236), kC1);
  EXPECT_EQ(pic.At(262, -200), kBackground);
}

TEST(PaintTracks, AutoroutedTracksGetAnInnerLineFromThreePixels) {
  ASSERT_EQ(InnerLineColour(kC1), (TRgb{180, 180, 255}));
  ASSERT_EQ(InnerLineColour(kWhite), (TRgb{105, 105, 105}));
  struct Case {
    double zoom;
    bool autoroute;
    TRgb centre;
  } cases[] = {
      {1.0, true, {180, 180, 255}},
      {1.0, false, kC1},
      {0.07, true, kC1},  // 40 units are 2.8 pixels
  };
  for (const Case& c : cases) {
    ElementList list;
    list.Add(Track({{50, -200}, {350, -200}}, 40, lyC1)).Autoroute = c.autoroute ? 1 : 0;
    const TPainted pic = PaintScene(list, Context(lyC1, c.zoom));
    EXPECT_EQ(pic.At(200, -200), c.centre) << c.zoom << " " << c.autoroute;
    if (c.zoom == 1.0) {
      EXPECT_EQ(pic.At(200, -215), kC1) << "outside the inner line";
    }
  }
}

TEST(PaintTracks, KeepOutsShowOnlyWhileSelected) {
  for (bool selected : {false, true}) {
    ElementList list;
    TObjekt& track = list.Add(Track({{50, -100}, {350, -100}}, 40, lyC1));
    TObjekt& zone = list.Add(Zone({{50, -150}, {350, -150}, {350, -350}, {50, -350}}, 10, lyC1));
    TObjekt& circle = list.Add(CreateCircle({200, -250}, 40, 30, lyC1, psCircular));
    for (TObjekt* e : {&track, &zone, &circle}) {
      e->Sperrflaeche = 1;
      e->Markiert = selected ? 1 : 0;
    }
    const TPainted pic = PaintScene(list, Context(lyC1));
    const TRgb shown = selected ? kSelectionMagenta : kBackground;
    EXPECT_EQ(pic.At(200, -100), shown) << selected;
    EXPECT_EQ(pic.At(50, -250), shown) << "zone outline " << selected;
    EXPECT_EQ(pic.At(100, -300), kBackground) << "a keep-out zone is never filled";
    EXPECT_EQ(pic.At(200, -285), shown) << "circle " << selected;
  }
}

TEST(PaintTracks, ZonesBeingDrawnAreOpenPolylines) {
  for (uint8_t closed : {0, 1}) {
    ElementList list;
    list.Add(Zone({{50, -50}, {350, -50}, {350, -350}, {50, -350}}, 10, lyC1)).Geschlossen = closed;
    const TPainted pic = PaintScene(list, Context(lyC1));
    EXPECT_EQ(pic.At(200, -200), closed ? kC1 : kBackground) << int{closed};
    EXPECT_EQ(pic.At(350, -200), kC1);
    EXPECT_EQ(pic.At(50, -200), closed ? kC1 : kBackground) << "closing edge " << int{closed};
  }
}

TEST(PaintNodeMarks, SelectedUngroupedElementsShowBlueNodes) {
  struct Case {
    bool grouped;
    bool virtualNodes;
  } cases[] = {{false, false}, {false, true}, {true, true}};
  for (const Case& c : cases) {
    ElementList list;
    TObjekt& track = list.Add(Track({{100, -200}, {300, -200}}, 40, lyC1));
    track.Markiert = 1;
    if (c.grouped) track.Gruppen = {3};
    TRenderContext ctx = Context(lyC1);
    ctx.ShowVirtualNodes = c.virtualNodes;
    const TPainted pic = PaintScene(list, ctx);
    EXPECT_EQ(pic.At(100.5, -200.5), c.grouped ? kSelectionMagenta : kBlue) << c.grouped;
    // The virtual node: an unfilled circle of radius rnd(0.7 * 40 / 2.2) = 13.
    EXPECT_EQ(pic.At(200.5, -200.5), kSelectionMagenta);
    const bool ring = c.virtualNodes && !c.grouped;
    EXPECT_EQ(pic.At(200.5 + 12, -200.5), ring ? kBlue : kSelectionMagenta) << c.grouped << c.virtualNodes;
  }
}

TEST(PaintNodeMarks, CirclesShowTheirEndsAndACentreCross) {
  ElementList list;
  TObjekt& arc = list.Add(CreateCircle({200, -200}, 110, 90, lyC1, psCircular));
  arc.Wert2 = 0;
  arc.Wert1 = 180;
  arc.Markiert = 1;
  TRenderContext ctx = Context(lyC1);
  TPainted pic = PaintScene(list, ctx);
  EXPECT_EQ(pic.At(300.5, -200.5), kBlue);  // start on the mid radius
  EXPECT_EQ(pic.At(100.5, -200.5), kBlue);  // end
  EXPECT_EQ(pic.At(200.5, -100.5), kSelectionMagenta);
  EXPECT_EQ(pic.At(200.5, -200.5), kWhite);  // centre cross, arms of 90 / 5
  EXPECT_EQ(pic.At(215.5, -200.5), kWhite);
  EXPECT_EQ(pic.At(215.5, -215.5), kBackground);
  ctx.TestToolActive = true;
  pic = PaintScene(list, ctx);
  EXPECT_EQ(pic.At(300.5, -200.5), kSelectionMagenta) << "no node marks with the test tool";
}

TEST(PaintConnections, RubberBandsBetweenPads) {
  struct Case {
    bool toolActive;
    bool selected;
    TRgb colour;
  } cases[] = {
      {false, false, kGreen},
      {false, true, kGreen},
      {true, false, kGreen},
      {true, true, kSelectionMagenta},
  };
  for (const Case& c : cases) {
    ElementList list;
    TObjekt& a = list.Add(RoundPad({100, -200}, 20, 5, lyC1));
    TObjekt& b = list.Add(RoundPad({300, -201}, 20, 5, lyC1));
    a.Luftlinien = {b.Id()};
    b.Luftlinien = {a.Id()};
    a.Markiert = b.Markiert = c.selected ? 1 : 0;
    TRenderContext ctx = Context(lyC1);
    ctx.ConnectToolActive = c.toolActive;
    const TPainted pic = PaintScene(list, ctx);
    int hits = 0;
    for (int y = 195; y <= 206; ++y) hits += Pixel(pic.image, 200, y) == c.colour;
    EXPECT_GE(hits, 1) << c.toolActive << c.selected;
  }
}

TEST(PaintModes, MonoMapDrawsCopperWhiteAndClearancesBlack) {
  ElementList list;
  TObjekt& pad = list.Add(RoundPad({200, -200}, 50, 20, lyC1));
  pad.Freistanz = 30;
  pad.Markiert = 1;
  TObjekt& partner = list.Add(RoundPad({200, -50}, 20, 5, lyC1));
  pad.Luftlinien = {partner.Id()};
  partner.Luftlinien = {pad.Id()};
  TRenderContext ctx = Context(lyC1);
  ctx.GroundPlane[lyC1 - 1] = 1;
  ctx.MonoMap = true;
  const TPainted pic = PaintScene(list, ctx);
  EXPECT_EQ(pic.At(200.5, -110.5), kWhite) << "no connections";
  EXPECT_EQ(pic.At(235, -200), kWhite);
  EXPECT_EQ(pic.At(200, -200), kWhite) << "no drill holes";
  EXPECT_EQ(pic.At(265, -200), kBlack) << "clearance";
  EXPECT_EQ(pic.At(300, -200), kWhite) << "the plane";
}

TEST(PaintModes, SolderMaskToolShowsOpeningsWhite) {
  ElementList list;
  list.Add(RoundPad({100, -200}, 50, 10, lyC1));
  list.Add(Track({{200, -200}, {350, -200}}, 40, lyC1));
  TRenderContext ctx = Context(lyC1);
  ctx.MaskToolActive = true;
  const TPainted pic = PaintScene(list, ctx);
  EXPECT_EQ(pic.At(135, -200), kWhite);
  EXPECT_EQ(pic.At(300, -200), kC1);
}

TEST(PaintModes, DragPreviewsDrawnTwiceLeaveNoTrace) {
  ElementList list;
  TObjekt& pad = list.Add(RoundPad({100, -100}, 40, 15, lyC1));
  pad.Durchkontaktiert = 1;
  list.Add(RoundPad({300, -100}, 20, 20, lyC1));  // bare hole: its outline and cross
  list.Add(RoundPad({100, -300}, 40, 15, lyC1, psRoundedH));
  list.Add(CreateSmdPad({300, -300}, 60, 40, lyC1));
  list.Add(Track({{20, -200}, {380, -220}, {200, -380}}, 30, lyC1)).Autoroute = 1;
  TObjekt& circle = list.Add(CreateCircle({200, -200}, 60, 40, lyC1, psCircular));
  circle.Fuellung = 1;
  circle.Wert1 = 200;
  TObjekt& zone = list.Add(Zone({{150, -150}, {250, -150}, {250, -250}}, 10, lyC1));
  zone.Schalter1 = 1;
  TRenderContext ctx = Context(lyC1);
  ctx.DragPreview = true;
  const TPainted once = PaintWith(400, 400, 1.0, [&](TCanvas& canvas) {
    for (const TObjekt& e : list) DrawElement(e, canvas, ctx);
  });
  const TPainted twice = PaintWith(400, 400, 1.0, [&](TCanvas& canvas) {
    for (int i = 0; i < 2; ++i)
      for (const TObjekt& e : list) DrawElement(e, canvas, ctx);
  });
  QImage blank(once.image.size(), once.image.format());
  blank.fill(Qt::white);
  EXPECT_NE(once.image, blank);
  EXPECT_EQ(twice.image, blank);
}

TEST(PaintTexts, FontTextsInTheElementColour) {
  ElementList list;
  TObjekt font;
  font.Typ = otFontText;
  font.Layer = lyS1;
  font.X = 50;
  font.Y = -50;
  font.Mass1 = 250;
  font.Mass2 = -120;
  font.Wert1 = -60;
  font.Text = "HH";
  list.Add(font);
  const TPainted pic = PaintScene(list, Context(lyC1));
  int red = 0;
  for (int y = 50; y < 130; ++y)
    for (int x = 50; x < 250; ++x) red += Pixel(pic.image, x, y) == kS1;
  EXPECT_GT(red, 100);
}

TEST(PaintBoard, BackgroundGridAndIsolationOutlines) {
  TBoardView view;
  view.SetBoardSize(400, 400);
  view.SetVisibleSize(402, 402);
  view.SetZoom(1.0);
  ASSERT_TRUE(view.SetGrid(100));
  view.SetGridMark(0);
  const std::vector<TOutline> outlines{{{50, -50}, {150, -50}, {150, -150}}};
  ElementList list;
  TRenderContext ctx = Context(lyC1);
  const TPainted pic = PaintWith(400, 400, 1.0, [&](TCanvas& canvas) {
    TBoardScene scene;
    scene.Elements = &list;
    scene.Breite = 400;
    scene.Hoehe = 400;
    scene.View = &view;
    scene.IsolationOutlines = &outlines;
    PaintBoard(canvas, scene, ctx);
  });
  const TRgb grid = TRgb::FromColorRef(4605510);
  EXPECT_EQ(pic.At(300.5, -250.5), grid);
  EXPECT_EQ(pic.At(250.5, -300.5), grid);
  EXPECT_EQ(pic.At(250.5, -250.5), kBackground);
  EXPECT_EQ(pic.At(401.5, -250.5), kWhite) << "beyond the board and its margin";
  EXPECT_EQ(pic.At(100.5, -50.5), kWhite) << "outline edge";
  EXPECT_EQ(pic.At(100.5, -100.5), kWhite) << "closing edge of the outline";
  EXPECT_EQ(pic.At(120.5, -80.5), kBackground);
}

TEST(PaintBoard, ActiveGroundPlaneFillsTheBoard) {
  ElementList list;
  TRenderContext ctx = Context(lyC1);
  EXPECT_EQ(PaintScene(list, ctx).At(200, -200), kBackground);
  ctx.GroundPlane[lyC1 - 1] = 1;
  EXPECT_EQ(PaintScene(list, ctx).At(200, -200), kC1Plane);
  // Only the active layer's plane is shown.
  ctx.GroundPlane[lyC1 - 1] = 0;
  ctx.GroundPlane[lyC2 - 1] = 1;
  EXPECT_EQ(PaintScene(list, ctx).At(200, -200), kBackground);
}

}  // namespace
}  // namespace corvane
