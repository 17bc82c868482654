// The numeric edits, driven by real keys: accepted characters, sign toggling, decimal separators,
// forced decimals, thousand separators on exit and live (caret kept), lakh groups, zero padding,
// comparison prefixes, brackets, scale, full accuracy, custom separators and bounds messages.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <functional>

#include "ControlsTestSupport.h"
#include "controls/QNTKITNumEdits.h"
#include "kit/QNTKITNumText.h"

using namespace qnt;
using test::ControlsEnv;
using test::Form;
using test::Settle;

namespace {

enum EditKind { kPos, kPosFloat, kFloat };

// A fresh edit of a kind, configured, focused (text selected), then typed into.
struct TypingCase {
  const char* name;
  EditKind kind;
  std::function<void(TQNTBaseNumericEdit&)> setup;
  const char* keys;
  const char* shown;  // the text after typing, before the edit is left
};

TQNTPosFloatEdit& F(TQNTBaseNumericEdit& e) { return static_cast<TQNTPosFloatEdit&>(e); }

const TypingCase kTypingCases[] = {
    {"integer_takes_digits_only", kPos, {}, "1a2.3-4", "1234"},
    {"integer_takes_thousand_separators", kPos, {}, "1,234", "1,234"},
    {"integer_without_separator_input", kPos, [](auto& e) { e.SetAllowThouSepInput(false); }, "1,234",
     "1234"},
    {"positive_float_refuses_minus", kPosFloat, {}, "12-5", "125"},
    {"float_types_minus_into_empty_text", kFloat, {}, "-5", "-5"},
    {"float_without_negative_input", kFloat,
     [](auto& e) {
       F(e).SetDecimalPlaces(4);
       static_cast<TQNTFloatEdit&>(e).SetAllowNegInput(false);
     },
     "-5", "5"},
    {"second_decimal_separator_refused", kFloat, {}, "1.2.3", "1.23"},
    {"no_decimal_separator_input", kFloat, [](auto& e) { F(e).SetAllowDecSepInput(false); }, "1.5", "15"},
    {"letters_refused", kFloat, {}, "1x2e3", "123"},
    {"comparison_only_when_shown", kFloat, {}, ">=5", "5"},
    {"comparison_characters", kFloat, [](auto& e) { F(e).SetShowComparisonType(true); }, ">=5", ">=5"},
    {"brackets_only_with_NegAsBrackets", kFloat, {}, "(5", "5"},
    {"brackets_typed", kFloat, [](auto& e) { static_cast<TQNTFloatEdit&>(e).SetNegAsBrackets(true); }, "(5",
     "(5"},
    {"plus_on_empty_text_discarded", kFloat, {}, "+5", "5"},
    {"plus_on_empty_text_with_ShowPosSign", kFloat, [](auto& e) { e.SetShowPosSign(true); }, "+5", "+5"},
    {"minus_toggles_the_value", kFloat, {}, "12.5-", "-12.5000"},
    {"second_minus_keeps_it_negative", kFloat, {}, "12.5--", "-12.5000"},
    {"plus_makes_it_positive", kFloat, {}, "12.5-+", "12.5000"},
    {"typed_signs_without_toggling", kFloat, [](auto& e) { e.SetUseSignToggling(false); }, "5-", "5-"},
    {"forced_decimals_stop_at_the_caret_end", kFloat,
     [](auto& e) {
       F(e).SetForceDecimals(true);
       F(e).SetDecimalPlaces(2);
     },
     "1.234", "1.23"},
};

// A value shown in a format.
struct DisplayCase {
  const char* name;
  EditKind kind;
  std::function<void(TQNTBaseNumericEdit&)> setup;
  long double value;
  const char* shown;
};

const DisplayCase kDisplayCases[] = {
    {"new_float_edit", kFloat, {}, 0, "0.0000"},
    {"new_integer_edit", kPos, {}, 0, "0"},
    {"grouped_on_exit", kFloat, [](auto& e) { e.SetThousandSeparators(essExit); }, 1234567.5L,
     "1,234,567.5000"},
    {"lakh_float", kFloat,
     [](auto& e) {
       e.SetThousandSeparators(essExit);
       e.SetLakhFormatting(true);
     },
     1234567, "12,34,567.0000"},
    {"lakh_integer", kPos,
     [](auto& e) {
       e.SetThousandSeparators(essExit);
       e.SetLakhFormatting(true);
     },
     1234567, "12,34,567"},
    {"negative_grouped_sign_outside", kFloat,
     [](auto& e) {
       e.SetThousandSeparators(essExit);
       F(e).SetDecimalPlaces(2);
     },
     -1234.5L, "-1,234.50"},
    {"negative_in_brackets", kFloat,
     [](auto& e) {
       e.SetThousandSeparators(essExit);
       F(e).SetDecimalPlaces(2);
       static_cast<TQNTFloatEdit&>(e).SetNegAsBrackets(true);
     },
     -1234.5L, "(1,234.50)"},
    {"integer_zero_padded", kPos,
     [](auto& e) {
       e.SetZeroPad(true);
       static_cast<TQNTBaseEdit&>(e).SetMaxLength(6);
     },
     42, "000042"},
    {"negative_integer_zero_padded", kPos,
     [](auto& e) {
       e.SetZeroPad(true);
       static_cast<TQNTBaseEdit&>(e).SetMaxLength(6);
     },
     -42, "-00042"},
    {"negative_float_zero_padded", kFloat,
     [](auto& e) {
       e.SetZeroPad(true);
       static_cast<TQNTBaseEdit&>(e).SetMaxLength(8);
       F(e).SetDecimalPlaces(2);
     },
     -1.5L, "-0001.50"},
    {"positive_sign_zero_padded", kFloat,
     [](auto& e) {
       e.SetZeroPad(true);
       e.SetShowPosSign(true);
       static_cast<TQNTBaseEdit&>(e).SetMaxLength(8);
       F(e).SetDecimalPlaces(2);
     },
     1.5L, "+0001.50"},
    {"positive_sign", kFloat,
     [](auto& e) {
       e.SetShowPosSign(true);
       F(e).SetDecimalPlaces(2);
     },
     1.5L, "+1.50"},
    {"comparison_prefix", kFloat,
     [](auto& e) {
       F(e).SetShowComparisonType(true);
       F(e).SetComparisonType(ecLessEq);
     },
     5, "<= 5.0000"},
    {"trimmed_zeroes", kFloat, [](auto& e) { F(e).SetTrimTrailingZeroes(true); }, 2.5L, "2.5"},
    {"blank_when_zero", kFloat, [](auto& e) { e.SetBlankWhenZero(true); }, 0, ""},
    {"scaled_value_shown", kFloat, [](auto& e) { F(e).SetScale(0.01L); }, 2, "200.0000"},
    {"custom_separators", kFloat,
     [](auto& e) {
       e.SetCustomSeparators(true);
       e.SetCustomDecimal(u',');
       e.SetCustomThousands(u'.');
       e.SetThousandSeparators(essExit);
       F(e).SetDecimalPlaces(2);
     },
     1234.5L, "1.234,50"},
    {"huge_value_scientific", kFloat, [](auto& e) { F(e).SetDecimalPlaces(2); }, 1e25L,
     "1.00000000000000000E+25"},
};

std::unique_ptr<TQNTBaseNumericEdit> Make(EditKind kind, QWidget* parent) {
  switch (kind) {
    case kPos: return std::make_unique<TQNTPosEdit>(parent);
    case kPosFloat: return std::make_unique<TQNTPosFloatEdit>(parent);
    case kFloat: return std::make_unique<TQNTFloatEdit>(parent);
  }
  return {};
}

}  // namespace

