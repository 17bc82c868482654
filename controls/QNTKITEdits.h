// The common ground under every kit edit: a single-line QLineEdit with a colour set, state-dependent
// colours, a flat border and mouse-over tracking (TQNTCustomStartEdit); the null state, the kit's
// keyboard conventions and the text <-> value conversion (TQNTCustomEdit); the exit processing that
// converts, redisplays and checks bounds when the edit is left (TQNTBaseEdit).
//
// How a key travels through an edit (keyPressEvent):
//   event()          OnCNKeyDown sees every key first (Tab included)
//   KeyDown          arrows as Tab, read-only Delete / Shift+Insert, keypad decimal; then OnKeyDown
//   KeyPress         the typed character: OnKeyPress, then FilterKey (Enter as Tab, Esc as undo,
//                    Ctrl+N null, Ctrl+A, accepted characters, read-only); the numeric edits put sign
//                    toggling, separators and forced decimals in front
//   QLineEdit        inserts what is left; paste and cut go through the kit's read-only and null rules
//   KeyUp            auto-advance (and live regrouping in the numeric edits); then OnKeyUp
//
// The kit's Text/SetText (and the numeric AsFloat, ...) are the edit's value interface; QLineEdit's own
// text()/setText() bypass the null state and the conversion and are for the kit's internal use.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>

#include "controls/QNTKITColorSets.h"
#include "kit/QNTKITPreferences.h"
#include "kit/QNTKITTypes.h"

namespace qnt {

class TQNTUICtrl;

/// Horizontal alignment of an edit's text.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

/// Colours, flat border, hover tracking and the link to an interface-preferences component.
class TQNTCustomStartEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TQNTCustomStartEdit(QWidget* parent = nullptr);
  ~TQNTCustomStartEdit() override;

  /// The edit's own colour set.
  TQNTEditColorSet* ColorSet() const { return fColorSet.get(); }
  /// Copies a colour set into the edit's own.
  void SetColorSet(const TQNTEditColorSet& value) { fColorSet->Assign(value); }
  /// The set that paints the edit: the preferences component's when the edit takes its colour set
  /// from it, else the edit's own.
  TQNTEditColorSet* EffectiveColorSet() const;

  /// The interface-preferences component the edit takes its settings from (not owned).
  TQNTUICtrl* UICtrl() const;
  void SetUICtrl(TQNTUICtrl* value);
  /// Which groups of settings come from UICtrl (all four by default).
  TQNTUIUsageTypes UIUsage() const { return fUIUsage; }
  void SetUIUsage(TQNTUIUsageTypes value);
  /// The attached component as the preference-resolution rule sees it (null when none).
  const IQNTUIPreferences* Preferences() const;

  /// The height follows the font.
  bool AutoSize() const { return fAutoSize; }
  void SetAutoSize(bool value);
  int Right() const { return x() + width(); }
  void SetRight(int value) { move(value - width(), y()); }
  int Bottom() const { return y() + height(); }
  void SetBottom(int value) { move(x(), value - height()); }
  /// Text shown for a null value (resolved through UICtrl).
  QString NullStr() const;
  void SetNullStr(const QString& value);
  /// A null value shows nothing instead of NullStr (resolved through UICtrl).
  virtual bool BlankWhenNull() const;
  virtual void SetBlankWhenNull(bool value);
  /// A zero value shows nothing (resolved through UICtrl).
  virtual bool BlankWhenZero() const;
  virtual void SetBlankWhenZero(bool value);
  bool MultiLine() const { return fMultiLine; }
  virtual void SetMultiLine(bool value);
  /// Select all text when the focus arrives other than by a mouse click.
  bool AutoSelect() const { return fAutoSelect; }
  void SetAutoSelect(bool value) { fAutoSelect = value; }
  TQNTBlankType DataType() const { return fDataType; }
  QString Version() const;
  /// Sign of the value (-1, 0, 1); drives the colours by sign.
  int Sign() const { return fSign; }
  /// The edit's focus state as its colours see it, and whether the mouse is over it.
  bool FocusState() const { return fFocused; }
  bool MouseOver() const { return fMouseOver; }
  /// The popup menu shown instead of the standard context menu (when autoPopup); also decides the
  /// special colours of escPopup and escAutoPopup.
  void SetPopupMenu(QMenu* menu, bool autoPopup = true);
  QMenu* PopupMenu() const { return fPopupMenu; }
  bool PopupAutoPopup() const { return fPopupAutoPopup; }

  void UpdateColorSet() { UpdateColours(true); }
  void Redraw();
  void Display() { RefreshDisplay(); }
  void BeginUpdate() { fInUpdate = true; }
  void EndUpdate();
  /// Whether NullStr differs from the kit default (and is shown).
  bool StoreNullStr() const;
  /// Whether the special colours apply, by the effective colour set's SpecialColorType.
  bool DecideSpecial();

  /// The colours the edit is painted with now.
  struct TQNTColorState {
    TColor Color;
    TColor FontColor;
    TFontStyles FontStyle;
  };
  TQNTColorState ColorState() const { return fColorState; }

