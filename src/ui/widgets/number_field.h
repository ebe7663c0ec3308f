#pragma once

#include <QLineEdit>
#include <optional>
#include <string>

#include "calc/tolerance_class.h"
#include "format/number_entry.h"

namespace kalmo {

struct LangTable;

// A numeric entry field (the nominal size, a design target, an operating
// temperature). Every text may be typed or pasted; readEntry decides what it
// is, the same in every locale ("." and "," both decimal separators). Nothing
// the user did not type is computed, and nothing typed is replaced:
// - a complete number within the limits is applied as it is typed;
// - a callout ("42 H7/f6", size field only) gives its size as typed and is
//   applied on Enter or on leaving: calloutApplied names its classes, the
//   field then shows the size;
// - any other text (empty, no number, a bad class, a number beyond a limit,
//   a size of 0) has no value: the field is marked (frame, and a tooltip
//   naming the problem and the unit), Enter and leaving keep the text as
//   typed and send the problem as a note; Esc gives the last applied text
//   back;
// - the whole text is selected when the field gets the focus other than by
//   the mouse (Tab, a shortcut, its window opening or coming back);
// - Ctrl+U is left to the window (the unit switch): it never erases the text.
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
  // The unit the notes name with a number or a limit ("mm", "in", "°C");
  // none by default.
  void setUnit(const QString& unit);

  // The text read by the field's rules.
  EntryRead entry() const;
  // The number the views take now: the typed number within the limits (the
  // size of a callout too); nullopt for every text that is not one, however
  // much of it is a number ("12000", "0" as a size, "42 h7/g6", "").
  std::optional<double> value() const;
  // The text of that number as the views name it: the digits as typed
  // ("42.50"; the plain format when a sign, unit or blank came with them);
  // empty while value() is nullopt.
  QString appliedText() const;
  // What is wrong with the text, in the current language, with the unit:
  // "12000 mm is above the upper limit 10000 mm", "Shaft class q6: no such
  // letter (a to zc)"; empty while the field is not marked.
  QString problem() const;
  // Writes a number in the plain format with the locale's separator; one
  // outside the limits is shown as the nearer limit. It becomes the applied value.
  void setValue(double number);

  // What Enter and leaving the field do (see above): a valid entry is
  // applied; any other text stays and its problem is sent as a note.
  void finishEntry();
  // What Esc does: the last applied text comes back.
  void restoreEntry();
  // A field that must hold a number marks an empty text too ("enter a
  // number"), as it marks other text without one. Off by default.
  void setRequired(bool required);
  // true while the field is marked: its text is not a number within the
  // limits (or, when required, is empty). The tooltip says why.
  bool marked() const { return marked_; }

 signals:
  void calloutApplied(std::optional<kalmo::ToleranceClass> hole,
                      std::optional<kalmo::ToleranceClass> shaft);
  // A note for the window's note line: what is wrong with the text left in
  // the field on Enter or leaving (problem()).
  void noteRequested(const QString& note);

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showState();
  QString langText(TextId id) const;
  // A number in the plain format, with the field's unit when it has one.
  QString numberText(double number) const;

  EntryRules rules_;
  double lastNumber_;
  QString lastText_;
  const LangTable* lang_ = nullptr;
  QString unit_;
  QString plainToolTip_;
  bool marked_ = false;
  bool required_ = false;
};

// The decimal separator of the default locale as UTF-8, for the core's
// formats and parser.
std::string localeDecimalSeparator();
std::string localeGroupSeparator();

}  // namespace kalmo
