#include <memory>
#include <ostream>
#include <string>

#include "cli_common.h"
#include "commands.h"
#include "format/number_format.h"
#include "json_writer.h"
#include "tables/preferred_series.h"

namespace kalmo::cli {

namespace {

constexpr const char* kPreferredFooter = R"(Series:
  all (default: every number of the series below, once), R5 R10 R20 R40,
  R'10 R'20 R'40, R"5 R"10 R"20. Quote the names with marks in the shell:
  kalmo-cli preferred "R'20"   kalmo-cli preferred 'R"10'

Output:
  Without --json a line with the column titles, then one line per number of
  the series, ascending; columns separated by tabs, the number times 0.001,
  0.01, 0.1, 1, 10 and 100 (millimetres), with up to 15 significant digits.
  With --json one object on one line:
    {"series":"R5","columns":["x0,001","x0,01","x0,1","x1","x10","x100"],
     "rows":[[0.01,0.1,1,10,100,1000],...]}
  with each number written in the shortest form that reads back as the same
  double.)";

struct PreferredOptions {
  std::string series = "all";
  bool json = false;
};

std::string seriesName(int index) {
  return index == kAllSeriesIndex
             ? std::string("all")
             : std::string(PreferredSeries[static_cast<std::size_t>(index)].name);
}

std::string knownNames() {
  std::string names = "all";
  for (std::size_t i = 1; i < PreferredSeries.size(); ++i) {
    names += ", ";
    names += PreferredSeries[i].name;
  }
  return names;
}

std::string tableText(int index) {
  std::string text;
  for (std::size_t c = 0; c < kPreferredColumnCount; ++c) {
    if (c > 0) text += '\t';
    text += kPreferredColumnTitles[c];
  }
  text += '\n';
  for (const PreferredRow& row : preferredRows(index)) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) text += '\t';
      text += formatPlain(row[c]);
    }
    text += '\n';
  }
  return text;
}

std::string tableJson(int index) {
  std::string columns = "[";
  for (std::size_t c = 0; c < kPreferredColumnCount; ++c) {
    if (c > 0) columns += ',';
    columns += jsonString(kPreferredColumnTitles[c]);
  }
  columns += ']';
  std::string rows = "[";
  for (const PreferredRow& row : preferredRows(index)) {
    if (rows.size() > 1) rows += ',';
    rows += '[';
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) rows += ',';
      rows += jsonNumber(row[c]);
    }
    rows += ']';
  }
  rows += ']';
  return JsonObject()
             .add("series", seriesName(index))
             .addRaw("columns", columns)
             .addRaw("rows", rows)
             .str() +
         "\n";
}

int runPreferred(const PreferredOptions& options, Context& ctx) {
  const std::optional<int> index = findPreferredSeries(options.series);
  if (!index) {
    return reportUsageError(
        ctx, "unknown series " + quoteUserText(options.series) + " (known: " + knownNames() + ")");
  }
  ctx.out << (options.json ? tableJson(*index) : tableText(*index));
  return kExitOk;
}

}  // namespace

void registerPreferredCommand(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<PreferredOptions>();
  CLI::App* preferred =
      app.add_subcommand("preferred", "Preferred numbers of ISO 3 in six decades");
  preferred->footer(kPreferredFooter);
  preferred->add_option("SERIES", options->series, "Series name, default all")->type_name("");
  preferred->add_flag("--json", options->json, "Write JSON instead of tab-separated text");
  preferred->callback([&ctx, options] { ctx.exitCode = runPreferred(*options, ctx); });
}

}  // namespace kalmo::cli