class NumericEditTest : public QObject {
  Q_OBJECT

 private slots:
  void typing_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kTypingCases)); ++i) QTest::addRow("%s", kTypingCases[i].name) << i;
  }
  void typing() {
    QFETCH(int, row);
    const TypingCase& c = kTypingCases[row];
    ControlsEnv env;
    Form form;
    auto edit = Make(c.kind, &form);
    form.layout()->addWidget(edit.get());
    if (c.setup) c.setup(*edit);
    QVERIFY(form.ShowWith(edit.get()));
    edit->selectAll();
    QTest::keyClick(edit.get(), Qt::Key_Backspace);
    QTest::keyClicks(edit.get(), c.keys);
    QCOMPARE(edit->text(), QString(c.shown));
  }

  void display_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kDisplayCases)); ++i) QTest::addRow("%s", kDisplayCases[i].name) << i;
  }
  void display() {
    QFETCH(int, row);
    const DisplayCase& c = kDisplayCases[row];
    ControlsEnv env;
    auto edit = Make(c.kind, nullptr);
    if (c.setup) c.setup(*edit);
    edit->SetAsFloat(c.value);
    QCOMPARE(edit->text(), QString(c.shown));
    QCOMPARE(FormatSettings.DecimalSeparator, u'.');  // custom separators are put back
  }

  // Forced decimals: the digit that would exceed DecimalPlaces is refused wherever the caret stands
  // after the separator; a selection that the digit replaces counts as removed.
  void forcedDecimals_data() {
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("shown");
    QTest::addRow("caret_at_end") << 4 << 0 << "1.23";
    QTest::addRow("caret_right_after_separator") << 2 << 0 << "1.23";
    QTest::addRow("caret_before_separator") << 1 << 0 << "19.23";
    QTest::addRow("selection_replaced") << 2 << 2 << "1.9";
    QTest::addRow("one_of_two_replaced") << 3 << 1 << "1.29";
  }
  void forcedDecimals() {
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, shown);
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    edit->SetForceDecimals(true);
    edit->SetDecimalPlaces(2);
    QVERIFY(form.ShowWith(edit));
    edit->SetText("1.23");
    edit->setSelection(selStart, selLength);
    if (selLength == 0) edit->setCursorPosition(selStart);
    QTest::keyClick(edit, Qt::Key_9);
    QCOMPARE(edit->text(), shown);
  }

  void groupingOnExitNotWhileTyping() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    form.Add<TQNTFloatEdit>();
    edit->SetDecimalPlaces(8);
    edit->SetThousandSeparators(essExit);
    QVERIFY(form.ShowWith(edit));
    QTest::keyClicks(edit, "1234567");
    QCOMPARE(edit->text(), QString("1234567"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), QString("1,234,567.00000000"));
  }

  // Live grouping keeps the caret right after the digit just typed.
  void liveGrouping_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("lakh");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("caretAfter");
    QTest::addRow("seventh_digit") << "" << 0 << "1234567" << false << "1,234,567" << 9;
    QTest::addRow("digit_in_the_middle") << "1,234,567" << 3 << "9" << false << "12,934,567" << 4;
    QTest::addRow("fraction_untouched") << "" << 0 << "12345.6789" << false << "12,345.6789" << 11;
    QTest::addRow("lakh_groups") << "" << 0 << "1234567" << true << "12,34,567" << 9;
    QTest::addRow("backspace_regroups") << "1,234" << 5 << "\b" << false << "123" << 3;
  }
  void liveGrouping() {
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(QString, keys);
    QFETCH(bool, lakh);
    QFETCH(QString, shown);
    QFETCH(int, caretAfter);
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    edit->SetThousandSeparators(essAuto);
    edit->SetLakhFormatting(lakh);
    QVERIFY(form.ShowWith(edit));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    if (!start.isEmpty()) {
      QTest::keyClicks(edit, start);
      edit->setCursorPosition(caret);
    }
    for (QChar k : keys) {
      if (k == u'\b')
        QTest::keyClick(edit, Qt::Key_Backspace);
      else
        QTest::keyClick(edit, k.toLatin1());
    }
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->cursorPosition(), caretAfter);
  }

  void comparisonPrefixIsReadOnExit() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    form.Add<TQNTFloatEdit>();
    edit->SetShowComparisonType(true);
    QVERIFY(form.ShowWith(edit));
    QTest::keyClicks(edit, ">=5");
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->ComparisonType(), ecGreaterEq);
    QCOMPARE(double(edit->AsFloat()), 5.0);
    QCOMPARE(edit->text(), QString(">= 5.0000"));
  }

  void typedTextIsScaled() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    form.Add<TQNTFloatEdit>();
    edit->SetScale(0.01L);
    QVERIFY(form.ShowWith(edit));
    QTest::keyClicks(edit, "5");
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->AsFloat(), 5 * 0.01L);
    QCOMPARE(double(edit->AsScaledFloat()), 5.0);
    edit->SetScale(0);
    QCOMPARE(double(edit->Scale()), 1.0);
    edit->SetScale(-4);
    QCOMPARE(double(edit->Scale()), 4.0);
  }

  // A value set by code keeps all 64 bits while the field shows 8 decimals.
  void fullAccuracyKeepsTheValueSetByCode() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    auto* other = form.Add<TQNTFloatEdit>();
    edit->SetDecimalPlaces(8);
    edit->SetFullAccuracy(true);
    const Extended third = 1.0L / 3.0L;
    edit->SetAsFloat(third);
    QCOMPARE(edit->text(), QString("0.33333333"));
    QVERIFY(edit->AsFloat() == third);
    QVERIFY(form.ShowWith(edit));
    QTest::keyClick(edit, Qt::Key_Tab);  // leaving unchanged keeps it
    QVERIFY(edit->AsFloat() == third);
    other->setFocus();
    edit->setFocus();
    QTest::keyClicks(edit, "0.5");
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(edit->AsFloat() == 0.5L);
    edit->SetFullAccuracy(false);
    edit->SetAsFloat(third);
    QCOMPARE(edit->AsFloat(), 0.33333333L);  // without it, the value is what the text shows
  }

  // A conversion handler reads the shown (scaled) value; an unchanged text keeps the full value.
  void fullAccuracyWithAHandlerAndAScale() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    form.Add<TQNTFloatEdit>();
    edit->SetScale(0.01L);
    edit->SetFullAccuracy(true);
    edit->OnConvert = [](QObject*, const std::u16string& text, Extended& value) {
      value = TextToFloatOrZero(text);
    };
    const Extended value = 1.0L / 3.0L;
    edit->SetAsFloat(value);
    QCOMPARE(edit->text(), QString("33.3333"));
    QVERIFY(form.ShowWith(edit));
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(edit->AsFloat() == value);
  }

  void fullAccuracyEditShowsAllDigitsWhileFocused() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    auto* readOnly = form.Add<TQNTFloatEdit>();
    form.Add<TQNTFloatEdit>();
    for (auto* e : {edit, readOnly}) {
      e->SetDecimalPlaces(8);
      e->SetFullAccuracy(true);
      e->SetFullAccuracyEdit(true);
      e->SetAsFloat(1.0L / 3.0L);
    }
    readOnly->SetReadOnly(true);
    QVERIFY(form.ShowWith(edit));
    QCOMPARE(edit->text(), QString("0.333333333333333333"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), QString("0.33333333"));
    QVERIFY(edit->AsFloat() == 1.0L / 3.0L);
    readOnly->setFocus();
    QCOMPARE(readOnly->text(), QString("0.33333333"));  // a read-only edit never enters editing mode
  }

  void customSeparatorsAreTypedAndRead() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    form.Add<TQNTFloatEdit>();
    edit->SetCustomSeparators(true);
    edit->SetCustomDecimal(u',');
    edit->SetCustomThousands(u' ');
    edit->SetThousandSeparators(essExit);
    QVERIFY(form.ShowWith(edit));
    QTest::keyClicks(edit, "1234,5.");  // "." is neither of the edit's separators
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->AsFloat(), 1234.5L);
    QCOMPARE(edit->text(), QString("1 234,5000"));
    QCOMPARE(FormatSettings.DecimalSeparator, u'.');
    QCOMPARE(FormatSettings.ThousandSeparator, u',');
  }

  void equalCustomSeparatorsAreRefused() {
    ControlsEnv env;
    TQNTFloatEdit edit;
    edit.SetCustomDecimal(u',');
    edit.SetCustomThousands(u'.');
    edit.SetCustomThousands(u',');
    QCOMPARE(edit.CustomThousands(), u'.');
  }

  void keypadDecimalTypesTheSeparator() {
    ControlsEnv env;
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u' ';
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    edit->SetNumPadDecimal(true);
    QVERIFY(form.ShowWith(edit));
    QTest::keyClick(edit, Qt::Key_1);
    QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(edit, Qt::Key_5);
    QCOMPARE(edit->text(), QString("1,5"));
    edit->SetNumPadDecimal(false);
    QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(edit->text(), QString("1,5"));
  }

  void autoAdvanceAfterTheLastDecimal() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    auto* next = form.Add<TQNTFloatEdit>();
    edit->SetDecimalPlaces(2);
    edit->SetAutoAdvDecimals(true);
    QVERIFY(edit->AutoAdvance());
    QVERIFY(form.ShowWith(edit));
    QTest::keyClicks(edit, "1.2");
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "3");
    QCOMPARE(QApplication::focusWidget(), next);
  }

  void signChangesRecolour() {
    ControlsEnv env;
    TQNTFloatEdit edit;
    edit.ColorSet()->SetNumDiff(true);
    int signChanges = 0;
    edit.OnSignChange = [&](QObject*) { ++signChanges; };
    edit.SetAsFloat(-2);
    QCOMPARE(edit.Sign(), -1);
    QCOMPARE(edit.ColorState().FontColor, clRed);
    edit.SetAsFloat(-3);
    edit.SetAsFloat(4);
    QCOMPARE(edit.ColorState().FontColor, clNavy);
    QCOMPARE(signChanges, 2);
  }

  // The bound that was violated, in the edit's format, and the focus back on the edit.
  void boundsMessages_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("customComma");
    QTest::addColumn<QString>("message");
    QTest::addRow("integer_below") << int(kPos) << "3" << false
                                   << "Введенное вами значение ниже приемлемого предела 5";
    QTest::addRow("integer_above") << int(kPos) << "12" << false
                                   << "Введенное вами значение выше приемлемого предела 10";
    QTest::addRow("integer_beyond_64_bits") << int(kPos) << "99999999999999999999" << false
                                            << "Введенное вами значение выше приемлемого предела 10";
    QTest::addRow("float_above") << int(kFloat) << "10.5" << false
                                 << "Введенное вами значение выше приемлемого предела 10.00";
    QTest::addRow("float_below_custom_separator")
        << int(kFloat) << "4,5" << true << "Введенное вами значение ниже приемлемого предела 5,00";
    QTest::addRow("within") << int(kFloat) << "7" << false << "";
  }
  void boundsMessages() {
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(bool, customComma);
    QFETCH(QString, message);
    ControlsEnv env;
    Form form;
    auto edit = Make(EditKind(kind), &form);
    form.layout()->addWidget(edit.get());
    form.Add<TQNTFloatEdit>();
    edit->SetBoundsEnabled(true);
    if (auto* pos = dynamic_cast<TQNTPosEdit*>(edit.get())) {
      pos->SetBoundLower(5);
      pos->SetBoundUpper(10);
    } else {
      auto& f = F(*edit);
      f.SetBoundLower(5);
      f.SetBoundUpper(10);
      f.SetDecimalPlaces(2);
    }
    if (customComma) {
      edit->SetCustomSeparators(true);
      edit->SetCustomDecimal(u',');
      edit->SetCustomThousands(u'.');
    }
    QVERIFY(form.ShowWith(edit.get()));
    QTest::keyClicks(edit.get(), typed);
    QTest::keyClick(edit.get(), Qt::Key_Tab);
    Settle();
    if (message.isEmpty()) {
      QVERIFY(env.Messages.isEmpty());
      QVERIFY(QApplication::focusWidget() != edit.get());
    } else {
      QCOMPARE(env.Messages, QStringList{message});
      QCOMPARE(QApplication::focusWidget(), edit.get());
    }
  }

  void boundsHandlerReplacesTheMessage() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTFloatEdit>();
    form.Add<TQNTFloatEdit>();
    edit->SetBoundsEnabled(true);
    edit->SetBoundUpper(1);
    QString text;
    TQNTBoundsValidationtype type = evtNone;
    edit->OnBoundsError = [&](QObject*, const std::u16string& value, TQNTBoundsValidationtype t) {
      text = QString::fromStdU16String(value);
      type = t;
    };
    QVERIFY(form.ShowWith(edit));
    QTest::keyClicks(edit, "2");
    QTest::keyClick(edit, Qt::Key_Tab);
    Settle();
    QVERIFY(env.Messages.isEmpty());
    QCOMPARE(type, evtAboveUpper);
    QCOMPARE(text, QString("2.0000"));
    QCOMPARE(QApplication::focusWidget(), edit);
  }

  void pastedLettersInAnIntegerEditAreReported() {
    ControlsEnv env;
    Form form;
    auto* edit = form.Add<TQNTPosEdit>();
    form.Add<TQNTPosEdit>();
    edit->SetAsInt64(17);
    QVERIFY(form.ShowWith(edit));
    edit->selectAll();
    QGuiApplication::clipboard()->setText("12ab");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Tab);
    Settle();
    QCOMPARE(env.Messages, QStringList{"'12ab' is not a valid integer value."});
    QCOMPARE(edit->AsInt64(), 17);
  }
};

QTEST_MAIN(NumericEditTest)
#include "NumericEditTest.moc"
