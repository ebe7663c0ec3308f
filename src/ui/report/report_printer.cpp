#include "report/report_printer.h"

#include <QAbstractItemModel>
#include <QBuffer>
#include <QDate>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <cmath>

#include "calc/range_boundary.h"
#include "format/callout.h"
#include "format/number_format.h"
#include "format/units.h"
#include "models/batch_table_model.h"
#include "storage/file_saving.h"
#include "storage/language.h"
#include "version.h"
#include "widgets/app_images.h"
#include "widgets/diagram_geometry.h"
#include "widgets/grid_cells.h"
#include "widgets/number_field.h"
#include "widgets/results_grid.h"
#include "widgets/zone_diagram.h"

namespace kalmo {

namespace {

// Device units per inch: one unit is one pixel of the window.
constexpr int kReportDpi = 96;
// Page margins, mm.
constexpr qreal kMarginMm = 15;
// The grid and the diagram print half again as large as on the screen.
constexpr qreal kResultScale = 1.5;

QRectF pageArea(const QPagedPaintDevice& device) {
  return reportPageArea(device);
}

QPageLayout a4Layout(QPageLayout::Orientation orientation) {
  return QPageLayout(QPageSize(QPageSize::A4), orientation,
                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                     QPageLayout::Millimeter);
}

qreal drawHeader(QPainter& painter, const QRectF& area, const ReportHeader& header) {
  qreal y = area.top();
  const auto line = [&](const QString& text, const QFont& font, Qt::Alignment align) {
    painter.setFont(font);
    const qreal height = QFontMetricsF(font).height();
    painter.drawText(QRectF(area.left(), y, area.width(), height), align | Qt::AlignVCenter, text);
    return height;
  };
  line(header.program, reportFont(9), Qt::AlignRight);
  y += line(header.title, reportFont(13, true), Qt::AlignLeft) + 2;
  QStringList details;
  for (const QString& part : {header.version, header.date, header.unit}) {
    if (!part.isEmpty()) details << part;
  }
  y += line(details.join(QStringLiteral("   ·   ")), reportFont(8), Qt::AlignLeft);
  y += line(header.editions, reportFont(8), Qt::AlignLeft) + 3;
  if (!header.titleLines.isEmpty()) {
    y += 2;
    for (const QString& title : header.titleLines) {
      y += line(title, reportFont(9), Qt::AlignLeft);
    }
    y += 3;
  }
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  return y + 8 - area.top();
}

void drawFooter(QPainter& painter, const QRectF& area, const QString& text) {
  const QFont font = reportFont(8);
  painter.setFont(font);
  const qreal height = QFontMetricsF(font).height();
  painter.drawText(QRectF(area.left(), area.bottom() - height, area.width(), height),
                   Qt::AlignRight | Qt::AlignVCenter, text);
}

// Relative widths of the printed columns in the model's order; the Error
// column takes no width: the reason of a bad row runs across the columns
// after the callout.
constexpr std::array<qreal, BatchTableModel::ColumnCount> kColumnWeights = {
    1.8, 0, 0.8, 0.7, 1, 1, 1.15, 1.15, 0.7, 1, 1, 1.15, 1.15, 1.6, 1, 1, 1.1};

}  // namespace

QFont reportFont(qreal points, bool bold) {
  QFont font = windowFont();
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QRectF reportPageArea(const QPagedPaintDevice& device) {
  const QRect paint = device.pageLayout().paintRectPixels(kReportDpi);
  return {0, 0, static_cast<qreal>(paint.width()), static_cast<qreal>(paint.height())};
}

QRectF a4PageArea(QPageLayout::Orientation orientation) {
  const QRect paint = a4Layout(orientation).paintRectPixels(kReportDpi);
  return {0, 0, static_cast<qreal>(paint.width()), static_cast<qreal>(paint.height())};
}

qreal drawReportHeader(QPainter& painter, const QRectF& area, const ReportHeader& header) {
  return drawHeader(painter, area, header);
}

void drawReportFooter(QPainter& painter, const QRectF& area, const ReportHeader& header, int page,
                      int pages) {
  drawFooter(painter, area, header.pageOf.arg(page).arg(pages));
}

ReportHeader reportHeader(const Language& language, const QString& title, bool inchMode) {
  ReportHeader h;
  h.title = title;
  h.program = language.text(TextId::WindowTitle);
  h.version =
      language.text(TextId::VersionOf)
          .arg(QString::fromLatin1(kVersion.data(), static_cast<qsizetype>(kVersion.size())));
  h.date = language.text(TextId::DateOf).arg(QDate::currentDate().toString(Qt::ISODate));
  h.unit =
      language.text(TextId::UnitOf).arg(inchMode ? QStringLiteral("in") : QStringLiteral("mm"));
  h.editions = language.text(TextId::StandardEditions);
  h.pageOf = language.text(TextId::PageOf);
  return h;
}

int printTable(QPagedPaintDevice& device, const QAbstractItemModel& model,
               const ReportHeader& header) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const QRectF area = pageArea(device);
  const QFont cellFont = reportFont(7);
  const QFont headingFont = reportFont(7, true);
  const qreal rowHeight = QFontMetricsF(cellFont).height() + 3;
  // Up to three lines: "Hole" over a caption that may wrap.
  const qreal headingHeight = 3 * QFontMetricsF(headingFont).height() + 4;
  const qreal footerHeight = QFontMetricsF(reportFont(8)).height() + 4;

  // Column edges across the page width.
  qreal total = 0;
  for (const qreal w : kColumnWeights) total += w;
  std::array<qreal, kColumnWeights.size() + 1> edge{};
  edge[0] = area.left();
  for (std::size_t c = 0; c < kColumnWeights.size(); ++c) {
    edge[c + 1] = edge[c] + area.width() * kColumnWeights[c] / total;
  }
  const auto cell = [&](int first, int last, qreal y, qreal height) {
    return QRectF(
        edge[static_cast<std::size_t>(first)] + 2, y,
        edge[static_cast<std::size_t>(last) + 1] - edge[static_cast<std::size_t>(first)] - 4,
        height);
  };

  const qreal top = drawHeader(painter, area, header);
  const int rows = model.rowCount();
  const int perPage = std::max(
      1, static_cast<int>((area.height() - top - headingHeight - footerHeight) / rowHeight));
  const int pages = std::max(1, (rows + perPage - 1) / perPage);
  const int lastColumn = static_cast<int>(kColumnWeights.size()) - 1;

  for (int page = 0; page < pages; ++page) {
    if (page > 0) {
      device.newPage();
      drawHeader(painter, area, header);
    }
    qreal y = area.top() + top;
    painter.setFont(headingFont);
    painter.fillRect(QRectF(area.left(), y, area.width(), headingHeight),
                     ResultsGrid::bandColour());
    for (int c = 0; c <= lastColumn; ++c) {
      if (c == BatchTableModel::Error) continue;
      painter.drawText(cell(c, c, y, headingHeight), Qt::AlignCenter | Qt::TextWordWrap,
                       model.headerData(c, Qt::Horizontal).toString());
    }
    y += headingHeight;
    painter.setFont(cellFont);
    const int end = std::min(rows, (page + 1) * perPage);
    for (int r = page * perPage; r < end; ++r) {
      const QString error = model.data(model.index(r, BatchTableModel::Error)).toString();
      if (r % 2 == 1) {
        painter.fillRect(QRectF(area.left(), y, area.width(), rowHeight), QColor(244, 247, 252));
      }
      painter.setPen(error.isEmpty() ? Qt::black : QColor(176, 0, 0));
      const auto text = [&](int c, const QRectF& box) {
        const QModelIndex index = model.index(r, c);
        const int align = model.data(index, Qt::TextAlignmentRole).toInt();
        const QString shown = painter.fontMetrics().elidedText(
            model.data(index).toString(), Qt::ElideRight, static_cast<int>(box.width()));
        painter.drawText(box, align | Qt::AlignVCenter, shown);
      };
      text(BatchTableModel::Source, cell(0, 0, y, rowHeight));
      if (error.isEmpty()) {
        for (int c = BatchTableModel::Size; c <= lastColumn; ++c) text(c, cell(c, c, y, rowHeight));
      } else {
        painter.drawText(cell(BatchTableModel::Size, lastColumn, y, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, error);
      }
      y += rowHeight;
    }
    painter.setPen(Qt::black);
    drawFooter(painter, area, header.pageOf.arg(page + 1).arg(pages));
  }
  return pages;
}

int printResult(QPagedPaintDevice& device, const FitView& view, const Language& language,
                const ReportHeader& header) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const QRectF area = pageArea(device);
  drawResult(painter, area, drawHeader(painter, area, header), view, language);
  drawFooter(painter, area, header.pageOf.arg(1).arg(1));
  return 1;
}

void drawResult(QPainter& painter, const QRectF& area, qreal top, const FitView& view,
                const Language& language) {
  qreal y = area.top() + top;

  // The callouts of the chosen classes, as a drawing writes them.
  const CalloutInput callout{view.inputs.sizeMm, view.inputs.inch, view.inputs.hole,
                             view.inputs.shaft,  view.hole.result, view.shaft.result};
  const QFont textFont = reportFont(10);
  painter.setFont(reportFont(11, true));
  const QString designation = QString::fromStdString(view.designation());
  const qreal boldLine = QFontMetricsF(painter.font()).height();
  painter.drawText(QRectF(area.left(), y, area.width(), boldLine), Qt::AlignLeft, designation);
  y += boldLine + 4;
  painter.setFont(textFont);
  const qreal textLine = QFontMetricsF(textFont).height();
  if (view.inputs.sizeMm > 0) {
    const QStringList lines =
        QString::fromStdString(calloutText(callout)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
      painter.drawText(QRectF(area.left(), y, area.width(), textLine), Qt::AlignLeft, line);
      y += textLine;
    }
  }
  y += 8;

  // The results grid and the zone diagram, drawn by the window's own widgets.
  QWidget sheet;
  sheet.setFont(windowFont());
  const GridInput input{view, language.table(), localeDecimalSeparator()};
  auto* grid = new ResultsGrid([input] { return input; }, &sheet);
  auto* diagram = new ZoneDiagram(&sheet);
  diagram->setGeometry(diagramRect().translated(grid::kFrame, grid::kFrame));
  diagram->setValues(zoneValues(view));
  grid->setVisible(true);
  diagram->setVisible(true);
  sheet.resize(grid->size());
  const qreal scale = std::min(kResultScale, area.width() / grid->width());
  painter.save();
  painter.translate(area.left(), y);
  painter.scale(scale, scale);
  sheet.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  painter.restore();
  y += grid->height() * scale + 10;

  painter.setFont(textFont);
  const auto paragraph = [&](const QString& text) {
    const QRectF box(area.left(), y, area.width(), area.bottom() - y);
    const QRectF used = painter.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, text);
    painter.drawText(box, Qt::AlignLeft | Qt::TextWordWrap, text);
    y += used.height() + 6;
  };
  paragraph(QString::fromStdString(unitNote(language.table(), view.inputs.inch)));
  if (const std::optional<RangeNeighbour> near =
          rangeBoundaryNeighbour(view.inputs.sizeMm, view.inputs.hole, view.inputs.shaft)) {
    painter.setPen(QColor(176, 0, 0));
    paragraph(
        language.text(TextId::RangeBoundaryNote)
            .arg(QString::fromStdString(formatPlain(near->boundMm, localeDecimalSeparator()))));
    painter.setPen(Qt::black);
  }
}

