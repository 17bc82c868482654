// The store layer's text table.
#include "store/QNTKITStoreStrings.h"

#include <iterator>

#include "kit/QNTKITStrings.h"

namespace qnt {

namespace {

constexpr TQNTTextRow kStoreTexts[] = {
    /* stInvalidDate     */ {u"Не верная дата", u"Invalid date"},
    /* stInvalidDateTime */ {u"Не верные дата/время", u"Invalid date/time"},
    /* stInvalidTime     */ {u"'%s' is not a valid time", {}},
    /* stWriteError      */ {u"Unable to write to %s", {}},
    /* stUnreadableFile  */ {u"the existing file cannot be read, so it is left as it is", {}},
    /* stLineBreak       */ {u"A settings name or value cannot hold a line break: %s", {}},
    /* stBadIdent        */ {u"'%s' cannot be used as a settings ident", {}},
    /* stBadSection      */ {u"'%s' cannot be used as a settings section", {}},
};
static_assert(std::size(kStoreTexts) == stStoreTextCount);

}  // namespace

QString StoreText(TQNTStoreTextId id) {
  if (id >= stStoreTextCount) return {};
  const std::u16string_view t = kStoreTexts[id].In(TextLanguage);
  return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
}

QString StoreMessage(TQNTStoreTextId id, const QString& arg) {
  QString text = StoreText(id);
  if (const auto p = text.indexOf(u"%s"); p >= 0) text.replace(p, 2, arg);
  return text;
}

}  // namespace qnt
