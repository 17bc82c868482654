// The calculator edit on a form, driven by real keys and clicks: the drop-down (button and Alt+Down)
// with the engine's full-precision value coming back, Cancel and the close box, the events around it,
// placement near the screen's edges, the attached component, custom separators during the drop-down,
// read-only and EditorEnabled, the glyphs, and typed formulas with AllowExpressions.
#include <QScreen>
#include <QTest>
#include <vector>

#include "CalcUiTestSupport.h"
#include "calc/QNTKITCalcEdit.h"
#include "calc/QNTKITCalculator.h"
#include "controls/QNTKITNumEdits.h"

using namespace qnt;
using test::CalcEnv;
using test::Form;
using test::ModalScript;
using test::SameBits;
using test::Settle;
using test::Type;

namespace {

/// A form with a calculator edit between two float edits, shown with the focus in the calculator edit.
struct Field {
  Form form;
  TQNTFloatEdit* before = form.Add<TQNTFloatEdit>();
  TQNTCalcEdit* calc = form.Add<TQNTCalcEdit>();
  TQNTFloatEdit* after = form.Add<TQNTFloatEdit>();
  bool Show() { return form.ShowWith(calc); }
  void ClickButton() { QTest::mouseClick(calc->CalcBtn(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4)); }
  void AltDown() { QTest::keyClick(calc->ValueEdit(), Qt::Key_Down, Qt::AltModifier); }
  /// Leaves the field with Tab.
  void Leave() {
    QTest::keyClick(calc->ValueEdit(), Qt::Key_Tab);
    Settle();
  }
};

/// The program's value field: 8 decimals, full accuracy.
void AsValueField(TQNTCalcEdit& e) {
  e.SetDecimalPlaces(8);
  e.SetFullAccuracy(true);
}

}  // namespace

class CalcEditTest : public QObject {
  Q_OBJECT

 private slots:
  // ---- The drop-down

  void leavingWithoutKeysKeepsEveryBit_data() {
    QTest::addColumn<QString>("how");
    QTest::addRow("exit") << "exit";
    QTest::addRow("close_box") << "close";
    QTest::addRow("f10") << "f10";
  }
  void leavingWithoutKeysKeepsEveryBit() {
    QFETCH(QString, how);
    CalcEnv env;
    Field f;
    AsValueField(*f.calc);
    f.calc->SetAsFloat(1.0L / 3.0L);
    QVERIFY(f.Show());
    ModalScript script([&](TQNTCalcForm& form) {
      QCOMPARE(form.ValueDisplay->text(), QString("0.33333333"));
      if (how == "exit") form.ExitBtnClick();
      if (how == "close") form.close();
      if (how == "f10") QTest::keyClick(form.CalcPanel, Qt::Key_F10);
    });
    f.ClickButton();
    QVERIFY(script.Ran());
    QVERIFY(!script.LeftOpen());
    QVERIFY(!f.calc->PopupCancelled());
    QVERIFY(SameBits(f.calc->AsFloat(), 1.0L / 3.0L));
    QCOMPARE(f.calc->Text(), QString("0.33333333"));
  }

  void computedValueComesBackWithEveryBit() {
    CalcEnv env;
    Field f;
    AsValueField(*f.calc);
    QVERIFY(f.Show());
    ModalScript script([](TQNTCalcForm& form) {
      Type(form.CalcPanel, "1/3=");
      form.ExitBtnClick();
    });
    f.AltDown();
    QVERIFY(script.Ran());
    QVERIFY(SameBits(f.calc->AsFloat(), 1.0L / 3.0L));
    QCOMPARE(f.calc->Text(), QString("0.33333333"));
    f.Leave();  // the field's exit does not round the value to its text
    QVERIFY(SameBits(f.calc->AsFloat(), 1.0L / 3.0L));
  }

  void typedProductBecomesTheValue() {
    CalcEnv env;
    Field f;
    f.calc->SetDecimalPlaces(8);
    QVERIFY(f.Show());
    ModalScript script([](TQNTCalcForm& form) {
      Type(form.CalcPanel, "2*3\n");
      form.ExitBtnClick();
    });
    f.ClickButton();
    QCOMPARE(f.calc->Text(), QString("6.00000000"));
    QCOMPARE(f.calc->AsFloat(), 6.0L);
  }

