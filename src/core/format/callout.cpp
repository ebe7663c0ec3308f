#include "format/callout.h"

#include <array>

#include "format/number_format.h"
#include "format/units.h"

namespace kalmo {

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

namespace {

// The diameter signs a callout may start with, UTF-8: Ø (U+00D8), ø (U+00F8),
// ⌀ (U+2300). Written callouts use Ø.
constexpr std::array<std::string_view, 3> kDiameterSigns = {"\xC3\x98", "\xC3\xB8", "\xE2\x8C\x80"};
constexpr std::string_view kDiameterSign = "\xC3\x98";

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
  return trimBlanks(text);
}

bool isSizeChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == ',';
}

// "mm" standing alone: at the end or before a blank.
bool startsWithUnit(std::string_view text) {
  return text.starts_with("mm") && (text.size() == 2 || isBlank(text[2]));
}

CalloutParse failure(CalloutError error) {
  CalloutParse parse;
  parse.error = error;
  return parse;
}

CalloutParse success(const Callout& callout) {
  CalloutParse parse;
  parse.value = callout;
  return parse;
}

CalloutParse designationFailure(std::string_view designation, DesignationError error, Side side) {
  CalloutParse parse = failure(CalloutError::BadDesignation);
  parse.designationError = error;
  parse.failedSide = side;
  parse.designation = std::string(designation);
  return parse;
}

}  // namespace

CalloutParse parseCallout(std::string_view text) {
  text = trim(text);
  for (std::string_view sign : kDiameterSigns) {
    if (text.starts_with(sign)) {
      text = trim(text.substr(sign.size()));
      break;
    }
  }
  if (text.empty()) return failure(CalloutError::Empty);

  std::size_t sizeEnd = 0;
  while (sizeEnd < text.size() && isSizeChar(text[sizeEnd])) ++sizeEnd;
  if (sizeEnd == 0) return failure(CalloutError::MissingSize);
  const std::optional<double> size = parseNumber(text.substr(0, sizeEnd), ",");
  if (!size) return failure(CalloutError::BadSize);

  Callout callout;
  callout.size = *size;
  std::string_view rest = trim(text.substr(sizeEnd));
  if (startsWithUnit(rest)) rest = trim(rest.substr(2));
  if (rest.empty()) return success(callout);

  std::size_t designationEnd = 0;
  while (designationEnd < rest.size() && !isBlank(rest[designationEnd])) ++designationEnd;
  const std::string_view designation = rest.substr(0, designationEnd);
  rest = trim(rest.substr(designationEnd));
  if (startsWithUnit(rest)) rest = trim(rest.substr(2));
  if (!rest.empty()) return failure(CalloutError::TrailingText);

  if (designation.find('/') != std::string_view::npos) {
    const FitParse fit = parseFitDesignation(designation);
    if (!fit.value) return designationFailure(designation, fit.error, fit.failedSide);
    callout.hole = fit.value->hole;
    callout.shaft = fit.value->shaft;
    return success(callout);
  }
  // One class: its letter case tells the member.
  const ClassParse hole = parseToleranceClass(designation, Side::Hole);
  if (hole.value) {
    callout.hole = hole.value;
    return success(callout);
  }
  if (hole.error == DesignationError::WrongCase) {
    const ClassParse shaft = parseToleranceClass(designation, Side::Shaft);
    if (shaft.value) {
      callout.shaft = shaft.value;
      return success(callout);
    }
    return designationFailure(designation, shaft.error, Side::Shaft);
  }
  return designationFailure(designation, hole.error, Side::Hole);
}

std::string calloutDeviation(double deviationMm, bool inchMode) {
  std::string text = formatFixed(inchMode ? mmToInch(deviationMm) : deviationMm, 5);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "0" || text == "-0") return "0";
  return text.front() == '-' ? text : "+" + text;
}

namespace {

std::string sizeText(const CalloutInput& input) {
  const double shown = input.inchMode ? roundTo(mmToInch(input.nominalMm), 5) : input.nominalMm;
  return std::string(kDiameterSign) + formatPlain(shown);
}

}  // namespace

std::string classCalloutLine(const CalloutInput& input, Side side) {
  const std::optional<ToleranceClass>& cls = side == Side::Hole ? input.hole : input.shaft;
  if (!cls) return {};
  const ClassResult& result = side == Side::Hole ? input.holeResult : input.shaftResult;
  const std::string limits = result.defined()
                                 ? calloutDeviation(result.upperMm(), input.inchMode) + "/" +
                                       calloutDeviation(result.lowerMm(), input.inchMode)
                                 : std::string("N");
  return sizeText(input) + " " + Designation(side, *cls) + " (" + limits + ")";
}

std::string fitCalloutLine(const CalloutInput& input) {
  if (!input.hole || !input.shaft) return {};
  return sizeText(input) + " " + FitDesignation({*input.hole, *input.shaft});
}

std::string calloutText(const CalloutInput& input) {
  std::string text;
  for (const std::string& line : {classCalloutLine(input, Side::Hole),
                                  classCalloutLine(input, Side::Shaft), fitCalloutLine(input)}) {
    if (!line.empty()) text += line + "\n";
  }
  return text;
}

}  // namespace kalmo
