// The expression evaluator: tokeniser, function-word lookup and the keying of the codes into an engine.
#include "calc/QNTKITExpressions.h"

#include <iterator>
#include <memory>

#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITStrUtils.h"

namespace qnt {

/// Creates the evaluator's private engines, which keep no display text and no history: nobody can
/// read them, and formatting them would cost more than the evaluation itself.
class TQNTValueOnlyEngineAccess {
 public:
  /// This thread's value-only engine, in the state of a new one. Nothing can call back into the
  /// evaluator while it is in use (it has no handlers), so one per thread serves every evaluation.
  static TQNTCalcEngine& Fresh() {
    thread_local TQNTCalcEngine engine{TQNTCalcEngine::TValueOnly{}};
    engine.ResetValueOnly();
    return engine;
  }
};

namespace {

struct TFunctionWord {
  std::u16string_view word;
  char16_t code;
};

constexpr TFunctionWord kFunctionWords[] = {
    {u"pi", u'P'},        {u"sqrt", u'Q'},      {u"log", u'L'},       {u"exp", u'E'},
    {u"ln", u'N'},        {u"lg2", u'W'},       {u"cos", u'C'},       {u"sin", u'S'},
    {u"tan", u'T'},       {u"arccos", u'c'},    {u"invcos", u'c'},    {u"arcsin", u's'},
    {u"invsin", u's'},    {u"arctan", u't'},    {u"invtan", u't'},    {u"cosh", u'D'},
    {u"hypcos", u'D'},    {u"sinh", u'R'},      {u"hypsin", u'R'},    {u"tanh", u'U'},
    {u"hyptan", u'U'},    {u"arcosh", u'd'},    {u"invhypcos", u'd'}, {u"hypinvcos", u'd'},
    {u"arsinh", u'r'},    {u"invhypsin", u'r'}, {u"hypinvsin", u'r'}, {u"artanh", u'u'},
    {u"invhyptan", u'u'}, {u"hypinvtan", u'u'}, {u"abs", u'a'},       {u"floor", u'f'},
    {u"ceil", u'i'},      {u"ceiling", u'i'},   {u"sgn", u'g'},       {u"sign", u'g'},
    {u"gamma", u'G'},     {u"lngamma", u'A'},   {u"mc", u'K'},        {u"mr", u'k'},
    {u"madd", u'M'},      {u"msub", u'm'},      {u"rnd", u'Z'},       {u"x", u'*'},
    {u"e", u'e'},
};

/// Lower case for the letters a typed formula may hold (Latin, Latin-1, Greek, Cyrillic).
char16_t LowerChar(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
      (c >= 0x410 && c <= 0x42F))
    return static_cast<char16_t>(c + 32);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 80);
  return c;
}

bool IsOperatorChar(char16_t c) {
  switch (c) {
    case u'%':
    case u'(':
    case u')':
    case u'*':
    case u'+':
    case u'-':
    case u'/':
    case u'=':
    case u'@':
    case u'^': return true;
    default: return false;
  }
}

/// The code of a function word, or " " with BadWord set to the word.
char16_t LookupFunctionWord(std::u16string_view word, std::u16string& badWord) {
  for (const TFunctionWord& w : kFunctionWords)
    if (w.word == word) return w.code;
  badWord.assign(word);
  return u' ';
}

void FlushWord(std::u16string_view word, std::u16string& codes, std::u16string& badWord) {
  const char16_t code = LookupFunctionWord(word, badWord);
  if (code != u' ') {
    codes += code;
    return;
  }
  if (IsAsciiDigit(word.back())) {  // one trailing digit is the argument: "sin3", "lg28"
    badWord.clear();
    const std::u16string_view rest = word.substr(0, word.size() - 1);
    if (!rest.empty()) codes += LookupFunctionWord(rest, badWord);
    codes += word.back();
    return;
  }
  if (word.front() == u'x') {  // "x" is times: "2xpi"
    badWord.clear();
    codes += u'*';
    const std::u16string_view rest = word.substr(1);
    if (!rest.empty()) codes += LookupFunctionWord(rest, badWord);
    return;
  }
  codes += u' ';  // BadWord keeps the word
}

/// Presses the keys of one code on the engine; codes it does not know are skipped.
void ApplyCode(IQNTCalcEngine& e, char16_t c) {
  if (c == FormatSettings.DecimalSeparator) {
    e.InputDecimalSeparator();
    return;
  }
  if (IsAsciiDigit(c)) {
    e.InputDigit(static_cast<TQNTZeroToNine>(c - u'0'));
    return;
  }
  switch (c) {
    case u'+': e.DoAdd(); break;
    case u'-': e.DoSubtract(); break;
    case u'*': e.DoMultiply(); break;
    case u'/': e.DoDivide(); break;
    case u'^': e.DoPower(); break;
    case u'@':
      e.DoInv();
      e.DoPower();
      break;
    case u'%': e.DoPercent(); break;
    case u'(': e.InputLeftBracket(); break;
    case u')': e.InputRightBracket(); break;
    case u'=': e.DoEquals(); break;
    case u'e': e.DoExp(); break;
    case u'P': e.InputPi(); break;
    case u'Q': e.DoSqRoot(); break;
    case u'L': e.DoLog(); break;
    case u'E':
      e.DoInv();
      e.DoLN();
      break;
    case u'N': e.DoLN(); break;
    case u'W': e.DoLg2(); break;
    case u'C': e.DoCos(); break;
    case u'S': e.DoSin(); break;
    case u'T': e.DoTan(); break;
    case u'c':
      e.DoInv();
      e.DoCos();
      break;
    case u's':
      e.DoInv();
      e.DoSin();
      break;
    case u't':
      e.DoInv();
      e.DoTan();
      break;
    case u'D':
      e.DoHyp();
      e.DoCos();
      break;
    case u'R':
      e.DoHyp();
      e.DoSin();
      break;
    case u'U':
      e.DoHyp();
      e.DoTan();
      break;
    case u'd':
      e.DoInv();
      e.DoHyp();
      e.DoCos();
      break;
    case u'r':
      e.DoInv();
      e.DoHyp();
      e.DoSin();
      break;
    case u'u':
      e.DoHyp();
      e.DoInv();
      e.DoTan();
      break;
    case u'a': e.DoAbs(); break;
    case u'f': e.DoFloor(); break;
    case u'i': e.DoCeiling(); break;
    case u'g': e.DoSign(); break;
    case u'G': e.DoGamma(); break;
    case u'A': e.DoLnGamma(); break;
    case u'K': e.MemoryClear(); break;
    case u'k': e.MemoryRecall(); break;
    case u'M': e.MemoryAdd(); break;
    case u'm': e.MemorySubtract(); break;
    case u'Z': e.InputRandom(); break;
    default: break;
  }
}

