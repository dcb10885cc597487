#include "geom/font_text_height.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvane {
namespace {

TEST(FontTextHeight, DialogHeightToWert1AndBack) {
  struct Case {
    double heightMm;
    double ppi;
    int32_t wert1;
  };
  // -rnd(ppi * rnd(mm * 100) / 72)
  const Case cases[] = {
      {3.0, 96.0, -400},   // 96 * 300 / 72 = 400
      {2.5, 96.0, -333},   // 333.33
      {1.0, 120.0, -167},  // 166.67
      {9.9, 72.0, -990},   // ppi 72: one unit per 0.01 mm
      {4.5, 16.0, -100},   // 16 * 450 / 72 = 100 exactly
      {0.9, 4.0, -5},      // 4 * 90 / 72 = 5 exactly
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FontTextWert1(c.heightMm, c.ppi), c.wert1) << c.heightMm << " mm at " << c.ppi;
  }
  EXPECT_DOUBLE_EQ(FontTextHeightMm(-400, 96.0), 3.0);
  EXPECT_DOUBLE_EQ(FontTextHeightMm(-990, 72.0), 9.9);
}

TEST(FontTextHeight, RoundingIsToNearestWithTiesToEven) {
  // 9 * 100 / 72 = 12.5 -> 12 and 9 * 300 / 72 = 37.5 -> 38.
  EXPECT_EQ(FontTextWert1(1.0, 9.0), -12);
  EXPECT_EQ(FontTextWert1(3.0, 9.0), -38);
}

TEST(FontTextHeight, ConvertedHeightIsNineTenthsOfTheFontHeight) {
  EXPECT_NEAR(ConvertedTextHeightMm(-400, 96.0), 2.7, 1e-12);
  EXPECT_NEAR(ConvertedTextHeightMm(-1000, 72.0), 9.0, 1e-12);
  // A damaged positive font height still gives a positive text height.
  EXPECT_NEAR(ConvertedTextHeightMm(400, 96.0), 2.7, 1e-12);
  EXPECT_NEAR(ConvertedTextHeightMm(std::numeric_limits<int32_t>::min(), 72.0), 0.9 * 2147483648.0 / 100.0,
              1e-3);
}

TEST(FontTextHeight, UnusableResolutionGivesZero) {
  for (double ppi : {0.0, -96.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(ValidScreenResolution(ppi)) << ppi;
    EXPECT_EQ(FontTextWert1(3.0, ppi), 0) << ppi;
    EXPECT_EQ(FontTextHeightMm(-400, ppi), 0.0) << ppi;
    EXPECT_EQ(ConvertedTextHeightMm(-400, ppi), 0.0) << ppi;
  }
  EXPECT_TRUE(ValidScreenResolution(96.0));
}

TEST(FontTextHeight, HugeHeightsSaturateInsteadOfOverflowing) {
  EXPECT_EQ(FontTextWert1(1e30, 96.0), std::numeric_limits<int32_t>::min());
}

}  // namespace
}  // namespace corvane