  void cancelLeavesTheFieldAlone() {
    CalcEnv env;
    Field f;
    f.calc->SetAsFloat(12.5L);
    QVERIFY(f.Show());
    int changes = 0;
    f.calc->OnChange = [&](QObject*) { ++changes; };
    ModalScript cancel([](TQNTCalcForm& form) { Type(form.CalcPanel, "99\x1b"); });
    f.ClickButton();
    QVERIFY(cancel.Ran());
    QVERIFY(f.calc->PopupCancelled());
    QCOMPARE(f.calc->AsFloat(), 12.5L);
    QCOMPARE(f.calc->Text(), QString("12.5000"));
    QCOMPARE(changes, 0);
    ModalScript exit([](TQNTCalcForm& form) { form.ExitBtnClick(); });
    f.ClickButton();
    QVERIFY(!f.calc->PopupCancelled());  // the next drop-down starts afresh
  }

  void theFieldKeepsTheFocusAndIsNotLeft() {
    // During the drop-down only the button is disabled: the focused field stays enabled, so no exit
    // processing (and no conversion in the host) runs.
    CalcEnv env;
    Field f;
    QVERIFY(f.Show());
    int exits = 0;
    f.calc->OnExit = [&](QObject*) { ++exits; };
    bool checked = false;
    ModalScript script([&](TQNTCalcForm& form) {
      QVERIFY(!f.calc->CalcBtn()->isEnabled());
      QVERIFY(f.calc->ValueEdit()->isEnabled());
      QCOMPARE(f.form.focusWidget(), f.calc->ValueEdit());
      f.ClickButton();  // a second drop-down cannot start
      checked = true;
      form.ExitBtnClick();
    });
    f.ClickButton();
    QVERIFY(checked);
    QVERIFY(f.calc->CalcBtn()->isEnabled());
    QCOMPARE(exits, 0);
    QCOMPARE(f.form.focusWidget(), f.calc->ValueEdit());
  }

  void eventsAroundTheDropDown() {
    CalcEnv env;
    Field f;
    f.calc->SetAsFloat(5);
    QVERIFY(f.Show());
    std::vector<QString> events;
    f.calc->OnCalcClick = [&](QObject* sender) {
      QCOMPARE(sender, f.calc->CalcBtn());
      events.push_back("click");
    };
    f.calc->OnStartPopup = [&](QObject*, Extended& v) {
      events.push_back("start");
      v *= 2;
    };
    f.calc->OnEndPopup = [&](QObject*, Extended& v) {
      events.push_back("end");
      v += 1;
    };
    f.calc->OnCalcClickEnd = [&](QObject*) { events.push_back("click end"); };
    ModalScript script([&](TQNTCalcForm& form) {
      events.push_back("window");
      QCOMPARE(form.CalcEngine()->GetDisplayValue(), 10.0L);
      Type(form.CalcPanel, "+1=");
      form.ExitBtnClick();
    });
    f.ClickButton();
    QCOMPARE(events, (std::vector<QString>{"click", "start", "window", "end", "click end"}));
    QCOMPARE(f.calc->AsFloat(), 12.0L);
  }

  void onPopupCalcReplacesTheWindow() {
    CalcEnv env;
    Field f;
    f.calc->SetAsFloat(4);
    QVERIFY(f.Show());
    f.calc->OnPopupCalc = [](QObject*, Extended& v) { v = v * v; };
    ModalScript script([](TQNTCalcForm& form) { form.ExitBtnClick(); });
    f.ClickButton();
    Settle();
    QVERIFY(!script.Ran());
    QCOMPARE(f.calc->AsFloat(), 16.0L);
  }

  void errorInsideTheDropDownCleansUp() {
    CalcEnv env;
    Field f;
    f.calc->SetCustomSeparators(true);
    f.calc->SetCustomDecimal(u',');
    f.calc->SetCustomThousands(u' ');
    f.calc->SetAsFloat(3);
    QVERIFY(f.Show());
    bool ended = false;
    f.calc->OnPopupCalc = [](QObject*, Extended&) { throw EMathError(u"Broken handler"); };
    f.calc->OnCalcClickEnd = [&](QObject*) { ended = true; };
    f.ClickButton();
    Settle();
    QCOMPARE(env.Messages, QStringList{"Broken handler."});
    QVERIFY(!ended);
    QVERIFY(f.calc->CalcBtn()->isEnabled());
    QCOMPARE(FormatSettings.DecimalSeparator, u'.');
    QCOMPARE(FormatSettings.ThousandSeparator, u',');
    QCOMPARE(f.calc->AsFloat(), 3.0L);
  }

