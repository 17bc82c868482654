// Test support for the settings store: a fresh temporary folder per test (also the user's
// configuration folder, where the registry stand-in lives), the kit globals pinned and restored, and
// small helpers to read and write files as bytes.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

#include "kit/QNTKITDefaults.h"
#include "store/QNTKITStoreCtrl.h"
#include "store/QNTKITStorePaths.h"
#include "tests/kit/KitFixture.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace qnt::test {

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(f.write(bytes), bytes.size());
}

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fDir.isValid());
    fOldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", Path("config").toLocal8Bit());
    StoreUserNameHook = [] { return std::optional<QString>(QStringLiteral("anna")); };
    CustomColorList.clear();
  }
  void TearDown() override {
    qputenv("XDG_CONFIG_HOME", fOldConfig);
    StoreUserNameHook = nullptr;
    CustomColorList.clear();
    DefaultRaiseDateErrors = fRaiseDateErrors;
    FormatSettings = fFormat;
  }
  QString Path(const QString& name) const { return fDir.path() + u'/' + name; }

  /// A store of the given kind on the INI file `name` in the temporary folder.
  std::unique_ptr<TQNTStoreCtrl> MakeStore(TQNTRegIniType kind,
                                           const QString& name = QStringLiteral("s.ini")) {
    auto store = std::make_unique<TQNTStoreCtrl>();
    store->SetIniFile(Path(name));
    store->SetRegPath(QStringLiteral("\\Software\\Kestrand"));
    store->SetRegIniType(kind);
    return store;
  }

  QTemporaryDir fDir;
  QByteArray fOldConfig;
  KitGlobalsGuard fGuard;
  bool fRaiseDateErrors = DefaultRaiseDateErrors;
  TFormatSettings fFormat = FormatSettings;
};

}  // namespace qnt::test
