// The kit's process-wide settings: behaviour switches, the null text, sign and zero display,
// tolerances, one default per colour-set property, the settings-store defaults, and the number-format
// separators. Every kit control and text routine reads them at the moment of use. They belong to the
// user-interface thread; temporary changes go through the scope guards below.
#pragma once

#include <string>
#include <utility>

#include "kit/QNTKITTypes.h"

namespace qnt {

// ---------------------------------------------------------------------------------------------
// Behaviour globals.

extern bool DefaultEnterAsTab;           ///< Enter in a single-line edit moves to the next control.
extern bool DefaultESCAsUndo;            ///< Esc undoes the edit's last change.
extern bool DefaultArrowsAsTab;          ///< Up and Down move to the previous and next control.
extern bool DefaultNoTabStopOnReadOnly;  ///< A read-only edit leaves the Tab order.
extern bool ResetModifiedOnEnter;        ///< An edit clears its Modified flag on receiving the focus.
extern std::u16string DefaultNullStr;    ///< Text shown for a null value ("<пусто>").
extern bool DefaultShowPosSign;          ///< Positive numbers get a leading "+".
extern bool DefaultBlankWhenZero;        ///< A zero value yields empty text.
extern Extended ZeroTolerance;           ///< Magnitudes below this count as zero (5E-324).
extern Extended RelativeTolerance;       ///< Factor of the near-equality test (1E-15).
extern bool DefaultRaiseDateErrors;      ///< Failed date and time conversions raise.

// ---------------------------------------------------------------------------------------------
// Colour defaults: one global per colour-set property, named Default + the property.

extern bool DefaultFlat;
extern bool DefaultHotTracking;
extern bool DefaultShowFocus;
extern int DefaultBorderSize;
extern TColor DefaultBorderColor;
extern TColor DefaultBorderFocusColor;
extern TColor DefaultBorderHotColor;
extern TColor DefaultBorderDisabledColor;
extern TColor DefaultRWColor;
extern TColor DefaultROColor;
extern TColor DefaultFocusColor;
extern TColor DefaultHotColor;
extern TColor DefaultDisabledColor;
extern TColor DefaultRWFontColor;
extern TColor DefaultROFontColor;
extern TColor DefaultFocusFontColor;
extern TColor DefaultHotFontColor;
extern TFontStyles DefaultRWFontStyle;
extern TFontStyles DefaultROFontStyle;
extern TFontStyles DefaultFocusFontStyle;
extern TFontStyles DefaultHotFontStyle;
extern bool DefaultNumDiff;
extern bool DefaultLineEdit;
extern bool DefaultFlatBtns;
extern TColor DefaultNumPosFontColor;
extern TColor DefaultNumNegFontColor;
extern TFontStyles DefaultNumPosFontStyle;
extern TFontStyles DefaultNumNegFontStyle;
extern bool DefaultXPThemesCombos;
extern TColor DefaultListColor;
extern TColor DefaultListFontColor;
extern TColor DefaultListHighlightColor;
extern TColor DefaultListHighlightFontColor;
extern int DefaultBoxFrameSize;
extern TColor DefaultBoxFrameColor;
extern TColor DefaultBoxFrameFocusColor;
extern TColor DefaultBoxFrameHotColor;
extern TColor DefaultBoxFrameDisabledColor;
extern TColor DefaultBoxNullColor;
extern TColor DefaultItemRWColor;
extern TColor DefaultItemROColor;
extern TColor DefaultItemFocusColor;
extern TColor DefaultItemHotColor;
extern TColor DefaultItemDisabledColor;
extern TColor DefaultMarkRWColor;
extern TColor DefaultMarkROColor;
extern TColor DefaultMarkFocusColor;
extern TColor DefaultMarkHotColor;
extern TColor DefaultMarkDisabledColor;
extern TFontStyles DefaultItemRWFontStyle;
extern TFontStyles DefaultItemROFontStyle;
extern TFontStyles DefaultItemFocusFontStyle;
extern TFontStyles DefaultItemHotFontStyle;
extern TQNTLabelStyle DefaultItemStyle;
extern TColor DefaultHeadingColor;
extern TColor DefaultHeadingFocusColor;
extern TColor DefaultHeadingHotColor;
extern TColor DefaultHeadingDisabledColor;
extern TColor DefaultHeadingBkColor;
extern TColor DefaultHeadingFocusBkColor;
extern TColor DefaultHeadingHotBkColor;
extern TColor DefaultHeadingDisabledBkColor;
extern TFontStyles DefaultHeadingFontStyle;
extern TFontStyles DefaultHeadingFocusFontStyle;
extern TFontStyles DefaultHeadingHotFontStyle;
extern TQNTLabelStyle DefaultHeadingStyle;
extern TColor DefaultLineColor;
extern TColor DefaultLineHotColor;
extern TColor DefaultLineDisabledColor;

// ---------------------------------------------------------------------------------------------
// Settings-store defaults.

extern TQNTRegIniType DefaultRegIniType;  ///< eriNeither
extern std::u16string DefaultRegPath;     ///< "\Software\Kestrand"
extern std::u16string DefaultRegSection;  ///< "Defaults"
extern std::u16string DefaultIniFile;     ///< "%AppDir%\qntkit.ini"
extern std::u16string DefaultIniSection;  ///< "Defaults"

// ---------------------------------------------------------------------------------------------
// Number and date format settings: the only separators the kit knows. They start as "." and ","
// (and the C locale's date and time forms); the Qt application fills them from the user's locale.
// Date and time formats use the original's tokens: d/dd, m/mm (month), yy/yyyy, h/hh, n/nn (minute),
// s/ss, ampm; "/" and ":" stand for DateSeparator and TimeSeparator.

struct TFormatSettings {
  char16_t DecimalSeparator = u'.';
  char16_t ThousandSeparator = u',';
  char16_t DateSeparator = u'/';
  char16_t TimeSeparator = u':';
  std::u16string ShortDateFormat = u"mm/dd/yyyy";
  std::u16string ShortTimeFormat = u"hh:nn";
  std::u16string LongTimeFormat = u"hh:nn:ss";
  std::u16string TimeAMString = u"AM";
  std::u16string TimePMString = u"PM";
};

extern TFormatSettings FormatSettings;

// ---------------------------------------------------------------------------------------------
// Scope guards for temporary changes of process-wide settings: the destructor restores the old
// value, so it also runs when the guarded call throws.

/// Sets a global for the lifetime of the guard, then restores its previous value.
template <class T>
class TQNTGlobalOverride {
 public:
  TQNTGlobalOverride(T& global, T value) : fGlobal(global), fSaved(std::move(global)) { fGlobal = std::move(value); }
  ~TQNTGlobalOverride() { fGlobal = std::move(fSaved); }
  TQNTGlobalOverride(const TQNTGlobalOverride&) = delete;
  TQNTGlobalOverride& operator=(const TQNTGlobalOverride&) = delete;

 private:
  T& fGlobal;
  T fSaved;
};

/// Swaps a control's own separator pair into `FormatSettings` for one call.
class TQNTSeparatorScope {
 public:
  TQNTSeparatorScope(char16_t decimalSeparator, char16_t thousandSeparator)
      : fDecimal(FormatSettings.DecimalSeparator, decimalSeparator),
        fThousand(FormatSettings.ThousandSeparator, thousandSeparator) {}

 private:
  TQNTGlobalOverride<char16_t> fDecimal;
  TQNTGlobalOverride<char16_t> fThousand;
};

}  // namespace qnt
