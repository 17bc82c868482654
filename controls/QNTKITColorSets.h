// Colour sets: every colour, font colour and font style a kit control uses in each of its states, the
// flat-border settings, and the rules that pick the colour for a state. Five classes form a chain,
// each adding the colours of a richer kind of control:
//
//   TQNTColorSet               border (size, colours per state), Flat, ShowFocus, HotTracking
//    -> TQNTBaseStartEditColorSet  background per state (plain and "special")
//     -> TQNTBaseEditColorSet      font colour and style per state
//      -> TQNTEditColorSet         flat buttons, line style, sign colours: the set every kit edit owns
//       -> TQNTCompleteColorSet    lists, boxes, items, marks, headings, group frames, lines: the set of
//                                  the interface-preferences component
//
// A set belongs to its control; every property change notifies the owner through OnChange (and
// OnFlatChange for the properties that change the drawing style), which recolours itself.
// Colours stay raw TColor values here; they become QColors only when painted (ColorToQColor).
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <functional>

#include "kit/QNTKITTypes.h"

class QPainter;

namespace qnt {

/// The colour a TColor stands for when painted: explicit $00BBGGRR colours as they are, system
/// colours from the application palette. clNone and clDefault have no colour of their own; they give
/// an invalid QColor.
QColor ColorToQColor(TColor color);
/// The font with exactly the given styles (bold, italic, underline, strike-out).
QFont FontWithStyles(QFont font, TFontStyles styles);
/// The styles the font carries.
TFontStyles StylesOfFont(const QFont& font);

class TQNTColorSet;
/// A colour-set notification (change, flat change, parent colour, parent font).
using TQNTColorSetEvent = std::function<void(TQNTColorSet* Sender)>;

/// The base set: border colours and size, flat style, focus and hot-tracking switches.
class TQNTColorSet {
 public:
  TQNTColorSet();
  virtual ~TQNTColorSet() = default;
  TQNTColorSet(const TQNTColorSet&) = delete;
  TQNTColorSet& operator=(const TQNTColorSet&) = delete;

  /// Copies every property the source's class shares with this set; fires OnChange and OnFlatChange.
  virtual void Assign(const TQNTColorSet& source);
  /// Suppresses notifications until EndUpdate, which passes on one change and one flat change.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  bool Updating() const { return fUpdating; }
  /// Copies every default from the kit globals, sets Set_Defaults and notifies once.
  virtual void SetColor_Defaults();

  /// The border colour for a state.
  TColor GetFrameColor(bool readOnly, bool enabled, bool focused, bool hot) const;
  /// The border colour of the focused state, whatever ShowFocus says.
  TColor GetFocusFrameColor() const;

  bool Flat() const { return fFlat; }
  virtual void SetFlat(bool value);
  bool HotTracking() const { return fHotTracking; }
  void SetHotTracking(bool value) { Change(fHotTracking, value); }
  bool ShowFocus() const { return fShowFocus; }
  void SetShowFocus(bool value) { Change(fShowFocus, value); }
  /// True while every property holds its default; writing True restores the defaults.
  bool Set_Defaults() const { return fColor_Defaults; }
  void SetSet_Defaults(bool value);
  /// 1 or 2 pixels; other values are limited to that range.
  int BorderSize() const { return fBorderSize; }
  void SetBorderSize(int value);
  TColor BorderColor() const { return fBorderColor; }
  void SetBorderColor(TColor value) { Change(fBorderColor, value); }
  TColor BorderFocusColor() const { return fBorderFocusColor; }
  void SetBorderFocusColor(TColor value) { Change(fBorderFocusColor, value); }
  TColor BorderHotColor() const { return fBorderHotColor; }
  void SetBorderHotColor(TColor value) { Change(fBorderHotColor, value); }
  TColor BorderDisabledColor() const { return fBorderDisabledColor; }
  void SetBorderDisabledColor(TColor value) { Change(fBorderDisabledColor, value); }
  /// Published only by the complete set.
  bool XPThemesCombos() const { return fXPThemesCombos; }

