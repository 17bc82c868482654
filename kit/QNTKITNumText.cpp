// Number <-> text routines of the kit. The digits come from std::to_chars / std::from_chars, which
// ignore the C library's locale; separators come from FormatSettings only.
#include "kit/QNTKITNumText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cctype>
#include <cstdio>
#include <limits>

#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITStrUtils.h"
#include "kit/QNTKITStrings.h"

namespace qnt {

namespace {

constexpr int kSignificant = 18;  // digits of the platform's fixed conversion

int ClampDecimals(int decimals) { return std::clamp(decimals, 0, kMaxDecimals); }

std::u16string Ascii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

/// The 18 significant digits of a finite, non-zero value, correctly rounded, and its exponent:
/// value = 0.d0 d1 ... d17 * 10^(exponent + 1), d0 != 0.
struct TDigits {
  std::array<char, kSignificant> d{};
  int exponent = 0;
};

TDigits Render18(Extended magnitude) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, kSignificant - 1);
  // Shape: "d.ddddddddddddddddde[+-]xx..."
  TDigits out;
  const char* p = buf;
  out.d[0] = *p++;
  ++p;  // '.'
  for (int i = 1; i < kSignificant; ++i) out.d[static_cast<std::size_t>(i)] = *p++;
  ++p;  // 'e'
  int exp = 0;
  std::from_chars(p[0] == '+' ? p + 1 : p, r.ptr, exp);
  out.exponent = exp;
  return out;
}

/// Rounds a digit string at `keep` digits, half away from zero; returns the kept digits, which grow
/// by one ("999" -> "1000") when the carry runs off the left end. `keep` may be 0 (the result is "1"
/// or "" for a value below half a unit).
std::string RoundDigits(const TDigits& digits, int keep, bool& carried) {
  carried = false;
  if (keep >= kSignificant) {
    std::string s(digits.d.begin(), digits.d.end());
    s.append(static_cast<std::size_t>(keep - kSignificant), '0');
    return s;
  }
  if (keep < 0) return {};
  std::string s(digits.d.begin(), digits.d.begin() + keep);
  if (digits.d[static_cast<std::size_t>(keep)] >= '5') {
    int i = keep - 1;
    while (i >= 0 && s[static_cast<std::size_t>(i)] == '9') s[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++s[static_cast<std::size_t>(i)];
    } else {
      s.insert(s.begin(), '1');
      carried = true;
    }
  }
  return s;
}

std::u16string NonFiniteText(Extended value) {
  if (std::isnan(value)) return u"NAN";
  return value < 0 ? u"-INF" : u"INF";
}

/// Scientific text: `significant` digits (1 or more, zeros past the 18th), exponent of minimal width.
std::u16string ScientificDigits(Extended value, int significant) {
  const char16_t sep = FormatSettings.DecimalSeparator;
  std::u16string out;
  if (value < 0) out += u'-';
  std::string mantissa;
  int exponent = 0;
  if (value == 0) {
    mantissa.assign(static_cast<std::size_t>(significant), '0');
  } else {
    TDigits digits = Render18(std::fabs(value));
    bool carried = false;
    mantissa = RoundDigits(digits, significant, carried);
    exponent = digits.exponent + (carried ? 1 : 0);
    mantissa.resize(static_cast<std::size_t>(significant), '0');
  }
  out += static_cast<char16_t>(mantissa[0]);
  if (significant > 1) {
    out += sep;
    out += Ascii(std::string_view(mantissa).substr(1));
  }
  out += u'E';
  out += exponent < 0 ? u'-' : u'+';
  out += Ascii(std::to_string(exponent < 0 ? -exponent : exponent));
  return out;
}

