// The kit layer's text table.
#include "kit/QNTKITStrings.h"

#include <iterator>
#include <string>

namespace qnt {

TQNTTextLanguage TextLanguage = tlOriginal;

namespace {

constexpr TQNTTextRow kKitTexts[] = {
    /* ktNullStr        */ {u"<пусто>", u"<empty>"},
    /* ktInvalidFloat   */ {u"'%s' is not a valid floating point value", {}},
    /* ktInvalidInteger */ {u"'%s' is not a valid integer value", {}},
};
static_assert(std::size(kKitTexts) == ktKitTextCount);

}  // namespace

std::u16string_view KitText(TQNTKitTextId id) {
  return id < ktKitTextCount ? kKitTexts[id].In(TextLanguage) : std::u16string_view{};
}

std::u16string FormatMessage(std::u16string_view pattern, std::u16string_view arg) {
  std::u16string result(pattern);
  if (auto p = result.find(u"%s"); p != std::u16string::npos) result.replace(p, 2, arg);
  return result;
}

}  // namespace qnt
