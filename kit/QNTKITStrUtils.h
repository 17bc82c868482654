// Small string utilities of the kit's number routines and edits. Positions are 1-based, as the
// edits count them; a result position of 0 means "not found".
#pragma once

#include <string>
#include <string_view>

namespace qnt {

/// A blank is any character whose code is 32 or less.
constexpr bool IsBlank(char16_t c) { return c <= 32; }
constexpr bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

/// S without blanks at both ends.
std::u16string TrimBlanks(std::u16string_view s);
/// First position of Ch in S at or after Start (Start below 1 counts as 1); 0 when absent.
std::size_t CharPos(char16_t ch, std::u16string_view s, std::ptrdiff_t start = 1);
/// Position of the N-th occurrence of Ch at or after Start; 0 when N <= 0 or absent.
std::size_t CharPosNth(char16_t ch, std::u16string_view s, int n, std::ptrdiff_t start = 1);
/// N copies of Ch (empty for N <= 0).
std::u16string CharRun(char16_t ch, std::ptrdiff_t n);
/// N spaces.
std::u16string SpaceRun(std::ptrdiff_t n);
/// The first N characters of S (all of S when it is shorter).
std::u16string LeftChars(std::u16string_view s, std::ptrdiff_t n);
/// The last N characters of S (all of S when it is shorter).
std::u16string RightChars(std::u16string_view s, std::ptrdiff_t n);
/// Everything after the first N characters of S.
std::u16string TextAfterPos(std::u16string_view s, std::ptrdiff_t n);
/// S preceded by copies of Ch up to length Len; S unchanged when already that long.
std::u16string PadLeftChar(std::u16string_view s, char16_t ch, std::ptrdiff_t len);
/// S without any occurrence of Ch.
std::u16string StripChar(std::u16string_view s, char16_t ch);
/// S without trailing occurrences of Ch.
std::u16string StripTrailingChar(std::u16string_view s, char16_t ch);
/// S with every A replaced by B.
std::u16string ReplaceChar(std::u16string_view s, char16_t a, char16_t b);
/// S without the current thousand separator; with Trim also without blanks at both ends.
std::u16string StripThousandSeparators(std::u16string_view s, bool trim = false);

}  // namespace qnt
