#include "widgets/number_field.h"

#include <QKeyEvent>
#include <QLocale>
#include <algorithm>

#include "format/callout_line.h"
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

bool valid(EntryState state) {
  return state == EntryState::Number || state == EntryState::Callout;
}

// Ctrl+U: the window's unit switch. A line edit takes it for "delete the
// line" on some platforms; in a number field it never erases the text.
bool isUnitSwitch(const QKeyEvent& key) {
  return key.key() == Qt::Key_U && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
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

void NumberField::setRequired(bool required) {
  required_ = required;
  showState();
}

void NumberField::setLanguage(const LangTable* table) {
  lang_ = table;
  showState();
}

EntryRead NumberField::entry() const {
  return readEntry(text().toStdString(), rules_);
}

void NumberField::setUnit(const QString& unit) {
  unit_ = unit;
  showState();
}

std::optional<double> NumberField::value() const {
  const EntryRead read = entry();
  return valid(read.state) ? std::optional(read.number) : std::nullopt;
}

QString NumberField::appliedText() const {
  const EntryRead read = entry();
  return valid(read.state) ? typedNumber(text(), read.number) : QString();
}

void NumberField::setValue(double number) {
  lastNumber_ = std::clamp(number, rules_.minimum, rules_.maximum);
  lastText_ = QString::fromStdString(formatPlain(lastNumber_, localeDecimalSeparator()));
  setText(lastText_);
}

void NumberField::finishEntry() {
  const EntryRead read = entry();
  if (!valid(read.state)) {
    // The text stays as typed, marked, until it is corrected or Esc.
    if (marked_) emit noteRequested(problem());
    return;
  }
  // The size alone, in the locale's format ("Ø42,5 mm" -> "42.5").
  if (QString::fromStdString(formatPlain(read.number, localeDecimalSeparator())) != text()) {
    setValue(read.number);
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

QString NumberField::problem() const {
  // Without a language table the field only marks.
  if (!marked_ || !lang_) return {};
  const EntryRead read = entry();
  const bool inUnit = !unit_.isEmpty();
  switch (read.state) {
    case EntryState::Number:
    case EntryState::Callout: return {};
    case EntryState::Empty:
      return inUnit ? langText(TextId::EnterNumberIn).arg(unit_) : langText(TextId::EnterNumber);
    case EntryState::OutOfRange:
      return langText(read.problem == EntryProblem::AboveMaximum ? TextId::EntryAboveLimit
                                                                 : TextId::EntryBelowLimit)
          .arg(numberText(read.number), numberText(read.held));
    case EntryState::Incomplete: break;
  }
  switch (read.problem) {
    case EntryProblem::NotANumber:
      return inUnit ? langText(TextId::EntryNotANumberIn).arg(unit_)
                    : langText(TextId::EnterNumber);
    case EntryProblem::BadDesignation:
    case EntryProblem::WrongUnit: {
      // The batch table's and kalmo-cli's words, begun as a sentence.
      QString reason = QString::fromStdString(calloutFailureText(read.failure, *lang_));
      if (!reason.isEmpty()) reason[0] = reason[0].toUpper();
      return reason;
    }
    default: return langText(entryProblemText(read.problem));
  }
}

bool NumberField::event(QEvent* event) {
  // Ctrl+C without selected text belongs to the window (copy the result), and
  // so does Ctrl+U (the unit switch).
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->matches(QKeySequence::Copy) && !hasSelectedText()) || isUnitSwitch(*key)) {
      event->ignore();
      return true;
    }
  }
  return QLineEdit::event(event);
}

void NumberField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Typing replaces the whole entry unless the mouse placed the cursor (or a
  // context menu or popup closed over a selection of the user's).
  switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason: break;
    default: selectAll(); break;
  }
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
    default:
      // Without a window shortcut for it (another window), Ctrl+U does nothing.
      if (isUnitSwitch(*event)) {
        event->ignore();
        return;
      }
      break;
  }
  QLineEdit::keyPressEvent(event);
}

QString NumberField::langText(TextId id) const {
  return lang_ ? QString::fromStdString(GetLangString(*lang_, id)) : QString();
}

QString NumberField::numberText(double number) const {
  const QString plain = QString::fromStdString(formatPlain(number, localeDecimalSeparator()));
  return unit_.isEmpty() ? plain : plain + u' ' + unit_;
}

void NumberField::showState() {
  const EntryRead read = entry();
  const bool mark = !valid(read.state) && (read.state != EntryState::Empty || required_);
  if (!marked_) {
    plainToolTip_ = toolTip();
  }
  marked_ = mark;
  if (mark) {
    setToolTip(problem());
    setStyleSheet(QString::fromLatin1(kMarkedStyle));
  } else if (styleSheet().size() > 0) {
    setToolTip(plainToolTip_);
    setStyleSheet(QString());
  }
  setProperty("entryMarked", mark);
}

}  // namespace kalmo
