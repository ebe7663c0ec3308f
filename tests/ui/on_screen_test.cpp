#include "on_screen.h"

#include <QTest>

using namespace kalmo;

class OnScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsTheWholeFrameOnTheScreen_data();
  void keepsTheWholeFrameOnTheScreen();
};

void OnScreenTest::keepsTheWholeFrameOnTheScreen_data() {
  QTest::addColumn<QRect>("frame");
  QTest::addColumn<QRect>("available");
  QTest::addColumn<QPoint>("position");
  const QRect fullHd(0, 0, 1920, 1040);
  QTest::newRow("fits: stays") << QRect(100, 100, 800, 600) << fullHd << QPoint(100, 100);
  QTest::newRow("grown past the right edge: moves left")
      << QRect(600, 100, 1540, 760) << fullHd << QPoint(380, 100);
  QTest::newRow("restored left of the screen")
      << QRect(-900, 50, 800, 600) << fullHd << QPoint(0, 50);
  QTest::newRow("restored below the screen")
      << QRect(100, 2000, 800, 600) << fullHd << QPoint(100, 440);
  QTest::newRow("larger than the screen: left and top edges on it")
      << QRect(300, 300, 2500, 1200) << fullHd << QPoint(0, 0);
  QTest::newRow("second screen to the right")
      << QRect(3500, 100, 800, 600) << QRect(1920, 0, 1920, 1040) << QPoint(3040, 100);
}

void OnScreenTest::keepsTheWholeFrameOnTheScreen() {
  QFETCH(QRect, frame);
  QFETCH(QRect, available);
  QTEST(onScreenPosition(frame, available), "position");
}

QTEST_GUILESS_MAIN(OnScreenTest)
#include "on_screen_test.moc"
