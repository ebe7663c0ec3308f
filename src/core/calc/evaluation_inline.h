#pragma once

// The per-size lookup and the class rules, defined in a header so that every
// caller (one fit, a window's classes, the design search's class lists) has
// them inlined: an evaluation is a row search, a few table reads and integer
// sums, and a call and a returned record through memory would cost more than
// the work. Included by evaluation.h; do not include it on its own.

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <span>

#include "calc/evaluation.h"
#include "tables/delta_table.h"
#include "tables/iso492_normal.h"
#include "tables/it_table.h"
#include "tables/size_row.h"

namespace kalmo {

namespace evaluation_tables {

constexpr bool deltaRowsFollowDeviationRows() {
  for (std::size_t i = 0; i < kDeltaBoundsMm.size(); ++i) {
    if (kDeltaBoundsMm[i] != kDeviationBoundsMm[i]) return false;
  }
  return true;
}
static_assert(deltaRowsFollowDeviationRows());

// The tables in whole 0.05 µm, converted at compile time, so a lookup is an
// index and every later sum is exact.
template <std::size_t Rows, std::size_t Columns, typename Cell>
constexpr std::array<std::array<TwentiethsUm, Columns>, Rows> inTwentieths(
    const std::array<std::array<Cell, Columns>, Rows>& um) {
  std::array<std::array<TwentiethsUm, Columns>, Rows> out{};
  for (std::size_t r = 0; r < Rows; ++r) {
    for (std::size_t c = 0; c < Columns; ++c) {
      out[r][c] = TwentiethsUm::fromTableUm(static_cast<double>(um[r][c]));
    }
  }
  return out;
}

// Every table value must be a whole number of 0.05 µm for the conversion
// above to be exact.
template <std::size_t Rows, std::size_t Columns, typename Cell>
constexpr bool wholeTwentieths(const std::array<std::array<Cell, Columns>, Rows>& um) {
  for (const auto& row : um) {
    for (const Cell cell : row) {
      const double scaled = static_cast<double>(cell) * 20;
      const auto whole = static_cast<double>(static_cast<std::int64_t>(scaled));
      if (scaled - whole > 1e-9 || whole - scaled > 1e-9) return false;
    }
  }
  return true;
}

inline constexpr auto kItUm = [] {
  std::array<std::array<double, kGradeCount>, ItTable.size()> um{};
  for (std::size_t r = 0; r < ItTable.size(); ++r) um[r] = ItTable[r].toleranceUm;
  return um;
}();
inline constexpr auto kDeltaUm = [] {
  std::array<std::array<double, 6>, DeltaTable.size()> um{};
  for (std::size_t r = 0; r < DeltaTable.size(); ++r) um[r] = DeltaTable[r].deltaUm;
  return um;
}();
static_assert(wholeTwentieths(kItUm) && wholeTwentieths(kDeltaUm));

inline constexpr auto kIt = inTwentieths(kItUm);
inline constexpr auto kDelta = inTwentieths(kDeltaUm);
inline constexpr auto kHoleDeviation = inTwentieths(HoleDeviationTable);
inline constexpr auto kShaftDeviation = inTwentieths(ShaftDeviationTable);

static_assert(kIt[0][0].count() == 6 && kIt[0][8].count() == 200 && kDelta[1][1].count() == 30);
static_assert(kHoleDeviation[0][1].count() == 5400 && kShaftDeviation[0][1].count() == -5400);

// The IT row of each deviation row. Every IT bound is also a deviation bound,
// so the sizes of one deviation row share one IT row: the row of the
// deviation row's own bound. Looking it up saves the second row search.
constexpr bool itBoundsAreDeviationBounds() {
  for (const double bound : kItBoundsMm) {
    bool found = false;
    for (const double deviationBound : kDeviationBoundsMm) found = found || deviationBound == bound;
    if (!found) return false;
  }
  return true;
}
static_assert(itBoundsAreDeviationBounds());

inline constexpr auto kItRowOfDeviationRow = [] {
  std::array<std::size_t, kDeviationBoundsMm.size()> rows{};
  for (std::size_t r = 0; r < rows.size(); ++r)
    rows[r] = SizeRow(kItBoundsMm, kDeviationBoundsMm[r]);
  return rows;
}();

// A cell the standard leaves empty, converted (the conversion is exact, so
// only an empty cell converts to it).
inline constexpr TwentiethsUm kEmptyCell = TwentiethsUm::fromTableUm(DeviationUndefined);

// ES of M6 over 250 up to 315 mm: -9 µm, without Δ.
inline constexpr TwentiethsUm kM6Over250To315 = TwentiethsUm::fromTableUm(-9);

// The limits of a bearing ring of ISO 492 Normal class: upper deviation 0,
// the lower one from the row of the size; undefined outside the table (at or
// below its start, above its end). Whole µm, so exact.
template <std::size_t Bounds, std::size_t Rows>
constexpr ClassResult bearingRing(const std::array<double, Bounds>& boundsMm,
                                  const std::array<int, Rows>& lowerUm, double sizeMm) {
  static_assert(Bounds == Rows + 1);
  if (!(sizeMm > boundsMm.front()) || sizeMm > boundsMm.back()) return kUndefinedClass;
  const std::size_t row = SizeRow(std::span<const double>(boundsMm).subspan(1), sizeMm);
  const TwentiethsUm lower{std::int64_t{lowerUm[row]} * 20};
  return {-lower, TwentiethsUm{}, lower};
}

}  // namespace evaluation_tables

inline SizeEvaluation::SizeEvaluation(double sizeMm)
    : sizeMm_(sizeMm),
      deviationRow_(static_cast<std::size_t>(DeviationRow(sizeMm))),
      itRow_(evaluation_tables::kItRowOfDeviationRow[deviationRow_]) {}

inline TwentiethsUm SizeEvaluation::it(int grade) const {
  return evaluation_tables::kIt[itRow_][static_cast<std::size_t>(grade)];
}

// Δ applies to grades IT3..IT8 of sizes over 3 up to 500 mm; the Δ table's
// columns start at IT3. The Δ table shares the deviation tables' bounds up to
// 500 mm, so the deviation row is its row too.
inline TwentiethsUm SizeEvaluation::delta(Grade grade) const {
  constexpr Grade kFirst = Grade::it(3);
  if (grade >= kFirst && grade <= Grade::it(8) && sizeMm_ > 3 && sizeMm_ <= 500) {
    return evaluation_tables::kDelta[deviationRow_]
                                    [static_cast<std::size_t>(grade.index() - kFirst.index())];
  }
  return TwentiethsUm{};
}

// A deviation cell; kEmptyCell where the standard defines none (tested by
// empty()). A plain value, not an optional: the hot path keeps it in a register.
inline TwentiethsUm SizeEvaluation::holeDeviation(int column) const {
  return evaluation_tables::kHoleDeviation[deviationRow_][static_cast<std::size_t>(column)];
}

inline bool SizeEvaluation::empty(TwentiethsUm cell) {
  return cell == evaluation_tables::kEmptyCell;
}

inline TwentiethsUm SizeEvaluation::shaftDeviation(int column) const {
  return evaluation_tables::kShaftDeviation[deviationRow_][static_cast<std::size_t>(column)];
}

inline ClassResult SizeEvaluation::hole(ToleranceClass cls) const {
  const int l = cls.letter;
  const int g = cls.grade.index();
  assert(l >= 0 && l <= letter::Bearing && g >= 0 && g < kGradeCount);
  const TwentiethsUm itv = it(g);

  if (l <= letter::G) {  // A..G: EI from the table
    const TwentiethsUm ei = holeDeviation(hole_column::lowerDeviation(l));
    if (empty(ei)) return kUndefinedClass;
    return {itv, ei + itv, ei};
  }
  if (l == letter::H) return {itv, itv, TwentiethsUm{}};
  if (l == letter::JS) {
    // No rounding of odd µm: JS7 at 25 mm is ±0.0105. A tolerance of tenths
    // of a µm is an even number of 0.05 µm, so the half is exact.
    const TwentiethsUm es{itv.count() / 2};
    return {itv, es, -es};
  }
  if (l == letter::J) {
    if (cls.grade < Grade::it(6) || cls.grade > Grade::it(8)) return kUndefinedClass;
    const TwentiethsUm es = holeDeviation(hole_column::jUpperDeviation(g));
    if (empty(es)) return kUndefinedClass;
    return {itv, es, es - itv};
  }
  if (l <= letter::N) {  // K, M, N
    if (l == letter::M && cls.grade == Grade::it(6) && sizeMm_ > 250 && sizeMm_ <= 315) {
      return {itv, evaluation_tables::kM6Over250To315,
              evaluation_tables::kM6Over250To315 - itv};  // M6 over 250 up to 315 mm, no Δ
    }
    const bool upToIT8 = cls.grade <= Grade::it(8);
    const TwentiethsUm d =
        holeDeviation(upToIT8 ? hole_column::kmnUpToIT8(l) : hole_column::kmnAboveIT8(l));
    if (empty(d)) return kUndefinedClass;
    TwentiethsUm es = d;
    if (upToIT8) es = es + delta(cls.grade);
    return {itv, es, es - itv};
  }
  if (l == letter::Bearing) {  // the inner ring's bore
    return evaluation_tables::bearingRing(kIso492InnerBoundsMm, kIso492InnerLowerUm, sizeMm_);
  }
  // P..ZC: ES for grades above IT7; Δ added for IT7 and finer.
  const TwentiethsUm d = holeDeviation(hole_column::upperDeviation(l));
  if (empty(d)) return kUndefinedClass;
  TwentiethsUm es = d;
  if (cls.grade <= Grade::it(7)) es = es + delta(cls.grade);
  return {itv, es, es - itv};
}

inline ClassResult SizeEvaluation::shaft(ToleranceClass cls) const {
  const int l = cls.letter;
  const int g = cls.grade.index();
  assert(l >= 0 && l <= letter::Bearing && g >= 0 && g < kGradeCount);
  const TwentiethsUm itv = it(g);

  int column = 0;
  if (l <= letter::G) {  // a..g: es from the table
    const TwentiethsUm es = shaftDeviation(shaft_column::upperDeviation(l));
    if (empty(es)) return kUndefinedClass;
    return {itv, es, es - itv};
  }
  if (l == letter::H) return {itv, TwentiethsUm{}, -itv};
  if (l == letter::JS) {
    const TwentiethsUm es{itv.count() / 2};
    return {itv, es, -es};
  }
  if (l == letter::J) {
    if (cls.grade < Grade::it(5) || cls.grade > Grade::it(8)) return kUndefinedClass;
    column = cls.grade <= Grade::it(6)   ? shaft_column::kJForIT5AndIT6
             : cls.grade == Grade::it(7) ? shaft_column::kJForIT7
                                         : shaft_column::kJForIT8;
  } else if (l == letter::Bearing) {  // the outer ring's outside diameter
    return evaluation_tables::bearingRing(kIso492OuterBoundsMm, kIso492OuterLowerUm, sizeMm_);
  } else if (l == letter::K) {
    column = cls.grade >= Grade::it(4) && cls.grade <= Grade::it(7) ? shaft_column::kKForIT4ToIT7
                                                                    : shaft_column::kKOtherGrades;
  } else {
    column = shaft_column::lowerDeviation(l);  // m..zc
  }
  const TwentiethsUm ei = shaftDeviation(column);
  if (empty(ei)) return kUndefinedClass;
  return {itv, ei + itv, ei};
}

inline ClassResult EvaluateHole(ToleranceClass cls, double sizeMm) {
  return SizeEvaluation(sizeMm).hole(cls);
}

inline ClassResult EvaluateShaft(ToleranceClass cls, double sizeMm) {
  return SizeEvaluation(sizeMm).shaft(cls);
}

inline std::optional<Evaluation> Evaluate(double sizeMm, std::optional<ToleranceClass> hole,
                                          std::optional<ToleranceClass> shaft) {
  const SizeEvaluation at(sizeMm);
  if (!at.evaluable()) {
    return std::nullopt;
  }
  return at.evaluate(hole, shaft);
}

}  // namespace kalmo
