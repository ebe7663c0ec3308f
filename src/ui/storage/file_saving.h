#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace kalmo {

class Language;

// How writing a file for the user ended.
enum class SaveOutcome {
  Written,
  // The name is taken by something that is no regular file (a device, a
  // pipe, a folder), also behind a symbolic link: nothing was written.
  NotARegularFile,
  // The file could not be created or completed (no right to write, full
  // disk): an existing file of that name is as it was.
  Failed,
};

// Writes `bytes` as the file `path`: into a temporary file beside it, which
// replaces the target only when it is complete and flushed, so that a failure
// never leaves a truncated file or loses the old one. A symbolic link to a
// regular file is followed and kept; a link that points nowhere yet gets a
// new file at its target.
SaveOutcome saveFile(const QString& path, const QByteArray& bytes);

// true when `path` names a regular file, through any links, or nothing yet.
bool isRegularOrNew(const QString& path);

// The save dialog: `suffix` ("pdf", "csv") is added to a name typed without
// one, and a file that exists under the completed name is replaced only
// after the question. Empty when cancelled.
QString askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, const Language& language);

// saveFile with a message box for a failure, naming the file and saying
// that an existing file was kept. true when written.
bool saveFileReporting(QWidget* parent, const Language& language, const QString& path,
                       const QByteArray& bytes);

}  // namespace kalmo
