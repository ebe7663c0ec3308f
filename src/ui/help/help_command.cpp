#include "help/help_command.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

#include "help/help_file.h"
#include "help/help_viewer.h"
#include "widgets/on_screen.h"
#ifdef Q_OS_WIN
#include "help/system_help.h"
#endif

namespace kalmo {

namespace {

// The one viewer window; each press of the help button brings it up again.
QPointer<HelpViewer>& openViewer() {
  static QPointer<HelpViewer> viewer;
  return viewer;
}

}  // namespace

HelpViewer* openHelpViewer(const QString& directory, int languageCode, QWidget* owner,
                           HelpTopic helpTopicOf) {
  const QString path = helpFilePath(directory, languageCode);
  if (!QFileInfo(path).isFile() || !helpFileIntact(directory, languageCode)) return nullptr;

  const QString topic = QString::fromStdString(helpTopic(helpTopicOf, languageCode));
  QPointer<HelpViewer>& viewer = openViewer();
  if (viewer) {
    if (!viewer->openHelp(path, topic)) return nullptr;
  } else {
    auto* created = new HelpViewer;
    if (!created->openHelp(path, topic)) {
      delete created;
      return nullptr;
    }
    openBeside(*created, owner);
    closeOnEscape(*created);
    viewer = created;
  }
  viewer->closeWith(owner);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
  return viewer;
}

void showHelp(QWidget* parent, int languageCode, HelpTopic topic) {
  // Help is an extra: whatever goes wrong, the program carries on as before.
  try {
    const QString directory = QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
    Q_UNUSED(parent);  // the system viewer belongs to the desktop
    const QString path = helpFilePath(directory, languageCode);
    if (!QFileInfo(path).isFile() || !helpFileIntact(directory, languageCode)) return;
    openSystemHelp(path, QString::fromStdString(helpTopic(topic, languageCode)));
#else
    openHelpViewer(directory, languageCode, parent ? parent->window() : nullptr, topic);
#endif
  } catch (...) {
  }
}

void addHelpKey(QWidget& window, HelpTopic topic, std::function<int()> languageCode) {
  auto* key = new QShortcut(QKeySequence::HelpContents, &window);
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, &window,
                   [&window, topic, languageCode = std::move(languageCode)] {
                     // The main window owns the viewer, so that it outlives this window.
                     QWidget* owner = window.parentWidget() ? window.parentWidget() : &window;
                     showHelp(owner, languageCode(), topic);
                   });
}

}  // namespace kalmo
