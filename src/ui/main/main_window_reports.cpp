#include "main/main_window.h"
#include "report/report_printer.h"
#include "storage/language.h"
#include "windows/batch_table_window.h"
#include "windows/inspection_window.h"

namespace kalmo {

namespace {

void bringToFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

void MainWindow::showInspection() {
  if (!inspectionWindow_) inspectionWindow_ = new InspectionWindow(*this, this);
  bringToFront(*inspectionWindow_);
}

void MainWindow::showBatchTable() {
  if (!batchTableWindow_) batchTableWindow_ = new BatchTableWindow(*this, this);
  bringToFront(*batchTableWindow_);
}

void MainWindow::printCurrentResult() {
  printWithDialog(this, QPageLayout::Portrait, [this](QPagedPaintDevice& device) {
    return printResult(
        device, view_, language_,
        reportHeader(language_, language_.text(TextId::ResultTitle), view_.inputs.inch));
  });
}

void MainWindow::saveCurrentResultPdf() {
  savePdfWithDialog(this, language_, QPageLayout::Portrait, [this](QPagedPaintDevice& device) {
    return printResult(
        device, view_, language_,
        reportHeader(language_, language_.text(TextId::ResultTitle), view_.inputs.inch));
  });
}

}  // namespace kalmo
