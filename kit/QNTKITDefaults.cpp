// Initial values of the kit's process-wide settings. Each is a statically initialised variable.
#include "kit/QNTKITDefaults.h"

#include "kit/QNTKITStrings.h"

namespace qnt {

bool DefaultEnterAsTab = true;
bool DefaultESCAsUndo = true;
bool DefaultArrowsAsTab = true;
bool DefaultNoTabStopOnReadOnly = true;
bool ResetModifiedOnEnter = true;
std::u16string DefaultNullStr{KitText(ktNullStr)};
bool DefaultShowPosSign = false;
bool DefaultBlankWhenZero = false;
Extended ZeroTolerance = 5E-324L;
Extended RelativeTolerance = 1E-15L;
bool DefaultRaiseDateErrors = true;

bool DefaultFlat = false;
bool DefaultHotTracking = false;
bool DefaultShowFocus = false;
int DefaultBorderSize = 1;
TColor DefaultBorderColor = clWindowFrame;
TColor DefaultBorderFocusColor = clHighlight;
TColor DefaultBorderHotColor = clHighlight;
TColor DefaultBorderDisabledColor = clWindow;
TColor DefaultRWColor = clWindow;
TColor DefaultROColor = ColorValue(0x00FFFFF0);
TColor DefaultFocusColor = ColorValue(0x0080FFFF);
TColor DefaultHotColor = clAqua;
TColor DefaultDisabledColor = clBtnFace;
TColor DefaultRWFontColor = clWindowText;
TColor DefaultROFontColor = clWindowText;
TColor DefaultFocusFontColor = clWindowText;
TColor DefaultHotFontColor = clWindowText;
TFontStyles DefaultRWFontStyle{};
TFontStyles DefaultROFontStyle{};
TFontStyles DefaultFocusFontStyle{};
TFontStyles DefaultHotFontStyle{};
bool DefaultNumDiff = false;
bool DefaultLineEdit = false;
bool DefaultFlatBtns = true;
TColor DefaultNumPosFontColor = clNavy;
TColor DefaultNumNegFontColor = clRed;
TFontStyles DefaultNumPosFontStyle{};
TFontStyles DefaultNumNegFontStyle{};
bool DefaultXPThemesCombos = false;
TColor DefaultListColor = clWindow;
TColor DefaultListFontColor = clWindowText;
TColor DefaultListHighlightColor = clHighlight;
TColor DefaultListHighlightFontColor = clHighlightText;
int DefaultBoxFrameSize = 1;
TColor DefaultBoxFrameColor = clWindowFrame;
TColor DefaultBoxFrameFocusColor = clHighlight;
TColor DefaultBoxFrameHotColor = clHighlight;
TColor DefaultBoxFrameDisabledColor = clWindow;
TColor DefaultBoxNullColor = clBtnFace;
TColor DefaultItemRWColor = clWindowText;
TColor DefaultItemROColor = clWindowText;
TColor DefaultItemFocusColor = clHighlight;
TColor DefaultItemHotColor = clHighlight;
TColor DefaultItemDisabledColor = clWindow;
TColor DefaultMarkRWColor = clWindowText;
TColor DefaultMarkROColor = clWindowText;
TColor DefaultMarkFocusColor = clHighlight;
TColor DefaultMarkHotColor = clHighlight;
TColor DefaultMarkDisabledColor = clWindow;
TFontStyles DefaultItemRWFontStyle{};
TFontStyles DefaultItemROFontStyle{};
TFontStyles DefaultItemFocusFontStyle{};
TFontStyles DefaultItemHotFontStyle{};
TQNTLabelStyle DefaultItemStyle = elsNormal;
TColor DefaultHeadingColor = clWindowText;
TColor DefaultHeadingFocusColor = clHighlight;
TColor DefaultHeadingHotColor = clHighlight;
TColor DefaultHeadingDisabledColor = clWindow;
TColor DefaultHeadingBkColor = clBtnFace;
TColor DefaultHeadingFocusBkColor = clBtnFace;
TColor DefaultHeadingHotBkColor = clBtnFace;
TColor DefaultHeadingDisabledBkColor = clBtnFace;
TFontStyles DefaultHeadingFontStyle{};
TFontStyles DefaultHeadingFocusFontStyle{};
TFontStyles DefaultHeadingHotFontStyle{};
TQNTLabelStyle DefaultHeadingStyle = elsNormal;
TColor DefaultLineColor = clWindowText;
TColor DefaultLineHotColor = clHighlight;
TColor DefaultLineDisabledColor = clWindow;

TQNTRegIniType DefaultRegIniType = eriNeither;
std::u16string DefaultRegPath = u"\\Software\\Kestrand";
std::u16string DefaultRegSection = u"Defaults";
std::u16string DefaultIniFile = u"%AppDir%\\qntkit.ini";
std::u16string DefaultIniSection = u"Defaults";

TFormatSettings FormatSettings{};

}  // namespace qnt
