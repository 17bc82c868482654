// Test support for the calculation engine: a compact key notation, so a test reads as the keys a user
// presses, and a fixture that pins the kit's separators and sign switches.
//
// Keys, separated by blanks:
//   digits, "." (decimal separator key), "," (thousands separator key) and "E" (exponent key) may be
//   run together: "1.5", "1,234", "1E5"
//   + - * / ^        operators (^ is the power key: with inv it is the root)
//   % ( ) = res      percent, brackets, equals, DoResult
//   +/- bs AC C      change sign, backspace, all clear, clear
//   MC M+ M- MR      memory keys
//   inv hyp          toggles
//   sin cos tan log ln lg2 sqrt x2 1/x abs floor ceil sign gamma lngamma roundN (round2, round-2)
//   pi e euler phi c0 g0 rnd   constants
//   deg rad grad toggle paper  angle mode, angle-mode key, history separator line
//   val=X str=X mem=X          InputValue, InputString, SetMemory
//   #noprec #unary #prefix #same #lakh #nothou #trim #sci #range #grads #memhist
//   #dp=N #max=N #scimin=X #scimax=X            settings
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/QNTKITCalcEngine.h"
#include "kit/QNTKITNumText.h"
#include "tests/kit/KitFixture.h"

namespace qnt::test {

inline std::string U8(std::u16string_view s) { return ToUtf8(s); }

inline Extended ParseExtended(const std::string& text) {
  Extended v = 0;
  if (!ParseFloatText(FromUtf8(text), v)) throw std::invalid_argument("not a number: " + text);
  return v;
}

/// Presses one key given in the notation above. Throws std::invalid_argument for an unknown key.
inline void PressKey(IQNTCalcEngine& e, const std::string& k) {
  auto after = [&](std::size_t n) { return k.substr(n); };
  if (k == "+")
    e.DoAdd();
  else if (k == "-")
    e.DoSubtract();
  else if (k == "*")
    e.DoMultiply();
  else if (k == "/")
    e.DoDivide();
  else if (k == "^")
    e.DoPower();
  else if (k == "%")
    e.DoPercent();
  else if (k == "(")
    e.InputLeftBracket();
  else if (k == ")")
    e.InputRightBracket();
  else if (k == "=")
    e.DoEquals();
  else if (k == "res")
    e.DoResult();
  else if (k == "+/-")
    e.DoChangeSign();
  else if (k == "bs")
    e.InputBackspace();
  else if (k == "AC")
    e.AllClear();
  else if (k == "C")
    e.ClearDisplay();
  else if (k == "MC")
    e.MemoryClear();
  else if (k == "M+")
    e.MemoryAdd();
  else if (k == "M-")
    e.MemorySubtract();
  else if (k == "MR")
    e.MemoryRecall();
  else if (k == "inv")
    e.DoInv();
  else if (k == "hyp")
    e.DoHyp();
  else if (k == "sin")
    e.DoSin();
  else if (k == "cos")
    e.DoCos();
  else if (k == "tan")
    e.DoTan();
  else if (k == "log")
    e.DoLog();
  else if (k == "ln")
    e.DoLN();
  else if (k == "lg2")
    e.DoLg2();
  else if (k == "sqrt")
    e.DoSqRoot();
  else if (k == "x2")
    e.DoSquare();
  else if (k == "1/x")
    e.DoInvert();
  else if (k == "abs")
    e.DoAbs();
  else if (k == "floor")
    e.DoFloor();
  else if (k == "ceil")
    e.DoCeiling();
  else if (k == "sign")
    e.DoSign();
  else if (k == "gamma")
    e.DoGamma();
  else if (k == "lngamma")
    e.DoLnGamma();
  else if (k.rfind("round", 0) == 0)
    e.DoRound(std::stoi(after(5)));
  else if (k == "pi")
    e.InputPi();
  else if (k == "e")
    e.InputNaturalConstant();
  else if (k == "euler")
    e.InputGamma();
  else if (k == "phi")
    e.InputGoldenRatio();
  else if (k == "c0")
    e.InputSpeedOfLight();
  else if (k == "g0")
    e.InputGravity();
  else if (k == "rnd")
    e.InputRandom();
  else if (k == "deg")
    e.SetAngleMode(amDegrees);
  else if (k == "rad")
    e.SetAngleMode(amRadians);
  else if (k == "grad")
    e.SetAngleMode(amGradiants);
  else if (k == "toggle")
    e.ToggleAngleMode();
  else if (k == "paper")
    e.PaperLine();
  else if (k.rfind("val=", 0) == 0)
    e.InputValue(ParseExtended(after(4)));
  else if (k.rfind("str=", 0) == 0)
    e.InputString(FromUtf8(after(4)));
  else if (k.rfind("mem=", 0) == 0)
    e.SetMemory(ParseExtended(after(4)));
  else if (k == "#noprec")
    e.SetPrecedence(false);
  else if (k == "#unary")
    e.SetBinaryPercent(false);
  else if (k == "#prefix")
    e.SetPrefixFunctions(true);
  else if (k == "#same")
    e.SetOperatorSameLine(true);
  else if (k == "#lakh")
    e.SetLakhFormatting(true);
  else if (k == "#nothou")
    e.SetThousandsSeparators(false);
  else if (k == "#trim")
    e.SetTrimTrailingZeroes(true);
  else if (k == "#sci")
    e.SetSciUsage(true);
  else if (k == "#range")
    e.SetSciRange(true);
  else if (k == "#grads")
    e.SetEnableGrads(true);
  else if (k == "#memhist")
    e.SetMemoryHistory(true);
  else if (k.rfind("#dp=", 0) == 0)
    e.SetDecimalPlaces(static_cast<std::uint8_t>(std::stoi(after(4))));
  else if (k.rfind("#max=", 0) == 0)
    e.SetMaxDisplayLength(static_cast<std::uint8_t>(std::stoi(after(5))));
  else if (k.rfind("#scimin=", 0) == 0)
    e.SetSciMin(ParseExtended(after(8)));
  else if (k.rfind("#scimax=", 0) == 0)
    e.SetSciMax(ParseExtended(after(8)));
  else {
    // A run of digits and entry keys.
    for (char c : k) {
      if (c >= '0' && c <= '9')
        e.InputDigit(static_cast<TQNTZeroToNine>(c - '0'));
      else if (c == '.')
        e.InputDecimalSeparator();
      else if (c == ',')
        e.InputThousandsSeparator();
      else if (c == 'E')
        e.DoExp();
      else
        throw std::invalid_argument("unknown key: " + k);
    }
  }
}

/// Presses every key of a blank-separated sequence.
inline void Press(IQNTCalcEngine& e, std::string_view keys) {
  std::istringstream in{std::string(keys)};
  std::string k;
  while (in >> k) PressKey(e, k);
}

/// The history tape as one line, entries separated by " | ".
inline std::string HistoryText(const IQNTCalcEngine& e) {
  std::string out;
  for (int i = 0; i < e.GetHistoryLength(); ++i) {
    if (i) out += " | ";
    out += U8(e.GetHistoryEntry(static_cast<std::uint16_t>(i)));
  }
  return out;
}

/// A fresh engine with "." and "," as separators and the kit's sign switches off.
class EngineTest : public ::testing::Test {
 protected:
  KitGlobalsGuard fGuard;
  std::shared_ptr<IQNTCalcEngine> fEngine = TQNTCalcEngine::Create();
  IQNTCalcEngine& E() { return *fEngine; }
  std::string Display() { return U8(fEngine->GetDisplayStr()); }
  std::string Value() { return FloatToShortestText(fEngine->GetDisplayValue()); }
  std::string Error() { return U8(fEngine->GetLastError()); }
};

}  // namespace qnt::test
