// Every length the program prints is the exact decimal of the value, or that
// decimal rounded to the digits the view shows. The expected texts here come
// from integer arithmetic alone, independent of the doubles the program hands
// to its writers.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "calc/evaluation.h"
#include "format/number_format.h"
#include "format/shortest_number.h"
#include "format/units.h"
#include "tables/deviation_tables.h"
#include "tables/it_table.h"

namespace kalmo {
namespace {

// units / 10^decimals as a decimal: fixed digits, or trailing zeros (and a
// bare point) dropped for the shortest form.
std::string decimal(std::int64_t units, int decimals, bool trim) {
  const bool negative = units < 0;
  const std::uint64_t u = negative ? 0 - static_cast<std::uint64_t>(units) : units;
  std::uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  std::string fraction = std::to_string(u % scale);
  fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
  if (trim) fraction.erase(fraction.find_last_not_of('0') + 1);
  std::string text = (negative && u != 0 ? "-" : "") + std::to_string(u / scale);
  return fraction.empty() ? text : text + "." + fraction;
}

// numerator / denominator rounded to an integer, halves away from zero.
std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t m = numerator < 0 ? -numerator : numerator;
  const std::int64_t q = (2 * m + denominator) / (2 * denominator);
  return numerator < 0 ? -q : q;
}

// A length in 1e-7 mm checked in every form the views print it in: the
// shortest text (JSON, CSV) and fixed-4 mm, fixed-5 inch (grid, export,
// tables); lengthMm is what the program computed for it.
std::string lengthProblem(std::int64_t tenthsNm, double lengthMm) {
  if (formatShortest(lengthMm) != decimal(tenthsNm, 7, true)) return "shortest text";
  if (lengthText(lengthMm, false) != decimal(roundedQuotient(tenthsNm, 1000), 4, false)) {
    return "fixed-4 mm";
  }
  if (lengthText(lengthMm, true) != decimal(roundedQuotient(tenthsNm, 2540), 5, false)) {
    return "fixed-5 inch";
  }
  return "";
}

TEST(ExactPrinting, EveryLengthPrintsAsItsExactDecimal) {
  // The sizes as typed, in 1e-7 mm: every bound of the tables, a hair above
  // every other one, and random sizes with up to 4 decimals.
  std::vector<std::int64_t> sizes;
  for (std::size_t i = 0; i < kDeviationBoundsMm.size(); ++i) {
    const auto b = static_cast<std::int64_t>(kDeviationBoundsMm[i]) * 10'000'000;
    sizes.push_back(i % 2 == 0 ? b : b + 10'000);
  }
  std::mt19937_64 random(21);
  std::uniform_int_distribution<std::int64_t> tenThousandths(1, 100'000'000);
  for (int i = 0; i < 12; ++i) sizes.push_back(tenThousandths(random) * 1'000);

  for (const std::int64_t size : sizes) {
    const double sizeMm = static_cast<double>(size) / 1e7;
    const SizeEvaluation at(sizeMm);
    std::vector<ClassResult> holes;
    std::vector<ClassResult> shafts;
    for (int l = 0; l < kLetterCount; ++l) {
      for (int g = 0; g < kGradeCount; ++g) {
        const ToleranceClass cls{l, Grade::atIndex(g)};
        const ClassResult hole = at.hole(cls);
        const ClassResult shaft = at.shaft(cls);
        if (hole.defined()) holes.push_back(hole);
        if (shaft.defined()) shafts.push_back(shaft);
        for (const ClassResult& r : {hole, shaft}) {
          if (!r.defined()) continue;
          const struct {
            const char* what;
            std::int64_t tenthsNm;
            double mm;
          } lengths[] = {
              {"tolerance", r.tolerance.count() * 500, r.toleranceMm()},
              {"upper", r.upper.count() * 500, r.upperMm()},
              {"lower", r.lower.count() * 500, r.lowerMm()},
              {"upper limit", size + r.upper.count() * 500, r.upperLimitMm(sizeMm)},
              {"lower limit", size + r.lower.count() * 500, r.lowerLimitMm(sizeMm)},
          };
          for (const auto& length : lengths) {
            const std::string problem = lengthProblem(length.tenthsNm, length.mm);
            ASSERT_EQ(problem, "") << Designation(Side::Hole, cls) << " (hole or shaft) "
                                   << length.what << " at " << decimal(size, 7, true) << " mm";
          }
        }
      }
    }
    // The fits of every hole with a spread of shafts: the values are exact
    // differences of the limits.
    for (const ClassResult& h : holes) {
      for (std::size_t k = 0; k < shafts.size(); k += 61) {
        const FitResult f = EvaluateFit(h, shafts[k]);
        const std::int64_t maxClearance = (h.upper - shafts[k].lower).count() * 500;
        const std::int64_t minClearance = (h.lower - shafts[k].upper).count() * 500;
        const bool interference = f.kind == FitKind::Interference;
        ASSERT_EQ(lengthProblem(interference ? minClearance : maxClearance, f.value1Mm()), "");
        ASSERT_EQ(lengthProblem(interference ? maxClearance : minClearance, f.value2Mm()), "");
        ASSERT_EQ(lengthProblem(maxClearance - minClearance, f.toleranceMm()), "");
      }
    }
  }
}

}  // namespace
}  // namespace kalmo
