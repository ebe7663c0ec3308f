#include <cerrno>
#include <cstring>
#include <istream>
#include <memory>
#include <ostream>

#include "calc/range_boundary.h"
#include "cli_common.h"
#include "commands.h"
#include "fit_extras.h"
#include "fit_json.h"
#include "format/number_format.h"
#include "format/units.h"
#include "json_writer.h"
#include "lang/fit_texts.h"
#include "lang/lang_table.h"
#include "line_reader.h"
#include "present/export_text.h"
#include "present/fit_view.h"

namespace kalmo::cli {

namespace {

constexpr const char* kFitFooter = R"help(Output:
  Without --json the result text of the window's copy button: 22 tab-separated
  lines, each ending in CR LF (hole and shaft side by side, then the fit, then
  the unit note). Millimetre values with 4 decimals; with --inch every length in
  inches with 5 decimals. Line 3 shows SIZE as entered, in its unit (trailing
  zeros dropped), for every member with a class. Fit values keep their sign:
  interference is negative.
  With --json one object on one line:
    {"size":30,"hole":{"class":"H7","it":0.021,"upper":0.021,"lower":0,"defined":true},
     "shaft":{...},"fit":{"kind":"interference","label1":"Max. interference",
     "value1":-0.048,"label2":"Min. interference","value2":-0.014,
     "tolerance":0.034}}
  All numbers in mm (also with --inch), exactly the computed doubles, written in
  the shortest form that reads back as the same double; so a difference may
  show its binary rounding, as value2 above. An undefined class has upper
  100000, lower 0, it 0
  and "defined":false; "kind" is "clearance", "transition", "interference", or
  null when the fit is undefined. Labels are in the chosen language.
  "boundary" is null, or, for a size within 1 % of a size-range bound, the
  same members evaluated just across it: {"bound":120,"size":120.001,
  "hole":{...},"shaft":{...},"fit":{...}}; without --json a warning on
  standard error says the same (the exit status stays 0).
  With --format callout the lines a drawing writes (ISO 129-1): "Ø50 H7 (+0.025/0)",
  "Ø50 f7 (-0.025/-0.050)", "Ø50 js7 (±0.0125)", "Ø50 H7/f7"; exact deviations,
  both with the same decimals unless one is zero, "(N)" for a part not shown.
  With --csv (RFC 4180, UTF-8, CR LF) a header record, then one record per
  answer: callout,size,hole,hole_upper,hole_lower,hole_max,hole_min,shaft,
  shaft_upper,shaft_lower,shaft_max,shaft_min,kind,value1,value2,
  fit_tolerance,error; lengths in mm, or inches with --inch, in the shortest
  form that reads back as the same double; empty fields for a part not shown
  (no class, a class the tables leave undefined, a size below 0.001 mm) and
  for a fit not shown. A bad --batch line gives a record with the line as
  callout and the reason as error.
  "use" says in the --lang language what a fit of the standard catalogue is
  for ("Sliding fit: ..." for H7/g6), or is null.
  One class alone (fit 50 H7, fit 50 g6) gives the other member and the fit
  as null, and the text as the window shows it with the other member empty.
  Every object also holds "statistics": the clearance over many assemblies,
  {"model":"normal","mean":..,"sd":..,"p_interference":..,"p_clearance":..,
  "probable":{"min":..,"max":..}} (null for an undefined fit). "probable" is
  the probable fit as bearing makers print it: mean clearance ± 3σ of the
  normal model (σ = IT/6 per member), whatever --stats says; negative is
  interference.

Operating conditions (with --json):
  --hole-material/--hole-alpha, --shaft-material/--shaft-alpha, --hole-temp and
  --shaft-temp add "operating": each part's temperature, α and limit deviations
  at temperature, the fit and statistics there, and "kind_changed". A part
  given neither material nor α is steel; a part given no temperature is at 20 °C.
  --stats uniform spreads the sizes evenly over the zones instead of normally
  (σ = IT/6).

Callouts:
  SIZE and HOLE/SHAFT as two arguments, or one argument with both
  ("42 H7/f6"). A size is digits with "." or "," as decimal separator (no
  sign, no exponent), optionally after Ø or ⌀ and followed by "mm"; the classes
  may follow it without a blank ("Ø42H7/f6"). The window's batch table reads
  the same way and gives the same reasons.

Classes:
  Hole letters A B C CD D E EF F FG G H JS J K M N P R S T U V X Y Z ZA ZB ZC,
  shaft letters the same in lower case; grades 01 0 1 2 ... 18 (H7/g6, JS7/h6,
  ZC01/a0). Classes the tables leave undefined at the size are not errors.
  "bearing" is the ring of a rolling bearing of ISO 492 Normal class (radial
  bearings except tapered roller bearings; upper deviation 0): as the hole the
  inner ring's bore over 0.6 up to 2000 mm (fit 30 bearing/k5), as the shaft
  the outer ring's outside diameter over 6 up to 1000 mm (fit 62 N7/bearing);
  undefined beyond. Alone ("fit 30 bearing") it is the inner ring. Its JSON
  member adds "standard":"ISO 492 Normal".

Batch (--batch):
  Reads callouts "SIZE HOLE/SHAFT" or "SIZE CLASS" from standard input, one
  per line ("Ø50 H7/g6", "50,5 H7"); blank lines and lines starting with # are
  skipped. Answers come in input order; without --json
  consecutive answers are separated by one empty line (CR LF), with --json
  there is one object per line (JSON Lines). A bad line writes
  "line N: <reason>" to standard error, and with --json also
  {"line":N,"error":"<reason>"} to the output; the other lines still run and
  the exit status is 2.

Examples:
  kalmo-cli fit 10 H7/g6
  kalmo-cli fit "Ø42 H7/f6"
  kalmo-cli fit 30 H7/s6 --json --lang de
  kalmo-cli fit 0.5 H7/g6 --inch
  kalmo-cli fit 50 H7/g6 --format callout
  kalmo-cli fit 30 bearing/k5 --json
  kalmo-cli fit 50 H7 --json
  kalmo-cli fit 50 H7/k6 --hole-material aluminium --hole-temp 80 --shaft-temp 60 --json
  printf '10 H7/g6\n30 H7/s6\n' | kalmo-cli fit --batch --json
  printf '50 H7/g6\n12 k6\n' | kalmo-cli fit --batch --csv > limits.csv)help";

struct FitOptions {
  std::string size;
  std::string fit;
  bool inch = false;
  bool json = false;
  bool csv = false;
  std::string format;  // "text", "json", "callout" or "csv"; empty when not given
  bool batch = false;
  std::string lang = "en";
  OperatingOptions operating;
};

enum class FitFormat { Text, Json, Callout, Csv };

// A size with both members, or with one class alone.
using FitRequest = CalloutArgument;

// Everything a fit answer is built from; the table is loaded once per run.
struct FitSettings {
  bool inch = false;
  FitFormat format = FitFormat::Text;
  LangTable lang;
  OperatingRequest operating;
};

FitView evaluate(const FitRequest& request, const FitSettings& settings) {
  FitInputs inputs;
  inputs.sizeMm = request.size.mm;
  // What the size field would show after typing the number.
  inputs.sizeText = formatPlain(request.size.typed);
  inputs.sizeShown = request.size.typed;
  // A single class prints as the window prints it with the other member empty.
  inputs.hole = request.classes.hole;
  inputs.shaft = request.classes.shaft;
  inputs.inch = settings.inch;
  return presentFit(inputs);
}

// The answer to one request, appended to `out`: the export text, one JSON
// line or the callouts. Outside JSON a size near a size-range bound also
// gives a warning, returned as one line for standard error (empty without).
std::string answer(const FitRequest& request, const FitSettings& settings, FitJsonWriter& json,
                   std::string_view source, std::string& out) {
  const ClassChoice& c = request.classes;
  const std::optional<RangeNeighbour> neighbour =
      rangeBoundaryNeighbour(request.size.mm, c.hole, c.shaft);
  switch (settings.format) {
    case FitFormat::Json: {
      // The computed doubles as they are, whatever the views show.
      const Evaluation e = Evaluate(request.size.mm, c.hole, c.shaft).value_or(Evaluation{});
      json.append(out, request.size.mm, c, e, neighbour);
      out += '\n';
      return {};
    }
    case FitFormat::Csv: out += csvAnswer(source, request.size, c, settings.inch); return {};
    case FitFormat::Callout: out += calloutAnswer(request.size.mm, c, settings.inch); break;
    case FitFormat::Text: out += BuildExportText(evaluate(request, settings), settings.lang); break;
  }
  return neighbour ? boundaryWarning(request.size.mm, c, *neighbour, settings.inch) : std::string();
}

// One bad line: "line N: <reason>" on stderr and, with --json or --csv, an
// error object or record in the output.
void reportBadLine(long lineNumber, std::string_view source, std::string_view reason,
                   const FitSettings& settings, Context& ctx) {
  // to_string, not operator<<: the stream's locale might group digits.
  const std::string number = std::to_string(lineNumber);
  writeErrorLine(ctx.err, "line " + number + ": " + std::string(reason));
  if (settings.format == FitFormat::Csv) ctx.out << csvError(source, reason);
  if (settings.format == FitFormat::Json) {
    ctx.out << JsonObject()
                   .add("line", static_cast<double>(lineNumber))
                   .add("error", safeErrorText(reason))
                   .str()
            << '\n';
  }
}

// Between two answers of a batch: an empty line, except between JSON lines.
std::string_view separator(FitFormat format) {
  switch (format) {
    case FitFormat::Json:
    case FitFormat::Csv: return "";
    case FitFormat::Callout: return "\n";
    case FitFormat::Text: break;
  }
  return "\r\n";
}

int runBatch(const FitSettings& settings, Context& ctx) {
  if (settings.format == FitFormat::Csv) ctx.out << csvHeader();
  bool anyError = false;
  bool firstAnswer = true;
  FitJsonWriter json(settings.lang, settings.operating);
  std::string out;                   // one answer; its memory serves every line
  std::optional<LangTable> english;  // the reasons' texts, loaded at the first bad line
  LineReader reader(ctx.in);
  for (;;) {
    const LineReader::Status status = reader.next();
    if (status == LineReader::Status::End) break;
    if (status == LineReader::Status::ReadError) {
      std::string message = "cannot read the input";
      if (reader.errorNumber() != 0) {
        message += std::string(" (") + std::strerror(reader.errorNumber()) + ")";
      }
      // The answers so far go out first.
      ctx.out.flush();
      if (outputFailed(ctx)) return kExitFailure;
      return reportError(ctx, message, kExitFailure);
    }
    if (status == LineReader::Status::TooLong) {
      anyError = true;
      reportBadLine(reader.lineNumber(), "",
                    "line longer than " + std::to_string(LineReader::kMaxLineBytes) + " bytes",
                    settings, ctx);
      if (outputFailed(ctx)) return kExitFailure;
      continue;
    }
    const std::optional<std::string_view> callout = calloutListLine(reader.line());
    if (!callout) continue;
    const std::string_view line = *callout;
    const CalloutReading reading = readCallout(line, {settings.inch, ClassesWanted::Any});
    if (!reading.value) {
      anyError = true;
      if (!english) english = LoadLanguage(kLanguageEnglish);
      reportBadLine(reader.lineNumber(), line, calloutErrorText(reading.failure, *english),
                    settings, ctx);
    } else {
      out.clear();
      if (!firstAnswer) out += separator(settings.format);
      const std::string warning =
          answer(calloutArgument(*reading.value), settings, json, line, out);
      ctx.out.write(out.data(), static_cast<std::streamsize>(out.size()));
      if (!warning.empty()) {
        ctx.err << "line " << std::to_string(reader.lineNumber()) << ": " << warning;
      }
      firstAnswer = false;
    }
    if (outputFailed(ctx)) return kExitFailure;
  }
  return anyError ? kExitUsage : kExitOk;
}

int runFit(const FitOptions& options, bool sizeGiven, bool fitGiven, Context& ctx) {
  const std::string chosen = options.json ? "json" : options.csv ? "csv" : options.format;
  if ((options.json && options.csv) || (!options.format.empty() && options.format != chosen)) {
    return reportUsageError(ctx, "--json, --csv and --format exclude each other");
  }
  const FitFormat format = chosen == "json"      ? FitFormat::Json
                           : chosen == "csv"     ? FitFormat::Csv
                           : chosen == "callout" ? FitFormat::Callout
                                                 : FitFormat::Text;
  const Parsed<OperatingRequest> operating = parseOperatingOptions(options.operating);
  if (!operating.value) return reportUsageError(ctx, operating.error);
  if (format != FitFormat::Json && (operating.value->conditions || operating.value->modelGiven)) {
    return reportUsageError(ctx,
                            "the operating options and --stats are written with --json only; "
                            "the result text is the fit at 20 °C");
  }
  const FitSettings settings{options.inch, format, LoadLanguage(languageCodeOf(options.lang)),
                             *operating.value};
  if (options.batch) {
    if (sizeGiven || fitGiven) {
      return reportUsageError(ctx,
                              "fit --batch reads its sizes and fits from standard input; "
                              "give no SIZE or HOLE/SHAFT");
    }
    return runBatch(settings, ctx);
  }
  if (!sizeGiven) {
    return reportUsageError(ctx,
                            "fit needs SIZE and HOLE/SHAFT (such as: fit 10 H7/g6 or "
                            "fit \"10 H7/g6\"), or --batch");
  }
  const std::string_view classes = fitGiven ? std::string_view(options.fit) : std::string_view();
  const Parsed<FitRequest> request =
      parseCalloutArguments(options.size, classes, options.inch, ClassesWanted::Any);
  if (!request.value) return reportUsageError(ctx, request.error);
  if (format == FitFormat::Csv) ctx.out << csvHeader();
  FitJsonWriter json(settings.lang, settings.operating);
  std::string out;
  const std::string warning =
      answer(*request.value, settings, json,
             fitGiven ? options.size + " " + options.fit : options.size, out);
  ctx.out << out;
  // The warning follows an answer that reached its destination; a failed
  // write is the one line then.
  errno = 0;
  ctx.out.flush();
  if (outputFailed(ctx)) return kExitFailure;
  if (!warning.empty()) ctx.err << "kalmo-cli: " << warning;
  return kExitOk;
}

}  // namespace

