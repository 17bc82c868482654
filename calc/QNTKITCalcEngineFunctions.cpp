// The engine's function keys: trigonometric and hyperbolic functions with their inverses, logarithms
// and powers, square and square root, reciprocal, absolute value, floor, ceiling, sign, rounding,
// gamma and ln gamma, in postfix mode (applied at once to the entry or the displayed value) and in
// prefix mode (stacked as an operator code and applied when it is evaluated).
//
// A key is named by its plain code ("S" sine, "C" cosine, "T" tangent, "L" log, "N" ln, "W" log2,
// "Q" square root, "a" abs, "f" floor, "i" ceiling, "g" sign, "G" gamma, "A" ln gamma); the Inv
// and Hyp toggles choose the variant and the stacked code ("s" arc sine, "R" sinh, "r" arsinh, ...).
#include <cmath>

#include "calc/QNTKITCalcEngine.h"
#include "kit/QNTKITNumText.h"

namespace qnt {

TQNTCalcFunction TQNTCalcEngine::FunctionOf(char16_t key) const {
  const int variant = (fInv ? 1 : 0) + (fHyp ? 2 : 0);  // plain, Inv, Hyp, Inv+Hyp
  switch (key) {
    case u'S': return static_cast<TQNTCalcFunction>(cfSin + variant);
    case u'C': return static_cast<TQNTCalcFunction>(cfCos + variant);
    case u'T': return static_cast<TQNTCalcFunction>(cfTan + variant);
    case u'L': return fInv ? cfTenPower : cfLog;
    case u'N': return fInv ? cfExp : cfLn;
    case u'W': return fInv ? cfTwoPower : cfLog2;
    case u'Q': return fInv ? cfSquare : cfSqrt;
    case u'a': return cfAbs;
    case u'f': return cfFloor;
    case u'i': return cfCeiling;
    case u'g': return cfSign;
    case u'G': return cfGamma;
    default: return cfLnGamma;  // "A"
  }
}

char16_t TQNTCalcEngine::CodeOf(char16_t key) const {
  switch (key) {
    case u'S': return fInv ? (fHyp ? u'r' : u's') : (fHyp ? u'R' : u'S');
    case u'C': return fInv ? (fHyp ? u'd' : u'c') : (fHyp ? u'D' : u'C');
    case u'T': return fInv ? (fHyp ? u'u' : u't') : (fHyp ? u'U' : u'T');
    case u'L': return fInv ? u'l' : u'L';
    case u'N': return fInv ? u'n' : u'N';
    case u'W': return fInv ? u'w' : u'W';
    case u'Q': return fInv ? u'q' : u'Q';
    default: return key;
  }
}

Extended TQNTCalcEngine::Compute(TQNTCalcFunction f, Extended x) {
  const Extended r = CalcFunctionValue(f, x, fAngleMode);
  ClearToggles();
  return r;
}

void TQNTCalcEngine::ApplyFunctionCode(char16_t code) {
  // Lower-case codes switch Inv on, "R" "D" "U" switch Hyp on, "r" "d" "u" both; an upper-case code
  // uses the toggles as they stand. "q" and "Q" ignore the toggles.
  char16_t key = code;
  TQNTCalcFunction f;
  switch (code) {
    case u's':
    case u'c':
    case u't':
    case u'l':
    case u'n':
    case u'w':
      fInv = true;
      key = code == u's'   ? u'S'
            : code == u'c' ? u'C'
            : code == u't' ? u'T'
            : code == u'l' ? u'L'
            : code == u'n' ? u'N'
                           : u'W';
      break;
    case u'R':
    case u'D':
    case u'U':
      fHyp = true;
      key = code == u'R' ? u'S' : code == u'D' ? u'C' : u'T';
      break;
    case u'r':
    case u'd':
    case u'u':
      fInv = fHyp = true;
      key = code == u'r' ? u'S' : code == u'd' ? u'C' : u'T';
      break;
    default: break;
  }
  if (code == u'q')
    f = cfSquare;
  else if (code == u'Q')
    f = cfSqrt;
  else
    f = FunctionOf(key);
  ReplaceTopOperand(Compute(f, TopOperand()));
}

void TQNTCalcEngine::FunctionKey(char16_t key, TFamily family) {
  if (fPrefixFunctions)
    PrefixFunction(key, family);
  else if (family == ffPlain)
    PostfixPlain(key);
  else
    PostfixTrigOrLog(key, family);
}

void TQNTCalcEngine::PrefixFunction(char16_t key, TFamily family) {
  Guarded([&] {
    fValue.clear();  // a number typed before the function key is discarded
    const char16_t code = CodeOf(key);
    PushOperator(code);
    AddHistory(CalcFunctionLabel(FunctionOf(key)), false);
    if (family == ffRoot || family == ffPlain) ClearToggles();
    ShowTopOrZero();
    // The code, not " ": a "+" or "-" right after a function key signs its argument ("1+sin-1"),
    // as the sign set intends, instead of evaluating the function on the operand before it.
    fLastCh = code;
  });
}

void TQNTCalcEngine::PostfixTrigOrLog(char16_t key, TFamily family) {
  Guarded([&] {
    Extended x = 0;
    bool haveArgument = true;
    if (!fValue.empty()) {
      x = EntryValue();
      AddHistoryValue(x);
    } else if (fOperandN >= 0) {
      x = TopOperand();
    } else {
      haveArgument = false;
    }
    const TQNTCalcFunction f = FunctionOf(key);
    AddHistory(CalcFunctionLabel(f), false);
    Extended result = 0;
    if (family == ffLog && !haveArgument)
      ClearToggles();  // a logarithm on an empty calculator shows 0, as the original did
    else
      result = Compute(f, x);
    ShowValue(result);
    fValue.clear();
    PushOperand(result);  // the argument stays below it, for a pending binary operator
  });
  fLastCh = u' ';
}

void TQNTCalcEngine::PostfixPlain(char16_t key) {
  const TQNTCalcFunction f = FunctionOf(key);
  Guarded([&] {
    Extended result = 0;
    if (!fValue.empty()) {
      const Extended x = EntryValue();
      AddHistoryValue(x);
      result = Compute(f, x);
    } else if (fOperandN >= 0) {
      result = Compute(f, TopOperand());
    } else {
      ClearToggles();
    }
    ShowValue(result);
    fValue.clear();
    PushOperand(result);
  });
  Guarded([&] { AddHistory(CalcFunctionLabel(f), false); });
  fLastCh = u' ';
}

void TQNTCalcEngine::SquareRootPostfix() {
  Guarded(
      [&] {
        Extended result = 0;
        if (!fValue.empty()) {
          const Extended x = EntryValue();
          AddHistoryValue(x);
          result = Compute(cfSqrt, x);
        } else if (fOperandN >= 0) {
          result = Compute(cfSqrt, TopOperand());
        }
        ShowValue(result);
        fValue.clear();
        PushOperand(result);
        AddHistory(ctLabelSqrt, false);
      },
      ctLabelSqrt);
  fLastCh = u' ';
}

void TQNTCalcEngine::SquarePostfix() {
  Guarded([&] {
    Extended result = 0;
    if (!fValue.empty()) {
      const Extended x = EntryValue();
      AddHistoryValue(x);
      result = CheckedResult(x * x);
    } else if (fOperandN >= 0) {
      result = CheckedResult(TopOperand() * TopOperand());
    }
    ShowValue(result);
    fValue.clear();
    PushOperand(result);
  });
  Guarded([&] { AddHistory(ctLabelSquare, false); });
  fLastCh = u' ';
}

void TQNTCalcEngine::DoSin() { FunctionKey(u'S', ffTrig); }
void TQNTCalcEngine::DoCos() { FunctionKey(u'C', ffTrig); }
void TQNTCalcEngine::DoTan() { FunctionKey(u'T', ffTrig); }
void TQNTCalcEngine::DoLog() { FunctionKey(u'L', ffLog); }
void TQNTCalcEngine::DoLN() { FunctionKey(u'N', ffLog); }
void TQNTCalcEngine::DoLg2() { FunctionKey(u'W', ffLog); }
void TQNTCalcEngine::DoAbs() { FunctionKey(u'a', ffPlain); }
void TQNTCalcEngine::DoFloor() { FunctionKey(u'f', ffPlain); }
void TQNTCalcEngine::DoCeiling() { FunctionKey(u'i', ffPlain); }
void TQNTCalcEngine::DoSign() { FunctionKey(u'g', ffPlain); }
void TQNTCalcEngine::DoGamma() { FunctionKey(u'G', ffPlain); }
void TQNTCalcEngine::DoLnGamma() { FunctionKey(u'A', ffPlain); }

void TQNTCalcEngine::DoSqRoot() {
  if (fPrefixFunctions) {
    PrefixFunction(u'Q', ffRoot);  // with Inv the stacked code squares
  } else if (fInv) {
    Guarded([&] { ClearToggles(); });
    SquarePostfix();
  } else {
    SquareRootPostfix();
  }
}

void TQNTCalcEngine::DoSquare() {
  // Always immediate; with Inv it is the square root key (which in prefix mode is stacked).
  if (fInv) {
    Guarded([&] { ClearToggles(); });
    if (fPrefixFunctions)
      PrefixFunction(u'Q', ffRoot);
    else
      SquareRootPostfix();
    fLastCh = u' ';
  } else {
    SquarePostfix();
  }
}

void TQNTCalcEngine::DoInvert() {
  Guarded([&] { ClearToggles(); });
  Guarded([&] {
    Extended x = 0;
    if (!fValue.empty()) {
      x = EntryValue();
      AddHistoryValue(x);
    } else if (fOperandN >= 0) {
      x = TopOperand();
    }
    const Extended result = CalcDivide(1, x);
    ShowValue(result);
    fValue.clear();
    PushOperand(result);
  });
  Guarded([&] { AddHistory(ctLabelInvert, false); });
  fLastCh = u' ';
}

void TQNTCalcEngine::DoRound(int Places) {
  Guarded([&] { ClearToggles(); });
  Guarded([&] {
    if (Places < -18 || Places > 18) RaiseCalcError(ctRoundPlaces);
    Extended result = 0;
    if (!fValue.empty()) {
      const Extended x = EntryValue();
      AddHistoryValue(x);
      result = CalcRound(x, Places);
    } else if (fOperandN >= 0) {
      result = CalcRound(TopOperand(), Places);
    }
    ShowValue(result);
    fValue.clear();
    PushOperand(result);
  });
  Guarded([&] {
    std::u16string label(CalcText(ctLabelRound));
    if (Places != 0) {
      label += u' ';
      label += IntToSignedText(Places);
    }
    AddHistory(label, false);
  });
  fLastCh = u' ';
}

}  // namespace qnt
