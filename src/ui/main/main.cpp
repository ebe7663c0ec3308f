#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <cstring>

#include "main/main_window.h"
#include "storage/language.h"
#include "storage/settings_store.h"
#include "version.h"
#include "widgets/accessible_combo.h"
#include "widgets/app_images.h"

int main(int argc, char* argv[]) {
  // Answered before the application object exists, so no display is needed.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("kalmo %.*s\n", static_cast<int>(kalmo::kVersion.size()), kalmo::kVersion.data());
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0) {
      std::printf(
          "Usage: kalmo [--version]\nKALMO Tolerances and fits: the window. "
          "kalmo-cli answers the same calculations on the command line.\n");
      return 0;
    }
  }

  QApplication app(argc, argv);
  kalmo::installAccessibleComboNames();
  QApplication::setApplicationName(QStringLiteral("kalmo"));
  QApplication::setApplicationVersion(
      QString::fromLatin1(kalmo::kVersion.data(), static_cast<qsizetype>(kalmo::kVersion.size())));
  QApplication::setFont(kalmo::windowFont());

  // The language comes first: it is loaded before any window exists.
  kalmo::QtSettingsStore store;
  kalmo::Language language(store);
  language.InitLanguage();

  // The check writes nothing: start-up stores no setting and flushes nothing
  // to disk. A settings file that is only partly readable is no reason to
  // stop; its values are read as far as they can be.
  switch (store.check()) {
    case kalmo::SettingsAccess::Usable: break;
    case kalmo::SettingsAccess::NotWritable:
      QMessageBox::critical(nullptr, QStringLiteral("Error start program"),
                            QStringLiteral("You don't have access to registry"));
      // The program did not run: a failure, whatever the message says.
      return 1;
    case kalmo::SettingsAccess::NotRegularFile:
      QMessageBox::warning(nullptr, language.text(kalmo::TextId::WindowTitle),
                           language.text(kalmo::TextId::SettingsFileNotRegular)
                               .arg(QDir::toNativeSeparators(store.fileName())));
      break;
  }

  kalmo::MainWindow window(language, store);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
  }
  window.show();
  return QApplication::exec();
}
