// Robustness: seeded random presses of every operation of the engine, settings included. After every
// press the display is "Error!", empty, or text that reads back as a number; the values behind the
// display and the memory are finite; nothing escapes as an exception. Run under AddressSanitizer and
// UndefinedBehaviorSanitizer (with container bounds checks) this also shows that no press reads or
// writes outside the stacks or the history tape. Ten seeds of 100,000 presses: one million in all.
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "tests/calc/CalcTestSupport.h"

namespace qnt::test {
namespace {

constexpr int kPressesPerSeed = 100000;

class Fuzz {
 public:
  explicit Fuzz(std::uint32_t seed) : fRng(seed) {}

  Extended RandomValue() {
    static const Extended kValues[] = {
        0,       -0.0L,      1,        -1,       0.5L, 1E17L, -123456789012345678.0L,
        1E-5L,   1E4932L,    -1E4932L, 1E-4940L, 3.5L, 1E18L, 9.2233720368547758E18L,
        1E-300L, 12345.678L, 0.125L};
    switch (Pick(4)) {
      case 0: return kValues[Pick(std::size(kValues))];
      case 1: return static_cast<Extended>(std::uniform_real_distribution<double>(-1E6, 1E6)(fRng));
      case 2:
        return std::ldexp(static_cast<Extended>(Pick(1000)) + 0.5L, static_cast<int>(Pick(32000)) - 16000);
      default: return static_cast<Extended>(static_cast<int>(Pick(200)) - 100);
    }
  }

  std::u16string RandomText() {
    static const char16_t* kTexts[] = {u"12",
                                       u"-3.5",
                                       u"1,234.5",
                                       u"1e5000",
                                       u"abc",
                                       u"",
                                       u"(7)",
                                       u"1.5E-3",
                                       u"inf",
                                       u"nan",
                                       u"--",
                                       u"+",
                                       u"9"
                                       u"99999999999999999999"};
    if (Pick(3)) return kTexts[Pick(std::size(kTexts))];
    std::u16string s;
    const char16_t alphabet[] = u"0123456789.,-+eE% ()x";
    for (std::size_t n = Pick(12); n > 0; --n) s += alphabet[Pick(std::size(alphabet) - 1)];
    return s;
  }

  std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(fRng() % n); }

