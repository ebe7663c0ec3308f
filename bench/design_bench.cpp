// The design search on its largest input, every hole class with every shaft
// class of the lists up to 500 mm over the full grade range, measured against
// its yardstick in the same run: a bare search that gives the same ranked
// list, bit for bit, with nothing but the work such a list needs (each class
// evaluated once, the pair loop, the score, the ranking quicksort). Times on a
// shared machine swing by a factor of two; the ratio program / yardstick is
// the figure to track. Before any timing the two lists are compared; a
// difference ends the program with status 1.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "calc/evaluation.h"
#include "design/class_lists.h"
#include "design/design_search.h"
#include "design/deviation_sort.h"

namespace {

using kalmo::FitType;

constexpr std::array<FitType, 3> kFitTypes = {FitType::Clearance, FitType::Transition,
                                              FitType::Interference};
constexpr std::array<const char*, 3> kFitTypeNames = {"clearance", "transition", "interference"};

kalmo::DesignRequest allCombinationsAt30Mm(FitType type) {
  kalmo::DesignRequest request;
  request.nominalSizeMm = 30;
  request.fitType = type;
  request.system = kalmo::DesignSystem::AllCombinations;
  request.grades = {1, 18};  // the "Select" range "01" .. "18"
  return request;            // targets 0 and 0, as the page starts
}

// The yardstick: an all-combinations search in mm and nothing else. Its
// buffers live as long as the object, as a hand-written loop would keep them.
class BareSearch {
 public:
  struct Fit {
    double deviation;
    double value1Mm;
    double value2Mm;
    double toleranceMm;
    std::uint16_t hole;   // index into holes()
    std::uint16_t shaft;  // index into shafts()
  };
  struct Class {
    kalmo::ToleranceClass cls;
    kalmo::ClassResult limits;
  };

  const std::vector<Fit>& run(const kalmo::DesignRequest& request) {
    const kalmo::SizeEvaluation at(request.nominalSizeMm);
    const bool above500 = kalmo::isAbove500(request.nominalSizeMm);
    // Each class once; a class without limits forms no fit and is left out,
    // which keeps the generation order of the others.
    const auto evaluate = [&](kalmo::Side side, std::vector<Class>& out) {
      out.clear();
      for (const kalmo::ClassListItem& item : kalmo::classList(side, above500)) {
        if (!request.grades.contains(item.cls)) continue;
        const kalmo::ClassResult limits =
            side == kalmo::Side::Hole ? at.hole(item.cls) : at.shaft(item.cls);
        if (limits.defined()) out.push_back({item.cls, limits});
      }
    };
    evaluate(kalmo::Side::Hole, holes_);
    evaluate(kalmo::Side::Shaft, shafts_);

    const kalmo::FitKind wanted = kalmo::fitKindOf(request.fitType);
    const kalmo::ExactTargets targets = *kalmo::exactTargets(request.targets, request.inchMode);
    fits_.clear();
    for (std::size_t h = 0; h < holes_.size(); ++h) {
      const kalmo::ClassResult& hole = holes_[h].limits;
      for (std::size_t s = 0; s < shafts_.size(); ++s) {
        const kalmo::ClassResult& shaft = shafts_[s].limits;
        // The fit as the evaluation forms it: its own routine, whose rules
        // (a tie of two limits is exactly 0 and decides the kind) the
        // ranked list must follow bit for bit.
        const kalmo::FitResult fit = kalmo::EvaluateFit(hole, shaft);
        const kalmo::FitKind kind = fit.kind;
        const double value1 = fit.value1Mm();
        const double value2 = fit.value2Mm();
        if (kind != wanted) continue;
        // The exact score of the program's 20 °C search.
        const double deviation = kalmo::exactDesignDeviation(fit.value1, fit.value2, targets);
        fits_.push_back({deviation, value1, value2, fit.toleranceMm(),
                         static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(s)});
      }
    }
    kalmo::detail::deviationQuickSort(std::span<Fit>(fits_),
                                      [](const Fit& f) { return f.deviation; });
    return fits_;
  }

  const std::vector<Class>& holes() const { return holes_; }
  const std::vector<Class>& shafts() const { return shafts_; }

