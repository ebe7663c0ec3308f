#include "widgets/zone_diagram.h"

#include <QPainter>

#include "widgets/number_field.h"

namespace kalmo {

namespace {

const QColor kGridColour(210, 210, 210);

void drawZone(QPainter& painter, const QRectF& zone, Qt::BrushStyle hatch) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QBrush(ZoneDiagram::hatchColour(), hatch));
  painter.drawRect(zone);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(zone);
}

void drawText(QPainter& painter, const DiagramText& label, Qt::Alignment alignment) {
  painter.drawText(label.box, static_cast<int>(alignment | Qt::AlignVCenter | Qt::TextDontClip),
                   label.text);
}

}  // namespace

ZoneDiagram::ZoneDiagram(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Chart1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ZoneDiagram::setValues(const ZoneValues& values) {
  values_ = values;
  update();
}

void ZoneDiagram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setFont(font());

  const QFontMetricsF metrics(font());
  const TextMetrics measure{[&](const QString& text) { return metrics.horizontalAdvance(text); },
                            metrics.height()};
  const DiagramGeometry g = layoutDiagram(
      values_, size(), measure, Separators{localeDecimalSeparator(), localeGroupSeparator()});

  painter.setPen(QPen(kGridColour, 1));
  for (const double y : g.gridLineY) {
    painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
  }
  painter.setPen(QPen(Qt::black, 1));
  for (const double y : g.gridLineY) {
    painter.drawLine(QPointF(g.axisTickX - 2, y), QPointF(g.plot.left(), y));
  }
  for (const double y : g.minorTickY) {
    painter.drawLine(QPointF(g.axisTickX, y), QPointF(g.plot.left(), y));
  }
  for (const DiagramText& label : g.axisLabels) {
    drawText(painter, label, Qt::AlignRight);
  }

  painter.setPen(QPen(Qt::black, 2));
  painter.drawLine(g.zeroLine);

  drawZone(painter, g.holeZone, Qt::FDiagPattern);
  drawZone(painter, g.shaftZone, Qt::BDiagPattern);

  // The value labels' white boxes go under the lines, not over them: a thin
  // zone (10000 mm M7/s6) would otherwise lose its edges and the zero line.
  for (const DiagramText& label : g.valueLabels) {
    painter.fillRect(label.box, Qt::white);
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawLine(g.zeroLine);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(g.holeZone);
  painter.drawRect(g.shaftZone);

  painter.setPen(Qt::black);
  for (const DiagramText& label : g.valueLabels) {
    drawText(painter, label, Qt::AlignHCenter);
  }
}

}  // namespace kalmo
