// The calculator component and the free dialog routine, each running a real modal window driven by
// keys: what goes into the engine (the full 80-bit value), what comes back on Exit, Cancel and the close
// box, the events that replace the window, placement, the engine handed out for windowless use, the
// settings in a real settings store, the carried-over defaults (also through the kit's default store
// with its path placeholders and buffered files), and the glyph shared with calculator edits.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "CalcUiTestSupport.h"
#include "calc/QNTKITCalcEdit.h"
#include "calc/QNTKITCalcGlyphs.h"
#include "calc/QNTKITCalculator.h"
#include "controls/QNTKITUICtrl.h"
#include "store/QNTKITIniFile.h"
#include "store/QNTKITStoreCtrl.h"

using namespace qnt;
using test::CalcEnv;
using test::ModalScript;
using test::SameBits;
using test::Type;

namespace {

QString ReadText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void WriteText(const QString& path, const QString& text) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(text.toUtf8());
}

/// A temporary folder that is also the user's configuration folder (where the registry file lives).
class Folder {
 public:
  Folder() : fOldConfig(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", Path("config").toLocal8Bit());
  }
  ~Folder() { qputenv("XDG_CONFIG_HOME", fOldConfig); }
  QString Path(const QString& name) const { return fDir.path() + u'/' + name; }
  /// The folder as the store's path expansion reaches it: "%TEMPDIR%\<folder name>".
  std::u16string Placeholder() const {
    return u"%TEMPDIR%\\" + QFileInfo(fDir.path()).fileName().toStdU16String();
  }

 private:
  QTemporaryDir fDir;
  QByteArray fOldConfig;
};

}  // namespace

class CalculatorTest : public QObject {
  Q_OBJECT

 private slots:
  // ---- Execute

  void exitReturnsTheFullValue() {
    CalcEnv env;
    TQNTCalculator calc;
    calc.SetValue(1.0L / 3.0L);
    ModalScript script([](TQNTCalcForm& form) { form.ExitBtnClick(); });
    QVERIFY(calc.Execute());
    QVERIFY(script.Ran());
    QVERIFY(SameBits(calc.Value(), 1.0L / 3.0L));
    QCOMPARE(calc.ValueDisp(), QString("0.3333"));
  }

  void exitTakesTheWindowsSettingsBack() {
    CalcEnv env;
    TQNTCalculator calc;
    calc.SetValue(2);
    ModalScript script([](TQNTCalcForm& form) {
      Type(form.CalcPanel, "*21=");
      QTest::keyClick(form.CalcPanel, Qt::Key_5);
      form.ClickButton(form.MemoryAddBtn);
      form.ClickButton(form.RadBtn);
      form.DPSpin->StepDown();
      QTest::keyClick(form.CalcPanel, Qt::Key_F10);
    });
    QVERIFY(calc.Execute());
    QVERIFY(!script.LeftOpen());
    QCOMPARE(calc.Value(), 5.0L);
    QCOMPARE(calc.Memory(), 5.0L);
    QVERIFY(!calc.Radians());
    QCOMPARE(calc.DecimalPlaces(), 3);
    QCOMPARE(calc.ValueDisp(), QString("5.000"));
    QCOMPARE(CalcMemoryDefault, 5.0L);  // set by the window as it went
  }

  void cancelChangesNothingButTheLastError() {
    CalcEnv env;
    TQNTCalculator calc;
    calc.SetValue(7);
    calc.SetMemory(1);
    calc.SetDecimalPlaces(6);
    calc.SetTrimTrailingZeroes(true);
    ModalScript script([](TQNTCalcForm& form) {
      Type(form.CalcPanel, "3");
      form.ClickButton(form.MemoryAddBtn);
      form.ClickButton(form.RadBtn);
      form.CalcEngine()->SetTrimTrailingZeroes(false);
      form.DPSpin->StepUp();
      Type(form.CalcPanel, "/0=\x1b");
    });
    QVERIFY(!calc.Execute());
    QCOMPARE(calc.Value(), 7.0L);
    QCOMPARE(calc.Memory(), 1.0L);
    QVERIFY(calc.Radians());
    QCOMPARE(calc.DecimalPlaces(), 6);
    QVERIFY(calc.TrimTrailingZeroes());
    QCOMPARE(calc.LastError(), QString("Деление на ноль"));
    QCOMPARE(CalcMemoryDefault, 1.0L);  // a cancelled window hands nothing on
  }

