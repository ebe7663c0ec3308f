#pragma once

// Test doubles for the side pages: a host that stands in for the main window,
// counting its Recalculate calls (the settings store in memory is in
// memory_store.h).

#include <QDir>
#include <QTest>
#include <QWidget>
#include <optional>

#include "memory_store.h"
#include "pages/calc_host.h"
#include "storage/language.h"
#include "storage/settings_store.h"

namespace kalmo::test {

class FakeHost final : public CalcHost {
 public:
  explicit FakeHost(LanguageCode languageCode = kLanguageEnglish) {
    language_.SetLanguage(languageCode);
  }

  CalcRecord& record() override { return record_; }
  const Language& language() const override { return language_; }
  Language& language() { return language_; }
  void selectHoleClass(std::optional<ToleranceClass> cls) override { hole_ = cls; }
  void selectShaftClass(std::optional<ToleranceClass> cls) override { shaft_ = cls; }
  std::optional<ToleranceClass> holeClass() const override { return hole_; }
  std::optional<ToleranceClass> shaftClass() const override { return shaft_; }
  void Recalculate() override { ++recalculations; }

  int recalculations = 0;

 private:
  MemoryStore store_;
  Language language_{store_};
  CalcRecord record_;
  std::optional<ToleranceClass> hole_ = ToleranceClass{10, Grade::it(7)};  // H7
  std::optional<ToleranceClass> shaft_ = ToleranceClass{9, Grade::it(6)};  // g6
};

// The widget with this form id (object name) below parent; a missing one ends the test program.
template <typename T>
T* part(const QObject& parent, const char* formId) {
  T* widget = parent.findChild<T*>(QString::fromLatin1(formId));
  if (!widget) qFatal("no %s in the window", formId);
  return widget;
}

// Saves a picture of the widget when KALMO_SNAPSHOT_DIR is set.
inline void snapshot(QWidget& widget, const QString& name) {
  const QString dir = qEnvironmentVariable("KALMO_SNAPSHOT_DIR");
  if (!dir.isEmpty()) {
    QDir().mkpath(dir);
    QVERIFY(widget.grab().save(dir + u'/' + name + QStringLiteral(".png")));
  }
}

}  // namespace kalmo::test
