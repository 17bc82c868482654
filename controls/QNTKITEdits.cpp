// The kit's edit base classes: colours, keys, null state, paste and cut, exit processing.
#include "controls/QNTKITEdits.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <algorithm>

#include "controls/QNTKITControlTexts.h"
#include "controls/QNTKITErrorDisplay.h"
#include "controls/QNTKITKeys.h"
#include "controls/QNTKITUICtrl.h"
#include "kit/QNTKITDefaults.h"

namespace qnt {

namespace {

/// The text the platform edit would paste: up to the first line break.
QString FirstLine(QString text) {
  const auto cut = std::find_if(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
  text.truncate(static_cast<qsizetype>(cut - text.begin()));
  return text;
}

}  // namespace

// =============================================================================================
// TQNTCustomStartEdit

TQNTCustomStartEdit::TQNTCustomStartEdit(QWidget* parent)
    : QLineEdit(parent),
      fColorSet(std::make_unique<TQNTEditColorSet>()),
      fNullStr(QString::fromStdU16String(DefaultNullStr)),
      fBaseFont(font()) {
  fColorSet->OnChange = [this](TQNTColorSet*) { Guarded(this, [this] { ColorSetChanged(); }); };
  fColorSet->OnFlatChange = [this](TQNTColorSet*) { Guarded(this, [this] { ColorSetFlatChanged(); }); };
  fColorSet->OnParentColor = [this](TQNTColorSet*) { Guarded(this, [this] { ColorSetParentColor(); }); };
  fColorSet->OnParentFont = [this](TQNTColorSet*) { Guarded(this, [this] { ColorSetParentFont(); }); };
  // The platform edit is never limited: the kit limits typing and pasting itself (MaxLength).
  setMaxLength(32767);
  // Every paste goes through the kit's rules: no drops, no input-method commits of their own.
  setDragEnabled(false);
  setAcceptDrops(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setMouseTracking(true);
  UpdateFrameStyle();
  AdjustHeight();
  ApplyColourState();
}

TQNTCustomStartEdit::~TQNTCustomStartEdit() {
  if (fUICtrl) fUICtrl->RemoveFromNotifyList(this);
  fColorSet->OnChange = nullptr;
  fColorSet->OnFlatChange = nullptr;
  fColorSet->OnParentColor = nullptr;
  fColorSet->OnParentFont = nullptr;
}

TQNTEditColorSet* TQNTCustomStartEdit::EffectiveColorSet() const {
  if (UsesPreferenceColorSet(Preferences(), fUIUsage)) return fUICtrl->ColorSet();
  return fColorSet.get();
}

TQNTUICtrl* TQNTCustomStartEdit::UICtrl() const { return fUICtrl.data(); }

const IQNTUIPreferences* TQNTCustomStartEdit::Preferences() const { return fUICtrl.data(); }

void TQNTCustomStartEdit::SetUICtrl(TQNTUICtrl* value) {
  if (value == fUICtrl.data()) return;
  if (fUICtrl) fUICtrl->RemoveFromNotifyList(this);
  fUICtrl = value;
  if (value) value->AddToNotifyList(this);
  UpdateFrameStyle();
  UpdateColours(true);
  ApplyReadOnlyTabStop();
  // The null text, the blanks and the brackets may come from the component now.
  RefreshDisplay();
}

void TQNTCustomStartEdit::UICtrlGone(TQNTUICtrl* ctrl) {
  if (fUICtrl.data() != ctrl) return;
  fUICtrl = nullptr;
  UpdateFrameStyle();
  UpdateColours(true);
  RefreshDisplay();
}

void TQNTCustomStartEdit::SetUIUsage(TQNTUIUsageTypes value) {
  fUIUsage = value;
  UpdateFrameStyle();
  UpdateColours(true);
  ApplyReadOnlyTabStop();
  RefreshDisplay();
}

void TQNTCustomStartEdit::SetAutoSize(bool value) {
  if (value == fAutoSize) return;
  if (value && fMultiLine) fMultiLine = false;
  fAutoSize = value;
  AdjustHeight();
  update();
}

void TQNTCustomStartEdit::SetMultiLine(bool value) {
  // A single-line platform edit: the flag only changes the Enter rule (and switches AutoSize off).
  fMultiLine = value;
  if (value) fAutoSize = false;
  update();
}

void TQNTCustomStartEdit::AdjustHeight() {
  if (fAutoSize) resize(width(), sizeHint().height());
}

QString TQNTCustomStartEdit::NullStr() const {
  if (UsesPreferences(Preferences(), fUIUsage, eutBlank_Null))
    return QString::fromStdU16String(fUICtrl->NullStr());
  return fNullStr;
}

void TQNTCustomStartEdit::SetNullStr(const QString& value) {
  if (value == fNullStr) return;
  fNullStr = value;
  RefreshDisplay();
}

bool TQNTCustomStartEdit::BlankWhenNull() const { return BlankNullInForce().BlankWhenNull; }

void TQNTCustomStartEdit::SetBlankWhenNull(bool value) {
  if (value == fBlankWhenNull) return;
  fBlankWhenNull = value;
  RefreshDisplay();
}

bool TQNTCustomStartEdit::BlankWhenZero() const { return BlankNullInForce().BlankWhenZero; }

void TQNTCustomStartEdit::SetBlankWhenZero(bool value) {
  if (value == fBlankWhenZero) return;
  fBlankWhenZero = value;
  RefreshDisplay();
}

QString TQNTCustomStartEdit::Version() const { return QString::fromUtf16(kKitVersion); }

void TQNTCustomStartEdit::SetPopupMenu(QMenu* menu, bool autoPopup) {
  fPopupMenu = menu;
  fPopupAutoPopup = autoPopup;
  UpdateColours(true);
}

void TQNTCustomStartEdit::Redraw() {
  UpdateFrameStyle();
  UpdateColours(true);
}

void TQNTCustomStartEdit::EndUpdate() {
  fInUpdate = false;
  UpdateColours(true);
}

bool TQNTCustomStartEdit::StoreNullStr() const {
  return fNullStr != QString::fromStdU16String(DefaultNullStr) && !fBlankWhenNull;
}

bool TQNTCustomStartEdit::DecideSpecial() {
  switch (EffectiveColorSet()->SpecialColorType()) {
    case escNone: return false;
    case escEvent: {
      bool use = false;
      const bool fromComponent = UsesPreferenceColorSet(Preferences(), fUIUsage);
      if (fromComponent && fUICtrl->OnSpecialColor)
        fUICtrl->OnSpecialColor(this, use);
      else if (!fromComponent && OnSpecialColor)
        OnSpecialColor(this, use);
      return use;
    }
    case escPopup: return fPopupMenu != nullptr;
    case escAutoPopup: return fPopupMenu != nullptr && fPopupAutoPopup;
  }
  return false;
}

TQNTBlankNullPrefs TQNTCustomStartEdit::BlankNullInForce() const {
  TQNTBlankNullPrefs own;
  own.NullStr = fNullStr.toStdU16String();
  own.AllowKbdNull = fAllowKbdNull;
  own.BlankWhenNull = fBlankWhenNull;
  own.BlankWhenZero = fBlankWhenZero;
  own.BlankIsNull = fBlankIsNull;
  return ResolveBlankNull(Preferences(), fUIUsage, fDataType, own);
}

TQNTNavigationPrefs TQNTCustomStartEdit::NavigationInForce() const {
  return ResolveNavigation(Preferences(), fUIUsage);
}

void TQNTCustomStartEdit::ColorSetChanged() {
  if (OnColorSetChange) OnColorSetChange(this);
  UpdateColours(true);
}

void TQNTCustomStartEdit::ColorSetFlatChanged() { Redraw(); }

void TQNTCustomStartEdit::ColorSetParentColor() {
  // Re-inherit the parent's colours, then put the state colours back on top.
  setPalette(QPalette());
  UpdateColours(true);
}

void TQNTCustomStartEdit::ColorSetParentFont() {
  setFont(QFont());
  fBaseFont = font();
  UpdateColours(true);
}

void TQNTCustomStartEdit::SignChanged() { UpdateColours(true); }

void TQNTCustomStartEdit::SetSign(int sign) {
  if (sign == fSign) return;
  fSign = sign;
  SignChanged();
}

TColor TQNTCustomStartEdit::ParentColorValue() const {
  const QWidget* p = parentWidget();
  const QColor c =
      p ? p->palette().color(p->backgroundRole()) : QGuiApplication::palette().color(QPalette::Window);
  return RGBColor(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                  static_cast<std::uint8_t>(c.blue()));
}

void TQNTCustomStartEdit::UpdateColours(bool repaint) {
  if (fInUpdate) return;
  const TQNTEditColorSet* set = EffectiveColorSet();
  TQNTColorState state = fColorState;
  // A set without a read-write colour shows the parent's colour in that state.
  if (set->RWColor() == clNone) state.Color = ParentColorValue();
  const bool special = DecideSpecial();
  set->GetNumericColorStates(isEnabled(), fReadOnly, fFocused, fMouseOver, special, fSign, state.Color,
                             state.FontColor, state.FontStyle);
  fColorState = state;
  ApplyColourState();
  if (repaint) update();
}

void TQNTCustomStartEdit::ApplyColourState() {
  if (fApplyingColours) return;
  fApplyingColours = true;
  QPalette pal = palette();
  const QColor background = ColorToQColor(fColorState.Color);
  const QColor text = ColorToQColor(fColorState.FontColor);
  if (background.isValid()) {
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Window, background);
  }
  // A disabled edit keeps the platform's grey text; the other states take the rule's font colour.
  if (text.isValid()) {
    pal.setColor(QPalette::Active, QPalette::Text, text);
    pal.setColor(QPalette::Inactive, QPalette::Text, text);
  }
  if (pal != palette()) setPalette(pal);
  const QFont wanted = FontWithStyles(fBaseFont, fColorState.FontStyle);
  if (wanted != font()) setFont(wanted);
  fApplyingColours = false;
}

void TQNTCustomStartEdit::UpdateFrameStyle() {
  const TQNTEditColorSet* set = EffectiveColorSet();
  const bool flat = set->Flat();
  if (flat == !hasFrame()) {
    if (flat) {
      const int m = set->BorderSize();
      setTextMargins(m, m, m, m);
    }
    return;
  }
  setFrame(!flat);
  const int m = flat ? set->BorderSize() : 0;
  setTextMargins(m, m, m, m);
  AdjustHeight();
}

void TQNTCustomStartEdit::SetWindowText(const QString& value) {
  const bool modified = isModified();
  ++fWritingText;
  struct Done {
    int& depth;
    ~Done() { --depth; }
  } done{fWritingText};
  QLineEdit::setText(value);
  setModified(modified);
}

void TQNTCustomStartEdit::paintEvent(QPaintEvent* event) {
  const TQNTEditColorSet* set = EffectiveColorSet();
  if (!set->Flat()) {
    QLineEdit::paintEvent(event);
    return;
  }
  {
    QPainter p(this);
    p.fillRect(rect(), ColorToQColor(fColorState.Color));
  }
  QLineEdit::paintEvent(event);
  QPainter p(this);
  set->FlattenControl(p, rect(), fReadOnly, isEnabled(), fFocused, fMouseOver, fColorState.Color);
}

void TQNTCustomStartEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // The window coming back (or a popup closing) is no focus change inside the form.
  const auto reason = event->reason();
  if ((reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) && fFocused) return;
  Guarded(this, [&] { DoFocusEnter(reason); });
}

void TQNTCustomStartEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const auto reason = event->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  if (!fFocused) return;
  Guarded(this, [&] { DoFocusExit(); });
}

