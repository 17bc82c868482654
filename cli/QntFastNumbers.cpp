// Fast number reading and writing for `qnt convert` streams. Both fall back to the kit's routines
// for anything outside their common cases, so the results never differ from the kit's.
#include "cli/QntFastNumbers.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITNumText.h"

namespace qnt::cli {
namespace {

using u128 = unsigned __int128;

constexpr std::array<Extended, 28> kExactPowersOfTen = [] {
  std::array<Extended, 28> p{};
  Extended v = 1;
  for (Extended& x : p) x = v, v *= 10;  // 10^27 still fits the 64-bit mantissa exactly
  return p;
}();

constexpr std::array<u128, 39> kPowersOfTen = [] {
  std::array<u128, 39> p{};
  u128 v = 1;
  for (u128& x : p) x = v, v *= 10;
  return p;
}();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Reading: the kit reads a plain number as one correctly rounded operation on its exact mantissa and
// an exact power of ten; so does this, for exactly the texts where the kit's clean-up changes nothing.

std::optional<Extended> ReadPlainNumber(std::string_view text) {
  const char16_t sep16 = FormatSettings.DecimalSeparator;
  const char16_t thousand = FormatSettings.ThousandSeparator;
  // A thousand separator that could be part of a plain number would be dropped by the kit first.
  if (thousand < 0x80 && (IsDigit(static_cast<char>(thousand)) || thousand == u'+' || thousand == u'-' ||
                          thousand == u'e' || thousand == u'E' || thousand == sep16))
    return std::nullopt;
  const int sep = sep16 < 0x80 ? static_cast<int>(sep16) : -1;
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint64_t mantissa = 0;
  int significant = 0, fractionDigits = 0, digits = 0;
  bool seenSep = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      ++digits;
      if (significant == 0 && c == '0') {
        if (seenSep) ++fractionDigits;
        continue;
      }
      if (significant == 19) return std::nullopt;
      mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
      ++significant;
      if (seenSep) ++fractionDigits;
    } else if (c == sep && !seenSep) {
      seenSep = true;
      if (i + 1 == n || !IsDigit(text[i + 1])) return std::nullopt;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  long exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
    const std::size_t start = i;
    for (; i < n && IsDigit(text[i]); ++i)
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
    if (i == start) return std::nullopt;
    if (expNegative) exponent = -exponent;
  }
  if (i != n) return std::nullopt;
  Extended value = 0;
  if (mantissa != 0) {
    const long scale = exponent - fractionDigits;
    if (scale < -27 || scale > 27) return std::nullopt;
    const Extended m = static_cast<Extended>(mantissa);
    value = scale >= 0 ? m * kExactPowersOfTen[static_cast<std::size_t>(scale)]
                       : m / kExactPowersOfTen[static_cast<std::size_t>(-scale)];
  }
  return negative ? -value : value;
}

// ---------------------------------------------------------------------------------------------
// Writing: the shortest digits by the free-format algorithm of Steele & White in the form of Burger &
// Dybvig, in exact 128-bit integer arithmetic. The value is r/s, its neighbours' midpoints lie m- below
// and m+ above; digits are produced until the text identifies the value. Values whose numbers would
// not fit 128 bits (below about 1E-18 or above about 1E35), zero, denormals, exact ties, infinities and
// NaN go to the kit's routine.

namespace {

struct TShortest {
  char digits[24];
  int count = 0;
  int exponent = 0;  // value = 0.d1d2...dn x 10^exponent
};

/// Two decimal digits at a time: floor(x / s) for x < 100 s, from a floating-point estimate of the
/// quotient taken from the top bits, corrected to the exact value (the estimate is off by one only
/// when x/s lies within about 1E-14 of an integer).
class TPairDivisor {
 public:
  explicit TPairDivisor(u128 s) : fS(s) {
    while ((s >> fShift) >> 56) ++fShift;
    fInverse = 1.0 / static_cast<double>(static_cast<std::uint64_t>(s >> fShift));
  }
  /// The quotient x / s (< 100); x keeps the remainder.
  unsigned Next(u128& x) const {
    std::uint64_t q =
        static_cast<std::uint64_t>(static_cast<double>(static_cast<std::uint64_t>(x >> fShift)) * fInverse);
    if (q > 99) q = 99;
    u128 qs = fS * q;
    if (qs > x) --q, qs -= fS;
    x -= qs;
    if (x >= fS) ++q, x -= fS;
    return static_cast<unsigned>(q);
  }

 private:
  u128 fS;
  int fShift = 0;
  double fInverse;
};

/// The state of the digit generation: the next digit is floor(R / s) (R < 10 s); the value's
/// neighbours' midpoints lie M- below and M+ above, at the scale of R.
struct TDigitState {
  u128 s, mPlus, mMinus;
  bool inclusive;  // a text on a midpoint reads back to this value (even mantissa)

