#include "language.h"

#include <QComboBox>

#include "settings_store.h"

namespace kalmo {

void Language::InitLanguage() {
  code_ = readLanguageCode(store_).value_or(kLanguageEnglish);
  table_ = LoadLanguage(code_);
}

void Language::SetLanguage(int code) {
  table_ = LoadLanguage(code);
  code_ = code;
  store_.writeInt(settings::kLang, code_);
}

QString Language::text(int n) const { return QString::fromStdString(GetLangString(table_, n)); }

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
