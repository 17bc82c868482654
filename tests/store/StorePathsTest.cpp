// Folder placeholders, the user expansion and the registry stand-in file.
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "tests/store/StoreFixture.h"

namespace qnt::test {
namespace {

class StorePathsTest : public StoreTest {};

QString Loc(QStandardPaths::StandardLocation l) { return QStandardPaths::writableLocation(l); }

TEST_F(StorePathsTest, PlaceholdersMapToThisPlatformsFolders) {
  const QString app = QCoreApplication::applicationDirPath();
  const struct {
    const char* text;
    QString expected;
  } cases[] = {
      {"%AppDir%\\qntkit.ini", app + "/qntkit.ini"},
      {"%appdir%\\a.ini", app + "/a.ini"},
      {"%APPDIR%\\a.ini", app + "/a.ini"},
      {"%APPDATADIR%\\QNT\\a.ini", Path("config") + "/QNT/a.ini"},
      {"%DOCDIR%/a.ini", Loc(QStandardPaths::DocumentsLocation) + "/a.ini"},
      {"%PICTUREDIR%\\a.ini", Loc(QStandardPaths::PicturesLocation) + "/a.ini"},
      {"%MUSICDIR%\\a.ini", Loc(QStandardPaths::MusicLocation) + "/a.ini"},
      {"%videodir%\\a.ini", Loc(QStandardPaths::MoviesLocation) + "/a.ini"},
      {"%TEMPDIR%x.ini", QDir::tempPath() + "x.ini"},  // the folder carries no trailing separator
      {"%TEMPDIR%\\x.ini", QDir::tempPath() + "/x.ini"},
      // Folders this platform does not have stand for the program folder.
      {"%ALLDOCDIR%\\a.ini", app + "/a.ini"},
      {"%ALLPICTUREDIR%\\a.ini", app + "/a.ini"},
      {"%ALLMUSICDIR%\\a.ini", app + "/a.ini"},
      {"%ALLVIDEODIR%\\a.ini", app + "/a.ini"},
      {"%WINDIR%\\a.ini", app + "/a.ini"},
      {"%SYSDIR%\\a.ini", app + "/a.ini"},
      // Not placeholders.
      {"", ""},
      {"/etc/x\\y.ini", "/etc/x/y.ini"},
      {"rel\\a.ini", "rel/a.ini"},
      {"%NOSUCHDIR%\\a.ini", ""},
      {"%APPDIR", ""},
      {"%", ""},
      // The user expansion comes last.
      {"%TEMPDIR%\\%user%.ini", QDir::tempPath() + "/anna.ini"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExpandPathPlaceholders(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST_F(StorePathsTest, EveryPlaceholderGivesAFolderWithoutTrailingSeparator) {
  for (const char* p : {"%APPDIR%", "%APPDATADIR%", "%ALLAPPDATADIR%", "%DOCDIR%", "%ALLDOCDIR%",
                        "%PICTUREDIR%", "%ALLPICTUREDIR%", "%MUSICDIR%", "%ALLMUSICDIR%", "%VideoDIR%",
                        "%ALLVideoDIR%", "%TEMPDIR%", "%WINDIR%", "%SYSDIR%"}) {
    const auto folder = PlaceholderFolder(QString::fromUtf8(p));
    ASSERT_TRUE(folder.has_value()) << p;
    EXPECT_TRUE(folder->startsWith(u'/')) << p << " " << folder->toStdString();
    EXPECT_FALSE(folder->size() > 1 && folder->endsWith(u'/')) << p;
  }
  EXPECT_FALSE(PlaceholderFolder("%HOME%").has_value());
}

TEST_F(StorePathsTest, UserExpansion) {
  const struct {
    const char* text;
    const char* user;
    const char* expected;
  } cases[] = {
      {"Opts %USER%", "anna", "Opts anna"},
      {"%user%/%User%", "bo", "bo/bo"},
      {"no placeholder", "anna", "no placeholder"},
      {"%USER", "anna", "%USER"},
      // A name holding the placeholder is inserted once: the expansion ends.
      {"Opts %USER% and %USER%", "x%USER%y", "Opts x%USER%y and x%USER%y"},
      {"%USER%", "%user%", "%user%"},
      {"%USER%", "", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExpandUserPlaceholder(QString::fromUtf8(c.text), QString::fromUtf8(c.user)),
              QString::fromUtf8(c.expected))
        << c.text << " / " << c.user;
}

TEST_F(StorePathsTest, UserNameFallsBackToQnt) {
  EXPECT_EQ(CurrentUserName(), "anna");
  StoreUserNameHook = [] { return std::optional<QString>(); };
  EXPECT_EQ(CurrentUserName(), "qnt");
  EXPECT_EQ(ExpandUserPlaceholder("Opts %USER%"), "Opts qnt");
  StoreUserNameHook = [] { return std::optional<QString>(QString()); };
  EXPECT_EQ(CurrentUserName(), "qnt");
  StoreUserNameHook = nullptr;
  EXPECT_FALSE(CurrentUserName().isEmpty());  // the real logon name
}

TEST_F(StorePathsTest, UserNameInAPathCannotAddFolders) {
  StoreUserNameHook = [] { return std::optional<QString>(QStringLiteral("../x\\y")); };
  EXPECT_EQ(ExpandPathPlaceholders("%TEMPDIR%\\%USER%.ini"), QDir::tempPath() + "/.._x_y.ini");
  EXPECT_EQ(RegistryIniPath("\\Software\\%USER%"), Path("config") + "/Software/.._x_y.ini");
}

TEST_F(StorePathsTest, RegistryKeyBecomesAFileInTheUsersConfigurationFolder) {
  const QString config = Path("config");
  EXPECT_EQ(RegistryIniPath("\\Software\\Kestrand"), config + "/Software/Kestrand.ini");
  EXPECT_EQ(RegistryIniPath("Software/Kestrand/"), config + "/Software/Kestrand.ini");
  EXPECT_EQ(RegistryIniPath("\\Software\\..\\..\\etc\\.\\x"), config + "/Software/etc/x.ini");
  EXPECT_EQ(RegistryIniPath("\\Software\\%USER%"), config + "/Software/anna.ini");
  EXPECT_EQ(RegistryIniPath("\\"), "");
  EXPECT_EQ(RegistryIniPath(""), "");
}

TEST_F(StorePathsTest, RelativeIniPathIsTakenFromTheProgramFolder) {
  EXPECT_EQ(ResolveIniPath("a/b.ini"), QCoreApplication::applicationDirPath() + "/a/b.ini");
  EXPECT_EQ(ResolveIniPath("/x/b.ini"), "/x/b.ini");
  EXPECT_EQ(ResolveIniPath(""), "");
}

}  // namespace
}  // namespace qnt::test
