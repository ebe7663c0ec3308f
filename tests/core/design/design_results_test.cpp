#include "design/design_results.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "design/deviation_sort.h"

namespace kalmo {
namespace {

// The search's quicksort applied to whole records (ascending Deviation, equal
// ones in the order the quicksort leaves them).
void sortDesignResults(DesignResults& results) {
  detail::deviationQuickSort(std::span<DesignResult>(results),
                             [](const DesignResult& record) { return record.Deviation; });
}

DesignResults records(const std::vector<std::pair<double, std::string>>& items) {
  DesignResults out;
  for (const auto& [deviation, name] : items) {
    DesignResult r;
    r.Deviation = deviation;
    r.Designation = name;
    out.push_back(r);
  }
  return out;
}

std::string order(const DesignResults& results) {
  std::string out;
  for (const DesignResult& r : results) out += r.Designation;
  return out;
}

// Orders traced by hand through the quicksort. Equal deviations do not keep
// their input order, and users see that order, so a stable or any other sort
// gives a different list in each of these cases.
TEST(DesignResultsSort, EqualDeviationsTakeTheQuicksortOrder) {
  struct Case {
    std::vector<std::pair<double, std::string>> input;
    const char* quicksort;
    const char* stable;
  };
  const Case cases[] = {
      {{{1, "a"}, {1, "b"}, {0, "c"}}, "cba", "cab"},
      {{{1, "a"}, {1, "b"}, {1, "c"}}, "cba", "abc"},
      {{{1, "a"}, {1, "b"}, {1, "c"}, {1, "d"}}, "cdab", "abcd"},
      {{{2, "a"}, {1, "b"}, {2, "c"}, {1, "d"}, {0, "e"}}, "edbac", "ebdac"},
      {{{3, "a"}, {1, "b"}, {2, "c"}, {1, "d"}, {3, "e"}, {2, "f"}}, "dbfcae", "bdcfae"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.quicksort);
    DesignResults sorted = records(c.input);
    sortDesignResults(sorted);
    EXPECT_EQ(order(sorted), c.quicksort);

    DesignResults stable = records(c.input);
    std::stable_sort(
        stable.begin(), stable.end(),
        [](const DesignResult& x, const DesignResult& y) { return x.Deviation < y.Deviation; });
    EXPECT_EQ(order(stable), c.stable);
  }
}

// Large inputs of the shapes that drive a naive quicksort deep or past its
// bounds: all equal, descending, few distinct values. The result is
// ascending and holds every record once.
TEST(DesignResultsSort, LargeInputsSortCompletely) {
  const std::size_t n = 20000;
  for (std::size_t distinct : {std::size_t{1}, n, std::size_t{5}}) {
    SCOPED_TRACE(distinct);
    DesignResults results(n);
    for (std::size_t i = 0; i < n; ++i) {
      results[i].Deviation = static_cast<double>((n - i) % distinct);
      results[i].FitValue1 = static_cast<double>(i);  // identifies the record
    }
    sortDesignResults(results);
    std::vector<bool> seen(n);
    for (std::size_t i = 0; i < n; ++i) {
      if (i > 0) {
        ASSERT_LE(results[i - 1].Deviation, results[i].Deviation);
      }
      seen[static_cast<std::size_t>(results[i].FitValue1)] = true;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), static_cast<long>(n));
  }
}

TEST(DesignResults, RowsToShow) {
  struct Case {
    int index;
    std::size_t results;
    std::size_t rows;
  };
  const Case cases[] = {
      {0, 37, 10},   {1, 37, 20},   {2, 37, 37}, {3, 37, 37}, {4, 37, 37},
      {3, 150, 100}, {4, 150, 150}, {0, 1, 1},   {0, 0, 0},   {4, 0, 0},
      {-1, 37, 10},  {5, 37, 10},  // a hand-edited setting counts as the default entry
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.index << ", " << c.results);
    EXPECT_EQ(designRowsToShow(c.index, c.results), c.rows);
  }
}

}  // namespace
}  // namespace kalmo
