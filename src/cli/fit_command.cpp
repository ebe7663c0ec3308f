#include <array>
#include <cstring>
#include <istream>
#include <memory>
#include <ostream>

#include "calc/calc_record.h"
#include "calc/evaluation.h"
#include "cli_common.h"
#include "commands.h"
#include "fit_json.h"
#include "format/export_text.h"
#include "format/number_format.h"
#include "format/units.h"
#include "json_writer.h"
#include "lang/lang_table.h"
#include "line_reader.h"

namespace kalmo::cli {

namespace {

constexpr const char* kFitFooter = R"(Output:
  Without --json the result text of the window's copy button: 22 tab-separated
  lines, each ending in CR LF (hole and shaft side by side, then the fit, then
  the unit note). Millimetre values with 4 decimals; with --inch every length in
  inches with 5 decimals and the sizes as entered. Fit values keep their sign:
  interference is negative.
  With --json one object on one line:
    {"size":30,"hole":{"class":"H7","it":0.021,"upper":0.021,"lower":0,"defined":true},
     "shaft":{...},"fit":{"kind":"interference","label1":"Max. interference",
     "value1":-0.048,"label2":"Min. interference","value2":-0.014000000000000002,
     "tolerance":0.034}}
  All numbers in mm (also with --inch), exactly the computed doubles, written in
  the shortest form that reads back as the same double; so a difference may
  show its binary rounding, as value2 above. An undefined class has upper
  100000, lower 0, it 0
  and "defined":false; "kind" is "clearance", "transition", "interference", or
  null when the fit is undefined. Labels are in the chosen language.
  Every object also holds "statistics": the clearance over many assemblies,
  {"model":"normal","mean":..,"sd":..,"p_interference":..,"p_clearance":..}
  (null for an undefined fit).

Operating conditions (with --json):
  --hole-material/--hole-alpha, --shaft-material/--shaft-alpha, --hole-temp and
  --shaft-temp add "operating": each part's temperature, α and limit deviations
  at temperature, the fit and statistics there, and "kind_changed". A part
  given neither material nor α is steel; a part given no temperature is at 20 °C.
  --stats uniform spreads the sizes evenly over the zones instead of normally
  (σ = IT/6).

Classes:
  Hole letters A B C CD D E EF F FG G H JS J K M N P R S T U V X Y Z ZA ZB ZC,
  shaft letters the same in lower case; grades 01 0 1 2 ... 18 (H7/g6, JS7/h6,
  ZC01/a0). Classes the tables leave undefined at the size are not errors.

Batch (--batch):
  Reads lines "SIZE HOLE/SHAFT" from standard input; blank lines and lines
  starting with # are skipped. Answers come in input order; without --json
  consecutive answers are separated by one empty line (CR LF), with --json
  there is one object per line (JSON Lines). A bad line writes
  "line N: <reason>" to standard error, and with --json also
  {"line":N,"error":"<reason>"} to the output; the other lines still run and
  the exit status is 2. A line longer than 4096 bytes is such a bad line.
  If standard input cannot be read, one line says so after the answers
  given, and the exit status is 1.

Examples:
  kalmo-cli fit 10 H7/g6
  kalmo-cli fit 30 H7/s6 --json --lang de
  kalmo-cli fit 0.5 H7/g6 --inch
  kalmo-cli fit 50 H7/k6 --hole-material aluminium --hole-temp 80 --shaft-temp 60 --json
  printf '10 H7/g6\n30 H7/s6\n' | kalmo-cli fit --batch --json)";

struct FitOptions {
  std::string size;
  std::string fit;
  bool inch = false;
  bool json = false;
  bool batch = false;
  std::string lang = "en";
  OperatingOptions operating;
};

struct FitRequest {
  SizeArgument size;
  FitClasses classes;
};

Parsed<FitRequest> parseRequest(std::string_view sizeText, std::string_view fitText, bool inch) {
  const Parsed<SizeArgument> size = parseSizeArgument(sizeText, inch);
  if (!size.value) return {std::nullopt, size.error};
  const Parsed<FitClasses> classes = parseFitArgument(fitText);
  if (!classes.value) return {std::nullopt, classes.error};
  return {FitRequest{*size.value, *classes.value}, {}};
}

// The JSON texts of the fit labels, by FitKind: looked up in the language
// table and escaped once per run, not once per answer.
struct JsonLabels {
  std::array<std::string, 4> label1;
  std::array<std::string, 4> label2;
};

JsonLabels jsonLabels(const LangTable& lang) {
  JsonLabels labels;
  for (std::size_t k = 0; k < labels.label1.size(); ++k) {
    const auto kind = static_cast<FitKind>(k);
    labels.label1[k] = jsonString(GetLangString(lang, fitLabel1Id(kind)));
    labels.label2[k] = jsonString(GetLangString(lang, fitLabel2Id(kind)));
  }
  return labels;
}

// Everything a fit answer is built from; the table is loaded once per run.
struct FitSettings {
  bool inch = false;
  bool json = false;
  LangTable lang;
  OperatingRequest operating;
  JsonLabels labels = jsonLabels(lang);
};

CalcRecord evaluate(const FitRequest& request, const FitSettings& settings) {
  CalcRecord record;
  record.InchMode = settings.inch;
  record.NominalSize = request.size.mm;
  // The size has been checked to be greater than 0, so this always stores.
  RecalculateRecord(record, request.classes.hole, request.classes.shaft, settings.lang);
  return record;
}

std::string answerText(const FitRequest& request, const CalcRecord& record,
                       const FitSettings& settings) {
  const FitClasses& c = request.classes;
  ExportInput input;
  input.record = record;
  input.holeLetter = std::string(letterText(Side::Hole, c.hole.letter));
  input.holeGrade = std::string(gradeText(c.hole.grade));
  input.shaftLetter = std::string(letterText(Side::Shaft, c.shaft.letter));
  input.shaftGrade = std::string(gradeText(c.shaft.grade));
  // What the size field would show after typing the number.
  input.nominalText = formatPlain(request.size.typed);
  input.inputsCaption = GetLangString(settings.lang, 82);
  input.unitNote = GetLangString(settings.lang, 76) + std::string(noteUnitSuffix(settings.inch));
  input.lang = settings.lang;
  return BuildExportText(input);
}

// Keys and class names are constant JSON text and go out as they are; only
// the labels, which come from the language tables, were escaped (once).
void appendClassJson(std::string& out, Side side, ToleranceClass cls, const ClassResult& result) {
  out += "{\"class\":\"";
  out += letterText(side, cls.letter);
  out += gradeText(cls.grade);
  out += "\",\"it\":";
  appendJsonNumber(out, result.toleranceMm);
  out += ",\"upper\":";
  appendJsonNumber(out, result.upperMm);
  out += ",\"lower\":";
  appendJsonNumber(out, result.lowerMm);
  out += result.defined() ? ",\"defined\":true}" : ",\"defined\":false}";
}

// "kind" as JSON, by FitKind.
constexpr std::array<std::string_view, 4> kKindJson = {"null", "\"clearance\"", "\"transition\"",
                                                       "\"interference\""};

void appendAnswerJson(std::string& out, const FitRequest& request, const FitSettings& settings) {
  const FitClasses& c = request.classes;
  // The size has been checked to lie in the tables' range.
  const Evaluation e = Evaluate(request.size.mm, c.hole, c.shaft).value();
  const auto kind = static_cast<std::size_t>(e.fit.kind);
  out += "{\"size\":";
  appendJsonNumber(out, request.size.mm);
  out += ",\"hole\":";
  appendClassJson(out, Side::Hole, c.hole, e.hole);
  out += ",\"shaft\":";
  appendClassJson(out, Side::Shaft, c.shaft, e.shaft);
  out += ",\"fit\":{\"kind\":";
  out += kKindJson.at(kind);
  out += ",\"label1\":";
  out += settings.labels.label1.at(kind);
  out += ",\"value1\":";
  appendJsonNumber(out, e.fit.value1Mm);
  out += ",\"label2\":";
  out += settings.labels.label2.at(kind);
  out += ",\"value2\":";
  appendJsonNumber(out, e.fit.value2Mm);
  out += ",\"tolerance\":";
  appendJsonNumber(out, e.fit.toleranceMm);
  out += '}';
  // "statistics", and "operating" with operating conditions.
  JsonObject extra;
  addOperatingJson(extra, request.size.mm, e.hole, e.shaft, settings.operating);
  const std::string members = extra.str();
  if (members.size() > 2) {
    out += ',';
    out.append(members, 1, members.size() - 2);
  }
  out += "}\n";
}

// The answer to one request, appended to `out`: the export text, or one JSON line.
void appendAnswer(std::string& out, const FitRequest& request, const FitSettings& settings) {
  if (settings.json) {
    appendAnswerJson(out, request, settings);
  } else {
    out += answerText(request, evaluate(request, settings), settings);
  }
}

std::string_view trimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The first two blank-separated words of a line, split as the C locale's
// stream input would, and whether more follow.
struct Words {
  std::string_view first;
  std::string_view second;
  bool more = false;
};

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

Words splitWords(std::string_view line) {
  Words words;
  std::string_view* slots[] = {&words.first, &words.second};
  std::size_t i = 0;
  for (std::string_view* slot : slots) {
    while (i < line.size() && isSpace(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !isSpace(line[i])) ++i;
    *slot = line.substr(start, i - start);
  }
  while (i < line.size() && isSpace(line[i])) ++i;
  words.more = i < line.size();
  return words;
}

// One bad line: "line N: <reason>" on stderr and, with --json, an error
// object in the output.
void reportBadLine(long lineNumber, std::string_view reason, const FitSettings& settings,
                   Context& ctx) {
  // to_string, not operator<<: the stream's locale might group digits.
  const std::string number = std::to_string(lineNumber);
  writeErrorLine(ctx.err, "line " + number + ": " + std::string(reason));
  if (settings.json) {
    ctx.out << JsonObject()
                   .add("line", static_cast<double>(lineNumber))
                   .add("error", safeErrorText(reason))
                   .str()
            << '\n';
  }
}

int runBatch(const FitSettings& settings, Context& ctx) {
  bool anyError = false;
  bool firstAnswer = true;
  LineReader reader(ctx.in);
  std::string answer;  // reused: one allocation per run
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
      reportBadLine(reader.lineNumber(),
                    "line longer than " + std::to_string(LineReader::kMaxLineBytes) + " bytes",
                    settings, ctx);
      if (outputFailed(ctx)) return kExitFailure;
      continue;
    }
    std::string_view line = reader.line();
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // CR LF input
    line = trimBlanks(line);
    if (line.empty() || line.front() == '#') continue;

    const Words words = splitWords(line);
    Parsed<FitRequest> request;
    if (words.second.empty() || words.more) {
      request.error = "expected \"SIZE HOLE/SHAFT\", got " + quoteUserText(line);
    } else {
      request = parseRequest(words.first, words.second, settings.inch);
    }

    if (!request.value) {
      anyError = true;
      reportBadLine(reader.lineNumber(), request.error, settings, ctx);
    } else {
      answer.clear();
      if (!settings.json && !firstAnswer) answer += "\r\n";
      appendAnswer(answer, *request.value, settings);
      ctx.out.write(answer.data(), static_cast<std::streamsize>(answer.size()));
      firstAnswer = false;
    }
    if (outputFailed(ctx)) return kExitFailure;
  }
  return anyError ? kExitUsage : kExitOk;
}

