// The settings store: one interface through which the kit's components keep settings between runs,
// as named values (idents) in one section of an INI file or of the per-user "registry" file.
//
//   component (convertor, calculator, preferences)            TQNTStoreCtrl
//     TQNTStoreLink fStore --- QPointer, never owns -------->   kind: neither | registry | INI | buffered INI
//     LoadFromStore(): OpenStorage, ReadBoolean..., Close       fIni / fReg: TQNTCustomIniFile
//     (QNTKITIniFile.h)
//   preferences components only (IQNTStoreListener) <------    notify list of QPointers,
//   LoadFromStore/SaveToStore
//
// Free notification: a link is a QPointer, so destroying a store leaves every link null, and destroying a
// component leaves a null entry that the store skips; neither side ever calls into a dying object.
//
// What the store writes does not depend on display switches or the locale: integers as plain digits,
// floats with ".", dates as yyyy-mm-dd and times as hh:nn unless the caller gives a format. Reading
// also accepts the locale's forms, so files written in another form still load.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "kit/QNTKITTypes.h"
#include "store/QNTKITDateText.h"
#include "store/QNTKITIniFile.h"

namespace qnt {

class TQNTStoreCtrl;

/// Implemented by interface-preferences components only: the store keeps these in its notify list and
/// runs their LoadFromStore / SaveToStore from its own. Convertors and calculator components have the
/// same two operations but do not implement this, so the store never calls them.
class IQNTStoreListener {
 public:
  virtual ~IQNTStoreListener() = default;
  virtual void LoadFromStore() = 0;
  virtual void SaveToStore() = 0;
};

/// The kit's process-wide custom colour list (one colour text per item), created empty.
extern QStringList CustomColorList;

/// A component's link to a settings store that it refers to but never owns. Attaching leaves the old
/// store's notify list and joins the new one's; destroying the store clears the link by itself;
/// destroying the link (with its component) leaves the store's list when the store still lives.
class TQNTStoreLink {
 public:
  explicit TQNTStoreLink(QObject* owner) : fOwner(owner) {}
  ~TQNTStoreLink();
  TQNTStoreLink(const TQNTStoreLink&) = delete;
  TQNTStoreLink& operator=(const TQNTStoreLink&) = delete;

  TQNTStoreCtrl* Get() const { return fStore.data(); }
  TQNTStoreCtrl* operator->() const { return fStore.data(); }
  explicit operator bool() const { return !fStore.isNull(); }
  /// Attaches a store (null detaches). False when it already was the attached one.
  bool Set(TQNTStoreCtrl* store);

 private:
  QObject* fOwner;
  QPointer<TQNTStoreCtrl> fStore;
};

/// The settings store.
class TQNTStoreCtrl : public QObject {
  Q_OBJECT

 public:
  /// A new store with the kit's default settings (`DefaultRegIniType`, `DefaultIniFile`, ...).
  explicit TQNTStoreCtrl(QObject* owner = nullptr);
  /// Writes a held buffered INI (or registry) file back; a failure is reported as a warning, since a
  /// destructor cannot raise. Call UpdateFile() first to see such errors.
  ~TQNTStoreCtrl() override;

  // ---- Properties
  const QString& IniFile() const { return fIniFile; }
  void SetIniFile(const QString& value) { fIniFile = value; }
  const QString& IniSection() const { return fIniSection; }
  void SetIniSection(const QString& value);
  TQNTRegIniType RegIniType() const { return fRegIniType; }
  /// Takes effect at the next opening. A different kind first writes back and frees a held buffered INI
  /// and closes the storage; when that write fails the error propagates and the kind stays as it was.
  void SetRegIniType(TQNTRegIniType value);
  const QString& RegPath() const { return fRegPath; }
  void SetRegPath(const QString& value) { fRegPath = value; }
  const QString& RegSection() const { return fRegSection; }
  void SetRegSection(const QString& value);
  QString Version() const;
  void SetVersion(const QString&) {}

  // ---- Preferences components
  /// Adds Value when it is an interface-preferences component (IQNTStoreListener); anything else is
  /// ignored. No check for duplicates.
  void AddToNotifyList(QObject* value);
  /// Removes the first entry of Value.
  void RemoveFromNotifyList(QObject* value);
  /// The listed components that still exist, in list order.
  QList<QObject*> NotifyList() const;
  /// LoadFromStore / SaveToStore of every listed component, in list order.
  void LoadFromStore();
  void SaveToStore();

  // ---- Expansion
  QString ExpandIniFile() const;     ///< IniFile through the path expansion
  QString ExpandIniSection() const;  ///< IniSection through the user expansion
  QString ExpandRegPath() const;     ///< RegPath through the path expansion
  QString ExpandRegSection() const;  ///< RegSection through the user expansion
  /// The file that stands in for the registry key: RegistryIniPath of RegPath.
  QString RegistryFile() const;

