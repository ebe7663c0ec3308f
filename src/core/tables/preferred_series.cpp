#include "tables/preferred_series.h"

#include <cctype>

namespace kalmo {

std::vector<PreferredRow> preferredRows(int seriesIndex) {
  std::vector<PreferredRow> rows;
  if (seriesIndex < 0 || seriesIndex >= static_cast<int>(PreferredSeries.size())) {
    return rows;
  }
  const auto values = PreferredSeries[static_cast<std::size_t>(seriesIndex)].values;
  rows.reserve(values.size());
  for (double v : values) rows.push_back(preferredRow(v));
  return rows;
}

std::optional<int> findPreferredSeries(std::string_view name) {
  if (name == "all") return kAllSeriesIndex;
  if (name.empty()) return std::nullopt;
  for (std::size_t i = 1; i < PreferredSeries.size(); ++i) {
    const std::string_view candidate = PreferredSeries[i].name;
    // Only the series letter is case-blind; "r'20" is a harmless slip to
    // accept, whereas the marks and digits tell the series apart.
    if (name.size() == candidate.size() &&
        std::toupper(static_cast<unsigned char>(name.front())) == candidate.front() &&
        name.substr(1) == candidate.substr(1)) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

}  // namespace kalmo
