// Numeric edits: filtering, sign toggling, separators, grouping, conversion, full accuracy, bounds.
#include "controls/QNTKITNumEdits.h"

#include <cmath>
#include <limits>

#include "controls/QNTKITControlTexts.h"
#include "controls/QNTKITKeys.h"
#include "controls/QNTKITUICtrl.h"
#include "kit/QNTKITNumText.h"
#include "kit/QNTKITStrUtils.h"
#include "kit/QNTKITStrings.h"

namespace qnt {

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

constexpr const char16_t* kComparisonPrefix[] = {u"= ", u"<> ", u"> ", u">= ", u"< ", u"<= "};

bool IsCursorKey(std::uint16_t key) {
  return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_HOME ||
         key == VK_END;
}

}  // namespace

// =============================================================================================
// TQNTBaseNumericEdit

TQNTBaseNumericEdit::TQNTBaseNumericEdit(QWidget* parent)
    : TQNTBaseEdit(parent),
      fHoldText(text()),
      fCustomThousands(FormatSettings.ThousandSeparator),
      fCustomDecimal(FormatSettings.DecimalSeparator) {}

void TQNTBaseNumericEdit::SetCustomThousands(char16_t value) {
  // The same character for both separators would make every number ambiguous.
  if (value == fCustomDecimal) return;
  Redisplay(fCustomThousands, value);
}

void TQNTBaseNumericEdit::SetCustomDecimal(char16_t value) { Redisplay(fCustomDecimal, value); }

void TQNTBaseNumericEdit::ClearNullOrSelection() {
  if (fNull) {
    SetNull(false);
    Clear();
  } else if (hasSelectedText()) {
    del();
  }
}

void TQNTBaseNumericEdit::KeyPress(char16_t& key) {
  const TOwnSeparators scope(*this);
  const char16_t dec = FormatSettings.DecimalSeparator;
  if (OnKeyPress) OnKeyPress(this, key);
  if (fNumPadPressed) {
    key = dec;
    fNumPadPressed = false;
  }
  if (key != 0 && !fReadOnly && IsAcceptedChar(key)) {
    const bool toggling = !fAllowAllChars && fUseSignToggling;
    if (key == u'+' && toggling) {
      ClearNullOrSelection();
      if (!Text().isEmpty()) {
        ConvertText();
        if (fIntValue < 0) fIntValue = -fIntValue;
        if (fFloatValue < 0) fFloatValue = -fFloatValue;
        key = 0;
        RefreshDisplay();
        setCursorPosition(static_cast<int>(text().size()));
      } else if (!fShowPosSign) {
        key = 0;
      }
      setModified(true);
    } else if (key == u'-' && toggling) {
      ClearNullOrSelection();
      if (!Text().isEmpty()) {
        ConvertText();
        if (fIntValue > 0) fIntValue = -fIntValue;
        if (fFloatValue > 0) fFloatValue = -fFloatValue;
        key = 0;
        RefreshDisplay();
        setCursorPosition(static_cast<int>(text().size()));
      }
      setModified(true);
    } else if (key == dec && !fAllowAllChars) {
      ClearNullOrSelection();
      if (text().contains(QChar(dec))) key = 0;  // one decimal separator at most
    } else if (fForceDecimals && IsAsciiDigit(key) && !fAllowAllChars) {
      // Count the decimals the text would have with the key typed in place of the selection.
      const QString current = text();
      const int start = SelStart();
      const QString after = current.left(start) + QChar(key) + current.mid(start + SelLength());
      const qsizetype p = after.indexOf(QChar(dec));
      if (p >= 0 && start > p && after.size() - p - 1 > fDecimals) key = 0;
    }
  }
  if (key != 0) FilterKey(key);
}

void TQNTBaseNumericEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  fHoldText = text();
  TQNTBaseEdit::KeyDown(key, shift);
}

void TQNTBaseNumericEdit::DoFocusEnter(Qt::FocusReason reason) {
  fHoldText = text();
  TQNTBaseEdit::DoFocusEnter(reason);
}

void TQNTBaseNumericEdit::AfterKeyUp(std::uint16_t& key, TShiftState shift) {
  if (fThousandSeparators == essAuto && text() != fHoldText) {
    fNoDisplayUpdate = true;
    struct Restore {
      bool& flag;
      ~Restore() { flag = false; }
    } restore{fNoDisplayUpdate};
    RegroupThousands();
  }
  if (!fAutoAdvance || shift == TShiftState{ssAlt} || key < 32 || IsCursorKey(key)) return;
  const QString t = text();
  if (fMaxLength > 0 && t.size() == fMaxLength) {
    MoveFocus(true);
    key = 0;
    return;
  }
  if (fAutoAdvDecimals) {
    const qsizetype p = t.indexOf(QChar(DecimalInForce()));
    if (p >= 0 && t.size() - p - 1 >= fDecimals) {
      MoveFocus(true);
      key = 0;
    }
  }
}