  void closeBoxTransfersTheResult() {
    CalcEnv env;
    TQNTCalculator calc;
    ModalScript script([](TQNTCalcForm& form) {
      Type(form.CalcPanel, "3+4=");
      form.close();
    });
    QVERIFY(calc.Execute());
    QCOMPARE(calc.Value(), 7.0L);
    QCOMPARE(calc.LastError(), QString());
  }

  void windowIsConfiguredFromTheProperties() {
    CalcEnv env;
    TQNTCalculator calc;
    calc.SetValue(1234.5L);
    calc.SetMemory(2);
    calc.SetDecimalPlaces(2);
    calc.SetShowThousandsSeparators(false);
    calc.SetRadians(false);
    calc.SetSmallCalc(true);
    calc.SetFlat(true);
    calc.SetTitle("Sum");
    calc.SetExitHint("Take it");
    calc.SetReadOnlyDecimalPlaces(true);
    calc.SetDispFont("DejaVu Sans");
    calc.SetPrecedence(false);
    calc.SetStayOnTop(true);
    QPixmap close(48, 16);
    close.fill(Qt::red);
    calc.SetCloseGlyph(close);
    bool checked = false;
    ModalScript script([&](TQNTCalcForm& form) {
      QCOMPARE(form.ValueDisplay->text(), QString("1234.50"));
      QCOMPARE(form.MemoryDisplay->text(), QString("2.00"));
      QCOMPARE(form.RadBtn->text(), QString("гра"));
      QCOMPARE(form.DPSpin->Value(), 2u);
      QVERIFY(form.DPSpin->ReadOnly());
      QVERIFY(form.HideFnBtns());
      QVERIFY(form.CalcFlat());
      QCOMPARE(form.windowTitle(), QString("Sum"));
      QCOMPARE(form.ExitBtn->toolTip(), QString("Take it"));
      QCOMPARE(form.ValueDisplay->font().family(), QString("DejaVu Sans"));
      QCOMPARE(form.ExitBtn->iconSize(), QSize(16, 16));  // three images of a strip of 48 x 16
      QVERIFY(!form.CalcEngine()->GetPrecedence());
      QVERIFY(form.IsStayOnTop());
      QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
      checked = true;
      form.CancelBtnClick();
    });
    calc.Execute();
    QVERIFY(checked);
  }

  void onExecuteReplacesTheWindow() {
    CalcEnv env;
    TQNTCalculator calc;
    calc.SetValue(3);
    int calls = 0;
    calc.OnExecute = [&](QObject* sender, bool& result) {
      QCOMPARE(sender, &calc);
      ++calls;
      result = true;
    };
    calc.OnStartCalculator = [](QObject*, TQNTCalcForm&) { QFAIL("no window expected"); };
    QVERIFY(calc.Execute());
    QCOMPARE(calls, 1);
    QCOMPARE(calc.Value(), 3.0L);
    calc.OnExecutePos = [&](QObject*, int left, int top, bool& result) {
      QCOMPARE(left, 10);
      QCOMPARE(top, 20);
      result = false;
    };
    QVERIFY(!calc.ExecutePos(10, 20));
  }

  void executePosPlacesTheWindowOnce() {
    CalcEnv env;
    TQNTCalculator calc;
    QPoint placed;
    calc.OnStartCalculator = [&](QObject*, TQNTCalcForm& form) {
      QCOMPARE(form.Position(), poDesigned);
      placed = form.pos();
    };
    ModalScript first([](TQNTCalcForm& form) { form.CancelBtnClick(); });
    calc.ExecutePos(40, 30);
    QCOMPARE(placed, QPoint(40, 30));
    calc.OnStartCalculator = [&](QObject*, TQNTCalcForm& form) { QCOMPARE(form.Position(), poScreenCenter); };
    ModalScript second([](TQNTCalcForm& form) { form.CancelBtnClick(); });
    calc.Execute();
    QVERIFY(second.Ran());
  }

  void onStartCalculatorMayChangeTheWindow() {
    CalcEnv env;
    TQNTCalculator calc;
    calc.OnStartCalculator = [](QObject*, TQNTCalcForm& form) { form.CalcEngine()->SetDecimalPlaces(1); };
    ModalScript script([](TQNTCalcForm& form) {
      QCOMPARE(form.DPSpin->Value(), 1u);
      form.ExitBtnClick();
    });
    QVERIFY(calc.Execute());
    QCOMPARE(calc.DecimalPlaces(), 1);
  }

