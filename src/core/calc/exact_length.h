#pragma once

#include <compare>
#include <cstdint>
#include <optional>

namespace kalmo {

// A limit deviation, standard tolerance or fit value as a whole number of
// 0.05 µm. Every value of the ISO 286 and DIN 7172 tables is one: the tables
// hold whole µm, the fine grades tenths of a µm, Δ halves, and JS/js halve a
// tolerance of tenths. Sums and differences are exact, so a tie such as
// EI = es is a tie, and the decimal of a value has at most five decimals in mm.
class TwentiethsUm {
 public:
  constexpr TwentiethsUm() = default;
  constexpr explicit TwentiethsUm(std::int64_t count) : count_(count) {}
  // A table value in µm, itself a multiple of 0.05 µm (0.3, 1.5, 38000).
  static constexpr TwentiethsUm fromTableUm(double um) {
    const double scaled = um * 20;
    return TwentiethsUm(static_cast<std::int64_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5));
  }

  constexpr std::int64_t count() const { return count_; }
  // The nearest double to the exact value in mm (one correctly rounded
  // division of two exact doubles), so the shortest text of the double is the
  // exact decimal: 840 -> 0.042, never 0.041999999999999996.
  constexpr double mm() const { return static_cast<double>(count_) / 20000.0; }
  // The nearest double to the exact value in µm.
  constexpr double um() const { return static_cast<double>(count_) / 20.0; }
  // The nearest double to the exact value in inches (25.4 mm exactly).
  constexpr double inch() const { return static_cast<double>(count_) / 508000.0; }

  constexpr TwentiethsUm operator-() const { return TwentiethsUm(-count_); }
  friend constexpr TwentiethsUm operator+(TwentiethsUm a, TwentiethsUm b) {
    return TwentiethsUm(a.count_ + b.count_);
  }
  friend constexpr TwentiethsUm operator-(TwentiethsUm a, TwentiethsUm b) {
    return TwentiethsUm(a.count_ - b.count_);
  }
  friend constexpr auto operator<=>(const TwentiethsUm&, const TwentiethsUm&) = default;

 private:
  std::int64_t count_ = 0;
};

constexpr TwentiethsUm abs(TwentiethsUm v) {
  return v.count() < 0 ? -v : v;
}

// A size as a whole number of 1e-7 mm (0.1 nm): a size as typed in mm with up
// to 7 decimals, and one typed in inches with up to 6 decimals (times 25.4
// exactly), is held without rounding; a limit size is the exact sum of the
// size and a deviation (0.05 µm = 500 units).
class TenthsNm {
 public:
  constexpr TenthsNm() = default;
  constexpr explicit TenthsNm(std::int64_t count) : count_(count) {}
  constexpr TenthsNm(TwentiethsUm v) : count_(v.count() * 500) {}  // NOLINT: exact widening

  // The decimal a size in mm stands for, to 7 decimals: the double of a typed
  // decimal with up to 7 decimals gives that decimal back. Sizes beyond
  // ±1e11 mm, NaN and infinities give nullopt.
  static std::optional<TenthsNm> fromMm(double mm);

  constexpr std::int64_t count() const { return count_; }
  // The nearest double to the exact value in mm (count and 1e7 are exact
  // doubles, so one division rounds correctly).
  constexpr double mm() const { return static_cast<double>(count_) / 1e7; }
  // The nearest double to the exact value in inches.
  constexpr double inch() const { return static_cast<double>(count_) / 2.54e8; }

  friend constexpr TenthsNm operator+(TenthsNm a, TenthsNm b) {
    return TenthsNm(a.count_ + b.count_);
  }
  friend constexpr TenthsNm operator-(TenthsNm a, TenthsNm b) {
    return TenthsNm(a.count_ - b.count_);
  }
  friend constexpr auto operator<=>(const TenthsNm&, const TenthsNm&) = default;

 private:
  std::int64_t count_ = 0;
};

// The nearest double to size + deviation, the sum taken exactly on the size's
// decimal (TenthsNm::fromMm); size + deviation in doubles for a size that has
// none.
double limitSizeMm(double sizeMm, TwentiethsUm deviation);

}  // namespace kalmo
