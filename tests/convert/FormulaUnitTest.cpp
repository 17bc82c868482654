// The direct conversion routines with range checks, called on their own: a value exactly on a bound
// is accepted, the next extended value below it is refused with the routine's message.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "convert/QNTKITConversion.h"
#include "kit/QNTKITStrings.h"

namespace qnt {
namespace {

std::string Message(TQNTConvTextId id) { return ToUtf8(ConvText(id)); }

Extended Below(Extended bound) { return std::nextafter(bound, -__builtin_infl()); }

struct BoundCase {
  const char* name;
  TQNTFormula routine;
  Extended bound;  // lowest accepted argument
  TQNTConvTextId message;
};

void PrintTo(const BoundCase& c, std::ostream* os) { *os << c.name; }

const Extended kCelsiusBound = kAbsZeroCelsius - kAbsZeroTolerance;

const BoundCase kBoundCases[] = {
    {"kelvin", KelvinToCelsius, -kAbsZeroTolerance, ctBelowZeroKelvin},
    {"fahrenheit", FahrenheitToCelsius, kAbsZeroFahrenheit - kAbsZeroTolerance, ctBelowAbsZeroFahrenheit},
    {"reaumur_bound_is_the_product_less_a_hundredth", ReaumurToCelsius, (kAbsZeroCelsius * 0.8L) - 0.01L,
     ctBelowZeroRankine},
    {"rankine", RankineToCelsius, -kAbsZeroTolerance, ctBelowZeroRankine},
    {"celsius_to_kelvin", CelsiusToKelvin, kCelsiusBound, ctBelowAbsZeroCelsius},
    {"celsius_to_fahrenheit", CelsiusToFahrenheit, kCelsiusBound, ctBelowAbsZeroCelsius},
    {"celsius_to_reaumur", CelsiusToReaumur, kCelsiusBound, ctBelowAbsZeroCelsius},
    {"celsius_to_rankine", CelsiusToRankine, kCelsiusBound, ctBelowAbsZeroCelsius},
    {"celsius_to_romer", CelsiusToRomer, kCelsiusBound, ctBelowAbsZeroCelsius},
    {"celsius_to_delisle", CelsiusToDelisle, kCelsiusBound, ctBelowAbsZeroCelsius},
    {"celsius_to_newton", CelsiusToNewton, kCelsiusBound, ctBelowAbsZeroCelsius},
};

class TemperatureBound : public ::testing::TestWithParam<BoundCase> {};

TEST_P(TemperatureBound, AcceptsTheBoundAndRefusesBelowIt) {
  const BoundCase& c = GetParam();
  EXPECT_NO_THROW(c.routine(c.bound));
  EXPECT_THAT([&] { c.routine(Below(c.bound)); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(c.message))));
  EXPECT_THAT([&] { c.routine(__builtin_nanl("")); }, ::testing::Throws<EMathError>());
}

INSTANTIATE_TEST_SUITE_P(Temperature, TemperatureBound, ::testing::ValuesIn(kBoundCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TemperatureRoutines, TheLastThreeCheckTheirConvertedValue) {
  // Delisle falls as temperature rises: its bound lies above, where the Celsius value is -273.16.
  EXPECT_NO_THROW(DelisleToCelsius(559.74L));
  EXPECT_THAT([] { DelisleToCelsius(559.75L); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(ctBelowZeroRankine))));
  EXPECT_NO_THROW(RomerToCelsius(-135.9L));
  EXPECT_THAT([] { RomerToCelsius(-135.99L); }, ::testing::Throws<EMathError>());
  EXPECT_NO_THROW(NewtonToCelsius(-90.14L));
  EXPECT_THAT([] { NewtonToCelsius(-90.15L); }, ::testing::Throws<EMathError>());
}

TEST(TemperatureRoutines, HaveNoUpperBound) {
  EXPECT_EQ(CelsiusToKelvin(1E4000L), 1E4000L);
  EXPECT_EQ(KelvinToCelsius(1E4000L), 1E4000L);
  EXPECT_LT(CelsiusToDelisle(1E4000L), 0);
}

TEST(FuelRoutines, RefuseWhatCountsAsZeroOnly) {
  EXPECT_THAT([] { LitresPer100KmToKmPerLitre(0); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(ctLitresPer100KmZero))));
  EXPECT_THAT([] { KmPerLitreToLitresPer100Km(-1E-400L); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(ctKmPerLitreZero))));
  EXPECT_EQ(LitresPer100KmToKmPerLitre(-5), -20);
  EXPECT_EQ(KmPerLitreToLitresPer100Km(4), 25);
  EXPECT_TRUE(std::isfinite(KmPerLitreToLitresPer100Km(5E-324L)));
}

TEST(SlopeRoutines, TangentStopsAtTwoToTheSixtyThird) {
  const Extended limit = 9223372036854775808.0L;
  EXPECT_NO_THROW(CheckedTangent(Below(limit)));
  EXPECT_NO_THROW(CheckedTangent(-Below(limit)));
  EXPECT_THAT([&] { CheckedTangent(limit); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(ctAngleTooLarge))));
  EXPECT_THAT([&] { CheckedTangent(-limit); }, ::testing::Throws<EMathError>());
  EXPECT_EQ(CheckedTangent(0), 0);
}

TEST(SlopeRoutines, RiseRatioDividesByZeroOnlyAtZero) {
  EXPECT_THAT([] { RiseRatioToRadians(0); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(ctDivisionByZero))));
  EXPECT_THAT([] { RadiansToRiseRatio(0); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(ctDivisionByZero))));
  EXPECT_NEAR(static_cast<double>(RiseRatioToRadians(-1)), -M_PI / 4, 1e-15);
  EXPECT_NEAR(static_cast<double>(RadiansToRiseRatio(-M_PIl / 4)), -1.0, 1e-15);
}

}  // namespace
}  // namespace qnt
