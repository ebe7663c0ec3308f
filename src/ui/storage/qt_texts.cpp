#include "storage/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace kalmo {

QtTexts::~QtTexts() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

bool QtTexts::follow(LanguageCode code) {
  if (installed_) {
    QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
  }
  if (code == LanguageCode::English) return true;
  const QString name = code == LanguageCode::German ? QStringLiteral("qtbase_de")
                                                    : QStringLiteral("qtbase_bg");
  if (!translator_.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
  installed_ = QCoreApplication::installTranslator(&translator_);
  return installed_;
}

}  // namespace kalmo
