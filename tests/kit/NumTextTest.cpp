// Number-to-text routines: decimal places, rounding, grouping, signs, trimming, scientific form,
// under every separator pair the kit may meet.
#include <cmath>
#include <limits>

#include "kit/QNTKITNumText.h"
#include "tests/kit/KitFixture.h"

namespace qnt::test {
namespace {

constexpr Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended kInf = std::numeric_limits<Extended>::infinity();

enum Routine { Fixed, Trimmed, Grouped, GroupedLakh, TrimmedGrouped, Scientific };

struct FloatCase {
  const char* name;
  Routine routine;
  Extended value;
  int decimals;
  const char* expected;  // "." = decimal separator, "," = thousand separator
};

class FormatTest : public SeparatorTest {};

std::u16string Format(Routine r, Extended v, int d) {
  switch (r) {
    case Fixed: return FloatToFixedText(v, d);
    case Trimmed: return FloatToTrimmedText(v, d);
    case Grouped: return FloatToGroupedText(v, d, false);
    case GroupedLakh: return FloatToGroupedText(v, d, true);
    case TrimmedGrouped: return FloatToTrimmedGroupedText(v, d, false);
    case Scientific: return FloatToScientificText(v, d);
  }
  return {};
}

const FloatCase kFloatCases[] = {
    // Ties round away from zero, on the 18-digit text (never half-to-even).
    {"tie_0_125_rounds_up", Fixed, 0.125L, 2, "0.13"},
    {"tie_2_5_at_0_rounds_up", Fixed, 2.5L, 0, "3"},
    {"tie_minus_2_5_rounds_away", Fixed, -2.5L, 0, "-3"},
    {"half_at_0_decimals", Fixed, 0.5L, 0, "1"},
    {"below_half_at_0_decimals", Fixed, 0.49L, 0, "0"},
    {"carry_into_new_digit", Fixed, 9.996L, 2, "10.00"},
    {"carry_through_nines", Fixed, 99999.9999L, 3, "100000.000"},
    {"rounds_to_one_unit", Fixed, 0.0006L, 3, "0.001"},
    {"far_below_last_place_is_zero", Fixed, 1e-30L, 4, "0.0000"},
    // 18 significant digits, then zeros: never the binary tail of the value.
    {"eighteen_digits_then_zeros", Fixed, 123.456L, 18, "123.456000000000000000"},
    {"third_in_eighteen_digits", Fixed, 1.0L / 3, 18, "0.333333333333333333"},
    {"pi_eighteen_digits", Fixed, 3.14159265358979323846264L, 18, "3.141592653589793240"},
    {"zero_with_decimals", Fixed, 0.0L, 3, "0.000"},
    {"zero_without_decimals", Fixed, 0.0L, 0, "0"},
    {"decimals_limited_to_18", Fixed, 1.5L, 40, "1.500000000000000000"},
    {"negative_decimals_are_0", Fixed, 1.5L, -3, "2"},
    {"negative_value", Fixed, -1234.5L, 1, "-1234.5"},
    {"negative_all_zero_digits_has_no_sign", Fixed, -0.001L, 2, "0.00"},
    {"negative_zero", Fixed, -0.0L, 1, "0.0"},
    {"no_grouping_in_fixed", Fixed, 1234567.0L, 0, "1234567"},
    {"largest_fixed_integer_part", Fixed, 1e17L, 2, "100000000000000000.00"},
    {"nineteen_digit_integer_is_scientific", Fixed, 1e18L, 2, "1.00000000000000000E+18"},
    {"huge_is_scientific", Fixed, 1e25L, 4, "1.00000000000000000E+25"},
    {"huge_negative_is_scientific", Fixed, -2.5e300L, 0, "-2.50000000000000000E+300"},
    {"max_extended", Fixed, std::numeric_limits<Extended>::max(), 2, "1.18973149535723177E+4932"},
    {"denormal", Fixed, std::numeric_limits<Extended>::denorm_min(), 18, "0.000000000000000000"},
    {"nan", Fixed, kNaN, 2, "NAN"},
    {"inf", Fixed, kInf, 2, "INF"},
    {"minus_inf", Fixed, -kInf, 2, "-INF"},
    // Trimmed.
    {"trim_zero", Trimmed, 0.0L, 2, "0"},
    {"trim_keeps_fraction", Trimmed, 2.5L, 4, "2.5"},
    {"trim_whole_number", Trimmed, 3.0L, 3, "3"},
    {"trim_keeps_integer_zeros", Trimmed, 100.0L, 2, "100"},
    {"trim_at_0_decimals_is_fixed", Trimmed, 0.5L, 0, "1"},
    {"trim_leaves_scientific", Trimmed, 1e20L, 2, "1.00000000000000000E+20"},
    {"trim_nan", Trimmed, kNaN, 2, "NAN"},
    // Grouped.
    {"group_thousands", Grouped, 1234567.891L, 2, "1,234,567.89"},
    {"group_negative", Grouped, -1234.5L, 1, "-1,234.5"},
    {"group_small", Grouped, 999.0L, 0, "999"},
    {"group_sign_follows_value", Grouped, -0.001L, 2, "-0.00"},
    {"group_negative_zero_has_no_sign", Grouped, -0.0L, 2, "0.00"},
    {"group_lakh", GroupedLakh, 1234567.5L, 1, "12,34,567.5"},
    {"group_lakh_short", GroupedLakh, 123.0L, 0, "123"},
    {"group_scientific_keeps_mantissa", Grouped, 1e25L, 2, "1.00000000000000000E+25"},
    {"group_nan", Grouped, kNaN, 2, "NAN"},
    {"group_minus_inf", Grouped, -kInf, 2, "-INF"},
    {"trimmed_grouped", TrimmedGrouped, 1234567.5L, 4, "1,234,567.5"},
    {"trimmed_grouped_whole", TrimmedGrouped, 1000.0L, 3, "1,000"},
    {"trimmed_grouped_0_decimals", TrimmedGrouped, 1000.4L, 0, "1,000"},
    // Scientific.
    {"scientific_example", Scientific, 12345.678L, 2, "1.23E+4"},
    {"scientific_negative_exponent", Scientific, -0.000123L, 1, "-1.2E-4"},
    {"scientific_carry", Scientific, 9.99L, 1, "1.0E+1"},
    {"scientific_no_decimals", Scientific, 5.0L, 0, "5E+0"},
    {"scientific_zero", Scientific, 0.0L, 2, "0.00E+0"},
    {"scientific_large_exponent", Scientific, 1e4000L, 3, "1.000E+4000"},
    {"scientific_past_18_digits_pads", Scientific, 1.0L, 18, "1.000000000000000000E+0"},
    {"scientific_inf", Scientific, kInf, 2, "INF"},
};

TEST_P(FormatTest, FloatToTextTable) {
  for (const FloatCase& c : kFloatCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Format(c.routine, c.value, c.decimals), Localise(c.expected));
  }
}

TEST_P(FormatTest, SignAndBlankSwitches) {
  DefaultShowPosSign = true;
  EXPECT_EQ(FloatToGroupedText(1234.5L, 1, false), Localise("+1,234.5"));
  EXPECT_EQ(FloatToGroupedText(-1234.5L, 1, false), Localise("-1,234.5"));
  EXPECT_EQ(FloatToFixedText(2.0L, 1), Localise("+2.0"));
  EXPECT_EQ(FloatToFixedText(0.0L, 1), Localise("0.0"));
  EXPECT_EQ(FloatToScientificText(2.0L, 1), Localise("2.0E+0")) << "scientific text never gets a plus";
  EXPECT_EQ(Int64ToSignedText(5), u"+5");
  EXPECT_EQ(Int64ToGroupedText(12345, false), Localise("+12,345"));
  EXPECT_TRUE(DefaultShowPosSign) << "FloatToGroupedText restores the switch it holds off";

  DefaultShowPosSign = false;
  DefaultBlankWhenZero = true;
  EXPECT_EQ(FloatToFixedText(1e-330L, 4), u"") << "below ZeroTolerance counts as zero";
  EXPECT_EQ(FloatToGroupedText(0.0L, 2, false), u"");
  EXPECT_EQ(FloatToTrimmedText(0.0L, 2), u"");
  EXPECT_EQ(FloatToScientificText(0.0L, 2), u"");
  EXPECT_EQ(IntToSignedText(0), u"");
  EXPECT_EQ(Int64ToGroupedText(0, true), u"");
  EXPECT_EQ(FloatToFixedText(1e-3L, 2), Localise("0.00")) << "a value above the tolerance is shown";
}

TEST_P(FormatTest, IntegerText) {
  EXPECT_EQ(IntToSignedText(-2147483647 - 1), u"-2147483648");
  EXPECT_EQ(Int64ToSignedText(std::numeric_limits<std::int64_t>::min()), u"-9223372036854775808");
  EXPECT_EQ(Int64ToGroupedText(std::numeric_limits<std::int64_t>::min(), false),
            Localise("-9,223,372,036,854,775,808"));
  EXPECT_EQ(Int64ToGroupedText(std::numeric_limits<std::int64_t>::min(), true),
            Localise("-92,23,37,20,36,85,47,75,808"));
  EXPECT_EQ(Int64ToGroupedText(std::numeric_limits<std::int64_t>::max(), false),
            Localise("9,223,372,036,854,775,807"));
  EXPECT_EQ(Int64ToGroupedText(-999, false), u"-999");
}

TEST_P(FormatTest, GroupDigitsTable) {
  struct Case {
    const char* digits;
    bool lakh;
    const char* expected;
  };
  const Case cases[] = {
      {"", false, ""},           {"1", false, "1"},           {"123", false, "123"},
      {"1234", false, "1,234"},  {"1234567", false, "1,234,567"}, {"123456", false, "123,456"},
      {"123", true, "123"},      {"1234", true, "1,234"},      {"12345", true, "12,345"},
      {"123456", true, "1,23,456"}, {"1234567", true, "12,34,567"},
  };
  for (const Case& c : cases) {
    std::u16string digits = Localise(c.digits);
    GroupDigits(digits, c.lakh);
    EXPECT_EQ(digits, Localise(c.expected)) << c.digits << (c.lakh ? " lakh" : "");
  }
}

TEST_P(FormatTest, RegroupTypedNumberTable) {
  struct Case {
    const char* typed;
    bool lakh;
    const char* expected;
  };
  const Case cases[] = {
      {"12,34", false, "1,234"},
      {"-1234567.891", false, "-1,234,567.891"},
      {"1234567", true, "12,34,567"},
      {"1234.56789", false, "1,234.56789"},
      {"  1234 ", false, "1,234"},
      {"", false, ""},
      {",,,", false, ""},
      {"(1234)", false, "(1,234)"},
      {"1234567.", true, "12,34,567."},
      {".1234", false, ".1234"},
  };
  for (const Case& c : cases) EXPECT_EQ(RegroupTypedNumber(Localise(c.typed), c.lakh), Localise(c.expected)) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(Separators, FormatTest, ::testing::ValuesIn(kSeparatorPairs), PairName);

TEST(NumberTests, ZeroSignAndTolerance) {
  KitGlobalsGuard guard;
  EXPECT_TRUE(IsZeroValue(0.0L));
  EXPECT_TRUE(IsZeroValue(-1e-330L));
  EXPECT_FALSE(IsZeroValue(1e-320L));
  EXPECT_FALSE(IsZeroValue(kNaN));
  EXPECT_TRUE(IsNonZeroValue(kNaN)) << "a NaN counts as non-zero";
  EXPECT_FALSE(IsPositiveValue(kNaN));
  EXPECT_FALSE(IsNegativeValue(kNaN));
  EXPECT_EQ(SignOfValue(-3.0L), -1);
  EXPECT_EQ(SignOfValue(1e-330L), 0);
  EXPECT_EQ(SignOfValue(2.0L), 1);
  EXPECT_EQ(SignOfValue(-kInf), -1);
  EXPECT_EQ(SignOfInt64(std::numeric_limits<std::int64_t>::min()), -1);
  EXPECT_EQ(SignOfInt64(0), 0);

  EXPECT_EQ(ValueTolerance(0.0L, 5.0L), RelativeTolerance);
  EXPECT_EQ(ValueTolerance(-2.0L, 4.0L), 2.0L * RelativeTolerance);
  EXPECT_TRUE(SameValueWithin(1.0L, 1.0L + 5e-16L));
  EXPECT_FALSE(SameValueWithin(1.0L, 1.0L + 5e-15L));
  EXPECT_TRUE(SameValueWithin(0.0L, 1e-16L));
  EXPECT_FALSE(SameValueWithin(kNaN, kNaN));
}

TEST(NumberTests, TextRoutinesNeverRaiseOnAwkwardValues) {
  KitGlobalsGuard guard;
  const Extended awkward[] = {kNaN, -kNaN, kInf, -kInf, std::numeric_limits<Extended>::denorm_min(),
                              -std::numeric_limits<Extended>::denorm_min(), std::numeric_limits<Extended>::max(),
                              std::numeric_limits<Extended>::lowest(), std::numeric_limits<Extended>::min()};
  for (Extended v : awkward) {
    for (int d : {0, 2, 18, 255}) {
      EXPECT_NO_THROW({
        EXPECT_FALSE(FloatToFixedText(v, d).empty());
        EXPECT_FALSE(FloatToTrimmedText(v, d).empty());
        EXPECT_FALSE(FloatToGroupedText(v, d, false).empty());
        EXPECT_FALSE(FloatToTrimmedGroupedText(v, d, true).empty());
        EXPECT_FALSE(FloatToScientificText(v, d).empty());
      });
    }
  }
}

TEST(NumberTests, ExactFormsForScripts) {
  EXPECT_EQ(FloatToShortestText(1609.344L), "1609.344");
  EXPECT_EQ(FloatToShortestText(0.1L), "0.1");
  EXPECT_EQ(FloatToShortestText(1e25L), "1e+25");
  EXPECT_EQ(FloatToHexText(1.0L), "0x8p-3");
  EXPECT_EQ(FloatToHexText(-0.5L), "-0x8p-4");
  EXPECT_EQ(FloatToHexText(kInf), "inf");
}

}  // namespace
}  // namespace qnt::test
