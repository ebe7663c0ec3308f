#include "report/report_buttons.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>

#include "storage/language.h"
#include "widgets/app_images.h"

namespace kalmo {

ReportButtons::ReportButtons(const QString& prefix, const Language& language, Producer report,
                             QWidget* parent, Look look)
    : QWidget(parent),
      copyButton(new QPushButton(this)),
      printButton(new QPushButton(this)),
      pdfButton(new QPushButton(this)),
      language_(language),
      report_(std::move(report)),
      look_(look) {
  copyButton->setObjectName(prefix + QStringLiteral("CopyButton"));
  printButton->setObjectName(prefix + QStringLiteral("PrintButton"));
  pdfButton->setObjectName(prefix + QStringLiteral("PdfButton"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  if (look_ == Look::Icons) {
    row->setSpacing(2);
    for (const auto& [b, image] :
         {std::pair{copyButton, Image::Copy}, std::pair{printButton, Image::Print},
          std::pair{pdfButton, Image::Pdf}}) {
      b->setIcon(icon(image));
      b->setFixedWidth(30);
      row->addWidget(b);
    }
  } else {
    row->addWidget(copyButton);
    row->addStretch();
    row->addWidget(printButton);
    row->addWidget(pdfButton);
  }
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
  for (const auto& [b, text, help] :
       {std::tuple{copyButton, TextId::GeneralCopy, TextId::CopyResultsHelp},
        std::tuple{printButton, TextId::Print, TextId::PrintResultsHelp},
        std::tuple{pdfButton, TextId::SaveAsPdf, TextId::PdfResultsHelp}}) {
    if (look_ == Look::Icons) {
      b->setToolTip(language_.text(text));
      b->setAccessibleName(language_.text(text));
    } else {
      b->setText(language_.text(text));
    }
    b->setAccessibleDescription(language_.text(help));
  }
}

}  // namespace kalmo
