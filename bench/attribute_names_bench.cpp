// Cost of the attribute name look-up that every grid rebuild makes once per attribute.
#include <benchmark/benchmark.h>

#include <iterator>
#include <string>
#include <vector>

#include "recorder/attribute_names.h"

namespace {

// Keys as the tree hands them over: separate heap strings read from the document, so
// no look-up gets the table's own pointers for free.
std::vector<std::string> AllKeys() {
  std::vector<std::string> keys;
  for (const npb::AttributeName& entry : npb::kAttributeNameTable) keys.emplace_back(entry.key);
  return keys;
}

void Report(benchmark::State& state, std::size_t lookupsPerIteration) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lookupsPerIteration));
  state.counters["per_lookup"] = benchmark::Counter(
      static_cast<double>(lookupsPerIteration),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_LookupAllNames(benchmark::State& state) {
  npb::CAttributeNameMap map;
  map.Fill();
  const std::vector<std::string> keys = AllKeys();
  for (auto _ : state) {
    for (const std::string& key : keys) benchmark::DoNotOptimize(map.NumberOf(key.c_str()));
  }
  Report(state, keys.size());
}
BENCHMARK(BM_LookupAllNames);

// Names outside the table (host attributes the browser shows as plain rows).
void BM_LookupMisses(benchmark::State& state) {
  npb::CAttributeNameMap map;
  map.Fill();
  std::vector<std::string> keys = AllKeys();
  for (std::string& key : keys) key.back() = '#';
  for (auto _ : state) {
    for (const std::string& key : keys) benchmark::DoNotOptimize(map.NumberOf(key.c_str()));
  }
  Report(state, keys.size());
}
BENCHMARK(BM_LookupMisses);

void BM_Fill(benchmark::State& state) {
  for (auto _ : state) {
    npb::CAttributeNameMap map;
    map.Fill();
    benchmark::DoNotOptimize(map.GetCount());
  }
}
BENCHMARK(BM_Fill);

}  // namespace

