#pragma once

#include <QObject>

#include "present/fit_view.h"

namespace kalmo {

class Language;

// The one result every page and window reads: the value of the last
// calculation (size, classes, unit, what is shown) and the current language.
// The main window owns it and announces each new result and each change of
// language; the pages and windows hold it read-only, connect to the two
// signals and never reach the main window's widgets.
class ResultSource : public QObject {
  Q_OBJECT

 public:
  explicit ResultSource(const Language& language, QObject* parent = nullptr)
      : QObject(parent), language_(language) {}

  const FitView& view() const { return view_; }
  const Language& language() const { return language_; }

  // What the main window calls: a new result, then resultChanged.
  void publish(const FitView& view) {
    view_ = view;
    emit resultChanged(view_);
  }
  // After the language has changed: languageChanged.
  void announceLanguage() { emit languageChanged(); }

 signals:
  void resultChanged(const FitView& view);
  void languageChanged();

 private:
  const Language& language_;
  FitView view_;
};

}  // namespace kalmo
