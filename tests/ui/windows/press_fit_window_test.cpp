#include "windows/press_fit_window.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <memory>

#include "format/number_format.h"
#include "models/press_fit_results_model.h"
#include "models/result_source.h"
#include "page_test_support.h"
#include "press/press_design_panel.h"
#include "widgets/number_field.h"

using namespace kalmo;
using kalmo::test::MemoryStore;

namespace {

FitView fitView(double sizeMm, const char* fit, bool inch = false) {
  FitInputs in;
  in.sizeMm = sizeMm;
  const double shown = inch ? mmToInch(sizeMm) : sizeMm;
  in.sizeText = formatPlain(shown);
  in.sizeShown = shown;
  const FitParse classes = parseFitDesignation(fit);
  in.hole = classes.value->hole;
  in.shaft = classes.value->shaft;
  in.inch = inch;
  return presentFit(in);
}

// Types into a field as the user does.
void type(PressFitWindow& w, PressField f, const QString& text) {
  w.field(f)->selectAll();
  w.field(f)->del();
  QTest::keyClicks(w.field(f), text);
}

void typeLoad(PressFitWindow& w, LoadField f, const QString& text) {
  NumberField* field = w.designPanel->field(f);
  field->selectAll();
  field->del();
  QTest::keyClicks(field, text);
}

void choose(QComboBox* picker, MaterialId id) {
  picker->setCurrentIndex(static_cast<int>(id));
  emit picker->activated(picker->currentIndex());
}

QVariant number(const PressFitWindow& w, PressRow row) {
  const QAbstractItemModel& m = w.resultsModel();
  return m.index(static_cast<int>(row), static_cast<int>(PressColumn::Value))
      .data(PressFitResultsModel::kNumberRole);
}
QString shown(const PressFitWindow& w, PressRow row) {
  const QAbstractItemModel& m = w.resultsModel();
  return m.index(static_cast<int>(row), static_cast<int>(PressColumn::Value)).data().toString();
}

// The worked example: 50 H7/s6, steel hub of 80 mm on a solid steel shaft,
// joint length 40 mm, μ 0.12 (what the window starts with).
struct Example {
  MemoryStore store;
  Language language{store};
  ResultSource source{language};
  std::unique_ptr<PressFitWindow> window;

  explicit Example(LanguageCode code = kLanguageEnglish, bool inch = false) {
    language.SetLanguage(code);
    window = std::make_unique<PressFitWindow>(source, store);
    source.publish(fitView(50, "H7/s6", inch));
    type(*window, PressField::HubOuterDiameter, inch ? "3.1496062992126" : "80");
    type(*window, PressField::Length, inch ? "1.5748031496063" : "40");
  }
};

PressFitInput exampleInput() {
  const Evaluation e = *Evaluate(50, parseToleranceClass("H7", Side::Hole).value,
                                 parseToleranceClass("s6", Side::Shaft).value);
  PressFitInput in;
  in.diameterMm = 50;
  in.hole = e.hole;
  in.shaft = e.shaft;
  in.hubOuterMm = 80;
  in.lengthMm = 40;
  in.hubMaterial = materialProperties(MaterialId::Steel);
  in.shaftMaterial = materialProperties(MaterialId::Steel);
  in.friction = 0.12;
  return in;
}

}  // namespace

class PressFitWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Every value cell carries the method's own number; the shown texts round it.
  void showsTheMethodsNumbers_data() {
    QTest::addColumn<bool>("inch");
    QTest::addColumn<int>("hubMaterial");
    QTest::addColumn<QString>("bore");
    QTest::addColumn<QString>("torque");
    QTest::addColumn<QString>("uMax");
    QTest::newRow("worked example") << false << int(MaterialId::Steel) << "0"
                                    << "434.2"
                                    << "0.0590";
    QTest::newRow("in inches") << true << int(MaterialId::Steel) << "0"
                               << "434.2"
                               << "0.00232";
    QTest::newRow("aluminium hub, hollow shaft") << false << int(MaterialId::Aluminium) << "20"
                                                 << ""
                                                 << "0.0590";
  }
  void showsTheMethodsNumbers() {
    QFETCH(bool, inch);
    QFETCH(int, hubMaterial);
    QFETCH(QString, bore);
    QFETCH(QString, torque);
    QFETCH(QString, uMax);
    Example ex(kLanguageEnglish, inch);
    PressFitWindow& w = *ex.window;
    choose(w.hubMaterial, static_cast<MaterialId>(hubMaterial));
    type(w, PressField::ShaftBore, inch ? QString::number(bore.toDouble() / 25.4, 'g', 15) : bore);

    PressFitInput in = exampleInput();
    in.hubMaterial = materialProperties(static_cast<MaterialId>(hubMaterial));
    in.shaftBoreMm = bore.toDouble();
    const std::optional<PressFitInput> asked = w.input();
    QVERIFY(asked);
    QCOMPARE(asked->hubOuterMm, 80.0);  // 80 mm typed in inches and back
    in.hubOuterMm = asked->hubOuterMm;
    in.lengthMm = asked->lengthMm;
    in.shaftBoreMm = asked->shaftBoreMm;
    QVERIFY(std::fabs(in.shaftBoreMm - bore.toDouble()) < 1e-12);
    const PressFitResult r = *pressFit(in).value;
    const std::pair<PressRow, std::optional<double>> rows[] = {
        {PressRow::UMax, r.uMaxMm},
        {PressRow::UMin, r.uMinMm},
        {PressRow::Smoothing, r.smoothingMm},
        {PressRow::K, r.k},
        {PressRow::PMax, r.pMaxMpa},
        {PressRow::PMin, r.pMinMpa},
        {PressRow::Torque, r.torqueNm},
        {PressRow::AxialForce, r.axialForceN},
        {PressRow::PressForce, r.pressForceN},
        {PressRow::HubStress, r.hubStressMpa},
        {PressRow::ShaftStress, r.shaftStressMpa},
        {PressRow::HubSafety, r.hubSafety},
        {PressRow::ShaftSafety, r.shaftSafety},
        {PressRow::HubTemperature, r.hubTemperatureC},
        {PressRow::ShaftTemperature, r.shaftTemperatureC}};
    for (const auto& [row, value] : rows) {
      QCOMPARE(number(w, row).toDouble(), *value);
    }
    if (!torque.isEmpty()) QCOMPARE(shown(w, PressRow::Torque), torque);
    QCOMPARE(shown(w, PressRow::UMax), uMax);
    QVERIFY(w.problems->isHidden());
  }

  // A field without a number, or one the method rejects, is marked and the
  // results are emptied; an empty μ_e or s stands for its default.
  void marksBadInput_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("marked");
    QTest::newRow("hub not above the size") << int(PressField::HubOuterDiameter) << "50" << true;
    QTest::newRow("no length") << int(PressField::Length) << "" << true;
    QTest::newRow("lone separator") << int(PressField::Friction) << "." << true;
    QTest::newRow("zero length") << int(PressField::Length) << "0" << true;
    QTest::newRow("ν of 0.5") << int(PressField::ShaftPoisson) << "0.5" << true;
    QTest::newRow("bore as large as the size") << int(PressField::ShaftBore) << "50" << true;
    QTest::newRow("μe left to default") << int(PressField::PressFriction) << "" << false;
    QTest::newRow("s left to default") << int(PressField::JoiningClearance) << "" << false;
    // Never the number before the junk, never a number held at a limit.
    QTest::newRow("number then junk") << int(PressField::Friction) << "0.12x" << true;
    QTest::newRow("μ above its range") << int(PressField::Friction) << "11" << true;
    QTest::newRow("E above its range") << int(PressField::HubModulus) << "100000000" << true;
    QTest::newRow("α below its range") << int(PressField::ShaftAlpha) << "0.001" << true;
    QTest::newRow("negative Rz") << int(PressField::HubRoughness) << "-1" << true;
  }

  // Every bad field is marked at once, each with its own line.
  void marksEveryBadFieldAtOnce() {
    Example ex;
    PressFitWindow& w = *ex.window;
    type(w, PressField::HubOuterDiameter, "50");
    type(w, PressField::Friction, "abc");
    type(w, PressField::Length, "");
    for (PressField f : {PressField::HubOuterDiameter, PressField::Friction, PressField::Length}) {
      QVERIFY(w.field(f)->property("invalid").toBool());
    }
    QCOMPARE(w.problems->text().count("<br>"), 2);
    QVERIFY(shown(w, PressRow::PMax).isEmpty());
  }
  void marksBadInput() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, marked);
    Example ex;
    PressFitWindow& w = *ex.window;
    type(w, static_cast<PressField>(field), text);
    w.field(static_cast<PressField>(field))->finishEntry();  // leaving the field keeps it
    QCOMPARE(w.field(static_cast<PressField>(field))->text(), text);
    QCOMPARE(w.field(static_cast<PressField>(field))->property("invalid").toBool(), marked);
    QCOMPARE(w.problems->isHidden(), !marked);
    QCOMPARE(shown(w, PressRow::PMax).isEmpty(), marked);
  }

  // What applies to the fit kind: a transition fit may be loose, a clearance
  // fit holds nothing, a thin hub yields, a large fit needs more than liquid
  // nitrogen.
  void warnsWhatApplies_data() {
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("fit");
    QTest::addColumn<QString>("hubOuter");
    QTest::addColumn<QStringList>("notes");
    QTest::newRow("interference") << 50.0 << "H7/s6"
                                  << "80" << QStringList{};
    QTest::newRow("transition") << 50.0 << "H7/k6"
                                << "80" << QStringList{"may be loose"};
    QTest::newRow("clearance") << 50.0 << "H7/g6"
                               << "80" << QStringList{"Clearance fit"};
    QTest::newRow("hub yields") << 50.0 << "H7/x6"
                                << "80" << QStringList{"hub yields"};
    QTest::newRow("beyond nitrogen") << 50.0 << "H7/x6"
                                     << "55" << QStringList{"hub yields", "nitrogen"};
    QTest::newRow("beyond absolute zero") << 10.0 << "H7/x6"
                                          << "30" << QStringList{"cooling alone cannot join"};
  }
  void warnsWhatApplies() {
    QFETCH(double, size);
    QFETCH(QString, fit);
    QFETCH(QString, hubOuter);
    QFETCH(QStringList, notes);
    Example ex;
    PressFitWindow& w = *ex.window;
    ex.source.publish(fitView(size, fit.toLatin1().constData()));
    type(w, PressField::HubOuterDiameter, hubOuter);
    QCOMPARE(w.warnings->isHidden(), notes.isEmpty());
    for (const QString& note : notes) {
      QVERIFY2(w.warnings->text().contains(note), qPrintable(w.warnings->text()));
    }
    QVERIFY(w.fitLine->text().startsWith(QString::number(size) + " " + fit));
  }

  // The inputs outlive the window; a preset typed over becomes custom values,
  // and lengths follow the unit without drifting.
  void keepsInputsAndUnit() {
    MemoryStore store;
    Language language{store};
    language.SetLanguage(kLanguageEnglish);
    ResultSource source{language};
    {
      PressFitWindow w(source, store);
      source.publish(fitView(50, "H7/s6"));
      choose(w.shaftMaterial, MaterialId::Titanium);
      type(w, PressField::HubModulus, "205000");
      QCOMPARE(w.hubMaterial->currentIndex(), int(MaterialId::Custom));
      type(w, PressField::HubOuterDiameter, "80");
      type(w, PressField::PressFriction, "0.08");
      source.publish(fitView(50, "H7/s6", true));
      QCOMPARE(w.field(PressField::HubOuterDiameter)->text(), QString("3.149606"));
      source.publish(fitView(50, "H7/s6", false));
      QCOMPARE(w.field(PressField::HubOuterDiameter)->text(), QString("80"));
      source.publish(fitView(50, "H7/s6", true));  // closed in inches
    }
    source.publish(fitView(50, "H7/s6"));
    PressFitWindow w(source, store);
    QCOMPARE(w.hubMaterial->currentIndex(), int(MaterialId::Custom));
    QCOMPARE(w.shaftMaterial->currentIndex(), int(MaterialId::Titanium));
    QCOMPARE(w.field(PressField::HubModulus)->text(), QString("205000"));
    QCOMPARE(w.field(PressField::HubOuterDiameter)->text(), QString("80"));
    QCOMPARE(w.field(PressField::PressFriction)->text(), QString("0.08"));
    QCOMPARE(w.field(PressField::Length)->text(), QString());
    QCOMPARE(w.field(PressField::Friction)->text(), QString("0.12"));
  }

  // 400 N·m on the worked example (by hand in the core's press-design test):
  // H7/s6 slips at S_R 1.09; H7/t6 leads the fits that carry it; a load no
  // fit carries says by how much; text that is no load shows nothing.
  void findsTheFitsThatCarryALoad() {
    Example ex;
    PressFitWindow& w = *ex.window;
    PressDesignPanel& p = *w.designPanel;
    QCOMPARE(p.status->text(), ex.language.text(TextId::PressEnterLoad));
    typeLoad(w, LoadField::Torque, "400");
    QCOMPARE(p.slipLine->text(), QString("Safety of this fit against slip: 1.09"));
    QCOMPARE(p.listed().size(), std::size_t{12});
    QCOMPARE(p.fits->model()->index(0, 0).data().toString(), QString("H7/t6"));
    QCOMPARE(p.status->text(),
             QString("Required interference at least 0.0249 mm, permitted at most 0.0768 mm"));
    QSignalSpy chosen(&w, &PressFitWindow::fitChosen);
    QVERIFY(!p.applyButton->isEnabled());
    p.fits->selectRow(1);
    p.applyButton->click();
    QCOMPARE(chosen.count(), 1);
    const auto classes = chosen.at(0).at(0).value<FitClasses>();
    QCOMPARE(Designation(Side::Hole, classes.hole) + "/" + Designation(Side::Shaft, classes.shaft),
             std::string("H6/s7"));

    typeLoad(w, LoadField::Torque, "2000");
    QVERIFY(p.listed().empty());
    QVERIFY(p.status->text().contains("exceeds the permitted by 0.0475 mm"));
    QVERIFY(p.status->text().contains("1.62 times"));
    for (const QString bad : {"4OO", "-1"}) {
      typeLoad(w, LoadField::Torque, bad);
      QVERIFY(p.listed().empty());
      QVERIFY(p.slipLine->text().isEmpty());
      QVERIFY(p.status->text().isEmpty());
    }
    typeLoad(w, LoadField::Torque, "400");
    typeLoad(w, LoadField::SlipSafety, "0.5");  // below 1: no list from it
    QVERIFY(p.listed().empty());
    // A wrong field of the joint leaves nothing either.
    typeLoad(w, LoadField::SlipSafety, "1.5");
    type(w, PressField::Length, "0");
    QVERIFY(p.listed().empty());
    QVERIFY(p.slipLine->text().isEmpty());
  }

  // The operating page's temperatures give the column at temperature (the
  // core's values), the line naming them and the slip safety there; the
  // conventions chosen reach the method. A temperature the part's α cannot
  // take, or a page field without a number, leaves the joint at 20 °C and
  // says so.
  void takesOperatingConditionsAndConventions_data() {
    QTest::addColumn<int>("hubMaterial");
    QTest::addColumn<double>("hubC");
    QTest::addColumn<double>("pageHoleAlpha");  // NaN: the page holds a field without a number
    QTest::addColumn<int>("smoothing");
    QTest::addColumn<int>("stress");
    QTest::addColumn<bool>("atOperating");
    QTest::addColumn<QString>("line");  // what the operating line holds, or ""
    QTest::addColumn<QString>("note");  // a problem or warning the window shows, or ""
    const double steel = materialProperties(MaterialId::Steel).alphaUmPerMK;
    const double nan = std::nan("");
    QTest::newRow("all at 20 °C, 0.4, von Mises")
        << int(MaterialId::Steel) << 20.0 << steel << 1 << 1 << false << ""
        << "";
    QTest::newRow("hub at 80 °C") << int(MaterialId::Steel) << 80.0 << steel << 0 << 0 << true
                                  << "hub 80 °C, shaft 20 °C"
                                  << "";
    QTest::newRow("the page's α differs")
        << int(MaterialId::Steel) << 80.0 << 23.0 << 0 << 0 << true << "with α 23 (hole)"
        << "";
    QTest::newRow("aluminium hub loose when hot")
        << int(MaterialId::Aluminium) << 150.0
        << materialProperties(MaterialId::Aluminium).alphaUmPerMK << 0 << 0 << true << "hub 150 °C"
        << "may be loose there";
    QTest::newRow("too hot for the α")
        << int(MaterialId::Steel) << 1e6 << steel << 0 << 0 << false << ""
        << "(outer part): the operating temperature lies outside";
    QTest::newRow("page field without a number")
        << int(MaterialId::Steel) << 80.0 << nan << 0 << 0 << false << "holds no valid number"
        << "";
  }
  void takesOperatingConditionsAndConventions() {
    QFETCH(int, hubMaterial);
    QFETCH(double, hubC);
    QFETCH(double, pageHoleAlpha);
    QFETCH(int, smoothing);
    QFETCH(int, stress);
    QFETCH(bool, atOperating);
    QFETCH(QString, line);
    QFETCH(QString, note);
    Example ex;
    PressFitWindow& w = *ex.window;
    choose(w.hubMaterial, static_cast<MaterialId>(hubMaterial));
    for (auto [picker, index] :
         {std::pair{w.smoothingPicker, smoothing}, {w.stressPicker, stress}}) {
      picker->setCurrentIndex(index);
      emit picker->activated(index);
    }
    type(w, PressField::HubRoughness, "8");  // ΔU = 0.8·12 or 0.4·12 µm
    type(w, PressField::ShaftRoughness, "4");
    typeLoad(w, LoadField::Torque, "400");
    const double steel = materialProperties(MaterialId::Steel).alphaUmPerMK;
    ex.source.publishOperating(
        std::isnan(pageHoleAlpha)
            ? std::nullopt
            : std::optional(OperatingConditions{{hubC, pageHoleAlpha}, {20, steel}}));

    PressFitInput in = exampleInput();
    in.hubMaterial = materialProperties(static_cast<MaterialId>(hubMaterial));
    in.smoothing = smoothing == 1 ? SmoothingRule::Factor04 : SmoothingRule::Factor08;
    in.hubStress = stress == 1 ? StressHypothesis::VonMises : StressHypothesis::MaxShear;
    in.rzHubUm = 8;
    in.rzShaftUm = 4;
    if (atOperating) in.operating = JointTemperatures{hubC, 20};
    in.load = PressLoad{400, 0};
    const PressFitResult r = *pressFit(in).value;
    QCOMPARE(number(w, PressRow::Smoothing).toDouble(), smoothing == 1 ? 0.0048 : 0.0096);
    QCOMPARE(number(w, PressRow::Smoothing).toDouble(), r.smoothingMm);
    QCOMPARE(number(w, PressRow::HubStress).toDouble(), r.hubStressMpa);
    const QAbstractItemModel& m = w.resultsModel();
    const int hot = static_cast<int>(PressColumn::AtOperating);
    QCOMPARE(w.results->isColumnHidden(hot), !atOperating);
    if (atOperating) {
      for (const auto& [row, value] : {std::pair{PressRow::UMin, r.atOperating->uMinMm},
                                       {PressRow::PMin, r.atOperating->pMinMpa},
                                       {PressRow::Torque, r.atOperating->torqueNm}}) {
        QCOMPARE(m.index(int(row), hot).data(PressFitResultsModel::kNumberRole).toDouble(), value);
      }
      QVERIFY(w.designPanel->slipLine->text().contains("at operating temperature"));
      QVERIFY(!w.designPanel->fits->isColumnHidden(6));
      // Asked to carry the load in operation too, the list keeps only those fits.
      const std::size_t at20 = w.designPanel->listed().size();
      w.designPanel->inOperation->setChecked(true);
      const std::size_t kept = w.designPanel->listed().size();
      for (const PressDesignFit& f : w.designPanel->listed()) {
        QVERIFY(carriesInOperation(f.press, 1.5, 1.1));
      }
      QCOMPARE(w.designPanel->status->text().contains(
                   QString("%1 more fits carry the load at 20 °C").arg(at20 - kept)),
               kept < at20);
      w.designPanel->inOperation->setChecked(false);
    } else {
      QVERIFY(!m.index(int(PressRow::UMin), hot).data().isValid() ||
              m.index(int(PressRow::UMin), hot).data().toString().isEmpty());
      QVERIFY(!w.designPanel->inOperation->isEnabled());
      QCOMPARE(w.designPanel->slipLine->text(),
               QString("Safety of this fit against slip: %1")
                   .arg(QString::fromStdString(formatFixed(*r.slipSafety, 2))));
    }
    QCOMPARE(w.operatingLine->isVisibleTo(&w), !line.isEmpty());
    if (!line.isEmpty())
      QVERIFY2(w.operatingLine->text().contains(line), qPrintable(w.operatingLine->text()));
    if (!note.isEmpty()) {
      QVERIFY((w.problems->text() + w.warnings->text()).contains(note));
    }
    // The report holds what the window shows.
    QString report;
    for (const ReportSection& section : w.reportSections()) {
      for (const QStringList& row : section.rows) report += row.join(u'\t') + u'\n';
    }
    QVERIFY(report.contains(w.smoothingPicker->currentText()));
    QCOMPARE(report.contains("In operation"), atOperating);
  }

  // The three languages, with a snapshot of each.
  void speaksEveryLanguage_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("title");
    QTest::newRow("BG") << int(kLanguageBulgarian) << "Пресова сглобка";
    QTest::newRow("DE") << int(kLanguageGerman) << "Pressverband";
    QTest::newRow("EN") << int(kLanguageEnglish) << "Press fit";
  }
  void speaksEveryLanguage() {
    QFETCH(int, code);
    QFETCH(QString, title);
    Example ex(static_cast<LanguageCode>(code));
    PressFitWindow& w = *ex.window;
    QAbstractItemModelTester tester(&const_cast<PressFitResultsModel&>(w.resultsModel()),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(w.windowTitle(), title);
    const QAbstractItemModel& m = w.resultsModel();
    for (int row = 0; row < m.rowCount(); ++row) {
      QVERIFY(!m.index(row, 0).data().toString().isEmpty());
    }
    QCOMPARE(shown(w, PressRow::PMax), QString("75.50"));
    typeLoad(w, LoadField::Torque, "400");
    const double steel = materialProperties(MaterialId::Steel).alphaUmPerMK;
    ex.source.publishOperating(OperatingConditions{{80, steel}, {20, steel}});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    test::snapshot(w, QStringLiteral("press_fit_") + QTest::currentDataTag());
  }
};

QTEST_MAIN(PressFitWindowTest)
#include "press_fit_window_test.moc"
