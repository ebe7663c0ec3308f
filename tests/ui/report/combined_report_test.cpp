#include "report/combined_report.h"

#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "pages/operating_page.h"
#include "press/press_design_panel.h"
#include "result_source_support.h"
#include "widgets/number_field.h"
#include "windows/inspection_window.h"
#include "windows/press_fit_window.h"

using namespace kalmo;
using kalmo::test::FakeSource;
using kalmo::test::MemoryStore;

namespace {

void type(NumberField* field, const QString& text) {
  field->selectAll();
  field->del();
  QTest::keyClicks(field, text);
}

// The main window's companions on one fake result: 50 H7/s6 in mm.
struct Parts {
  FakeSource source;
  MemoryStore store;
  std::unique_ptr<OperatingPage> operating;
  std::unique_ptr<PressFitWindow> pressFit;
  std::unique_ptr<InspectionWindow> inspection;

  explicit Parts(LanguageCode code) : source(code) {
    source.show(50, "H7/s6");
    operating = std::make_unique<OperatingPage>(source);
    operating->applyLanguage();
    // As the main window passes the page's conditions on to the windows.
    QObject::connect(operating.get(), &OperatingPage::conditionsChanged, &source,
                     [this] { source.publishOperating(operating->conditions()); });
  }
  void openPressFit() {
    pressFit = std::make_unique<PressFitWindow>(source, store);
    type(pressFit->field(PressField::HubOuterDiameter), QStringLiteral("80"));
    type(pressFit->field(PressField::Length), QStringLiteral("40"));
  }
  void openInspection(const QString& hole, const QString& shaft) {
    inspection = std::make_unique<InspectionWindow>(source);
    type(inspection->hole.measured, hole);
    type(inspection->shaft.measured, shaft);
  }
  ReportParts parts() const {
    // As the main window fills them.
    return {source.view(), operating->conditions(), operating->reportSections(),
            pressFit ? pressFit->reportSections() : std::vector<ReportSection>{},
            inspection ? inspection->reportSections() : std::vector<ReportSection>{}};
  }
};

QStringList allHeadings(const ReportDocument& document) {
  QStringList out;
  for (const QStringList& page : document.headingsByPage()) out << page;
  out.removeDuplicates();
  return out;
}

}  // namespace

class CombinedReportTest : public QObject {
  Q_OBJECT

 private slots:
  // Which parts the report holds: the fit page always; the others only
  // where used and valid.
  void holdsThePartsInUse_data();
  void holdsThePartsInUse();
  void titleFieldsPersistAndHeadEveryPage();
  void writesThePdfAndSnapshotsInThreeLanguages();
};

void CombinedReportTest::holdsThePartsInUse_data() {
  QTest::addColumn<QString>("holeTemperature");  // empty: the operating page left at 20 °C
  QTest::addColumn<bool>("pressFit");
  QTest::addColumn<QString>("holeMeasured");  // empty: no inspection window
  QTest::addColumn<QString>("shaftMeasured");
  QTest::addColumn<QStringList>("headings");
  QTest::addColumn<int>("pages");

  const QStringList operating{"Operating conditions", "At 20 °C", "At 80/20 °C"};
  QTest::newRow("fit only") << "" << false << ""
                            << "" << QStringList{} << 1;
  QTest::newRow("20 °C adds nothing") << "20" << false << ""
                                      << "" << QStringList{} << 1;
  QTest::newRow("warm hub") << "80" << false << ""
                            << "" << operating << 2;
  QTest::newRow("bad temperature adds nothing") << "8o" << false << ""
                                                << "" << QStringList{} << 1;
  QTest::newRow("press fit") << "" << true << ""
                             << "" << QStringList{} << 2;
  QTest::newRow("both parts measured")
      << "" << false << "50.01"
      << "50.05" << QStringList{"Hole H7", "Shaft s6", "Actual fit"} << 2;
  QTest::newRow("a bad measurement drops its part") << "" << false << "50.01"
                                                    << "5o" << QStringList{"Hole H7"} << 2;
  QTest::newRow("nothing measured adds nothing") << "" << false << ""
                                                 << "" << QStringList{} << 1;
}