  void spinEditTakesThePreferencesOrTheColourSet() {
    CalcEnv env;
    TQNTCalculator calc;
    calc.ColorSet()->SetBorderColor(clRed);
    ModalScript own([](TQNTCalcForm& form) {
      QCOMPARE(form.DPSpin->ColorSet()->BorderColor(), clRed);
      form.CancelBtnClick();
    });
    calc.Execute();
    TQNTUICtrl ui;
    calc.SetUICtrl(&ui);
    ModalScript shared([&](TQNTCalcForm& form) {
      QCOMPARE(form.DPSpin->UICtrl(), &ui);
      form.CancelBtnClick();
    });
    calc.Execute();
    QVERIFY(shared.Ran());
  }

  // ---- The engine for windowless use

  void calcEngineIsOneEngineResetToValue() {
    CalcEnv env;
    TQNTCalculator calc;
    calc.SetValue(12);
    calc.SetMemory(3);
    calc.SetRadians(false);
    calc.SetDecimalPlaces(1);
    const auto engine = calc.CalcEngine();
    QCOMPARE(engine->GetDisplayValue(), 12.0L);
    QCOMPARE(engine->GetMemoryValue(), 3.0L);
    QCOMPARE(engine->GetAngleMode(), amDegrees);
    QCOMPARE(engine->GetDecimalPlaces(), 1);
    engine->DoMultiply();
    engine->InputDigit(2);
    engine->DoEquals();
    QCOMPARE(engine->GetDisplayValue(), 24.0L);
    const auto again = calc.CalcEngine();
    QCOMPARE(again.get(), engine.get());
    QCOMPARE(again->GetDisplayValue(), 12.0L);
  }

  void memoryPropertyFeedsTheNextDialog() {
    CalcEnv env;
    TQNTCalculator calc;
    calc.SetMemory(8.5L);
    QCOMPARE(CalcMemoryDefault, 8.5L);
  }

  // ---- Settings in a store

  void saveAndLoadRoundTrip() {
    CalcEnv env;
    Folder folder;
    TQNTStoreCtrl store;
    store.SetRegIniType(eriIniFile);
    store.SetIniFile(folder.Path("calc.ini"));
    store.SetIniSection("Other");
    TQNTCalculator calc;
    calc.SetStoreCtrl(&store);
    calc.SetStoreSection("Calc");
    calc.SetRadians(false);
    calc.SetDecimalPlaces(7);
    calc.SetMemory(0.125L);
    calc.SetDispFont("DejaVu Sans");
    calc.SetTrimTrailingZeroes(true);
    calc.SetShowThousandsSeparators(false);
    calc.SetLakhFormatting(true);
    calc.SetPrefixFunctions(true);
    calc.SetPrecedence(false);
    calc.SetPosition(poDesktopCenter);
    calc.SetStayOnTop(true);
    calc.SetOperatorSameLine(true);
    calc.SetBinaryPercent(false);
    calc.SaveToStore();
    QCOMPARE(store.IniSection(), QString("Other"));  // the store's section is given back
    QCOMPARE(ReadText(folder.Path("calc.ini")),
             QString("[Calc]\nRadians=0\nDecimal Places=7\nUse Memory=1\nMemory=0.125\nDispFont=DejaVu Sans\n"
                     "Trim Trailing Zeroes=1\nShow Thousands Separators=0\nLakh Formatting=1\n"
                     "Prefix Functions=1\nPrecedence=0\nPosition=5\nStay On Top=1\nOperator Same Line=1\n"
                     "Binary Percent=0\n"));

    TQNTCalculator other;
    other.SetStoreCtrl(&store);
    other.SetStoreSection("Calc");
    other.LoadFromStore();
    QVERIFY(!other.Radians());
    QCOMPARE(other.DecimalPlaces(), 7);
    QCOMPARE(other.Memory(), 0.125L);
    QCOMPARE(other.DispFont(), QString("DejaVu Sans"));
    QVERIFY(other.TrimTrailingZeroes());
    QVERIFY(!other.ShowThousandsSeparators());
    QVERIFY(other.LakhFormatting());
    QVERIFY(other.PrefixFunctions());
    QVERIFY(!other.Precedence());
    QCOMPARE(other.Position(), poDesktopCenter);
    QVERIFY(other.StayOnTop());
    QVERIFY(other.OperatorSameLine());
    QVERIFY(!other.BinaryPercent());
    QCOMPARE(store.IniSection(), QString("Other"));
  }

