// String utilities of the kit.
#include "kit/QNTKITStrUtils.h"

#include <algorithm>

#include "kit/QNTKITDefaults.h"

namespace qnt {

std::u16string TrimBlanks(std::u16string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return std::u16string(s.substr(b, e - b));
}

std::size_t CharPos(char16_t ch, std::u16string_view s, std::ptrdiff_t start) {
  const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
  if (from >= s.size()) return 0;
  const std::size_t p = s.find(ch, from);
  return p == std::u16string_view::npos ? 0 : p + 1;
}

std::size_t CharPosNth(char16_t ch, std::u16string_view s, int n, std::ptrdiff_t start) {
  if (n <= 0) return 0;
  std::size_t p = 0;
  std::ptrdiff_t from = start;
  for (int i = 0; i < n; ++i) {
    p = CharPos(ch, s, from);
    if (p == 0) return 0;
    from = static_cast<std::ptrdiff_t>(p) + 1;
  }
  return p;
}

std::u16string CharRun(char16_t ch, std::ptrdiff_t n) {
  return n > 0 ? std::u16string(static_cast<std::size_t>(n), ch) : std::u16string();
}

std::u16string SpaceRun(std::ptrdiff_t n) { return CharRun(u' ', n); }

std::u16string LeftChars(std::u16string_view s, std::ptrdiff_t n) {
  if (n <= 0) return {};
  return std::u16string(s.substr(0, static_cast<std::size_t>(n)));
}

std::u16string RightChars(std::u16string_view s, std::ptrdiff_t n) {
  if (n <= 0) return {};
  const auto k = std::min(s.size(), static_cast<std::size_t>(n));
  return std::u16string(s.substr(s.size() - k));
}

std::u16string TextAfterPos(std::u16string_view s, std::ptrdiff_t n) {
  if (n <= 0) return std::u16string(s);
  if (static_cast<std::size_t>(n) >= s.size()) return {};
  return std::u16string(s.substr(static_cast<std::size_t>(n)));
}

std::u16string PadLeftChar(std::u16string_view s, char16_t ch, std::ptrdiff_t len) {
  const auto size = static_cast<std::ptrdiff_t>(s.size());
  return size >= len ? std::u16string(s) : CharRun(ch, len - size) + std::u16string(s);
}

std::u16string StripChar(std::u16string_view s, char16_t ch) {
  std::u16string r;
  r.reserve(s.size());
  for (char16_t c : s)
    if (c != ch) r += c;
  return r;
}

std::u16string StripTrailingChar(std::u16string_view s, char16_t ch) {
  std::size_t e = s.size();
  while (e > 0 && s[e - 1] == ch) --e;
  return std::u16string(s.substr(0, e));
}

std::u16string ReplaceChar(std::u16string_view s, char16_t a, char16_t b) {
  std::u16string r(s);
  std::replace(r.begin(), r.end(), a, b);
  return r;
}

std::u16string StripThousandSeparators(std::u16string_view s, bool trim) {
  std::u16string r = StripChar(s, FormatSettings.ThousandSeparator);
  return trim ? TrimBlanks(r) : r;
}

}  // namespace qnt
