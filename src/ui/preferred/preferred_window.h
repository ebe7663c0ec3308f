#pragma once

#include "lang/lang_table.h"

class QWidget;

namespace kalmo {

// Shows the preferred-number window modally and returns the chosen value in
// millimetres, or 0 when the user cancelled. The window is released before
// the function returns, also when showing it fails.
double pickPreferredNumber(QWidget* parent, const LangTable& lang);

}  // namespace kalmo
