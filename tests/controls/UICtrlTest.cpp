// The interface-preferences component: its defaults, the preference-resolution rule as attached
// edits see it (navigation, blank and null, brackets, colour set), the notification list and its
// broadcasts, and what happens when either side goes away.
#include <QPushButton>
#include <QTest>
#include <memory>

#include "ControlsTestSupport.h"
#include "controls/QNTKITNumEdits.h"
#include "controls/QNTKITPanels.h"
#include "controls/QNTKITUICtrl.h"

using namespace qnt;
using test::ControlsEnv;
using test::Form;

namespace {

/// A float edit that counts how often it is asked to show its value again (the second pass that
/// a new text makes through the text setter is part of the same redisplay).
class CountingEdit : public TQNTFloatEdit {
 public:
  using TQNTFloatEdit::TQNTFloatEdit;
  int displays = 0;

 protected:
  void RefreshDisplay() override {
    if (fDepth == 0) ++displays;
    ++fDepth;
    TQNTFloatEdit::RefreshDisplay();
    --fDepth;
  }

 private:
  int fDepth = 0;
};

}  // namespace

class UICtrlTest : public QObject {
  Q_OBJECT

 private slots:
  void newComponentDefaults() {
    ControlsEnv env;
    TQNTUICtrl ui;
    QCOMPARE(QString::fromStdU16String(ui.StoreSection()), QString("Defaults"));
    QCOMPARE(QString::fromStdU16String(ui.NullStr()), QString("<пусто>"));
    QCOMPARE(ui.StoreOptions(), kAllUIUsage);
    QVERIFY(ui.EnterAsTab() && ui.ESCAsUndo() && ui.ArrowsAsTab() && ui.NoTabStopOnReadOnly() &&
            ui.AllowKbdNull());
    QVERIFY(!ui.UseTypesInBlanks() && !ui.BlankWhenNull() && !ui.BlankWhenZero() && !ui.BlankIsNull());
    QVERIFY(!ui.DateBlankWhenNull() && !ui.DateBlankWhenZero() && !ui.DateBlankIsNull());
    QVERIFY(!ui.CurrBlankWhenNull() && !ui.CurrBlankWhenZero() && !ui.CurrBlankIsNull() &&
            !ui.NegAsBrackets());
    QVERIFY(ui.HasColorSet());
    QVERIFY(ui.ColorSet()->Set_Defaults());
    QCOMPARE(ui.Version(), QString("6.3.1"));
  }

  // Re-displaying preferences make every listed edit show its value once per real change; the
  // others only store.
  void redisplayOnRealChangesOnly() {
    ControlsEnv env;
    TQNTUICtrl ui;
    CountingEdit a, b;
    a.SetUICtrl(&ui);
    b.SetUICtrl(&ui);
    a.displays = b.displays = 0;
    ui.SetBlankWhenZero(false);
    QCOMPARE(a.displays, 0);
    ui.SetBlankWhenZero(true);
    QCOMPARE(a.displays, 1);
    QCOMPARE(b.displays, 1);
    ui.SetNullStr(u"n/a");
    ui.SetNegAsBrackets(true);
    ui.SetCurrBlankWhenZero(true);
    QCOMPARE(a.displays, 4);
    ui.SetBlankIsNull(true);
    ui.SetEnterAsTab(false);
    ui.SetStoreSection(u"Other");
    ui.SetAllowKbdNull(false);
    QCOMPARE(a.displays, 4);
  }

  void notifyListTakesKitControlsOnly() {
    ControlsEnv env;
    TQNTUICtrl ui;
    QObject component;
    QPushButton button;
    TQNTFloatEdit edit;
    TQNTPosSpinEdit spin;
    ui.AddToNotifyList(&component);
    ui.AddToNotifyList(&button);
    ui.AddToNotifyList(nullptr);
    QVERIFY(ui.NotifyList().isEmpty());
    ui.AddToNotifyList(&edit);
    ui.AddToNotifyList(&spin);
    ui.AddToNotifyList(&edit);
    QCOMPARE(ui.NotifyList(), (QList<QObject*>{&edit, &spin, &edit}));
    ui.RemoveFromNotifyList(&edit);
    QCOMPARE(ui.NotifyList(), (QList<QObject*>{&spin, &edit}));
  }

  void attachingJoinsAndDetachingLeaves() {
    ControlsEnv env;
    TQNTUICtrl ui, other;
    TQNTFloatEdit edit;
    edit.SetUICtrl(&ui);
    QCOMPARE(ui.NotifyList(), QList<QObject*>{&edit});
    edit.SetUICtrl(&other);
    QVERIFY(ui.NotifyList().isEmpty());
    QCOMPARE(other.NotifyList(), QList<QObject*>{&edit});
    {
      TQNTFloatEdit temporary;
      temporary.SetUICtrl(&other);
    }
    QCOMPARE(other.NotifyList(), QList<QObject*>{&edit});  // a destroyed edit left the list
  }

