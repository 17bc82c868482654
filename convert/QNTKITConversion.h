// The conversion engine: the unit tables of the 29 quantities as data, the direct conversion routines
// (temperature scales, litres per 100 kilometres, slopes), the unit-name tables and a pure
// Convert(quantity, from, to, value). Plain C++: the convertor components (QNTKITConvertors.h) and the
// command-line tool both convert through here.
//
//   value in unit A --ToBase(A)--> value in the base unit --FromBase(B)--> value in unit B
//
// Each direction is either a chain of multiplications and divisions by constants, run left to right in
// 80-bit extended precision, or a formula routine with its range checks. Errors are EMathError with the
// program's fixed message texts; a result that overflows or is not a number is an error too (the
// platform does not trap, so every direction checks its result).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "convert/QNTKITUnitTypes.h"
#include "kit/QNTKITStrings.h"
#include "kit/QNTKITTypes.h"

namespace qnt {

// ---------------------------------------------------------------------------------------------
// Table shapes.

enum class TQNTStepOp : std::uint8_t { Mul, Div };

/// One operation of a chain: multiply or divide the running value by an extended constant.
struct TQNTStep {
  TQNTStepOp Op;
  Extended Operand;
};

/// A conversion routine with its own checks (raises EMathError).
using TQNTFormula = Extended (*)(Extended value);

/// What a chain does, worked out from its steps: most chains only multiply or only divide, and run
/// without a branch per step.
enum class TQNTChainKind : std::uint8_t { Unchanged, Multiplications, Divisions, Mixed };

constexpr TQNTChainKind ChainKindOf(std::initializer_list<TQNTStep> steps) {
  bool mul = false, div = false;
  for (const TQNTStep& s : steps) (s.Op == TQNTStepOp::Mul ? mul : div) = true;
  return mul && div ? TQNTChainKind::Mixed
         : mul      ? TQNTChainKind::Multiplications
         : div      ? TQNTChainKind::Divisions
                    : TQNTChainKind::Unchanged;
}

/// One direction of a unit: a chain of steps (no steps: the value passes unchanged), or a formula.
struct TQNTUnitChain {
  std::initializer_list<TQNTStep> Steps;
  TQNTFormula Formula = nullptr;
  TQNTChainKind Kind = ChainKindOf(Steps);  // derived from Steps, never written

  constexpr bool IsLinear() const { return Formula == nullptr; }
};

/// One unit of a quantity: its ordinal, enumerator name, display text and both directions.
struct TQNTUnitRow {
  std::uint8_t Ordinal;
  std::string_view Enumerator;
  TQNTTextRow Name;
  TQNTUnitChain ToBase;
  TQNTUnitChain FromBase;
};

/// One quantity: its convertor class, category in the window, names and unit table.
struct TQNTQuantityInfo {
  TQNTQuantity Quantity;
  std::uint8_t Category;              ///< index of the quantity in the window's category list
  std::string_view ClassName;         ///< "TQNTTempConvertor"
  std::string_view ShortName;         ///< "Temp"
  std::string_view EnumName;          ///< "TQNTTempType"
  std::string_view UnitsInProperty;   ///< "TempUnitsIn"
  std::string_view UnitsOutProperty;  ///< "TempUnitsOut"
  std::u16string_view KeyPrefix;      ///< "Hide Temp ": the stored hidden flags are this + the ordinal
  TQNTTextRow Caption;                ///< the window's category caption ("Температура")
  std::uint8_t BaseUnit;              ///< ordinal of the base unit (not always 0)
  std::span<const TQNTUnitRow> Units;

