#pragma once

#include <QWidget>
#include <functional>

#include "report/report_document.h"

class QPushButton;

namespace kalmo {

class Language;

// A window's "Copy", "Print…" and "Save as PDF…" in a row, all three from
// the report the window makes when one is pressed: Copy puts its text on the
// clipboard, the others print it or save it as PDF through the report
// module. The buttons' object names are the prefix and "CopyButton",
// "PrintButton", "PdfButton".
class ReportButtons final : public QWidget {
  Q_OBJECT

 public:
  using Producer = std::function<ReportDocument()>;
  // Text: the buttons' texts, as in the windows. Icons: small buttons with the
  // toolbar's pictures, the texts as their tool tips, for the side page.
  enum class Look { Text, Icons };
  ReportButtons(const QString& prefix, const Language& language, Producer report,
                QWidget* parent = nullptr, Look look = Look::Text);

  // Writes the buttons' texts in the current language.
  void applyLanguage();

  QPushButton* copyButton;
  QPushButton* printButton;
  QPushButton* pdfButton;

 private:
  const Language& language_;
  Producer report_;
  Look look_;
};

}  // namespace kalmo
