#include "report/report_document.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "storage/language.h"

namespace kalmo {

namespace {

// Type sizes, points: the section headings, the text and table rows.
constexpr qreal kHeadingPoints = 11;
constexpr qreal kTextPoints = 10;
// Space above a heading and under it, and between table cells, device units.
constexpr qreal kHeadingSpace = 10;
constexpr qreal kCellGap = 12;

qreal headingHeight() {
  return QFontMetricsF(reportFont(kHeadingPoints, true)).height() + 4;
}

qreal footerHeight() {
  return QFontMetricsF(reportFont(8)).height() + 6;
}

// A section's rows laid out at a width: the column widths of each table row
// (empty for a line of text) and each row's height.
struct SectionLayout {
  std::vector<std::vector<qreal>> widths;
  std::vector<qreal> heights;
};

// Consecutive rows with the same number of cells form one table. Each column
// takes the width of its widest cell, the last one what is left of the page;
// when that is too little, every column keeps at least its widest word and
// the rest of the page is shared in proportion to what each lacks. Cells
// wrap at word boundaries, so no number is ever cut.
SectionLayout layoutSection(const ReportSection& section, qreal available) {
  const QFontMetricsF metrics(reportFont(kTextPoints));
  SectionLayout layout;
  const std::size_t count = section.rows.size();
  layout.widths.resize(count);
  layout.heights.resize(count);
  for (std::size_t first = 0; first < count;) {
    const qsizetype cells = section.rows[first].size();
    std::size_t end = first + 1;
    while (end < count && section.rows[end].size() == cells) ++end;
    if (cells >= 2) {
      std::vector<qreal> natural(static_cast<std::size_t>(cells), 0);
      std::vector<qreal> least(static_cast<std::size_t>(cells), 0);
      for (std::size_t r = first; r < end; ++r) {
        for (qsizetype c = 0; c < cells; ++c) {
          const QString& text = section.rows[r][c];
          auto& n = natural[static_cast<std::size_t>(c)];
          n = std::max(n, metrics.horizontalAdvance(text) + kCellGap);
          for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
            auto& l = least[static_cast<std::size_t>(c)];
            l = std::max(l, metrics.horizontalAdvance(word) + kCellGap);
          }
        }
      }
      qreal total = 0;
      qreal lowest = 0;
      for (std::size_t c = 0; c < natural.size(); ++c) {
        total += natural[c];
        lowest += least[c];
      }
      std::vector<qreal> widths = natural;
      if (total > available && total > lowest) {
        const qreal share = std::max<qreal>(0, (available - lowest) / (total - lowest));
        for (std::size_t c = 0; c < widths.size(); ++c) {
          widths[c] = least[c] + (natural[c] - least[c]) * share;
        }
      }
      qreal leading = 0;
      for (std::size_t c = 0; c + 1 < widths.size(); ++c) leading += widths[c];
      widths.back() = std::max(widths.back(), available - leading);
      for (std::size_t r = first; r < end; ++r) layout.widths[r] = widths;
    }
    for (std::size_t r = first; r < end; ++r) {
      qreal h = metrics.height();
      const QStringList& row = section.rows[r];
      for (qsizetype c = 0; c < std::max<qsizetype>(row.size(), 1); ++c) {
        const qreal w =
            cells >= 2 ? layout.widths[r][static_cast<std::size_t>(c)] - kCellGap / 2 : available;
        const QString text = row.isEmpty() ? QString() : row[c];
        h = std::max(
            h, metrics.boundingRect(QRectF(0, 0, w, 1e6), Qt::AlignLeft | Qt::TextWordWrap, text)
                   .height());
      }
      layout.heights[r] = h + 2;
    }
    first = end;
  }
  return layout;
}

// A picture's size on a page of the given width: its own, or narrowed to
// the width with its proportions.
QSizeF pictureSize(const ReportPicture& picture, qreal available) {
  const QSizeF own = picture.size;
  if (own.width() <= available || own.width() <= 0) return own;
  return own * (available / own.width());
}

// The header's height on a page of the area, measured by drawing it on a
// picture-less image of the page's width.
qreal headerHeight(const ReportHeader& header, const QRectF& area) {
  QImage scratch(1, 1, QImage::Format_ARGB32);
  scratch.setDotsPerMeterX(3780);  // 96 dpi
  scratch.setDotsPerMeterY(3780);
  QPainter painter(&scratch);
  return drawReportHeader(painter, area, header);
}

}  // namespace

QString sectionText(const ReportSection& section) {
  QString text = section.heading + u'\n';
  for (const QStringList& row : section.rows) text += row.join(u'\t') + u'\n';
  return text;
}

ReportDocument::ReportDocument(ReportHeader header, QPageLayout::Orientation orientation)
    : header_(std::move(header)), orientation_(orientation) {}

void ReportDocument::addSection(ReportSection section) {
  sections_.push_back(std::move(section));
}

void ReportDocument::addSections(std::vector<ReportSection> sections) {
  for (ReportSection& s : sections) sections_.push_back(std::move(s));
}

std::vector<ReportPage> ReportDocument::paginate() const {
  return paginate(a4PageArea(orientation_));
}

