// The calculator window's localisable texts: its caption, the button captions that come from the text
// table and every hint. The original column holds the texts as shipped; the English column holds the
// English hints the window's own layout carried before the language was applied.
#pragma once

#include <QString>
#include <cstdint>

namespace qnt {

/// Ids of the calculator window's texts.
enum TQNTCalcFormTextId : std::uint8_t {
  cfCalculator,  ///< window caption ("Calculator")
  // Button captions.
  cfSinCaption,
  cfCosCaption,
  cfTanCaption,
  cfInvCaption,
  cfLogCaption,
  cfLnCaption,
  cfAllClearCaption,
  cfClearCaption,
  cfMemoryClearCaption,
  cfMemoryAddCaption,
  cfMemorySubtractCaption,
  cfMemoryRecallCaption,
  // Hints.
  cfCopyHint,
  cfPasteHint,
  cfDecimalPlacesHint,
  cfCancelHint,
  cfExitHint,
  cfSinHint,
  cfCosHint,
  cfTanHint,
  cfPercentHint,
  cfRadHint,
  cfInvHint,
  cfPowerHint,
  cfSquareHint,
  cfSqRootHint,
  cfInvertHint,
  cfLogHint,
  cfLnHint,
  cfMultiplyHint,
  cfAllClearHint,
  cfMemoryClearHint,
  cfDivideHint,
  cfClearHint,
  cfMemoryAddHint,
  cfAddHint,
  cfPiHint,
  cfMemorySubtractHint,
  cfChangeSignHint,
  cfSubtractHint,
  cfEHint,
  cfMemoryRecallHint,
  cfBackSpaceHint,
  cfValueHint,
  cfMemoryHint,
  cfCalcFormTextCount
};

/// The window text with the given id in the kit's current language (TextLanguage).
QString CalcFormText(TQNTCalcFormTextId id);

}  // namespace qnt
