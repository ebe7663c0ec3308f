#pragma once

#include <optional>
#include <vector>

#include "mech/operating_fit.h"
#include "present/fit_view.h"
#include "report/report_document.h"
#include "report/report_title.h"

class QWidget;

namespace kalmo {

class Language;
class SettingsStore;

// What the main window's Print and Save as PDF put in one report. The main
// window fills it from its page and windows, which this module does not know:
//   ReportParts parts{view(), operatingPage_->conditions(), operatingPage_->reportSections(),
//                     pressFitWindow_ ? pressFitWindow_->reportSections() : {},
//                     inspectionWindow_ ? inspectionWindow_->reportSections() : {}};
struct ReportParts {
  FitView fit;  // the result the main window shows: the first page, as printResult draws it
  // The operating page's conditions and sections; the sections follow only
  // when a part's temperature differs from 20 °C (only then does the fit
  // change), and none while the conditions are nullopt (a field without a number).
  std::optional<OperatingConditions> operatingConditions;
  std::vector<ReportSection> operating;
  // The press-fit window's sections once it was opened (empty before, and
  // while its fields give no result).
  std::vector<ReportSection> pressFit;
  // The inspection window's sections once it was opened (empty before, and
  // while no measured size is typed).
  std::vector<ReportSection> inspection;
};

enum class ReportTarget { Printer, PdfFile };

// The combined report: the fit on the first page under the header "Tolerances
// and fit" with the title lines, then the sections of the parts used, on as
// many further pages as they need.
ReportDocument combinedReport(const ReportParts& parts, const Language& language,
                              const ReportTitle& title);

// The main window's Print… (ReportTarget::Printer: the print dialog) and
// Save as PDF… (ReportTarget::PdfFile: the file dialog): the combined report
// with the title fields kept in the store.
void printCombinedReport(QWidget* parent, const ReportParts& parts, const Language& language,
                         const SettingsStore& store, ReportTarget target);

}  // namespace kalmo
