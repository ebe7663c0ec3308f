#include "pages/operating_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "design/designation_literal.h"
#include "main/main_window.h"
#include "main/window_geometry.h"
#include "models/design_results_model.h"
#include "models/result_source.h"
#include "page_test_support.h"
#include "pages/design_page.h"
#include "storage/settings_store.h"
#include "widgets/app_images.h"
#include "widgets/number_field.h"

Q_DECLARE_METATYPE(kalmo::OperatingChoices)

using namespace kalmo;
using kalmo::test::MemoryStore;
using kalmo::test::part;
using kalmo::test::snapshot;

namespace {

FitView fitAt(double sizeMm, const char* hole, const char* shaft) {
  FitInputs inputs;
  inputs.sizeMm = sizeMm;
  inputs.sizeText = std::to_string(static_cast<int>(sizeMm));
  inputs.sizeShown = sizeMm;
  if (*hole) inputs.hole = parseToleranceClass(hole, Side::Hole).value;
  if (*shaft) inputs.shaft = parseToleranceClass(shaft, Side::Shaft).value;
  return presentFit(inputs);
}

// A page on its own, fed a fixed fit, in one language.
struct Page {
  MemoryStore store;
  Language language{store};
  ResultSource source{language};
  OperatingPage page{source};

  Page(LanguageCode code, const FitView& fit) {
    language.SetLanguage(code);
    source.publish(fit);
    // The font and the size the window gives it.
    page.setFont(windowFont());
    page.resize(layout::kPanelWidth, layout::kGroupHeight);
    page.applyLanguage();
  }
  QString text(const char* name) const { return part<QLabel>(page, name)->text(); }
};

OperatingChoices aluminiumHousingOnSteel() {
  OperatingChoices c;
  c.hole = {MaterialId::Aluminium, 12, 80};
  c.shaft = {MaterialId::Steel, 12, 60};
  return c;
}

}  // namespace

class OperatingPageTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheFitAtTemperature_data();
  void showsTheFitAtTemperature();
  void choicesSurviveTheFieldsAndTheStore();
  void refusesFieldsWithoutANumber_data();
  void refusesFieldsWithoutANumber();
  void designSearchRanksAtOperatingConditions();
};

void OperatingPageTest::showsTheFitAtTemperature_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<OperatingChoices>("choices");
  QTest::addColumn<QString>("hole");       // "" for no class
  QTest::addColumn<QString>("warning");    // the whole warning text
  QTest::addColumn<QStringList>("shown");  // each in one of the result labels
  QTest::addColumn<QString>("snapshot");   // file name, or ""

  const OperatingChoices alOnSteel = aluminiumHousingOnSteel();
  QTest::newRow("English") << int(kLanguageEnglish) << alOnSteel << QStringLiteral("H7")
                           << QStringLiteral(
                                  "At operating temperature the fit becomes a clearance fit!")
                           << QStringList{"At 80/60 °C",
                                          "Clearance fit",
                                          "0.0680",
                                          "0.0270",
                                          "Transition fit",
                                          "30.7\u00a0%",
                                          "<\u00a00.001\u00a0%",
                                          "30.7\u00a0% of assemblies interfere at 20 °C"}
                           << QStringLiteral("operating-page-en");
  QTest::newRow("German") << int(kLanguageGerman) << alOnSteel << QStringLiteral("H7")
                          << QStringLiteral(
                                 "Bei Betriebstemperatur wird die Passung zur Spielpassung!")
                          << QStringList{"Bei 80/60 °C", "Spielpassung",
                                         "30.7\u00a0% der Paarungen"}
                          << QStringLiteral("operating-page-de");
  QTest::newRow("Bulgarian") << int(kLanguageBulgarian) << alOnSteel << QStringLiteral("H7")
                             << QStringLiteral("При работна температура сглобката става с хлабина!")
                             << QStringList{"При 80/60 °C", "30.7\u00a0% от сглобките"}
                             << QStringLiteral("operating-page-bg");
  // Equal α and temperatures keep the kind: no warning; uniform sizes.
  OperatingChoices warmSteel;
  warmSteel.hole.temperatureC = warmSteel.shaft.temperatureC = 50;
  warmSteel.model = SizeDistribution::Uniform;
  QTest::newRow("same kind") << int(kLanguageEnglish) << warmSteel << QStringLiteral("H7")
                             << QStringLiteral("") << QStringList{"At 50 °C", "Transition fit"}
                             << QStringLiteral("");
  // A custom α of 0 leaves the hole as it is at 20 °C.
  OperatingChoices custom = alOnSteel;
  custom.hole = {MaterialId::Custom, 0, 80};
  custom.shaft.temperatureC = 20;
  QTest::newRow("custom α 0") << int(kLanguageEnglish) << custom << QStringLiteral("H7")
                              << QStringLiteral("")
                              << QStringList{"At 80/20 °C", "0.0230", "0.0180"}
                              << QStringLiteral("");
  QTest::newRow("no fit") << int(kLanguageEnglish) << alOnSteel << QStringLiteral("")
                          << QStringLiteral("") << QStringList{"Choose a hole and a shaft class"}
                          << QStringLiteral("");
}

