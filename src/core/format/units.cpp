#include "format/units.h"

#include <algorithm>
#include <cmath>

#include "calc/exact_length.h"
#include "tables/nominal_range.h"

namespace kalmo {

std::string lengthText(double mm, bool inchMode, std::string_view decimalSeparator) {
  // A length of the program is the nearest double to a decimal of at most
  // 7 decimals: rounded from that decimal (mm) or from the exact quotient
  // by 25.4 (inch), halves away from zero, so no binary digit decides a tie.
  if (const std::optional<TenthsNm> exact = TenthsNm::fromMm(mm); exact && exact->mm() == mm) {
    return inchMode ? formatFixedFraction(exact->count(), 254'000'000, 5, decimalSeparator)
                    : formatFixedFraction(exact->count(), 10'000'000, 4, decimalSeparator);
  }
  return inchMode ? formatFixed(mmToInch(mm), 5, decimalSeparator)
                  : formatFixed(mm, 4, decimalSeparator);
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
  return inchMode ? roundTo(mmToInch(mm), kInchFieldDecimals) : mm;
}

FieldLimits sizeFieldLimits(bool inchMode) {
  if (!inchMode) return {kMinNominalMm, kMaxNominalMm};
  constexpr double kScale = 1e5;  // 10^kInchFieldDecimals
  return {std::ceil(mmToInch(kMinNominalMm) * kScale) / kScale,
          std::floor(mmToInch(kMaxNominalMm) * kScale) / kScale};
}

double nominalFieldValueForPick(double selectedMm, bool inchMode) {
  const FieldLimits limits = sizeFieldLimits(inchMode);
  return std::clamp(sizeFieldValue(selectedMm, inchMode), limits.minimum, limits.maximum);
}

std::string unitNote(const LangTable& lang, bool inchMode) {
  return GetLangString(lang, TextId::UnitNote) + std::string(noteUnitSuffix(inchMode));
}

}  // namespace kalmo
