// The spin edit, driven by real clicks and keys: steps, page steps, wrap, clamping of typed values
// (also beyond 64 bits), bounds that move each other, Unbounded, EditorEnabled, ReadOnly, arrows and
// the kit's arrow switch, layout, and the timer-driven auto-repeat of the buttons.
#include <QElapsedTimer>
#include <QTest>

#include "ControlsTestSupport.h"
#include "controls/QNTKITPanels.h"
#include "controls/QNTKITUICtrl.h"

using namespace qnt;
using test::ControlsEnv;
using test::Form;
using test::Settle;

namespace {

struct Spin {
  Form form;
  TQNTFloatEdit* before = form.Add<TQNTFloatEdit>();
  TQNTPosSpinEdit* spin = form.Add<TQNTPosSpinEdit>();
  TQNTFloatEdit* after = form.Add<TQNTFloatEdit>();
};

void Click(TQNTSpeedBtn* button) { QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4)); }

}  // namespace

class SpinEditTest : public QObject {
  Q_OBJECT

 private slots:
  void buttonsStep_data() {
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("expected");
    QTest::addRow("up_from_default") << 100 << 1 << false << 0 << "u" << 1;
    QTest::addRow("down_at_min_stays") << 100 << 1 << false << 0 << "d" << 0;
    QTest::addRow("wrap_down_at_min") << 100 << 1 << true << 0 << "d" << 100;
    QTest::addRow("wrap_up_at_max") << 100 << 1 << true << 100 << "u" << 0;
    QTest::addRow("overshoot_stops_on_bound") << 10 << 7 << true << 8 << "u" << 10;
    QTest::addRow("then_wraps") << 10 << 7 << true << 8 << "uu" << 0;
    QTest::addRow("no_wrap_stays_on_bound") << 10 << 7 << false << 8 << "uu" << 10;
    QTest::addRow("down_then_up") << 100 << 5 << false << 50 << "ddu" << 45;
  }
  void buttonsStep() {
    QFETCH(int, max);
    QFETCH(int, step);
    QFETCH(bool, wrap);
    QFETCH(int, start);
    QFETCH(QString, clicks);
    QFETCH(int, expected);
    ControlsEnv env;
    Spin s;
    s.spin->SetMax(max);
    s.spin->SetStep(step);
    s.spin->SetWrap(wrap);
    s.spin->SetValue(start);
    QVERIFY(s.form.ShowWith(s.before));
    for (QChar c : clicks) Click(c == u'u' ? s.spin->UpBtn() : s.spin->DownBtn());
    QCOMPARE(int(s.spin->Value()), expected);
    QCOMPARE(s.spin->Text(), QString::number(expected));
    QCOMPARE(QApplication::focusWidget(), s.spin->ValueEdit());  // a step takes the focus to the edit
  }

