// One fit and all classes at a size, the program against its yardstick in
// the same run: a bare lookup (bare_fit.h) that finds the table row, applies
// the deviation rules and decides the kind by an integer comparison, with no
// code of the program's evaluation. Before any timing the two are compared
// bit for bit on every class and on every pair of classes at sizes across all
// table rows; a difference ends the program with status 1.

#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bare_fit.h"
#include "calc/evaluation.h"
#include "ratio_reporter.h"
#include "tables/deviation_tables.h"
#include "tables/it_table.h"

namespace {

using kalmo::ToleranceClass;

bool sameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool sameLimits(const kalmo::ClassResult& p, const bare::Limits& y) {
  return sameBits(p.toleranceMm(), y.toleranceMm()) && sameBits(p.upperMm(), y.upperMm()) &&
         sameBits(p.lowerMm(), y.lowerMm()) && p.defined() == y.defined;
}

bool sameFit(const kalmo::FitResult& p, const bare::Fit& y) {
  return static_cast<int>(p.kind) == static_cast<int>(y.kind) &&
         sameBits(p.value1Mm(), y.value1Mm()) && sameBits(p.value2Mm(), y.value2Mm()) &&
         sameBits(p.toleranceMm(), y.toleranceMm());
}

// Every class, hole and shaft, at each size; every pair of them at every
// tenth size (the pairs are 313600 per size).
bool sameAsYardstick() {
  std::vector<double> sizes = {0.001, 0.5, 1, 250.5, 315, 315.001};
  for (const double bound : kalmo::kDeviationBoundsMm) {
    sizes.insert(sizes.end(), {bound, bound + 0.001, bound * 0.995});
  }
  for (std::size_t n = 0; n < sizes.size(); ++n) {
    const double size = sizes[n];
    const kalmo::SizeEvaluation program(size);
    const bare::At yardstick(size);
    std::vector<kalmo::ClassResult> holes;
    std::vector<kalmo::ClassResult> shafts;
    std::vector<bare::Limits> bareHoles;
    std::vector<bare::Limits> bareShafts;
    for (int l = 0; l < kalmo::kLetterCount; ++l) {
      for (int g = 0; g < kalmo::kGradeCount; ++g) {
        const ToleranceClass cls{l, kalmo::Grade::atIndex(g)};
        holes.push_back(program.hole(cls));
        shafts.push_back(program.shaft(cls));
        bareHoles.push_back(yardstick.hole(l, g));
        bareShafts.push_back(yardstick.shaft(l, g));
        if (!sameLimits(holes.back(), bareHoles.back()) ||
            !sameLimits(shafts.back(), bareShafts.back())) {
          std::fprintf(stderr, "limits of letter %d grade %d at %g mm differ from the yardstick\n",
                       l, g, size);
          return false;
        }
      }
    }
    if (n % 10 != 0) continue;
    for (std::size_t h = 0; h < holes.size(); ++h) {
      for (std::size_t s = 0; s < shafts.size(); ++s) {
        if (!sameFit(kalmo::EvaluateFit(holes[h], shafts[s]),
                     bare::fitOf(bareHoles[h], bareShafts[s]))) {
          std::fprintf(stderr, "fit of classes %zu/%zu at %g mm differs from the yardstick\n", h, s,
                       size);
          return false;
        }
      }
    }
  }
  std::printf(
      "limits of 1120 classes at %zu sizes and fits of all pairs at %zu sizes: equal to "
      "the yardstick\n",
      sizes.size(), (sizes.size() + 9) / 10);
  return true;
}

// The yardstick's answer to one fit: both limits and the fit.
struct BareEvaluation {
  bare::Limits hole;
  bare::Limits shaft;
  bare::Fit fit;
};

BareEvaluation bareEvaluate(double sizeMm, ToleranceClass hole, ToleranceClass shaft) {
  const bare::At at(sizeMm);
  BareEvaluation e{
      at.hole(hole.letter, hole.grade.index()), at.shaft(shaft.letter, shaft.grade.index()), {}};
  e.fit = bare::fitOf(e.hole, e.shaft);
  return e;
}

// One fit, H7/g6, at sizes from the first to the last table row. Size and
// classes pass through DoNotOptimize each time, so neither side is compiled
// for these constants.
void BM_EvaluateOneFit(benchmark::State& state) {
  double size = static_cast<double>(state.range(0));
  ToleranceClass h7{kalmo::letter::H, kalmo::Grade::it(7)};
  ToleranceClass g6{kalmo::letter::G, kalmo::Grade::it(6)};
  for (auto _ : state) {
    benchmark::DoNotOptimize(size);
    benchmark::DoNotOptimize(h7);
    benchmark::DoNotOptimize(g6);
    benchmark::DoNotOptimize(kalmo::Evaluate(size, h7, g6));
  }
}
void BM_BareOneFit(benchmark::State& state) {
  double size = static_cast<double>(state.range(0));
  ToleranceClass h7{kalmo::letter::H, kalmo::Grade::it(7)};
  ToleranceClass g6{kalmo::letter::G, kalmo::Grade::it(6)};
  for (auto _ : state) {
    benchmark::DoNotOptimize(size);
    benchmark::DoNotOptimize(h7);
    benchmark::DoNotOptimize(g6);
    benchmark::DoNotOptimize(bareEvaluate(size, h7, g6));
  }
}
BENCHMARK(BM_EvaluateOneFit)->Arg(1)->Arg(30)->Arg(9000);
BENCHMARK(BM_BareOneFit)->Arg(1)->Arg(30)->Arg(9000);

// Every class the pickers can form, hole and shaft: 28 letters x 20 grades x 2,
// each evaluated on its own (a row search per class).
void BM_EvaluateAllClasses(benchmark::State& state) {
  double size = 30;
  for (auto _ : state) {
    benchmark::DoNotOptimize(size);
    for (int l = 0; l < kalmo::kLetterCount; ++l) {
      for (int g = 0; g < kalmo::kGradeCount; ++g) {
        benchmark::DoNotOptimize(kalmo::EvaluateHole({l, kalmo::Grade::atIndex(g)}, size));
        benchmark::DoNotOptimize(kalmo::EvaluateShaft({l, kalmo::Grade::atIndex(g)}, size));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kalmo::kLetterCount * kalmo::kGradeCount * 2);
}
void BM_BareAllClasses(benchmark::State& state) {
  double size = 30;
  for (auto _ : state) {
    benchmark::DoNotOptimize(size);
    for (int l = 0; l < kalmo::kLetterCount; ++l) {
      for (int g = 0; g < kalmo::kGradeCount; ++g) {
        benchmark::DoNotOptimize(bare::At(size).hole(l, g));
        benchmark::DoNotOptimize(bare::At(size).shaft(l, g));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kalmo::kLetterCount * kalmo::kGradeCount * 2);
}
BENCHMARK(BM_EvaluateAllClasses);
BENCHMARK(BM_BareAllClasses);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  if (!sameAsYardstick()) return 1;
  bench::RatioReporter reporter(
      {{"one fit",
        "BM_EvaluateOneFit",
        "BM_BareOneFit",
        {{"1", "1 mm"}, {"30", "30 mm"}, {"9000", "9000 mm"}}},
       {"all classes", "BM_EvaluateAllClasses", "BM_BareAllClasses", {{"", "30 mm"}}}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
