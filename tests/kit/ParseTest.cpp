// Text-to-number routines: the typed-number clean-up, the strict float syntax, the integer readers,
// their wrappers, and bad input of every size.
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "kit/QNTKITNumText.h"
#include "kit/QNTKITStrings.h"
#include "tests/kit/KitFixture.h"

namespace qnt::test {
namespace {

enum Outcome { Reads, Nothing, Raises };

struct ParseCase {
  const char* name;
  const char* text;  // "." = decimal separator, "," = thousand separator
  Outcome outcome;
  Extended value;
};

class ParseSeparatorTest : public SeparatorTest {};

const ParseCase kParseCases[] = {
    {"grouped", "1,234.5", Reads, 1234.5L},
    {"brackets_negate", "(12.5)", Reads, -12.5L},
    {"trailing_minus", "12.5-", Reads, -12.5L},
    {"percent_dropped", "50%", Reads, 50},
    {"double_minus_is_one_negation", "--3", Reads, -3},
    {"brackets_and_minus_negate_once", "(-3)", Reads, -3},
    {"exponent", "1e3", Reads, 1000},
    {"upper_exponent_with_sign", "2.5E-2", Reads, 0.025L},
    {"explicit_plus", "+5", Reads, 5},
    {"blanks_around", " \t7 ", Reads, 7},
    {"blanks_inside_brackets", "( 8 )", Reads, -8},
    {"trailing_separator", "12.", Reads, 12},
    {"trailing_exponent_mark", "5E", Reads, 5},
    {"trailing_exponent_sign", "5e+", Reads, 5},
    {"leading_separator", ".25", Reads, 0.25L},
    {"leading_zeros", "000123.4500", Reads, 123.45L},
    {"many_digits", "123456789012345678901234567890", Reads, 123456789012345678901234567890.0L},
    {"long_fraction", "0.1234567890123456789012345", Reads, 0.1234567890123456789012345L},
    {"tiny", "5E-324", Reads, 5E-324L},
    {"underflow_reads_zero", "1e-6000", Reads, 0},
    {"largest", "1.18973149535723176502e4932", Reads, std::numeric_limits<Extended>::max()},
    {"zero", "0", Reads, 0},
    {"empty", "", Nothing, 0},
    {"blank", "   ", Nothing, 0},
    {"lone_minus", "-", Nothing, 0},
    {"empty_brackets", "()", Nothing, 0},
    {"only_separators", ",,,", Nothing, 0},
    {"only_marks", "+e.", Nothing, 0},
    {"letters", "abc", Raises, 0},
    {"two_separators", "1.2.3", Raises, 0},
    {"inner_tab", "1\t2", Raises, 0},
    {"sign_after_digits", "1+2", Raises, 0},
    {"hex_float", "0x1p3", Raises, 0},
    {"inf_word", "inf", Raises, 0},
    {"nan_word", "nan", Raises, 0},
    {"exponent_without_digits_inside", "1e+x", Raises, 0},
    {"overflow", "1e5000", Raises, 0},
    {"plus_then_minus", "+-5", Raises, 0},
};

TEST_P(ParseSeparatorTest, ParseFloatTextTable) {
  for (const ParseCase& c : kParseCases) {
    SCOPED_TRACE(c.name);
    const std::u16string text = Localise(c.text);
    Extended value = -1;
    switch (c.outcome) {
      case Reads:
        EXPECT_TRUE(ParseFloatText(text, value));
        EXPECT_EQ(value, c.value);
        break;
      case Nothing:
        EXPECT_FALSE(ParseFloatText(text, value));
        EXPECT_EQ(value, 0);
        break;
      case Raises:
        EXPECT_THROW(ParseFloatText(text, value), EConvertError);
        EXPECT_EQ(value, 0) << "Value is 0 when the text does not read";
        break;
    }
  }
}

TEST_P(ParseSeparatorTest, WrappersNeverRaise) {
  EXPECT_EQ(TextToFloatOrZero(u"abc"), 0);
  EXPECT_EQ(TextToFloatOrDefault(u"abc", 7), 7);
  EXPECT_EQ(TextToFloatOrDefault(u"", 7), 7);
  EXPECT_EQ(TextToFloatOrDefault(Localise("-1,000.5"), 7), -1000.5L);
  EXPECT_EQ(TextToFloatOrZero(u"1e99999"), 0);
  EXPECT_EQ(TextToDoubleOrDefault(Localise("2.5"), 0), 2.5);
  EXPECT_EQ(TextToDoubleOrDefault(u"1e400", 3), 3) << "outside the double range";
  EXPECT_EQ(TextToDoubleOrDefault(u"-1e400", 3), 3);
  EXPECT_EQ(TextToDoubleOrDefault(u"x", 3), 3);
}

INSTANTIATE_TEST_SUITE_P(Separators, ParseSeparatorTest, ::testing::ValuesIn(kSeparatorPairs), PairName);

TEST(ParseFloat, MessageNamesTheText) {
  KitGlobalsGuard guard;
  Extended value;
  try {
    ParseFloatText(u"12x", value);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"'12x' is not a valid floating point value");
  }
}

TEST(ParseFloat, DecimalSeparatorCommaChangesTheParser) {
  KitGlobalsGuard guard;
  FormatSettings.DecimalSeparator = u',';
  FormatSettings.ThousandSeparator = u'.';
  EXPECT_EQ(TextToFloatOrZero(u"1.234,5"), 1234.5L);
  Extended value;
  EXPECT_TRUE(ParseFloatText(u"3,25", value));
  EXPECT_EQ(value, 3.25L);
  EXPECT_EQ(FloatToFixedText(3.25L, 2), u"3,25");
}

TEST(ParseFloat, OnlyAsciiDigitsCount) {
  KitGlobalsGuard guard;
  Extended value;
  EXPECT_THROW(ParseFloatText(u"\u0661\u0662", value), EConvertError);  // Arabic-Indic digits
  EXPECT_THROW(ParseFloatText(u"\uFF11", value), EConvertError);        // full-width 1
}

// The short-text fast path and the general reader must agree to the last bit.
TEST(ParseFloat, AgreesWithTheGeneralReaderBitForBit) {
  KitGlobalsGuard guard;
  std::mt19937_64 rng(20261211);
  std::uniform_int_distribution<int> digitCount(1, 24), exponent(-40, 40), digit(0, 9), coin(0, 1);
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const int n = digitCount(rng);
    const int point = std::uniform_int_distribution<int>(0, n)(rng);
    for (int k = 0; k < n; ++k) {
      if (k == point) text += '.';
      text += static_cast<char>('0' + digit(rng));
    }
    if (coin(rng)) text += "e" + std::to_string(exponent(rng));
    Extended expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    Extended value = -1;
    ASSERT_TRUE(ParseFloatText(std::u16string(text.begin(), text.end()), value)) << text;
    ASSERT_EQ(value, expected) << text;
  }
}

