#include "general/general_tolerance.h"

#include "tables/iso2768_angular.h"
#include "tables/iso2768_edges.h"
#include "tables/iso2768_geometric.h"
#include "tables/iso2768_linear.h"

namespace kalmo {

namespace {

std::size_t column(LinearClass cls) {
  return static_cast<std::size_t>(cls);
}
std::size_t column(GeometricClass cls) {
  return static_cast<std::size_t>(cls);
}

// The cells of one table for one class; `value` gives a row's cell value.
template <typename Rows, typename Value>
std::vector<GeneralCell> cells(const Rows& rows, bool firstInclusive, Value value) {
  std::vector<GeneralCell> out;
  out.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    GeneralCell cell;
    cell.band = rows[i].band;
    cell.fromInclusive = i == 0 && firstInclusive;
    value(rows[i], cell);
    out.push_back(cell);
  }
  return out;
}

// The row of a size: the first range whose upper bound the size does not
// pass, compared exactly; BelowTable under the first range's lower bound
// (or at it, when that bound is not included), AboveTable over the last.
struct Placement {
  GeneralGap gap = GeneralGap::None;
  std::size_t row = 0;
};

Placement place(const std::vector<GeneralCell>& table, const TypedLength& size) {
  const GeneralCell& first = table.front();
  const std::strong_ordering low = compareWithMicrometres(size, first.band.overUm);
  if (low < 0 || (low == 0 && !first.fromInclusive)) return {GeneralGap::BelowTable, 0};
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (!table[i].band.toUm || compareWithMicrometres(size, *table[i].band.toUm) <= 0) {
      return {GeneralGap::None, i};
    }
  }
  return {GeneralGap::AboveTable, table.size() - 1};
}

}  // namespace

std::vector<GeneralCell> generalTable(GeneralKind kind, const GeneralDesignation& designation) {
  const std::optional<LinearClass> lin = designation.linear;
  const std::optional<GeometricClass> geo = designation.geometric;
  switch (kind) {
    case GeneralKind::Linear:
      if (!lin) return {};
      return cells(kIso2768Linear, kIso2768LinearFirstInclusive,
                   [&](const Iso2768LinearRow& r, GeneralCell& c) {
                     c.toleranceMm = r.deviationMm[column(*lin)];
                   });
    case GeneralKind::Edge:
      if (!lin) return {};
      return cells(kIso2768Edges, kIso2768EdgeFirstInclusive,
                   [&](const Iso2768EdgeRow& r, GeneralCell& c) {
                     c.toleranceMm = r.deviationMm[column(*lin)];
                   });
    case GeneralKind::Angle:
      if (!lin) return {};
      return cells(kIso2768Angular, kIso2768AngularFirstInclusive,
                   [&](const Iso2768AngularRow& r, GeneralCell& c) {
                     c.arcMinutes = r.deviationArcMinutes[column(*lin)];
                   });
    case GeneralKind::StraightnessFlatness:
      if (!geo) return {};
      return cells(kIso2768Straightness, kIso2768StraightnessFirstInclusive,
                   [&](const Iso2768StraightnessRow& r, GeneralCell& c) {
                     c.toleranceMm = r.toleranceMm[column(*geo)];
                   });
    case GeneralKind::Perpendicularity:
    case GeneralKind::Symmetry:
    case GeneralKind::Runout: break;
  }
  return {};
}

GeneralAnswer evaluateGeneral(const TypedLength& size, const GeneralDesignation& designation) {
  GeneralAnswer answer{size, designation, {}};
  for (std::size_t k = 0; k < kGeneralKindCount; ++k) {
    GeneralValue& v = answer.values[k];
    v.kind = kGeneralKinds[k];
    const bool hasClass = isGeometricKind(v.kind) ? designation.geometric.has_value()
                                                  : designation.linear.has_value();
    if (!hasClass) {
      v.gap = GeneralGap::NoClass;
      continue;
    }
    const std::vector<GeneralCell> table = generalTable(v.kind, designation);
    if (table.empty()) {
      v.gap = GeneralGap::NotConfirmed;
      continue;
    }
    const Placement p = place(table, size);
    v.gap = p.gap;
    if (p.gap != GeneralGap::None) continue;
    v.row = p.row;
    v.cell = table[p.row];
    if (!v.cell->toleranceMm && !v.cell->arcMinutes) v.gap = GeneralGap::EmptyCell;
  }
  return answer;
}

}  // namespace kalmo