  TQNTColorSetEvent OnChange;
  TQNTColorSetEvent OnFlatChange;
  TQNTColorSetEvent OnParentColor;
  TQNTColorSetEvent OnParentFont;

  virtual void NotifyChange();
  virtual void NotifyFlatChange();
  virtual void NotifyParentColor();
  virtual void NotifyParentFont();

 protected:
  /// The setter rule: store a differing value, clear Set_Defaults and notify.
  template <class T>
  void Change(T& field, T value, bool flatKind = false) {
    if (field == value) return;
    field = value;
    fColor_Defaults = false;
    if (flatKind)
      NotifyFlatChange();
    else
      NotifyChange();
  }
  /// Copies this level's defaults from the kit globals (no notification).
  void LoadOwnDefaults();
  /// Whether a focused (hot) state is shown: the state and its switch.
  bool FocusShown(bool focused) const { return focused && fShowFocus; }
  bool HotShown(bool hot) const { return hot && fHotTracking; }
  /// The frame rule shared by the border and box-frame colours.
  static TColor FrameRule(TColor base, TColor focus, TColor hot, TColor disabled, TColor defBase,
                          TColor defFocus, TColor defHot, TColor defDisabled, bool readOnly, bool enabled,
                          bool focusShown, bool hotShown);

  bool fUpdating = false;
  int fBorderSize = 1;
  TColor fBorderColor;
  TColor fBorderFocusColor;
  TColor fBorderHotColor;
  TColor fBorderDisabledColor;
  bool fFlat = false;
  bool fShowFocus = false;
  bool fHotTracking = false;
  bool fColor_Defaults = true;
  bool fXPThemesCombos = false;
};

/// Adds the background colour of each state, with a "special" variant the owner may choose.
class TQNTBaseStartEditColorSet : public TQNTColorSet {
 public:
  TQNTBaseStartEditColorSet();

  void Assign(const TQNTColorSet& source) override;
  void SetColor_Defaults() override;

  /// The background for a state. EditColor is preset by the caller and only overwritten where a rule
  /// assigns it (clNone leaves it).
  void GetEditColor(bool readOnly, bool enabled, bool focused, bool hot, bool special,
                    TColor& editColor) const;

  TColor HotColor() const { return fHotColor; }
  void SetHotColor(TColor value) { Change(fHotColor, value); }
  TColor FocusColor() const { return fFocusColor; }
  void SetFocusColor(TColor value) { Change(fFocusColor, value); }
  TColor ROColor() const { return fROColor; }
  void SetROColor(TColor value) { Change(fROColor, value); }
  TColor RWColor() const { return fRWColor; }
  void SetRWColor(TColor value) { Change(fRWColor, value); }
  TColor DisabledColor() const { return fDisabledColor; }
  void SetDisabledColor(TColor value) { Change(fDisabledColor, value); }
  TColor HotSpecialColor() const { return fHotSpecialColor; }
  void SetHotSpecialColor(TColor value) { Change(fHotSpecialColor, value); }
  TColor FocusSpecialColor() const { return fFocusSpecialColor; }
  void SetFocusSpecialColor(TColor value) { Change(fFocusSpecialColor, value); }
  TColor ROSpecialColor() const { return fROSpecialColor; }
  void SetROSpecialColor(TColor value) { Change(fROSpecialColor, value); }
  TColor RWSpecialColor() const { return fRWSpecialColor; }
  void SetRWSpecialColor(TColor value) { Change(fRWSpecialColor, value); }
  TQNTSpecialColorType SpecialColorType() const { return fSpecialColorType; }
  void SetSpecialColorType(TQNTSpecialColorType value) { Change(fSpecialColorType, value); }

 private:
  void LoadOwnDefaults();

  TColor fHotColor, fFocusColor, fROColor, fRWColor, fDisabledColor;
  TColor fHotSpecialColor, fFocusSpecialColor, fROSpecialColor, fRWSpecialColor;
  TQNTSpecialColorType fSpecialColorType = escNone;
};

/// Adds the font colour and style of each state.
class TQNTBaseEditColorSet : public TQNTBaseStartEditColorSet {
 public:
  TQNTBaseEditColorSet();

