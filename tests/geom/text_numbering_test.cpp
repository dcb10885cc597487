#include "geom/text_numbering.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

TEST(TextNumbering, ThreeTextsInARowCountOnFromTheStart) {
  TTextNumbering numbering;
  numbering.SetEnabled(true);
  numbering.Start(7);
  EXPECT_EQ(numbering.NextText("R"), "R7");
  EXPECT_EQ(numbering.NextText("R"), "R8");
  EXPECT_EQ(numbering.NextText("R"), "R9");
  EXPECT_EQ(numbering.Counter(), 10);
  EXPECT_EQ(numbering.NextText("C"), "C10");
}

TEST(TextNumbering, SwitchedOffLeavesTextAndCounterAlone) {
  TTextNumbering numbering;
  numbering.Start(3);
  EXPECT_EQ(numbering.NextText("LED"), "LED");
  EXPECT_EQ(numbering.Counter(), 3);
  numbering.SetEnabled(true);
  EXPECT_EQ(numbering.NextText(""), "3");
}

TEST(TextNumbering, StartIsLimitedToTheFieldRange) {
  struct Case {
    int32_t startAt;
    int32_t counter;
  };
  const Case cases[] = {{0, 0}, {9999, 9999}, {-5, 0}, {12000, 9999}};
  for (const Case& c : cases) {
    TTextNumbering numbering;
    numbering.Start(c.startAt);
    EXPECT_EQ(numbering.Counter(), c.counter) << c.startAt;
  }
}

}  // namespace
}  // namespace corvane
