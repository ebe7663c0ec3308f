// The design search on its largest input: every hole class with every shaft
// class of the lists up to 500 mm, over the full grade range. It runs on the
// window's thread, so it has to stay well below what a user notices.

#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

#include "calc/evaluation.h"
#include "design/class_lists.h"
#include "design/design_search.h"

namespace {

kalmo::DesignRequest allCombinationsAt30Mm(kalmo::FitType type) {
  kalmo::DesignRequest request;
  request.nominalSizeMm = 30;
  request.fitType = type;
  request.system = kalmo::DesignSystem::AllCombinations;
  request.grades = {1, 18};  // the "Select" range "01" .. "18"
  return request;            // targets 0 and 0, as the page starts
}

// 201 x 202 = 40602 candidates, the accepted ones ranked.
void BM_AllCombinations30Mm(benchmark::State& state) {
  const auto request = allCombinationsAt30Mm(static_cast<kalmo::FitType>(state.range(0)));
  std::size_t accepted = 0;
  for (auto _ : state) {
    kalmo::DesignResults results = kalmo::searchFits(request);
    accepted = results.size();
    benchmark::DoNotOptimize(results.data());
  }
  state.counters["accepted"] = static_cast<double>(accepted);
}
BENCHMARK(BM_AllCombinations30Mm)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The evaluations alone, for comparison: what the search costs beyond them is
// its own (scoring, texts, ranking).
void BM_EvaluateAllPairs30Mm(benchmark::State& state) {
  std::vector<std::optional<kalmo::ToleranceClass>> holes;
  std::vector<std::optional<kalmo::ToleranceClass>> shafts;
  for (const auto& item : kalmo::classList(kalmo::Side::Hole, false)) holes.emplace_back(item.cls);
  for (const auto& item : kalmo::classList(kalmo::Side::Shaft, false))
    shafts.emplace_back(item.cls);
  for (auto _ : state) {
    int clearance = 0;
    for (const auto& hole : holes) {
      for (const auto& shaft : shafts) {
        const auto e = kalmo::Evaluate(30, hole, shaft);
        clearance += e && e->fit.kind == kalmo::FitKind::Clearance ? 1 : 0;
      }
    }
    benchmark::DoNotOptimize(clearance);
  }
}
BENCHMARK(BM_EvaluateAllPairs30Mm)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
