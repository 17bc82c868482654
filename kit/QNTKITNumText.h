// Number <-> text: the only place where the kit decides how numbers look (decimal places, thousand
// separators in western or lakh groups, plus sign, blank zero, trimming, scientific form) and how
// typed text reads back. Every routine reads FormatSettings and the DefaultShowPosSign /
// DefaultBlankWhenZero switches at the moment of the call.
//
// Number-to-text routines never raise (an internal failure yields empty text). ParseFloatText raises
// EConvertError for text that is not a number; its wrappers never raise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kit/QNTKITTypes.h"

namespace qnt {

/// The most decimals the fixed conversions show.
inline constexpr int kMaxDecimals = 18;

// ---------------------------------------------------------------------------------------------
// Zero, sign and tolerance tests (ZeroTolerance, RelativeTolerance).

bool IsZeroValue(Extended x);     ///< abs(x) < ZeroTolerance
bool IsNonZeroValue(Extended x);  ///< not IsZeroValue (a NaN counts as non-zero)
bool IsPositiveValue(Extended x); ///< x >= ZeroTolerance
bool IsNegativeValue(Extended x); ///< x <= -ZeroTolerance
int SignOfValue(Extended x);      ///< -1, 0 or 1 by the tests above
int SignOfInt64(std::int64_t n);  ///< -1, 0 or 1
/// RelativeTolerance when A or B is exactly 0, else min(|A|, |B|) * RelativeTolerance.
Extended ValueTolerance(Extended a, Extended b);
/// True when ValueTolerance(A, B) >= |B - A|.
bool SameValueWithin(Extended a, Extended b);

// ---------------------------------------------------------------------------------------------
// Number to text. Decimals is limited to 0..18.

std::u16string IntToSignedText(std::int32_t value);
std::u16string Int64ToSignedText(std::int64_t value);
std::u16string Int64ToGroupedText(std::int64_t value, bool lakh);
/// Fixed-point text of 18 significant digits with exactly `decimals` digits after the decimal
/// separator, ties rounded away from zero (0.125 at 2 decimals is "0.13"). Values whose integer part
/// needs more than 18 digits come out in scientific form ("1.00000000000000000E+25"); NaN and the
/// infinities as "NAN", "INF" and "-INF". A negative value whose shown digits are all zero has no sign.
std::u16string FloatToFixedText(Extended value, int decimals);
/// FloatToFixedText without trailing fractional zeros (and without a bare decimal separator).
std::u16string FloatToTrimmedText(Extended value, int decimals);
/// FloatToFixedText with the integer part grouped; the sign follows the value (-0.001 -> "-0.00").
std::u16string FloatToGroupedText(Extended value, int decimals, bool lakh);
/// FloatToGroupedText, trimmed as FloatToTrimmedText.
std::u16string FloatToTrimmedGroupedText(Extended value, int decimals, bool lakh);
/// decimals + 1 significant digits and a minimal exponent: 12345.678 at 2 decimals is "1.23E+4".
std::u16string FloatToScientificText(Extended value, int decimals);
/// Inserts thousand separators into a string of decimal digits (groups of three, or lakh groups).
void GroupDigits(std::u16string& digits, bool lakh);
/// Text being typed (sign, digits, fraction) with its thousand separators rebuilt.
std::u16string RegroupTypedNumber(std::u16string_view text, bool lakh);

// ---------------------------------------------------------------------------------------------
// Text to number.

/// Reads a number as typed: "%", thousand separators and surrounding blanks are dropped, brackets and
/// minus signs anywhere at the ends negate once, trailing "+", "-", "E", "e" and decimal separators
/// are ignored ("12." is 12). Returns false (value 0) for text with nothing left to read; raises
/// EConvertError for text that is not a number after that clean-up.
bool ParseFloatText(std::u16string_view text, Extended& value);
Extended TextToFloatOrZero(std::u16string_view text);
Extended TextToFloatOrDefault(std::u16string_view text, Extended defaultValue);
/// As TextToFloatOrDefault, and Default for values outside +-1.7E308.
double TextToDoubleOrDefault(std::u16string_view text, double defaultValue);
/// The strict platform integer syntax: optional sign, decimal digits, or hexadecimal after "$" (or
/// "0x"). Empty when the text is no such integer or a decimal value overflows 64 bits.
std::optional<std::int64_t> ParseInt64Text(std::u16string_view text);
std::int64_t TextToInt64(std::u16string_view text);
std::int32_t TextToIntClamped(std::u16string_view text);
std::int32_t TextToIntDef(std::u16string_view text, std::int32_t defaultValue);
std::uint16_t TextToWordClamped(std::u16string_view text);
/// The text without brackets and leading/trailing minus signs; Negative tells whether any was there.
std::u16string StripSignMarks(std::u16string_view text, bool& negative);

// ---------------------------------------------------------------------------------------------
// Exact forms for scripts (command-line output); locale-independent ASCII.

/// The shortest decimal text that reads back to the same 80-bit value ("1609.344", "1e+25").
std::string FloatToShortestText(Extended value);
/// The C99 hexadecimal form of the value, as printf's "%La" writes it ("0x8p-3" for 1).
std::string FloatToHexText(Extended value);

}  // namespace qnt
