#pragma once

// A result source standing in for the main window: one calculation of a
// designation at a size, in a language and unit the test chooses.

#include <QString>

#include "calc/tolerance_class.h"
#include "memory_store.h"
#include "models/result_source.h"
#include "storage/language.h"

namespace kalmo::test {

// The language a fake source reads, in a store of its own; a base class so
// that it exists before the source that refers to it.
struct OwnLanguage {
  MemoryStore ownStore;
  Language ownLanguage{ownStore};
};

class FakeSource final : private OwnLanguage, public ResultSource {
 public:
  explicit FakeSource(LanguageCode code = kLanguageEnglish) : ResultSource(ownLanguage) {
    ownLanguage.SetLanguage(code);
  }

  using ResultSource::language;
  Language& language() { return ownLanguage; }

  // "50", "H7/g6" in mm (or the size in inches).
  void show(double size, const char* fit, bool inch = false) {
    FitInputs in;
    in.inch = inch;
    in.sizeShown = size;
    in.sizeText = QString::number(size).toStdString();
    in.sizeMm = inch ? size * 25.4 : size;
    if (*fit) {
      const FitParse parsed = parseFitDesignation(fit);
      in.hole = parsed.value->hole;
      in.shaft = parsed.value->shaft;
    }
    publish(presentFit(in));
  }
  // Switches the language and says so, as the main window does.
  void switchLanguage(LanguageCode code) {
    ownLanguage.SetLanguage(code);
    announceLanguage();
  }
};

inline QString languageSuffix(LanguageCode code) {
  return QString::fromLatin1(LangResourceName(code).data(), 2);
}

}  // namespace kalmo::test
