// Conversion throughput: the plain engine (source -> base -> target) and a convertor component
// (write ValueIn, read ValueOut), each averaged over every unit pair of the length table.
#include <benchmark/benchmark.h>

#include <vector>

#include "convert/QNTKITConversion.h"
#include "convert/QNTKITConvertors.h"

namespace {

using qnt::Extended;

/// Every (from, to) pair of a quantity's units, in row order.
std::vector<std::pair<int, int>> AllPairs(qnt::TQNTQuantity quantity) {
  const int n = qnt::QuantityInfo(quantity).UnitCount();
  std::vector<std::pair<int, int>> pairs;
  for (int from = 0; from < n; ++from)
    for (int to = 0; to < n; ++to) pairs.emplace_back(from, to);
  return pairs;
}

/// Values that change on every call, so no conversion is skipped or folded away.
Extended NextValue(Extended& v) { return v = v * 1.0000001L + 0.5L; }

void BM_PlainConvertLengthAllPairs(benchmark::State& state) {
  const auto pairs = AllPairs(qnt::eqDist);
  Extended v = 1.25L, sum = 0;
  for (auto _ : state) {
    for (const auto& [from, to] : pairs) sum += qnt::Convert(qnt::eqDist, from, to, NextValue(v));
    if (v > 1e6L) v = 1.25L;
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()));
}
BENCHMARK(BM_PlainConvertLengthAllPairs);

void BM_ConvertorLengthAllPairs(benchmark::State& state) {
  // Per pair: set both units (those writes convert too, uncounted), then write 16 values and read each
  // result. The figure counts the ValueIn writes.
  constexpr int kValuesPerPair = 16;
  const auto pairs = AllPairs(qnt::eqDist);
  qnt::TQNTDistConvertor convertor;
  Extended v = 1.25L, sum = 0;
  for (auto _ : state) {
    for (const auto& [from, to] : pairs) {
      convertor.SetDistUnitsIn(static_cast<qnt::TQNTDistType>(from));
      convertor.SetDistUnitsOut(static_cast<qnt::TQNTDistType>(to));
      for (int i = 0; i < kValuesPerPair; ++i) {
        convertor.SetValueIn(NextValue(v));
        sum += convertor.ValueOut();
      }
    }
    if (v > 1e6L) v = 1.25L;
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()) * kValuesPerPair);
}
BENCHMARK(BM_ConvertorLengthAllPairs);

/// The same plain conversion for one pair at a time, every quantity: the spread between tables.
void BM_PlainConvertEachQuantity(benchmark::State& state) {
  const auto quantity = static_cast<qnt::TQNTQuantity>(state.range(0));
  const auto pairs = AllPairs(quantity);
  Extended v = 1.25L, sum = 0;
  for (auto _ : state) {
    for (const auto& [from, to] : pairs) {
      try {
        sum += qnt::Convert(quantity, from, to, NextValue(v));
      } catch (const qnt::EMathError&) {  // none for positive values; kept for safety
      }
    }
    if (v > 1e6L) v = 1.25L;
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pairs.size()));
  state.SetLabel(std::string(qnt::QuantityInfo(quantity).ShortName));
}
BENCHMARK(BM_PlainConvertEachQuantity)->DenseRange(0, qnt::kQuantityCount - 1);

}  // namespace

BENCHMARK_MAIN();