  void Assign(const TQNTColorSet& source) override;
  void SetColor_Defaults() override;

  /// Background, font colour and style for a state; outputs are preset by the caller (a disabled
  /// state leaves the font colour and style as preset).
  void GetColorStates(bool enabled, bool readOnly, bool inFocus, bool hot, bool special, TColor& color,
                      TColor& fontColor, TFontStyles& fontStyle) const;

  /// Frames a combo box like FlattenControl and paints the drop-down button area (not when themed
  /// combos are asked for: themes count as active on this platform).
  void FlattenComboControl(QPainter& painter, const QRect& rect, bool simpleStyle, int buttonWidth,
                           bool readOnly, bool enabled, bool focused, bool hot, TColor color) const;

  TColor HotFontColor() const { return fHotFontColor; }
  void SetHotFontColor(TColor value) { Change(fHotFontColor, value); }
  TColor FocusFontColor() const { return fFocusFontColor; }
  void SetFocusFontColor(TColor value) { Change(fFocusFontColor, value); }
  TColor ROFontColor() const { return fROFontColor; }
  void SetROFontColor(TColor value) { Change(fROFontColor, value); }
  TColor RWFontColor() const { return fRWFontColor; }
  void SetRWFontColor(TColor value) { Change(fRWFontColor, value); }
  TColor HotSpecialFontColor() const { return fHotSpecialFontColor; }
  void SetHotSpecialFontColor(TColor value) { Change(fHotSpecialFontColor, value); }
  TColor FocusSpecialFontColor() const { return fFocusSpecialFontColor; }
  void SetFocusSpecialFontColor(TColor value) { Change(fFocusSpecialFontColor, value); }
  TColor ROSpecialFontColor() const { return fROSpecialFontColor; }
  void SetROSpecialFontColor(TColor value) { Change(fROSpecialFontColor, value); }
  TColor RWSpecialFontColor() const { return fRWSpecialFontColor; }
  void SetRWSpecialFontColor(TColor value) { Change(fRWSpecialFontColor, value); }
  TFontStyles HotFontStyle() const { return fHotFontStyle; }
  void SetHotFontStyle(TFontStyles value) { Change(fHotFontStyle, value); }
  TFontStyles FocusFontStyle() const { return fFocusFontStyle; }
  void SetFocusFontStyle(TFontStyles value) { Change(fFocusFontStyle, value); }
  TFontStyles ROFontStyle() const { return fROFontStyle; }
  void SetROFontStyle(TFontStyles value) { Change(fROFontStyle, value); }
  TFontStyles RWFontStyle() const { return fRWFontStyle; }
  void SetRWFontStyle(TFontStyles value) { Change(fRWFontStyle, value); }
  TFontStyles HotSpecialFontStyle() const { return fHotSpecialFontStyle; }
  void SetHotSpecialFontStyle(TFontStyles value) { Change(fHotSpecialFontStyle, value); }
  TFontStyles FocusSpecialFontStyle() const { return fFocusSpecialFontStyle; }
  void SetFocusSpecialFontStyle(TFontStyles value) { Change(fFocusSpecialFontStyle, value); }
  TFontStyles ROSpecialFontStyle() const { return fROSpecialFontStyle; }
  void SetROSpecialFontStyle(TFontStyles value) { Change(fROSpecialFontStyle, value); }
  TFontStyles RWSpecialFontStyle() const { return fRWSpecialFontStyle; }
  void SetRWSpecialFontStyle(TFontStyles value) { Change(fRWSpecialFontStyle, value); }

 protected:
  /// Frames rect in the state's frame colour (BorderSize pixels, or only a bottom line when lineStyle),
  /// then a ring in the background colour.
  void PaintFlatFrame(QPainter& painter, QRect rect, bool lineStyle, bool readOnly, bool enabled,
                      bool focused, bool hot, TColor color) const;

 private:
  void LoadOwnDefaults();

