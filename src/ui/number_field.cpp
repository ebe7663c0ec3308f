#include "number_field.h"

#include <QKeyEvent>
#include <QLocale>
#include <algorithm>

#include "format/number_format.h"
#include "lang/lang_table.h"

namespace kalmo {

std::string localeDecimalSeparator() {
  return QLocale().decimalPoint().toStdString();
}
std::string localeGroupSeparator() {
  return QLocale().groupSeparator().toStdString();
}

namespace {

// The frame of a field whose text is not applied.
constexpr auto kMarkedStyle = "QLineEdit { border: 2px solid #c00000; }";

// The text of a complete number as the views name it: the digits as typed
// ("42.50"), or, when blanks, a diameter sign or a unit came with them, the
// number in the plain format.
QString typedNumber(const QString& text, double number) {
  for (const QChar c : text) {
    if (!c.isDigit() && c != u'.' && c != u',' && c != u'-') {
      return QString::fromStdString(formatPlain(number, localeDecimalSeparator()));
    }
  }
  return text;
}

bool applied(EntryState state) {
  return state == EntryState::Number || state == EntryState::OutOfRange ||
         state == EntryState::Empty;
}

}  // namespace

NumberField::NumberField(double minimum, double maximum, QWidget* parent)
    : QLineEdit(parent), rules_{minimum, maximum, false, false}, lastNumber_(minimum) {
  setMaxLength(40);
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (const EntryRead read = entry(); read.state == EntryState::Number) {
      lastNumber_ = read.number;
      lastText_ = typedNumber(text(), read.number);
    }
    showState();
  });
}

void NumberField::setCallouts(bool callouts) {
  rules_.callouts = callouts;
  showState();
}

void NumberField::setInchMode(bool inchMode) {
  rules_.inchMode = inchMode;
  showState();
}

void NumberField::setLimits(double minimum, double maximum) {
  rules_.minimum = minimum;
  rules_.maximum = maximum;
  showState();
}

void NumberField::setLanguage(const LangTable* table) {
  lang_ = table;
  showState();
}

EntryRead NumberField::entry() const {
  return readEntry(text().toStdString(), rules_);
}

std::optional<double> NumberField::value() const {
  const EntryRead read = entry();
  switch (read.state) {
    case EntryState::Number:
    case EntryState::OutOfRange: return read.number;
    case EntryState::Empty: return std::nullopt;
    case EntryState::Callout: break;
    case EntryState::Incomplete:
      if (keepTextWithoutNumber_) return std::nullopt;
      break;
  }
  return lastNumber_;
}

QString NumberField::appliedText() const {
  const EntryRead read = entry();
  return applied(read.state) ? typedNumber(text(), read.number) : lastText_;
}

void NumberField::setValue(double number) {
  lastNumber_ = std::clamp(number, rules_.minimum, rules_.maximum);
  lastText_ = QString::fromStdString(formatPlain(lastNumber_, localeDecimalSeparator()));
  setText(lastText_);
}

void NumberField::finishEntry() {
  const EntryRead read = entry();
  if (keepTextWithoutNumber_ &&
      (read.state == EntryState::Empty || read.state == EntryState::Incomplete)) {
    return;
  }
  switch (read.state) {
    case EntryState::Number:
    case EntryState::Callout:
      // The size alone, in the locale's format ("Ø42,5 mm" -> "42.5").
      if (QString::fromStdString(formatPlain(read.number, localeDecimalSeparator())) != text()) {
        setValue(read.number);
      }
      break;
    case EntryState::OutOfRange:
      setValue(read.held);
      emit noteRequested(langText(TextId::EntryHeldAtLimit) + QStringLiteral(": ") +
                         limitText(read.held));
      break;
    case EntryState::Empty:
      // "0" takes the floor; an emptied field its last number.
      setValue(text().trimmed().isEmpty() ? lastNumber_ : read.held);
      break;
    case EntryState::Incomplete:
      restoreEntry();
      emit noteRequested(langText(TextId::EntryRestored));
      return;
  }
  if (read.hole || read.shaft) {
    emit calloutApplied(read.hole, read.shaft);
  }
}

void NumberField::restoreEntry() {
  if (lastText_.isEmpty()) {
    lastText_ = QString::fromStdString(formatPlain(lastNumber_, localeDecimalSeparator()));
  }
  setText(lastText_);
}

bool NumberField::event(QEvent* event) {
  // Ctrl+C without selected text belongs to the window (copy the result).
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !hasSelectedText()) {
    event->ignore();
    return true;
  }
  return QLineEdit::event(event);
}

void NumberField::focusOutEvent(QFocusEvent* event) {
  finishEntry();
  QLineEdit::focusOutEvent(event);
}

void NumberField::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      restoreEntry();
      event->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter: finishEntry(); break;
    default: break;
  }
  QLineEdit::keyPressEvent(event);
}

QString NumberField::langText(TextId id) const {
  return lang_ ? QString::fromStdString(GetLangString(*lang_, id)) : QString();
}

QString NumberField::limitText(double limit) const {
  return QString::fromStdString(formatPlain(limit, localeDecimalSeparator()));
}

void NumberField::showState() {
  const EntryRead read = entry();
  const bool mark = read.state == EntryState::Incomplete || read.state == EntryState::OutOfRange;
  if (!marked_) {
    plainToolTip_ = toolTip();
  }
  if (mark) {
    QString why = langText(entryProblemText(read.problem));
    if (read.state == EntryState::OutOfRange) {
      why += QStringLiteral(" (") + limitText(read.held) + QStringLiteral(")");
    }
    setToolTip(why);
    setStyleSheet(QString::fromLatin1(kMarkedStyle));
  } else if (marked_) {
    setToolTip(plainToolTip_);
    setStyleSheet(QString());
  }
  marked_ = mark;
  setProperty("entryMarked", mark);
}

}  // namespace kalmo
