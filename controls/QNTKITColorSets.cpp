// Colour sets: defaults, change notification, assignment, the colour rules and the flat border.
#include "controls/QNTKITColorSets.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "kit/QNTKITDefaults.h"

namespace qnt {

// ---------------------------------------------------------------------------------------------
// Colours and fonts for painting.

QColor ColorToQColor(TColor color) {
  if (color == clNone || color == clDefault) return {};
  if (!IsSystemColor(color)) return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
  const QPalette pal = QGuiApplication::palette();
  switch (SystemColorIndex(color)) {
    case 0: return pal.color(QPalette::Mid);  // clScrollBar
    case 1: return QColor(0x3A, 0x6E, 0xA5);  // clBackground: the desktop, no palette role
    case 2: return pal.color(QPalette::Active, QPalette::Highlight);    // clActiveCaption
    case 3: return pal.color(QPalette::Inactive, QPalette::Highlight);  // clInactiveCaption
    case 4: return pal.color(QPalette::Window);                         // clMenu
    case 5: return pal.color(QPalette::Base);                           // clWindow
    case 6: return pal.color(QPalette::Shadow);                         // clWindowFrame
    case 7: return pal.color(QPalette::WindowText);                     // clMenuText
    case 8: return pal.color(QPalette::Text);                           // clWindowText
    case 9: return pal.color(QPalette::HighlightedText);                // clCaptionText
    case 10:
    case 11: return pal.color(QPalette::Mid);                       // clActiveBorder, clInactiveBorder
    case 12: return pal.color(QPalette::Dark);                      // clAppWorkSpace
    case 13: return pal.color(QPalette::Highlight);                 // clHighlight
    case 14: return pal.color(QPalette::HighlightedText);           // clHighlightText
    case 15: return pal.color(QPalette::Button);                    // clBtnFace
    case 16: return pal.color(QPalette::Dark);                      // clBtnShadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);  // clGrayText
    case 18: return pal.color(QPalette::ButtonText);                // clBtnText
    case 19: return pal.color(QPalette::Inactive, QPalette::HighlightedText);  // clInactiveCaptionText
    case 20: return pal.color(QPalette::Light);                                // clBtnHighlight
    case 21: return pal.color(QPalette::Shadow);                               // cl3DDkShadow
    case 22: return pal.color(QPalette::Midlight);                             // cl3DLight
    case 23: return pal.color(QPalette::ToolTipText);                          // clInfoText
    case 24: return pal.color(QPalette::ToolTipBase);                          // clInfoBk
    case 26: return pal.color(QPalette::Link);                                 // clHotLight
    case 27:
    case 28: return pal.color(QPalette::Highlight);  // gradient captions
    case 29: return pal.color(QPalette::Highlight);  // clMenuHighlight
    case 30: return pal.color(QPalette::Window);     // clMenuBar
    default: return pal.color(QPalette::Window);
  }
}

QFont FontWithStyles(QFont font, TFontStyles styles) {
  font.setBold(styles.Contains(fsBold));
  font.setItalic(styles.Contains(fsItalic));
  font.setUnderline(styles.Contains(fsUnderline));
  font.setStrikeOut(styles.Contains(fsStrikeOut));
  return font;
}

TFontStyles StylesOfFont(const QFont& font) {
  TFontStyles s;
  if (font.bold()) s.Include(fsBold);
  if (font.italic()) s.Include(fsItalic);
  if (font.underline()) s.Include(fsUnderline);
  if (font.strikeOut()) s.Include(fsStrikeOut);
  return s;
}

namespace {

// A one-pixel frame just inside r (the platform's FrameRect).
void FrameRect(QPainter& p, const QRect& r, const QColor& c) {
  if (r.width() <= 0 || r.height() <= 0) return;
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

// A colour that may be clNone: assigns out only when it is not, resolving clDefault.
void Apply(TColor c, TColor global, TColor& out) {
  if (c != clNone) out = ResolveDefault(c, global);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TQNTColorSet

TQNTColorSet::TQNTColorSet() { LoadOwnDefaults(); }

void TQNTColorSet::LoadOwnDefaults() {
  fFlat = DefaultFlat;
  fHotTracking = DefaultHotTracking;
  fShowFocus = DefaultShowFocus;
  fBorderSize = std::clamp(DefaultBorderSize, 1, 2);
  fBorderColor = DefaultBorderColor;
  fBorderFocusColor = DefaultBorderFocusColor;
  fBorderHotColor = DefaultBorderHotColor;
  fBorderDisabledColor = DefaultBorderDisabledColor;
  fXPThemesCombos = DefaultXPThemesCombos;
}

void TQNTColorSet::Assign(const TQNTColorSet& source) {
  if (&source == this) return;
  fFlat = source.fFlat;
  fHotTracking = source.fHotTracking;
  fShowFocus = source.fShowFocus;
  fBorderSize = source.fBorderSize;
  fBorderColor = source.fBorderColor;
  fBorderFocusColor = source.fBorderFocusColor;
  fBorderHotColor = source.fBorderHotColor;
  fBorderDisabledColor = source.fBorderDisabledColor;
  fColor_Defaults = false;
  NotifyFlatChange();
}

void TQNTColorSet::BeginUpdate() { fUpdating = true; }

void TQNTColorSet::EndUpdate() {
  fUpdating = false;
  NotifyFlatChange();
}

void TQNTColorSet::SetColor_Defaults() {
  LoadOwnDefaults();
  fColor_Defaults = true;
  NotifyFlatChange();
}

void TQNTColorSet::SetSet_Defaults(bool value) {
  if (value)
    SetColor_Defaults();
  else
    fColor_Defaults = false;
}

void TQNTColorSet::SetFlat(bool value) { Change(fFlat, value, true); }

void TQNTColorSet::SetBorderSize(int value) { Change(fBorderSize, std::clamp(value, 1, 2)); }

void TQNTColorSet::NotifyChange() {
  if (!fUpdating && OnChange) OnChange(this);
}

void TQNTColorSet::NotifyFlatChange() {
  NotifyChange();
  if (!fUpdating && OnFlatChange) OnFlatChange(this);
}

void TQNTColorSet::NotifyParentColor() {
  if (OnParentColor) OnParentColor(this);
}

void TQNTColorSet::NotifyParentFont() {
  if (OnParentFont) OnParentFont(this);
}

TColor TQNTColorSet::FrameRule(TColor base, TColor focus, TColor hot, TColor disabled, TColor defBase,
                               TColor defFocus, TColor defHot, TColor defDisabled, bool readOnly,
                               bool enabled, bool focusShown, bool hotShown) {
  if (base == clNone) {
    base = focus;
    if (base == clNone)
      base = clWindowFrame;
    else if (base == clDefault)
      base = defFocus;
  } else if (base == clDefault) {
    base = defBase;
  }
  if (!enabled) return disabled == clNone ? base : ResolveDefault(disabled, defDisabled);
  if (readOnly) return base;
  if (focusShown) return focus == clNone ? base : ResolveDefault(focus, defFocus);
  if (hotShown) return hot == clNone ? base : ResolveDefault(hot, defHot);
  return base;
}

TColor TQNTColorSet::GetFrameColor(bool readOnly, bool enabled, bool focused, bool hot) const {
  return FrameRule(fBorderColor, fBorderFocusColor, fBorderHotColor, fBorderDisabledColor, DefaultBorderColor,
                   DefaultBorderFocusColor, DefaultBorderHotColor, DefaultBorderDisabledColor, readOnly,
                   enabled, FocusShown(focused), HotShown(hot));
}

TColor TQNTColorSet::GetFocusFrameColor() const {
  if (fBorderFocusColor != clNone) return ResolveDefault(fBorderFocusColor, DefaultBorderFocusColor);
  if (fBorderColor == clNone) return clWindowFrame;
  return ResolveDefault(fBorderColor, DefaultBorderColor);
}

// ---------------------------------------------------------------------------------------------
// TQNTBaseStartEditColorSet

TQNTBaseStartEditColorSet::TQNTBaseStartEditColorSet() { LoadOwnDefaults(); }

void TQNTBaseStartEditColorSet::LoadOwnDefaults() {
  fHotColor = DefaultHotColor;
  fFocusColor = DefaultFocusColor;
  fROColor = DefaultROColor;
  fRWColor = DefaultRWColor;
  fDisabledColor = DefaultDisabledColor;
  // The special colours start from the globals of the plain property of the same state.
  fHotSpecialColor = DefaultHotColor;
  fFocusSpecialColor = DefaultFocusColor;
  fROSpecialColor = DefaultROColor;
  fRWSpecialColor = DefaultRWColor;
  fSpecialColorType = escNone;
}

void TQNTBaseStartEditColorSet::Assign(const TQNTColorSet& source) {
  if (auto* s = dynamic_cast<const TQNTBaseStartEditColorSet*>(&source); s && s != this) {
    fHotColor = s->fHotColor;
    fFocusColor = s->fFocusColor;
    fROColor = s->fROColor;
    fRWColor = s->fRWColor;
    fDisabledColor = s->fDisabledColor;
    fHotSpecialColor = s->fHotSpecialColor;
    fFocusSpecialColor = s->fFocusSpecialColor;
    fROSpecialColor = s->fROSpecialColor;
    fRWSpecialColor = s->fRWSpecialColor;
    fSpecialColorType = s->fSpecialColorType;
  }
  TQNTColorSet::Assign(source);
}

void TQNTBaseStartEditColorSet::SetColor_Defaults() {
  LoadOwnDefaults();
  TQNTColorSet::SetColor_Defaults();
}

void TQNTBaseStartEditColorSet::GetEditColor(bool readOnly, bool enabled, bool focused, bool hot,
                                             bool special, TColor& editColor) const {
  Apply(special ? fRWSpecialColor : fRWColor, DefaultRWColor, editColor);
  if (!enabled)
    Apply(fDisabledColor, DefaultDisabledColor, editColor);
  else if (readOnly)
    Apply(special ? fROSpecialColor : fROColor, DefaultROColor, editColor);
  else if (FocusShown(focused))
    Apply(special ? fFocusSpecialColor : fFocusColor, DefaultFocusColor, editColor);
  else if (HotShown(hot))
    Apply(special ? fHotSpecialColor : fHotColor, DefaultHotColor, editColor);
}

// ---------------------------------------------------------------------------------------------
// TQNTBaseEditColorSet

TQNTBaseEditColorSet::TQNTBaseEditColorSet() { LoadOwnDefaults(); }

void TQNTBaseEditColorSet::LoadOwnDefaults() {
  fHotFontColor = DefaultHotFontColor;
  fFocusFontColor = DefaultFocusFontColor;
  fROFontColor = DefaultROFontColor;
  fRWFontColor = DefaultRWFontColor;
  fHotSpecialFontColor = DefaultHotFontColor;
  fFocusSpecialFontColor = DefaultFocusFontColor;
  fROSpecialFontColor = DefaultROFontColor;
  fRWSpecialFontColor = DefaultRWFontColor;
  fHotFontStyle = DefaultHotFontStyle;
  fFocusFontStyle = DefaultFocusFontStyle;
  fROFontStyle = DefaultROFontStyle;
  fRWFontStyle = DefaultRWFontStyle;
  fHotSpecialFontStyle = DefaultHotFontStyle;
  fFocusSpecialFontStyle = DefaultFocusFontStyle;
  fROSpecialFontStyle = DefaultROFontStyle;
  fRWSpecialFontStyle = DefaultRWFontStyle;
}

void TQNTBaseEditColorSet::Assign(const TQNTColorSet& source) {
  if (auto* s = dynamic_cast<const TQNTBaseEditColorSet*>(&source); s && s != this) {
    fHotFontColor = s->fHotFontColor;
    fFocusFontColor = s->fFocusFontColor;
    fROFontColor = s->fROFontColor;
    fRWFontColor = s->fRWFontColor;
    fHotSpecialFontColor = s->fHotSpecialFontColor;
    fFocusSpecialFontColor = s->fFocusSpecialFontColor;
    fROSpecialFontColor = s->fROSpecialFontColor;
    fRWSpecialFontColor = s->fRWSpecialFontColor;
    fHotFontStyle = s->fHotFontStyle;
    fFocusFontStyle = s->fFocusFontStyle;
    fROFontStyle = s->fROFontStyle;
    fRWFontStyle = s->fRWFontStyle;
    fHotSpecialFontStyle = s->fHotSpecialFontStyle;
    fFocusSpecialFontStyle = s->fFocusSpecialFontStyle;
    fROSpecialFontStyle = s->fROSpecialFontStyle;
    fRWSpecialFontStyle = s->fRWSpecialFontStyle;
  }
  TQNTBaseStartEditColorSet::Assign(source);
}

void TQNTBaseEditColorSet::SetColor_Defaults() {
  LoadOwnDefaults();
  TQNTBaseStartEditColorSet::SetColor_Defaults();
}

void TQNTBaseEditColorSet::GetColorStates(bool enabled, bool readOnly, bool inFocus, bool hot, bool special,
                                          TColor& color, TColor& fontColor, TFontStyles& fontStyle) const {
  GetEditColor(readOnly, enabled, inFocus, hot, special, color);
  if (!enabled) return;
  if (readOnly) {
    const TColor f = special ? fROSpecialFontColor : fROFontColor;
    if (f == clNone)
      Apply(special ? fRWSpecialFontColor : fRWFontColor, DefaultRWFontColor, fontColor);
    else
      fontColor = ResolveDefault(f, DefaultROFontColor);
    fontStyle = special ? fROSpecialFontStyle : fROFontStyle;
  } else if (FocusShown(inFocus)) {
    Apply(special ? fFocusSpecialFontColor : fFocusFontColor, DefaultFocusFontColor, fontColor);
    fontStyle = special ? fFocusSpecialFontStyle : fFocusFontStyle;
  } else if (HotShown(hot)) {
    Apply(special ? fHotSpecialFontColor : fHotFontColor, DefaultHotFontColor, fontColor);
    fontStyle = special ? fHotSpecialFontStyle : fHotFontStyle;
  } else {
    Apply(special ? fRWSpecialFontColor : fRWFontColor, DefaultRWFontColor, fontColor);
    fontStyle = special ? fRWSpecialFontStyle : fRWFontStyle;
  }
}

void TQNTBaseEditColorSet::PaintFlatFrame(QPainter& painter, QRect r, bool lineStyle, bool readOnly,
                                          bool enabled, bool focused, bool hot, TColor color) const {
  const QColor background = ColorToQColor(color);
  const QColor frame = ColorToQColor(GetFrameColor(readOnly, enabled, focused, hot));
  if (lineStyle) {
    FrameRect(painter, r, background);
    r.adjust(1, 1, -1, -1);
    FrameRect(painter, r, background);
    r.adjust(1, 1, -1, -1);
    // The line runs along the bottom edge of the control, BorderSize pixels thick.
    const int y = r.bottom() + 2 - (fBorderSize - 1);
    painter.fillRect(QRect(r.left() - 2, y, r.width() + 4, fBorderSize), frame);
    r.setBottom(r.bottom() - 1);
  } else {
    FrameRect(painter, r, frame);
    r.adjust(1, 1, -1, -1);
    if (fBorderSize == 2) {
      FrameRect(painter, r, frame);
      r.adjust(1, 1, -1, -1);
    }
  }
  FrameRect(painter, r, background);
}

void TQNTBaseEditColorSet::FlattenComboControl(QPainter& painter, const QRect& rect, bool simpleStyle,
                                               int buttonWidth, bool readOnly, bool enabled, bool focused,
                                               bool hot, TColor color) const {
  // Visual themes count as active on this platform, so themed combos keep the platform's look.
  if (fXPThemesCombos) return;
  PaintFlatFrame(painter, rect, false, readOnly, enabled, focused, hot, color);
  if (simpleStyle) return;
  QRect button(rect.right() - 2 - buttonWidth + 1, rect.top() + 2, buttonWidth, rect.height() - 4);
  const QColor face = ColorToQColor(clBtnFace);
  for (int i = 0; i < 3; ++i) {
    FrameRect(painter, button, face);
    button.adjust(1, 1, -1, -1);
  }
  const QColor frame = ColorToQColor(GetFrameColor(readOnly, enabled, focused, hot));
  FrameRect(painter, QRect(rect.left(), rect.top(), rect.width() - buttonWidth - 2, rect.height()), frame);
}

// ---------------------------------------------------------------------------------------------
// TQNTEditColorSet

TQNTEditColorSet::TQNTEditColorSet() { LoadOwnDefaults(); }

void TQNTEditColorSet::LoadOwnDefaults() {
  fFlatBtns = DefaultFlatBtns;
  fLineEdit = DefaultLineEdit;
  fNumDiff = DefaultNumDiff;
  fNumPosFontColor = DefaultNumPosFontColor;
  fNumNegFontColor = DefaultNumNegFontColor;
  fNumPosFontStyle = DefaultNumPosFontStyle;
  fNumNegFontStyle = DefaultNumNegFontStyle;
}

void TQNTEditColorSet::Assign(const TQNTColorSet& source) {
  if (auto* s = dynamic_cast<const TQNTEditColorSet*>(&source); s && s != this) {
    fFlatBtns = s->fFlatBtns;
    fLineEdit = s->fLineEdit;
    fNumDiff = s->fNumDiff;
    fNumPosFontColor = s->fNumPosFontColor;
    fNumNegFontColor = s->fNumNegFontColor;
    fNumPosFontStyle = s->fNumPosFontStyle;
    fNumNegFontStyle = s->fNumNegFontStyle;
  }
  TQNTBaseEditColorSet::Assign(source);
}

void TQNTEditColorSet::SetColor_Defaults() {
  LoadOwnDefaults();
  TQNTBaseEditColorSet::SetColor_Defaults();
}

void TQNTEditColorSet::SetFlat(bool value) {
  if (!value && fLineEdit && fFlat) {
    fLineEdit = false;  // a bottom line only makes sense on a flat control
  }
  TQNTColorSet::SetFlat(value);
}

void TQNTEditColorSet::SetLineEdit(bool value) {
  if (value && !fFlat) {
    fFlat = true;
    fLineEdit = true;
    fColor_Defaults = false;
    NotifyFlatChange();
    return;
  }
  Change(fLineEdit, value, true);
}

void TQNTEditColorSet::GetNumericColorStates(bool enabled, bool readOnly, bool inFocus, bool hot,
                                             bool special, int sign, TColor& color, TColor& fontColor,
                                             TFontStyles& fontStyle) const {
  GetColorStates(enabled, readOnly, inFocus, hot, special, color, fontColor, fontStyle);
  if (!fNumDiff) return;
  if (sign < 0) {
    Apply(fNumNegFontColor, DefaultNumNegFontColor, fontColor);
    fontStyle = fNumNegFontStyle;
  } else if (sign > 0) {
    Apply(fNumPosFontColor, DefaultNumPosFontColor, fontColor);
    fontStyle = fNumPosFontStyle;
  }
}

void TQNTEditColorSet::FlattenControl(QPainter& painter, const QRect& rect, bool readOnly, bool enabled,
                                      bool focused, bool hot, TColor color) const {
  PaintFlatFrame(painter, rect, fLineEdit, readOnly, enabled, focused, hot, color);
}

// ---------------------------------------------------------------------------------------------
// TQNTCompleteColorSet

TQNTCompleteColorSet::TQNTCompleteColorSet() { LoadOwnDefaults(); }

void TQNTCompleteColorSet::LoadOwnDefaults() {
  fXPThemesCombos = DefaultXPThemesCombos;
  fListFontColor = DefaultListFontColor;
  fListHighlightFontColor = DefaultListHighlightFontColor;
  fListColor = DefaultListColor;
  fListHighLightColor = DefaultListHighlightColor;
  fBoxFrameSize = std::clamp(DefaultBoxFrameSize, 1, 2);
  fBoxFrameColor = DefaultBoxFrameColor;
  fBoxFrameFocusColor = DefaultBoxFrameFocusColor;
  fBoxFrameHotColor = DefaultBoxFrameHotColor;
  fBoxFrameDisabledColor = DefaultBoxFrameDisabledColor;
  fBoxNullColor = DefaultBoxNullColor;
  fItemDisabledColor = DefaultItemDisabledColor;
  fItemFocusColor = DefaultItemFocusColor;
  fItemHotColor = DefaultItemHotColor;
  fItemRWColor = DefaultItemRWColor;
  fItemROColor = DefaultItemROColor;
  fMarkDisabledColor = DefaultMarkDisabledColor;
  fMarkFocusColor = DefaultMarkFocusColor;
  fMarkHotColor = DefaultMarkHotColor;
  fMarkRWColor = DefaultMarkRWColor;
  fMarkROColor = DefaultMarkROColor;
  fItemRWFontStyle = DefaultItemRWFontStyle;
  fItemROFontStyle = DefaultItemROFontStyle;
  fItemHotFontStyle = DefaultItemHotFontStyle;
  fItemFocusFontStyle = DefaultItemFocusFontStyle;
  fItemStyle = DefaultItemStyle;
  fHeadingDisabledColor = DefaultHeadingDisabledColor;
  fHeadingFocusColor = DefaultHeadingFocusColor;
  fHeadingHotColor = DefaultHeadingHotColor;
  fHeadingColor = DefaultHeadingColor;
  fHeadingDisabledBkColor = DefaultHeadingDisabledBkColor;
  fHeadingFocusBkColor = DefaultHeadingFocusBkColor;
  fHeadingHotBkColor = DefaultHeadingHotBkColor;
  fHeadingBkColor = DefaultHeadingBkColor;
  fHeadingFontStyle = DefaultHeadingFontStyle;
  fHeadingHotFontStyle = DefaultHeadingHotFontStyle;
  fHeadingFocusFontStyle = DefaultHeadingFocusFontStyle;
  fHeadingStyle = DefaultHeadingStyle;
  // These two have no kit global.
  fFrameStyle = egfsNormal;
  fFrameWidth = 1;
  fLineColor = DefaultLineColor;
  fLineDisabledColor = DefaultLineDisabledColor;
  fLineHotColor = DefaultLineHotColor;
}

void TQNTCompleteColorSet::Assign(const TQNTColorSet& source) {
  if (auto* s = dynamic_cast<const TQNTCompleteColorSet*>(&source); s && s != this) {
    fXPThemesCombos = s->fXPThemesCombos;
    fListFontColor = s->fListFontColor;
    fListHighlightFontColor = s->fListHighlightFontColor;
    fListColor = s->fListColor;
    fListHighLightColor = s->fListHighLightColor;
    fBoxFrameSize = s->fBoxFrameSize;
    fBoxFrameColor = s->fBoxFrameColor;
    fBoxFrameFocusColor = s->fBoxFrameFocusColor;
    fBoxFrameHotColor = s->fBoxFrameHotColor;
    fBoxFrameDisabledColor = s->fBoxFrameDisabledColor;
    fBoxNullColor = s->fBoxNullColor;
    fItemDisabledColor = s->fItemDisabledColor;
    fItemFocusColor = s->fItemFocusColor;
    fItemHotColor = s->fItemHotColor;
    fItemRWColor = s->fItemRWColor;
    fItemROColor = s->fItemROColor;
    fMarkDisabledColor = s->fMarkDisabledColor;
    fMarkFocusColor = s->fMarkFocusColor;
    fMarkHotColor = s->fMarkHotColor;
    fMarkRWColor = s->fMarkRWColor;
    fMarkROColor = s->fMarkROColor;
    fItemRWFontStyle = s->fItemRWFontStyle;
    fItemROFontStyle = s->fItemROFontStyle;
    fItemHotFontStyle = s->fItemHotFontStyle;
    fItemFocusFontStyle = s->fItemFocusFontStyle;
    fItemStyle = s->fItemStyle;
    fHeadingDisabledColor = s->fHeadingDisabledColor;
    fHeadingFocusColor = s->fHeadingFocusColor;
    fHeadingHotColor = s->fHeadingHotColor;
    fHeadingColor = s->fHeadingColor;
    fHeadingDisabledBkColor = s->fHeadingDisabledBkColor;
    fHeadingFocusBkColor = s->fHeadingFocusBkColor;
    fHeadingHotBkColor = s->fHeadingHotBkColor;
    fHeadingBkColor = s->fHeadingBkColor;
    fHeadingFontStyle = s->fHeadingFontStyle;
    fHeadingHotFontStyle = s->fHeadingHotFontStyle;
    fHeadingFocusFontStyle = s->fHeadingFocusFontStyle;
    fHeadingStyle = s->fHeadingStyle;
    fFrameStyle = s->fFrameStyle;
    fFrameWidth = s->fFrameWidth;
    fLineColor = s->fLineColor;
    fLineDisabledColor = s->fLineDisabledColor;
    fLineHotColor = s->fLineHotColor;
  }
  TQNTEditColorSet::Assign(source);
}

void TQNTCompleteColorSet::SetColor_Defaults() {
  LoadOwnDefaults();
  TQNTEditColorSet::SetColor_Defaults();
}

void TQNTCompleteColorSet::SetBoxFrameSize(int value) { Change(fBoxFrameSize, std::clamp(value, 1, 2)); }

void TQNTCompleteColorSet::GetMarkColor(bool readOnly, bool enabled, bool focused, bool hot,
                                        TColor& markColor) const {
  // clDefault in the read-write mark colour resolves to the mark's own global, as every other rule does.
  Apply(fMarkRWColor, DefaultMarkRWColor, markColor);
  if (!enabled)
    Apply(fMarkDisabledColor, DefaultMarkDisabledColor, markColor);
  else if (readOnly)
    Apply(fMarkROColor, DefaultMarkROColor, markColor);
  else if (FocusShown(focused))
    Apply(fMarkFocusColor, DefaultMarkFocusColor, markColor);
  else if (HotShown(hot))
    Apply(fMarkHotColor, DefaultMarkHotColor, markColor);
}

void TQNTCompleteColorSet::GetItemColor(bool readOnly, bool enabled, bool focused, bool hot,
                                        TColor& itemColor, TFontStyles& itemFontStyle) const {
  // clDefault in the read-write item colour resolves to the item's own global, as every other rule does.
  Apply(fItemRWColor, DefaultItemRWColor, itemColor);
  itemFontStyle = fItemRWFontStyle;
  if (!enabled) {
    Apply(fItemDisabledColor, DefaultItemDisabledColor, itemColor);
  } else if (readOnly) {
    Apply(fItemROColor, DefaultItemROColor, itemColor);
    itemFontStyle = fItemROFontStyle;
  } else if (FocusShown(focused)) {
    Apply(fItemFocusColor, DefaultItemFocusColor, itemColor);
    itemFontStyle = fItemFocusFontStyle;
  } else if (HotShown(hot)) {
    Apply(fItemHotColor, DefaultItemHotColor, itemColor);
    itemFontStyle = fItemHotFontStyle;
  }
}

void TQNTCompleteColorSet::GetHeadingColors(bool enabled, bool focused, bool hot, TColor& headColor,
                                            TColor& headBkColor, TFontStyles& headFontStyle) const {
  Apply(fHeadingColor, DefaultHeadingColor, headColor);
  Apply(fHeadingBkColor, DefaultHeadingBkColor, headBkColor);
  headFontStyle = fHeadingFontStyle;
  if (!enabled) {
    Apply(fHeadingDisabledColor, DefaultHeadingDisabledColor, headColor);
    Apply(fHeadingDisabledBkColor, DefaultHeadingDisabledBkColor, headBkColor);
  } else if (FocusShown(focused)) {
    Apply(fHeadingFocusColor, DefaultHeadingFocusColor, headColor);
    Apply(fHeadingFocusBkColor, DefaultHeadingFocusBkColor, headBkColor);
    headFontStyle = fHeadingFocusFontStyle;
  } else if (HotShown(hot)) {
    Apply(fHeadingHotColor, DefaultHeadingHotColor, headColor);
    Apply(fHeadingHotBkColor, DefaultHeadingHotBkColor, headBkColor);
    headFontStyle = fHeadingHotFontStyle;
  }
}

TColor TQNTCompleteColorSet::GetBoxFrameColor(bool readOnly, bool enabled, bool focused, bool hot) const {
  return FrameRule(fBoxFrameColor, fBoxFrameFocusColor, fBoxFrameHotColor, fBoxFrameDisabledColor,
                   DefaultBoxFrameColor, DefaultBoxFrameFocusColor, DefaultBoxFrameHotColor,
                   DefaultBoxFrameDisabledColor, readOnly, enabled, FocusShown(focused), HotShown(hot));
}

}  // namespace qnt
