#pragma once

#include <QLineF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "format/number_format.h"
#include "present/fit_view.h"

namespace kalmo {

// Heights of the two zones in diagram units: micrometres in millimetre mode,
// thousandths of an inch (rounded to 2 decimals) in inch mode. A part that is
// not shown (PartView::shown) collapses onto the zero line (0 and 0).
struct ZoneValues {
  double holeUpper = 0;
  double holeLower = 0;
  double shaftUpper = 0;
  double shaftLower = 0;
  friend bool operator==(const ZoneValues&, const ZoneValues&) = default;
};

ZoneValues zoneValues(const FitView& view);

// A vertical scale with evenly spaced labels at multiples of a 1-2-5 step
// that covers the zero line and every zone edge.
struct AxisScale {
  double minimum = 0;
  double maximum = 0;
  double step = 1;
  std::vector<double> labels;  // minimum, minimum + step, ..., maximum
  friend bool operator==(const AxisScale&, const AxisScale&) = default;
};

// The smallest 1-2-5 step whose labels stay at least minSpacing pixels apart
// over plotHeight pixels. With nothing to scale (low = high = 0) the range is
// -1 .. 1.
AxisScale fitScale(double low, double high, double plotHeight, double minSpacing);

// Minor ticks between two labels.
inline constexpr int kMinorTicks = 4;

// Text metrics of the label font, so the layout stays a pure function.
struct TextMetrics {
  std::function<double(const QString&)> width;
  double height = 13;
};

struct DiagramText {
  QRectF box;  // the text is centred in it; a value label's box is white, drawn under the lines
  QString text;
  friend bool operator==(const DiagramText&, const DiagramText&) = default;
};

// Everything the diagram draws, in widget pixels. The horizontal scale runs
// from 0 to 10 across the plot: hole zone 1..4, shaft zone 6..9.
struct DiagramGeometry {
  QRectF plot;
  AxisScale scale;
  std::vector<double> gridLineY;  // one per label
  std::vector<double> minorTickY;
  std::vector<DiagramText> axisLabels;
  double axisTickX = 0;  // the minor ticks run from here to the plot's left edge
  QLineF zeroLine;
  QRectF holeZone;
  QRectF shaftZone;
  // Upper value at the zone's left edge, lower value at its right edge, each
  // sitting directly above its point: hole upper, hole lower, shaft upper, shaft lower.
  std::array<DiagramText, 4> valueLabels;
};

DiagramGeometry layoutDiagram(const ZoneValues& values, QSize size, const TextMetrics& metrics,
                              const Separators& separators);

}  // namespace kalmo