/// The platform's fixed conversion without sign switches: 18 significant digits, `decimals` places.
std::u16string FixedConversion(Extended value, int decimals) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const char16_t sep = FormatSettings.DecimalSeparator;
  std::string scaled;  // the value times 10^decimals, rounded, as decimal digits
  if (value != 0) {
    const TDigits digits = Render18(std::fabs(value));
    if (digits.exponent >= kSignificant) return ScientificDigits(value, kSignificant);
    bool carried = false;
    scaled = RoundDigits(digits, digits.exponent + decimals + 1, carried);
  }
  const bool allZero = scaled.find_first_not_of('0') == std::string::npos;
  if (scaled.size() <= static_cast<std::size_t>(decimals))
    scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
  const std::size_t intLen = scaled.size() - static_cast<std::size_t>(decimals);
  std::u16string out;
  if (value < 0 && !allZero) out += u'-';
  out += Ascii(std::string_view(scaled).substr(0, intLen));
  if (decimals > 0) {
    out += sep;
    out += Ascii(std::string_view(scaled).substr(intLen));
  }
  return out;
}

bool IsScientific(std::u16string_view text) { return text.find(u'E') != std::u16string_view::npos; }

std::u16string TrimFraction(std::u16string text) {
  if (IsScientific(text) || text.find(FormatSettings.DecimalSeparator) == std::u16string::npos) return text;
  while (!text.empty() && text.back() == u'0') text.pop_back();
  if (!text.empty() && text.back() == FormatSettings.DecimalSeparator) text.pop_back();
  return text;
}

template <class F>
std::u16string NeverRaise(F&& f) noexcept {
  try {
    return f();
  } catch (...) {
    return {};
  }
}

// 10^k for k = 0..27: every one of them is exact in 64 bits of mantissa (5^27 < 2^64).
constexpr std::array<Extended, 28> kExactPowers = [] {
  std::array<Extended, 28> p{};
  Extended v = 1;
  for (auto& x : p) {
    x = v;
    v *= 10;
  }
  return p;
}();

/// The strict float syntax: [+-] digits [sep digits] [(e|E) [+-] digits], at least one mantissa
/// digit. Raises EConvertError for anything else, and for overflow; underflow reads as zero.
Extended StrictTextToFloat(std::u16string_view text) {
  const char16_t sep = FormatSettings.DecimalSeparator;
  auto fail = [&]() -> Extended {
    throw EConvertError(FormatMessage(KitText(ktInvalidFloat), std::u16string(text)));
  };
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool negative = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  std::uint64_t mantissa = 0;  // first 19 significant digits (exact in 64 bits)
  int significant = 0;         // significant digits seen (after leading zeros)
  int dropped = 0;             // significant digits past the 19th, before the separator
  int fractionDigits = 0;      // digits kept into `mantissa` after the separator
  bool exactMantissa = true;   // no non-zero digit was dropped
  int digits = 0;
  bool seenSep = false;
  for (; i < n; ++i) {
    const char16_t c = text[i];
    if (IsAsciiDigit(c)) {
      ++digits;
      const unsigned d = static_cast<unsigned>(c - u'0');
      if (significant == 0 && d == 0) {
        if (seenSep) ++fractionDigits;
        continue;
      }
      if (significant < 19) {
        mantissa = mantissa * 10 + d;
        ++significant;
        if (seenSep) ++fractionDigits;
      } else {
        if (d != 0) exactMantissa = false;
        if (!seenSep) ++dropped;
      }
    } else if (c == sep && !seenSep) {
      seenSep = true;
    } else {
      break;
    }
  }
  if (digits == 0) return fail();
  long long exponent = 0;
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) expNegative = text[i++] == u'-';
    const std::size_t expStart = i;
    for (; i < n && IsAsciiDigit(text[i]); ++i)
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - u'0');
    if (i == expStart) return fail();
    if (expNegative) exponent = -exponent;
  }
  if (i != n) return fail();

  Extended value = 0;
  if (mantissa != 0) {
    const long long scale = exponent + dropped - fractionDigits;  // value = mantissa * 10^scale
    if (exactMantissa && scale >= -27 && scale <= 27) {
      // One correctly rounded operation on exact operands.
      const Extended m = static_cast<Extended>(mantissa);
      value = scale >= 0 ? m * kExactPowers[static_cast<std::size_t>(scale)]
                         : m / kExactPowers[static_cast<std::size_t>(-scale)];
    } else {
      std::string ascii;
      ascii.reserve(n);
      for (std::size_t k = negative || text[0] == u'+' ? 1 : 0; k < n; ++k)
        ascii += text[k] == sep ? '.' : static_cast<char>(text[k]);
      auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
      if (ec == std::errc::result_out_of_range) {
        // Decimal exponent of the leading significant digit decides overflow or underflow.
        const long long magnitude = scale + significant - 1;
        if (magnitude > 0) return fail();
        value = 0;
      } else if (ec != std::errc() || ptr != ascii.data() + ascii.size()) {
        return fail();
      }
    }
  }
  return negative ? -value : value;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Tests.

