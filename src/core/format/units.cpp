#include "format/units.h"

#include <algorithm>
#include <cmath>

#include "calc/exact_length.h"
#include "tables/nominal_range.h"

namespace kalmo {

std::string lengthText(double mm, bool inchMode, std::string_view decimalSeparator) {
  const int decimals = lengthDecimals(lengthUnit(inchMode), LengthUse::Result);
  // A length of the program is the nearest double to a decimal of at most
  // 7 decimals: rounded from that decimal (mm) or from the exact quotient
  // by 25.4 (inch), halves away from zero, so no binary digit decides a tie.
  if (const std::optional<TenthsNm> exact = TenthsNm::fromMm(mm); exact && exact->mm() == mm) {
    return inchMode ? formatFixedFraction(exact->count(), 254'000'000, decimals, decimalSeparator)
                    : formatFixedFraction(exact->count(), 10'000'000, decimals, decimalSeparator);
  }
  return formatFixed(inchMode ? mmToInch(mm) : mm, decimals, decimalSeparator);
}

double diagramValue(double mm, bool inchMode) {
  // Thousandths of an inch: mm * 1000 first, then / 25.4, as the labels have
  // always been computed; the order can move the last bit.
  return inchMode ? roundTo(mm * 1000 / kMmPerInch, 2) : mm * 1000;
}

std::string_view diagramUnitTag(bool inchMode) {
  return inchMode ? " [milli in]" : " [\xC2\xB5m]";  // U+00B5 MICRO SIGN in UTF-8
}

std::string_view noteUnitSuffix(bool inchMode) {
  return inchMode ? " [in]." : " [mm].";
}

double sizeFieldValue(double mm, bool inchMode) {
  return inchMode ? roundTo(mmToInch(mm), lengthDecimals(LengthUnit::Inch, LengthUse::Field)) : mm;
}

FieldLimits sizeFieldLimits(bool inchMode) {
  if (!inchMode) return {kMinNominalMm, kMaxNominalMm};
  const double scale = std::pow(10.0, lengthDecimals(LengthUnit::Inch, LengthUse::Field));
  return {std::ceil(mmToInch(kMinNominalMm) * scale) / scale,
          std::floor(mmToInch(kMaxNominalMm) * scale) / scale};
}

double nominalFieldValueForPick(double selectedMm, bool inchMode) {
  const FieldLimits limits = sizeFieldLimits(inchMode);
  return std::clamp(sizeFieldValue(selectedMm, inchMode), limits.minimum, limits.maximum);
}

std::string unitNote(const LangTable& lang, bool inchMode) {
  return GetLangString(lang, TextId::UnitNote) + std::string(noteUnitSuffix(inchMode));
}

}  // namespace kalmo