TEST(ParseFloat, HugeAndHostileTextsDoNotCrashOrHang) {
  KitGlobalsGuard guard;
  const std::u16string ones(100000, u'1');
  Extended value;
  EXPECT_THROW(ParseFloatText(ones, value), EConvertError) << "1.1E99999 overflows";
  EXPECT_EQ(TextToFloatOrDefault(ones, 4), 4);
  const std::u16string longFraction = u"0." + std::u16string(100000, u'3');
  EXPECT_TRUE(ParseFloatText(longFraction, value));
  EXPECT_EQ(value, 1.0L / 3);
  const std::u16string hugeExponent = u"1e" + std::u16string(100000, u'9');
  EXPECT_THROW(ParseFloatText(hugeExponent, value), EConvertError);
  const std::u16string tinyExponent = u"1e-" + std::u16string(100000, u'9');
  EXPECT_TRUE(ParseFloatText(tinyExponent, value));
  EXPECT_EQ(value, 0);
  EXPECT_EQ(TextToFloatOrZero(std::u16string(100000, u'(')), 0);
  EXPECT_EQ(TextToFloatOrZero(std::u16string(100000, u'-')), 0);
  EXPECT_EQ(TextToFloatOrZero(std::u16string(100000, u',')), 0);
  EXPECT_EQ(TextToInt64(std::u16string(100000, u'9')), 0);
  EXPECT_EQ(RegroupTypedNumber(std::u16string(100000, u'1'), true).size(), 100000u + 49999u);
  const std::u16string withNul(u"1\0" u"2", 3);
  EXPECT_THROW(ParseFloatText(withNul, value), EConvertError);
}