  int UnitCount() const { return static_cast<int>(Units.size()); }
};

/// Raise std::out_of_range naming the bad quantity value, or the bad unit ordinal of a quantity.
[[noreturn]] void ThrowBadQuantity(int quantity);
[[noreturn]] void ThrowBadUnit(TQNTQuantity quantity, int unit);

/// The 29 quantities, by TQNTQuantity.
extern const TQNTQuantityInfo kQuantityTable[kQuantityCount];

/// The quantity's table. Throws std::out_of_range for a value that is no quantity.
inline const TQNTQuantityInfo& QuantityInfo(TQNTQuantity quantity) {
  if (quantity >= kQuantityCount) ThrowBadQuantity(quantity);
  return kQuantityTable[quantity];
}
/// The quantity the window shows at a category index (0 to 28). Throws std::out_of_range otherwise.
TQNTQuantity CategoryQuantity(int category);
/// The unit's row. Throws std::out_of_range for an ordinal outside the quantity's table.
inline const TQNTUnitRow& UnitRow(TQNTQuantity quantity, int unit) {
  const TQNTQuantityInfo& info = QuantityInfo(quantity);
  if (static_cast<unsigned>(unit) >= info.Units.size()) ThrowBadUnit(quantity, unit);
  return info.Units[static_cast<std::size_t>(unit)];
}

// ---------------------------------------------------------------------------------------------
// Converting.

/// A value in the unit, taken to the quantity's base unit. Raises EMathError (range, overflow).
Extended ToBase(TQNTQuantity quantity, int unit, Extended value);
/// A value in the quantity's base unit, taken to the unit. Raises EMathError (range, overflow).
Extended FromBase(TQNTQuantity quantity, int unit, Extended value);
/// A value in unit `from`, converted through the base unit to unit `to` (both steps always run, also
/// for equal units). Raises EMathError; std::out_of_range for a bad quantity or ordinal.
Extended Convert(TQNTQuantity quantity, int from, int to, Extended value);

template <class E>
Extended Convert(E from, E to, Extended value) {
  return Convert(TQNTUnitTraits<E>::kQuantity, from, to, value);
}

/// Runs one direction of a unit on a value, without the final overflow check.
inline Extended RunChain(const TQNTUnitChain& chain, Extended value) {
  if (chain.Formula) return chain.Formula(value);
  switch (chain.Kind) {
    case TQNTChainKind::Unchanged: break;
    case TQNTChainKind::Multiplications:
      for (const TQNTStep& s : chain.Steps) value *= s.Operand;
      break;
    case TQNTChainKind::Divisions:
      for (const TQNTStep& s : chain.Steps) value /= s.Operand;
      break;
    case TQNTChainKind::Mixed:
      for (const TQNTStep& s : chain.Steps)
        value = s.Op == TQNTStepOp::Mul ? value * s.Operand : value / s.Operand;
      break;
  }
  return value;
}

// ---------------------------------------------------------------------------------------------
// Unit names.

/// Fills the unit-name tables of all quantities from the unit tables, in the current TextLanguage.
/// Runs by itself on first use; a host that switches the language calls it again.
void LoadUnitNameTables();
/// The display text of a unit, from the unit-name table. Throws std::out_of_range for a bad ordinal.
std::u16string_view UnitName(TQNTQuantity quantity, int unit);

// ---------------------------------------------------------------------------------------------
// Message texts of the conversion routines.

enum TQNTConvTextId : std::uint8_t {
  ctBelowAbsZeroCelsius,     ///< "Температура не может быть ниже чем -273.15 C"
  ctBelowAbsZeroFahrenheit,  ///< "Температура не может быть ниже чем -459.67 F"
  ctBelowZeroKelvin,  ///< "Температура не может быть ниже чем 0 градусов Кельвина"
  ctBelowZeroRankine,  ///< "Температура не может быть ниже чем 0 градусов Rankine"
  ctLitresPer100KmZero,  ///< "Литров на 100 км не может быть 0!"
  ctKmPerLitreZero,      ///< "Киллометров на литр не может быть 0!"
  ctAngleTooLarge,       ///< "Величина угла слишком велика"
  ctDivisionByZero,      ///< "Деление на ноль"
  ctOverflow,            ///< a result too large for the extended type
  ctInvalidOperation,    ///< a result that is not a number
  ctConvTextCount
};

/// The message text with the given id in the current language.
std::u16string_view ConvText(TQNTConvTextId id);

// ---------------------------------------------------------------------------------------------
// Direct conversion routines. Each raises EMathError with its message when the value is out of range.

/// Absolute zero in degrees Celsius and in degrees Fahrenheit.
inline constexpr Extended kAbsZeroCelsius = -273.15L;
inline constexpr Extended kAbsZeroFahrenheit = -459.67L;
/// How far below absolute zero a value may lie, in the scale's own degrees.
inline constexpr Extended kAbsZeroTolerance = 0.01L;

Extended KelvinToCelsius(Extended value);
Extended CelsiusToKelvin(Extended value);
Extended FahrenheitToCelsius(Extended value);
Extended CelsiusToFahrenheit(Extended value);
Extended ReaumurToCelsius(Extended value);
Extended CelsiusToReaumur(Extended value);
Extended RankineToCelsius(Extended value);
Extended CelsiusToRankine(Extended value);
Extended RomerToCelsius(Extended value);
Extended CelsiusToRomer(Extended value);
Extended DelisleToCelsius(Extended value);
Extended CelsiusToDelisle(Extended value);
Extended NewtonToCelsius(Extended value);
Extended CelsiusToNewton(Extended value);

/// Litres per 100 km <-> kilometres per litre: 100 / value; a value that IsZeroValue raises.
Extended LitresPer100KmToKmPerLitre(Extended value);
Extended KmPerLitreToLitresPer100Km(Extended value);

/// The tangent of an angle in radians; raises "Величина угла слишком велика" from 2^63 on.
Extended CheckedTangent(Extended radians);
/// Slopes <-> angles in radians: percent, per mil, and the run for a rise of one (1 in N).
Extended GradeToRadians(Extended value);
Extended RadiansToGrade(Extended value);
Extended GradePerMilToRadians(Extended value);
Extended RadiansToGradePerMil(Extended value);
Extended RiseRatioToRadians(Extended value);
Extended RadiansToRiseRatio(Extended value);

}  // namespace qnt
