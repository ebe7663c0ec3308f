#include "results_grid.h"

#include <QPainter>

#include <exception>

namespace kalmo {

namespace {

// Light grey vertical grid lines, as a grid without horizontal lines draws
// them; the cells draw their own black rules on top.
const QColor kGridLineColour(192, 192, 192);

void drawElided(QPainter& painter, const QRect& area, const QString& text, Qt::Alignment alignment) {
  const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, area.width());
  painter.drawText(area, static_cast<int>(alignment | Qt::TextSingleLine), shown);
}

}  // namespace

ResultsGrid::ResultsGrid(Source source, QWidget* parent) : QFrame(parent), source_(std::move(source)) {
  setObjectName(QStringLiteral("drgrDanni"));
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setLineWidth(grid::kFrame);
  setFixedSize(grid::kWidth, grid::kHeight);
  setAutoFillBackground(false);
}

void ResultsGrid::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect client = contentsRect();
  painter.fillRect(client, Qt::white);
  painter.translate(client.topLeft());
  painter.setClipRect(QRect(QPoint(0, 0), client.size()));

  painter.setPen(kGridLineColour);
  for (int column = 0; column < grid::kColumns; ++column) {
    const int x = cellRect(column, 0).right() + 1;
    painter.drawLine(x, 0, x, grid::kClientHeight - 1);
  }

  const GridInput input = source_();
  for (int row = 0; row < grid::kRows; ++row) {
    for (int column = 0; column < grid::kColumns; ++column) {
      // A cell that fails keeps what it drew so far; the others still draw.
      try {
        painter.save();
        drawCell(painter, gridCell(input, column, row), column, row);
        painter.restore();
      } catch (const std::exception&) {
        painter.restore();
      }
    }
  }
}

void ResultsGrid::drawCell(QPainter& painter, const GridCell& cell, int column, int row) const {
  const QRect r = cellRect(column, row);
  // x of the right edge of column 1: bands and rules run across both columns.
  const int fullRight = cellRect(grid::kColumns - 1, row).right();
  QRect t = r;
  QFont font = this->font();
  painter.setPen(Qt::black);

  switch (cell.kind) {
    case CellKind::Heading:
    case CellKind::DiagramHeading:
      if (cell.kind == CellKind::DiagramHeading) {
        painter.fillRect(r, Qt::white);
        t.setTop(t.top() + 1);
      } else {
        painter.fillRect(r, headingColour());
      }
      font.setBold(true);
      painter.setFont(font);
      t.setLeft(t.left() + 3);
      drawElided(painter, t, cell.centred, Qt::AlignCenter);
      break;
    case CellKind::Band: {
      const QRect band(QPoint(0, r.top()), QPoint(fullRight, r.bottom()));
      painter.fillRect(band, bandColour());
      font.setBold(true);
      painter.setFont(font);
      drawElided(painter, band, cell.centred, Qt::AlignCenter);
      break;
    }
    case CellKind::Value: {
      painter.fillRect(r, Qt::white);
      painter.setFont(font);
      t.setTop(t.top() + 2);
      if (!cell.centred.isEmpty()) {
        drawElided(painter, t, cell.centred, Qt::AlignHCenter | Qt::AlignTop);
      }
      const int valueLeft = r.right() + 1 - grid::kValueColumn;
      if (!cell.label.isEmpty()) {
        const QRect labelArea(QPoint(t.left(), t.top()), QPoint(valueLeft - 1, t.bottom()));
        drawElided(painter, labelArea, cell.label, Qt::AlignRight | Qt::AlignTop);
      }
      if (!cell.value.isEmpty()) {
        const QRect valueArea(QPoint(valueLeft, t.top()), QPoint(r.right() - grid::kValueRightGap, t.bottom()));
        drawElided(painter, valueArea, cell.value, Qt::AlignRight | Qt::AlignTop);
      }
      break;
    }
  }

  painter.setPen(Qt::black);
  if (cell.ruleBelow) {
    painter.drawLine(0, r.bottom(), fullRight, r.bottom());
  }
  if (cell.columnSeparator) {
    const int x = cellRect(0, row).right() + 1;
    painter.drawLine(x, r.top(), x, r.bottom());
  }
}

}  // namespace kalmo
