#include "inspection_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>

#include "language.h"
#include "number_field.h"
#include "result_source_support.h"

using namespace kalmo;
using kalmo::test::FakeSource;

Q_DECLARE_METATYPE(kalmo::InspectionStatus)

class InspectionWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // 50 H7/g6: hole 50.000 .. 50.025, shaft 49.975 .. 49.991 mm.
  void showsStatusInColourAndText_data() {
    QTest::addColumn<bool>("inch");
    QTest::addColumn<QString>("holeMin");
    QTest::addColumn<QString>("holeMax");
    QTest::addColumn<InspectionStatus>("status");
    QTest::addColumn<QString>("margin");
    QTest::newRow("inside") << false << "50.018"
                            << "" << InspectionStatus::Ok << "0.0070";
    QTest::newRow("at the upper limit") << false << "50.025"
                                        << "" << InspectionStatus::Ok << "0.0000";
    QTest::newRow("just over") << false << "50.026"
                               << "" << InspectionStatus::Over << "-0.0010";
    QTest::newRow("under") << false << "49.999"
                           << "" << InspectionStatus::Under << "-0.0010";
    QTest::newRow("lot straddling the lower limit")
        << false << "49.998"
        << "50.02" << InspectionStatus::Under << "-0.0020";
    QTest::newRow("inches") << true << "1.9692"
                            << "" << InspectionStatus::Ok << "0.00029";
  }
  void showsStatusInColourAndText() {
    QFETCH(bool, inch);
    QFETCH(QString, holeMin);
    QFETCH(QString, holeMax);
    QFETCH(InspectionStatus, status);
    QFETCH(QString, margin);
    FakeSource source;
    source.show(inch ? 50 / 25.4 : 50, "H7/g6", inch);
    InspectionWindow window(source);
    window.hole.measured->setText(holeMin);
    window.hole.lotMax->setText(holeMax);
    QVERIFY(window.report() && window.report()->hole && window.report()->hole->status);
    QCOMPARE(*window.report()->hole->status, status);
    const TextId text = status == InspectionStatus::Ok     ? TextId::StatusOk
                        : status == InspectionStatus::Over ? TextId::StatusOver
                                                           : TextId::StatusUnder;
    QCOMPARE(window.hole.status->text(), source.language().text(text));
    QVERIFY(window.hole.status->styleSheet().contains(status == InspectionStatus::Ok ? "#005a00"
                                                                                     : "#b00000"));
    QCOMPARE(window.hole.margin->text(), margin);
    // The shaft is not measured: its gauge sizes only, and no actual fit.
    QCOMPARE(window.shaft.margin->text(), QString());
    QCOMPARE(window.shaft.gauge->text(), inch ? QStringLiteral("GO  1.96815     NO-GO  1.96752")
                                              : QStringLiteral("GO  49.9910     NO-GO  49.9750"));
    QCOMPARE(window.actual->text(), QStringLiteral("–"));
  }

  void followsTheUnitAndReportsTheFit() {
    FakeSource source;
    source.show(50, "H7/g6");
    InspectionWindow window(source);
    window.hole.measured->setText(QStringLiteral("50.018"));
    window.shaft.measured->setText(QStringLiteral("49.98"));
    window.shaft.lotMax->setText(QStringLiteral("49.99"));
    QCOMPARE(window.actual->text(), QStringLiteral("0.0280 to 0.0380"));
    QCOMPARE(window.sameKind->text(), source.language().text(TextId::SameKind));
    QVERIFY(window.hole.accepting->toPlainText().contains(QStringLiteral(", H7, ")));
    QVERIFY(window.hole.accepting->toHtml().contains(QStringLiteral("font-weight:700;\">H7<")));
    // A switch to inches converts what was typed; the result stays.
    source.show(50 / 25.4, "H7/g6", true);
    window.refresh();
    QCOMPARE(window.hole.measured->text(), QStringLiteral("1.969213"));
    QCOMPARE(*window.report()->hole->status, InspectionStatus::Ok);
    // A lot typed the wrong way round is named, the other part still inspected.
    window.shaft.lotMax->setText(QStringLiteral("1.9"));
    QCOMPARE(window.shaft.status->text(), source.language().text(TextId::LotMinAboveMax));
    QVERIFY(window.report()->hole->status.has_value());
  }

  void snapshots() {
    for (const LanguageCode code : {kLanguageEnglish, kLanguageGerman, kLanguageBulgarian}) {
      FakeSource source(code);
      source.show(50, "H7/g6");
      InspectionWindow window(source);
      window.hole.measured->setText(QStringLiteral("50.018"));
      window.shaft.measured->setText(QStringLiteral("49.97"));
      window.shaft.lotMax->setText(QStringLiteral("49.99"));
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      test::snapshot(window, QStringLiteral("inspection_") + test::languageSuffix(code));
    }
  }
};

QTEST_MAIN(InspectionWindowTest)
#include "inspection_window_test.moc"