  void loadLimitsNumbersToTheirRange_data() {
    QTest::addColumn<QString>("decimals");
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("expectedDecimals");
    QTest::addColumn<int>("expectedPosition");
    QTest::addRow("in_range") << "9"
                              << "6" << 9 << 6;
    QTest::addRow("too_many_decimals") << "40"
                                       << "4" << 18 << 4;
    QTest::addRow("low_byte_would_be_small") << "258"
                                             << "260" << 18 << int(kLastPosition);
    QTest::addRow("negative") << "-3"
                              << "-1" << 0 << 0;
    QTest::addRow("not_numbers_keep_the_defaults") << "many"
                                                   << "left" << 4 << int(poScreenCenter);
  }
  void loadLimitsNumbersToTheirRange() {
    QFETCH(QString, decimals);
    QFETCH(QString, position);
    QFETCH(int, expectedDecimals);
    QFETCH(int, expectedPosition);
    CalcEnv env;
    Folder folder;
    WriteText(folder.Path("calc.ini"),
              "[Defaults]\nDecimal Places=" + decimals + "\nPosition=" + position + "\n");
    TQNTStoreCtrl store;
    store.SetRegIniType(eriIniFile);
    store.SetIniFile(folder.Path("calc.ini"));
    TQNTCalculator calc;
    calc.SetStoreCtrl(&store);
    calc.LoadFromStore();
    QCOMPARE(int(calc.DecimalPlaces()), expectedDecimals);
    QCOMPARE(int(calc.Position()), expectedPosition);
  }

  void loadWithoutMemoryAtStartClearsTheMemory() {
    CalcEnv env;
    Folder folder;
    WriteText(folder.Path("calc.ini"), "[Defaults]\nUse Memory=0\nMemory=99\n");
    TQNTStoreCtrl store;
    store.SetRegIniType(eriIniFile);
    store.SetIniFile(folder.Path("calc.ini"));
    TQNTCalculator calc;
    calc.SetStoreCtrl(&store);
    calc.SetMemory(5);
    calc.LoadFromStore();
    QVERIFY(!calc.LoadMemoryAtStart());
    QCOMPARE(calc.Memory(), 0.0L);
    QCOMPARE(CalcMemoryDefault, 5.0L);  // the store's memory goes to the component only
  }

  void storeOfKindNeitherIsNotTouched() {
    CalcEnv env;
    Folder folder;
    TQNTStoreCtrl store;
    store.SetRegIniType(eriNeither);
    store.SetIniFile(folder.Path("calc.ini"));
    TQNTCalculator calc;
    calc.SetStoreCtrl(&store);
    QCOMPARE(calc.RegIni(), eriNeither);
    calc.SetDecimalPlaces(9);
    calc.SaveToStore();
    calc.LoadFromStore();
    QVERIFY(!QFile::exists(folder.Path("calc.ini")));
    QCOMPARE(calc.DecimalPlaces(), 9);
    calc.SetRegIni(eriIniFile);
    QCOMPARE(store.RegIniType(), eriIniFile);
  }

  void storeGoingAwayIsForgotten() {
    CalcEnv env;
    TQNTCalculator calc;
    {
      TQNTStoreCtrl store;
      calc.SetStoreCtrl(&store);
      QCOMPARE(calc.StoreCtrl(), &store);
    }
    QCOMPARE(calc.StoreCtrl(), nullptr);
    QCOMPARE(calc.RegIni(), eriNeither);
    calc.LoadFromStore();  // nothing to read from, nothing to crash on
  }

  // ---- The free dialog routine

  void dialogKeepsAllBitsOfTheValue() {
    CalcEnv env;
    Extended value = 1.0L / 3.0L;
    ModalScript script([](TQNTCalcForm& form) {
      QCOMPARE(form.ValueDisplay->text(), QString("0.33333333"));
      QTest::keyClick(form.CalcPanel, Qt::Key_F10);
    });
    QVERIFY(ShowCalculatorDialog("Calculator", value, 8, false));
    QVERIFY(SameBits(value, 1.0L / 3.0L));
  }

  void dialogCancelLeavesTheValue() {
    CalcEnv env;
    Extended value = 5;
    ModalScript script([](TQNTCalcForm& form) { Type(form.CalcPanel, "9*9\x1b"); });
    QVERIFY(!ShowCalculatorDialog("Calculator", value, 4, false));
    QCOMPARE(value, 5.0L);
  }

