// Button panels, the speed button and the spin edit.
#include "controls/QNTKITPanels.h"

#include <QEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <algorithm>

#include "controls/QNTKITErrorDisplay.h"
#include "controls/QNTKITKeys.h"
#include "controls/QNTKITUICtrl.h"
#include "kit/QNTKITDefaults.h"

namespace qnt {

namespace {

constexpr std::int64_t kLongWordMax = 4294967295LL;

/// The spin edit's hosted edit: Up and Down step the value (instead of moving the focus) while the
/// spin edit's Arrows is on, also when an attached preferences component says arrows move the focus.
class TQNTSpinValueEdit : public TQNTPosEdit {
 public:
  TQNTSpinValueEdit(TQNTPosSpinEdit* spin, std::function<void()> focusLost)
      : TQNTPosEdit(spin), fSpin(spin), fFocusLost(std::move(focusLost)) {}

  /// The spin edit is going away: the focus-out that Qt sends while it frees its children must not
  /// reach the half-destroyed spin edit.
  void Detach() {
    fSpin = nullptr;
    fFocusLost = nullptr;
  }

 protected:
  bool ArrowsMoveFocus() const override {
    return (fSpin == nullptr || !fSpin->Arrows()) && TQNTPosEdit::ArrowsMoveFocus();
  }
  void focusOutEvent(QFocusEvent* event) override {
    TQNTPosEdit::focusOutEvent(event);
    // The arrow switch comes back however the edit was left (also when its exit reported an error).
    const auto reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && fFocusLost) fFocusLost();
  }

 private:
  TQNTPosSpinEdit* fSpin;
  std::function<void()> fFocusLost;
};

}  // namespace

// =============================================================================================
// TQNTCustomPanel

TQNTCustomPanel::TQNTCustomPanel(QWidget* parent) : QWidget(parent) {}

QString TQNTCustomPanel::Version() const { return QString::fromUtf16(kKitVersion); }

void TQNTCustomPanel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) Guarded(this, [this] { PanelFontChanged(); });
}

// =============================================================================================
// TQNTCustomBtnPanel

TQNTCustomBtnPanel::TQNTCustomBtnPanel(QWidget* parent) : TQNTCustomPanel(parent) {}

TQNTCustomBtnPanel::~TQNTCustomBtnPanel() {
  if (fUICtrl) fUICtrl->RemoveFromNotifyList(this);
}

TQNTUICtrl* TQNTCustomBtnPanel::UICtrl() const { return fUICtrl.data(); }

void TQNTCustomBtnPanel::SetUICtrl(TQNTUICtrl* value) {
  if (value == fUICtrl.data()) return;
  if (fUICtrl) fUICtrl->RemoveFromNotifyList(this);
  fUICtrl = value;
  if (value) value->AddToNotifyList(this);
}

void TQNTCustomBtnPanel::UICtrlGone(TQNTUICtrl* ctrl) {
  if (fUICtrl.data() == ctrl) fUICtrl = nullptr;
}

void TQNTCustomBtnPanel::DoColorSetChange() {
  if (OnColorSetChange) OnColorSetChange(this);
}

void TQNTCustomBtnPanel::BtnPanelSignChanged() {
  if (OnSignChange) OnSignChange(this);
}

void TQNTCustomBtnPanel::BtnPanelNullChanged() {
  if (OnNullChange) OnNullChange(this);
}

// =============================================================================================
// TQNTSpeedBtn

TQNTSpeedBtn::TQNTSpeedBtn(QWidget* parent) : QToolButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAutoRepeatDelay(static_cast<int>(fInterval));
  setAutoRepeatInterval(static_cast<int>(fInterval));
}

void TQNTSpeedBtn::SetInterval(unsigned value) {
  fInterval = std::max(value, 1u);
  setAutoRepeatDelay(static_cast<int>(fInterval));
  setAutoRepeatInterval(static_cast<int>(fInterval));
}

void TQNTSpeedBtn::SetRepeatable(bool value) {
  fRepeatable = value;
  setAutoRepeat(value);
}

QString TQNTSpeedBtn::Version() const { return QString::fromUtf16(kKitVersion); }

QIcon SpinGlyph(bool up) {
  QPixmap pixmap(9, 7);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  // A triangle 7 pixels wide at the base, 4 rows high, centred in the field.
  for (int row = 0; row < 4; ++row) {
    const int width = 1 + 2 * row;
    const int y = up ? 1 + row : 5 - row;
    p.drawRect(QRect(4 - row, y, width, 1));
  }
  p.end();
  QIcon icon(pixmap);
  return icon;
}

