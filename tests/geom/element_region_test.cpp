#include "geom/element_region.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geom/element_bounds.h"
#include "geom/element_create.h"
#include "geom/pad_geometry.h"
#include "geom/points.h"
#include "geom/smd_geometry.h"
#include "geom/transforms.h"
#include "geom_test_util.h"

namespace corvane {
namespace {

struct Sample {
  std::string name;
  TObjekt e;
};

// A board state in which thermal spokes show on layer 1.
TLayerState GroundPlaneOnC1() {
  TLayerState s;
  s.AktiverLayer = lyC1;
  s.MasseAn[lyC1 - 1] = 1;
  return s;
}

std::vector<Sample> Samples() {
  std::vector<Sample> out;
  for (int shape = psCircular; shape <= psRectangleV; ++shape) {
    TObjekt pad = CreatePad({300, -400}, lyC1, static_cast<uint8_t>(shape), 20, 60);
    pad.Freistanz = 25;
    RotateElement(pad, {300, -400}, 20);
    out.push_back({"pad " + std::to_string(shape), pad});
  }
  TObjekt smd = CreateSmdPad({-50, -80}, 120, 40, lyC1);
  RotateElement(smd, {0, 0}, 33);
  out.push_back({"smd", smd});
  out.push_back({"track", test::Track({{0, 0}, {100, -20}, {150, -300}, {150, -300}}, 30)});
  out.push_back({"zone", test::Zone({{10, -10}, {300, -10}, {200, -250}, {120, -100}}, 10)});
  out.push_back({"circle", test::Circle({70, -90}, 60, 40, 0, 0)});
  out.push_back({"arc", test::Circle({70, -90}, 60, 40, 30, 200)});
  TObjekt filled = test::Circle({70, -90}, 60, 40, 300, 100);
  filled.Fuellung = 1;
  out.push_back({"filled arc", filled});
  TObjekt text;
  text.Typ = otText;
  text.Striche.push_back(test::Track({{5, -7}, {5, -87}}, 12));
  text.Striche.push_back(test::Track({{5, -7}, {45, -7}}, 12));
  out.push_back({"text", text});
  TObjekt font;
  font.Typ = otFontText;
  font.X = 10;
  font.Y = -20;
  font.Mass1 = 110;
  font.Mass2 = -60;
  out.push_back({"font text", font});
  return out;
}

TEST(ElementRegion, ContainsTheElementsOwnPoints) {
  for (const Sample& s : Samples()) {
    SCOPED_TRACE(s.name);
    const Area region = ElementRegion(s.e);
    ASSERT_FALSE(region.IsEmpty());
    for (TFloatPoint p : s.e.Punkte) EXPECT_TRUE(region.Contains(RoundPoint(p)));
    for (const TObjekt& stroke : s.e.Striche)
      for (TFloatPoint p : stroke.Punkte) EXPECT_TRUE(region.Contains(RoundPoint(p)));
  }
}

TEST(ElementRegion, BoundsContainTheRegion) {
  const TLayerState state = GroundPlaneOnC1();
  std::vector<Sample> samples = Samples();
  // Thermal pads and SMD pads, also with wide spokes and large clearances.
  for (int shape = psCircular; shape <= psRectangleV; ++shape) {
    for (int percent : {100, 300}) {
      TObjekt pad = CreatePad({0, 0}, lyC1, static_cast<uint8_t>(shape), 20, 50);
      pad.Schalter1 = 1;
      pad.Wert2 = 0xFF;
      pad.Wert3 = percent;
      pad.Freistanz = 100;
      RotateElement(pad, {0, 0}, 45);
      samples.push_back({"thermal pad " + std::to_string(shape) + " " + std::to_string(percent), pad});
    }
  }
  TObjekt smd = CreateSmdPad({0, 0}, 200, 40, lyC1);
  smd.Schalter1 = 1;
  smd.Wert2 = 0xFF;
  smd.Wert3 = 300;
  smd.Freistanz = 60;
  RotateElement(smd, {0, 0}, 30);
  samples.push_back({"thermal smd", smd});
  for (const Sample& s : samples) {
    SCOPED_TRACE(s.name);
    const TIntRect bounds = ElementBounds(s.e, state);
    const Area region = ElementRegion(s.e, nullptr, true, state);
    EXPECT_TRUE(RectContainsRect(bounds, region.Bounds()))
        << "bounds " << bounds.left << "," << bounds.top << "," << bounds.right << "," << bounds.bottom << " region "
        << region.Bounds().left << "," << region.Bounds().top << "," << region.Bounds().right << ","
        << region.Bounds().bottom;
  }
}

TEST(ElementRegion, TouchingTracksIntersect) {
  const TObjekt a = test::Track({{0, 0}, {100, 0}}, 20);
  struct Case {
    const char* what;
    TObjekt b;
    bool meets;
  };
  const Case cases[] = {
      {"shared vertex", test::Track({{100, 0}, {100, 300}}, 2), true},
      {"edges touch", test::Track({{0, 20}, {100, 20}}, 20), true},  // boundaries both at y = 10
      {"one unit apart", test::Track({{0, 21}, {100, 21}}, 20), false},
      {"crossing", test::Track({{50, -100}, {50, 100}}, 2), true},
      {"end caps touch", test::Track({{120, 0}, {200, 0}}, 20), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ElementRegion(a).Intersects(ElementRegion(c.b)), c.meets);
  }
}

TEST(ElementRegion, CurvesStayWithinOneUnitOfTheCircle) {
  struct Case {
    double radius;
    const TDeviceMapping* mapping;
  };
  TDeviceMapping half;
  half.zoom = 0.5;
  half.left = 3;
  half.top = 7;
  const Case cases[] = {{1000, nullptr}, {37, nullptr}, {5000, &half}, {8, &half}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "radius " << c.radius << (c.mapping ? " in pixels" : ""));
    const TObjekt pad = CreatePad({0, 0}, lyC1, psCircular, 0, c.radius);
    const Area region = ElementRegion(pad, c.mapping);
    const double scale = c.mapping ? c.mapping->zoom : 1.0;
    const double cx = c.mapping ? c.mapping->left : 0, cy = c.mapping ? c.mapping->top : 0;
    const double r = c.radius * scale;
    const auto outlines = region.Outlines();
    ASSERT_EQ(outlines.size(), 1u);
    const auto& poly = outlines[0];
    for (std::size_t i = 0; i < poly.size(); ++i) {
      const TIntPoint a = poly[i], b = poly[(i + 1) % poly.size()];
      EXPECT_NEAR(std::hypot(a.x - cx, a.y - cy), r, 1.0);
      EXPECT_NEAR(std::hypot((a.x + b.x) / 2.0 - cx, (a.y + b.y) / 2.0 - cy), r, 1.0);
    }
  }
}

TEST(ElementRegion, CircleAndArcShapes) {
  const TObjekt ring = test::Circle({0, 0}, 100, 60, 0, 0);
  const TObjekt arc = test::Circle({0, 0}, 100, 60, 0, 90);
  TObjekt filledArc = arc;
  filledArc.Fuellung = 1;
  TObjekt disc = ring;
  disc.Fuellung = 1;
  struct Case {
    TIntPoint p;
    bool ring, arc, filledArc, disc;
  };
  const Case cases[] = {
      {{0, 0}, false, false, false, true},     // centre
      {{80, 0}, true, true, true, true},       // on the mid radius at the start
      {{0, -80}, true, false, false, true},    // below: outside the arc's range
      {{57, 57}, true, true, true, true},      // mid radius at 45 degrees
      {{30, 30}, false, false, true, true},    // inside the chord segment
      {{10, 10}, false, false, false, true},   // beyond the chord
      {{80, -19}, true, true, true, true},     // in the round cap below the start
      {{80, -21}, true, false, false, true},   // just beyond the cap
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
    EXPECT_EQ(ElementRegion(ring).Contains(c.p), c.ring);
    EXPECT_EQ(ElementRegion(arc).Contains(c.p), c.arc);
    EXPECT_EQ(ElementRegion(filledArc).Contains(c.p), c.filledArc);
    EXPECT_EQ(ElementRegion(disc).Contains(c.p), c.disc);
  }
  // Equal start and stop angles give the full ring, whatever the angle.
  const Area full = ElementRegion(test::Circle({0, 0}, 100, 60, 123, 123));
  for (int deg = 0; deg < 360; deg += 45) EXPECT_TRUE(full.Contains(RoundPoint(PointOnCircle({0, 0}, deg, 80))));
  // Degenerate circles are empty, not failures.
  EXPECT_TRUE(ElementRegion(test::Circle({0, 0}, 0, 0, 0, 0)).IsEmpty());
  EXPECT_TRUE(ElementRegion(test::Circle({0, 0}, 50, 50, 0, 0)).IsEmpty());
}

TEST(ElementRegion, SpokesOnlyWhenTheyApplyOrAreAskedFor) {
  TObjekt pad = CreatePad({0, 0}, lyC1, psCircular, 20, 50);
  pad.Schalter1 = 1;
  pad.Freistanz = 30;
  const TIntPoint northEnd{0, 78};  // inside the north spoke, beyond pad and clearance
  const TLayerState on = GroundPlaneOnC1();
  const TLayerState off;
  EXPECT_TRUE(ElementRegion(pad, nullptr, true, on).Contains(northEnd));
  EXPECT_FALSE(ElementRegion(pad, nullptr, false, on).Contains(northEnd));
  EXPECT_FALSE(ElementRegion(pad, nullptr, true, off).Contains(northEnd));
  EXPECT_TRUE(ElementRegion(pad, nullptr, true, off, true).Contains(northEnd));
  pad.Wert2 = 0x04;  // east only
  EXPECT_FALSE(ElementRegion(pad, nullptr, true, on).Contains(northEnd));
  EXPECT_TRUE(ElementRegion(pad, nullptr, true, on).Contains({78, 0}));
  pad.Schalter1 = 0;
  EXPECT_FALSE(ElementRegion(pad, nullptr, true, off, true).Contains({78, 0}));
}

TEST(ElementRegion, DeviceMappingNormalAndMirrored) {
  const TObjekt smd = CreateSmdPad({100, -50}, 40, 20, lyC1);
  TDeviceMapping normal;
  normal.zoom = 2;
  normal.left = 10;
  normal.top = 5;
  EXPECT_EQ(ElementRegion(smd, &normal).Bounds(), (TIntRect{170, 85, 250, 125}));
  TDeviceMapping mirrored = normal;
  mirrored.mirrored = true;
  mirrored.boardWidth = 1000;
  EXPECT_EQ(ElementRegion(smd, &mirrored).Bounds(), (TIntRect{1770, 85, 1850, 125}));
  // A thin track keeps one pixel of half-width at a small zoom.
  TDeviceMapping small;
  small.zoom = 0.01;
  const Area thin = ElementRegion(test::Track({{0, 0}, {10000, 0}}, 10), &small);
  EXPECT_EQ(thin.Bounds(), (TIntRect{-1, -1, 101, 1}));
}

TEST(ElementRegion, DegenerateElementsHaveNoRegion) {
  EXPECT_TRUE(ElementRegion(test::Track({{5, 5}}, 20)).IsEmpty());
  EXPECT_TRUE(ElementRegion(test::Zone({}, 20)).IsEmpty());
  EXPECT_TRUE(ElementRegion(CreatePad({0, 0}, lyC1, 0, 10, 50)).IsEmpty());
  TObjekt smd = CreateSmdPad({0, 0}, 10, 10, lyC1);
  smd.Punkte.resize(2);
  EXPECT_TRUE(ElementRegion(smd).IsEmpty());
  TObjekt text;
  text.Typ = otText;
  EXPECT_TRUE(ElementRegion(text).IsEmpty());
  // A zero-length track is a small round outline.
  EXPECT_TRUE(ElementRegion(test::Track({{5, 5}, {5, 5}}, 20)).Contains({5, 14}));
}

}  // namespace
}  // namespace corvane
