#include "core/number_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace qichun {
namespace {

struct ParseCase {
  const char* label;
  std::string text;
  std::int32_t asInt;
  float asFloat;
};

TEST(TextToNumber, ReadsLikeTheExamples) {
  const ParseCase cases[] = {
      {"decimal", "30.29", 30, 30.29f},
      {"empty", "", 0, 0.0f},
      {"leading space", " 12", 12, 12.0f},
      {"letters", "abc", 0, 0.0f},
      {"exponent e", "1e3", 1, 1000.0f},
      {"exponent d", "1d3", 1, 1000.0f},
      {"exponent mark without digits", "1e", 1, 1.0f},
      {"no integer digits", ".5", 0, 0.5f},
      {"no fraction digits", "5.", 5, 5.0f},
      {"minus", "-7", -7, -7.0f},
      {"plus", "+8", 8, 8.0f},
      {"trailing letters", "12abc", 12, 12.0f},
      {"space after sign", "- 5", 0, 0.0f},
      {"full-width digits and point", "１２．５", 12, 12.5f},
      {"int32 wraps to the minimum", "2147483648", -2147483648, 2147483648.0f},
      {"wraps modulo 2^32", "4294967297", 1, 4294967296.0f},
  };
  for (const ParseCase& c : cases) {
    EXPECT_EQ(TextToInt(c.text), c.asInt) << c.label;
    EXPECT_EQ(TextToFloat(c.text), c.asFloat) << c.label;
  }
}

TEST(TextToNumber, FoldsFullWidthSignsExponentsAndSpaces) {
  EXPECT_EQ(TextToInt("\u3000－４２"), -42);
  EXPECT_EQ(TextToDouble("＋１Ｅ２"), 100.0);
  EXPECT_EQ(TextToDouble("２ｄ－１"), 0.2);
  EXPECT_EQ(TextToDouble("\t\n\v\f\r 7"), 7.0);
  // Other characters stop the parse: a NUL, an emoji, a lone continuation byte.
  EXPECT_EQ(TextToDouble(std::string("3\0"
                                     "4",
                                     3)),
            3.0);
  EXPECT_EQ(TextToInt("5😀6"), 5);
  EXPECT_EQ(TextToInt("\x80"
                      "9"),
            0);
  EXPECT_EQ(TextToInt("\xEF\xBC"), 0);  // a truncated full-width form
}

TEST(TextToNumber, ExponentWithoutDigitsIsNotPartOfTheNumber) {
  EXPECT_EQ(TextToDouble("2e+"), 2.0);
  EXPECT_EQ(TextToDouble("2E-x"), 2.0);
  EXPECT_EQ(TextToDouble("2.5e-1"), 0.25);
  EXPECT_EQ(TextToDouble("."), 0.0);
  EXPECT_EQ(TextToDouble("-.e5"), 0.0);
}

TEST(TextToNumber, WidensExactlyAndSaturatesBeyondTheRange) {
  EXPECT_EQ(static_cast<double>(TextToFloat("103.11")), 103.11000061035156);
  EXPECT_EQ(static_cast<double>(TextToFloat("30.29")), 30.290000915527344);
  EXPECT_EQ(TextToDouble("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToDouble("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToDouble("1e-400"), 0.0);
  EXPECT_EQ(TextToDouble("0.000001e-320"), 0.0);
  EXPECT_EQ(TextToDouble("100000e-328"), 1e-323);  // subnormal
  EXPECT_EQ(TextToDouble("1e99999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToFloat("1e39"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(TextToFloat("-1e300"), -std::numeric_limits<float>::infinity());
  EXPECT_EQ(TextToDouble(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(ToFloat32, RoundsToNearestAndOverflowsToInfinity) {
  const float max = std::numeric_limits<float>::max();
  EXPECT_EQ(ToFloat32(static_cast<double>(max)), max);
  EXPECT_EQ(ToFloat32(0x1.fffffefp127), max);  // just below half a step above
  EXPECT_EQ(ToFloat32(0x1.ffffffp127), std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(ToFloat32(std::nan(""))));
}

TEST(TruncToInt, TruncatesTowardZeroAndKeepsTheLow32Bits) {
  EXPECT_EQ(TruncToInt(3.99), 3);
  EXPECT_EQ(TruncToInt(-3.99), -3);
  EXPECT_EQ(TruncToInt(2147483653.0), -2147483643);
  EXPECT_EQ(TruncToInt(4294967296.0 * 3 + 5), 5);
  EXPECT_EQ(TruncToInt(-9223372036854775808.0), 0);  // -2^63: low 32 bits are zero
  EXPECT_EQ(TruncToInt(9223372036854775808.0), 0);   // beyond int64
  EXPECT_EQ(TruncToInt(1e300), 0);
  EXPECT_EQ(TruncToInt(-std::numeric_limits<double>::infinity()), 0);
  EXPECT_EQ(TruncToInt(std::nan("")), 0);
}

TEST(RoundPlaces, RoundsHalfAwayFromZeroAfterTheNudge) {
  struct Case {
    double x;
    std::int32_t places;
    double expected;
  };
  const Case cases[] = {
      {2.675, 2, 2.68}, {-2.675, 2, -2.68}, {0.125, 2, 0.13},   {1.005, 2, 1.01},
      {2.5, 0, 3},      {-2.5, 0, -3},      {1234.5, -2, 1200},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundPlaces(c.x, c.places), c.expected) << c.x << " at " << c.places;

  const double negativeZero = RoundPlaces(-0.001, 2);
  EXPECT_EQ(negativeZero, 0.0);
  EXPECT_TRUE(std::signbit(negativeZero));
  EXPECT_TRUE(std::signbit(RoundPlaces(-0.0, 2)));
  EXPECT_TRUE(std::isnan(RoundPlaces(std::nan(""), 2)));
  EXPECT_EQ(RoundPlaces(std::numeric_limits<double>::infinity(), 2), std::numeric_limits<double>::infinity());
  // Places far outside any use scale by an infinite power of ten: 0 × ∞, no undefined behaviour.
  EXPECT_TRUE(std::isnan(RoundPlaces(5.0, std::numeric_limits<std::int32_t>::min())));
  EXPECT_TRUE(std::isnan(RoundPlaces(5.0, std::numeric_limits<std::int32_t>::max())));
}

TEST(IntToText, WritesPlainDigits) {
  EXPECT_EQ(IntToText(949), "949");
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(-5), "-5");
  EXPECT_EQ(IntToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(NumberToText, WritesTheGeneralFormat) {
  struct Case {
    const char* label;
    double value;
    const char* doubleText;
    const char* floatText;  // nullptr: no float example
  };
  const Case cases[] = {
      {"103.11", 103.11, "103.11", "103.11"},
      {"35.62", 35.62, "35.62", "35.62"},
      {"integer", 123.0, "123", "123"},
      {"0.1 + 0.2", 0.1 + 0.2, "0.3", nullptr},
      {"a third", 1.0 / 3.0, "0.3333333333333", "0.333333"},
      {"six digits", 123456.7, "123456.7", "123457"},
      {"rounds up to 100000", 99999.95, "99999.95", "100000"},
      {"rounds up to 1e6", 999999.5, "999999.5", "1e+006"},
      {"seven digits", 1234567.8, "1234567.8", "1.23457e+006"},
      {"1e12", 1e12, "1000000000000", "1e+012"},
      {"1e13", 1e13, "1e+013", "1e+013"},
      {"small", 0.0001234567, "0.0001234567", "0.000123457"},
      {"1e-5", 1e-5, "1e-005", "1e-005"},
      {"negative", -2.5, "-2.5", "-2.5"},
      {"zero", 0.0, "0", "0"},
      {"negative zero", -0.0, "-0", "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DoubleToText(c.value), c.doubleText) << c.label;
    if (c.floatText) {
      EXPECT_EQ(FloatToText(static_cast<float>(c.value)), c.floatText) << c.label;
    }
  }
}

TEST(NumberToText, SwitchesToExponentNotationAtTheEdges) {
  EXPECT_EQ(DoubleToText(9999999999999.0), "9999999999999");
  EXPECT_EQ(DoubleToText(99999999999999.0), "1e+014");
  EXPECT_EQ(DoubleToText(0.0001), "0.0001");
  EXPECT_EQ(DoubleToText(0.00009999), "9.999e-005");
  EXPECT_EQ(DoubleToText(-1.5e300), "-1.5e+300");
  EXPECT_EQ(DoubleToText(5e-324), "4.940656458412e-324");
  EXPECT_EQ(FloatToText(999999.0f), "999999");
  EXPECT_EQ(FloatToText(-1234567.0f), "-1.23457e+006");
  EXPECT_EQ(FloatToText(8932.951f), "8932.95");
  EXPECT_EQ(FloatToText(3.4028235e38f), "3.40282e+038");
}

TEST(NumberToText, NonFiniteValuesAndSubnormalsStayShort) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(DoubleToText(inf), "inf");
  EXPECT_EQ(DoubleToText(-inf), "-inf");
  EXPECT_EQ(DoubleToText(std::nan("")), "nan");
  EXPECT_EQ(FloatToText(std::numeric_limits<float>::infinity()), "inf");
  EXPECT_EQ(FloatToText(-std::numeric_limits<float>::infinity()), "-inf");
  EXPECT_EQ(FloatToText(std::numeric_limits<float>::quiet_NaN()), "nan");
  EXPECT_EQ(FloatToText(1e-40f), "1e-040");
  EXPECT_EQ(FloatToText(-1e-45f), "0");  // below the rounding's six digits
}

TEST(RoundedText, RoundsThenWrites) {
  EXPECT_EQ(RoundedText(static_cast<double>(103.11f), 2), "103.11");
  EXPECT_EQ(RoundedText(0.125, 2), "0.13");
  EXPECT_EQ(RoundedText(2.675, 2), "2.68");
  EXPECT_EQ(RoundedText(-0.001, 2), "-0");
  EXPECT_EQ(RoundedText(0.0, 2), "0");
  EXPECT_EQ(RoundedText(100.0, 2), "100");
  EXPECT_EQ(RoundedText(0.0364149, 5), "0.03641");
}

TEST(PointsWithPercentText, JoinsPointsAndPercent) {
  EXPECT_EQ(PointsWithPercentText(1300, 36.16925), "1300  （35.94%）");
  EXPECT_EQ(PointsWithPercentText(0, 36.16925), "0  （0%）");
  EXPECT_EQ(PointsWithPercentText(-1806, 36.16925), "-1806  （-49.93%）");
}

}  // namespace
}  // namespace qichun
