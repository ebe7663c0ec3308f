#pragma once

#include <QWidget>

#include "widgets/diagram_geometry.h"

namespace kalmo {

// The tolerance zone diagram: the hole zone (hatched "\") and the shaft zone
// (hatched "/") against the zero line, with their limit deviations, over an
// automatic vertical scale. It keeps only the values last given to it.
class ZoneDiagram final : public QWidget {
  Q_OBJECT

 public:
  explicit ZoneDiagram(QWidget* parent = nullptr);

  void setValues(const ZoneValues& values);
  const ZoneValues& values() const { return values_; }

  static QColor hatchColour() { return {0, 128, 255}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ZoneValues values_;
};

}  // namespace kalmo
