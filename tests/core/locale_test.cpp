#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "core/number_rules.h"

namespace qichun {
namespace {

// A Qt program runs under the user's locale; the rules must not follow it.
class CommaDecimalLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    m_previous = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR", "ru_RU.UTF-8"}) {
      if (std::setlocale(LC_ALL, name)) break;
    }
    const std::lconv* conventions = std::localeconv();
    if (std::string(conventions->decimal_point) != ",") {
      std::setlocale(LC_ALL, m_previous.c_str());
      GTEST_SKIP() << "no comma-decimal locale installed";
    }
  }
  void TearDown() override { std::setlocale(LC_ALL, m_previous.c_str()); }

 private:
  std::string m_previous;
};

TEST_F(CommaDecimalLocale, NumbersReadAndWriteWithAPoint) {
  EXPECT_EQ(TextToDouble("103.11"), 103.11);
  EXPECT_EQ(TextToDouble("103,11"), 103.0);
  EXPECT_EQ(TextToFloat("2.5e1"), 25.0f);
  EXPECT_EQ(DoubleToText(1.0 / 3.0), "0.3333333333333");
  EXPECT_EQ(FloatToText(35.62f), "35.62");
  EXPECT_EQ(RoundedText(2.675, 2), "2.68");
  EXPECT_EQ(DoubleToText(1e-5), "1e-005");
  EXPECT_EQ(PointsWithPercentText(1300, 36.16925), "1300  （35.94%）");
}

}  // namespace
}  // namespace qichun
