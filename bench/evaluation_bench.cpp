#include <benchmark/benchmark.h>

#include "calc/evaluation.h"
#include "tables/it_table.h"

namespace kalmo {
namespace {

// Every class the pickers can form, hole and shaft: 28 letters x 20 grades x 2.
void BM_EvaluateAllClasses(benchmark::State& state) {
  const double sizeMm = 30;
  for (auto _ : state) {
    for (int letter = 0; letter < kLetterCount; ++letter) {
      for (int grade = 0; grade < kGradeCount; ++grade) {
        benchmark::DoNotOptimize(EvaluateHole({letter, Grade::atIndex(grade)}, sizeMm));
        benchmark::DoNotOptimize(EvaluateShaft({letter, Grade::atIndex(grade)}, sizeMm));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kLetterCount * kGradeCount * 2);
}
BENCHMARK(BM_EvaluateAllClasses);

// One fit at sizes from the first to the last table row.
void BM_EvaluateOneFit(benchmark::State& state) {
  const double sizeMm = static_cast<double>(state.range(0));
  const ToleranceClass h7{letter::H, Grade::it(7)};
  const ToleranceClass g6{letter::G, Grade::it(6)};
  for (auto _ : state) {
    benchmark::DoNotOptimize(Evaluate(sizeMm, h7, g6));
  }
}
BENCHMARK(BM_EvaluateOneFit)->Arg(1)->Arg(30)->Arg(9000);

}  // namespace
}  // namespace kalmo
