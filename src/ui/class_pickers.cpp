#include "class_pickers.h"

#include <QAbstractItemView>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include "design/class_lists.h"

namespace kalmo {

namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void fillLetterPicker(QComboBox& picker, Side side) {
  picker.clear();
  for (int i = 0; i <= letter::Bearing; ++i) {
    picker.addItem(toQString(letterText(side, i)));
  }
}

void fillGradePicker(QComboBox& picker) {
  picker.clear();
  for (const std::string_view label : kGradeLabels) {
    picker.addItem(toQString(label));
  }
}

std::optional<ToleranceClass> pickedClass(const QComboBox& letter, QComboBox& grade) {
  // The bearing ring has no grade: its picker stays as it was, disabled.
  const bool bearing = letter.currentIndex() == letter::Bearing;
  grade.setEnabled(!bearing);
  if (bearing) return kBearingClass;
  if (letter.currentIndex() < 0 || grade.currentIndex() < 0) {
    return std::nullopt;
  }
  return ToleranceClass{letter.currentIndex(), Grade::atIndex(grade.currentIndex())};
}

std::optional<QString> selectedText(const QComboBox& picker) {
  if (picker.currentIndex() < 0) {
    return std::nullopt;
  }
  return picker.currentText();
}

bool selectClassTexts(QComboBox& letter, QComboBox& grade, const QString& letters,
                      const QString& gradeLabel) {
  const int letterIndex = letter.findText(letters, Qt::MatchExactly | Qt::MatchCaseSensitive);
  const int gradeIndex = grade.findText(gradeLabel, Qt::MatchExactly | Qt::MatchCaseSensitive);
  const QSignalBlocker blockLetter(letter);
  const QSignalBlocker blockGrade(grade);
  if (letterIndex >= 0) {
    letter.setCurrentIndex(letterIndex);
  }
  if (gradeIndex >= 0) {
    grade.setCurrentIndex(gradeIndex);
  }
  return letterIndex >= 0 && gradeIndex >= 0;
}

bool selectClass(QComboBox& letter, QComboBox& grade, Side side, ToleranceClass cls) {
  if (cls.isBearing()) {
    const QSignalBlocker blockLetter(letter);
    letter.setCurrentIndex(letter::Bearing);
    grade.setEnabled(false);
    return true;
  }
  grade.setEnabled(true);
  return selectClassTexts(letter, grade, toQString(letterText(side, cls.letter)),
                          toQString(gradeText(cls.grade)));
}

ClassList::ClassList(Side side, bool above500, QWidget* parent) : QComboBox(parent), side_(side) {
  auto* model = new QStandardItemModel(this);
  // Only the weight is set: the list's own font supplies the rest.
  QFont bold;
  bold.setBold(true);
  for (const ClassListItem& item : classList(side, above500)) {
    auto* row = new QStandardItem(QString::fromStdString(Designation(side, item.cls)));
    if (item.preferred) {
      row->setData(bold, Qt::FontRole);
    }
    model->appendRow(row);
  }
  setModel(model);
  // A list that drops down below the picker, 16 entries high, instead of one
  // laid over it as tall as the screen.
  setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  setMaxVisibleItems(16);
  view()->setMinimumWidth(64);
}

}  // namespace kalmo
