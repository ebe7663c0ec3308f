#include "stack/stack_text.h"

#include <algorithm>

#include "format/number_format.h"
#include "format/share_format.h"
#include "lang/text_args.h"

namespace kalmo {

namespace {

// Fixed decimals with the trailing zeros (and a bare separator) dropped.
std::string trimmedFixed(double value, int decimals, std::string_view separator) {
  std::string s = formatFixed(value, decimals, ".");
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  const std::size_t point = s.find('.');
  if (point != std::string::npos) s.replace(point, 1, separator);
  return s;
}

std::string unit(const StackTextOptions& o) {
  return o.inch ? " in" : " mm";
}

std::string range(double lowMm, double highMm, const StackTextOptions& o) {
  return stackLengthText(lowMm, o) + " \xE2\x80\xA6 " + stackLengthText(highMm, o) + unit(o);
}

std::string text(const LangTable& lang, TextId id) {
  return GetLangString(lang, id);
}

std::string signedDeviation(double mm, const StackTextOptions& o) {
  const std::string s = stackLengthText(mm, o);
  return s[0] == '-' || s == "0" ? s : "+" + s;
}

std::string optionalNumber(const std::optional<double>& v, const StackTextOptions& o) {
  return v ? trimmedFixed(*v, 3, o.decimalSeparator) : "\xE2\x80\x93";
}

}  // namespace

std::string stackLengthText(double mm, const StackTextOptions& options) {
  return options.inch ? trimmedFixed(mm / kMmPerInch, 5, options.decimalSeparator)
                      : trimmedFixed(mm, 4, options.decimalSeparator);
}

std::string stackSigmaText(double mm, const StackTextOptions& options) {
  return options.inch ? trimmedFixed(mm / kMmPerInch, 6, options.decimalSeparator)
                      : trimmedFixed(mm, 5, options.decimalSeparator);
}

std::vector<StackLine> stackResultLines(const LangTable& lang, const StackResult& r,
                                        const std::optional<MonteCarloResult>& mc,
                                        const StackTextOptions& o) {
  std::vector<StackLine> lines;
  const std::string sep = o.decimalSeparator;
  lines.push_back(
      {text(lang, TextId::StackClosingNominal), stackLengthText(r.nominal.mm(), o) + unit(o)});
  lines.push_back({text(lang, TextId::StackWorstCase), range(r.worstMin.mm(), r.worstMax.mm(), o)});
  lines.push_back({text(lang, TextId::StackStatistical), range(r.statMinMm(), r.statMaxMm(), o)});
  lines.push_back({text(lang, TextId::StackMean), stackLengthText(r.mean.mm(), o) + unit(o)});
  lines.push_back({text(lang, TextId::StackSd), stackSigmaText(r.sdMm, o) + unit(o)});
  if (r.limitShares) {
    const SpecResult& s = *r.limitShares;
    if (s.below) lines.push_back({text(lang, TextId::StackBelow), formatShare(*s.below, sep)});
    if (s.above) lines.push_back({text(lang, TextId::StackAbove), formatShare(*s.above, sep)});
    lines.push_back({text(lang, TextId::StackCpCpk),
                     optionalNumber(s.cp, o) + " / " + optionalNumber(s.cpk, o)});
  }
  if (mc) {
    lines.push_back({text(lang, TextId::StackMonteCarlo) + " (N = " + std::to_string(mc->samples) +
                         ", " + text(lang, TextId::StackSeed) + " " + std::to_string(mc->seed) +
                         ")",
                     ""});
    lines.push_back({text(lang, TextId::StackMean), stackLengthText(mc->meanMm, o) + unit(o)});
    lines.push_back({text(lang, TextId::StackSd), stackSigmaText(mc->sdMm, o) + unit(o)});
    lines.push_back({text(lang, TextId::StackMinMax), range(mc->minMm, mc->maxMm, o)});
    lines.push_back({text(lang, TextId::StackPercentiles),
                     stackLengthText(mc->p0135Mm, o) + " / " + stackLengthText(mc->p50Mm, o) +
                         " / " + stackLengthText(mc->p99865Mm, o) + unit(o)});
    if (mc->outside) {
      lines.push_back({text(lang, TextId::StackOutside),
                       formatShare(mc->outside->share, sep) + " (" +
                           formatShare(mc->outside->low, sep) + " \xE2\x80\xA6 " +
                           formatShare(mc->outside->high, sep) + ")"});
    }
  }
  return lines;
}

std::vector<std::string> stackContributorHeadings(const LangTable& lang) {
  return {text(lang, TextId::StackName),
          text(lang, TextId::StackDirection),
          text(lang, TextId::StackNominal),
          text(lang, TextId::StackTolerance),
          text(lang, TextId::StackDistribution),
          text(lang, TextId::StackMean),
          "\xCF\x83",
          text(lang, TextId::StackShare)};
}

std::vector<std::string> stackContributorCells(const LangTable& lang, const StackContributor& c,
                                               const ContributorResult& r,
                                               const StackTextOptions& o) {
  return {c.name,
          c.direction == StackDirection::Plus ? "+" : "\xE2\x88\x92",
          stackLengthText(r.nominal.mm(), o),
          signedDeviation(r.upper.mm(), o) + "/" + signedDeviation(r.lower.mm(), o),
          text(lang, distributionText(c.distribution)),
          stackLengthText(r.mean.mm(), o),
          stackSigmaText(r.sdMm, o),
          formatShare(r.share, o.decimalSeparator)};
}

std::string stackReportText(const LangTable& lang,
                            const std::vector<StackContributor>& contributors,
                            const StackResult& result, const std::optional<MonteCarloResult>& mc,
                            const StackTextOptions& o) {
  std::string out;
  const auto row = [&out](const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) out += (i > 0 ? "\t" : "") + cells[i];
    out += "\n";
  };
  row(stackContributorHeadings(lang));
  const std::size_t n = std::min(contributors.size(), result.contributors.size());
  for (std::size_t i = 0; i < n; ++i) {
    row(stackContributorCells(lang, contributors[i], result.contributors[i], o));
  }
  out += "\n";
  for (const StackLine& line : stackResultLines(lang, result, mc, o)) {
    out +=
        line.value.empty() ? "\n" + line.caption + "\n" : line.caption + ": " + line.value + "\n";
  }
  return out;
}

