#include "widgets/diagram_geometry.h"

#include <algorithm>
#include <cmath>

#include "format/units.h"

namespace kalmo {

namespace {

// Horizontal scale: the zones sit at fixed places of a 0..10 range.
constexpr double kXRange = 10;
constexpr double kHoleLeft = 1;
constexpr double kHoleRight = 4;
constexpr double kShaftLeft = 6;
constexpr double kShaftRight = 9;

// Labels are multiples of the step; rounding k × step to 9 decimals removes
// the binary noise of steps such as 0.2 without touching any shown digit.
double labelValue(long long k, double step) {
  return roundTo(static_cast<double>(k) * step, 9);
}

}  // namespace

ZoneValues zoneValues(const FitView& view) {
  ZoneValues v;
  const bool inch = view.inputs.inch;
  if (view.hole.shown) {
    v.holeUpper = diagramValue(view.hole.result.upperMm(), inch);
    v.holeLower = diagramValue(view.hole.result.lowerMm(), inch);
  }
  if (view.shaft.shown) {
    v.shaftUpper = diagramValue(view.shaft.result.upperMm(), inch);
    v.shaftLower = diagramValue(view.shaft.result.lowerMm(), inch);
  }
  return v;
}

AxisScale fitScale(double low, double high, double plotHeight, double minSpacing) {
  low = std::min(low, 0.0);
  high = std::max(high, 0.0);
  if (!(high > low)) {
    low = -1;
    high = 1;
  }
  const int maxIntervals = std::max(1, static_cast<int>(plotHeight / std::max(minSpacing, 1.0)));
  const double magnitude = std::pow(10.0, std::floor(std::log10((high - low) / maxIntervals)));
  constexpr double kSlack = 1e-9;  // a value a rounding error past a label stays on it
  AxisScale scale;
  for (double factor = 1; factor < 1e6; factor *= 10) {
    for (const double nice : {1.0, 2.0, 5.0}) {
      const double step = nice * factor * magnitude;
      const auto first = static_cast<long long>(std::floor(low / step + kSlack));
      const auto last = static_cast<long long>(std::ceil(high / step - kSlack));
      if (last - first <= maxIntervals) {
        scale.step = step;
        for (long long k = first; k <= last; ++k) {
          scale.labels.push_back(labelValue(k, step));
        }
        scale.minimum = scale.labels.front();
        scale.maximum = scale.labels.back();
        return scale;
      }
    }
  }
  scale.minimum = low;
  scale.maximum = high;
  scale.step = high - low;
  scale.labels = {low, high};
  return scale;
}

DiagramGeometry layoutDiagram(const ZoneValues& values, QSize size, const TextMetrics& metrics,
                              const Separators& separators) {
  DiagramGeometry g;
  const double fontHeight = metrics.height;
  // Room above for a value label over the highest edge, below for half an axis label.
  const double top = fontHeight + 2;
  const double bottom = size.height() - std::ceil(fontHeight / 2) - 2;
  const double low =
      std::min({values.holeLower, values.shaftLower, values.holeUpper, values.shaftUpper});
  const double high =
      std::max({values.holeLower, values.shaftLower, values.holeUpper, values.shaftUpper});
  g.scale = fitScale(low, high, bottom - top, fontHeight + 3);

  const auto format = [&](double v) {
    return QString::fromStdString(formatGrouped3(v, separators));
  };
  double labelWidth = 0;
  for (const double label : g.scale.labels) {
    labelWidth = std::max(labelWidth, metrics.width(format(label)));
  }
  constexpr double kTickLength = 3;
  const double left = 2 + labelWidth + 2 + kTickLength;
  const double right = size.width() - 3;
  g.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
  g.axisTickX = left - kTickLength;

  const double range = g.scale.maximum - g.scale.minimum;
  const auto yPixel = [&](double v) {
    return bottom - (v - g.scale.minimum) / range * (bottom - top);
  };
  const auto xPixel = [&](double x) { return left + x / kXRange * (right - left); };

  for (const double label : g.scale.labels) {
    const double y = yPixel(label);
    g.gridLineY.push_back(y);
    g.axisLabels.push_back({QRectF(2, y - fontHeight / 2, labelWidth, fontHeight), format(label)});
  }
  for (std::size_t i = 0; i + 1 < g.scale.labels.size(); ++i) {
    for (int tick = 1; tick <= kMinorTicks; ++tick) {
      const double v = g.scale.labels[i] + g.scale.step * tick / (kMinorTicks + 1);
      g.minorTickY.push_back(yPixel(v));
    }
  }

  g.zeroLine = QLineF(xPixel(0), yPixel(0), xPixel(kXRange), yPixel(0));
  g.holeZone = QRectF(QPointF(xPixel(kHoleLeft), yPixel(values.holeUpper)),
                      QPointF(xPixel(kHoleRight), yPixel(values.holeLower)));
  g.shaftZone = QRectF(QPointF(xPixel(kShaftLeft), yPixel(values.shaftUpper)),
                       QPointF(xPixel(kShaftRight), yPixel(values.shaftLower)));

  const auto valueLabel = [&](double x, double v) {
    const QString text = format(v);
    const double w = metrics.width(text) + 2;
    const double centre = std::clamp(xPixel(x), w / 2, size.width() - w / 2);
    return DiagramText{QRectF(centre - w / 2, yPixel(v) - fontHeight, w, fontHeight), text};
  };
  g.valueLabels = {
      valueLabel(kHoleLeft, values.holeUpper), valueLabel(kHoleRight, values.holeLower),
      valueLabel(kShaftLeft, values.shaftUpper), valueLabel(kShaftRight, values.shaftLower)};
  return g;
}

}  // namespace kalmo
