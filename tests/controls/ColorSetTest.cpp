// Colour sets: the colour rules as tables of (state -> colour), defaults and change notification,
// assignment, coupling, and the flat border as it is painted on an edit.
#include <QImage>
#include <QTest>
#include <functional>

#include "ControlsTestSupport.h"
#include "controls/QNTKITColorSets.h"
#include "controls/QNTKITNumEdits.h"

using namespace qnt;

namespace {

using Setup = std::function<void(TQNTCompleteColorSet&)>;

const TFontStyles kBold{fsBold};
const TFontStyles kItalic{fsItalic};

// One state of a kit edit and the background, font colour and style the rules give it.
struct StateCase {
  const char* name;
  Setup setup;
  bool readOnly, enabled, focused, hot, special;
  int sign;
  TColor color, fontColor;
  TFontStyles style;
};

// The caller presets the outputs; clNone and disabled states leave them as preset.
constexpr TColor kPresetColor = clPurple;
constexpr TColor kPresetFont = clOlive;

const StateCase kStateCases[] = {
    {"read_write_defaults", {}, false, true, false, false, false, 0, clWindow, clWindowText, {}},
    {"read_only_defaults", {}, true, true, false, false, false, 0, ColorValue(0x00FFFFF0), clWindowText, {}},
    {"disabled_keeps_preset_font", {}, false, false, false, false, false, 0, clBtnFace, kPresetFont, {}},
    {"focus_hidden_without_ShowFocus",
     [](auto& s) { s.SetFocusColor(clYellow); },
     false,
     true,
     true,
     false,
     false,
     0,
     clWindow,
     clWindowText,
     {}},
    {"focus_shown",
     [](auto& s) {
       s.SetShowFocus(true);
       s.SetFocusFontColor(clMaroon);
       s.SetFocusFontStyle(kBold);
     },
     false, true, true, false, false, 0, ColorValue(0x0080FFFF), clMaroon, kBold},
    {"hot_without_tracking", {}, false, true, false, true, false, 0, clWindow, clWindowText, {}},
    {"hot_tracking",
     [](auto& s) { s.SetHotTracking(true); },
     false,
     true,
     false,
     true,
     false,
     0,
     clAqua,
     clWindowText,
     {}},
    {"read_only_beats_focus",
     [](auto& s) { s.SetShowFocus(true); },
     true,
     true,
     true,
     false,
     false,
     0,
     ColorValue(0x00FFFFF0),
     clWindowText,
     {}},
    {"focus_beats_hot",
     [](auto& s) {
       s.SetShowFocus(true);
       s.SetHotTracking(true);
     },
     false,
     true,
     true,
     true,
     false,
     0,
     ColorValue(0x0080FFFF),
     clWindowText,
     {}},
    {"disabled_beats_read_only", {}, true, false, true, true, false, 0, clBtnFace, kPresetFont, {}},
    {"special_read_write",
     [](auto& s) { s.SetRWSpecialColor(clYellow); },
     false,
     true,
     false,
     false,
     true,
     0,
     clYellow,
     clWindowText,
     {}},
    {"special_read_only_font",
     [](auto& s) {
       s.SetROSpecialColor(clLime);
       s.SetROSpecialFontColor(clBlue);
       s.SetROSpecialFontStyle(kItalic);
     },
     true, true, false, false, true, 0, clLime, clBlue, kItalic},
    {"plain_colours_ignore_special_props",
     [](auto& s) { s.SetRWSpecialColor(clYellow); },
     false,
     true,
     false,
     false,
     false,
     0,
     clWindow,
     clWindowText,
     {}},
    {"rw_clNone_keeps_preset",
     [](auto& s) { s.SetRWColor(clNone); },
     false,
     true,
     false,
     false,
     false,
     0,
     kPresetColor,
     clWindowText,
     {}},
    {"ro_clNone_keeps_rw_colour",
     [](auto& s) { s.SetROColor(clNone); },
     true,
     true,
     false,
     false,
     false,
     0,
     clWindow,
     clWindowText,
     {}},
    {"ro_font_clNone_uses_rw_font",
     [](auto& s) {
       s.SetROFontColor(clNone);
       s.SetRWFontColor(clGreen);
     },
     true,
     true,
     false,
     false,
     false,
     0,
     ColorValue(0x00FFFFF0),
     clGreen,
     {}},
    {"ro_and_rw_font_clNone_keep_preset",
     [](auto& s) {
       s.SetROFontColor(clNone);
       s.SetRWFontColor(clNone);
     },
     true,
     true,
     false,
     false,
     false,
     0,
     ColorValue(0x00FFFFF0),
     kPresetFont,
     {}},
    {"ro_font_clDefault_is_global",
     [](auto& s) { s.SetROFontColor(clDefault); },
     true,
     true,
     false,
     false,
     false,
     0,
     ColorValue(0x00FFFFF0),
     clWindowText,
     {}},
    {"ro_style", [](auto& s) { s.SetROFontStyle(kBold); }, true, true, false, false, false, 0,
     ColorValue(0x00FFFFF0), clWindowText, kBold},
    {"focus_font_clNone_keeps_preset",
     [](auto& s) {
       s.SetShowFocus(true);
       s.SetFocusFontColor(clNone);
     },
     false,
     true,
     true,
     false,
     false,
     0,
     ColorValue(0x0080FFFF),
     kPresetFont,
     {}},
    {"sign_ignored_without_NumDiff", {}, false, true, false, false, false, -1, clWindow, clWindowText, {}},
    {"negative_with_NumDiff",
     [](auto& s) { s.SetNumDiff(true); },
     false,
     true,
     false,
     false,
     false,
     -1,
     clWindow,
     clRed,
     {}},
    {"positive_with_NumDiff",
     [](auto& s) { s.SetNumDiff(true); },
     false,
     true,
     false,
     false,
     false,
     1,
     clWindow,
     clNavy,
     {}},
    {"zero_with_NumDiff_keeps_state_font",
     [](auto& s) { s.SetNumDiff(true); },
     false,
     true,
     false,
     false,
     false,
     0,
     clWindow,
     clWindowText,
     {}},
    {"negative_when_disabled",
     [](auto& s) {
       s.SetNumDiff(true);
       s.SetNumNegFontStyle(kBold);
     },
     false, false, false, false, false, -1, clBtnFace, clRed, kBold},
    {"negative_when_read_only",
     [](auto& s) { s.SetNumDiff(true); },
     true,
     true,
     false,
     false,
     false,
     -1,
     ColorValue(0x00FFFFF0),
     clRed,
     {}},
    {"negative_clNone_keeps_state_font_takes_style",
     [](auto& s) {
       s.SetNumDiff(true);
       s.SetNumNegFontColor(clNone);
       s.SetNumNegFontStyle(kItalic);
     },
     false, true, false, false, false, -1, clWindow, clWindowText, kItalic},
};

// One state of a border and the colour the frame rule gives it.
struct FrameCase {
  const char* name;
  Setup setup;
  bool readOnly, enabled, focused, hot;
  TColor expected;
};

const FrameCase kFrameCases[] = {
    {"read_write", {}, false, true, false, false, clWindowFrame},
    {"disabled", {}, false, false, false, false, clWindow},
    {"disabled_clNone_uses_base", [](auto& s) { s.SetBorderDisabledColor(clNone); }, false, false, false,
     false, clWindowFrame},
    {"read_only_is_base", [](auto& s) { s.SetShowFocus(true); }, true, true, true, true, clWindowFrame},
    {"focus_hidden", {}, false, true, true, false, clWindowFrame},
    {"focus_shown", [](auto& s) { s.SetShowFocus(true); }, false, true, true, false, clHighlight},
    {"focus_clNone_uses_base",
     [](auto& s) {
       s.SetShowFocus(true);
       s.SetBorderFocusColor(clNone);
     },
     false, true, true, false, clWindowFrame},
    {"hot_shown",
     [](auto& s) {
       s.SetHotTracking(true);
       s.SetBorderHotColor(clRed);
     },
     false, true, false, true, clRed},
    {"base_clNone_uses_focus_colour",
     [](auto& s) {
       s.SetBorderColor(clNone);
       s.SetBorderFocusColor(clGreen);
     },
     false, true, false, false, clGreen},
    {"base_and_focus_clNone_is_window_frame",
     [](auto& s) {
       s.SetBorderColor(clNone);
       s.SetBorderFocusColor(clNone);
     },
     false, true, false, false, clWindowFrame},
    {"base_clNone_focus_clDefault_is_focus_global",
     [](auto& s) {
       s.SetBorderColor(clNone);
       s.SetBorderFocusColor(clDefault);
     },
     false, true, false, false, clHighlight},
    {"base_clDefault_is_global", [](auto& s) { s.SetBorderColor(clDefault); }, false, true, false, false,
     clWindowFrame},
};

}  // namespace