TextId stackToleranceErrorText(StackToleranceError error) {
  switch (error) {
    case StackToleranceError::Empty: return TextId::StackErrEmpty;
    case StackToleranceError::NotATolerance: return TextId::StackErrNotTolerance;
    case StackToleranceError::BadNumber: return TextId::StackErrBadNumber;
    case StackToleranceError::LowerAboveUpper: return TextId::StackErrLowerAbove;
    case StackToleranceError::ClassUndefined: return TextId::StackErrClassUndefined;
    case StackToleranceError::GeneralNoValue: return TextId::StackErrGeneralNoValue;
    case StackToleranceError::NotABearingRing: return TextId::StackErrBearingForm;
    // The bearing-seat window's words: the nominal is the ring's diameter.
    case StackToleranceError::BearingUndefined: return TextId::SeatRingUndefined;
    case StackToleranceError::None: break;
  }
  return TextId::None;
}

TextId stackCsvProblemText(StackCsvProblem problem) {
  switch (problem) {
    case StackCsvProblem::Header: return TextId::StackErrHeader;
    case StackCsvProblem::FieldCount: return TextId::StackErrFieldCount;
    case StackCsvProblem::Nominal: return TextId::StackErrNominal;
    case StackCsvProblem::Direction: return TextId::StackErrDirection;
    case StackCsvProblem::Distribution: return TextId::StackErrDistribution;
    case StackCsvProblem::NoRows: return TextId::StackErrNoRows;
    case StackCsvProblem::None: break;
  }
  return TextId::None;
}

TextId distributionText(StackDistribution distribution) {
  switch (distribution) {
    case StackDistribution::Uniform: return TextId::StackUniform;
    case StackDistribution::Triangular: return TextId::StackTriangular;
    case StackDistribution::Normal: break;
  }
  return TextId::StackNormal;
}

std::string stackRowErrorText(const LangTable& lang, std::size_t row,
                              std::optional<StackField> field, TextId reason) {
  const std::string where = field ? stackFieldKey(*field) : "";
  std::string line =
      filled(text(lang, TextId::StackRowField), {std::to_string(row), where, text(lang, reason)});
  if (!field) {
    const std::string empty = ", : ";
    const std::size_t at = line.find(empty);
    if (at != std::string::npos) line.replace(at, empty.size(), ": ");
  }
  return line;
}

}  // namespace kalmo
