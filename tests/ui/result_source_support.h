#pragma once

// A result source standing in for the main window: one calculation of a
// designation at a size, in a language and unit the test chooses.

#include <QString>

#include "calc/tolerance_class.h"
#include "models/result_source.h"
#include "page_test_support.h"

namespace kalmo::test {

class FakeSource final : public ResultSource {
 public:
  explicit FakeSource(LanguageCode code = kLanguageEnglish) { language_.SetLanguage(code); }

  const FitView& view() const override { return view_; }
  const Language& language() const override { return language_; }
  Language& language() { return language_; }

  // "50", "H7/g6" in mm (or the size in inches).
  void show(double size, const char* fit, bool inch = false) {
    FitInputs in;
    in.inch = inch;
    in.sizeShown = size;
    in.sizeText = QString::number(size).toStdString();
    in.sizeMm = inch ? size * 25.4 : size;
    const FitParse parsed = parseFitDesignation(fit);
    in.hole = parsed.value->hole;
    in.shaft = parsed.value->shaft;
    view_ = presentFit(in);
  }

 private:
  MemoryStore store_;
  Language language_{store_};
  FitView view_;
};

inline QString languageSuffix(LanguageCode code) {
  return QString::fromLatin1(LangResourceName(code).data(), 2);
}

}  // namespace kalmo::test