  /// The preferences component is going away: forget it (without calling back) and show the own
  /// settings again.
  void UICtrlGone(TQNTUICtrl* ctrl);
  /// With AutoSize, takes the height the font needs.
  void AdjustHeight();

  TNotifyEvent OnColorSetChange;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TNotifyEvent AfterContextMenu;
  TQNTSpecialColorEvent OnSpecialColor;

 protected:
  virtual void ColorSetChanged();
  virtual void ColorSetFlatChanged();
  virtual void ColorSetParentColor();
  virtual void ColorSetParentFont();
  /// Shows the value (or the null text) again.
  virtual void RefreshDisplay() {}
  virtual void SignChanged();
  void SetSign(int sign);
  /// Read-only edits and the Tab order after UICtrl or UIUsage changed.
  virtual void ApplyReadOnlyTabStop() {}
  /// Recomputes the colours from the effective colour set and applies them.
  void UpdateColours(bool repaint);
  /// Flat or 3-D frame, from the effective colour set.
  void UpdateFrameStyle();
  /// The focus arrived (not a mere window activation).
  virtual void DoFocusEnter(Qt::FocusReason reason);
  /// The focus left: clears the focus state, recolours, marks a changed text modified, fires OnExit.
  virtual void DoFocusExit();
  /// The first half of DoFocusExit: the focus and mouse-up states and the colours.
  void LeaveFocusState();
  /// The blank and null settings in force (UICtrl's or the edit's own).
  TQNTBlankNullPrefs BlankNullInForce() const;
  /// The navigation switches in force (UICtrl's or the kit globals).
  TQNTNavigationPrefs NavigationInForce() const;
  /// Writes the window text, keeping the Modified flag (the platform's SetWindowText does not touch it).
  void SetWindowText(const QString& value);
  /// The text written by the edit itself, never the user's edit.
  bool WritingText() const { return fWritingText > 0; }

  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  std::unique_ptr<TQNTEditColorSet> fColorSet;
  QPointer<TQNTUICtrl> fUICtrl;
  TQNTUIUsageTypes fUIUsage = kAllUIUsage;
  int fSign = 0;
  bool fInUpdate = false;
  bool fBlankWhenNull = false;
  bool fBlankWhenZero = false;
  QString fNullStr;
  QString fEnterText;
  bool fMultiLine = false;
  bool fReadOnly = false;
  bool fFocused = false;
  bool fFirstMouseUp = false;
  bool fAutoSelectClick = false;
  bool fMouseOver = false;
  TQNTBlankType fDataType = btAll;
  // Own blank/null settings that TQNTCustomEdit publishes; kept here so the resolution sees them all.
  bool fAllowKbdNull = true;
  bool fBlankIsNull = false;

 private:
  void ApplyColourState();
  TColor ParentColorValue() const;

  TQNTColorState fColorState{clWindow, clWindowText, {}};
  bool fAutoSize = true;
  bool fAutoSelect = true;
  bool fApplyingColours = false;
  int fWritingText = 0;
  QFont fBaseFont;
  QPointer<QMenu> fPopupMenu;
  bool fPopupAutoPopup = true;
};

/// Null state, the kit's keyboard conventions, paste and cut rules, read-only and the Tab order.
class TQNTCustomEdit : public TQNTCustomStartEdit {
  Q_OBJECT

 public:
  explicit TQNTCustomEdit(QWidget* parent = nullptr);

  TAlignment Alignment() const { return fAlignment; }
  void SetAlignment(TAlignment value);
  /// Ctrl+N makes the value null (resolved through UICtrl).
  virtual bool AllowKbdNull() const;
  virtual void SetAllowKbdNull(bool value) { fAllowKbdNull = value; }
  /// Empty text means null (resolved through UICtrl).
  virtual bool BlankIsNull() const;
  virtual void SetBlankIsNull(bool value) { fBlankIsNull = value; }
  bool Null() const { return fNull; }
  virtual void SetNull(bool value);
  bool StoreValue() const { return fStoreValue; }
  void SetStoreValue(bool value) { fStoreValue = value; }
  bool ValueStored() const { return fStoreValue; }
  /// The keypad's decimal key types the decimal separator in force.
  bool NumPadDecimal() const { return fNumPadDecimal; }
  void SetNumPadDecimal(bool value) { fNumPadDecimal = value; }
  /// Filling the edit to MaxLength moves the focus on.
  bool AutoAdvance() const { return fAutoAdvance; }
  void SetAutoAdvance(bool value) { fAutoAdvance = value; }
  bool ReadOnly() const { return fReadOnly; }
  virtual void SetReadOnly(bool value);
  /// Whether Tab stops at the edit.
  bool TabStop() const { return focusPolicy() & Qt::TabFocus; }
  void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
  bool AutoSelectClick() const { return fAutoSelectClick; }
  virtual void SetAutoSelectClick(bool value) { fAutoSelectClick = value; }

