#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_common.h"
#include "commands.h"
#include "design/design_search.h"
#include "design/inside_targets.h"
#include "design_output.h"
#include "format/number_format.h"
#include "format/units.h"
#include "lang/lang_table.h"
#include "mech_options.h"

namespace kalmo::cli {

namespace {

constexpr const char* kDesignFooter = R"(Search:
  Evaluates every hole/shaft combination the fit system and the grade range
  allow at SIZE, keeps the fits of the requested type and ranks them by
  |value2 - MIN| + |value1 - MAX|, best first. value1 is the maximum
  clearance (the maximum interference for an interference fit), value2 the
  minimum clearance, the maximum interference (transition) or the minimum
  interference. Clearances are positive, interferences negative; a target
  whose sign contradicts the type is negated first, so --type interference
  --max 0.05 --min 0.01 searches for -0.05 and -0.01. Targets the wrong way
  round (MIN above MAX; for interference MAX above MIN) are an error, and so
  are targets beyond ±10000 mm (±393.7 in).

Systems:
  hole-basis (H of every grade in range with every shaft class), shaft-basis
  (every hole class with h), hole (--class as hole with every shaft class),
  shaft (every hole class with --class as shaft), all (every pair).
  --class defaults to the first class of the side in the grade range.

Ranges (grades):
  precision 5-12, gauges 01-6, semi-products 11-16, structures 16-18,
  non-tolerated 11-18, or FROM:TO with grade labels 01 0 1 .. 18 (5:7).
  01 counts as grade 1.

Output:
  Without --json a line with the column titles, then the best fits, as many
  as --count allows; columns separated by tabs: fit (a "*" marks a preferred
  fit), the two fit values and the deviation from the targets, with 4
  decimals in mm, with --inch 5 decimals in inches, then a check mark for a
  fit inside the targets.
  With --json one object on one line (design 30 --json):
    {"max":0,"min":0,"rows":10,"results":[{"designation":"H5/h5",
     "deviation":0.018,"value1":0.018,"value2":0,"tolerance":0.018,
     "preferred":false},...]}
  max and min are the targets after the sign correction, in the unit given;
  results holds every ranked fit, rows the number the table shows; result
  numbers in mm, in the shortest form that reads back as the same double.

Inside the targets:
  A fit lies inside when both its values lie between the two targets after
  the sign correction, inclusive (with 1e-9 mm slack; inch targets are
  converted to mm first). The ranking leaves this aside; the table marks
  inside rows with a check mark in its last column, and each JSON result
  says "inside":true|false, with "inside_count" over every ranked result.
  --inside keeps only the inside fits, in ranked order (rows then counts
  those). When none lies inside, a line on standard error says so; the exit
  status stays 0.
  Each JSON result also carries "use": what a fit of the standard catalogue
  is for, in the --lang language, or null.

At operating temperatures:
  With --hole-material/--hole-alpha, --shaft-material/--shaft-alpha,
  --hole-temp or --shaft-temp the same candidates are ranked by their fits
  at temperature: each limit size L of a part becomes
  L * (1 + alpha * 1e-6 * (t - 20)), and value1, value2, tolerance, deviation
  and the inside test use those values. A part given a temperature but no
  material or alpha is steel; a part given no temperature stays at 20 °C.
  The JSON object then says "operating": {"hole": {"temperature", "alpha"},
  "shaft": {...}}.

Examples:
  kalmo-cli design 30
  kalmo-cli design 30 --type interference --max 0.05 --min 0.01 --json
  kalmo-cli design 600 --system hole --class H7 --type transition
  kalmo-cli design 1.25 --inch --max 0.002 --min 0.001 --range 6:9
  kalmo-cli design 42 --max 0.05 --min 0.02 --inside
  kalmo-cli design 50 --type transition --max 0.02 --min -0.01
            --hole-material aluminium --hole-temp 80 --shaft-temp 60)";

struct DesignOptions {
  std::string size;
  std::string type{kFitTypeNames[0]};
  std::string max = "0";
  std::string min = "0";
  std::string system = "hole-basis";
  std::string fixedClass;
  std::string range = "precision";
  bool standardOnly = false;
  std::string count = "10";
  bool inch = false;
  bool json = false;
  bool insideOnly = false;
  std::string lang = "en";
  OperatingOptions operating;
};

constexpr std::array<std::string_view, 5> kSystemNames = {"hole-basis", "shaft-basis", "hole",
                                                          "shaft", "all"};
constexpr std::array<std::string_view, 5> kCountNames = {"10", "20", "50", "100", "all"};

template <std::size_t N>
int indexOf(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<int>(i);
  }
  return -1;
}

