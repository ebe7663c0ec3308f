#include "help/help_command.h"

namespace kalmo {

// Placeholder until the viewer exists.
void showHelp(QWidget*, int) {}

}  // namespace kalmo
