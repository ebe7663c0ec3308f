#include "format/callout.h"

#include <algorithm>
#include <array>

#include "format/length_decimals.h"
#include "format/number_format.h"
#include "format/part_shown.h"
#include "format/shortest_number.h"
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
constexpr std::string_view kPlusMinus = "\xC2\xB1";  // ±

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isSizeChar(char c) {
  return isDigit(c) || c == '.' || c == ',';
}

// "mm" standing alone: at the end or before a blank.
bool startsWithUnit(std::string_view text) {
  return text.starts_with("mm") && (text.size() == 2 || isBlank(text[2]));
}

// The text up to its first blank.
std::string_view firstWord(std::string_view text) {
  return text.substr(0, std::min(text.find_first_of(" \t"), text.size()));
}

DesignationRead designationFailure(DesignationError error, Side side) {
  DesignationRead read;
  read.error = error;
  read.failedSide = side;
  return read;
}

}  // namespace

DesignationRead readDesignation(std::string_view text) {
  if (text.empty() || text.find('/') != std::string_view::npos) {
    const FitParse fit = parseFitDesignation(text);
    if (!fit.value) return designationFailure(fit.error, fit.failedSide);
    DesignationRead read;
    read.hole = fit.value->hole;
    read.shaft = fit.value->shaft;
    return read;
  }
  const ClassParse hole = parseToleranceClass(text, Side::Hole);
  if (hole.value) {
    DesignationRead read;
    read.hole = hole.value;
    return read;
  }
  const ClassParse shaft = parseToleranceClass(text, Side::Shaft);
  if (shaft.value) {
    DesignationRead read;
    read.shaft = shaft.value;
    return read;
  }
  // A letter after the grade ("H7g6") reads as a fit without its slash.
  const std::string_view grade = splitClassText(text).grade;
  if (std::any_of(grade.begin(), grade.end(), [](char c) { return !isDigit(c); })) {
    return designationFailure(DesignationError::MissingSlash, Side::Hole);
  }
  if (hole.error == DesignationError::UnknownLetter && !splitClassText(text).letters.empty()) {
    DesignationRead read = designationFailure(DesignationError::UnknownLetter, Side::Hole);
    read.memberUnknown = true;
    return read;
  }
  // The letters name one member; its reason is the one to give.
  const bool isShaft = hole.error == DesignationError::WrongCase;
  return designationFailure(isShaft ? shaft.error : hole.error, isShaft ? Side::Shaft : Side::Hole);
}

CalloutParse parseCallout(std::string_view text) {
  CalloutParse parse;
  const auto failed = [&parse](CalloutError error) {
    parse.error = error;
    return parse;
  };
  text = trimBlanks(text);
  for (std::string_view sign : kDiameterSigns) {
    if (text.starts_with(sign)) {
      text = trimBlanks(text.substr(sign.size()));
      break;
    }
  }
  if (text.empty()) return failed(CalloutError::Empty);

  std::size_t sizeEnd = 0;
  while (sizeEnd < text.size() && isSizeChar(text[sizeEnd])) ++sizeEnd;
  if (sizeEnd == 0) {
    parse.sizeText = std::string(firstWord(text));
    return failed(CalloutError::MissingSize);
  }
  const std::optional<double> size = parseNumber(text.substr(0, sizeEnd), ",");
  if (!size) {
    parse.sizeText = std::string(firstWord(text));
    return failed(CalloutError::BadSize);
  }

  Callout callout;
  callout.size = *size;
  std::string_view rest = trimBlanks(text.substr(sizeEnd));
  if (startsWithUnit(rest)) {
    parse.unitMm = true;
    rest = trimBlanks(rest.substr(2));
  }
  if (!rest.empty()) {
    const std::string_view designation = firstWord(rest);
    parse.designation = std::string(designation);
    rest = trimBlanks(rest.substr(designation.size()));
    if (startsWithUnit(rest)) {
      parse.unitMm = true;
      rest = trimBlanks(rest.substr(2));
    }
    if (!rest.empty()) {
      parse.trailing = std::string(rest);
      return failed(CalloutError::TrailingText);
    }
    const DesignationRead read = readDesignation(designation);
    if (!read.ok()) {
      parse.designationError = read.error;
      parse.failedSide = read.failedSide;
      parse.memberUnknown = read.memberUnknown;
      return failed(CalloutError::BadDesignation);
    }
    callout.hole = read.hole;
    callout.shaft = read.shaft;
  }
  parse.value = callout;
  return parse;
}