void CombinedReportTest::holdsThePartsInUse() {
  QFETCH(QString, holeTemperature);
  QFETCH(bool, pressFit);
  QFETCH(QString, holeMeasured);
  QFETCH(QString, shaftMeasured);
  QFETCH(QStringList, headings);
  QFETCH(int, pages);
  Parts p(kLanguageEnglish);
  if (!holeTemperature.isEmpty()) {
    type(p.operating->findChild<NumberField*>(QStringLiteral("holeTemperatureField")),
         holeTemperature);
  }
  if (pressFit) p.openPressFit();
  if (!holeMeasured.isEmpty()) p.openInspection(holeMeasured, shaftMeasured);

  const ReportDocument document = combinedReport(p.parts(), p.source.language(), {});
  const QStringList found = allHeadings(document);
  if (pressFit) {
    // Inputs with the fit, the results, no load typed: no load section.
    QCOMPARE(found.size(), 2);
    QVERIFY(found[0].startsWith(QStringLiteral("Press fit: 50 H7/s6")));
    QCOMPARE(found[1], QStringLiteral("Results"));
  } else {
    QCOMPARE(found, headings);
  }
  QCOMPARE(static_cast<int>(document.paginate().size()), pages);
  QVERIFY(document.paginate().front().leadingPage);
}

void CombinedReportTest::titleFieldsPersistAndHeadEveryPage() {
  Parts p(kLanguageGerman);
  writeReportTitle(p.store, {QStringLiteral("Welle 12"), QStringLiteral("Z-4711"), QString()});
  const ReportTitle title = readReportTitle(p.store);
  QCOMPARE(title.drawing, QStringLiteral("Z-4711"));
  const ReportDocument document = combinedReport(p.parts(), p.source.language(), title);
  // The filled fields only.
  QCOMPARE(document.header().titleLines, (QStringList{QStringLiteral("Teil: Welle 12"),
                                                      QStringLiteral("Zeichnungsnummer: Z-4711")}));
}

void CombinedReportTest::writesThePdfAndSnapshotsInThreeLanguages() {
  const QString snapDir = qEnvironmentVariable("KALMO_SNAPSHOT_DIR");
  QTemporaryDir dir;
  for (const LanguageCode code : {kLanguageEnglish, kLanguageGerman, kLanguageBulgarian}) {
    Parts p(code);
    type(p.operating->findChild<NumberField*>(QStringLiteral("holeTemperatureField")),
         QStringLiteral("80"));
    p.openPressFit();
    type(p.pressFit->designPanel->field(LoadField::Torque), QStringLiteral("500"));
    p.openInspection(QStringLiteral("50.012"), QStringLiteral("50.06"));
    const ReportDocument document = combinedReport(
        p.parts(), p.source.language(),
        {QStringLiteral("Shaft 12"), QStringLiteral("D-4711"), QStringLiteral("A. Inspector")});
    const int pages = static_cast<int>(document.paginate().size());
    QVERIFY(pages >= 2);
    const QString path = dir.filePath(test::languageSuffix(code) + QStringLiteral(".pdf"));
    QCOMPARE(writePdf(path, document.orientation(),
                      [&document](QPagedPaintDevice& device) { return document.print(device); }),
             pages);
    QVERIFY(QFileInfo(path).size() > 1000);
    if (!snapDir.isEmpty()) {
      ReportTitleDialog titleDialog(p.source.language(), {QStringLiteral("Shaft 12"), {}, {}});
      titleDialog.adjustSize();
      QVERIFY(titleDialog.grab().save(QDir(snapDir).filePath(
          QStringLiteral("report_title_%1.png").arg(test::languageSuffix(code)))));
      for (int page = 0; page < pages; ++page) {
        QVERIFY(document.pageImage(page).save(QDir(snapDir).filePath(
            QStringLiteral("report_%1_%2.png").arg(test::languageSuffix(code)).arg(page + 1))));
      }
    }
  }
}

QTEST_MAIN(CombinedReportTest)
#include "combined_report_test.moc"