  void dialogCarriesMemoryAndAngleAlsoAfterCancel() {
    CalcEnv env;
    Extended value = 0;
    ModalScript first([](TQNTCalcForm& form) {
      Type(form.CalcPanel, "5");
      form.ClickButton(form.MemoryAddBtn);
      form.ClickButton(form.RadBtn);
      form.CancelBtnClick();
    });
    ShowCalculatorDialog("Calculator", value, 4, false);
    QCOMPARE(CalcMemoryDefault, 5.0L);
    QVERIFY(!CalcRadiansDefault);
    ModalScript second([](TQNTCalcForm& form) {
      QCOMPARE(form.CalcEngine()->GetMemoryValue(), 5.0L);
      QCOMPARE(form.MemoryDisplay->text(), QString("5.0000"));
      QCOMPARE(form.RadBtn->text(), QString("гра"));
      form.CancelBtnClick();
    });
    ShowCalculatorDialog("Calculator", value, 4, false);
    QVERIFY(second.Ran());
  }

  void dialogPlacementCaptionAndFont() {
    CalcEnv env;
    Extended value = 0;
    ModalScript placed([](TQNTCalcForm& form) {
      QCOMPARE(form.pos(), QPoint(33, 44));
      QCOMPARE(form.windowTitle(), QString("Sum"));
      QCOMPARE(form.SevenBtn->font().family(), QString("DejaVu Sans"));
      QVERIFY(form.CalcFlat());
      form.CancelBtnClick();
    });
    ShowCalculatorDialog("Sum", value, 33, 44, "DejaVu Sans", 4, true);
    QVERIFY(placed.Ran());
    QCOMPARE(CalcFontName, QString("Arial"));  // the font was for that call only
    ModalScript centred([](TQNTCalcForm& form) {
      QCOMPARE(form.Position(), poScreenCenter);
      const QRect area = form.screen()->availableGeometry();
      QVERIFY(qAbs(form.geometry().center().x() - area.center().x()) <= 2);
      form.CancelBtnClick();
    });
    ShowCalculatorDialog("Calculator", value, 4, false);
    QVERIFY(centred.Ran());
  }

  // ---- Carried-over defaults in the kit's default store

  void defaultsGoThroughThePathExpansion_data() {
    QTest::addColumn<int>("kind");
    QTest::addRow("direct") << int(eriIniFile);
    QTest::addRow("buffered") << int(eriBufferedIniFile);
  }
  void defaultsGoThroughThePathExpansion() {
    QFETCH(int, kind);
    CalcEnv env;
    Folder folder;
    DefaultRegIniType = TQNTRegIniType(kind);
    DefaultIniFile = folder.Placeholder() + u"\\qntkit.ini";
    DefaultIniSection = u"Calc";
    Extended value = 0;
    ModalScript script([](TQNTCalcForm& form) {
      Type(form.CalcPanel, "1/3=");
      form.ClickButton(form.MemoryAddBtn);
      form.ClickButton(form.RadBtn);
      form.CancelBtnClick();
    });
    ShowCalculatorDialog("Calculator", value, 4, false);
    const QString text = ReadText(folder.Path("qntkit.ini"));
    QVERIFY2(text.startsWith("[Calc]\nRadians=0\nMemory=0.333333333333333333"), qPrintable(text));
    QVERIFY(text.endsWith("DispFont=Arial\n"));

    // A new run of the program starts from the file, with the memory's every bit.
    CalcMemoryDefault = 0;
    CalcRadiansDefault = true;
    LoadCalculatorDefaults();
    QVERIFY(SameBits(CalcMemoryDefault, 1.0L / 3.0L));
    QVERIFY(!CalcRadiansDefault);
  }

  void defaultsInTheRegistryFile() {
    CalcEnv env;
    Folder folder;
    DefaultRegIniType = eriRegistry;
    DefaultRegPath = u"\\Software\\Kestrand";
    DefaultRegSection = u"Defaults";
    CalcMemoryDefault = 2.5L;
    CalcFontName = "DejaVu Sans";
    SaveCalculatorDefaults();
    QCOMPARE(ReadText(folder.Path("config/Software/Kestrand.ini")),
             QString("[Defaults]\nRadians=1\nMemory=2.5\nDispFont=DejaVu Sans\n"));
    CalcMemoryDefault = 0;
    CalcFontName = "Arial";
    LoadCalculatorDefaults();
    QCOMPARE(CalcMemoryDefault, 2.5L);
    QCOMPARE(CalcFontName, QString("DejaVu Sans"));
  }

