// Button panels: a borderless container that hosts one kit edit and buttons and presents them to the
// form as one edit-like control (TQNTCustomBtnPanel; the calculator edit is another descendant), the
// auto-repeating speed button, and the spin edit: a TQNTPosEdit for a non-negative integer with an up
// and a down button, bounds, steps, page steps and wrap-around.
#pragma once

#include <QPointer>
#include <QToolButton>
#include <QWidget>
#include <cstdint>

#include "controls/QNTKITColorSets.h"
#include "controls/QNTKITEdits.h"
#include "controls/QNTKITNumEdits.h"
#include "kit/QNTKITTypes.h"

namespace qnt {

class TQNTUICtrl;

/// The panel base: a borderless widget with Right, Bottom and Version.
class TQNTCustomPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TQNTCustomPanel(QWidget* parent = nullptr);

  int Right() const { return x() + width(); }
  void SetRight(int value) { move(value - width(), y()); }
  int Bottom() const { return y() + height(); }
  void SetBottom(int value) { move(x(), value - height()); }
  QString Version() const;

 protected:
  /// The panel's own font changed.
  virtual void PanelFontChanged() {}
  void changeEvent(QEvent* event) override;
};

/// The abstract container with an edit-like interface; the operations forward to the hosted edit in
/// descendants and do nothing here.
class TQNTCustomBtnPanel : public TQNTCustomPanel {
  Q_OBJECT

 public:
  explicit TQNTCustomBtnPanel(QWidget* parent = nullptr);
  ~TQNTCustomBtnPanel() override;

  TQNTUICtrl* UICtrl() const;
  virtual void SetUICtrl(TQNTUICtrl* value);
  TQNTUIUsageTypes UIUsage() const { return fUIUsage; }
  virtual void SetUIUsage(TQNTUIUsageTypes value) { fUIUsage = value; }
  /// The hosted edit's colour set (none here); writing copies into it.
  virtual TQNTEditColorSet* ColorSet() const { return nullptr; }
  virtual void SetColorSet(const TQNTEditColorSet& value) { (void)value; }
  virtual bool HideButton() const { return fHideButton; }
  virtual void SetHideButton(bool value) { fHideButton = value; }

  virtual int SelLength() const { return 0; }
  virtual void SetSelLength(int value) { (void)value; }
  virtual int SelStart() const { return 0; }
  virtual void SetSelStart(int value) { (void)value; }
  virtual QString SelText() const { return {}; }
  virtual void SetSelText(const QString& value) { (void)value; }
  virtual bool Modified() const { return false; }
  virtual void SetModified(bool value) { (void)value; }
  virtual QString Text() { return {}; }
  virtual void SetText(const QString& value) { (void)value; }

  virtual void Redraw() {}
  virtual void RedrawGlyph() {}
  virtual void Clear() {}
  virtual void ClearSelection() {}
  virtual void CopyToClipboard() {}
  virtual void CutToClipboard() {}
  virtual void PasteFromClipboard() {}
  virtual void Undo() {}
  virtual void ClearUndo() {}
  virtual void SelectAll() {}

  /// The preferences component is going away: forget it without calling back.
  virtual void UICtrlGone(TQNTUICtrl* ctrl);

  TNotifyEvent OnColorSetChange;
  TNotifyEvent OnSignChange;
  TNotifyEvent OnNullChange;
  TKeyEvent OnCNKeyDown;

 protected:
  virtual void DoColorSetChange();
  virtual void BtnPanelSignChanged();
  virtual void BtnPanelNullChanged();

  QPointer<TQNTUICtrl> fUICtrl;
  TQNTUIUsageTypes fUIUsage = kAllUIUsage;
  bool fHideButton = false;
};

/// A flat-capable tool button that repeats its click while held (Qt's timer-driven auto-repeat:
/// once after Interval, then every Interval, and once on release).
class TQNTSpeedBtn : public QToolButton {
  Q_OBJECT

 public:
  explicit TQNTSpeedBtn(QWidget* parent = nullptr);

