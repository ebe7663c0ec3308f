#include "storage/language.h"

#include <QComboBox>

#include "storage/settings_store.h"

namespace kalmo {

void Language::InitLanguage() {
  code_ = readLanguageCode(store_).value_or(kLanguageEnglish);
  table_ = LoadLanguage(code_);
}

void Language::SetLanguage(LanguageCode code) {
  table_ = LoadLanguage(code);
  code_ = code;
  store_.writeInt(settings::kLang, languageNumber(code_));
}

QString Language::text(TextId id) const {
  return QString::fromStdString(GetLangString(table_, id));
}

void setItemTexts(QComboBox& list, const QStringList& texts) {
  const int selected = list.currentIndex();
  for (int i = 0; i < texts.size() && i < list.count(); ++i) {
    list.setItemText(i, texts[i]);
  }
  if (list.currentIndex() != selected) {
    list.setCurrentIndex(selected);
  }
}

}  // namespace kalmo
