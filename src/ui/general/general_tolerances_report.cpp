#include <QLabel>
#include <QTableWidget>

#include "general/general_tolerances_window.h"
#include "report/report_printer.h"
#include "storage/language.h"

// The general tolerances window's report: the two tables as the window shows
// them, for Copy, Print and Save as PDF.

namespace kalmo {

namespace {

QString cellText(const QTableWidget& table, int row, int column) {
  const QTableWidgetItem* item = table.item(row, column);
  return item ? item->text() : QString();
}

}  // namespace

std::vector<ReportSection> GeneralTolerancesWindow::reportSections() const {
  std::vector<ReportSection> sections;
  if (answer_) {
    // kind | range | value. A reason that spans range and value on the
    // screen follows its kind on a line of its own, as in the copied answer,
    // so that its length does not squeeze the ranges of the other rows.
    ReportSection s{heading->text(), {}};
    for (int r = 0; r < answers->rowCount(); ++r) {
      if (answers->columnSpan(r, 1) > 1) {
        s.rows.push_back(
            {cellText(*answers, r, 0) + QStringLiteral(": ") + cellText(*answers, r, 1)});
      } else {
        s.rows.push_back(
            {cellText(*answers, r, 0), cellText(*answers, r, 1), cellText(*answers, r, 2)});
      }
    }
    sections.push_back(std::move(s));
  }
  if (designation_) {
    // range | value under each kind's heading row, the ranges indented as in
    // the command line's table. A kind without values gives its reason beside
    // its heading; every row has two cells, so the columns line up.
    ReportSection s{tableHeading->text(), {}};
    for (const TableRow& row : tableRows()) {
      switch (row.kind) {
        case TableRow::Kind::Heading: s.rows.push_back({row.first, QString()}); break;
        case TableRow::Kind::Reason:
          s.rows.back()[1] = row.first;  // a reason follows its kind's heading
          break;
        case TableRow::Kind::Range:
          s.rows.push_back({QStringLiteral("  ") + row.first, row.second});
          break;
      }
    }
    s.rows.push_back({editions->text()});
    sections.push_back(std::move(s));
  }
  return sections;
}

ReportDocument GeneralTolerancesWindow::reportDocument() const {
  ReportHeader header = reportHeader(language_, language_.text(TextId::GeneralTolerances), inch_);
  // The values come from ISO 2768, not from the fits' standards.
  header.editions = language_.text(TextId::GeneralEditions);
  ReportDocument document(header);
  document.addSections(reportSections());
  return document;
}

}  // namespace kalmo
