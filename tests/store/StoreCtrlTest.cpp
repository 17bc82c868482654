// The settings store component against real files in a temporary folder: its kinds, its typed reads
// and writes, the sections and placeholders, custom colours, and the notify list.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <climits>
#include <cmath>

#include "store/QNTKITIniFile.h"
#include "tests/store/StoreFixture.h"

namespace qnt::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

class StoreCtrlTest : public StoreTest {};

const TQNTRegIniType kRealKinds[] = {eriRegistry, eriIniFile, eriBufferedIniFile};

std::string KindName(TQNTRegIniType kind) {
  switch (kind) {
    case eriRegistry: return "registry";
    case eriIniFile: return "ini_file";
    case eriBufferedIniFile: return "buffered_ini_file";
    default: return "neither";
  }
}

// ---- A new store

TEST_F(StoreCtrlTest, NewStoreHasTheKitDefaults) {
  TQNTStoreCtrl store;
  EXPECT_EQ(store.RegIniType(), eriNeither);
  EXPECT_EQ(store.RegPath(), "\\Software\\Kestrand");
  EXPECT_EQ(store.RegSection(), "Defaults");
  EXPECT_EQ(store.IniFile(), "%AppDir%\\qntkit.ini");
  EXPECT_EQ(store.IniSection(), "Defaults");
  EXPECT_EQ(store.Version(), "6.3.1");
  store.SetVersion("1.0");
  EXPECT_EQ(store.Version(), "6.3.1");
  EXPECT_FALSE(store.Opened());
  EXPECT_TRUE(store.NotifyList().isEmpty());
  EXPECT_EQ(store.ExpandIniFile(), QCoreApplication::applicationDirPath() + "/qntkit.ini");
}

// ---- Without storage: kind eriNeither, and the cases that behave like it

void ExpectNoStorage(TQNTStoreCtrl& store, const std::string& what) {
  SCOPED_TRACE(what);
  store.OpenStorage();
  EXPECT_FALSE(store.Opened());
  if (store.RegIniType() == eriNeither) {  // fixed results
    EXPECT_EQ(store.ReadString("x", "default"), "");
    EXPECT_FALSE(store.ReadBoolean("x", true));
  } else {  // a real kind that could not open: the caller's defaults
    EXPECT_EQ(store.ReadString("x", "default"), "default");
    EXPECT_TRUE(store.ReadBoolean("x", true));
  }
  EXPECT_FALSE(store.ReadBoolean("x", false));
  EXPECT_EQ(store.ReadInteger("x", 7), 7);
  EXPECT_EQ(store.ReadColor("x", clRed), clRed);
  EXPECT_EQ(store.ReadFloat("x", 2.5), 2.5);
  EXPECT_EQ(store.ReadDate("x", 100.0), 100.0);
  EXPECT_EQ(store.ReadTime("x", 0.5), 0.5);
  store.WriteString("x", "1");
  store.WriteBoolean("b", true);
  store.WriteInteger("i", 3);
  store.WriteFloat("f", 1.5, 2);
  store.WriteDate("d", 1.0);
  store.WriteTime("t", 0.5);
  store.DeleteKey("x");
  CustomColorList = QStringList{"1", "2"};
  store.WriteCustomColors();
  store.ReadCustomColors();
  EXPECT_TRUE(CustomColorList.isEmpty());
  store.CloseStorage();
  EXPECT_EQ(store.StorageFile(), "");
}

