#include "calc/evaluation.h"

#include <cassert>
#include <cmath>

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

// The table rows of one nominal size, looked up once for hole and shaft (the
// design search evaluates tens of thousands of classes at one size).
struct SizeRows {
  double sizeMm;
  std::size_t itRow;
  int deviationRow;

  explicit SizeRows(double size)
      : sizeMm(size), itRow(SizeRow(kItBoundsMm, size)), deviationRow(DeviationRow(size)) {}

  double itMm(int grade) const {
    return toMm(ItTable[itRow].toleranceUm[static_cast<std::size_t>(grade)]);
  }

  // Δ applies to grades IT3..IT8 (index 4..9) of sizes over 3 up to 500 mm.
  // The Δ table shares the deviation tables' bounds up to 500 mm, so the
  // deviation row is its row too.
  double deltaMm(int grade) const {
    if (grade >= 4 && grade <= 9 && sizeMm > 3 && sizeMm <= 500) {
      return toMm(DeltaTable[static_cast<std::size_t>(deviationRow)]
                      .deltaUm[static_cast<std::size_t>(grade - 4)]);
    }
    return 0;
  }
};

ClassResult evaluateHole(ToleranceClass cls, const SizeRows& rows) {
  const int l = cls.letter;
  const int g = cls.grade;
  assert(l >= 0 && l < kLetterCount && g >= 0 && g < kGradeCount);
  const double sizeMm = rows.sizeMm;
  const double it = rows.itMm(g);
  const int row = rows.deviationRow;
  const auto cell = [row](int column) { return HoleDeviationCell(row, column); };

  if (l <= letter::G) {  // A..G: EI from the table
    const int d = cell(l + 1);
    if (d == DeviationUndefined) return kUndefinedClass;
    const double ei = toMm(d);
    return {it, ei + it, ei};
  }
  if (l == letter::H) return {it, it, 0};
  if (l == letter::JS) {
    const double es = it / 2;   // no rounding of odd µm: JS7 at 25 mm is ±0.0105
    return {it, es, 0.0 - es};  // 0 - x, not -x: a zero tolerance gives +0, not -0
  }
  if (l == letter::J) {
    if (g < 7 || g > 9) return kUndefinedClass;  // J exists for IT6..IT8 only
    const int d = cell(g + 4);
    if (d == DeviationUndefined) return kUndefinedClass;
    const double es = toMm(d);
    return {it, es, es - it};
  }
  if (l <= letter::N) {  // K, M, N
    if (l == letter::M && g == 7 && sizeMm > 250 && sizeMm <= 315) {
      const double es = -0.009;  // M6 over 250 up to 315 mm: ES = -9 µm, no Δ
      return {it, es, es - it};
    }
    const int base = 14 + 2 * (l - letter::K);
    const int d = cell(g <= 9 ? base : base + 1);
    if (d == DeviationUndefined) return kUndefinedClass;
    double es = toMm(d);
    if (g <= 9) es = es + rows.deltaMm(g);
    return {it, es, es - it};
  }
  // P..ZC: ES for grades above IT7; Δ added for IT7 and finer.
  const int d = cell(l + 4);
  if (d == DeviationUndefined) return kUndefinedClass;
  double es = toMm(d);
  if (g <= 8) es = es + rows.deltaMm(g);
  return {it, es, es - it};
}

ClassResult evaluateShaft(ToleranceClass cls, const SizeRows& rows) {
  const int l = cls.letter;
  const int g = cls.grade;
  assert(l >= 0 && l < kLetterCount && g >= 0 && g < kGradeCount);
  const double it = rows.itMm(g);
  const int row = rows.deviationRow;

  int column = 0;
  if (l <= letter::G) {  // a..g: es from the table
    const int d = ShaftDeviationCell(row, l + 1);
    if (d == DeviationUndefined) return kUndefinedClass;
    const double es = toMm(d);
    return {it, es, es - it};
  }
  if (l == letter::H) return {it, 0, 0.0 - it};
  if (l == letter::JS) {
    const double es = it / 2;
    return {it, es, 0.0 - es};
  }
  if (l == letter::J) {
    if (g < 6 || g > 9) return kUndefinedClass;  // j exists for IT5..IT8 only
    column = g <= 7 ? 11 : g - 8 + 12;
  } else if (l == letter::K) {
    column = g >= 5 && g <= 8 ? 14 : 15;  // IT4..IT7, or every other grade
  } else {
    column = l + 2;  // m..zc
  }
  const int d = ShaftDeviationCell(row, column);
  if (d == DeviationUndefined) return kUndefinedClass;
  const double ei = toMm(d);
  return {it, ei + it, ei};
}

}  // namespace

ClassResult EvaluateHole(ToleranceClass cls, double sizeMm) {
  return evaluateHole(cls, SizeRows(sizeMm));
}

ClassResult EvaluateShaft(ToleranceClass cls, double sizeMm) {
  return evaluateShaft(cls, SizeRows(sizeMm));
}

FitResult EvaluateFit(const ClassResult& hole, const ClassResult& shaft) {
  // A class without tolerance (a grade the size range lacks, such as IT1 above
  // 3150 mm) forms no fit: it would otherwise pass as a fit of zero width.
  if (hole.undefined() || shaft.undefined() || hole.toleranceMm <= 0 || shaft.toleranceMm <= 0) {
    return {};
  }
  const double maxClearance = hole.upperMm - shaft.lowerMm;  // ES - ei
  const double minClearance = hole.lowerMm - shaft.upperMm;  // EI - es
  if (minClearance >= 0) {  // EI = es (H7/h6) is still a clearance fit
    return {FitKind::Clearance, maxClearance, minClearance, std::fabs(maxClearance - minClearance)};
  }
  if (maxClearance < 0) {  // ES = ei counts as transition
    return {FitKind::Interference, minClearance, maxClearance,
            std::fabs(minClearance - maxClearance)};
  }
  return {FitKind::Transition, maxClearance, minClearance, std::fabs(maxClearance - minClearance)};
}

std::optional<Evaluation> Evaluate(double sizeMm, std::optional<ToleranceClass> hole,
                                   std::optional<ToleranceClass> shaft) {
  if (!(sizeMm > 0)) {
    return std::nullopt;
  }
  const SizeRows rows(sizeMm);
  Evaluation e;
  if (hole) e.hole = evaluateHole(*hole, rows);
  if (shaft) e.shaft = evaluateShaft(*shaft, rows);
  e.fit = EvaluateFit(e.hole, e.shaft);
  return e;
}

int fitKindTextId(FitKind kind) {
  switch (kind) {
    case FitKind::Clearance: return 16;
    case FitKind::Interference: return 17;
    case FitKind::Transition: return 18;
    case FitKind::Undefined: break;
  }
  return 0;
}

int fitLabel1Id(FitKind kind) {
  switch (kind) {
    case FitKind::Clearance:
    case FitKind::Transition: return 19;
    case FitKind::Interference: return 21;
    case FitKind::Undefined: break;
  }
  return 14;
}

int fitLabel2Id(FitKind kind) {
  switch (kind) {
    case FitKind::Clearance: return 20;
    case FitKind::Transition: return 21;
    case FitKind::Interference: return 22;
    case FitKind::Undefined: break;
  }
  return 15;
}

}  // namespace kalmo