template <std::size_t N>
std::vector<std::string> nameList(const std::array<std::string_view, N>& names) {
  return {names.begin(), names.end()};
}

// Largest target magnitude, mm: no fit value comes near it, and within it
// the deviation from the targets stays a finite double in either unit.
constexpr double kMaxTargetMm = 10000;

// A target in the unit given, finite and within ±10000 mm after conversion.
Parsed<double> parseTarget(std::string_view option, std::string_view text, bool inch) {
  const std::optional<double> value = parseNumber(text, ".");
  if (!value) {
    return {std::nullopt,
            std::string(option) + " " + quoteUserText(text) + " is not a finite number"};
  }
  const double mm = inch ? inchToMm(*value) : *value;
  if (!(std::fabs(mm) <= kMaxTargetMm)) {
    return {std::nullopt,
            std::string(option) + " " + quoteUserText(text) +
                (inch ? " in is beyond ±393.7 in (±10000 mm)" : " is beyond ±10000 mm")};
  }
  return {*value, {}};
}

// The fixed class of systems hole and shaft: the one given, which must be in
// the picker's list for the size band and grade range, or the list's first.
// nullopt without error when the list is empty: the search then finds nothing.
Parsed<ToleranceClass> fixedClassFor(const DesignOptions& options, DesignSystem system,
                                     double sizeMm, GradeBounds grades) {
  const Side side = system == DesignSystem::HoleTolerance ? Side::Hole : Side::Shaft;
  const std::vector<ClassListItem> choices = fixedClassChoices(system, sizeMm, grades);
  if (options.fixedClass.empty()) {
    if (choices.empty()) return {};
    return {choices.front().cls, {}};
  }
  const std::string what = std::string(side == Side::Hole ? "hole" : "shaft") + " class " +
                           quoteUserText(options.fixedClass);
  const ClassParse parsed = parseToleranceClass(options.fixedClass, side);
  if (!parsed.value) {
    return {std::nullopt,
            what + (side == Side::Hole ? " is no hole class (upper-case letters and a grade, "
                                         "such as H7)"
                                       : " is no shaft class (lower-case letters and a grade, "
                                         "such as h6)")};
  }
  for (const ClassListItem& item : choices) {
    if (item.cls == *parsed.value) return {item.cls, {}};
  }
  return {std::nullopt, what + " is not in the class list of " + formatPlain(sizeMm) +
                            " mm within grades " + std::to_string(grades.lower) + " to " +
                            std::to_string(grades.upper)};
}

struct ParsedDesign {
  DesignRequest request;
  int countIndex = 0;
};

Parsed<ParsedDesign> parseDesign(const DesignOptions& options) {
  const Parsed<SizeArgument> size = parseSizeArgument(options.size, options.inch);
  if (!size.value) return {std::nullopt, size.error};
  const Parsed<double> max = parseTarget("--max", options.max, options.inch);
  if (!max.value) return {std::nullopt, max.error};
  const Parsed<double> min = parseTarget("--min", options.min, options.inch);
  if (!min.value) return {std::nullopt, min.error};
  const Parsed<GradeBounds> grades = parseGradeRange(options.range);
  if (!grades.value) return {std::nullopt, grades.error};

  ParsedDesign design;
  DesignRequest& r = design.request;
  r.nominalSizeMm = size.value->mm;
  r.inchMode = options.inch;
  // The option checks admit only listed names.
  r.fitType = static_cast<FitType>(indexOf(kFitTypeNames, options.type));
  r.system = static_cast<DesignSystem>(indexOf(kSystemNames, options.system));
  r.grades = *grades.value;
  r.onlyStandard = options.standardOnly;
  r.targets = {*max.value, *min.value};
  design.countIndex = indexOf(kCountNames, options.count);
  const Parsed<OperatingRequest> operating = parseOperatingOptions(options.operating);
  if (!operating.value) return {std::nullopt, operating.error};
  r.operating = operating.value->conditions;

  if (r.system == DesignSystem::HoleTolerance || r.system == DesignSystem::ShaftTolerance) {
    const Parsed<ToleranceClass> fixed =
        fixedClassFor(options, r.system, r.nominalSizeMm, r.grades);
    if (!fixed.error.empty()) return {std::nullopt, fixed.error};
    r.fixedClass = fixed.value;
  } else if (!options.fixedClass.empty()) {
    return {std::nullopt, "--class needs --system hole or --system shaft"};
  }
  return {design, {}};
}

