#include "report/combined_report.h"

#include "storage/language.h"
#include "storage/settings_store.h"

namespace kalmo {

ReportDocument combinedReport(const ReportParts& parts, const Language& language,
                              const ReportTitle& title) {
  ReportHeader header =
      reportHeader(language, language.text(TextId::ResultTitle), parts.fit.inputs.inch);
  header.titleLines = reportTitleLines(language, title);
  ReportDocument document(header);
  document.setLeadingPage(
      [view = parts.fit, &language](QPainter& painter, const QRectF& area, qreal top) {
        drawResult(painter, area, top, view, language);
      });
  if (parts.operatingConditions && !bothAtReferenceTemperature(*parts.operatingConditions)) {
    document.addSections(parts.operating);
  }
  document.addSections(parts.pressFit);
  document.addSections(parts.inspection);
  return document;
}

void printCombinedReport(QWidget* parent, const ReportParts& parts, const Language& language,
                         const SettingsStore& store, ReportTarget target) {
  const ReportDocument document = combinedReport(parts, language, readReportTitle(store));
  if (target == ReportTarget::Printer) {
    printDocumentWithDialog(parent, document);
  } else {
    saveDocumentPdfWithDialog(parent, language, document);
  }
}

}  // namespace kalmo
