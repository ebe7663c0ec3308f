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
  if (!inspectionWindow_) inspectionWindow_ = new InspectionWindow(results_, this);
  bringToFront(*inspectionWindow_);
}

void MainWindow::showBatchTable() {
  if (!batchTableWindow_) batchTableWindow_ = new BatchTableWindow(results_, this);
  bringToFront(*batchTableWindow_);
}

void MainWindow::printCurrentResult() {
  printWithDialog(this, QPageLayout::Portrait, [this](QPagedPaintDevice& device) {
    return printResult(
        device, view(), language_,
        reportHeader(language_, language_.text(TextId::ResultTitle), view().inputs.inch));
  });
}

void MainWindow::saveCurrentResultPdf() {
  savePdfWithDialog(this, language_, QPageLayout::Portrait, [this](QPagedPaintDevice& device) {
    return printResult(
        device, view(), language_,
        reportHeader(language_, language_.text(TextId::ResultTitle), view().inputs.inch));
  });
}

}  // namespace kalmo
