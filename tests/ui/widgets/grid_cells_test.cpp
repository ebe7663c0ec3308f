#include "widgets/grid_cells.h"

#include <QTest>

#include "calc/tolerance_class.h"

using namespace kalmo;

namespace {

// A grid input as the window gathers it: the calculation of the given
// classes ("" for a part without a class) at a size typed into the field
// (in the unit shown).
GridInput input(const QString& typed, const QString& hole, const QString& shaft, bool inch = false,
                LanguageCode language = kLanguageEnglish) {
  FitInputs in;
  in.inch = inch;
  in.sizeText = typed.toStdString();
  in.sizeShown = typed.toDouble();
  in.sizeMm = inch ? *in.sizeShown * 25.4 : *in.sizeShown;
  if (!hole.isEmpty()) {
    in.hole = parseToleranceClass(hole.toStdString(), Side::Hole).value;
  }
  if (!shaft.isEmpty()) {
    in.shaft = parseToleranceClass(shaft.toStdString(), Side::Shaft).value;
  }
  return GridInput{presentFit(in), LoadLanguage(language), "."};
}

}  // namespace

class GridCellsTest : public QObject {
  Q_OBJECT

 private slots:
  void showsWorkedExample_data();
  void showsWorkedExample();
  void marksUndefinedPartsWithN_data();
  void marksUndefinedPartsWithN();
  void printsFitLimitsByUnit_data();
  void printsFitLimitsByUnit();
  void headsTheDiagramWithBothUnits();
  void keepsTheTypedSizeInTheDesignation();
  void placesLabelsLeftOfTheValueColumn_data();
  void placesLabelsLeftOfTheValueColumn();
  void showsTheProbableFit_data();
  void showsTheProbableFit();
};

// 10 mm, H7/g6, English: every label and value the painter writes.
void GridCellsTest::showsWorkedExample_data() {
  QTest::addColumn<int>("column");
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("value");
  QTest::newRow("hole tolerance") << 0 << 2 << "Tolerance"
                                  << "0.0150";
  QTest::newRow("ES") << 0 << 4 << "Upper deviation (ES)"
                      << "0.0150";
  QTest::newRow("EI") << 0 << 5 << "Lower deviation (EI)"
                      << "0.0000";
  QTest::newRow("hole max size") << 0 << 7 << "Upper limit of size"
                                 << "10.0150";
  QTest::newRow("hole min size") << 0 << 8 << "Lower limit of size"
                                 << "10.0000";
  QTest::newRow("shaft tolerance") << 1 << 2 << "Tolerance"
                                   << "0.0090";
  QTest::newRow("es") << 1 << 4 << "Upper deviation (es)"
                      << "-0.0050";
  QTest::newRow("ei") << 1 << 5 << "Lower deviation (ei)"
                      << "-0.0140";
  QTest::newRow("shaft max size") << 1 << 7 << "Upper limit of size"
                                  << "9.9950";
  QTest::newRow("shaft min size") << 1 << 8 << "Lower limit of size"
                                  << "9.9860";
  QTest::newRow("designation") << 0 << 10 << "Designation"
                               << "10 H7/g6";
  QTest::newRow("kind") << 0 << 11 << "Type of fit"
                        << "Clearance fit";
  QTest::newRow("max clearance") << 0 << 12 << "Max. clearance"
                                 << "0.0290";
  QTest::newRow("min clearance") << 0 << 13 << "Min. clearance"
                                 << "0.0050";
  QTest::newRow("fit tolerance") << 0 << 14 << "Tolerance of the fit"
                                 << "0.0240";
  QTest::newRow("under the diagram") << 1 << 12 << ""
                                     << "";
  QTest::newRow("probable fit") << 0 << 15 << "Probable fit"
                                << "0.0083…0.0257";
}

void GridCellsTest::showsWorkedExample() {
  QFETCH(int, column);
  QFETCH(int, row);
  QFETCH(QString, label);
  QFETCH(QString, value);
  const GridCell cell = gridCell(input("10", "H7", "g6"), column, row);
  QCOMPARE(cell.kind, CellKind::Value);
  QCOMPARE(cell.label, label);
  QCOMPARE(cell.value, value);
}

