#include "stack/stack_csv.h"

#include "format/csv.h"
#include "format/number_format.h"
#include "format/shortest_number.h"

namespace kalmo {

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

std::string textField(std::string_view s) {
  s = trimmed(s);
  if (!s.empty() && s.front() == '\'') s.remove_prefix(1);
  return std::string(s);
}

std::optional<StackDirection> directionOf(std::string_view s) {
  s = trimmed(s);
  if (s == "+" || s == "+1" || s == "1") return StackDirection::Plus;
  if (s == "-" || s == "-1" || s == "\xE2\x88\x92" ||
      s == "\xE2\x88\x92"
           "1" ||
      s == "'-" || s == "'-1") {
    return StackDirection::Minus;
  }
  if (s == "'+" || s == "'+1") return StackDirection::Plus;
  return std::nullopt;
}

bool blank(const std::vector<std::string>& record) {
  for (const std::string& f : record) {
    if (!trimmed(f).empty()) return false;
  }
  return true;
}

}  // namespace

std::optional<StackField> stackCsvField(StackCsvProblem problem) {
  switch (problem) {
    case StackCsvProblem::Nominal: return StackField::Nominal;
    case StackCsvProblem::Direction: return StackField::Direction;
    case StackCsvProblem::Distribution: return StackField::Distribution;
    case StackCsvProblem::None:
    case StackCsvProblem::Header:
    case StackCsvProblem::FieldCount:
    case StackCsvProblem::NoRows: break;
  }
  return std::nullopt;
}

StackCsvRead readStackCsv(std::string_view text) {
  StackCsvRead r;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::vector<std::vector<std::string>> records = parseCsv(text);
  const auto fail = [&r](StackCsvProblem problem, std::size_t row) {
    r.problem = problem;
    r.row = row;
    r.contributors.clear();
    r.rows.clear();
    return r;
  };
  std::size_t row = 0;
  bool header = false;
  for (const std::vector<std::string>& record : records) {
    ++row;
    if (blank(record)) continue;
    if (!header) {
      std::string joined;
      for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0) joined += ',';
        joined += trimmed(record[i]);
      }
      if (joined != kStackCsvHeader) return fail(StackCsvProblem::Header, row);
      header = true;
      continue;
    }
    if (record.size() != 5) return fail(StackCsvProblem::FieldCount, row);
    StackContributor c;
    c.name = textField(record[0]);
    const std::optional<double> nominal = parseNumber(trimmed(record[1]));
    if (!nominal) return fail(StackCsvProblem::Nominal, row);
    c.nominal = *nominal;
    const std::optional<StackDirection> direction = directionOf(record[2]);
    if (!direction) return fail(StackCsvProblem::Direction, row);
    c.direction = *direction;
    c.tolerance = textField(record[3]);
    const std::string_view distribution = trimmed(record[4]);
    if (!distribution.empty()) {
      const std::optional<StackDistribution> d = distributionOfKey(distribution);
      if (!d) return fail(StackCsvProblem::Distribution, row);
      c.distribution = *d;
    }
    r.contributors.push_back(std::move(c));
    r.rows.push_back(row);
  }
  if (!header) return fail(StackCsvProblem::Header, 1);
  if (r.contributors.empty()) return fail(StackCsvProblem::NoRows, row);
  return r;
}

std::string stackCsvText(const std::vector<StackContributor>& contributors) {
  std::string out = std::string(kStackCsvHeader) + "\r\n";
  for (const StackContributor& c : contributors) {
    const std::vector<std::string> fields = {csvText(c.name), formatShortest(c.nominal),
                                             c.direction == StackDirection::Plus ? "+1" : "-1",
                                             csvText(c.tolerance), distributionKey(c.distribution)};
    out += csvRecord(fields);
  }
  return out;
}

}  // namespace kalmo
