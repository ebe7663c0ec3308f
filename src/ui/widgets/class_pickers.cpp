#include "widgets/class_pickers.h"

#include <QAbstractItemView>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QVariant>
#include <algorithm>

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
  // The list shows "bearing" whole, wider than the closed picker.
  picker.view()->setMinimumWidth(picker.fontMetrics().horizontalAdvance(toQString(kBearingText)) +
                                 24);
}

void fillGradePicker(QComboBox& picker) {
  picker.clear();
  for (const std::string_view label : kGradeLabels) {
    picker.addItem(toQString(label));
  }
}

void fitPickersToLetter(QComboBox& letter, QComboBox& grade) {
  // The width the letter picker has of its own, kept while it spans.
  static constexpr const char* kOwnWidth = "kalmoLetterWidth";
  const bool bearing = letter.currentIndex() == letter::Bearing;
  const QVariant own = letter.property(kOwnWidth);
  if (bearing) {
    if (!own.isValid()) letter.setProperty(kOwnWidth, letter.width());
    letter.resize(std::max(letter.width(), grade.geometry().right() + 1 - letter.x()),
                  letter.height());
    grade.hide();
    // Over whatever lies under the grade picker (the class list).
    letter.raise();
  } else if (own.isValid()) {
    letter.resize(own.toInt(), letter.height());
    letter.setProperty(kOwnWidth, QVariant());
    grade.show();
  }
  grade.setEnabled(!bearing);
}

std::optional<ToleranceClass> pickedClass(QComboBox& letter, QComboBox& grade) {
  fitPickersToLetter(letter, grade);
  if (letter.currentIndex() == letter::Bearing) return kBearingClass;
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
    fitPickersToLetter(letter, grade);
    return true;
  }
  const bool selected = selectClassTexts(letter, grade, toQString(letterText(side, cls.letter)),
                                         toQString(gradeText(cls.grade)));
  fitPickersToLetter(letter, grade);
  return selected;
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
