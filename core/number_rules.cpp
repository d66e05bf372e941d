#include "core/number_rules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace qichun {
namespace {

// Walks a UTF-8 text byte by byte, seeing each full-width form U+FF01..U+FF5E
// as its ASCII twin and the ideographic space as a space. Any other non-ASCII
// byte reads as 0x80, which no parse accepts.
class FoldedReader {
 public:
  explicit FoldedReader(std::string_view text) : m_text(text) { Decode(); }

  char Peek() const { return m_char; }
  bool AtEnd() const { return m_pos >= m_text.size(); }
  void Advance() {
    m_pos += m_width;
    Decode();
  }

 private:
  void Decode() {
    if (m_pos >= m_text.size()) {
      m_char = '\0';
      m_width = 0;
      return;
    }
    const auto byte = [this](std::size_t i) { return static_cast<unsigned char>(m_text[m_pos + i]); };
    const unsigned char b0 = byte(0);
    m_width = 1;
    if (b0 < 0x80) {
      m_char = static_cast<char>(b0);
      return;
    }
    m_char = '\x80';
    if (m_pos + 2 >= m_text.size()) return;
    const unsigned char b1 = byte(1);
    const unsigned char b2 = byte(2);
    if (b0 == 0xEF && b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF) {  // U+FF01..U+FF3F
      m_char = static_cast<char>(b2 - 0x60);
      m_width = 3;
    } else if (b0 == 0xEF && b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E) {  // U+FF40..U+FF5E
      m_char = static_cast<char>(b2 - 0x20);
      m_width = 3;
    } else if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) {  // U+3000
      m_char = ' ';
      m_width = 3;
    }
  }

  std::string_view m_text;
  std::size_t m_pos = 0;
  std::size_t m_width = 0;
  char m_char = '\0';
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void SkipWhiteSpace(FoldedReader& reader) {
  for (;;) {
    const char c = reader.Peek();
    if (c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r') {
      reader.Advance();
    } else {
      return;
    }
  }
}

// One optional sign; true when it was "-".
bool TakeSign(FoldedReader& reader) {
  const char c = reader.Peek();
  if (c != '+' && c != '-') return false;
  reader.Advance();
  return c == '-';
}

// 10^n for n in 0..308, each the double nearest the exact power; beyond, infinity.
double PowerOfTen(std::int64_t n) {
  static const std::array<double, 309> table = [] {
    std::array<double, 309> powers{};
    for (int i = 0; i < 309; ++i) {
      char text[8] = {'1', 'e'};
      const auto end = std::to_chars(text + 2, text + sizeof text, i).ptr;
      std::from_chars(text, end, powers[static_cast<std::size_t>(i)]);
    }
    return powers;
  }();
  if (n < 0) return 1.0 / PowerOfTen(-n);
  if (n > 308) return std::numeric_limits<double>::infinity();
  return table[static_cast<std::size_t>(n)];
}

// The general number format ("%.Pg" with a three-digit exponent) of a finite,
// non-zero value.
std::string GeneralFormat(double value, int significantDigits) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significantDigits - 1);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));

  std::string digits;
  std::size_t i = 0;
  const bool negative = scientific[0] == '-';
  if (negative) ++i;
  for (; scientific[i] != 'e'; ++i) {
    if (scientific[i] != '.') digits.push_back(scientific[i]);
  }
  int exponent = 0;
  std::from_chars(scientific.data() + i + (scientific[i + 1] == '+' ? 2 : 1), scientific.data() + scientific.size(),
                  exponent);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text;
  if (negative) text.push_back('-');
  if (exponent < -4 || exponent >= significantDigits) {
    text.push_back(digits[0]);
    if (digits.size() > 1) {
      text.push_back('.');
      text.append(digits, 1);
    }
    text.push_back('e');
    text.push_back(exponent < 0 ? '-' : '+');
    char expDigits[8];
    const auto expEnd = std::to_chars(expDigits, expDigits + sizeof expDigits, std::abs(exponent)).ptr;
    const auto expLength = static_cast<std::size_t>(expEnd - expDigits);
    if (expLength < 3) text.append(3 - expLength, '0');
    text.append(expDigits, expLength);
  } else if (exponent >= 0) {
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      text.append(digits);
      text.append(integerDigits - digits.size(), '0');
    } else {
      text.append(digits, 0, integerDigits);
      text.push_back('.');
      text.append(digits, integerDigits);
    }
  } else {
    text.append("0.");
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text.append(digits);
  }
  return text;
}

// The float rounded to six significant digits, half away from zero, worked out
// from its binary exponent.
double RoundToSixDigits(float value) {
  constexpr double kLog10Of2 = 0.30102999566398119521;
  const double widened = value;
  const auto storedExponent = static_cast<int>((std::bit_cast<std::uint32_t>(value) >> 23) & 0xFFu);
  const int binaryExponent = storedExponent - 127;
  int k = static_cast<int>(std::trunc(binaryExponent * kLog10Of2));
  double p = PowerOfTen(std::abs(k));
  double v = k > 0 ? std::fabs(widened) / p : std::fabs(widened) * p;
  if (v >= 10) {
    p = p * 10;
    k = k + 1;
    v = v * 1e4;
  } else if (v >= 1) {
    v = v * 1e5;
  } else {
    p = p * 10;
    k = k - 1;
    v = v * 1e6;
  }
  double integerPart = 0;
  const double fraction = std::modf(v, &integerPart);
  if (fraction >= 0.5) integerPart = integerPart + 1;
  const double q = widened < 0 ? -p : p;
  return k > 0 ? integerPart * (q * 1e-05) : integerPart / (q * 1e5);
}

