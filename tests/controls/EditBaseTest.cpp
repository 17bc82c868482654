// The edit base behaviour, driven by real key and mouse events: Enter, Esc, arrows, Ctrl+N and
// Ctrl+A, read-only protection and the Tab order, null state, paste and cut, exit processing,
// conversion errors, auto-advance and the focus and hover colours.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "ControlsTestSupport.h"
#include "controls/QNTKITEdits.h"
#include "controls/QNTKITNumEdits.h"

using namespace qnt;
using test::ControlsEnv;
using test::Form;
using test::Settle;

namespace {

// Three edits in a window, the middle one under test.
struct Trio {
  Form form;
  TQNTBaseEdit* before = form.Add<TQNTBaseEdit>();
  TQNTFloatEdit* edit = form.Add<TQNTFloatEdit>();
  TQNTBaseEdit* after = form.Add<TQNTBaseEdit>();
};

QString Str(const std::u16string& s) { return QString::fromStdU16String(s); }

}  // namespace

class EditBaseTest : public QObject {
  Q_OBJECT

 private slots:
  void enterIsNeverTyped_data() {
    QTest::addColumn<bool>("enterAsTab");
    QTest::addRow("moves_on_with_EnterAsTab") << true;
    QTest::addRow("stays_without_EnterAsTab") << false;
  }
  void enterIsNeverTyped() {
    QFETCH(bool, enterAsTab);
    ControlsEnv env;
    DefaultEnterAsTab = enterAsTab;
    Trio t;
    QVERIFY(t.form.ShowWith(t.edit));
    QTest::keyClicks(t.edit, "12");
    QTest::keyClick(t.edit, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), enterAsTab ? static_cast<QWidget*>(t.after) : t.edit);
    QCOMPARE(t.edit->text(), enterAsTab ? QString("12.0000") : QString("12"));
  }

  void escUndoesTheLastChangeAndTakesItBack() {
    ControlsEnv env;
    Trio t;
    QVERIFY(t.form.ShowWith(t.before));
    t.before->SetText("12");
    t.before->setCursorPosition(2);
    QTest::keyClicks(t.before, "34");
    QCOMPARE(t.before->Text(), QString("1234"));
    QTest::keyClick(t.before, Qt::Key_Escape);
    QCOMPARE(t.before->Text(), QString("12"));
    QTest::keyClick(t.before, Qt::Key_Escape);  // one undo step: the second Esc redoes
    QCOMPARE(t.before->Text(), QString("1234"));

    DefaultESCAsUndo = false;
    QTest::keyClick(t.before, Qt::Key_Escape);
    QCOMPARE(t.before->Text(), QString("1234"));
  }

  // A read-only edit changes on no key; copying still works.
  void readOnlyRefusesEveryChange_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addRow("typing") << int(Qt::Key_7) << int(Qt::NoModifier);
    QTest::addRow("minus_toggle") << int(Qt::Key_Minus) << int(Qt::NoModifier);
    QTest::addRow("delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
    QTest::addRow("backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
    QTest::addRow("shift_insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    QTest::addRow("ctrl_v") << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::addRow("ctrl_x") << int(Qt::Key_X) << int(Qt::ControlModifier);
    QTest::addRow("ctrl_n") << int(Qt::Key_N) << int(Qt::ControlModifier);
  }
  void readOnlyRefusesEveryChange() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    ControlsEnv env;
    Trio t;
    t.edit->SetAsFloat(12.5L);
    t.edit->SetReadOnly(true);
    QGuiApplication::clipboard()->setText("99");
    QVERIFY(t.form.ShowWith(t.edit));
    t.edit->selectAll();
    QTest::keyClick(t.edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(t.edit->text(), QString("12.5000"));
    QVERIFY(!t.edit->Null());
    QCOMPARE(double(t.edit->AsFloat()), 12.5);
  }

  void readOnlyStillCopies() {
    ControlsEnv env;
    Trio t;
    t.edit->SetAsFloat(7);
    t.edit->SetReadOnly(true);
    QVERIFY(t.form.ShowWith(t.edit));
    QGuiApplication::clipboard()->setText("nothing");
    t.edit->selectAll();
    QTest::keyClick(t.edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("7.0000"));
  }

  void readOnlyLeavesTheTabOrder() {
    ControlsEnv env;
    TQNTBaseEdit edit;
    QVERIFY(edit.TabStop());
    edit.SetReadOnly(true);
    QVERIFY(!edit.TabStop());
    edit.SetReadOnly(false);
    QVERIFY(edit.TabStop());
    DefaultNoTabStopOnReadOnly = false;
    edit.SetReadOnly(true);
    QVERIFY(edit.TabStop());
  }

  void arrowsMoveBetweenFields_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("arrowsAsTab");
    QTest::addColumn<int>("expected");  // -1 before, 0 stays, 1 after
    QTest::addRow("down_moves_on") << int(Qt::Key_Down) << int(Qt::NoModifier) << true << 1;
    QTest::addRow("up_moves_back") << int(Qt::Key_Up) << int(Qt::NoModifier) << true << -1;
    QTest::addRow("shift_down_stays") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << true << 0;
    QTest::addRow("left_stays") << int(Qt::Key_Left) << int(Qt::NoModifier) << true << 0;
    QTest::addRow("down_stays_without_switch") << int(Qt::Key_Down) << int(Qt::NoModifier) << false << 0;
  }
  void arrowsMoveBetweenFields() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, arrowsAsTab);
    QFETCH(int, expected);
    ControlsEnv env;
    DefaultArrowsAsTab = arrowsAsTab;
    Trio t;
    QVERIFY(t.form.ShowWith(t.edit));
    QTest::keyClick(t.edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QWidget* want = expected < 0 ? static_cast<QWidget*>(t.before) : expected > 0 ? t.after : t.edit;
    QCOMPARE(QApplication::focusWidget(), want);
  }

  void nullShowsTheNullTextAndTypingStartsAfresh() {
    ControlsEnv env;
    Trio t;
    QVERIFY(t.form.ShowWith(t.edit));
    int nullChanges = 0;
    t.edit->OnNullChange = [&](QObject*) { ++nullChanges; };
    t.edit->SetAsFloat(3);
    t.edit->SetNull(true);
    QCOMPARE(t.edit->text(), QString("<пусто>"));
    QCOMPARE(t.edit->Text(), QString());
    QCOMPARE(double(t.edit->AsFloat()), 0.0);
    QTest::keyClick(t.edit, Qt::Key_5);
    QVERIFY(!t.edit->Null());
    QCOMPARE(t.edit->text(), QString("5"));
    QCOMPARE(nullChanges, 2);
    t.edit->SetBlankWhenNull(true);
    t.edit->SetNull(true);
    QCOMPARE(t.edit->text(), QString());
  }

  void ctrlNMakesTheValueNull_data() {
    QTest::addColumn<bool>("allow");
    QTest::addRow("allowed") << true;
    QTest::addRow("refused") << false;
  }
  void ctrlNMakesTheValueNull() {
    QFETCH(bool, allow);
    ControlsEnv env;
    Trio t;
    t.edit->SetAllowKbdNull(allow);
    int nulls = 0;
    t.edit->OnNull = [&](QObject*) { ++nulls; };
    t.edit->SetAsFloat(8);
    QVERIFY(t.form.ShowWith(t.edit));
    QTest::keyClick(t.edit, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(t.edit->Null(), allow);
    QCOMPARE(nulls, allow ? 1 : 0);
    QCOMPARE(t.edit->text(), allow ? QString("<пусто>") : QString("8.0000"));
  }

  void ctrlASelectsAll() {
    ControlsEnv env;
    Trio t;
    t.before->SetText("hello");
    QVERIFY(t.form.ShowWith(t.before));
    t.before->deselect();
    QTest::keyClick(t.before, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(t.before->SelText(), QString("hello"));
  }

  void pasteIntoANullEditReplacesTheNullText() {
    ControlsEnv env;
    Trio t;
    QVERIFY(t.form.ShowWith(t.edit));
    t.edit->SetNull(true);
    t.edit->SetModified(false);
    QGuiApplication::clipboard()->setText("42\nignored");
    QTest::keyClick(t.edit, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!t.edit->Null());
    QCOMPARE(t.edit->text(), QString("42"));
    QVERIFY(t.edit->Modified());
    QCOMPARE(double(t.edit->AsFloat()), 42.0);
  }

  void autoAdvanceAtMaxLength_data() {
    QTest::addColumn<int>("lastModifiers");
    QTest::addColumn<bool>("movesOn");
    QTest::addRow("plain") << int(Qt::NoModifier) << true;
    QTest::addRow("alt_held") << int(Qt::AltModifier) << false;
  }
  void autoAdvanceAtMaxLength() {
    QFETCH(int, lastModifiers);
    QFETCH(bool, movesOn);
    ControlsEnv env;
    Trio t;
    t.before->SetAutoAdvance(true);
    t.before->SetMaxLength(3);
    QVERIFY(t.form.ShowWith(t.before));
    QTest::keyClicks(t.before, "ab");
    QTest::keyClick(t.before, Qt::Key_C, Qt::KeyboardModifiers(lastModifiers));
    QCOMPARE(QApplication::focusWidget(), movesOn ? static_cast<QWidget*>(t.edit) : t.before);
  }

  void maxLengthLimitsTypingNotCode() {
    ControlsEnv env;
    Trio t;
    t.before->SetMaxLength(3);
    QVERIFY(t.form.ShowWith(t.before));
    QTest::keyClicks(t.before, "abcd");
    QCOMPARE(t.before->Text(), QString("abc"));
    t.before->SetText("longer text");
    QCOMPARE(t.before->Text(), QString("longer text"));
  }

  void exitConvertsRedisplaysAndMarksModified() {
    ControlsEnv env;
    Trio t;
    int exits = 0;
    t.edit->OnExit = [&](QObject*) { ++exits; };
    QVERIFY(t.form.ShowWith(t.edit));
    QVERIFY(!t.edit->Modified());
    QTest::keyClicks(t.edit, "1.5");
    QTest::keyClick(t.edit, Qt::Key_Tab);
    QCOMPARE(t.edit->text(), QString("1.5000"));
    QCOMPARE(exits, 1);
    QVERIFY(t.edit->Modified());
    QVERIFY(t.edit->ConvertOK());
  }

  // Text that is no number is reported on exit and leaves the value as it was.
  void pastedTextThatIsNoNumberIsReported_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addRow("letters") << "abc";
    QTest::addRow("two_separators") << "1.2.3";
  }
  void pastedTextThatIsNoNumberIsReported() {
    QFETCH(QString, pasted);
    ControlsEnv env;
    Trio t;
    int exits = 0;
    t.edit->OnExit = [&](QObject*) { ++exits; };
    t.edit->SetAsFloat(5);
    QVERIFY(t.form.ShowWith(t.edit));
    t.edit->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(t.edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(double(t.edit->AsFloat()), 5.0);  // while typing, the value stays
    QTest::keyClick(t.edit, Qt::Key_Tab);
    Settle();
    QCOMPARE(env.Messages, QStringList{"'" + pasted + "' is not a valid floating point value."});
    QCOMPARE(double(t.edit->AsFloat()), 5.0);
    QCOMPARE(exits, 0);
    QVERIFY(!t.edit->FocusState());
  }

  void convertErrorHandlerTakesTheFocusBack() {
    ControlsEnv env;
    Trio t;
    QString reported;
    t.edit->OnConvertError = [&](QObject*, const std::u16string& text) { reported = Str(text); };
    QVERIFY(t.form.ShowWith(t.edit));
    t.edit->selectAll();
    QGuiApplication::clipboard()->setText("x1");
    QTest::keyClick(t.edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(t.edit, Qt::Key_Tab);
    Settle();
    QCOMPARE(reported, QString("x1"));
    QVERIFY(env.Messages.isEmpty());
    QCOMPARE(QApplication::focusWidget(), t.edit);
  }

  void emptyTextAndSignsStillReadAsZero_data() {
    QTest::addColumn<QString>("typed");
    QTest::addRow("empty") << "";
    QTest::addRow("lone_minus") << "-";
    QTest::addRow("separators_only") << ",.";
  }
  void emptyTextAndSignsStillReadAsZero() {
    QFETCH(QString, typed);
    ControlsEnv env;
    Trio t;
    t.edit->SetAsFloat(9);
    QVERIFY(t.form.ShowWith(t.edit));
    t.edit->selectAll();
    QTest::keyClick(t.edit, Qt::Key_Backspace);
    QTest::keyClicks(t.edit, typed);
    QTest::keyClick(t.edit, Qt::Key_Tab);
    Settle();
    QVERIFY(env.Messages.isEmpty());
    QCOMPARE(double(t.edit->AsFloat()), 0.0);
  }

  void exitStartMayRewriteTheTextAndSkipChecks() {
    ControlsEnv env;
    Trio t;
    t.edit->SetBoundsEnabled(true);
    t.edit->SetBoundUpper(10);
    t.edit->OnExitStart = [](QObject*, std::u16string& text, bool& furtherChecking) {
      text = u"77";
      furtherChecking = false;
    };
    QVERIFY(t.form.ShowWith(t.edit));
    QTest::keyClicks(t.edit, "3");
    QTest::keyClick(t.edit, Qt::Key_Tab);
    Settle();
    QCOMPARE(t.edit->text(), QString("77.0000"));
    QVERIFY(env.Messages.isEmpty());
  }

  void blankIsNullOnExit() {
    ControlsEnv env;
    Trio t;
    t.edit->SetBlankIsNull(true);
    t.edit->SetBlankWhenNull(true);
    QVERIFY(t.form.ShowWith(t.edit));
    t.edit->selectAll();
    QTest::keyClick(t.edit, Qt::Key_Delete);
    QVERIFY(!t.edit->Null());  // typing never makes the value null; leaving with an empty text does
    QTest::keyClick(t.edit, Qt::Key_Tab);
    QVERIFY(t.edit->Null());
    QCOMPARE(t.edit->text(), QString());
  }

  // Two invalid edits: the first one's report and focus return never start a report of the second.
  void twoInvalidEditsNeverBounce() {
    ControlsEnv env;
    Form form;
    auto* a = form.Add<TQNTFloatEdit>();
    auto* b = form.Add<TQNTFloatEdit>();
    for (auto* e : {a, b}) {
      e->SetBoundsEnabled(true);
      e->SetBoundUpper(10);
    }
    b->SetAsFloat(99);
    QVERIFY(form.ShowWith(a));
    QTest::keyClicks(a, "50");
    QTest::keyClick(a, Qt::Key_Tab);
    for (int i = 0; i < 5; ++i) Settle();
    QCOMPARE(env.Messages.size(), 1);
    QVERIFY(env.Messages[0].startsWith("Введенное вами значение выше приемлемого предела 10.0000"));
    QCOMPARE(QApplication::focusWidget(), a);
  }

  void focusAndHoverColours() {
    ControlsEnv env;
    Trio t;
    auto* set = t.edit->ColorSet();
    set->SetShowFocus(true);
    set->SetFocusColor(clYellow);
    set->SetHotTracking(true);
    set->SetHotColor(clAqua);
    QVERIFY(t.form.ShowWith(t.before));
    QCOMPARE(t.edit->ColorState().Color, clWindow);
    QTest::keyClick(t.before, Qt::Key_Tab);
    QCOMPARE(t.edit->ColorState().Color, clYellow);
    QCOMPARE(t.edit->palette().color(QPalette::Base), QColor(255, 255, 0));
    QTest::keyClick(t.edit, Qt::Key_Tab);
    QCOMPARE(t.edit->ColorState().Color, clWindow);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(t.edit, &enter);
    QCOMPARE(t.edit->ColorState().Color, clAqua);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(t.edit, &leave);
    QCOMPARE(t.edit->ColorState().Color, clWindow);
    t.edit->setEnabled(false);
    QCOMPARE(t.edit->ColorState().Color, clBtnFace);
  }

  void specialColoursByEvent() {
    ControlsEnv env;
    TQNTFloatEdit edit;
    bool special = false;
    edit.OnSpecialColor = [&](QObject*, bool& use) { use = special; };
    edit.ColorSet()->SetRWSpecialColor(clYellow);
    edit.ColorSet()->SetSpecialColorType(escEvent);
    QCOMPARE(edit.ColorState().Color, clWindow);
    special = true;
    edit.UpdateColorSet();
    QCOMPARE(edit.ColorState().Color, clYellow);
  }

  void autoSelectOnTabAndOnFirstClick() {
    ControlsEnv env;
    Trio t;
    t.edit->SetAsFloat(12);
    t.after->SetText("abc");
    t.after->SetAutoSelectClick(true);
    QVERIFY(t.form.ShowWith(t.before));
    QTest::keyClick(t.before, Qt::Key_Tab);
    QCOMPARE(t.edit->SelText(), QString("12.0000"));
    QTest::mouseClick(t.after, Qt::LeftButton, Qt::NoModifier, QPoint(5, t.after->height() / 2));
    QCOMPARE(t.after->SelText(), QString("abc"));
    QTest::mouseClick(t.after, Qt::LeftButton, Qt::NoModifier, QPoint(5, t.after->height() / 2));
    QCOMPARE(t.after->SelText(), QString());  // only the first click after the focus arrived
  }

  void cnKeyDownSeesTabFirst() {
    ControlsEnv env;
    Trio t;
    std::uint16_t seen = 0;
    t.edit->OnCNKeyDown = [&](QObject*, std::uint16_t& key, TShiftState) {
      seen = key;
      key = 0;  // and keeps the focus
    };
    QVERIFY(t.form.ShowWith(t.edit));
    QTest::keyClick(t.edit, Qt::Key_Tab);
    QCOMPARE(seen, std::uint16_t(0x09));
    QCOMPARE(QApplication::focusWidget(), t.edit);
  }
};

QTEST_MAIN(EditBaseTest)
#include "EditBaseTest.moc"