class ColorSetTest : public QObject {
  Q_OBJECT

 private slots:
  void statesGiveColours_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kStateCases)); ++i) QTest::addRow("%s", kStateCases[i].name) << i;
  }
  void statesGiveColours() {
    QFETCH(int, row);
    const StateCase& c = kStateCases[row];
    TQNTCompleteColorSet set;
    if (c.setup) c.setup(set);
    TColor color = kPresetColor, font = kPresetFont;
    TFontStyles style;
    set.GetNumericColorStates(c.enabled, c.readOnly, c.focused, c.hot, c.special, c.sign, color, font, style);
    QCOMPARE(color, c.color);
    QCOMPARE(font, c.fontColor);
    QCOMPARE(style.Bits(), c.style.Bits());
  }

  void framesGiveColours_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kFrameCases)); ++i) QTest::addRow("%s", kFrameCases[i].name) << i;
  }
  void framesGiveColours() {
    QFETCH(int, row);
    const FrameCase& c = kFrameCases[row];
    TQNTCompleteColorSet set;
    if (c.setup) c.setup(set);
    QCOMPARE(set.GetFrameColor(c.readOnly, c.enabled, c.focused, c.hot), c.expected);
  }

  void boxFrameFollowsItsOwnColours() {
    TQNTCompleteColorSet set;
    set.SetShowFocus(true);
    set.SetBoxFrameFocusColor(clRed);
    set.SetBorderFocusColor(clGreen);
    QCOMPARE(set.GetBoxFrameColor(false, true, true, false), clRed);
    QCOMPARE(set.GetBoxFrameColor(false, false, false, false), clWindow);
    QCOMPARE(set.GetFrameColor(false, true, true, false), clGreen);
  }

  void focusFrameColourIgnoresShowFocus() {
    TQNTCompleteColorSet set;
    QCOMPARE(set.GetFocusFrameColor(), clHighlight);
    set.SetBorderFocusColor(clNone);
    set.SetBorderColor(clRed);
    QCOMPARE(set.GetFocusFrameColor(), clRed);
    set.SetBorderColor(clNone);
    QCOMPARE(set.GetFocusFrameColor(), clWindowFrame);
  }

  void markItemAndHeadingColours() {
    TQNTCompleteColorSet set;
    set.SetShowFocus(true);
    set.SetHotTracking(true);
    TColor mark = clPurple;
    set.GetMarkColor(false, true, false, false, mark);
    QCOMPARE(mark, clWindowText);
    set.GetMarkColor(false, false, false, false, mark);
    QCOMPARE(mark, clWindow);
    set.SetMarkROColor(clNone);
    mark = clPurple;
    set.GetMarkColor(true, true, false, false, mark);
    QCOMPARE(mark, clWindowText);  // clNone ignored: the read-write mark colour stays

    TColor item = clPurple;
    TFontStyles itemStyle;
    set.SetItemFocusFontStyle(kBold);
    set.GetItemColor(false, true, true, false, item, itemStyle);
    QCOMPARE(item, clHighlight);
    QCOMPARE(itemStyle.Bits(), kBold.Bits());
    set.SetItemRWFontStyle(kItalic);
    set.GetItemColor(false, false, true, false, item, itemStyle);
    QCOMPARE(item, clWindow);
    QCOMPARE(itemStyle.Bits(), kItalic.Bits());  // disabled keeps the read-write style

    TColor head = clPurple, headBk = clPurple;
    TFontStyles headStyle;
    set.SetHeadingHotFontStyle(kBold);
    set.GetHeadingColors(true, false, true, head, headBk, headStyle);
    QCOMPARE(head, clHighlight);
    QCOMPARE(headBk, clBtnFace);
    QCOMPARE(headStyle.Bits(), kBold.Bits());
    set.SetHeadingDisabledBkColor(clNone);
    head = headBk = clPurple;
    set.GetHeadingColors(false, false, false, head, headBk, headStyle);
    QCOMPARE(head, clWindow);
    QCOMPARE(headBk, clBtnFace);  // clNone keeps the normal background
  }

  void clDefaultFollowsTheGlobalExplicitDoesNot() {
    test::ControlsEnv env;
    TQNTEditColorSet followed, fixed;
    followed.SetROColor(clDefault);
    fixed.SetROColor(ColorValue(0x00FFFFF0));
    DefaultROColor = clYellow;
    TColor a = clPurple, b = clPurple;
    followed.GetEditColor(true, true, false, false, false, a);
    fixed.GetEditColor(true, true, false, false, false, b);
    QCOMPARE(a, clYellow);
    QCOMPARE(b, ColorValue(0x00FFFFF0));
  }

  void newSetHoldsDefaultsAndStaysQuiet() {
    int changes = 0;
    TQNTCompleteColorSet set;
    set.OnChange = [&](TQNTColorSet*) { ++changes; };
    QVERIFY(set.Set_Defaults());
    QCOMPARE(set.BorderSize(), 1);
    QCOMPARE(set.FocusColor(), ColorValue(0x0080FFFF));
    QCOMPARE(set.NumNegFontColor(), clRed);
    QVERIFY(set.FlatBtns());
    QCOMPARE(set.GroupFrameStyle(), egfsNormal);
    QCOMPARE(set.GroupFrameWidth(), 1);
    QCOMPARE(set.SpecialColorType(), escNone);
    QCOMPARE(changes, 0);
  }

  // Setters notify once per real change; the drawing-style properties also fire OnFlatChange.
  void settersNotifyOnChangeOnly() {
    TQNTCompleteColorSet set;
    int changes = 0, flats = 0;
    set.OnChange = [&](TQNTColorSet*) { ++changes; };
    set.OnFlatChange = [&](TQNTColorSet*) { ++flats; };
    set.SetFocusColor(set.FocusColor());
    QCOMPARE(changes, 0);
    QVERIFY(set.Set_Defaults());
    set.SetFocusColor(clAqua);
    QCOMPARE(changes, 1);
    QCOMPARE(flats, 0);
    QVERIFY(!set.Set_Defaults());
    set.SetFlat(true);
    set.SetFlatBtns(false);
    set.SetXPThemesCombos(true);
    QCOMPARE(changes, 4);
    QCOMPARE(flats, 3);
    set.SetGroupFrameWidth(3);
    QCOMPARE(flats, 3);
  }

  void setDefaultsRestoresAndNotifiesOnce() {
    TQNTCompleteColorSet set;
    set.SetROColor(clRed);
    set.SetRWSpecialColor(clRed);
    set.SetGroupFrameStyle(egfsRound);
    set.SetSpecialColorType(escEvent);
    int changes = 0, flats = 0;
    set.OnChange = [&](TQNTColorSet*) { ++changes; };
    set.OnFlatChange = [&](TQNTColorSet*) { ++flats; };
    set.SetSet_Defaults(true);
    QCOMPARE(set.ROColor(), ColorValue(0x00FFFFF0));
    QCOMPARE(set.RWSpecialColor(), clWindow);
    QCOMPARE(set.GroupFrameStyle(), egfsNormal);
    QCOMPARE(set.SpecialColorType(), escNone);
    QVERIFY(set.Set_Defaults());
    QCOMPARE(changes, 1);
    QCOMPARE(flats, 1);
    set.SetSet_Defaults(false);  // only stores
    QVERIFY(!set.Set_Defaults());
    QCOMPARE(changes, 1);
  }

  void updateBracketPassesOnOneChange() {
    TQNTEditColorSet set;
    int changes = 0, flats = 0;
    set.OnChange = [&](TQNTColorSet*) { ++changes; };
    set.OnFlatChange = [&](TQNTColorSet*) { ++flats; };
    set.BeginUpdate();
    set.SetRWColor(clRed);
    set.SetFlat(true);
    QCOMPARE(changes, 0);
    set.EndUpdate();
    QCOMPARE(changes, 1);
    QCOMPARE(flats, 1);
  }

  void assignCopiesTheSharedLevels() {
    TQNTCompleteColorSet source;
    source.SetFlat(true);
    source.SetBorderSize(2);
    source.SetROColor(clRed);
    source.SetROFontStyle(kBold);
    source.SetNumDiff(true);
    source.SetLineEdit(true);
    source.SetHeadingColor(clGreen);
    TQNTEditColorSet target;
    int changes = 0, flats = 0;
    target.OnChange = [&](TQNTColorSet*) { ++changes; };
    target.OnFlatChange = [&](TQNTColorSet*) { ++flats; };
    target.Assign(source);
    QVERIFY(target.Flat());
    QCOMPARE(target.BorderSize(), 2);
    QCOMPARE(target.ROColor(), clRed);
    QCOMPARE(target.ROFontStyle().Bits(), kBold.Bits());
    QVERIFY(target.NumDiff());
    QVERIFY(target.LineEdit());
    QVERIFY(!target.Set_Defaults());
    QCOMPARE(changes, 1);
    QCOMPARE(flats, 1);

    // A plainer source leaves the richer levels of the target alone.
    TQNTCompleteColorSet complete;
    complete.SetHeadingColor(clGreen);
    TQNTEditColorSet plain;
    complete.Assign(plain);
    QCOMPARE(complete.HeadingColor(), clGreen);
  }

  void couplingAndLimits() {
    TQNTEditColorSet set;
    set.SetLineEdit(true);
    QVERIFY(set.Flat());
    set.SetFlat(false);
    QVERIFY(!set.LineEdit());
    set.SetBorderSize(5);
    QCOMPARE(set.BorderSize(), 2);
    set.SetBorderSize(0);
    QCOMPARE(set.BorderSize(), 1);
    TQNTCompleteColorSet complete;
    complete.SetBoxFrameSize(-3);
    QCOMPARE(complete.BoxFrameSize(), 1);
    complete.SetBoxFrameSize(9);
    QCOMPARE(complete.BoxFrameSize(), 2);
  }

  void colourValuesBecomeQColors() {
    QCOMPARE(ColorToQColor(ColorValue(0x00FFFFF0)), QColor(240, 255, 255));
    QCOMPARE(ColorToQColor(ColorValue(0x00E9BD7C)), QColor(124, 189, 233));
    QCOMPARE(ColorToQColor(clWindow), QGuiApplication::palette().color(QPalette::Base));
    QCOMPARE(ColorToQColor(clHighlight), QGuiApplication::palette().color(QPalette::Highlight));
    QVERIFY(!ColorToQColor(clNone).isValid());
  }

  // The flat border as painted: the frame colour of the state, then a ring in the background colour.
  void flatBorderIsPaintedInTheRuleColours_data() {
    QTest::addColumn<int>("borderSize");
    QTest::addColumn<bool>("lineEdit");
    QTest::addColumn<bool>("focused");
    QTest::addRow("one_pixel") << 1 << false << false;
    QTest::addRow("two_pixels") << 2 << false << false;
    QTest::addRow("focused_shows_focus_colour") << 1 << false << true;
    QTest::addRow("line_only") << 1 << true << false;
  }
  void flatBorderIsPaintedInTheRuleColours() {
    QFETCH(int, borderSize);
    QFETCH(bool, lineEdit);
    QFETCH(bool, focused);
    test::ControlsEnv env;
    test::Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    form.Add<TQNTFloatEdit>();
    auto* set = edit->ColorSet();
    set->SetFlat(true);
    set->SetBorderSize(borderSize);
    set->SetLineEdit(lineEdit);
    set->SetBorderColor(clRed);
    set->SetBorderFocusColor(clBlue);
    set->SetShowFocus(true);
    set->SetFocusColor(clYellow);
    set->SetRWColor(clLime);
    QVERIFY(form.ShowWith(focused ? edit : nullptr));
    if (!focused) form.setFocus();
    const QImage image = edit->grab().toImage();
    const QColor frame = focused ? QColor(0, 0, 255) : QColor(255, 0, 0);
    const QColor background = focused ? QColor(255, 255, 0) : QColor(0, 255, 0);
    const int midY = image.height() / 2;
    const int bottom = image.height() - 1;
    if (lineEdit) {
      QCOMPARE(image.pixelColor(0, 0), background);
      QCOMPARE(image.pixelColor(image.width() / 2, bottom), frame);
    } else {
      QCOMPARE(image.pixelColor(0, midY), frame);
      QCOMPARE(image.pixelColor(image.width() - 1, midY), frame);
      QCOMPARE(image.pixelColor(borderSize - 1, midY), frame);
      QCOMPARE(image.pixelColor(borderSize, midY), background);
    }
  }
};

QTEST_MAIN(ColorSetTest)
#include "ColorSetTest.moc"