/// Puts the engine's prefix mode, angle mode and memory back, and fills in the engine's last error,
/// whichever way the evaluation is left.
class TEngineStateRestorer {
 public:
  TEngineStateRestorer(IQNTCalcEngine& engine, std::u16string& errorText)
      : fEngine(engine),
        fErrorText(errorText),
        fPrefix(engine.GetPrefixFunctions()),
        fMode(engine.GetAngleMode()),
        fMemory(engine.GetMemoryValue()) {}
  ~TEngineStateRestorer() {
    try {
      if (fErrorText.empty()) fErrorText = fEngine.GetLastError();
    } catch (...) {
    }
    fEngine.SetPrefixFunctions(fPrefix);
    fEngine.SetAngleMode(fMode);
    fEngine.SetMemory(fMemory);
  }
  TEngineStateRestorer(const TEngineStateRestorer&) = delete;
  TEngineStateRestorer& operator=(const TEngineStateRestorer&) = delete;

 private:
  IQNTCalcEngine& fEngine;
  std::u16string& fErrorText;
  bool fPrefix;
  TQNTAngleMode fMode;
  Extended fMemory;
};

}  // namespace

void TokeniseExpression(std::u16string_view Expr, std::u16string& Codes, std::u16string& BadWord) {
  Codes.clear();
  Codes.reserve(Expr.size() + 2);  // at most one code per character, two for "e" and its digit
  BadWord.clear();
  std::size_t b = 0, e = Expr.size();
  while (b < e && IsBlank(Expr[b])) ++b;
  while (e > b && IsBlank(Expr[e - 1])) --e;
  const char16_t dec = FormatSettings.DecimalSeparator;
  const char16_t thou = FormatSettings.ThousandSeparator;
  std::u16string word;
  for (std::size_t i = b; i < e; ++i) {
    const char16_t c = LowerChar(Expr[i]);
    if (IsBlank(c)) {
      if (!word.empty()) FlushWord(word, Codes, BadWord);
      word.clear();
    } else if (c == thou) {
      // thousand separators may appear anywhere
    } else if (IsOperatorChar(c) || c == dec) {
      if (word == u"e" && (c == u'+' || c == u'-'))
        Codes += u'e';  // the exponent key; its sign follows
      else if (!word.empty())
        FlushWord(word, Codes, BadWord);
      Codes += c;
      word.clear();
    } else if (word.empty() && IsAsciiDigit(c)) {
      Codes += c;  // digits outside words go straight to the codes: "2 3" is 23
    } else if (word == u"e" && IsAsciiDigit(c)) {
      Codes += u'e';  // "1e5"
      Codes += c;
      word.clear();
    } else {
      word += c;
    }
    if (!BadWord.empty()) {
      Codes.clear();
      return;
    }
  }
  if (!word.empty()) FlushWord(word, Codes, BadWord);
}

Extended EvaluateWithEngine(std::u16string_view Expr, IQNTCalcEngine& Engine, Extended Memory,
                            TQNTAngleMode Mode, std::u16string& ErrorText) {
  ErrorText.clear();
  TEngineStateRestorer restorer(Engine, ErrorText);
  Engine.SetMemory(Memory);
  Engine.SetAngleMode(Mode);
  Engine.SetPrefixFunctions(true);  // function words are keyed before their argument
  std::u16string codes, badWord;
  TokeniseExpression(Expr, codes, badWord);
  if (!badWord.empty()) {
    ErrorText.assign(CalcText(ctUnknownFunction));
    ErrorText += u" - ";
    ErrorText += badWord;
    return 0;
  }
  Engine.AllClear();
  for (char16_t c : codes) ApplyCode(Engine, c);
  Engine.DoEquals();
  return Engine.GetDisplayValue();
}

Extended EvaluateWithEngine(std::u16string_view Expr, IQNTCalcEngine& Engine, Extended Memory,
                            TQNTAngleMode Mode) {
  std::u16string errorText;
  return EvaluateWithEngine(Expr, Engine, Memory, Mode, errorText);
}

Extended EvaluateExpression(std::u16string_view Expr, TQNTAngleMode Mode, std::u16string& ErrorText) {
  TQNTCalcEngine& engine = TQNTValueOnlyEngineAccess::Fresh();
  engine.SetBinaryPercent(false);
  return EvaluateWithEngine(Expr, engine, 0, Mode, ErrorText);
}

Extended EvaluateExpression(std::u16string_view Expr, TQNTAngleMode Mode) {
  std::u16string errorText;
  return EvaluateExpression(Expr, Mode, errorText);
}

}  // namespace qnt
