#include <QLabel>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "report/report_printer.h"
#include "stack/stack_charts.h"
#include "stack/stack_text.h"
#include "stack/stack_window.h"
#include "stack/stack_window_internal.h"
#include "storage/language.h"
#include "widgets/number_field.h"

// The stack-up window's report: the chain, the results and the two charts,
// drawn by their widgets into the page so that they stay vector in a PDF.

namespace kalmo {

using stack_window_detail::qs;

namespace {

// A chart widget drawn at the picture's place and size: laid out at that
// size, painted, and given its own size back.
ReportPicture chartPicture(QWidget& chart, QSizeF size) {
  return {size, [&chart](QPainter& painter, const QRectF& place) {
            const QSize old = chart.size();
            chart.resize(place.size().toSize());
            painter.translate(place.topLeft());
            chart.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
            chart.resize(old);
          }};
}

}  // namespace

std::vector<ReportSection> StackWindow::reportSections() const {
  const Language& l = language_;
  if (!result_) return {{l.text(TextId::StackResults), {{status->text()}}}};
  const LangTable& lang = l.table();
  const StackTextOptions options{inch_, localeDecimalSeparator()};
  std::vector<ReportSection> sections;

  ReportSection chain{l.text(TextId::StackContributors), {}};
  QStringList headings;
  for (const std::string& h : stackContributorHeadings(lang)) headings << qs(h);
  chain.rows.push_back(headings);
  for (std::size_t i = 0; i < contributors_.size() && i < result_->contributors.size(); ++i) {
    QStringList cells;
    for (const std::string& c :
         stackContributorCells(lang, contributors_[i], result_->contributors[i], options)) {
      cells << qs(c);
    }
    chain.rows.push_back(cells);
  }
  sections.push_back(std::move(chain));

  // A line without a value heads the lines under it: a section of its own.
  sections.push_back({l.text(TextId::StackResults), {}});
  for (const StackLine& line : stackResultLines(lang, *result_, monteCarlo_, options)) {
    if (line.value.empty()) {
      sections.push_back({qs(line.caption), {}});
    } else {
      sections.back().rows.push_back({qs(line.caption), qs(line.value)});
    }
  }

  if (monteCarlo_) {
    sections.push_back({l.text(TextId::StackHistogramTitle),
                        {{l.text(TextId::StackLegend)}},
                        chartPicture(*histogram, {600, 220})});
  }
  const qreal barsHeight = std::max(60, static_cast<int>(contributors_.size()) * 22 + 8);
  sections.push_back({l.text(TextId::StackShares), {}, chartPicture(*shares, {600, barsHeight})});
  return sections;
}

ReportDocument StackWindow::reportDocument() const {
  ReportDocument document(reportHeader(language_, language_.text(TextId::StackUp), inch_));
  document.addSections(reportSections());
  return document;
}

}  // namespace kalmo
