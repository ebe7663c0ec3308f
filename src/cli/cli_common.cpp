#include "cli_common.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "json_writer.h"
#include "lang/lang_table.h"

namespace kalmo::cli {

namespace {

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace

std::string quoteUserText(std::string_view text) {
  return "\"" + validUtf8(userTextExcerpt(text)) + "\"";
}

void writeErrorLine(std::ostream& err, std::string_view line) {
  constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // U+2026
  std::string safe = safeErrorText(line);
  if (safe.size() > kMaxErrorLineBytes) {
    std::size_t end = kMaxErrorLineBytes - kEllipsis.size();
    while (end > 0 && (static_cast<unsigned char>(safe[end]) & 0xC0) == 0x80) --end;
    safe.resize(end);
    safe += kEllipsis;
  }
  safe += '\n';
  err << safe;
}

int reportError(Context& ctx, std::string_view message, int status) {
  writeErrorLine(ctx.err, "kalmo-cli: " + std::string(message));
  return status;
}

int reportUsageError(Context& ctx, std::string_view message) {
  return reportError(ctx, message, kExitUsage);
}

CLI::Option* addLanguageOption(CLI::App& command, std::string& code) {
  return command.add_option("--lang", code, "Language of the texts: en, de or bg")
      ->default_val("en")
      ->check(CLI::IsMember({"en", "de", "bg"}, CLI::ignore_case));
}

LanguageCode languageCodeOf(std::string_view code) {
  const std::string lower = lowerAscii(code);
  if (lower == "de") return kLanguageGerman;
  if (lower == "bg") return kLanguageBulgarian;
  return kLanguageEnglish;
}

std::string calloutErrorText(const CalloutFailure& failure, const LangTable& english) {
  return validUtf8(calloutFailureText(failure, english));
}

std::string calloutErrorText(const CalloutFailure& failure) {
  return calloutErrorText(failure, LoadLanguage(kLanguageEnglish));
}

CalloutArgument calloutArgument(const CalloutRequest& request) {
  return {SizeArgument{request.size, request.sizeMm}, ClassChoice{request.hole, request.shaft}};
}

Parsed<SizeArgument> parseSizeArgument(std::string_view text, bool inch) {
  const CalloutReading reading = readCallout(text, {inch, ClassesWanted::None});
  if (!reading.value) return {std::nullopt, calloutErrorText(reading.failure)};
  return {calloutArgument(*reading.value).size, {}};
}

Parsed<CalloutArgument> parseCalloutArguments(std::string_view size, std::string_view classes,
                                              bool inch, ClassesWanted wanted) {
  const CalloutRules rules{inch, wanted};
  const CalloutReading reading =
      classes.empty() ? readCallout(size, rules) : readCallout(size, classes, rules);
  if (!reading.value) return {std::nullopt, calloutErrorText(reading.failure)};
  return {calloutArgument(*reading.value), {}};
}

Parsed<GradeBounds> parseGradeRange(std::string_view text) {
  // In the order of kItApplicationRanges.
  constexpr std::array<std::string_view, 5> names = {"precision", "gauges", "semi-products",
                                                     "structures", "non-tolerated"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == text) return {kItApplicationRanges[i].bounds(), {}};
  }
  const std::size_t colon = text.find(':');
  if (colon != std::string_view::npos) {
    if (auto bounds = gradeBoundsFromLabels(text.substr(0, colon), text.substr(colon + 1))) {
      return {*bounds, {}};
    }
  }
  return {std::nullopt, "range " + quoteUserText(text) +
                            " is neither a named range (precision, gauges, semi-products, "
                            "structures, non-tolerated) nor FROM:TO with grades 01, 0, 1 to 18"};
}

}  // namespace kalmo::cli
