#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "cli_common.h"
#include "commands.h"
#include "format/number_format.h"
#include "json_writer.h"
#include "stack/stack_text.h"

namespace kalmo::cli {

namespace {

constexpr const char* kStackFooter = R"help(Stack-up:
  FILE is a CSV chain ("-" reads standard input) with the header
    name,nominal,direction,tolerance,distribution
  and one contributor a row. direction: + where the contributor adds to the
  closing dimension (the play, the gap), - where it takes from it.
  tolerance: "±0.1" or "+-0.1", "+0.1/-0.05" (upper/lower deviation), an
  ISO 286 class at the nominal ("H7", "g6"), "ISO 2768-m" (the linear
  general tolerance at the nominal), or a bearing ring of ISO 492 Normal at
  the nominal: "bearing" or "bearing bore" (the inner ring's bore, over 0.6
  up to 2000 mm), "bearing OD" (the outer ring's outside diameter, over 6 up
  to 1000 mm); "bearing" in lower case, as in a fit. distribution: normal
  (default, sigma = tolerance / 6), uniform or triangular, centred on the
  middle of the zone.
  Worst case: every contributor at its most unfavourable limit. Statistical:
  the mean from the zone middles (an asymmetric zone shifts it), sigma =
  sqrt(sum of sigma_i^2), the range mean ± 3 sigma, and each contributor's
  share of the variance. With --lsl/--usl the shares below and above from the
  normal model, Cp and Cpk. Monte Carlo (--mc N, default 1000000; 0 leaves it
  out): seeded (--seed, default 1), the same numbers on every system;
  percentiles from a histogram of 65536 bins, each within one bin width;
  the share outside the limits with its 95 % interval (Wilson).

Output:
  Without --json the contributors and the results as text; with --json one
  object on one line:
    {"nominal":3,"worst_case":{"min":2.77,"max":3.23},"statistical":{"mean":3,
     "sd":0.042,"min":2.874,"max":3.126},"contributors":[{"name":"A",
     "nominal":40,"direction":1,"upper":0.1,"lower":-0.1,"mean":40,"sd":0.033,
     "share":0.629},...],"spec":{"lsl":2.9,"usl":3.1,"below":0.0087,
     "above":0.0087,"cp":0.79,"cpk":0.79}|null,"monte_carlo":{"n":1000000,
     "seed":1,"mean":3,"sd":0.042,"min":2.8,"max":3.2,"p0_135":2.874,
     "p50":3,"p99_865":3.126,"outside":0.017|null,"outside_ci":[lo,hi]|null}|null}
  Shares are fractions 0..1. Lengths in mm, or in inches with --inch (the
  file's nominals and deviations, --lsl and --usl too).
  A bad row is one error line naming the row (the header is row 1) and the
  field, exit status 2; a file that cannot be read exits with 1.

Examples:
  kalmo-cli stack chain.csv
  kalmo-cli stack chain.csv --lsl 0.05 --usl 0.4 --json
  kalmo-cli stack - --mc 0 < chain.csv)help";

// A chain file beyond this is no chain a person wrote.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

struct StackOptions {
  std::string file;
  std::string lsl;
  std::string usl;
  std::string samples;
  std::string seed;
  // Which of --lsl, --usl, --mc, --seed were given, also with an empty value
  // ("--lsl ''"), which must not pass for an option left out.
  bool lslGiven = false, uslGiven = false, samplesGiven = false, seedGiven = false;
  bool inch = false;
  bool json = false;
  std::string lang = "en";
};

// Reads the whole stream; false on a read error or a file too large.
bool readAll(std::istream& in, std::string& text, bool& tooLarge) {
  char buffer[65536];
  tooLarge = false;
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxFileBytes) {
      tooLarge = true;
      return false;
    }
    if (!in) break;
  }
  return !in.bad();
}

// A whole number as typed: digits only (no sign, no exponent), within uint64.
std::optional<std::uint64_t> wholeNumber(std::string_view text) {
  std::uint64_t value = 0;
  if (text.empty()) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text[0] == '-' ||
      text[0] == '+') {
    return std::nullopt;
  }
  return value;
}

std::optional<double> limitMm(std::string_view text, bool inch) {
  const std::optional<double> v = parseNumber(text);
  if (!v) return std::nullopt;
  return inch ? inchToMm(*v) : *v;
}

