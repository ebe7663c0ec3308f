// The Monte Carlo of a stack-up, 10^6 assemblies of a 10-contributor chain,
// measured against its yardstick in the same run: a bare loop with the same
// generator (std::mt19937_64), the same draws and the same tally that shares
// no code with the program (its own inverse normal, histogram and
// percentiles), so the ratio shows every cost the program adds. Before any
// timing the two results are compared bit for bit; a difference ends the
// program with status 1. Times on a shared machine swing by a factor of
// two; the ratio program / yardstick is the figure to track.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "ratio_reporter.h"
#include "stack/monte_carlo.h"

namespace {

constexpr std::uint64_t kSamples = 1'000'000;
constexpr std::uint64_t kSeed = 42;

// One contributor in 1e-7 mm: kind 0 normal, 1 uniform, 2 triangular.
struct BareLink {
  std::int64_t nominal;
  int sign;
  std::int64_t upper;
  std::int64_t lower;
  int kind;
};

// Chain 0: ten normal contributors; chain 1: six normal, two uniform, two triangular.
std::vector<BareLink> bareChain(int which) {
  std::vector<BareLink> chain;
  for (int i = 0; i < 10; ++i) {
    const int kind = which == 0 || i < 6 ? 0 : (i < 8 ? 1 : 2);
    chain.push_back({(10 + 7 * i) * 10'000'000LL, i % 3 == 0 ? 1 : -1, (i + 1) * 100'000LL,
                     -(i + 2) * 50'000LL, kind});
  }
  chain[0].nominal = 700 * 10'000'000LL;
  return chain;
}

std::vector<kalmo::StackLink> programChain(int which) {
  std::vector<kalmo::StackLink> links;
  for (const BareLink& b : bareChain(which)) {
    links.push_back({kalmo::TenthsNm(b.nominal),
                     b.sign > 0 ? kalmo::StackDirection::Plus : kalmo::StackDirection::Minus,
                     kalmo::StackZone{kalmo::TenthsNm(b.upper), kalmo::TenthsNm(b.lower)},
                     static_cast<kalmo::StackDistribution>(b.kind)});
  }
  return links;
}

// Wichura's AS 241, written out again.
double bareInverseNormal(double p) {
  const double q = p - 0.5;
  if (std::fabs(q) <= 0.425) {
    const double r = 0.180625 - q * q;
    return q *
           (((((((2509.0809287301226727 * r + 33430.575583588128105) * r +
                 67265.770927008700853) * r + 45921.953931549871457) * r +
               13731.693765509461125) * r + 1971.5909503065514427) * r +
             133.14166789178437745) * r + 3.387132872796366608) /
           (((((((5226.495278852545925 * r + 28729.085735721942674) * r +
                 39307.89580009271061) * r + 21213.794301586595867) * r +
               5394.1960214247511077) * r + 687.1870074920579083) * r +
             42.313330701600911252) * r + 1.0);
  }
  double r = std::sqrt(-std::log(q < 0 ? p : 1 - p));
  double v;
  if (r <= 5) {
    r -= 1.6;
    v = (((((((7.7454501427834140764e-4 * r + 0.0227238449892691845833) * r +
              0.24178072517745061177) * r + 1.27045825245236838258) * r +
            3.64784832476320460504) * r + 5.7694972214606914055) * r +
          4.6303378461565452959) * r + 1.42343711074968357734) /
        (((((((1.05075007164441684324e-9 * r + 5.475938084995344946e-4) * r +
              0.0151986665636164571966) * r + 0.14810397642748007459) * r +
            0.68976733498510000455) * r + 1.6763848301838038494) * r +
          2.05319162663775882187) * r + 1.0);
  } else {
    r -= 5;
    v = (((((((2.01033439929228813265e-7 * r + 2.71155556874348757815e-5) * r +
              0.0012426609473880784386) * r + 0.026532189526576123093) * r +
            0.29656057182850489123) * r + 1.7848265399172913358) * r +
          5.4637849111641143699) * r + 6.6579046435011037772) /
        (((((((2.04426310338993978564e-15 * r + 1.4215117583164458887e-7) * r +
              1.8463183175100546818e-5) * r + 7.868691311456132591e-4) * r +
            0.0148753612908506148525) * r + 0.13692988092273580531) * r +
          0.59983220655588793769) * r + 1.0);
  }
  return q < 0 ? -v : v;
}

struct BareResult {
  double mean, sd, min, max, p0135, p50, p99865;
  std::uint64_t outside;
  std::vector<std::uint64_t> shown;
};

BareResult bareMonteCarlo(const std::vector<BareLink>& chain, double lsl, double usl) {
  constexpr std::size_t kBlock = 4096;
  constexpr std::size_t kBins = 65536;
  constexpr double kUnit = 1.0 / 9007199254740992.0;
  std::int64_t mean2 = 0;
  std::int64_t low = 0;
  std::int64_t high = 0;
  double variance = 0;
  std::vector<double> scale;
  for (const BareLink& l : chain) {
    mean2 += l.sign * (2 * l.nominal + l.upper + l.lower);
    low += l.sign * l.nominal + l.sign * (l.sign > 0 ? l.lower : l.upper);
    high += l.sign * l.nominal + l.sign * (l.sign > 0 ? l.upper : l.lower);
    const double t = static_cast<double>(l.upper - l.lower) / 1e7;
    const double sd = l.kind == 0 ? t / 6 : (l.kind == 1 ? t / std::sqrt(12.0) : t / std::sqrt(24.0));
    variance += sd * sd;
    scale.push_back(l.sign * (l.kind == 0 ? sd : t));
  }
  const double mean = static_cast<double>(mean2) / 2e7;
  const double sd = std::sqrt(variance);
  const double binLow = std::min(static_cast<double>(low) / 1e7 - mean, -6 * sd);
  const double binHigh = std::max(static_cast<double>(high) / 1e7 - mean, 6 * sd);
  const double width = std::max(binHigh - binLow, 1e-6) / static_cast<double>(kBins);
  const double perWidth = 1 / width;

  std::vector<std::uint64_t> bins(kBins);
  std::uint64_t under = 0, outside = 0;
  double sum = 0, squares = 0, mn = INFINITY, mx = -INFINITY;
  std::mt19937_64 g(kSeed);
  std::array<double, kBlock> v{};
  for (std::uint64_t done = 0; done < kSamples;) {
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(kBlock, kSamples - done));
    std::fill_n(v.begin(), n, 0.0);
    for (std::size_t k = 0; k < chain.size(); ++k) {
      const double s = scale[k];
      if (chain[k].kind == 0) {
        for (std::size_t j = 0; j < n; ++j) {
          v[j] += s * bareInverseNormal((static_cast<double>(g() >> 11) + 0.5) * kUnit);
        }
      } else if (chain[k].kind == 1) {
        for (std::size_t j = 0; j < n; ++j) v[j] += s * (static_cast<double>(g() >> 11) * kUnit - 0.5);
      } else {
        for (std::size_t j = 0; j < n; ++j) {
          const double a = static_cast<double>(g() >> 11) * kUnit;
          const double b = static_cast<double>(g() >> 11) * kUnit;
          v[j] += s * ((a + b) * 0.5 - 0.5);
        }
      }
    }
    for (std::size_t j = 0; j < n; ++j) {
      const double d = v[j];
      sum += d;
      squares += d * d;
      mn = std::min(mn, d);
      mx = std::max(mx, d);
      const double x = mean + d;
      outside += (x < lsl) | (x > usl);
      const double at = (d - binLow) * perWidth;
      if (at < 0) {
        ++under;
      } else if (at < static_cast<double>(kBins)) {
        ++bins[static_cast<std::size_t>(at)];
      }
    }
    done += n;
  }
  const auto quantile = [&](double q) {
    const double rank = q * static_cast<double>(kSamples);
    double below = static_cast<double>(under);
    if (rank <= below) return mn;
    for (std::size_t i = 0; i < kBins; ++i) {
      const double c = static_cast<double>(bins[i]);
      if (below + c >= rank && c > 0) {
        return std::clamp(binLow + (static_cast<double>(i) + (rank - below) / c) * width, mn, mx);
      }
      below += c;
    }
    return mx;
  };
  const double nn = static_cast<double>(kSamples);
  BareResult r{mean + sum / nn,
               std::sqrt(std::max(0.0, (squares - sum * sum / nn) / (nn - 1))),
               mean + mn,
               mean + mx,
               mean + quantile(0.00135),
               mean + quantile(0.5),
               mean + quantile(0.99865),
               outside,
               std::vector<std::uint64_t>(128)};
  for (std::size_t i = 0; i < kBins; ++i) r.shown[i / (kBins / 128)] += bins[i];
  return r;
}

// Limits of the closing dimension: about its mean ± 2.5 sigma.
kalmo::SpecLimits limitsOf(int which) {
  const kalmo::StackResult r = kalmo::analyseStack(programChain(which), {});
  return {r.mean.mm() - 2.5 * r.sdMm, r.mean.mm() + 2.5 * r.sdMm};
}

bool sameResult(int which) {
  const kalmo::SpecLimits limits = limitsOf(which);
  const std::optional<kalmo::MonteCarloResult> p =
      kalmo::runMonteCarlo(programChain(which), limits, {kSamples, kSeed});
  const BareResult b = bareMonteCarlo(bareChain(which), *limits.lsl, *limits.usl);
  const bool same = p && p->meanMm == b.mean && p->sdMm == b.sd && p->minMm == b.min &&
                    p->maxMm == b.max && p->p0135Mm == b.p0135 && p->p50Mm == b.p50 &&
                    p->p99865Mm == b.p99865 && p->outside->count == b.outside &&
                    p->histogram == b.shown;
  if (!same) {
    std::fprintf(stderr, "chain %d: the program's Monte Carlo differs from the yardstick's\n",
                 which);
    return false;
  }
  std::printf("chain %d: mean %.17g, sd %.17g, outside %llu of %llu, equal to the yardstick\n",
              which, b.mean, b.sd, static_cast<unsigned long long>(b.outside),
              static_cast<unsigned long long>(kSamples));
  return true;
}

void BM_MonteCarlo(benchmark::State& state) {
  const int which = static_cast<int>(state.range(0));
  const std::vector<kalmo::StackLink> chain = programChain(which);
  const kalmo::SpecLimits limits = limitsOf(which);
  for (auto _ : state) {
    auto r = kalmo::runMonteCarlo(chain, limits, {kSamples, kSeed});
    benchmark::DoNotOptimize(r);
  }
}
void BM_BareMonteCarlo(benchmark::State& state) {
  const int which = static_cast<int>(state.range(0));
  const std::vector<BareLink> chain = bareChain(which);
  const kalmo::SpecLimits limits = limitsOf(which);
  for (auto _ : state) {
    auto r = bareMonteCarlo(chain, *limits.lsl, *limits.usl);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_MonteCarlo)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareMonteCarlo)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  for (int which : {0, 1}) {
    if (!sameResult(which)) return 1;
  }
  bench::RatioReporter reporter({{"stack Monte Carlo 10^6 x 10",
                                  "BM_MonteCarlo",
                                  "BM_BareMonteCarlo",
                                  {{"0", "normal"}, {"1", "mixed"}}}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
