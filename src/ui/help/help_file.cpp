#include "help/help_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "help/help_digest.h"

namespace kalmo {

namespace {

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString helpFilePath(const QString& directory, int languageCode) {
  return QDir(directory).filePath(fromView(helpTarget(languageCode).fileName));
}

bool helpFileIntact(const QString& directory, int languageCode) {
  const std::string_view expected = recordedHelpDigest(helpTarget(languageCode).fileName);
  QFile file(helpFilePath(directory, languageCode));
  if (expected.empty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxHelpFileBytes) {
    return false;
  }
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&file)) return false;
  return hash.result().toHex() ==
         QByteArrayView(expected.data(), static_cast<qsizetype>(expected.size()));
}

std::string helpTopic(HelpTopic topic, int languageCode) {
  switch (topic) {
    case HelpTopic::Fits: return "::/fits.htm";
    case HelpTopic::Design: return "::/design.htm";
    case HelpTopic::Operating: return "::/design.htm#operating";
    case HelpTopic::Inspection: return "::/tools.htm#inspection";
    case HelpTopic::BatchTable: return "::/tools.htm#batch";
    case HelpTopic::Press: return "::/press.htm";
    case HelpTopic::BearingSeat: return "::/bearings.htm#window";
    case HelpTopic::General: return "::/general.htm";
    case HelpTopic::StackUp: return "::/stack.htm#window";
    case HelpTopic::Start: break;
  }
  return std::string(helpTarget(languageCode).topic);
}

QString helpTopicPath(std::string_view topic) {
  if (topic.starts_with("::")) topic.remove_prefix(2);
  QString path = fromView(topic);
  if (!path.startsWith(QLatin1Char('/'))) path.prepend(QLatin1Char('/'));
  return path;
}

}  // namespace kalmo
