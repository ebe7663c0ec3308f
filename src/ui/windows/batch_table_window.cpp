#include "windows/batch_table_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "format/csv.h"
#include "help/help_command.h"
#include "models/batch_table_model.h"
#include "models/result_source.h"
#include "report/report_printer.h"
#include "storage/language.h"
#include "widgets/app_images.h"
#include "widgets/number_field.h"
#include "widgets/on_screen.h"

namespace kalmo {

namespace {

// Typing re-reads the lines after a short pause rather than on every key.
constexpr int kReadDelayMs = 250;

QPushButton* button(QWidget* parent, const char* name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

}  // namespace

BatchTableWindow::BatchTableWindow(const ResultSource& source, QWidget* parent)
    : QWidget(parent, Qt::Window),
      prompt(new QLabel(this)),
      callouts(new QPlainTextEdit(this)),
      table(new QTableView(this)),
      copyButton(button(this, "copyTableButton")),
      csvButton(button(this, "exportCsvButton")),
      printButton(button(this, "printTableButton")),
      pdfButton(button(this, "tablePdfButton")),
      source_(source),
      model_(new BatchTableModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      readDelay_(new QTimer(this)) {
  setObjectName(QStringLiteral("batchTableWindow"));
  setWindowIcon(icon(Image::Application));
  prompt->setObjectName(QStringLiteral("calloutsPrompt"));
  callouts->setObjectName(QStringLiteral("callouts"));
  callouts->setMaximumHeight(130);
  table->setObjectName(QStringLiteral("limitsTable"));

  sorted_->setSourceModel(model_);
  sorted_->setSortRole(BatchTableModel::SortRole);
  table->setModel(sorted_);
  table->setSortingEnabled(true);
  // Input order until a heading is clicked.
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  table->verticalHeader()->setDefaultSectionSize(18);
  table->setAlternatingRowColors(true);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copyButton);
  buttons->addWidget(csvButton);
  buttons->addStretch(1);
  buttons->addWidget(printButton);
  buttons->addWidget(pdfButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(callouts);
  layout->addWidget(table, 1);
  layout->addLayout(buttons);
  // As large as the table wants, no larger than the screen; beside the main window.
  makeChildWindow(*this, [] { return QSize(1000, 520); });

  readDelay_->setSingleShot(true);
  readDelay_->setInterval(kReadDelayMs);
  connect(readDelay_, &QTimer::timeout, this, [this] { readCallouts(); });
  connect(callouts, &QPlainTextEdit::textChanged, readDelay_, qOverload<>(&QTimer::start));
  connect(copyButton, &QPushButton::clicked, this, &BatchTableWindow::copyTable);
  connect(csvButton, &QPushButton::clicked, this, &BatchTableWindow::exportCsvWithDialog);
  connectPrintButtons(*this, *printButton, *pdfButton, source_.language(), QPageLayout::Landscape,
                      [this](QPagedPaintDevice& device) { return writeReport(device); });
  addHelpKey(*this, HelpTopic::BatchTable,
             [this] { return languageNumber(source_.language().code()); });
  inch_ = source_.view().inputs.inch;
  applyLanguage();
  connect(&source_, &ResultSource::resultChanged, this, &BatchTableWindow::refresh);
  connect(&source_, &ResultSource::languageChanged, this, &BatchTableWindow::applyLanguage);
}

void BatchTableWindow::readCallouts() {
  readDelay_->stop();
  inch_ = source_.view().inputs.inch;
  model_->setInput(callouts->toPlainText(), inch_, source_.language().table(),
                   localeDecimalSeparator());
  table->resizeColumnsToContents();
}

void BatchTableWindow::setCallouts(const QString& text) {
  callouts->setPlainText(text);
  readCallouts();
}

void BatchTableWindow::refresh() {
  if (source_.view().inputs.inch != inch_) readCallouts();
}

void BatchTableWindow::applyLanguage() {
  const Language& lang = source_.language();
  setWindowTitle(lang.text(TextId::BatchTable));
  prompt->setText(lang.text(TextId::CalloutsPrompt));
  callouts->setAccessibleName(lang.text(TextId::Callout));
  callouts->setAccessibleDescription(lang.text(TextId::CalloutsPrompt));
  table->setAccessibleName(lang.text(TextId::LimitsTableTitle));
  table->setAccessibleDescription(lang.text(TextId::BatchTableHelp));
  copyButton->setAccessibleDescription(lang.text(TextId::CopyTableHelp));
  csvButton->setAccessibleDescription(lang.text(TextId::ExportCsvHelp));
  printButton->setAccessibleDescription(lang.text(TextId::PrintTableHelp));
  pdfButton->setAccessibleDescription(lang.text(TextId::TablePdfHelp));
  copyButton->setText(lang.text(TextId::CopyTable));
  csvButton->setText(lang.text(TextId::ExportCsv));
  printButton->setText(lang.text(TextId::Print));
  pdfButton->setText(lang.text(TextId::SaveAsPdf));
  readCallouts();
}

void BatchTableWindow::copyTable() {
  QApplication::clipboard()->setText(tabSeparatedText(*sorted_));
}

QByteArray BatchTableWindow::csvFile() const {
  std::string csv = "\xEF\xBB\xBF" + csvRecord(limitsCsvHeader());
  for (int r = 0; r < sorted_->rowCount(); ++r) {
    const int row = sorted_->mapToSource(sorted_->index(r, 0)).row();
    csv += csvRecord(
        limitsCsvFields(model_->rows()[static_cast<std::size_t>(row)], model_->inchMode()));
  }
  return QByteArray::fromStdString(csv);
}

SaveOutcome BatchTableWindow::exportCsv(const QString& path) const {
  return saveFile(path, csvFile());
}

void BatchTableWindow::exportCsvWithDialog() {
  const Language& lang = source_.language();
  const QString path = askSaveFileName(this, lang.text(TextId::ExportCsv).remove(QChar(0x2026)),
                                       lang.text(TextId::CsvFiles), QStringLiteral("csv"), lang);
  if (!path.isEmpty()) saveFileReporting(this, lang, path, csvFile());
}

int BatchTableWindow::writeReport(QPagedPaintDevice& device) const {
  const Language& lang = source_.language();
  return printTable(device, *sorted_,
                    reportHeader(lang, lang.text(TextId::LimitsTableTitle), model_->inchMode()));
}

}  // namespace kalmo
