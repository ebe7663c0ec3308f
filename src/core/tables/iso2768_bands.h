#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kalmo {

// The classes of ISO 2768 as a title block writes them: a lower-case letter
// for linear and angular dimensions (ISO 2768-1), an upper-case one for the
// geometrical tolerances (ISO 2768-2). The values index the table columns.
enum class LinearClass { f, m, c, v };  // fine, medium, coarse, very coarse
enum class GeometricClass { H, K, L };  // the three classes of ISO 2768-2

// One size range of an ISO 2768 table, in whole micrometres: every bound of
// these tables is a whole number of µm (0.5 mm = 500 µm), so a typed size is
// compared with it exactly, without a binary fraction in between.
// The range holds sizes over `overUm` up to and including `toUm`; the first
// range of a table that starts at 0.5 mm holds 0.5 mm itself (see the
// table's kFirstBandInclusive), and a last range without `toUm` is open
// upwards ("over 400").
struct Iso2768Band {
  std::int32_t overUm = 0;
  std::optional<std::int32_t> toUm;
  friend constexpr bool operator==(const Iso2768Band&, const Iso2768Band&) = default;
};

// Shape checks for the tables' static_asserts: each range starts where the
// one before it ends, and only the last may be open.
template <typename Rows>
constexpr bool bandsContiguous(const Rows& rows) {
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    if (!rows[i].band.toUm || *rows[i].band.toUm <= rows[i].band.overUm ||
        *rows[i].band.toUm != rows[i + 1].band.overUm) {
      return false;
    }
  }
  return true;
}

// Each class column grows (or stays) from range to range, or with
// `growing` false shrinks (or stays); an empty cell is skipped. A length
// tolerance never tightens for a larger size; an angular one never widens
// for a longer leg.
template <typename Rows, typename Member>
constexpr bool columnsMonotonic(const Rows& rows, Member member, bool growing) {
  for (std::size_t c = 0; c < (rows[0].*member).size(); ++c) {
    double last = growing ? 0 : 1e9;
    for (const auto& row : rows) {
      const auto& cell = (row.*member)[c];
      double value = 0;
      if constexpr (requires { cell.has_value(); }) {
        if (!cell) continue;
        value = *cell;
      } else {
        value = cell;
      }
      if (growing ? value < last : value > last) return false;
      last = value;
    }
  }
  return true;
}

}  // namespace kalmo