  TColor fHotFontColor, fFocusFontColor, fROFontColor, fRWFontColor;
  TColor fHotSpecialFontColor, fFocusSpecialFontColor, fROSpecialFontColor, fRWSpecialFontColor;
  TFontStyles fHotFontStyle, fFocusFontStyle, fROFontStyle, fRWFontStyle;
  TFontStyles fHotSpecialFontStyle, fFocusSpecialFontStyle, fROSpecialFontStyle, fRWSpecialFontStyle;
};

/// The set every kit edit owns: adds flat buttons, the line style and the colours by sign.
class TQNTEditColorSet : public TQNTBaseEditColorSet {
 public:
  TQNTEditColorSet();

  void Assign(const TQNTColorSet& source) override;
  void SetColor_Defaults() override;

  /// Setting Flat False also clears LineEdit.
  void SetFlat(bool value) override;

  /// GetColorStates, then (with NumDiff) the font colour and style of the value's sign; the sign
  /// colours apply in every state, disabled and read-only included.
  void GetNumericColorStates(bool enabled, bool readOnly, bool inFocus, bool hot, bool special, int sign,
                             TColor& color, TColor& fontColor, TFontStyles& fontStyle) const;

  /// Paints the flat border over the whole control rectangle: BorderSize pixels in the state's frame
  /// colour (or, with LineEdit, only a line along the bottom), then a ring in the background colour.
  void FlattenControl(QPainter& painter, const QRect& rect, bool readOnly, bool enabled, bool focused,
                      bool hot, TColor color) const;

  bool FlatBtns() const { return fFlatBtns; }
  virtual void SetFlatBtns(bool value) { Change(fFlatBtns, value, true); }
  /// Only a bottom line instead of a frame; setting True also sets Flat.
  bool LineEdit() const { return fLineEdit; }
  void SetLineEdit(bool value);
  bool NumDiff() const { return fNumDiff; }
  void SetNumDiff(bool value) { Change(fNumDiff, value); }
  TColor NumPosFontColor() const { return fNumPosFontColor; }
  void SetNumPosFontColor(TColor value) { Change(fNumPosFontColor, value); }
  TColor NumNegFontColor() const { return fNumNegFontColor; }
  void SetNumNegFontColor(TColor value) { Change(fNumNegFontColor, value); }
  TFontStyles NumPosFontStyle() const { return fNumPosFontStyle; }
  void SetNumPosFontStyle(TFontStyles value) { Change(fNumPosFontStyle, value); }
  TFontStyles NumNegFontStyle() const { return fNumNegFontStyle; }
  void SetNumNegFontStyle(TFontStyles value) { Change(fNumNegFontStyle, value); }

 private:
  void LoadOwnDefaults();

  bool fFlatBtns, fLineEdit, fNumDiff;
  TColor fNumPosFontColor, fNumNegFontColor;
  TFontStyles fNumPosFontStyle, fNumNegFontStyle;
};

/// The set of the interface-preferences component: adds list, box-frame, item, mark, heading,
/// group-frame and line colours.
class TQNTCompleteColorSet : public TQNTEditColorSet {
 public:
  TQNTCompleteColorSet();

  void Assign(const TQNTColorSet& source) override;
  void SetColor_Defaults() override;

  void GetMarkColor(bool readOnly, bool enabled, bool focused, bool hot, TColor& markColor) const;
  void GetItemColor(bool readOnly, bool enabled, bool focused, bool hot, TColor& itemColor,
                    TFontStyles& itemFontStyle) const;
  void GetHeadingColors(bool enabled, bool focused, bool hot, TColor& headColor, TColor& headBkColor,
                        TFontStyles& headFontStyle) const;
  TColor GetBoxFrameColor(bool readOnly, bool enabled, bool focused, bool hot) const;

  virtual void SetXPThemesCombos(bool value) { Change(fXPThemesCombos, value, true); }
  TQNTGroupFrameStyle GroupFrameStyle() const { return fFrameStyle; }
  virtual void SetGroupFrameStyle(TQNTGroupFrameStyle value) { Change(fFrameStyle, value); }
  int GroupFrameWidth() const { return fFrameWidth; }
  virtual void SetGroupFrameWidth(int value) { Change(fFrameWidth, value); }

