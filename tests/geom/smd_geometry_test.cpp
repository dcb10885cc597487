#include "geom/smd_geometry.h"

#include <gtest/gtest.h>

#include "geom/element_create.h"
#include "geom/points.h"
#include "geom/transforms.h"
#include "geom_test_util.h"

namespace corvane {
namespace {

TEST(SmdPad, NewPadCornersCentreAndAngle) {
  const TObjekt smd = CreateSmdPad({10, 20}, 100, 40, 1);
  test::ExpectPointsNear(smd.Punkte, {{-40, 40}, {60, 40}, {60, 0}, {-40, 0}}, 0);
  test::ExpectPointNear(SmdCentre(smd), {10, 20}, 0);
  EXPECT_EQ(SmdAngle(smd), 0.0);
  EXPECT_EQ(SmdSpokeWidth(smd), 13);  // rnd(40 / 3)
}

TEST(SmdPad, ResizeKeepsCentreAndRotation) {
  for (double deg : {0.0, 30.0, 90.0, 135.0, 271.0}) {
    SCOPED_TRACE(testing::Message() << "deg " << deg);
    TObjekt smd = CreateSmdPad({10, 20}, 100, 40, 1);
    RotateElement(smd, {0, 0}, deg);
    const TFloatPoint centre = SmdCentre(smd);
    const double angle = SmdAngle(smd);

    ResizeSmd(smd, 200, -1);
    test::ExpectPointNear(SmdCentre(smd), centre, 1e-3);
    EXPECT_NEAR(SmdAngle(smd), angle, 1e-3);
    EXPECT_NEAR(Distance(smd.Punkte[0], smd.Punkte[1]), 200, 1e-3);
    EXPECT_NEAR(Distance(smd.Punkte[1], smd.Punkte[2]), 40, 1e-3);
    EXPECT_FLOAT_EQ(smd.Mass1, 200);
    EXPECT_FLOAT_EQ(smd.Mass2, 40);

    ResizeSmd(smd, -1, 10);
    EXPECT_NEAR(Distance(smd.Punkte[0], smd.Punkte[1]), 200, 1e-3);
    EXPECT_NEAR(Distance(smd.Punkte[1], smd.Punkte[2]), 10, 1e-3);
    test::ExpectPointNear(SmdCentre(smd), centre, 1e-3);
  }
}

TEST(SmdPad, SpokeEndsFollowSidesClearanceAndRotation) {
  TObjekt smd = CreateSmdPad({0, 0}, 100, 40, 1);
  smd.Freistanz = 10;
  test::ExpectPointNear(SmdSpokeEnd(smd, 1), {0, 30}, 0);
  test::ExpectPointNear(SmdSpokeEnd(smd, 2), {60, 30}, 0);
  test::ExpectPointNear(SmdSpokeEnd(smd, 3), {60, 0}, 0);
  test::ExpectPointNear(SmdSpokeEnd(smd, 7), {-60, 0}, 0);
  RotateElement(smd, {0, 0}, 90);  // east turns to south
  test::ExpectPointNear(SmdSpokeEnd(smd, 3), {0, -60}, 1e-3);
  test::ExpectPointNear(SmdSpokeEnd(smd, 1), {30, 0}, 1e-3);
}

TEST(SmdPad, MissingCornersAreHarmless) {
  TObjekt smd;
  smd.Typ = otSmdPad;
  smd.X = 5;
  smd.Y = 6;
  smd.Punkte = {{1, 1}};
  test::ExpectPointNear(SmdCentre(smd), {5, 6}, 0);
  EXPECT_EQ(SmdAngle(smd), 0.0);
  ResizeSmd(smd, 10, 10);
  EXPECT_EQ(smd.Punkte.size(), 1u);
}

}  // namespace
}  // namespace corvane
