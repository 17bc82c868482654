// The settings store component.
#include "store/QNTKITStoreCtrl.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtGlobal>
#include <algorithm>
#include <charconv>
#include <string>

#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITNumText.h"
#include "store/QNTKITStorePaths.h"
#include "store/QNTKITStoreStrings.h"

namespace qnt {

QStringList CustomColorList;

namespace {

constexpr int kCustomColourCount = 16;

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

/// The stored text as an integer: decimal, or hexadecimal after "0x" or "$"; the default otherwise.
std::int32_t IntegerOf(QString text, std::int32_t defaultValue) {
  if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) text.replace(0, 2, u'$');
  return TextToIntDef(text.toStdU16String(), defaultValue);
}

/// The form the store writes floats in ("-1.5", "2e-7", "12"), read exactly; nullopt otherwise.
std::optional<double> PlainFloat(const QString& text) {
  static const QRegularExpression kPlain(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
  const QString t = text.trimmed();
  if (!kPlain.match(t).hasMatch()) return std::nullopt;
  std::string ascii = t.toStdString();
  if (!ascii.empty() && ascii.front() == '+') ascii.erase(0, 1);
  double value = 0;
  const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (ec != std::errc() || ptr != ascii.data() + ascii.size()) return std::nullopt;
  return value;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TQNTStoreLink

TQNTStoreLink::~TQNTStoreLink() {
  if (fStore) fStore->RemoveFromNotifyList(fOwner);
}

bool TQNTStoreLink::Set(TQNTStoreCtrl* store) {
  if (store == fStore.data()) return false;
  if (fStore) fStore->RemoveFromNotifyList(fOwner);
  fStore = store;
  if (store != nullptr) store->AddToNotifyList(fOwner);
  return true;
}

// ---------------------------------------------------------------------------------------------
// TQNTStoreCtrl

TQNTStoreCtrl::TQNTStoreCtrl(QObject* owner)
    : QObject(owner),
      fRegIniType(DefaultRegIniType),
      fRegPath(Q(DefaultRegPath)),
      fRegSection(Q(DefaultRegSection)),
      fIniFile(Q(DefaultIniFile)),
      fIniSection(Q(DefaultIniSection)) {}

TQNTStoreCtrl::~TQNTStoreCtrl() {
  try {
    UpdateFile();
  } catch (const EQNTError& e) {
    qWarning("%s", e.what());
  }
  fReg.reset();
  fIni.reset();
  fOpened = false;
}

QString TQNTStoreCtrl::Version() const { return QString::fromUtf16(kKitVersion); }

void TQNTStoreCtrl::SetIniSection(const QString& value) {
  if (value == fIniSection) return;
  fIniSection = value;
  RecomputeSection();
}

void TQNTStoreCtrl::SetRegSection(const QString& value) {
  if (value == fRegSection) return;
  fRegSection = value;
  RecomputeSection();
}

void TQNTStoreCtrl::RecomputeSection() {
  switch (fRegIniType) {
    case eriRegistry: fSection = ExpandRegSection(); break;
    case eriIniFile:
    case eriBufferedIniFile: fSection = ExpandIniSection(); break;
    default: break;
  }
}

void TQNTStoreCtrl::SetRegIniType(TQNTRegIniType value) {
  if (value == fRegIniType) return;
  ReleaseStorage();
  fRegIniType = value;
  RecomputeSection();
}

void TQNTStoreCtrl::ReleaseStorage() {
  // A held buffered INI is written first: when that fails nothing has changed and nothing is lost.
  if (fIni && fIniBuffered) fIni->UpdateFile();
  fIni.reset();
  fOpened = false;
  std::unique_ptr<TQNTMemIniFile> reg = std::move(fReg);
  if (reg) reg->UpdateFile();
}

// ---- Notify list

void TQNTStoreCtrl::AddToNotifyList(QObject* value) {
  auto* listener = dynamic_cast<IQNTStoreListener*>(value);
  if (listener == nullptr) return;
  fNotifyList.removeIf([](const TListener& e) { return e.object.isNull(); });
  fNotifyList.append({QPointer<QObject>(value), listener});
}

void TQNTStoreCtrl::RemoveFromNotifyList(QObject* value) {
  const auto it = std::find_if(fNotifyList.begin(), fNotifyList.end(),
                               [value](const TListener& e) { return e.object.data() == value; });
  if (it != fNotifyList.end()) fNotifyList.erase(it);
}

QList<QObject*> TQNTStoreCtrl::NotifyList() const {
  QList<QObject*> out;
  for (const TListener& e : fNotifyList)
    if (e.object) out << e.object.data();
  return out;
}

void TQNTStoreCtrl::LoadFromStore() {
  // Over a copy: a component may leave the list, or be destroyed, while the list is walked.
  const QList<TListener> listeners = fNotifyList;
  for (const TListener& e : listeners)
    if (e.object) e.listener->LoadFromStore();
}

void TQNTStoreCtrl::SaveToStore() {
  const QList<TListener> listeners = fNotifyList;
  for (const TListener& e : listeners)
    if (e.object) e.listener->SaveToStore();
}

// ---- Expansion

QString TQNTStoreCtrl::ExpandIniFile() const { return ExpandPathPlaceholders(fIniFile); }
QString TQNTStoreCtrl::ExpandIniSection() const { return ExpandUserPlaceholder(fIniSection); }
QString TQNTStoreCtrl::ExpandRegPath() const { return ExpandPathPlaceholders(fRegPath); }
QString TQNTStoreCtrl::ExpandRegSection() const { return ExpandUserPlaceholder(fRegSection); }
QString TQNTStoreCtrl::RegistryFile() const { return RegistryIniPath(fRegPath); }

// ---- Opening

void TQNTStoreCtrl::OpenStorage() {
  CloseStorage();
  switch (fRegIniType) {
    case eriRegistry: {
      if (fRegPath.isEmpty() || fRegSection.isEmpty()) return;
      const QString file = RegistryFile();
      const QString section = ExpandRegSection();
      if (file.isEmpty() || section.isEmpty()) return;
      fReg = std::make_unique<TQNTMemIniFile>(file, /*makeFolder=*/true);
      fSection = section;
      fOpened = true;
      return;
    }
    case eriIniFile:
    case eriBufferedIniFile: {
      const bool buffered = fRegIniType == eriBufferedIniFile;
      if (buffered && fIni) return;  // the buffer stays in use, with its section
      if (fIniFile.isEmpty() || fIniSection.isEmpty()) return;
      // An unknown placeholder expands to nothing: no storage, rather than a file with an empty name.
      const QString file = ResolveIniPath(ExpandIniFile());
      const QString section = ExpandIniSection();
      if (file.isEmpty() || section.isEmpty()) return;
      QDir().mkdir(QFileInfo(file).absolutePath());  // one level; a failure shows when writing
      if (buffered)
        fIni = std::make_unique<TQNTMemIniFile>(file);
      else
        fIni = std::make_unique<TQNTIniFile>(file);
      fIniBuffered = buffered;
      fSection = section;
      fOpened = true;
      return;
    }
    default: return;
  }
}

void TQNTStoreCtrl::CloseStorage() {
  std::unique_ptr<TQNTMemIniFile> reg = std::move(fReg);
  if (fRegIniType == eriIniFile) fIni.reset();
  fOpened = false;
  if (reg) reg->UpdateFile();  // freed when this returns, also when the write fails
}

QString TQNTStoreCtrl::StorageFile() const {
  if (fReg) return fReg->FileName();
  if (fIni) return fIni->FileName();
  return {};
}

void TQNTStoreCtrl::UpdateFile() {
  if (fIni && fIniBuffered) fIni->UpdateFile();
  if (fReg) fReg->UpdateFile();
}

bool TQNTStoreCtrl::IsRealKind() const {
  return fRegIniType == eriRegistry || fRegIniType == eriIniFile || fRegIniType == eriBufferedIniFile;
}

TQNTCustomIniFile* TQNTStoreCtrl::Storage() {
  if (!fOpened) OpenStorage();
  switch (fRegIniType) {
    case eriRegistry: return fReg.get();
    case eriIniFile:
    case eriBufferedIniFile: return fIni.get();
    default: return nullptr;
  }
}

// ---- Reads and writes

QString TQNTStoreCtrl::ReadString(const QString& ident, const QString& defaultValue) {
  TQNTCustomIniFile* s = Storage();
  if (s != nullptr) return s->ReadString(fSection, ident, defaultValue);
  return IsRealKind() ? defaultValue : QString();
}

void TQNTStoreCtrl::WriteString(const QString& ident, const QString& value) {
  if (TQNTCustomIniFile* s = Storage()) s->WriteString(fSection, ident, value);
}

bool TQNTStoreCtrl::ReadBoolean(const QString& ident, bool defaultValue) {
  TQNTCustomIniFile* s = Storage();
  if (s == nullptr) return IsRealKind() && defaultValue;
  return IntegerOf(s->ReadString(fSection, ident, QString()), defaultValue ? 1 : 0) != 0;
}

void TQNTStoreCtrl::WriteBoolean(const QString& ident, bool value) {
  WriteString(ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

std::int32_t TQNTStoreCtrl::ReadInteger(const QString& ident, std::int32_t defaultValue) {
  TQNTCustomIniFile* s = Storage();
  if (s == nullptr) return defaultValue;
  return IntegerOf(s->ReadString(fSection, ident, QString()), defaultValue);
}

void TQNTStoreCtrl::WriteInteger(const QString& ident, std::int32_t value) {
  WriteString(ident, QString::number(value));
}

double TQNTStoreCtrl::ReadFloat(const QString& ident, double defaultValue) {
  TQNTCustomIniFile* s = Storage();
  if (s == nullptr) return defaultValue;
  const QString text = s->ReadString(fSection, ident, QString());
  if (const auto plain = PlainFloat(text)) return *plain;
  return TextToDoubleOrDefault(text.toStdU16String(), defaultValue);  // the locale's form
}

void TQNTStoreCtrl::WriteFloat(const QString& ident, double value, std::uint8_t decimals) {
  std::u16string text;
  {
    TQNTGlobalOverride<bool> noSign(DefaultShowPosSign, false);
    TQNTGlobalOverride<bool> noBlank(DefaultBlankWhenZero, false);
    TQNTSeparatorScope plain(u'.', u',');
    text = FloatToTrimmedText(value, decimals);
  }
  WriteString(ident, Q(text));
}

void TQNTStoreCtrl::WriteDateText(const QString& ident, const std::function<QString()>& makeText) {
  QString text;
  try {
    text = makeText();
  } catch (const EConvertError&) {
    if (DefaultRaiseDateErrors) throw;
    text.clear();
  }
  WriteString(ident, text);
}

void TQNTStoreCtrl::WriteDate(const QString& ident, TDateTime value) {
  WriteDateText(ident, [value] { return IsoDateText(value); });
}

void TQNTStoreCtrl::WriteDate(const QString& ident, const QString& dateFormat, TDateTime value) {
  WriteDateText(ident, [&] { return FormatDateTimeText(dateFormat, value); });
}

void TQNTStoreCtrl::WriteTime(const QString& ident, TDateTime value) {
  WriteDateText(ident, [value] { return IsoTimeText(value); });
}

void TQNTStoreCtrl::WriteTime(const QString& ident, const QString& timeFormat, TDateTime value) {
  WriteDateText(ident, [&] { return FormatDateTimeText(timeFormat, value); });
}

TDateTime TQNTStoreCtrl::ReadDateWith(const QString& ident, const QString& dateFormat,
                                      TDateTime defaultValue) {
  const QString stored = ReadString(ident, QString());
  const QString text = stored.trimmed();
  if (text.isEmpty()) return defaultValue;
  if (const auto date = ParseDateText(text, dateFormat)) return *date;
  if (!DefaultRaiseDateErrors) return defaultValue;
  throw EConvertError((StoreText(stInvalidDate) + QStringLiteral(" - ") + stored).toStdU16String());
}

TDateTime TQNTStoreCtrl::ReadDate(const QString& ident, TDateTime defaultValue) {
  return ReadDateWith(ident, Q(FormatSettings.ShortDateFormat), defaultValue);
}

TDateTime TQNTStoreCtrl::ReadDate(const QString& ident, const QString& dateFormat, TDateTime defaultValue) {
  return ReadDateWith(ident, dateFormat, defaultValue);
}

TDateTime TQNTStoreCtrl::ReadTime(const QString& ident, TDateTime defaultValue) {
  const QString stored = ReadString(ident, QString());
  const QString text = stored.trimmed();
  if (text.isEmpty()) return defaultValue;
  if (const auto time = ParseTimeText(text)) return *time;
  if (!DefaultRaiseDateErrors) return defaultValue;
  throw EConvertError(StoreMessage(stInvalidTime, stored).toStdU16String());
}

QString TQNTStoreCtrl::NumberedIdent(const QString& prefix, int number) {
  return prefix + QString::number(number);
}

std::optional<QList<bool>> TQNTStoreCtrl::ReadFlagList(const QString& prefix, int count) {
  if (fRegIniType == eriNeither) return std::nullopt;
  QList<bool> flags;
  flags.reserve(std::max(count, 0));
  WithStorage([&] {
    for (int n = 0; n < count; ++n) flags << ReadBoolean(NumberedIdent(prefix, n), false);
  });
  return flags;
}

void TQNTStoreCtrl::WriteFlagList(const QString& prefix, const QList<bool>& flags) {
  if (fRegIniType == eriNeither) return;
  WithStorage([&] {
    for (qsizetype n = 0; n < flags.size(); ++n)
      WriteBoolean(NumberedIdent(prefix, static_cast<int>(n)), flags[n]);
  });
}

void TQNTStoreCtrl::ReadCustomColors() {
  CustomColorList.clear();
  for (int i = 0; i < kCustomColourCount; ++i) {
    const QString text = ReadString(NumberedIdent(QStringLiteral("CustomColour "), i), QString());
    if (!text.isEmpty()) CustomColorList << text;
  }
}

void TQNTStoreCtrl::WriteCustomColors() {
  const int count = static_cast<int>(std::min<qsizetype>(CustomColorList.size(), kCustomColourCount));
  for (int i = 0; i < count; ++i)
    WriteString(NumberedIdent(QStringLiteral("CustomColour "), i), CustomColorList[i]);
  // Idents past the list would bring stale colours back at the next reading.
  for (int i = count; i < kCustomColourCount; ++i)
    DeleteKey(NumberedIdent(QStringLiteral("CustomColour "), i));
}

void TQNTStoreCtrl::DeleteKey(const QString& ident) {
  if (TQNTCustomIniFile* s = Storage()) s->DeleteKey(fSection, ident);
}

}  // namespace qnt
