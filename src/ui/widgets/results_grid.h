#pragma once

#include <QColor>
#include <QFrame>
#include <functional>

#include "widgets/grid_cells.h"

namespace kalmo {

// The results grid resultsGrid: 2 columns by 16 rows, each cell painted from
// the last calculation on every paint. It keeps no data of its own; the
// source function hands it the window's result and language table. The
// border between the columns can be dragged (double click: back to the
// middle); the width is not kept. Assistive technology sees a table of its
// cells, each with its label (or text) and value.
class ResultsGrid final : public QFrame {
  Q_OBJECT

 public:
  using Source = std::function<GridInput()>;

  explicit ResultsGrid(Source source, QWidget* parent = nullptr);

  QSize sizeHint() const override { return {grid::kWidth, grid::kHeight}; }

  // What the grid shows now, as the painter gets it.
  GridInput input() const { return source_(); }
  GridColumns columns() const { return columns_; }
  // Moves the column border, held within GridColumns' limits.
  void setFirstColumnWidth(int width);
  // The cell (column, row) in widget coordinates.
  QRect cellArea(int column, int row) const;
  // The cell the keyboard is on (column, row), and what Ctrl+C copies of it:
  // its value, or its text when it has none.
  QPoint currentCell() const;
  QString currentCellText() const;

  // Colours of the cell kinds.
  static QColor headingColour() { return {147, 192, 253}; }
  static QColor bandColour() { return {216, 228, 248}; }

 signals:
  // The column border moved; the diagram over column 1 follows it.
  void columnsChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Tooltips of the cells (cellToolTip).
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Tells assistive technology which cell the keyboard is on.
  void announceCurrentCell();
  void drawCell(QPainter& painter, const GridCell& cell, int column, int row) const;
  // Whether a point in widget coordinates lies on the column border.
  bool onBorder(const QPoint& at) const;

  Source source_;
  GridColumns columns_;
  bool dragging_ = false;
  std::size_t current_ = 0;  // index into the spoken cells
};

}  // namespace kalmo
