// The INI engine of the settings store.
#include "store/QNTKITIniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "store/QNTKITStoreStrings.h"

namespace qnt {

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

std::u16string ToU16(const QString& s) { return s.toStdU16String(); }

[[noreturn]] void RaiseStore(const QString& message) { throw EQNTStoreError(ToU16(message)); }

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

/// Blanks as the original platform trimmed them: every character up to the space.
QString TrimBlanks(QStringView s) {
  qsizetype b = 0, e = s.size();
  while (b < e && s[b].unicode() <= 32) ++b;
  while (e > b && s[e - 1].unicode() <= 32) --e;
  return s.mid(b, e - b).toString();
}

bool HasLineBreak(const QString& s) {
  return s.contains(u'\n') || s.contains(u'\r') || s.contains(QChar(u'\0'));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TQNTIniDocument

TQNTIniDocument::Line TQNTIniDocument::MakeLine(QByteArray raw, QByteArray eol) {
  Line line;
  line.raw = std::move(raw);
  line.eol = std::move(eol);
  const QString text = TrimBlanks(QString::fromUtf8(line.raw));
  if (text.startsWith(u'[')) {
    const auto close = text.indexOf(u']');
    if (close > 0) {
      line.kind = Kind::Section;
      line.name = TrimBlanks(QStringView(text).mid(1, close - 1));
    }
  } else if (!text.startsWith(u';')) {
    const auto eq = text.indexOf(u'=');
    if (eq > 0) {
      QString ident = TrimBlanks(QStringView(text).left(eq));
      if (!ident.isEmpty()) {
        line.kind = Kind::Key;
        line.name = std::move(ident);
        line.value = TrimBlanks(QStringView(text).mid(eq + 1));
      }
    }
  }
  return line;
}

TQNTIniDocument TQNTIniDocument::Parse(const QByteArray& bytes) {
  TQNTIniDocument doc;
  qsizetype pos = 0;
  if (bytes.startsWith(kBom)) {
    doc.fBom = true;
    pos = kBom.size();
  }
  while (pos < bytes.size()) {
    const qsizetype nl = bytes.indexOf('\n', pos);
    if (nl < 0) {
      doc.fLines.push_back(MakeLine(bytes.mid(pos), {}));
      break;
    }
    qsizetype end = nl;
    QByteArray eol("\n");
    if (end > pos && bytes[end - 1] == '\r') {
      --end;
      eol = "\r\n";
    }
    doc.fLines.push_back(MakeLine(bytes.mid(pos, end - pos), eol));
    pos = nl + 1;
  }
  return doc;
}

QByteArray TQNTIniDocument::Serialize() const {
  QByteArray out;
  if (fBom) out += kBom;
  for (const Line& line : fLines) {
    out += line.raw;
    out += line.eol;
  }
  return out;
}

std::ptrdiff_t TQNTIniDocument::FindSection(const QString& section) const {
  const QString name = TrimBlanks(section);
  for (std::size_t i = 0; i < fLines.size(); ++i)
    if (fLines[i].kind == Kind::Section && SameName(fLines[i].name, name))
      return static_cast<std::ptrdiff_t>(i);
  return -1;
}

std::ptrdiff_t TQNTIniDocument::FindKey(std::ptrdiff_t header, const QString& ident) const {
  const QString name = TrimBlanks(ident);
  for (auto i = static_cast<std::size_t>(header) + 1; i < fLines.size(); ++i) {
    if (fLines[i].kind == Kind::Section) break;
    if (fLines[i].kind == Kind::Key && SameName(fLines[i].name, name)) return static_cast<std::ptrdiff_t>(i);
  }
  return -1;
}

QByteArray TQNTIniDocument::NewLineBytes() const {
  // New lines follow the file's own convention.
  for (const Line& line : fLines)
    if (!line.eol.isEmpty()) return line.eol;
  return "\n";
}

std::optional<QString> TQNTIniDocument::Value(const QString& section, const QString& ident) const {
  const auto header = FindSection(section);
  if (header < 0) return std::nullopt;
  const auto key = FindKey(header, ident);
  if (key < 0) return std::nullopt;
  return fLines[static_cast<std::size_t>(key)].value;
}

bool TQNTIniDocument::SetValue(const QString& section, const QString& ident, const QString& value) {
  const QString trimmedValue = TrimBlanks(value);
  const QByteArray nl = NewLineBytes();
  auto header = FindSection(section);
  if (header >= 0) {
    if (const auto key = FindKey(header, ident); key >= 0) {
      Line& line = fLines[static_cast<std::size_t>(key)];
      if (line.value == trimmedValue) return false;
      // The ident keeps the spelling the file has.
      line = MakeLine(line.name.toUtf8() + '=' + value.toUtf8(), line.eol);
      return true;
    }
    // After the section's last key, so comments that lead into the next section stay with it.
    auto at = static_cast<std::size_t>(header);
    for (auto i = at + 1; i < fLines.size() && fLines[i].kind != Kind::Section; ++i)
      if (fLines[i].kind == Kind::Key) at = i;
    if (fLines[at].eol.isEmpty()) fLines[at].eol = nl;
    fLines.insert(fLines.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                  MakeLine(TrimBlanks(ident).toUtf8() + '=' + value.toUtf8(), nl));
    return true;
  }
  if (!fLines.empty()) {
    if (fLines.back().eol.isEmpty()) fLines.back().eol = nl;  // a last line without its line end
    if (!fLines.back().raw.trimmed().isEmpty()) fLines.push_back(MakeLine({}, nl));
  }
  fLines.push_back(MakeLine('[' + TrimBlanks(section).toUtf8() + ']', nl));
  fLines.push_back(MakeLine(TrimBlanks(ident).toUtf8() + '=' + value.toUtf8(), nl));
  return true;
}

bool TQNTIniDocument::DeleteKey(const QString& section, const QString& ident) {
  const auto header = FindSection(section);
  if (header < 0) return false;
  const auto key = FindKey(header, ident);
  if (key < 0) return false;
  fLines.erase(fLines.begin() + key);
  return true;
}

QStringList TQNTIniDocument::Sections() const {
  QStringList out;
  for (const Line& line : fLines)
    if (line.kind == Kind::Section) out << line.name;
  return out;
}

QStringList TQNTIniDocument::Idents(const QString& section) const {
  QStringList out;
  const auto header = FindSection(section);
  if (header < 0) return out;
  for (auto i = static_cast<std::size_t>(header) + 1; i < fLines.size() && fLines[i].kind != Kind::Section;
       ++i)
    if (fLines[i].kind == Kind::Key) out << fLines[i].name;
  return out;
}

void TQNTIniDocument::CheckWritable(const QString& section, const QString& ident, const QString& value) {
  for (const QString* s : {&section, &ident, &value})
    if (HasLineBreak(*s))
      RaiseStore(StoreMessage(stLineBreak, QString(*s).replace(u'\n', u' ').replace(u'\r', u' ')));
  const QString id = TrimBlanks(ident);
  if (id.isEmpty() || id.contains(u'=') || id.startsWith(u'[') || id.startsWith(u';'))
    RaiseStore(StoreMessage(stBadIdent, ident));
  const QString sec = TrimBlanks(section);
  if (sec.isEmpty() || sec.contains(u']')) RaiseStore(StoreMessage(stBadSection, section));
}

// ---------------------------------------------------------------------------------------------
// Files

TQNTFileRead ReadIniBytes(const QString& fileName, QByteArray& bytes) {
  bytes.clear();
  const QFileInfo info(fileName);
  if (!info.exists()) return TQNTFileRead::Missing;  // also a dangling link: nothing there to lose
  if (!info.isFile() || info.size() > kMaxIniFileSize) return TQNTFileRead::Unreadable;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return TQNTFileRead::Unreadable;
  bytes = file.readAll();  // the size was checked above; a file that grew meanwhile is checked below
  if (bytes.size() > kMaxIniFileSize || file.error() != QFileDevice::NoError) {
    bytes.clear();
    return TQNTFileRead::Unreadable;
  }
  return TQNTFileRead::Loaded;
}

void WriteIniBytes(const QString& fileName, const QByteArray& bytes, bool makeFolder) {
  const auto fail = [&](const QString& reason) {
    RaiseStore(StoreMessage(stWriteError, QDir::toNativeSeparators(fileName)) + QStringLiteral(": ") +
               reason);
  };
  if (fileName.isEmpty()) fail(QStringLiteral("no file name"));
  if (makeFolder) QDir().mkpath(QFileInfo(fileName).absolutePath());
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) fail(file.errorString());
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    fail(reason);
  }
  if (!file.commit()) fail(file.errorString());
}