// =============================================================================================
// TQNTPosSpinEdit

TQNTPosSpinEdit::TQNTPosSpinEdit(QWidget* parent) : TQNTCustomBtnPanel(parent) {
  auto* edit = new TQNTSpinValueEdit(this, [this] {
    if (!fArrowsHeld) return;
    DefaultArrowsAsTab = fHoldArrowsAsTab;
    fArrowsHeld = false;
  });
  fValueEdit = edit;
  fValueEdit->setGeometry(0, 0, 71, 21);
  fValueEdit->SetAlignment(taRightJustify);
  fValueEdit->OnChange = [this](QObject*) {
    if (OnChange) OnChange(this);
  };
  fValueEdit->OnEnter = [this](QObject*) { EditEntered(); };
  fValueEdit->OnExit = [this](QObject*) { EditExited(); };
  fValueEdit->OnKeyDown = [this](QObject*, std::uint16_t& key, TShiftState shift) {
    EditKeyDown(key, shift);
  };
  fValueEdit->OnKeyPress = [this](QObject*, char16_t& key) { EditKeyPress(key); };
  fValueEdit->OnColorSetChange = [this](QObject*) { DoColorSetChange(); };
  fValueEdit->OnNullChange = [this](QObject*) {
    fNull = fValueEdit->Null();
    BtnPanelNullChanged();
  };
  fValueEdit->OnNull = [this](QObject*) {
    if (OnNull) OnNull(this);
  };
  fValueEdit->OnSignChange = [this](QObject*) { BtnPanelSignChanged(); };
  fValueEdit->OnKeyUp = [this](QObject* sender, std::uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(sender, key, shift);
  };
  fValueEdit->OnClick = [this](QObject* sender) {
    if (OnClick) OnClick(sender);
  };
  fValueEdit->OnDblClick = [this](QObject* sender) {
    if (OnDblClick) OnDblClick(sender);
  };

  fUpBtn = new TQNTSpeedBtn(this);
  fUpBtn->setGeometry(fValueEdit->width(), 0, 16, (fValueEdit->height() + 1) / 2);
  fUpBtn->setIcon(SpinGlyph(true));
  fUpBtn->setIconSize(QSize(9, 7));
  fUpBtn->SetRepeatable(true);
  fUpBtn->SetInterval(fInterval);
  connect(fUpBtn, &QToolButton::clicked, this, [this] { Guarded(this, [this] { Stepped(true, fUpBtn); }); });

  fDownBtn = new TQNTSpeedBtn(this);
  fDownBtn->setGeometry(fValueEdit->width(), 11, 16, fValueEdit->height() / 2);
  fDownBtn->setIcon(SpinGlyph(false));
  fDownBtn->setIconSize(QSize(9, 7));
  fDownBtn->SetRepeatable(true);
  fDownBtn->SetInterval(fInterval);
  connect(fDownBtn, &QToolButton::clicked, this,
          [this] { Guarded(this, [this] { Stepped(false, fDownBtn); }); });

  // The hosted edit takes the focus and the Tab stops for the panel. (The panel keeps Qt's NoFocus:
  // setting a policy on a panel with a focus proxy would set it on the edit.)
  setFocusProxy(fValueEdit);
  resize(87, 21);
  LayoutParts();
  Redraw();
}

TQNTPosSpinEdit::~TQNTPosSpinEdit() {
  // A spin edit that goes away while its edit holds the arrow switch gives the switch back.
  if (fArrowsHeld) {
    DefaultArrowsAsTab = fHoldArrowsAsTab;
    fArrowsHeld = false;
  }
  static_cast<TQNTSpinValueEdit*>(fValueEdit)->Detach();
  fValueEdit->OnChange = nullptr;
  fValueEdit->OnEnter = nullptr;
  fValueEdit->OnExit = nullptr;
  fValueEdit->OnKeyDown = nullptr;
  fValueEdit->OnKeyPress = nullptr;
  fValueEdit->OnColorSetChange = nullptr;
  fValueEdit->OnNullChange = nullptr;
  fValueEdit->OnNull = nullptr;
  fValueEdit->OnSignChange = nullptr;
  fValueEdit->OnKeyUp = nullptr;
  fValueEdit->OnClick = nullptr;
  fValueEdit->OnDblClick = nullptr;
  fUpBtn->disconnect(this);
  fDownBtn->disconnect(this);
}

