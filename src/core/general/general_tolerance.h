#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "general/general_designation.h"
#include "general/typed_length.h"
#include "tables/iso2768_bands.h"

namespace kalmo {

// General tolerances of ISO 2768 for one size: what the title block's note
// allows a dimension without its own tolerance.
// Editions: ISO 2768-1:1989 for linear and angular dimensions; ISO
// 2768-2:1989 for the geometrical tolerances, since replaced by ISO
// 22081:2021 (an undated "ISO 2768-2" on a new drawing now means ISO 22081).

// The kinds of dimension answered, in the order they are shown.
enum class GeneralKind {
  Linear,                // ISO 2768-1 Table 1, by the nominal size
  Edge,                  // ISO 2768-1 Table 2: external radius or chamfer height
  Angle,                 // ISO 2768-1 Table 3, by the shorter leg of the angle
  StraightnessFlatness,  // ISO 2768-2 Table 1, by the length of the line or longer side
  Perpendicularity,      // ISO 2768-2 Table 2: not available (see iso2768_geometric.h)
  Symmetry,              // ISO 2768-2 Table 3: not available
  Runout,                // ISO 2768-2 Table 4, circular run-out: not available
};
inline constexpr std::size_t kGeneralKindCount = 7;
inline constexpr std::array<GeneralKind, kGeneralKindCount> kGeneralKinds = {
    GeneralKind::Linear,
    GeneralKind::Edge,
    GeneralKind::Angle,
    GeneralKind::StraightnessFlatness,
    GeneralKind::Perpendicularity,
    GeneralKind::Symmetry,
    GeneralKind::Runout};

// Why a kind has no value for the size.
enum class GeneralGap {
  None,          // there is a value
  NoClass,       // the designation has no class for the kind: no lower-case letter for
                 // Linear, Edge and Angle, no upper-case one for the geometrical kinds
  BelowTable,    // Linear, Edge below 0.5 mm: the tolerance belongs next to the dimension
  AboveTable,    // beyond the last range: Linear over 4000 mm, StraightnessFlatness over 3000 mm
  EmptyCell,     // the class has no value in the range: v from 0.5 up to 3 mm, f over 2000 mm
  NotConfirmed,  // Perpendicularity, Symmetry, Runout: values not confirmed, not offered
};

// One range of a table for one class.
struct GeneralCell {
  Iso2768Band band;
  bool fromInclusive = false;         // the range holds its lower bound (the first, from 0.5 mm)
  std::optional<double> toleranceMm;  // Linear, Edge: the ± deviation; geometrical: the tolerance
  std::optional<int> arcMinutes;      // Angle: the ± deviation in minutes of arc
  friend bool operator==(const GeneralCell&, const GeneralCell&) = default;
};

// The answer of one kind: the table row the size falls in, and its value.
struct GeneralValue {
  GeneralKind kind = GeneralKind::Linear;
  GeneralGap gap = GeneralGap::NoClass;
  std::optional<std::size_t> row;   // index in generalTable(kind, ...); also for EmptyCell
  std::optional<GeneralCell> cell;  // the row's range and value (value empty for EmptyCell)
  friend bool operator==(const GeneralValue&, const GeneralValue&) = default;
};

struct GeneralAnswer {
  TypedLength size;
  GeneralDesignation designation;
  std::array<GeneralValue, kGeneralKindCount> values;  // in kGeneralKinds order
  const GeneralValue& operator[](GeneralKind kind) const {
    return values[static_cast<std::size_t>(kind)];
  }
};

// Every kind for one size: the size (the shorter leg for Angle) is placed in
// each table exactly as typed, by the rule "over ... up to and including",
// the first range of Tables 1 and 2 from 0.5 mm inclusive.
GeneralAnswer evaluateGeneral(const TypedLength& size, const GeneralDesignation& designation);

// The whole table of a kind for the designation's class, one cell per range
// (an empty value where the class has none). Empty when the designation has
// no class for the kind or the kind is not available.
std::vector<GeneralCell> generalTable(GeneralKind kind, const GeneralDesignation& designation);

// true for the kinds of ISO 2768-2 (upper-case class letter).
constexpr bool isGeometricKind(GeneralKind kind) {
  return kind != GeneralKind::Linear && kind != GeneralKind::Edge && kind != GeneralKind::Angle;
}

}  // namespace kalmo
