// The calculation engine: entry, operand and operator stacks, operators with and without precedence,
// brackets, equals, percent, memory, toggles, angle mode, display formatting, the history tape, the
// notifications and the error path. The function keys are in QNTKITCalcEngineFunctions.cpp.
#include "calc/QNTKITCalcEngine.h"

#include <cmath>
#include <new>

#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITNumText.h"
#include "kit/QNTKITStrUtils.h"

namespace qnt {

namespace {

constexpr std::size_t kInitialStackLength = 10;

bool IsBinaryOperator(char16_t c) {
  return c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'^' || c == u'@' || c == u'%';
}

bool IsFunctionCode(char16_t c) {
  switch (c) {
    case u'C':
    case u'c':
    case u'D':
    case u'd':
    case u'S':
    case u's':
    case u'R':
    case u'r':
    case u'T':
    case u't':
    case u'U':
    case u'u':
    case u'L':
    case u'l':
    case u'N':
    case u'n':
    case u'W':
    case u'w':
    case u'Q':
    case u'q':
    case u'a':
    case u'f':
    case u'i':
    case u'g':
    case u'G':
    case u'A': return true;
    default: return false;
  }
}

bool HasDigit(std::u16string_view s) {
  for (char16_t c : s)
    if (IsAsciiDigit(c)) return true;
  return false;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Construction, guard, notifications.

TQNTCalcEngine::TQNTCalcEngine(TBare) : fDisplayValue(u"0") {}

TQNTCalcEngine::TQNTCalcEngine() : TQNTCalcEngine(TBare{}) {
  fOperandStack.resize(kInitialStackLength);
  fOperatorStack.resize(kInitialStackLength);
}

TQNTCalcEngine::TQNTCalcEngine(TValueOnly) : TQNTCalcEngine() { fValueOnly = true; }

void TQNTCalcEngine::ResetValueOnly() {
  // Every field back to its initial value (the member initialisers), the stacks keeping their storage.
  TQNTFloatVector operands = std::move(fOperandStack);
  std::vector<char16_t> operators = std::move(fOperatorStack);
  *this = TQNTCalcEngine(TBare{});
  fOperandStack = std::move(operands);
  fOperatorStack = std::move(operators);
  fValueOnly = true;
}

std::shared_ptr<IQNTCalcEngine> TQNTCalcEngine::Create() { return std::make_shared<TQNTCalcEngine>(); }

void TQNTCalcEngine::GuardedCall(void (*body)(void*), void* context,
                                 std::optional<TQNTCalcTextId> label) noexcept {
  try {
    body(context);
  } catch (const EQNTError& e) {
    ErrorPath(e.Message(), label);
  } catch (const std::bad_alloc&) {
    ErrorPath(CalcText(ctOutOfMemory), label);
  } catch (const std::exception& e) {
    std::u16string message;
    try {
      message = FromUtf8(e.what());
    } catch (...) {
    }
    ErrorPath(message.empty() ? CalcText(ctUnexpectedError) : std::u16string_view(message), label);
  } catch (...) {
    ErrorPath(CalcText(ctUnexpectedError), label);
  }
}

void TQNTCalcEngine::ErrorPath(std::u16string_view message, std::optional<TQNTCalcTextId> label) noexcept {
  // An error raised by a notification handler while the error path runs is not reported again.
  if (fInErrorPath) return;
  fInErrorPath = true;
  std::u16string text;
  try {
    text.assign(message);
  } catch (...) {
  }
  try {
    AllClearCore();
  } catch (...) {
  }
  // Whatever a handler did above, the engine is left cleared.
  fInv = fHyp = false;
  fOperandN = fOperatorN = -1;
  fValue.clear();
  fLastCh = u' ';
  fHistoryStack.clear();
  fLastHistoryAccess = -1;
  try {
    ShowText(CalcText(ctError));
  } catch (...) {
  }
  fLastError.swap(text);
  try {
    if (label) AddHistory(*label, false);
    AddHistory(ctErrorLine, false);
  } catch (...) {
  }
  try {
    Notify(fOnError);
  } catch (...) {
  }
  fInErrorPath = false;
}

void TQNTCalcEngine::Notify(const TQNTCalcNotifyEvent& event) {
  if (!event) return;
  const TQNTCalcNotifyEvent handler = event;  // the handler may replace itself while it runs
  handler(this);
}

// ---------------------------------------------------------------------------------------------
// Display.

void TQNTCalcEngine::ShowText(std::u16string_view text) {
  if (fValueOnly) return;
  if (!fThouSep) {
    fDisplayValue.assign(text);
  } else {
    // Digit groups in the mantissa only: "1E4932" keeps its exponent as typed.
    const std::size_t p = text.find(u'E');
    fDisplayValue = RegroupTypedNumber(text.substr(0, p), fLakhFormatting);
    if (p != std::u16string_view::npos) fDisplayValue += text.substr(p);
  }
  Notify(fOnDisplay);
}

void TQNTCalcEngine::ShowValue(Extended x) {
  if (!fValueOnly) ShowText(FormatValue(x));
}

void TQNTCalcEngine::ShowTopOrZero() {
  if (fOperandN >= 0)
    ShowValue(TopOperand());
  else
    ShowText(u"0");
}

std::u16string TQNTCalcEngine::FormatValueWith(Extended x, int decimals) const {
  const bool scientific =
      fSciUsage && (!fSciRange || (!IsZeroValue(x) && (std::fabs(x) <= fSciMin || std::fabs(x) >= fSciMax)));
  if (scientific) return FloatToScientificText(x, decimals);
  if (fTrimTrailingZeroes && fThouSep) return FloatToTrimmedGroupedText(x, decimals, fLakhFormatting);
  if (fTrimTrailingZeroes) return FloatToTrimmedText(x, decimals);
  if (fThouSep) return FloatToGroupedText(x, decimals, fLakhFormatting);
  return FloatToFixedText(x, decimals);
}

std::u16string TQNTCalcEngine::FormatValue(Extended x) const {
  // A text longer than the maximum display length shows fewer decimals (rounded), then scientific
  // form with as many digits as fit; digits are never cut off the end (a cut value reads wrong).
  const std::size_t limit = fMaxCharLen;
  const int decimals = fDecimals < kMaxDecimals ? fDecimals : kMaxDecimals;
  std::u16string text = FormatValueWith(x, decimals);
  if (limit == 0 || text.size() <= limit) return text;
  for (int d = decimals - 1; d >= 0; --d) {
    text = FormatValueWith(x, d);
    if (text.size() <= limit) return text;
  }
  for (int d = kMaxDecimals - 1; d >= 0; --d) {
    text = FloatToScientificText(x, d);
    if (text.size() <= limit) return text;
  }
  return text;  // not even one digit fits: the shortest scientific form
}

// ---------------------------------------------------------------------------------------------
// Stacks and the entry.

void TQNTCalcEngine::PushOperand(Extended x) {
  if (fOperandN >= static_cast<int>(fOperandStack.size()) - 1)
    fOperandStack.resize(static_cast<std::size_t>(fOperandN) + 5);
  fOperandStack[static_cast<std::size_t>(++fOperandN)] = x;
}

void TQNTCalcEngine::PushOperator(char16_t op) {
  if (fOperatorN >= static_cast<int>(fOperatorStack.size()) - 1)
    fOperatorStack.resize(static_cast<std::size_t>(fOperatorN) + 5);
  fOperatorStack[static_cast<std::size_t>(++fOperatorN)] = op;
}

Extended TQNTCalcEngine::EntryValue() const {
  // The entry is built by the keys: [sign] digits, thousand separators and one decimal separator,
  // then optionally "E" [sign] digits. Plain integers (the common case) are read directly.
  const std::u16string& e = fValue;
  const std::size_t n = e.size();
  std::size_t i = 0;
  bool negative = false;
  for (; i < n && (e[i] == u'-' || e[i] == u'+'); ++i)
    if (e[i] == u'-') negative = !negative;
  {
    std::uint64_t m = 0;
    std::size_t j = i;
    for (; j < n && j - i < 19 && IsAsciiDigit(e[j]); ++j) m = m * 10 + static_cast<unsigned>(e[j] - u'0');
    if (j == n && j > i) {
      const auto v = static_cast<Extended>(m);  // exact: at most 19 digits
      return negative ? -v : v;
    }
  }
  if (!HasDigit(e)) return 0;  // a sign or separator alone reads as (positive) zero
  const Extended v = ReadEntryText(std::u16string_view(e).substr(i));
  return negative ? -v : v;
}

Extended TQNTCalcEngine::ReadEntryText(std::u16string_view e) {
  const std::size_t n = e.size();
  std::size_t i = 0;
  const char16_t dec = FormatSettings.DecimalSeparator;
  const char16_t thou = FormatSettings.ThousandSeparator;
  std::u16string mantissa, exponent;
  bool inExponent = false, seenDec = false, exponentNegative = false;
  for (; i < n; ++i) {
    const char16_t c = e[i];
    if (c == thou && c != dec) continue;
    if (!inExponent) {
      if (IsAsciiDigit(c)) {
        mantissa += c;
      } else if (c == dec && !seenDec) {
        mantissa += c;
        seenDec = true;
      } else if (c == u'E' || c == u'e') {
        inExponent = true;
      }
    } else if (IsAsciiDigit(c)) {
      exponent += c;
    } else if (c == u'-' && exponent.empty()) {
      exponentNegative = !exponentNegative;
    }
  }
  if (!HasDigit(mantissa)) return 0;
  if (!exponent.empty()) {
    mantissa += u'E';
    if (exponentNegative) mantissa += u'-';
    mantissa += exponent;
  }
  Extended v = 0;
  try {
    ParseFloatText(mantissa, v);
  } catch (const EConvertError&) {
    RaiseCalcError(ctFloatOverflow);  // the only way a well-formed entry fails to read
  }
  return v;
}

Extended TQNTCalcEngine::GetDisplayValue() {
  if (!fValue.empty()) {
    try {
      return EntryValue();
    } catch (...) {
      fValue.clear();
      return 0;
    }
  }
  return fOperandN >= 0 ? TopOperand() : 0;
}

void TQNTCalcEngine::AppendToEntry(char16_t ch) {
  if (fLastCh == u'=') {
    ClearToggles();
    fOperandN = fOperatorN = -1;
    fValue.clear();
    fLastCh = u' ';
  }
  const bool sign = ch == u'+' || ch == u'-';
  if (sign && !(fLastCh == u'E' && !fValue.empty() && fValue.back() == u'E')) {
    // A sign goes in front. One already there combines with it ("-" before "-5" or "+5" leaves "5",
    // "+" before "-5" leaves "-5"), so the entry never carries more than one leading sign.
    if (!fValue.empty() && (fValue.front() == u'-' || fValue.front() == u'+')) {
      if (ch == u'-') fValue.erase(0, 1);
    } else {
      fValue.insert(fValue.begin(), ch);
    }
  } else {
    fValue += ch;
  }
  ShowText(fValue);
  ClearToggles();
  fLastCh = ch;
}

void TQNTCalcEngine::CommitEntry() {
  if (fValue.empty()) return;
  const Extended v = EntryValue();
  PushOperand(v);
  AddHistoryValue(v);
  fValue.clear();
}

void TQNTCalcEngine::InputDigit(TQNTZeroToNine Digit) {
  if (Digit > 9) return;
  Guarded([&] {
    if (fValue == u"0") fValue.clear();
    AppendToEntry(static_cast<char16_t>(u'0' + Digit));
    // A nonzero digit in a mantissa of modest length leaves the entry nonzero and finite: nothing to
    // check. Otherwise read it: a digit that makes the number overflow takes the error path.
    if (Digit != 0 && fValue.size() < 1000 && fValue.find(u'E') == std::u16string::npos) return;
    const Extended v = EntryValue();
    if (fValue.find(FormatSettings.DecimalSeparator) == std::u16string::npos && v == 0)
      fValue = !fValue.empty() && fValue.front() == u'-' ? u"-0" : u"0";
  });
}

void TQNTCalcEngine::InputDecimalSeparator() {
  Guarded([&] {
    fLastCh = u'.';
    // A separator in the exponent would make the entry unreadable: it is ignored there, as a second
    // separator is.
    if (fValue.find(FormatSettings.DecimalSeparator) == std::u16string::npos &&
        fValue.find(u'E') == std::u16string::npos) {
      if (fValue.empty()) fValue = u"0";
      fValue += FormatSettings.DecimalSeparator;
    }
    ClearToggles();
    ShowText(fValue);
  });
}

void TQNTCalcEngine::InputThousandsSeparator() {
  Guarded([&] {
    fLastCh = u',';
    if (!fValue.empty()) fValue += FormatSettings.ThousandSeparator;
    ClearToggles();
    ShowText(fValue);
  });
}

void TQNTCalcEngine::InputBackspace() {
  Guarded([&] {
    if (!fValue.empty()) {
      fValue.pop_back();
      ShowText(fValue);
    }
    ClearToggles();
  });
}

void TQNTCalcEngine::DoExp() {
  Guarded([&] {
    if (fValue.find(u'E') != std::u16string::npos) return;
    // An exponent needs a mantissa to read as a number: "E" alone becomes "0E", as it reads.
    if (!HasDigit(fValue)) fValue += u'0';
    fValue += u'E';
    ShowText(fValue);
    ClearToggles();
    fLastCh = u'E';
  });
}

void TQNTCalcEngine::DoChangeSign() {
  Guarded([&] {
    if (!fValue.empty()) {
      const std::size_t p = fValue.find(u'E');
      if (p != std::u16string::npos) {
        const std::int64_t negated = -static_cast<std::int64_t>(TextToIntClamped(fValue.substr(p + 1)));
        const auto exponent = static_cast<std::int32_t>(negated > INT32_MAX ? INT32_MAX : negated);
        fValue.resize(p + 1);
        fValue += exponent == 0 ? std::u16string(u"-") : IntToSignedText(exponent);
        (void)EntryValue();  // a positive exponent may now overflow
      } else if (EntryValue() == 0) {
        fValue = u"-";
      } else if (fValue.front() == u'-') {
        fValue.erase(0, 1);
      } else if (fValue.front() == u'+') {
        fValue.front() = u'-';
      } else {
        fValue.insert(fValue.begin(), u'-');
      }
      ShowText(fValue);
      fLastCh = u' ';
    } else {
      const Extended v = fOperandN >= 0 ? -TopOperand() : 0;
      ShowValue(v);
      fValue.clear();
      PushOperand(v);
      AddHistory(ctChangeSign, false);
      fLastCh = u' ';
    }
  });
}

// ---------------------------------------------------------------------------------------------
// Operators.

bool TQNTCalcEngine::InFunctionSet(char16_t ch) const {
  return IsFunctionCode(ch) || (ch == u'%' && !fBinaryPercent);
}

bool TQNTCalcEngine::InSignSet(char16_t ch) const {
  switch (ch) {
    case u'(':
    case u'*':
    case u'+':
    case u'-':
    case u'/':
    case u'@':
    case u'^':
    case u'E': return true;
    default: return InFunctionSet(ch);
  }
}

bool TQNTCalcEngine::BindsTighter(char16_t op, char16_t top) const {
  if (top == u'(' || InFunctionSet(op)) return true;
  if (!fPrecedence) return false;
  const bool topAdditive = top == u'+' || top == u'-';
  if ((op == u'*' || op == u'/') && topAdditive) return true;
  return (op == u'%' || op == u'@' || op == u'^') && (topAdditive || top == u'*' || top == u'/');
}

void TQNTCalcEngine::InputOperator(char16_t op) {
  bool signed_ = false;
  Guarded([&] {
    if ((op == u'+' || op == u'-') && ((fValue.empty() && fOperandN < 0) || InSignSet(fLastCh))) {
      signed_ = true;  // a sign at the start, after an operator, "(" or the exponent key
      AppendToEntry(op);
    }
  });
  if (signed_) return;
  Guarded([&] {
    CommitEntry();
    while (fOperatorN >= 0 && !BindsTighter(op, fOperatorStack[static_cast<std::size_t>(fOperatorN)]))
      ApplyTopOperator();
    PushOperator(op);
    ShowTopOrZero();
  });
  Guarded([&] {
    if (op == u'@')
      AddHistory(ctRootLabel, true);
    else if (op == u'^')
      AddHistory(ctPowerLabel, true);
    else
      AddHistory(std::u16string_view(&op, 1), true);
    ClearToggles();
    fLastCh = op;
  });
}

void TQNTCalcEngine::ApplyTopOperator() {
  Guarded([&] { ApplyTopOperatorUnguarded(); });
}

void TQNTCalcEngine::ApplyTopOperatorUnguarded() {
  if (fOperatorN < 0) return;
  const char16_t op = fOperatorStack[static_cast<std::size_t>(fOperatorN)];
  if (IsBinaryOperator(op)) {
    if (fOperandN < 1) RaiseCalcError(ctInvalidEquation);
    const Extended y = TopOperand();
    const Extended x = fOperandStack[static_cast<std::size_t>(fOperandN - 1)];
    Extended r = 0;
    switch (op) {
      case u'+': r = CheckedResult(x + y); break;
      case u'-': r = CheckedResult(x - y); break;
      case u'*': r = CheckedResult(x * y); break;
      case u'/': r = CalcDivide(x, y); break;
      case u'^': r = CalcPower(x, y); break;
      case u'@': r = CalcRoot(x, y); break;
      default:  // "%"
        r = CheckedResult(0.01L * x * y);
        if (!fBinaryPercent) {  // unary percent: y becomes x percent of y, x stays
          ReplaceTopOperand(r);
          ShowValue(r);
          --fOperatorN;
          return;
        }
    }
    --fOperandN;
    ReplaceTopOperand(r);
  } else if (IsFunctionCode(op)) {
    // A function keyed in prefix mode with nothing to apply it to ("sin" then "=").
    if (fOperandN < 0) RaiseCalcError(ctInvalidEquation);
    ApplyFunctionCode(op);
  }
  --fOperatorN;
}

void TQNTCalcEngine::DoAdd() { InputOperator(u'+'); }
void TQNTCalcEngine::DoSubtract() { InputOperator(u'-'); }
void TQNTCalcEngine::DoMultiply() { InputOperator(u'*'); }
void TQNTCalcEngine::DoDivide() { InputOperator(u'/'); }

void TQNTCalcEngine::DoPower() {
  InputOperator(fInv ? u'@' : u'^');
  Guarded([&] { ClearToggles(); });
}

void TQNTCalcEngine::InputLeftBracket() {
  Guarded([&] {
    if (fValue == u"-") {  // "-(" is minus one times the bracket
      InputDigit(1);
      DoMultiply();
    }
    fValue.clear();
    PushOperator(u'(');
    ShowTopOrZero();
    AddHistory(u"(", true);
    fLastCh = u'(';
  });
}

void TQNTCalcEngine::InputRightBracket() {
  Guarded([&] {
    CommitEntry();
    while (fOperatorN >= 0 && fOperatorStack[static_cast<std::size_t>(fOperatorN)] != u'(')
      ApplyTopOperator();
    if (fOperatorN >= 0) --fOperatorN;
    ShowTopOrZero();
    AddHistory(u")", false);
    fLastCh = u')';
  });
}

void TQNTCalcEngine::DoResult() {
  Guarded([&] {
    CommitEntry();
    while (fOperatorN >= 0) ApplyTopOperator();
    if (fOperandN > 0) {
      fOperandStack[0] = TopOperand();
      fOperandN = 0;
    }
    if (fOperandN >= 0)
      ShowValue(TopOperand());
    else if (!fValueOnly && fDisplayValue.find(CalcText(ctError)) == std::u16string::npos)
      ShowText(u"0");
    ClearToggles();
  });
}

void TQNTCalcEngine::DoEquals() {
  DoResult();
  Guarded([&] {
    AddHistory(u"=", true);
    if (!fValueOnly) AddHistory(std::u16string(fDisplayValue), false);
    fLastCh = u'=';
  });
}

void TQNTCalcEngine::DoPercent() {
  if (fBinaryPercent) {
    InputOperator(u'%');
    Guarded([&] {
      ClearToggles();
      fLastCh = u' ';
    });
    return;
  }
  Guarded([&] {
    Extended result = 0;
    if (!fValue.empty()) {
      const Extended y = EntryValue();
      AddHistory(std::u16string(fValue), true);
      AddHistory(u"%", false);
      if (fOperandN >= 0) result = CheckedResult(0.01L * TopOperand() * y);
    } else {
      if (fOperandN >= 1)
        result = CheckedResult(0.01L * TopOperand() * fOperandStack[static_cast<std::size_t>(fOperandN - 1)]);
      AddHistory(u"%", false);
    }
    ShowValue(result);
    fValue.clear();
    PushOperand(result);
  });
}

// ---------------------------------------------------------------------------------------------
// Clearing, toggles.

void TQNTCalcEngine::AllClearCore() {
  const bool toggles = fInv || fHyp;
  fInv = fHyp = false;
  fOperandN = fOperatorN = -1;
  fValue.clear();
  if (toggles) Notify(fOnClearToggles);
  ShowText(u"0");
  fLastError.clear();
  fLastCh = u' ';
  ClearHistory();
}

void TQNTCalcEngine::AllClear() {
  Guarded([&] { AllClearCore(); });
}

void TQNTCalcEngine::ClearDisplay() {
  Guarded([&] {
    ClearToggles();
    fLastCh = u' ';
    fValue.clear();
    ShowText(u"0");
  });
}

void TQNTCalcEngine::ClearToggles() {
  if (!fInv && !fHyp) return;
  fInv = fHyp = false;
  Notify(fOnClearToggles);
}

void TQNTCalcEngine::DoInv() {
  Guarded([&] {
    fInv = !fInv;
    Notify(fInv ? fOnSetToggles : fOnClearToggles);
  });
}

void TQNTCalcEngine::DoHyp() {
  Guarded([&] {
    fHyp = !fHyp;
    Notify(fHyp ? fOnSetToggles : fOnClearToggles);
  });
}

// ---------------------------------------------------------------------------------------------
// Memory.

void TQNTCalcEngine::AddMemoryLine() {
  if (!fMemoryHistory || fValueOnly) return;
  std::u16string line(u"[");
  line += CalcText(ctMemoryPrefix);
  line += FormatValue(fMemory);
  line += u" ]";
  AddHistory(line, false);
}

void TQNTCalcEngine::MemoryClear() {
  Guarded([&] {
    fMemory = 0;
    ClearToggles();
    AddHistory(ctMemoryClear, false);
    AddMemoryLine();
    Notify(fOnMemoryChange);
  });
}

void TQNTCalcEngine::MemoryAddSubtract(int sign, TQNTCalcTextId label) {
  Guarded([&] {
    DoResult();  // the whole pending calculation first
    if (fOperandN >= 0) fMemory = CheckedResult(sign > 0 ? fMemory + TopOperand() : fMemory - TopOperand());
    ClearToggles();
    AddHistory(label, false);
    AddMemoryLine();
    Notify(fOnMemoryChange);
  });
}

void TQNTCalcEngine::MemoryAdd() { MemoryAddSubtract(1, ctMemoryAdd); }
void TQNTCalcEngine::MemorySubtract() { MemoryAddSubtract(-1, ctMemorySubtract); }

void TQNTCalcEngine::MemoryRecall() {
  Guarded([&] {
    ShowValue(fMemory);
    fValue.clear();
    PushOperand(fMemory);
    ClearToggles();
    AddHistory(ctMemoryRecall, false);
    AddMemoryLine();
    fLastCh = u' ';
  });
}

void TQNTCalcEngine::SetMemory(Extended Value) {
  Guarded([&] {
    fMemory = CheckedResult(Value);
    Notify(fOnMemoryChange);
  });
}

std::u16string TQNTCalcEngine::GetMemoryContents() { return FormatValue(fMemory); }

// ---------------------------------------------------------------------------------------------
// Values from outside.

void TQNTCalcEngine::InputValue(Extended Value) {
  Guarded([&] {
    CheckedResult(Value);
    ShowValue(Value);
    fValue.clear();
    PushOperand(Value);
    fLastCh = u' ';
    if (!fValueOnly) AddHistory(std::u16string(fDisplayValue), false);
  });
}

void TQNTCalcEngine::InputString(std::u16string_view Value) {
  Guarded([&] {
    const Extended x = TextToFloatOrZero(Value);
    ShowValue(x);
    fValue.clear();
    PushOperand(x);
    fLastCh = u' ';
  });
}

// ---------------------------------------------------------------------------------------------
// Angle mode and decimal places.

void TQNTCalcEngine::SetAngleMode(TQNTAngleMode Mode) {
  if (Mode > amGradiants) return;
  Guarded([&] {
    if (Mode == fAngleMode) return;
    fAngleMode = Mode;
    Notify(fOnAngleModeChange);
  });
}

void TQNTCalcEngine::ToggleAngleMode() {
  Guarded([&] {
    switch (fAngleMode) {
      case amDegrees: fAngleMode = amRadians; break;
      case amRadians: fAngleMode = fEnableGrads ? amGradiants : amDegrees; break;
      case amGradiants: fAngleMode = amDegrees; break;
    }
    AddHistory(GetAngleModeStr(), false);
    Notify(fOnAngleModeChange);
  });
}

std::u16string TQNTCalcEngine::GetAngleModeStr() const {
  switch (fAngleMode) {
    case amDegrees: return std::u16string(CalcText(ctDegrees));
    case amRadians: return std::u16string(CalcText(ctRadians));
    case amGradiants: return std::u16string(CalcText(ctGrads));
  }
  return {};
}

void TQNTCalcEngine::SetDecimalPlaces(std::uint8_t Value) {
  Guarded([&] {
    if (Value == fDecimals) return;
    fDecimals = Value;
    ShowValue(GetDisplayValue());
    Notify(fOnDecimalPlacesChange);
  });
}

// ---------------------------------------------------------------------------------------------
// History.

void TQNTCalcEngine::AddHistory(std::u16string_view text, bool sameLine) {
  if (fValueOnly) return;
  if (sameLine && fOperatorSameLine) {
    // Texts held for the next line are joined, so "( (" keeps both brackets.
    if (!fHistoryHold.empty()) fHistoryHold += u' ';
    fHistoryHold += text;
    return;
  }
  std::u16string entry;
  if (!fHistoryHold.empty()) {
    entry = fHistoryHold;
    entry += u' ';
  }
  entry += text;
  fHistoryStack.push_back(std::move(entry));
  fHistoryHold.clear();
  Notify(fOnHistory);
}

void TQNTCalcEngine::AddHistoryValue(Extended x) {
  if (!fValueOnly) AddHistory(FormatValue(x), false);
}

void TQNTCalcEngine::ClearHistory() {
  fHistoryStack.clear();
  fLastHistoryAccess = -1;
}

std::u16string TQNTCalcEngine::GetNextHistoryEntry() {
  const auto length = static_cast<long long>(fHistoryStack.size());
  long long next = static_cast<long long>(fLastHistoryAccess) + 1;
  if (next < 0) next = 0;  // a position set before the start reads from the first entry
  if (next >= length) return {};
  fLastHistoryAccess = static_cast<int>(next);
  return fHistoryStack[static_cast<std::size_t>(next)];
}

std::u16string TQNTCalcEngine::GetHistoryEntry(std::uint16_t Index) const {
  return Index < fHistoryStack.size() ? fHistoryStack[Index] : std::u16string();
}

std::u16string TQNTCalcEngine::GetLastHistoryEntry() const {
  return fHistoryStack.empty() ? std::u16string() : fHistoryStack.back();
}

void TQNTCalcEngine::PaperLine() {
  Guarded([&] { AddHistory(ctPaperLine, false); });
}

// ---------------------------------------------------------------------------------------------
// Constants.

void TQNTCalcEngine::InputConstant(Extended x) {
  Guarded([&] {
    ShowValue(x);
    if (!fValueOnly) AddHistory(std::u16string(fDisplayValue), false);
    fValue.clear();  // a number being typed is discarded
    PushOperand(x);
    fLastCh = u' ';
  });
}

void TQNTCalcEngine::InputPi() { InputConstant(kCalcPi); }
void TQNTCalcEngine::InputNaturalConstant() { InputConstant(kCalcE); }
void TQNTCalcEngine::InputGamma() { InputConstant(kCalcEulerGamma); }
void TQNTCalcEngine::InputGoldenRatio() { InputConstant(kCalcGoldenSection); }
void TQNTCalcEngine::InputSpeedOfLight() { InputConstant(kCalcSpeedOfLight); }
void TQNTCalcEngine::InputGravity() { InputConstant(kCalcGravity); }
void TQNTCalcEngine::InputRandom() { InputConstant(CalcRandomValue()); }

}  // namespace qnt