int runFit(const FitOptions& options, bool sizeGiven, bool fitGiven, Context& ctx) {
  const Parsed<OperatingRequest> operating = parseOperatingOptions(options.operating);
  if (!operating.value) return reportUsageError(ctx, operating.error);
  if (!options.json && (operating.value->conditions || operating.value->modelGiven)) {
    return reportUsageError(ctx,
                            "the operating options and --stats are written with --json only; "
                            "the result text is the fit at 20 °C");
  }
  const FitSettings settings{options.inch, options.json, LoadLanguage(languageCodeOf(options.lang)),
                       *operating.value};
  if (options.batch) {
    if (sizeGiven || fitGiven) {
      return reportUsageError(ctx,
                              "fit --batch reads its sizes and fits from standard input; "
                              "give no SIZE or HOLE/SHAFT");
    }
    return runBatch(settings, ctx);
  }
  if (!sizeGiven || !fitGiven) {
    return reportUsageError(ctx,
                            "fit needs SIZE and HOLE/SHAFT (such as: fit 10 H7/g6), "
                            "or --batch");
  }
  const Parsed<FitRequest> request = parseRequest(options.size, options.fit, options.inch);
  if (!request.value) return reportUsageError(ctx, request.error);
  std::string answer;
  appendAnswer(answer, *request.value, settings);
  ctx.out << answer;
  return kExitOk;
}

}  // namespace