bool IsZeroValue(Extended x) { return std::fabs(x) < ZeroTolerance; }
bool IsNonZeroValue(Extended x) { return !IsZeroValue(x); }
bool IsPositiveValue(Extended x) { return x >= ZeroTolerance; }
bool IsNegativeValue(Extended x) { return x <= -ZeroTolerance; }
int SignOfValue(Extended x) { return IsNegativeValue(x) ? -1 : IsZeroValue(x) ? 0 : 1; }
int SignOfInt64(std::int64_t n) { return (n > 0) - (n < 0); }

Extended ValueTolerance(Extended a, Extended b) {
  if (a == 0 || b == 0) return RelativeTolerance;
  return std::min(std::fabs(a), std::fabs(b)) * RelativeTolerance;
}

bool SameValueWithin(Extended a, Extended b) { return ValueTolerance(a, b) >= std::fabs(b - a); }

// ---------------------------------------------------------------------------------------------
// Number to text.

std::u16string IntToSignedText(std::int32_t value) { return Int64ToSignedText(value); }

std::u16string Int64ToSignedText(std::int64_t value) {
  return NeverRaise([&] {
    if (DefaultBlankWhenZero && value == 0) return std::u16string();
    std::u16string out = Ascii(std::to_string(value));
    if (DefaultShowPosSign && value > 0) out.insert(out.begin(), u'+');
    return out;
  });
}

std::u16string Int64ToGroupedText(std::int64_t value, bool lakh) {
  return NeverRaise([&] {
    if (DefaultBlankWhenZero && value == 0) return std::u16string();
    // The magnitude of the minimum value does not fit the type: take it through unsigned arithmetic.
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::u16string digits = Ascii(std::to_string(magnitude));
    GroupDigits(digits, lakh);
    if (value < 0)
      digits.insert(digits.begin(), u'-');
    else if (value > 0 && DefaultShowPosSign)
      digits.insert(digits.begin(), u'+');
    return digits;
  });
}

void GroupDigits(std::u16string& digits, bool lakh) {
  const char16_t sep = FormatSettings.ThousandSeparator;
  const std::size_t len = digits.size();
  if (len <= 3) return;
  std::u16string out;
  out.reserve(len + len / 2);
  // Sizes of the groups from the left: a leading group, then twos (lakh) or threes, then a last three.
  std::size_t lead;
  if (!lakh) {
    lead = (len - 1) % 3 + 1;
  } else {
    lead = (len - 4) % 2 + 1;
  }
  out.append(digits, 0, lead);
  std::size_t pos = lead;
  while (pos < len) {
    const std::size_t size = (!lakh || len - pos == 3) ? 3 : 2;
    out += sep;
    out.append(digits, pos, size);
    pos += size;
  }
  digits.swap(out);
}

std::u16string FloatToFixedText(Extended value, int decimals) {
  return NeverRaise([&] {
    if (DefaultBlankWhenZero && IsZeroValue(value)) return std::u16string();
    std::u16string out = FixedConversion(value, ClampDecimals(decimals));
    if (DefaultShowPosSign && value > 0) out.insert(out.begin(), u'+');
    return out;
  });
}

std::u16string FloatToTrimmedText(Extended value, int decimals) {
  return NeverRaise([&] {
    std::u16string out = FloatToFixedText(value, decimals);
    return ClampDecimals(decimals) == 0 ? out : TrimFraction(std::move(out));
  });
}

