#include "report/report_buttons.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>

#include "storage/language.h"

namespace kalmo {

ReportButtons::ReportButtons(const QString& prefix, const Language& language, Producer report,
                             QWidget* parent)
    : QWidget(parent),
      copyButton(new QPushButton(this)),
      printButton(new QPushButton(this)),
      pdfButton(new QPushButton(this)),
      language_(language),
      report_(std::move(report)) {
  copyButton->setObjectName(prefix + QStringLiteral("CopyButton"));
  printButton->setObjectName(prefix + QStringLiteral("PrintButton"));
  pdfButton->setObjectName(prefix + QStringLiteral("PdfButton"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(copyButton);
  row->addStretch();
  row->addWidget(printButton);
  row->addWidget(pdfButton);
  for (QPushButton* b : {copyButton, printButton, pdfButton}) b->setAutoDefault(false);
  connect(copyButton, &QPushButton::clicked, this,
          [this] { QApplication::clipboard()->setText(report_().text()); });
  connect(printButton, &QPushButton::clicked, this, [this] {
    const ReportDocument document = report_();
    printDocumentWithDialog(window(), document);
  });
  connect(pdfButton, &QPushButton::clicked, this, [this] {
    const ReportDocument document = report_();
    saveDocumentPdfWithDialog(window(), language_, document);
  });
  applyLanguage();
}

void ReportButtons::applyLanguage() {
  copyButton->setText(language_.text(TextId::GeneralCopy));
  copyButton->setAccessibleDescription(language_.text(TextId::CopyResultsHelp));
  printButton->setText(language_.text(TextId::Print));
  printButton->setAccessibleDescription(language_.text(TextId::PrintResultsHelp));
  pdfButton->setText(language_.text(TextId::SaveAsPdf));
  pdfButton->setAccessibleDescription(language_.text(TextId::PdfResultsHelp));
}

}  // namespace kalmo