void TQNTBaseNumericEdit::RegroupThousands() {
  const TOwnSeparators scope(*this);
  const QString current = text();
  const int caret = cursorPosition();
  const qsizetype before = current.size();
  const std::u16string stripped = StripThousandSeparators(current.toStdU16String());
  if (stripped.empty()) return;
  const QString regrouped = Q(RegroupTypedNumber(stripped, fLakhFormatting));
  SetText(regrouped);
  deselect();
  setCursorPosition(
      std::clamp(caret + static_cast<int>(regrouped.size() - before), 0, static_cast<int>(regrouped.size())));
}

// =============================================================================================
// TQNTPosEdit

TQNTPosEdit::TQNTPosEdit(QWidget* parent) : TQNTBaseNumericEdit(parent) { RefreshDisplay(); }

std::int32_t TQNTPosEdit::AsInteger() {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(AsInt64()));
}

std::int64_t TQNTPosEdit::AsInt64() {
  ConvertText();
  return fIntValue;
}

std::uint32_t TQNTPosEdit::AsLongWord() { return static_cast<std::uint32_t>(AsInt64()); }

void TQNTPosEdit::SetAsInt64(std::int64_t value) {
  if (value == fIntValue && !fNull) return;
  fIntValue = value;
  if (fNull) SetNull(false);
  RefreshDisplay();
}

void TQNTPosEdit::SetAsFloat(Extended value) {
  // Out-of-range and NaN values have no integer; they are saturated (NaN as 0).
  constexpr Extended lo = static_cast<Extended>(std::numeric_limits<std::int64_t>::min());
  constexpr Extended hi = static_cast<Extended>(std::numeric_limits<std::int64_t>::max());
  std::int64_t n = 0;
  if (value >= hi)
    n = std::numeric_limits<std::int64_t>::max();
  else if (value <= lo)
    n = std::numeric_limits<std::int64_t>::min();
  else if (value == value)
    n = static_cast<std::int64_t>(value);
  SetAsInt64(n);
}

bool TQNTPosEdit::IsAcceptedChar(char16_t key) const {
  if (fAllowAllChars) return true;
  if (IsAsciiDigit(key) || key == u'+') return true;
  return fAllowThouSepInput && key == ThousandInForce();
}

bool TQNTPosEdit::TextOverflows(const std::u16string& t) const {
  std::size_t i = !t.empty() && (t[0] == u'+' || t[0] == u'-') ? 1 : 0;
  if (i == t.size()) return false;
  for (std::size_t k = i; k < t.size(); ++k)
    if (!IsAsciiDigit(t[k])) return false;
  return !ParseInt64Text(t).has_value();
}

void TQNTPosEdit::ConvertText() {
  if (fNull) {
    fIntValue = 0;
  } else {
    const TOwnSeparators scope(*this);
    const QString typed = Text();
    const std::u16string t = StripThousandSeparators(typed.toStdU16String(), true);
    if (t.empty()) {
      fIntValue = 0;
    } else if (const auto v = ParseInt64Text(t)) {
      fIntValue = *v;
    } else if (TextOverflows(t)) {
      // Digits beyond 64 bits read as the largest value of their sign, never as 0: a bound check or a
      // spin edit then sees a value beyond its bounds.
      fIntValue =
          t[0] == u'-' ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
    } else if (fCheckforErrors) {
      // Text that is no integer (pasted letters, say) is reported instead of silently becoming 0.
      throw EConvertError(FormatMessage(KitText(ktInvalidInteger), typed.toStdU16String()));
    }
    // Otherwise the value stays what it was until the edit is left.
  }
  SetSign(SignOfInt64(fIntValue));
}

void TQNTPosEdit::RefreshDisplay() {
  if (fNull) {
    TQNTBaseEdit::RefreshDisplay();
    return;
  }
  SetText(FormattedValue());
}

QString TQNTPosEdit::FormattedValue() const {
  QString shown;
  {
    TQNTGlobalOverride<bool> blank(DefaultBlankWhenZero, BlankWhenZero());
    TQNTGlobalOverride<bool> plus(DefaultShowPosSign, fShowPosSign);
    std::u16string t;
    if (fThousandSeparators != essNone) {
      const TOwnSeparators scope(*this);
      t = Int64ToGroupedText(fIntValue, fLakhFormatting);
    } else {
      t = Int64ToSignedText(fIntValue);
    }
    if (!t.empty() && fZeroPad && fMaxLength > 0) {
      if (fIntValue < 0 || (fIntValue > 0 && fShowPosSign)) {
        const char16_t sign = fIntValue < 0 ? u'-' : u'+';
        t = sign + PadLeftChar(TextAfterPos(t, 1), u'0', fMaxLength - 1);
      } else {
        t = PadLeftChar(t, u'0', fMaxLength);
      }
    }
    shown = Q(t);
  }
  return shown;
}

