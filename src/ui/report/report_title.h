#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QLineEdit;
class QLabel;

namespace kalmo {

class Language;
class SettingsStore;

// The title fields of the printed reports: one line each, kept in the
// settings store between sessions (RepPart, RepDrawing, RepAuthor).
struct ReportTitle {
  QString part;
  QString drawing;  // drawing number
  QString author;
  friend bool operator==(const ReportTitle&, const ReportTitle&) = default;
};

// Missing values read as empty.
ReportTitle readReportTitle(const SettingsStore& store);
void writeReportTitle(SettingsStore& store, const ReportTitle& title);
// "Part: Shaft 12" and so on, for the filled fields only, in the order part,
// drawing number, author.
QStringList reportTitleLines(const Language& language, const ReportTitle& title);

// "Report title": the three fields, OK and Cancel. Leading and trailing
// spaces are dropped.
class ReportTitleDialog final : public QDialog {
  Q_OBJECT

 public:
  ReportTitleDialog(const Language& language, const ReportTitle& title, QWidget* parent = nullptr);

  ReportTitle title() const;

  QLineEdit* part;
  QLineEdit* drawing;
  QLineEdit* author;
};

// Shows the dialog with the stored fields and stores them on OK; true then.
bool editReportTitle(QWidget* parent, const Language& language, SettingsStore& store);

}  // namespace kalmo
