#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/number_format.h"

namespace corvane {
namespace {

TEST(FormatGeneral, SignificantDigitsAndNotation) {
  struct Case {
    double value;
    int precision;
    const char* text;
  } cases[] = {
      {0.0, 3, "0"},
      {1.0, 3, "1"},
      {-25.0, 3, "-25"},
      {0.5, 3, "0.5"},
      {-0.5, 3, "-0.5"},
      {123.4, 3, "123"},
      {1.5, 3, "1.5"},
      {1234.5, 3, "1.23E3"},     // more integer digits than the precision
      {999.6, 3, "1E3"},         // rounding carries into a fourth digit
      {0.00001234, 3, "0.0000123"},
      {0.000001, 3, "1E-6"},     // below 0.00001
      {19685.0, 5, "19685"},
      {123450.0, 5, "1.2345E5"},
      {0.07938, 8, "0.07938"},
      {1.27, 8, "1.27"},
      {100.0, 8, "100"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatGeneral(c.value, c.precision), c.text) << c.value;
}

TEST(FormatFixed, DecimalsWithPointAndTiesToEven) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {12.5, 1, "12.5"},   {19.685, 1, "19.7"}, {0.5, 3, "0.500"}, {100.0, 1, "100.0"},
      {-0.04, 1, "0.0"},   {-1.25, 1, "-1.2"},  {0.25, 1, "0.2"},  {0.75, 1, "0.8"},
      {2.5, 0, "2"},       {3.5, 0, "4"},       {-7.0, 2, "-7.00"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value;
}

TEST(FormatNumbers, NonFiniteValuesHaveAText) {
  EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN(), 3), "NAN");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 1), "-INF");
}

TEST(ParseDecimal, AcceptsPointOrCommaAndRejectsTheRest) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {"1.5", true, 1.5},  {"1,5", true, 1.5},   {" 2 ", true, 2.0},   {"-0,25", true, -0.25},
      {"+3", true, 3.0},   {"1e3", true, 1000.0}, {"", false, 0},       {"   ", false, 0},
      {"abc", false, 0},   {"1.2.3", false, 0},   {"1,2,3", false, 0}, {"12mm", false, 0},
      {"+-1", false, 0},   {"++1", false, 0},     {"inf", false, 0},   {"nan", false, 0},
      {"1e999", false, 0}, {"+", false, 0},
  };
  for (const Case& c : cases) {
    const auto v = ParseDecimal(c.text);
    ASSERT_EQ(v.has_value(), c.ok) << '"' << c.text << '"';
    if (c.ok) {
      EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
  }
}

}  // namespace
}  // namespace corvane
