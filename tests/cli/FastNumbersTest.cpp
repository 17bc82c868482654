// The command-line tool's fast number paths give exactly what the kit's routines give: sweeps over
// random 80-bit values of every magnitude and over decimal texts, plus the edges of the fast ranges.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "cli/QntCli.h"
#include "cli/QntFastNumbers.h"
#include "kit/QNTKITNumText.h"
#include "tests/kit/KitFixture.h"

namespace qnt::cli {
namespace {

std::string Fast(Extended value) {
  std::string out;
  AppendShortestText(out, value);
  return out;
}

Extended FromBits(std::uint64_t mantissa, int biasedExponent, bool negative) {
  unsigned char bytes[sizeof(Extended)] = {};
  std::memcpy(bytes, &mantissa, 8);
  bytes[8] = static_cast<unsigned char>(biasedExponent & 0xFF);
  bytes[9] = static_cast<unsigned char>(((biasedExponent >> 8) & 0x7F) | (negative ? 0x80 : 0));
  Extended value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

TEST(ShortestText, AgreesWithTheKitOnRandomValuesOfEveryMagnitude) {
  std::mt19937_64 random(20240611);
  int differences = 0;
  for (int i = 0; i < 200000 && differences < 10; ++i) {
    // Most draws near the fast range, some anywhere in the exponent range.
    const int exponent =
        i % 8 == 0 ? 1 + static_cast<int>(random() % 32765) : 16383 + static_cast<int>(random() % 300) - 150;
    const Extended x = FromBits(random() | (std::uint64_t{1} << 63), exponent, random() & 1);
    const std::string fast = Fast(x), kit = FloatToShortestText(x);
    if (fast != kit) ++differences, ADD_FAILURE() << fast << " != " << kit;
  }
}

TEST(ShortestText, AgreesWithTheKitOnDecimalValuesAndTheirProducts) {
  std::mt19937_64 random(7);
  int differences = 0;
  for (int i = 0; i < 100000 && differences < 10; ++i) {
    std::string text;
    const int digits = 1 + static_cast<int>(random() % 20);
    for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
    text += "e" + std::to_string(static_cast<int>(random() % 70) - 35);
    Extended x = 0;
    std::from_chars(text.data(), text.data() + text.size(), x);
    for (Extended y : {x, x * 0.3048L, x / 3, -x * 1.609344L}) {
      const std::string fast = Fast(y), kit = FloatToShortestText(y);
      if (fast != kit) ++differences, ADD_FAILURE() << text << ": " << fast << " != " << kit;
    }
  }
}

TEST(ShortestText, AgreesWithTheKitOnPowersAndTheirNeighbours) {
  for (int e = -16445; e <= 16383; ++e) {
    const Extended p = std::ldexp(1.0L, e);
    for (Extended y : {p, std::nextafter(p, 0.0L), std::nextafter(p, __builtin_infl())})
      ASSERT_EQ(Fast(y), FloatToShortestText(y)) << "2^" << e;
  }
  Extended ten = 1;
  for (int e = 0; e < 40; ++e, ten *= 10)
    for (Extended y : {ten, std::nextafter(ten, 0.0L), std::nextafter(ten, __builtin_infl()), 1 / ten})
      ASSERT_EQ(Fast(y), FloatToShortestText(y)) << "1e" << e;
  for (Extended y : {0.0L, -0.0L, __builtin_infl(), -__builtin_infl(), __builtin_nanl(""), 1E-4940L,
                     1.18973149535723176502e+4932L, 1E20L, 123456789012345678901234.0L})
    EXPECT_EQ(Fast(y), FloatToShortestText(y));
}

// ---------------------------------------------------------------------------------------------

class PlainNumber : public test::KitTest {
 protected:
  /// ReadNumber (fast path first) and the kit's reader give the same bits, or both refuse.
  static void ExpectSameAsKit(const std::string& text) {
    Extended kit = 0;
    bool kitRead = false;
    try {
      kitRead = ParseFloatText(FromUtf8(text), kit);
    } catch (const EConvertError&) {
    }
    if (!kitRead) {
      EXPECT_THROW(ReadNumber(text), EConvertError) << text;
      return;
    }
    const Extended fast = ReadNumber(text);
    EXPECT_TRUE(std::memcmp(&fast, &kit, 10) == 0) << text;
  }
};

TEST_F(PlainNumber, ReadsLikeTheKit) {
  for (const char* text : {"0",
                           "-0",
                           "+0",
                           "1",
                           "-1",
                           "+2.5",
                           "12.",
                           ".5",
                           "0.000",
                           "000123.4500",
                           "1e5",
                           "1E-5",
                           "-2.5e+3",
                           "1e",
                           "1e+",
                           "9999999999999999999",
                           "99999999999999999999",
                           "1234567890.123456789",
                           "0.1",
                           "1e27",
                           "1e28",
                           "1e-27",
                           "1e-28",
                           "123e-30",
                           "1.7976931348623157e308",
                           "1e4933",
                           "1e-4960",
                           "--5",
                           "- 5",
                           "(5)",
                           "5-",
                           "1,234.5",
                           "5%",
                           " 5",
                           "5 ",
                           "",
                           "-",
                           ".",
                           "e5",
                           "1.2.3",
                           "0x10",
                           "inf",
                           "nan",
                           "١"})
    ExpectSameAsKit(text);
}

TEST_F(PlainNumber, ReadsRandomDecimalsLikeTheKit) {
  std::mt19937_64 random(99);
  for (int i = 0; i < 20000; ++i) {
    std::string text = random() % 2 ? "-" : "";
    const int intDigits = static_cast<int>(random() % 12), fracDigits = static_cast<int>(random() % 12);
    for (int d = 0; d < intDigits; ++d) text += static_cast<char>('0' + random() % 10);
    if (fracDigits) text += '.';
    for (int d = 0; d < fracDigits; ++d) text += static_cast<char>('0' + random() % 10);
    if (random() % 4 == 0) text += "e" + std::to_string(static_cast<int>(random() % 60) - 30);
    ExpectSameAsKit(text);
  }
}

TEST_F(PlainNumber, FollowsTheSeparatorsInForce) {
  FormatSettings.DecimalSeparator = u',';
  FormatSettings.ThousandSeparator = u'.';
  for (const char* text : {"1,5", "1.5", "1.234,5", "-0,25", "1,", "2e3"}) ExpectSameAsKit(text);
  EXPECT_EQ(ReadNumber("1,5"), 1.5L);
  EXPECT_FALSE(ReadPlainNumber("1.5"));  // the kit drops the thousand separator: 15
}

}  // namespace
}  // namespace qnt::cli