std::int64_t TQNTPosSpinEdit::TypedValue() { return fValueEdit->AsInt64(); }

void TQNTPosSpinEdit::WriteValue(std::int64_t value) {
  fValueEdit->SetAsInt64(value);
  if (fValueEdit->text() != fValueEdit->FormattedValue()) fValueEdit->Display();
}

std::uint32_t TQNTPosSpinEdit::Value() {
  const std::int64_t typed = TypedValue();
  const std::int64_t clamped = std::clamp(typed, fMin, fMax);
  if (clamped != typed) WriteValue(clamped);
  return static_cast<std::uint32_t>(clamped);
}

void TQNTPosSpinEdit::SetValue(std::uint32_t value) {
  const std::int64_t clamped = std::clamp(static_cast<std::int64_t>(value), fMin, fMax);
  if (clamped != static_cast<std::int64_t>(Value())) WriteValue(clamped);
}

void TQNTPosSpinEdit::SetMax(std::uint32_t value) {
  const std::int64_t v = value;
  if (v == fMax) return;
  fMax = v;
  if (TypedValue() > v) WriteValue(v);
  if (v != kLongWordMax) fUnbounded = false;
  if (v < fMin) SetMin(value);
}

void TQNTPosSpinEdit::SetMin(std::uint32_t value) {
  const std::int64_t v = value;
  if (v == fMin) return;
  fMin = v;
  if (TypedValue() < v) WriteValue(v);
  if (v != 0) fUnbounded = false;
  if (fMax < v) SetMax(value);
}

void TQNTPosSpinEdit::SetUnbounded(bool value) {
  if (value == fUnbounded) return;
  fUnbounded = value;
  if (value) {
    fMax = kLongWordMax;
    fMin = 0;
  }
}

void TQNTPosSpinEdit::SetInterval(unsigned value) {
  fInterval = value;
  fUpBtn->SetInterval(value);
  fDownBtn->SetInterval(value);
}

void TQNTPosSpinEdit::SetReadOnly(bool value) {
  fReadOnly = value;
  fValueEdit->SetReadOnly(value);
}

void TQNTPosSpinEdit::SetTabStop(bool value) {
  fTabStop = value;
  fValueEdit->SetTabStop(value);
}

void TQNTPosSpinEdit::SetAlignment(TAlignment value) {
  fAlignment = value;
  fValueEdit->SetAlignment(value);
}

void TQNTPosSpinEdit::SetAutoSize(bool value) {
  if (value == fAutoSize) return;
  fAutoSize = value;
  fValueEdit->SetAutoSize(value);
  PanelFontChanged();
}

void TQNTPosSpinEdit::SetHeight(int value) {
  fHeight = value;
  resize(width(), value);
  LayoutParts();
}

bool TQNTPosSpinEdit::Enabled() const { return fUpBtn->isEnabled(); }

void TQNTPosSpinEdit::SetEnabled(bool value) {
  fUpBtn->setEnabled(value);
  fDownBtn->setEnabled(value);
  fValueEdit->setEnabled(value);
  QEvent changed(QEvent::EnabledChange);
  changeEvent(&changed);
  update();
}

void TQNTPosSpinEdit::SetNull(bool value) {
  fNull = value;
  fValueEdit->SetNull(value);
}

void TQNTPosSpinEdit::SetUICtrl(TQNTUICtrl* value) {
  TQNTCustomBtnPanel::SetUICtrl(value);
  fValueEdit->SetUICtrl(value);
  Redraw();
}

void TQNTPosSpinEdit::SetUIUsage(TQNTUIUsageTypes value) {
  TQNTCustomBtnPanel::SetUIUsage(value);
  fValueEdit->SetUIUsage(value);
  Redraw();
}

void TQNTPosSpinEdit::Redraw() {
  const bool flatBtns = fUICtrl && fUICtrl->HasColorSet() ? fUICtrl->ColorSet()->FlatBtns()
                                                          : fValueEdit->ColorSet()->FlatBtns();
  fUpBtn->SetFlat(flatBtns);
  fDownBtn->SetFlat(flatBtns);
  fValueEdit->Redraw();
}

