// The calculation engine: the non-visual heart of the calculator. It takes the keys of a scientific
// pocket calculator one at a time, keeps the pending expression on an operand stack and an operator
// stack, evaluates it with or without precedence, and produces the display text and the history tape.
//
//   calculator window / component --keys--> IQNTCalcEngine --display, memory, history--> window
//   expression evaluator ----key codes--->  (prefix functions)  ---value, last error---> caller
//
// Every operation that changes state runs inside the engine's error guard: an error (division by
// zero, a refused argument, overflow, too few operands) clears the engine, shows "Error!", keeps the
// message for GetLastError and calls OnError. No exception leaves an operation.
//
// Engines are held through std::shared_ptr<IQNTCalcEngine>. Plain C++ (no Qt); text is UTF-16.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "calc/QNTKITCalcMath.h"
#include "calc/QNTKITCalcStrings.h"
#include "kit/QNTKITTypes.h"

namespace qnt {

class IQNTCalcEngine;

/// A notification of the engine; `Sender` is the engine. Empty means "not assigned".
using TQNTCalcNotifyEvent = std::function<void(IQNTCalcEngine* Sender)>;

/// The operation set of a calculation engine, in its fixed order.
class IQNTCalcEngine {
 public:
  virtual ~IQNTCalcEngine() = default;