// Decimal exponent of the leading significant digit, for deciding which way
// an out-of-range parse went.
std::int64_t LeadingDigitExponent(std::string_view integerDigits, std::string_view fractionDigits) {
  const auto firstNonZero = integerDigits.find_first_not_of('0');
  if (firstNonZero != std::string_view::npos) {
    return static_cast<std::int64_t>(integerDigits.size() - firstNonZero) - 1;
  }
  const auto firstFraction = fractionDigits.find_first_not_of('0');
  if (firstFraction == std::string_view::npos) return 0;
  return -static_cast<std::int64_t>(firstFraction) - 1;
}

}  // namespace

std::int32_t TextToInt(std::string_view text) {
  FoldedReader reader(text);
  SkipWhiteSpace(reader);
  const bool negative = TakeSign(reader);
  std::uint32_t value = 0;
  while (IsDigit(reader.Peek())) {
    value = value * 10u + static_cast<std::uint32_t>(reader.Peek() - '0');
    reader.Advance();
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

double TextToDouble(std::string_view text) {
  FoldedReader reader(text);
  SkipWhiteSpace(reader);
  const bool negative = TakeSign(reader);
  std::string integerDigits;
  std::string fractionDigits;
  while (IsDigit(reader.Peek())) {
    integerDigits.push_back(reader.Peek());
    reader.Advance();
  }
  if (reader.Peek() == '.') {
    reader.Advance();
    while (IsDigit(reader.Peek())) {
      fractionDigits.push_back(reader.Peek());
      reader.Advance();
    }
  }
  if (integerDigits.empty() && fractionDigits.empty()) return 0.0;

  std::string exponentDigits;
  bool negativeExponent = false;
  const char mark = reader.Peek();
  if (mark == 'e' || mark == 'E' || mark == 'd' || mark == 'D') {
    FoldedReader afterMark = reader;
    afterMark.Advance();
    negativeExponent = TakeSign(afterMark);
    while (IsDigit(afterMark.Peek())) {
      exponentDigits.push_back(afterMark.Peek());
      afterMark.Advance();
    }
  }

  std::string number;
  number.reserve(integerDigits.size() + fractionDigits.size() + exponentDigits.size() + 4);
  number.append(integerDigits.empty() ? "0" : integerDigits);
  number.push_back('.');
  number.append(fractionDigits.empty() ? "0" : fractionDigits);
  if (!exponentDigits.empty()) {
    number.push_back('e');
    if (negativeExponent) number.push_back('-');
    number.append(exponentDigits);
  }
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Saturate: the exponent (capped, it only decides the direction) says
    // whether the number overflowed or underflowed.
    std::int64_t exponent = 0;
    for (const char digit : exponentDigits) {
      exponent = std::min<std::int64_t>(exponent * 10 + (digit - '0'), 1'000'000'000);
    }
    if (negativeExponent) exponent = -exponent;
    const bool overflow = LeadingDigitExponent(integerDigits, fractionDigits) + exponent > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

float ToFloat32(double value) {
  // FLT_MAX plus half a step: from here on the nearest float is infinity.
  constexpr double kFloatOverflow = 0x1.ffffffp127;
  if (value >= kFloatOverflow) return std::numeric_limits<float>::infinity();
  if (value <= -kFloatOverflow) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

float TextToFloat(std::string_view text) {
  return ToFloat32(TextToDouble(text));
}

std::int32_t TruncToInt(double value) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (!(value >= -kTwoTo63 && value < kTwoTo63)) return 0;  // NaN fails as well
  const auto wide = static_cast<std::int64_t>(value);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

double RoundPlaces(double x, std::int32_t places) {
  if (x == 0) return x;
  const double magnitude = std::fabs(x);
  const std::int64_t n = places;
  double scale = 1.0;
  double t = 0.0;
  if (n > 0) {
    scale = PowerOfTen(n);
    t = magnitude * scale + 1e-12;
  } else if (n == 0) {
    t = magnitude + 1e-12;
  } else {
    scale = PowerOfTen(-n);
    t = magnitude / scale + 1e-12;
  }
  double k = 0.0;
  const double fraction = std::modf(t, &k);
  if (fraction >= 0.5) k = k + 1;
  const double rounded = n > 0 ? k / scale : (n == 0 ? k : k * scale);
  return x < 0 ? -rounded : rounded;
}

std::string IntToText(std::int32_t value) {
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

std::string DoubleToText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == 0) return std::signbit(value) ? "-0" : "0";
  return GeneralFormat(value, 13);
}

std::string FloatToText(float value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  const double rounded = RoundToSixDigits(value);
  if (rounded == 0) return "0";
  if (!std::isfinite(rounded)) return DoubleToText(rounded);
  return GeneralFormat(rounded, 6);
}

std::string RoundedText(double x, std::int32_t places) {
  return DoubleToText(RoundPlaces(x, places));
}

std::string PointsWithPercentText(std::int32_t points, double divisor) {
  std::string text = IntToText(points);
  text.append("  （");
  text.append(RoundedText(points / divisor, 2));
  text.append("%）");
  return text;
}

}  // namespace qichun