  void customSeparatorsHoldDuringTheDropDown() {
    CalcEnv env;
    Field f;
    f.calc->SetCustomSeparators(true);
    f.calc->SetCustomDecimal(u',');
    f.calc->SetCustomThousands(u'.');
    f.calc->SetAsFloat(1234.5L);
    QVERIFY(f.Show());
    ModalScript script([](TQNTCalcForm& form) {
      QCOMPARE(form.PointBtn->text(), QString(","));
      QCOMPARE(form.ValueDisplay->text(), QString("1.234,5000"));
      Type(form.CalcPanel, "+0,25=");
      form.ExitBtnClick();
    });
    f.ClickButton();
    QVERIFY(script.Ran());
    QCOMPARE(f.calc->AsFloat(), 1234.75L);
    QCOMPARE(FormatSettings.DecimalSeparator, u'.');
  }

  // ---- Read-only, EditorEnabled, enabling

  void readOnlyFieldDropsNothingDown() {
    CalcEnv env;
    Field f;
    f.calc->SetReadOnly(true);
    QVERIFY(f.Show());
    int keyDowns = 0;
    int clicks = 0;
    f.calc->OnKeyDown = [&](QObject*, std::uint16_t&, TShiftState) { ++keyDowns; };
    f.calc->OnCalcClick = [&](QObject*) { ++clicks; };
    ModalScript script([](TQNTCalcForm& form) { form.ExitBtnClick(); });
    f.AltDown();
    f.calc->DoPopup();
    Settle();
    QVERIFY(!script.Ran());
    QCOMPARE(keyDowns, 0);
    QCOMPARE(clicks, 0);
    QVERIFY(!f.calc->CalcBtn()->isEnabled());
    f.calc->SetReadOnly(false);
    QVERIFY(f.calc->CalcBtn()->isEnabled());
  }

  void disabledFieldDisablesTheButton() {
    CalcEnv env;
    TQNTCalcEdit edit;
    edit.SetEnabled(false);
    QVERIFY(!edit.Enabled());
    QVERIFY(!edit.CalcBtn()->isEnabled());
    QVERIFY(edit.isEnabled());  // the panel itself stays enabled
    edit.SetEnabled(true);
    QVERIFY(edit.CalcBtn()->isEnabled());
  }

  void editorDisabledTakesNoDigitsButStillCalculates() {
    CalcEnv env;
    Field f;
    f.calc->SetEditorEnabled(false);
    f.calc->SetAsFloat(12);
    QVERIFY(f.Show());
    f.calc->ValueEdit()->setCursorPosition(int(f.calc->Text().size()));
    f.calc->ValueEdit()->deselect();
    Type(f.calc->ValueEdit(), "9");
    QCOMPARE(f.calc->Text(), QString("12.0000"));
    Type(f.calc->ValueEdit(), "\b");
    QCOMPARE(f.calc->Text(), QString("12.000"));
    ModalScript script([](TQNTCalcForm& form) {
      Type(form.CalcPanel, "*2=");
      form.ExitBtnClick();
    });
    f.AltDown();
    QCOMPARE(f.calc->AsFloat(), 24.0L);
  }

  // ---- Placement

  void placement_data() {
    QTest::addColumn<bool>("nearBottom");
    QTest::addColumn<bool>("nearRight");
    QTest::addRow("below_the_field") << false << false;
    QTest::addRow("above_near_the_bottom") << true << false;
    QTest::addRow("shifted_left_near_the_right_edge") << false << true;
  }
  void placement() {
    QFETCH(bool, nearBottom);
    QFETCH(bool, nearRight);
    CalcEnv env;
    Field f;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    f.form.move(nearRight ? screen.right() - 120 : screen.left() + 50,
                nearBottom ? screen.bottom() - 120 : screen.top() + 50);
    QVERIFY(f.Show());
    TQNTCalculator calc;
    f.calc->SetCalculatorControl(&calc);
    QPoint at(-1, -1);
    calc.OnExecutePos = [&](QObject*, int left, int top, bool& result) {
      at = QPoint(left, top);
      result = false;
    };
    f.ClickButton();
    const QPoint field = f.calc->mapToGlobal(QPoint(0, 0));
    const int h = f.calc->Height();
    QCOMPARE(at.y(), nearBottom ? field.y() - 269 : field.y() + h);
    QCOMPARE(at.x(), nearRight ? screen.x() + screen.width() - 196 : field.x());

    // Without a component the free dialog routine puts its window there.
    f.calc->SetCalculatorControl(nullptr);
    QPoint windowAt;
    ModalScript script([&](TQNTCalcForm& form) {
      windowAt = form.pos();
      form.CancelBtnClick();
    });
    f.ClickButton();
    QVERIFY(script.Ran());
    QCOMPARE(windowAt, at);
  }

