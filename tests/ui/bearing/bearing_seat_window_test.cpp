#include "bearing/bearing_seat_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "memory_store.h"
#include "page_test_support.h"
#include "report/report_buttons.h"
#include "storage/language.h"
#include "widgets/class_pickers.h"
#include "widgets/number_field.h"

namespace kalmo::test {

class BearingSeatWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The worked example: a 6206 ball bearing (bore 30 mm, outside diameter
  // 62 mm) on a turning shaft under normal load, in each language; the
  // window on one 200 % screen.
  void recommendsTheSeatsOfA6206_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("EN") << static_cast<int>(kLanguageEnglish);
    QTest::newRow("DE") << static_cast<int>(kLanguageGerman);
    QTest::newRow("BG") << static_cast<int>(kLanguageBulgarian);
  }
  void recommendsTheSeatsOfA6206() {
    QFETCH(int, language);
    const auto code = static_cast<LanguageCode>(language);
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(code);
    BearingSeatWindow w(lang, 10);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setDiameterText(QStringLiteral("30"));
    w.setCase(
        {BearingRing::Inner, RingLoad::Rotating, LoadMagnitude::Normal, RollingElement::Ball});
    QCOMPARE(w.seats->rowCount(), 1);
    QCOMPARE(w.seats->item(0, 0)->text(), QStringLiteral("k5"));
    QCOMPARE(w.seats->item(0, 1)->text(), QStringLiteral("+0.011/+0.002"));
    QVERIFY(w.seats->item(0, 4)->text().contains(QStringLiteral("-18.2")));
    QCOMPARE(w.heading->text(), QStringLiteral("bearing 0/-0.01 (ISO 492 Normal)"));
    QVERIFY(w.width() <= 960 && w.height() <= 540);
    QVERIFY(w.minimumSizeHint().width() <= 960 && w.minimumSizeHint().height() <= 540);
    snapshot(w, QStringLiteral("bearing_seat_inner_") +
                    QString::fromLatin1(LangResourceName(code).data(), 2));

    // The outer ring in a housing that stands still relative to the load.
    w.setDiameterText(QStringLiteral("62"));
    w.setCase(
        {BearingRing::Outer, RingLoad::Stationary, LoadMagnitude::Normal, RollingElement::Ball});
    QCOMPARE(w.seats->rowCount(), 5);
    QCOMPARE(w.heading->text(), QStringLiteral("bearing 0/-0.013 (ISO 492 Normal)"));
    const QString name = QString::fromLatin1(LangResourceName(code).data(), 2);
    snapshot(w, QStringLiteral("bearing_seat_outer_") + name);
    const QString dir = qEnvironmentVariable("KALMO_SNAPSHOT_DIR");
    if (!dir.isEmpty()) {
      QVERIFY(w.reportDocument().pageImage(0).save(
          QDir(dir).filePath(QStringLiteral("bearing_report_%1.png").arg(name))));
    }
  }

  // A diameter that is no number, or one the ring's table lacks, shows the
  // reason and no row of an earlier answer; Apply has nothing to hand over.
  void showsReasonsAndNoStaleAnswer() {
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(kLanguageEnglish);
    BearingSeatWindow w(lang, 30);
    QCOMPARE(w.seats->rowCount(), 1);
    const struct {
      const char* diameter;
      SeatCase seatCase;
      TextId reason;  // TextId::None: only "no rows"
    } cases[] = {
        {"abc", {}, TextId::None},
        {"", {}, TextId::None},
        {"2500", {}, TextId::SeatRingUndefined},
        {"6", {BearingRing::Outer}, TextId::SeatRingUndefined},
        {"10",
         {BearingRing::Inner, RingLoad::Rotating, LoadMagnitude::Heavy},
         TextId::SeatNoRecommendation},
    };
    for (const auto& c : cases) {
      w.setCase(c.seatCase);
      w.setDiameterText(QString::fromLatin1(c.diameter));
      QCOMPARE(w.seats->rowCount(), 0);
      QVERIFY(!w.applyButton->isEnabled());
      QVERIFY(!w.applyChoice());
      if (c.reason != TextId::None) {
        QVERIFY(w.notes->text().contains(
            QString::fromStdString(GetLangString(lang.table(), c.reason))));
      }
      w.setDiameterText(QStringLiteral("30"));
      w.setCase({});
      QCOMPARE(w.seats->rowCount(), 1);
    }
  }

