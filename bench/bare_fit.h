#pragma once

// The yardsticks' own evaluation of a tolerance class and of a fit, written
// from the tables and the ISO 286 deviation rules alone: it calls nothing of
// the program's evaluation, so a benchmark that sets the program against it
// sees every cost the program adds. It reads the program's table data (and
// nothing else) and gives the program's output bit for bit, which each
// benchmark checks before it times anything:
// - every table value as a whole number of steps of 0.05 µm (all of them
//   are), the limits summed in steps by the deviation rules (ES = EI + IT,
//   Δ added to the fundamental deviation, and so on), so every sum is exact;
// - a length in mm as the nearest double to its steps: steps / 20000.0, one
//   correctly rounded division;
// - the fit kind and the fit values from the limits in steps: a tie of two
//   limits is a tie, and its value is 0.

#include <array>
#include <cstddef>
#include <cstdint>

#include "tables/delta_table.h"
#include "tables/deviation_tables.h"
#include "tables/it_table.h"

namespace bare {

inline constexpr int kLetters = 28;
inline constexpr int kGrades = 20;  // IT01, IT0, IT1 .. IT18
inline constexpr int kUndefinedCell = kalmo::DeviationUndefined;

// Letter numbers in picker order: a b c cd d e ef f fg g h js j k m n p .. zc.
inline constexpr int kG = 9;
inline constexpr int kH = 10;
inline constexpr int kJS = 11;
inline constexpr int kJ = 12;
inline constexpr int kK = 13;
inline constexpr int kM = 14;
inline constexpr int kN = 15;

// A length in steps of 0.05 µm as the nearest double in mm.
constexpr double mmOfSteps(std::int64_t steps) {
  return static_cast<double>(steps) / 20000.0;
}

// One table value in steps of 0.05 µm.
struct Cell {
  std::int32_t steps = 0;
  bool defined = false;
};

constexpr std::int32_t stepsOfUm(double um) {
  const double s = um * 20;
  return static_cast<std::int32_t>(s < 0 ? s - 0.5 : s + 0.5);
}

constexpr Cell cellOfUm(double um) {
  return {stepsOfUm(um), true};
}

// The tables in steps, built once at compile time, plus for each deviation
// row its row of the IT table (every IT bound is a deviation bound).
struct Tables {
  static constexpr int kRows = kalmo::kDeviationRows;
  std::array<int, kRows> itRowOf{};
  std::array<std::array<Cell, kGrades>, kalmo::ItTable.size()> it{};
  std::array<std::array<Cell, 6>, kRows> delta{};  // IT3..IT8; zero above 500 mm
  std::array<std::array<Cell, kalmo::kHoleDeviationColumns>, kRows> hole{};
  std::array<std::array<Cell, kalmo::kShaftDeviationColumns>, kRows> shaft{};
  std::array<double, kRows> boundMm{};
};

constexpr Tables makeTables() {
  Tables t;
  for (std::size_t r = 0; r < kalmo::ItTable.size(); ++r) {
    for (int g = 0; g < kGrades; ++g) t.it[r][g] = cellOfUm(kalmo::ItTable[r].toleranceUm[g]);
  }
  std::size_t itRow = 0;
  for (int r = 0; r < Tables::kRows; ++r) {
    const auto& h = kalmo::HoleDeviationTable[static_cast<std::size_t>(r)];
    const auto& s = kalmo::ShaftDeviationTable[static_cast<std::size_t>(r)];
    t.boundMm[r] = h[0];
    while (kalmo::ItTable[itRow].upperBoundMm < h[0]) ++itRow;
    t.itRowOf[r] = static_cast<int>(itRow);
    for (std::size_t c = 1; c < h.size(); ++c) {
      if (h[c] != kUndefinedCell) t.hole[r][c] = cellOfUm(h[c]);
    }
    for (std::size_t c = 1; c < s.size(); ++c) {
      if (s[c] != kUndefinedCell) t.shaft[r][c] = cellOfUm(s[c]);
    }
    if (static_cast<std::size_t>(r) < kalmo::DeltaTable.size()) {
      for (std::size_t g = 0; g < 6; ++g) t.delta[r][g] = cellOfUm(kalmo::DeltaTable[r].deltaUm[g]);
    }
  }
  return t;
}

inline constexpr Tables kTables = makeTables();

// The deviation row of a size: over the previous bound up to its own bound;
// at or below the first bound row 0, at or above the last bound the last row.
inline int rowOf(double sizeMm) {
  int lo = 0;
  int hi = Tables::kRows - 1;
  while (lo < hi) {  // the first bound not below the size
    const int mid = (lo + hi) / 2;
    if (kTables.boundMm[mid] < sizeMm) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

// Limits of one class in steps of 0.05 µm. An undefined class reads as the
// program's record (tolerance 0, upper 100000 mm, lower 0).
struct Limits {
  std::int32_t toleranceSteps = 0;
  std::int32_t upperSteps = kUndefinedCell * 20000;
  std::int32_t lowerSteps = 0;
  bool defined = false;  // a class with limits and a tolerance above 0

  double toleranceMm() const { return mmOfSteps(toleranceSteps); }
  double upperMm() const { return mmOfSteps(upperSteps); }
  double lowerMm() const { return mmOfSteps(lowerSteps); }
};

// The rules at one size.
class At {
 public:
  explicit At(double sizeMm)
      : row_(rowOf(sizeMm)),
        itRow_(kTables.itRowOf[static_cast<std::size_t>(row_)]),
        withDelta_(sizeMm > 3 && sizeMm <= 500),
        m6Special_(sizeMm > 250 && sizeMm <= 315) {}

  // g: grade 0..19 (IT01, IT0, IT1 ..).
  Limits hole(int letter, int g) const {
    const Cell& it = kTables.it[itRow_][g];
    const auto& row = kTables.hole[row_];
    if (letter <= kG) return fromLower(row[letter + 1], it);  // A..G: EI
    if (letter == kH) return make(it, it.steps, 0);
    if (letter == kJS) return symmetric(it);
    if (letter == kJ) {
      if (g < 7 || g > 9) return {};
      return fromUpper(row[g + 4], it);
    }
    if (letter <= kN) {  // K, M, N: ES, Δ up to IT8
      if (letter == kM && g == 7 && m6Special_) {
        return fromUpper({-180, true}, it);  // M6 over 250 up to 315: -9 µm
      }
      const int column = 14 + 2 * (letter - kK) + (g <= 9 ? 0 : 1);
      return fromUpper(plusDelta(row[column], g, 9), it);
    }
    return fromUpper(plusDelta(row[letter + 4], g, 8), it);  // P..ZC: Δ up to IT7
  }

  Limits shaft(int letter, int g) const {
    const Cell& it = kTables.it[itRow_][g];
    const auto& row = kTables.shaft[row_];
    if (letter <= kG) return fromUpper(row[letter + 1], it);  // a..g: es
    if (letter == kH) return make(it, 0, -it.steps);
    if (letter == kJS) return symmetric(it);
    int column = letter + 2;  // m..zc: ei
    if (letter == kJ) {
      if (g < 6 || g > 9) return {};
      column = g <= 7 ? 11 : g == 8 ? 12 : 13;
    } else if (letter == kK) {
      column = g >= 5 && g <= 8 ? 14 : 15;
    }
    return fromLower(row[column], it);
  }

 private:
  static Limits make(const Cell& it, std::int32_t upperSteps, std::int32_t lowerSteps) {
    return {it.steps, upperSteps, lowerSteps, it.steps > 0};
  }
  static Limits fromLower(const Cell& lower, const Cell& it) {
    if (!lower.defined) return {};
    return make(it, lower.steps + it.steps, lower.steps);
  }
  static Limits fromUpper(const Cell& upper, const Cell& it) {
    if (!upper.defined) return {};
    return make(it, upper.steps, upper.steps - it.steps);
  }
  // An IT of tenths of a µm is an even number of steps: the half is exact.
  static Limits symmetric(const Cell& it) { return make(it, it.steps / 2, -(it.steps / 2)); }
  // The hole deviation plus Δ for grades IT3 (index 4) up to `lastGrade`.
  Cell plusDelta(const Cell& d, int g, int lastGrade) const {
    if (!d.defined || g > lastGrade) return d;
    if (g < 4 || !withDelta_) return d;
    const Cell& delta = kTables.delta[row_][g - 4];
    return {d.steps + delta.steps, true};
  }

  int row_;
  int itRow_;
  bool withDelta_;
  bool m6Special_;
};

enum class Kind : std::uint8_t { Undefined, Clearance, Transition, Interference };

// Signed clearances, hole minus shaft, in steps: value1 the maximum clearance
// (the maximum interference of an interference fit), value2 the minimum
// clearance (the maximum or minimum interference), tolerance their distance.
struct Fit {
  Kind kind = Kind::Undefined;
  std::int32_t value1Steps = 0;
  std::int32_t value2Steps = 0;
  std::int32_t toleranceSteps = 0;

  double value1Mm() const { return mmOfSteps(value1Steps); }
  double value2Mm() const { return mmOfSteps(value2Steps); }
  double toleranceMm() const { return mmOfSteps(toleranceSteps); }
};

// The kind by integer comparison of the limits: EI >= es clearance (EI = es
// included), ES < ei interference, anything between transition.
inline Kind kindOf(const Limits& hole, const Limits& shaft) {
  if (!hole.defined || !shaft.defined) return Kind::Undefined;
  if (hole.lowerSteps >= shaft.upperSteps) return Kind::Clearance;
  if (hole.upperSteps < shaft.lowerSteps) return Kind::Interference;
  return Kind::Transition;
}

inline Fit fitOf(const Limits& hole, const Limits& shaft) {
  const Kind kind = kindOf(hole, shaft);
  if (kind == Kind::Undefined) return {};
  const std::int32_t maxClearance = hole.upperSteps - shaft.lowerSteps;  // ES - ei
  const std::int32_t minClearance = hole.lowerSteps - shaft.upperSteps;  // EI - es
  const std::int32_t tolerance = maxClearance - minClearance;
  if (kind == Kind::Interference) return {kind, minClearance, maxClearance, tolerance};
  return {kind, maxClearance, minClearance, tolerance};
}

}  // namespace bare
