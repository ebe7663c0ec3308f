#include "widgets/page_parts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

namespace kalmo {

namespace {

// Lives as the view's child, so it goes with the view.
class EnterFilter final : public QObject {
 public:
  EnterFilter(QAbstractItemView& view, std::function<void()> apply)
      : QObject(&view), apply_(std::move(apply)) {
    view.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        apply_();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> apply_;
};

}  // namespace

QLabel* pageLabel(QWidget* parent, const QString& name, const QRect& place) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setGeometry(place);
  return l;
}

QComboBox* pagePicker(QWidget* parent, const QString& name, const QRect& place, int entries) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->setGeometry(place);
  for (int i = 0; i < entries; ++i) c->addItem(QString());
  return c;
}

void applyOnEnter(QAbstractItemView& view, std::function<void()> apply) {
  new EnterFilter(view, std::move(apply));
}

}  // namespace kalmo
