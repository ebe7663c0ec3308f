#include "calc/evaluation.h"

#include <array>
#include <cassert>
#include <cmath>
#include <optional>

#include "tables/delta_table.h"
#include "tables/it_table.h"

namespace kalmo {

namespace {

// Every table value is divided by 1000 first; each later sum or difference is
// taken on those rounded doubles in the order below. The order matters to the
// last bit: k4 at 40 mm has es = 0.002 + 0.007, one bit above 0.009, and the
// fit tests compare such doubles as they are.
constexpr double toMm(double um) {
  return um / 1000;
}

constexpr bool deltaRowsFollowDeviationRows() {
  for (std::size_t i = 0; i < kDeltaBoundsMm.size(); ++i) {
    if (kDeltaBoundsMm[i] != kDeviationBoundsMm[i]) return false;
  }
  return true;
}
static_assert(deltaRowsFollowDeviationRows());

// The tables in mm, divided at compile time. Compile-time division is the same
// correctly rounded IEEE division as at run time, so these are exactly the
// doubles a lookup followed by "/ 1000" gives, without a division per lookup
// (the design search evaluates tens of thousands of classes).
template <std::size_t Rows, std::size_t Columns, typename Cell>
constexpr std::array<std::array<double, Columns>, Rows> inMm(
    const std::array<std::array<Cell, Columns>, Rows>& um) {
  std::array<std::array<double, Columns>, Rows> mm{};
  for (std::size_t r = 0; r < Rows; ++r) {
    for (std::size_t c = 0; c < Columns; ++c) {
      mm[r][c] = toMm(static_cast<double>(um[r][c]));
    }
  }
  return mm;
}

constexpr auto kItMm = [] {
  std::array<std::array<double, kGradeCount>, ItTable.size()> um{};
  for (std::size_t r = 0; r < ItTable.size(); ++r) um[r] = ItTable[r].toleranceUm;
  return inMm(um);
}();
constexpr auto kDeltaMm = [] {
  std::array<std::array<double, 6>, DeltaTable.size()> um{};
  for (std::size_t r = 0; r < DeltaTable.size(); ++r) um[r] = DeltaTable[r].deltaUm;
  return inMm(um);
}();
constexpr auto kHoleDeviationMm = inMm(HoleDeviationTable);
constexpr auto kShaftDeviationMm = inMm(ShaftDeviationTable);

static_assert(kItMm[0][8] == 10.0 / 1000 && kDeltaMm[1][1] == 1.5 / 1000);
static_assert(kHoleDeviationMm[0][1] == 270.0 / 1000 && kShaftDeviationMm[0][1] == -270.0 / 1000);

}  // namespace

SizeEvaluation::SizeEvaluation(double sizeMm)
    : sizeMm_(sizeMm),
      itRow_(SizeRow(kItBoundsMm, sizeMm)),
      deviationRow_(static_cast<std::size_t>(DeviationRow(sizeMm))) {}

double SizeEvaluation::itMm(int grade) const {
  return kItMm[itRow_][static_cast<std::size_t>(grade)];
}

// Δ applies to grades IT3..IT8 (index 4..9) of sizes over 3 up to 500 mm.
// The Δ table shares the deviation tables' bounds up to 500 mm, so the
// deviation row is its row too.
double SizeEvaluation::deltaMm(int grade) const {
  if (grade >= 4 && grade <= 9 && sizeMm_ > 3 && sizeMm_ <= 500) {
    return kDeltaMm[deviationRow_][static_cast<std::size_t>(grade - 4)];
  }
  return 0;
}

// A deviation cell in mm, or nullopt where the standard defines none.
std::optional<double> SizeEvaluation::holeDeviationMm(int column) const {
  const auto c = static_cast<std::size_t>(column);
  if (HoleDeviationTable[deviationRow_][c] == DeviationUndefined) return std::nullopt;
  return kHoleDeviationMm[deviationRow_][c];
}

std::optional<double> SizeEvaluation::shaftDeviationMm(int column) const {
  const auto c = static_cast<std::size_t>(column);
  if (ShaftDeviationTable[deviationRow_][c] == DeviationUndefined) return std::nullopt;
  return kShaftDeviationMm[deviationRow_][c];
}

ClassResult SizeEvaluation::hole(ToleranceClass cls) const {
  const int l = cls.letter;
  const int g = cls.grade.index();
  assert(l >= 0 && l < kLetterCount && g >= 0 && g < kGradeCount);
  const double it = itMm(g);

  if (l <= letter::G) {  // A..G: EI from the table
    const std::optional<double> ei = holeDeviationMm(hole_column::lowerDeviation(l));
    if (!ei) return kUndefinedClass;
    return {it, *ei + it, *ei};
  }
  if (l == letter::H) return {it, it, 0};
  if (l == letter::JS) {
    const double es = it / 2;   // no rounding of odd µm: JS7 at 25 mm is ±0.0105
    return {it, es, 0.0 - es};  // 0 - x, not -x: a zero tolerance gives +0, not -0
  }
  if (l == letter::J) {
    if (g < 7 || g > 9) return kUndefinedClass;  // J exists for IT6..IT8 only
    const std::optional<double> es = holeDeviationMm(hole_column::jUpperDeviation(g));
    if (!es) return kUndefinedClass;
    return {it, *es, *es - it};
  }
  if (l <= letter::N) {  // K, M, N
    if (l == letter::M && g == 7 && sizeMm_ > 250 && sizeMm_ <= 315) {
      const double es = -0.009;  // M6 over 250 up to 315 mm: ES = -9 µm, no Δ
      return {it, es, es - it};
    }
    const std::optional<double> d =
        holeDeviationMm(g <= 9 ? hole_column::kmnUpToIT8(l) : hole_column::kmnAboveIT8(l));
    if (!d) return kUndefinedClass;
    double es = *d;
    if (g <= 9) es = es + deltaMm(g);
    return {it, es, es - it};
  }
  // P..ZC: ES for grades above IT7; Δ added for IT7 and finer.
  const std::optional<double> d = holeDeviationMm(hole_column::upperDeviation(l));
  if (!d) return kUndefinedClass;
  double es = *d;
  if (g <= 8) es = es + deltaMm(g);
  return {it, es, es - it};
}

ClassResult SizeEvaluation::shaft(ToleranceClass cls) const {
  const int l = cls.letter;
  const int g = cls.grade.index();
  assert(l >= 0 && l < kLetterCount && g >= 0 && g < kGradeCount);
  const double it = itMm(g);

  int column = 0;
  if (l <= letter::G) {  // a..g: es from the table
    const std::optional<double> es = shaftDeviationMm(shaft_column::upperDeviation(l));
    if (!es) return kUndefinedClass;
    return {it, *es, *es - it};
  }
  if (l == letter::H) return {it, 0, 0.0 - it};
  if (l == letter::JS) {
    const double es = it / 2;
    return {it, es, 0.0 - es};
  }
  if (l == letter::J) {
    if (g < 6 || g > 9) return kUndefinedClass;  // j exists for IT5..IT8 only
    column = g <= 7   ? shaft_column::kJForIT5AndIT6
             : g == 8 ? shaft_column::kJForIT7
                      : shaft_column::kJForIT8;
  } else if (l == letter::K) {
    column = g >= 5 && g <= 8 ? shaft_column::kKForIT4ToIT7 : shaft_column::kKOtherGrades;
  } else {
    column = shaft_column::lowerDeviation(l);  // m..zc
  }
  const std::optional<double> ei = shaftDeviationMm(column);
  if (!ei) return kUndefinedClass;
  return {it, *ei + it, *ei};
}

Evaluation SizeEvaluation::evaluate(std::optional<ToleranceClass> holeClass,
                                    std::optional<ToleranceClass> shaftClass) const {
  Evaluation e;
  if (holeClass) e.hole = hole(*holeClass);
  if (shaftClass) e.shaft = shaft(*shaftClass);
  e.fit = EvaluateFit(e.hole, e.shaft);
  return e;
}

ClassResult EvaluateHole(ToleranceClass cls, double sizeMm) {
  return SizeEvaluation(sizeMm).hole(cls);
}

ClassResult EvaluateShaft(ToleranceClass cls, double sizeMm) {
  return SizeEvaluation(sizeMm).shaft(cls);
}

namespace {

// Every limit deviation of the tables is an exact multiple of 0.05 µm: table
// values are whole µm, the standard tolerances of the fine grades tenths of a
// µm, and JS/js halve them (JS2 at 6 mm is ±0.75 µm, JS01 at 3 mm ±0.15 µm).
// The doubles in mm carry binary rounding (k4 at 40 mm: es lies one bit above
// 0.009), so the fit kind is decided on the counts of 0.05 µm, where a tie is
// a tie. The counts stay far below 2^53 for every table value.
constexpr double kStepsPerMm = 20000;

long long steps(double mm) {
  return std::llround(mm * kStepsPerMm);
}

}  // namespace

FitResult EvaluateFit(const ClassResult& hole, const ClassResult& shaft) {
  // A class without tolerance (a grade the size range lacks, such as IT1 above
  // 3150 mm) forms no fit: it would otherwise pass as a fit of zero width.
  if (hole.undefined() || shaft.undefined() || hole.toleranceMm <= 0 || shaft.toleranceMm <= 0) {
    return {};
  }
  // The values are the differences of the stored doubles, except that a value
  // whose limits tie exactly is exactly 0 (not the ±1e-18 of the rounding).
  const long long maxSteps = steps(hole.upperMm) - steps(shaft.lowerMm);  // ES - ei
  const long long minSteps = steps(hole.lowerMm) - steps(shaft.upperMm);  // EI - es
  const double maxClearance = maxSteps == 0 ? 0.0 : hole.upperMm - shaft.lowerMm;
  const double minClearance = minSteps == 0 ? 0.0 : hole.lowerMm - shaft.upperMm;
  if (minSteps >= 0) {  // EI = es (H7/h6) is still a clearance fit
    return {FitKind::Clearance, maxClearance, minClearance, std::fabs(maxClearance - minClearance)};
  }
  if (maxSteps < 0) {  // ES = ei counts as transition
    return {FitKind::Interference, minClearance, maxClearance,
            std::fabs(minClearance - maxClearance)};
  }
  return {FitKind::Transition, maxClearance, minClearance, std::fabs(maxClearance - minClearance)};
}

std::optional<Evaluation> Evaluate(double sizeMm, std::optional<ToleranceClass> hole,
                                   std::optional<ToleranceClass> shaft) {
  const SizeEvaluation at(sizeMm);
  if (!at.evaluable()) {
    return std::nullopt;
  }
  return at.evaluate(hole, shaft);
}

}  // namespace kalmo
