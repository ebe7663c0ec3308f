#include "report/report_title.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "storage/language.h"
#include "storage/settings_store.h"

namespace kalmo {

namespace {

// Enough for a long part name on one printed line.
constexpr int kFieldLength = 120;

}  // namespace

ReportTitle readReportTitle(const SettingsStore& store) {
  return {store.readText(settings::kReportPart).value_or(QString()),
          store.readText(settings::kReportDrawing).value_or(QString()),
          store.readText(settings::kReportAuthor).value_or(QString())};
}

void writeReportTitle(SettingsStore& store, const ReportTitle& title) {
  store.writeText(settings::kReportPart, title.part);
  store.writeText(settings::kReportDrawing, title.drawing);
  store.writeText(settings::kReportAuthor, title.author);
}

QStringList reportTitleLines(const Language& language, const ReportTitle& title) {
  QStringList lines;
  for (const auto& [id, value] :
       {std::pair{TextId::ReportPart, title.part}, std::pair{TextId::ReportDrawing, title.drawing},
        std::pair{TextId::ReportAuthor, title.author}}) {
    if (!value.trimmed().isEmpty()) {
      lines << language.text(id) + QStringLiteral(": ") + value.trimmed();
    }
  }
  return lines;
}

ReportTitleDialog::ReportTitleDialog(const Language& language, const ReportTitle& title,
                                     QWidget* parent)
    : QDialog(parent),
      part(new QLineEdit(this)),
      drawing(new QLineEdit(this)),
      author(new QLineEdit(this)) {
  setObjectName(QStringLiteral("reportTitleDialog"));
  setWindowTitle(language.text(TextId::ReportTitleEdit).remove(QChar(0x2026)));
  auto* form = new QFormLayout;
  for (const auto& [edit, name, id, value] :
       {std::tuple{part, "reportPart", TextId::ReportPart, title.part},
        std::tuple{drawing, "reportDrawing", TextId::ReportDrawing, title.drawing},
        std::tuple{author, "reportAuthor", TextId::ReportAuthor, title.author}}) {
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(kFieldLength);
    edit->setMinimumWidth(260);
    edit->setText(value);
    form->addRow(language.text(id), edit);
  }
  auto* note = new QLabel(language.text(TextId::ReportTitleNote), this);
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* rows = new QVBoxLayout(this);
  rows->addLayout(form);
  rows->addWidget(note);
  rows->addWidget(buttons);
}

ReportTitle ReportTitleDialog::title() const {
  return {part->text().trimmed(), drawing->text().trimmed(), author->text().trimmed()};
}

bool editReportTitle(QWidget* parent, const Language& language, SettingsStore& store) {
  ReportTitleDialog dialog(language, readReportTitle(store), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  writeReportTitle(store, dialog.title());
  return true;
}

}  // namespace kalmo
