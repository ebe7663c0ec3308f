#include "widgets/visual_tab_order.h"

#include <QWidget>
#include <algorithm>
#include <vector>

namespace kalmo {

void setVisualTabOrder(QWidget& page) {
  constexpr int kSameRow = 10;  // px: half a control's height
  std::vector<QWidget*> controls;
  for (QWidget* w : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->focusPolicy() & Qt::TabFocus) controls.push_back(w);
  }
  std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
    const QRect ga = a->geometry();
    const QRect gb = b->geometry();
    if (std::abs(ga.top() - gb.top()) > kSameRow) return ga.top() < gb.top();
    return ga.left() < gb.left();
  });
  for (std::size_t i = 0; i + 1 < controls.size(); ++i) {
    QWidget::setTabOrder(controls[i], controls[i + 1]);
  }
}

}  // namespace kalmo
