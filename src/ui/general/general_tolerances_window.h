#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

#include "general/general_tolerance.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QTableWidget;

namespace kalmo {

class Language;
class NumberField;
class ResultSource;

// The background of the size's rows in the table, on screen and in the report.
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
  // The answer and the whole table as text, in the current language.
  QString reportText() const;
  void copyText() const;
  // The report as a rich text: header, the answer and the whole table.
  QString reportHtml() const;
  // The report on a device; returns the page count.
  int writeReport(QPagedPaintDevice& device) const;

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
  QPushButton* copyButton;
  QPushButton* printButton;
  QPushButton* pdfButton;
  QCheckBox* compareBox;  // the designation is compared with the fit under the main window's grid

 signals:
  // The ticked designation (nullopt: no tick, or text that names no class).
  void comparedClassChanged(std::optional<kalmo::GeneralDesignation> designation);

 private:
  void announceCompared();
  void recompute();
  void fillAnswers();
  void fillStandard(const std::optional<GeneralDesignation>& designation);

  const Language& language_;
  bool inch_;
  std::optional<GeneralDesignation> designation_;
  std::optional<GeneralAnswer> answer_;
};

}  // namespace kalmo