  // ---- Opening
  void OpenStorage();
  /// Closes the storage; the registry file is written back here when it was changed (EQNTStoreError
  /// when that fails; the storage is closed all the same).
  void CloseStorage();
  bool Opened() const { return fOpened; }
  /// Runs `work` between OpenStorage and CloseStorage, closing also when `work` raises (then its
  /// exception propagates, not one from closing).
  template <class F>
  void WithStorage(F&& work) {
    OpenStorage();
    try {
      work();
    } catch (...) {
      try {
        CloseStorage();
      } catch (...) {
      }
      throw;
    }
    CloseStorage();
  }
  /// The expanded section that reads and writes use.
  const QString& Section() const { return fSection; }
  /// The file behind the open storage object, or empty text.
  QString StorageFile() const;
  /// Writes a held buffered INI and an open registry file back now.
  void UpdateFile();

  // ---- Reads and writes (in the current section; each opens the storage first when it is not open).
  // With kind eriNeither ReadString gives empty text, ReadBoolean False, the others their default,
  // and writes do nothing. A real kind without a storage object (an empty path or section, a path
  // beginning with an unknown placeholder) writes nothing either, and every read gives its default.
  QString ReadString(const QString& ident, const QString& defaultValue);
  void WriteString(const QString& ident, const QString& value);
  bool ReadBoolean(const QString& ident, bool defaultValue);
  void WriteBoolean(const QString& ident, bool value);
  bool ReadBool(const QString& ident, bool defaultValue) { return ReadBoolean(ident, defaultValue); }
  void WriteBool(const QString& ident, bool value) { WriteBoolean(ident, value); }
  /// Decimal text, or hexadecimal after "0x" or "$"; the default for anything else.
  std::int32_t ReadInteger(const QString& ident, std::int32_t defaultValue);
  /// Plain decimal digits ("0" for 0).
  void WriteInteger(const QString& ident, std::int32_t value);
  /// "1.5" (or the locale's "1,5"); the default for text that is no number.
  double ReadFloat(const QString& ident, double defaultValue);
  /// At most `decimals` decimals, trailing zeros dropped, "." as the decimal separator.
  void WriteFloat(const QString& ident, double value, std::uint8_t decimals);
  TColor ReadColor(const QString& ident, TColor defaultValue) { return ReadInteger(ident, defaultValue); }
  void WriteColor(const QString& ident, TColor value) { WriteInteger(ident, value); }
  /// A stored date (see ParseDateText); an unreadable one raises EConvertError while
  /// DefaultRaiseDateErrors is set, else gives the default.
  TDateTime ReadDate(const QString& ident, TDateTime defaultValue);
  /// The same with `dateFormat` giving the order of the fields.
  TDateTime ReadDate(const QString& ident, const QString& dateFormat, TDateTime defaultValue);
  /// yyyy-mm-dd. A value that is no date raises EConvertError while DefaultRaiseDateErrors is set
  /// (nothing is written), else writes empty text.
  void WriteDate(const QString& ident, TDateTime value);
  /// The value in the caller's format (original tokens).
  void WriteDate(const QString& ident, const QString& dateFormat, TDateTime value);
  /// A stored time of day (see ParseTimeText), as a fraction of a day.
  TDateTime ReadTime(const QString& ident, TDateTime defaultValue);
  /// hh:nn (24-hour clock).
  void WriteTime(const QString& ident, TDateTime value);
  void WriteTime(const QString& ident, const QString& timeFormat, TDateTime value);
  /// Clears CustomColorList and appends every non-empty "CustomColour 0" ... "CustomColour 15".
  void ReadCustomColors();
  /// Writes the first 16 items of CustomColorList and deletes the idents past the list's count.
  void WriteCustomColors();
  void DeleteKey(const QString& ident);

  /// An ident made of a prefix and a plain decimal number ("Hide Temp " and 3 give "Hide Temp 3").
  static QString NumberedIdent(const QString& prefix, int number);

  // ---- Numbered flags (a convertor's hidden units: "Hide Temp 0" ... "Hide Temp 7")
  /// Reads the Boolean idents NumberedIdent(prefix, 0 ... count - 1) between OpenStorage and
  /// CloseStorage (closing also on error); a missing ident reads as False. With kind eriNeither the
  /// storage is not opened and the result is empty: the caller keeps what it has.
  std::optional<QList<bool>> ReadFlagList(const QString& prefix, int count);
  /// Writes every flag, set or not, under the same idents, between OpenStorage and CloseStorage.
  /// Nothing happens with kind eriNeither.
  void WriteFlagList(const QString& prefix, const QList<bool>& flags);

 private:
  struct TListener {
    QPointer<QObject> object;
    IQNTStoreListener* listener;
  };

  /// The storage object reads and writes go through (opening it first), or null.
  TQNTCustomIniFile* Storage();
  bool IsRealKind() const;
  void RecomputeSection();
  /// Writes back and frees every held storage object (the kind is about to change).
  void ReleaseStorage();
  QString ReadText(const QString& ident, bool& stored);
  void WriteDateText(const QString& ident, const std::function<QString()>& makeText);
  TDateTime ReadDateWith(const QString& ident, const QString& dateFormat, TDateTime defaultValue);

  QList<TListener> fNotifyList;
  TQNTRegIniType fRegIniType;
  QString fRegPath;
  QString fRegSection;
  QString fIniFile;
  QString fIniSection;
  std::unique_ptr<TQNTMemIniFile> fReg;
  std::unique_ptr<TQNTCustomIniFile> fIni;
  bool fIniBuffered = false;  ///< fIni is a buffered object
  bool fOpened = false;
  QString fSection;
};

}  // namespace qnt
