// Arbitrary bytes as typed text: the parses never fail and agree with each other.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/number_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int32_t asInt = qichun::TextToInt(text);
  const double asDouble = qichun::TextToDouble(text);
  const float asFloat = qichun::TextToFloat(text);

  const float narrowed = qichun::ToFloat32(asDouble);
  if (!(asFloat == narrowed || (std::isnan(asFloat) && std::isnan(narrowed)))) std::abort();
  if (std::isnan(asDouble)) std::abort();  // no text spells NaN
  (void)asInt;
  return 0;
}
