#include "stack/monte_carlo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace kalmo {

namespace {

constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;

// One term of the closing dimension: its standard draw times scale.
struct Term {
  StackDistribution distribution;
  double scale;  // normal: sigma; uniform and triangular: the tolerance; signed by direction
};

// The fine histogram and the running sums, over deviations from the
// analytic mean (small numbers, so the sums lose nothing to a large offset).
struct Tally {
  std::vector<std::uint64_t> bins = std::vector<std::uint64_t>(kMonteCarloBins);
  std::uint64_t underflow = 0;
  std::uint64_t overflow = 0;
  double low = 0;    // deviation at the first bin's lower edge
  double width = 0;  // of one bin
  double perWidth = 0;
  double sum = 0;
  double sumSquares = 0;
  double min = INFINITY;
  double max = -INFINITY;
  std::uint64_t outside = 0;
};

// The deviation below which a share q of the samples lies.
double percentile(const Tally& t, std::uint64_t n, double q) {
  const double rank = q * static_cast<double>(n);
  double below = static_cast<double>(t.underflow);
  if (rank <= below) return t.min;
  for (std::size_t i = 0; i < t.bins.size(); ++i) {
    const double c = static_cast<double>(t.bins[i]);
    if (below + c >= rank && c > 0) {
      const double x = t.low + (static_cast<double>(i) + (rank - below) / c) * t.width;
      return std::clamp(x, t.min, t.max);
    }
    below += c;
  }
  return t.max;
}

}  // namespace

double inverseNormal(double p) {
  // Wichura, Algorithm AS 241, PPND16 (Applied Statistics 37, 1988).
  const double q = p - 0.5;
  if (std::fabs(q) <= 0.425) {
    const double r = 0.180625 - q * q;
    return q *
           (((((((2509.0809287301226727 * r + 33430.575583588128105) * r + 67265.770927008700853) *
                    r +
                45921.953931549871457) *
                   r +
               13731.693765509461125) *
                  r +
              1971.5909503065514427) *
                 r +
             133.14166789178437745) *
                r +
            3.387132872796366608) /
           (((((((5226.495278852545925 * r + 28729.085735721942674) * r + 39307.89580009271061) *
                    r +
                21213.794301586595867) *
                   r +
               5394.1960214247511077) *
                  r +
              687.1870074920579083) *
                 r +
             42.313330701600911252) *
                r +
            1.0);
  }
  double r = std::sqrt(-std::log(q < 0 ? p : 1 - p));
  double value;
  if (r <= 5) {
    r -= 1.6;
    value = (((((((7.7454501427834140764e-4 * r + 0.0227238449892691845833) * r +
                  0.24178072517745061177) *
                     r +
                 1.27045825245236838258) *
                    r +
                3.64784832476320460504) *
                   r +
               5.7694972214606914055) *
                  r +
              4.6303378461565452959) *
                 r +
             1.42343711074968357734) /
            (((((((1.05075007164441684324e-9 * r + 5.475938084995344946e-4) * r +
                  0.0151986665636164571966) *
                     r +
                 0.14810397642748007459) *
                    r +
                0.68976733498510000455) *
                   r +
               1.6763848301838038494) *
                  r +
              2.05319162663775882187) *
                 r +
             1.0);
  } else {
    r -= 5;
    value = (((((((2.01033439929228813265e-7 * r + 2.71155556874348757815e-5) * r +
                  0.0012426609473880784386) *
                     r +
                 0.026532189526576123093) *
                    r +
                0.29656057182850489123) *
                   r +
               1.7848265399172913358) *
                  r +
              5.4637849111641143699) *
                 r +
             6.6579046435011037772) /
            (((((((2.04426310338993978564e-15 * r + 1.4215117583164458887e-7) * r +
                  1.8463183175100546818e-5) *
                     r +
                 7.868691311456132591e-4) *
                    r +
                0.0148753612908506148525) *
                   r +
               0.13692988092273580531) *
                  r +
              0.59983220655588793769) *
                 r +
             1.0);
  }
  return q < 0 ? -value : value;
}

std::pair<double, double> wilsonInterval(std::uint64_t count, std::uint64_t n) {
  constexpr double z = 1.959963984540054;  // the 97.5 % point of the normal distribution
  const double nn = static_cast<double>(n);
  const double p = static_cast<double>(count) / nn;
  const double z2n = z * z / nn;
  const double centre = (p + z2n / 2) / (1 + z2n);
  const double half = z / (1 + z2n) * std::sqrt(p * (1 - p) / nn + z2n / (4 * nn));
  // At 0 and at n the interval reaches its end exactly (the two terms cancel).
  return {count == 0 ? 0.0 : std::max(0.0, centre - half),
          count == n ? 1.0 : std::min(1.0, centre + half)};
}

