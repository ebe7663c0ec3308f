#pragma once

namespace kalmo {

// The unit lengths are entered and shown in.
enum class LengthUnit { Millimetre, Inch };

constexpr LengthUnit lengthUnit(bool inchMode) {
  return inchMode ? LengthUnit::Inch : LengthUnit::Millimetre;
}

// What a shown length is for; each use has its own number of decimals.
enum class LengthUse {
  // Fixed-point columns: the results grid, the design table, the 22-line
  // export and kalmo-cli's text, and a design target or applied fit value
  // in a sentence. 0.0001 mm and 0.00001 in, a tenth of a micrometre and a
  // quarter of one.
  Result,
  // The nominal-size field and the design targets after a unit switch or a
  // pick, and the size of a callout in inches: what the fields show, to the
  // decimals of the results.
  Field,
  // A typed length of the inspection and press-fit windows converted on a
  // unit switch, and the limits and defaults these windows name: inches to
  // 6 decimals (under 0.03 µm), mm to 5, so a switch back and forth keeps
  // what was typed.
  Input,
  // At most this many decimals, trailing zeros dropped: the deviations of a
  // callout (every table value is a multiple of 0.00005 mm), the range-boundary
  // note, general tolerances and kalmo-cli's messages in inches.
  Note,
};

// Decimals of a length in the unit for the use. The one place these numbers
// are written.
constexpr int lengthDecimals(LengthUnit unit, LengthUse use) {
  const bool inch = unit == LengthUnit::Inch;
  switch (use) {
    case LengthUse::Result:
    case LengthUse::Field: return inch ? 5 : 4;
    case LengthUse::Input: return inch ? 6 : 5;
    case LengthUse::Note: return 5;
  }
  return inch ? 5 : 4;
}

}  // namespace kalmo
