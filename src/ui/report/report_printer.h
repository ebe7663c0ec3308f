#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

#include "present/fit_view.h"

class QAbstractItemModel;
class QFont;
class QPagedPaintDevice;
class QPainter;
class QPushButton;
class QWidget;

namespace kalmo {

class Language;

// Printed reports on A4: the current result on one page, the batch table on
// as many pages as it needs. Every page starts with the same header. The
// device's resolution is set to 96 dpi so that one unit is one screen pixel
// and the widgets' fonts keep their size; the output stays vector.

// The header lines of a report.
struct ReportHeader {
  QString title;     // "Limits table", "Tolerances and fit"
  QString program;   // "KALMO - ISO - tolerances and fits"
  QString version;   // "Version 1.2.0"; empty without a version
  QString date;      // "Date: 2024-05-01"
  QString unit;      // "Unit: mm"
  QString editions;  // "Standards: ISO 286-1:1988 up to 3150 mm, ..."
  QString pageOf;    // "Page %1 of %2": the footer of each page
  // "Part: Shaft 12", "Drawing number: ...", "Author: ...": the filled title
  // fields, one line each under the editions; none when all are empty.
  QStringList titleLines;
};

// The header in the language, for today's date and the given unit.
ReportHeader reportHeader(const Language& language, const QString& title, bool inchMode);

// Drawing pieces shared by the printed reports. Device units are 1/96 inch.
QFont reportFont(qreal points, bool bold = false);
// The page area of the device, origin at its top left.
QRectF reportPageArea(const QPagedPaintDevice& device);
// The page area of an A4 sheet of the orientation with the report margins.
QRectF a4PageArea(QPageLayout::Orientation orientation);
// Draws the header lines and a rule under them; returns the height used.
qreal drawReportHeader(QPainter& painter, const QRectF& area, const ReportHeader& header);
// "Page n of m" at the foot of the area.
void drawReportFooter(QPainter& painter, const QRectF& area, const ReportHeader& header, int page,
                      int pages);
// The result's content of printResult, from top down.
void drawResult(QPainter& painter, const QRectF& area, qreal top, const FitView& view,
                const Language& language);

// Draws the model's rows under its headings, the header and "Page n of m"
// on each page; an error row shows its reason across the value columns.
// Returns the number of pages drawn.
int printTable(QPagedPaintDevice& device, const QAbstractItemModel& model,
               const ReportHeader& header);

// The current result on one page: the results grid with the zone diagram as
// the window draws them, the callout lines, the unit note and, near a
// size-range bound, the note that the deviations change across it.
// Returns 1.
int printResult(QPagedPaintDevice& device, const FitView& view, const Language& language,
                const ReportHeader& header);

// Draws a report on the given device; returns the page count.
using ReportWriter = std::function<int(QPagedPaintDevice&)>;

// A report drawn as PDF on A4 in the given orientation, in memory.
struct PdfReport {
  QByteArray bytes;
  int pages = 0;  // 0 when nothing could be drawn
};
PdfReport renderPdf(QPageLayout::Orientation orientation, const ReportWriter& write);

// Writes a report as a PDF file (saveFile: complete or not at all). Returns
// the page count, or 0 when the file was not written.
int writePdf(const QString& path, QPageLayout::Orientation orientation, const ReportWriter& write);

// "Save as PDF…": asks for a file (and before replacing one) and writes the
// report; a file that cannot be written is reported in a message box.
void savePdfWithDialog(QWidget* parent, const Language& language,
                       QPageLayout::Orientation orientation, const ReportWriter& write);
// "Print…": the print dialog, then the report on the chosen printer.
void printWithDialog(QWidget* parent, QPageLayout::Orientation orientation,
                     const ReportWriter& write);
// A window's "Print…" and "Save as PDF…" buttons: each opens its dialog and
// writes the window's report (write) in the given orientation. The language
// is read when a button is pressed.
void connectPrintButtons(QWidget& window, QPushButton& print, QPushButton& pdf,
                         const Language& language, QPageLayout::Orientation orientation,
                         ReportWriter write);

}  // namespace kalmo
