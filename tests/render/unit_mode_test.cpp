#include <gtest/gtest.h>

#include "render/unit_mode.h"

namespace corvane {
namespace {

TEST(UnitMode, CaptionsAndToggle) {
  EXPECT_STREQ(UnitCaption(umMm), "mm");
  EXPECT_STREQ(UnitCaption(umMil), "mil");
  EXPECT_EQ(OtherUnit(umMm), umMil);
  EXPECT_EQ(OtherUnit(umMil), umMm);
}

TEST(UnitMode, FieldValuesOfWorldLengths) {
  struct Case {
    double world;
    TUnitMode unit;
    double shown;
  } cases[] = {
      {254.0, umMm, 2.54},
      {80.0, umMm, 0.8},
      {254.0, umMil, 2.54 * 39.37},  // fields convert with 39.37 mil per mm
      {100.0, umMil, 39.37},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(WorldToUnit(c.world, c.unit), c.shown) << c.world;
    EXPECT_NEAR(UnitToWorld(c.shown, c.unit), c.world, 1e-9) << c.world;
  }
  EXPECT_DOUBLE_EQ(MmToUnit(2.0, umMil), 78.74);
  EXPECT_DOUBLE_EQ(UnitToMm(78.74, umMil), 2.0);
  EXPECT_DOUBLE_EQ(MmToUnit(2.0, umMm), 2.0);
}

TEST(UnitMode, LengthTexts) {
  EXPECT_EQ(FormatLength(80.0, umMm, 2), "0.80");
  EXPECT_EQ(FormatLength(100.0, umMil, 1), "39.4");
  EXPECT_EQ(FormatLength(-150.0, umMm, 1), "-1.5");

  EXPECT_DOUBLE_EQ(*ParseLength("1,2", umMm), 120.0);
  EXPECT_DOUBLE_EQ(*ParseLength(" 0.8 ", umMm), 80.0);
  EXPECT_NEAR(*ParseLength("39.37", umMil), 100.0, 1e-9);
  EXPECT_FALSE(ParseLength("1.2 mm", umMm).has_value());
}

}  // namespace
}  // namespace corvane
