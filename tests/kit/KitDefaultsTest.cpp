// The kit's process-wide settings, the preference-resolution rule and the scope guards.
#include <stdexcept>

#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITPreferences.h"
#include "kit/QNTKITStrings.h"
#include "tests/kit/KitFixture.h"

namespace qnt::test {
namespace {

TEST(KitDefaults, InitialValues) {
  EXPECT_TRUE(DefaultEnterAsTab);
  EXPECT_TRUE(DefaultESCAsUndo);
  EXPECT_TRUE(DefaultArrowsAsTab);
  EXPECT_TRUE(DefaultNoTabStopOnReadOnly);
  EXPECT_TRUE(ResetModifiedOnEnter);
  EXPECT_EQ(DefaultNullStr, u"<пусто>");
  EXPECT_FALSE(DefaultShowPosSign);
  EXPECT_FALSE(DefaultBlankWhenZero);
  EXPECT_EQ(ZeroTolerance, 5E-324L);
  EXPECT_EQ(RelativeTolerance, 1E-15L);
  EXPECT_TRUE(DefaultRaiseDateErrors);
  EXPECT_EQ(FormatSettings.DecimalSeparator, u'.');
  EXPECT_EQ(FormatSettings.ThousandSeparator, u',');

  EXPECT_EQ(DefaultROColor, ColorValue(0x00FFFFF0));
  EXPECT_EQ(DefaultFocusColor, ColorValue(0x0080FFFF));
  EXPECT_EQ(DefaultHotColor, clAqua);
  EXPECT_EQ(DefaultBorderColor, clWindowFrame);
  EXPECT_EQ(DefaultNumPosFontColor, clNavy);
  EXPECT_EQ(DefaultNumNegFontColor, clRed);
  EXPECT_TRUE(DefaultFlatBtns);
  EXPECT_EQ(DefaultBorderSize, 1);
  EXPECT_EQ(DefaultHeadingDisabledBkColor, clBtnFace);
  EXPECT_TRUE(DefaultHeadingHotFontStyle.Empty());

  EXPECT_EQ(DefaultRegIniType, eriNeither);
  EXPECT_EQ(DefaultRegPath, u"\\Software\\Kestrand");
  EXPECT_EQ(DefaultRegSection, u"Defaults");
  EXPECT_EQ(DefaultIniFile, u"%AppDir%\\qntkit.ini");
  EXPECT_EQ(DefaultIniSection, u"Defaults");
}

TEST(KitDefaults, ColourValues) {
  EXPECT_EQ(clNone, 0x1FFFFFFF);
  EXPECT_EQ(clDefault, 0x20000000);
  EXPECT_EQ(clHighlight, -16777203) << "stores write colours as signed decimals";
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_EQ(SystemColorIndex(clBtnFace), 15);
  EXPECT_FALSE(IsSystemColor(clAqua));
  EXPECT_EQ(RGBColor(124, 189, 233), ColorValue(0x00E9BD7C)) << "red is the lowest byte";
  EXPECT_EQ(ColorRed(ColorValue(0x00E9BD7C)), 124);
  EXPECT_EQ(ColorBlue(ColorValue(0x00E9BD7C)), 233);
}

TEST(KitDefaults, ClDefaultFollowsItsGlobalExplicitColoursDoNot) {
  const TColor saved = DefaultROColor;
  DefaultROColor = clYellow;
  EXPECT_EQ(ResolveDefault(clDefault, DefaultROColor), clYellow);
  EXPECT_EQ(ResolveDefault(clLime, DefaultROColor), clLime);
  EXPECT_EQ(ResolveDefault(clNone, DefaultROColor), clNone) << "clNone is left to the caller's fallback";
  DefaultROColor = saved;
}

TEST(KitDefaults, GuardsRestoreAlsoWhenTheCallRaises) {
  KitGlobalsGuard guard;
  EXPECT_THROW(
      {
        TQNTSeparatorScope scope(u',', u'\'');
        TQNTGlobalOverride<bool> plus(DefaultShowPosSign, true);
        EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
        EXPECT_EQ(FormatSettings.ThousandSeparator, u'\'');
        EXPECT_TRUE(DefaultShowPosSign);
        throw std::runtime_error("raised inside");
      },
      std::runtime_error);
  EXPECT_EQ(FormatSettings.DecimalSeparator, u'.');
  EXPECT_EQ(FormatSettings.ThousandSeparator, u',');
  EXPECT_FALSE(DefaultShowPosSign);
}

TEST(KitTexts, OriginalByDefaultEnglishOnRequest) {
  EXPECT_EQ(KitText(ktNullStr), u"<пусто>");
  TQNTGlobalOverride<TQNTTextLanguage> english(TextLanguage, tlEnglish);
  EXPECT_EQ(KitText(ktNullStr), u"<empty>");
  EXPECT_EQ(KitText(ktInvalidFloat), u"'%s' is not a valid floating point value") << "falls back to the original";
  EXPECT_EQ(FormatMessage(u"'%s' is bad", u"x"), u"'x' is bad");
}

TEST(KitTexts, Utf8RoundTripAndRepair) {
  const std::u16string text = u"по Rйaumur \u00A0 \U0001F600";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"<пусто>"), "<пусто>");
  EXPECT_EQ(FromUtf8("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xE2\x82"), u"\uFFFD\uFFFD") << "truncated sequence";
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD") << "overlong form";
  EXPECT_EQ(ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD") << "unpaired surrogate";
}

// A preferences component as the controls see it.
class FakePreferences : public IQNTUIPreferences {
 public:
  bool enterAsTab = false, escAsUndo = false, arrowsAsTab = false, noTabStop = false;
  bool useTypes = false, hasColorSet = false, negAsBrackets = true;
  bool EnterAsTab() const override { return enterAsTab; }
  bool ESCAsUndo() const override { return escAsUndo; }
  bool ArrowsAsTab() const override { return arrowsAsTab; }
  bool NoTabStopOnReadOnly() const override { return noTabStop; }
  std::u16string NullStr() const override { return u"(null)"; }
  bool AllowKbdNull() const override { return true; }
  bool UseTypesInBlanks() const override { return useTypes; }
  bool BlankWhenNull() const override { return true; }
  bool BlankWhenZero() const override { return false; }
  bool BlankIsNull() const override { return false; }
  bool DateBlankWhenNull() const override { return false; }
  bool DateBlankWhenZero() const override { return true; }
  bool DateBlankIsNull() const override { return false; }
  bool CurrBlankWhenNull() const override { return false; }
  bool CurrBlankWhenZero() const override { return false; }
  bool CurrBlankIsNull() const override { return true; }
  bool NegAsBrackets() const override { return negAsBrackets; }
  bool HasColorSet() const override { return hasColorSet; }
};

TEST(PreferenceRule, WithoutAComponentTheGlobalsDecide) {
  const TQNTNavigationPrefs nav = ResolveNavigation(nullptr, kAllUIUsage);
  EXPECT_TRUE(nav.EnterAsTab);
  TQNTGlobalOverride<bool> off(DefaultEnterAsTab, false);
  EXPECT_FALSE(ResolveNavigation(nullptr, kAllUIUsage).EnterAsTab) << "globals are read at the moment of use";
}

TEST(PreferenceRule, TheComponentDecidesOnlyForGroupsInUse) {
  FakePreferences ui;
  EXPECT_FALSE(ResolveNavigation(&ui, kAllUIUsage).EnterAsTab);
  TQNTUIUsageTypes noNavigation = kAllUIUsage;
  noNavigation.Exclude(eutNavigation);
  EXPECT_TRUE(ResolveNavigation(&ui, noNavigation).EnterAsTab) << "the global decides";

  EXPECT_TRUE(ResolveNegAsBrackets(&ui, kAllUIUsage, false));
  EXPECT_FALSE(ResolveNegAsBrackets(&ui, {eutNavigation}, false));

  EXPECT_FALSE(UsesPreferenceColorSet(&ui, kAllUIUsage)) << "no colour set assigned to the component";
  ui.hasColorSet = true;
  EXPECT_TRUE(UsesPreferenceColorSet(&ui, kAllUIUsage));
  EXPECT_FALSE(UsesPreferenceColorSet(&ui, {eutFormat}));
  EXPECT_FALSE(UsesPreferenceColorSet(nullptr, kAllUIUsage));
}

TEST(PreferenceRule, BlankSettingsFollowTheDataKindWhenTyped) {
  FakePreferences ui;
  const TQNTBlankNullPrefs own{u"own", false, false, false, false};
  EXPECT_EQ(ResolveBlankNull(nullptr, kAllUIUsage, btAll, own).NullStr, u"own");
  EXPECT_EQ(ResolveBlankNull(&ui, {eutColorSet}, btAll, own).NullStr, u"own");

  TQNTBlankNullPrefs r = ResolveBlankNull(&ui, kAllUIUsage, btDate, own);
  EXPECT_EQ(r.NullStr, u"(null)");
  EXPECT_TRUE(r.AllowKbdNull);
  EXPECT_TRUE(r.BlankWhenNull) << "untyped: the plain fields, whatever the kind";

  ui.useTypes = true;
  r = ResolveBlankNull(&ui, kAllUIUsage, btDate, own);
  EXPECT_FALSE(r.BlankWhenNull);
  EXPECT_TRUE(r.BlankWhenZero);
  r = ResolveBlankNull(&ui, kAllUIUsage, btCurrency, own);
  EXPECT_TRUE(r.BlankIsNull);
  r = ResolveBlankNull(&ui, kAllUIUsage, btAll, own);
  EXPECT_TRUE(r.BlankWhenNull);
}

}  // namespace
}  // namespace qnt::test