TEST_F(StoreCtrlTest, WithoutStorageReadsGiveFixedResultsAndWritesNothing) {
  {
    TQNTStoreCtrl store;
    ExpectNoStorage(store, "neither");
  }
  for (TQNTRegIniType kind : kRealKinds) {
    auto emptyPath = MakeStore(kind);
    emptyPath->SetIniFile("");
    emptyPath->SetRegPath("");
    ExpectNoStorage(*emptyPath, KindName(kind) + " with empty path");

    auto emptySection = MakeStore(kind);
    emptySection->SetIniSection("");
    emptySection->SetRegSection("");
    ExpectNoStorage(*emptySection, KindName(kind) + " with empty section");
  }
  for (TQNTRegIniType kind : {eriIniFile, eriBufferedIniFile}) {
    auto unknown = MakeStore(kind);
    unknown->SetIniFile("%NOSUCHDIR%\\qntkit.ini");
    ExpectNoStorage(*unknown, KindName(kind) + " with unknown placeholder");
  }
  auto rootKey = MakeStore(eriRegistry);
  rootKey->SetRegPath("\\");
  ExpectNoStorage(*rootKey, "registry key without a name");

  EXPECT_TRUE(QDir(fDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

// ---- The three real kinds

class StoreKindTest : public StoreTest, public ::testing::WithParamInterface<TQNTRegIniType> {
 protected:
  /// The file a store of this test's kind writes to.
  QString FileOf(TQNTStoreCtrl& store) {
    return GetParam() == eriRegistry ? store.RegistryFile() : Path("s.ini");
  }
};

TEST_P(StoreKindTest, TypedValuesSurviveAFreshStoreAndAreWrittenAsPlainText) {
  QString file;
  {
    auto store = MakeStore(GetParam());
    file = FileOf(*store);
    store->OpenStorage();
    store->WriteString("Name", "Пусто <x> = ; [y]");
    store->WriteBoolean("Yes", true);
    store->WriteBool("No", false);
    store->WriteInteger("Zero", 0);
    store->WriteInteger("Min", INT_MIN);
    store->WriteInteger("Max", INT_MAX);
    store->WriteColor("Colour", clHighlight);
    store->WriteFloat("Float", 1.5, 4);
    store->WriteFloat("Third", 1.0 / 3.0, 15);
    store->WriteFloat("Tiny", -2.5e-7, 10);
    store->WriteDate("Date", EncodeDate(QDate(2024, 3, 5)));
    store->WriteTime("Time", EncodeTime(QTime(9, 5)));
    store->CloseStorage();
  }
  const QByteArray text = ReadBytes(file);
  for (const char* line : {"[Defaults]\n", "\nName=\xD0\x9F\xD1\x83\xD1\x81\xD1\x82\xD0\xBE <x> = ; [y]\n",
                           "\nYes=1\n", "\nNo=0\n", "\nZero=0\n", "\nMin=-2147483648\n", "\nMax=2147483647\n",
                           "\nColour=-16777203\n", "\nFloat=1.5\n", "\nThird=0.333333333333333\n",
                           "\nTiny=-0.00000025\n", "\nDate=2024-03-05\n", "\nTime=09:05\n"})
    EXPECT_TRUE(text.contains(line)) << line << " in\n" << text.toStdString();

  auto store = MakeStore(GetParam());
  EXPECT_EQ(store->ReadString("Name", ""), "Пусто <x> = ; [y]");
  EXPECT_TRUE(store->ReadBoolean("Yes", false));
  EXPECT_FALSE(store->ReadBool("No", true));
  EXPECT_EQ(store->ReadInteger("Zero", 9), 0);
  EXPECT_EQ(store->ReadInteger("Min", 9), INT_MIN);
  EXPECT_EQ(store->ReadInteger("Max", 9), INT_MAX);
  EXPECT_EQ(store->ReadColor("Colour", clNone), clHighlight);
  EXPECT_EQ(store->ReadFloat("Float", 0), 1.5);
  EXPECT_EQ(store->ReadFloat("Third", 0), 0.333333333333333);
  EXPECT_EQ(store->ReadFloat("Tiny", 0), -2.5e-7);
  EXPECT_EQ(store->ReadDate("Date", 0), EncodeDate(QDate(2024, 3, 5)));
  EXPECT_EQ(store->ReadTime("Time", 0), EncodeTime(QTime(9, 5)));
  EXPECT_EQ(store->ReadString("Missing", "dflt"), "dflt");
  EXPECT_TRUE(store->ReadBoolean("Missing", true));
  EXPECT_EQ(store->ReadFloat("Missing", 4.25), 4.25);
}

TEST_P(StoreKindTest, WriteKeepsEveryOtherLineOfTheFile) {
  auto store = MakeStore(GetParam());
  const QString file = FileOf(*store);
  QDir().mkpath(QFileInfo(file).absolutePath());
  const QByteArray before =
      "; written by hand\r\n[Other]\r\nA=1\r\n\r\n[Defaults]\r\n; hidden units\r\nHide Temp 0=0\r\n";
  WriteBytes(file, before);
  store->WriteBoolean("Hide Temp 0", true);
  store->WriteBoolean("Hide Temp 1", true);
  store->DeleteKey("Missing");
  store.reset();
  QByteArray expected = before;
  expected.replace("Hide Temp 0=0\r\n", "Hide Temp 0=1\r\nHide Temp 1=1\r\n");
  EXPECT_EQ(ReadBytes(file), expected);
}

TEST_P(StoreKindTest, DeleteKeyRemovesTheIdent) {
  auto store = MakeStore(GetParam());
  store->WriteString("a", "1");
  store->WriteString("b", "2");
  store->DeleteKey("A");
  EXPECT_EQ(store->ReadString("a", "gone"), "gone");
  EXPECT_EQ(store->ReadString("b", ""), "2");
  const QString file = FileOf(*store);
  store.reset();
  EXPECT_EQ(ReadBytes(file), "[Defaults]\nb=2\n");
}

TEST_P(StoreKindTest, CustomColoursKeepAtMostSixteenAndNoStaleOnes) {
  auto store = MakeStore(GetParam());
  for (int i = 0; i < 20; ++i) CustomColorList << QString::number(1000 + i);
  store->WriteCustomColors();
  CustomColorList = QStringList{"A", "B", "C"};
  store->WriteCustomColors();
  const QString file = FileOf(*store);
  store.reset();
  EXPECT_EQ(ReadBytes(file), "[Defaults]\nCustomColour 0=A\nCustomColour 1=B\nCustomColour 2=C\n");

  store = MakeStore(GetParam());
  CustomColorList = QStringList{"stale"};
  store->ReadCustomColors();
  EXPECT_EQ(CustomColorList, QStringList({"A", "B", "C"}));
}

TEST_P(StoreKindTest, SectionFollowsTheKindAndExpandsTheUser) {
  auto store = MakeStore(GetParam());
  store->SetIniSection("Ini %USER%");
  store->SetRegSection("Reg %user%");
  store->WriteInteger("x", 1);
  EXPECT_EQ(store->Section(), GetParam() == eriRegistry ? "Reg anna" : "Ini anna");
  const QString file = FileOf(*store);
  store.reset();
  EXPECT_TRUE(ReadBytes(file).startsWith(GetParam() == eriRegistry ? "[Reg anna]\n" : "[Ini anna]\n"));
}

TEST_P(StoreKindTest, NamesAndValuesTheFileCannotHoldRaiseAndChangeNothing) {
  auto store = MakeStore(GetParam());
  store->WriteString("ok", "1");
  store->UpdateFile();
  const QString file = FileOf(*store);
  const QByteArray before = ReadBytes(file);
  EXPECT_THAT([&] { store->WriteString("x", "two\nlines"); },
              ThrowsMessage<EQNTStoreError>(HasSubstr("line break")));
  EXPECT_THAT([&] { store->WriteString("a=b", "1"); }, ThrowsMessage<EQNTStoreError>(HasSubstr("'a=b'")));
  store->SetIniSection("Bad]Section");
  store->SetRegSection("Bad]Section");
  EXPECT_THROW(store->WriteString("x", "1"), EQNTStoreError);
  store.reset();
  EXPECT_EQ(ReadBytes(file), before);
}

TEST_P(StoreKindTest, FlagListsWriteEveryKeyAndReadBack) {
  QList<bool> flags(69, false);
  flags[0] = flags[7] = flags[68] = true;
  QString file;
  {
    auto store = MakeStore(GetParam());
    file = FileOf(*store);
    store->WriteFlagList("Hide Dist ", flags);
    EXPECT_FALSE(store->Opened());
  }
  const TQNTIniDocument doc = TQNTIniDocument::Parse(ReadBytes(file));
  QStringList expected;
  for (int n = 0; n < 69; ++n) expected << "Hide Dist " + QString::number(n);
  EXPECT_EQ(doc.Idents("Defaults"), expected);
  EXPECT_EQ(doc.Value("Defaults", "Hide Dist 7"), QString("1"));
  EXPECT_EQ(doc.Value("Defaults", "Hide Dist 8"), QString("0"));

  auto store = MakeStore(GetParam());
  EXPECT_EQ(store->ReadFlagList("Hide Dist ", 69), flags);
  EXPECT_FALSE(store->Opened());
  // Units the file does not know yet read as shown.
  const auto more = store->ReadFlagList("Hide Dist ", 71);
  ASSERT_TRUE(more.has_value());
  EXPECT_EQ(more->mid(0, 69), flags);
  EXPECT_FALSE(more->at(69) || more->at(70));
  EXPECT_EQ(store->ReadFlagList("Hide Temp ", 8), QList<bool>(8, false));
}

INSTANTIATE_TEST_SUITE_P(Kinds, StoreKindTest, ::testing::ValuesIn(kRealKinds),
                         [](const auto& info) { return KindName(info.param); });

TEST_F(StoreCtrlTest, FlagListsDoNothingWithoutStorage) {
  TQNTStoreCtrl store;
  EXPECT_EQ(store.ReadFlagList("Hide Temp ", 8), std::nullopt);
  store.WriteFlagList("Hide Temp ", QList<bool>(8, true));
  EXPECT_FALSE(store.Opened());
  auto noFile = MakeStore(eriIniFile);
  noFile->SetIniFile("");
  EXPECT_EQ(noFile->ReadFlagList("Hide Temp ", 2), QList<bool>({false, false}));  // each flag's default
  EXPECT_TRUE(QDir(fDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

// ---- Kind by kind

TEST_F(StoreCtrlTest, IniFileKindWithTheDefaultPathWritesQntkitIniInTheProgramFolder) {
  const QString file = QCoreApplication::applicationDirPath() + "/qntkit.ini";
  QFile::remove(file);
  {
    TQNTStoreCtrl store;
    store.SetRegIniType(eriIniFile);
    store.OpenStorage();
    EXPECT_TRUE(store.Opened());
    EXPECT_EQ(store.StorageFile(), file);
    store.WriteBoolean(TQNTStoreCtrl::NumberedIdent("Hide Temp ", 0), true);
    store.CloseStorage();
    EXPECT_EQ(ReadBytes(file), "[Defaults]\nHide Temp 0=1\n");  // at once, before the store goes
  }
  QFile::remove(file);
}

TEST_F(StoreCtrlTest, AnotherIniReaderUnderstandsTheFile) {
  {
    auto store = MakeStore(eriBufferedIniFile);
    store->WriteBoolean("Hide Temp 0", true);
    store->WriteBoolean("Hide Temp 1", false);
    store->WriteString("NullStr", "<пусто>");
    store->WriteFloat("Memory", 2.5, 15);
  }
  // Qt's own INI reader, which shares no code with the store.
  QSettings other(Path("s.ini"), QSettings::IniFormat);
  EXPECT_EQ(other.childGroups(), QStringList({"Defaults"}));
  EXPECT_EQ(other.value("Defaults/Hide Temp 0").toString(), "1");
  EXPECT_EQ(other.value("Defaults/Hide Temp 1").toString(), "0");
  EXPECT_EQ(other.value("Defaults/NullStr").toString(), "<пусто>");
  EXPECT_EQ(other.value("Defaults/Memory").toDouble(), 2.5);
}

TEST_F(StoreCtrlTest, DirectKindReadsAndWritesTheFileAtOnce) {
  auto store = MakeStore(eriIniFile);
  store->WriteInteger("x", 1);
  EXPECT_EQ(ReadBytes(Path("s.ini")), "[Defaults]\nx=1\n");
  WriteBytes(Path("s.ini"), "[Defaults]\nx=2\n");  // another program changes the file
  EXPECT_EQ(store->ReadInteger("x", 0), 2);
  store->CloseStorage();
  EXPECT_EQ(store->StorageFile(), "");  // the file object lives only while open
}

TEST_F(StoreCtrlTest, BufferedKindWritesTheWholeFileWhenTheStoreGoes) {
  WriteBytes(Path("s.ini"), "; mine\n[Defaults]\nx=0\n");
  auto store = MakeStore(eriBufferedIniFile);
  store->OpenStorage();
  EXPECT_TRUE(store->Opened());
  store->WriteInteger("x", 1);
  store->CloseStorage();
  WriteBytes(Path("s.ini"), "; mine\n[Defaults]\nx=5\n");  // not seen: the buffer stays in use
  store->OpenStorage();
  EXPECT_FALSE(store->Opened());  // the held buffer is used, no new opening
  EXPECT_EQ(store->ReadInteger("x", 0), 1);
  store->WriteInteger("y", 2);
  EXPECT_EQ(ReadBytes(Path("s.ini")), "; mine\n[Defaults]\nx=5\n");
  store.reset();
  EXPECT_EQ(ReadBytes(Path("s.ini")), "; mine\n[Defaults]\nx=1\ny=2\n");
}

TEST_F(StoreCtrlTest, RegistryKindWritesItsFileWhenClosedAndCreatesTheKey) {
  auto store = MakeStore(eriRegistry);
  const QString file = Path("config") + "/Software/Kestrand.ini";
  EXPECT_EQ(store->RegistryFile(), file);
  store->OpenStorage();
  store->WriteBoolean("Hide Temp 0", true);
  EXPECT_FALSE(QFileInfo::exists(file));
  store->CloseStorage();
  EXPECT_EQ(ReadBytes(file), "[Defaults]\nHide Temp 0=1\n");
  // A write without opening first opens the storage and leaves it open: the store's end writes it.
  store->WriteBoolean("Hide Temp 1", true);
  EXPECT_TRUE(store->Opened());
  store.reset();
  EXPECT_EQ(ReadBytes(file), "[Defaults]\nHide Temp 0=1\nHide Temp 1=1\n");
}

TEST_F(StoreCtrlTest, WithStorageClosesAlsoWhenTheWorkRaises) {
  auto store = MakeStore(eriRegistry);
  store->WithStorage([&] {
    EXPECT_TRUE(store->Opened());
    store->WriteInteger("x", 1);
  });
  EXPECT_FALSE(store->Opened());
  EXPECT_EQ(ReadBytes(store->RegistryFile()), "[Defaults]\nx=1\n");
  EXPECT_THROW(store->WithStorage([&] {
    store->WriteInteger("x", 2);
    throw std::runtime_error("work failed");
  }),
               std::runtime_error);
  EXPECT_FALSE(store->Opened());
  EXPECT_EQ(ReadBytes(store->RegistryFile()), "[Defaults]\nx=2\n");  // closing wrote what was done
}

TEST_F(StoreCtrlTest, OpeningCreatesOneMissingFolderLevel) {
  auto store = MakeStore(eriIniFile, "new/s.ini");
  store->WriteInteger("x", 1);
  EXPECT_EQ(ReadBytes(Path("new/s.ini")), "[Defaults]\nx=1\n");

  auto deep = MakeStore(eriIniFile, "a/b/s.ini");
  EXPECT_EQ(deep->ReadInteger("x", 4), 4);
  EXPECT_THAT([&] { deep->WriteInteger("x", 1); },
              ThrowsMessage<EQNTStoreError>(HasSubstr(Path("a/b/s.ini").toStdString())));
  EXPECT_FALSE(QFileInfo::exists(Path("a/b")));
}

TEST_F(StoreCtrlTest, SwitchingTheKindWritesAHeldBufferFirst) {
  auto store = MakeStore(eriBufferedIniFile);
  store->WriteInteger("x", 1);
  store->SetRegIniType(eriIniFile);
  EXPECT_EQ(ReadBytes(Path("s.ini")), "[Defaults]\nx=1\n");
  EXPECT_EQ(store->ReadInteger("x", 0), 1);

  // When the buffer cannot be written, the kind stays and the buffer is kept.
  ASSERT_TRUE(QDir().mkdir(Path("dir.ini")));
  auto blocked = MakeStore(eriBufferedIniFile, "dir.ini");
  blocked->WriteInteger("x", 1);
  EXPECT_THROW(blocked->SetRegIniType(eriNeither), EQNTStoreError);
  EXPECT_EQ(blocked->RegIniType(), eriBufferedIniFile);
  EXPECT_EQ(blocked->ReadInteger("x", 0), 1);
}

TEST_F(StoreCtrlTest, SectionSettersRecomputeOnlyForTheirKind) {
  TQNTStoreCtrl store;
  store.SetIniSection("Ini");
  EXPECT_EQ(store.Section(), "");  // eriNeither leaves it alone
  store.SetRegIniType(eriRegistry);
  store.SetRegSection("Reg %USER%");
  EXPECT_EQ(store.Section(), "Reg anna");
  store.SetIniSection("Ini 2");
  EXPECT_EQ(store.Section(), "Reg anna");
  StoreUserNameHook = [] { return std::optional<QString>(); };
  EXPECT_EQ(store.ExpandRegSection(), "Reg qnt");
  EXPECT_EQ(store.ExpandIniSection(), "Ini 2");
}

TEST_F(StoreCtrlTest, UserNameHoldingThePlaceholderStillEnds) {
  StoreUserNameHook = [] { return std::optional<QString>(QStringLiteral("%USER%x")); };
  auto store = MakeStore(eriIniFile);
  store->SetIniSection("Opts %USER%");
  store->WriteInteger("v", 1);
  EXPECT_EQ(store->Section(), "Opts %USER%x");
  EXPECT_EQ(ReadBytes(Path("s.ini")), "[Opts %USER%x]\nv=1\n");
}

// ---- Reading text written by hand or by other programs

TEST_F(StoreCtrlTest, ReadsIntegersBooleansAndFloatsInEveryAcceptedForm) {
  WriteBytes(Path("s.ini"),
             "[Defaults]\nhex=0x1F\nHEX=0X1f\ndollar=$1F\nabc=abc\nempty=\nspaced=  42  \n"
             "short=0x\nneg=-17\nbig=99999999999\nb0=0\nb2=2\nbhex=0x0\nbyes=yes\n"
             "f1=1.5\nf2=1,5\nfexp=2.5E-3\nfbad=1.2.3\nfplus=+3\n");
  auto store = MakeStore(eriIniFile);
  const struct {
    const char* ident;
    int expected;
  } ints[] = {{"hex", 31},    {"HEX", 31},   {"dollar", 31}, {"abc", -1}, {"empty", -1},
              {"spaced", 42}, {"short", -1}, {"neg", -17},   {"big", -1}, {"none", -1}};
  for (const auto& c : ints) EXPECT_EQ(store->ReadInteger(c.ident, -1), c.expected) << c.ident;
  EXPECT_FALSE(store->ReadBoolean("b0", true));
  EXPECT_TRUE(store->ReadBoolean("b2", false));
  EXPECT_FALSE(store->ReadBoolean("bhex", true));
  EXPECT_TRUE(store->ReadBoolean("byes", true));
  EXPECT_FALSE(store->ReadBoolean("byes", false));

  EXPECT_EQ(store->ReadFloat("f1", 0), 1.5);
  EXPECT_EQ(store->ReadFloat("f2", 0), 15);  // "," is the thousand separator in this locale
  EXPECT_EQ(store->ReadFloat("fexp", 0), 2.5e-3);
  EXPECT_EQ(store->ReadFloat("fbad", 9), 9);
  EXPECT_EQ(store->ReadFloat("fplus", 0), 3);
  {
    TQNTSeparatorScope comma(u',', u'.');  // a locale that writes "1,5"
    EXPECT_EQ(store->ReadFloat("f2", 0), 1.5);
    EXPECT_EQ(store->ReadFloat("f1", 0), 1.5);  // the store's own form still reads in that locale
  }
}

TEST_F(StoreCtrlTest, WhatIsWrittenDoesNotDependOnDisplaySwitchesOrLocale) {
  DefaultBlankWhenZero = true;
  DefaultShowPosSign = true;
  FormatSettings.DecimalSeparator = u',';
  FormatSettings.ThousandSeparator = u'.';
  FormatSettings.DateSeparator = u'.';
  FormatSettings.ShortDateFormat = u"dd/mm/yyyy";
  auto store = MakeStore(eriIniFile);
  store->WriteInteger(TQNTStoreCtrl::NumberedIdent("Hide Temp ", 0), 0);
  store->WriteInteger("i", 5);
  store->WriteColor("c", clNone);
  store->WriteFloat("f", 1234.5, 4);
  store->WriteFloat("g", -0.125, 2);
  store->WriteFloat("z", 0, 2);
  store->WriteDate("d", EncodeDate(QDate(2024, 3, 5)));
  store->WriteTime("t", 0.0);
  EXPECT_EQ(ReadBytes(Path("s.ini")),
            "[Defaults]\nHide Temp 0=0\ni=5\nc=536870911\nf=1234.5\ng=-0.13\nz=0\nd=2024-03-05\nt=00:00\n");
  EXPECT_EQ(store->ReadInteger("Hide Temp 0", 7), 0);
  EXPECT_EQ(store->ReadFloat("f", 0), 1234.5);
  EXPECT_EQ(store->ReadDate("d", 0), EncodeDate(QDate(2024, 3, 5)));
}

TEST_F(StoreCtrlTest, DatesAndTimesWithFormatsAndLocaleForms) {
  FormatSettings.DateSeparator = u'.';
  FormatSettings.ShortDateFormat = u"dd/mm/yyyy";
  auto store = MakeStore(eriIniFile);
  const double when = EncodeDate(QDate(2024, 3, 5)) + EncodeTime(QTime(14, 7));
  store->WriteDate("fmt", "dd/mm/yy hh:nn", when);
  store->WriteTime("tfmt", "h:nn am/pm", when);
  store->WriteTime("iso", when);
  EXPECT_EQ(store->ReadString("fmt", ""), "05.03.24 14:07");
  EXPECT_EQ(store->ReadString("tfmt", ""), "2:07 pm");
  EXPECT_EQ(store->ReadString("iso", ""), "14:07");
  EXPECT_DOUBLE_EQ(store->ReadTime("tfmt", 0), EncodeTime(QTime(14, 7)));
  EXPECT_DOUBLE_EQ(store->ReadTime("iso", 0), EncodeTime(QTime(14, 7)));

  store->WriteString("locale", "05.03.2024");
  store->WriteString("us", "03/05/2024");
  EXPECT_EQ(store->ReadDate("locale", 0), EncodeDate(QDate(2024, 3, 5)));
  EXPECT_EQ(store->ReadDate("us", "mm/dd/yyyy", 0), EncodeDate(QDate(2024, 3, 5)));
  EXPECT_EQ(store->ReadDate("missing", 12.0), 12.0);
  store->WriteString("blank", "   ");
  EXPECT_EQ(store->ReadDate("blank", 12.0), 12.0);
  EXPECT_EQ(store->ReadTime("blank", 0.25), 0.25);
}

TEST_F(StoreCtrlTest, UnreadableDatesAndTimesFollowDefaultRaiseDateErrors) {
  auto store = MakeStore(eriIniFile);
  store->WriteString("d", "abc");
  store->WriteString("t", "25:00");
  EXPECT_THAT([&] { store->ReadDate("d", 1.0); },
              ThrowsMessage<EConvertError>(StrEq("Не верная дата - abc")));
  EXPECT_THAT([&] { store->ReadTime("t", 1.0); },
              ThrowsMessage<EConvertError>(StrEq("'25:00' is not a valid time")));
  EXPECT_THAT([&] { store->WriteDate("w", std::nan("")); },
              ThrowsMessage<EConvertError>(StrEq("Не верные дата/время")));
  EXPECT_THAT([&] { store->WriteTime("w", "hh:nn", 1e12); },
              ThrowsMessage<EConvertError>(StrEq("Не верные дата/время")));
  EXPECT_EQ(store->ReadString("w", "not written"), "not written");

  DefaultRaiseDateErrors = false;
  EXPECT_EQ(store->ReadDate("d", 1.0), 1.0);
  EXPECT_EQ(store->ReadTime("t", 0.5), 0.5);
  store->WriteDate("w", std::nan(""));
  EXPECT_EQ(store->ReadString("w", "x"), "");
}

// ---- The notify list and free notification

/// An interface-preferences component as the store sees it.
class FakePreferences : public QObject, public IQNTStoreListener {
 public:
  explicit FakePreferences(std::vector<std::string>* log, std::string name, QObject* parent = nullptr)
      : QObject(parent), fLog(log), fName(std::move(name)), fStore(this) {}
  void LoadFromStore() override {
    fLog->push_back("load " + fName);
    if (fOnLoad) fOnLoad();
  }
  void SaveToStore() override { fLog->push_back("save " + fName); }
  TQNTStoreLink& Store() { return fStore; }
  std::function<void()> fOnLoad;

 private:
  std::vector<std::string>* fLog;
  std::string fName;
  TQNTStoreLink fStore;
};

/// A component that refers to a store but is not a preferences component (a convertor, a calculator).
class FakeConvertor : public QObject {
 public:
  explicit FakeConvertor(QObject* parent = nullptr) : QObject(parent), fStore(this) {}
  TQNTStoreLink fStore;
};

TEST_F(StoreCtrlTest, NotifyListHoldsOnlyPreferencesComponentsInOrder) {
  std::vector<std::string> log;
  TQNTStoreCtrl store;
  FakePreferences a(&log, "a"), b(&log, "b");
  FakeConvertor convertor;
  QObject plain;
  store.AddToNotifyList(&a);
  store.AddToNotifyList(&convertor);
  store.AddToNotifyList(&plain);
  store.AddToNotifyList(nullptr);
  store.AddToNotifyList(&b);
  store.AddToNotifyList(&a);  // no check for duplicates
  EXPECT_EQ(store.NotifyList(), QList<QObject*>({&a, &b, &a}));
  store.LoadFromStore();
  store.SaveToStore();
  EXPECT_EQ(log, std::vector<std::string>({"load a", "load b", "load a", "save a", "save b", "save a"}));
  store.RemoveFromNotifyList(&a);  // the first entry only
  EXPECT_EQ(store.NotifyList(), QList<QObject*>({&b, &a}));
  store.RemoveFromNotifyList(&convertor);
  EXPECT_EQ(store.NotifyList(), QList<QObject*>({&b, &a}));
}

TEST_F(StoreCtrlTest, LinksJoinAndLeaveTheNotifyList) {
  std::vector<std::string> log;
  TQNTStoreCtrl first, second;
  FakePreferences prefs(&log, "p");
  FakeConvertor convertor;
  EXPECT_TRUE(prefs.Store().Set(&first));
  EXPECT_FALSE(prefs.Store().Set(&first));
  EXPECT_TRUE(convertor.fStore.Set(&first));
  EXPECT_EQ(first.NotifyList(), QList<QObject*>({&prefs}));
  prefs.Store().Set(&second);
  EXPECT_TRUE(first.NotifyList().isEmpty());
  EXPECT_EQ(second.NotifyList(), QList<QObject*>({&prefs}));
  prefs.Store().Set(nullptr);
  EXPECT_TRUE(second.NotifyList().isEmpty());
  EXPECT_EQ(convertor.fStore.Get(), &first);
}

TEST_F(StoreCtrlTest, DestroyingTheStoreClearsEveryLink) {
  std::vector<std::string> log;
  auto store = std::make_unique<TQNTStoreCtrl>();
  FakePreferences prefs(&log, "p");
  FakeConvertor convertor;
  prefs.Store().Set(store.get());
  convertor.fStore.Set(store.get());
  store.reset();
  EXPECT_EQ(prefs.Store().Get(), nullptr);
  EXPECT_FALSE(convertor.fStore);
  prefs.Store().Set(nullptr);  // nothing left to leave
}

TEST_F(StoreCtrlTest, DestroyingAComponentLeavesNoDanglingEntry) {
  std::vector<std::string> log;
  TQNTStoreCtrl store;
  auto gone = std::make_unique<FakePreferences>(&log, "gone");
  FakePreferences stays(&log, "stays");
  gone->Store().Set(&store);
  stays.Store().Set(&store);
  store.AddToNotifyList(gone.get());  // listed twice; the link removes only its own entry
  gone.reset();
  EXPECT_EQ(store.NotifyList(), QList<QObject*>({&stays}));
  store.LoadFromStore();
  EXPECT_EQ(log, std::vector<std::string>({"load stays"}));
}

TEST_F(StoreCtrlTest, ComponentDestroyedDuringABroadcastIsSkipped) {
  std::vector<std::string> log;
  TQNTStoreCtrl store;
  auto first = std::make_unique<FakePreferences>(&log, "first");
  auto* second = new FakePreferences(&log, "second");
  first->Store().Set(&store);
  second->Store().Set(&store);
  store.AddToNotifyList(second);
  first->fOnLoad = [&] { delete second; };
  store.LoadFromStore();
  EXPECT_EQ(log, std::vector<std::string>({"load first"}));
}

TEST_F(StoreCtrlTest, OwnersDestroyStoresAndComponentsInAnyOrder) {
  std::vector<std::string> log;
  {  // the store owns the components
    auto* store = new TQNTStoreCtrl();
    auto* prefs = new FakePreferences(&log, "p", store);
    auto* convertor = new FakeConvertor(store);
    prefs->Store().Set(store);
    convertor->fStore.Set(store);
    delete store;
  }
  {  // a component owns the store it refers to
    auto* prefs = new FakePreferences(&log, "p");
    auto* store = new TQNTStoreCtrl(prefs);
    prefs->Store().Set(store);
    auto* convertor = new FakeConvertor(prefs);
    convertor->fStore.Set(store);
    delete prefs;
  }
  {  // siblings under one window, created in both orders
    QObject window;
    auto* before = new FakePreferences(&log, "before", &window);
    auto* store = new TQNTStoreCtrl(&window);
    auto* after = new FakePreferences(&log, "after", &window);
    auto* convertor = new FakeConvertor(&window);
    before->Store().Set(store);
    after->Store().Set(store);
    convertor->fStore.Set(store);
  }
  {  // a buffered store with pending changes, owned by a component that links to it
    QObject window;
    auto* prefs = new FakePreferences(&log, "p", &window);
    auto* store = new TQNTStoreCtrl(prefs);
    store->SetIniFile(Path("owned.ini"));
    store->SetRegIniType(eriBufferedIniFile);
    prefs->Store().Set(store);
    store->WriteInteger("x", 1);
  }
  EXPECT_EQ(ReadBytes(Path("owned.ini")), "[Defaults]\nx=1\n");
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace qnt::test
