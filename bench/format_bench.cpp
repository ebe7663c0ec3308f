#include <benchmark/benchmark.h>

#include <sstream>

#include "cli.h"
#include "format/number_format.h"
#include "format/units.h"
#include "present/export_text.h"

namespace kalmo {
namespace {

void BM_FormatFixed4(benchmark::State& state) {
  const double v = -0.014000000000000002;
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatFixed(v, 4));
  }
}
BENCHMARK(BM_FormatFixed4);

void BM_FormatPlain(benchmark::State& state) {
  const double v = 3.13563;
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatPlain(v));
  }
}
BENCHMARK(BM_FormatPlain);

// The 22-line text of one result (10 mm H7/g6, English), inputs prepared.
void BM_BuildExportText(benchmark::State& state) {
  FitInputs in;
  in.inch = state.range(0) != 0;
  in.sizeMm = 10;
  in.sizeText = in.inch ? "0.3937" : "10";
  in.hole = ToleranceClass{letter::H, Grade::it(7)};
  in.shaft = ToleranceClass{letter::G, Grade::it(6)};
  const FitView view = presentFit(in);
  const LangTable lang = LoadLanguage(kLanguageEnglish);
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildExportText(view, lang));
  }
}
BENCHMARK(BM_BuildExportText)->Arg(0)->Arg(1);

// kalmo-cli fit 30 H7/s6 [--json] end to end, without process start-up:
// option parsing, language table, evaluation and output.
void BM_CliFit(benchmark::State& state) {
  std::vector<std::string> args = {"fit", "30", "H7/s6"};
  if (state.range(0) != 0) args.push_back("--json");
  std::istringstream in;
  for (auto _ : state) {
    std::ostringstream out;
    std::ostringstream err;
    benchmark::DoNotOptimize(cli::runCli(args, in, out, err));
  }
}
BENCHMARK(BM_CliFit)->Arg(0)->Arg(1);

}  // namespace
}  // namespace kalmo