  virtual std::u16string GetDisplayStr() const = 0;
  /// The full-precision value behind the display: the entry being typed, else the top operand, else 0.
  virtual Extended GetDisplayValue() = 0;
  virtual std::u16string GetLastError() const = 0;
  /// Enters a number given as text (unreadable text counts as 0), as if it had been typed.
  virtual void InputString(std::u16string_view Value) = 0;
  /// Enters a value and writes it to the history.
  virtual void InputValue(Extended Value) = 0;
  virtual void InputDigit(TQNTZeroToNine Digit) = 0;
  virtual void InputDecimalSeparator() = 0;
  virtual void InputThousandsSeparator() = 0;
  virtual void InputBackspace() = 0;
  virtual void DoExp() = 0;
  virtual void InputPi() = 0;
  virtual void InputNaturalConstant() = 0;
  virtual void InputGamma() = 0;
  virtual void InputGoldenRatio() = 0;
  virtual void InputSpeedOfLight() = 0;
  virtual void InputGravity() = 0;
  virtual void InputRandom() = 0;
  virtual void InputLeftBracket() = 0;
  virtual void InputRightBracket() = 0;
  /// Evaluates everything pending and shows the result (no history line).
  virtual void DoResult() = 0;
  /// "=": DoResult, then "=" and the result to the history.
  virtual void DoEquals() = 0;
  virtual void DoAdd() = 0;
  virtual void DoSubtract() = 0;
  virtual void DoMultiply() = 0;
  virtual void DoDivide() = 0;
  /// Binary "x percent of y", or with binary percent off the unary "x % of the pending operand".
  virtual void DoPercent() = 0;
  virtual void DoChangeSign() = 0;
  /// 1/x of the entry or the displayed value.
  virtual void DoInvert() = 0;
  virtual void DoInv() = 0;
  virtual void DoHyp() = 0;
  virtual void DoSquare() = 0;
  virtual void DoSqRoot() = 0;
  /// x ^ y, or with Inv the y-th root of x.
  virtual void DoPower() = 0;
  virtual void DoLog() = 0;
  virtual void DoLg2() = 0;
  virtual void DoLN() = 0;
  virtual void DoSin() = 0;
  virtual void DoCos() = 0;
  virtual void DoTan() = 0;
  virtual void DoAbs() = 0;
  virtual void DoFloor() = 0;
  virtual void DoCeiling() = 0;
  virtual void DoSign() = 0;
  /// Rounds to `Places` decimals, -18 .. 18 (other counts take the error path).
  virtual void DoRound(int Places) = 0;
  virtual void DoGamma() = 0;
  virtual void DoLnGamma() = 0;
  /// "AC": clears the stacks, the entry, the last error and the history; memory and settings stay.
  virtual void AllClear() = 0;
  /// "C": clears the entry only.
  virtual void ClearDisplay() = 0;
  virtual void MemoryClear() = 0;
  virtual void MemoryAdd() = 0;
  virtual void MemorySubtract() = 0;
  virtual void MemoryRecall() = 0;
  virtual void SetMemory(Extended Value) = 0;
  virtual std::u16string GetMemoryContents() = 0;
  virtual Extended GetMemoryValue() const = 0;
  virtual void SetAngleMode(TQNTAngleMode Mode) = 0;
  virtual TQNTAngleMode GetAngleMode() const = 0;
  /// Degrees -> radians -> (grads when enabled) -> degrees.
  virtual void ToggleAngleMode() = 0;
  virtual std::u16string GetAngleModeStr() const = 0;
  virtual void SetEnableGrads(bool Value) = 0;
  virtual bool GetEnableGrads() const = 0;
  virtual void SetDecimalPlaces(std::uint8_t Value) = 0;
  virtual std::uint8_t GetDecimalPlaces() const = 0;
  virtual void SetBinaryPercent(bool Value) = 0;
  virtual bool GetBinaryPercent() const = 0;
  virtual void SetThousandsSeparators(bool Value) = 0;
  virtual bool GetThousandsSeparators() const = 0;
  virtual void SetLakhFormatting(bool Value) = 0;
  virtual bool GetLakhFormatting() const = 0;
  virtual void SetTrimTrailingZeroes(bool Value) = 0;
  virtual bool GetTrimTrailingZeroes() const = 0;
  virtual void SetPrefixFunctions(bool Value) = 0;
  virtual bool GetPrefixFunctions() const = 0;
  virtual void SetPrecedence(bool Value) = 0;
  virtual bool GetPrecedence() const = 0;
  virtual void SetMemoryHistory(bool Value) = 0;
  virtual bool GetMemoryHistory() const = 0;
  virtual void SetOperatorSameLine(bool Value) = 0;
  virtual bool GetOperatorSameLine() const = 0;
  virtual void SetSciMax(Extended Value) = 0;
  virtual Extended GetSciMax() const = 0;
  virtual void SetSciMin(Extended Value) = 0;
  virtual Extended GetSciMin() const = 0;
  virtual void SetSciRange(bool Value) = 0;
  virtual bool GetSciRange() const = 0;
  virtual void SetSciUsage(bool Value) = 0;
  virtual bool GetSciUsage() const = 0;
  virtual void ClearHistory() = 0;
  virtual void HistoryStart() = 0;
  /// The entry after the read position (advancing it), or empty text at the end of the tape.
  virtual std::u16string GetNextHistoryEntry() = 0;
  /// The entry at 0-based `Index`, or empty text beyond the tape.
  virtual std::u16string GetHistoryEntry(std::uint16_t Index) const = 0;
  virtual std::u16string GetLastHistoryEntry() const = 0;
  virtual int GetHistoryLength() const = 0;
  virtual int GetHistoryPosition() const = 0;
  virtual void SetHistoryPosition(int Value) = 0;
  virtual void PaperLine() = 0;
  virtual std::uint8_t GetMaxDisplayLength() const = 0;
  /// The longest display text of a value (0: no limit). Longer values show fewer decimals, then
  /// scientific form: digits are never cut off.
  virtual void SetMaxDisplayLength(std::uint8_t Value) = 0;
  virtual bool GetIsHyp() const = 0;
  virtual bool GetIsInv() const = 0;
  virtual TQNTCalcNotifyEvent GetOnClearToggles() const = 0;
  virtual void SetOnClearToggles(TQNTCalcNotifyEvent Value) = 0;
  virtual TQNTCalcNotifyEvent GetOnSetToggles() const = 0;
  virtual void SetOnSetToggles(TQNTCalcNotifyEvent Value) = 0;
  virtual TQNTCalcNotifyEvent GetOnHistoryChange() const = 0;
  virtual void SetOnHistoryChange(TQNTCalcNotifyEvent Value) = 0;
  virtual TQNTCalcNotifyEvent GetOnDisplayChange() const = 0;
  virtual void SetOnDisplayChange(TQNTCalcNotifyEvent Value) = 0;
  virtual TQNTCalcNotifyEvent GetOnError() const = 0;
  virtual void SetOnError(TQNTCalcNotifyEvent Value) = 0;
  virtual TQNTCalcNotifyEvent GetOnMemoryChange() const = 0;
  virtual void SetOnMemoryChange(TQNTCalcNotifyEvent Value) = 0;
  virtual TQNTCalcNotifyEvent GetOnDecimalPlacesChange() const = 0;
  virtual void SetOnDecimalPlacesChange(TQNTCalcNotifyEvent Value) = 0;
  virtual TQNTCalcNotifyEvent GetOnAngleModeChange() const = 0;
  virtual void SetOnAngleModeChange(TQNTCalcNotifyEvent Value) = 0;
};

/// The calculation engine.
class TQNTCalcEngine final : public IQNTCalcEngine {
 public:
  TQNTCalcEngine();
  /// A new engine, held the way every caller holds engines.
  static std::shared_ptr<IQNTCalcEngine> Create();