void OperatingPageTest::showsTheFitAtTemperature() {
  QFETCH(int, language);
  QFETCH(OperatingChoices, choices);
  QFETCH(QString, hole);
  QFETCH(QString, warning);
  QFETCH(QStringList, shown);
  QFETCH(QString, snapshot);

  Page p(static_cast<LanguageCode>(language), fitAt(50, hole.toLatin1().constData(), "k6"));
  p.page.restoreChoices(choices);
  QCOMPARE(p.text("kindWarning"), warning);
  const QString all =
      p.text("at20Result") + p.text("atTemperatureResult") + p.text("interferingShare");
  for (const QString& s : shown) QVERIFY2(all.contains(s), qPrintable(s + " in " + all));
  // The α field follows the material and is typed only for a custom one.
  const auto* alpha = part<NumberField>(p.page, "holeAlphaField");
  QCOMPARE(alpha->value(), std::optional<double>(alphaOf(choices.hole)));
  QCOMPARE(alpha->isEnabled(), choices.hole.material == MaterialId::Custom);
  if (!snapshot.isEmpty()) test::snapshot(p.page, snapshot);
}

void OperatingPageTest::choicesSurviveTheFieldsAndTheStore() {
  Page p(kLanguageEnglish, fitAt(50, "H7", "k6"));
  OperatingChoices c = aluminiumHousingOnSteel();
  c.hole = {MaterialId::Custom, 23.456, -40.5};
  c.model = SizeDistribution::Uniform;
  p.page.restoreChoices(c);
  QCOMPARE(p.page.choices(), c);
  // Choosing a preset shows its α and uses it.
  part<QComboBox>(p.page, "holeMaterialPicker")->setCurrentIndex(int(MaterialId::Titanium));
  QCOMPARE(p.page.conditions()->hole.alphaUmPerMK, 8.6);
  QCOMPARE(p.page.choices().hole.customAlphaUmPerMK, 23.456);  // kept for coming back
  part<QComboBox>(p.page, "holeMaterialPicker")->setCurrentIndex(int(MaterialId::Custom));
  QCOMPARE(p.page.conditions()->hole.alphaUmPerMK, 23.456);

  MemoryStore store;
  writeOperatingChoices(store, c);
  QCOMPARE(readOperatingChoices(store), c);
  // Values no field can hold, and unknown entries, take their defaults.
  store.writeNumber(settings::kHoleTemperature, -300);
  store.writeInt(settings::kShaftMaterial, 9);
  const OperatingChoices read = readOperatingChoices(store);
  QCOMPARE(read.hole.temperatureC, kReferenceTemperatureC);
  QCOMPARE(read.shaft.material, MaterialId::Steel);
}

void OperatingPageTest::refusesFieldsWithoutANumber_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("problem");  // in the results column, after the field's captions
  const QString degrees = QStringLiteral("\u00B0C");
  const QString alpha = QStringLiteral("\u00B5m/(m\u00B7K)");
  QTest::newRow("empty") << "holeTemperatureField"
                         << ""
                         << "Enter a number in " + degrees;
  QTest::newRow("blanks") << "shaftTemperatureField"
                          << "  "
                          << "Enter a number in " + degrees;
  QTest::newRow("letters") << "shaftTemperatureField"
                           << "warm"
                           << "Not a number in " + degrees;
  QTest::newRow("exponent") << "holeTemperatureField"
                            << "1e3"
                            << "Not a number in " + degrees;
  QTest::newRow("below absolute zero")
      << "holeTemperatureField"
      << "-300"
      << "-300 " + degrees + " is below the lower limit -273.15 " + degrees;
  QTest::newRow("huge") << "shaftTemperatureField"
                        << "99999999"
                        << "99999999 " + degrees + " is above the upper limit 2000 " + degrees;
  QTest::newRow("custom alpha empty") << "holeAlphaField"
                                      << ""
                                      << "Enter a number in " + alpha;
  QTest::newRow("custom alpha letters") << "holeAlphaField"
                                        << "abc"
                                        << "Not a number in " + alpha;
  QTest::newRow("custom alpha huge") << "holeAlphaField"
                                     << "1000"
                                     << "1000 " + alpha + " is above the upper limit 500 " + alpha;
}

