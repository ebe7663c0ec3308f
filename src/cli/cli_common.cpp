#include "cli_common.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "format/number_format.h"
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

std::string classError(Side side, std::string_view text, DesignationError error) {
  const bool hole = side == Side::Hole;
  const std::string what = std::string(hole ? "hole" : "shaft") + " class " + quoteUserText(text);
  switch (error) {
    case DesignationError::Empty: return std::string(hole ? "hole" : "shaft") + " class missing";
    case DesignationError::UnknownLetter:
      if (splitClassText(text).letters.empty()) {
        return what + (hole ? ": deviation letter missing (A to ZC)"
                            : ": deviation letter missing (a to zc)");
      }
      return what + ": " + quoteUserText(splitClassText(text).letters) +
             (hole ? " is no hole deviation letter (A to ZC)"
                   : " is no shaft deviation letter (a to zc)");
    case DesignationError::WrongCase:
      return what + (hole ? ": hole letters are upper case" : ": shaft letters are lower case");
    case DesignationError::MissingGrade: return what + ": tolerance grade missing (01, 0, 1 to 18)";
    case DesignationError::UnknownGrade:
      return what + ": " + quoteUserText(splitClassText(text).grade) +
             " is no tolerance grade (01, 0, 1 to 18)";
    case DesignationError::None:
    case DesignationError::MissingSlash: break;
  }
  return what + " is not a tolerance class";
}

}  // namespace

std::string quoteUserText(std::string_view text) {
  constexpr std::size_t kMaxShown = 40;
  std::size_t end = std::min(text.size(), kMaxShown);
  // Cut before a character, not inside one.
  while (end > 0 && end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    --end;
  }
  return "\"" + validUtf8(text.substr(0, end)) + (end < text.size() ? "...\"" : "\"");
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

Parsed<SizeArgument> parseSizeArgument(std::string_view text, bool inch) {
  const std::optional<double> number = parseNumber(text, ".");
  if (!number) {
    std::string word = lowerAscii(text);
    if (!word.empty() && (word.front() == '+' || word.front() == '-')) word.erase(0, 1);
    if (word == "inf" || word == "infinity") {
      return {std::nullopt, "size " + quoteUserText(text) + " is not finite"};
    }
    return {std::nullopt, "size " + quoteUserText(text) + " is not a number"};
  }
  const SizeArgument size{*number, inch ? inchToMm(*number) : *number};
  if (size.mm > 0 && size.mm <= kMaxNominalMm) return {size, {}};
  const std::string shown = formatPlain(size.typed) + (inch ? " in" : " mm");
  if (!(size.mm > 0)) {
    return {std::nullopt, "size " + shown + " is not greater than 0"};
  }
  {
    const std::string inMm = inch ? " (" + formatPlain(size.mm) + " mm)" : "";
    return {std::nullopt, "size " + shown + inMm + " is above the largest nominal size, 10000 mm"};
  }
}

Parsed<FitClasses> parseFitArgument(std::string_view text) {
  const FitParse parsed = parseFitDesignation(text);
  if (parsed.value) return {parsed.value, {}};
  if (text.empty()) {
    return {std::nullopt, "fit missing: expected HOLE/SHAFT such as H7/g6"};
  }
  if (parsed.error == DesignationError::MissingSlash) {
    return {std::nullopt,
            "fit " + quoteUserText(text) + " has no \"/\": expected HOLE/SHAFT such as H7/g6"};
  }
  const std::size_t slash = text.find('/');
  const std::string_view part =
      parsed.failedSide == Side::Hole ? text.substr(0, slash) : text.substr(slash + 1);
  return {std::nullopt, classError(parsed.failedSide, part, parsed.error)};
}

Parsed<ClassChoice> parseClassesArgument(std::string_view text) {
  const auto fit = [](const Parsed<FitClasses>& parsed) -> Parsed<ClassChoice> {
    if (!parsed.value) return {std::nullopt, parsed.error};
    return {ClassChoice{parsed.value->hole, parsed.value->shaft}, {}};
  };
  if (text.empty() || text.find('/') != std::string_view::npos) {
    return fit(parseFitArgument(text));
  }
  const ClassParse hole = parseToleranceClass(text, Side::Hole);
  if (hole.value) return {ClassChoice{hole.value, std::nullopt}, {}};
  const ClassParse shaft = parseToleranceClass(text, Side::Shaft);
  if (shaft.value) return {ClassChoice{std::nullopt, shaft.value}, {}};
  // A letter after the grade ("H7g6") reads as a fit without its slash.
  const std::string_view grade = splitClassText(text).grade;
  if (std::any_of(grade.begin(), grade.end(), [](char c) { return c < '0' || c > '9'; })) {
    return fit(parseFitArgument(text));
  }
  if (hole.error == DesignationError::UnknownLetter && !splitClassText(text).letters.empty()) {
    return {std::nullopt, "class " + quoteUserText(text) + ": " +
                              quoteUserText(splitClassText(text).letters) +
                              " is no deviation letter (A to ZC for holes, a to zc for shafts)"};
  }
  // The letters name one member; its reason is the one to give.
  const bool isShaft = hole.error == DesignationError::WrongCase;
  return {std::nullopt,
          classError(isShaft ? Side::Shaft : Side::Hole, text, isShaft ? shaft.error : hole.error)};
}

}  // namespace kalmo::cli