void TQNTCustomStartEdit::DoFocusEnter(Qt::FocusReason reason) {
  fEnterText = text();
  fFocused = true;
  fFirstMouseUp = true;
  if (ResetModifiedOnEnter) setModified(false);
  UpdateColours(true);
  if (fAutoSelect && reason != Qt::MouseFocusReason)
    selectAll();
  else if (!fAutoSelect && reason != Qt::MouseFocusReason)
    deselect();
  if (OnEnter) OnEnter(this);
}

void TQNTCustomStartEdit::LeaveFocusState() {
  fFocused = false;
  fFirstMouseUp = false;
  UpdateColours(true);
}

void TQNTCustomStartEdit::DoFocusExit() {
  LeaveFocusState();
  if (!fReadOnly && text() != fEnterText) setModified(true);
  if (OnExit) OnExit(this);
}

void TQNTCustomStartEdit::enterEvent(QEnterEvent* event) {
  QLineEdit::enterEvent(event);
  Guarded(this, [&] {
    fMouseOver = true;
    if (EffectiveColorSet()->HotTracking()) UpdateColours(true);
    if (OnMouseEnter) OnMouseEnter(this);
  });
}

void TQNTCustomStartEdit::leaveEvent(QEvent* event) {
  QLineEdit::leaveEvent(event);
  Guarded(this, [&] {
    fMouseOver = false;
    if (EffectiveColorSet()->HotTracking()) UpdateColours(true);
    if (OnMouseExit) OnMouseExit(this);
  });
}

void TQNTCustomStartEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  switch (event->type()) {
    case QEvent::EnabledChange: Guarded(this, [&] { UpdateColours(true); }); break;
    case QEvent::FontChange:
      if (!fApplyingColours) {
        // A font from outside: it is the base the state's style is put on.
        fBaseFont = FontWithStyles(font(), {});
        Guarded(this, [&] {
          AdjustHeight();
          UpdateColours(true);
        });
      }
      break;
    default: break;
  }
}

void TQNTCustomStartEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && fFirstMouseUp) {
    fFirstMouseUp = false;
    if (fAutoSelectClick) selectAll();
  }
}

// =============================================================================================
// TQNTCustomEdit

TQNTCustomEdit::TQNTCustomEdit(QWidget* parent) : TQNTCustomStartEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, [this] { Guarded(this, [this] { TextChanged(); }); });
}

void TQNTCustomEdit::SetAlignment(TAlignment value) {
  fAlignment = value;
  const Qt::Alignment h = value == taRightJustify ? Qt::AlignRight
                          : value == taCenter     ? Qt::AlignHCenter
                                                  : Qt::AlignLeft;
  setAlignment(h | Qt::AlignVCenter);
}

bool TQNTCustomEdit::AllowKbdNull() const { return BlankNullInForce().AllowKbdNull; }

