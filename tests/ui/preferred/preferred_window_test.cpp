#include "preferred/preferred_window.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "lang/lang_table.h"
#include "preferred/preferred_numbers_window.h"

using namespace kalmo;

namespace {

// Runs `act` on the preferred-number window once its modal loop runs.
void whenWindowOpens(std::function<void(PreferredNumbersWindow*)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
    if (auto* window = qobject_cast<PreferredNumbersWindow*>(QApplication::activeModalWidget())) {
      poll->deleteLater();
      poll->stop();
      act(window);
    }
  });
  poll->start(10);
}

}  // namespace

class PreferredWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void returnsTheValueInMmAndReleasesTheWindow_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("mm");
    QTest::newRow("Enter takes the first cell") << int(Qt::Key_Return) << 0.01;
    QTest::newRow("Esc gives nothing") << int(Qt::Key_Escape) << 0.0;
  }
  void returnsTheValueInMmAndReleasesTheWindow() {
    QFETCH(int, key);
    QWidget owner;
    QPointer<PreferredNumbersWindow> opened;
    whenWindowOpens([&opened, key](PreferredNumbersWindow* window) {
      opened = window;
      QTest::keyClick(window, Qt::Key(key));
    });
    const double mm = pickPreferredNumber(&owner, LoadLanguage(kLanguageEnglish));
    QTEST(mm, "mm");
    QVERIFY(opened.isNull());  // released
    QVERIFY(owner.findChildren<PreferredNumbersWindow*>().isEmpty());
  }

  void survivesTheOwnerGoingAway() {
    auto* owner = new QWidget;
    whenWindowOpens([owner](PreferredNumbersWindow*) { delete owner; });
    QCOMPARE(pickPreferredNumber(owner, LoadLanguage(kLanguageEnglish)), 0.0);
  }
};

QTEST_MAIN(PreferredWindowTest)
#include "preferred_window_test.moc"