std::vector<ReportPage> ReportDocument::paginate(const QRectF& area) const {
  std::vector<ReportPage> pages;
  if (leading_) pages.push_back({true, {}});
  const qreal top = area.top() + headerHeight(header_, area);
  const qreal bottom = area.bottom() - footerHeight();
  qreal y = top;
  const auto newPage = [&] {
    pages.push_back({});
    y = top;
  };
  if (!sections_.empty()) newPage();
  for (std::size_t s = 0; s < sections_.size(); ++s) {
    const ReportSection& section = sections_[s];
    const int section_ = static_cast<int>(s);
    const SectionLayout layout = layoutSection(section, area.width());
    const qreal pictureHeight =
        section.picture ? pictureSize(*section.picture, area.width()).height() + kHeadingSpace / 2
                        : 0;
    // What a heading stays with: its first row, or the picture of a section without rows.
    const qreal firstRow = section.rows.empty() ? pictureHeight : layout.heights.front();
    // A heading stays with its first row.
    if (y > top && y + kHeadingSpace + headingHeight() + firstRow > bottom) newPage();
    if (y > top) y += kHeadingSpace;
    y += headingHeight();
    pages.back().runs.push_back({section_, 0, 0, true});
    for (std::size_t r = 0; r < section.rows.size(); ++r) {
      const qreal h = layout.heights[r];
      if (y + h > bottom && pages.back().runs.back().endRow > pages.back().runs.back().firstRow) {
        newPage();
        pages.back().runs.push_back({section_, static_cast<int>(r), static_cast<int>(r), false});
      }
      y += h;
      pages.back().runs.back().endRow = static_cast<int>(r) + 1;
    }
    if (section.picture) {
      // Under rows it may need a page of its own, continuing the section.
      const ReportRun& last = pages.back().runs.back();
      if (y + pictureHeight > bottom && last.endRow > last.firstRow) {
        newPage();
        const int end = static_cast<int>(section.rows.size());
        pages.back().runs.push_back({section_, end, end, false});
      }
      y += pictureHeight;
      pages.back().runs.back().withPicture = true;
    }
  }
  if (pages.empty()) pages.push_back({});
  return pages;
}

std::vector<QStringList> ReportDocument::headingsByPage() const {
  std::vector<QStringList> out;
  for (const ReportPage& page : paginate()) {
    QStringList headings;
    for (const ReportRun& run : page.runs) {
      headings << sections_[static_cast<std::size_t>(run.section)].heading;
    }
    out.push_back(headings);
  }
  return out;
}

void ReportDocument::drawPage(QPainter& painter, const QRectF& area,
                              const std::vector<ReportPage>& pages, int index) const {
  const ReportPage& page = pages[static_cast<std::size_t>(index)];
  painter.setPen(Qt::black);
  const qreal top = drawReportHeader(painter, area, header_);
  if (page.leadingPage) {
    leading_(painter, area, top);
  }
  qreal y = area.top() + top;
  const QFont text = reportFont(kTextPoints);
  const QFont heading = reportFont(kHeadingPoints, true);
  for (const ReportRun& run : page.runs) {
    const ReportSection& section = sections_[static_cast<std::size_t>(run.section)];
    if (y > area.top() + top) y += kHeadingSpace;
    painter.setFont(heading);
    const QString title =
        run.withHeading ? section.heading : section.heading + QStringLiteral(" (…)");
    painter.drawText(QRectF(area.left(), y, area.width(), headingHeight()),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    y += headingHeight();
    painter.setFont(text);
    const SectionLayout layout = layoutSection(section, area.width());
    for (int r = run.firstRow; r < run.endRow; ++r) {
      const auto at = static_cast<std::size_t>(r);
      const QStringList& row = section.rows[at];
      const qreal h = layout.heights[at];
      if (row.size() >= 2) {
        qreal x = area.left();
        for (qsizetype c = 0; c < row.size(); ++c) {
          const qreal w = layout.widths[at][static_cast<std::size_t>(c)];
          painter.drawText(QRectF(x, y, w - kCellGap / 2, h), Qt::AlignLeft | Qt::TextWordWrap,
                           row[c]);
          x += w;
        }
      } else {
        painter.drawText(QRectF(area.left(), y, area.width(), h), Qt::AlignLeft | Qt::TextWordWrap,
                         row.isEmpty() ? QString() : row[0]);
      }
      y += h;
    }
    if (run.withPicture && section.picture && section.picture->draw) {
      const QSizeF size = pictureSize(*section.picture, area.width());
      y += kHeadingSpace / 2;
      painter.save();
      section.picture->draw(painter, QRectF(QPointF(area.left(), y), size));
      painter.restore();
      y += size.height();
    }
  }
  drawReportFooter(painter, area, header_, index + 1, static_cast<int>(pages.size()));
}

int ReportDocument::print(QPagedPaintDevice& device) const {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const QRectF area = reportPageArea(device);
  const std::vector<ReportPage> pages = paginate(area);
  for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
    if (i > 0) device.newPage();
    drawPage(painter, area, pages, i);
  }
  return static_cast<int>(pages.size());
}

QImage ReportDocument::pageImage(int page) const {
  const QRectF area = a4PageArea(orientation_);
  const std::vector<ReportPage> pages = paginate(area);
  if (page < 0 || page >= static_cast<int>(pages.size())) return {};
  // The page with its margins of 15 mm (57 units at 96 dpi).
  constexpr int kMargin = 57;
  QImage image(static_cast<int>(area.width()) + 2 * kMargin,
               static_cast<int>(area.height()) + 2 * kMargin, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(kMargin, kMargin);
  drawPage(painter, area, pages, page);
  return image;
}

QString ReportDocument::text() const {
  QString out = header_.title + u'\n';
  for (const QString& line : header_.titleLines) out += line + u'\n';
  for (const ReportSection& s : sections_) out += u'\n' + sectionText(s);
  return out;
}

void printDocumentWithDialog(QWidget* parent, const ReportDocument& document) {
  printWithDialog(parent, document.orientation(),
                  [&document](QPagedPaintDevice& device) { return document.print(device); });
}

void saveDocumentPdfWithDialog(QWidget* parent, const Language& language,
                               const ReportDocument& document) {
  savePdfWithDialog(parent, language, document.orientation(),
                    [&document](QPagedPaintDevice& device) { return document.print(device); });
}

}  // namespace kalmo
