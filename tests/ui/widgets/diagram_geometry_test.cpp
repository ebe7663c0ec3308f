#include "widgets/diagram_geometry.h"

#include <QTest>
#include <cmath>

#include "calc/tolerance_class.h"

using namespace kalmo;

namespace {

FitView evaluated(double sizeMm, const char* hole, const char* shaft, bool inch) {
  FitInputs in;
  in.sizeMm = sizeMm;
  in.inch = inch;
  in.hole = parseToleranceClass(hole, Side::Hole).value;
  in.shaft = parseToleranceClass(shaft, Side::Shaft).value;
  return presentFit(in);
}

// Six pixels a character, 13 high: what matters is that the layout uses the
// widths it is given.
const TextMetrics kMetrics{[](const QString& text) { return 6.0 * text.size(); }, 13};
const QSize kChart(225, 103);

DiagramGeometry layout(const ZoneValues& values) {
  return layoutDiagram(values, kChart, kMetrics, Separators{});
}

}  // namespace

class DiagramGeometryTest : public QObject {
  Q_OBJECT

 private slots:
  void takesZoneHeightsFromTheRecord_data();
  void takesZoneHeightsFromTheRecord();
  void fitsANiceScale_data();
  void fitsANiceScale();
  void scaleCoversEveryEdgeWithEvenLabels();
  void placesZonesAgainstTheZeroLine();
  void labelsSitAboveTheirPointsInsideTheChart();
  void collapsesAnUndefinedZoneOntoTheZeroLine();
};

void DiagramGeometryTest::takesZoneHeightsFromTheRecord_data() {
  QTest::addColumn<double>("size");
  QTest::addColumn<QString>("hole");
  QTest::addColumn<QString>("shaft");
  QTest::addColumn<bool>("inch");
  QTest::addColumn<double>("holeUpper");
  QTest::addColumn<double>("holeLower");
  QTest::addColumn<double>("shaftUpper");
  QTest::addColumn<double>("shaftLower");
  QTest::newRow("H7/g6 micrometres") << 10.0 << "H7"
                                     << "g6" << false << 15.0 << 0.0 << -5.0 << -14.0;
  QTest::newRow("H7/g6 milli-inch") << 10.0 << "H7"
                                    << "g6" << true << 0.59 << 0.0 << -0.2 << -0.55;
  QTest::newRow("undefined hole") << 24.0 << "T7"
                                  << "h6" << false << 0.0 << 0.0 << 0.0 << -13.0;
  QTest::newRow("size out of range") << 10001.0 << "H7"
                                     << "g6" << false << 0.0 << 0.0 << 0.0 << 0.0;
  QTest::newRow("no tolerance f1 at 4000") << 4000.0 << "H1"
                                           << "f1" << false << 0.0 << 0.0 << 0.0 << 0.0;
  QTest::newRow("size below range") << 0.0005 << "H7"
                                    << "g6" << false << 0.0 << 0.0 << 0.0 << 0.0;
  QTest::newRow("interference") << 30.0 << "H7"
                                << "s6" << false << 21.0 << 0.0 << 48.0 << 35.0;
}

void DiagramGeometryTest::takesZoneHeightsFromTheRecord() {
  QFETCH(double, size);
  QFETCH(QString, hole);
  QFETCH(QString, shaft);
  QFETCH(bool, inch);
  const ZoneValues v = zoneValues(evaluated(size, qPrintable(hole), qPrintable(shaft), inch));
  QTEST(v.holeUpper, "holeUpper");
  QTEST(v.holeLower, "holeLower");
  QTEST(v.shaftUpper, "shaftUpper");
  QTEST(v.shaftLower, "shaftLower");
}

void DiagramGeometryTest::fitsANiceScale_data() {
  QTest::addColumn<double>("low");
  QTest::addColumn<double>("high");
  QTest::addColumn<double>("minimum");
  QTest::addColumn<double>("maximum");
  QTest::addColumn<double>("step");
  // 80 pixels with labels at least 16 apart: up to five intervals.
  QTest::newRow("H7/g6 micrometres") << -14.0 << 15.0 << -20.0 << 20.0 << 10.0;
  QTest::newRow("H7/g6 milli-inch") << -0.55 << 0.59 << -1.0 << 1.0 << 0.5;
  QTest::newRow("interference above zero") << 0.0 << 48.0 << 0.0 << 50.0 << 10.0;
  QTest::newRow("coarse grades") << 0.0 << 6300.0 << 0.0 << 8000.0 << 2000.0;
  QTest::newRow("fine grades") << -0.15 << 0.15 << -0.2 << 0.2 << 0.1;
  QTest::newRow("nothing to scale") << 0.0 << 0.0 << -1.0 << 1.0 << 0.5;
}