std::string fitAnswerJson(const SizeArgument& size, const FitClasses& classes,
                          const LangTable& lang, const OperatingRequest& operating) {
  const FitSettings settings{false, true, lang, operating};
  std::string out;
  appendAnswerJson(out, FitRequest{size, classes}, settings);
  out.pop_back();  // the line end
  return out;
}

void registerFitCommand(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<FitOptions>();
  CLI::App* fit = app.add_subcommand(
      "fit", "Tolerances, limit deviations, limit sizes and fit of a hole/shaft pair");
  fit->footer(kFitFooter);
  CLI::Option* size =
      fit->add_option("SIZE", options->size,
                      "Nominal size: mm, or inches with --inch; greater than 0, at most 10000 mm")
          ->type_name("");
  CLI::Option* classes =
      fit->add_option("HOLE/SHAFT", options->fit, "Hole and shaft class, such as H7/g6")
          ->type_name("");
  fit->add_flag("--inch", options->inch, "SIZE is in inches, and the text shows inches");
  fit->add_flag("--json", options->json, "Write JSON instead of the result text");
  fit->add_flag("--batch", options->batch, "Read \"SIZE HOLE/SHAFT\" lines from standard input");
  addLanguageOption(*fit, options->lang);
  addOperatingOptions(*fit, options->operating);
  fit->callback([&ctx, options, size, classes] {
    ctx.exitCode = runFit(*options, size->count() > 0, classes->count() > 0, ctx);
  });
}

}  // namespace kalmo::cli
