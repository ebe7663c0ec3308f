// kalmo-cli fit --batch --json against a yardstick: the same lines parsed and
// evaluated by the core, written by the plainest code that gives the same
// bytes (labels looked up once, numbers by to_chars into one string). The
// output of both is compared before anything is timed; the figure to watch
// is the ratio program / yardstick.
//   kalmo_batch_bench [LINES] [REPETITIONS]    defaults 20000 and 7
#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"
#include "cli.h"
#include "format/number_format.h"
#include "json_writer.h"
#include "lang/fit_texts.h"
#include "lang/lang_table.h"
#include "tables/it_table.h"

namespace {

using namespace kalmo;

// Sizes across the table rows and classes across letters and grades, defined
// and undefined alike.
std::string makeInput(int lines) {
  constexpr std::array<const char*, 9> sizes = {"1",     "3",   "10",   "30",  "0.5",
                                                "315.5", "500", "3150", "9000"};
  std::string input;
  for (int i = 0; i < lines; ++i) {
    const ToleranceClass hole{(i * 7) % kLetterCount, Grade::atIndex((i * 3) % kGradeCount)};
    const ToleranceClass shaft{(i * 11) % kLetterCount, Grade::atIndex((i * 5) % kGradeCount)};
    input += std::string(sizes[static_cast<std::size_t>(i) % sizes.size()]) + ' ' +
             Designation(Side::Hole, hole) + '/' + Designation(Side::Shaft, shaft) + '\n';
  }
  return input;
}

std::string runProgram(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  if (cli::runCli({"fit", "--batch", "--json"}, in, out, err) != cli::kExitOk) {
    std::fprintf(stderr, "kalmo-cli failed: %s\n", err.str().c_str());
    std::exit(1);
  }
  return out.str();
}

void appendNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  if (value == 0) {
    out += '0';
    return;
  }
  const double magnitude = std::fabs(value);
  const std::chars_format format =
      magnitude >= 1e-6 && magnitude < 1e15 ? std::chars_format::fixed : std::chars_format::general;
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
  out.append(buffer, result.ptr);
}

void appendClass(std::string& out, Side side, ToleranceClass cls, const ClassResult& r) {
  out += "{\"class\":\"";
  out += letterText(side, cls.letter);
  out += gradeText(cls.grade);
  out += "\",\"it\":";
  appendNumber(out, r.toleranceMm);
  out += ",\"upper\":";
  appendNumber(out, r.upperMm);
  out += ",\"lower\":";
  appendNumber(out, r.lowerMm);
  out += r.defined() ? ",\"defined\":true}" : ",\"defined\":false}";
}

std::string runYardstick(const std::string& input, const LangTable& lang) {
  constexpr std::array<const char*, 4> kinds = {"null", "\"clearance\"", "\"transition\"",
                                                "\"interference\""};
  std::array<std::string, 4> label1;
  std::array<std::string, 4> label2;
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    label1[k] = cli::jsonString(GetLangString(lang, fitValue1Caption(static_cast<FitKind>(k))));
    label2[k] = cli::jsonString(GetLangString(lang, fitValue2Caption(static_cast<FitKind>(k))));
  }
  std::string out;
  out.reserve(input.size() * 12);
  for (std::size_t at = 0; at < input.size();) {
    const std::size_t end = input.find('\n', at);
    const std::string_view line(input.data() + at, end - at);
    at = end + 1;
    const std::size_t blank = line.find(' ');
    const double size = *parseNumber(line.substr(0, blank), ".");
    const FitClasses classes = *parseFitDesignation(line.substr(blank + 1)).value;
    const Evaluation e = *Evaluate(size, classes.hole, classes.shaft);
    const auto kind = static_cast<std::size_t>(e.fit.kind);
    out += "{\"size\":";
    appendNumber(out, size);
    out += ",\"hole\":";
    appendClass(out, Side::Hole, classes.hole, e.hole);
    out += ",\"shaft\":";
    appendClass(out, Side::Shaft, classes.shaft, e.shaft);
    out += ",\"fit\":{\"kind\":";
    out += kinds[kind];
    out += ",\"label1\":";
    out += label1[kind];
    out += ",\"value1\":";
    appendNumber(out, e.fit.value1Mm);
    out += ",\"label2\":";
    out += label2[kind];
    out += ",\"value2\":";
    appendNumber(out, e.fit.value2Mm);
    out += ",\"tolerance\":";
    appendNumber(out, e.fit.toleranceMm);
    out += "}}\n";
  }
  return out;
}

template <typename F>
double bestSeconds(int repetitions, F&& run) {
  double best = 1e300;
  for (int i = 0; i < repetitions; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const std::string out = run();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (out.empty()) std::abort();
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 20000;
  const int repetitions = argc > 2 ? std::atoi(argv[2]) : 7;
  const std::string input = makeInput(lines);
  const LangTable lang = LoadLanguage(kLanguageEnglish);

  const std::string expected = runYardstick(input, lang);
  if (runProgram(input) != expected) {
    std::fprintf(stderr, "the program's output differs from the yardstick's\n");
    return 1;
  }
  const double program = bestSeconds(repetitions, [&] { return runProgram(input); });
  const double yardstick = bestSeconds(repetitions, [&] { return runYardstick(input, lang); });
  std::printf("fit --batch --json, %d lines, best of %d\n", lines, repetitions);
  std::printf("program   %8.2f ms  %6.0f ns/line\n", program * 1e3, program * 1e9 / lines);
  std::printf("yardstick %8.2f ms  %6.0f ns/line\n", yardstick * 1e3, yardstick * 1e9 / lines);
  std::printf("ratio program/yardstick %.2f\n", program / yardstick);
  return 0;
}
