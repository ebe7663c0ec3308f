#pragma once

// A settings store in memory, for window tests and the window benchmark:
// nothing touches the user's settings file.

#include <QMap>
#include <QString>
#include <optional>

#include "storage/settings_store.h"

namespace kalmo::test {

class MemoryStore final : public SettingsStore {
 public:
  std::optional<int> readInt(const QString& name) const override {
    return values_.contains(name) ? std::optional<int>(values_.value(name)) : std::nullopt;
  }
  bool writeInt(const QString& name, int value) override {
    values_.insert(name, value);
    return true;
  }
  std::optional<double> readNumber(const QString& name) const override {
    return numbers_.value(name, std::nullopt);
  }
  bool writeNumber(const QString& name, std::optional<double> value) override {
    numbers_.insert(name, value);
    return true;
  }
  std::optional<QString> readText(const QString& name) const override {
    return texts_.contains(name) ? std::optional<QString>(texts_.value(name)) : std::nullopt;
  }
  bool writeText(const QString& name, const QString& value) override {
    texts_.insert(name, value);
    return true;
  }

 private:
  QMap<QString, QString> texts_;
  QMap<QString, int> values_;
  QMap<QString, std::optional<double>> numbers_;
};

}  // namespace kalmo::test