  void keysStep_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    QTest::addRow("up_arrow") << int(Qt::Key_Up) << 0 << false << 3 << 4;
    QTest::addRow("down_arrow") << int(Qt::Key_Down) << 0 << false << 3 << 2;
    QTest::addRow("page_up") << int(Qt::Key_PageUp) << 0 << false << 3 << 13;
    QTest::addRow("page_down_stops_at_min") << int(Qt::Key_PageDown) << 0 << false << 3 << 0;
    QTest::addRow("page_up_stops_at_max") << int(Qt::Key_PageUp) << 0 << false << 95 << 100;
    QTest::addRow("page_up_wraps_from_max") << int(Qt::Key_PageUp) << 0 << true << 100 << 0;
    QTest::addRow("page_down_wraps_from_min") << int(Qt::Key_PageDown) << 0 << true << 0 << 100;
    QTest::addRow("ctrl_page_up_is_max")
        << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << false << 3 << 100;
    QTest::addRow("ctrl_page_down_is_min")
        << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << false << 3 << 0;
  }
  void keysStep() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, wrap);
    QFETCH(int, start);
    QFETCH(int, expected);
    ControlsEnv env;
    Spin s;
    s.spin->SetWrap(wrap);
    s.spin->SetValue(start);
    QVERIFY(s.form.ShowWith(s.spin));
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(int(s.spin->Value()), expected);
    QCOMPARE(QApplication::focusWidget(), s.spin->ValueEdit());
  }

  void readOnlyBlocksButtonsAndKeys() {
    ControlsEnv env;
    Spin s;
    s.spin->SetValue(5);
    s.spin->SetReadOnly(true);
    QVERIFY(s.form.ShowWith(s.spin));
    Click(s.spin->UpBtn());
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_Up);
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_PageUp);
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_PageDown, Qt::ControlModifier);
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_9);
    QCOMPARE(int(s.spin->Value()), 5);
  }

  void editorDisabledStillSteps() {
    ControlsEnv env;
    Spin s;
    s.spin->SetValue(12);
    s.spin->SetEditorEnabled(false);
    QVERIFY(s.form.ShowWith(s.spin));
    s.spin->ValueEdit()->setCursorPosition(2);
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_7);
    QCOMPARE(s.spin->Text(), QString("12"));
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_Up);
    Click(s.spin->UpBtn());
    QCOMPARE(int(s.spin->Value()), 14);
  }

  // Typed values are clamped on the full number, whatever its width.
  void typedValuesClamp_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");
    QTest::addRow("above_max") << "25" << 18;
    QTest::addRow("beyond_32_bits") << "4294967296" << 18;
    QTest::addRow("beyond_64_bits") << "99999999999999999999" << 18;
    QTest::addRow("within") << "7" << 7;
  }
  void typedValuesClamp() {
    QFETCH(QString, typed);
    QFETCH(int, expected);
    ControlsEnv env;
    Spin s;
    s.spin->SetMax(18);
    QVERIFY(s.form.ShowWith(s.spin));
    s.spin->ValueEdit()->selectAll();
    QTest::keyClicks(s.spin->ValueEdit(), typed);
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_Tab);
    Settle();
    QCOMPARE(s.spin->Text(), QString::number(expected));
    QCOMPARE(int(s.spin->Value()), expected);
    QVERIFY(env.Messages.isEmpty());
  }

  // The program's decimal-places field reads Value in its OnChange: typing 25 shows 18 at once.
  void valueReadInOnChangeClampsAtOnce() {
    ControlsEnv env;
    Spin s;
    s.spin->SetMax(18);
    std::uint32_t last = 0;
    s.spin->OnChange = [&](QObject*) { last = s.spin->Value(); };
    QVERIFY(s.form.ShowWith(s.spin));
    s.spin->ValueEdit()->selectAll();
    QTest::keyClicks(s.spin->ValueEdit(), "25");
    QCOMPARE(s.spin->Text(), QString("18"));
    QCOMPARE(int(last), 18);
  }

  void boundsMoveEachOther() {
    ControlsEnv env;
    TQNTPosSpinEdit spin;
    spin.SetValue(60);
    spin.SetMax(50);
    QCOMPARE(int(spin.Value()), 50);
    spin.SetMin(8);
    spin.SetMax(5);
    QCOMPARE(int(spin.Min()), 5);
    spin.SetMin(30);
    QCOMPARE(int(spin.Max()), 30);
    QCOMPARE(int(spin.Value()), 30);
    spin.SetValue(1000);
    QCOMPARE(int(spin.Value()), 30);
  }

  void unbounded() {
    ControlsEnv env;
    TQNTPosSpinEdit spin;
    spin.SetUnbounded(true);
    QCOMPARE(spin.Max(), 4294967295u);
    QCOMPARE(spin.Min(), 0u);
    spin.SetValue(4294967295u);
    QCOMPARE(spin.Value(), 4294967295u);
    spin.SetMax(50);
    QVERIFY(!spin.Unbounded());
  }

  void arrowsOffMoveTheFocus() {
    ControlsEnv env;
    Spin s;
    s.spin->SetArrows(false);
    s.spin->SetValue(5);
    QVERIFY(s.form.ShowWith(s.spin));
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), s.after);
    QCOMPARE(int(s.spin->Value()), 5);
  }

  // The kit's arrow switch is off while the spin edit's edit has the focus, and back afterwards.
  void arrowSwitchIsHeldOnlyWhileFocused() {
    ControlsEnv env;
    Spin s;
    QVERIFY(s.form.ShowWith(s.before));
    QVERIFY(DefaultArrowsAsTab);
    QTest::keyClick(s.before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.spin->ValueEdit());
    QVERIFY(!DefaultArrowsAsTab);
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_Tab);
    QVERIFY(DefaultArrowsAsTab);
  }

  // Freeing a spin edit whose edit holds the focus gives the arrow switch back and never reaches the
  // half-destroyed spin edit through the focus-out Qt sends while it frees its children (ASan/UBSan).
  void freedWhileFocused() {
    ControlsEnv env;
    Spin s;
    QVERIFY(s.form.ShowWith(s.before));
    QTest::keyClick(s.before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.spin->ValueEdit());
    QVERIFY(!DefaultArrowsAsTab);
    delete s.spin;
    QVERIFY(DefaultArrowsAsTab);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : s.before, Qt::Key_Tab);
  }

  // Arrows step also when an attached preferences component says arrows move the focus.
  void arrowsStepWithPreferencesAttached() {
    ControlsEnv env;
    Spin s;
    TQNTUICtrl ui;
    s.spin->SetUICtrl(&ui);
    QVERIFY(ui.ArrowsAsTab());
    QVERIFY(s.form.ShowWith(s.spin));
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_Up);
    QCOMPARE(int(s.spin->Value()), 1);
    QCOMPARE(QApplication::focusWidget(), s.spin->ValueEdit());
  }

  void eventsAroundAStep() {
    ControlsEnv env;
    Spin s;
    QStringList order;
    s.spin->OnUpClick = [&](QObject* sender) {
      order << (sender == s.spin->UpBtn() ? "up" : "?") + QString::number(s.spin->Value());
    };
    s.spin->OnAfterUpClick = [&](QObject*) { order << "after" + QString::number(s.spin->Value()); };
    QVERIFY(s.form.ShowWith(s.before));
    Click(s.spin->UpBtn());
    QCOMPARE(order, (QStringList{"up0", "after1"}));
  }

  void enabledGovernsButtonsAndEdit() {
    ControlsEnv env;
    TQNTPosSpinEdit spin;
    spin.SetEnabled(false);
    QVERIFY(!spin.Enabled());
    QVERIFY(!spin.UpBtn()->isEnabled());
    QVERIFY(!spin.ValueEdit()->isEnabled());
    spin.SetEnabled(true);
    QVERIFY(spin.DownBtn()->isEnabled());
  }

  void layout() {
    ControlsEnv env;
    TQNTPosSpinEdit spin;
    QCOMPARE(spin.width(), 87);
    QCOMPARE(spin.ValueEdit()->width(), 71);
    QCOMPARE(spin.height(), spin.ValueEdit()->sizeHint().height());
    spin.SetAutoSize(false);
    spin.SetHeight(25);
    QCOMPARE(spin.ValueEdit()->height(), 25);
    QCOMPARE(spin.DownBtn()->height(), 12);
    QCOMPARE(spin.UpBtn()->height(), 13);
    QCOMPARE(spin.DownBtn()->y(), 13);
    QCOMPARE(spin.UpBtn()->x(), 71);
    spin.show();
    spin.resize(120, 25);
    QCOMPARE(spin.ValueEdit()->width(), 104);
    QCOMPARE(spin.UpBtn()->x(), 104);
    spin.SetAutoSize(true);
    QCOMPARE(spin.height(), spin.ValueEdit()->sizeHint().height());
  }

  // Holding a button repeats its click from the event loop's timer; the release clicks once more.
  void holdingAButtonRepeats() {
    ControlsEnv env;
    Spin s;
    s.spin->SetInterval(25);
    s.spin->SetMax(1000);
    QVERIFY(s.form.ShowWith(s.before));
    QTest::mousePress(s.spin->UpBtn(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    QVERIFY(s.spin->UpBtn()->Repeating());
    QElapsedTimer held;
    held.start();
    QTest::qWait(260);
    const qint64 ms = held.elapsed();
    QTest::mouseRelease(s.spin->UpBtn(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    const int steps = int(s.spin->Value());
    QVERIFY2(steps >= 4, qPrintable(QString("only %1 steps in %2 ms").arg(steps).arg(ms)));
    QVERIFY2(steps <= ms / 25 + 2, qPrintable(QString("%1 steps in %2 ms").arg(steps).arg(ms)));
    QTest::qWait(100);
    QCOMPARE(int(s.spin->Value()), steps);  // nothing more after the release
  }

  void clickingTheButtonOnceStepsOnce() {
    ControlsEnv env;
    Spin s;
    QVERIFY(s.form.ShowWith(s.before));
    Click(s.spin->UpBtn());
    QCOMPARE(int(s.spin->Value()), 1);
  }

  void flatButtonsFollowTheColourSet() {
    ControlsEnv env;
    TQNTPosSpinEdit spin;
    QVERIFY(spin.UpBtn()->Flat());
    spin.ColorSet()->SetFlatBtns(false);
    QVERIFY(!spin.UpBtn()->Flat());
    QVERIFY(!spin.DownBtn()->Flat());
    TQNTUICtrl ui;
    spin.SetUICtrl(&ui);
    QVERIFY(spin.UpBtn()->Flat());  // the component's colour set decides now
  }

  void nullIsMirrored() {
    ControlsEnv env;
    Spin s;
    int changes = 0;
    s.spin->OnNullChange = [&](QObject*) { ++changes; };
    QVERIFY(s.form.ShowWith(s.spin));
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(s.spin->Null());
    QCOMPARE(s.spin->ValueEdit()->text(), QString("<пусто>"));
    QTest::keyClick(s.spin->ValueEdit(), Qt::Key_4);
    QVERIFY(!s.spin->Null());
    QCOMPARE(changes, 2);
  }
};

QTEST_MAIN(SpinEditTest)
#include "SpinEditTest.moc"
