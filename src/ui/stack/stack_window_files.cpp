#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "stack/stack_csv.h"
#include "stack/stack_table_model.h"
#include "stack/stack_text.h"
#include "stack/stack_window.h"
#include "stack/stack_window_internal.h"
#include "storage/file_saving.h"
#include "storage/language.h"

// The stack-up window's chain to and from the CSV of kalmo-cli stack.

namespace kalmo {

using stack_window_detail::qs;

bool StackWindow::loadCsv(const QByteArray& bytes, QString* error) {
  const StackCsvRead read = readStackCsv(std::string_view(bytes.constData(), bytes.size()));
  if (read.problem != StackCsvProblem::None) {
    if (error) {
      *error = qs(stackRowErrorText(language_.table(), read.row, stackCsvField(read.problem),
                                    stackCsvProblemText(read.problem)));
    }
    return false;
  }
  model->setRows(stackRowsOf(read.contributors));
  return true;
}

QByteArray StackWindow::csvBytes() const {
  return QByteArray::fromStdString(stackCsvText(model->contributors()));
}

void StackWindow::openFile() {
  const QString path = QFileDialog::getOpenFileName(
      this, language_.text(TextId::StackOpen), QString(), language_.text(TextId::StackFileFilter));
  if (path.isEmpty()) return;
  QFile file(path);
  QString error;
  if (!file.open(QIODevice::ReadOnly)) {
    error = language_.text(TextId::StackReadFailed).arg(path);
  } else if (!loadCsv(file.read(16 * 1024 * 1024), &error)) {
    error = path + QStringLiteral(": ") + error;
  }
  if (!error.isEmpty()) QMessageBox::warning(this, language_.text(TextId::StackUp), error);
}

void StackWindow::saveFile() {
  // Rows whose nominal is no number cannot be written as the file's numbers:
  // nothing is saved rather than a chain without them.
  if (static_cast<int>(model->contributors().size()) != model->rowCount()) {
    QMessageBox::warning(this, language_.text(TextId::StackUp),
                         language_.text(TextId::StackNoResult));
    return;
  }
  const QString path =
      askSaveFileName(this, language_.text(TextId::StackSave),
                      language_.text(TextId::StackFileFilter), QStringLiteral("csv"), language_);
  if (path.isEmpty()) return;
  saveFileReporting(this, language_, path, csvBytes());
}

}  // namespace kalmo