bool TQNTCustomEdit::BlankIsNull() const { return BlankNullInForce().BlankIsNull; }

void TQNTCustomEdit::SetNull(bool value) {
  if (value == fNull) return;
  fNull = value;
  RefreshDisplay();
  if (!fReadOnly) setModified(true);
  if (OnNullChange) OnNullChange(this);
}

void TQNTCustomEdit::SetReadOnly(bool value) {
  const bool noTabStop = NavigationInForce().NoTabStopOnReadOnly;
  if (value == fReadOnly) return;
  fReadOnly = value;
  setReadOnly(value);
  SetTabStop(noTabStop || !value ? !value : true);
  UpdateColours(true);
}

void TQNTCustomEdit::ApplyReadOnlyTabStop() {
  if (!fUICtrl || !fUIUsage.Contains(eutNavigation)) return;
  if (fReadOnly) SetTabStop(!fUICtrl->NoTabStopOnReadOnly());
}

QString TQNTCustomEdit::Text() {
  fStrValue = text();
  return fNull ? QString() : fStrValue;
}

void TQNTCustomEdit::SetText(const QString& value) {
  if (fDisplayDepth > 8) return;  // a format that never settles must not recurse without end
  ++fDisplayDepth;
  struct Depth {
    int& depth;
    ~Depth() { --depth; }
  } depth{fDisplayDepth};

  const QString previous = fStrValue;
  const auto prefs = BlankNullInForce();
  if (prefs.BlankIsNull && value.isEmpty() && !fNull) {
    SetNull(true);
    RefreshDisplay();
    return;
  }
  bool leftNull = false;
  if (fNull) {
    const bool staysNull =
        prefs.BlankWhenNull ? value.isEmpty() : value == QString::fromStdU16String(prefs.NullStr);
    if (!staysNull) {
      fNull = false;
      leftNull = true;
    }
  }
  SetWindowText(value);
  if (value != previous || leftNull) {
    fStrValue = value;
    ConvertText();
    if (!fNoDisplayUpdate) RefreshDisplay();
  }
  if (leftNull && OnNullChange) OnNullChange(this);
}

void TQNTCustomEdit::RefreshDisplay() {
  if (!fNull) return;
  const auto prefs = BlankNullInForce();
  SetWindowText(prefs.BlankWhenNull ? QString() : QString::fromStdU16String(prefs.NullStr));
}

int TQNTCustomEdit::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void TQNTCustomEdit::SetSelStart(int value) {
  deselect();
  setCursorPosition(value);
}

int TQNTCustomEdit::SelLength() const {
  return hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
}

void TQNTCustomEdit::SetSelLength(int value) { setSelection(SelStart(), value); }

void TQNTCustomEdit::SetSelText(const QString& value) { insert(value); }

void TQNTCustomEdit::SelectNone() {
  deselect();
  setCursorPosition(0);
}

