// Formatting and reading back: what the fixed, grouped and trimmed texts show, the reader reads back.
#include <cmath>
#include <random>

#include "kit/QNTKITNumText.h"
#include "tests/kit/KitFixture.h"

namespace qnt::test {
namespace {

// Seeded, log-uniform values of magnitude 1e-3 .. 1e15, both signs.
std::vector<Extended> SampleValues(std::size_t count) {
  std::mt19937_64 rng(0x51A7E5EEDULL);
  std::uniform_real_distribution<double> exponent(-3.0, 15.0);
  std::uniform_int_distribution<int> sign(0, 1);
  std::vector<Extended> values;
  values.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    // Two draws make a value with a full 64-bit mantissa, not just a double's 53 bits.
    const Extended v = std::pow(10.0L, static_cast<Extended>(exponent(rng))) *
                       (1 + static_cast<Extended>(rng()) * 0x1p-70L);
    values.push_back(sign(rng) ? -v : v);
  }
  return values;
}

class RoundTrip : public SeparatorTest {};

// The fixed text holds 18 significant digits, and never more than 18 decimals, so the value read back
// may differ from v by half a unit of the 18th significant digit (0.5 * 10^(e-17), e the decimal
// exponent of |v|) or, for |v| < 10 where the 18th decimal comes first, by half a unit of the 18th
// decimal (0.5 * 10^-18); reading adds at most half an ulp. The test allows the sum of one full unit
// of each: |read - v| <= 10^(e-17) + 10^-18.
TEST_P(RoundTrip, FixedTextReadsBackWithinOneUnitOfTheLastDigit) {
  for (Extended v : SampleValues(100000)) {
    const std::u16string text = FloatToFixedText(v, 18);
    Extended read = 0;
    ASSERT_TRUE(ParseFloatText(text, read)) << ToUtf8(text);
    const Extended e = std::floor(std::log10(std::fabs(v)));
    const Extended tolerance = std::pow(10.0L, e - 17) + 1e-18L;
    ASSERT_LE(std::fabs(read - v), tolerance) << ToUtf8(text);
  }
}

TEST_P(RoundTrip, GroupedTextsReadBackToTheUngroupedValue) {
  for (Extended v : SampleValues(100000)) {
    for (int decimals : {2, 18}) {
      const Extended plain = TextToFloatOrDefault(FloatToFixedText(v, decimals), -1);
      ASSERT_EQ(TextToFloatOrDefault(FloatToGroupedText(v, decimals, false), -2), plain);
      ASSERT_EQ(TextToFloatOrDefault(FloatToGroupedText(v, decimals, true), -2), plain);
      ASSERT_EQ(TextToFloatOrDefault(FloatToTrimmedGroupedText(v, decimals, false), -2), plain);
      ASSERT_EQ(TextToFloatOrDefault(FloatToTrimmedText(v, decimals), -2), plain);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Separators, RoundTrip, ::testing::ValuesIn(kSeparatorPairs), PairName);

}  // namespace
}  // namespace qnt::test