  /// The text; empty while the edit is null.
  virtual QString Text();
  /// Sets the text: converts it and shows it in the edit's format (a null edit stays null for the
  /// null text, or for empty text when blanks stand for null).
  virtual void SetText(const QString& value);

  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  QString SelText() const { return selectedText(); }
  void SetSelText(const QString& value);
  bool Modified() const { return isModified(); }
  void SetModified(bool value) { setModified(value); }

  void SelectNone();
  bool IsClear();
  /// Empties the text and leaves the null state, without events.
  virtual void Clear();
  void ClearSelection();
  void CopyToClipboard() { copy(); }
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo() { undo(); }
  void ClearUndo();
  void SelectAll() { selectAll(); }

  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyEvent OnCNKeyDown;
  TNotifyEvent OnNull;
  TNotifyEvent OnNullChange;
  TNotifyEvent OnChange;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  virtual bool IsAcceptedChar(char16_t key) const { return key > 31; }
  /// The common key filter; sets key to 0 to discard it.
  virtual void FilterKey(char16_t& key);
  /// The typed character: OnKeyPress, then FilterKey.
  virtual void KeyPress(char16_t& key);
  /// A key went down (before the platform's handling); sets key to 0 to discard it.
  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  /// A key went up (after the platform's handling).
  virtual void KeyUp(std::uint16_t& key, TShiftState shift);
  /// The part of KeyUp that the numeric edits replace: auto-advance at MaxLength.
  virtual void AfterKeyUp(std::uint16_t& key, TShiftState shift);
  /// Reads the text into the value (nothing in these classes).
  virtual void ConvertText() {}
  void RefreshDisplay() override;
  void ApplyReadOnlyTabStop() override;
  /// Whether Up and Down move the focus; a spin edit keeps them for stepping.
  virtual bool ArrowsMoveFocus() const;
  /// Moves the focus to the next (previous) control of the window.
  void MoveFocus(bool next);
  /// The text-change handling: ConvertText, then OnChange.
  void TextChanged();
  /// Before a paste: refused while read-only; a null edit is cleared; the edit is marked modified.
  bool PrepareForPaste();
  bool PrepareForCut();
  /// Pastes text as the platform edit does: up to the first line break and within MaxLength.
  void PasteText(QString text);

  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

  TAlignment fAlignment = taLeftJustify;
  bool fNull = false;
  bool fStoreValue = true;
  bool fNumPadDecimal = false;
  bool fAutoAdvance = false;
  bool fNumPadPressed = false;
  bool fNoDisplayUpdate = false;
  QString fStrValue;
  /// The kit's limit on typed and pasted text (0: none); the platform edit itself is never limited,
  /// so text set by code is never cut.
  int fMaxLength = 0;

 private:
  void ProcessKeyPress(QKeyEvent* event);
  void UndoOnce();

  int fDisplayDepth = 0;
  bool fLastEscUndid = false;
  bool fEscUndoing = false;
};

/// Exit processing (convert, redisplay, bounds), MaxLength, conversion errors and bounds reports.
class TQNTBaseEdit : public TQNTCustomEdit {
  Q_OBJECT

 public:
  explicit TQNTBaseEdit(QWidget* parent = nullptr);

  QString AsString() { return Text(); }
  void SetAsString(const QString& value) { SetText(value); }
  int MaxLength() const { return fMaxLength; }
  void SetMaxLength(int value);
  /// Check the bounds when the edit is left.
  bool BoundsEnabled() const { return fBoundsValidation; }
  virtual void SetBoundsEnabled(bool value) { fBoundsValidation = value; }
  /// Every character is accepted (set by descendants, such as a calculator edit taking formulas).
  bool AllowAllChars() const { return fAllowAllChars; }
  virtual void SetAllowAllChars(bool value) { fAllowAllChars = value; }
  /// The result of the last bounds check.
  TQNTBoundsValidationtype BoundsValidationType() const { return fBoundsValidationtype; }
  /// False from focus enter until the edit was left with a text that converted.
  bool ConvertOK() const { return fConvertOK; }

  TQNTBoundsValidationEvent OnBoundsError;
  TNotifyEvent OnSignChange;
  TQNTConvertErrorEvent OnConvertError;
  TQNTExitStartEvent OnExitStart;

 protected:
  /// Checks the value against the bounds on exit and reports a violation.
  virtual void ValidateBounds();
  /// Reports a failed bounds check: OnBoundsError, else the message box; the focus comes back to
  /// the edit when refocus is set.
  void ReportBoundsError(const QString& message, bool refocus);
  void KeyPress(char16_t& key) override;
  void FilterKey(char16_t& key) override;
  void RefreshDisplay() override;
  void SignChanged() override;
  void DoFocusEnter(Qt::FocusReason reason) override;
  void DoFocusExit() override;

  TQNTBoundsValidationtype fBoundsValidationtype = evtNone;
  bool fBoundsValidation = false;
  /// Set while the exit processing converts: a text that is no value raises instead of being kept.
  bool fCheckforErrors = false;
  bool fConvertOK = false;
  bool fAllowAllChars = false;
};

}  // namespace qnt
