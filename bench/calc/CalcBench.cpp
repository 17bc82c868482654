// Speed of the calculator's non-visual parts: expression evaluation on a fresh engine (the path of
// the calculator edit and of `qnt calc`), the same keys on a full engine with display and history,
// and the tokeniser alone. Each benchmark reports items (evaluations or keys) per second.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/QNTKITCalcEngine.h"
#include "calc/QNTKITExpressions.h"

namespace {

using namespace qnt;

constexpr char16_t kExpression[] = u"2+3*4^2/(7-1)";

void BM_EvaluateExpression(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateExpression(kExpression, amRadians));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateExpression);

void BM_EvaluateExpressionWithFunctions(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateExpression(u"sqrt(2)*sin(pi/4)+ln(10)", amRadians));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateExpressionWithFunctions);

// The calculator window's case: one engine kept, display text and history written on every key.
void BM_EvaluateWithFullEngine(benchmark::State& state) {
  auto engine = TQNTCalcEngine::Create();
  engine->SetBinaryPercent(false);
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateWithEngine(kExpression, *engine, 0, amRadians));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateWithFullEngine);

void BM_Tokenise(benchmark::State& state) {
  std::u16string codes, bad;
  for (auto _ : state) {
    TokeniseExpression(kExpression, codes, bad);
    benchmark::DoNotOptimize(codes.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Tokenise);

// Keys per second on a full engine: digits, operators and "=" of a long running sum.
void BM_KeysOnFullEngine(benchmark::State& state) {
  auto engine = TQNTCalcEngine::Create();
  std::int64_t keys = 0;
  for (auto _ : state) {
    engine->InputDigit(4);
    engine->InputDigit(2);
    engine->DoAdd();
    engine->InputDigit(7);
    engine->DoEquals();
    keys += 5;
    if (engine->GetHistoryLength() > 10000) engine->AllClear();
  }
  state.SetItemsProcessed(keys);
}
BENCHMARK(BM_KeysOnFullEngine);

}  // namespace

BENCHMARK_MAIN();