bool TQNTCustomEdit::IsClear() { return Text().isEmpty() || fNull; }

void TQNTCustomEdit::Clear() {
  fNull = false;
  fStrValue.clear();
  SetWindowText(QString());
}

void TQNTCustomEdit::ClearSelection() {
  if (fReadOnly) return;
  if (hasSelectedText()) del();
}

void TQNTCustomEdit::CutToClipboard() {
  if (PrepareForCut()) cut();
}

void TQNTCustomEdit::PasteFromClipboard() {
  if (!PrepareForPaste()) return;
  PasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

void TQNTCustomEdit::ClearUndo() {
  // The platform edit keeps its undo history in its text state: rewriting the text drops it.
  const int cursor = cursorPosition();
  SetWindowText(text());
  setCursorPosition(cursor);
}

bool TQNTCustomEdit::PrepareForPaste() {
  if (fReadOnly) return false;
  if (fNull) Clear();
  setModified(true);
  return true;
}

bool TQNTCustomEdit::PrepareForCut() {
  if (fReadOnly) return false;
  setModified(true);
  return true;
}

void TQNTCustomEdit::PasteText(QString pasted) {
  pasted = FirstLine(std::move(pasted));
  if (fMaxLength > 0) {
    const qsizetype room = fMaxLength - (text().size() - selectedText().size());
    pasted.truncate(std::max<qsizetype>(room, 0));
  }
  if (pasted.isEmpty()) return;
  insert(pasted);
  setModified(true);
}

void TQNTCustomEdit::MoveFocus(bool next) { focusNextPrevChild(next); }

bool TQNTCustomEdit::ArrowsMoveFocus() const { return NavigationInForce().ArrowsAsTab; }

void TQNTCustomEdit::TextChanged() {
  if (!fEscUndoing) fLastEscUndid = false;
  ConvertText();
  if (OnChange) OnChange(this);
}

void TQNTCustomEdit::UndoOnce() {
  // The platform edit keeps one undo step, and a second Esc takes the undo back.
  fEscUndoing = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{fEscUndoing};
  if (fLastEscUndid && isRedoAvailable()) {
    redo();
    fLastEscUndid = false;
  } else {
    undo();
    fLastEscUndid = true;
  }
}

void TQNTCustomEdit::FilterKey(char16_t& key) {
  const auto nav = NavigationInForce();
  if (key == 13) {
    if (fMultiLine) return;
    key = 0;
    if (nav.EnterAsTab) MoveFocus(true);
    return;
  }
  if (key == 27 && nav.ESCAsUndo) {
    key = 0;
    UndoOnce();
    return;
  }
  if (key == 14 && AllowKbdNull() && !fReadOnly) {
    SetNull(true);
    if (OnNull) OnNull(this);
    key = 0;
    return;
  }
  if (key == 1) {
    selectAll();
    key = 0;
    return;
  }
  if (key < 32) return;  // other control keys pass (copying works in a read-only edit)
  if (fReadOnly) {
    key = 0;
  } else if (!IsAcceptedChar(key)) {
    key = 0;
  } else if (fNull) {
    SetNull(false);
    Clear();
  }
}

void TQNTCustomEdit::KeyPress(char16_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
  if (key != 0) FilterKey(key);
}

void TQNTCustomEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  const bool noShift = shift.Empty();
  if (noShift) {
    if (key == VK_DELETE && fReadOnly)
      key = 0;
    else if (key == VK_DECIMAL && fNumPadDecimal)
      fNumPadPressed = true;  // the character that follows becomes the decimal separator
  }
  if (shift == TShiftState{ssShift} && key == VK_INSERT && fReadOnly) key = 0;
  if (noShift && (key == VK_UP || key == VK_DOWN) && ArrowsMoveFocus()) {
    const bool next = key == VK_DOWN;
    key = 0;
    MoveFocus(next);
  }
  if (key != 0 && OnKeyDown) OnKeyDown(this, key, shift);
}

void TQNTCustomEdit::KeyUp(std::uint16_t& key, TShiftState shift) {
  AfterKeyUp(key, shift);
  if (key != 0 && OnKeyUp) OnKeyUp(this, key, shift);
}