  bool Low(u128 remainder, u128 mMinusHere) const {
    return inclusive ? remainder <= mMinusHere : remainder < mMinusHere;
  }
  bool High(u128 remainder, u128 mPlusHere) const {
    return inclusive ? remainder + mPlusHere >= s : remainder + mPlusHere > s;
  }
};

enum class TDigitEnd { More, Done, Refuse };

/// Emits digit d whose remainder is `remainder`, with the margins at its scale; Done when the digits
/// so far identify the value (the last one rounded to the nearer neighbour).
TDigitEnd EmitDigit(TShortest& out, const TDigitState& st, unsigned d, u128 remainder, u128 mPlus,
                    u128 mMinus) {
  const bool low = st.Low(remainder, mMinus);
  const bool up = st.High(remainder, mPlus);
  if (low && up) {
    if (remainder * 2 == st.s) return TDigitEnd::Refuse;  // an exact tie: leave it to the kit's rounding
    if (remainder * 2 > st.s) ++d;
  } else if (up) {
    ++d;
  }
  if (d > 9 || out.count >= 22) return TDigitEnd::Refuse;
  out.digits[out.count++] = static_cast<char>('0' + d);
  return low || up ? TDigitEnd::Done : TDigitEnd::More;
}

bool ShortestDigits(Extended value, TShortest& out) {
  unsigned char bytes[sizeof(Extended)];
  std::memcpy(bytes, &value, sizeof bytes);
  std::uint64_t f;
  std::memcpy(&f, bytes, 8);
  const int biased = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
  if (biased == 0 || biased == 0x7FFF || !(f >> 63)) return false;  // zero, denormal, inf, NaN
  const int e = biased - 16383 - 63;                                // value = f * 2^e
  if (e < -119 || e > 52) return false;                             // keeps 100 s below 2^128

  const bool powerOfTwo = f == (std::uint64_t{1} << 63);
  u128 r, s, mPlus, mMinus;
  if (e >= 0) {
    const u128 be = u128{1} << e;
    if (!powerOfTwo) {
      r = u128{f} * be * 2, s = 2, mPlus = be, mMinus = be;
    } else {
      r = u128{f} * be * 4, s = 4, mPlus = be * 2, mMinus = be;
    }
  } else if (!powerOfTwo) {
    r = u128{f} * 2, s = u128{1} << (1 - e), mPlus = 1, mMinus = 1;
  } else {
    r = u128{f} * 4, s = u128{1} << (2 - e), mPlus = 2, mMinus = 1;
  }

  // Estimate of the decimal exponent from the binary one: exact or one too low (fixed below).
  int k = static_cast<int>(std::ceil((63 + e) * 0.30102999566398119521 - 1e-10));
  if (k >= 0) {
    s *= kPowersOfTen[static_cast<std::size_t>(k)];
  } else {
    const u128 scale = kPowersOfTen[static_cast<std::size_t>(-k)];
    r *= scale, mPlus *= scale, mMinus *= scale;
  }
  TDigitState st{s, mPlus, mMinus, (f & 1) == 0};
  if (st.High(r, mPlus)) {
    ++k;
  } else {
    r *= 10, mPlus *= 10, mMinus *= 10;
  }
  out.exponent = k;
  out.count = 0;
  const TPairDivisor divisor(s);
  for (;;) {
    // Both digits of 10 R / s at once; the first one's remainder follows from its digit.
    u128 rest = r * 10;
    const unsigned q = divisor.Next(rest);
    const unsigned d1 = q / 10, d2 = q % 10;
    TDigitEnd end = EmitDigit(out, st, d1, r - s * d1, mPlus, mMinus);
    if (end != TDigitEnd::More) return end == TDigitEnd::Done;
    mPlus *= 10, mMinus *= 10;
    end = EmitDigit(out, st, d2, rest, mPlus, mMinus);
    if (end != TDigitEnd::More) return end == TDigitEnd::Done;
    r = rest * 10, mPlus *= 10, mMinus *= 10;
  }
}

/// The digits written as printf's "%f" would with just these digits, or as "%e": whichever is shorter,
/// the fixed form on a tie.
/// False for a whole number of 20 digits or more in the fixed form: the kit writes its exact digits.
bool AppendDigits(std::string& out, const TShortest& d, bool negative) {
  const int n = d.count, k = d.exponent;
  const int exp10 = k - 1;  // scientific exponent
  const int absExp = exp10 < 0 ? -exp10 : exp10;
  const int sciLength = n + (n > 1 ? 1 : 0) + 2 + (absExp >= 100 ? 3 : 2);
  int fixedLength;
  if (k <= 0)
    fixedLength = 2 - k + n;  // "0." zeros digits
  else if (k < n)
    fixedLength = n + 1;
  else
    fixedLength = k;
  if (fixedLength <= sciLength && k > n && k >= 20) return false;
  if (negative) out += '-';
  if (fixedLength <= sciLength) {
    if (k <= 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-k), '0');
      out.append(d.digits, static_cast<std::size_t>(n));
    } else if (k < n) {
      out.append(d.digits, static_cast<std::size_t>(k));
      out += '.';
      out.append(d.digits + k, static_cast<std::size_t>(n - k));
    } else {
      out.append(d.digits, static_cast<std::size_t>(n));
      out.append(static_cast<std::size_t>(k - n), '0');
    }
    return true;
  }
  out += d.digits[0];
  if (n > 1) {
    out += '.';
    out.append(d.digits + 1, static_cast<std::size_t>(n - 1));
  }
  out += exp10 < 0 ? "e-" : "e+";
  if (absExp < 10) out += '0';
  out += std::to_string(absExp);
  return true;
}

}  // namespace

void AppendShortestText(std::string& out, Extended value) {
  TShortest digits;
  if (ShortestDigits(std::fabs(value), digits) && AppendDigits(out, digits, std::signbit(value))) return;
  out += FloatToShortestText(value);
}

}  // namespace qnt::cli
