// Fuzzes what the settings store reads from files: any bytes parse as an INI text that writes back
// byte for byte, a write of one ident reads back and leaves every other ident as it was, and the date
// and time readers take any text without a crash, giving only valid dates and times of day.
#include <QString>
#include <cmath>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "store/QNTKITDateText.h"
#include "store/QNTKITIniFile.h"

using namespace qnt;
using qnt::fuzz::TBytes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TBytes bytes(data, size);
  const std::uint8_t choice = bytes.Byte();
  const std::string_view rest = bytes.Rest();
  const QByteArray text(rest.data(), static_cast<qsizetype>(rest.size()));

  TQNTIniDocument doc = TQNTIniDocument::Parse(text);
  QNT_FUZZ_CHECK(doc.Serialize() == text, "parse and write back is the identity");

  // Every ident of every section, with its value, before one write.
  struct TEntry {
    QString section, ident;
    std::optional<QString> value;
  };
  std::vector<TEntry> before;
  for (const QString& s : doc.Sections())
    for (const QString& i : doc.Idents(s)) before.push_back({s, i, doc.Value(s, i)});
  const QString section =
      (choice & 1) && !before.empty() ? before[choice % before.size()].section : "Defaults";
  const QString ident =
      (choice & 2) && !before.empty() ? before[choice % before.size()].ident : "Hide Temp 0";
  try {
    TQNTIniDocument::CheckWritable(section, ident, "1");
  } catch (const EQNTStoreError&) {
    return 0;  // a name the file form cannot hold is refused before any change
  }
  doc.SetValue(section, ident, "1");
  const TQNTIniDocument again = TQNTIniDocument::Parse(doc.Serialize());
  QNT_FUZZ_CHECK(again.Value(section, ident) == QString("1"), ident.toStdString());
  for (const TEntry& e : before) {
    if (e.section.compare(section, Qt::CaseInsensitive) == 0 &&
        e.ident.compare(ident, Qt::CaseInsensitive) == 0)
      continue;
    QNT_FUZZ_CHECK(again.Value(e.section, e.ident) == e.value,
                   e.section.toStdString() + "/" + e.ident.toStdString());
  }

  const QString asText = QString::fromUtf8(text).trimmed();
  if (const auto date = ParseDateText(asText, choice & 4 ? "dd/mm/yyyy" : "yyyy/mm/dd")) {
    QDate d;
    QTime t;
    QNT_FUZZ_CHECK(DecodeDateTime(*date, d, t) && *date == std::floor(*date), asText.toStdString());
  }
  if (const auto time = ParseTimeText(asText)) QNT_FUZZ_CHECK(*time >= 0 && *time < 1, asText.toStdString());
  return 0;
}
