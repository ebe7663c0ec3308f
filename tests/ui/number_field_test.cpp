#include "number_field.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include "lang/lang_table.h"

using namespace kalmo;

class NumberFieldTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  void neverComputesANumberNotTyped_data();
  void neverComputesANumberNotTyped();
  void showsWrittenNumbersPlainWithinTheLimits_data();
  void showsWrittenNumbersPlainWithinTheLimits();
  void escapeGivesTheLastAppliedTextBack();
};

// Each text typed key by key and pasted, in a "." and a "," locale: what the
// views take while it stands (value), how the field is marked, and what Enter
// leaves in the field, with the classes a callout names and the note.
void NumberFieldTest::neverComputesANumberNotTyped_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<bool>("paste");
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("value");  // -1: no number
  QTest::addColumn<bool>("marked");
  QTest::addColumn<QString>("entered");
  QTest::addColumn<QString>("callout");  // classes applied on Enter
  QTest::addColumn<bool>("note");
  // value/restored: pasted at once; typedValue/typedRestored: typed key by
  // key, where a complete number on the way ("42" of "42 H7/f6") is applied
  // as typed. restored: what Enter leaves when the text is put back.
  const struct {
    const char* text;
    double value;
    double typedValue;
    bool marked;
    const char* enteredC;
    const char* enteredDe;
    const char* typedRestored;  // nullptr: as entered
    const char* callout;
    bool note;
  } rows[] = {
      {"42 H7/f6", 25, 42, false, "42", "42", nullptr, "H7/f6", false},
      {"\xC3\x98"
       "42H7/f6",
       25, 42, false, "42", "42", nullptr, "H7/f6", false},
      {"42 f6", 25, 42, false, "42", "42", nullptr, "/f6", false},
      {"42,5", 42.5, 42.5, false, "42.5", "42,5", nullptr, "", false},
      {"42.5", 42.5, 42.5, false, "42.5", "42,5", nullptr, "", false},
      {"\xE2\x8C\x80"
       "50 mm ",
       50, 50, false, "50", "50", nullptr, "", false},
      {"12000", 12000, 12000, true, "10000", "10000", nullptr, "", true},
      {"0", -1, -1, false, "0.001", "0,001", nullptr, "", false},
      {"", -1, -1, false, "25", "25", nullptr, "", false},
      {"42 h7/g6", 25, 42, true, "25", "25", "42", "", true},
      {"4.2.1", 25, 4.2, true, "25", "25", "4.2", "", true},
  };
  for (const char* locale : {"C", "de_DE"}) {
    for (const bool paste : {false, true}) {
      for (const auto& r : rows) {
        const char* entered = locale == std::string_view("C") ? r.enteredC : r.enteredDe;
        if (!paste && r.typedRestored) entered = r.typedRestored;
        QTest::addRow("%s %s '%s'", locale, paste ? "pasted" : "typed", r.text)
            << locale << paste << QString::fromUtf8(r.text) << (paste ? r.value : r.typedValue)
            << r.marked << QString::fromUtf8(entered) << QString::fromUtf8(r.callout) << r.note;
      }
    }
  }
}

void NumberFieldTest::neverComputesANumberNotTyped() {
  QFETCH(QString, locale);
  QFETCH(bool, paste);
  QFETCH(QString, text);
  QLocale::setDefault(QLocale(locale));
  const LangTable lang = LoadLanguage(LanguageCode::English);
  NumberField field(0.001, 10000);
  field.setCallouts(true);
  field.setLanguage(&lang);
  field.setValue(25);
  field.clear();
  QSignalSpy notes(&field, &NumberField::noteRequested);
  QString callout;
  connect(&field, &NumberField::calloutApplied, this,
          [&](std::optional<ToleranceClass> hole, std::optional<ToleranceClass> shaft) {
            callout = QString::fromStdString((hole ? Designation(Side::Hole, *hole) : "") + "/" +
                                             (shaft ? Designation(Side::Shaft, *shaft) : ""));
            if (callout.endsWith(u'/')) callout.chop(1);
          });
  if (paste) {
    QApplication::clipboard()->setText(text);
    field.paste();
  } else {
    // Key by key, each character through the field's own insertion.
    for (const QChar c : text) field.insert(QString(c));
  }
  QCOMPARE(field.text(), text);
  QTEST(field.value().value_or(-1), "value");
  QTEST(field.property("entryMarked").toBool(), "marked");
  QCOMPARE(field.toolTip().isEmpty(), !field.property("entryMarked").toBool());
  QTest::keyClick(&field, Qt::Key_Return);
  QTEST(field.text(), "entered");
  QTEST(callout, "callout");
  QTEST(!notes.isEmpty(), "note");
  QVERIFY(!field.property("entryMarked").toBool());
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

// Esc puts back the last applied text, whether the text after it was
// incomplete, beyond the limits or a target's stray sign.
void NumberFieldTest::escapeGivesTheLastAppliedTextBack() {
  NumberField target(-10000, 10000);
  target.setValue(-0.05);
  for (const char* typed : {"-", "-20000", "1e3"}) {
    target.setText(QString::fromLatin1(typed));
    QTest::keyClick(&target, Qt::Key_Escape);
    QCOMPARE(target.text(), QStringLiteral("-0.05"));
    QCOMPARE(target.value().value_or(0), -0.05);
  }
}

QTEST_MAIN(NumberFieldTest)
#include "number_field_test.moc"
