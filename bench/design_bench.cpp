// The design search on its largest input, every hole class with every shaft
// class of the lists up to 500 mm over the full grade range, measured against
// its yardstick in the same run: a bare search that gives the same ranked
// list, bit for bit, with nothing but the work such a list needs (each class
// evaluated once, the pair loop, the score, the ranking quicksort) and no code
// of the program's evaluation (bare_fit.h). Times on a
// shared machine swing by a factor of two; the ratio program / yardstick is
// the figure to track. Before any timing the two lists are compared; a
// difference ends the program with status 1.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bare_fit.h"
#include "design/class_lists.h"
#include "design/design_search.h"
#include "ratio_reporter.h"

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

// The yardstick: an all-combinations search in mm at 20 °C and nothing
// else, on the yardsticks' own evaluation (bare_fit.h): each listed class
// evaluated once by the deviation rules, the pair loop with the kind by an
// integer comparison, the exact score in integers, and the ranking quicksort
// written out here.
// Its buffers live as long as the object, as a hand-written loop would keep
// them.
class BareSearch {
 public:
  struct Row {
    double deviation;
    std::uint16_t hole;   // index into holes()
    std::uint16_t shaft;  // index into shafts()
  };
  struct Class {
    kalmo::ToleranceClass cls;
    bare::Limits limits;
  };

  const std::vector<Row>& run(const kalmo::DesignRequest& request) {
    const bare::At at(request.nominalSizeMm);
    // The lists are table data: classes in list order. A grade counts by the
    // number of its label ("01" as 1); a class without limits is left out.
    const auto evaluate = [&](kalmo::Side side, std::vector<Class>& out) {
      out.clear();
      for (const kalmo::ClassListItem& item : kalmo::classList(side, request.nominalSizeMm > 500)) {
        const int g = item.cls.grade.index();
        const int value = g == 0 ? 1 : g - 1;
        if (value < request.grades.lower || value > request.grades.upper) continue;
        const bare::Limits limits =
            side == kalmo::Side::Hole ? at.hole(item.cls.letter, g) : at.shaft(item.cls.letter, g);
        if (limits.defined) out.push_back({item.cls, limits});
      }
    };
    evaluate(kalmo::Side::Hole, holes_);
    evaluate(kalmo::Side::Shaft, shafts_);

    const bare::Kind wanted = request.fitType == FitType::Clearance    ? bare::Kind::Clearance
                              : request.fitType == FitType::Transition ? bare::Kind::Transition
                                                                       : bare::Kind::Interference;
    // The targets as whole 1e-7 mm (they are decimals of at most 7 places).
    const std::int64_t targetMax = std::llround(request.targets.max * 1e7);
    const std::int64_t targetMin = std::llround(request.targets.min * 1e7);
    rows_.clear();
    rows_.reserve(holes_.size() * shafts_.size());
    for (std::size_t h = 0; h < holes_.size(); ++h) {
      const bare::Limits& hole = holes_[h].limits;
      for (std::size_t s = 0; s < shafts_.size(); ++s) {
        const bare::Limits& shaft = shafts_[s].limits;
        if (bare::kindOf(hole, shaft) != wanted) continue;
        const bare::Fit fit = bare::fitOf(hole, shaft);
        // The score exactly in whole 1e-7 mm (a step of 0.05 µm is 500 of
        // them), as the nearest double in mm.
        const std::int64_t d1 = std::int64_t{fit.value1Steps} * 500 - targetMax;
        const std::int64_t d2 = std::int64_t{fit.value2Steps} * 500 - targetMin;
        const double deviation = static_cast<double>(std::abs(d2) + std::abs(d1)) / 1e7;
        rows_.push_back({deviation, static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(s)});
      }
    }
    if (!rows_.empty()) quickSort(0, static_cast<std::ptrdiff_t>(rows_.size()) - 1);
    return rows_;
  }

  const std::vector<Class>& holes() const { return holes_; }
  const std::vector<Class>& shafts() const { return shafts_; }

 private:
  // The ranking: quicksort by the deviation alone, Hoare's partition around
  // the middle element of l..r; equal deviations end where it leaves them.
  void quickSort(std::ptrdiff_t l, std::ptrdiff_t r) {
    std::ptrdiff_t i = l;
    std::ptrdiff_t j = r;
    const double pivot = rows_[static_cast<std::size_t>((l + r) / 2)].deviation;
    do {
      while (rows_[static_cast<std::size_t>(i)].deviation < pivot) ++i;
      while (rows_[static_cast<std::size_t>(j)].deviation > pivot) --j;
      if (i <= j) {
        std::swap(rows_[static_cast<std::size_t>(i)], rows_[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) quickSort(l, j);
    if (i < r) quickSort(i, r);
  }

  std::vector<Class> holes_;
  std::vector<Class> shafts_;
  std::vector<Row> rows_;
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
  const std::vector<BareSearch::Row>& want = bare.run(request);
  const kalmo::RankedFits& got = program.run(request);
  const char* const name = kFitTypeNames[static_cast<std::size_t>(type)];
  if (got.size() != want.size()) {
    std::fprintf(stderr, "%s: %zu results, the yardstick has %zu\n", name, got.size(), want.size());
    return false;
  }
  for (std::size_t i = 0; i < want.size(); ++i) {
    const BareSearch::Row& w = want[i];
    const BareSearch::Class& hole = bare.holes()[w.hole];
    const BareSearch::Class& shaft = bare.shafts()[w.shaft];
    const bare::Fit fit = bare::fitOf(hole.limits, shaft.limits);
    const kalmo::DesignResult g = got.record(i);
    if (g.classes != kalmo::FitClasses{hole.cls, shaft.cls} ||
        !sameBits(g.Deviation, w.deviation) || !sameBits(g.FitValue1, fit.value1Mm()) ||
        !sameBits(g.FitValue2, fit.value2Mm()) || !sameBits(g.FitTolerance, fit.toleranceMm())) {
      std::fprintf(stderr, "%s: row %zu differs from the yardstick: %s %.17g %.17g %.17g %.17g\n",
                   name, i, g.Designation.c_str(), g.Deviation, g.FitValue1, g.FitValue2,
                   g.FitTolerance);
      return false;
    }
  }
  std::printf("%s: %zu x %zu = %zu candidates, %zu accepted, equal to the yardstick\n", name,
              bare.holes().size(), bare.shafts().size(), bare.holes().size() * bare.shafts().size(),
              want.size());
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

// 180 x 180 = 32400 candidates at 30 mm (the classes of the lists with
// limits at IT1..IT18); argument 0 clearance, 1 transition, 2 interference.
void BM_DesignSearch(benchmark::State& state) {
  searchBenchmark<ProgramSearch>(state);
}
void BM_BareSearch(benchmark::State& state) {
  searchBenchmark<BareSearch>(state);
}
BENCHMARK(BM_DesignSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  for (FitType type : kFitTypes) {
    if (!sameRanking(type)) return 1;
  }
  bench::RatioReporter reporter(
      {{"design search",
        "BM_DesignSearch",
        "BM_BareSearch",
        {{"0", "clearance"}, {"1", "transition"}, {"2", "interference"}}}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
