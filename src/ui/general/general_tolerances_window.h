#pragma once

#include <QColor>
#include <QWidget>
#include <optional>
#include <vector>

#include "general/general_tolerance.h"
#include "report/report_document.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace kalmo {

class Language;
class NumberField;
class ReportButtons;
class ResultSource;

// The background of the size's rows in the table.
inline const QColor kGeneralMarkedRow(255, 236, 160);

// The general tolerances window: the title block's designation (typed, or
// picked from the list of every class) and a size, then every general
// tolerance of ISO 2768 for that size with its range, and beside it the
// whole table of the classes with the size's rows marked. Copy puts both
// on the clipboard as text; print and PDF write them as a report.
// The size is placed exactly as typed; a text that is not a size, or a
// designation that cannot be read, shows no answer but the reason.
// Esc closes the window.
class GeneralTolerancesWindow final : public QWidget {
  Q_OBJECT

 public:
  // Starts with the size in mm, shown in the given unit (inches rounded to
  // the size field's 5 decimals), and the designation "ISO 2768-mK".
  GeneralTolerancesWindow(const Language& language, double startSizeMm, bool inch,
                          QWidget* parent = nullptr);
  // Starts with the size and unit of the source's result and follows its
  // language.
  explicit GeneralTolerancesWindow(const ResultSource& source, QWidget* parent = nullptr);

  // Writes every caption in the current language and answers anew.
  void applyLanguage();
  // Puts a designation or a size into its field and answers at once.
  void setDesignation(const QString& text);
  void setSizeText(const QString& text);
  // Ticks "Compare in the main window" with the designation, or clears the tick.
  void setCompared(const std::optional<GeneralDesignation>& designation);

  // The last answer; nullopt while the designation or the size cannot be read.
  const std::optional<GeneralAnswer>& answer() const { return answer_; }
  // What the window shows, for a report: the answer's kinds, ranges and
  // values under its heading, then the table of the designation's classes,
  // closed by the editions. No answer while the size is not a valid number
  // and no table while the designation cannot be read.
  std::vector<ReportSection> reportSections() const;
  // The window's own report: its sections under the header "General
  // tolerances", whose editions line names ISO 2768.
  ReportDocument reportDocument() const;

  QLabel* designationCaption;
  QComboBox* designation;  // editable: the field, with the list of classes as its picker
  QLabel* sizeCaption;
  NumberField* size;
  QLabel* unit;
  QLabel* heading;         // "ISO 2768-mK at 125 mm", or why there is no answer
  QTableWidget* answers;   // kind | range | value or reason
  QLabel* tableHeading;    // "Table of ISO 2768-mK"
  QTableWidget* standard;  // range | value, a heading row per kind
  QLabel* editions;
  ReportButtons* reportButtons;  // Copy, Print…, Save as PDF…
  QCheckBox* compareBox;  // the designation is compared with the fit under the main window's grid

 signals:
  // The ticked designation (nullopt: no tick, or text that names no class).
  void comparedClassChanged(std::optional<kalmo::GeneralDesignation> designation);

 private:
  void announceCompared();
  void recompute();
  void fillAnswers();
  // A row of the table of the designation's classes: a kind's heading, the
  // reason why a kind has no values, or a range with its value (marked: the
  // row the size falls in).
  struct TableRow {
    enum class Kind { Heading, Reason, Range };
    Kind kind = Kind::Range;
    QString first;
    QString second;
    bool marked = false;
  };
  std::vector<TableRow> tableRows() const;
  void fillStandard();

  const Language& language_;
  bool inch_;
  std::optional<GeneralDesignation> designation_;
  std::optional<GeneralAnswer> answer_;
};

}  // namespace kalmo
