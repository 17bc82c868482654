// Numeric edits: edits that hold a number instead of free text. They let in only characters that can
// belong to a number, turn "+" and "-" into sign toggles, show thousand separators (on redisplay or
// live while typing, western or lakh groups), read the text back into the value when the field is
// left, check optional bounds, and keep the full 80-bit value set by code while showing it with
// fewer decimals.
//
//   TQNTBaseNumericEdit   shared key handling, separators, grouping
//    -> TQNTPosEdit       a 64-bit integer typed without a minus sign
//    -> TQNTPosFloatEdit  an Extended typed without a minus sign (scale, comparison prefix, accuracy)
//     -> TQNTFloatEdit    a signed Extended (minus sign, brackets for negatives)
#pragma once

#include <cstdint>
#include <optional>

#include "controls/QNTKITEdits.h"
#include "kit/QNTKITDefaults.h"

namespace qnt {

/// The shared base of the numeric edits (not placed on forms by itself).
class TQNTBaseNumericEdit : public TQNTBaseEdit {
  Q_OBJECT

 public:
  explicit TQNTBaseNumericEdit(QWidget* parent = nullptr);

  /// Positive values get a leading "+".
  bool ShowPosSign() const { return fShowPosSign; }
  void SetShowPosSign(bool value) { Redisplay(fShowPosSign, value); }
  /// When thousand separators appear: never, on redisplay, or also live while typing.
  TQNTSeparatorStyle ThousandSeparators() const { return fThousandSeparators; }
  void SetThousandSeparators(TQNTSeparatorStyle value) { Redisplay(fThousandSeparators, value); }
  /// True exactly when ThousandSeparators is not essNone; True selects essExit, False essNone.
  bool ShowThousandSeparators() const { return fThousandSeparators != essNone; }
  void SetShowThousandSeparators(bool value) { SetThousandSeparators(value ? essExit : essNone); }
  /// "+" and "-" act on the value instead of being typed.
  bool UseSignToggling() const { return fUseSignToggling; }
  void SetUseSignToggling(bool value) { fUseSignToggling = value; }
  /// Leading zeros up to MaxLength.
  bool ZeroPad() const { return fZeroPad; }
  void SetZeroPad(bool value) { Redisplay(fZeroPad, value); }
  bool AllowThouSepInput() const { return fAllowThouSepInput; }
  void SetAllowThouSepInput(bool value) { fAllowThouSepInput = value; }
  /// Lakh grouping (12,34,567) instead of groups of three.
  bool LakhFormatting() const { return fLakhFormatting; }
  void SetLakhFormatting(bool value) { Redisplay(fLakhFormatting, value); }
  /// The edit's own separator pair replaces the process-wide one.
  bool CustomSeparators() const { return fCustomSeparators; }
  virtual void SetCustomSeparators(bool value) { Redisplay(fCustomSeparators, value); }
  /// The own thousand separator; a value equal to the own decimal separator is refused.
  char16_t CustomThousands() const { return fCustomThousands; }
  virtual void SetCustomThousands(char16_t value);
  /// The own decimal separator.
  char16_t CustomDecimal() const { return fCustomDecimal; }
  virtual void SetCustomDecimal(char16_t value);
  /// The decimal and thousand separators the edit reads and writes now.
  char16_t DecimalInForce() const {
    return fCustomSeparators ? fCustomDecimal : FormatSettings.DecimalSeparator;
  }
  char16_t ThousandInForce() const {
    return fCustomSeparators ? fCustomThousands : FormatSettings.ThousandSeparator;
  }

  /// The value as an Extended (converting the current text first).
  virtual Extended AsFloat() = 0;
  virtual void SetAsFloat(Extended value) = 0;