struct Lengths {
  bool inch;
  double operator()(TenthsNm v) const { return inch ? v.inch() : v.mm(); }
  double operator()(HalfTenthsNm v) const { return inch ? v.inch() : v.mm(); }
  double operator()(double mm) const { return inch ? mmToInch(mm) : mm; }
  double sd(double mm) const { return inch ? mm / kMmPerInch : mm; }
};

std::string json(const std::vector<StackContributor>& contributors, const StackResult& r,
                 const std::optional<MonteCarloResult>& mc, const Lengths& len) {
  JsonObject o;
  o.add("nominal", len(r.nominal));
  o.add("worst_case", JsonObject().add("min", len(r.worstMin)).add("max", len(r.worstMax)));
  o.add("statistical", JsonObject()
                           .add("mean", len(r.mean))
                           .add("sd", len.sd(r.sdMm))
                           .add("min", len(r.statMinMm()))
                           .add("max", len(r.statMaxMm())));
  std::string list = "[";
  for (std::size_t i = 0; i < r.contributors.size(); ++i) {
    const ContributorResult& c = r.contributors[i];
    if (i > 0) list += ',';
    list += JsonObject()
                .add("name", contributors[i].name)
                .add("nominal", len(c.nominal))
                .add("direction", directionSign(contributors[i].direction))
                .add("upper", len(c.upper))
                .add("lower", len(c.lower))
                .add("mean", len(c.mean))
                .add("sd", len.sd(c.sdMm))
                .add("share", c.share)
                .str();
  }
  o.addRaw("contributors", list + "]");
  if (r.limitShares) {
    const SpecResult& s = *r.limitShares;
    JsonObject limitShares;
    const auto optional = [&limitShares](const char* key, const std::optional<double>& v) {
      if (v) {
        limitShares.add(key, *v);
      } else {
        limitShares.addNull(key);
      }
    };
    optional("lsl", s.limits.lsl ? std::optional(len(*s.limits.lsl)) : std::nullopt);
    optional("usl", s.limits.usl ? std::optional(len(*s.limits.usl)) : std::nullopt);
    optional("below", s.below);
    optional("above", s.above);
    optional("cp", s.cp);
    optional("cpk", s.cpk);
    o.add("spec", limitShares);
  } else {
    o.addNull("spec");
  }
  if (mc) {
    JsonObject m;
    // Whole numbers as their digits: a seed above 2^53 has no double of its own.
    m.addRaw("n", std::to_string(mc->samples))
        .addRaw("seed", std::to_string(mc->seed))
        .add("mean", len(mc->meanMm))
        .add("sd", len.sd(mc->sdMm))
        .add("min", len(mc->minMm))
        .add("max", len(mc->maxMm))
        .add("p0_135", len(mc->p0135Mm))
        .add("p50", len(mc->p50Mm))
        .add("p99_865", len(mc->p99865Mm));
    if (mc->outside) {
      m.add("outside", mc->outside->share)
          .addRaw("outside_ci",
                  "[" + jsonNumber(mc->outside->low) + "," + jsonNumber(mc->outside->high) + "]");
    } else {
      m.addNull("outside").addNull("outside_ci");
    }
    o.add("monte_carlo", m);
  } else {
    o.addNull("monte_carlo");
  }
  return o.str() + "\n";
}

