#include "preferred/preferred_window.h"

#include <QPointer>
#include <QScopeGuard>

#include "preferred/tfrm_redove.h"

namespace kalmo {

double pickPreferredNumber(QWidget* parent, const LangTable& lang) {
  // A QPointer, not a stack object: should the parent go away while the
  // window runs its own event loop, it takes the window with it.
  QPointer<TfrmRedove> window = new TfrmRedove(lang, parent);
  const auto release = qScopeGuard([&window] { delete window; });
  window->exec();
  return window ? window->SelectedValue() : 0;
}

}  // namespace kalmo
