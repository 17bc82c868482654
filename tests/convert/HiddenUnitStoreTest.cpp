// The convertors' hidden units kept in a settings store, against real files in a temporary folder:
// the stores a convertor leaves alone, the idents and the file text it writes, its link to the store
// while stores and convertors come and go, and every unit's flag through save and load with each kind
// of store.
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "convert/QNTKITConvertors.h"
#include "store/QNTKITIniFile.h"
#include "tests/store/StoreFixture.h"

namespace qnt::test {
namespace {

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

const TQNTRegIniType kRealKinds[] = {eriRegistry, eriIniFile, eriBufferedIniFile};

std::string KindName(TQNTRegIniType kind) {
  switch (kind) {
    case eriRegistry: return "registry";
    case eriIniFile: return "ini_file";
    case eriBufferedIniFile: return "buffered_ini_file";
    default: return "neither";
  }
}

/// The hidden flag of every unit of a convertor, in ordinal order.
std::vector<bool> HiddenFlags(const TQNTBaseConvertor& c) {
  std::vector<bool> flags;
  for (int n = 0; n < c.NoUnits(); ++n) flags.push_back(c.IsHidden(n));
  return flags;
}

class HiddenUnitStoreTest : public StoreTest {
 protected:
  /// The file a store of this kind keeps its values in.
  static QString FileOf(const TQNTStoreCtrl& store) {
    return store.RegIniType() == eriRegistry ? store.RegistryFile() : store.IniFile();
  }
  /// Every entry of the temporary folder, the stand-in configuration folder included.
  QStringList FolderEntries() const {
    return QDir(fDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  }
};

class HiddenUnitKindTest : public HiddenUnitStoreTest,
                           public ::testing::WithParamInterface<TQNTRegIniType> {};

// ---- Stores that keep nothing

struct IdleStoreCase {
  const char* name;
  bool hasStore;
  TQNTRegIniType kind;
  void (*setUp)(TQNTStoreCtrl&);
};

const IdleStoreCase kIdleStores[] = {
    {"no_store", false, eriNeither, [](TQNTStoreCtrl&) {}},
    {"kind_neither", true, eriNeither, [](TQNTStoreCtrl&) {}},
    {"ini_file_without_path", true, eriIniFile, [](TQNTStoreCtrl& s) { s.SetIniFile(""); }},
    {"ini_file_without_section", true, eriIniFile, [](TQNTStoreCtrl& s) { s.SetIniSection(""); }},
    {"buffered_ini_file_with_unknown_placeholder", true, eriBufferedIniFile,
     [](TQNTStoreCtrl& s) { s.SetIniFile("%NODIR%\\s.ini"); }},
    {"registry_without_path", true, eriRegistry, [](TQNTStoreCtrl& s) { s.SetRegPath(""); }},
    {"registry_without_section", true, eriRegistry, [](TQNTStoreCtrl& s) { s.SetRegSection(""); }},
};

void PrintTo(const IdleStoreCase& c, std::ostream* os) { *os << c.name; }

class IdleStoreTest : public HiddenUnitStoreTest, public ::testing::WithParamInterface<IdleStoreCase> {};

// A file that says otherwise lies where the store would look if it kept anything: loading must not
// read it (the units hidden in memory stay hidden), and saving must neither change it nor create
// another file.
TEST_P(IdleStoreTest, LoadAndSaveChangeNothing) {
  const QByteArray text = "[Defaults]\nHide Temp 0=1\nHide Temp 2=0\nHide Temp 5=0\n";
  WriteBytes(Path("s.ini"), text);
  std::unique_ptr<TQNTStoreCtrl> store;
  if (GetParam().hasStore) {
    store = MakeStore(GetParam().kind);
    GetParam().setUp(*store);
  }
  TQNTTempConvertor c;
  c.SetStoreCtrl(store.get());
  c.Hide(ettCelsius);
  c.Hide(ettRomer);
  const std::vector<bool> before = HiddenFlags(c);

  c.LoadFromStore();
  EXPECT_EQ(HiddenFlags(c), before);
  c.SaveToStore();
  if (store) {
    EXPECT_FALSE(store->Opened());
    store.reset();  // a store writes what it buffered when it goes
  }
  EXPECT_EQ(FolderEntries(), QStringList{"s.ini"});
  EXPECT_EQ(ReadBytes(Path("s.ini")), text);
}

INSTANTIATE_TEST_SUITE_P(Stores, IdleStoreTest, ::testing::ValuesIn(kIdleStores),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HiddenUnitStoreTest, TheBaseConvertorHasNoUnitsToKeep) {
  auto store = MakeStore(eriIniFile);
  TQNTBaseConvertor c;
  c.SetStoreCtrl(store.get());
  c.SaveToStore();
  c.LoadFromStore();
  EXPECT_TRUE(FolderEntries().isEmpty());
}

// ---- What a convertor writes and reads

TEST_F(HiddenUnitStoreTest, DistanceConvertorWritesOnePlainIdentPerUnit) {
  // Display switches change how numbers are shown, never the idents or values in the file.
  DefaultShowPosSign = true;
  DefaultBlankWhenZero = true;
  auto store = MakeStore(eriIniFile);
  TQNTDistConvertor c;
  c.SetStoreCtrl(store.get());
  c.Hide(edtMetres);
  c.SetHidden(7, true);
  c.SetHidden(68, true);
  c.SaveToStore();
  EXPECT_FALSE(store->Opened());

  QByteArray expected = "[Defaults]\n";
  for (int n = 0; n < 69; ++n)
    expected += "Hide Dist " + QByteArray::number(n) + (n == 0 || n == 7 || n == 68 ? "=1\n" : "=0\n");
  EXPECT_EQ(ReadBytes(Path("s.ini")), expected);
  EXPECT_EQ(TQNTIniDocument::Parse(ReadBytes(Path("s.ini"))).Idents("Defaults").size(), 69);
}

TEST_P(HiddenUnitKindTest, EmptyStoreShowsEveryUnitAndWritesNothing) {
  auto store = MakeStore(GetParam());
  const QString file = FileOf(*store);
  TQNTTempConvertor c;
  c.SetStoreCtrl(store.get());
  c.Hide(ettKelvin);
  c.Hide(ettNewton);
  c.LoadFromStore();
  EXPECT_EQ(c.NoHiddenUnits(), 0);
  EXPECT_FALSE(store->Opened());

  // A file that keeps other things (another quantity, another section) is just as empty for it.
  store.reset();
  EXPECT_FALSE(QFileInfo::exists(file));
  QDir().mkpath(QFileInfo(file).absolutePath());
  const QByteArray other = "[Other]\nHide Temp 1=1\n[Defaults]\nHide Dist 1=1\nHide Temp=1\n";
  WriteBytes(file, other);
  store = MakeStore(GetParam());
  c.SetStoreCtrl(store.get());
  c.Hide(ettFahrenheit);
  c.LoadFromStore();
  EXPECT_EQ(c.NoHiddenUnits(), 0);
  store.reset();
  EXPECT_EQ(ReadBytes(file), other);
}

INSTANTIATE_TEST_SUITE_P(Kinds, HiddenUnitKindTest, ::testing::ValuesIn(kRealKinds),
                         [](const auto& info) { return KindName(info.param); });

struct StoredTextCase {
  const char* name;
  const char* line;  ///< the line of unit 2 (degrees Celsius) in a file edited by hand
  bool hidden;
};

const StoredTextCase kStoredTexts[] = {
    {"one", "Hide Temp 2=1", true},
    {"zero", "Hide Temp 2=0", false},
    {"any_other_number", "Hide Temp 2=-7", true},
    {"hexadecimal", "Hide Temp 2=0x10", true},
    {"blanks_around", "  Hide Temp 2 =  1  ", true},
    {"ident_in_other_case", "HIDE TEMP 2=1", true},
    {"no_number", "Hide Temp 2=yes", false},
    {"empty", "Hide Temp 2=", false},
    {"plus_sign_in_ident", "Hide Temp +2=1", false},
};

void PrintTo(const StoredTextCase& c, std::ostream* os) { *os << c.name; }

class StoredTextTest : public HiddenUnitStoreTest, public ::testing::WithParamInterface<StoredTextCase> {};

TEST_P(StoredTextTest, ReadsAsTheHiddenFlag) {
  WriteBytes(Path("s.ini"), QByteArray("[Defaults]\n") + GetParam().line + "\nHide Temp 4=1\n");
  auto store = MakeStore(eriBufferedIniFile);
  TQNTTempConvertor c;
  c.SetStoreCtrl(store.get());
  c.Hide(ettCelsius);
  c.LoadFromStore();
  EXPECT_EQ(c.IsHidden(ettCelsius), GetParam().hidden);
  EXPECT_TRUE(c.IsHidden(ettRankine));
  EXPECT_EQ(c.NoHiddenUnits(), GetParam().hidden ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Texts, StoredTextTest, ::testing::ValuesIn(kStoredTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HiddenUnitStoreTest, LoadingNeitherConvertsNorChangesTheUnits) {
  WriteBytes(Path("s.ini"), "[Defaults]\nHide Temp 0=1\nHide Temp 2=1\n");
  auto store = MakeStore(eriIniFile);
  TQNTTempConvertor c;
  c.SetTempUnitsIn(ettCelsius);
  c.SetValueIn(100);
  const Extended out = c.ValueOut();
  c.SetStoreCtrl(store.get());
  c.LoadFromStore();
  EXPECT_TRUE(c.IsHidden(ettKelvin) && c.IsHidden(ettCelsius));
  EXPECT_EQ(c.TempUnitsIn(), ettCelsius);
  EXPECT_EQ(c.TempUnitsOut(), ettKelvin);
  EXPECT_EQ(c.ValueOut(), out);
  EXPECT_EQ(c.UnitList(false).size(), 6);
}

// ---- Errors

TEST_F(HiddenUnitStoreTest, FileThatCannotBeWrittenRaisesWithItsNameAndTheStoreClosed) {
  // Root writes through permissions: a folder that is a plain file stands in for an unwritable place.
  WriteBytes(Path("blocker"), "not a folder");
  auto store = MakeStore(eriIniFile, "blocker/s.ini");
  TQNTTempConvertor c;
  c.SetStoreCtrl(store.get());
  c.Hide(ettReaumur);
  EXPECT_THAT([&] { c.SaveToStore(); },
              ThrowsMessage<EQNTStoreError>(HasSubstr(Path("blocker/s.ini").toStdString())));
  EXPECT_FALSE(store->Opened());
  EXPECT_EQ(ReadBytes(Path("blocker")), "not a folder");

  // The registry stand-in writes when the store closes; that error reaches the caller too.
  WriteBytes(Path("config"), "not a folder");
  auto registry = MakeStore(eriRegistry);
  c.SetStoreCtrl(registry.get());
  EXPECT_THAT([&] { c.SaveToStore(); },
              ThrowsMessage<EQNTStoreError>(HasSubstr(registry->RegistryFile().toStdString())));
  EXPECT_FALSE(registry->Opened());
  EXPECT_EQ(ReadBytes(Path("config")), "not a folder");
  EXPECT_EQ(c.NoHiddenUnits(), 1);
}

// ---- The link to the store

TEST_F(HiddenUnitStoreTest, LinkFollowsTheStoreAttachedAndIsClearedWhenItIsFreed) {
  auto first = MakeStore(eriIniFile, "first.ini");
  auto second = MakeStore(eriIniFile, "second.ini");
  TQNTTempConvertor c;
  EXPECT_EQ(c.StoreCtrl(), nullptr);
  c.SetStoreCtrl(first.get());
  c.SetStoreCtrl(first.get());
  EXPECT_EQ(c.StoreCtrl(), first.get());
  EXPECT_TRUE(first->NotifyList().isEmpty());  // the store lists preferences components only

  c.SetStoreCtrl(second.get());
  c.Hide(ettDelisle);
  c.SaveToStore();
  EXPECT_TRUE(QFileInfo::exists(Path("second.ini")));
  EXPECT_FALSE(QFileInfo::exists(Path("first.ini")));

  second.reset();
  EXPECT_EQ(c.StoreCtrl(), nullptr);
  c.UnHideAll();
  c.LoadFromStore();  // nothing attached: nothing to read
  c.SaveToStore();
  EXPECT_EQ(c.NoHiddenUnits(), 0);

  c.SetStoreCtrl(first.get());
  c.SetStoreCtrl(nullptr);
  EXPECT_EQ(c.StoreCtrl(), nullptr);
  EXPECT_TRUE(QFileInfo::exists(Path("second.ini")));
  EXPECT_FALSE(QFileInfo::exists(Path("first.ini")));
}

// Stores and convertors destroyed in every order, also through their owners; the sanitizer build
// catches any touch of freed memory. A buffered store writes what the convertor saved when it goes.
struct DestructionCase {
  const char* name;
  void (*run)(const std::function<std::unique_ptr<TQNTStoreCtrl>(QObject*)>& makeStore);
};

void SaveHidden(TQNTBaseConvertor& c, TQNTStoreCtrl* store) {
  c.SetStoreCtrl(store);
  c.SetHidden(ettCelsius, true);
  c.SaveToStore();
}

const DestructionCase kDestructionOrders[] = {
    {"convertor_first",
     [](const auto& makeStore) {
       auto store = makeStore(nullptr);
       auto c = std::make_unique<TQNTTempConvertor>();
       SaveHidden(*c, store.get());
       c.reset();
       EXPECT_TRUE(store->NotifyList().isEmpty());
     }},
    {"store_first",
     [](const auto& makeStore) {
       auto store = makeStore(nullptr);
       TQNTTempConvertor c;
       SaveHidden(c, store.get());
       store.reset();
       EXPECT_EQ(c.StoreCtrl(), nullptr);
       c.SaveToStore();
       c.LoadFromStore();
       c.SetStoreCtrl(nullptr);
     }},
    {"one_owner_store_made_first",
     [](const auto& makeStore) {
       auto owner = std::make_unique<QObject>();
       TQNTStoreCtrl* store = makeStore(owner.get()).release();
       SaveHidden(*new TQNTTempConvertor(owner.get()), store);
     }},
    {"one_owner_convertor_made_first",
     [](const auto& makeStore) {
       auto owner = std::make_unique<QObject>();
       auto* c = new TQNTTempConvertor(owner.get());
       SaveHidden(*c, makeStore(owner.get()).release());
     }},
    {"convertor_owned_by_the_store",
     [](const auto& makeStore) {
       auto store = makeStore(nullptr);
       QPointer<TQNTTempConvertor> c = new TQNTTempConvertor(store.get());
       SaveHidden(*c, store.get());
       store.reset();
       EXPECT_TRUE(c.isNull());
     }},
    {"store_owned_by_the_convertor",
     [](const auto& makeStore) {
       auto c = std::make_unique<TQNTTempConvertor>();
       SaveHidden(*c, makeStore(c.get()).release());
       c.reset();
     }},
    {"every_convertor_on_one_store",
     [](const auto& makeStore) {
       auto store = makeStore(nullptr);
       std::vector<std::unique_ptr<TQNTBaseConvertor>> all;
       for (int q = 0; q < kQuantityCount; ++q)
         all.emplace_back(CreateConvertor(static_cast<TQNTQuantity>(q)))->SetStoreCtrl(store.get());
       SaveHidden(*all[eqTemp], store.get());
       all.erase(all.begin() + 3, all.begin() + 10);
       store.reset();
       for (const auto& c : all) EXPECT_EQ(c->StoreCtrl(), nullptr);
     }},
};

void PrintTo(const DestructionCase& c, std::ostream* os) { *os << c.name; }

class DestructionOrderTest : public HiddenUnitStoreTest,
                             public ::testing::WithParamInterface<DestructionCase> {};

TEST_P(DestructionOrderTest, IsSafeAndKeepsWhatWasSaved) {
  const auto makeStore = [this](QObject* owner) {
    auto store = MakeStore(eriBufferedIniFile);
    store->setParent(owner);
    return store;
  };
  GetParam().run(makeStore);
  const auto doc = TQNTIniDocument::Parse(ReadBytes(Path("s.ini")));
  EXPECT_EQ(doc.Value("Defaults", "Hide Temp 2"), QString("1"));
  EXPECT_EQ(doc.Value("Defaults", "Hide Temp 7"), QString("0"));
}

INSTANTIATE_TEST_SUITE_P(Orders, DestructionOrderTest, ::testing::ValuesIn(kDestructionOrders),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Every unit through each kind of store

TEST_P(HiddenUnitKindTest, EveryUnitsFlagSurvivesSaveAndLoad) {
  // A seeded pattern over all 760 units; each kind writes it once.
  std::mt19937 random(20240517u);
  std::bernoulli_distribution hide(0.3);
  QObject owner;
  std::vector<TQNTBaseConvertor*> saved;
  int units = 0;
  for (int q = 0; q < kQuantityCount; ++q) {
    TQNTBaseConvertor* c = CreateConvertor(static_cast<TQNTQuantity>(q), &owner);
    for (int n = 0; n < c->NoUnits(); ++n) c->SetHidden(n, hide(random));
    units += c->NoUnits();
    saved.push_back(c);
  }
  ASSERT_EQ(units, 760);

  QString file;
  {
    auto store = MakeStore(GetParam());
    file = FileOf(*store);
    for (TQNTBaseConvertor* c : saved) {
      c->SetStoreCtrl(store.get());
      c->SaveToStore();
    }
  }
  EXPECT_EQ(TQNTIniDocument::Parse(ReadBytes(file)).Idents("Defaults").size(), 760);

  // A new store and new convertors that start with every flag the other way round.
  auto store = MakeStore(GetParam());
  for (int q = 0; q < kQuantityCount; ++q) {
    std::unique_ptr<TQNTBaseConvertor> c(CreateConvertor(static_cast<TQNTQuantity>(q)));
    for (int n = 0; n < c->NoUnits(); ++n) c->SetHidden(n, !saved[q]->IsHidden(n));
    c->SetStoreCtrl(store.get());
    c->LoadFromStore();
    EXPECT_EQ(HiddenFlags(*c), HiddenFlags(*saved[q])) << "quantity " << q;
  }
  EXPECT_FALSE(store->Opened());
}

}  // namespace
}  // namespace qnt::test
