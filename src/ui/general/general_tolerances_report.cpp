#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QTableWidget>
#include <QTextDocument>

#include "format/number_format.h"
#include "general/general_text.h"
#include "general/general_tolerances_window.h"
#include "report/report_printer.h"
#include "storage/language.h"
#include "widgets/app_images.h"
#include "widgets/number_field.h"

// The general tolerances window's report: the answer and the whole table as
// text for the clipboard, and as rich text for print and PDF.

namespace kalmo {

namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

QString htmlRow(const QStringList& cells, const QString& style = QString()) {
  QString row =
      style.isEmpty() ? QStringLiteral("<tr>") : QStringLiteral("<tr style=\"%1\">").arg(style);
  for (const QString& c : cells) row += QStringLiteral("<td>%1</td>").arg(c.toHtmlEscaped());
  return row + QStringLiteral("</tr>");
}

}  // namespace

QString GeneralTolerancesWindow::reportText() const {
  const LangTable& lang = language_.table();
  const GeneralTextOptions options{inch_, localeDecimalSeparator()};
  QString text;
  if (answer_) text += qs(generalAnswerText(lang, *answer_, options)) + u'\n';
  if (designation_) text += qs(generalTableText(lang, *designation_, options));
  return text;
}

void GeneralTolerancesWindow::copyText() const {
  QApplication::clipboard()->setText(reportText());
}

QString GeneralTolerancesWindow::reportHtml() const {
  const Language& l = language_;
  ReportHeader header = reportHeader(l, l.text(TextId::GeneralTolerances), inch_);
  header.editions = l.text(TextId::GeneralEditions);
  QString html = QStringLiteral("<p style=\"font-size:8pt\">%1</p><h3>%2</h3><p>%3</p>")
                     .arg(header.program.toHtmlEscaped(), header.title.toHtmlEscaped(),
                          QStringList{header.version, header.date, header.unit, header.editions}
                              .join(QStringLiteral(" \u00B7 "))
                              .toHtmlEscaped());
  const auto tableOf = [](const QTableWidget& t) {
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    QStringList headings;
    for (int c = 0; c < t.columnCount(); ++c) {
      headings << t.horizontalHeaderItem(c)->text();
    }
    out += htmlRow(headings, QStringLiteral("font-weight:bold; background:#e2e8f4"));
    for (int r = 0; r < t.rowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < t.columnCount(); ++c) {
        if (t.columnSpan(r, 0) > 1 && c > 0) break;
        cells << (t.item(r, c) ? t.item(r, c)->text() : QString());
      }
      const QTableWidgetItem* first = t.item(r, 0);
      QString style;
      if (first && first->background().color() == kGeneralMarkedRow) {
        style = QStringLiteral("font-weight:bold; background:#ffeca0");
      }
      QString row = htmlRow(cells, style);
      if (cells.size() == 1) {
        row.replace(QStringLiteral("<td>"),
                    QStringLiteral("<td colspan=\"%1\"><b>").arg(t.columnCount()));
        row.replace(QStringLiteral("</td>"), QStringLiteral("</b></td>"));
      }
      out += row;
    }
    return out + QStringLiteral("</table>");
  };
  html += QStringLiteral("<h4>%1</h4>").arg(heading->text().toHtmlEscaped());
  if (answer_) html += tableOf(*answers);
  if (designation_) {
    html += QStringLiteral("<h4>%1</h4>").arg(tableHeading->text().toHtmlEscaped()) +
            tableOf(*standard);
  }
  return html;
}

int GeneralTolerancesWindow::writeReport(QPagedPaintDevice& device) const {
  QTextDocument document;
  document.setDefaultFont(windowFont());
  document.setHtml(reportHtml());
  document.setPageSize(device.pageLayout().paintRectPoints().size());
  document.print(&device);
  return document.pageCount();
}

}  // namespace kalmo
