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
#include "result_source_support.h"
#include "storage/language.h"
#include "storage/settings_store.h"

namespace kalmo::test {

class FakeHost final : public CalcHost {
 public:
  explicit FakeHost(LanguageCode languageCode = kLanguageEnglish) : source(languageCode) {
    setSize(10);
  }

  Language& language() { return source.language(); }
  // A result at this size (mm) without classes, in mm or inches.
  void setSize(double sizeMm, bool inch = false) {
    source.show(inch ? sizeMm / 25.4 : sizeMm, "", inch);
  }
  void selectHoleClass(std::optional<ToleranceClass> cls) override { hole_ = cls; }
  void selectShaftClass(std::optional<ToleranceClass> cls) override { shaft_ = cls; }
  std::optional<ToleranceClass> holeClass() const override { return hole_; }
  std::optional<ToleranceClass> shaftClass() const override { return shaft_; }
  void Recalculate() override { ++recalculations; }

  // What the pages read: the result and the language.
  FakeSource source;
  int recalculations = 0;

 private:
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