  std::u16string GetDisplayStr() const override { return fDisplayValue; }
  Extended GetDisplayValue() override;
  std::u16string GetLastError() const override { return fLastError; }
  void InputString(std::u16string_view Value) override;
  void InputValue(Extended Value) override;
  void InputDigit(TQNTZeroToNine Digit) override;
  void InputDecimalSeparator() override;
  void InputThousandsSeparator() override;
  void InputBackspace() override;
  void DoExp() override;
  void InputPi() override;
  void InputNaturalConstant() override;
  void InputGamma() override;
  void InputGoldenRatio() override;
  void InputSpeedOfLight() override;
  void InputGravity() override;
  void InputRandom() override;
  void InputLeftBracket() override;
  void InputRightBracket() override;
  void DoResult() override;
  void DoEquals() override;
  void DoAdd() override;
  void DoSubtract() override;
  void DoMultiply() override;
  void DoDivide() override;
  void DoPercent() override;
  void DoChangeSign() override;
  void DoInvert() override;
  void DoInv() override;
  void DoHyp() override;
  void DoSquare() override;
  void DoSqRoot() override;
  void DoPower() override;
  void DoLog() override;
  void DoLg2() override;
  void DoLN() override;
  void DoSin() override;
  void DoCos() override;
  void DoTan() override;
  void DoAbs() override;
  void DoFloor() override;
  void DoCeiling() override;
  void DoSign() override;
  void DoRound(int Places) override;
  void DoGamma() override;
  void DoLnGamma() override;
  void AllClear() override;
  void ClearDisplay() override;
  void MemoryClear() override;
  void MemoryAdd() override;
  void MemorySubtract() override;
  void MemoryRecall() override;
  void SetMemory(Extended Value) override;
  std::u16string GetMemoryContents() override;
  Extended GetMemoryValue() const override { return fMemory; }
  void SetAngleMode(TQNTAngleMode Mode) override;
  TQNTAngleMode GetAngleMode() const override { return fAngleMode; }
  void ToggleAngleMode() override;
  std::u16string GetAngleModeStr() const override;
  void SetEnableGrads(bool Value) override { fEnableGrads = Value; }
  bool GetEnableGrads() const override { return fEnableGrads; }
  void SetDecimalPlaces(std::uint8_t Value) override;
  std::uint8_t GetDecimalPlaces() const override { return fDecimals; }
  void SetBinaryPercent(bool Value) override { fBinaryPercent = Value; }
  bool GetBinaryPercent() const override { return fBinaryPercent; }
  void SetThousandsSeparators(bool Value) override { fThouSep = Value; }
  bool GetThousandsSeparators() const override { return fThouSep; }
  void SetLakhFormatting(bool Value) override { fLakhFormatting = Value; }
  bool GetLakhFormatting() const override { return fLakhFormatting; }
  void SetTrimTrailingZeroes(bool Value) override { fTrimTrailingZeroes = Value; }
  bool GetTrimTrailingZeroes() const override { return fTrimTrailingZeroes; }
  void SetPrefixFunctions(bool Value) override { fPrefixFunctions = Value; }
  bool GetPrefixFunctions() const override { return fPrefixFunctions; }
  void SetPrecedence(bool Value) override { fPrecedence = Value; }
  bool GetPrecedence() const override { return fPrecedence; }
  void SetMemoryHistory(bool Value) override { fMemoryHistory = Value; }
  bool GetMemoryHistory() const override { return fMemoryHistory; }
  void SetOperatorSameLine(bool Value) override { fOperatorSameLine = Value; }
  bool GetOperatorSameLine() const override { return fOperatorSameLine; }
  void SetSciMax(Extended Value) override { fSciMax = Value; }
  Extended GetSciMax() const override { return fSciMax; }
  void SetSciMin(Extended Value) override { fSciMin = Value; }
  Extended GetSciMin() const override { return fSciMin; }
  void SetSciRange(bool Value) override { fSciRange = Value; }
  bool GetSciRange() const override { return fSciRange; }
  void SetSciUsage(bool Value) override { fSciUsage = Value; }
  bool GetSciUsage() const override { return fSciUsage; }
  void ClearHistory() override;
  void HistoryStart() override { fLastHistoryAccess = -1; }
  std::u16string GetNextHistoryEntry() override;
  std::u16string GetHistoryEntry(std::uint16_t Index) const override;
  std::u16string GetLastHistoryEntry() const override;
  int GetHistoryLength() const override { return static_cast<int>(fHistoryStack.size()); }
  int GetHistoryPosition() const override { return fLastHistoryAccess; }
  void SetHistoryPosition(int Value) override { fLastHistoryAccess = Value; }
  void PaperLine() override;
  std::uint8_t GetMaxDisplayLength() const override { return fMaxCharLen; }
  void SetMaxDisplayLength(std::uint8_t Value) override { fMaxCharLen = Value; }
  bool GetIsHyp() const override { return fHyp; }
  bool GetIsInv() const override { return fInv; }
  TQNTCalcNotifyEvent GetOnClearToggles() const override { return fOnClearToggles; }
  void SetOnClearToggles(TQNTCalcNotifyEvent Value) override { fOnClearToggles = std::move(Value); }
  TQNTCalcNotifyEvent GetOnSetToggles() const override { return fOnSetToggles; }
  void SetOnSetToggles(TQNTCalcNotifyEvent Value) override { fOnSetToggles = std::move(Value); }
  TQNTCalcNotifyEvent GetOnHistoryChange() const override { return fOnHistory; }
  void SetOnHistoryChange(TQNTCalcNotifyEvent Value) override { fOnHistory = std::move(Value); }
  TQNTCalcNotifyEvent GetOnDisplayChange() const override { return fOnDisplay; }
  void SetOnDisplayChange(TQNTCalcNotifyEvent Value) override { fOnDisplay = std::move(Value); }
  TQNTCalcNotifyEvent GetOnError() const override { return fOnError; }
  void SetOnError(TQNTCalcNotifyEvent Value) override { fOnError = std::move(Value); }
  TQNTCalcNotifyEvent GetOnMemoryChange() const override { return fOnMemoryChange; }
  void SetOnMemoryChange(TQNTCalcNotifyEvent Value) override { fOnMemoryChange = std::move(Value); }
  TQNTCalcNotifyEvent GetOnDecimalPlacesChange() const override { return fOnDecimalPlacesChange; }
  void SetOnDecimalPlacesChange(TQNTCalcNotifyEvent Value) override {
    fOnDecimalPlacesChange = std::move(Value);
  }
  TQNTCalcNotifyEvent GetOnAngleModeChange() const override { return fOnAngleModeChange; }
  void SetOnAngleModeChange(TQNTCalcNotifyEvent Value) override { fOnAngleModeChange = std::move(Value); }

