#include "store/Variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct TextNumber {
  const char* text;
  int32_t integer;
  double real;
};

TEST(VariantTest, TextReadsAsTheNumberAtItsStart) {
  const TextNumber cases[] = {
      {"", 0, 0},
      {"12", 12, 12},
      {"-12", -12, -12},
      {"+7", 7, 7},
      {"  7", 7, 7},
      {"3.9", 3, 3.9},
      {"-3.9", -3, -3.9},
      {".25", 0, 0.25},
      {"5.", 5, 5},
      {"12abc", 12, 12},
      {"1e3", 1, 1},
      {"abc", 0, 0},
      {"-", 0, 0},
      {".", 0, 0},
      {"3500000000", std::numeric_limits<int32_t>::max(), 3500000000.0},
      {"-3500000000", std::numeric_limits<int32_t>::min(), -3500000000.0},
      {".0000000000000000000000001", 0, 1e-25},
  };
  for (const TextNumber& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Variant(c.text).IntegerValue(), c.integer);
    EXPECT_DOUBLE_EQ(Variant(c.text).DoubleValue(), c.real);
  }
}

TEST(VariantTest, NumbersBeyondADoubleStayInRange) {
  const std::string huge = "1" + std::string(400, '0');
  EXPECT_TRUE(std::isinf(Variant(huge).DoubleValue()));
  EXPECT_EQ(Variant(huge).IntegerValue(), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(Variant("-" + huge).IntegerValue(), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(Variant("0." + std::string(400, '0') + "1").DoubleValue(), 0.0);
}

TEST(VariantTest, OnlyTheTrueTextReadsAsTrue) {
  EXPECT_EQ(Variant(true).StringValue(), "True");
  EXPECT_EQ(Variant(false).StringValue(), "False");
  EXPECT_TRUE(Variant("True").BooleanValue());
  for (const char* text : {"False", "", "true", "TRUE", "1", " True", "True "}) {
    EXPECT_FALSE(Variant(text).BooleanValue()) << '"' << text << '"';
  }
}

TEST(VariantTest, KindsAreTold) {
  EXPECT_TRUE(Variant(int32_t{3}).IsNumeric());
  EXPECT_TRUE(Variant(2.5).IsNumeric());
  EXPECT_FALSE(Variant("3").IsNumeric());
  EXPECT_FALSE(Variant(true).IsNumeric());
  EXPECT_EQ(Variant().StringValue(), "");
  EXPECT_EQ(Variant(int32_t{-12}).StringValue(), "-12");
}

}  // namespace