void TQNTCustomEdit::AfterKeyUp(std::uint16_t& key, TShiftState shift) {
  if (!fAutoAdvance || shift == TShiftState{ssAlt} || fMaxLength <= 0) return;
  const bool cursorKey =
      key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END;
  if (text().size() == fMaxLength && key > 31 && !cursorKey) {
    MoveFocus(true);
    key = 0;
  }
}

bool TQNTCustomEdit::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress && OnCNKeyDown) {
    auto* k = static_cast<QKeyEvent*>(event);
    std::uint16_t key = VirtualKeyOf(*k);
    if (key != 0) {
      const bool ok = Guarded(this, [&] { OnCNKeyDown(this, key, ShiftStateOf(*k)); });
      if (!ok || key == 0) {
        event->accept();
        return true;
      }
    }
  }
  if (event->type() == QEvent::ShortcutOverride) {
    // Keys the kit handles itself never trigger a window's shortcuts.
    auto* k = static_cast<QKeyEvent*>(event);
    const char16_t c = KeyPressCharOf(*k);
    if (c == 14 || c == 13 || (c == 27 && NavigationInForce().ESCAsUndo)) {
      event->accept();
      return true;
    }
  }
  return QLineEdit::event(event);
}

void TQNTCustomEdit::keyPressEvent(QKeyEvent* event) {
  if (!Guarded(this, [&] { ProcessKeyPress(event); })) event->accept();
}

void TQNTCustomEdit::ProcessKeyPress(QKeyEvent* event) {
  // Key down: the kit's rules, then OnKeyDown.
  const std::uint16_t code = VirtualKeyOf(*event);
  if (code != 0) {
    std::uint16_t key = code;
    KeyDown(key, ShiftStateOf(*event));
    if (key == 0) {
      event->accept();
      return;
    }
  }
  // Key press: the typed character.
  const char16_t typed = KeyPressCharOf(*event);
  if (typed != 0) {
    char16_t key = typed;
    KeyPress(key);
    if (key == 0) {
      event->accept();
      return;
    }
    if (key >= 32 && fMaxLength > 0 && text().size() - selectedText().size() >= fMaxLength) {
      event->accept();  // the platform edit refuses characters beyond its limit
      return;
    }
    if (key != typed) {
      const int qtKey = key < 128 ? (key >= u'a' && key <= u'z' ? key - 32 : key) : Qt::Key_unknown;
      QKeyEvent replaced(QEvent::KeyPress, qtKey, event->modifiers() & ~Qt::KeypadModifier,
                         QString(QChar(key)));
      QLineEdit::keyPressEvent(&replaced);
      event->setAccepted(replaced.isAccepted());
      return;
    }
  }
  // Paste and cut go through the kit's rules.
  if (event->matches(QKeySequence::Paste)) {
    PasteFromClipboard();
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    CutToClipboard();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TQNTCustomEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;
  Guarded(this, [&] {
    std::uint16_t key = VirtualKeyOf(*event);
    KeyUp(key, ShiftStateOf(*event));
  });
}

void TQNTCustomEdit::mousePressEvent(QMouseEvent* event) { QLineEdit::mousePressEvent(event); }

void TQNTCustomEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    // The selection paste of X11 is a paste like any other.
    if (PrepareForPaste()) {
      setCursorPosition(cursorPositionAt(event->position().toPoint()));
      PasteText(QGuiApplication::clipboard()->text(QClipboard::Selection));
    }
    event->accept();
    return;
  }
  TQNTCustomStartEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
    Guarded(this, [&] { OnClick(this); });
}

void TQNTCustomEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  if (OnDblClick) Guarded(this, [&] { OnDblClick(this); });
}

void TQNTCustomEdit::contextMenuEvent(QContextMenuEvent* event) {
  Guarded(this, [&] {
    QPointer<TQNTCustomEdit> self(this);
    if (PopupMenu() && PopupAutoPopup()) {
      PopupMenu()->exec(event->globalPos());
    } else {
      std::unique_ptr<QMenu> menu(createStandardContextMenu());
      // Paste and cut of the standard menu follow the kit's read-only and null rules.
      for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
          action->disconnect();
          action->setEnabled(!fReadOnly && QGuiApplication::clipboard()->mimeData() &&
                             QGuiApplication::clipboard()->mimeData()->hasText());
          connect(action, &QAction::triggered, this,
                  [this] { Guarded(this, [this] { PasteFromClipboard(); }); });
        } else if (action->objectName() == QLatin1String("edit-cut")) {
          action->disconnect();
          action->setEnabled(!fReadOnly && hasSelectedText());
          connect(action, &QAction::triggered, this, [this] { Guarded(this, [this] { CutToClipboard(); }); });
        }
      }
      menu->exec(event->globalPos());
    }
    if (self && AfterContextMenu) AfterContextMenu(this);
  });
  event->accept();
}