  TColor ListFontColor() const { return fListFontColor; }
  void SetListFontColor(TColor value) { Change(fListFontColor, value); }
  TColor ListHighlightFontColor() const { return fListHighlightFontColor; }
  void SetListHighlightFontColor(TColor value) { Change(fListHighlightFontColor, value); }
  TColor ListColor() const { return fListColor; }
  void SetListColor(TColor value) { Change(fListColor, value); }
  TColor ListHighlightColor() const { return fListHighLightColor; }
  void SetListHighlightColor(TColor value) { Change(fListHighLightColor, value); }
  /// 1 or 2 pixels; other values are limited to that range.
  int BoxFrameSize() const { return fBoxFrameSize; }
  void SetBoxFrameSize(int value);
  TColor BoxFrameColor() const { return fBoxFrameColor; }
  void SetBoxFrameColor(TColor value) { Change(fBoxFrameColor, value); }
  TColor BoxFrameFocusColor() const { return fBoxFrameFocusColor; }
  void SetBoxFrameFocusColor(TColor value) { Change(fBoxFrameFocusColor, value); }
  TColor BoxFrameHotColor() const { return fBoxFrameHotColor; }
  void SetBoxFrameHotColor(TColor value) { Change(fBoxFrameHotColor, value); }
  TColor BoxFrameDisabledColor() const { return fBoxFrameDisabledColor; }
  void SetBoxFrameDisabledColor(TColor value) { Change(fBoxFrameDisabledColor, value); }
  TColor BoxNullColor() const { return fBoxNullColor; }
  void SetBoxNullColor(TColor value) { Change(fBoxNullColor, value); }
  TColor ItemDisabledColor() const { return fItemDisabledColor; }
  void SetItemDisabledColor(TColor value) { Change(fItemDisabledColor, value); }
  TColor ItemFocusColor() const { return fItemFocusColor; }
  void SetItemFocusColor(TColor value) { Change(fItemFocusColor, value); }
  TColor ItemHotColor() const { return fItemHotColor; }
  void SetItemHotColor(TColor value) { Change(fItemHotColor, value); }
  TColor ItemRWColor() const { return fItemRWColor; }
  void SetItemRWColor(TColor value) { Change(fItemRWColor, value); }
  TColor ItemROColor() const { return fItemROColor; }
  void SetItemROColor(TColor value) { Change(fItemROColor, value); }
  TColor MarkDisabledColor() const { return fMarkDisabledColor; }
  void SetMarkDisabledColor(TColor value) { Change(fMarkDisabledColor, value); }
  TColor MarkFocusColor() const { return fMarkFocusColor; }
  void SetMarkFocusColor(TColor value) { Change(fMarkFocusColor, value); }
  TColor MarkHotColor() const { return fMarkHotColor; }
  void SetMarkHotColor(TColor value) { Change(fMarkHotColor, value); }
  TColor MarkRWColor() const { return fMarkRWColor; }
  void SetMarkRWColor(TColor value) { Change(fMarkRWColor, value); }
  TColor MarkROColor() const { return fMarkROColor; }
  void SetMarkROColor(TColor value) { Change(fMarkROColor, value); }
  TFontStyles ItemRWFontStyle() const { return fItemRWFontStyle; }
  void SetItemRWFontStyle(TFontStyles value) { Change(fItemRWFontStyle, value); }
  TFontStyles ItemROFontStyle() const { return fItemROFontStyle; }
  void SetItemROFontStyle(TFontStyles value) { Change(fItemROFontStyle, value); }
  TFontStyles ItemHotFontStyle() const { return fItemHotFontStyle; }
  void SetItemHotFontStyle(TFontStyles value) { Change(fItemHotFontStyle, value); }
  TFontStyles ItemFocusFontStyle() const { return fItemFocusFontStyle; }
  void SetItemFocusFontStyle(TFontStyles value) { Change(fItemFocusFontStyle, value); }
  TQNTLabelStyle ItemStyle() const { return fItemStyle; }
  void SetItemStyle(TQNTLabelStyle value) { Change(fItemStyle, value); }
  TColor HeadingDisabledColor() const { return fHeadingDisabledColor; }
  void SetHeadingDisabledColor(TColor value) { Change(fHeadingDisabledColor, value); }
  TColor HeadingFocusColor() const { return fHeadingFocusColor; }
  void SetHeadingFocusColor(TColor value) { Change(fHeadingFocusColor, value); }
  TColor HeadingHotColor() const { return fHeadingHotColor; }
  void SetHeadingHotColor(TColor value) { Change(fHeadingHotColor, value); }
  TColor HeadingColor() const { return fHeadingColor; }
  void SetHeadingColor(TColor value) { Change(fHeadingColor, value); }
  TColor HeadingDisabledBkColor() const { return fHeadingDisabledBkColor; }
  void SetHeadingDisabledBkColor(TColor value) { Change(fHeadingDisabledBkColor, value); }
  TColor HeadingFocusBkColor() const { return fHeadingFocusBkColor; }
  void SetHeadingFocusBkColor(TColor value) { Change(fHeadingFocusBkColor, value); }
  TColor HeadingHotBkColor() const { return fHeadingHotBkColor; }
  void SetHeadingHotBkColor(TColor value) { Change(fHeadingHotBkColor, value); }
  TColor HeadingBkColor() const { return fHeadingBkColor; }
  void SetHeadingBkColor(TColor value) { Change(fHeadingBkColor, value); }
  TFontStyles HeadingFontStyle() const { return fHeadingFontStyle; }
  void SetHeadingFontStyle(TFontStyles value) { Change(fHeadingFontStyle, value); }
  TFontStyles HeadingHotFontStyle() const { return fHeadingHotFontStyle; }
  void SetHeadingHotFontStyle(TFontStyles value) { Change(fHeadingHotFontStyle, value); }
  TFontStyles HeadingFocusFontStyle() const { return fHeadingFocusFontStyle; }
  void SetHeadingFocusFontStyle(TFontStyles value) { Change(fHeadingFocusFontStyle, value); }
  TQNTLabelStyle HeadingStyle() const { return fHeadingStyle; }
  void SetHeadingStyle(TQNTLabelStyle value) { Change(fHeadingStyle, value); }
  TColor LineColor() const { return fLineColor; }
  void SetLineColor(TColor value) { Change(fLineColor, value); }
  TColor LineDisabledColor() const { return fLineDisabledColor; }
  void SetLineDisabledColor(TColor value) { Change(fLineDisabledColor, value); }
  TColor LineHotColor() const { return fLineHotColor; }
  void SetLineHotColor(TColor value) { Change(fLineHotColor, value); }