 private:
  friend class TQNTValueOnlyEngineAccess;

  /// An engine that keeps no display text and no history, for evaluations whose only outputs are
  /// the value and the last error (the evaluator's private engines). Values and errors are exactly
  /// those of a full engine.
  struct TValueOnly {};
  explicit TQNTCalcEngine(TValueOnly);
  /// Back to the state of a new value-only engine, keeping the storage of the stacks.
  void ResetValueOnly();
  struct TBare {};  // the member initialisers only, stacks without storage
  explicit TQNTCalcEngine(TBare);

  // Families of function keys.
  enum TFamily : std::uint8_t { ffTrig, ffLog, ffRoot, ffPlain };

  /// Runs `body` inside the error guard: whatever it raises ends in the error path, which writes
  /// `label` to the history before the error line when one is given.
  template <class F>
  void Guarded(F&& body, std::optional<TQNTCalcTextId> label = std::nullopt) noexcept {
    GuardedCall([](void* f) { (*static_cast<std::remove_reference_t<F>*>(f))(); }, &body, label);
  }
  void GuardedCall(void (*body)(void*), void* context, std::optional<TQNTCalcTextId> label) noexcept;
  void ErrorPath(std::u16string_view message, std::optional<TQNTCalcTextId> label) noexcept;
  void Notify(const TQNTCalcNotifyEvent& event);
  void AllClearCore();

