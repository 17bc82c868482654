// The calculator edit: construction, layout, glyph, enabling, keys, expressions and the drop-down.
#include "calc/QNTKITCalcEdit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "calc/QNTKITCalcFormTexts.h"
#include "calc/QNTKITCalcGlyphs.h"
#include "calc/QNTKITExpressions.h"
#include "controls/QNTKITErrorDisplay.h"
#include "controls/QNTKITKeys.h"
#include "controls/QNTKITUICtrl.h"
#include "kit/QNTKITDefaults.h"

namespace qnt {

namespace {

constexpr int kButtonWidth = 21;
// The calculator window's outer size as the drop-down reckons with it.
constexpr int kPopupHeight = 269;
constexpr int kPopupWidth = 196;

/// The hosted edit's conversion while expressions are allowed: the text is a formula.
void ConvertExpression(QObject*, const std::u16string& text, Extended& value) {
  std::u16string error;
  const Extended result = EvaluateExpression(text, amRadians, error);
  // A formula that fails keeps the field's value and is reported, instead of silently reading as 0.
  if (!error.empty()) throw EConvertError(error);
  value = result;
}

}  // namespace

TQNTCalcEdit::TQNTCalcEdit(QWidget* parent)
    : TQNTCustomBtnPanel(parent), fCalcTitle(CalcFormText(cfCalculator)) {
  fValueEdit = new TQNTFloatEdit(this);
  fValueEdit->setGeometry(0, 0, 66, fHeight);
  fValueEdit->SetAlignment(taRightJustify);
  fValueEdit->OnChange = [this](QObject*) {
    if (OnChange) OnChange(this);
  };
  fValueEdit->OnCNKeyDown = [this](QObject* sender, std::uint16_t& key, TShiftState shift) {
    if (OnCNKeyDown) OnCNKeyDown(sender, key, shift);
  };
  fValueEdit->OnKeyDown = [this](QObject*, std::uint16_t& key, TShiftState shift) {
    EditKeyDown(key, shift);
  };
  fValueEdit->OnKeyPress = [this](QObject*, char16_t& key) { EditKeyPress(key); };
  fValueEdit->OnKeyUp = [this](QObject* sender, std::uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(sender, key, shift);
  };
  fValueEdit->OnColorSetChange = [this](QObject*) { DoColorSetChange(); };
  fValueEdit->OnSignChange = [this](QObject*) { BtnPanelSignChanged(); };
  fValueEdit->OnNullChange = [this](QObject*) {
    fNull = fValueEdit->Null();
    BtnPanelNullChanged();
  };
  fValueEdit->OnNull = [this](QObject*) {
    if (OnNull) OnNull(this);
  };
  fValueEdit->OnClick = [this](QObject* sender) {
    if (OnClick) OnClick(sender);
  };
  fValueEdit->OnDblClick = [this](QObject* sender) {
    if (OnDblClick) OnDblClick(sender);
  };
  fValueEdit->OnEnter = [this](QObject*) {
    if (OnEnter) OnEnter(this);
  };
  fValueEdit->OnExit = [this](QObject*) {
    if (OnExit) OnExit(this);
  };

  fCalcBtn = new TQNTSpeedBtn(this);
  fCalcBtn->setObjectName(QStringLiteral("CalcBtn"));
  fCalcBtn->setGeometry(fValueEdit->width(), 0, kButtonWidth, fHeight);
  connect(fCalcBtn, &QToolButton::clicked, this,
          [this] { Guarded(this, [this] { PopupCalculator(fCalcBtn); }); });
  fCalcBtn->SetFlat(DefaultFlatBtns);
  RedrawGlyph();
  fCalcBtn->setVisible(!fHideButton);

  // The hosted edit takes the focus and the Tab stops for the panel.
  setFocusProxy(fValueEdit);
  resize(87, fHeight);
  LayoutParts();
  Redraw();
}

TQNTCalcEdit::~TQNTCalcEdit() {
  fDestroying = true;
  fValueEdit->OnChange = nullptr;
  fValueEdit->OnKeyDown = nullptr;
  fValueEdit->OnKeyPress = nullptr;
  fValueEdit->OnKeyUp = nullptr;
  fValueEdit->OnColorSetChange = nullptr;
  fValueEdit->OnSignChange = nullptr;
  fValueEdit->OnNullChange = nullptr;
  fValueEdit->OnNull = nullptr;
  fValueEdit->OnConvert = nullptr;
  fValueEdit->OnClick = nullptr;
  fValueEdit->OnDblClick = nullptr;
  fValueEdit->OnEnter = nullptr;
  fValueEdit->OnExit = nullptr;
  fValueEdit->OnCNKeyDown = nullptr;
  fCalcBtn->disconnect(this);
  if (fQNTCalculator) fQNTCalculator->RemoveFromNotifyGlyphChanges(this);
}

// ---- Layout

void TQNTCalcEdit::LayoutParts() {
  static thread_local int depth = 0;
  if (depth > 0 || fDestroying) return;
  ++depth;
  struct Done {
    ~Done() { --depth; }
  } done;
  if (fAutoSize) {
    fValueEdit->AdjustHeight();
    if (height() != fValueEdit->height()) resize(width(), fValueEdit->height());
  }
  fHeight = height();
  const int editWidth = std::max(width() - fCalcBtn->width(), 0);
  fValueEdit->setGeometry(0, 0, editWidth, fHeight);
  fCalcBtn->setGeometry(editWidth, 0, fCalcBtn->width(), fHeight);
}

void TQNTCalcEdit::resizeEvent(QResizeEvent* event) {
  TQNTCustomBtnPanel::resizeEvent(event);
  Guarded(this, [this] { LayoutParts(); });
}

QSize TQNTCalcEdit::sizeHint() const {
  return QSize(87, fAutoSize ? fValueEdit->sizeHint().height() : fHeight);
}

void TQNTCalcEdit::SetHeight(int value) {
  if (value == height()) return;
  fHeight = value;
  resize(width(), value);
  LayoutParts();
}

void TQNTCalcEdit::PanelFontChanged() {
  // The hosted edit takes the panel's font again; with AutoSize the panel follows its new height.
  fValueEdit->setFont(QFont());
  if (fAutoSize) SetHeight(fValueEdit->sizeHint().height());
  LayoutParts();
}

void TQNTCalcEdit::SetAutoSize(bool value) {
  if (value == fAutoSize) return;
  fAutoSize = value;
  fValueEdit->SetAutoSize(value);
  PanelFontChanged();
}

// ---- Look

void TQNTCalcEdit::RedrawGlyph() {
  if (fDestroying) return;
  TQNTCalculator* calculator = fQNTCalculator.data();
  if (calculator != nullptr && calculator->UseGlyph()) {
    const QPixmap& glyph = calculator->CalcEditGlyph();
    const int images = std::max(glyph.width() / std::max(glyph.height(), 1), 1);
    fCalcBtn->setIcon(GlyphStripIcon(glyph, images));
    fCalcBtn->setIconSize(QSize(glyph.width() / images, glyph.height()));
  } else {
    const QPixmap glyph = CalcEditGlyph(fCalcGlyphType);
    fCalcBtn->setIcon(GlyphStripIcon(glyph, 1));
    fCalcBtn->setIconSize(glyph.size());
  }
}

void TQNTCalcEdit::SetCalcGlyphType(TQNTCalcGlyphType value) {
  if (value == fCalcGlyphType) return;
  fCalcGlyphType = value;
  const QPixmap glyph = CalcEditGlyph(value);
  fCalcBtn->setIcon(GlyphStripIcon(glyph, 1));
  fCalcBtn->setIconSize(glyph.size());
}

void TQNTCalcEdit::SetCalculatorControl(TQNTCalculator* value) {
  if (value == fQNTCalculator.data()) return;
  if (fQNTCalculator) fQNTCalculator->RemoveFromNotifyGlyphChanges(this);
  fQNTCalculator = value;
  if (value) value->AddToNotifyGlyphChanges(this);
  RedrawGlyph();
}

void TQNTCalcEdit::CalculatorGone(TQNTCalculator* calculator, bool redraw) {
  if (fQNTCalculator.data() != calculator) return;
  fQNTCalculator = nullptr;
  if (redraw) RedrawGlyph();
}

void TQNTCalcEdit::Redraw() {
  const bool flatBtns = fUICtrl && fUICtrl->HasColorSet() ? fUICtrl->ColorSet()->FlatBtns()
                                                          : fValueEdit->ColorSet()->FlatBtns();
  fCalcBtn->SetFlat(flatBtns);
  fValueEdit->Redraw();
}

void TQNTCalcEdit::DoColorSetChange() {
  TQNTCustomBtnPanel::DoColorSetChange();
  Redraw();
}

void TQNTCalcEdit::SetUICtrl(TQNTUICtrl* value) {
  TQNTCustomBtnPanel::SetUICtrl(value);
  fValueEdit->SetUICtrl(value);
  Redraw();
}

void TQNTCalcEdit::SetUIUsage(TQNTUIUsageTypes value) {
  TQNTCustomBtnPanel::SetUIUsage(value);
  fValueEdit->SetUIUsage(value);
  Redraw();
}

void TQNTCalcEdit::SetHideButton(bool value) {
  if (value == fHideButton) return;
  fHideButton = value;
  fCalcBtn->setVisible(!value);
}

// ---- State

void TQNTCalcEdit::SetAlignment(TAlignment value) {
  if (value == fAlignment) return;
  fAlignment = value;
  fValueEdit->SetAlignment(value);
}

void TQNTCalcEdit::SetTabStop(bool value) {
  if (value == fTabStop) return;
  fTabStop = value;
  fValueEdit->SetTabStop(value);
}

void TQNTCalcEdit::SetNull(bool value) {
  fNull = value;
  fValueEdit->SetNull(value);
}

void TQNTCalcEdit::SetAsFloat(Extended value) {
  fValueEdit->SetAsFloat(value);
  fNull = fValueEdit->Null();
}

void TQNTCalcEdit::UpdateButtonEnabled() {
  fCalcBtn->setEnabled(fValueEdit->isEnabled() && !fValueEdit->ReadOnly() && !fInPopup);
}

void TQNTCalcEdit::SetEnabled(bool value) {
  fValueEdit->setEnabled(value);
  UpdateButtonEnabled();
  // The panel itself stays enabled; it only hears of the change.
  QEvent changed(QEvent::EnabledChange);
  changeEvent(&changed);
  update();
}

void TQNTCalcEdit::SetReadOnly(bool value) {
  if (value == fReadOnly) return;
  fReadOnly = value;
  fValueEdit->SetReadOnly(value);
  UpdateButtonEnabled();
}

void TQNTCalcEdit::SetAllowExpressions(bool value) {
  if (value == fAllowExpressions) return;
  fAllowExpressions = value;
  fValueEdit->SetAllowAllChars(value);
  if (value)
    fValueEdit->OnConvert = &ConvertExpression;
  else
    fValueEdit->OnConvert = nullptr;
}

// ---- Keys

void TQNTCalcEdit::EditKeyPress(char16_t& key) {
  if (OnKeyPress) OnKeyPress(fValueEdit, key);
  if (!fEditorEnabled && key >= 32) key = 0;
}

void TQNTCalcEdit::EditKeyDown(std::uint16_t& key, TShiftState shift) {
  if (fReadOnly) return;
  if (OnKeyDown) OnKeyDown(fValueEdit, key, shift);
  if (key == VK_DOWN && shift.Contains(ssAlt)) {
    key = 0;
    PopupCalculator(fValueEdit);
  }
}

// ---- Drop-down

void TQNTCalcEdit::DoPopup() {
  fValueEdit->setFocus(Qt::OtherFocusReason);
  PopupCalculator(this);
}

QPoint TQNTCalcEdit::PopupPosition() const {
  // The bottom-left corner of the field on the screen.
  QPoint p(x(), y() + fHeight);
  if (parentWidget() != nullptr) p = parentWidget()->mapToGlobal(p);
  // The field's own screen (with several screens, not the primary one).
  const QScreen* screen = this->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return p;
  const QRect area = screen->geometry();
  if (area.y() + area.height() < p.y() + kPopupHeight) p.ry() -= fHeight + kPopupHeight;
  if (area.x() + area.width() < p.x() + kPopupWidth) p.rx() = area.x() + area.width() - kPopupWidth;
  return p;
}

void TQNTCalcEdit::PopupCalculator(QObject* sender) {
  if (fReadOnly || fInPopup) return;
  if (OnCalcClick) OnCalcClick(sender);
  fPopupCancelled = false;
  Extended v = AsFloat();  // converts the current text first, so a typed formula counts
  if (OnStartPopup) OnStartPopup(sender, v);

  QPointer<TQNTCalcEdit> self(this);
  {
    // The button is disabled while the calculator is open. The hosted edit keeps the focus and stays
    // enabled (disabling it would move the focus and run its exit processing); the modal window
    // keeps input away from it.
    fInPopup = true;
    UpdateButtonEnabled();
    struct Cleanup {
      QPointer<TQNTCalcEdit> edit;
      ~Cleanup() {
        if (!edit) return;
        edit->fInPopup = false;
        edit->UpdateButtonEnabled();
      }
    } cleanup{self};
    // The calculator reads and shows the field's own separators for the time of the drop-down.
    std::optional<TQNTSeparatorScope> separators;
    if (CustomSeparators()) separators.emplace(CustomDecimal(), CustomThousands());

    if (OnPopupCalc) {
      OnPopupCalc(sender, v);
      SetAsFloat(v);
    } else {
      TQNTCalculator* calculator = fQNTCalculator.data();
      if (calculator != nullptr) {
        calculator->SetValue(v);
        if (!calculator->OverrideDecimalPlaces()) {
          calculator->SetDecimalPlaces(static_cast<std::uint8_t>(std::clamp(DecimalPlaces(), 0, 255)));
          calculator->SetTrimTrailingZeroes(TrimTrailingZeroes());
        }
      }
      const auto decimals = static_cast<std::uint8_t>(std::clamp(DecimalPlaces(), 0, 255));
      bool ok = false;
      if (fCalcCenter) {
        ok = calculator != nullptr ? calculator->Execute()
                                   : ShowCalculatorDialog(fCalcTitle, v, decimals, fFlatCalc);
      } else {
        const QPoint p = PopupPosition();
        ok = calculator != nullptr ? calculator->ExecutePos(p.x(), p.y())
                                   : ShowCalculatorDialog(fCalcTitle, v, p.x(), p.y(), decimals, fFlatCalc);
      }
      if (!self) return;
      // The component may have gone with the window's owner; only a living one is read back.
      calculator = fQNTCalculator.data();
      if (ok) {
        if (calculator != nullptr) {
          if (calculator->ReturnDecimalPlaces()) SetDecimalPlaces(calculator->DecimalPlaces());
          v = calculator->Value();
        }
        SetAsFloat(v);
        // The field shows the value it took back, also when that equals the value of a typed text
        // (a formula, say) that is still on show.
        fValueEdit->Display();
      } else {
        fPopupCancelled = true;
      }
    }
  }
  if (!self) return;
  if (OnEndPopup) {
    OnEndPopup(sender, v);
    SetAsFloat(v);
  }
  if (OnCalcClickEnd) OnCalcClickEnd(sender);
  fValueEdit->setFocus(Qt::OtherFocusReason);
}

}  // namespace qnt
