// Fast paths of the command-line tool's number reading and writing, for streams of millions of values.
// Each gives exactly what the kit's routine gives (ParseFloatText, FloatToShortestText) and hands every
// case it does not cover to that routine.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kit/QNTKITTypes.h"

namespace qnt::cli {

/// The value of a plain number in ASCII: an optional sign, digits with at most one decimal separator
/// (the kit's, in force) and an optional exponent, of at most 19 significant digits and within a
/// power of ten that reads exactly. Empty for every other text (then the kit's reader decides).
std::optional<Extended> ReadPlainNumber(std::string_view text);

/// Appends the shortest decimal text that reads back to the same 80-bit value, exactly as the kit's
/// FloatToShortestText writes it ("1609.344", "1e+25").
void AppendShortestText(std::string& out, Extended value);

}  // namespace qnt::cli