namespace {

void preparePage(QPagedPaintDevice& device, QPageLayout::Orientation orientation) {
  device.setPageLayout(a4Layout(orientation));
}

}  // namespace

PdfReport renderPdf(QPageLayout::Orientation orientation, const ReportWriter& write) {
  PdfReport report;
  QBuffer buffer(&report.bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kReportDpi);
    preparePage(pdf, orientation);
    pdf.setCreator(QStringLiteral("KALMO"));
    report.pages = write(pdf);
  }  // the writer completes the file here
  if (report.pages <= 0 || report.bytes.isEmpty()) return {};
  return report;
}

int writePdf(const QString& path, QPageLayout::Orientation orientation, const ReportWriter& write) {
  const PdfReport report = renderPdf(orientation, write);
  if (report.pages == 0) return 0;
  return saveFile(path, report.bytes) == SaveOutcome::Written ? report.pages : 0;
}

void savePdfWithDialog(QWidget* parent, const Language& language,
                       QPageLayout::Orientation orientation, const ReportWriter& write) {
  const QString path =
      askSaveFileName(parent, language.text(TextId::SaveAsPdf).remove(QChar(0x2026)),
                      language.text(TextId::PdfFiles), QStringLiteral("pdf"), language);
  if (path.isEmpty()) return;
  const PdfReport report = renderPdf(orientation, write);
  if (report.pages == 0) {
    QMessageBox::warning(parent, language.text(TextId::WindowTitle),
                         language.text(TextId::FileNotWritten).arg(path));
    return;
  }
  saveFileReporting(parent, language, path, report.bytes);
}

void printWithDialog(QWidget* parent, QPageLayout::Orientation orientation,
                     const ReportWriter& write) {
  QPrinter printer(QPrinter::HighResolution);
  preparePage(printer, orientation);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  printer.setResolution(kReportDpi);
  write(printer);
}

void connectPrintButtons(QWidget& window, QPushButton& print, QPushButton& pdf,
                         const Language& language, QPageLayout::Orientation orientation,
                         ReportWriter write) {
  QObject::connect(&print, &QPushButton::clicked, &window,
                   [&window, orientation, write] { printWithDialog(&window, orientation, write); });
  QObject::connect(&pdf, &QPushButton::clicked, &window, [&window, &language, orientation, write] {
    savePdfWithDialog(&window, language, orientation, write);
  });
}

}  // namespace kalmo
