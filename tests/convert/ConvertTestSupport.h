// Test support for the conversion engine: decimal texts compared with 80-bit results.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "kit/QNTKITTypes.h"

namespace qnt::test {

/// The extended value nearest to a decimal text ("1609.344", "9.999999999999999999E-13").
inline Extended ParseDecimal(const char* text) {
  Extended value = 0;
  const char* end = text + std::strlen(text);
  const auto [ptr, ec] = std::from_chars(text, end, value);
  EXPECT_TRUE(ec == std::errc() && ptr == end) << "not a decimal: " << text;
  return value;
}

/// The significant digits of a decimal text as printed, and its decimal exponent: "0.0125" -> "125", -2;
/// "1000" -> "1000", 3.
inline std::string SignificantDigits(const std::string& text, int& exponent) {
  std::string mantissa = text, digits;
  int exp10 = 0;
  if (const auto e = mantissa.find_first_of("eE"); e != std::string::npos) {
    exp10 = std::stoi(mantissa.substr(e + 1));
    mantissa.resize(e);
  }
  const auto point = mantissa.find('.');
  const int intDigits = static_cast<int>(point == std::string::npos ? mantissa.size() : point);
  int firstNonZero = -1, position = 0;
  for (char c : mantissa) {
    if (c == '.') continue;
    if (c >= '0' && c <= '9') {
      if (firstNonZero < 0 && c != '0') firstNonZero = position;
      if (firstNonZero >= 0) digits += c;
      ++position;
    }
  }
  exponent = exp10 + intDigits - 1 - (firstNonZero < 0 ? 0 : firstNonZero);
  return digits.empty() ? "0" : digits;
}

/// Whether an extended result agrees with a decimal text to all the text's digits: either the text
/// reads back as exactly this value, or the value rounded to as many significant digits is the text.
inline ::testing::AssertionResult AgreesWithPrinted(Extended result, const char* expected) {
  if (result == ParseDecimal(expected)) return ::testing::AssertionSuccess();
  int expExp = 0;
  const std::string expDigits = SignificantDigits(expected[0] == '-' ? expected + 1 : expected, expExp);
  char buf[80];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(result), std::chars_format::scientific,
                               static_cast<int>(expDigits.size()) - 1);
  int gotExp = 0;
  const std::string got(buf, r.ptr);
  const std::string gotDigits = SignificantDigits(got, gotExp);
  const bool sameSign = (expected[0] == '-') == std::signbit(result);
  if (sameSign && gotDigits == expDigits && gotExp == expExp) return ::testing::AssertionSuccess();
  char full[80];
  const auto f = std::to_chars(full, full + sizeof full, result);
  return ::testing::AssertionFailure()
         << "result " << std::string(full, f.ptr) << " does not agree with " << expected;
}

}  // namespace qnt::test
