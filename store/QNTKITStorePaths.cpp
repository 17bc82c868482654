// Folder placeholders, the user name and the registry stand-in file.
#include "store/QNTKITStorePaths.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <array>
#include <vector>

namespace qnt {

std::function<std::optional<QString>()> StoreUserNameHook;

namespace {

std::optional<QString> SystemUserName() {
  if (const passwd* pw = getpwuid(geteuid()); pw != nullptr && pw->pw_name != nullptr && *pw->pw_name)
    return QString::fromLocal8Bit(pw->pw_name);
  const QString env = qEnvironmentVariable("USER");
  if (!env.isEmpty()) return env;
  return std::nullopt;
}

QString StripTrailingSeparators(QString folder) {
  while (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\'))) folder.chop(1);
  return folder;
}

QString Writable(QStandardPaths::StandardLocation location) {
  return QStandardPaths::writableLocation(location);
}

QString CommonConfigFolder() {
  // The XDG system configuration folder: the last of the configuration locations, when there are two.
  const QStringList all = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
  return all.size() > 1 ? all.back() : QString();
}

struct TPlaceholder {
  const char16_t* name;
  QString (*folder)();
};

// In the order they are compared.
const std::array<TPlaceholder, 14> kPlaceholders{{
    {u"%APPDIR%", [] { return ProgramFolder(); }},
    {u"%APPDATADIR%", [] { return Writable(QStandardPaths::GenericConfigLocation); }},
    {u"%ALLAPPDATADIR%", [] { return CommonConfigFolder(); }},
    {u"%DOCDIR%", [] { return Writable(QStandardPaths::DocumentsLocation); }},
    {u"%ALLDOCDIR%", [] { return QString(); }},
    {u"%PICTUREDIR%", [] { return Writable(QStandardPaths::PicturesLocation); }},
    {u"%ALLPICTUREDIR%", [] { return QString(); }},
    {u"%MUSICDIR%", [] { return Writable(QStandardPaths::MusicLocation); }},
    {u"%ALLMUSICDIR%", [] { return QString(); }},
    {u"%VideoDIR%", [] { return Writable(QStandardPaths::MoviesLocation); }},
    {u"%ALLVideoDIR%", [] { return QString(); }},
    {u"%TEMPDIR%", [] { return QDir::tempPath(); }},
    {u"%WINDIR%", [] { return QString(); }},
    {u"%SYSDIR%", [] { return QString(); }},
}};

/// The placeholder that begins the text, or null.
const TPlaceholder* MatchPlaceholder(const QString& text) {
  for (const TPlaceholder& p : kPlaceholders)
    if (text.startsWith(QString::fromUtf16(p.name), Qt::CaseInsensitive)) return &p;
  return nullptr;
}

QString FolderOf(const TPlaceholder& p) {
  QString folder = StripTrailingSeparators(p.folder());
  // A folder without any separator is no usable folder: the program folder stands in.
  if (!folder.contains(u'/')) folder = ProgramFolder();
  return folder;
}

}  // namespace

QString CurrentUserName() {
  const std::optional<QString> name = StoreUserNameHook ? StoreUserNameHook() : SystemUserName();
  return name && !name->isEmpty() ? *name : QStringLiteral("qnt");
}

QString ExpandUserPlaceholder(const QString& text, const QString& userName) {
  static const QString kUser = QStringLiteral("%USER%");
  QString result = text;
  qsizetype from = 0;
  while (true) {
    const qsizetype at = result.indexOf(kUser, from, Qt::CaseInsensitive);
    if (at < 0) break;
    result.replace(at, kUser.size(), userName);
    from = at + userName.size();  // never inside the inserted name
  }
  return result;
}

QString ExpandUserPlaceholder(const QString& text) { return ExpandUserPlaceholder(text, CurrentUserName()); }

QString ProgramFolder() {
  QString folder;
  if (QCoreApplication::instance() != nullptr)
    folder = QCoreApplication::applicationDirPath();
  else
    folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
  if (folder.isEmpty()) folder = QDir::currentPath();
  return StripTrailingSeparators(folder);
}

std::optional<QString> PlaceholderFolder(const QString& placeholder) {
  for (const TPlaceholder& p : kPlaceholders)
    if (placeholder.compare(QString::fromUtf16(p.name), Qt::CaseInsensitive) == 0) return FolderOf(p);
  return std::nullopt;
}

QString ExpandPathPlaceholders(const QString& text) {
  if (text.isEmpty()) return {};
  QString path = text;
  if (text.startsWith(u'%')) {
    const TPlaceholder* p = MatchPlaceholder(text);
    if (p == nullptr) return {};
    path = FolderOf(*p) + text.mid(static_cast<qsizetype>(std::char_traits<char16_t>::length(p->name)));
  }
  path.replace(u'\\', u'/');
  QString user = CurrentUserName();
  user.replace(u'/', u'_').replace(u'\\', u'_');
  return ExpandUserPlaceholder(path, user);
}

QString ResolveIniPath(const QString& expandedPath) {
  if (expandedPath.isEmpty()) return {};
  if (QDir::isAbsolutePath(expandedPath)) return expandedPath;
  return ProgramFolder() + u'/' + expandedPath;
}

QString RegistryIniPath(const QString& regPath) {
  QString user = CurrentUserName();
  user.replace(u'/', u'_').replace(u'\\', u'_');
  QString key = ExpandUserPlaceholder(regPath, user);
  key.replace(u'\\', u'/');
  QStringList parts;
  for (const QString& part : key.split(u'/', Qt::SkipEmptyParts))
    if (part != u"." && part != u"..") parts << part;
  if (parts.isEmpty()) return {};
  const QString base =
      StripTrailingSeparators(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  if (base.isEmpty()) return {};
  return base + u'/' + parts.join(u'/') + QStringLiteral(".ini");
}

}  // namespace qnt
