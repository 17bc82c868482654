// The conversion routines of the formula units, the two conversion steps with their checks, the
// unit-name tables and the message texts.
#include "convert/QNTKITConversion.h"

#include <array>
#include <cmath>
#include <iterator>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "kit/QNTKITNumText.h"

namespace qnt {

// ---------------------------------------------------------------------------------------------
// Message texts.

namespace {

constexpr TQNTTextRow kConvTexts[] = {
    /* ctBelowAbsZeroCelsius    */ {u"Температура не может быть ниже чем -273.15 C",
                                    u"Temperature cannot be lower than -273.15 C"},
    /* ctBelowAbsZeroFahrenheit */
    {u"Температура не может быть ниже чем -459.67 F", u"Temperature cannot be lower than -459.67 F"},
    /* ctBelowZeroKelvin        */
    {u"Температура не может быть ниже чем 0 градусов Кельвина",
     u"Temperature cannot be lower than 0 degrees Kelvin"},
    /* ctBelowZeroRankine       */
    {u"Температура не может быть ниже чем 0 градусов Rankine",
     u"Temperature cannot be lower than 0 degrees Rankine"},
    /* ctLitresPer100KmZero     */ {u"Литров на 100 км не может быть 0!", u"Litres per 100 km cannot be 0!"},
    /* ctKmPerLitreZero         */
    {u"Киллометров на литр не может быть 0!", u"Kilometres per litre cannot be 0!"},
    /* ctAngleTooLarge          */ {u"Величина угла слишком велика", u"The angle is too large"},
    /* ctDivisionByZero         */ {u"Деление на ноль", u"Division by zero"},
    /* ctOverflow               */ {u"Результат слишком велик", u"The result is too large"},
    /* ctInvalidOperation       */ {u"Результат не является числом", u"The result is not a number"},
};
static_assert(std::size(kConvTexts) == ctConvTextCount);

[[noreturn]] void Fail(TQNTConvTextId id) { throw EMathError(std::u16string(ConvText(id))); }

/// Any result shown to a user is a finite number: the platform masks overflow and invalid operations.
Extended CheckFinite(Extended value) {
  if (!std::isfinite(value)) Fail(std::isnan(value) ? ctInvalidOperation : ctOverflow);
  return value;
}

/// The lowest temperature accepted, in degrees Celsius: a hundredth of a degree below absolute zero.
Extended CelsiusBound() { return kAbsZeroCelsius - kAbsZeroTolerance; }
Extended FahrenheitBound() { return kAbsZeroFahrenheit - kAbsZeroTolerance; }

void RequireCelsius(Extended value) {
  if (!(value >= CelsiusBound())) Fail(ctBelowAbsZeroCelsius);
}

}  // namespace

std::u16string_view ConvText(TQNTConvTextId id) {
  return id < ctConvTextCount ? kConvTexts[id].In(TextLanguage) : std::u16string_view{};
}

void ThrowBadQuantity(int quantity) {
  throw std::out_of_range("quantity " + std::to_string(quantity) + " does not exist (0 to " +
                          std::to_string(kQuantityCount - 1) + ")");
}

// ---------------------------------------------------------------------------------------------
// Temperature. The scales below absolute zero are refused with a tolerance of 0.01 degree; the first
// four routines check their argument, the last three their converted Celsius value.

Extended KelvinToCelsius(Extended value) {
  if (!(value >= -kAbsZeroTolerance)) Fail(ctBelowZeroKelvin);
  return value + kAbsZeroCelsius;
}

Extended FahrenheitToCelsius(Extended value) {
  if (!(value >= FahrenheitBound())) Fail(ctBelowAbsZeroFahrenheit);
  return (value - 32.0L) * 5.0L / 9.0L;
}

Extended ReaumurToCelsius(Extended value) {
  // Réaumur values below absolute zero report the Rankine text, as they always have.
  if (!(value >= (kAbsZeroCelsius * 0.8L) - kAbsZeroTolerance)) Fail(ctBelowZeroRankine);
  return value * 1.25L;
}

Extended RankineToCelsius(Extended value) {
  if (!(value >= -kAbsZeroTolerance)) Fail(ctBelowZeroRankine);
  return FahrenheitToCelsius(value + kAbsZeroFahrenheit);
}

Extended RomerToCelsius(Extended value) {
  const Extended result = (value - 7.5L) * 40.0L / 21.0L;
  if (!(result >= CelsiusBound())) Fail(ctBelowZeroRankine);
  return result;
}

Extended DelisleToCelsius(Extended value) {
  const Extended result = 100.0L - (value * 2.0L / 3.0L);
  if (!(result >= CelsiusBound())) Fail(ctBelowZeroRankine);
  return result;
}

Extended NewtonToCelsius(Extended value) {
  const Extended result = value * 100.0L / 33.0L;
  if (!(result >= CelsiusBound())) Fail(ctBelowZeroRankine);
  return result;
}

Extended CelsiusToKelvin(Extended value) {
  RequireCelsius(value);
  return value - kAbsZeroCelsius;
}

Extended CelsiusToFahrenheit(Extended value) {
  RequireCelsius(value);
  return value * 9.0L / 5.0L + 32.0L;
}

Extended CelsiusToReaumur(Extended value) {
  RequireCelsius(value);
  return value * 0.8L;
}

Extended CelsiusToRankine(Extended value) {
  RequireCelsius(value);
  return CelsiusToFahrenheit(value) - kAbsZeroFahrenheit;
}

Extended CelsiusToRomer(Extended value) {
  RequireCelsius(value);
  return value * 21.0L / 40.0L + 7.5L;
}

Extended CelsiusToDelisle(Extended value) {
  RequireCelsius(value);
  return (100.0L - value) * 1.5L;
}

Extended CelsiusToNewton(Extended value) {
  RequireCelsius(value);
  return value * 0.33L;
}

// ---------------------------------------------------------------------------------------------
// Fuel consumption: litres per 100 kilometres is the reciprocal of the base unit.

Extended LitresPer100KmToKmPerLitre(Extended value) {
  if (IsZeroValue(value)) Fail(ctLitresPer100KmZero);
  return 100.0L / value;
}

Extended KmPerLitreToLitresPer100Km(Extended value) {
  if (IsZeroValue(value)) Fail(ctKmPerLitreZero);
  return 100.0L / value;
}

// ---------------------------------------------------------------------------------------------
// Slopes: an angle in radians is the arctangent of the slope; the way back takes its tangent.

Extended CheckedTangent(Extended radians) {
  constexpr Extended kLimit = 9223372036854775808.0L;  // 2^63, the tangent's argument limit
  if (!(std::fabs(radians) < kLimit)) Fail(ctAngleTooLarge);
  return std::tan(radians);
}

Extended GradeToRadians(Extended value) { return std::atan(value * 0.01L); }
Extended RadiansToGrade(Extended value) { return CheckedTangent(value) * 100.0L; }
Extended GradePerMilToRadians(Extended value) { return std::atan(value * 0.001L); }
Extended RadiansToGradePerMil(Extended value) { return CheckedTangent(value) * 1000.0L; }

Extended RiseRatioToRadians(Extended value) {
  // The original trapped the division by zero; a reciprocal that overflows is refused the same way.
  if (value == 0) Fail(ctDivisionByZero);
  return std::atan(CheckFinite(1.0L / value));
}

Extended RadiansToRiseRatio(Extended value) {
  const Extended tangent = CheckedTangent(value);
  if (tangent == 0) Fail(ctDivisionByZero);
  return 1.0L / tangent;
}

// ---------------------------------------------------------------------------------------------
// The two conversion steps.

void ThrowBadUnit(TQNTQuantity quantity, int unit) {
  const TQNTQuantityInfo& info = QuantityInfo(quantity);
  throw std::out_of_range("unit " + std::to_string(unit) + " is not a unit of " +
                          std::string(info.ShortName) + " (0 to " + std::to_string(info.UnitCount() - 1) +
                          ")");
}

Extended ToBase(TQNTQuantity quantity, int unit, Extended value) {
  return CheckFinite(RunChain(UnitRow(quantity, unit).ToBase, value));
}

Extended FromBase(TQNTQuantity quantity, int unit, Extended value) {
  return CheckFinite(RunChain(UnitRow(quantity, unit).FromBase, value));
}

Extended Convert(TQNTQuantity quantity, int from, int to, Extended value) {
  const TQNTUnitRow& source = UnitRow(quantity, from);
  const TQNTUnitRow& target = UnitRow(quantity, to);
  return CheckFinite(RunChain(target.FromBase, CheckFinite(RunChain(source.ToBase, value))));
}

// ---------------------------------------------------------------------------------------------
// Unit-name tables: one text per ordinal and quantity, filled from the unit tables.

namespace {

struct TUnitNameTables {
  std::array<std::vector<std::u16string_view>, kQuantityCount> Names;
  std::once_flag Loaded;
};

TUnitNameTables& NameTables() {
  static TUnitNameTables tables;
  return tables;
}

void FillUnitNameTables(TUnitNameTables& tables) {
  for (int q = 0; q < kQuantityCount; ++q) {
    const TQNTQuantityInfo& info = QuantityInfo(static_cast<TQNTQuantity>(q));
    std::vector<std::u16string_view>& names = tables.Names[static_cast<std::size_t>(q)];
    names.assign(info.Units.size(), {});
    for (const TQNTUnitRow& row : info.Units) names[row.Ordinal] = row.Name.In(TextLanguage);
  }
}

}  // namespace

void LoadUnitNameTables() {
  TUnitNameTables& tables = NameTables();
  std::call_once(tables.Loaded, [] {});  // a later lazy load must not overwrite this one
  FillUnitNameTables(tables);
}

std::u16string_view UnitName(TQNTQuantity quantity, int unit) {
  const TQNTUnitRow& row = UnitRow(quantity, unit);
  TUnitNameTables& tables = NameTables();
  std::call_once(tables.Loaded, [&tables] { FillUnitNameTables(tables); });
  return tables.Names[quantity][row.Ordinal];
}

}  // namespace qnt