namespace {

// A length as decimal digits: "-0.050" is {true, "0", "05"} (no trailing zeros).
struct DecimalDigits {
  bool negative = false;
  std::string integer = "0";
  std::string fraction;
  bool zero() const { return integer == "0" && fraction.empty(); }
};

// Adds one unit of the last digit to a string of decimal digits.
void incrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The digits of the shortest decimal text of the value, which is the value's
// exact decimal for a length of the program, rounded half away from zero to
// at most `maxDecimals` on those digits (never on the binary double, whose
// halves lie a little above or below).
DecimalDigits decimalDigits(double value, std::size_t maxDecimals) {
  const std::string text = formatShortest(value);  // "-0.05", "1.5e-07", "" for NaN
  DecimalDigits d;
  if (text.empty()) return d;
  const bool negative = text.front() == '-';
  const std::size_t e = std::min(text.find_first_of("eE"), text.size());
  const std::string_view mantissa = std::string_view(text).substr(negative ? 1 : 0, e - negative);
  int exponent = 0;
  if (e < text.size()) {
    std::string_view exp = std::string_view(text).substr(e + 1);
    const bool expNegative = exp.front() == '-';
    if (exp.front() == '-' || exp.front() == '+') exp.remove_prefix(1);
    for (char c : exp) exponent = exponent * 10 + (c - '0');
    if (expNegative) exponent = -exponent;
  }
  std::string digits;
  std::size_t point = mantissa.size();
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    if (mantissa[i] == '.') {
      point = i;
    } else {
      digits += mantissa[i];
    }
  }
  // The decimal point lies after `integerDigits` of `digits`.
  const long integerDigits = static_cast<long>(point) + exponent;
  if (integerDigits <= 0) {
    digits.insert(0, static_cast<std::size_t>(-integerDigits) + 1, '0');
  } else if (static_cast<std::size_t>(integerDigits) > digits.size()) {
    digits.append(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
  }
  std::size_t integerCount = integerDigits <= 0 ? 1 : static_cast<std::size_t>(integerDigits);
  if (digits.size() - integerCount > maxDecimals) {
    const bool up = digits[integerCount + maxDecimals] >= '5';
    digits.resize(integerCount + maxDecimals);
    if (up) {
      const std::size_t before = digits.size();
      incrementDigits(digits);
      integerCount += digits.size() - before;
    }
  }
  d.integer = digits.substr(0, integerCount);
  d.fraction = digits.substr(integerCount);
  d.integer.erase(0, std::min(d.integer.find_first_not_of('0'), d.integer.size() - 1));
  d.fraction.erase(d.fraction.find_last_not_of('0') + 1);
  d.negative = negative && !d.zero();
  return d;
}

DecimalDigits deviationDigits(double deviationMm, bool inchMode) {
  const int decimals = lengthDecimals(lengthUnit(inchMode), LengthUse::Note);
  return decimalDigits(inchMode ? mmToInch(deviationMm) : deviationMm,
                       static_cast<std::size_t>(decimals));
}

// "+0.050" with `decimals` decimals, "0" for zero.
std::string signedText(const DecimalDigits& d, std::size_t decimals) {
  if (d.zero()) return "0";
  std::string text = (d.negative ? "-" : "+") + d.integer;
  if (decimals > 0) {
    text += '.';
    text += d.fraction;
    text.append(decimals - std::min(decimals, d.fraction.size()), '0');
  }
  return text;
}

std::string sizeText(const CalloutInput& input) {
  const double shown = input.inchMode ? roundTo(mmToInch(input.nominalMm),
                                                lengthDecimals(LengthUnit::Inch, LengthUse::Field))
                                      : input.nominalMm;
  return std::string(kDiameterSign) + formatPlain(shown);
}

}  // namespace

std::string calloutDeviation(double deviationMm, bool inchMode) {
  const DecimalDigits d = deviationDigits(deviationMm, inchMode);
  return signedText(d, d.fraction.size());
}

std::string calloutDeviations(double upperMm, double lowerMm, bool inchMode) {
  const DecimalDigits upper = deviationDigits(upperMm, inchMode);
  const DecimalDigits lower = deviationDigits(lowerMm, inchMode);
  if (!upper.zero() && !upper.negative && lower.negative && upper.integer == lower.integer &&
      upper.fraction == lower.fraction) {
    return std::string(kPlusMinus) + upper.integer +
           (upper.fraction.empty() ? "" : "." + upper.fraction);
  }
  const std::size_t decimals =
      std::max(upper.zero() ? 0 : upper.fraction.size(), lower.zero() ? 0 : lower.fraction.size());
  return signedText(upper, decimals) + "/" + signedText(lower, decimals);
}

std::string classCalloutLine(const CalloutInput& input, Side side) {
  const std::optional<ToleranceClass>& cls = side == Side::Hole ? input.hole : input.shaft;
  if (!cls) return {};
  const ClassResult& result = side == Side::Hole ? input.holeResult : input.shaftResult;
  const std::string limits =
      partShown(true, result, input.nominalMm)
          ? calloutDeviations(result.upperMm(), result.lowerMm(), input.inchMode)
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
