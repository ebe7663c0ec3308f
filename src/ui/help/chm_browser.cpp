#include "help/chm_browser.h"

#include <QTextDocument>

namespace kalmo {

namespace {

const QString kScheme = QStringLiteral("chm");

}  // namespace

ChmBrowser::ChmBrowser(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setOpenExternalLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::followLink);
}

bool ChmBrowser::openFile(const QString& filePath, const QString& topicPath) {
  ChmArchive archive(filePath);
  if (!archive.contains(topicPath)) return false;
  archive_ = std::move(archive);
  const QUrl url = pageUrl(topicPath);
  if (source() == url) {
    reload();  // the same page, but the file may have changed
  } else {
    setSource(url, QTextDocument::HtmlResource);
  }
  clearHistory();
  return true;
}

QUrl ChmBrowser::pageUrl(const QString& objectPath) {
  QUrl url;
  url.setScheme(kScheme);
  url.setPath(objectPath.startsWith(QLatin1Char('/')) ? objectPath : QLatin1Char('/') + objectPath);
  return url;
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name) {
  if (name.scheme() != kScheme) return {};
  const std::optional<QByteArray> bytes = archive_.read(name.path(QUrl::FullyDecoded));
  if (!bytes) return {};
  if (type == QTextDocument::StyleSheetResource) return QString::fromUtf8(*bytes);
  // Pages are decoded by their charset declaration (UTF-8 when none),
  // pictures by their format.
  return *bytes;
}

void ChmBrowser::followLink(const QUrl& url) {
  if (url.scheme() == kScheme) setSource(url);
}

}  // namespace kalmo