  /// Milliseconds before the first repeat and between repeats.
  unsigned Interval() const { return fInterval; }
  void SetInterval(unsigned value);
  bool Repeatable() const { return fRepeatable; }
  void SetRepeatable(bool value);
  /// Whether the button is held down and repeating.
  bool Repeating() const { return isDown() && fRepeatable; }
  bool Flat() const { return autoRaise(); }
  void SetFlat(bool value) { setAutoRaise(value); }
  int Right() const { return x() + width(); }
  void SetRight(int value) { move(value - width(), y()); }
  int Bottom() const { return y() + height(); }
  void SetBottom(int value) { move(x(), value - height()); }
  QString Version() const;

 private:
  unsigned fInterval = 400;
  bool fRepeatable = false;
};

/// The arrow glyphs of the spin buttons, drawn in code: a black triangle, 7 pixels wide at the base,
/// on a 9 x 7 field.
QIcon SpinGlyph(bool up);

/// A non-negative integer field with up and down buttons.
class TQNTPosSpinEdit : public TQNTCustomBtnPanel {
  Q_OBJECT

 public:
  explicit TQNTPosSpinEdit(QWidget* parent = nullptr);
  ~TQNTPosSpinEdit() override;

  /// The hosted edit and the buttons (owned).
  TQNTPosEdit* ValueEdit() const { return fValueEdit; }
  TQNTSpeedBtn* UpBtn() const { return fUpBtn; }
  TQNTSpeedBtn* DownBtn() const { return fDownBtn; }

  /// The value clamped to Min..Max; a clamped text is written back.
  std::uint32_t Value();
  void SetValue(std::uint32_t value);
  std::uint32_t AsLongWord() { return Value(); }
  void SetAsLongWord(std::uint32_t value) { SetValue(value); }
  std::uint32_t Min() const { return static_cast<std::uint32_t>(fMin); }
  void SetMin(std::uint32_t value);
  std::uint32_t Max() const { return static_cast<std::uint32_t>(fMax); }
  void SetMax(std::uint32_t value);
  int Step() const { return fStep; }
  void SetStep(int value) { fStep = value; }
  int PageStep() const { return fPageStep; }
  void SetPageStep(int value) { fPageStep = value; }
  /// Stepping past a bound from that bound jumps to the other bound.
  bool Wrap() const { return fWrap; }
  void SetWrap(bool value) { fWrap = value; }
  /// True sets Max to 4294967295 and Min to 0.
  bool Unbounded() const { return fUnbounded; }
  void SetUnbounded(bool value);
  /// Up and Down step the value while the edit has the focus.
  bool Arrows() const { return fArrows; }
  void SetArrows(bool value) { fArrows = value; }
  /// False blocks typing (printable keys), not stepping.
  bool EditorEnabled() const { return fEditorEnabled; }
  void SetEditorEnabled(bool value) { fEditorEnabled = value; }
  unsigned Interval() const { return fInterval; }
  void SetInterval(unsigned value);
  bool ReadOnly() const { return fReadOnly; }
  void SetReadOnly(bool value);
  bool TabStop() const { return fTabStop; }
  void SetTabStop(bool value);
  TAlignment Alignment() const { return fAlignment; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return fAutoSize; }
  void SetAutoSize(bool value);
  int Height() const { return fHeight; }
  void SetHeight(int value);
  bool Enabled() const;
  void SetEnabled(bool value);
  bool StoreValue() const { return fStoreValue; }
  void SetStoreValue(bool value) { fStoreValue = value; }
  bool ValueStored() const { return fStoreValue; }

