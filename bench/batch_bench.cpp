// kalmo-cli fit --batch --json against a yardstick: the same lines parsed and
// evaluated by the core (limits, statistics, the neighbour across a nearby
// size-range bound, the catalogue use), written by the plainest code that
// gives the same bytes (texts looked up once, numbers by to_chars into one
// string). The
// output of both is compared before anything is timed; the figure to watch
// is the ratio program / yardstick.
//   kalmo_batch_bench [LINES] [REPETITIONS]    defaults 20000 and 7
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "calc/evaluation.h"
#include "calc/range_boundary.h"
#include "calc/tolerance_class.h"
#include "cli.h"
#include "design/design_search.h"
#include "design/fit_use.h"
#include "format/number_format.h"
#include "json_writer.h"
#include "lang/fit_texts.h"
#include "lang/lang_table.h"
#include "mech/assembly_statistics.h"
#include "tables/it_table.h"

namespace {

using namespace kalmo;

// Sizes across the table rows (bounds and a hair across them among them)
// and classes across letters and grades, defined and undefined alike; every
// seventh line a class alone.
std::string makeInput(int lines) {
  constexpr std::array<const char*, 11> sizes = {"1",   "3",    "10",   "30",     "0.5",  "315.5",
                                                 "500", "3150", "9000", "120.01", "118.9"};
  std::string input;
  for (int i = 0; i < lines; ++i) {
    const ToleranceClass hole{(i * 7) % kLetterCount, Grade::atIndex((i * 3) % kGradeCount)};
    const ToleranceClass shaft{(i * 11) % kLetterCount, Grade::atIndex((i * 5) % kGradeCount)};
    input += std::string(sizes[static_cast<std::size_t>(i) % sizes.size()]) + ' ';
    if (i % 7 == 3) {
      input += Designation(Side::Hole, hole);
    } else if (i % 7 == 5) {
      input += Designation(Side::Shaft, shaft);
    } else if (i % 5 == 0) {
      input += "H7/g6";  // a catalogue fit, with its use text
    } else {
      input += Designation(Side::Hole, hole) + '/' + Designation(Side::Shaft, shaft);
    }
    input += '\n';
  }
  return input;
}

// The output of both sides goes into one string reserved alike, so the
// program pays for its writes what the yardstick pays for its appends, not
// for the growth of a string stream and a copy of all it holds.
std::size_t outputReserve(const std::string& input) {
  return input.size() * 40;
}

class StringSink final : public std::streambuf {
 public:
  explicit StringSink(std::size_t reserve) { text_.reserve(reserve); }
  std::string take() { return std::move(text_); }
  void clear() { text_.clear(); }
  std::size_t size() const { return text_.size(); }

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      text_ += traits_type::to_char_type(c);
    }
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    text_.append(s, static_cast<std::size_t>(n));
    return n;
  }

 private:
  std::string text_;
};

