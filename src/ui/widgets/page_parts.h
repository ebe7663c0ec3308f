#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QAbstractItemView;
class QComboBox;
class QLabel;
class QWidget;

namespace kalmo {

// The parts the side pages are laid out from, each with its form id as its
// object name and its place in the page's fixed geometry.
QLabel* pageLabel(QWidget* parent, const QString& name, const QRect& place);
// A picker with `entries` empty entries, whose texts follow the language.
QComboBox* pagePicker(QWidget* parent, const QString& name, const QRect& place, int entries);

// Enter (either key) on the view runs apply, as a click on its current row
// does; the view's other keys work as before.
void applyOnEnter(QAbstractItemView& view, std::function<void()> apply);

}  // namespace kalmo
