#include "number_field.h"

#include <QLocale>
#include <algorithm>

#include "format/number_format.h"

namespace kalmo {

std::string localeDecimalSeparator() {
  return QLocale().decimalPoint().toStdString();
}
std::string localeGroupSeparator() {
  return QLocale().groupSeparator().toStdString();
}

QValidator::State NumberValidator::validate(QString& input, int&) const {
  const QString separator = QLocale().decimalPoint();
  int separators = 0;
  bool digits = false;
  // A sign only where the field holds negative numbers, and only in front.
  const int start = minimum_ < 0 && input.startsWith(u'-') ? 1 : 0;
  for (int i = start; i < input.size(); ++i) {
    if (input[i].isDigit() && input[i].unicode() < 128) {
      digits = true;
    } else if (input.mid(i, separator.size()) == separator || input[i] == u'.') {
      if (++separators > 1) {
        return Invalid;
      }
      i += input[i] == u'.' ? 0 : static_cast<int>(separator.size()) - 1;
    } else {
      return Invalid;
    }
  }
  if (!digits) {
    return Intermediate;
  }
  const std::optional<double> number = parseNumber(input.toStdString(), separator.toStdString());
  if (!number) {
    return Intermediate;
  }
  // Past a limit the user cannot get back by typing more digits: refused.
  // Below a positive minimum ("0" on the way to "0.5"): unfinished.
  if (*number > maximum_ || (minimum_ < 0 && *number < minimum_)) {
    return Invalid;
  }
  return *number < minimum_ ? Intermediate : Acceptable;
}

NumberField::NumberField(double minimum, double maximum, QWidget* parent)
    : QLineEdit(parent), minimum_(minimum), maximum_(maximum), lastNumber_(minimum) {
  setValidator(new NumberValidator(minimum, maximum, this));
  setMaxLength(24);
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (const auto number = value(); number && *number >= minimum_ && *number <= maximum_) {
      lastNumber_ = *number;
    }
  });
}

std::optional<double> NumberField::value() const {
  return parseNumber(text().toStdString(), localeDecimalSeparator());
}

void NumberField::setValue(double number) {
  setText(QString::fromStdString(
      formatPlain(std::clamp(number, minimum_, maximum_), localeDecimalSeparator())));
}

void NumberField::finishEntry() {
  if (!hasAcceptableInput()) {
    const std::optional<double> number = value();
    if (!number && keepTextWithoutNumber_) {
      return;
    }
    setValue(number ? *number : lastNumber_);
  }
}

void NumberField::focusOutEvent(QFocusEvent* event) {
  finishEntry();
  QLineEdit::focusOutEvent(event);
}

}  // namespace kalmo
