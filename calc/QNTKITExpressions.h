// The expression evaluator: reads a line such as "2*pi", "sin(1)+1" or "1e-5" by turning it into the
// key presses of a calculation engine (prefix functions) and pressing "=". It has no parser of its
// own, so precedence, brackets, functions, errors and the result follow the engine's rules exactly.
//
//   text --TokeniseExpression--> key codes --EvaluateWithEngine--> engine keys, "=" --> value, error
#pragma once

#include <string>
#include <string_view>

#include "calc/QNTKITCalcEngine.h"
#include "kit/QNTKITTypes.h"

namespace qnt {

/// Evaluates `Expr` on `Engine` with the memory set to `Memory` and angles in `Mode`; the engine's
/// prefix mode, angle mode and memory are restored afterwards on every path. `ErrorText` is empty on
/// success, else "Unknown Function - word" or the engine's message (the result is then what the
/// engine shows after "=", usually 0). Never raises an engine error.
Extended EvaluateWithEngine(std::u16string_view Expr, IQNTCalcEngine& Engine, Extended Memory,
                            TQNTAngleMode Mode, std::u16string& ErrorText);
/// As above, dropping the message.
Extended EvaluateWithEngine(std::u16string_view Expr, IQNTCalcEngine& Engine, Extended Memory,
                            TQNTAngleMode Mode);

/// Evaluates `Expr` on a fresh engine (precedence on, unary percent, memory 0); a failure gives a
/// result without any message.
Extended EvaluateExpression(std::u16string_view Expr, TQNTAngleMode Mode);
/// As above, and reports the message of a failure in `ErrorText` (empty on success).
Extended EvaluateExpression(std::u16string_view Expr, TQNTAngleMode Mode, std::u16string& ErrorText);

/// The key codes of `Expr` (one character per key: digits, the decimal separator, operators, "e"
/// for the exponent key, function codes). `BadWord` is the first word that is no function word, and
/// then `Codes` is empty or incomplete.
void TokeniseExpression(std::u16string_view Expr, std::u16string& Codes, std::u16string& BadWord);

}  // namespace qnt
