#include "help/help_file.h"

#include <QDir>

namespace kalmo {

namespace {

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString helpFilePath(const QString& directory, int languageCode) {
  return QDir(directory).filePath(fromView(helpTarget(languageCode).fileName));
}

QString helpTopicPath(std::string_view topic) {
  if (topic.starts_with("::")) topic.remove_prefix(2);
  QString path = fromView(topic);
  if (!path.startsWith(QLatin1Char('/'))) path.prepend(QLatin1Char('/'));
  return path;
}

}  // namespace kalmo
