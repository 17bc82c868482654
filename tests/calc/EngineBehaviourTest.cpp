// The engine beyond single key sequences: its start state, notifications (which the calculator window
// relies on), the history read position, deep bracket nesting, values from outside that are not
// finite, handlers that fail, and the separators of other locales.
#include <stdexcept>
#include <vector>

#include "tests/calc/CalcTestSupport.h"

namespace qnt::test {
namespace {

TEST_F(EngineTest, StartsWithTheDocumentedDefaults) {
  EXPECT_EQ(Display(), "0");
  EXPECT_EQ(E().GetDisplayValue(), 0);
  EXPECT_EQ(E().GetDecimalPlaces(), 4);
  EXPECT_EQ(E().GetMaxDisplayLength(), 26);
  EXPECT_EQ(E().GetAngleMode(), amRadians);
  EXPECT_EQ(U8(E().GetAngleModeStr()), "рад");
  EXPECT_TRUE(E().GetPrecedence());
  EXPECT_TRUE(E().GetBinaryPercent());
  EXPECT_TRUE(E().GetThousandsSeparators());
  EXPECT_FALSE(E().GetPrefixFunctions() || E().GetLakhFormatting() || E().GetTrimTrailingZeroes() ||
               E().GetSciUsage() || E().GetSciRange() || E().GetMemoryHistory() ||
               E().GetOperatorSameLine() || E().GetEnableGrads() || E().GetIsInv() || E().GetIsHyp());
  EXPECT_EQ(E().GetSciMin(), 1E-4L);
  EXPECT_EQ(E().GetSciMax(), 1E6L);
  EXPECT_EQ(E().GetMemoryValue(), 0);
  EXPECT_EQ(U8(E().GetMemoryContents()), "0.0000");
  EXPECT_EQ(E().GetHistoryLength(), 0);
  EXPECT_EQ(E().GetHistoryPosition(), -1);
}

/// Records every notification in order, with the display text at the moment of the call.
class NotifyTest : public EngineTest {
 protected:
  void SetUp() override {
    auto record = [this](const char* what) {
      return [this, what](IQNTCalcEngine* sender) {
        EXPECT_EQ(sender, fEngine.get());
        fLog.push_back(std::string(what) + ":" + U8(sender->GetDisplayStr()));
      };
    };
    E().SetOnClearToggles(record("clear"));
    E().SetOnSetToggles(record("set"));
    E().SetOnHistoryChange(record("history"));
    E().SetOnDisplayChange(record("display"));
    E().SetOnError(record("error"));
    E().SetOnMemoryChange(record("memory"));
    E().SetOnDecimalPlacesChange(record("places"));
    E().SetOnAngleModeChange(record("angle"));
  }
  std::string Log() {
    std::string s;
    for (const auto& l : fLog) s += (s.empty() ? "" : " ") + l;
    fLog.clear();
    return s;
  }
  std::vector<std::string> fLog;
};

TEST_F(NotifyTest, EachChangeIsReportedAfterTheFieldChanged) {
  Press(E(), "1");
  EXPECT_EQ(Log(), "display:1");
  Press(E(), "inv");
  EXPECT_EQ(Log(), "set:1");
  Press(E(), "2");  // a digit clears the toggles after showing the entry
  EXPECT_EQ(Log(), "display:12 clear:12");
  Press(E(), "+");
  EXPECT_EQ(Log(), "history:12 display:12.0000 history:12.0000");
  Press(E(), "#same 3 =");  // "=" is held and joined to the result
  EXPECT_EQ(Log(), "display:3 history:3 display:15.0000 history:15.0000");
  Press(E(), "#dp=2 #dp=2");
  EXPECT_EQ(Log(), "display:15.00 places:15.00");
  Press(E(), "toggle deg");
  EXPECT_EQ(Log(), "history:15.00 angle:15.00");
  Press(E(), "M+ MR MC mem=3");
  EXPECT_EQ(Log(),
            "display:15.00 history:15.00 memory:15.00 display:15.00 history:15.00 history:15.00 "
            "memory:15.00 memory:15.00");
}

TEST_F(NotifyTest, ErrorPathReportsOnceAfterShowingError) {
  Press(E(), "1 / 0");
  Log();
  Press(E(), "=");
  EXPECT_EQ(Log(),
            "history:0 display:0 display:Error! history:Error! error:Error! history:Error! history:Error!");
  EXPECT_EQ(Error(), "Деление на ноль");
}

TEST_F(EngineTest, HandlerThatThrowsEndsInTheErrorPathNotInTheCaller) {
  int calls = 0;
  E().SetOnHistoryChange([&](IQNTCalcEngine*) {
    ++calls;
    throw std::runtime_error("tape is full");
  });
  EXPECT_NO_THROW(Press(E(), "2 + 3 ="));
  EXPECT_EQ(Display(), "Error!");
  EXPECT_EQ(Error(), "tape is full");
  E().SetOnHistoryChange({});
  Press(E(), "AC 4 * 2 =");
  EXPECT_EQ(Display(), "8.0000");
  EXPECT_GT(calls, 0);
}

TEST_F(EngineTest, HandlerMayReplaceItselfWhileRunning) {
  int first = 0, second = 0;
  E().SetOnDisplayChange([&](IQNTCalcEngine* e) {
    ++first;
    e->SetOnDisplayChange([&](IQNTCalcEngine*) { ++second; });
  });
  Press(E(), "1 2");
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

TEST_F(EngineTest, NonFiniteValuesFromOutsideTakeTheErrorPath) {
  Press(E(), "5 M+");
  E().InputValue(std::numeric_limits<Extended>::infinity());
  EXPECT_EQ(Display(), "Error!");
  EXPECT_EQ(Error(), "Floating point overflow");
  E().InputValue(std::numeric_limits<Extended>::quiet_NaN());
  EXPECT_EQ(Error(), "Invalid floating point operation");
  E().SetMemory(std::numeric_limits<Extended>::quiet_NaN());
  EXPECT_EQ(E().GetMemoryValue(), 5);
  E().InputString(u"inf");
  EXPECT_EQ(Display(), "0.0000");  // unreadable text reads as 0
}

TEST_F(EngineTest, HistoryIsReadFromTheStartOneEntryAtATime) {
  Press(E(), "1 + 2 =");
  ASSERT_EQ(E().GetHistoryLength(), 5);
  E().HistoryStart();
  std::string walked;
  for (std::u16string s = E().GetNextHistoryEntry(); !s.empty(); s = E().GetNextHistoryEntry())
    walked += U8(s) + ";";
  EXPECT_EQ(walked, "1.0000;+;2.0000;=;3.0000;");
  EXPECT_EQ(E().GetHistoryPosition(), 4);
  EXPECT_EQ(U8(E().GetLastHistoryEntry()), "3.0000");
  // Positions and indexes outside the tape read nothing and never leave it.
  E().SetHistoryPosition(1000);
  EXPECT_EQ(U8(E().GetNextHistoryEntry()), "");
  E().SetHistoryPosition(-1000);
  EXPECT_EQ(U8(E().GetNextHistoryEntry()), "1.0000");
  EXPECT_EQ(U8(E().GetHistoryEntry(5)), "");
  EXPECT_EQ(U8(E().GetHistoryEntry(65535)), "");
  E().ClearHistory();
  EXPECT_EQ(U8(E().GetLastHistoryEntry()), "");
  EXPECT_EQ(U8(E().GetNextHistoryEntry()), "");
  EXPECT_EQ(E().GetHistoryPosition(), -1);
}

TEST_F(EngineTest, BracketsNestAsDeepAsMemoryAllows) {
  constexpr int kDepth = 20000;
  for (int i = 0; i < kDepth; ++i) Press(E(), "1 + (");
  Press(E(), "1");
  for (int i = 0; i < kDepth; ++i) E().InputRightBracket();
  Press(E(), "=");
  EXPECT_EQ(Value(), "20001");
}

TEST_F(EngineTest, ManyPendingOperandsWithoutBrackets) {
  for (int i = 0; i < 5000; ++i) Press(E(), "2 + 3 *");
  Press(E(), "1 =");
  EXPECT_EQ(Value(), "29999");  // 2 + 3*2 + 3*2 + ... + 3*1
}

class EngineSeparators : public SeparatorTest {};

TEST_P(EngineSeparators, EntryAndDisplayUseTheKitsSeparators) {
  auto engine = TQNTCalcEngine::Create();
  Press(*engine, "1234.5");
  EXPECT_EQ(U8(engine->GetDisplayStr()), U8(Localise("1,234.5")));
  Press(*engine, "* 1000 =");
  EXPECT_EQ(U8(engine->GetDisplayStr()), U8(Localise("1,234,500.0000")));
  EXPECT_EQ(engine->GetDisplayValue(), 1234500);
  engine->InputString(Localise("-9,876.25"));
  EXPECT_EQ(engine->GetDisplayValue(), -9876.25L);
}

INSTANTIATE_TEST_SUITE_P(Pairs, EngineSeparators, ::testing::ValuesIn(kSeparatorPairs), PairName);

}  // namespace
}  // namespace qnt::test
