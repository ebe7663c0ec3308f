#include "help/help_command.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

#include "help/help_file.h"
#include "help/help_viewer.h"
#ifdef Q_OS_WIN
#include "help/system_help.h"
#endif

namespace kalmo {

namespace {

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The one viewer window; each press of the help button brings it up again.
QPointer<HelpViewer>& openViewer() {
  static QPointer<HelpViewer> viewer;
  return viewer;
}

}  // namespace

HelpViewer* openHelpViewer(const QString& directory, int languageCode, QWidget* owner) {
  const QString path = helpFilePath(directory, languageCode);
  if (!QFileInfo(path).isFile() || !helpFileIntact(directory, languageCode)) return nullptr;

  const QString topic = fromView(helpTarget(languageCode).topic);
  QPointer<HelpViewer>& viewer = openViewer();
  if (viewer) {
    if (!viewer->openHelp(path, topic)) return nullptr;
  } else {
    auto* created = new HelpViewer;
    if (!created->openHelp(path, topic)) {
      delete created;
      return nullptr;
    }
    viewer = created;
  }
  viewer->closeWith(owner);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
  return viewer;
}

void showHelp(QWidget* parent, int languageCode) {
  // Help is an extra: whatever goes wrong, the program carries on as before.
  try {
    const QString directory = QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
    Q_UNUSED(parent);  // the system viewer belongs to the desktop
    const QString path = helpFilePath(directory, languageCode);
    if (!QFileInfo(path).isFile() || !helpFileIntact(directory, languageCode)) return;
    openSystemHelp(path, fromView(helpTarget(languageCode).topic));
#else
    openHelpViewer(directory, languageCode, parent);
#endif
  } catch (...) {
  }
}

}  // namespace kalmo