  void ShowText(std::u16string_view text);
  void ShowValue(Extended x);
  void ShowTopOrZero();
  void PushOperand(Extended x);
  void PushOperator(char16_t op);
  void ReplaceTopOperand(Extended x) { fOperandStack[static_cast<std::size_t>(fOperandN)] = x; }
  Extended TopOperand() const { return fOperandStack[static_cast<std::size_t>(fOperandN)]; }
  Extended EntryValue() const;
  /// The value of an unsigned entry text (mantissa, optional exponent); raises on overflow.
  [[gnu::noinline]] static Extended ReadEntryText(std::u16string_view text);
  void AppendToEntry(char16_t ch);
  void CommitEntry();
  void InputOperator(char16_t op);
  bool InSignSet(char16_t ch) const;
  bool InFunctionSet(char16_t ch) const;
  bool BindsTighter(char16_t op, char16_t top) const;
  void ApplyTopOperator();
  void ApplyTopOperatorUnguarded();
  void ClearToggles();
  std::u16string FormatValue(Extended x) const;
  std::u16string FormatValueWith(Extended x, int decimals) const;
  void InputConstant(Extended x);
  void AddHistory(std::u16string_view text, bool sameLine);
  void AddHistory(TQNTCalcTextId id, bool sameLine) { AddHistory(CalcText(id), sameLine); }
  void AddHistoryValue(Extended x);
  void AddMemoryLine();
  void MemoryAddSubtract(int sign, TQNTCalcTextId label);

  // Function keys (the compute and label routines of each family).
  TQNTCalcFunction FunctionOf(char16_t key) const;
  char16_t CodeOf(char16_t key) const;
  Extended Compute(TQNTCalcFunction f, Extended x);
  void FunctionKey(char16_t key, TFamily family);
  void PrefixFunction(char16_t key, TFamily family);
  void PostfixTrigOrLog(char16_t key, TFamily family);
  void PostfixPlain(char16_t key);
  void SquareRootPostfix();
  void SquarePostfix();
  void ApplyFunctionCode(char16_t code);

  std::u16string fValue;         // the entry, as typed
  std::u16string fDisplayValue;  // the display text
  std::u16string fLastError;
  char16_t fLastCh = u' ';
  TQNTAngleMode fAngleMode = amRadians;
  bool fInv = false;
  bool fHyp = false;
  Extended fMemory = 0;
  int fOperandN = -1;
  TQNTFloatVector fOperandStack;
  int fOperatorN = -1;
  std::vector<char16_t> fOperatorStack;
  bool fSciUsage = false;
  bool fSciRange = false;
  Extended fSciMin = 1E-4L;
  Extended fSciMax = 1E6L;
  std::uint8_t fDecimals = 4;
  bool fThouSep = true;
  bool fBinaryPercent = true;
  bool fLakhFormatting = false;
  bool fPrefixFunctions = false;
  bool fPrecedence = true;
  bool fMemoryHistory = false;
  bool fTrimTrailingZeroes = false;
  std::vector<std::u16string> fHistoryStack;
  int fLastHistoryAccess = -1;
  std::uint8_t fMaxCharLen = 26;
  bool fEnableGrads = false;
  TQNTCalcNotifyEvent fOnClearToggles;
  TQNTCalcNotifyEvent fOnSetToggles;
  TQNTCalcNotifyEvent fOnHistory;
  TQNTCalcNotifyEvent fOnDisplay;
  TQNTCalcNotifyEvent fOnError;
  TQNTCalcNotifyEvent fOnMemoryChange;
  TQNTCalcNotifyEvent fOnDecimalPlacesChange;
  TQNTCalcNotifyEvent fOnAngleModeChange;
  std::u16string fHistoryHold;
  bool fOperatorSameLine = false;
  bool fValueOnly = false;    // no display text, no history (see TValueOnly)
  bool fInErrorPath = false;  // the error path is running
};

}  // namespace qnt