 protected:
  /// Live grouping (essAuto): the separators rebuilt around the typed digits, the caret kept in place.
  virtual void RegroupThousands();
  void KeyPress(char16_t& key) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void AfterKeyUp(std::uint16_t& key, TShiftState shift) override;
  void DoFocusEnter(Qt::FocusReason reason) override;
  /// The edit's own separators in force for the guard's lifetime (nothing when it has none).
  class TOwnSeparators {
   public:
    explicit TOwnSeparators(const TQNTBaseNumericEdit& edit) {
      if (edit.fCustomSeparators) fScope.emplace(edit.fCustomDecimal, edit.fCustomThousands);
    }

   private:
    std::optional<TQNTSeparatorScope> fScope;
  };
  /// "If the edit is null, leave the null state with an empty text, else delete the selection."
  void ClearNullOrSelection();
  template <class T>
  void Redisplay(T& field, T value) {
    if (field == value) return;
    field = value;
    RefreshDisplay();
  }

  Extended fFloatValue = 0;
  std::int64_t fIntValue = 0;
  bool fShowPosSign = false;
  bool fUseSignToggling = true;
  bool fZeroPad = false;
  TQNTSeparatorStyle fThousandSeparators = essNone;
  QString fHoldText;
  bool fAllowThouSepInput = true;
  bool fLakhFormatting = false;
  bool fAllowDecSepInput = true;
  bool fAllowNegInput = true;
  bool fCustomSeparators = false;
  char16_t fCustomThousands;
  char16_t fCustomDecimal;
  int fDecimals = 4;
  bool fForceDecimals = false;
  bool fAutoAdvDecimals = false;
};

/// A non-negative 64-bit integer (digits, "+", thousand separators).
class TQNTPosEdit : public TQNTBaseNumericEdit {
  Q_OBJECT

 public:
  explicit TQNTPosEdit(QWidget* parent = nullptr);

  /// The value's low 32 bits, signed (converting the text first).
  std::int32_t AsInteger();
  void SetAsInteger(std::int32_t value) { SetAsInt64(value); }
  std::int64_t AsInt64();
  void SetAsInt64(std::int64_t value);
  /// The value's low 32 bits, unsigned; writing zero-extends.
  std::uint32_t AsLongWord();
  void SetAsLongWord(std::uint32_t value) { SetAsInt64(static_cast<std::int64_t>(value)); }
  Extended AsFloat() override { return static_cast<Extended>(AsInt64()); }
  void SetAsFloat(Extended value) override;
  std::int32_t BoundLower() const { return fBoundLower; }
  void SetBoundLower(std::int32_t value) { fBoundLower = value; }
  std::int32_t BoundUpper() const { return fBoundUpper; }
  void SetBoundUpper(std::int32_t value) { fBoundUpper = value; }
  /// The text the edit shows for its value now.
  QString FormattedValue() const;

 protected:
  bool IsAcceptedChar(char16_t key) const override;
  void ConvertText() override;
  void RefreshDisplay() override;
  void ValidateBounds() override;

 private:
  /// Whether the text is a signed run of digits too long for 64 bits.
  bool TextOverflows(const std::u16string& stripped) const;

  std::int32_t fBoundLower = 0;
  std::int32_t fBoundUpper = 0;
};

/// A non-negative Extended: decimals, scale, comparison prefix, full accuracy, bounds.
class TQNTPosFloatEdit : public TQNTBaseNumericEdit {
  Q_OBJECT

 public:
  explicit TQNTPosFloatEdit(QWidget* parent = nullptr);

  /// The stored value (the shown value times Scale), converting the current text first.
  Extended AsFloat() override;
  void SetAsFloat(Extended value) override;
  /// The shown value: AsFloat / Scale.
  Extended AsScaledFloat() const { return fFloatValue / fScale; }
  void SetAsScaledFloat(Extended value);

