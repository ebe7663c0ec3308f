#pragma once

class QWidget;

namespace kalmo {

// Opens the help file of the language beside the executable at its start
// topic. Does nothing when the file is missing; every failure is silent.
void showHelp(QWidget* parent, int languageCode);

}  // namespace kalmo
