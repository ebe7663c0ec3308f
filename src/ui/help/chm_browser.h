#pragma once

#include <QTextBrowser>

#include "help/chm_archive.h"

namespace kalmo {

// A text browser that shows the pages of one compiled help file. Pages,
// style sheets and pictures are read from the file under URLs of the form
// "chm:/page.htm"; relative links resolve against them. Links that lead out of
// the file are not followed, and nothing else is read from disk or network.
class ChmBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  explicit ChmBrowser(QWidget* parent = nullptr);

  // Opens a help file at a topic ("::/TISO286EN.htm"). On failure (the file
  // cannot be read or lacks the topic) the browser stays as it was.
  bool openFile(const QString& filePath, const QString& topicPath);

  // "chm:" URL of a path inside the file.
  static QUrl pageUrl(const QString& objectPath);

  QVariant loadResource(int type, const QUrl& name) override;

 public slots:
  // Follows a link clicked in a page; only links into the help file count.
  void followLink(const QUrl& url);

 private:
  ChmArchive archive_;
};

}  // namespace kalmo
