// kalmo-cli fit --batch --json against a yardstick that shares no code with
// it: the same lines read, evaluated (limits, statistics, the neighbour
// across a nearby size-range bound, the catalogue use) and written by the
// plainest code that gives the same bytes (runYardstick below). The output of
// both is compared before anything is timed; the figure to watch is the ratio
// program / yardstick.
//   kalmo_batch_bench [LINES] [REPETITIONS]    defaults 20000 and 7; with 0
//   repetitions it only compares the outputs
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <numbers>
#include <optional>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bare_fit.h"
#include "calc/tolerance_class.h"
#include "cli.h"
#include "design/design_search.h"
#include "design/fit_catalogue.h"
#include "lang/fit_texts.h"
#include "lang/lang_table.h"
#include "tables/deviation_tables.h"
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
    } else if (i % 10 == 0) {
      input += "H7/h6";  // a catalogue fit whose minimum clearance is a tie, EI = es
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

// The yardstick: the plainest program that writes the same bytes, sharing
// no code with kalmo-cli (table data, the catalogue lists and the language's
// texts only). It reads "SIZE CLASS" and "SIZE HOLE/SHAFT" lines as the
// benchmark writes them, evaluates with bare_fit.h, forms the statistics and
// the range-bound neighbour by their formulas, and writes every number by
// std::to_chars into one string.

// The shortest text that reads back as the same double; plain decimals for
// 1e-6 <= |v| < 1e15, an exponent otherwise; 0 for -0; null for no number.
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

// A JSON string of a text (the language's texts: no control characters).
std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

// A class as the line names it: letter (1 or 2 characters) and grade label.
struct Class {
  int letter = -1;
  int grade = -1;
  bool given() const { return letter >= 0; }
};

Class readClass(std::string_view text, const std::array<std::string_view, kLetterCount>& letters) {
  for (int l = kLetterCount - 1; l >= 0; --l) {  // two-letter codes before their first letter
    const std::string_view code = letters[static_cast<std::size_t>(l)];
    if (!text.starts_with(code)) continue;
    const std::string_view label = text.substr(code.size());
    for (int g = 0; g < kGradeCount; ++g) {
      if (label == kGradeLabels[static_cast<std::size_t>(g)]) return {l, g};
    }
  }
  return {};
}

// Hole, shaft and fit of a line at one size; a member without a class is the
// undefined record.
struct Answer {
  bare::Limits hole;
  bare::Limits shaft;
  bare::Fit fit;
};

Answer answerAt(double size, Class hole, Class shaft) {
  const bare::At at(size);
  Answer a;
  if (hole.given()) a.hole = at.hole(hole.letter, hole.grade);
  if (shaft.given()) a.shaft = at.shaft(shaft.letter, shaft.grade);
  a.fit = bare::fitOf(a.hole, a.shaft);
  return a;
}

// The language's texts as JSON strings, each looked up once per run, and the
// fits of the two catalogue lists (hole class code * 560 + shaft class code),
// sorted.
struct Texts {
  std::array<std::string, 4> label1;
  std::array<std::string, 4> label2;
  std::vector<std::string> use;  // by text number, empty until first needed
  std::vector<std::uint32_t> catalogueFits;
};

std::uint32_t classCode(Class c) {
  return static_cast<std::uint32_t>(c.letter * kGradeCount + c.grade);
}
std::uint32_t fitCode(Class hole, Class shaft) {
  return classCode(hole) * kLetterCount * kGradeCount + classCode(shaft);
}

// The use of a catalogue fit by the letter of its non-basic member; H/h by
// the hole's grade (up to IT9 locational, above simple clearance).
TextId useOf(Class hole, Class shaft) {
  constexpr std::array<TextId, kLetterCount> byLetter = {TextId::UseLooseRunning,
                                                         TextId::UseLooseRunning,
                                                         TextId::UseLooseRunning,
                                                         TextId::UseLooseRunning,
                                                         TextId::UseFreeRunning,
                                                         TextId::UseEasyRunning,
                                                         TextId::UseEasyRunning,
                                                         TextId::UseCloseRunning,
                                                         TextId::UseCloseRunning,
                                                         TextId::UseSliding,
                                                         TextId::None,
                                                         TextId::UseLocationalTransition,
                                                         TextId::UseLocationalTransition,
                                                         TextId::UseLocationalTransitionK,
                                                         TextId::UseTransitionM,
                                                         TextId::UseLocationalTransitionN,
                                                         TextId::UseLocationalInterference,
                                                         TextId::UseLightPress,
                                                         TextId::UseMediumDrive,
                                                         TextId::UseForce,
                                                         TextId::UseForce,
                                                         TextId::UseHeavyShrink,
                                                         TextId::UseHeavyShrink,
                                                         TextId::UseHeavyShrink,
                                                         TextId::UseHeavyShrink,
                                                         TextId::UseHeavyShrink,
                                                         TextId::UseHeavyShrink,
                                                         TextId::UseHeavyShrink};
  constexpr int h = bare::kH;
  if (hole.letter == h && shaft.letter == h) {
    return hole.grade <= 10 ? TextId::UseLocationalClearance : TextId::UseSimpleClearance;
  }
  return byLetter[static_cast<std::size_t>(hole.letter == h ? shaft.letter : hole.letter)];
}

void appendClass(std::string& out, const std::array<std::string_view, kLetterCount>& letters,
                 Class cls, const bare::Limits& r) {
  if (!cls.given()) {
    out += "null";
    return;
  }
  out += "{\"class\":\"";
  out += letters[static_cast<std::size_t>(cls.letter)];
  out += kGradeLabels[static_cast<std::size_t>(cls.grade)];
  out += "\",\"it\":";
  appendNumber(out, r.toleranceMm());
  out += ",\"upper\":";
  appendNumber(out, r.upperMm());
  out += ",\"lower\":";
  appendNumber(out, r.lowerMm());
  out += r.defined ? ",\"defined\":true}" : ",\"defined\":false}";
}

void appendMembers(std::string& out, Class hole, Class shaft, const Answer& a, const Texts& texts) {
  constexpr std::array<const char*, 4> kinds = {"null", "\"clearance\"", "\"transition\"",
                                                "\"interference\""};
  out += ",\"hole\":";
  appendClass(out, kHoleLetters, hole, a.hole);
  out += ",\"shaft\":";
  appendClass(out, kShaftLetters, shaft, a.shaft);
  if (!hole.given() || !shaft.given()) {
    out += ",\"fit\":null";
    return;
  }
  const auto kind = static_cast<std::size_t>(a.fit.kind);
  out += ",\"fit\":{\"kind\":";
  out += kinds[kind];
  out += ",\"label1\":";
  out += texts.label1[kind];
  out += ",\"value1\":";
  appendNumber(out, a.fit.value1Mm());
  out += ",\"label2\":";
  out += texts.label2[kind];
  out += ",\"value2\":";
  appendNumber(out, a.fit.value2Mm());
  out += ",\"tolerance\":";
  appendNumber(out, a.fit.toleranceMm());
  out += '}';
}

// A size as the line writes it ("315.5"), in whole 1e-7 mm: the benchmark's
// sizes have at most 7 decimals.
std::int64_t tenthsNmOf(std::string_view text) {
  std::int64_t count = 0;
  int decimals = -1;  // none before the point
  for (const char c : text) {
    if (c == '.') {
      decimals = 0;
      continue;
    }
    count = count * 10 + (c - '0');
    if (decimals >= 0) ++decimals;
  }
  for (int d = std::max(decimals, 0); d < 7; ++d) count *= 10;
  return count;
}

// Limits at the sizes to either side of a range bound within 1 % of the size
// (not the last bound, 10000 mm), decided on the size's decimal.
std::optional<double> boundNear(std::int64_t sizeTenthsNm) {
  for (std::size_t i = 0; i + 1 < kDeviationBoundsMm.size(); ++i) {
    const double bound = kDeviationBoundsMm[i];
    const auto boundTenthsNm = static_cast<std::int64_t>(bound) * 10'000'000;
    if (std::abs(sizeTenthsNm - boundTenthsNm) * 100 <= boundTenthsNm) return bound;
  }
  return std::nullopt;
}

bool sameLimits(const bare::Limits& a, const bare::Limits& b) {
  return a.upperSteps == b.upperSteps && a.lowerSteps == b.lowerSteps;
}

// A caption without the blanks around it.
std::string_view trimmed(std::string_view text) {
  while (text.starts_with(' ')) text.remove_prefix(1);
  while (text.ends_with(' ')) text.remove_suffix(1);
  return text;
}

std::string runYardstick(const std::string& input, const LangTable& lang) {
  Texts texts;
  for (std::size_t k = 0; k < texts.label1.size(); ++k) {
    texts.label1[k] =
        quoted(trimmed(GetLangString(lang, fitValue1Caption(static_cast<FitKind>(k)))));
    texts.label2[k] =
        quoted(trimmed(GetLangString(lang, fitValue2Caption(static_cast<FitKind>(k)))));
  }
  for (const FitCatalogue* list : {&fitsUpTo500, &fitsAbove500}) {
    for (const CatalogueEntry& e : list->entries) {
      if (e.designation.find('/') == std::string_view::npos) continue;
      texts.catalogueFits.push_back(
          fitCode({e.classes.hole.letter, e.classes.hole.grade.index()},
                  {e.classes.shaft.letter, e.classes.shaft.grade.index()}));
    }
  }
  std::sort(texts.catalogueFits.begin(), texts.catalogueFits.end());

  std::string out;
  out.reserve(outputReserve(input));
  for (std::size_t at = 0; at < input.size();) {
    const std::size_t end = input.find('\n', at);
    const std::string_view line(input.data() + at, end - at);
    at = end + 1;
    const std::size_t blank = line.find(' ');
    double size = 0;
    std::from_chars(line.data(), line.data() + blank, size);
    const std::int64_t sizeTenthsNm = tenthsNmOf(line.substr(0, blank));
    const std::string_view classText = line.substr(blank + 1);
    Class hole;
    Class shaft;
    if (const std::size_t slash = classText.find('/'); slash != std::string_view::npos) {
      hole = readClass(classText.substr(0, slash), kHoleLetters);
      shaft = readClass(classText.substr(slash + 1), kShaftLetters);
    } else if (hole = readClass(classText, kHoleLetters); !hole.given()) {
      shaft = readClass(classText, kShaftLetters);
    }
    const Answer a = answerAt(size, hole, shaft);
    out += "{\"size\":";
    appendNumber(out, size);
    appendMembers(out, hole, shaft, a, texts);
    if (a.fit.kind != bare::Kind::Undefined) {
      // Normal sizes, σ = IT/6 per part; the mean exact (in steps of
      // 0.025 µm), P(C < 0) = erfc(μ/(σ√2))/2 and P(C > 0) = erfc(-μ/(σ√2))/2,
      // the probable fit μ ± 3σ.
      const std::int32_t twiceMeanSteps =
          a.hole.upperSteps + a.hole.lowerSteps - a.shaft.upperSteps - a.shaft.lowerSteps;
      const double mean = static_cast<double>(twiceMeanSteps) / 40000.0;
      const double itH = a.hole.toleranceMm();
      const double itS = a.shaft.toleranceMm();
      const double sd = std::sqrt(itH * itH + itS * itS) / 6;
      const double z = mean / (sd * std::numbers::sqrt2);
      const double pInterference = std::erfc(z) / 2;
      const double pClearance = std::erfc(-z) / 2;
      out += ",\"statistics\":{\"model\":\"normal\",\"mean\":";
      appendNumber(out, mean);
      out += ",\"sd\":";
      appendNumber(out, sd);
      out += ",\"p_interference\":";
      appendNumber(out, pInterference);
      out += ",\"p_clearance\":";
      appendNumber(out, pClearance);
      // The probable fit: mean ± 3σ.
      const double probableHalfWidth = std::sqrt(itH * itH + itS * itS) / 2;
      out += ",\"probable\":{\"min\":";
      appendNumber(out, mean - probableHalfWidth);
      out += ",\"max\":";
      appendNumber(out, mean + probableHalfWidth);
      out += "}}";
    } else {
      out += ",\"statistics\":null";
    }
    const std::optional<double> bound = boundNear(sizeTenthsNm);
    std::optional<Answer> across;
    double acrossSize = 0;
    if (bound && (hole.given() || shaft.given())) {
      acrossSize = size <= *bound ? *bound + 0.001 : *bound;
      const Answer there = answerAt(acrossSize, hole, shaft);
      if ((hole.given() && !sameLimits(a.hole, there.hole)) ||
          (shaft.given() && !sameLimits(a.shaft, there.shaft))) {
        across = there;
      }
    }
    if (across) {
      out += ",\"boundary\":{\"bound\":";
      appendNumber(out, *bound);
      out += ",\"size\":";
      appendNumber(out, acrossSize);
      appendMembers(out, hole, shaft, *across, texts);
      out += '}';
    } else {
      out += ",\"boundary\":null";
    }
    // A fit the tables lack at the size is used for nothing.
    if (a.fit.kind != bare::Kind::Undefined &&
        std::binary_search(texts.catalogueFits.begin(), texts.catalogueFits.end(),
                           fitCode(hole, shaft))) {
      const auto id = static_cast<std::size_t>(useOf(hole, shaft));
      if (id >= texts.use.size()) texts.use.resize(id + 1);
      if (texts.use[id].empty())
        texts.use[id] = quoted(GetLangString(lang, static_cast<TextId>(id)));
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
  std::printf("fit --batch --json, %d lines: the same bytes as the yardstick\n", lines);
  if (repetitions == 0) return 0;  // the check alone
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