void TQNTCustomEdit::inputMethodEvent(QInputMethodEvent* event) {
  // Input methods are switched off for kit edits; a commit that arrives anyway is typed key by key.
  const QString commit = event->commitString();
  for (QChar c : commit) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    keyPressEvent(&key);
  }
  event->accept();
}

// =============================================================================================
// TQNTBaseEdit

TQNTBaseEdit::TQNTBaseEdit(QWidget* parent) : TQNTCustomEdit(parent) { resize(81, height()); }

void TQNTBaseEdit::SetMaxLength(int value) {
  value = std::max(value, 0);
  if (value == fMaxLength) return;
  fMaxLength = value;
  RefreshDisplay();
}

void TQNTBaseEdit::KeyPress(char16_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
  if (key != 0) FilterKey(key);
}

void TQNTBaseEdit::FilterKey(char16_t& key) {
  if (!fAllowAllChars || fReadOnly || key == 13 || key == 27 || key == 14 || key == 1) {
    TQNTCustomEdit::FilterKey(key);
    return;
  }
  // Every character is accepted; any key leaves the null state with an empty text.
  if (fNull) {
    SetNull(false);
    Clear();
  }
}

void TQNTBaseEdit::RefreshDisplay() {
  if (!fNull) {
    SetText(Text());
    return;
  }
  const auto prefs = BlankNullInForce();
  const QString shown = prefs.BlankWhenNull ? QString() : QString::fromStdU16String(prefs.NullStr);
  SetText(shown);
  SetText(shown);
}

void TQNTBaseEdit::SignChanged() {
  if (OnSignChange) OnSignChange(this);
  UpdateColours(true);
}

void TQNTBaseEdit::DoFocusEnter(Qt::FocusReason reason) {
  TQNTCustomEdit::DoFocusEnter(reason);
  fConvertOK = false;
}

void TQNTBaseEdit::DoFocusExit() {
  bool furtherChecking = true;
  if (OnExitStart) {
    std::u16string text = fStrValue.toStdU16String();
    OnExitStart(this, text, furtherChecking);
    fStrValue = QString::fromStdU16String(text);
    SetText(fStrValue);
  }
  if (BlankIsNull() && Text().isEmpty()) fNull = true;

  // While another edit's validation report is pending, this edit's is held back (no ping-pong).
  const bool suppressed = ValidationPending();
  fCheckforErrors = furtherChecking;
  try {
    ConvertText();
  } catch (const std::exception& error) {
    fCheckforErrors = false;
    if (suppressed) {
      // The text stays as typed; it is checked when the edit is next left.
      TQNTCustomEdit::DoFocusExit();
      return;
    }
    const QString typed = Text();
    if (OnConvertError) {
      Guarded(this, [&] { OnConvertError(this, typed.toStdU16String()); });
      PostValidationReport(this, {}, true);
    } else {
      const QString message = WithFullStop(ExceptionMessage(error));
      QPointer<TQNTBaseEdit> self(this);
      PostValidationReport(
          this, [self, message] { ShowErrorMessage(self, message); }, false);
      LeaveFocusState();
    }
    return;
  }
  fCheckforErrors = false;
  RefreshDisplay();
  if (fBoundsValidation && furtherChecking && !suppressed) ValidateBounds();
  fConvertOK = true;
  TQNTCustomEdit::DoFocusExit();
}

void TQNTBaseEdit::ValidateBounds() {
  if (!fBoundsValidation) return;
  ReportBoundsError(ControlText(ctValueNotAcceptable), false);
}

void TQNTBaseEdit::ReportBoundsError(const QString& message, bool refocus) {
  if (OnBoundsError) {
    const std::u16string typed = Text().toStdU16String();
    Guarded(this, [&] { OnBoundsError(this, typed, fBoundsValidationtype); });
    if (refocus) PostValidationReport(this, {}, true);
    return;
  }
  QPointer<TQNTBaseEdit> self(this);
  PostValidationReport(
      this, [self, message] { ShowErrorMessage(self, message); }, refocus);
}

}  // namespace qnt