  std::mt19937 fRng;
};

using Op = std::function<void(IQNTCalcEngine&, Fuzz&)>;

std::vector<Op> AllOperations() {
  std::vector<Op> ops;
  auto add = [&](int weight, Op op) {
    for (int i = 0; i < weight; ++i) ops.push_back(op);
  };
  add(12, [](IQNTCalcEngine& e, Fuzz& f) { e.InputDigit(static_cast<TQNTZeroToNine>(f.Pick(11))); });
  add(2, [](IQNTCalcEngine& e, Fuzz&) { e.InputDecimalSeparator(); });
  add(1, [](IQNTCalcEngine& e, Fuzz&) { e.InputThousandsSeparator(); });
  add(2, [](IQNTCalcEngine& e, Fuzz&) { e.InputBackspace(); });
  add(2, [](IQNTCalcEngine& e, Fuzz&) { e.DoExp(); });
  add(2, [](IQNTCalcEngine& e, Fuzz&) { e.DoChangeSign(); });
  add(3, [](IQNTCalcEngine& e, Fuzz&) { e.DoAdd(); });
  add(3, [](IQNTCalcEngine& e, Fuzz&) { e.DoSubtract(); });
  add(3, [](IQNTCalcEngine& e, Fuzz&) { e.DoMultiply(); });
  add(2, [](IQNTCalcEngine& e, Fuzz&) { e.DoDivide(); });
  add(2, [](IQNTCalcEngine& e, Fuzz&) { e.DoPower(); });
  add(2, [](IQNTCalcEngine& e, Fuzz&) { e.DoPercent(); });
  add(3, [](IQNTCalcEngine& e, Fuzz&) { e.InputLeftBracket(); });
  add(3, [](IQNTCalcEngine& e, Fuzz&) { e.InputRightBracket(); });
  add(3, [](IQNTCalcEngine& e, Fuzz&) { e.DoEquals(); });
  add(1, [](IQNTCalcEngine& e, Fuzz&) { e.DoResult(); });
  for (void (IQNTCalcEngine::*fn)() : {&IQNTCalcEngine::InputPi,
                                       &IQNTCalcEngine::InputNaturalConstant,
                                       &IQNTCalcEngine::InputGamma,
                                       &IQNTCalcEngine::InputGoldenRatio,
                                       &IQNTCalcEngine::InputSpeedOfLight,
                                       &IQNTCalcEngine::InputGravity,
                                       &IQNTCalcEngine::InputRandom,
                                       &IQNTCalcEngine::DoInvert,
                                       &IQNTCalcEngine::DoSquare,
                                       &IQNTCalcEngine::DoSqRoot,
                                       &IQNTCalcEngine::DoLog,
                                       &IQNTCalcEngine::DoLg2,
                                       &IQNTCalcEngine::DoLN,
                                       &IQNTCalcEngine::DoSin,
                                       &IQNTCalcEngine::DoCos,
                                       &IQNTCalcEngine::DoTan,
                                       &IQNTCalcEngine::DoAbs,
                                       &IQNTCalcEngine::DoFloor,
                                       &IQNTCalcEngine::DoCeiling,
                                       &IQNTCalcEngine::DoSign,
                                       &IQNTCalcEngine::DoGamma,
                                       &IQNTCalcEngine::DoLnGamma,
                                       &IQNTCalcEngine::MemoryClear,
                                       &IQNTCalcEngine::MemoryAdd,
                                       &IQNTCalcEngine::MemorySubtract,
                                       &IQNTCalcEngine::MemoryRecall,
                                       &IQNTCalcEngine::ClearDisplay,
                                       &IQNTCalcEngine::ToggleAngleMode,
                                       &IQNTCalcEngine::ClearHistory,
                                       &IQNTCalcEngine::HistoryStart,
                                       &IQNTCalcEngine::PaperLine})
    add(1, [fn](IQNTCalcEngine& e, Fuzz&) { (e.*fn)(); });
  add(3, [](IQNTCalcEngine& e, Fuzz&) { e.DoInv(); });
  add(2, [](IQNTCalcEngine& e, Fuzz&) { e.DoHyp(); });
  add(1, [](IQNTCalcEngine& e, Fuzz& f) {
    if (f.Pick(20) == 0) e.AllClear();
  });
  add(1, [](IQNTCalcEngine& e, Fuzz& f) { e.DoRound(static_cast<int>(f.Pick(61)) - 30); });
  add(1, [](IQNTCalcEngine& e, Fuzz& f) { e.InputValue(f.RandomValue()); });
  add(1, [](IQNTCalcEngine& e, Fuzz& f) { e.InputString(f.RandomText()); });
  add(1, [](IQNTCalcEngine& e, Fuzz& f) {
    const Extended special[] = {std::numeric_limits<Extended>::infinity(),
                                std::numeric_limits<Extended>::quiet_NaN(),
                                -std::numeric_limits<Extended>::infinity()};
    if (f.Pick(10) == 0) {
      e.InputValue(special[f.Pick(3)]);
    } else if (f.Pick(10) == 0) {
      e.SetMemory(special[f.Pick(3)]);
    } else {
      e.SetMemory(f.RandomValue());
    }
  });
  add(1, [](IQNTCalcEngine& e, Fuzz& f) { e.SetAngleMode(static_cast<TQNTAngleMode>(f.Pick(4))); });
  add(1, [](IQNTCalcEngine& e, Fuzz& f) {
    switch (f.Pick(14)) {
      case 0: e.SetEnableGrads(f.Pick(2)); break;
      case 1: e.SetDecimalPlaces(static_cast<std::uint8_t>(f.Pick(24))); break;
      case 2: e.SetBinaryPercent(f.Pick(2)); break;
      case 3: e.SetThousandsSeparators(f.Pick(2)); break;
      case 4: e.SetLakhFormatting(f.Pick(2)); break;
      case 5: e.SetTrimTrailingZeroes(f.Pick(2)); break;
      case 6: e.SetPrefixFunctions(f.Pick(2)); break;
      case 7: e.SetPrecedence(f.Pick(2)); break;
      case 8: e.SetMemoryHistory(f.Pick(2)); break;
      case 9: e.SetOperatorSameLine(f.Pick(2)); break;
      case 10:
        e.SetSciUsage(f.Pick(2));
        e.SetSciRange(f.Pick(2));
        break;
      case 11:
        e.SetSciMin(f.RandomValue());
        e.SetSciMax(f.RandomValue());
        break;
      case 12: e.SetMaxDisplayLength(static_cast<std::uint8_t>(f.Pick(40))); break;
      default:
        e.SetHistoryPosition(static_cast<int>(f.Pick(static_cast<std::size_t>(e.GetHistoryLength()) + 10)) -
                             5);
    }
  });
  add(1, [](IQNTCalcEngine& e, Fuzz& f) {
    // Readers of the history, with positions and indexes outside the tape too.
    (void)e.GetNextHistoryEntry();
    (void)e.GetHistoryEntry(
        static_cast<std::uint16_t>(f.Pick(static_cast<std::size_t>(e.GetHistoryLength()) + 3)));
    (void)e.GetLastHistoryEntry();
    (void)e.GetMemoryContents();
    (void)e.GetAngleModeStr();
  });
  return ops;
}

/// Whether the display text reads back as a number under the kit's rules for typed numbers.
bool ReadsBack(const std::u16string& text) {
  try {
    Extended v = 0;
    ParseFloatText(text, v);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

class RandomPresses : public ::testing::TestWithParam<std::uint32_t> {
 protected:
  KitGlobalsGuard fGuard;
};

TEST_P(RandomPresses, NeverCrashAndAlwaysShowANumberOrError) {
  Fuzz fuzz(GetParam());
  const SeparatorPair& pair = kSeparatorPairs[GetParam() % std::size(kSeparatorPairs)];
  FormatSettings.DecimalSeparator = pair.decimal;
  FormatSettings.ThousandSeparator = pair.thousand;
  const std::vector<Op> ops = AllOperations();
  auto engine = TQNTCalcEngine::Create();
  // Handlers that read the engine back while it is changing.
  std::size_t displays = 0, errors = 0;
  engine->SetOnDisplayChange([&](IQNTCalcEngine* e) { displays += e->GetDisplayStr().size(); });
  engine->SetOnHistoryChange([&](IQNTCalcEngine* e) { displays += e->GetLastHistoryEntry().size(); });
  engine->SetOnError([&](IQNTCalcEngine*) { ++errors; });
  const std::u16string errorText(CalcText(ctError));
  for (int press = 0; press < kPressesPerSeed; ++press) {
    const std::size_t which = fuzz.Pick(ops.size());
    ASSERT_NO_THROW(ops[which](*engine, fuzz)) << "press " << press;
    const std::u16string shown = engine->GetDisplayStr();
    ASSERT_TRUE(shown == errorText || shown.empty() || ReadsBack(shown))
        << "press " << press << " (operation " << which << ") shows '" << U8(shown) << "'";
    ASSERT_TRUE(std::isfinite(engine->GetDisplayValue())) << "press " << press;
    ASSERT_TRUE(std::isfinite(engine->GetMemoryValue())) << "press " << press;
  }
  EXPECT_GT(displays, 0u);
  EXPECT_GT(errors, 0u);  // the random presses do reach the error path
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPresses, ::testing::Range<std::uint32_t>(1, 11));

}  // namespace
}  // namespace qnt::test
