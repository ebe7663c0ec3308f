#pragma once

#include <QComboBox>
#include <optional>

#include "calc/tolerance_class.h"

namespace kalmo {

// Letter picker (holeLetterPicker, shaftLetterPicker): the 28 letter codes of the side in
// picker order, then "bearing" (letter::Bearing), so the selected index is the letter index.
void fillLetterPicker(QComboBox& picker, Side side);
// Grade picker (holeGradePicker, shaftGradePicker): "01", "0", "1" .. "18", index = grade index.
void fillGradePicker(QComboBox& picker);

// The class selected in a letter and a grade picker; nullopt when either has
// no selection. Calls fitPickersToLetter first: every caller reads the class
// after each picker change, so the pickers' look follows the letter.
std::optional<ToleranceClass> pickedClass(QComboBox& letter, QComboBox& grade);
// "bearing" needs no grade and is longer than any letter code: while it is
// chosen the letter picker spans the grade picker's place and the grade picker
// is hidden and disabled; another letter gives both their own places back.
void fitPickersToLetter(QComboBox& letter, QComboBox& grade);
// The selected item's text; nullopt without a selection.
std::optional<QString> selectedText(const QComboBox& picker);

// Selects the items whose texts equal the letter code and the grade label
// (exact, case-sensitive) without emitting any of the pickers' signals, so
// that the caller's single Recalculate evaluates the new class. A text that
// is not offered leaves that picker as it was; false then. selectClass then
// fits the pickers to the letter (fitPickersToLetter); the bearing ring
// selects its letter entry alone.
bool selectClassTexts(QComboBox& letter, QComboBox& grade, const QString& letters,
                      const QString& gradeLabel);
bool selectClass(QComboBox& letter, QComboBox& grade, Side side, ToleranceClass cls);

// One of the class lists holeClassesUpTo500, holeClassesAbove500, shaftClassesUpTo500,
// shaftClassesAbove500: the class designations of a side and size band, preferred classes in bold.
// It lies under the grade picker of its side, so only its opened list is seen.
class ClassList final : public QComboBox {
  Q_OBJECT

 public:
  ClassList(Side side, bool above500, QWidget* parent = nullptr);

  Side side() const { return side_; }

 private:
  Side side_;
};

}  // namespace kalmo
