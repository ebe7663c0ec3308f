#include "storage/qt_texts.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

using namespace kalmo;

// The standard buttons speak the program's language, and go back to
// English with it.
class QtTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void standardButtonsFollowTheLanguage_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("DE") << int(LanguageCode::German) << "Abbrechen";
    QTest::newRow("BG") << int(LanguageCode::Bulgarian) << "Отказ";
    QTest::newRow("EN") << int(LanguageCode::English) << "Cancel";
  }
  void standardButtonsFollowTheLanguage() {
    QFETCH(int, code);
    QFETCH(QString, cancel);
    QtTexts texts;
    QVERIFY(texts.follow(LanguageCode::German));
    QVERIFY(texts.follow(static_cast<LanguageCode>(code)));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'), cancel);
  }
};

QTEST_MAIN(QtTextsTest)
#include "qt_texts_test.moc"