// ---------------------------------------------------------------------------------------------
// TQNTIniFile

QString TQNTIniFile::ReadString(const QString& section, const QString& ident, const QString& defaultValue) {
  QByteArray bytes;
  if (ReadIniBytes(fFileName, bytes) != TQNTFileRead::Loaded) return defaultValue;
  const auto value = TQNTIniDocument::Parse(bytes).Value(section, ident);
  if (!value) return defaultValue;
  QString text = *value;
  if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') && text.back() == text.front())
    text = text.mid(1, text.size() - 2);
  return text;
}

TQNTIniDocument TQNTIniFile::LoadForChange() const {
  QByteArray bytes;
  if (ReadIniBytes(fFileName, bytes) == TQNTFileRead::Unreadable)
    RaiseStore(StoreMessage(stWriteError, QDir::toNativeSeparators(fFileName)) + QStringLiteral(": ") +
               StoreText(stUnreadableFile));
  return TQNTIniDocument::Parse(bytes);
}

void TQNTIniFile::WriteString(const QString& section, const QString& ident, const QString& value) {
  TQNTIniDocument::CheckWritable(section, ident, value);
  TQNTIniDocument doc = LoadForChange();
  if (doc.SetValue(section, ident, value)) WriteIniBytes(fFileName, doc.Serialize());
}

