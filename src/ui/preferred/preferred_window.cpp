#include "preferred/preferred_window.h"

#include <QPointer>
#include <QScopeGuard>

#include "preferred/preferred_numbers_window.h"

namespace kalmo {

double pickPreferredNumber(QWidget* parent, const LangTable& lang) {
  // A QPointer, not a stack object: should the parent go away while the
  // window runs its own event loop, it takes the window with it.
  QPointer<PreferredNumbersWindow> window = new PreferredNumbersWindow(lang, parent);
  const auto release = qScopeGuard([&window] { delete window; });
  window->exec();
  return window ? window->SelectedValue() : 0;
}

}  // namespace kalmo
