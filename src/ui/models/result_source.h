#pragma once

#include <QObject>
#include <optional>

#include "mech/operating_fit.h"
#include "present/fit_view.h"

namespace kalmo {

class Language;

// The one result every page and window reads: the value of the last
// calculation (size, classes, unit, what is shown), the operating conditions
// of the operating page and the current language. The main window owns it and
// announces each new result, each change of the conditions and each change of
// language; the pages and windows hold it read-only, connect to the signals
// and never reach the main window's widgets.
class ResultSource : public QObject {
  Q_OBJECT

 public:
  explicit ResultSource(const Language& language, QObject* parent = nullptr)
      : QObject(parent), language_(language) {}

  const FitView& view() const { return view_; }
  const Language& language() const { return language_; }
  // The operating page's conditions: both parts at 20 °C until it says
  // otherwise; nullopt while a field the conditions read holds no number.
  const std::optional<OperatingConditions>& operating() const { return operating_; }

  // What the main window calls: a new result, then resultChanged.
  void publish(const FitView& view) {
    view_ = view;
    emit resultChanged(view_);
  }
  // The operating page's conditions as they now are; operatingChanged when
  // they differ from the last ones.
  void publishOperating(const std::optional<OperatingConditions>& conditions) {
    if (conditions == operating_) return;
    operating_ = conditions;
    emit operatingChanged();
  }
  // After the language has changed: languageChanged.
  void announceLanguage() { emit languageChanged(); }

 signals:
  void resultChanged(const FitView& view);
  void operatingChanged();
  void languageChanged();

 private:
  const Language& language_;
  FitView view_;
  std::optional<OperatingConditions> operating_ = OperatingConditions{};
};

}  // namespace kalmo
