#pragma once

namespace kalmo {

// Makes every combo box tell assistive tools its own accessible name (such
// as "Hole letter") as its name and its current item as its value. Qt's own
// combo box interface on Linux gives the current item as the name, so that
// four pickers reading "H", "7", "f", "6" could not be told apart. Call once,
// after the application object exists.
void installAccessibleComboNames();

}  // namespace kalmo
