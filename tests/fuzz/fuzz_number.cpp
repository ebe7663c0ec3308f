// Text typed into the numeric fields, read with the decimal separators that
// locales give: ".", "," and the two-byte Arabic decimal separator U+066B.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "format/number_format.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

struct Locale {
  std::string_view decimal;
  std::string_view group;
};

constexpr Locale kLocales[] = {{".", ","}, {",", "."}, {"\u066B", "\u066C"}};

// Limits of the nominal-size field, mm; a finished entry is clamped to them.
constexpr double kFieldMin = 0.001;
constexpr double kFieldMax = 10000;

std::string withoutGroups(std::string text, std::string_view group) {
  for (std::size_t at; (at = text.find(group)) != std::string::npos;) text.erase(at, group.size());
  return text;
}

void checkRead(double value, const Locale& locale) {
  require(std::isfinite(value));

  // The field shows a finished entry in the plain format and reads that text
  // again on the next edit: it must read back to a value shown the same way.
  const double shown = std::clamp(value, kFieldMin, kFieldMax);
  const std::string plain = kalmo::formatPlain(shown, locale.decimal);
  const auto again = kalmo::parseNumber(plain, locale.decimal);
  require(again.has_value());
  require(kalmo::formatPlain(*again, locale.decimal) == plain);
  require(std::fabs(*again - shown) <= shown * 1e-14);

  // The fixed formats of the grid, read back, stay within half a last digit.
  for (int decimals : {4, 5}) {
    const std::string fixed = kalmo::formatFixed(value, decimals, locale.decimal);
    const auto read = kalmo::parseNumber(fixed, locale.decimal);
    require(read.has_value());
    const double halfDigit = 0.5 * std::pow(10.0, -decimals);
    require(std::fabs(*read - value) <= halfDigit * (1 + 1e-9) + std::fabs(value) * 1e-15);
  }

  // The diagram's grouped format without its group marks: three decimals.
  const kalmo::Separators separators{std::string(locale.decimal), std::string(locale.group)};
  const std::string grouped = kalmo::formatGrouped3(value, separators);
  const auto read = kalmo::parseNumber(withoutGroups(grouped, locale.group), locale.decimal);
  require(read.has_value());
  require(std::fabs(*read - value) <= 0.0005 * (1 + 1e-9) + std::fabs(value) * 1e-15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto withPoint = kalmo::parseNumber(text, ".");
  for (const Locale& locale : kLocales) {
    const auto value = kalmo::parseNumber(text, locale.decimal);
    if (value) checkRead(*value, locale);
    // "." is read in every locale, so text that holds no other separator
    // reads the same whatever the locale.
    if (text.find(locale.decimal) == std::string_view::npos) require(value == withPoint);
  }
  return 0;
}
