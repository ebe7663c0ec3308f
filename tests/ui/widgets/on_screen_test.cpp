#include "widgets/on_screen.h"

#include <QPalette>
#include <QTest>

#include "widgets/palette_contrast.h"

using namespace kalmo;

class OnScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsTheWholeFrameOnTheScreen_data();
  void keepsTheWholeFrameOnTheScreen();
  void opensChildWindowsBesideTheOwner_data();
  void opensChildWindowsBesideTheOwner();
  void errorRowsReadOnLightAndDarkPalettes();
};

void OnScreenTest::opensChildWindowsBesideTheOwner_data() {
  QTest::addColumn<QRect>("owner");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QRect>("available");
  QTest::addColumn<QPoint>("position");
  const QRect fullHd(0, 0, 1920, 1040);
  // 200 % on 1920×1080: 960×520 device-independent pixels.
  const QRect scaled(0, 0, 960, 520);
  QTest::newRow("room on the right")
      << QRect(100, 80, 470, 440) << QSize(600, 500) << fullHd << QPoint(570, 80);
  QTest::newRow("room on the left only")
      << QRect(1300, 80, 470, 440) << QSize(600, 500) << fullHd << QPoint(700, 80);
  QTest::newRow("no room: the wider side, kept on the screen")
      << QRect(200, 100, 470, 440) << QSize(900, 520) << scaled << QPoint(60, 0);
  QTest::newRow("second screen") << QRect(2000, 50, 470, 440) << QSize(600, 500)
                                 << QRect(1920, 0, 1920, 1040) << QPoint(2470, 50);
}

void OnScreenTest::opensChildWindowsBesideTheOwner() {
  QFETCH(QRect, owner);
  QFETCH(QSize, size);
  QFETCH(QRect, available);
  QTEST(besidePosition(owner, size, available), "position");
}

// 4.5:1 against both backgrounds of the table, light or dark.
void OnScreenTest::errorRowsReadOnLightAndDarkPalettes() {
  const struct {
    QColor base, alternate;
  } palettes[] = {{Qt::white, QColor(245, 245, 245)},
                  {QColor(42, 42, 42), QColor(66, 66, 66)},
                  {QColor(30, 30, 46), QColor(49, 50, 68)}};
  for (const auto& p : palettes) {
    QPalette palette;
    palette.setColor(QPalette::Base, p.base);
    palette.setColor(QPalette::AlternateBase, p.alternate);
    const QColor red = errorTextColour(palette);
    QVERIFY(contrastRatio(red, p.base) >= 4.5);
    QVERIFY(contrastRatio(red, p.alternate) >= 4.5);
    QVERIFY(red.red() > red.green());  // still a red
  }
  QCOMPARE(errorTextColour(QPalette(Qt::white)), QColor(176, 0, 0));
}

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
