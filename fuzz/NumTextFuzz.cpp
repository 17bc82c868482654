// Fuzzes the kit's number readers and writers: any text under any separator pair reads without a
// crash, and whatever reads as a number formats back to text that reads as the same number.
#include <cmath>
#include <limits>

#include "fuzz/FuzzSupport.h"
#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITNumText.h"
#include "kit/QNTKITStrUtils.h"

using namespace qnt;
using qnt::fuzz::TBytes;

namespace {

constexpr char16_t kSeparators[] = {u'.', u',', u' ', u'\'', u'\u00A0', u'_', u'\u066B', u'\u202F'};

std::string Show(std::u16string_view s) { return ToUtf8(s); }

void CheckFormatsReadBack(Extended v) {
  if (!std::isfinite(v)) return;
  const std::u16string fixed = FloatToFixedText(v, 18);
  QNT_FUZZ_CHECK(!fixed.empty(), "empty fixed text");
  Extended back = 0;
  bool ok = false;
  const Extended mag = std::fabs(v);
  try {
    ok = ParseFloatText(fixed, back);
  } catch (const EConvertError&) {
    // Only the largest values may round, at 18 digits, past the largest extended value.
    if (mag > 1.1897314953572317e4932L) return;
    qnt::fuzz::Violated("fixed text reads back", Show(fixed));
  }
  QNT_FUZZ_CHECK(ok, Show(fixed));
  // 18 significant digits, or 18 decimals for small values (see the round-trip test for the bound).
  const Extended tolerance = mag * 1e-17L + 1e-18L;
  QNT_FUZZ_CHECK(std::fabs(back - v) <= tolerance, Show(fixed));
  for (int d : {0, 2, 7, 18}) {
    const Extended plain = TextToFloatOrDefault(FloatToFixedText(v, d), -1);
    for (bool lakh : {false, true}) {
      const std::u16string grouped = FloatToGroupedText(v, d, lakh);
      QNT_FUZZ_CHECK(TextToFloatOrDefault(grouped, -2) == plain, Show(grouped));
      const std::u16string trimmed = FloatToTrimmedGroupedText(v, d, lakh);
      QNT_FUZZ_CHECK(TextToFloatOrDefault(trimmed, -2) == plain, Show(trimmed));
    }
    QNT_FUZZ_CHECK(!FloatToScientificText(v, d).empty(), "empty scientific text");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TBytes bytes(data, size);
  const std::uint8_t mode = bytes.Byte();
  FormatSettings.DecimalSeparator = kSeparators[mode % std::size(kSeparators)];
  FormatSettings.ThousandSeparator = kSeparators[(mode / 8) % std::size(kSeparators)];
  if (FormatSettings.ThousandSeparator == FormatSettings.DecimalSeparator) FormatSettings.ThousandSeparator = u'\x7F';
  DefaultShowPosSign = (mode & 0x40) != 0;
  DefaultBlankWhenZero = false;

  if (mode & 0x80) {
    // Raw 80-bit patterns, including the ones the processor does not support (unnormals).
    const auto v = bytes.Raw<long double>();
    for (int d : {0, 5, 18, 200}) {
      (void)FloatToFixedText(v, d);
      (void)FloatToTrimmedText(v, d);
      (void)FloatToGroupedText(v, d, d == 5);
      (void)FloatToScientificText(v, d);
    }
    CheckFormatsReadBack(v);
    return 0;
  }

  const std::u16string text = FromUtf8(bytes.Rest());
  Extended value = 0;
  bool ok = false;
  try {
    ok = ParseFloatText(text, value);
  } catch (const EConvertError&) {
    QNT_FUZZ_CHECK(value == 0, "value left non-zero after a failed read");
  }
  QNT_FUZZ_CHECK(ok || value == 0, "value without success");
  if (ok) {
    QNT_FUZZ_CHECK(!std::isnan(value), Show(text));
    QNT_FUZZ_CHECK(TextToFloatOrDefault(text, 7) == value, Show(text));
    CheckFormatsReadBack(value);
  }
  (void)TextToDoubleOrDefault(text, 1.5);

  // Regrouping only moves thousand separators: without them the text is the stripped input.
  for (bool lakh : {false, true}) {
    const std::u16string regrouped = RegroupTypedNumber(text, lakh);
    QNT_FUZZ_CHECK(StripThousandSeparators(regrouped) == StripThousandSeparators(text, true), Show(text));
  }

  // Integer readers: in range, and a read integer writes back to the same integer.
  const auto n = ParseInt64Text(StripThousandSeparators(text, true));
  const std::int32_t def = TextToIntDef(text, 12345);
  const std::int32_t clamped = TextToIntClamped(text);
  (void)TextToWordClamped(text);
  if (n) {
    QNT_FUZZ_CHECK(TextToInt64(text) == *n, Show(text));
    QNT_FUZZ_CHECK(ParseInt64Text(Int64ToSignedText(*n)) == n, Show(text));
    QNT_FUZZ_CHECK(TextToInt64(Int64ToGroupedText(*n, (mode & 1) != 0)) == *n, Show(text));
    if (*n >= INT32_MIN && *n <= INT32_MAX) QNT_FUZZ_CHECK(def == *n && clamped == *n, Show(text));
  } else {
    QNT_FUZZ_CHECK(def == 12345 && clamped == 0, Show(text));
  }
  return 0;
}
