#pragma once

#include <QMainWindow>
#include <QMetaObject>
#include <QUrl>

namespace kalmo {

class ChmBrowser;

// A small window that shows a compiled help file: the pages with their links
// and pictures, and Back, Forward and Home (the start topic) in a toolbar.
// Non-modal; it deletes itself when closed and never keeps the program alive.
class HelpViewer : public QMainWindow {
  Q_OBJECT

 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Shows the help file at a topic ("::/TISO286EN.htm", or a section of a
  // page: "::/tools.htm#batch"). Returns false and
  // changes nothing when the file cannot be read or lacks the topic.
  bool openHelp(const QString& filePath, const QString& topic);

  // The viewer goes away with the given object (the main window); it has no
  // parent of its own, so that it does not stay on top of that window.
  void closeWith(QObject* owner);

  ChmBrowser* browser() const { return browser_; }

 private:
  void updateTitle();

  ChmBrowser* browser_ = nullptr;
  QUrl home_;
  QMetaObject::Connection ownerConnection_;
};

}  // namespace kalmo
