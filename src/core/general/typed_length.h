#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalmo {

// A length exactly as typed: its decimal digits and the unit, so that it can
// be placed in a size range without a binary fraction in between. "3" mm is
// exactly the bound 3 mm and "3.0000000000000001" lies above it, although
// both read as the same double; an inch length is 25.4 mm times the typed
// digits, also exactly.
struct TypedLength {
  std::string digits;  // the decimal digits without sign, point or leading zeros ("" is 0)
  int scale = 0;       // how many of them follow the decimal point (0 or more)
  bool inch = false;   // typed in inches; mm otherwise
  friend bool operator==(const TypedLength&, const TypedLength&) = default;
};

// Reads a length: digits with at most one "." and an optional exponent
// ("1.25e2"), surrounding blanks ignored; a "+" may lead, no other sign or
// separator.
// nullopt for anything else. The number itself is checked against the
// size limits by the caller, as for every other size.
std::optional<TypedLength> readTypedLength(std::string_view text, bool inch);

// The length compared with a bound in whole micrometres, exactly.
std::strong_ordering compareWithMicrometres(const TypedLength& length, std::int64_t boundUm);

// The number as typed, in plain decimals without exponent or surplus zeros
// ("0.3", "125", "1.25"), with the given decimal separator.
std::string typedLengthText(const TypedLength& length, std::string_view decimalSeparator = ".");

// The length in mm as a double (inches times 25.4), for display only.
double typedLengthMm(const TypedLength& length);

}  // namespace kalmo