// Which cells read "N" and what row 1 says, for parts the tables leave
// undefined, without a selection, without a tolerance or at a size out of range.
void GridCellsTest::marksUndefinedPartsWithN_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("hole");
  QTest::addColumn<QString>("shaft");
  QTest::addColumn<QString>("holeClassText");
  QTest::addColumn<QString>("holeValue");
  QTest::addColumn<QString>("shaftValue");
  QTest::addColumn<QString>("fitValue");
  QTest::addColumn<QString>("fitLabel");
  QTest::newRow("undefined hole T7 at 24") << "24"
                                           << "T7"
                                           << "h6"
                                           << ""
                                           << "N"
                                           << "0.0130"
                                           << "N"
                                           << "Max.";
  QTest::newRow("defined from 24.001") << "24.001"
                                       << "T7"
                                       << "h6"
                                       << "24.001 T7"
                                       << "0.0210"
                                       << "0.0130"
                                       << "Interference fit"
                                       << "Max. interference";
  QTest::newRow("no hole selection") << "10"
                                     << ""
                                     << "g6"
                                     << ""
                                     << "N"
                                     << "0.0090"
                                     << "N"
                                     << "Max.";
  QTest::newRow("zero tolerance H1 at 4000") << "4000"
                                             << "H1"
                                             << "h6"
                                             << "4000 H1"
                                             << "N"
                                             << "0.1650"
                                             << "N"
                                             << "Max.";
  QTest::newRow("standard fit H11/c11 undefined at 600") << "600"
                                                         << "H11"
                                                         << "c11"
                                                         << "600 H11"
                                                         << "0.4400"
                                                         << "N"
                                                         << "N"
                                                         << "Max.";
  QTest::newRow("size above range") << "10001"
                                    << "H7"
                                    << "g6"
                                    << "10001 H7"
                                    << "N"
                                    << "N"
                                    << "N"
                                    << "Max. clearance";
  QTest::newRow("size below range") << "0.0005"
                                    << "H7"
                                    << "g6"
                                    << "0.0005 H7"
                                    << "N"
                                    << "N"
                                    << "N"
                                    << "Max. clearance";
}

void GridCellsTest::marksUndefinedPartsWithN() {
  QFETCH(QString, typed);
  QFETCH(QString, hole);
  QFETCH(QString, shaft);
  const GridInput in = input(typed, hole, shaft);
  QTEST(gridCell(in, 0, 1).centred, "holeClassText");
  QTEST(gridCell(in, 0, 2).value, "holeValue");
  QTEST(gridCell(in, 1, 2).value, "shaftValue");
  QFETCH(QString, fitValue);
  // Row 11 carries the kind of fit, or "N" with every other fit value.
  QCOMPARE(gridCell(in, 0, 11).value, fitValue);
  if (fitValue == u"N") {
    for (int row = 10; row <= 14; ++row) {
      QCOMPARE(gridCell(in, 0, row).value, QStringLiteral("N"));
    }
    // An undefined fit is used for nothing, whatever a defined one is for.
    QCOMPARE(cellToolTip(in, 0, static_cast<int>(GridRow::FitDesignation)), QString());
  }
  QTEST(gridCell(in, 0, 12).label, "fitLabel");
  // Under the diagram column 1 says "N" only for a shaft it cannot show.
  QCOMPARE(gridCell(in, 1, 12).value,
           gridCell(in, 1, 2).value == u"N" ? QStringLiteral("N") : QString());
}

// Millimetres print the fit limits as magnitudes, inches keep the sign.
void GridCellsTest::printsFitLimitsByUnit_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("inch");
  QTest::addColumn<QString>("shaft");
  QTest::addColumn<QString>("label1");
  QTest::addColumn<QString>("value1");
  QTest::addColumn<QString>("label2");
  QTest::addColumn<QString>("value2");
  QTest::addColumn<QString>("classText");
  QTest::newRow("interference mm") << "10" << false << "s6"
                                   << "Max. interference"
                                   << "0.0320"
                                   << "Min. interference"
                                   << "0.0080"
                                   << "10 H7";
  QTest::newRow("interference inch") << "0.3937" << true << "s6"
                                     << "Max. interference"
                                     << "-0.00126"
                                     << "Min. interference"
                                     << "-0.00031"
                                     << "0.3937 H7";
  QTest::newRow("transition mm") << "30" << false << "k6"
                                 << "Max. clearance"
                                 << "0.0190"
                                 << "Max. interference"
                                 << "0.0150"
                                 << "30 H7";
}

void GridCellsTest::printsFitLimitsByUnit() {
  QFETCH(QString, typed);
  QFETCH(bool, inch);
  QFETCH(QString, shaft);
  const GridInput in = input(typed, "H7", shaft, inch);
  QTEST(gridCell(in, 0, 12).label, "label1");
  QTEST(gridCell(in, 0, 12).value, "value1");
  QTEST(gridCell(in, 0, 13).label, "label2");
  QTEST(gridCell(in, 0, 13).value, "value2");
  QTEST(gridCell(in, 0, 1).centred, "classText");
}

void GridCellsTest::headsTheDiagramWithBothUnits() {
  const QString gap(12, u' ');
  QCOMPARE(gridCell(input("10", "H7", "g6"), 1, 9).centred, "Hole [µm]" + gap + "Shaft [µm]");
  QCOMPARE(gridCell(input("10", "H7", "g6", true), 1, 9).centred,
           "Hole [milli in]" + gap + "Shaft [milli in]");
  QCOMPARE(gridCell(input("10", "H7", "g6", false, kLanguageGerman), 1, 9).centred,
           " Bohrung [µm]" + gap + " Welle [µm]");
  QCOMPARE(gridCell(input("10", "H7", "g6"), 1, 9).kind, CellKind::DiagramHeading);
  QCOMPARE(gridCell(input("10", "H7", "g6"), 0, 9).centred, QStringLiteral("Fit"));

  // Too long for its cell, the heading gives up spaces of its gap first.
  const auto letters = [](const QString& text) { return static_cast<int>(text.size()); };
  const QString heading = "Hole" + gap + "Shaft";
  QCOMPARE(fittedHeading(heading, 100, letters), heading);
  QCOMPARE(fittedHeading(heading, 15, letters), "Hole" + QString(6, u' ') + "Shaft");
  QCOMPARE(fittedHeading(heading, 5, letters), QStringLiteral("Hole Shaft"));
}