  void centredCalculator() {
    CalcEnv env;
    Field f;
    f.calc->SetCalcCenter(true);
    QVERIFY(f.Show());
    TQNTCalculator calc;
    bool executed = false;
    calc.OnExecute = [&](QObject*, bool& result) {
      executed = true;
      result = false;
    };
    calc.OnExecutePos = [](QObject*, int, int, bool&) { QFAIL("a centred calculator has no position"); };
    f.calc->SetCalculatorControl(&calc);
    f.ClickButton();
    QVERIFY(executed);
    QVERIFY(f.calc->PopupCancelled());
  }

  // ---- An attached component

  void componentGetsValueAndDecimalPlaces() {
    CalcEnv env;
    Field f;
    AsValueField(*f.calc);
    f.calc->SetTrimTrailingZeroes(true);
    f.calc->SetAsFloat(2.0L / 3.0L);
    QVERIFY(f.Show());
    TQNTCalculator calc;
    calc.SetDecimalPlaces(2);
    f.calc->SetCalculatorControl(&calc);
    ModalScript script([](TQNTCalcForm& form) {
      QCOMPARE(form.DPSpin->Value(), 8u);
      QVERIFY(form.CalcEngine()->GetTrimTrailingZeroes());
      form.DPSpin->StepDown();
      form.ExitBtnClick();
    });
    f.ClickButton();
    QVERIFY(SameBits(calc.Value(), 2.0L / 3.0L));
    QVERIFY(SameBits(f.calc->AsFloat(), 2.0L / 3.0L));
    QCOMPARE(calc.DecimalPlaces(), 7);
    QCOMPARE(f.calc->DecimalPlaces(), 8);  // not taken back unless asked for
  }

  void componentDecimalPlacesOverriddenAndReturned() {
    CalcEnv env;
    Field f;
    f.calc->SetDecimalPlaces(8);
    QVERIFY(f.Show());
    TQNTCalculator calc;
    calc.SetDecimalPlaces(3);
    calc.SetOverrideDecimalPlaces(true);
    calc.SetReturnDecimalPlaces(true);
    f.calc->SetCalculatorControl(&calc);
    ModalScript script([](TQNTCalcForm& form) {
      QCOMPARE(form.DPSpin->Value(), 3u);
      form.DPSpin->StepUp();
      form.ExitBtnClick();
    });
    f.ClickButton();
    QCOMPARE(f.calc->DecimalPlaces(), 4);
    QCOMPARE(f.calc->Text(), QString("0.0000"));
  }

  // ---- Glyphs and layout