void TQNTPosSpinEdit::DoColorSetChange() {
  TQNTCustomBtnPanel::DoColorSetChange();
  Redraw();
}

void TQNTPosSpinEdit::LayoutParts() {
  static thread_local int depth = 0;
  if (depth > 0) return;
  ++depth;
  struct Done {
    ~Done() { --depth; }
  } done;
  if (fAutoSize) {
    fValueEdit->AdjustHeight();
    if (height() != fValueEdit->height()) resize(width(), fValueEdit->height());
  }
  fHeight = height();
  const int editWidth = std::max(width() - fDownBtn->width(), 0);
  fValueEdit->setGeometry(0, 0, editWidth, fHeight);
  const int downHeight = fHeight / 2;
  const int upHeight = fHeight - downHeight;
  fUpBtn->setGeometry(editWidth, 0, fUpBtn->width(), upHeight);
  fDownBtn->setGeometry(editWidth, upHeight, fDownBtn->width(), downHeight);
}

QSize TQNTPosSpinEdit::sizeHint() const {
  return QSize(87, fAutoSize ? fValueEdit->sizeHint().height() : fHeight);
}

void TQNTPosSpinEdit::resizeEvent(QResizeEvent* event) {
  TQNTCustomBtnPanel::resizeEvent(event);
  Guarded(this, [this] { LayoutParts(); });
}

void TQNTPosSpinEdit::PanelFontChanged() {
  // The hosted edit takes the panel's font again; with AutoSize the panel follows its new height.
  fValueEdit->setFont(QFont());
  LayoutParts();
}

void TQNTPosSpinEdit::StepUp() { Stepped(true, fUpBtn); }

void TQNTPosSpinEdit::StepDown() { Stepped(false, fDownBtn); }

void TQNTPosSpinEdit::Stepped(bool up, QObject* sender) {
  if (fReadOnly) return;
  fValueEdit->setFocus(Qt::OtherFocusReason);
  if (up && OnUpClick) OnUpClick(sender);
  if (!up && OnDownClick) OnDownClick(sender);
  const std::int64_t v = Value();
  std::int64_t n = up ? v + fStep : v - fStep;
  if (up && n > fMax) n = fWrap && v == fMax ? fMin : fMax;
  if (!up && n < fMin) n = fWrap && v == fMin ? fMax : fMin;
  WriteValue(std::clamp(n, fMin, fMax));
  if (up && OnAfterUpClick) OnAfterUpClick(sender);
  if (!up && OnAfterDownClick) OnAfterDownClick(sender);
}

void TQNTPosSpinEdit::EditEntered() {
  if (!fArrows || fArrowsHeld) return;
  // Up and Down belong to the spin edit while its edit has the focus.
  fHoldArrowsAsTab = DefaultArrowsAsTab;
  DefaultArrowsAsTab = false;
  fArrowsHeld = true;
}

void TQNTPosSpinEdit::EditExited() {
  Value();
  if (fArrowsHeld) {
    DefaultArrowsAsTab = fHoldArrowsAsTab;
    fArrowsHeld = false;
  }
}

void TQNTPosSpinEdit::EditKeyDown(std::uint16_t& key, TShiftState shift) {
  if (fReadOnly) return;
  if (OnKeyDown) OnKeyDown(this, key, shift);
  if (shift.Contains(ssCtrl)) {
    if (key == VK_PRIOR) {
      SetValue(Max());
      key = 0;
    } else if (key == VK_NEXT) {
      SetValue(Min());
      key = 0;
    }
    return;
  }
  switch (key) {
    case VK_PRIOR: {
      const std::int64_t v = Value();
      const std::int64_t n = v + fPageStep;
      WriteValue(n <= fMax ? std::max(n, fMin) : (fWrap && v == fMax ? fMin : fMax));
      key = 0;
      break;
    }
    case VK_NEXT: {
      const std::int64_t v = Value();
      const std::int64_t n = v - fPageStep;
      WriteValue(n >= fMin ? std::min(n, fMax) : (fWrap && v == fMin ? fMax : fMin));
      key = 0;
      break;
    }
    case VK_UP:
      Stepped(true, fUpBtn);
      key = 0;
      break;
    case VK_DOWN:
      Stepped(false, fDownBtn);
      key = 0;
      break;
    default: break;
  }
}

void TQNTPosSpinEdit::EditKeyPress(char16_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
  if (!fEditorEnabled && key >= 32) key = 0;
}

}  // namespace qnt
