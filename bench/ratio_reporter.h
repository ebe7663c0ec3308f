#pragma once

// The console output of Google Benchmark as usual, and afterwards the ratio
// of the program's CPU time to its yardstick's for each pair of benchmarks
// run in the same process: of the medians when the benchmarks are repeated,
// otherwise of the single runs. Absolute times on a shared machine swing by
// a factor of two; the ratio is the figure to track.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

// A benchmark of the program and the benchmark of its yardstick, run with
// the same arguments; `label` names the argument in the ratio table.
struct RatioPair {
  std::string what;
  std::string program;
  std::string yardstick;
  std::vector<std::pair<std::string, std::string>> argsAndLabels;
};

class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, as the library's own reporter does.
  explicit RatioReporter(std::vector<RatioPair> pairs)
      : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular),
        pairs_(std::move(pairs)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      Figure& figure = figures_[run.run_name.function_name][run.run_name.args];
      if (median || !figure.median) figure = {run.GetAdjustedCPUTime(), median};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // One line per pair and argument: what, program, yardstick (CPU time in
  // the benchmarks' unit), ratio.
  void printRatios() const {
    bool header = false;
    for (const RatioPair& pair : pairs_) {
      for (const auto& [arg, label] : pair.argsAndLabels) {
        const Figure* p = find(pair.program, arg);
        const Figure* y = find(pair.yardstick, arg);
        if (p == nullptr || y == nullptr) continue;
        if (!header) {
          std::printf("\n%-32s %12s %12s %7s\n", "ratio program / yardstick", "program",
                      "yardstick", "ratio");
          header = true;
        }
        const std::string what = pair.what + ", " + label;
        std::printf("%-32s %12.4g %12.4g %7.2f\n", what.c_str(), p->cpu, y->cpu, p->cpu / y->cpu);
      }
    }
  }

 private:
  struct Figure {
    double cpu = 0;
    bool median = false;
  };
  const Figure* find(const std::string& name, const std::string& arg) const {
    const auto f = figures_.find(name);
    if (f == figures_.end()) return nullptr;
    const auto a = f->second.find(arg);
    return a == f->second.end() ? nullptr : &a->second;
  }

  std::vector<RatioPair> pairs_;
  std::map<std::string, std::map<std::string, Figure>> figures_;
};

}  // namespace bench
