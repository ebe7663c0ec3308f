#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "report/report_printer.h"
#include "stack/stack_charts.h"
#include "stack/stack_text.h"
#include "stack/stack_window.h"
#include "stack/stack_window_internal.h"
#include "storage/language.h"
#include "widgets/app_images.h"
#include "widgets/number_field.h"

// The stack-up window's report: the text to copy, and the page with the
// charts' pictures to print or save as PDF.

namespace kalmo {

using stack_window_detail::qs;

namespace {

QString htmlRow(const QStringList& cells, bool heading = false) {
  QString row = heading ? QStringLiteral("<tr style=\"font-weight:bold; background:#e2e8f4\">")
                        : QStringLiteral("<tr>");
  for (const QString& c : cells) row += QStringLiteral("<td>%1</td>").arg(c.toHtmlEscaped());
  return row + QStringLiteral("</tr>");
}

QImage picture(QWidget& widget, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QSize old = widget.size();
  widget.resize(size);
  widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  widget.resize(old);
  return image;
}

}  // namespace

QString StackWindow::reportText() const {
  if (!result_) return status->text() + u'\n';
  return qs(stackReportText(language_.table(), contributors_, *result_, monteCarlo_,
                            {inch_, localeDecimalSeparator()}));
}

void StackWindow::copyText() const {
  QApplication::clipboard()->setText(reportText());
}

QString StackWindow::reportHtml() const {
  const Language& l = language_;
  const ReportHeader header = reportHeader(l, l.text(TextId::StackUp), inch_);
  QString html = QStringLiteral("<p style=\"font-size:8pt\">%1</p><h3>%2</h3><p>%3</p>")
                     .arg(header.program.toHtmlEscaped(), header.title.toHtmlEscaped(),
                          QStringList{header.version, header.date, header.unit}
                              .join(QStringLiteral(" \u00B7 "))
                              .toHtmlEscaped());
  if (!result_) return html + QStringLiteral("<p>%1</p>").arg(status->text().toHtmlEscaped());
  const LangTable& lang = l.table();
  const StackTextOptions options{inch_, localeDecimalSeparator()};
  html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
  QStringList headings;
  for (const std::string& h : stackContributorHeadings(lang)) headings << qs(h);
  html += htmlRow(headings, true);
  for (std::size_t i = 0; i < contributors_.size() && i < result_->contributors.size(); ++i) {
    QStringList cells;
    for (const std::string& c :
         stackContributorCells(lang, contributors_[i], result_->contributors[i], options)) {
      cells << qs(c);
    }
    html += htmlRow(cells);
  }
  html += QStringLiteral("</table><br><table cellspacing=\"0\" cellpadding=\"2\">");
  for (const StackLine& line : stackResultLines(lang, *result_, monteCarlo_, options)) {
    html += line.value.empty() ? QStringLiteral("<tr><td colspan=\"2\"><b>%1</b></td></tr>")
                                     .arg(qs(line.caption).toHtmlEscaped())
                               : htmlRow({qs(line.caption), qs(line.value)});
  }
  html += QStringLiteral("</table>");
  if (monteCarlo_) {
    html += QStringLiteral("<p><b>%1</b><br><img src=\"stack:histogram\"><br>%2</p>")
                .arg(l.text(TextId::StackHistogramTitle).toHtmlEscaped(),
                     l.text(TextId::StackLegend).toHtmlEscaped());
  }
  html += QStringLiteral("<p><b>%1</b><br><img src=\"stack:shares\"></p>")
              .arg(l.text(TextId::StackShares).toHtmlEscaped());
  return html;
}

void StackWindow::fillReport(QTextDocument& document) const {
  document.setDefaultFont(windowFont());
  document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("stack:histogram")),
                       picture(*histogram, {600, 220}));
  document.addResource(
      QTextDocument::ImageResource, QUrl(QStringLiteral("stack:shares")),
      picture(*shares, {600, std::max(60, static_cast<int>(contributors_.size()) * 22 + 8)}));
  document.setHtml(reportHtml());
}

int StackWindow::writeReport(QPagedPaintDevice& device) const {
  QTextDocument document;
  fillReport(document);
  document.setPageSize(device.pageLayout().paintRectPoints().size());
  document.print(&device);
  return document.pageCount();
}

}  // namespace kalmo