int runDesign(const DesignOptions& options, bool sizeGiven, Context& ctx) {
  if (!sizeGiven) return reportUsageError(ctx, "design needs SIZE (such as: design 30)");
  const Parsed<ParsedDesign> design = parseDesign(options);
  if (!design.value) return reportUsageError(ctx, design.error);

  const LangTable lang = LoadLanguage(languageCodeOf(options.lang));
  RankedFits results;
  const DesignCheck check = runDesignSearch(design.value->request, results);
  switch (check.error) {
    case DesignInputError::None: break;
    case DesignInputError::TargetsReversed:
      return reportUsageError(ctx, langText(lang, TextId::TargetsReversed));
    case DesignInputError::TargetNotFinite:
      return reportUsageError(ctx, "the targets must be finite numbers");
  }
  const DesignRequest& request = design.value->request;
  const ShownResults shown =
      shownResults(results, request, check, options.insideOnly, design.value->countIndex);
  if (options.json) {
    writeResultsJson(ctx.out, results, shown, request, check, lang);
  } else {
    ctx.out << tableText(results, shown, request, lang);
  }
  if (results.size() == 0) {
    // A grade range that is empty (12:5) or that no class of the system has
    // (0:0): nothing to rank, and nothing "closest" to show.
    ctx.err << "kalmo-cli: no fit of this type in the grade range\n";
  } else if (shown.insideCount == 0) {
    ctx.err << "kalmo-cli: no fit lies inside the targets"
            << (options.insideOnly ? "\n" : "; the closest ones are shown\n");
  }
  return kExitOk;
}

}  // namespace

void registerDesignCommand(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<DesignOptions>();
  CLI::App* design =
      app.add_subcommand("design", "Fits of a type whose limit values come closest to two targets");
  design->footer(kDesignFooter);
  CLI::Option* size =
      design
          ->add_option("SIZE", options->size,
                       "Nominal size: mm, or inches with --inch; greater than 0, at most 10000 mm")
          ->type_name("");
  design->add_option("--type", options->type, "clearance (default), transition or interference")
      ->check(CLI::IsMember(nameList(kFitTypeNames)));
  design->add_option("--max", options->max, "Target of value1, default 0 (mm, or in with --inch)")
      ->type_name("NUMBER");
  design->add_option("--min", options->min, "Target of value2, default 0 (mm, or in with --inch)")
      ->type_name("NUMBER");
  design
      ->add_option("--system", options->system,
                   "hole-basis (default), shaft-basis, hole, shaft or all")
      ->check(CLI::IsMember(nameList(kSystemNames)));
  design
      ->add_option("--class", options->fixedClass,
                   "The fixed class of --system hole (such as H7) or shaft (such as h6)")
      ->type_name("CLASS");
  design
      ->add_option("--range", options->range,
                   "Grades: precision (default), gauges, semi-products, structures, "
                   "non-tolerated, or FROM:TO")
      ->type_name("RANGE");
  design->add_flag("--standard-only", options->standardOnly, "Only fits of the standard catalogue");
  design->add_option("--count", options->count, "Rows of the table: 10 (default), 20, 50, 100, all")
      ->check(CLI::IsMember(nameList(kCountNames)));
  design->add_flag("--inch", options->inch, "SIZE and targets in inches, the table in inches");
  design->add_flag("--json", options->json, "Write JSON instead of the table");
  design->add_flag("--inside", options->insideOnly,
                   "Only fits whose two values lie between the targets");
  addOperatingOptions(*design, options->operating, StatsOption::Left);
  addLanguageOption(*design, options->lang);
  design->callback(
      [&ctx, options, size] { ctx.exitCode = runDesign(*options, size->count() > 0, ctx); });
}

}  // namespace kalmo::cli
