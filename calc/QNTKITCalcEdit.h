// The calculator edit: a float field with a small calculator button at its right end. The button (or
// Alt+Down in the field) drops the calculator window down for the field's value; leaving it with Exit
// puts the engine's full-precision result into the field. With AllowExpressions the field also reads a
// typed formula ("2*pi") through the expression evaluator.
//
//   TQNTCalcEdit (button panel)
//     ValueEdit: TQNTFloatEdit   value, formatting, null, bounds (reached through forwarding properties)
//     CalcBtn: TQNTSpeedBtn      PopupCalculator -> OnPopupCalc, or CalculatorControl->Execute(Pos),
//                                or ShowCalculatorDialog
#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>

#include "calc/QNTKITCalculator.h"
#include "controls/QNTKITNumEdits.h"
#include "controls/QNTKITPanels.h"
#include "kit/QNTKITTypes.h"

namespace qnt {

class TQNTCalcEdit : public TQNTCustomBtnPanel {
  Q_OBJECT

 public:
  explicit TQNTCalcEdit(QWidget* parent = nullptr);
  ~TQNTCalcEdit() override;

  /// The hosted edit and the calculator button (owned).
  TQNTFloatEdit* ValueEdit() const { return fValueEdit; }
  TQNTSpeedBtn* CalcBtn() const { return fCalcBtn; }

  // ---- Own properties
  TAlignment Alignment() const { return fAlignment; }
  void SetAlignment(TAlignment value);
  /// False discards typed printable characters (control keys and the calculator still work).
  bool EditorEnabled() const { return fEditorEnabled; }
  void SetEditorEnabled(bool value) { fEditorEnabled = value; }
  /// The calculator opens at the screen centre instead of below the field.
  bool CalcCenter() const { return fCalcCenter; }
  void SetCalcCenter(bool value) { fCalcCenter = value; }
  TQNTCalcGlyphType CalcGlyphType() const { return fCalcGlyphType; }
  void SetCalcGlyphType(TQNTCalcGlyphType value);
  /// Caption of the calculator window opened by the free dialog routine.
  const QString& CalcTitle() const { return fCalcTitle; }
  void SetCalcTitle(const QString& value) { fCalcTitle = value; }
  /// Flat buttons in the calculator window opened by the free dialog routine.
  bool FlatCalc() const { return fFlatCalc; }
  void SetFlatCalc(bool value) { fFlatCalc = value; }
  bool Null() const { return fNull; }
  void SetNull(bool value);
  bool ReadOnly() const { return fReadOnly; }
  void SetReadOnly(bool value);
  bool TabStop() const { return fTabStop; }
  void SetTabStop(bool value);
  bool StoreValue() const { return fStoreValue; }
  void SetStoreValue(bool value) { fStoreValue = value; }
  bool ValueStored() const { return fStoreValue; }
  bool AutoSize() const { return fAutoSize; }
  void SetAutoSize(bool value);
  int Height() const { return fHeight; }
  void SetHeight(int value);
  bool Enabled() const { return fValueEdit->isEnabled(); }
  void SetEnabled(bool value);
  /// The attached calculator component (not owned), or none for the free dialog routine.
  TQNTCalculator* CalculatorControl() const { return fQNTCalculator.data(); }
  void SetCalculatorControl(TQNTCalculator* value);
  /// True after a drop-down that the user cancelled, until the next one starts.
  bool PopupCancelled() const { return fPopupCancelled; }
  /// Typed formulas become values through the expression evaluator; a formula that fails is reported
  /// as a conversion error with the evaluator's message when the field is left, and the value stays.
  bool AllowExpressions() const { return fAllowExpressions; }
  void SetAllowExpressions(bool value);

