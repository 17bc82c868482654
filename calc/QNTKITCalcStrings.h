// The calculator layer's localisable texts: messages, history labels and angle-mode labels of the
// calculation engine and the expression evaluator. One table, rows shaped like the kit's, so an
// English column can be filled in later without touching the code that reads them.
#pragma once

#include <cstdint>
#include <string_view>

#include "kit/QNTKITStrings.h"

namespace qnt {

/// Ids of the calculator texts.
enum TQNTCalcTextId : std::uint8_t {
  // Display and history texts of the engine.
  ctError,           ///< display after an error
  ctErrorLine,       ///< history line written by the error path
  ctPaperLine,       ///< history separator line
  ctMemoryPrefix,    ///< prefix of the memory value in the history
  ctMemoryClear,     ///< history text of MC
  ctMemoryAdd,       ///< history text of M+
  ctMemorySubtract,  ///< history text of M-
  ctMemoryRecall,    ///< history text of MR
  ctPowerLabel,      ///< history text of "^"
  ctRootLabel,       ///< history text of "@"
  ctChangeSign,      ///< history text of the change-sign key on a displayed value
  ctDegrees,         ///< angle-mode label
  ctRadians,         ///< angle-mode label
  ctGrads,           ///< angle-mode label
  // Messages.
  ctInvalidEquation,  ///< too few operands for an operator
  ctDivisionByZero,   ///< division by exactly zero, reciprocal of zero
  ctNegativeRoot,     ///< square root of a negative value
  ctNotReal,          ///< arc sine outside -1 .. 1
  ctAtMostOne,        ///< arc cosine outside -1 .. 1
  ctAngleTooLarge,    ///< tangent of an angle of 2^63 radians or more
  ctMustBePositive,   ///< logarithm of a value that is not positive
  ctUndefined,        ///< outside the domain of artanh, arcosh, gamma
  ctFloatOverflow,    ///< a result too large for the extended float
  ctFloatInvalid,     ///< a result that is not a number
  ctFloatZeroDivide,  ///< a power or logarithm that divides by zero
  ctRoundPlaces,      ///< rounding places out of range
  ctOutOfMemory,      ///< the stacks or the tape could not grow
  ctUnexpectedError,  ///< anything else caught by the error path
  ctUnknownFunction,  ///< the evaluator met a word it does not know
  // Function labels written to the history.
  ctLabelSin,
  ctLabelArcSin,
  ctLabelSinh,
  ctLabelArSinh,
  ctLabelCos,
  ctLabelArcCos,
  ctLabelCosh,
  ctLabelArCosh,
  ctLabelTan,
  ctLabelArcTan,
  ctLabelTanh,
  ctLabelArTanh,
  ctLabelLog,
  ctLabelTenPower,
  ctLabelLn,
  ctLabelExp,
  ctLabelLog2,
  ctLabelTwoPower,
  ctLabelSqrt,
  ctLabelSquare,
  ctLabelInvert,
  ctLabelAbs,
  ctLabelFloor,
  ctLabelCeiling,
  ctLabelSign,
  ctLabelGamma,
  ctLabelLnGamma,
  ctLabelRound,
  ctCalcTextCount
};

/// The calculator text with the given id in the current language (TextLanguage).
std::u16string_view CalcText(TQNTCalcTextId id);

}  // namespace qnt
