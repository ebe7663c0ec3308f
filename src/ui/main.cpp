#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "app_images.h"
#include "language.h"
#include "main_window.h"
#include "settings_store.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("kalmo"));
  QApplication::setApplicationVersion(QStringLiteral(KALMO_VERSION));
  QApplication::setFont(kalmo::windowFont());

  // The language comes first: it is loaded before any window exists.
  kalmo::QtSettingsStore store;
  kalmo::Language language(store);
  language.InitLanguage();

  if (!kalmo::settingsStoreWritable()) {
    QMessageBox::critical(nullptr, QStringLiteral("Error start program"),
                          QStringLiteral("You don't have access to registry"));
    return 0;
  }

  kalmo::MainWindow window(language, store);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
  }
  window.show();
  return QApplication::exec();
}