  // ---- Forwarded to the hosted edit
  int DecimalPlaces() const { return fValueEdit->DecimalPlaces(); }
  void SetDecimalPlaces(int value) { fValueEdit->SetDecimalPlaces(value); }
  bool FullAccuracy() const { return fValueEdit->FullAccuracy(); }
  void SetFullAccuracy(bool value) { fValueEdit->SetFullAccuracy(value); }
  bool FullAccuracyEdit() const { return fValueEdit->FullAccuracyEdit(); }
  void SetFullAccuracyEdit(bool value) { fValueEdit->SetFullAccuracyEdit(value); }
  bool TrimTrailingZeroes() const { return fValueEdit->TrimTrailingZeroes(); }
  void SetTrimTrailingZeroes(bool value) { fValueEdit->SetTrimTrailingZeroes(value); }
  bool AutoSelect() const { return fValueEdit->AutoSelect(); }
  void SetAutoSelect(bool value) { fValueEdit->SetAutoSelect(value); }
  bool AutoSelectClick() const { return fValueEdit->AutoSelectClick(); }
  void SetAutoSelectClick(bool value) { fValueEdit->SetAutoSelectClick(value); }
  bool AllowKbdNull() const { return fValueEdit->AllowKbdNull(); }
  void SetAllowKbdNull(bool value) { fValueEdit->SetAllowKbdNull(value); }
  /// The value (converting the current text first).
  Extended AsFloat() { return fValueEdit->AsFloat(); }
  /// Sets the value; the null state follows the hosted edit's.
  void SetAsFloat(Extended value);
  bool BlankWhenZero() const { return fValueEdit->BlankWhenZero(); }
  void SetBlankWhenZero(bool value) { fValueEdit->SetBlankWhenZero(value); }
  bool BlankWhenNull() const { return fValueEdit->BlankWhenNull(); }
  void SetBlankWhenNull(bool value) { fValueEdit->SetBlankWhenNull(value); }
  bool BlankIsNull() const { return fValueEdit->BlankIsNull(); }
  void SetBlankIsNull(bool value) { fValueEdit->SetBlankIsNull(value); }
  bool AutoAdvance() const { return fValueEdit->AutoAdvance(); }
  void SetAutoAdvance(bool value) { fValueEdit->SetAutoAdvance(value); }
  int MaxLength() const { return fValueEdit->MaxLength(); }
  void SetMaxLength(int value) { fValueEdit->SetMaxLength(value); }
  QString NullStr() const { return fValueEdit->NullStr(); }
  void SetNullStr(const QString& value) { fValueEdit->SetNullStr(value); }
  TQNTSeparatorStyle ThousandSeparators() const { return fValueEdit->ThousandSeparators(); }
  void SetThousandSeparators(TQNTSeparatorStyle value) { fValueEdit->SetThousandSeparators(value); }
  bool ShowThousandSeparators() const { return fValueEdit->ShowThousandSeparators(); }
  void SetShowThousandSeparators(bool value) { fValueEdit->SetShowThousandSeparators(value); }
  bool ZeroPad() const { return fValueEdit->ZeroPad(); }
  void SetZeroPad(bool value) { fValueEdit->SetZeroPad(value); }
  bool AllowNegInput() const { return fValueEdit->AllowNegInput(); }
  void SetAllowNegInput(bool value) { fValueEdit->SetAllowNegInput(value); }
  bool NegAsBrackets() const { return fValueEdit->NegAsBrackets(); }
  void SetNegAsBrackets(bool value) { fValueEdit->SetNegAsBrackets(value); }
  bool LakhFormatting() const { return fValueEdit->LakhFormatting(); }
  void SetLakhFormatting(bool value) { fValueEdit->SetLakhFormatting(value); }
  bool CustomSeparators() const { return fValueEdit->CustomSeparators(); }
  void SetCustomSeparators(bool value) { fValueEdit->SetCustomSeparators(value); }
  char16_t CustomDecimal() const { return fValueEdit->CustomDecimal(); }
  void SetCustomDecimal(char16_t value) { fValueEdit->SetCustomDecimal(value); }
  char16_t CustomThousands() const { return fValueEdit->CustomThousands(); }
  void SetCustomThousands(char16_t value) { fValueEdit->SetCustomThousands(value); }
  QString AsString() { return Text(); }
  void SetAsString(const QString& value) { SetText(value); }
  void SetOnSpecialColor(TQNTSpecialColorEvent handler) { fValueEdit->OnSpecialColor = std::move(handler); }