void TQNTPosEdit::ValidateBounds() {
  fBoundsValidationtype = evtNone;
  if (fIntValue < fBoundLower)
    fBoundsValidationtype = evtBelowLower;
  else if (!(fIntValue <= fBoundUpper))
    fBoundsValidationtype = evtAboveUpper;
  if (fBoundsValidationtype == evtNone) return;
  const bool below = fBoundsValidationtype == evtBelowLower;
  const QString message = ControlText(below ? ctBelowLowerBound : ctAboveUpperBound) +
                          Q(IntToSignedText(below ? fBoundLower : fBoundUpper));
  ReportBoundsError(message, true);
}

// =============================================================================================
// TQNTPosFloatEdit

TQNTPosFloatEdit::TQNTPosFloatEdit(QWidget* parent) : TQNTBaseNumericEdit(parent) { RefreshDisplay(); }

Extended TQNTPosFloatEdit::AsFloat() {
  ConvertText();
  return fFloatValue;
}

void TQNTPosFloatEdit::SetAsFloat(Extended value) {
  if (!(value < fFloatValue || value > fFloatValue) && !fNull) return;
  fFloatValue = value;
  if (fNull) SetNull(false);
  RefreshDisplay();
}

void TQNTPosFloatEdit::SetAsScaledFloat(Extended value) { SetAsFloat(value * fScale); }

void TQNTPosFloatEdit::SetAutoAdvDecimals(bool value) {
  fAutoAdvDecimals = value;
  if (value) SetAutoAdvance(true);
}

void TQNTPosFloatEdit::SetFullAccuracy(bool value) {
  fFullAccuracy = value;
  if (!value) ConvertText();
}

void TQNTPosFloatEdit::SetScale(Extended value) {
  value = std::fabs(value);
  if (IsZeroValue(value)) value = 1;
  Redisplay(fScale, value);
}

bool TQNTPosFloatEdit::IsAcceptedChar(char16_t key) const {
  if (fAllowAllChars) return true;
  if (IsAsciiDigit(key) || key == u'+') return true;
  if (fShowComparisonType && (key == u'<' || key == u'=' || key == u'>')) return true;
  if (fAllowThouSepInput && key == ThousandInForce()) return true;
  return fAllowDecSepInput && key == DecimalInForce();
}

QString TQNTPosFloatEdit::FormatNumber(Extended value) const {
  return FormatNumberAs(value, !fReadOnly && hasFocus() && fFullAccuracy && fFullAccuracyEdit);
}

QString TQNTPosFloatEdit::FormatNumberAs(Extended value, bool editing) const {
  const int decimals = editing ? kMaxDecimals : std::min(fDecimals, kMaxDecimals);
  TQNTGlobalOverride<bool> blank(DefaultBlankWhenZero, BlankWhenZero());
  TQNTGlobalOverride<bool> plus(DefaultShowPosSign, false);
  const TOwnSeparators scope(*this);
  const bool negative = !(value >= 0);
  const Extended magnitude = std::fabs(value);
  const bool trimmed = editing || fTrimTrailingZeroes;
  std::u16string t;
  if (fThousandSeparators != essNone)
    t = trimmed ? FloatToTrimmedGroupedText(magnitude, decimals, fLakhFormatting)
                : FloatToGroupedText(magnitude, decimals, fLakhFormatting);
  else
    t = trimmed ? FloatToTrimmedText(magnitude, decimals) : FloatToFixedText(magnitude, decimals);
  if (t.empty()) return {};
  if (fZeroPad && fMaxLength > 0) {
    const bool signed_ = negative || (value > 0 && fShowPosSign);
    t = PadLeftChar(t, u'0', signed_ ? fMaxLength - 1 : fMaxLength);
  }
  if (negative)
    t = NegAsBracketsInForce() ? u"(" + t + u")" : u"-" + t;
  else if (value > 0 && fShowPosSign)
    t = u"+" + t;
  if (fShowComparisonType) t = kComparisonPrefix[fComparisonType] + t;
  return Q(t);
}

void TQNTPosFloatEdit::RefreshDisplay() {
  if (fNull) {
    TQNTBaseEdit::RefreshDisplay();
    return;
  }
  SetText(FormatNumber(AsScaledFloat()));
}

void TQNTPosFloatEdit::StoreValue(Extended value) {
  if (value < fFloatValue || value > fFloatValue || (value == value) != (fFloatValue == fFloatValue))
    fFloatValue = value;
}

