#include "format/callout_line.h"

#include "format/callout.h"
#include "format/number_format.h"
#include "lang/text_args.h"
#include "tables/nominal_range.h"

namespace kalmo {

namespace {

CalloutReading failed(TextId reason, std::string_view first = {}, std::string_view second = {}) {
  CalloutReading reading;
  reading.failure = {reason, userTextExcerpt(first), userTextExcerpt(second)};
  return reading;
}

// The reason a designation (a fit or one class, as written) is none.
CalloutReading designationFailed(std::string_view text, DesignationError error, Side side,
                                 bool memberUnknown) {
  if (error == DesignationError::MissingSlash) return failed(TextId::CalloutFitNoSlash, text);
  const bool hole = side == Side::Hole;
  const std::size_t slash = text.find('/');
  const std::string_view part = memberUnknown || slash == std::string_view::npos ? text
                                : hole ? text.substr(0, slash)
                                       : text.substr(slash + 1);
  const ClassTextParts parts = splitClassText(part);
  // A member meant as the bearing ring ("bearing7", "Bearing") is named as
  // such, not as a deviation letter; the ring is "bearing", lower case, as
  // for either member.
  if (startsWithBearingWord(part)) {
    const bool onlyGrade = parts.letters == kBearingText && !parts.grade.empty();
    return failed(onlyGrade ? TextId::CalloutBearingGrade : TextId::CalloutBearingForm, part);
  }
  if (memberUnknown) {
    return failed(TextId::CalloutNoDeviationLetter, text, parts.letters);
  }
  switch (error) {
    case DesignationError::Empty:
      return failed(hole ? TextId::CalloutHoleMissing : TextId::CalloutShaftMissing);
    case DesignationError::UnknownLetter:
      if (parts.letters.empty()) {
        return failed(hole ? TextId::CalloutHoleLetterMissing : TextId::CalloutShaftLetterMissing,
                      part);
      }
      return failed(hole ? TextId::CalloutHoleBadLetter : TextId::CalloutShaftBadLetter, part,
                    parts.letters);
    case DesignationError::WrongCase:
      return failed(hole ? TextId::CalloutHoleWrongCase : TextId::CalloutShaftWrongCase, part);
    case DesignationError::MissingGrade:
      return failed(hole ? TextId::CalloutHoleGradeMissing : TextId::CalloutShaftGradeMissing,
                    part);
    case DesignationError::UnknownGrade:
      return failed(hole ? TextId::CalloutHoleBadGrade : TextId::CalloutShaftBadGrade, part,
                    parts.grade);
    case DesignationError::None:
    case DesignationError::MissingSlash: break;
  }
  return failed(TextId::CalloutFitNoSlash, text);
}

// Where a number belongs but none is: a sign, a designation without size,
// or other text.
CalloutReading sizeMissing(std::string_view word, ClassesWanted wanted) {
  if ((word.starts_with('+') || word.starts_with('-')) && parseNumber(word.substr(1), ",")) {
    return failed(TextId::CalloutSizeSigned, word);
  }
  if (wanted != ClassesWanted::None && readDesignation(word).ok()) {
    return failed(TextId::CalloutSizeMissing);
  }
  return failed(TextId::CalloutSizeNotANumber, word);
}

// The size within the nominal range, or why not.
CalloutReading checkedSize(double size, bool inchMode) {
  const double mm = inchMode ? inchToMm(size) : size;
  const std::string typed = formatPlain(size) + (inchMode ? " in" : " mm");
  if (!(mm > 0)) return failed(TextId::CalloutSizeNotPositive, typed);
  if (!(mm <= kMaxNominalMm)) {
    return failed(TextId::CalloutSizeAboveMaximum,
                  inchMode ? typed + " (" + formatPlain(mm) + " mm)" : typed);
  }
  CalloutReading reading;
  reading.value = CalloutRequest{size, mm, std::nullopt, std::nullopt};
  return reading;
}

// Whether the classes are those the rules want; `designation` as written.
CalloutReading withClasses(CalloutReading reading, const DesignationRead& classes,
                           std::string_view designation, ClassesWanted wanted) {
  if (!classes.hole && !classes.shaft) return failed(TextId::CalloutNoClass);
  if (wanted == ClassesWanted::Fit && !(classes.hole && classes.shaft)) {
    return failed(TextId::CalloutFitNoSlash, designation);
  }
  reading.value->hole = classes.hole;
  reading.value->shaft = classes.shaft;
  return reading;
}

}  // namespace

CalloutReading readCallout(std::string_view text, const CalloutRules& rules) {
  const CalloutParse parse = parseCallout(text);
  const std::string_view whole = trimBlanks(text);
  const bool sizeAlone = rules.classes == ClassesWanted::None;
  switch (parse.error) {
    case CalloutError::Empty: return failed(TextId::CalloutSizeMissing);
    case CalloutError::MissingSize: return sizeMissing(parse.sizeText, rules.classes);
    case CalloutError::BadSize: return failed(TextId::CalloutSizeNotANumber, parse.sizeText);
    case CalloutError::TrailingText:
      if (sizeAlone) return failed(TextId::CalloutSizeNotANumber, whole);
      return failed(TextId::CalloutTrailingText, parse.designation, parse.trailing);
    case CalloutError::BadDesignation:
      if (sizeAlone) return failed(TextId::CalloutSizeNotANumber, whole);
      return designationFailed(parse.designation, parse.designationError, parse.failedSide,
                               parse.memberUnknown);
    case CalloutError::None: break;
  }
  const Callout& callout = *parse.value;
  if (sizeAlone && (callout.hole || callout.shaft)) {
    return failed(TextId::CalloutSizeNotANumber, whole);
  }
  if (rules.inchMode && parse.unitMm) return failed(TextId::CalloutMmInInches, whole);
  CalloutReading reading = checkedSize(callout.size, rules.inchMode);
  if (!reading.value || sizeAlone) return reading;
  DesignationRead classes;
  classes.hole = callout.hole;
  classes.shaft = callout.shaft;
  return withClasses(std::move(reading), classes, parse.designation, rules.classes);
}

CalloutReading readCallout(std::string_view sizeText, std::string_view classesText,
                           const CalloutRules& rules) {
  CalloutReading reading = readCallout(sizeText, {rules.inchMode, ClassesWanted::None});
  if (!reading.value || rules.classes == ClassesWanted::None) return reading;
  const std::string_view designation = trimBlanks(classesText);
  if (designation.empty()) return failed(TextId::CalloutNoClass);
  const DesignationRead classes = readDesignation(designation);
  if (!classes.ok()) {
    return designationFailed(designation, classes.error, classes.failedSide, classes.memberUnknown);
  }
  return withClasses(std::move(reading), classes, designation, rules.classes);
}

std::optional<std::string_view> calloutListLine(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  line = trimBlanks(line);
  if (line.empty() || line.front() == '#') return std::nullopt;
  return line;
}

std::string calloutFailureText(const CalloutFailure& failure, const LangTable& lang) {
  return filled(GetLangString(lang, failure.reason), {failure.first, failure.second});
}

std::string userTextExcerpt(std::string_view text) {
  constexpr std::size_t kMaxShown = 40;
  std::size_t end = std::min(text.size(), kMaxShown);
  // Cut before a character, not inside one.
  while (end > 0 && end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    --end;
  }
  return std::string(text.substr(0, end)) + (end < text.size() ? "..." : "");
}

}  // namespace kalmo
