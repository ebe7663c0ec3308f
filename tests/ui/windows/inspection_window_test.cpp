#include "windows/inspection_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>

#include "page_test_support.h"
#include "result_source_support.h"
#include "storage/language.h"
#include "widgets/number_field.h"

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
    QTest::addColumn<QString>("statusText");  // empty: the status's own text
    QTest::newRow("inside") << false << "50.018"
                            << "" << InspectionStatus::Ok << "0.0070"
                            << "";
    QTest::newRow("at the upper limit") << false << "50.025"
                                        << "" << InspectionStatus::Ok << "0.0000"
                                        << "";
    QTest::newRow("just over") << false << "50.026"
                               << "" << InspectionStatus::Over << "-0.0010"
                               << "";
    QTest::newRow("under") << false << "49.999"
                           << "" << InspectionStatus::Under << "-0.0010"
                           << "";
    QTest::newRow("lot straddling the lower limit")
        << false << "49.998"
        << "50.02" << InspectionStatus::Under << "-0.0020"
        << "under: the lot reaches 0.0020 below the lower limit";
    QTest::newRow("inches") << true << "1.9692"
                            << "" << InspectionStatus::Ok << "0.00029"
                            << "";
  }
  void showsStatusInColourAndText() {
    QFETCH(bool, inch);
    QFETCH(QString, holeMin);
    QFETCH(QString, holeMax);
    QFETCH(InspectionStatus, status);
    QFETCH(QString, margin);
    QFETCH(QString, statusText);
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
    QCOMPARE(window.hole.status->text(),
             statusText.isEmpty() ? source.language().text(text) : statusText);
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

  // Text that is not a measured size in range shows no status or result
  // from an earlier or partial value, stays as typed after Enter or leaving,
  // and the part says what is wrong.
  void showsNoResultFromBadText_data() {
    QTest::addColumn<bool>("lot");
    QTest::addColumn<QString>("text");
    QTest::newRow("valid prefix, more typed") << false << "50.01850.0265";
    QTest::newRow("letters after a number") << false << "50.018x";
    QTest::newRow("negative") << false << "-5";
    QTest::newRow("zero") << false << "0";
    QTest::newRow("beyond any limit of size") << false << "30000";
    QTest::newRow("bad lot end") << true << "50.02.";
  }
  void showsNoResultFromBadText() {
    QFETCH(bool, lot);
    QFETCH(QString, text);
    FakeSource source;
    source.show(50, "H7/g6");
    InspectionWindow window(source);
    window.hole.measured->setText(QStringLiteral("50.018"));
    window.shaft.measured->setText(QStringLiteral("49.98"));
    NumberField* field = lot ? window.hole.lotMax : window.hole.measured;
    field->setText(text);
    field->finishEntry();
    QCOMPARE(field->text(), text);
    QVERIFY(!window.report()->hole->status);
    QCOMPARE(window.hole.margin->text(), QString());
    QVERIFY(window.hole.status->text().startsWith("The measured size must be a number"));
    QVERIFY(window.hole.status->styleSheet().contains("#b00000"));
    QCOMPARE(window.actual->text(), QStringLiteral("–"));
    // The shaft is still inspected.
    QCOMPARE(*window.report()->shaft->status, InspectionStatus::Ok);
  }

  // Reopened, the window has the measured size selected: typing replaces it
  // instead of running on after it (50.01850.0265); Esc closes the window.
  void reopeningSelectsTheMeasuredSize() {
    FakeSource source;
    source.show(50, "H7/g6");
    InspectionWindow window(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.hole.measured->setFocus();
    QTest::keyClicks(window.hole.measured, QStringLiteral("50.018"));
    window.close();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.hole.measured->selectedText(), QStringLiteral("50.018"));
    QTest::keyClicks(window.hole.measured, QStringLiteral("50.0265"));
    QCOMPARE(window.hole.measured->text(), QStringLiteral("50.0265"));
    QCOMPARE(*window.report()->hole->status, InspectionStatus::Over);
    QTest::keyClick(window.hole.measured, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
  }

  // A fit box is green only when every measured part is inside its tolerance.
  void noGreenFitWithAPartOutside() {
    FakeSource source;
    source.show(50, "H7/g6");
    InspectionWindow window(source);
    window.hole.measured->setText(QStringLiteral("50.01"));
    window.hole.lotMax->setText(QStringLiteral("50.03"));
    window.shaft.measured->setText(QStringLiteral("49.98"));
    QVERIFY(*window.report()->fit->sameKind);
    QVERIFY(window.sameKind->text().contains(source.language().text(TextId::PartOutsideTolerance)));
    QVERIFY(!window.sameKind->styleSheet().contains("#005a00"));
    QCOMPARE(window.hole.status->text(),
             QStringLiteral("over: the lot reaches 0.0050 above the upper limit"));
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
