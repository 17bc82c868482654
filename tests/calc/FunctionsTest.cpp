// The numerics of the function keys: domains and their messages, accuracy where the naive formulas
// lose it, gamma on both sides of zero, rounding, powers and the constants.
#include <gmock/gmock.h>

#include <cmath>
#include <set>

#include "calc/QNTKITCalcMath.h"
#include "tests/calc/CalcTestSupport.h"

namespace qnt::test {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

/// Relative difference, for accuracy statements.
Extended RelativeError(Extended got, Extended want) { return std::fabs(got - want) / std::fabs(want); }

std::string MessageOf(TQNTCalcFunction f, Extended x, TQNTAngleMode mode = amRadians) {
  try {
    CalcFunctionValue(f, x, mode);
  } catch (const EMathError& e) {
    return U8(e.Message());
  }
  return "(no error)";
}

struct DomainCase {
  const char* name;
  TQNTCalcFunction f;
  Extended x;
  const char* message;
};

class Domain : public ::testing::TestWithParam<DomainCase> {};

TEST_P(Domain, RefusesWithItsMessage) {
  EXPECT_EQ(MessageOf(GetParam().f, GetParam().x), GetParam().message);
}

const DomainCase kDomains[] = {
    {"arc_sine_above_one", cfArcSin, 1.0000001L, "Не действительное значение"},
    {"arc_cosine_below_minus_one", cfArcCos, -1.5L, "Значение должно быть <= 1"},
    {"tangent_at_two_power_63", cfTan, 9.223372036854775808E18L, "Величина угла слишком велика"},
    {"log_of_zero", cfLog, 0, "Значение должно быть > 0"},
    {"log_of_negative", cfLog, -1, "Значение должно быть > 0"},
    {"binary_log_of_negative", cfLog2, -8, "Значение должно быть > 0"},
    {"square_root_of_negative", cfSqrt, -1E-30L, "Квадратный корень из отрицательного"},
    {"arcosh_below_one", cfArCosh, 0.999L, "Не определено для этого значения"},
    {"artanh_at_one", cfArTanh, 1, "Не определено для этого значения"},
    {"artanh_below_minus_one", cfArTanh, -2, "Не определено для этого значения"},
    {"gamma_at_zero", cfGamma, 0, "Не определено для этого значения"},
    {"gamma_at_negative_integer", cfGamma, -3, "Не определено для этого значения"},
    {"ln_gamma_at_negative_integer", cfLnGamma, -1E6L, "Не определено для этого значения"},
    {"ln_gamma_where_gamma_is_negative", cfLnGamma, -0.5L, "Invalid floating point operation"},
    {"natural_log_of_negative", cfLn, -1, "Invalid floating point operation"},
    {"natural_log_of_zero", cfLn, 0, "Floating point division by zero"},
    {"exp_overflow", cfExp, 12000, "Floating point overflow"},
    {"ten_power_overflow", cfTenPower, 5000, "Floating point overflow"},
    {"two_power_overflow", cfTwoPower, 16384, "Floating point overflow"},
    {"sinh_overflow", cfSinh, 12000, "Floating point overflow"},
    {"cosh_overflow", cfCosh, -12000, "Floating point overflow"},
    {"square_overflow", cfSquare, 1E3000L, "Floating point overflow"},
    {"gamma_overflow", cfGamma, 2000, "Floating point overflow"},
};
INSTANTIATE_TEST_SUITE_P(Functions, Domain, ::testing::ValuesIn(kDomains),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Hyperbolic, AccurateOverTheWholeRange) {
  EXPECT_EQ(CalcFunctionValue(cfTanh, 12000, amRadians), 1);
  EXPECT_EQ(CalcFunctionValue(cfTanh, -12000, amRadians), -1);
  // ln(2e10) + 1/(4e20): the naive ln(x + sqrt(x^2 + 1)) cancels to nothing for large negative x.
  EXPECT_LT(RelativeError(CalcFunctionValue(cfArSinh, -1E10L, amRadians), -23.718998110500402150L), 1E-18L);
  // sinh(x) = x + x^3/6 + ...: for 1e-10 the cubic term is far below the last digit.
  EXPECT_EQ(CalcFunctionValue(cfSinh, 1E-10L, amRadians), 1E-10L);
  EXPECT_LT(RelativeError(CalcFunctionValue(cfTanh, 1E-10L, amRadians), 1E-10L), 1E-18L);
  EXPECT_LT(RelativeError(CalcFunctionValue(cfArTanh, 1E-10L, amRadians), 1E-10L), 1E-18L);
  EXPECT_LT(RelativeError(CalcFunctionValue(cfArCosh, 1E10L, amRadians), 23.718998110500402150L), 1E-18L);
}

TEST(Hyperbolic, OrdinaryArgumentsAgreeWithTheExponentialFormulas) {
  for (Extended x : {0.25L, 0.5L, 1.0L, 1.5L, 2.0L, 3.0L, 5.0L, 10.0L, -0.75L, -4.0L}) {
    const Extended a = std::exp(x);
    EXPECT_LT(RelativeError(CalcFunctionValue(cfSinh, x, amRadians), (a - 1 / a) / 2), 1E-17L) << x;
    EXPECT_LT(RelativeError(CalcFunctionValue(cfCosh, x, amRadians), (a + 1 / a) / 2), 1E-17L) << x;
    EXPECT_LT(RelativeError(CalcFunctionValue(cfTanh, x, amRadians), (a - 1 / a) / (a + 1 / a)), 1E-17L) << x;
    EXPECT_LT(RelativeError(CalcFunctionValue(cfArSinh, x, amRadians), std::log(x + std::sqrt(x * x + 1))),
              1E-17L)
        << x;
  }
}

TEST(Trigonometry, InverseFunctionsAtTheBoundsAreExact) {
  EXPECT_EQ(CalcFunctionValue(cfArcSin, 1, amRadians), kCalcPi / 2);
  EXPECT_EQ(CalcFunctionValue(cfArcSin, -1, amRadians), -kCalcPi / 2);
  EXPECT_EQ(CalcFunctionValue(cfArcSin, 1 - 1E-18L, amRadians), kCalcPi / 2);  // within the tolerance
  EXPECT_EQ(CalcFunctionValue(cfArcCos, 1, amRadians), 0);
  EXPECT_EQ(CalcFunctionValue(cfArcCos, -1, amRadians), kCalcPi);
  EXPECT_EQ(CalcFunctionValue(cfArcCos, 0, amRadians), kCalcPi / 2);
  EXPECT_EQ(CalcFunctionValue(cfArcSin, 0, amDegrees), 0);
  EXPECT_LT(std::fabs(CalcFunctionValue(cfArcCos, -0.5L, amDegrees) - 120), 1E-15L);
  EXPECT_LT(std::fabs(CalcFunctionValue(cfTan, 2E18L, amRadians)), 1E20L);  // below 2^63 is accepted
}

TEST(Logarithms, ExactAtPowersOfTheBase) {
  for (Extended x = 1, k = 0; k <= 27; x *= 10, ++k) EXPECT_EQ(CalcFunctionValue(cfLog, x, amRadians), k);
  EXPECT_EQ(CalcFunctionValue(cfLog, 1E-5L, amRadians), -5);
  EXPECT_EQ(CalcFunctionValue(cfLog, 1, amRadians), 0);
  EXPECT_EQ(CalcFunctionValue(cfLog2, 1024, amRadians), 10);
  EXPECT_EQ(CalcFunctionValue(cfLog2, 0.125L, amRadians), -3);
  EXPECT_EQ(CalcFunctionValue(cfTwoPower, 10, amRadians), 1024);
  EXPECT_EQ(CalcFunctionValue(cfTwoPower, -1, amRadians), 0.5L);
  EXPECT_EQ(CalcFunctionValue(cfTwoPower, -20000, amRadians), 0);  // underflow is not an error
  EXPECT_LT(RelativeError(CalcFunctionValue(cfTwoPower, 0.5L, amRadians), std::sqrt(2.0L)), 1E-18L);
  EXPECT_LT(RelativeError(CalcFunctionValue(cfLog, 1.05L, amRadians), 0.021189299069938072776L), 1E-18L);
}

TEST(Gamma, PositiveAndNegativeArguments) {
  const Extended sqrtPi = std::sqrt(kCalcPi);
  EXPECT_LT(RelativeError(CalcGamma(5), 24), 1E-15L);
  EXPECT_LT(RelativeError(CalcGamma(0.5L), sqrtPi), 1E-15L);
  EXPECT_LT(RelativeError(CalcGamma(-0.5L), -2 * sqrtPi), 1E-14L);
  EXPECT_LT(RelativeError(CalcGamma(-1.5L), 4 * sqrtPi / 3), 1E-14L);
  EXPECT_LT(RelativeError(CalcGamma(-2.5L), -8 * sqrtPi / 15), 1E-14L);
  EXPECT_LT(RelativeError(CalcLnGamma(10), std::log(362880.0L)), 1E-15L);
  EXPECT_LT(RelativeError(CalcLnGamma(-1.5L), std::log(4 * sqrtPi / 3)), 1E-14L);
}

TEST(Gamma, FarNegativeArgumentsEndQuickly) {
  // Gamma of -1000.5 is tiny but representable; its sign alternates with the integer part.
  const Extended g = CalcGamma(-1000.5L);
  EXPECT_LT(g, 0);
  EXPECT_TRUE(std::isfinite(std::log(-g)));
  // Beyond about -1760 the value is below the smallest extended value: 0, at once (the recurrence
  // down to -1e12 would otherwise take 10^12 steps).
  EXPECT_EQ(CalcGamma(-1E12L + 0.5L), 0);
  EXPECT_EQ(CalcGamma(-5000.25L), 0);
}

struct RoundCase {
  Extended x;
  int places;
  Extended want;
};

TEST(Round, TiesToEvenOnTheScaledValue) {
  const RoundCase cases[] = {
      {0.125L, 2, 0.12L}, {0.375L, 2, 0.38L}, {2.5L, 0, 2},         {3.5L, 0, 4},          {-2.5L, 0, -2},
      {1234, -2, 1200},   {1250, -2, 1200},   {1350, -2, 1400},     {1.23456L, 3, 1.235L}, {0, 5, 0},
      {1E-400L, 2, 0},    {1E30L, 2, 1E30L},  {-1E30L, -3, -1E30L}, {9.2E18L, 0, 9.2E18L},
  };
  for (const RoundCase& c : cases)
    EXPECT_EQ(FloatToShortestText(CalcRound(c.x, c.places)), FloatToShortestText(c.want))
        << c.x << " at " << c.places;
  EXPECT_THAT([] { CalcRound(1, 19); },
              ThrowsMessage<EMathError>(StrEq("Rounding places must be from -18 to 18")));
  EXPECT_THAT([] { CalcRound(1, -19); },
              ThrowsMessage<EMathError>(StrEq("Rounding places must be from -18 to 18")));
  EXPECT_EQ(CalcRound(1.5L, 18), 1.5L);
}

TEST(FloorAndCeiling, ValuesBeyondTheIntegerRangeComeBackUnchanged) {
  for (Extended x : {1E19L, -1E19L, 1E300L, -1E4000L, 9.3E18L}) {
    EXPECT_EQ(CalcFunctionValue(cfFloor, x, amRadians), x);
    EXPECT_EQ(CalcFunctionValue(cfCeiling, x, amRadians), x);
  }
  EXPECT_EQ(CalcFunctionValue(cfFloor, -0.5L, amRadians), -1);
  EXPECT_EQ(CalcFunctionValue(cfCeiling, 0.5L, amRadians), 1);
  EXPECT_EQ(CalcFunctionValue(cfFloor, 7, amRadians), 7);
}

TEST(Operators, PowerRootAndDivisionChecks) {
  EXPECT_THAT([] { CalcPower(0, -1); }, ThrowsMessage<EMathError>(StrEq("Floating point division by zero")));
  EXPECT_THAT([] { CalcPower(-8, 1 / 3.0L); },
              ThrowsMessage<EMathError>(StrEq("Invalid floating point operation")));
  EXPECT_THAT([] { CalcPower(10, 5000); }, ThrowsMessage<EMathError>(StrEq("Floating point overflow")));
  EXPECT_THAT([] { CalcRoot(8, 0); }, ThrowsMessage<EMathError>(StrEq("Floating point division by zero")));
  EXPECT_THAT([] { CalcDivide(1, 0); }, ThrowsMessage<EMathError>(StrEq("Деление на ноль")));
  EXPECT_THAT([] { CalcDivide(1E4900L, 1E-100L); },
              ThrowsMessage<EMathError>(StrEq("Floating point overflow")));
  EXPECT_EQ(CalcPower(-2, 3), -8);
  EXPECT_EQ(CalcPower(0, 0), 1);
  EXPECT_EQ(CalcPower(0, 2), 0);
  EXPECT_EQ(CalcPower(2, -1), 0.5L);
  EXPECT_EQ(CalcDivide(1E-4000L, 1E1000L), 0);  // underflow is not an error
}

TEST(Constants, AreTheKitsExtendedValues) {
  EXPECT_EQ(FloatToShortestText(kCalcPi), "3.1415926535897932383");
  EXPECT_EQ(FloatToShortestText(kCalcE), "2.7182818284590452354");
  EXPECT_EQ(FloatToShortestText(kCalcEulerGamma), "0.5772156649015328606");
  EXPECT_EQ(FloatToShortestText(kCalcGoldenSection), "0.6180339887498948482");
  EXPECT_EQ(FloatToShortestText(kCalcSpeedOfLight), "299792458");
  EXPECT_EQ(FloatToShortestText(kCalcGravity), "9.80665");
}

TEST(Random, SeededOncePerProcessSoQuickDrawsDiffer) {
  std::set<Extended> seen;
  for (int i = 0; i < 10000; ++i) {
    const Extended v = CalcRandomValue();
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 1);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 10000u);
}

}  // namespace
}  // namespace qnt::test