std::optional<Extended> TQNTPosFloatEdit::ValueOfText(const QString& text) {
  if (OnConvert) {
    Extended v = 0;
    if (fCheckforErrors) {
      OnConvert(this, text.toStdU16String(), v);
      return v;
    }
    // While typing, a handler that fails leaves the value alone; the exit reports it.
    try {
      OnConvert(this, text.toStdU16String(), v);
    } catch (const std::exception&) {
      return std::nullopt;
    }
    return v;
  }
  Extended v = 0;
  try {
    ParseFloatText(text.toStdU16String(), v);  // nothing left to read (empty, lone signs) gives 0
  } catch (const EConvertError&) {
    // Text that is no number is reported on exit instead of silently becoming 0; the value stays.
    if (fCheckforErrors) throw EConvertError(FormatMessage(KitText(ktInvalidFloat), text.toStdU16String()));
    return std::nullopt;
  }
  return v;
}

void TQNTPosFloatEdit::ConvertText() {
  const QString whole = Q(TrimBlanks(Text().toStdU16String()));
  QString t = whole;
  if (fShowComparisonType) {
    if (t.startsWith(u"<>")) {
      fComparisonType = ecNotEqual;
      t.remove(0, 2);
    } else if (t.startsWith(u"<=")) {
      fComparisonType = ecLessEq;
      t.remove(0, 2);
    } else if (t.startsWith(u">=")) {
      fComparisonType = ecGreaterEq;
      t.remove(0, 2);
    } else if (t.startsWith(u'=')) {
      fComparisonType = ecEqual;
      t.remove(0, 1);
    } else if (t.startsWith(u'>')) {
      fComparisonType = ecGreater;
      t.remove(0, 1);
    } else if (t.startsWith(u'<')) {
      fComparisonType = ecLess;
      t.remove(0, 1);
    }
  }
  const TOwnSeparators scope(*this);
  if (fNull) {
    fFloatValue = 0;
  } else if (fFullAccuracy) {
    // The text is unchanged when it is the value in either form the edit shows it in: with the
    // decimal places, or (while editing) with all 18 decimals. Either way it keeps every bit.
    const QString shown = FormatNumber(AsScaledFloat());
    const auto unchanged = [&](const QString& text) {
      return text == shown ||
             (fFullAccuracyEdit && !fReadOnly && text == FormatNumberAs(AsScaledFloat(), true));
    };
    if (OnConvert) {
      if (const auto v = ValueOfText(t)) {
        // The handler's value is the shown (scaled) value of the text.
        if (!unchanged(FormatNumber(*v))) StoreValue(*v * fScale);
      }
    } else if (!unchanged(whole)) {
      if (const auto v = ValueOfText(t)) StoreValue(*v * fScale);
    }
  } else if (const auto v = ValueOfText(t)) {
    StoreValue(*v * fScale);
  }
  SetSign(SignOfValue(fFloatValue));
}

void TQNTPosFloatEdit::DoFocusEnter(Qt::FocusReason reason) {
  if (!fReadOnly && fFullAccuracy && fFullAccuracyEdit) RefreshDisplay();
  TQNTBaseNumericEdit::DoFocusEnter(reason);
}

void TQNTPosFloatEdit::ValidateBounds() {
  fBoundsValidationtype = evtNone;
  if (fFloatValue < fBoundLower)
    fBoundsValidationtype = evtBelowLower;
  else if (!(fFloatValue <= fBoundUpper))
    fBoundsValidationtype = evtAboveUpper;
  if (fBoundsValidationtype == evtNone) return;
  const bool below = fBoundsValidationtype == evtBelowLower;
  QString bound;
  {
    const TOwnSeparators scope(*this);
    bound = Q(FloatToFixedText(below ? fBoundLower : fBoundUpper, std::min(fDecimals, kMaxDecimals)));
  }
  ReportBoundsError(ControlText(below ? ctBelowLowerBound : ctAboveUpperBound) + bound, true);
}

// =============================================================================================
// TQNTFloatEdit

TQNTFloatEdit::TQNTFloatEdit(QWidget* parent) : TQNTPosFloatEdit(parent) { RefreshDisplay(); }

bool TQNTFloatEdit::IsAcceptedChar(char16_t key) const {
  if (TQNTPosFloatEdit::IsAcceptedChar(key)) return true;
  if (!fAllowNegInput) return false;
  return key == u'-' || ((key == u'(' || key == u')') && NegAsBracketsInForce());
}

bool TQNTFloatEdit::NegAsBracketsInForce() const {
  return ResolveNegAsBrackets(Preferences(), fUIUsage, fNegAsBrackets);
}

}  // namespace qnt