 private:
  std::vector<Class> holes_;
  std::vector<Class> shafts_;
  std::vector<Fit> fits_;
};

// The search as the program runs it for the command line, and for the window
// when it repeats searches into the same results.
class ProgramSearch {
 public:
  const kalmo::RankedFits& run(const kalmo::DesignRequest& request) {
    kalmo::searchFits(request, results_);
    return results_;
  }

 private:
  kalmo::RankedFits results_;
};

bool sameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The program's ranked list against the yardstick's: same length, and row by
// row the same classes and the same bits in every value.
bool sameRanking(FitType type) {
  const kalmo::DesignRequest request = allCombinationsAt30Mm(type);
  BareSearch bare;
  ProgramSearch program;
  const std::vector<BareSearch::Fit>& want = bare.run(request);
  const kalmo::RankedFits& got = program.run(request);
  if (got.size() != want.size()) {
    std::fprintf(stderr, "%s: %zu results, the yardstick has %zu\n",
                 kFitTypeNames[static_cast<std::size_t>(type)], got.size(), want.size());
    return false;
  }
  for (std::size_t i = 0; i < want.size(); ++i) {
    const BareSearch::Fit& w = want[i];
    const kalmo::FitClasses classes{bare.holes()[w.hole].cls, bare.shafts()[w.shaft].cls};
    const kalmo::DesignResult g = got.record(i);
    if (g.classes != classes || !sameBits(g.Deviation, w.deviation) ||
        !sameBits(g.FitValue1, w.value1Mm) || !sameBits(g.FitValue2, w.value2Mm) ||
        !sameBits(g.FitTolerance, w.toleranceMm)) {
      std::fprintf(stderr, "%s: row %zu differs from the yardstick\n",
                   kFitTypeNames[static_cast<std::size_t>(type)], i);
      return false;
    }
  }
  return true;
}

long minorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// One benchmark per search and fit type; "faults" counts the minor page
// faults per search (memory taken from the system afresh).
template <typename Search>
void searchBenchmark(benchmark::State& state) {
  const kalmo::DesignRequest request =
      allCombinationsAt30Mm(kFitTypes[static_cast<std::size_t>(state.range(0))]);
  Search search;
  std::size_t accepted = 0;
  const long faultsBefore = minorFaults();
  for (auto _ : state) {
    const auto& ranked = search.run(request);
    accepted = ranked.size();
    benchmark::DoNotOptimize(&ranked);
    benchmark::ClobberMemory();
  }
  state.counters["accepted"] = static_cast<double>(accepted);
  state.counters["faults"] = benchmark::Counter(static_cast<double>(minorFaults() - faultsBefore),
                                                benchmark::Counter::kAvgIterations);
}

// 201 x 202 = 40602 candidates at 30 mm; argument 0 clearance, 1 transition,
// 2 interference.
void BM_DesignSearch(benchmark::State& state) {
  searchBenchmark<ProgramSearch>(state);
}
void BM_BareSearch(benchmark::State& state) {
  searchBenchmark<BareSearch>(state);
}
BENCHMARK(BM_DesignSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The console output as usual, and afterwards the ratio of the program's CPU
// time to the yardstick's per fit type: of the medians when the benchmarks
// are repeated, otherwise of the single runs.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, as the library's own reporter does.
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      Figure& figure = figures_[run.run_name.function_name][run.run_name.args];
      if (median || !figure.median) figure = {run.GetAdjustedCPUTime(), median};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void printRatios() const {
    const auto program = figures_.find("BM_DesignSearch");
    const auto bare = figures_.find("BM_BareSearch");
    if (program == figures_.end() || bare == figures_.end()) return;
    std::printf("\n%-13s %12s %12s %7s\n", "fit type", "program ms", "yardstick ms", "ratio");
    for (std::size_t k = 0; k < kFitTypes.size(); ++k) {
      const std::string arg = std::to_string(k);
      const auto p = program->second.find(arg);
      const auto b = bare->second.find(arg);
      if (p == program->second.end() || b == bare->second.end()) continue;
      std::printf("%-13s %12.3f %12.3f %7.2f\n", kFitTypeNames[k], p->second.cpuMs, b->second.cpuMs,
                  p->second.cpuMs / b->second.cpuMs);
    }
  }

 private:
  struct Figure {
    double cpuMs = 0;
    bool median = false;
  };
  std::map<std::string, std::map<std::string, Figure>> figures_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  for (FitType type : kFitTypes) {
    if (!sameRanking(type)) return 1;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
