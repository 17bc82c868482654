// qnt-kit-gallery: every numeric entry control of the kit in each of its states (normal, focused,
// read-only, disabled, negative, null, grouped, lakh, brackets, flat styles, spin edits, shared
// preferences, calculator edits), side by side with what to set to get it, and a button that opens the
// calculator dialog. Host developers start here.
//
//   qnt-kit-gallery                    shows the window
//   qnt-kit-gallery --screenshot FILE  renders the window to a PNG and exits (works on Qt's
//                                      offscreen platform: QT_QPA_PLATFORM=offscreen)
//   qnt-kit-gallery --screenshot-calculator FILE [--small]
//                                      renders the open calculator window (full or small layout)
//                                      to a PNG and exits
#include <QApplication>
#include <QCommandLineParser>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <functional>

#include "calc/QNTKITCalcEdit.h"
#include "calc/QNTKITCalculator.h"
#include "controls/QNTKITErrorDisplay.h"
#include "controls/QNTKITNumEdits.h"
#include "controls/QNTKITPanels.h"
#include "controls/QNTKITUICtrl.h"
#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITNumText.h"

using namespace qnt;

namespace {

// A group of (caption, control, how) rows.
class Section {
 public:
  Section(const QString& title, QBoxLayout* column)
      : fBox(new QGroupBox(title)), fGrid(new QGridLayout(fBox)) {
    fGrid->setColumnMinimumWidth(1, 190);
    fGrid->setHorizontalSpacing(10);
    column->addWidget(fBox);
  }
  template <class W>
  W* Row(const QString& caption, const QString& how, const std::function<void(W&)>& setup = {}) {
    auto* control = new W(fBox);
    if (setup) setup(*control);
    Place(caption, control, how);
    return control;
  }
  void Place(const QString& caption, QWidget* control, const QString& how) {
    const int row = fGrid->rowCount();
    fGrid->addWidget(new QLabel(caption, fBox), row, 0);
    fGrid->addWidget(control, row, 1);
    auto* note = new QLabel(how, fBox);
    note->setStyleSheet("color: #555;");
    fGrid->addWidget(note, row, 2);
  }
  QWidget* Box() const { return fBox; }

 private:
  QGroupBox* fBox;
  QGridLayout* fGrid;
};

void Flat(TQNTCustomStartEdit& e) {
  e.ColorSet()->SetFlat(true);
  e.ColorSet()->SetBorderColor(clHighlight);
}

/// Opens the calculator window (a component's Execute), renders it to a PNG once it is shown, and
/// closes it. Returns the process status.
int ScreenshotCalculator(const QString& file, bool small) {
  TQNTCalculator calculator;
  calculator.SetValue(1234.5678L);
  calculator.SetMemory(42);
  calculator.SetSmallCalc(small);
  int status = 1;
  calculator.OnStartCalculator = [&](QObject*, TQNTCalcForm& form) {
    QPointer<TQNTCalcForm> target(&form);
    QTimer::singleShot(200, &form, [&status, target, file] {
      if (!target) return;
      QApplication::processEvents();
      if (target->grab().save(file, "PNG"))
        status = 0;
      else
        std::fprintf(stderr, "qnt-kit-gallery: cannot write the screenshot to %s\n", qPrintable(file));
      target->CancelBtnClick();
    });
  };
  calculator.Execute();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("qnt-kit-gallery");
  QApplication::setApplicationDisplayName("QNT kit gallery");

  QCommandLineParser parser;
  parser.setApplicationDescription("Every numeric entry control of the QNT kit in each of its states.");
  parser.addHelpOption();
  QCommandLineOption screenshot("screenshot", "Render the window to the PNG file FILE and exit.", "FILE");
  parser.addOption(screenshot);
  QCommandLineOption screenshotCalculator(
      "screenshot-calculator", "Render the open calculator window to the PNG file FILE and exit.", "FILE");
  parser.addOption(screenshotCalculator);
  QCommandLineOption small("small", "With --screenshot-calculator: the small layout without function keys.");
  parser.addOption(small);
  parser.process(app);

  // A Qt host fills the kit's separators from the user's locale at start-up.
  const QLocale locale = QLocale::system();
  if (!locale.decimalPoint().isEmpty())
    FormatSettings.DecimalSeparator = locale.decimalPoint().at(0).unicode();
  if (!locale.groupSeparator().isEmpty())
    FormatSettings.ThousandSeparator = locale.groupSeparator().at(0).unicode();
  if (FormatSettings.ThousandSeparator == FormatSettings.DecimalSeparator)
    FormatSettings.ThousandSeparator = u' ';

  if (parser.isSet(screenshotCalculator))
    return ScreenshotCalculator(parser.value(screenshotCalculator), parser.isSet(small));

  QWidget window;
  window.setWindowTitle("QNT kit gallery");
  auto* columns = new QHBoxLayout(&window);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);

