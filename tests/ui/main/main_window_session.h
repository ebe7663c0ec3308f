#pragma once

#include <QTest>
#include <memory>
#include <optional>

#include "main/main_window.h"
#include "storage/language.h"
#include "storage/settings_store.h"

namespace kalmo::test {

// One run of the program: the language loaded first (then the one asked for
// chosen), then the window shown and on screen.
struct Session {
  QtSettingsStore store;
  Language language{store};
  std::unique_ptr<MainWindow> window;

  explicit Session(std::optional<LanguageCode> code = std::nullopt) {
    language.InitLanguage();
    if (code) language.SetLanguage(*code);
    window = std::make_unique<MainWindow>(language, store);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  MainWindow& w() { return *window; }
};

}  // namespace kalmo::test
