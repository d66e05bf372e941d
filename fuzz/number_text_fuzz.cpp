// Arbitrary doubles and floats (NaN, infinities, subnormals, huge values) through
// the text writers: no crash, and never more than the rule's significant digits.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/number_rules.h"

namespace {

// Significant digits of a written number, leading zeros and the exponent left out.
int SignificantDigits(const std::string& text) {
  int digits = 0;
  bool leading = true;
  for (const char c : text) {
    if (c == 'e') break;
    if (c < '0' || c > '9') continue;
    if (leading && c == '0') continue;
    leading = false;
    ++digits;
  }
  return digits;
}

void CheckNumberText(const std::string& text, int maxDigits) {
  if (text == "nan" || text == "inf" || text == "-inf") return;
  if (text.empty() || text.size() > 32) std::abort();
  if (SignificantDigits(text) > maxDigits) std::abort();
  if (text.find(',') != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double) + sizeof(float) + 1) return 0;
  double d = 0;
  float f = 0;
  std::memcpy(&d, data, sizeof d);
  std::memcpy(&f, data + sizeof d, sizeof f);
  const auto places = static_cast<std::int32_t>(static_cast<std::int8_t>(data[sizeof d + sizeof f]));

  CheckNumberText(qichun::DoubleToText(d), 13);
  CheckNumberText(qichun::FloatToText(f), 6);
  CheckNumberText(qichun::RoundedText(d, places % 8), 13);
  (void)qichun::RoundPlaces(d, places);
  (void)qichun::TruncToInt(d);
  (void)qichun::TruncToInt(f);
  (void)qichun::ToFloat32(d);
  const std::string withPercent = qichun::PointsWithPercentText(qichun::TruncToInt(d), static_cast<double>(f));
  if (withPercent.find("  （") == std::string::npos) std::abort();
  return 0;
}
