#pragma once

#include <QString>
#include <functional>

#include "help/help_file.h"

class QWidget;

namespace kalmo {

class HelpViewer;

// Opens the help file of the language beside the executable at a topic (the
// start page by default). Does nothing when the file is missing; every
// failure is silent. The help opens in its own window and the program goes
// on at once.
void showHelp(QWidget* parent, int languageCode, HelpTopic topic = HelpTopic::Start);

// F1 in a child window opens the help at its topic, in the language the
// function gives at the time.
void addHelpKey(QWidget& window, HelpTopic topic, std::function<int()> languageCode);

// Opens the help file of the language in the given folder in the program's
// help viewer, reusing the viewer already open. nullptr, and nothing shown,
// when the file is missing, cannot be read or is not the one the build
// compiled (helpFileIntact). The viewer closes when `owner`
// is destroyed (none: it lives until the user closes it).
HelpViewer* openHelpViewer(const QString& directory, int languageCode, QWidget* owner = nullptr,
                           HelpTopic topic = HelpTopic::Start);

}  // namespace kalmo