// Nothing is computed from a field without a number within its limits: the
// field is marked, the column names it, the design search gets no
// conditions, and the stored choices keep the last number.
void OperatingPageTest::refusesFieldsWithoutANumber() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, problem);
  Page p(kLanguageEnglish, fitAt(50, "H7", "k6"));
  OperatingChoices c = aluminiumHousingOnSteel();
  c.hole.material = MaterialId::Custom;
  c.hole.customAlphaUmPerMK = 23;
  p.page.restoreChoices(c);
  auto* f = part<NumberField>(p.page, qPrintable(field));
  f->setText(typed);

  QVERIFY(f->marked());
  QVERIFY(!p.page.conditions());
  const QString column = p.text("atTemperatureResult");
  QVERIFY2(column.contains(problem), qPrintable(column));
  QVERIFY2(!column.contains(QStringLiteral("Clearance fit")), qPrintable(column));
  QVERIFY(p.text("kindWarning").isEmpty());
  QVERIFY(p.text("at20Result").contains(QStringLiteral("Transition fit")));
  QCOMPARE(p.page.choices(), c);
  if (QTest::currentDataTag() == QLatin1String("letters")) {
    test::snapshot(p.page, QStringLiteral("operating-bad-entry"));
  }

  // Leaving the field keeps the text as typed and marked, and the page
  // still computes nothing from it.
  f->finishEntry();
  QVERIFY(f->marked());
  QVERIFY(!p.page.conditions());
  QCOMPARE(f->text(), typed);
}

// In the window: the page's conditions reach the design search when its box
// is ticked, the table is headed accordingly, and both are kept on closing.
void OperatingPageTest::designSearchRanksAtOperatingConditions() {
  MemoryStore store;
  Language language(store);
  MainWindow window(language, store);
  window.show();
  part<QPushButton>(window, "operatingButton")->click();
  QCOMPARE(window.sidePage(), SidePage::Operating);
  auto* page = part<OperatingPage>(window, "Operating");
  page->restoreChoices(aluminiumHousingOnSteel());
  part<NumberField>(window, "edNominal")->setValue(50);
  test::snapshot(window, QStringLiteral("operating-window"));
  part<QPushButton>(window, "operatingButton")->click();

  part<QPushButton>(window, "bbnDesign")->click();
  auto* design = part<DesignPage>(window, "Design");
  part<QCheckBox>(*design, "atOperatingBox")->setChecked(true);
  QTest::mouseClick(part<QPushButton>(*design, "btnShow"), Qt::LeftButton);
  QVERIFY(part<QLabel>(*design, "resultsHeading")->isVisible());
  test::snapshot(window, QStringLiteral("design-at-operating"));
  DesignRequest request = design->designRequest();
  QCOMPARE(request.operating, std::optional(conditionsOf(aluminiumHousingOnSteel())));
  request.targets = {0, 0};
  const RankedFits& shown = design->resultsModel().results();
  QCOMPARE(shown.records(shown.size()), searchFits(request));

  window.close();
  QCOMPARE(readOperatingChoices(store), aluminiumHousingOnSteel());
  QCOMPARE(store.readInt(settings::kDesignAtOperating), std::optional(1));

  // The next session's design page shows the restored tick with the
  // conditions it searches at.
  MainWindow next(language, store);
  next.show();
  part<QPushButton>(next, "bbnDesign")->click();
  QVERIFY(part<QCheckBox>(next, "atOperatingBox")->isChecked());
  const QLabel* line = part<QLabel>(next, "conditionsLine");
  QVERIFY(line->isVisible());
  QCOMPARE(line->toolTip(),
           QStringLiteral("Hole: Aluminium alloy, 80 \u00B0C \u00B7 Shaft: Steel, 60 \u00B0C"));
  QVERIFY(part<QTableView>(next, "drgrDesign")->geometry().top() > line->geometry().bottom());
  test::snapshot(next, QStringLiteral("design-conditions-line"));
}

QTEST_MAIN(OperatingPageTest)
#include "operating_page_test.moc"