std::u16string FloatToGroupedText(Extended value, int decimals, bool lakh) {
  return NeverRaise([&] {
    if (DefaultBlankWhenZero && IsZeroValue(value)) return std::u16string();
    if (!std::isfinite(value)) return NonFiniteText(value);
    std::u16string text;
    {
      TQNTGlobalOverride<bool> noPlus(DefaultShowPosSign, false);
      text = FloatToFixedText(std::fabs(value), decimals);
    }
    const std::size_t p = text.find(FormatSettings.DecimalSeparator);
    std::u16string integer = text.substr(0, p);
    const std::u16string fraction = p == std::u16string::npos ? std::u16string() : text.substr(p);
    GroupDigits(integer, lakh);
    if (!(value >= 0))
      integer.insert(integer.begin(), u'-');
    else if (value > 0 && DefaultShowPosSign)
      integer.insert(integer.begin(), u'+');
    return integer + fraction;
  });
}

std::u16string FloatToTrimmedGroupedText(Extended value, int decimals, bool lakh) {
  return NeverRaise([&] {
    std::u16string out = FloatToGroupedText(value, decimals, lakh);
    return ClampDecimals(decimals) == 0 ? out : TrimFraction(std::move(out));
  });
}

std::u16string FloatToScientificText(Extended value, int decimals) {
  return NeverRaise([&] {
    if (DefaultBlankWhenZero && IsZeroValue(value)) return std::u16string();
    if (!std::isfinite(value)) return NonFiniteText(value);
    return ScientificDigits(value, ClampDecimals(decimals) + 1);
  });
}

std::u16string RegroupTypedNumber(std::u16string_view text, bool lakh) {
  return NeverRaise([&] {
    std::u16string s = StripThousandSeparators(text, true);
    if (s.empty()) return s;
    const char16_t sep = FormatSettings.ThousandSeparator;
    std::size_t pos = s.find(FormatSettings.DecimalSeparator);  // 0-based index of the separator
    if (pos == std::u16string::npos) pos = s.size();
    // Built from the right: the fraction as it stands, then the walk leftwards over the rest, where a
    // separator goes in right after a character that makes the digit run longer than the group.
    std::u16string reversed(s.rbegin(), s.rend() - static_cast<std::ptrdiff_t>(pos));
    reversed.reserve(s.size() + s.size() / 2);
    int run = 0;
    int group = 3;
    while (pos > 0) {
      --pos;
      run = IsAsciiDigit(s[pos]) ? run + 1 : 0;
      if (run > group) {
        reversed += sep;
        run = 1;
        if (lakh) group = 2;
      }
      reversed += s[pos];
    }
    s.assign(reversed.rbegin(), reversed.rend());
    return s;
  });
}

// ---------------------------------------------------------------------------------------------
// Text to number.

std::u16string StripSignMarks(std::u16string_view text, bool& negative) {
  negative = false;
  std::u16string s = TrimBlanks(text);
  std::u16string noBrackets;
  noBrackets.reserve(s.size());
  for (char16_t c : s) {
    if (c == u'(' || c == u')')
      negative = true;
    else
      noBrackets += c;
  }
  s = TrimBlanks(noBrackets);
  std::size_t b = 0, e = s.size();
  while (b < e && s[b] == u'-') ++b, negative = true;
  while (e > b && s[e - 1] == u'-') --e, negative = true;
  return TrimBlanks(std::u16string_view(s).substr(b, e - b));
}

bool ParseFloatText(std::u16string_view text, Extended& value) {
  value = 0;
  std::u16string s = TrimBlanks(StripThousandSeparators(StripChar(text, u'%')));
  if (s.empty()) return false;
  bool negative = false;
  s = StripSignMarks(s, negative);
  if (s.empty()) return false;
  const char16_t sep = FormatSettings.DecimalSeparator;
  while (!s.empty()) {
    const char16_t c = s.back();
    if (c != u'+' && c != u'-' && c != u'E' && c != u'e' && c != sep) break;
    s.pop_back();
    s = TrimBlanks(s);
  }
  if (s.empty()) return false;
  const Extended parsed = StrictTextToFloat(s);
  value = negative ? -parsed : parsed;
  return true;
}