  void storedFontReachesTheStoreButNoWindow() {
    CalcEnv env;
    Folder folder;
    DefaultRegIniType = eriIniFile;
    DefaultIniFile = folder.Path("qntkit.ini").toStdU16String();
    WriteText(folder.Path("qntkit.ini"), "[Defaults]\nDispFont=DejaVu Sans\n");
    Extended value = 0;
    ModalScript script([](TQNTCalcForm& form) {
      QCOMPARE(form.SevenBtn->font().family(), QString("Arial"));
      form.CancelBtnClick();
    });
    ShowCalculatorDialog("Calculator", value, 4, false);
    QVERIFY(script.Ran());
    QCOMPARE(CalcFontName, QString("Arial"));
    QVERIFY(ReadText(folder.Path("qntkit.ini")).contains("DispFont=DejaVu Sans"));
  }

  void noDefaultsStoreWritesNothing() {
    CalcEnv env;
    Folder folder;
    DefaultRegIniType = eriNeither;
    DefaultIniFile = folder.Path("qntkit.ini").toStdU16String();
    Extended value = 0;
    ModalScript script([](TQNTCalcForm& form) { form.CancelBtnClick(); });
    ShowCalculatorDialog("Calculator", value, 4, false);
    QVERIFY(!QFile::exists(folder.Path("qntkit.ini")));
  }

  void storeErrorReachesTheCallerAfterTheWindowWent() {
    CalcEnv env;
    Folder folder;
    WriteText(folder.Path("blocker"), "a file where a folder should be");
    DefaultRegIniType = eriIniFile;
    DefaultIniFile = folder.Path("blocker/qntkit.ini").toStdU16String();
    Extended value = 4;
    ModalScript script([](TQNTCalcForm& form) {
      Type(form.CalcPanel, "*2=");
      form.ExitBtnClick();
    });
    bool raised = false;
    try {
      ShowCalculatorDialog("Calculator", value, 4, false);
    } catch (const EQNTStoreError&) {
      raised = true;
    }
    QVERIFY(raised);
    QCOMPARE(value, 8.0L);  // the result was taken before the defaults were saved
    for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(qobject_cast<TQNTCalcForm*>(w) == nullptr);
    QCOMPARE(CalcFontName, QString("Arial"));
  }

  // ---- The glyph shared with calculator edits

  void glyphReachesAttachedEdits() {
    CalcEnv env;
    TQNTCalculator calc;
    TQNTCalcEdit a, b;
    a.SetCalculatorControl(&calc);
    b.SetCalculatorControl(&calc);
    QCOMPARE(calc.GlyphNotifyList(), (QList<TQNTCustomBtnPanel*>{&a, &b}));
    QCOMPARE(a.CalcBtn()->iconSize(), QSize(16, 16));  // the built-in picture while the component has none
    QPixmap strip(60, 20);
    strip.fill(Qt::green);
    calc.SetCalcEditGlyph(strip);
    QVERIFY(calc.UseGlyph());
    QCOMPARE(a.CalcBtn()->iconSize(), QSize(20, 20));
    QCOMPARE(b.CalcBtn()->iconSize(), QSize(20, 20));
    b.SetCalculatorControl(nullptr);
    QCOMPARE(calc.GlyphNotifyList(), (QList<TQNTCustomBtnPanel*>{&a}));
    QCOMPARE(b.CalcBtn()->iconSize(), QSize(16, 16));
  }

  void componentGoingAwayLeavesTheEditsWhole() {
    CalcEnv env;
    TQNTCalcEdit edit;
    edit.SetCalcGlyphType(ecgCalc2);
    {
      TQNTCalculator calc;
      QPixmap strip(20, 20);
      strip.fill(Qt::green);
      calc.SetCalcEditGlyph(strip);
      edit.SetCalculatorControl(&calc);
      QCOMPARE(edit.CalcBtn()->iconSize(), QSize(20, 20));
    }
    QCOMPARE(edit.CalculatorControl(), nullptr);
    QCOMPARE(edit.CalcBtn()->iconSize(), QSize(11, 16));
    edit.RedrawGlyph();
  }

  void editGoingAwayLeavesTheList() {
    CalcEnv env;
    TQNTCalculator calc;
    {
      TQNTCalcEdit edit;
      edit.SetCalculatorControl(&calc);
    }
    QVERIFY(calc.GlyphNotifyList().isEmpty());
    calc.SetCalcEditGlyph(QPixmap(16, 16));  // nobody left to tell
  }
};

QTEST_MAIN(CalculatorTest)
#include "CalculatorTest.moc"
