#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "report/report_document.h"
#include "stack/monte_carlo.h"
#include "stack/stack_chain.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;
class QThread;
class QTimer;

namespace kalmo {

class Language;
class NumberField;
class ReportButtons;
class ResultSource;
class StackHistogram;
class StackShareChart;
class StackTableModel;

// The tolerance stack-up window: the chain's contributors in an editable
// table (add, remove, reorder; a completer of classes for the tolerance),
// the limits of the closing dimension and the Monte Carlo's samples and
// seed; below, the results, the Monte Carlo histogram with the worst case,
// mean ± 3 sigma and the limits marked, and the contributors' shares of the
// variance. The chain opens from and saves to the CSV of kalmo-cli stack.
// Every edit answers at once: worst case and statistics on the spot, the
// Monte Carlo in a thread of its own with a progress bar (a run still going
// is dropped when the chain changes). A cell that gives no contributor, or a
// limit field that holds no number, shows no result. Esc closes the window.
class StackWindow final : public QWidget {
  Q_OBJECT

 public:
  StackWindow(const Language& language, bool inch, QWidget* parent = nullptr);
  // Opened from the main window: in its unit, following its language.
  explicit StackWindow(const ResultSource& source, QWidget* parent = nullptr);
  ~StackWindow() override;

  void applyLanguage();
  // The chain of a CSV text, as the file would give it; false (and nothing
  // changed) when the text is no chain, with the reason in `error`.
  bool loadCsv(const QByteArray& bytes, QString* error = nullptr);
  QByteArray csvBytes() const;

  // The last analytic result; nullopt while any contributor is not valid.
  const std::optional<StackResult>& result() const { return result_; }
  // The last Monte Carlo; nullopt while it runs or without one.
  const std::optional<MonteCarloResult>& monteCarlo() const { return monteCarlo_; }
  bool monteCarloRunning() const { return job_ != nullptr; }

  // The report: the chain, the results and the charts; while there is no
  // result, only the reason.
  std::vector<ReportSection> reportSections() const;
  ReportDocument reportDocument() const;

  StackTableModel* model;
  QTableView* table;
  QPushButton* addButton;
  QPushButton* removeButton;
  QPushButton* upButton;
  QPushButton* downButton;
  QPushButton* openButton;
  QPushButton* saveButton;
  QLabel* lslCaption;
  NumberField* lsl;
  QLabel* uslCaption;
  NumberField* usl;
  QLabel* samplesCaption;
  NumberField* samples;
  QLabel* seedCaption;
  NumberField* seed;
  QProgressBar* progress;
  QLabel* status;  // why there is no result
  QTableWidget* results;
  QLabel* histogramCaption;
  StackHistogram* histogram;
  QLabel* sharesCaption;
  StackShareChart* shares;
  ReportButtons* reportButtons;  // Copy, Print…, Save as PDF…

 private:
  struct Job;
  void recompute();
  void showResults();
  void startMonteCarlo(std::vector<StackLink> links, SpecLimits limits, MonteCarloOptions options);
  void stopMonteCarlo();
  void openFile();
  void saveFile();
  void moveSelected(int step);

  const Language& language_;
  bool inch_;
  std::vector<StackContributor> contributors_;  // of the last result
  SpecLimits limits_;                           // of the last result, mm
  std::optional<StackResult> result_;
  std::optional<MonteCarloResult> monteCarlo_;
  std::shared_ptr<Job> job_;
  std::vector<QThread*> threads_;  // runs not yet finished, also dropped ones
  QTimer* progressTimer_;
};

}  // namespace kalmo