void GridCellsTest::keepsTheTypedSizeInTheDesignation() {
  const GridInput in = input("10.50", "H7", "g6");
  QCOMPARE(gridCell(in, 0, 10).value, QStringLiteral("10.50 H7/g6"));
  QCOMPARE(gridCell(in, 0, 1).centred, QStringLiteral("10.5 H7"));
  QCOMPARE(gridCell(in, 1, 1).centred, QStringLiteral("10.5 g6"));
}

void GridCellsTest::placesLabelsLeftOfTheValueColumn_data() {
  QTest::addColumn<int>("firstWidth");
  QTest::newRow("border in the middle") << 225;
  QTest::newRow("border dragged left") << GridColumns::kMinWidth;
  QTest::newRow("border dragged right") << GridColumns::kMaxWidth;
}

void GridCellsTest::placesLabelsLeftOfTheValueColumn() {
  QFETCH(int, firstWidth);
  const GridColumns columns{firstWidth};
  const GridInput in = input("10", "H7", "g6", false, kLanguageGerman);
  // Column 1 ends where the client ends, wherever the border lies.
  QCOMPARE(cellRect(0, 4, columns).width(), firstWidth);
  QCOMPARE(cellRect(1, 4, columns).right(), grid::kClientWidth - 2);
  for (int column = 0; column < grid::kColumns; ++column) {
    const CellLayout value = cellLayout(gridCell(in, column, 4), column, 4, columns);
    const QRect cell = cellRect(column, 4, columns);
    // A long label is cut at the value column and never reaches the value.
    QCOMPARE(value.label.right() + 1, cell.right() + 1 - grid::kValueColumn);
    QCOMPARE(value.value.left(), value.label.right() + 1);
    QCOMPARE(value.value.right(), cell.right() - grid::kValueRightGap);
    QCOMPARE(value.label.top(), cell.top() + 2);
    // Both columns draw their separator on the one pixel column between them.
    QCOMPARE(value.separator->x1(), firstWidth);
    QCOMPARE(value.separator->x1(), cellRect(1, 4, columns).left() - 1);
    QVERIFY(!value.rule);
  }
  const CellLayout band = cellLayout(gridCell(in, 1, 3), 1, 3, columns);
  QCOMPARE(band.fill.left(), 0);
  QCOMPARE(band.fill.right(), cellRect(1, 3, columns).right());
  QCOMPARE(band.rule->x2(), band.fill.right());
  QCOMPARE(band.rule->y1(), cellRect(1, 3, columns).bottom());
  const CellLayout heading = cellLayout(gridCell(in, 1, 9), 1, 9, columns);
  QCOMPARE(heading.text.top(), cellRect(1, 9, columns).top() + 1);
  QCOMPARE(heading.text.left(), cellRect(1, 9, columns).left() + 3);
  QVERIFY(!heading.rule);
  // The diagram covers column 1 from row 10 to the grid's bottom.
  QCOMPARE(diagramRect(columns).topLeft(), cellRect(1, 10, columns).topLeft());
  QCOMPARE(diagramRect(columns).bottomRight(), cellRect(1, 15, columns).bottomRight());
}

// The last row of column 0: mean ± 3σ in the unit shown; with a bearing ring
// the caption gives it in µm; nothing for a fit the grid does not show.
void GridCellsTest::showsTheProbableFit_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("inch");
  QTest::addColumn<QString>("hole");
  QTest::addColumn<QString>("shaft");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("value");
  QTest::newRow("bearing inner ring") << "30" << false << "bearing"
                                      << "k5"
                                      << "-18.2…-4.8 µm"
                                      << "-0.0182…-0.0048";
  QTest::newRow("bearing outer ring") << "62" << false << "N7"
                                      << "bearing"
                                      << "-33.8…-1.2 µm"
                                      << "-0.0338…-0.0012";
  QTest::newRow("inch") << "0.3937" << true << "H7"
                        << "s6"
                        << "Probable fit"
                        << "-0.00113…-0.00044";
  QTest::newRow("undefined fit") << "30" << false << "K9"
                                 << "g6"
                                 << ""
                                 << "";
  QTest::newRow("ring beyond its table") << "2500" << false << "bearing"
                                         << "k5"
                                         << ""
                                         << "";
}

void GridCellsTest::showsTheProbableFit() {
  QFETCH(QString, typed);
  QFETCH(bool, inch);
  QFETCH(QString, hole);
  QFETCH(QString, shaft);
  const GridCell cell = gridCell(input(typed, hole, shaft, inch), 0, 15);
  QTEST(cell.label, "label");
  QTEST(cell.value, "value");
}

QTEST_GUILESS_MAIN(GridCellsTest)
#include "grid_cells_test.moc"
