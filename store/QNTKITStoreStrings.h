// The settings store's localisable texts, in the shape of the kit's text table.
#pragma once

#include <QString>
#include <cstdint>

namespace qnt {

/// Ids of the store layer's texts.
enum TQNTStoreTextId : std::uint8_t {
  stInvalidDate,      ///< a stored date that does not read as a date
  stInvalidDateTime,  ///< a date-time value that cannot be turned into text
  stInvalidTime,      ///< "'%s' is not a valid time"
  stWriteError,       ///< "Unable to write to %s" (the reason follows)
  stUnreadableFile,   ///< an existing file that cannot be read, so it is not overwritten
  stLineBreak,        ///< a name or value holding a line break
  stBadIdent,         ///< an ident the INI form cannot hold
  stBadSection,       ///< a section name the INI form cannot hold
  stStoreTextCount
};

/// The store text with the given id in the kit's current language.
QString StoreText(TQNTStoreTextId id);
/// StoreText with its first "%s" replaced by the argument.
QString StoreMessage(TQNTStoreTextId id, const QString& arg);

}  // namespace qnt