  // --- Float edit states -------------------------------------------------------------------
  Section states("TQNTFloatEdit: states", left);
  states.Row<TQNTFloatEdit>("Normal", "AsFloat 1234.5678", [](auto& e) { e.SetAsFloat(1234.5678L); });
  auto* focused =
      states.Row<TQNTFloatEdit>("Focused", "ColorSet.ShowFocus, FocusColor $0080FFFF", [](auto& e) {
        e.ColorSet()->SetShowFocus(true);
        e.SetAsFloat(42);
      });
  states.Row<TQNTFloatEdit>("Read-only", "ReadOnly (ROColor $00FFFFF0)", [](auto& e) {
    e.SetAsFloat(3.14159265L);
    e.SetReadOnly(true);
  });
  states.Row<TQNTFloatEdit>("Disabled", "Enabled off (DisabledColor)", [](auto& e) {
    e.SetAsFloat(7);
    e.setEnabled(false);
  });
  states.Row<TQNTFloatEdit>("Negative", "ColorSet.NumDiff: NumNegFontColor", [](auto& e) {
    e.ColorSet()->SetNumDiff(true);
    e.SetAsFloat(-273.15L);
  });
  states.Row<TQNTFloatEdit>("Positive", "ColorSet.NumDiff: NumPosFontColor", [](auto& e) {
    e.ColorSet()->SetNumDiff(true);
    e.SetAsFloat(273.15L);
  });
  states.Row<TQNTFloatEdit>("Null", "Null (Ctrl+N), NullStr", [](auto& e) { e.SetNull(true); });
  states.Row<TQNTFloatEdit>("Blank when null", "BlankWhenNull", [](auto& e) {
    e.SetBlankWhenNull(true);
    e.SetNull(true);
  });
  states.Row<TQNTFloatEdit>("Special colour", "SpecialColorType escEvent", [](auto& e) {
    e.ColorSet()->SetRWSpecialColor(RGBColor(0xE0, 0xF0, 0xFF));
    e.OnSpecialColor = [](QObject*, bool& use) { use = true; };
    e.ColorSet()->SetSpecialColorType(escEvent);
    e.SetAsFloat(1);
  });

  // --- Formats ------------------------------------------------------------------------------
  Section formats("TQNTFloatEdit: formats", left);
  formats.Row<TQNTFloatEdit>("Grouped", "ThousandSeparators essExit", [](auto& e) {
    e.SetThousandSeparators(essExit);
    e.SetDecimalPlaces(2);
    e.SetAsFloat(1234567.891L);
  });
  formats.Row<TQNTFloatEdit>("Grouped live", "essAuto: regrouped while typing", [](auto& e) {
    e.SetThousandSeparators(essAuto);
    e.SetDecimalPlaces(2);
    e.SetAsFloat(98765.4L);
  });
  formats.Row<TQNTFloatEdit>("Lakh", "LakhFormatting", [](auto& e) {
    e.SetThousandSeparators(essExit);
    e.SetLakhFormatting(true);
    e.SetDecimalPlaces(2);
    e.SetAsFloat(1234567.891L);
  });
  formats.Row<TQNTFloatEdit>("Brackets", "NegAsBrackets", [](auto& e) {
    e.SetThousandSeparators(essExit);
    e.SetNegAsBrackets(true);
    e.SetDecimalPlaces(2);
    e.SetAsFloat(-1234.5L);
  });
  formats.Row<TQNTFloatEdit>("Zero padded", "ZeroPad, MaxLength 8, ShowPosSign", [](auto& e) {
    e.SetZeroPad(true);
    e.SetMaxLength(8);
    e.SetShowPosSign(true);
    e.SetDecimalPlaces(2);
    e.SetAsFloat(1.5L);
  });
  formats.Row<TQNTFloatEdit>("Comparison", "ShowComparisonType, ecGreaterEq", [](auto& e) {
    e.SetShowComparisonType(true);
    e.SetComparisonType(ecGreaterEq);
    e.SetAsFloat(5);
  });
  formats.Row<TQNTFloatEdit>("Full accuracy", "FullAccuracy: AsFloat keeps 1/3", [](auto& e) {
    e.SetDecimalPlaces(8);
    e.SetFullAccuracy(true);
    e.SetAsFloat(1.0L / 3.0L);
  });
  formats.Row<TQNTFloatEdit>("Custom separators", "CustomDecimal ',', CustomThousands '.'", [](auto& e) {
    e.SetCustomSeparators(true);
    e.SetCustomDecimal(u',');
    e.SetCustomThousands(u'.');
    e.SetThousandSeparators(essExit);
    e.SetDecimalPlaces(2);
    e.SetAsFloat(1234.5L);
  });
  formats.Row<TQNTFloatEdit>("Scaled", "Scale 0.01: shows AsFloat 2 as 200", [](auto& e) {
    e.SetScale(0.01L);
    e.SetAsFloat(2);
  });

