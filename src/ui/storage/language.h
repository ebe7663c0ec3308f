#pragma once

#include <QString>
#include <QStringList>

#include "lang/lang_table.h"

class QComboBox;

namespace kalmo {

class SettingsStore;

// The current interface language of the program: its code and its table.
// The application creates one before any window exists and hands it to the
// main window; there is no global copy.
class Language {
 public:
  explicit Language(SettingsStore& store) : store_(store) {}

  // Start step: takes the stored language, if any, else English, and loads
  // its table. Writes nothing.
  void InitLanguage();
  // Makes the code current: loads its table and stores it as Lang (a store
  // that cannot be written keeps its old value; the switch holds for this run).
  void SetLanguage(LanguageCode code);

  LanguageCode code() const { return code_; }
  const LangTable& table() const { return table_; }
  // An interface text of the current language; empty when it has none.
  QString text(TextId id) const;

 private:
  SettingsStore& store_;
  LanguageCode code_ = kLanguageEnglish;
  LangTable table_;
};

// Replaces the entry texts of a list in order and keeps its selected entry.
// Entries beyond the given texts are left as they are.
void setItemTexts(QComboBox& list, const QStringList& texts);

}  // namespace kalmo
