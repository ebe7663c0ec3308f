#include "stack/stack_tolerance.h"

#include <cmath>
#include <string>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"
#include "format/number_format.h"
#include "format/shortest_number.h"
#include "general/general_designation.h"
#include "general/general_tolerance.h"
#include "general/typed_length.h"
#include "tables/nominal_range.h"

namespace kalmo {

namespace {

// The text without blanks, U+2212 and "±" turned into ASCII ("±" -> "+-"),
// a decimal comma into the point.
std::string compactSigns(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ' || c == '\t') continue;
    if (text.substr(i, 3) == "\xE2\x88\x92") {  // U+2212 MINUS SIGN
      out += '-';
      i += 2;
    } else if (text.substr(i, 2) == "\xC2\xB1") {  // U+00B1 PLUS-MINUS SIGN
      out += "+-";
      i += 1;
    } else {
      out += c == ',' ? '.' : c;  // a decimal comma reads as the point
    }
  }
  return out;
}

bool startsWithDigitOrSign(std::string_view s) {
  return !s.empty() && (s[0] == '+' || s[0] == '-' || s[0] == '.' || (s[0] >= '0' && s[0] <= '9'));
}

std::optional<TenthsNm> signedLength(std::string_view text, bool inch) {
  const std::optional<double> v = parseNumber(text);
  if (!v) return std::nullopt;
  return typedStackLength(*v, inch);
}

StackToleranceRead numeric(const std::string& s, bool inch) {
  StackToleranceRead r;
  if (s.rfind("+-", 0) == 0 || s.rfind("+/-", 0) == 0) {
    const std::string_view number = std::string_view(s).substr(s[1] == '/' ? 3 : 2);
    if (number.empty() || number[0] == '-' || number[0] == '+') {
      r.error = StackToleranceError::BadNumber;
      return r;
    }
    const std::optional<TenthsNm> t = signedLength(number, inch);
    if (!t) {
      r.error = StackToleranceError::BadNumber;
      return r;
    }
    r.zone = StackZone{*t, TenthsNm(-t->count()), ToleranceForm::PlusMinus};
    return r;
  }
  const std::size_t slash = s.find('/');
  if (slash == std::string::npos) {
    r.error = StackToleranceError::NotATolerance;
    return r;
  }
  const std::optional<TenthsNm> upper = signedLength(std::string_view(s).substr(0, slash), inch);
  const std::optional<TenthsNm> lower = signedLength(std::string_view(s).substr(slash + 1), inch);
  if (!upper || !lower) {
    r.error = StackToleranceError::BadNumber;
  } else if (*lower > *upper) {
    r.error = StackToleranceError::LowerAboveUpper;
  } else {
    r.zone = StackZone{*upper, *lower, ToleranceForm::Deviations};
  }
  return r;
}

StackToleranceRead general(std::string_view text, TenthsNm nominal, bool inch) {
  StackToleranceRead r;
  const GeneralDesignationRead d = readGeneralDesignation(text);
  if (!d.value) {
    r.error = StackToleranceError::NotATolerance;
    return r;
  }
  // The nominal placed in the table as the decimal it stands for: the
  // shortest text of its exact value in the unit it was typed in.
  const std::optional<TypedLength> size =
      readTypedLength(formatShortest(inch ? nominal.inch() : nominal.mm()), inch);
  r.error = StackToleranceError::GeneralNoValue;
  if (!size || !d.value->linear) return r;
  const GeneralValue v = evaluateGeneral(*size, *d.value)[GeneralKind::Linear];
  if (v.gap != GeneralGap::None || !v.cell || !v.cell->toleranceMm) return r;
  const std::optional<TenthsNm> t = TenthsNm::fromMm(*v.cell->toleranceMm);
  if (!t) return r;
  r.error = StackToleranceError::None;
  r.zone = StackZone{*t, TenthsNm(-t->count()), ToleranceForm::General};
  return r;
}

StackToleranceRead isoClass(std::string_view text, TenthsNm nominal) {
  StackToleranceRead r;
  const bool hole = text[0] >= 'A' && text[0] <= 'Z';
  const ClassParse cls = parseToleranceClass(text, hole ? Side::Hole : Side::Shaft);
  if (!cls.value) {
    r.error = StackToleranceError::NotATolerance;
    return r;
  }
  const double sizeMm = nominal.mm();
  r.error = StackToleranceError::ClassUndefined;
  if (!nominalInRange(sizeMm)) return r;
  const ClassResult c = hole ? EvaluateHole(*cls.value, sizeMm) : EvaluateShaft(*cls.value, sizeMm);
  if (!c.defined()) return r;
  r.error = StackToleranceError::None;
  r.zone = StackZone{TenthsNm(c.upper), TenthsNm(c.lower), ToleranceForm::IsoClass};
  return r;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// "bearing", "bearing bore", "bearing OD" (`text` trimmed, starting with
// the word in any case: startsWithBearingWord).
StackToleranceRead bearingRing(std::string_view text, TenthsNm nominal) {
  StackToleranceRead r;
  r.error = StackToleranceError::NotABearingRing;
  // The word as fits write it: lower case, since case tells hole from shaft
  // there and "Bearing" is refused in a fit.
  if (text.substr(0, kBearingText.size()) != kBearingText) return r;
  const std::string_view rest = text.substr(kBearingText.size());
  if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') return r;
  const std::string_view qualifier = trimmed(rest);
  const bool bore = qualifier.empty() || equalsIgnoringCase(qualifier, "bore");
  if (!bore && !equalsIgnoringCase(qualifier, "OD")) return r;
  const double sizeMm = nominal.mm();
  r.error = StackToleranceError::BearingUndefined;
  if (!nominalInRange(sizeMm)) return r;
  const ClassResult c =
      bore ? EvaluateHole(kBearingClass, sizeMm) : EvaluateShaft(kBearingClass, sizeMm);
  if (!c.defined()) return r;
  r.error = StackToleranceError::None;
  r.zone = StackZone{TenthsNm(c.upper), TenthsNm(c.lower),
                     bore ? ToleranceForm::BearingBore : ToleranceForm::BearingOd};
  return r;
}

}  // namespace

std::optional<TenthsNm> typedStackLength(double typed, bool inch) {
  if (!std::isfinite(typed)) return std::nullopt;
  if (!inch) {
    if (!(std::fabs(typed) <= 1e9)) return std::nullopt;
    return TenthsNm::fromMm(typed);
  }
  // 1e-6 in = 254 * 1e-7 mm: an inch length to 6 decimals is held exactly.
  if (!(std::fabs(typed) <= 1e9 / 25.4)) return std::nullopt;
  return TenthsNm(static_cast<std::int64_t>(std::nearbyint(typed * 1e6)) * 254);
}

StackToleranceRead readStackTolerance(std::string_view text, TenthsNm nominal, bool inch) {
  const std::string_view t = trimmed(text);
  if (t.empty()) return {std::nullopt, StackToleranceError::Empty};
  if (startsWithBearingWord(t)) {
    return bearingRing(t, nominal);
  }
  const std::string compact = compactSigns(t);
  if (startsWithDigitOrSign(compact)) {
    // "2768-m" starts with a digit but is a general tolerance.
    if (compact.rfind("2768", 0) == 0 && compact.find('/') == std::string::npos) {
      return general(t, nominal, inch);
    }
    return numeric(compact, inch);
  }
  if (equalsIgnoringCase(t.substr(0, 3), "ISO")) return general(t, nominal, inch);
  const char first = t[0];
  if ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')) return isoClass(t, nominal);
  return {std::nullopt, StackToleranceError::NotATolerance};
}

}  // namespace kalmo