int runStack(const StackOptions& options, Context& ctx) {
  const LangTable english = LoadLanguage(kLanguageEnglish);
  SpecLimits limits;
  for (const auto& [text, given, target, name] :
       {std::tuple{&options.lsl, options.lslGiven, &limits.lsl, "--lsl"},
        std::tuple{&options.usl, options.uslGiven, &limits.usl, "--usl"}}) {
    if (!given) continue;
    *target = limitMm(*text, options.inch);
    if (!*target) {
      return reportUsageError(ctx,
                              std::string(name) + " " + quoteUserText(*text) + " is not a number");
    }
  }
  if (limits.lsl && limits.usl && *limits.lsl > *limits.usl) {
    return reportUsageError(ctx, "--lsl lies above --usl");
  }
  MonteCarloOptions monteCarlo;
  if (options.samplesGiven) {
    const std::optional<std::uint64_t> n = wholeNumber(options.samples);
    if (!n || *n == 1 || *n > kMonteCarloMaxSamples) {
      return reportUsageError(ctx, "--mc " + quoteUserText(options.samples) +
                                       ": give 0 (no Monte Carlo) or 2 .. 1000000000 samples");
    }
    monteCarlo.samples = *n;
  }
  if (options.seedGiven) {
    const std::optional<std::uint64_t> seed = wholeNumber(options.seed);
    if (!seed) {
      return reportUsageError(ctx, "--seed " + quoteUserText(options.seed) +
                                       ": give a whole number 0 .. 18446744073709551615");
    }
    monteCarlo.seed = *seed;
  }

  std::string text;
  bool tooLarge = false;
  bool read = false;
  errno = 0;
  if (options.file == "-") {
    read = readAll(ctx.in, text, tooLarge);
  } else {
    std::ifstream file(options.file, std::ios::binary);
    read = file.is_open() && readAll(file, text, tooLarge);
  }
  if (!read) {
    const int error = errno;
    std::string message = "cannot read " + quoteUserText(options.file);
    if (tooLarge) {
      message += " (larger than 16 MiB)";
    } else if (error != 0) {
      message += std::string(" (") + std::strerror(error) + ")";
    }
    return reportError(ctx, message, kExitFailure);
  }

  const std::string where = options.file == "-" ? "standard input" : quoteUserText(options.file);
  const StackCsvRead csv = readStackCsv(text);
  if (csv.problem != StackCsvProblem::None) {
    return reportUsageError(ctx, where + ": " +
                                     stackRowErrorText(english, csv.row, stackCsvField(csv.problem),
                                                       stackCsvProblemText(csv.problem)));
  }
  std::vector<StackLink> links;
  for (std::size_t i = 0; i < csv.contributors.size(); ++i) {
    const StackLinkRead link = resolveLink(csv.contributors[i], options.inch);
    if (!link.link) {
      const TextId reason = link.error.field == StackField::Tolerance
                                ? stackToleranceErrorText(link.error.tolerance)
                                : TextId::StackErrNominal;
      return reportUsageError(
          ctx, where + ": " + stackRowErrorText(english, csv.rows[i], link.error.field, reason));
    }
    links.push_back(*link.link);
  }

  const StackResult result = analyseStack(links, limits);
  std::optional<MonteCarloResult> mc;
  if (monteCarlo.samples > 0) mc = runMonteCarlo(links, limits, monteCarlo);
  if (options.json) {
    ctx.out << json(csv.contributors, result, mc, Lengths{options.inch});
  } else {
    const LangTable lang = LoadLanguage(languageCodeOf(options.lang));
    ctx.out << stackReportText(lang, csv.contributors, result, mc, {options.inch, "."});
  }
  return kExitOk;
}

}  // namespace

void registerStackCommand(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<StackOptions>();
  CLI::App* stack = app.add_subcommand(
      "stack", "Tolerance stack-up of a chain (CSV): worst case, statistics, Monte Carlo");
  stack->footer(kStackFooter);
  stack->add_option("FILE", options->file, "The chain as CSV; - reads standard input")
      ->type_name("")
      ->required();
  CLI::Option* lsl =
      stack->add_option("--lsl", options->lsl, "Lower limit of the closing dimension")
          ->type_name("X");
  CLI::Option* usl =
      stack->add_option("--usl", options->usl, "Upper limit of the closing dimension")
          ->type_name("Y");
  CLI::Option* samples =
      stack->add_option("--mc", options->samples, "Monte Carlo samples (default 1000000; 0: none)")
          ->type_name("N");
  CLI::Option* seed =
      stack->add_option("--seed", options->seed, "Seed of the Monte Carlo generator (default 1)")
          ->type_name("S");
  stack->add_flag("--inch", options->inch, "Lengths in inches");
  stack->add_flag("--json", options->json, "Write JSON instead of text");
  addLanguageOption(*stack, options->lang);
  stack->callback([&ctx, options, lsl, usl, samples, seed] {
    options->lslGiven = lsl->count() > 0;
    options->uslGiven = usl->count() > 0;
    options->samplesGiven = samples->count() > 0;
    options->seedGiven = seed->count() > 0;
    ctx.exitCode = runStack(*options, ctx);
  });
}

}  // namespace kalmo::cli
