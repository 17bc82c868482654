// The controls layer's text table.
#include "controls/QNTKITControlTexts.h"

#include <iterator>

#include "kit/QNTKITStrings.h"

namespace qnt {

namespace {

constexpr TQNTTextRow kControlTexts[] = {
    /* ctValueNotAcceptable */ {u"Your entered Value is not acceptable!", {}},
    /* ctBelowLowerBound    */
    {u"Введенное вами значение ниже приемлемого предела ",
     u"Your entered value is below the acceptable limit "},
    /* ctAboveUpperBound    */
    {u"Введенное вами значение выше приемлемого предела ",
     u"Your entered value is above the acceptable limit "},
};
static_assert(std::size(kControlTexts) == ctControlTextCount);

}  // namespace

QString ControlText(TQNTControlTextId id) {
  if (id >= ctControlTextCount) return {};
  const std::u16string_view text = kControlTexts[id].In(TextLanguage);
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qnt
