#pragma once

#include <QColor>
#include <QFrame>
#include <functional>

#include "grid_cells.h"

namespace kalmo {

// The results grid resultsGrid: 2 columns by 16 rows, each cell painted from
// the last calculation on every paint. It keeps no data of its own; the
// source function hands it the window's result and language table.
class ResultsGrid final : public QFrame {
  Q_OBJECT

 public:
  using Source = std::function<GridInput()>;

  explicit ResultsGrid(Source source, QWidget* parent = nullptr);

  QSize sizeHint() const override { return {grid::kWidth, grid::kHeight}; }

  // Colours of the cell kinds.
  static QColor headingColour() { return {147, 192, 253}; }
  static QColor bandColour() { return {216, 228, 248}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Tooltips of the cells (cellToolTip).
  bool event(QEvent* event) override;

 private:
  void drawCell(QPainter& painter, const GridCell& cell, int column, int row) const;

  Source source_;
};

}  // namespace kalmo