  void builtInGlyphs_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QSize>("size");
    QTest::addRow("fx") << int(ecgCalcGlyFX) << QSize(16, 16);
    QTest::addRow("calc1") << int(ecgCalc1) << QSize(15, 16);
    QTest::addRow("calc2_is_narrow") << int(ecgCalc2) << QSize(11, 16);
  }
  void builtInGlyphs() {
    QFETCH(int, type);
    QFETCH(QSize, size);
    CalcEnv env;
    TQNTCalcEdit edit;
    edit.SetCalcGlyphType(TQNTCalcGlyphType(type));
    QCOMPARE(edit.CalcBtn()->iconSize(), size);
    QVERIFY(!edit.CalcBtn()->icon().isNull());
  }

  void layoutFollowsTheWidth() {
    CalcEnv env;
    TQNTCalcEdit edit;
    edit.show();
    QCOMPARE(edit.width(), 87);
    QCOMPARE(edit.CalcBtn()->width(), 21);
    QCOMPARE(edit.ValueEdit()->width(), 66);
    QCOMPARE(edit.CalcBtn()->x(), 66);
    edit.resize(150, edit.height());
    QCOMPARE(edit.ValueEdit()->width(), 129);
    QCOMPARE(edit.CalcBtn()->x(), 129);
    QCOMPARE(edit.CalcBtn()->height(), edit.height());
    QCOMPARE(edit.Height(), edit.ValueEdit()->height());
    edit.SetHideButton(true);
    QVERIFY(edit.CalcBtn()->isHidden());
  }

  void buttonLookFollowsTheColourSet() {
    CalcEnv env;
    TQNTCalcEdit edit;
    edit.ColorSet()->SetFlatBtns(false);
    QVERIFY(!edit.CalcBtn()->Flat());
    edit.ColorSet()->SetFlatBtns(true);
    QVERIFY(edit.CalcBtn()->Flat());
  }

  // ---- Expressions

  void expressions_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addRow("two_pi") << "2*pi"
                            << "6.28318531";
    QTest::addRow("function_before_plus") << "sqrt 16 + 9"
                                          << "13.00000000";
    QTest::addRow("exponent") << "1e-3"
                              << "0.00100000";
    QTest::addRow("precedence_and_brackets") << "(2+3)*4-1"
                                             << "19.00000000";
    QTest::addRow("plain_number") << "42"
                                  << "42.00000000";
  }
  void expressions() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    CalcEnv env;
    Field f;
    f.calc->SetDecimalPlaces(8);
    f.calc->SetAllowExpressions(true);
    QVERIFY(f.Show());
    f.calc->ValueEdit()->selectAll();
    QTest::keyClicks(f.calc->ValueEdit(), typed);
    QCOMPARE(f.calc->ValueEdit()->text(), typed);
    f.Leave();
    QCOMPARE(f.calc->Text(), shown);
    QVERIFY(env.Messages.isEmpty());
  }

  void failingExpressionIsReportedAndTheValueStays_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addRow("unknown_word") << "2*foo"
                                  << "Unknown Function - foo.";
    QTest::addRow("division_by_zero") << "5/0"
                                      << "Деление на ноль.";
    QTest::addRow("operator_without_operand") << "3*"
                                              << "Invalid Equation.";
  }
  void failingExpressionIsReportedAndTheValueStays() {
    // Pasted whole, so no shorter text that reads as a number comes first.
    QFETCH(QString, typed);
    QFETCH(QString, message);
    CalcEnv env;
    Field f;
    f.calc->SetAllowExpressions(true);
    f.calc->SetAsFloat(7);
    QVERIFY(f.Show());
    f.calc->ValueEdit()->selectAll();
    QGuiApplication::clipboard()->setText(typed);
    QTest::keyClick(f.calc->ValueEdit(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.calc->ValueEdit()->text(), typed);
    QCOMPARE(f.calc->AsFloat(), 7.0L);
    f.Leave();
    QCOMPARE(env.Messages, QStringList{message});
    QCOMPARE(f.calc->AsFloat(), 7.0L);
    QCOMPARE(f.calc->ValueEdit()->text(), typed);  // left as typed, to be put right
  }

  void typedExpressionKeepsItsLastGoodValue() {
    // While typing, the value follows every text that reads; "2*f..." stops at 2, never 0.
    CalcEnv env;
    Field f;
    f.calc->SetAllowExpressions(true);
    f.calc->SetAsFloat(7);
    QVERIFY(f.Show());
    f.calc->ValueEdit()->selectAll();
    QTest::keyClicks(f.calc->ValueEdit(), "2*foo");
    f.Leave();
    QCOMPARE(env.Messages, QStringList{"Unknown Function - foo."});
    QCOMPARE(f.calc->AsFloat(), 2.0L);
  }

  void expressionIsReadBeforeTheDropDown() {
    CalcEnv env;
    Field f;
    f.calc->SetDecimalPlaces(8);
    f.calc->SetAllowExpressions(true);
    QVERIFY(f.Show());
    f.calc->ValueEdit()->selectAll();
    QTest::keyClicks(f.calc->ValueEdit(), "2*pi");
    ModalScript script([](TQNTCalcForm& form) {
      QCOMPARE(form.ValueDisplay->text(), QString("6.28318531"));
      form.ExitBtnClick();
    });
    f.AltDown();
    QVERIFY(script.Ran());
    QCOMPARE(f.calc->Text(), QString("6.28318531"));
  }

  void withoutExpressionsLettersAreRefused() {
    CalcEnv env;
    Field f;
    QVERIFY(f.Show());
    f.calc->ValueEdit()->selectAll();
    QTest::keyClicks(f.calc->ValueEdit(), "2*pi");
    QCOMPARE(f.calc->ValueEdit()->text(), QString("2"));
    f.calc->SetAllowExpressions(true);
    f.calc->SetAllowExpressions(false);
    QVERIFY(!f.calc->ValueEdit()->AllowAllChars());
    QVERIFY(!f.calc->ValueEdit()->OnConvert);
  }
};

QTEST_MAIN(CalcEditTest)
#include "CalcEditTest.moc"
