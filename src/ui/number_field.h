#pragma once

#include <QLineEdit>
#include <optional>
#include <string>

#include "calc/tolerance_class.h"
#include "format/number_entry.h"

namespace kalmo {

struct LangTable;

// A numeric entry field (the nominal size, a design target). Every text may
// be typed or pasted; readEntry decides what it is, the same in every locale
// ("." and "," both decimal separators). Nothing the user did not type is
// computed:
// - a complete number within the limits is applied as it is typed;
// - a callout ("42 H7/f6", size field only) is applied on Enter or on
//   leaving: calloutApplied names its classes, the field then shows the size;
// - a number beyond a limit counts as typed (the views show "N") and on
//   Enter or leaving is held at the nearer limit, with a note;
// - any other text keeps the last applied number, marks the field (frame
//   and tooltip saying why) and on leaving gives the last applied text back,
//   with a note; Esc gives it back at any time;
// - an empty field has no number; on leaving it takes the last applied
//   number again, and "0" takes the minimum.
// textChanged fires both for typing and for setValue, as the change handlers
// expect.
class NumberField final : public QLineEdit {
  Q_OBJECT

 public:
  NumberField(double minimum, double maximum, QWidget* parent = nullptr);

  // The size field takes callouts and, in inch mode, "in" or '"' after the number.
  void setCallouts(bool callouts);
  void setInchMode(bool inchMode);
  // New limits in the unit the field shows; the text stays as it is.
  void setLimits(double minimum, double maximum);
  // Texts of the tooltips and notes; without a table the field only marks.
  void setLanguage(const LangTable* table);

  // The text read by the field's rules.
  EntryRead entry() const;
  // The number the views take now: the typed number (also one beyond a
  // limit), nullopt for an empty field or 0, the last applied number while
  // the text is incomplete or a callout not applied yet.
  std::optional<double> value() const;
  // The text of that number as the views name it: the digits as typed
  // ("42.50"; the plain format when a sign, unit or blank came with them),
  // or the last applied text.
  QString appliedText() const;
  // Writes a number in the plain format with the locale's separator; one
  // outside the limits is shown as the nearer limit. It becomes the applied value.
  void setValue(double number);

  // What Enter and leaving the field do (see above).
  void finishEntry();
  // What Esc does: the last applied text comes back.
  void restoreEntry();
  // Fields whose owner marks a text without a number, and may read an empty
  // one as "the default", keep it when the entry is finished instead of
  // getting the last number back; value() is then nullopt for any text that
  // is no number. Off by default.
  void setKeepTextWithoutNumber(bool keep) { keepTextWithoutNumber_ = keep; }

 signals:
  void calloutApplied(std::optional<kalmo::ToleranceClass> hole,
                      std::optional<kalmo::ToleranceClass> shaft);
  // A note for the window's note line: what finishing the entry changed.
  void noteRequested(const QString& note);

 protected:
  bool event(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showState();
  QString langText(TextId id) const;
  QString limitText(double limit) const;

  EntryRules rules_;
  double lastNumber_;
  QString lastText_;
  const LangTable* lang_ = nullptr;
  QString plainToolTip_;
  bool marked_ = false;
  bool keepTextWithoutNumber_ = false;
};

// The decimal separator of the default locale as UTF-8, for the core's
// formats and parser.
std::string localeDecimalSeparator();
std::string localeGroupSeparator();

}  // namespace kalmo