  // --- Borders ------------------------------------------------------------------------------
  Section borders("Borders", right);
  borders.Row<TQNTFloatEdit>("3-D", "ColorSet.Flat off", [](auto& e) { e.SetAsFloat(10); });
  borders.Row<TQNTFloatEdit>("Flat", "Flat, BorderColor clHighlight", [](auto& e) {
    Flat(e);
    e.SetAsFloat(20);
  });
  borders.Row<TQNTFloatEdit>("Flat, 2 pixels", "BorderSize 2", [](auto& e) {
    Flat(e);
    e.ColorSet()->SetBorderSize(2);
    e.SetAsFloat(30);
  });
  borders.Row<TQNTFloatEdit>("Line", "LineEdit: bottom line only", [](auto& e) {
    e.ColorSet()->SetLineEdit(true);
    e.ColorSet()->SetBorderColor(clHighlight);
    e.SetAsFloat(40);
  });
  borders.Row<TQNTFloatEdit>("Flat, read-only", "Flat, ReadOnly", [](auto& e) {
    Flat(e);
    e.SetAsFloat(50);
    e.SetReadOnly(true);
  });

  // --- Integers and spin edits ----------------------------------------------------------------
  Section integers("TQNTPosEdit and TQNTPosSpinEdit", right);
  integers.Row<TQNTPosEdit>("Integer", "ThousandSeparators essExit", [](auto& e) {
    e.SetThousandSeparators(essExit);
    e.SetAsInt64(1234567);
  });
  integers.Row<TQNTPosEdit>("Integer, lakh", "LakhFormatting", [](auto& e) {
    e.SetThousandSeparators(essExit);
    e.SetLakhFormatting(true);
    e.SetAsInt64(1234567);
  });
  integers.Row<TQNTPosEdit>("Zero padded", "ZeroPad, MaxLength 6", [](auto& e) {
    e.SetZeroPad(true);
    e.SetMaxLength(6);
    e.SetAsInt64(42);
  });
  integers.Row<TQNTPosSpinEdit>("Spin edit", "Max 18, Value 8 (Up/Down, PgUp/PgDn)", [](auto& s) {
    s.SetMax(18);
    s.SetValue(8);
  });
  integers.Row<TQNTPosSpinEdit>("Spin, flat", "ColorSet.Flat, FlatBtns", [](auto& s) {
    s.ColorSet()->SetFlat(true);
    s.ColorSet()->SetBorderColor(clHighlight);
    s.SetValue(25);
  });
  integers.Row<TQNTPosSpinEdit>("Spin, 3-D buttons", "ColorSet.FlatBtns off, Wrap", [](auto& s) {
    s.ColorSet()->SetFlatBtns(false);
    s.SetWrap(true);
    s.SetValue(99);
  });
  integers.Row<TQNTPosSpinEdit>("Spin, read-only", "ReadOnly: buttons and keys do nothing", [](auto& s) {
    s.SetValue(3);
    s.SetReadOnly(true);
  });
  integers.Row<TQNTPosSpinEdit>("Spin, disabled", "Enabled off", [](auto& s) {
    s.SetValue(4);
    s.SetEnabled(false);
  });
  integers.Row<TQNTPosSpinEdit>("Spin, null", "Null", [](auto& s) { s.SetNull(true); });

