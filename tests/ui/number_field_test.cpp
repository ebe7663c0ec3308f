#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include "number_field.h"

using namespace kalmo;

class NumberFieldTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  void acceptsOnlyNumbersWithinTheLimits_data();
  void acceptsOnlyNumbersWithinTheLimits();
  void showsWrittenNumbersPlainWithinTheLimits_data();
  void showsWrittenNumbersPlainWithinTheLimits();
  void putsAnUnfinishedEntryRight_data();
  void putsAnUnfinishedEntryRight();
};

void NumberFieldTest::acceptsOnlyNumbersWithinTheLimits_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<double>("minimum");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("state");
  const int ok = QValidator::Acceptable;
  const int unfinished = QValidator::Intermediate;
  const int refused = QValidator::Invalid;
  QTest::newRow("whole number") << "C" << 0.001 << "10" << ok;
  QTest::newRow("upper limit") << "C" << 0.001 << "10000" << ok;
  QTest::newRow("above the limit") << "C" << 0.001 << "10000.5" << refused;
  QTest::newRow("empty") << "C" << 0.001 << "" << unfinished;
  QTest::newRow("on the way to 0.5") << "C" << 0.001 << "0." << unfinished;
  QTest::newRow("below the minimum") << "C" << 0.001 << "0.0005" << unfinished;
  QTest::newRow("letters") << "C" << 0.001 << "1e3" << refused;
  QTest::newRow("two separators") << "C" << 0.001 << "1.2.3" << refused;
  QTest::newRow("sign where none belongs") << "C" << 0.001 << "-1" << refused;
  QTest::newRow("grouping") << "C" << 0.001 << "1,000" << refused;
  QTest::newRow("locale comma") << "de_DE" << 0.001 << "10,5" << ok;
  QTest::newRow("negative target") << "C" << -10000.0 << "-0.05" << ok;
  QTest::newRow("minus inside") << "C" << -10000.0 << "0-5" << refused;
}

void NumberFieldTest::acceptsOnlyNumbersWithinTheLimits() {
  QFETCH(QString, locale);
  QFETCH(double, minimum);
  QFETCH(QString, text);
  QLocale::setDefault(QLocale(locale));
  NumberValidator validator(minimum, 10000);
  int pos = 0;
  QTEST(static_cast<int>(validator.validate(text, pos)), "state");
}

void NumberFieldTest::showsWrittenNumbersPlainWithinTheLimits_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<double>("number");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<double>("value");
  QTest::newRow("whole") << "C" << 10.0 << "10" << 10.0;
  QTest::newRow("inches") << "C" << 0.3937 << "0.3937" << 0.3937;
  QTest::newRow("above the limit") << "C" << 254000.0 << "10000" << 10000.0;
  QTest::newRow("below the limit") << "C" << 0.0004 << "0.001" << 0.001;
  QTest::newRow("German") << "de_DE" << 10.5 << "10,5" << 10.5;
}

void NumberFieldTest::showsWrittenNumbersPlainWithinTheLimits() {
  QFETCH(QString, locale);
  QFETCH(double, number);
  QLocale::setDefault(QLocale(locale));
  NumberField field(0.001, 10000);
  QSignalSpy changed(&field, &QLineEdit::textChanged);
  field.setValue(number);
  QTEST(field.text(), "shown");
  QTEST(field.value().value_or(-1), "value");
  QCOMPARE(changed.count(), 1);
}

void NumberFieldTest::putsAnUnfinishedEntryRight_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("finished");
  QTest::newRow("below the minimum") << "0" << "0.001";
  QTest::newRow("emptied") << "" << "25";
  QTest::newRow("lone separator") << "." << "25";
  QTest::newRow("finished already") << "12.5" << "12.5";
}

void NumberFieldTest::putsAnUnfinishedEntryRight() {
  QFETCH(QString, typed);
  NumberField field(0.001, 10000);
  field.setValue(25);
  field.setText(typed);
  QCOMPARE(field.value().has_value(), typed != u"" && typed != u".");
  field.finishEntry();
  QTEST(field.text(), "finished");
}

QTEST_MAIN(NumberFieldTest)
#include "number_field_test.moc"
