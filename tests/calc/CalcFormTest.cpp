// The calculator window on its own, driven by real keys and clicks: the key map (character and key-down
// tables, through the key preview from whichever control has the focus), the two layouts and their
// geometry, clipboard copy and paste with digit groups, how the window is left, the decimal-places spin
// edit, the flat look, the separators of a German locale, and the defaults a window hands on when freed.
#include <QMimeData>
#include <QTest>

#include "CalcUiTestSupport.h"
#include "calc/QNTKITCalcForm.h"
#include "calc/QNTKITCalcFormTexts.h"
#include "calc/QNTKITCalculator.h"
#include "controls/QNTKITColorSets.h"

using namespace qnt;
using test::CalcEnv;
using test::Type;

namespace {

/// A shown calculator window (not modal) with the keyboard focus on its panel.
struct ShownForm {
  TQNTCalcForm form;
  ShownForm() {
    form.show();
    form.activateWindow();
    (void)QTest::qWaitForWindowExposed(&form);
    form.CalcPanel->setFocus(Qt::OtherFocusReason);
  }
  QString Display() const { return form.ValueDisplay->text(); }
  QString Memory() const { return form.MemoryDisplay->text(); }
  IQNTCalcEngine& Engine() const { return *form.CalcEngine(); }
};

void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }

}  // namespace

class CalcFormTest : public QObject {
  Q_OBJECT

 private slots:
  // ---- The key map

