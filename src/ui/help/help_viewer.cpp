#include "help/help_viewer.h"

#include <QAction>
#include <QPalette>
#include <QStyle>
#include <QToolBar>

#include "help/chm_browser.h"
#include "help/help_file.h"

namespace kalmo {

HelpViewer::HelpViewer(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("HelpViewer"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Closing the main window ends the program even while help is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(760, 580);

  browser_ = new ChmBrowser(this);
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  // The pages are dark text on white (help.css); list bullets and numbers are
  // drawn in the palette's text colour, so a dark palette must not make them
  // light on that white.
  QPalette page = browser_->palette();
  page.setColor(QPalette::Base, Qt::white);
  page.setColor(QPalette::Text, QColor(0x1a, 0x1a, 0x1a));
  browser_->setPalette(page);
  setCentralWidget(browser_);

  QToolBar* toolBar = addToolBar(QString());
  toolBar->setObjectName(QStringLiteral("helpToolBar"));
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  QAction* back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString(),
                                     browser_, &QTextBrowser::backward);
  QAction* forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString(),
                                        browser_, &QTextBrowser::forward);
  QAction* home =
      toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QString(), this, [this] {
        if (home_.isValid()) browser_->setSource(home_);
      });
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);
  back->setEnabled(false);
  forward->setEnabled(false);
  home->setObjectName(QStringLiteral("helpHome"));
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::updateTitle);
}

bool HelpViewer::openHelp(const QString& filePath, const QString& topic) {
  // A topic may name a section of its page: "::/tools.htm#batch".
  const qsizetype hash = topic.indexOf(u'#');
  const QString page = hash < 0 ? topic : topic.left(hash);
  const QString topicPath = helpTopicPath(page.toStdString());
  if (!browser_->openFile(filePath, topicPath)) return false;
  if (hash >= 0) browser_->scrollToAnchor(topic.mid(hash + 1));
  home_ = ChmBrowser::pageUrl(topicPath);
  updateTitle();
  return true;
}

void HelpViewer::closeWith(QObject* owner) {
  disconnect(ownerConnection_);
  if (owner) {
    ownerConnection_ = connect(owner, &QObject::destroyed, this, [this] { delete this; });
  }
}

void HelpViewer::updateTitle() {
  const QString title = browser_->documentTitle();
  setWindowTitle(title.isEmpty() ? browser_->source().fileName() : title);
}

}  // namespace kalmo