std::optional<MonteCarloResult> runMonteCarlo(const std::vector<StackLink>& links,
                                              const SpecLimits& limits,
                                              const MonteCarloOptions& options,
                                              const MonteCarloProgress& progress) {
  const std::uint64_t n = options.samples;
  if (n < 2 || n > kMonteCarloMaxSamples) return std::nullopt;
  const StackResult analytic = analyseStack(links, {});
  const double mean = analytic.mean.mm();
  std::vector<Term> terms;
  for (const StackLink& l : links) {
    const double sign = directionSign(l.direction);
    const double scale =
        l.distribution == StackDistribution::Normal ? l.sdMm() : (l.zone.upper - l.zone.lower).mm();
    terms.push_back({l.distribution, sign * scale});
  }

  Tally t;
  const double sd = analytic.sdMm;
  t.low = std::min(analytic.worstMin.mm() - mean, -6 * sd);
  const double high = std::max(analytic.worstMax.mm() - mean, 6 * sd);
  // A chain without any spread still gets a span, one nanometre wide.
  t.width = std::max(high - t.low, 1e-6) / static_cast<double>(kMonteCarloBins);
  t.perWidth = 1 / t.width;
  const double lsl = limits.lsl.value_or(-INFINITY);
  const double usl = limits.usl.value_or(INFINITY);

  std::mt19937_64 generator(options.seed);
  std::array<double, kMonteCarloBlock> block{};
  for (std::uint64_t done = 0; done < n;) {
    const std::size_t size =
        static_cast<std::size_t>(std::min<std::uint64_t>(kMonteCarloBlock, n - done));
    std::fill_n(block.begin(), size, 0.0);
    for (const Term& term : terms) {
      const double s = term.scale;
      switch (term.distribution) {
        case StackDistribution::Normal:
          for (std::size_t j = 0; j < size; ++j) {
            const double u = (static_cast<double>(generator() >> 11) + 0.5) * kTwoToMinus53;
            block[j] += s * inverseNormal(u);
          }
          break;
        case StackDistribution::Uniform:
          for (std::size_t j = 0; j < size; ++j) {
            const double u = static_cast<double>(generator() >> 11) * kTwoToMinus53;
            block[j] += s * (u - 0.5);
          }
          break;
        case StackDistribution::Triangular:
          for (std::size_t j = 0; j < size; ++j) {
            const double u1 = static_cast<double>(generator() >> 11) * kTwoToMinus53;
            const double u2 = static_cast<double>(generator() >> 11) * kTwoToMinus53;
            block[j] += s * ((u1 + u2) * 0.5 - 0.5);
          }
          break;
      }
    }
    for (std::size_t j = 0; j < size; ++j) {
      const double d = block[j];
      t.sum += d;
      t.sumSquares += d * d;
      t.min = std::min(t.min, d);
      t.max = std::max(t.max, d);
      const double value = mean + d;
      t.outside += (value < lsl) | (value > usl);
      const double x = (d - t.low) * t.perWidth;
      if (x < 0) {
        ++t.underflow;
      } else if (x >= static_cast<double>(kMonteCarloBins)) {
        ++t.overflow;
      } else {
        ++t.bins[static_cast<std::size_t>(x)];
      }
    }
    done += size;
    if (progress && !progress(done)) return std::nullopt;
  }

  MonteCarloResult r;
  const double nn = static_cast<double>(n);
  r.samples = n;
  r.seed = options.seed;
  r.meanMm = mean + t.sum / nn;
  r.sdMm = std::sqrt(std::max(0.0, (t.sumSquares - t.sum * t.sum / nn) / (nn - 1)));
  r.minMm = mean + t.min;
  r.maxMm = mean + t.max;
  r.p0135Mm = mean + percentile(t, n, 0.00135);
  r.p50Mm = mean + percentile(t, n, 0.5);
  r.p99865Mm = mean + percentile(t, n, 0.99865);
  if (limits.any()) {
    const auto [low, high] = wilsonInterval(t.outside, n);
    r.outside = MonteCarloOutside{t.outside, static_cast<double>(t.outside) / nn, low, high};
  }
  constexpr std::size_t perShown = kMonteCarloBins / kMonteCarloShownBins;
  r.histogramLowMm = mean + t.low;
  r.histogramHighMm = mean + t.low + t.width * static_cast<double>(kMonteCarloBins);
  r.histogram.assign(kMonteCarloShownBins, 0);
  for (std::size_t i = 0; i < kMonteCarloBins; ++i) r.histogram[i / perShown] += t.bins[i];
  return r;
}

}  // namespace kalmo
