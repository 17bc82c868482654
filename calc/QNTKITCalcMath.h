// The numerics behind the calculator's keys: the arithmetic of the binary operators and the value of
// every unary function (trigonometric and hyperbolic with their inverses, logarithms and powers,
// roots, rounding, gamma), with their domain checks. Each routine either returns a finite value or
// raises EMathError with the message the user sees: floating-point exceptions are masked on Linux,
// so overflow, invalid results and divisions by zero are tested here rather than trapped.
#pragma once

#include <cmath>
#include <cstdint>

#include "calc/QNTKITCalcStrings.h"
#include "kit/QNTKITTypes.h"

namespace qnt {

// Constants of the constant keys (80-bit values).
inline constexpr Extended kCalcPi = 3.1415926535897932383L;
inline constexpr Extended kCalcE = 2.7182818284590452354L;
inline constexpr Extended kCalcEulerGamma = 0.5772156649015328606L;
inline constexpr Extended kCalcGoldenSection = 0.6180339887498948482L;  // the golden ratio minus one
inline constexpr Extended kCalcSpeedOfLight = 299792458.0L;             // metres per second
inline constexpr Extended kCalcGravity = 9.80665L;                      // metres per second squared

/// The unary functions of the engine.
enum TQNTCalcFunction : std::uint8_t {
  cfSin,
  cfArcSin,
  cfSinh,
  cfArSinh,
  cfCos,
  cfArcCos,
  cfCosh,
  cfArCosh,
  cfTan,
  cfArcTan,
  cfTanh,
  cfArTanh,
  cfLog,
  cfTenPower,
  cfLn,
  cfExp,
  cfLog2,
  cfTwoPower,
  cfSqrt,
  cfSquare,
  cfAbs,
  cfFloor,
  cfCeiling,
  cfSign,
  cfGamma,
  cfLnGamma,
  cfFunctionCount
};

/// Raises EMathError with the calculator text `id`.
[[noreturn]] void RaiseCalcError(TQNTCalcTextId id);

/// `r` when it is finite; otherwise raises "Floating point overflow" (an infinity) or "Invalid
/// floating point operation" (not a number).
inline Extended CheckedResult(Extended r) {
  if (!std::isfinite(r)) RaiseCalcError(std::isnan(r) ? ctFloatInvalid : ctFloatOverflow);
  return r;
}

/// The value of function `f` at `x`; trigonometric arguments and inverse-trigonometric results are in
/// `mode`. Raises EMathError for a refused argument or a result that is not a finite extended value.
Extended CalcFunctionValue(TQNTCalcFunction f, Extended x, TQNTAngleMode mode);

/// The history label of function `f`.
TQNTCalcTextId CalcFunctionLabel(TQNTCalcFunction f);

/// x to the power y (the "^" operator); 0 to a negative power is a division by zero.
Extended CalcPower(Extended x, Extended y);
/// The y-th root of x, computed as x to the power 1/y (the "@" operator).
Extended CalcRoot(Extended x, Extended y);
/// x / y; raises "Деление на ноль" when y is exactly 0.
Extended CalcDivide(Extended x, Extended y);

/// x rounded to `places` decimals (-18 .. 18; negative places round to tens, hundreds, ...), ties to
/// even on the scaled value. A value whose scaled form is beyond the 64-bit integer range is already
/// integral at that scale and comes back unchanged.
Extended CalcRound(Extended x, int places);

/// The natural logarithm of the gamma function; refused at 0 and at negative integers.
Extended CalcLnGamma(Extended x);
/// The gamma function; refused at 0 and at negative integers.
Extended CalcGamma(Extended x);

/// The process-wide pseudo-random generator: a value in [0, 1). Seeded once per process.
Extended CalcRandomValue();

}  // namespace qnt