  // Enter: the component decides while navigation is in the edit's UIUsage, the kit global otherwise.
  void navigationResolution_data() {
    QTest::addColumn<bool>("componentEnterAsTab");
    QTest::addColumn<bool>("navigationUsed");
    QTest::addColumn<bool>("movesOn");
    QTest::addRow("component_says_stay") << false << true << false;
    QTest::addRow("component_not_used_global_moves") << false << false << true;
    QTest::addRow("component_says_move") << true << true << true;
  }
  void navigationResolution() {
    QFETCH(bool, componentEnterAsTab);
    QFETCH(bool, navigationUsed);
    QFETCH(bool, movesOn);
    ControlsEnv env;
    TQNTUICtrl ui;
    ui.SetEnterAsTab(componentEnterAsTab);
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    auto* next = form.Add<TQNTFloatEdit>();
    edit->SetUICtrl(&ui);
    TQNTUIUsageTypes usage = kAllUIUsage;
    if (!navigationUsed) usage.Exclude(eutNavigation);
    edit->SetUIUsage(usage);
    QVERIFY(form.ShowWith(edit));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), movesOn ? static_cast<QWidget*>(next) : edit);
  }

  void blankAndNullResolution() {
    ControlsEnv env;
    TQNTUICtrl ui;
    TQNTFloatEdit edit, own;
    edit.SetUICtrl(&ui);
    ui.SetNullStr(u"n/a");
    edit.SetNull(true);
    QCOMPARE(edit.text(), QString("n/a"));
    ui.SetBlankWhenNull(true);
    QCOMPARE(edit.text(), QString());
    edit.SetAsFloat(0);
    ui.SetBlankWhenZero(true);
    QCOMPARE(edit.text(), QString());
    // Typed blanks: an edit of every kind reads the general options; currency options do not apply.
    ui.SetUseTypesInBlanks(true);
    ui.SetBlankWhenZero(false);
    ui.SetCurrBlankWhenZero(true);
    QCOMPARE(edit.text(), QString("0.0000"));
    // Without the group, the edit's own properties decide.
    TQNTUIUsageTypes usage = kAllUIUsage;
    edit.SetUIUsage(usage.Exclude(eutBlank_Null));
    edit.SetNull(true);
    QCOMPARE(edit.text(), QString("<пусто>"));
    own.SetUICtrl(&ui);
    ui.SetAllowKbdNull(false);
    QVERIFY(!own.AllowKbdNull());
  }

  void bracketsResolution() {
    ControlsEnv env;
    TQNTUICtrl ui;
    TQNTFloatEdit edit;
    TQNTPosFloatEdit positive;
    edit.SetUICtrl(&ui);
    positive.SetUICtrl(&ui);
    edit.SetAsFloat(-5);
    positive.SetAsFloat(-5);
    ui.SetNegAsBrackets(true);
    QCOMPARE(edit.text(), QString("(5.0000)"));
    QCOMPARE(positive.text(), QString("-5.0000"));  // only the signed edit shows brackets
    TQNTUIUsageTypes usage = kAllUIUsage;
    edit.SetUIUsage(usage.Exclude(eutFormat));
    QCOMPARE(edit.text(), QString("-5.0000"));
  }

  void colourSetResolutionAndBroadcast() {
    ControlsEnv env;
    TQNTUICtrl ui;
    int setChanges = 0;
    ui.OnColorSetChange = [&](QObject* sender) {
      QCOMPARE(sender, static_cast<QObject*>(&ui));
      ++setChanges;
    };
    TQNTFloatEdit shared, own;
    shared.SetUICtrl(&ui);
    own.SetUICtrl(&ui);
    TQNTUIUsageTypes usage = kAllUIUsage;
    own.SetUIUsage(usage.Exclude(eutColorSet));
    ui.ColorSet()->SetRWColor(clYellow);
    QCOMPARE(setChanges, 1);
    QCOMPARE(shared.ColorState().Color, clYellow);
    QCOMPARE(own.ColorState().Color, clWindow);
    QCOMPARE(shared.EffectiveColorSet(), static_cast<TQNTEditColorSet*>(ui.ColorSet()));
    ui.ColorSet()->SetFlat(true);
    QVERIFY(!shared.hasFrame());
    QVERIFY(own.hasFrame());
  }

  void specialColoursAskTheComponent() {
    ControlsEnv env;
    TQNTUICtrl ui;
    ui.ColorSet()->SetSpecialColorType(escEvent);
    ui.ColorSet()->SetRWSpecialColor(clLime);
    bool askedEdit = false;
    ui.OnSpecialColor = [](QObject*, bool& use) { use = true; };
    TQNTFloatEdit edit;
    edit.OnSpecialColor = [&](QObject*, bool&) { askedEdit = true; };
    edit.SetUICtrl(&ui);
    QCOMPARE(edit.ColorState().Color, clLime);
    QVERIFY(!askedEdit);
  }

  void readOnlyTabStopFollowsTheComponent() {
    ControlsEnv env;
    TQNTUICtrl ui;
    ui.SetNoTabStopOnReadOnly(false);
    TQNTFloatEdit edit;
    edit.SetReadOnly(true);
    QVERIFY(!edit.TabStop());  // the kit global while unattached
    edit.SetUICtrl(&ui);
    QVERIFY(edit.TabStop());
  }

  void componentGoingAwayLeavesOwnSettings() {
    ControlsEnv env;
    auto ui = std::make_unique<TQNTUICtrl>();
    ui->ColorSet()->SetRWColor(clYellow);
    ui->SetNullStr(u"n/a");
    TQNTFloatEdit edit;
    TQNTPosSpinEdit spin;
    edit.SetUICtrl(ui.get());
    spin.SetUICtrl(ui.get());
    edit.SetNull(true);
    QCOMPARE(edit.text(), QString("n/a"));
    ui.reset();
    QCOMPARE(edit.UICtrl(), nullptr);
    QCOMPARE(spin.UICtrl(), nullptr);
    QCOMPARE(spin.ValueEdit()->UICtrl(), nullptr);
    QCOMPARE(edit.ColorState().Color, clWindow);
    QCOMPARE(edit.text(), QString("<пусто>"));
  }
};

QTEST_MAIN(UICtrlTest)
#include "UICtrlTest.moc"