void registerFitCommand(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<FitOptions>();
  CLI::App* fit = app.add_subcommand(
      "fit", "Tolerances, limit deviations, limit sizes and fit of a hole/shaft pair");
  fit->footer(kFitFooter);
  CLI::Option* size =
      fit->add_option("SIZE", options->size,
                      "Nominal size: mm, or inches with --inch; greater than 0, at most 10000 mm; "
                      "or the whole callout, such as \"42 H7/f6\"")
          ->type_name("");
  CLI::Option* classes =
      fit->add_option("HOLE/SHAFT", options->fit,
                      "Hole and shaft class, such as H7/g6, or one class alone (H7, g6)")
          ->type_name("");
  fit->add_flag("--inch", options->inch, "SIZE is in inches, and the text shows inches");
  fit->add_flag("--json", options->json, "Write JSON instead of the result text");
  fit->add_option("--format", options->format,
                  "text (default), json, csv, or callout: the lines a drawing writes")
      ->check(CLI::IsMember({"text", "json", "callout", "csv"}));
  fit->add_flag("--csv", options->csv,
                "Write CSV: a header, then one record per fit (bad --batch lines included)");
  fit->add_flag("--batch", options->batch,
                "Read callouts (\"SIZE HOLE/SHAFT\") from standard input, one per line");
  addLanguageOption(*fit, options->lang);
  addOperatingOptions(*fit, options->operating);
  fit->callback([&ctx, options, size, classes] {
    ctx.exitCode = runFit(*options, size->count() > 0, classes->count() > 0, ctx);
  });
}

}  // namespace kalmo::cli
