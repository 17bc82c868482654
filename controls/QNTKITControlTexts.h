// The controls layer's localisable texts (bounds messages of the edits), in the kit's table shape.
#pragma once

#include <QString>
#include <cstdint>

namespace qnt {

/// Ids of the controls layer's texts.
enum TQNTControlTextId : std::uint8_t {
  ctValueNotAcceptable,  ///< a plain edit's bounds check failed
  ctBelowLowerBound,     ///< a numeric edit's value is below its lower bound (the bound follows)
  ctAboveUpperBound,     ///< a numeric edit's value is above its upper bound (the bound follows)
  ctControlTextCount
};

/// The text with the given id in the kit's current language (TextLanguage).
QString ControlText(TQNTControlTextId id);

}  // namespace qnt
