#pragma once

#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "report/report_printer.h"

class QPainter;
class QPagedPaintDevice;

namespace kalmo {

// One part of a report: a heading and its rows. A row of one cell is a line
// of text, wrapped at the page width; a row of several cells is a table row,
// its columns as wide as the section's widest cell in each (narrowed to the
// page when they are wider). Rows never break across pages.
// A picture under a section's rows, drawn by its owner into the rectangle it
// gets on the page (device units of 1/96 inch), so that a chart stays vector
// in a PDF. It takes its size, narrowed with its proportions to the page width,
// and is never split across pages.
struct ReportPicture {
  QSizeF size;
  std::function<void(QPainter&, const QRectF&)> draw;
};

struct ReportSection {
  QString heading;
  std::vector<QStringList> rows;
  std::optional<ReportPicture> picture = {};  // under the rows; no text of its own
};

// The section as plain text for the clipboard: the heading, then one line
// per row with its cells separated by tabs.
QString sectionText(const ReportSection& section);

// Where each page's content comes from: on a page of sections, runs of rows
// of one section, each run with the section's heading when it starts there.
struct ReportRun {
  int section = 0;
  int firstRow = 0;
  int endRow = 0;  // one past the last row of the run
  bool withHeading = true;
  bool withPicture = false;  // the section's picture follows the rows
};
struct ReportPage {
  bool leadingPage = false;  // the page drawn by the document's leading-page drawer
  std::vector<ReportRun> runs;
};

// A report of sections under the common page header ("Page n of m" on each
// page), optionally after a leading page drawn whole by its owner (the main
// window's fit). The one code path for the windows' printed and saved
// reports: print() is a ReportWriter, pageImage() draws a page for a look at
// it on the screen.
class ReportDocument {
 public:
  // Draws the leading page's content below the header, starting at top.
  using PageDrawer = std::function<void(QPainter&, const QRectF& area, qreal top)>;

  explicit ReportDocument(ReportHeader header,
                          QPageLayout::Orientation orientation = QPageLayout::Portrait);

  void setLeadingPage(PageDrawer draw) { leading_ = std::move(draw); }
  void addSection(ReportSection section);
  void addSections(std::vector<ReportSection> sections);

  const ReportHeader& header() const { return header_; }
  const std::vector<ReportSection>& sections() const { return sections_; }
  QPageLayout::Orientation orientation() const { return orientation_; }

  // The pages on an A4 sheet of the document's orientation, or within area
  // (device units of 1/96 inch). At least one page.
  std::vector<ReportPage> paginate() const;
  std::vector<ReportPage> paginate(const QRectF& area) const;
  // The headings that start or continue on each page, in order.
  std::vector<QStringList> headingsByPage() const;

  // Draws every page on the device; returns the page count (0 when the
  // device cannot be painted on).
  int print(QPagedPaintDevice& device) const;
  // Page index (from 0) drawn white on an A4 image at 96 dpi.
  QImage pageImage(int page) const;
  // The header's title and title lines, then every section, as plain text.
  QString text() const;

 private:
  void drawPage(QPainter& painter, const QRectF& area, const std::vector<ReportPage>& pages,
                int index) const;

  ReportHeader header_;
  QPageLayout::Orientation orientation_;
  PageDrawer leading_;
  std::vector<ReportSection> sections_;
};

// The document's Print… and Save as PDF… with their dialogs.
void printDocumentWithDialog(QWidget* parent, const ReportDocument& document);
void saveDocumentPdfWithDialog(QWidget* parent, const Language& language,
                               const ReportDocument& document);

}  // namespace kalmo