  // Apply hands the chosen row's fit over; Copy gives the report as text.
  void appliesTheChosenFitAndCopies() {
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(kLanguageEnglish);
    BearingSeatWindow w(lang, 62);
    w.setCase({BearingRing::Outer, RingLoad::Rotating, LoadMagnitude::Normal});
    QSignalSpy chosen(&w, &BearingSeatWindow::fitChosen);
    w.seats->selectRow(1);
    QTest::mouseClick(w.applyButton, Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen[0][0].toDouble(), 62.0);
    QCOMPARE(FitDesignation(chosen[0][1].value<FitClasses>()), std::string("N7/bearing"));
    QTest::mouseClick(w.reportButtons->copyButton, Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.contains(QStringLiteral("N7\t-0.009/-0.039\tTransition fit")));
    QVERIFY(copied.contains(QStringLiteral("ANSI/ABMA Standard 7")));
  }

  // The report holds the case, the ring's line, the table's rows cell for cell
  // and the notes; a diameter that is no valid number gives no section, so
  // nothing of the answer before reaches the paper.
  void reportHoldsTheShownSeatsOnly_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<int>("seatRows");  // -1: no report
    for (const LanguageCode code : {kLanguageEnglish, kLanguageGerman, kLanguageBulgarian}) {
      const QByteArray name(LangResourceName(code).data(), 2);
      for (const auto& [diameter, rows] :
           {std::pair{"62", 5}, std::pair{"2500", 0}, std::pair{"3O", -1}, std::pair{"-5", -1}}) {
        QTest::newRow(name + ' ' + diameter)
            << static_cast<int>(code) << QString::fromLatin1(diameter) << rows;
      }
    }
  }
  void reportHoldsTheShownSeatsOnly() {
    QFETCH(int, language);
    QFETCH(QString, diameter);
    QFETCH(int, seatRows);
    MemoryStore store;
    Language lang(store);
    lang.SetLanguage(static_cast<LanguageCode>(language));
    BearingSeatWindow w(lang, 62);
    w.setCase(
        {BearingRing::Outer, RingLoad::Stationary, LoadMagnitude::Normal, RollingElement::Ball});
    w.setDiameterText(diameter);
    const std::vector<ReportSection> sections = w.reportSections();
    const QString text = w.reportDocument().text();
    if (seatRows < 0) {
      QVERIFY(sections.empty());
      QVERIFY(!text.contains(QStringLiteral("ISO 492")) && !text.contains(QStringLiteral("ANSI")));
      return;
    }
    QCOMPARE(sections.size(), std::size_t{2});
    QVERIFY(sections[0].heading.endsWith(diameter + QStringLiteral(" mm")));
    QCOMPARE(sections[0].rows.size(), std::size_t{4});
    QCOMPARE(sections[0].rows[0], (QStringList{w.ringCaption->text(), w.ring->currentText()}));
    QCOMPARE(sections[1].heading, w.heading->text());
    const std::vector<QStringList>& rows = sections[1].rows;
    QCOMPARE(w.seats->rowCount(), seatRows);
    const std::size_t tableRows = seatRows > 0 ? static_cast<std::size_t>(seatRows) + 1 : 0;
    for (int r = 0; r < seatRows; ++r) {
      for (int c = 0; c < w.seats->columnCount(); ++c) {
        // The report keeps a range on one line with no-break spaces.
        const QString cell = rows[static_cast<std::size_t>(r) + 1][c];
        QCOMPARE(QString(cell).replace(QChar(0x00A0), u' '), w.seats->item(r, c)->text());
      }
    }
    QStringList notes;
    for (std::size_t r = tableRows; r < rows.size(); ++r) notes << rows[r].join(u'\t');
    QCOMPARE(notes.join(u'\n'), w.notes->text());
    QVERIFY(text.contains(sectionText(sections[1])));
  }

  // "bearing" ends the letter pickers; it needs no grade, so the grade picker
  // is disabled while it is chosen, and a chosen bearing selects it back.
  void letterPickersOfferTheBearingRing() {
    QComboBox letter;
    QComboBox grade;
    fillLetterPicker(letter, Side::Shaft);
    fillGradePicker(grade);
    QCOMPARE(letter.count(), kLetterCount + 1);
    QCOMPARE(letter.itemText(letter.count() - 1), QStringLiteral("bearing"));
    letter.setCurrentIndex(letter.count() - 1);
    grade.setCurrentIndex(-1);
    QCOMPARE(pickedClass(letter, grade), std::optional<ToleranceClass>(kBearingClass));
    QVERIFY(!grade.isEnabled());
    QVERIFY(selectClass(letter, grade, Side::Shaft, {letter::H, Grade::it(6)}));
    QVERIFY(grade.isEnabled());
    QCOMPARE(letter.currentText(), QStringLiteral("h"));
    QVERIFY(selectClass(letter, grade, Side::Shaft, kBearingClass));
    QCOMPARE(letter.currentText(), QStringLiteral("bearing"));
    QVERIFY(!grade.isEnabled());
  }
};

}  // namespace kalmo::test

QTEST_MAIN(kalmo::test::BearingSeatWindowTest)
#include "bearing_seat_window_test.moc"
