// Property sweep over every class the pickers can form, at every bound of the
// standard tables, next to it, and at random sizes. Each test stops at the
// first broken property and names the class, size and values involved.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "calc/evaluation.h"
#include "tables/it_table.h"

namespace kalmo {
namespace {

std::vector<double> sweepSizes() {
  std::set<double> bounds(kItBoundsMm.begin(), kItBoundsMm.end());
  bounds.insert(kDeviationBoundsMm.begin(), kDeviationBoundsMm.end());
  std::vector<double> sizes = {0.001, 0.5, 1};
  for (double b : bounds) {
    for (double s : {b, std::nextafter(b, 0.0), std::nextafter(b, 1e9), b - 0.001, b + 0.001}) {
      if (s >= 0.001 && s <= 10000) sizes.push_back(s);
    }
  }
  std::mt19937_64 random(286);
  std::uniform_real_distribution<double> logSize(std::log(0.001), std::log(10000.0));
  for (int i = 0; i < 2000; ++i) sizes.push_back(std::exp(logSize(random)));
  return sizes;
}

std::string describe(Side side, ToleranceClass c, double size, const ClassResult& r) {
  std::ostringstream out;
  out.precision(17);
  out << Designation(side, c) << " at " << size << " mm: IT " << r.toleranceMm() << ", upper "
      << r.upperMm() << ", lower " << r.lowerMm();
  return out.str();
}

// Empty when the class result is sound, else what is wrong.
std::string classProblem(const ClassResult& r) {
  if (!std::isfinite(r.toleranceMm()) || !std::isfinite(r.upperMm()) ||
      !std::isfinite(r.lowerMm())) {
    return "value not finite";
  }
  if (r.undefined()) {
    return r == kUndefinedClass ? "" : "undefined class without the exact marker values";
  }
  if (r.toleranceMm() < 0) return "negative tolerance";
  if (r.upperMm() < r.lowerMm()) return "upper deviation below lower deviation";
  if (std::fabs((r.upperMm() - r.lowerMm()) - r.toleranceMm()) > 1e-12) {
    return "upper - lower differs from the tolerance";
  }
  return "";
}

// A limit deviation as a count of 0.05 µm; nullopt when it is not within a
// rounding error of such a multiple (every table value is).
std::optional<long long> twentiethsOfUm(double mm) {
  const double steps = mm * 20000;
  const double nearest = std::round(steps);
  if (std::fabs(steps - nearest) >= 1e-6) return std::nullopt;
  return static_cast<long long>(nearest);
}

// The kind from exact counts: EI - es >= 0 clearance, else ES - ei < 0
// interference, else transition; a tied value is reported as exactly 0.
std::string exactKindProblem(const ClassResult& hole, const ClassResult& shaft,
                             const FitResult& f) {
  const auto es = twentiethsOfUm(hole.upperMm());
  const auto ei = twentiethsOfUm(hole.lowerMm());
  const auto shaftEs = twentiethsOfUm(shaft.upperMm());
  const auto shaftEi = twentiethsOfUm(shaft.lowerMm());
  if (!es || !ei || !shaftEs || !shaftEi) return "a limit deviation off the 0.05 um grid";
  const long long maxClearance = *es - *shaftEi;
  const long long minClearance = *ei - *shaftEs;
  const FitKind expected = minClearance >= 0  ? FitKind::Clearance
                           : maxClearance < 0 ? FitKind::Interference
                                              : FitKind::Transition;
  if (f.kind != expected) return "kind differs from the kind of the exact values";
  const double maxValue = f.kind == FitKind::Interference ? f.value2Mm() : f.value1Mm();
  const double minValue = f.kind == FitKind::Interference ? f.value1Mm() : f.value2Mm();
  if ((maxClearance == 0 && maxValue != 0) || (minClearance == 0 && minValue != 0)) {
    return "an exact tie is not reported as exactly 0";
  }
  return "";
}

std::string fitProblem(const ClassResult& hole, const ClassResult& shaft, const FitResult& f) {
  if (!std::isfinite(f.value1Mm()) || !std::isfinite(f.value2Mm()) ||
      !std::isfinite(f.toleranceMm())) {
    return "fit value not finite";
  }
  if (f.kind == FitKind::Undefined) {
    if (hole.defined() && shaft.defined()) return "two defined classes without a fit";
    return f == FitResult{} ? "" : "undefined fit with values";
  }
  if (!hole.defined() || !shaft.defined()) return "fit of an undefined class";
  if (f.tolerance != abs(f.value1 - f.value2)) return "tolerance is not |value1 - value2|";
  if (std::fabs(f.toleranceMm() - (hole.toleranceMm() + shaft.toleranceMm())) > 1e-12) {
    return "fit tolerance differs from the sum of the class tolerances";
  }
  switch (f.kind) {
    case FitKind::Clearance:
      if (!(f.value2Mm() >= 0 && f.value1Mm() >= f.value2Mm()))
        return "clearance fit with interference";
      break;
    case FitKind::Transition:
      if (!(f.value1Mm() >= 0 && f.value2Mm() < 0)) return "transition fit values of one sign";
      break;
    case FitKind::Interference:
      if (!(f.value1Mm() < 0 && f.value2Mm() < 0 && f.value1Mm() <= f.value2Mm())) {
        return "interference fit with clearance";
      }
      break;
    case FitKind::Undefined: break;
  }
  return exactKindProblem(hole, shaft, f);
}

std::vector<ToleranceClass> allClasses() {
  std::vector<ToleranceClass> classes;
  for (int l = 0; l < kLetterCount; ++l) {
    for (int g = 0; g < kGradeCount; ++g) classes.push_back({l, Grade::atIndex(g)});
  }
  return classes;
}

TEST(EvaluationSweep, EveryClassIsSoundAtEverySize) {
  const std::vector<ToleranceClass> classes = allClasses();
  for (double size : sweepSizes()) {
    for (ToleranceClass c : classes) {
      for (Side side : {Side::Hole, Side::Shaft}) {
        const ClassResult r = side == Side::Hole ? EvaluateHole(c, size) : EvaluateShaft(c, size);
        const std::string problem = classProblem(r);
        ASSERT_EQ(problem, "") << describe(side, c, size, r);
      }
    }
  }
}

TEST(EvaluationSweep, EveryFitAgreesWithItsSigns) {
  const std::vector<ToleranceClass> classes = allClasses();
  std::mt19937_64 random(3150);
  std::uniform_int_distribution<std::size_t> pick(0, classes.size() - 1);
  const std::vector<double> sizes = sweepSizes();
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const double size = sizes[i];
    std::vector<ClassResult> holes;
    std::vector<ClassResult> shafts;
    for (ToleranceClass c : classes) {
      holes.push_back(EvaluateHole(c, size));
      shafts.push_back(EvaluateShaft(c, size));
    }
    // Every pair at the first sizes (0.001 to 3 mm and the first bounds); a
    // sample of pairs elsewhere.
    const bool allPairs = i < 8;
    const std::size_t samples = allPairs ? classes.size() * classes.size() : 300;
    for (std::size_t k = 0; k < samples; ++k) {
      const std::size_t h = allPairs ? k / classes.size() : pick(random);
      const std::size_t s = allPairs ? k % classes.size() : pick(random);
      const FitResult fit = EvaluateFit(holes[h], shafts[s]);
      const std::string problem = fitProblem(holes[h], shafts[s], fit);
      ASSERT_EQ(problem, "") << describe(Side::Hole, classes[h], size, holes[h]) << "; "
                             << describe(Side::Shaft, classes[s], size, shafts[s]) << "; fit "
                             << fit.value1Mm() << " / " << fit.value2Mm();
      if (!allPairs) {
        const std::optional<Evaluation> whole = Evaluate(size, classes[h], classes[s]);
        ASSERT_TRUE(whole && whole->fit == fit);
      }
    }
  }
}

}  // namespace
}  // namespace kalmo
