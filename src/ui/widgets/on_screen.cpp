#include "widgets/on_screen.h"

#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "widgets/number_field.h"

namespace kalmo {

namespace {

// One axis: the start that keeps [start, start + length) inside [low, high).
int placeOnAxis(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

// Places its window on the first showing, once.
class FirstShowPlacer final : public QObject {
 public:
  FirstShowPlacer(QWidget& window, const QWidget* owner, std::function<QSize()> wanted)
      : QObject(&window), window_(window), owner_(owner), wanted_(std::move(wanted)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Show && !event->spontaneous()) {
      window_.removeEventFilter(this);
      place();
    }
    return false;
  }

 private:
  void place() {
    const QWidget* owner = owner_;
    const QScreen* screen = owner ? owner->screen() : window_.screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    // The frame the window manager adds, as it adds it to the owner.
    const QSize frameExtra =
        owner ? owner->frameGeometry().size() - owner->geometry().size() : QSize(0, 0);
    const QSize size =
        wanted_().boundedTo(available.size() - frameExtra).expandedTo(window_.minimumSize());
    window_.resize(size);
    // Lay out now, also what a scroll area holds, so that the window shows
    // (and is measured) in its final form from the first paint.
    window_.layout()->activate();
    for (QScrollArea* area : window_.findChildren<QScrollArea*>()) {
      if (QWidget* content = area->widget()) {
        // What a scroll area holds is never squeezed below its size hint:
        // it scrolls instead.
        content->setMinimumSize(content->sizeHint());
        content->resize(content->sizeHint().expandedTo(area->size()));
      }
    }
    // Parents come before their children: each layout sets the geometry
    // the next one lays out in.
    for (QWidget* w : window_.findChildren<QWidget*>()) {
      if (w->layout()) w->layout()->activate();
    }
    const QSize frame = size + frameExtra;
    const QRect ownerFrame =
        owner ? owner->frameGeometry()
              : QRect(available.center() - QPoint(frame.width() / 2, frame.height() / 2), QSize());
    window_.move(owner ? besidePosition(ownerFrame, frame, available)
                       : onScreenPosition(QRect(ownerFrame.topLeft(), frame), available));
  }

  QWidget& window_;
  QPointer<const QWidget> owner_;
  std::function<QSize()> wanted_;
};

}  // namespace

QPoint onScreenPosition(const QRect& frame, const QRect& available) {
  return {placeOnAxis(frame.left(), frame.width(), available.left(),
                      available.left() + available.width()),
          placeOnAxis(frame.top(), frame.height(), available.top(),
                      available.top() + available.height())};
}

QPoint besidePosition(const QRect& ownerFrame, const QSize& size, const QRect& available) {
  const int right = ownerFrame.left() + ownerFrame.width();
  const int areaRight = available.left() + available.width();
  int left = 0;
  if (right + size.width() <= areaRight) {
    left = right;
  } else if (ownerFrame.left() - size.width() >= available.left()) {
    left = ownerFrame.left() - size.width();
  } else {
    // No room on either side: the side with more room, so that the window
    // covers as little of the owner as it can.
    const int roomRight = areaRight - right;
    const int roomLeft = ownerFrame.left() - available.left();
    left = roomRight >= roomLeft ? areaRight - size.width() : available.left();
  }
  return onScreenPosition(QRect(QPoint(left, ownerFrame.top()), size), available);
}

void makeChildWindow(QWidget& window, std::function<QSize()> wanted) {
  new FirstShowPlacer(window, window.parentWidget() ? window.parentWidget()->window() : nullptr,
                      std::move(wanted));
  closeOnEscape(window);
}

void scrollWindowContent(QWidget& window, QWidget* content, const QString& objectName) {
  auto* scroll = new QScrollArea(&window);
  scroll->setObjectName(objectName);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content);
  auto* outer = new QVBoxLayout(&window);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
}

void openBeside(QWidget& window, const QWidget* owner) {
  new FirstShowPlacer(window, owner, [&window] { return window.size(); });
}

void closeOnEscape(QWidget& window) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, &window, [&window] {
    if (auto* field = qobject_cast<NumberField*>(window.focusWidget()); field && field->marked()) {
      field->restoreEntry();
      return;
    }
    window.close();
  });
}

}  // namespace kalmo
