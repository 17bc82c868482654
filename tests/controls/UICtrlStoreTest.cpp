// The preferences component with a real settings store on real INI files: every stored ident goes
// out and comes back into the same preference, the idents and groups written, values out of range,
// stores that keep nothing, and the store's sections put back also when loading fails.
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <stdexcept>

#include "ControlsTestSupport.h"
#include "controls/QNTKITNumEdits.h"
#include "controls/QNTKITUICtrl.h"
#include "store/QNTKITStoreCtrl.h"

using namespace qnt;
using test::ControlsEnv;

namespace {

using Section = QMap<QString, QString>;

/// The ident lines of one section of an INI file.
Section ReadSection(const QString& path, const QString& name) {
  QFile file(path);
  Section out;
  if (!file.open(QIODevice::ReadOnly)) return out;
  bool inside = false;
  for (const QString& raw : QString::fromUtf8(file.readAll()).split(u'\n')) {
    const QString line = raw.trimmed();
    if (line.startsWith(u'[')) {
      inside = line.mid(1, line.size() - 2).compare(name, Qt::CaseInsensitive) == 0;
    } else if (inside && line.contains(u'=')) {
      const qsizetype eq = line.indexOf(u'=');
      out.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
  }
  return out;
}

void WriteSection(const QString& path, const QString& name, const Section& values) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QByteArray text = "[" + name.toUtf8() + "]\n";
  for (auto it = values.begin(); it != values.end(); ++it)
    text += (it.key() + u'=' + it.value() + u'\n').toUtf8();
  file.write(text);
}

// The idents stored as Booleans ("0"/"1"); every other one but NullStr holds an integer.
const QStringList kBooleanIdents = {
    "AllowKbdNull",      "CurrUseTypesInBlanks", "BlankWhenNull",     "BlankWhenZero",
    "BlankIsNull",       "DateBlankWhenNull",    "DateBlankWhenZero", "DateBlankIsNull",
    "CurrBlankWhenNull", "CurrBlankWhenZero",    "CurrBlankIsNull",   "Enter As Tab",
    "ESC As Undo",       "Arrows As Tab",        "No Tab on RO",      "Flat",
    "ShowFocus",         "HotTracking",          "FlatBtns",          "LineEdit",
    "NumDiff",           "XP Theme for Combos",  "NegAsBrackets"};

/// A value for every ident that differs from the default and is valid for its preference.
QString OtherValue(const QString& ident, const QString& current, int index) {
  if (ident == "NullStr") return "nothing here";
  if (kBooleanIdents.contains(ident)) return current == "1" ? "0" : "1";
  if (ident.endsWith("Size")) return "2";
  if (ident == "Item Style" || ident == "Heading Style") return "2";
  if (ident == "Frame Style") return "3";
  if (ident == "Frame Width") return QString::number(300 + index);
  if (ident.endsWith("Font Style")) return QString::number(1 + index % 15);
  return QString::number(RGBColor(std::uint8_t(index), std::uint8_t(2 * index), std::uint8_t(255 - index)));
}

class StoreFolder {
 public:
  StoreFolder() : fOldConfig(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", Path("config").toLocal8Bit());
  }
  ~StoreFolder() { qputenv("XDG_CONFIG_HOME", fOldConfig); }
  QString Path(const QString& name) const { return fDir.path() + u'/' + name; }
  std::unique_ptr<TQNTStoreCtrl> Store(TQNTRegIniType kind = eriIniFile) const {
    auto store = std::make_unique<TQNTStoreCtrl>();
    store->SetIniFile(Path("prefs.ini"));
    store->SetRegIniType(kind);
    return store;
  }
  QString File() const { return Path("prefs.ini"); }

 private:
  QTemporaryDir fDir;
  QByteArray fOldConfig;
};

}  // namespace

class UICtrlStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void saveWritesEveryPreferenceOnce() {
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store();
    TQNTUICtrl ui;
    ui.SetStoreCtrl(store.get());
    ui.ColorSet()->SetGroupFrameWidth(300);
    ui.SaveToStore();
    const Section saved = ReadSection(folder.File(), "Defaults");
    QCOMPARE(saved.size(), 96);
    QCOMPARE(QStringList(saved.keys()), [] {
      QStringList idents = TQNTUICtrl::StoredIdents(kAllUIUsage);
      std::sort(idents.begin(), idents.end());
      return idents;
    }());
    QVERIFY(!saved.contains("Box Null Color"));
    QCOMPARE(saved["NullStr"], QString("<пусто>"));
    QCOMPARE(saved["Enter As Tab"], QString("1"));
    QCOMPARE(saved["Frame Width"], QString("300"));  // the full integer
    QCOMPARE(saved["Border Color"], QString::number(clWindowFrame));
  }

  // The idents whose names differ from their property's name carry that property.
  void irregularIdentsNameTheirProperties_data() {
    QTest::addColumn<QString>("ident");
    QTest::addColumn<int>("row");
    const char* idents[] = {"CurrUseTypesInBlanks",
                            "No Tab on RO",
                            "Special RW Color",
                            "Special Hot Font Style",
                            "XP Theme for Combos",
                            "Number Negative Font Color",
                            "Number Positive Font Style",
                            "Heading Background Color",
                            "Heading Disabled Background Color",
                            "Frame Style",
                            "Frame Width",
                            "List Highlight Color"};
    for (int i = 0; i < int(std::size(idents)); ++i)
      QTest::addRow("%s", idents[i]) << QString(idents[i]) << i;
  }
  void irregularIdentsNameTheirProperties() {
    QFETCH(QString, ident);
    QFETCH(int, row);
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store(eriBufferedIniFile);
    TQNTUICtrl ui;
    ui.SetStoreCtrl(store.get());
    auto* set = ui.ColorSet();
    const std::function<void()> change[] = {
        [&] { ui.SetUseTypesInBlanks(true); },
        [&] { ui.SetNoTabStopOnReadOnly(false); },
        [&] { set->SetRWSpecialColor(clTeal); },
        [&] { set->SetHotSpecialFontStyle({fsItalic}); },
        [&] { set->SetXPThemesCombos(true); },
        [&] { set->SetNumNegFontColor(clTeal); },
        [&] { set->SetNumPosFontStyle({fsItalic}); },
        [&] { set->SetHeadingBkColor(clTeal); },
        [&] { set->SetHeadingDisabledBkColor(clTeal); },
        [&] { set->SetGroupFrameStyle(egfsRound); },
        [&] { set->SetGroupFrameWidth(7); },
        [&] { set->SetListHighlightColor(clTeal); },
    };
    const char* expected[] = {"1", "0",       "8421376", "2", "1", "8421376",
                              "2", "8421376", "8421376", "3", "7", "8421376"};
    ui.SaveToStore();
    store->UpdateFile();
    const Section before = ReadSection(folder.File(), "Defaults");
    change[row]();
    ui.SaveToStore();
    store->UpdateFile();
    const Section after = ReadSection(folder.File(), "Defaults");
    QCOMPARE(after.value(ident), QString(expected[row]));
    for (auto it = after.begin(); it != after.end(); ++it)
      if (it.key() != ident)
        QVERIFY2(before.value(it.key()) == it.value(), qPrintable(it.key() + " changed too"));
  }

  // Every ident written by one component, changed to another valid value in the file, is loaded by
  // a second component into the preference that writes it back unchanged.
  void everyIdentComesBackIntoItsPreference() {
    ControlsEnv env;
    StoreFolder folder;
    // Buffered stores: the whole file is written once, by UpdateFile.
    auto store = folder.Store(eriBufferedIniFile);
    TQNTUICtrl writer;
    writer.SetStoreCtrl(store.get());
    writer.SaveToStore();
    store->UpdateFile();
    Section changed = ReadSection(folder.File(), "Defaults");
    int index = 0;
    for (auto it = changed.begin(); it != changed.end(); ++it)
      it.value() = OtherValue(it.key(), it.value(), ++index);
    WriteSection(folder.File(), "Defaults", changed);

    auto readerStore = folder.Store(eriBufferedIniFile);
    TQNTUICtrl reader;
    reader.SetStoreCtrl(readerStore.get());
    reader.LoadFromStore();
    reader.SetStoreSection(u"Copy");
    reader.SaveToStore();
    readerStore->UpdateFile();
    const Section copy = ReadSection(folder.File(), "Copy");
    for (auto it = changed.begin(); it != changed.end(); ++it)
      QVERIFY2(copy.value(it.key()) == it.value(),
               qPrintable(it.key() + ": wrote " + it.value() + ", came back " + copy.value(it.key())));
    QCOMPARE(QString::fromStdU16String(reader.NullStr()), QString("nothing here"));
    QVERIFY(!reader.EnterAsTab());
    QVERIFY(reader.ColorSet()->Flat() && reader.ColorSet()->LineEdit());
  }

  void optionsChooseTheGroups() {
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store();
    TQNTUICtrl ui;
    ui.SetStoreCtrl(store.get());
    ui.SetStoreOptions({eutFormat});
    ui.SetNegAsBrackets(true);
    ui.SaveToStore();
    QCOMPARE(ReadSection(folder.File(), "Defaults"), (Section{{"NegAsBrackets", "1"}}));
    ui.SetStoreOptions({eutNavigation});
    ui.SaveToStore();
    QCOMPARE(ReadSection(folder.File(), "Defaults").size(), 5);
  }

  void boxNullColourIsReadButNeverWritten() {
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store();
    WriteSection(folder.File(), "Defaults", {{"Box Null Color", "255"}});
    TQNTUICtrl ui;
    ui.SetStoreCtrl(store.get());
    ui.LoadFromStore();
    QCOMPARE(ui.ColorSet()->BoxNullColor(), clRed);
    ui.ColorSet()->SetBoxNullColor(clBlue);
    ui.SaveToStore();
    QCOMPARE(ReadSection(folder.File(), "Defaults")["Box Null Color"], QString("255"));  // another writer's
  }

  // Values read from a store are limited to their range; a colour that is no colour is ignored.
  void valuesOutOfRangeAreLimited() {
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store();
    WriteSection(folder.File(), "Defaults",
                 {{"Border Size", "5"},
                  {"Box Frame Size", "-1"},
                  {"Item Style", "9"},
                  {"Frame Style", "-3"},
                  {"RW Font Style", "99"},
                  {"RO Font Style", "-4"},
                  {"Frame Width", "-7"},
                  {"RW Color", QString::number(0x7FFFFFFF)},
                  {"RO Color", "not a number"},
                  {"Focus Color", QString::number(clDefault)}});
    TQNTUICtrl ui;
    ui.SetStoreCtrl(store.get());
    ui.LoadFromStore();
    auto* set = ui.ColorSet();
    QCOMPARE(set->BorderSize(), 2);
    QCOMPARE(set->BoxFrameSize(), 1);
    QCOMPARE(set->ItemStyle(), elsSunken);
    QCOMPARE(set->GroupFrameStyle(), egfsNone);
    QCOMPARE(set->RWFontStyle().Bits(), 15u);
    QCOMPARE(set->ROFontStyle().Bits(), 0u);
    QCOMPARE(set->GroupFrameWidth(), 0);
    QCOMPARE(set->RWColor(), clWindow);
    QCOMPARE(set->ROColor(), ColorValue(0x00FFFFF0));
    QCOMPARE(set->FocusColor(), clDefault);
  }

  // A store that keeps nothing reads empty text and False for everything: loading leaves the
  // preferences alone instead of wiping them.
  void storeThatKeepsNothingLoadsNothing() {
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store(eriNeither);
    TQNTUICtrl ui;
    ui.SetStoreCtrl(store.get());
    ui.SetNullStr(u"n/a");
    ui.ColorSet()->SetFlatBtns(true);
    ui.LoadFromStore();
    QCOMPARE(QString::fromStdU16String(ui.NullStr()), QString("n/a"));
    QVERIFY(ui.EnterAsTab());
    QVERIFY(ui.ColorSet()->FlatBtns());
    ui.SaveToStore();
    QVERIFY(!QFile::exists(folder.File()));
  }

  void sectionsComeBackAlsoWhenLoadingFails() {
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store();
    store->SetIniSection("Main");
    store->SetRegSection("Reg");
    WriteSection(folder.File(), "Prefs", {{"Flat", "1"}});
    TQNTUICtrl ui;
    ui.SetStoreSection(u"Prefs");
    ui.SetStoreCtrl(store.get());
    ui.LoadFromStore();
    QVERIFY(ui.ColorSet()->Flat());
    QCOMPARE(store->IniSection(), QString("Main"));
    QCOMPARE(store->RegSection(), QString("Reg"));

    ui.OnColorSetChange = [](QObject*) { throw std::runtime_error("handler failed"); };
    WriteSection(folder.File(), "Prefs", {{"Flat", "0"}});
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ui.LoadFromStore());
    QCOMPARE(store->IniSection(), QString("Main"));
    QCOMPARE(store->RegSection(), QString("Reg"));
    QVERIFY(!store->Opened());
    ui.OnColorSetChange = nullptr;
    ui.SaveToStore();
    QCOMPARE(store->IniSection(), QString("Main"));
    QCOMPARE(ReadSection(folder.File(), "Prefs").size(), 96);
  }

  // The store's own load and save run the attached component's.
  void theStoreDrivesItsComponents() {
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store(eriBufferedIniFile);
    TQNTUICtrl a, b;
    a.SetStoreCtrl(store.get());
    a.SetBlankWhenZero(true);
    store->SaveToStore();
    b.SetStoreCtrl(store.get());
    a.SetStoreCtrl(nullptr);
    store->LoadFromStore();
    QVERIFY(b.BlankWhenZero());
    QCOMPARE(store->NotifyList(), QList<QObject*>{&b});
  }

  void freeingTheStoreClearsTheLink() {
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store();
    TQNTUICtrl ui;
    ui.SetStoreCtrl(store.get());
    store.reset();
    QCOMPARE(ui.StoreCtrl(), nullptr);
    ui.SaveToStore();  // nothing to save to
    ui.LoadFromStore();
  }

  void attachedEditsShowLoadedPreferences() {
    ControlsEnv env;
    StoreFolder folder;
    auto store = folder.Store();
    WriteSection(folder.File(), "Defaults", {{"NullStr", "(none)"}, {"RW Color", QString::number(clYellow)}});
    TQNTUICtrl ui;
    ui.SetStoreCtrl(store.get());
    TQNTFloatEdit edit;
    edit.SetUICtrl(&ui);
    edit.SetNull(true);
    ui.LoadFromStore();
    QCOMPARE(edit.text(), QString("(none)"));
    QCOMPARE(edit.ColorState().Color, clYellow);
  }
};

QTEST_MAIN(UICtrlStoreTest)
#include "UICtrlStoreTest.moc"
