#pragma once

#include <QString>

namespace kalmo {

// Windows only: hands a compiled help file and a topic ("::/TISO286EN.htm")
// to the system's HTML Help viewer, which opens in its own window. Returns
// false when the viewer is not installed. The viewer library is looked up
// where the system registers it, loaded on first use and kept until exit.
bool openSystemHelp(const QString& filePath, const QString& topic);

}  // namespace kalmo
