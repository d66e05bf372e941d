#pragma once

// How text becomes a number and a number becomes text, for every input box and
// every result cell. Locale-independent: the decimal point is always '.'.

#include <cstdint>
#include <string>
#include <string_view>

namespace qichun {

// Leading integer of the text (full-width forms folded); wraps modulo 2^32.
std::int32_t TextToInt(std::string_view text);
// Longest decimal prefix (exponent mark e, E, d or D); 0 when there is none.
// Beyond the double range the value saturates to an infinity (or zero).
double TextToDouble(std::string_view text);
float TextToFloat(std::string_view text);

// A double stored into a float32 field: nearest float, infinity beyond the range.
float ToFloat32(double value);

// Toward zero through 64 bits, low 32 bits kept; NaN and values beyond int64 give 0.
std::int32_t TruncToInt(double value);

// Half away from zero at n decimal places, after nudging the scaled magnitude by 1e-12.
double RoundPlaces(double x, std::int32_t places);

std::string IntToText(std::int32_t value);
// Six significant digits, rounded from the binary exponent first.
std::string FloatToText(float value);
// General format with 13 significant digits; three-digit exponents.
std::string DoubleToText(double value);
std::string RoundedText(double x, std::int32_t places = 2);
// "1300  （35.94%）"
std::string PointsWithPercentText(std::int32_t points, double divisor);

}  // namespace qichun