 private:
  void LoadOwnDefaults();

  TColor fListFontColor, fListHighlightFontColor, fListColor, fListHighLightColor;
  int fBoxFrameSize;
  TColor fBoxFrameColor, fBoxFrameFocusColor, fBoxFrameHotColor, fBoxFrameDisabledColor, fBoxNullColor;
  TColor fItemDisabledColor, fItemFocusColor, fItemHotColor, fItemRWColor, fItemROColor;
  TColor fMarkDisabledColor, fMarkFocusColor, fMarkHotColor, fMarkRWColor, fMarkROColor;
  TFontStyles fItemRWFontStyle, fItemROFontStyle, fItemHotFontStyle, fItemFocusFontStyle;
  TQNTLabelStyle fItemStyle;
  TColor fHeadingDisabledColor, fHeadingFocusColor, fHeadingHotColor, fHeadingColor;
  TColor fHeadingDisabledBkColor, fHeadingFocusBkColor, fHeadingHotBkColor, fHeadingBkColor;
  TFontStyles fHeadingFontStyle, fHeadingHotFontStyle, fHeadingFocusFontStyle;
  TQNTLabelStyle fHeadingStyle;
  TQNTGroupFrameStyle fFrameStyle = egfsNormal;
  int fFrameWidth = 1;
  TColor fLineColor, fLineDisabledColor, fLineHotColor;
};

}  // namespace qnt