  // Forwarded to the hosted edit.
  bool AutoSelect() const { return fValueEdit->AutoSelect(); }
  void SetAutoSelect(bool value) { fValueEdit->SetAutoSelect(value); }
  bool AutoSelectClick() const { return fValueEdit->AutoSelectClick(); }
  void SetAutoSelectClick(bool value) { fValueEdit->SetAutoSelectClick(value); }
  bool AllowKbdNull() const { return fValueEdit->AllowKbdNull(); }
  void SetAllowKbdNull(bool value) { fValueEdit->SetAllowKbdNull(value); }
  bool BlankWhenNull() const { return fValueEdit->BlankWhenNull(); }
  void SetBlankWhenNull(bool value) { fValueEdit->SetBlankWhenNull(value); }
  bool BlankWhenZero() const { return fValueEdit->BlankWhenZero(); }
  void SetBlankWhenZero(bool value) { fValueEdit->SetBlankWhenZero(value); }
  bool BlankIsNull() const { return fValueEdit->BlankIsNull(); }
  void SetBlankIsNull(bool value) { fValueEdit->SetBlankIsNull(value); }
  QString NullStr() const { return fValueEdit->NullStr(); }
  void SetNullStr(const QString& value) { fValueEdit->SetNullStr(value); }
  bool Null() const { return fNull; }
  void SetNull(bool value);
  int MaxLength() const { return fValueEdit->MaxLength(); }
  void SetMaxLength(int value) { fValueEdit->SetMaxLength(value); }
  TQNTSeparatorStyle ThousandSeparators() const { return fValueEdit->ThousandSeparators(); }
  void SetThousandSeparators(TQNTSeparatorStyle value) { fValueEdit->SetThousandSeparators(value); }
  bool ShowThousandSeparators() const { return fValueEdit->ShowThousandSeparators(); }
  void SetShowThousandSeparators(bool value) { fValueEdit->SetShowThousandSeparators(value); }
  bool LakhFormatting() const { return fValueEdit->LakhFormatting(); }
  void SetLakhFormatting(bool value) { fValueEdit->SetLakhFormatting(value); }
  bool ZeroPad() const { return fValueEdit->ZeroPad(); }
  void SetZeroPad(bool value) { fValueEdit->SetZeroPad(value); }
  QString AsString() { return Text(); }
  void SetAsString(const QString& value) { SetText(value); }

  TQNTEditColorSet* ColorSet() const override { return fValueEdit->ColorSet(); }
  void SetColorSet(const TQNTEditColorSet& value) override { fValueEdit->SetColorSet(value); }
  void SetUICtrl(TQNTUICtrl* value) override;
  void SetUIUsage(TQNTUIUsageTypes value) override;

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
  void Redraw() override;
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

  /// The spin edit's natural size: 87 wide, as high as its edit.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

  /// One step up or down, as a button click or an arrow key does.
  void StepUp();
  void StepDown();

  TNotifyEvent OnChange;
  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;
  TNotifyEvent OnAfterUpClick;
  TNotifyEvent OnAfterDownClick;
  TNotifyEvent OnNull;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  /// The hosted edit's key-up, click and double click (with the edit as sender).
  TKeyEvent OnKeyUp;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void PanelFontChanged() override;
  void DoColorSetChange() override;

 private:
  /// The typed value at full width (digits beyond 64 bits read as the largest value).
  std::int64_t TypedValue();
  void WriteValue(std::int64_t value);
  void LayoutParts();
  void Stepped(bool up, QObject* sender);
  void EditEntered();
  void EditExited();
  void EditKeyDown(std::uint16_t& key, TShiftState shift);
  void EditKeyPress(char16_t& key);

  TQNTPosEdit* fValueEdit = nullptr;
  TQNTSpeedBtn* fUpBtn = nullptr;
  TQNTSpeedBtn* fDownBtn = nullptr;
  TAlignment fAlignment = taRightJustify;
  bool fArrows = true;
  bool fEditorEnabled = true;
  bool fHoldArrowsAsTab = true;
  bool fArrowsHeld = false;
  unsigned fInterval = 400;
  bool fNull = false;
  std::int64_t fMax = 100;
  std::int64_t fMin = 0;
  int fPageStep = 10;
  bool fReadOnly = false;
  bool fTabStop = true;
  int fStep = 1;
  bool fUnbounded = false;
  bool fWrap = false;
  bool fStoreValue = true;
  bool fAutoSize = true;
  int fHeight = 21;
};

}  // namespace qnt