struct IntCase {
  const char* name;
  const char16_t* text;
  std::int64_t int64;    // TextToInt64
  std::int32_t clamped;  // TextToIntClamped
  std::int32_t def;      // TextToIntDef with default 5
  std::uint16_t word;    // TextToWordClamped
};

const IntCase kIntCases[] = {
    {"plain", u"42", 42, 42, 42, 42},
    {"negative", u"-42", -42, -42, -42, 0},
    {"plus", u"+7", 7, 7, 7, 7},
    {"grouped", u"1,234", 1234, 1234, 1234, 1234},
    {"blanks", u"  12  ", 12, 12, 12, 12},
    {"hex_dollar", u"$FF", 255, 255, 255, 255},
    {"hex_0x", u"0x10", 16, 16, 16, 16},
    {"negative_hex", u"-$10", -16, -16, -16, 0},
    {"hex_all_bits", u"$FFFFFFFFFFFFFFFF", -1, -1, -1, 0},
    {"above_int32", u"3000000000", 3000000000LL, 2147483647, 5, 65535},
    {"below_int32", u"-3000000000", -3000000000LL, -2147483647 - 1, 5, 0},
    {"int32_max", u"2147483647", 2147483647, 2147483647, 2147483647, 65535},
    {"word_above", u"70000", 70000, 70000, 70000, 65535},
    {"int64_max", u"9223372036854775807", 9223372036854775807LL, 2147483647, 5, 65535},
    {"int64_min", u"-9223372036854775808", std::numeric_limits<std::int64_t>::min(), -2147483647 - 1, 5, 0},
    {"int64_overflow", u"9223372036854775808", 0, 0, 5, 0},
    {"hex_too_long", u"$1FFFFFFFFFFFFFFFF", 0, 0, 5, 0},
    {"fraction", u"1.5", 0, 0, 5, 0},
    {"letters", u"abc", 0, 0, 5, 0},
    {"empty", u"", 0, 0, 5, 0},
    {"lone_sign", u"-", 0, 0, 5, 0},
    {"lone_dollar", u"$", 0, 0, 5, 0},
};

TEST(IntegerReaders, Table) {
  KitGlobalsGuard guard;
  for (const IntCase& c : kIntCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TextToInt64(c.text), c.int64);
    EXPECT_EQ(TextToIntClamped(c.text), c.clamped);
    EXPECT_EQ(TextToIntDef(c.text, 5), c.def);
    EXPECT_EQ(TextToWordClamped(c.text), c.word);
  }
}

TEST(StripSignMarks, Table) {
  struct Case {
    const char16_t* text;
    const char16_t* rest;
    bool negative;
  };
  const Case cases[] = {
      {u"12", u"12", false},      {u"-12", u"12", true},     {u"12-", u"12", true},
      {u"(12)", u"12", true},     {u" ( 12 ) ", u"12", true}, {u"--12--", u"12", true},
      {u"1-2", u"1-2", false},    {u"", u"", false},          {u"()", u"", true},
      {u"- 12", u"12", true},
  };
  for (const Case& c : cases) {
    bool negative = !c.negative;
    EXPECT_EQ(StripSignMarks(c.text, negative), std::u16string(c.rest)) << ToUtf8(c.text);
    EXPECT_EQ(negative, c.negative) << ToUtf8(c.text);
  }
}

}  // namespace
}  // namespace qnt::test
