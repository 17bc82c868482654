// Nothing is lost when the writing process dies: a real child process writes generation after
// generation of keys and is killed with SIGKILL at a random moment; the file it leaves must parse and
// hold every key with a value that was written, and every line it did not own unchanged.
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include "store/QNTKITIniFile.h"
#include "tests/store/StoreFixture.h"

namespace qnt::test {
namespace {

constexpr int kKeys = 60;

class CrashSafetyTest : public StoreTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CrashSafetyTest, KilledWriterLeavesOldOrNewValues) {
  const std::string kind = GetParam();
  const QString file = kind == "registry" ? Path("config") + "/Software/Kestrand.ini" : Path("s.ini");
  QDir().mkpath(QFileInfo(file).absolutePath());
  QByteArray before = "; kept by hand\n[Other]\nA=1\n\n[Defaults]\n";
  for (int k = 0; k < kKeys; ++k) before += "Key " + QByteArray::number(k) + "=0\n";
  before += "; the end\n";

  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    WriteBytes(file, before);
    QProcess writer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", Path("config"));
    writer.setProcessEnvironment(env);
    writer.start(QStringLiteral(QNT_STORE_WRITER),
                 {QString::fromStdString(kind), file, QString::number(kKeys)});
    ASSERT_TRUE(writer.waitForStarted(10000));
    ASSERT_TRUE(writer.waitForReadyRead(20000)) << writer.readAllStandardError().toStdString();
    ASSERT_EQ(writer.readAllStandardOutput().trimmed(), "ready");
    QThread::msleep(QRandomGenerator::global()->bounded(5, 120));
    writer.kill();  // SIGKILL
    ASSERT_TRUE(writer.waitForFinished(10000));
    ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit);

    const QByteArray after = ReadBytes(file);
    const TQNTIniDocument doc = TQNTIniDocument::Parse(after);
    EXPECT_EQ(doc.Sections(), QStringList({"Other", "Defaults"}));
    EXPECT_EQ(doc.Value("Other", "A"), QString("1"));
    EXPECT_TRUE(after.startsWith("; kept by hand\n[Other]\nA=1\n\n[Defaults]\n"));
    EXPECT_TRUE(after.endsWith("; the end\n"));
    ASSERT_EQ(doc.Idents("Defaults").size(), kKeys);
    // Keys are written in order, generation by generation: a prefix holds generation g, the rest g - 1
    // (a buffered writer replaces them all at once, so all hold one generation).
    std::vector<int> values;
    for (int k = 0; k < kKeys; ++k) {
      const auto text = doc.Value("Defaults", "Key " + QString::number(k));
      ASSERT_TRUE(text.has_value()) << k;
      bool ok = false;
      values.push_back(text->toInt(&ok));
      ASSERT_TRUE(ok) << text->toStdString();
    }
    EXPECT_GE(values.front(), 1);
    EXPECT_LE(values.front() - values.back(), 1);
    EXPECT_TRUE(std::is_sorted(values.rbegin(), values.rend()));
    if (kind != "direct") {
      EXPECT_EQ(values.front(), values.back());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, CrashSafetyTest, ::testing::Values("direct", "buffered", "registry"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace qnt::test