void DiagramGeometryTest::fitsANiceScale() {
  QFETCH(double, low);
  QFETCH(double, high);
  const AxisScale scale = fitScale(low, high, 80, 16);
  QTEST(scale.minimum, "minimum");
  QTEST(scale.maximum, "maximum");
  QTEST(scale.step, "step");
}

// Over many spans: the labels start at the minimum, step evenly to the
// maximum, include 0, cover both values and respect the spacing.
void DiagramGeometryTest::scaleCoversEveryEdgeWithEvenLabels() {
  for (double high = 0.013; high < 50000; high *= 1.37) {
    for (const double low : {0.0, -high / 3, -high * 2}) {
      const AxisScale s = fitScale(low, high, 80, 16);
      QVERIFY(s.labels.size() >= 2);
      QVERIFY(s.labels.size() - 1 <= 5);
      QVERIFY(s.minimum <= low && s.maximum >= high);
      QCOMPARE(s.labels.front(), s.minimum);
      QCOMPARE(s.labels.back(), s.maximum);
      bool zero = false;
      for (std::size_t i = 0; i < s.labels.size(); ++i) {
        QVERIFY(std::fabs(s.labels[i] - (s.minimum + static_cast<double>(i) * s.step)) <
                s.step * 1e-6);
        zero = zero || s.labels[i] == 0;
      }
      QVERIFY(zero);
      const double mantissa = s.step / std::pow(10.0, std::floor(std::log10(s.step)));
      QVERIFY(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
              std::fabs(mantissa - 5) < 1e-9);
    }
  }
}

void DiagramGeometryTest::placesZonesAgainstTheZeroLine() {
  const DiagramGeometry g = layout({15, 0, -5, -14});
  const double width = g.plot.width();
  QCOMPARE(g.holeZone.left(), g.plot.left() + 0.1 * width);
  QCOMPARE(g.holeZone.right(), g.plot.left() + 0.4 * width);
  QCOMPARE(g.shaftZone.left(), g.plot.left() + 0.6 * width);
  QCOMPARE(g.shaftZone.right(), g.plot.left() + 0.9 * width);
  QCOMPARE(g.zeroLine.x1(), g.plot.left());
  QCOMPARE(g.zeroLine.x2(), g.plot.right());
  // H7 sits on the zero line, g6 wholly below it; a micrometre is the same
  // height everywhere.
  QCOMPARE(g.holeZone.bottom(), g.zeroLine.y1());
  QVERIFY(g.shaftZone.top() > g.zeroLine.y1());
  QVERIFY(std::fabs(g.holeZone.height() / 15 - g.shaftZone.height() / 9) < 1e-9);
  QCOMPARE(g.gridLineY.size(), g.scale.labels.size());
  QCOMPARE(g.minorTickY.size(), (g.scale.labels.size() - 1) * kMinorTicks);
  // Labels for the scale of -20..20 by 10, the top one at the plot's top.
  QCOMPARE(g.axisLabels.front().text, QStringLiteral("-20"));
  QCOMPARE(g.axisLabels.back().text, QStringLiteral("20"));
  QCOMPARE(g.gridLineY.back(), g.plot.top());
  QVERIFY(g.plot.left() >= 2 + 6 * 3);  // room for "-20" left of the plot
}

void DiagramGeometryTest::labelsSitAboveTheirPointsInsideTheChart() {
  const DiagramGeometry g = layout({21, 0, 48, 35});
  const QStringList texts{"21", "0", "48", "35"};
  const std::array<QPointF, 4> points{g.holeZone.topLeft(), g.holeZone.bottomRight(),
                                      g.shaftZone.topLeft(), g.shaftZone.bottomRight()};
  for (int i = 0; i < 4; ++i) {
    const DiagramText& label = g.valueLabels[static_cast<std::size_t>(i)];
    QCOMPARE(label.text, texts[i]);
    QCOMPARE(label.box.bottom(), points[static_cast<std::size_t>(i)].y());
    QCOMPARE(label.box.center().x(), points[static_cast<std::size_t>(i)].x());
    QVERIFY(label.box.top() >= 0);
  }
  // An interference fit draws the shaft zone wholly above the hole zone.
  QVERIFY(g.shaftZone.bottom() < g.holeZone.top());
  QVERIFY(g.plot.bottom() < kChart.height());
}

void DiagramGeometryTest::collapsesAnUndefinedZoneOntoTheZeroLine() {
  const DiagramGeometry g = layout({0, 0, 0, -13});
  QCOMPARE(g.holeZone.height(), 0.0);
  QCOMPARE(g.holeZone.top(), g.zeroLine.y1());
  QCOMPARE(g.valueLabels[0].text, QStringLiteral("0"));
  QCOMPARE(g.valueLabels[1].text, QStringLiteral("0"));
  QVERIFY(g.shaftZone.height() > 0);
}

QTEST_GUILESS_MAIN(DiagramGeometryTest)
#include "diagram_geometry_test.moc"
