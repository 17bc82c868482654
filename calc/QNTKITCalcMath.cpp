// The numerics of the calculator's functions. Every routine works in 80-bit extended precision with
// the long double functions of the C library; the comments say where a routine differs from the
// textbook formula and why.
#include "calc/QNTKITCalcMath.h"

#include <chrono>
#include <cmath>
#include <iterator>
#include <random>

#include "kit/QNTKITNumText.h"

namespace qnt {

namespace {

// Angle conversion factors (80-bit values).
constexpr Extended kDegToRad = 1.7453292519943295769E-2L;
constexpr Extended kRadToDeg = 57.29577951308232088L;
constexpr Extended kInvPi = 0.31830988618379067154L;
constexpr Extended kGradToRad = kCalcPi * 0.005L;
constexpr Extended kRadToGrad = kInvPi * 200;

constexpr Extended kTwoPow63 = 9.223372036854775808E18L;

Extended ToRadians(Extended x, TQNTAngleMode mode) {
  switch (mode) {
    case amDegrees: return x * kDegToRad;
    case amGradiants: return x * kGradToRad;
    case amRadians: break;
  }
  return x;
}

Extended FromRadians(Extended x, TQNTAngleMode mode) {
  switch (mode) {
    case amDegrees: return x * kRadToDeg;
    case amGradiants: return x * kRadToGrad;
    case amRadians: break;
  }
  return x;
}

/// The platform's float comparison with its default tolerance (1E-16, relative above 1).
bool PlatformSameValue(Extended a, Extended b) {
  const Extended resolution = 1E-16L;
  const Extended epsilon = std::fmax(std::fmin(std::fabs(a), std::fabs(b)) * resolution, resolution);
  return std::fabs(a - b) <= epsilon;
}

Extended ArcSin(Extended x) {
  if (std::fabs(x) > 1) RaiseCalcError(ctNotReal);
  if (IsZeroValue(x)) return 0;
  if (PlatformSameValue(x, 1)) return kCalcPi / 2;
  if (PlatformSameValue(x, -1)) return -kCalcPi / 2;
  return std::atan2(x, std::sqrt(1 - x * x));
}

Extended ArcCos(Extended x) {
  if (std::fabs(x) > 1) RaiseCalcError(ctAtMostOne);
  if (IsZeroValue(x)) return kCalcPi / 2;
  if (PlatformSameValue(x, 1)) return 0;
  if (PlatformSameValue(x, -1)) return kCalcPi;
  return std::atan2(std::sqrt(1 - x * x), x);
}

Extended Tangent(Extended radians) {
  // The processor's tangent instruction accepts magnitudes below 2^63 only.
  if (!(std::fabs(radians) < kTwoPow63)) RaiseCalcError(ctAngleTooLarge);
  return std::tan(radians);
}

Extended CheckedPositive(Extended x) {
  if (!IsPositiveValue(x)) RaiseCalcError(ctMustBePositive);
  return x;
}

/// log10(x), exact where the answer is a whole number: the library's log10 is within an ulp, which
/// would show log 1000 as 3.0000000000000000002.
Extended CommonLog(Extended x) {
  const Extended r = std::log10(x);
  const Extended k = std::nearbyint(r);
  if (k >= 0 && k <= 27) {
    Extended power = 1;  // 10^k is exact up to 10^27
    for (int i = 0; i < static_cast<int>(k); ++i) power *= 10;
    if (power == x) return k;
  }
  return r;
}

Extended NaturalLog(Extended x) {
  if (x < 0) RaiseCalcError(ctFloatInvalid);
  if (x == 0) RaiseCalcError(ctFloatZeroDivide);
  return std::log(x);
}

/// 2^x as the processor builds it: 2^f for the fraction f = x - round(x), scaled by 2^round(x).
Extended TwoPower(Extended x) {
  if (x > 16400) RaiseCalcError(ctFloatOverflow);
  if (x < -16500) return 0;  // below the smallest denormal: underflow is not an error
  const Extended r = std::nearbyint(x);
  return std::scalbn(std::exp2(x - r), static_cast<int>(r));
}

bool IsNegativeInteger(Extended x) { return IsNegativeValue(x) && SameValueWithin(x, std::trunc(x)); }

void CheckGammaDomain(Extended x) {
  if (IsZeroValue(x) || IsNegativeInteger(x)) RaiseCalcError(ctUndefined);
}

/// 1/gamma(x) for negative x: the power series of 1/gamma on the fractional part, then the recurrence
/// down to x.
Extended ReciprocalGammaNegative(Extended x) {
  static constexpr Extended kC[] = {1.0L,
                                    0.5772156649015329L,
                                    -0.6558780715202538L,
                                    -0.0420026350340952L,
                                    0.1665386113822915L,
                                    -0.0421977345555443L,
                                    -0.009621971527877L,
                                    0.007218943246663L,
                                    -0.0011651675918591L,
                                    -0.0002152416741149L,
                                    0.0001280502823882L,
                                    -0.0000201348547807L,
                                    -0.0000012504934821L,
                                    0.000001133027232L,
                                    -0.0000002056338417L,
                                    0.000000006116095L,
                                    0.0000000050020075L,
                                    -0.0000000011812746L,
                                    1.043427E-10L,
                                    7.7823E-12L,
                                    -3.6968E-12L,
                                    5.1E-13L,
                                    -2.06E-14L,
                                    -5.4E-15L,
                                    1.4E-15L,
                                    1E-16L};
  static_assert(std::size(kC) == 26);
  Extended z = x - std::trunc(x);
  if (z == 0) z = SignOfValue(x);
  Extended s = 0;
  for (std::size_t k = std::size(kC); k-- > 0;) s = (s + kC[k]) * z;  // sum of c(k) z^k, k = 1..26
  // Each step multiplies by a factor of magnitude 1 or more, so once the product is infinite the
  // gamma value is below the smallest extended value: stop there instead of stepping on down to x
  // (a value like -1E15 + 0.5 would otherwise take 10^15 steps).
  while (x < z && std::isfinite(s)) {
    z -= 1;
    s *= z;
  }
  return s;
}

}  // namespace

void RaiseCalcError(TQNTCalcTextId id) { throw EMathError(std::u16string(CalcText(id))); }

Extended CalcPower(Extended x, Extended y) {
  if (x == 0 && y < 0) RaiseCalcError(ctFloatZeroDivide);
  return CheckedResult(std::pow(x, y));
}

Extended CalcRoot(Extended x, Extended y) {
  if (y == 0) RaiseCalcError(ctFloatZeroDivide);
  return CalcPower(x, 1 / y);
}

Extended CalcDivide(Extended x, Extended y) {
  if (y == 0) RaiseCalcError(ctDivisionByZero);
  return CheckedResult(x / y);
}

Extended CalcRound(Extended x, int places) {
  if (places < -18 || places > 18) RaiseCalcError(ctRoundPlaces);
  if (IsZeroValue(x)) return 0;
  Extended f = 1;
  for (int i = 0; i < (places < 0 ? -places : places); ++i) f *= 10;  // exact up to 10^27
  if (places < 0) f = 1 / f;
  const Extended scaled = x * f;
  if (!(std::fabs(scaled) < kTwoPow63)) return x;
  return std::nearbyint(scaled) / f;  // the default rounding mode: ties to even
}

Extended CalcLnGamma(Extended x) {
  CheckGammaDomain(x);
  constexpr Extended kC1 = -4.166666666554424E-2L;
  constexpr Extended kC2 = 2.430554511376954E-3L;
  constexpr Extended kC3 = -7.685928044064347E-4L;
  constexpr Extended kC4 = 5.660478426014386E-4L;
  constexpr Extended kD = 0.9189385332046727L;  // ln sqrt(2 pi)
  Extended b = x >= 0 ? x : 1 - x;
  Extended a = 1;
  while (b <= 10) {
    a *= b;
    b += 1;
  }
  b -= 0.5L;
  const Extended f = 1 / (b * b);
  const Extended r = b * (std::log(b) - 1 + f * (f * (f * (f * kC4 + kC3) + kC2) + kC1)) + kD - std::log(a);
  if (x >= 0) return CheckedResult(r);
  // Reflection: gamma(x) gamma(1 - x) = pi / sin(pi x). Where gamma(x) is negative its logarithm is
  // not real, and the logarithm below fails as an invalid operation.
  const Extended q = kCalcPi / std::sin(kCalcPi * x);
  if (!(q > 0)) RaiseCalcError(ctFloatInvalid);
  return CheckedResult(std::log(q) - r);
}

Extended CalcGamma(Extended x) {
  CheckGammaDomain(x);
  if (x > 0) return CheckedResult(std::exp(CalcLnGamma(x)));
  const Extended g = ReciprocalGammaNegative(x);
  if (IsZeroValue(g)) RaiseCalcError(ctUndefined);
  return CheckedResult(1 / g);
}

Extended CalcFunctionValue(TQNTCalcFunction f, Extended x, TQNTAngleMode mode) {
  switch (f) {
    case cfSin: return CheckedResult(std::sin(ToRadians(x, mode)));
    case cfCos: return CheckedResult(std::cos(ToRadians(x, mode)));
    case cfTan: return CheckedResult(Tangent(ToRadians(x, mode)));
    case cfArcSin: return FromRadians(ArcSin(x), mode);
    case cfArcCos: return FromRadians(ArcCos(x), mode);
    case cfArcTan: return FromRadians(std::atan(x), mode);
    // The library's hyperbolic functions stay accurate where e^x - e^-x cancels (small x) and where
    // e^x overflows although the result does not (tanh of large x).
    case cfSinh: return CheckedResult(std::sinh(x));
    case cfCosh: return CheckedResult(std::cosh(x));
    case cfTanh: return CheckedResult(std::tanh(x));
    case cfArSinh: return CheckedResult(std::asinh(x));
    case cfArCosh:
      if (x < 1) RaiseCalcError(ctUndefined);
      return CheckedResult(std::acosh(x));
    case cfArTanh:
      if (!(std::fabs(x) < 1)) RaiseCalcError(ctUndefined);
      return CheckedResult(std::atanh(x));
    // The processor's logarithm instructions compute y * log2(x) with one rounding; log10 and log2
    // of the library are their faithful counterparts.
    case cfLog: return CommonLog(CheckedPositive(x));
    case cfLog2: return std::log2(CheckedPositive(x));
    case cfLn: return NaturalLog(x);
    case cfTenPower: return CheckedResult(std::pow(10.0L, x));
    case cfExp: return CheckedResult(std::exp(x));
    case cfTwoPower: return CheckedResult(TwoPower(x));
    case cfSqrt:
      if (x < 0) RaiseCalcError(ctNegativeRoot);
      return std::sqrt(x);
    case cfSquare: return CheckedResult(x * x);
    case cfAbs: return std::fabs(x);
    // Truncation in the float type itself: values beyond the 64-bit range are already integral.
    case cfFloor: {
      const Extended t = std::trunc(x);
      return x >= t ? t : t - 1;
    }
    case cfCeiling: {
      const Extended t = std::trunc(x);
      return x > t ? t + 1 : t;
    }
    case cfSign: return SignOfValue(x);
    case cfGamma: return CalcGamma(x);
    case cfLnGamma: return CalcLnGamma(x);
    case cfFunctionCount: break;
  }
  RaiseCalcError(ctInvalidEquation);
}

TQNTCalcTextId CalcFunctionLabel(TQNTCalcFunction f) {
  static constexpr TQNTCalcTextId kLabels[] = {
      ctLabelSin,   ctLabelArcSin,   ctLabelSinh, ctLabelArSinh, ctLabelCos,     ctLabelArcCos,
      ctLabelCosh,  ctLabelArCosh,   ctLabelTan,  ctLabelArcTan, ctLabelTanh,    ctLabelArTanh,
      ctLabelLog,   ctLabelTenPower, ctLabelLn,   ctLabelExp,    ctLabelLog2,    ctLabelTwoPower,
      ctLabelSqrt,  ctLabelSquare,   ctLabelAbs,  ctLabelFloor,  ctLabelCeiling, ctLabelSign,
      ctLabelGamma, ctLabelLnGamma};
  static_assert(std::size(kLabels) == cfFunctionCount);
  return f < cfFunctionCount ? kLabels[f] : ctLabelRound;
}

Extended CalcRandomValue() {
  // Seeded once per process: re-seeding from the clock on every key repeats values within one tick.
  static std::mt19937_64 generator = [] {
    std::random_device device;
    std::seed_seq seed{
        static_cast<std::uint64_t>(device()), static_cast<std::uint64_t>(device()),
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    return std::mt19937_64(seed);
  }();
  // 64 random bits scaled by 2^-64: exact in the 64-bit mantissa, so never rounded up to 1.
  return static_cast<Extended>(generator()) * 0x1p-64L;
}

}  // namespace qnt