  // --- Shared preferences ------------------------------------------------------------------
  Section shared("TQNTUICtrl: one set of preferences for several controls", right);
  auto* ui = new TQNTUICtrl(&window);
  ui->ColorSet()->SetFlat(true);
  ui->ColorSet()->SetBorderColor(RGBColor(0x2E, 0x7D, 0x32));
  ui->ColorSet()->SetRWColor(RGBColor(0xF1, 0xF8, 0xE9));
  ui->ColorSet()->SetNumDiff(true);
  ui->SetNegAsBrackets(true);
  ui->SetNullStr(u"(none)");
  shared.Row<TQNTFloatEdit>("Attached", "UICtrl: colour set, brackets", [ui](auto& e) {
    e.SetUICtrl(ui);
    e.SetAsFloat(-12.5L);
  });
  shared.Row<TQNTFloatEdit>("Attached, null", "UICtrl: NullStr \"(none)\"", [ui](auto& e) {
    e.SetUICtrl(ui);
    e.SetNull(true);
  });
  shared.Row<TQNTPosSpinEdit>("Attached spin", "UICtrl on the spin edit", [ui](auto& s) {
    s.SetUICtrl(ui);
    s.SetValue(12);
  });

  // --- Calculator ------------------------------------------------------------------------------
  Section calc("TQNTCalcEdit and the calculator", right);
  calc.Row<TQNTCalcEdit>("Calculator edit", "Button or Alt+Down drops the calculator down", [](auto& c) {
    c.SetDecimalPlaces(4);
    c.SetAsFloat(12.5L);
  });
  calc.Row<TQNTCalcEdit>("As the value field", "8 decimals, FullAccuracy, ecgCalc2, essExit, flat",
                         [](auto& c) {
                           c.SetDecimalPlaces(8);
                           c.SetFullAccuracy(true);
                           c.SetCalcGlyphType(ecgCalc2);
                           c.SetThousandSeparators(essExit);
                           c.ColorSet()->SetFlat(true);
                           c.ColorSet()->SetBorderColor(clHighlight);
                           c.ColorSet()->SetFocusColor(clAqua);
                           c.SetAsFloat(1);
                         });
  calc.Row<TQNTCalcEdit>("Expressions", "AllowExpressions: type 2*pi, sqrt 2, 1e-3", [](auto& c) {
    c.SetAllowExpressions(true);
    c.SetCalcGlyphType(ecgCalc1);
    c.SetDecimalPlaces(6);
    c.SetAsFloat(0);
  });
  auto* dialogResult = new QLabel("1234.5678");
  auto* openDialog = new QPushButton("Calculator...");
  QObject::connect(openDialog, &QPushButton::clicked, openDialog, [openDialog, dialogResult] {
    Guarded(openDialog, [&] {
      Extended value = TextToFloatOrZero(dialogResult->text().toStdU16String());
      if (ShowCalculatorDialog("Calculator", value, 4, false))
        dialogResult->setText(QString::fromStdU16String(FloatToFixedText(value, 4)));
    });
  });
  auto* dialogRow = new QWidget;
  auto* dialogLayout = new QHBoxLayout(dialogRow);
  dialogLayout->setContentsMargins(0, 0, 0, 0);
  dialogLayout->addWidget(openDialog);
  dialogLayout->addWidget(dialogResult);
  calc.Place("Dialog", dialogRow, "ShowCalculatorDialog: the result appears beside it");

  right->addStretch();
  left->addStretch();

  window.show();
  window.activateWindow();
  QApplication::processEvents();
  focused->setFocus(Qt::OtherFocusReason);

  if (!parser.isSet(screenshot)) return QApplication::exec();

  const QString file = parser.value(screenshot);
  int status = 0;
  QTimer::singleShot(200, &app, [&] {
    focused->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    if (!window.grab().save(file, "PNG")) {
      std::fprintf(stderr, "qnt-kit-gallery: cannot write the screenshot to %s\n", qPrintable(file));
      status = 1;
    }
    QApplication::quit();
  });
  QApplication::exec();
  return status;
}
