#pragma once

#include <QTranslator>

#include "lang/lang_table.h"

namespace kalmo {

// Qt's own texts in the program's language: the buttons of the standard
// dialogs (OK, Cancel, Yes, No), the print and file dialogs. They come from
// Qt's translations as installed with Qt; English needs none. Where the
// translation file is missing, those texts stay English, as Qt writes them.
class QtTexts {
 public:
  QtTexts() = default;
  QtTexts(const QtTexts&) = delete;
  QtTexts& operator=(const QtTexts&) = delete;
  ~QtTexts();

  // Installs the translation of the language in the application, in place
  // of the one before; returns false when a language other than English has
  // none installed.
  bool follow(LanguageCode code);

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace kalmo