  void typedKeys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addRow("capital_x_multiplies") << "12X3\n"
                                          << "36.0000";
    QTest::addRow("small_x_multiplies") << "12x3="
                                        << "36.0000";
    QTest::addRow("star_multiplies") << "12*3="
                                     << "36.0000";
    QTest::addRow("precedence") << "2+3*4="
                                << "14.0000";
    QTest::addRow("brackets") << "(2+3)*4="
                              << "20.0000";
    QTest::addRow("subtract_and_divide") << "9-6/4="
                                         << "7.5000";
    QTest::addRow("decimal_point") << "1.5+1="
                                   << "2.5000";
    QTest::addRow("r_is_square_root") << "9r"
                                      << "3.0000";
    QTest::addRow("i_is_reciprocal") << "4i"
                                     << "0.2500";
    QTest::addRow("p_is_pi") << "p"
                             << "3.1416";
    QTest::addRow("caret_is_power") << "2^10="
                                    << "1,024.0000";
    QTest::addRow("at_is_root") << "8@3="
                                << "2.0000";
    QTest::addRow("underscore_changes_sign") << "5_"
                                             << "-5";
    QTest::addRow("backspace_removes_a_digit") << "123\b"
                                               << "12";
    QTest::addRow("c_clears_the_entry") << "7+5c2="
                                        << "9.0000";
    QTest::addRow("a_clears_all") << "7+5a2="
                                  << "2.0000";
    QTest::addRow("division_by_zero_shows_error") << "1/0="
                                                  << "Error!";
  }
  void typedKeys() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    CalcEnv env;
    ShownForm f;
    Type(f.form.CalcPanel, keys);
    QCOMPARE(f.Display(), display);
    QVERIFY(f.form.isVisible());
  }

  void keyDownTable_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("cancelled");
    QTest::addRow("f10_exits") << int(Qt::Key_F10) << 0 << true << false;
    QTest::addRow("ctrl_x_exits") << int(Qt::Key_X) << int(Qt::ControlModifier) << true << false;
    QTest::addRow("esc_cancels") << int(Qt::Key_Escape) << 0 << true << true;
    QTest::addRow("shift_f10_does_nothing") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << false << false;
  }
  void keyDownTable() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    QFETCH(bool, cancelled);
    CalcEnv env;
    ShownForm f;
    Type(f.form.CalcPanel, "42");
    QTest::keyClick(f.form.CalcPanel, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.form.isVisible(), !closes);
    QCOMPARE(f.form.Cancelled, cancelled);
    QCOMPARE(f.Engine().GetDisplayValue(), 42.0L);
  }

  void deleteClearsTheEntryOnly() {
    CalcEnv env;
    ShownForm f;
    Type(f.form.CalcPanel, "7+55");
    QTest::keyClick(f.form.CalcPanel, Qt::Key_Delete);
    QCOMPARE(f.Display(), QString("0"));
    Type(f.form.CalcPanel, "2=");
    QCOMPARE(f.Display(), QString("9.0000"));
  }

  void keysReachTheTablesFromTheSpinEdit() {
    // With the focus in the spin edit's editor the window still sees every key first, and the editor
    // (disabled for typing) takes no digit.
    CalcEnv env;
    ShownForm f;
    f.form.DPSpin->ValueEdit()->setFocus(Qt::OtherFocusReason);
    Type(f.form.DPSpin->ValueEdit(), "12x3\n");
    QCOMPARE(f.Display(), QString("36.0000"));
    QCOMPARE(f.form.DPSpin->Value(), 4u);
  }

  void aKeyIsPreviewedOnce() {
    // The key travels from the panel to the window; it must reach the tables only once.
    CalcEnv env;
    ShownForm f;
    Type(f.form.CalcPanel, "5");
    QCOMPARE(f.Display(), QString("5"));
    Type(&f.form, "5");
    QCOMPARE(f.Display(), QString("55"));
  }

  void aClickGivesTheKeysBackToThePanel() {
    CalcEnv env;
    ShownForm f;
    f.form.DPSpin->ValueEdit()->setFocus(Qt::OtherFocusReason);
    Click(f.form.SevenBtn);
    QCOMPARE(QApplication::focusWidget(), f.form.CalcPanel);
    // A spin button is a button of the window too: after it, Backspace edits the entry only.
    Click(f.form.DPSpin->DownBtn());
    QCOMPARE(QApplication::focusWidget(), f.form.CalcPanel);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(f.form.DPSpin->Value(), 3u);
    QCOMPARE(f.Display(), QString());  // the entry "7" lost its digit
  }

  // ---- Layouts

  void layouts_data() {
    QTest::addColumn<bool>("small");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("helpContext");
    QTest::addColumn<QPoint>("percent");
    QTest::addColumn<int>("firstDigitRow");
    QTest::addColumn<int>("memoryTop");
    QTest::addRow("full") << false << QSize(190, 249) << 40100 << QPoint(95, 59) << 105 << 220;
    QTest::addRow("small") << true << QSize(190, 203) << 40200 << QPoint(125, 103) << 59 << 174;
  }
  void layouts() {
    QFETCH(bool, small);
    QFETCH(QSize, size);
    QFETCH(int, helpContext);
    QFETCH(QPoint, percent);
    QFETCH(int, firstDigitRow);
    QFETCH(int, memoryTop);
    CalcEnv env;
    ShownForm f;
    f.form.SetHideFnBtns(small);
    QCOMPARE(f.form.size(), size);
    QCOMPARE(f.form.HelpContext(), helpContext);
    QCOMPARE(f.form.PercentBtn->pos(), percent);
    QCOMPARE(f.form.SevenBtn->geometry(), QRect(5, firstDigitRow, 30, 22));
    QCOMPARE(f.form.MemoryRecallBtn->geometry(), QRect(155, firstDigitRow + 3 * 22, 30, 22));
    QCOMPARE(f.form.EqualsBtn->geometry(), QRect(95, firstDigitRow + 4 * 22, 90, 22));
    QCOMPARE(f.form.MemoryDisplay->geometry(), QRect(5, memoryTop, 180, 24));
    QCOMPARE(f.form.ValueDisplay->geometry(), QRect(5, 5, 180, 24));
    QCOMPARE(f.form.CopyBtn->geometry(), QRect(5, 34, 30, 22));
    QCOMPARE(f.form.ExitBtn->geometry(), QRect(155, 34, 30, 22));
    QCOMPARE(f.form.DPSpin->geometry(), QRect(66, 34, 56, 22));
    for (TQNTSpeedBtn* b : {f.form.PiBtn, f.form.EBtn, f.form.SinBtn, f.form.CosBtn, f.form.TanBtn,
                            f.form.RadBtn, f.form.InvBtn, f.form.PowerBtn, f.form.SquareBtn, f.form.SqRootBtn,
                            f.form.InvertBtn, f.form.LogBtn, f.form.LNBtn})
      QCOMPARE(b->isVisible(), !small);
    QVERIFY(f.form.PercentBtn->isVisible());
    if (!small) QCOMPARE(f.form.PiBtn->pos(), QPoint(125, firstDigitRow + 2 * 22));  // % goes here when small
  }

  void smallLayoutIs46PixelsLower() {
    CalcEnv env;
    TQNTCalcForm form;
    const int full = form.height();
    form.SetHideFnBtns(true);
    QCOMPARE(full - form.height(), 46);
    form.SetHideFnBtns(false);
    QCOMPARE(form.height(), full);
  }

  void hiddenFunctionKeysStillWorkFromTheKeyboard() {
    CalcEnv env;
    ShownForm f;
    f.form.SetHideFnBtns(true);
    Type(f.form.CalcPanel, "p");
    QCOMPARE(f.Display(), QString("3.1416"));
  }

  // ---- Clipboard

  void copyPutsTheGroupedDisplayOnTheClipboard() {
    CalcEnv env;
    ShownForm f;
    Type(f.form.CalcPanel, "1234.5=");
    QTest::keyClick(f.form.CalcPanel, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("1,234.5000"));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(f.form.CalcPanel, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("1,234.5000"));
  }

  void pasteReadsTheGroupedTextBack() {
    CalcEnv env;
    ShownForm f;
    QGuiApplication::clipboard()->setText("1,234.5000");
    QTest::keyClick(f.form.CalcPanel, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.Engine().GetDisplayValue(), 1234.5L);
    Type(f.form.CalcPanel, "*2=");
    QCOMPARE(f.Display(), QString("2,469.0000"));
  }

  void pasteOfTextThatIsNoNumberEntersZero() {
    CalcEnv env;
    ShownForm f;
    Type(f.form.CalcPanel, "77");
    QGuiApplication::clipboard()->setText("hello");
    QTest::keyClick(f.form.CalcPanel, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(f.Engine().GetDisplayValue(), 0.0L);
  }

  void pasteWithoutPlainTextDoesNothing() {
    CalcEnv env;
    ShownForm f;
    Type(f.form.CalcPanel, "77");
    auto* data = new QMimeData;
    data->setData("application/octet-stream", "12");
    QGuiApplication::clipboard()->setMimeData(data);
    Click(f.form.PasteBtn);
    QCOMPARE(f.Display(), QString("77"));
  }

  // ---- Leaving the window

  void exitAndCancelButtons() {
    CalcEnv env;
    {
      ShownForm f;
      Click(f.form.CancelBtn);
      QVERIFY(!f.form.isVisible());
      QVERIFY(f.form.Cancelled);
    }
    {
      ShownForm f;
      Click(f.form.ExitBtn);
      QVERIFY(!f.form.isVisible());
      QVERIFY(!f.form.Cancelled);
    }
  }

  void closeBoxLeavesCancelledAlone() {
    CalcEnv env;
    ShownForm f;
    Type(f.form.CalcPanel, "7");
    QVERIFY(f.form.close());
    QVERIFY(!f.form.Cancelled);
    QCOMPARE(f.Engine().GetDisplayValue(), 7.0L);
  }

  // ---- Decimal places, angle mode, look

  void spinEditRedrawsBothDisplays() {
    CalcEnv env;
    ShownForm f;
    f.Engine().SetMemory(2.0L / 3.0L);
    f.Engine().InputValue(1234.5678L);
    QCOMPARE(f.Display(), QString("1,234.5678"));
    Click(f.form.DPSpin->DownBtn());
    Click(f.form.DPSpin->DownBtn());
    QCOMPARE(f.form.DPSpin->Value(), 2u);
    QCOMPARE(f.Engine().GetDecimalPlaces(), 2);
    QCOMPARE(f.Display(), QString("1,234.57"));
    QCOMPARE(f.Memory(), QString("0.67"));
  }

  void engineDecimalPlacesMoveTheSpinEdit() {
    CalcEnv env;
    ShownForm f;
    f.Engine().SetDecimalPlaces(7);
    QCOMPARE(f.form.DPSpin->Value(), 7u);
    f.Engine().SetDecimalPlaces(30);  // more than the window offers: the spin edit stops at 18
    QCOMPARE(f.form.DPSpin->Value(), 18u);
    QCOMPARE(f.Engine().GetDecimalPlaces(), 18);
  }

  void radButtonTogglesTheAngleMode() {
    CalcEnv env;
    ShownForm f;
    QCOMPARE(f.form.RadBtn->text(), QString("рад"));
    Click(f.form.RadBtn);
    QCOMPARE(f.Engine().GetAngleMode(), amDegrees);
    QCOMPARE(f.form.RadBtn->text(), QString("гра"));
    Type(f.form.CalcPanel, "90");
    Click(f.form.SinBtn);
    QCOMPARE(f.Display(), QString("1.0000"));
  }

  void flatLook() {
    CalcEnv env;
    TQNTCalcForm form;
    QCOMPARE(form.PanelColor(), clBackground);
    QVERIFY(!form.SevenBtn->Flat());
    form.SetCalcFlat(true);
    QCOMPARE(form.PanelColor(), clBtnFace);
    for (TQNTSpeedBtn* b : form.Buttons()) QVERIFY(b->Flat());
    QVERIFY(form.DPSpin->ColorSet()->Flat());
    form.SetCalcFlat(false);
    QCOMPARE(form.PanelColor(), clBackground);
    QVERIFY(!form.ExitBtn->Flat());
    QVERIFY(!form.DPSpin->ColorSet()->Flat());
    form.SetFlatSpin(true);
    QVERIFY(form.FlatSpin());
    QVERIFY(form.DPSpin->ColorSet()->FlatBtns());
  }

  void fontNameReachesButtonsAndDisplays() {
    CalcEnv env;
    CalcFontName = "DejaVu Sans";
    TQNTCalcForm form;
    QCOMPARE(form.SevenBtn->font().family(), QString("DejaVu Sans"));
    QCOMPARE(form.SevenBtn->font().pointSize(), 12);
    QCOMPARE(form.ValueDisplay->font().family(), QString("DejaVu Sans"));
    QCOMPARE(form.DPSpin->font().family(), QString("DejaVu Sans"));
  }

  void stayOnTopKeepsTheWindowShown() {
    CalcEnv env;
    ShownForm f;
    f.form.StayOnTop(true);
    QVERIFY(f.form.isVisible());
    QVERIFY(f.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    f.form.StayOnTop(false);
    QVERIFY(f.form.isVisible());
    QVERIFY(!f.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  }

  void textsFollowTheLanguage() {
    CalcEnv env;
    TextLanguage = tlEnglish;
    TQNTCalcForm form;
    QCOMPARE(form.MultiplyBtn->toolTip(), QString("Multiply"));
    QCOMPARE(form.InvBtn->text(), QString("inv"));
    QCOMPARE(form.windowTitle(), QString("Calculator"));
    TextLanguage = tlOriginal;
    form.UpdateLanguage();
    QCOMPARE(form.MultiplyBtn->toolTip(), QString("Умножить"));
    QCOMPARE(form.InvBtn->text(), QString("инв"));
    QCOMPARE(form.ValueDisplay->toolTip(), QString("Значение"));
  }

  // ---- Locale

  void germanDecimalSeparator() {
    CalcEnv env;
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    ShownForm f;
    QCOMPARE(f.form.PointBtn->text(), QString(","));
    Type(f.form.CalcPanel, "1,5");
    QCOMPARE(f.Display(), QString("1,5"));
    Type(f.form.CalcPanel, "+2");
    QTest::keyClick(f.form.CalcPanel, Qt::Key_Period, Qt::KeypadModifier);  // the keypad's decimal key
    Type(f.form.CalcPanel, "25=");
    QCOMPARE(f.Display(), QString("3,7500"));
    Type(f.form.CalcPanel, "1000.5=");  // "." is no separator here
    QCOMPARE(f.Display(), QString("10.005,0000"));
  }

  // ---- Carried-over defaults

  void windowHandsOnMemoryAndAngleUnlessCancelled() {
    CalcEnv env;
    {
      ShownForm f;
      Type(f.form.CalcPanel, "5");
      Click(f.form.MemoryAddBtn);
      Click(f.form.RadBtn);
      Click(f.form.ExitBtn);
    }
    QCOMPARE(CalcMemoryDefault, 5.0L);
    QVERIFY(!CalcRadiansDefault);
    {
      ShownForm f;
      Type(f.form.CalcPanel, "9");
      Click(f.form.MemoryAddBtn);
      Click(f.form.RadBtn);
      Click(f.form.CancelBtn);
    }
    QCOMPARE(CalcMemoryDefault, 5.0L);
    QVERIFY(!CalcRadiansDefault);
  }

  void engineOutlivingTheWindowCallsNothingBack() {
    CalcEnv env;
    std::shared_ptr<IQNTCalcEngine> engine;
    {
      TQNTCalcForm form;
      engine = form.CalcEngine();
    }
    engine->InputDigit(3);  // a freed window would be written to here
    engine->SetDecimalPlaces(2);
    engine->MemoryAdd();
    QCOMPARE(engine->GetDisplayValue(), 3.0L);
  }
};

QTEST_MAIN(CalcFormTest)
#include "CalcFormTest.moc"
