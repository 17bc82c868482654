// The settings store's INI engine: plain "[Section]" and "ident=value" lines in UTF-8, sections and
// idents matched without regard to case and written back in the case the file already has. Every
// line the store does not change (other sections and keys, comments, blank lines, even lines that are
// not text) is written back byte for byte, and every write replaces the file atomically, so a crash
// leaves either the old or the new file, never a torn one.
//
//   TQNTIniDocument      the parsed lines of one file, edited in memory
//   TQNTCustomIniFile    what the settings store reads and writes through
//     TQNTIniFile        direct: every read re-reads the file, every write rewrites it at once
//     TQNTMemIniFile     buffered: read once, written back whole by UpdateFile()
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "kit/QNTKITTypes.h"

namespace qnt {

/// A settings file that cannot be read or written, or a name or value the INI form cannot hold.
class EQNTStoreError : public EQNTError {
 public:
  using EQNTError::EQNTError;
};

/// The lines of one INI text. Lines before the first section belong to no section and are kept.
class TQNTIniDocument {
 public:
  /// Reads any bytes: a line that is neither a section nor a key is kept as it is and otherwise ignored.
  static TQNTIniDocument Parse(const QByteArray& bytes);
  /// The text to write: every unchanged line exactly as it was read.
  QByteArray Serialize() const;

  /// The trimmed value of the first ident of that name in the first section of that name.
  std::optional<QString> Value(const QString& section, const QString& ident) const;
  /// Sets a value, appending the ident (and the section) when missing. False when nothing changed.
  /// The names and the value must have passed CheckWritable().
  bool SetValue(const QString& section, const QString& ident, const QString& value);
  /// Removes the ident's line. False when there was none.
  bool DeleteKey(const QString& section, const QString& ident);

  QStringList Sections() const;
  QStringList Idents(const QString& section) const;
  bool Empty() const { return fLines.empty(); }

  /// Raises EQNTStoreError for a section, ident or value that would not read back as written:
  /// line breaks or NUL anywhere, an empty ident, "=" in an ident, an ident beginning with "[" or ";",
  /// "]" in a section name.
  static void CheckWritable(const QString& section, const QString& ident, const QString& value);

 private:
  enum class Kind : std::uint8_t { Other, Section, Key };
  struct Line {
    QByteArray raw;  ///< the line without its end-of-line bytes
    QByteArray eol;  ///< "\n", "\r\n" or empty for a last line without one
    Kind kind = Kind::Other;
    QString name;   ///< section name or ident, trimmed
    QString value;  ///< trimmed value of a key line
  };
  static Line MakeLine(QByteArray raw, QByteArray eol);
  /// Index of the header of the first section of that name, or -1.
  std::ptrdiff_t FindSection(const QString& section) const;
  /// Index of the key line in the section starting at header index `header`, or -1.
  std::ptrdiff_t FindKey(std::ptrdiff_t header, const QString& ident) const;
  QByteArray NewLineBytes() const;

  std::vector<Line> fLines;
  bool fBom = false;
};

/// How a file read went.
enum class TQNTFileRead : std::uint8_t { Missing, Loaded, Unreadable };

/// Reads a whole settings file (at most kMaxIniFileSize bytes; a larger file counts as unreadable).
TQNTFileRead ReadIniBytes(const QString& fileName, QByteArray& bytes);
/// Replaces the file atomically with the bytes, creating its folder when `makeFolder` is set; raises
/// EQNTStoreError naming the file on failure, and then the file is as it was.
void WriteIniBytes(const QString& fileName, const QByteArray& bytes, bool makeFolder = false);

inline constexpr qint64 kMaxIniFileSize = 16 * 1024 * 1024;

/// The operations the settings store uses, on one file.
class TQNTCustomIniFile {
 public:
  explicit TQNTCustomIniFile(QString fileName) : fFileName(std::move(fileName)) {}
  virtual ~TQNTCustomIniFile() = default;
  TQNTCustomIniFile(const TQNTCustomIniFile&) = delete;
  TQNTCustomIniFile& operator=(const TQNTCustomIniFile&) = delete;

  const QString& FileName() const { return fFileName; }
  /// The stored text, or Default when the ident (or the file) is missing or unreadable.
  virtual QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) = 0;
  /// Raises EQNTStoreError for a value the file cannot hold or a file that cannot be written.
  virtual void WriteString(const QString& section, const QString& ident, const QString& value) = 0;
  virtual void DeleteKey(const QString& section, const QString& ident) = 0;
  /// Writes pending changes to the file (buffered kind only).
  virtual void UpdateFile() {}
  virtual bool Modified() const { return false; }

 protected:
  QString fFileName;
};

/// Direct access: each read loads the file, each write loads, changes and atomically replaces it.
/// A value in one pair of matching quotes reads without them, as the original platform's direct INI
/// access did.
class TQNTIniFile : public TQNTCustomIniFile {
 public:
  using TQNTCustomIniFile::TQNTCustomIniFile;
  QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) override;
  void WriteString(const QString& section, const QString& ident, const QString& value) override;
  void DeleteKey(const QString& section, const QString& ident) override;

 private:
  /// Loads the document for a change; raises when an existing file cannot be read (writing would lose it).
  TQNTIniDocument LoadForChange() const;
};

/// Buffered access: the file is read when the object is made; changes stay in memory until UpdateFile.
/// The destructor writes nothing: its owner calls UpdateFile and reports failures.
class TQNTMemIniFile : public TQNTCustomIniFile {
 public:
  /// `makeFolder`: UpdateFile creates the file's whole folder path when it is missing.
  explicit TQNTMemIniFile(QString fileName, bool makeFolder = false);
  QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) override;
  void WriteString(const QString& section, const QString& ident, const QString& value) override;
  void DeleteKey(const QString& section, const QString& ident) override;
  /// Writes the whole document when it was changed; raises EQNTStoreError naming the file on failure.
  void UpdateFile() override;
  bool Modified() const override { return fModified; }

 private:
  TQNTIniDocument fDoc;
  bool fModified = false;
  bool fMakeFolder = false;
  bool fUnreadable = false;
};

}  // namespace qnt
