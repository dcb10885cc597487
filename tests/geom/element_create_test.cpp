#include "geom/element_create.h"

#include <gtest/gtest.h>

#include "core/layers.h"
#include "geom/element_points.h"
#include "geom/grow_shrink.h"
#include "geom/pad_geometry.h"
#include "geom/points.h"
#include "geom/smd_geometry.h"
#include "geom/transforms.h"
#include "geom_test_util.h"

namespace corvane {
namespace {

TEST(CreateElement, TracksAndZones) {
  const TObjekt t = CreateTrack(40, lyC2);
  EXPECT_EQ(t.Typ, otLeiterbahn);
  EXPECT_EQ(t.Wert1, 40);
  EXPECT_EQ(t.Layer, lyC2);
  EXPECT_TRUE(t.Punkte.empty());
  EXPECT_EQ(t.Loetstopp, 0);
  EXPECT_EQ(t.RouteStart, kNoRef);

  const TObjekt z = CreateZone(25, lyC1);
  EXPECT_EQ(z.Typ, otFlaeche);
  EXPECT_EQ(z.Wert1, 25);
  EXPECT_EQ(z.Wert3, 25);
  EXPECT_EQ(z.Geschlossen, 1);
  EXPECT_EQ(z.Schalter1, 0);
  EXPECT_EQ(z.Schalter2, 1);
}

TEST(CreateElement, PadsCarryThermalDefaults) {
  const TObjekt pad = CreatePad({10, -20}, lyC1, psOctagon, 30, 90);
  const TObjekt smd = CreateSmdPad({10, -20}, 100, 40, lyC1);
  for (const TObjekt* e : {&pad, &smd}) {
    EXPECT_EQ(e->Loetstopp, 1);
    EXPECT_EQ(e->Wert2, 85);
    EXPECT_EQ(e->Wert3, 100);
    EXPECT_EQ(e->ThermalStempel, 123456789u);
    EXPECT_EQ(e->Schalter1, 0);
    EXPECT_EQ(e->Durchkontaktiert, 0);
    EXPECT_FLOAT_EQ(e->X, 10);
    EXPECT_FLOAT_EQ(e->Y, -20);
  }
  EXPECT_EQ(pad.Typ, otLoetauge);
  EXPECT_FLOAT_EQ(pad.Mass1, 90);
  EXPECT_FLOAT_EQ(pad.Mass2, 30);
  EXPECT_EQ(pad.Punkte.size(), 8u);
  EXPECT_EQ(smd.Typ, otSmdPad);
  test::ExpectPointsNear(smd.Punkte, {{-40, 0}, {60, 0}, {60, -40}, {-40, -40}}, 0);
}

TEST(CreateElement, CirclesAndTexts) {
  const TObjekt c = CreateCircle({5, 6}, 100, 60, lyS1, psSquare);
  EXPECT_EQ(c.Typ, otKreis);
  EXPECT_EQ(c.Wert1, c.Wert2);
  EXPECT_EQ(c.Form, psSquare);
  EXPECT_EQ(c.Fuellung, 0);
  EXPECT_TRUE(c.Punkte.empty());

  TTextParams params;
  params.content = "R12";
  params.height = 150;
  params.thickness = 2;
  params.style = 0;
  params.mirrorH = true;
  params.angle = 450;
  const TObjekt t = CreateText({1, 2}, params, lyS2);
  EXPECT_EQ(t.Typ, otText);
  EXPECT_EQ(t.Text, "R12");
  EXPECT_FLOAT_EQ(t.Mass1, 150);
  EXPECT_FLOAT_EQ(t.Mass2, 2);
  EXPECT_EQ(t.Wert1, 0);
  EXPECT_EQ(t.Schalter1, 1);
  EXPECT_EQ(t.Schalter2, 0);
  EXPECT_EQ(t.Wert3, 90);
  EXPECT_TRUE(t.Striche.empty());

  // With the editor state the strokes come at once, on the active layer with its clearance.
  TTextEditorState editor;
  editor.AktiverLayer = lyS1;
  editor.Freistanz = 25;
  const TObjekt s = CreateText({1, 2}, params, lyS2, editor);
  EXPECT_EQ(s.Layer, lyS2);
  ASSERT_FALSE(s.Striche.empty());
  for (const TObjekt& stroke : s.Striche) {
    EXPECT_EQ(stroke.Typ, otLeiterbahn);
    EXPECT_EQ(stroke.Layer, lyS1);
    EXPECT_EQ(stroke.Freistanz, 25);
  }
}

TEST(ElementPoints, CentreAndReferencePoint) {
  TObjekt smd = CreateSmdPad({10, -20}, 100, 40, lyC1);
  MoveElement(smd, 5, 5);  // the stored position stays behind, the corners move
  test::ExpectPointNear(ElementCentre(smd), {15, -15}, 1e-4);
  test::ExpectPointNear(ElementRefPoint(smd), {15, -15}, 1e-4);
  test::ExpectPointNear(ElementRefPoint(test::Track({{7, 8}, {9, 9}}, 10)), {7, 8}, 0);
  test::ExpectPointNear(ElementRefPoint(test::Circle({0, 0}, 60, 40, 90, 180)), {0, 50}, 1e-4);
  TObjekt text;
  text.Typ = otText;
  text.X = 3;
  text.Y = 4;
  test::ExpectPointNear(ElementRefPoint(text), {3, 4}, 0);
  text.Striche.push_back(test::Track({{11, 12}, {13, 14}}, 10));
  test::ExpectPointNear(ElementRefPoint(text), {11, 12}, 0);
}

TEST(GrowElement, ChangesAndShrinkUndoesThem) {
  TObjekt pad = CreatePad({100, -100}, lyC1, psRectangleH, 20, 50);
  RotateElement(pad, {100, -100}, 30);
  TObjekt smd = CreateSmdPad({0, 0}, 100, 40, lyC1);
  RotateElement(smd, {0, 0}, 60);
  TObjekt circle = test::Circle({0, 0}, 100, 60, 0, 0);
  TObjekt text;
  text.Typ = otText;
  text.Striche.push_back(test::Track({{0, 0}, {10, 0}}, 12));
  TObjekt track = test::Track({{0, 0}, {10, 0}}, 12);

  GrowElement(pad, 20);
  EXPECT_FLOAT_EQ(pad.Mass1, 60);
  EXPECT_NEAR(PadAngle(pad), 30, 0.011);
  EXPECT_NEAR(Distance(pad.Punkte[0], pad.Punkte[1]), 4 * 60, 1e-3);
  GrowElement(smd, 20);
  EXPECT_NEAR(Distance(smd.Punkte[0], smd.Punkte[1]), 120, 1e-3);
  EXPECT_NEAR(Distance(smd.Punkte[1], smd.Punkte[2]), 60, 1e-3);
  EXPECT_NEAR(SmdAngle(smd), 60, 1e-3);
  test::ExpectPointNear(SmdCentre(smd), {0, 0}, 1e-3);
  GrowElement(circle, 20);
  EXPECT_FLOAT_EQ(circle.Mass1, 110);
  EXPECT_FLOAT_EQ(circle.Mass2, 50);
  GrowElement(text, 6);
  EXPECT_EQ(text.Striche[0].Wert1, 18);
  GrowElement(track, 6);
  EXPECT_EQ(track.Wert1, 18);

  const TObjekt padBefore = CreatePad({100, -100}, lyC1, psRectangleH, 20, 50);
  ShrinkElement(pad, 20);
  EXPECT_FLOAT_EQ(pad.Mass1, 50);
  TObjekt turned = padBefore;
  RotateElement(turned, {100, -100}, 30);
  test::ExpectPointsNear(pad.Punkte, turned.Punkte, 1e-3);
  ShrinkElement(smd, 20);
  EXPECT_FLOAT_EQ(smd.Mass1, 100);
  EXPECT_FLOAT_EQ(smd.Mass2, 40);
  ShrinkElement(circle, 20);
  EXPECT_FLOAT_EQ(circle.Mass1, 100);
  EXPECT_FLOAT_EQ(circle.Mass2, 60);
  ShrinkElement(text, 6);
  EXPECT_EQ(text.Striche[0].Wert1, 12);

  TObjekt same = padBefore;
  GrowElement(same, 0);
  test::ExpectPointsNear(same.Punkte, padBefore.Punkte, 0);
}

TEST(GrowElement, ExtremeAmountsSaturate) {
  TObjekt track = test::Track({{0, 0}, {10, 0}}, 2000000000);
  GrowElement(track, 2000000000);
  EXPECT_EQ(track.Wert1, 2147483647);
  ShrinkElement(track, -2147483647 - 1);
  EXPECT_EQ(track.Wert1, 2147483647);
}

}  // namespace
}  // namespace corvane
