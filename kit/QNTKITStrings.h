// The kit layer's localisable texts: one table, one row per text, the original text beside its
// English one. Other layers keep tables of their own in the same shape and read TextLanguage.
#pragma once

#include <cstdint>
#include <string_view>

namespace qnt {

/// Which column of the text tables the program shows. The original texts are the default.
enum TQNTTextLanguage : std::uint8_t { tlOriginal, tlEnglish };

/// The language every text table reads; set once at start-up by the host.
extern TQNTTextLanguage TextLanguage;

/// One localisable text: the original (as shipped) and its English form.
struct TQNTTextRow {
  std::u16string_view Original;
  std::u16string_view English;
  constexpr std::u16string_view In(TQNTTextLanguage language) const {
    return language == tlEnglish && !English.empty() ? English : Original;
  }
};

/// Ids of the kit layer's texts.
enum TQNTKitTextId : std::uint8_t {
  ktNullStr,        ///< the text shown for a null value
  ktInvalidFloat,   ///< "'%s' is not a valid floating point value"
  ktInvalidInteger, ///< "'%s' is not a valid integer value"
  ktKitTextCount
};

/// The kit text with the given id in the current language.
std::u16string_view KitText(TQNTKitTextId id);

/// Replaces the first "%s" of a message pattern with an argument.
std::u16string FormatMessage(std::u16string_view pattern, std::u16string_view arg);

}  // namespace qnt
