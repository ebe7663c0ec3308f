#pragma once

#include <QLineEdit>
#include <QValidator>
#include <optional>
#include <string>

namespace kalmo {

// Lets through only what can become a plain decimal number within the limits:
// digits with at most one decimal separator (the locale's, or "."), a leading
// "-" only when the minimum is negative, no grouping, no exponent. A number
// beyond the limits is refused as typed, except one below a positive minimum:
// like an empty text or a lone separator it is accepted as unfinished.
class NumberValidator final : public QValidator {
 public:
  NumberValidator(double minimum, double maximum, QObject* parent = nullptr)
      : QValidator(parent), minimum_(minimum), maximum_(maximum) {}
  State validate(QString& input, int& pos) const override;

 private:
  double minimum_;
  double maximum_;
};

// A numeric entry field that shows numbers in the plain format ("10", not
// "10.000") with the locale's decimal separator and holds them within its
// limits, in whichever unit it currently shows. textChanged fires both for
// typing and for setValue, as the change handlers expect.
class NumberField final : public QLineEdit {
  Q_OBJECT

 public:
  NumberField(double minimum, double maximum, QWidget* parent = nullptr);

  // The number in the field as typed, or nullopt while the text is no number
  // yet (empty, a lone separator). It can lie below the minimum while the
  // user is still typing.
  std::optional<double> value() const;
  // Writes a number in the plain format; one outside the limits is shown as
  // the nearer limit.
  void setValue(double number);

  // Puts an unfinished entry right, as leaving the field does: a number below
  // the minimum becomes the minimum, a text that is no number the last number.
  void finishEntry();
  // Fields whose owner marks a text without a number, and may read an empty
  // one as "the default", keep it when the entry is finished instead of
  // getting the last number back. Off by default.
  void setKeepTextWithoutNumber(bool keep) { keepTextWithoutNumber_ = keep; }

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  double minimum_;
  double maximum_;
  double lastNumber_;
  bool keepTextWithoutNumber_ = false;
};

// The decimal separator of the default locale as UTF-8, for the core's
// formats and parser.
std::string localeDecimalSeparator();
std::string localeGroupSeparator();

}  // namespace kalmo
