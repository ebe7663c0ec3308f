#include "storage/file_saving.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include "storage/language.h"

namespace kalmo {

bool isRegularOrNew(const QString& path) {
  const QFileInfo target(path);  // follows links
  return !target.exists() || target.isFile();
}

SaveOutcome saveFile(const QString& path, const QByteArray& bytes) {
  if (!isRegularOrNew(path)) return SaveOutcome::NotARegularFile;
  // QSaveFile follows a link to the file it names, writes beside that file
  // and renames over it on commit(), which flushes to disk first. It never
  // falls back to writing the target in place.
  QSaveFile file(path);
  // Unbuffered: a disk that fills up mid-way shows as a short write here.
  // Through Qt's buffer the bytes that did not fit were dropped on commit()
  // without an error, and the truncated file replaced the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return SaveOutcome::Failed;
  if (file.write(bytes) != bytes.size()) {
    return SaveOutcome::Failed;  // the destructor removes the temporary file
  }
  return file.commit() ? SaveOutcome::Written : SaveOutcome::Failed;
}

QString askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, const Language& language) {
  QFileDialog dialog(parent, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The dialog adds the suffix before it checks for a file of that name, so
  // "report" over an existing "report.pdf" gets the question.
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  QString path = dialog.selectedFiles().constFirst();
  if (QFileInfo(path).suffix().isEmpty()) {
    // A platform dialog that ignored the default suffix asked about the
    // name as typed; the completed name is asked about here.
    path += QLatin1Char('.') + suffix;
    if (QFileInfo::exists(path) &&
        QMessageBox::question(parent, language.text(TextId::WindowTitle),
                              language.text(TextId::ReplaceFileQuestion).arg(path),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
      return {};
    }
  }
  return path;
}

bool saveFileReporting(QWidget* parent, const Language& language, const QString& path,
                       const QByteArray& bytes) {
  const SaveOutcome outcome = saveFile(path, bytes);
  if (outcome == SaveOutcome::Written) return true;
  const TextId message =
      outcome == SaveOutcome::NotARegularFile ? TextId::NotARegularFile : TextId::FileNotWritten;
  QMessageBox::warning(parent, language.text(TextId::WindowTitle),
                       language.text(message).arg(path));
  return false;
}

}  // namespace kalmo