  int DecimalPlaces() const { return fDecimals; }
  void SetDecimalPlaces(int value) { Redisplay(fDecimals, std::clamp(value, 0, 255)); }
  /// Digits beyond DecimalPlaces are refused while typing.
  bool ForceDecimals() const { return fForceDecimals; }
  void SetForceDecimals(bool value) { fForceDecimals = value; }
  /// Typing the last decimal moves the focus on (switches AutoAdvance on).
  bool AutoAdvDecimals() const { return fAutoAdvDecimals; }
  void SetAutoAdvDecimals(bool value);
  bool TrimTrailingZeroes() const { return fTrimTrailingZeroes; }
  void SetTrimTrailingZeroes(bool value) { Redisplay(fTrimTrailingZeroes, value); }
  /// A value set by code keeps all its digits while the text shows fewer.
  bool FullAccuracy() const { return fFullAccuracy; }
  void SetFullAccuracy(bool value);
  /// With FullAccuracy, the focused edit shows up to 18 decimals.
  bool FullAccuracyEdit() const { return fFullAccuracyEdit; }
  void SetFullAccuracyEdit(bool value) { fFullAccuracyEdit = value; }
  /// The factor between the stored and the shown value (its absolute value; zero means 1).
  Extended Scale() const { return fScale; }
  void SetScale(Extended value);
  TQNTComparisonType ComparisonType() const { return fComparisonType; }
  void SetComparisonType(TQNTComparisonType value) { Redisplay(fComparisonType, value); }
  bool ShowComparisonType() const { return fShowComparisonType; }
  void SetShowComparisonType(bool value) { Redisplay(fShowComparisonType, value); }
  Extended BoundLower() const { return fBoundLower; }
  void SetBoundLower(Extended value) { fBoundLower = value; }
  Extended BoundUpper() const { return fBoundUpper; }
  void SetBoundUpper(Extended value) { fBoundUpper = value; }
  bool AllowDecSepInput() const { return fAllowDecSepInput; }
  void SetAllowDecSepInput(bool value) { fAllowDecSepInput = value; }

  /// Replaces the built-in parser: the handler sets the value of the text.
  TQNTConvertFloatEvent OnConvert;

  /// The value as the edit shows it (decimals, groups, sign, comparison prefix).
  QString FormatNumber(Extended value) const;
  /// The value as the edit shows it with its decimal places, or while editing with all 18 decimals.
  QString FormatNumberAs(Extended value, bool editing) const;

 protected:
  bool IsAcceptedChar(char16_t key) const override;
  void ConvertText() override;
  void RefreshDisplay() override;
  void ValidateBounds() override;
  void DoFocusEnter(Qt::FocusReason reason) override;
  /// Negatives in brackets (only the signed float edit can have them).
  virtual bool NegAsBracketsInForce() const { return false; }
  /// Stores a new value when it differs.
  void StoreValue(Extended value);
  /// The value of a text: OnConvert, else the kit parser. A text that is no number raises while the
  /// exit processing checks for errors; otherwise it yields nothing and the value stays.
  std::optional<Extended> ValueOfText(const QString& text);

  Extended fBoundLower = 0;
  Extended fBoundUpper = 0;
  bool fFullAccuracy = false;
  bool fFullAccuracyEdit = false;
  Extended fScale = 1;
  bool fTrimTrailingZeroes = false;
  TQNTComparisonType fComparisonType = ecEqual;
  bool fShowComparisonType = false;
  bool fNegAsBrackets = false;
};

/// A signed Extended: the minus sign, and brackets for negatives.
class TQNTFloatEdit : public TQNTPosFloatEdit {
  Q_OBJECT

 public:
  explicit TQNTFloatEdit(QWidget* parent = nullptr);

  /// Negative values in brackets (resolved through UICtrl).
  bool NegAsBrackets() const { return NegAsBracketsInForce(); }
  void SetNegAsBrackets(bool value) { Redisplay(fNegAsBrackets, value); }
  bool AllowNegInput() const { return fAllowNegInput; }
  void SetAllowNegInput(bool value) { fAllowNegInput = value; }

 protected:
  bool IsAcceptedChar(char16_t key) const override;
  bool NegAsBracketsInForce() const override;
};

}  // namespace qnt
