#include "stack/stack_chain.h"

#include <algorithm>
#include <cmath>

namespace kalmo {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

TenthsNm times(int sign, TenthsNm v) {
  return TenthsNm(sign * v.count());
}

}  // namespace

const char* distributionKey(StackDistribution d) {
  switch (d) {
    case StackDistribution::Uniform: return "uniform";
    case StackDistribution::Triangular: return "triangular";
    case StackDistribution::Normal: break;
  }
  return "normal";
}

std::optional<StackDistribution> distributionOfKey(std::string_view key) {
  for (const StackDistribution d :
       {StackDistribution::Normal, StackDistribution::Uniform, StackDistribution::Triangular}) {
    if (sameIgnoringCase(key, distributionKey(d))) return d;
  }
  return std::nullopt;
}

const char* stackFieldKey(StackField field) {
  switch (field) {
    case StackField::Name: return "name";
    case StackField::Nominal: return "nominal";
    case StackField::Direction: return "direction";
    case StackField::Tolerance: return "tolerance";
    case StackField::Distribution: return "distribution";
  }
  return "";
}

HalfTenthsNm StackLink::mean() const {
  return {2 * nominal.count() + zone.upper.count() + zone.lower.count()};
}

double StackLink::sdMm() const {
  const double t = (zone.upper - zone.lower).mm();
  switch (distribution) {
    case StackDistribution::Uniform: return t / std::sqrt(12.0);
    case StackDistribution::Triangular: return t / std::sqrt(24.0);
    case StackDistribution::Normal: break;
  }
  return t / 6;
}

StackLinkRead resolveLink(const StackContributor& c, bool inch) {
  StackLinkRead r;
  const std::optional<TenthsNm> nominal = typedStackLength(c.nominal, inch);
  if (!nominal || nominal->count() < 0 || nominal->mm() > kMaxStackNominalMm) {
    r.error = {StackField::Nominal, StackToleranceError::None};
    return r;
  }
  const StackToleranceRead zone = readStackTolerance(c.tolerance, *nominal, inch);
  if (!zone.zone) {
    r.error = {StackField::Tolerance, zone.error};
    return r;
  }
  r.link = StackLink{*nominal, c.direction, *zone.zone, c.distribution};
  return r;
}

double normalShareBelow(double x, double mean, double sd) {
  if (!(sd > 0)) return x > mean ? 1.0 : 0.0;
  return 0.5 * std::erfc(-(x - mean) / (sd * std::sqrt(2.0)));
}

StackResult analyseStack(const std::vector<StackLink>& links, const SpecLimits& limits) {
  StackResult r;
  double variance = 0;
  for (const StackLink& l : links) {
    const int s = directionSign(l.direction);
    r.nominal = r.nominal + times(s, l.nominal);
    // A contributor that adds takes its lower limit into the smallest
    // closing dimension; one that takes away, its upper limit.
    r.worstMin = r.worstMin + times(s, l.nominal) + times(s, s > 0 ? l.zone.lower : l.zone.upper);
    r.worstMax = r.worstMax + times(s, l.nominal) + times(s, s > 0 ? l.zone.upper : l.zone.lower);
    r.mean.count += s * l.mean().count;
    const double sd = l.sdMm();
    variance += sd * sd;
    r.contributors.push_back({l.nominal, l.zone.upper, l.zone.lower, l.mean(), sd, 0});
  }
  r.sdMm = std::sqrt(variance);
  if (variance > 0) {
    for (ContributorResult& c : r.contributors) c.share = c.sdMm * c.sdMm / variance;
  }
  if (limits.any()) {
    SpecResult limitShares;
    limitShares.limits = limits;
    const double mean = r.mean.mm();
    const double sd = r.sdMm;
    if (limits.lsl) limitShares.below = normalShareBelow(*limits.lsl, mean, sd);
    // Above USL: the complement taken on the mirrored tail, so that a share
    // of 1e-12 is not lost in 1 - (1 - 1e-12).
    if (limits.usl)
      limitShares.above =
          sd > 0 ? normalShareBelow(-*limits.usl, -mean, sd) : (mean > *limits.usl ? 1.0 : 0.0);
    if (sd > 0) {
      if (limits.lsl && limits.usl) limitShares.cp = (*limits.usl - *limits.lsl) / (6 * sd);
      std::optional<double> k;
      if (limits.usl) k = (*limits.usl - mean) / (3 * sd);
      if (limits.lsl) k = std::min(k.value_or(INFINITY), (mean - *limits.lsl) / (3 * sd));
      limitShares.cpk = k;
    }
    r.limitShares = limitShares;
  }
  return r;
}

}  // namespace kalmo
