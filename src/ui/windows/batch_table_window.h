#pragma once

#include <QWidget>
#include <string>

#include "storage/file_saving.h"

class QLabel;
class QPagedPaintDevice;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace kalmo {

class BatchTableModel;
class ResultSource;

// The batch table window: callouts typed or pasted one per line, and their
// limits table below, one row per line (a line that cannot be read keeps its
// row with the reason). The table sorts by a clicked column; it can be
// copied tab-separated, exported as CSV, printed or saved as PDF. Sizes are
// read in the unit of the result source, and read again when it changes; the
// texts follow its language.
class BatchTableWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit BatchTableWindow(const ResultSource& source, QWidget* parent = nullptr);

  // Reads the callouts again when the unit has changed; runs on every result.
  void refresh();
  // Writes every caption in the current language and reads the callouts
  // anew; runs on every change of language.
  void applyLanguage();

  // Puts text into the callout field and reads it at once.
  void setCallouts(const QString& text);

  // "Copy table": the table as the view sorts it, tab-separated.
  void copyTable();
  // The file "Export CSV…" writes: the limits CSV of the rows in the order
  // the view sorts them, UTF-8 with a byte order mark, so that a spreadsheet
  // opened by a double-click reads "Ø" as such.
  QByteArray csvFile() const;
  // "Export CSV…" without the dialog (saveFile: complete or not at all).
  SaveOutcome exportCsv(const QString& path) const;
  // The report on a device: the table as the view sorts it. Returns the page count.
  int writeReport(QPagedPaintDevice& device) const;

  const BatchTableModel& model() const { return *model_; }
  const QSortFilterProxyModel& sorted() const { return *sorted_; }

  QLabel* prompt;
  QPlainTextEdit* callouts;
  QTableView* table;
  QPushButton* copyButton;
  QPushButton* csvButton;
  QPushButton* printButton;
  QPushButton* pdfButton;

 private:
  void readCallouts();
  void exportCsvWithDialog();

  const ResultSource& source_;
  BatchTableModel* model_;
  QSortFilterProxyModel* sorted_;
  QTimer* readDelay_;
  bool inch_ = false;
};

}  // namespace kalmo
