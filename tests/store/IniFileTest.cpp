// The INI engine: what a write keeps, how lines are matched, and files that are not quite INI files.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <random>

#include "store/QNTKITIniFile.h"
#include "tests/store/StoreFixture.h"

namespace qnt::test {
namespace {

using ::testing::HasSubstr;

class IniFileTest : public StoreTest {};

// ---- Edits keep every other byte

struct EditCase {
  const char* name;
  QByteArray before;
  const char* section;
  const char* ident;
  const char* value;  // null: delete the ident
  QByteArray after;
};

const EditCase kEditCases[] = {
    {"new_file_is_plain_text", "", "Defaults", "Hide Temp 0", "1", "[Defaults]\nHide Temp 0=1\n"},
    {"replaces_value_keeping_comments_and_blank_lines",
     "; settings\n\n[Defaults]\n; why\nA=1\n\nB=2\n[Other]\nA=9\n", "Defaults", "A", "5",
     "; settings\n\n[Defaults]\n; why\nA=5\n\nB=2\n[Other]\nA=9\n"},
    {"ident_and_section_match_without_case_and_keep_the_file_spelling", "[DeFaults]\nHide TEMP 0 = 0\n",
     "defaults", "hide temp 0", "1", "[DeFaults]\nHide TEMP 0=1\n"},
    {"new_ident_follows_the_last_key_of_its_section", "[A]\nx=1\n; about B\n[B]\ny=2\n", "A", "z", "3",
     "[A]\nx=1\nz=3\n; about B\n[B]\ny=2\n"},
    {"new_ident_in_an_empty_section_follows_its_header", "[A]\n\n[B]\n", "A", "k", "v", "[A]\nk=v\n\n[B]\n"},
    {"new_section_is_appended_after_a_blank_line", "[A]\nx=1\n", "B", "k", "v", "[A]\nx=1\n\n[B]\nk=v\n"},
    {"crlf_file_stays_crlf", "[A]\r\nx=1\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
    {"byte_order_mark_is_kept", "\xEF\xBB\xBF[A]\nx=1\n", "A", "x", "2", "\xEF\xBB\xBF[A]\nx=2\n"},
    {"last_line_without_line_end_gets_one", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
    {"same_value_changes_nothing", "[A]\nx = 1 ; not a comment\n", "A", "x", "1 ; not a comment",
     "[A]\nx = 1 ; not a comment\n"},
    {"lines_before_any_section_and_binary_lines_are_kept",
     QByteArray("x=0\n\x01\xFF\xFE\x00junk\n[A]\nx=1\n", 21), "A", "x", "2",
     QByteArray("x=0\n\x01\xFF\xFE\x00junk\n[A]\nx=2\n", 21)},
    {"utf8_values", "[A]\nName=x\n", "A", "Name", "\xD0\x9F\xD1\x83\xD1\x81\xD1\x82\xD0\xBE",
     "[A]\nName=\xD0\x9F\xD1\x83\xD1\x81\xD1\x82\xD0\xBE\n"},
    {"delete_removes_only_that_line", "[A]\nx=1\ny=2\n[B]\nx=3\n", "A", "X", nullptr, "[A]\ny=2\n[B]\nx=3\n"},
    {"first_of_duplicate_sections_is_used", "[A]\nx=1\n[A]\nx=2\n", "A", "x", "7", "[A]\nx=7\n[A]\nx=2\n"},
};

class IniEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(IniEdit, WritesOnlyWhatChanged) {
  const EditCase& c = GetParam();
  TQNTIniDocument doc = TQNTIniDocument::Parse(c.before);
  if (c.value != nullptr) {
    doc.SetValue(QString::fromUtf8(c.section), QString::fromUtf8(c.ident), QString::fromUtf8(c.value));
    EXPECT_EQ(doc.Value(QString::fromUtf8(c.section), QString::fromUtf8(c.ident)),
              QString::fromUtf8(c.value).trimmed());
  } else {
    EXPECT_TRUE(doc.DeleteKey(QString::fromUtf8(c.section), QString::fromUtf8(c.ident)));
  }
  EXPECT_EQ(doc.Serialize(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniEdit, ::testing::ValuesIn(kEditCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniDocument, ReadsTrimmedValuesAndIgnoresWhatIsNoKey) {
  const auto doc = TQNTIniDocument::Parse(
      "junk=before\n[ Defaults ]\n  Hide Temp 0  =  1  \n;x=2\n=3\nnoequals\n[Broken\ny=4\n[Other]\nz=5");
  EXPECT_EQ(doc.Value("Defaults", "Hide Temp 0"), QString("1"));
  EXPECT_EQ(doc.Value("Defaults", ";x"), std::nullopt);
  EXPECT_EQ(doc.Value("Defaults", "y"), QString("4"));  // "[Broken" is no section header
  EXPECT_EQ(doc.Value("Other", "z"), QString("5"));     // the last line needs no line end
  EXPECT_EQ(doc.Value("Missing", "z"), std::nullopt);
  EXPECT_EQ(doc.Sections(), QStringList({"Defaults", "Other"}));
  EXPECT_EQ(doc.Idents("Defaults"), QStringList({"Hide Temp 0", "y"}));
}

TEST(IniDocument, RefusesNamesAndValuesThatWouldNotReadBack) {
  const struct {
    const char* section;
    const char* ident;
    const char* value;
  } bad[] = {
      {"A", "x", "line\nbreak"},
      {"A", "x", "cr\rhere"},
      {"A", "x=y", "1"},
      {"A", "", "1"},
      {"A", "  ", "1"},
      {"A", "[x", "1"},
      {"A", ";x", "1"},
      {"A]", "x", "1"},
      {"", "x", "1"},
      {"A\nB", "x", "1"},
      {"A", "x\ny", "1"},
  };
  for (const auto& b : bad)
    EXPECT_THROW(TQNTIniDocument::CheckWritable(b.section, b.ident, b.value), EQNTStoreError)
        << b.section << "/" << b.ident << "/" << b.value;
  EXPECT_NO_THROW(TQNTIniDocument::CheckWritable("Opts anna", "Hide Temp 0", "a=b;c [d]"));
}

TEST(IniDocument, AnyBytesReadBackUnchangedAndTakeAWriteWithoutLosingOtherKeys) {
  // Random texts built from INI-ish pieces and raw bytes: parsing and writing back is the identity,
  // and one write changes the value of that ident only.
  const QByteArray pieces[] = {"[A]",
                               "[b]",
                               "[",
                               "]",
                               "x",
                               "y",
                               "=",
                               "1",
                               " ",
                               ";",
                               "\n",
                               "\r\n",
                               "\r",
                               "\xEF\xBB\xBF",
                               QByteArray(1, '\0'),
                               "\xFF",
                               "\xD0\x9F",
                               "Hide Temp 0"};
  std::mt19937 random(20240305);
  for (int round = 0; round < 3000; ++round) {
    QByteArray bytes;
    const int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) bytes += pieces[random() % std::size(pieces)];
    TQNTIniDocument doc = TQNTIniDocument::Parse(bytes);
    ASSERT_EQ(doc.Serialize(), bytes) << round;

    const QString section = random() % 2 ? "A" : "b", ident = random() % 2 ? "x" : "Hide Temp 0";
    const QStringList sections = doc.Sections();
    std::vector<std::pair<QString, std::optional<QString>>> others;
    for (const QString& s : sections)
      for (const QString& i : doc.Idents(s)) others.emplace_back(s + u'\x01' + i, doc.Value(s, i));
    doc.SetValue(section, ident, "new value");
    const TQNTIniDocument again = TQNTIniDocument::Parse(doc.Serialize());
    ASSERT_EQ(again.Value(section, ident), QString("new value")) << round;
    for (const auto& [key, value] : others) {
      const QString s = key.section(u'\x01', 0, 0), i = key.section(u'\x01', 1);
      if (s.compare(section, Qt::CaseInsensitive) == 0 && i.compare(ident, Qt::CaseInsensitive) == 0)
        continue;
      ASSERT_EQ(again.Value(s, i), value) << round << " " << key.toStdString();
    }
  }
}

// ---- Files

TEST_F(IniFileTest, DirectReadsSeeOtherWritersAndStripOnePairOfQuotes) {
  const QString file = Path("d.ini");
  TQNTIniFile ini(file);
  WriteBytes(file, "[A]\nq=\"quoted\"\ns='single'\nm=\"mixed'\n");
  EXPECT_EQ(ini.ReadString("A", "q", "-"), "quoted");
  EXPECT_EQ(ini.ReadString("A", "s", "-"), "single");
  EXPECT_EQ(ini.ReadString("A", "m", "-"), "\"mixed'");
  WriteBytes(file, "[A]\nq=changed\n");  // another writer
  EXPECT_EQ(ini.ReadString("A", "q", "-"), "changed");

  TQNTMemIniFile mem(file);
  WriteBytes(file, "[A]\nq=\"later\"\n");
  EXPECT_EQ(mem.ReadString("A", "q", "-"), "changed");  // read once, when made
}

TEST_F(IniFileTest, BufferedWritesReachTheFileOnlyThroughUpdateFile) {
  const QString file = Path("b.ini");
  WriteBytes(file, "; keep me\n[A]\nx=1\n");
  {
    TQNTMemIniFile mem(file);
    mem.WriteString("A", "y", "2");
    EXPECT_TRUE(mem.Modified());
    EXPECT_EQ(ReadBytes(file), "; keep me\n[A]\nx=1\n");
    mem.UpdateFile();
    EXPECT_FALSE(mem.Modified());
  }
  EXPECT_EQ(ReadBytes(file), "; keep me\n[A]\nx=1\ny=2\n");
  {
    TQNTMemIniFile mem(Path("never.ini"));
    EXPECT_EQ(mem.ReadString("A", "x", "d"), "d");
    mem.UpdateFile();  // nothing changed: no file is made
  }
  EXPECT_FALSE(QFileInfo::exists(Path("never.ini")));
}

TEST_F(IniFileTest, UnreadableBinaryAndTruncatedFilesReadAsDefaults) {
  static const char kBinary[] =
      "\x7F"
      "ELF\x02\x01\x01\x00\x00\x00[\xFF\xFE]\x00=\x00\n\x80\x81";
  WriteBytes(Path("binary.ini"), QByteArray(kBinary, sizeof kBinary - 1));
  WriteBytes(Path("truncated.ini"), "[Defaults]\nHide Temp 0=1\nHide Te");
  ASSERT_TRUE(QDir().mkdir(Path("folder.ini")));
  for (const char* name : {"binary.ini", "truncated.ini", "folder.ini", "missing.ini"}) {
    TQNTIniFile direct(Path(name));
    TQNTMemIniFile buffered(Path(name));
    for (TQNTCustomIniFile* ini : std::initializer_list<TQNTCustomIniFile*>{&direct, &buffered}) {
      EXPECT_EQ(ini->ReadString("Defaults", "Hide Te", "d"), "d") << name;
      EXPECT_EQ(ini->ReadString("Defaults", "Hide Temp 1", "d"), "d") << name;
    }
  }
  EXPECT_EQ(TQNTIniFile(Path("truncated.ini")).ReadString("Defaults", "Hide Temp 0", "d"), "1");
}

TEST_F(IniFileTest, WriteToFileThatCannotBeWrittenNamesItAndLeavesItAsItWas) {
  if (geteuid() == 0) {
    // Root writes through permissions; a folder that is a file stands in for an unwritable place.
    const QString blocker = Path("blocker");
    WriteBytes(blocker, "not a folder");
    const QString file = blocker + "/s.ini";
    TQNTIniFile ini(file);
    EXPECT_THAT([&] { ini.WriteString("A", "x", "1"); },
                ::testing::ThrowsMessage<EQNTStoreError>(HasSubstr(file.toStdString())));
    EXPECT_EQ(ReadBytes(blocker), "not a folder");
  }
  // A read-only folder (effective for an ordinary user) and a file that is a folder (for anyone).
  const QString folder = Path("ro");
  ASSERT_TRUE(QDir().mkdir(folder));
  const QString file = folder + "/s.ini";
  WriteBytes(file, "[A]\nx=old\n");
  ASSERT_EQ(chmod(folder.toLocal8Bit().constData(), 0555), 0);
  TQNTIniFile ini(file);
  if (geteuid() != 0) {
    EXPECT_THAT([&] { ini.WriteString("A", "x", "new"); },
                ::testing::ThrowsMessage<EQNTStoreError>(HasSubstr(file.toStdString())));
    EXPECT_EQ(ReadBytes(file), "[A]\nx=old\n");
  }
  chmod(folder.toLocal8Bit().constData(), 0755);

  ASSERT_TRUE(QDir().mkdir(Path("dir.ini")));
  TQNTMemIniFile mem(Path("dir.ini"));
  mem.WriteString("A", "x", "1");
  EXPECT_THAT([&] { mem.UpdateFile(); },
              ::testing::ThrowsMessage<EQNTStoreError>(HasSubstr(Path("dir.ini").toStdString())));
  EXPECT_TRUE(QFileInfo(Path("dir.ini")).isDir());
}

TEST_F(IniFileTest, FileTooLargeToReadIsNeverOverwritten) {
  const QString file = Path("huge.ini");
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(kMaxIniFileSize + 1));
  }
  TQNTIniFile direct(file);
  EXPECT_EQ(direct.ReadString("A", "x", "d"), "d");
  EXPECT_THROW(direct.WriteString("A", "x", "1"), EQNTStoreError);
  TQNTMemIniFile mem(file);
  mem.WriteString("A", "x", "1");
  EXPECT_THROW(mem.UpdateFile(), EQNTStoreError);
  EXPECT_EQ(QFileInfo(file).size(), kMaxIniFileSize + 1);
}

TEST_F(IniFileTest, ReplacingKeepsTheFilePermissions) {
  const QString file = Path("perm.ini");
  WriteBytes(file, "[A]\nx=1\n");
  ASSERT_EQ(chmod(file.toLocal8Bit().constData(), 0600), 0);
  TQNTIniFile(file).WriteString("A", "x", "2");
  struct stat st {};
  ASSERT_EQ(stat(file.toLocal8Bit().constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(ReadBytes(file), "[A]\nx=2\n");
  // No temporary files are left beside it.
  EXPECT_EQ(QDir(fDir.path()).entryList(QDir::Files), QStringList({"perm.ini"}));
}

}  // namespace
}  // namespace qnt::test
