#pragma once

#include <QLine>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "lang/lang_table.h"
#include "present/fit_view.h"

namespace kalmo {

// What the results grid draws from: the last calculation and the table of
// the language that labels it.
struct GridInput {
  FitView view;
  LangTable lang;
  std::string decimalSeparator = ".";
};

enum class CellKind {
  Heading,         // bold on the heading blue
  DiagramHeading,  // bold on white: row 9 over the zone diagram
  Band,            // bold on the band colour, across both columns
  Value,           // regular on white: centred class text, or label and value
};

// What one cell draws; the painter only places it.
struct GridCell {
  CellKind kind = CellKind::Value;
  QString centred;               // heading or band text, or the class text of row 1
  QString label;                 // right-aligned, left of the value column
  QString value;                 // right-aligned in the value column
  bool ruleBelow = false;        // black line along the bottom pixel row
  bool columnSeparator = false;  // black line between the two columns
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The rows of the grid, top to bottom; column 0 is the hole, column 1 the shaft.
enum class GridRow : int {
  Heading = 0,          // "Hole", "Shaft"
  ClassText = 1,        // "10 H7"
  Tolerance = 2,        // IT
  DeviationsBand = 3,   // band "Limit deviations"
  UpperDeviation = 4,   // ES, es
  LowerDeviation = 5,   // EI, ei
  SizesBand = 6,        // band "Limit sizes"
  UpperLimit = 7,       // upper limit of size
  LowerLimit = 8,       // lower limit of size
  FitHeading = 9,       // "Fit" over column 0, the diagram heading over column 1
  FitDesignation = 10,  // rows 10..14 of column 0: the fit; column 1 lies under the diagram
  FitKind = 11,
  FitValue1 = 12,
  FitValue2 = 13,
  FitTolerance = 14,
  Last = 15,  // empty
};

// The content of cell (column 0..1, row 0..15, a GridRow). Values are "N"
// wherever the part (for the fit rows: either part) is not shown.
GridCell gridCell(const GridInput& input, int column, int row);

// The tooltip of cell (column, row): on the fit designation what a fit of the
// standard catalogue is for; empty elsewhere and for other fits.
QString cellToolTip(const GridInput& input, int column, int row);

namespace grid {
inline constexpr int kColumns = 2;
inline constexpr int kRows = 16;
inline constexpr int kColumnWidth = 225;
inline constexpr int kLineWidth = 1;  // the vertical grid line after each column
inline constexpr int kRowHeight = 17;
inline constexpr int kFrame = 2;
inline constexpr int kClientWidth = kColumns * (kColumnWidth + kLineWidth);  // 452
inline constexpr int kClientHeight = kRows * kRowHeight;                     // 272
inline constexpr int kWidth = kClientWidth + 2 * kFrame;                     // 456
inline constexpr int kHeight = kClientHeight + 2 * kFrame;                   // 276
// The value column is the last 110 pixels of a cell, less 5 at the right;
// the label before it holds the longest label of the three languages
// ("Допуск на сглобката") with a few pixels to spare.
inline constexpr int kValueColumn = 110;
inline constexpr int kValueRightGap = 5;
}  // namespace grid

// Where the border between the two columns lies, which the user may drag:
// the width of column 0 (120 to 330), column 1 taking the rest of the client
// width (225 each at first). Each column keeps room for its value column; the
// grid's width stays fixed, so widening one column narrows the other rather
// than pushing the shaft column out of view.
struct GridColumns {
  static constexpr int kMinWidth = grid::kValueColumn + 10;
  static constexpr int kMaxWidth =
      grid::kClientWidth - grid::kColumns * grid::kLineWidth - kMinWidth;

  int first = grid::kColumnWidth;
  constexpr int second() const {
    return grid::kClientWidth - grid::kColumns * grid::kLineWidth - first;
  }
  friend bool operator==(const GridColumns&, const GridColumns&) = default;
};

// Cell rectangle in the grid's client coordinates.
constexpr QRect cellRect(int column, int row, GridColumns columns = {}) {
  return {column == 0 ? 0 : columns.first + grid::kLineWidth, row * grid::kRowHeight,
          column == 0 ? columns.first : columns.second(), grid::kRowHeight};
}

// The zone diagram's place in grid client coordinates: column 1 from the top
// of row 10 to the bottom of the grid, so row 9 of column 1 stays its heading.
constexpr QRect diagramRect(GridColumns columns = {}) {
  const QRect first = cellRect(1, 10, columns);
  return {first.left(), first.top(), first.width(), grid::kClientHeight - first.top()};
}

// Where the painter puts one cell's parts, in grid client coordinates.
struct CellLayout {
  QRect fill;                 // filled with the cell's colour: the cell, or for a band both columns
  QRect text;                 // heading, band or row-1 text
  QRect label;                // right-aligned label, ending where the value column starts
  QRect value;                // right-aligned value in the value column less 5 at the right
  std::optional<QLine> rule;  // black line along the bottom pixel row
  std::optional<QLine> separator;  // black line between the columns
};

CellLayout cellLayout(const GridCell& cell, int column, int row, GridColumns columns = {});

// The diagram heading as drawn in room pixels: the gap of spaces between its
// hole and shaft halves narrows, to one space at least, before the text
// would be cut (" Bohrung [milli in]", twelve spaces, " Welle [milli in]").
// width measures a text in the heading's font.
QString fittedHeading(QString heading, int room, const std::function<int(const QString&)>& width);

}  // namespace kalmo