void TQNTIniFile::DeleteKey(const QString& section, const QString& ident) {
  QByteArray bytes;
  if (ReadIniBytes(fFileName, bytes) != TQNTFileRead::Loaded) return;  // nothing there to delete
  TQNTIniDocument doc = TQNTIniDocument::Parse(bytes);
  if (doc.DeleteKey(section, ident)) WriteIniBytes(fFileName, doc.Serialize());
}

// ---------------------------------------------------------------------------------------------
// TQNTMemIniFile

TQNTMemIniFile::TQNTMemIniFile(QString fileName, bool makeFolder)
    : TQNTCustomIniFile(std::move(fileName)), fMakeFolder(makeFolder) {
  QByteArray bytes;
  fUnreadable = ReadIniBytes(fFileName, bytes) == TQNTFileRead::Unreadable;
  fDoc = TQNTIniDocument::Parse(bytes);
}

QString TQNTMemIniFile::ReadString(const QString& section, const QString& ident,
                                   const QString& defaultValue) {
  return fDoc.Value(section, ident).value_or(defaultValue);
}

void TQNTMemIniFile::WriteString(const QString& section, const QString& ident, const QString& value) {
  TQNTIniDocument::CheckWritable(section, ident, value);
  if (fDoc.SetValue(section, ident, value)) fModified = true;
}

void TQNTMemIniFile::DeleteKey(const QString& section, const QString& ident) {
  if (fDoc.DeleteKey(section, ident)) fModified = true;
}

void TQNTMemIniFile::UpdateFile() {
  if (!fModified) return;
  if (fUnreadable) {
    // The file held something that could not be read when it was loaded: writing the buffer would
    // replace it, so it is left alone and the changes are reported as not written.
    RaiseStore(StoreMessage(stWriteError, QDir::toNativeSeparators(fFileName)) + QStringLiteral(": ") +
               StoreText(stUnreadableFile));
  }
  WriteIniBytes(fFileName, fDoc.Serialize(), fMakeFolder);
  fModified = false;
}

}  // namespace qnt