Extended TextToFloatOrZero(std::u16string_view text) { return TextToFloatOrDefault(text, 0); }

Extended TextToFloatOrDefault(std::u16string_view text, Extended defaultValue) {
  try {
    Extended value = 0;
    return ParseFloatText(text, value) ? value : defaultValue;
  } catch (...) {
    return defaultValue;
  }
}

double TextToDoubleOrDefault(std::u16string_view text, double defaultValue) {
  const Extended r = TextToFloatOrDefault(text, defaultValue);
  return (r >= -1.7E308L && r <= 1.7E308L) ? static_cast<double>(r) : defaultValue;
}

std::optional<std::int64_t> ParseInt64Text(std::u16string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool negative = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  bool hex = false;
  if (i < n && text[i] == u'$') {
    hex = true, ++i;
  } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    hex = true, i += 2;
  }
  if (i == n) return std::nullopt;
  std::uint64_t magnitude = 0;
  if (hex) {
    // Up to 16 hexadecimal digits; the bit pattern is taken as a signed 64-bit value.
    std::size_t count = 0;
    for (; i < n; ++i) {
      const char16_t c = text[i];
      unsigned d;
      if (IsAsciiDigit(c))
        d = static_cast<unsigned>(c - u'0');
      else if (c >= u'a' && c <= u'f')
        d = static_cast<unsigned>(c - u'a' + 10);
      else if (c >= u'A' && c <= u'F')
        d = static_cast<unsigned>(c - u'A' + 10);
      else
        return std::nullopt;
      if (magnitude != 0 || d != 0) ++count;
      if (count > 16) return std::nullopt;
      magnitude = (magnitude << 4) | d;
    }
    const auto v = static_cast<std::int64_t>(magnitude);
    return negative ? static_cast<std::int64_t>(std::uint64_t{0} - magnitude) : v;
  }
  const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
  for (; i < n; ++i) {
    if (!IsAsciiDigit(text[i])) return std::nullopt;
    const auto d = static_cast<std::uint64_t>(text[i] - u'0');
    if (magnitude > (limit - d) / 10) return std::nullopt;
    magnitude = magnitude * 10 + d;
  }
  return negative ? static_cast<std::int64_t>(std::uint64_t{0} - magnitude) : static_cast<std::int64_t>(magnitude);
}

namespace {
std::optional<std::int64_t> ReadInteger(std::u16string_view text) {
  return ParseInt64Text(StripThousandSeparators(text, true));
}
}  // namespace

std::int64_t TextToInt64(std::u16string_view text) { return ReadInteger(text).value_or(0); }

std::int32_t TextToIntClamped(std::u16string_view text) {
  const auto v = ReadInteger(text);
  if (!v) return 0;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(*v, std::numeric_limits<std::int32_t>::min(),
                                                             std::numeric_limits<std::int32_t>::max()));
}

std::int32_t TextToIntDef(std::u16string_view text, std::int32_t defaultValue) {
  const auto v = ReadInteger(text);
  if (!v || *v < std::numeric_limits<std::int32_t>::min() || *v > std::numeric_limits<std::int32_t>::max())
    return defaultValue;
  return static_cast<std::int32_t>(*v);
}

std::uint16_t TextToWordClamped(std::u16string_view text) {
  const auto v = ReadInteger(text);
  if (!v) return 0;
  return static_cast<std::uint16_t>(std::clamp<std::int64_t>(*v, 0, 65535));
}

// ---------------------------------------------------------------------------------------------
// Exact forms.

std::string FloatToShortestText(Extended value) {
  char buf[128];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

std::string FloatToHexText(Extended value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buf[64];
  const int n = std::snprintf(buf, sizeof buf, "%La", value);
  std::string s(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
  // The radix character follows LC_NUMERIC; the C99 form always has '.'.
  for (char& c : s)
    if (c != 'x' && c != 'p' && c != '+' && c != '-' && !std::isxdigit(static_cast<unsigned char>(c))) c = '.';
  return s;
}

}  // namespace qnt
