// The expression evaluator: typed formulas keyed into an engine. Values are compared bit for bit with
// the same computation done directly in extended precision.
#include <cmath>
#include <random>

#include "calc/QNTKITExpressions.h"
#include "tests/calc/CalcTestSupport.h"

namespace qnt::test {
namespace {

struct ExprCase {
  const char* name;
  const char16_t* expr;
  Extended value;
  const char* error = "";
  TQNTAngleMode mode = amRadians;
};

void PrintTo(const ExprCase& c, std::ostream* os) { *os << U8(c.expr); }

class Expression : public ::testing::TestWithParam<ExprCase> {
 protected:
  KitGlobalsGuard fGuard;
};

TEST_P(Expression, EvaluatesLikeTheKeys) {
  const ExprCase& c = GetParam();
  std::u16string error;
  const Extended v = EvaluateExpression(c.expr, c.mode, error);
  EXPECT_EQ(FloatToShortestText(v), FloatToShortestText(c.value));
  EXPECT_EQ(U8(error), c.error);
  EXPECT_EQ(FloatToShortestText(EvaluateExpression(c.expr, c.mode)), FloatToShortestText(c.value));
}

std::string CaseName(const ::testing::TestParamInfo<ExprCase>& info) { return info.param.name; }

const Extended kPi = kCalcPi;

/// Hides a constant from the compiler, so library functions of it run in the library (as in the
/// engine) instead of being folded at compile time with a differently rounded result.
Extended Opaque(Extended x) {
  volatile Extended v = x;
  return v;
}

const ExprCase kArithmetic[] = {
    {"precedence", u"2+3*4", 14},
    {"brackets", u"(2+3)*4", 20},
    {"power_left_associative", u"2^3^2", 64},
    {"root_operator", u"8@3", std::pow(Opaque(8), 1 / 3.0L)},
    {"minus_bracket", u"-(2+3)", -5},
    {"leading_sign", u"-5+3", -2},
    {"sign_after_operator", u"2*-3", -6},
    {"benchmark_expression", u"2+3*4^2/(7-1)", 10},
    {"unary_percent", u"200+10%", 220},
    {"number_before_bracket_discarded", u"2(3)", 3},
    {"blanks_join_digits", u"2 3", 23},
    {"thousand_separators_ignored", u"1,234.5", 1234.5L},
    {"second_decimal_separator_ignored", u"1.5.2", 1.52L},
    {"exponent_negative", u"1e-5", 1e-5L},
    {"exponent_positive", u"2e3", 2000},
    {"exponent_word", u"1 e 5", 100000},
    {"exponent_word_with_sign", u"1 e+5", 100000},
    {"equals_inside_continues", u"2+3=*4", 20},
    {"empty_text_is_zero", u"", 0},
    {"blank_text_is_zero", u" \t ", 0},
    {"division_by_zero", u"5/0", 0, "Деление на ноль"},
    {"missing_operand", u"3*", 0, "Invalid Equation"},
    {"error_then_more_keys_last_message_counts", u"5/0+sqrt(-1)", 0, "Квадратный корень из отрицательного"},
    {"overflow", u"10^5000", 0, "Floating point overflow"},
    {"overflowing_number", u"1e5000", 0, "Floating point overflow"},
};
INSTANTIATE_TEST_SUITE_P(Arithmetic, Expression, ::testing::ValuesIn(kArithmetic), CaseName);

const ExprCase kWords[] = {
    {"times_word", u"2x3", 6},
    {"times_word_then_function", u"2xpi", 2 * kPi},
    {"times_word_with_two_digits_fails", u"2x35", 0, "Unknown Function - x3"},
    {"pi", u"pi", kPi},
    {"digit_before_pi_discarded", u"2pi", kPi},
    {"exp_of_one", u"exp(1)", std::exp(Opaque(1))},
    {"upper_case_lowered", u"SIN(1)", std::sin(Opaque(1))},
    {"function_with_one_digit", u"lg28", 3},
    {"function_with_two_digits_fails", u"log100", 0, "Unknown Function - log10"},
    {"sine_with_two_digits_fails", u"sin30", 0, "Unknown Function - sin3"},
    {"unknown_character", u"3!", 0, "Unknown Function - !"},
    {"unknown_word", u"2+foo(3)", 0, "Unknown Function - foo"},
    {"cyrillic_word_lowered", u"2+ПИ", 0, "Unknown Function - пи"},
    {"function_binds_to_next_number", u"sqrt 16 + 9", 13},
    {"function_of_bracket", u"sin(pi/2)", 1},
    {"function_after_times", u"2*sin 1", 2 * std::sin(Opaque(1))},
    // A minus right after a function word signs its argument.
    {"minus_after_function_word", u"1+sin-1", 1 + std::sin(Opaque(-1))},
    {"sine_degrees", u"sin(30)", std::sin(Opaque(30 * 1.7453292519943295769E-2L)), "", amDegrees},
    {"arc_sine_degrees", u"arcsin(1)", kPi / 2 * 57.29577951308232088L, "", amDegrees},
    {"arc_tangent_grads", u"arctan(1)", std::atan(Opaque(1)) * (0.31830988618379067154L * 200), "",
     amGradiants},
    {"inverse_cosine_synonym", u"invcos(0)", kPi / 2},
    {"hyperbolic_cosine", u"cosh(0)", 1},
    {"hyperbolic_synonym", u"hypsin(1)", std::sinh(Opaque(1))},
    {"inverse_hyperbolic_cosine", u"arcosh(1)", 0},
    {"inverse_hyperbolic_tangent", u"hypinvtan(0.5)", std::atanh(Opaque(0.5L))},
    {"inverse_hyperbolic_sine_large", u"arsinh(-1e10)", std::asinh(Opaque(-1e10L))},
    {"hyperbolic_tangent_large", u"tanh(12000)", 1},
    {"hyperbolic_sine_small", u"sinh(1e-10)", std::sinh(Opaque(1e-10L))},
    {"natural_log", u"ln(exp(2))", std::log(std::exp(Opaque(2)))},
    {"common_log", u"log(1000)", 3},
    {"abs", u"abs(-3)", 3},
    {"floor", u"floor(2.5)", 2},
    {"ceil", u"ceil(2.5)", 3},
    {"ceiling", u"ceiling(-2.5)", -2},
    {"sgn", u"sgn(-2)", -1},
    {"sign", u"sign(0)", 0},
    {"gamma", u"gamma(5)", std::exp(CalcLnGamma(5))},
    {"ln_gamma", u"lngamma(10)", CalcLnGamma(10)},
    {"square_root_refused", u"sqrt(-4)", 0, "Квадратный корень из отрицательного"},
    {"memory_words_inside_expression", u"2+3 madd mr*2", 10},
    {"memory_subtract_and_clear", u"5 msub mc mr", 0},
};
INSTANTIATE_TEST_SUITE_P(Words, Expression, ::testing::ValuesIn(kWords), CaseName);

struct TokenCase {
  const char16_t* expr;
  const char16_t* codes;  // not checked when there is a bad word
  const char16_t* badWord;
};

TEST(Tokenise, MapsWordsAndCharactersToKeyCodes) {
  KitGlobalsGuard guard;
  const TokenCase cases[] = {
      {u"2xpi", u"2*P", u""},
      {u"1e-5", u"1e-5", u""},
      {u"1E5", u"1e5", u""},
      {u"lg28", u"W8", u""},
      {u"exp(1)", u"E(1)", u""},
      {u"arcsin 1", u"s1", u""},
      {u"hypinvcos(2)", u"d(2)", u""},
      {u"x", u"*", u""},
      {u"e", u"e", u""},
      {u"mr madd msub mc rnd", u"kMmKZ", u""},
      {u"1 234", u"1234", u""},
      {u"sin30", u"", u"sin3"},
      {u"2+what", u"", u"what"},
      {u"  Sqrt(9)  ", u"Q(9)", u""},
  };
  for (const TokenCase& c : cases) {
    std::u16string codes, bad;
    TokeniseExpression(c.expr, codes, bad);
    if (!*c.badWord) {
      EXPECT_EQ(U8(codes), U8(c.codes)) << U8(c.expr);
    }
    EXPECT_EQ(U8(bad), U8(c.badWord)) << U8(c.expr);
  }
}

TEST(Tokenise, UnknownWordStopsAtOnce) {
  KitGlobalsGuard guard;
  std::u16string codes, bad;
  TokeniseExpression(u"foo 1+2 bar", codes, bad);
  EXPECT_EQ(U8(bad), "foo");
  EXPECT_TRUE(codes.empty());
}

TEST(Expression, FollowsTheCurrentSeparators) {
  KitGlobalsGuard guard;
  FormatSettings.DecimalSeparator = u',';
  FormatSettings.ThousandSeparator = u'.';
  EXPECT_EQ(EvaluateExpression(u"1.234,5*2", amRadians), 2469);
  FormatSettings.ThousandSeparator = u'\u00A0';
  EXPECT_EQ(EvaluateExpression(u"1\u00A0000,25", amRadians), 1000.25L);
}

TEST(Expression, RandomIsInUnitInterval) {
  for (int i = 0; i < 100; ++i) {
    const Extended v = EvaluateExpression(u"rnd", amRadians);
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 1);
  }
}

class EvaluateOnEngine : public EngineTest {};

TEST_F(EvaluateOnEngine, MemoryIsTheGivenOneAndIsRestoredAfterwards) {
  E().SetMemory(7);
  std::u16string error;
  EXPECT_EQ(EvaluateWithEngine(u"mr*2", E(), 5, amRadians, error), 10);
  EXPECT_EQ(U8(error), "");
  EXPECT_EQ(E().GetMemoryValue(), 7);
  EXPECT_EQ(EvaluateWithEngine(u"3 madd mr", E(), 5, amRadians, error), 8);
  EXPECT_EQ(E().GetMemoryValue(), 7);
}

TEST_F(EvaluateOnEngine, RestoresModesOnEveryPath) {
  E().SetAngleMode(amGradiants);
  for (const char16_t* expr : {u"sin(30)", u"5/0", u"foo", u"3*"}) {
    std::u16string error;
    EvaluateWithEngine(expr, E(), 0, amDegrees, error);
    EXPECT_EQ(E().GetAngleMode(), amGradiants) << U8(expr);
    EXPECT_FALSE(E().GetPrefixFunctions()) << U8(expr);
    EXPECT_EQ(E().GetMemoryValue(), 0) << U8(expr);
  }
  E().SetPrefixFunctions(true);
  EvaluateWithEngine(u"1+1", E(), 0, amRadians);
  EXPECT_TRUE(E().GetPrefixFunctions());
}

TEST_F(EvaluateOnEngine, UsesTheAngleModeGivenAndTheEnginesOwnSettings) {
  std::u16string error;
  EXPECT_EQ(FloatToShortestText(EvaluateWithEngine(u"arcsin(1)", E(), 0, amDegrees, error)),
            FloatToShortestText(kCalcPi / 2 * 57.29577951308232088L));
  // The engine's own percent setting (binary here) and precedence are used as they stand.
  EXPECT_EQ(EvaluateWithEngine(u"50%20", E(), 0, amRadians, error), 10);
  E().SetPrecedence(false);
  EXPECT_EQ(EvaluateWithEngine(u"2+3*4", E(), 0, amRadians, error), 20);
}

TEST_F(EvaluateOnEngine, UnknownWordLeavesTheEngineUntouched) {
  Press(E(), "2 + 3");
  std::u16string error;
  EXPECT_EQ(EvaluateWithEngine(u"2+bad", E(), 0, amRadians, error), 0);
  EXPECT_EQ(U8(error), "Unknown Function - bad");
  Press(E(), "=");
  EXPECT_EQ(Display(), "5.0000");
}

TEST_F(EvaluateOnEngine, ReportsTheEnginesMessage) {
  std::u16string error;
  EXPECT_EQ(EvaluateWithEngine(u"2 inv", E(), 0, amRadians, error), 0);
  EXPECT_EQ(U8(error), "Unknown Function - inv");
  EXPECT_EQ(EvaluateWithEngine(u"arccos(2)", E(), 0, amRadians, error), 0);
  EXPECT_EQ(U8(error), "Значение должно быть <= 1");
  EXPECT_EQ(Display(), "Error!");
}

// The evaluator's private engines keep no display and no history; their values and messages must be
// exactly those of a full engine keyed the same way.
TEST(ValueOnlyEngine, AgreesWithAFullEngineOnRandomExpressions) {
  KitGlobalsGuard guard;
  std::mt19937 rng(20240611);
  const std::u16string atoms[] = {u"1",  u"2",   u"7",  u"0", u"0.5",    u"12.25", u"1e3", u"pi",
                                  u"mr", u"e-2", u"99", u"3", u"1.5e-3", u"10",    u"0.1", u"1e4000"};
  const std::u16string ops[] = {u"+", u"-", u"*", u"/", u"^", u"@", u"%", u"x"};
  const std::u16string functions[] = {u"sin",    u"cos",    u"tan",    u"sqrt", u"ln",   u"log",   u"lg2",
                                      u"exp",    u"abs",    u"floor",  u"ceil", u"sgn",  u"gamma", u"lngamma",
                                      u"arcsin", u"arccos", u"arctan", u"sinh", u"cosh", u"tanh",  u"arsinh",
                                      u"arcosh", u"artanh", u"madd",   u"msub", u"mc"};
  auto pick = [&](const auto& list) { return list[rng() % std::size(list)]; };
  for (int n = 0; n < 3000; ++n) {
    std::u16string expr;
    const int terms = 1 + static_cast<int>(rng() % 6);
    int open = 0;
    for (int t = 0; t < terms; ++t) {
      if (t) expr += pick(ops);
      if (rng() % 4 == 0) expr += u"-";
      if (rng() % 3 == 0) expr += pick(functions);
      if (rng() % 4 == 0) {
        expr += u"(";
        ++open;
      }
      expr += pick(atoms);
      if (open && rng() % 2) {
        expr += u")";
        --open;
      }
    }
    if (rng() % 2) expr += u"%";
    const auto mode = static_cast<TQNTAngleMode>(rng() % 3);
    std::u16string valueOnlyError, fullError;
    const Extended valueOnly = EvaluateExpression(expr, mode, valueOnlyError);
    auto full = TQNTCalcEngine::Create();
    full->SetBinaryPercent(false);
    const Extended fullValue = EvaluateWithEngine(expr, *full, 0, mode, fullError);
    if (std::isnan(valueOnly) || std::isnan(fullValue)) ADD_FAILURE() << U8(expr);
    ASSERT_EQ(FloatToHexText(valueOnly), FloatToHexText(fullValue)) << U8(expr);
    ASSERT_EQ(U8(valueOnlyError), U8(fullError)) << U8(expr);
  }
}

}  // namespace
}  // namespace qnt::test