  TQNTEditColorSet* ColorSet() const override { return fValueEdit->ColorSet(); }
  void SetColorSet(const TQNTEditColorSet& value) override { fValueEdit->SetColorSet(value); }
  void SetUICtrl(TQNTUICtrl* value) override;
  void SetUIUsage(TQNTUIUsageTypes value) override;
  void SetHideButton(bool value) override;

  int SelLength() const override { return fValueEdit->SelLength(); }
  void SetSelLength(int value) override { fValueEdit->SetSelLength(value); }
  int SelStart() const override { return fValueEdit->SelStart(); }
  void SetSelStart(int value) override { fValueEdit->SetSelStart(value); }
  QString SelText() const override { return fValueEdit->SelText(); }
  void SetSelText(const QString& value) override { fValueEdit->SetSelText(value); }
  bool Modified() const override { return fValueEdit->Modified(); }
  void SetModified(bool value) override { fValueEdit->SetModified(value); }
  QString Text() override { return fValueEdit->Text(); }
  void SetText(const QString& value) override { fValueEdit->SetText(value); }
  void Clear() override { fValueEdit->Clear(); }
  void ClearSelection() override { fValueEdit->ClearSelection(); }
  void CopyToClipboard() override { fValueEdit->CopyToClipboard(); }
  void CutToClipboard() override { fValueEdit->CutToClipboard(); }
  void PasteFromClipboard() override { fValueEdit->PasteFromClipboard(); }
  void Undo() override { fValueEdit->Undo(); }
  void ClearUndo() override { fValueEdit->ClearUndo(); }
  void SelectAll() override { fValueEdit->SelectAll(); }
  void SelectNone() { fValueEdit->SelectNone(); }
  bool IsClear() { return fValueEdit->IsClear(); }
  /// Whether the hosted edit has the focus.
  bool Focused() const { return fValueEdit->hasFocus(); }

  /// The button's flat look from the colour set in force, then the hosted edit's redraw.
  void Redraw() override;
  /// The attached component's glyph when it offers one, else the built-in picture of CalcGlyphType.
  void RedrawGlyph() override;
  /// Gives the field the focus and drops the calculator down.
  void DoPopup();
  /// The attached component is going away: forget it without asking it anything, and (when `redraw`)
  /// show the built-in glyph again.
  void CalculatorGone(TQNTCalculator* calculator, bool redraw);

  /// The field's natural size: 87 wide, as high as its edit.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

  TNotifyEvent OnChange;
  TNotifyEvent OnCalcClick;
  TNotifyEvent OnCalcClickEnd;
  TNotifyEvent OnNull;
  /// Replaces the calculator window: the handler computes the new value itself.
  TQNTCalcEvent OnPopupCalc;
  /// May change the value before the calculator opens and after it closed.
  TQNTFloatEvent OnStartPopup;
  TQNTFloatEvent OnEndPopup;
  /// The hosted edit's key and mouse events (the hosted edit is the sender).
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  /// The hosted edit got or lost the focus (the calculator edit is the sender).
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void PanelFontChanged() override;
  void DoColorSetChange() override;

 private:
  void LayoutParts();
  void PopupCalculator(QObject* sender);
  /// Where the window opens below the field (or above it near the bottom of its screen).
  QPoint PopupPosition() const;
  void EditKeyDown(std::uint16_t& key, TShiftState shift);
  void EditKeyPress(char16_t& key);
  void UpdateButtonEnabled();

  TQNTFloatEdit* fValueEdit = nullptr;
  TQNTSpeedBtn* fCalcBtn = nullptr;
  TAlignment fAlignment = taRightJustify;
  bool fEditorEnabled = true;
  bool fCalcCenter = false;
  TQNTCalcGlyphType fCalcGlyphType = ecgCalcGlyFX;
  QString fCalcTitle;
  bool fNull = false;
  bool fReadOnly = false;
  bool fTabStop = true;
  bool fFlatCalc = false;
  bool fStoreValue = true;
  bool fAutoSize = true;
  int fHeight = 21;
  QPointer<TQNTCalculator> fQNTCalculator;
  bool fPopupCancelled = false;
  bool fAllowExpressions = false;
  bool fInPopup = false;
  bool fDestroying = false;
};

}  // namespace qnt
