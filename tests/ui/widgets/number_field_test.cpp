#include "widgets/number_field.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

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
  void selectsItsTextWhenReachedByKeyboard_data();
  void selectsItsTextWhenReachedByKeyboard();
  void neverLosesTextToCtrlU();
};

// Each text typed key by key and pasted, in a "." and a "," locale: what the
// views take while it stands (value), whether the field is marked, what Enter
// leaves in the field, the classes a callout names, and the note: a text
// that is no valid number gives no value, stays as typed and marked, and its
// note names the problem with the unit.
void NumberFieldTest::neverComputesANumberNotTyped_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<bool>("paste");
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("value");  // -1: no number
  QTest::addColumn<QString>("entered");
  QTest::addColumn<QString>("callout");  // classes applied on Enter
  QTest::addColumn<QString>("note");     // empty: none, and not marked
  const struct {
    const char* text;
    double value;
    const char* enteredC;  // in the German locale "," for "."
    const char* callout;
    const char* note;  // "." as the decimal separator
  } rows[] = {
      {"42 H7/f6", 42, "42", "H7/f6", ""},
      {"\xC3\x98"
       "42H7/f6",
       42, "42", "H7/f6", ""},
      {"42 f6", 42, "42", "/f6", ""},
      {"42,5", 42.5, "42.5", "", ""},
      {"42.5", 42.5, "42.5", "", ""},
      {"\xE2\x8C\x80"
       "50 mm ",
       50, "50", "", ""},
      {"12000", -1, "12000", "", "12000 mm is above the upper limit 10000 mm"},
      {"12000 H7/f6", -1, "12000 H7/f6", "", "12000 mm is above the upper limit 10000 mm"},
      {"0", -1, "0", "", "0 mm is below the lower limit 0.001 mm"},
      {"", -1, "", "", "Enter a number in mm"},
      {"42 h7/g6", -1, "42 h7/g6", "", R"(Hole class "h7": hole letters are upper case)"},
      {"42 H7/q6", -1, "42 H7/q6", "",
       R"(Shaft class "q6": "q" is no shaft deviation letter (a to zc))"},
      {"42 H77", -1, "42 H77", "",
       R"(Hole class "H77": "77" is no tolerance grade (01, 0, 1 to 18))"},
      {"42 H7 x", -1, "42 H7 x", "", R"(Text after the tolerance class or fit "H7": "x")"},
      {"4.2.1", -1, "4.2.1", "", "Not a number in mm"},
  };
  for (const char* locale : {"C", "de_DE"}) {
    const bool german = locale != std::string_view("C");
    const auto local = [german](const char* text) {
      QString t = QString::fromUtf8(text);
      return german ? t.replace(QStringLiteral("0.001"), QStringLiteral("0,001"))
                          .replace(QStringLiteral("42.5"), QStringLiteral("42,5"))
                    : t;
    };
    for (const bool paste : {false, true}) {
      for (const auto& r : rows) {
        QTest::addRow("%s %s '%s'", locale, paste ? "pasted" : "typed", r.text)
            << locale << paste << QString::fromUtf8(r.text) << r.value << local(r.enteredC)
            << QString::fromUtf8(r.callout) << local(r.note);
      }
    }
  }
}

void NumberFieldTest::neverComputesANumberNotTyped() {
  QFETCH(QString, locale);
  QFETCH(bool, paste);
  QFETCH(QString, text);
  QFETCH(QString, note);
  QLocale::setDefault(QLocale(locale));
  const LangTable lang = LoadLanguage(LanguageCode::English);
  NumberField field(0.001, 10000);
  field.setCallouts(true);
  field.setRequired(true);
  field.setUnit(QStringLiteral("mm"));
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
  QCOMPARE(field.marked(), !note.isEmpty());
  QCOMPARE(field.toolTip(), note);
  QTest::keyClick(&field, Qt::Key_Return);
  QTEST(field.text(), "entered");
  QTEST(callout, "callout");
  QCOMPARE(notes.isEmpty() ? QString() : notes.first().first().toString(), note);
  QCOMPARE(field.marked(), !note.isEmpty());
  // Leaving changes nothing more.
  field.clearFocus();
  QTEST(field.text(), "entered");
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

void NumberFieldTest::selectsItsTextWhenReachedByKeyboard_data() {
  QTest::addColumn<int>("reason");
  QTest::addColumn<bool>("selected");
  QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
  QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason) << true;
  QTest::newRow("window opened or back") << int(Qt::ActiveWindowFocusReason) << true;
  QTest::newRow("by the program") << int(Qt::OtherFocusReason) << true;
  QTest::newRow("mouse") << int(Qt::MouseFocusReason) << false;
  QTest::newRow("menu closed") << int(Qt::PopupFocusReason) << false;
}

// Typing after the field is reached replaces the whole entry, unless the
// mouse placed the cursor ("50.018" then "50.0265" read "50.01850.0265").
void NumberFieldTest::selectsItsTextWhenReachedByKeyboard() {
  QFETCH(int, reason);
  QWidget window;
  auto* other = new QLineEdit(&window);
  auto* field = new NumberField(0, 100, &window);
  field->move(0, 30);
  window.show();
  QApplication::setActiveWindow(&window);
  QVERIFY(QTest::qWaitForWindowActive(&window));
  field->setValue(50.018);
  field->setCursorPosition(field->text().size());
  other->setFocus();
  QFocusEvent in(QEvent::FocusIn, static_cast<Qt::FocusReason>(reason));
  QApplication::sendEvent(field, &in);
  QTEST(field->selectedText() == field->text(), "selected");
}

// Ctrl+U belongs to the window's unit switch; the field never erases its
// text for it, also where no window takes it.
void NumberFieldTest::neverLosesTextToCtrlU() {
  QWidget window;
  auto* field = new NumberField(0, 100, &window);
  window.show();
  QApplication::setActiveWindow(&window);
  QVERIFY(QTest::qWaitForWindowActive(&window));
  field->setFocus();
  field->setText(QStringLiteral("42"));
  QTest::keyClick(field, Qt::Key_U, Qt::ControlModifier);
  QCOMPARE(field->text(), QStringLiteral("42"));
}

QTEST_MAIN(NumberFieldTest)
#include "number_field_test.moc"