std::string runProgram(const std::string& input) {
  std::istringstream in(input);
  StringSink sink(outputReserve(input));
  std::ostream out(&sink);
  std::ostringstream err;
  if (cli::runCli({"fit", "--batch", "--json"}, in, out, err) != cli::kExitOk) {
    std::fprintf(stderr, "kalmo-cli failed: %s\n", err.str().c_str());
    std::exit(1);
  }
  return sink.take();
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

void appendClass(std::string& out, Side side, std::optional<ToleranceClass> cls,
                 const ClassResult& r) {
  if (!cls) {
    out += "null";
    return;
  }
  out += "{\"class\":\"";
  out += letterText(side, cls->letter);
  out += gradeText(cls->grade);
  out += "\",\"it\":";
  appendNumber(out, r.toleranceMm());
  out += ",\"upper\":";
  appendNumber(out, r.upperMm());
  out += ",\"lower\":";
  appendNumber(out, r.lowerMm());
  out += r.defined() ? ",\"defined\":true}" : ",\"defined\":false}";
}

// The language's texts as JSON strings, each looked up once per run.
struct Texts {
  std::array<std::string, 4> label1;
  std::array<std::string, 4> label2;
  std::vector<std::string> use;  // by text number, empty until first needed
  FitUses uses;                  // the catalogue lists, captured once
};

void appendMembers(std::string& out, bool both, std::optional<ToleranceClass> hole,
                   std::optional<ToleranceClass> shaft, const Evaluation& e, const Texts& texts) {
  constexpr std::array<const char*, 4> kinds = {"null", "\"clearance\"", "\"transition\"",
                                                "\"interference\""};
  out += ",\"hole\":";
  appendClass(out, Side::Hole, hole, e.hole);
  out += ",\"shaft\":";
  appendClass(out, Side::Shaft, shaft, e.shaft);
  if (!both) {
    out += ",\"fit\":null";
    return;
  }
  const auto kind = static_cast<std::size_t>(e.fit.kind);
  out += ",\"fit\":{\"kind\":";
  out += kinds[kind];
  out += ",\"label1\":";
  out += texts.label1[kind];
  out += ",\"value1\":";
  appendNumber(out, e.fit.value1Mm());
  out += ",\"label2\":";
  out += texts.label2[kind];
  out += ",\"value2\":";
  appendNumber(out, e.fit.value2Mm());
  out += ",\"tolerance\":";
  appendNumber(out, e.fit.toleranceMm());
  out += '}';
}

std::string runYardstick(const std::string& input, const LangTable& lang) {
  Texts texts;
  for (std::size_t k = 0; k < texts.label1.size(); ++k) {
    texts.label1[k] =
        cli::jsonString(GetLangString(lang, fitValue1Caption(static_cast<FitKind>(k))));
    texts.label2[k] =
        cli::jsonString(GetLangString(lang, fitValue2Caption(static_cast<FitKind>(k))));
  }
  std::string out;
  out.reserve(outputReserve(input));
  for (std::size_t at = 0; at < input.size();) {
    const std::size_t end = input.find('\n', at);
    const std::string_view line(input.data() + at, end - at);
    at = end + 1;
    const std::size_t blank = line.find(' ');
    const double size = *parseNumber(line.substr(0, blank), ".");
    const std::string_view classText = line.substr(blank + 1);
    std::optional<ToleranceClass> hole;
    std::optional<ToleranceClass> shaft;
    if (classText.find('/') != std::string_view::npos) {
      const FitClasses classes = *parseFitDesignation(classText).value;
      hole = classes.hole;
      shaft = classes.shaft;
    } else if (const ClassParse h = parseToleranceClass(classText, Side::Hole); h.value) {
      hole = h.value;
    } else {
      shaft = parseToleranceClass(classText, Side::Shaft).value;
    }
    const bool both = hole && shaft;
    const FitClasses pair = both ? FitClasses{*hole, *shaft} : FitClasses{};
    const Evaluation e = *Evaluate(size, hole, shaft);
    out += "{\"size\":";
    appendNumber(out, size);
    appendMembers(out, both, hole, shaft, e, texts);
    if (const auto s = assemblyStatistics(e.hole, e.shaft, SizeDistribution::Normal)) {
      out += ",\"statistics\":{\"model\":\"normal\",\"mean\":";
      appendNumber(out, s->meanMm);
      out += ",\"sd\":";
      appendNumber(out, s->sdMm);
      out += ",\"p_interference\":";
      appendNumber(out, s->pInterference);
      out += ",\"p_clearance\":";
      appendNumber(out, s->pClearance);
      out += '}';
    } else {
      out += ",\"statistics\":null";
    }
    if (const auto n = rangeBoundaryNeighbour(size, hole, shaft)) {
      out += ",\"boundary\":{\"bound\":";
      appendNumber(out, n->boundMm);
      out += ",\"size\":";
      appendNumber(out, n->sizeMm);
      appendMembers(out, both, hole, shaft, n->evaluation, texts);
      out += '}';
    } else {
      out += ",\"boundary\":null";
    }
    const std::optional<TextId> use = both ? texts.uses.textId(pair) : std::nullopt;
    if (use) {
      const auto id = static_cast<std::size_t>(*use);
      if (id >= texts.use.size()) texts.use.resize(id + 1);
      if (texts.use[id].empty()) texts.use[id] = cli::jsonString(GetLangString(lang, *use));
      out += ",\"use\":";
      out += texts.use[id];
      out += "}\n";
    } else {
      out += ",\"use\":null}\n";
    }
  }
  return out;
}

// design --json writes every ranked record, some 9000 to 14000 of them for
// all combinations at 30 mm. Its writing is the command with --json less the
// same command writing its table of ten rows (which holds the same reading
// of arguments, language table and search), set against the search alone
// (sign check and search into a reused result object). Both commands write
// into one string sink reserved once for the largest list (2.3 MB) and
// emptied before each run, as a pipe or file takes the bytes without
// growing: a string stream growing afresh each run would add the doubling,
// its copies and the faulting-in of new memory to the writing.
std::size_t runDesign(const char* type, bool json, StringSink& sink) {
  sink.clear();
  std::istringstream in;
  std::ostream out(&sink);
  std::ostringstream err;
  std::vector<std::string> args = {"design",  "30",    "--system", "all",
                                   "--range", "01:18", "--type",   type};
  if (json) args.emplace_back("--json");
  if (cli::runCli(std::move(args), in, out, err) != cli::kExitOk) {
    std::fprintf(stderr, "kalmo-cli design failed: %s\n", err.str().c_str());
    std::exit(1);
  }
  return sink.size();
}

// CPU time of this process: on a machine shared with other work the wall
// time swings with the load, the CPU time much less.
double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <typename F>
double bestSeconds(int repetitions, F&& run) {
  double best = 1e300;
  for (int i = 0; i < repetitions; ++i) {
    const double start = cpuSeconds();
    const auto out = run();  // a text, or the size of a text
    const double took = cpuSeconds() - start;
    if (out == decltype(out){}) std::abort();
    best = std::min(best, took);
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
  if (const std::string got = runProgram(input); got != expected) {
    const auto [g, e] = std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
    const auto lineStart = [](const std::string& s, std::string::const_iterator at) {
      return s.begin() + static_cast<std::ptrdiff_t>(
                             s.rfind('\n', static_cast<std::size_t>(at - s.begin())) + 1);
    };
    std::fprintf(stderr, "the program's output differs from the yardstick's:\n%.400s\n%.400s\n",
                 &*lineStart(got, g), &*lineStart(expected, e));
    return 1;
  }
  const double program = bestSeconds(repetitions, [&] { return runProgram(input); });
  const double yardstick = bestSeconds(repetitions, [&] { return runYardstick(input, lang); });
  std::printf("fit --batch --json, %d lines, best of %d, CPU time\n", lines, repetitions);
  std::printf("program   %8.2f ms  %6.0f ns/line\n", program * 1e3, program * 1e9 / lines);
  std::printf("yardstick %8.2f ms  %6.0f ns/line\n", yardstick * 1e3, yardstick * 1e9 / lines);
  std::printf("ratio program/yardstick %.2f\n", program / yardstick);

  std::printf("\ndesign 30 --system all --range 01:18 --json, best of %d, CPU time\n", repetitions);
  std::printf("%-13s %8s %10s %9s %9s %13s\n", "fit type", "records", "search ms", "table ms",
              "json ms", "write/search");
  constexpr std::array<std::pair<FitType, const char*>, 3> types = {
      {{FitType::Clearance, "clearance"},
       {FitType::Transition, "transition"},
       {FitType::Interference, "interference"}}};
  StringSink sink(std::size_t{3} << 20);
  for (const auto& [type, name] : types) {
    DesignRequest request;
    request.nominalSizeMm = 30;
    request.fitType = type;
    request.system = DesignSystem::AllCombinations;
    request.grades = {1, 18};
    RankedFits ranked;
    const double search = bestSeconds(repetitions, [&] {
      runDesignSearch(request, ranked);
      return std::string(ranked.empty() ? "" : "x");
    });
    const double table = bestSeconds(repetitions, [&] { return runDesign(name, false, sink); });
    const double json = bestSeconds(repetitions, [&] { return runDesign(name, true, sink); });
    std::printf("%-13s %8zu %10.2f %9.2f %9.2f %13.2f\n", name, ranked.size(), search * 1e3,
                table * 1e3, json * 1e3, (json - table) / search);
  }
  return 0;
}
