#include "results_grid.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <exception>

namespace kalmo {

namespace {

// Light grey vertical grid lines, as a grid without horizontal lines draws
// them; the cells draw their own black rules on top.
const QColor kGridLineColour(192, 192, 192);

void drawElided(QPainter& painter, const QRect& area, const QString& text,
                Qt::Alignment alignment) {
  if (text.isEmpty() || area.isEmpty()) {
    return;
  }
  const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, area.width());
  painter.drawText(area, static_cast<int>(alignment | Qt::TextSingleLine), shown);
}

}  // namespace

ResultsGrid::ResultsGrid(Source source, QWidget* parent)
    : QFrame(parent), source_(std::move(source)) {
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

bool ResultsGrid::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) {
    return QFrame::event(event);
  }
  const auto* help = static_cast<QHelpEvent*>(event);
  const QPoint at = help->pos() - contentsRect().topLeft();
  const int column = at.x() / (grid::kColumnWidth + grid::kLineWidth);
  const int row = at.y() / grid::kRowHeight;
  const QString tip = at.x() >= 0 && at.y() >= 0 && column < grid::kColumns && row < grid::kRows
                          ? cellToolTip(source_(), column, row)
                          : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this,
                       cellRect(column, row).translated(contentsRect().topLeft()));
  }
  return true;
}

void ResultsGrid::drawCell(QPainter& painter, const GridCell& cell, int column, int row) const {
  const CellLayout place = cellLayout(cell, column, row);
  QFont font = this->font();
  font.setBold(cell.kind != CellKind::Value);
  painter.setFont(font);
  switch (cell.kind) {
    case CellKind::Heading: painter.fillRect(place.fill, headingColour()); break;
    case CellKind::Band: painter.fillRect(place.fill, bandColour()); break;
    case CellKind::DiagramHeading:
    case CellKind::Value: painter.fillRect(place.fill, Qt::white); break;
  }
  painter.setPen(Qt::black);
  if (cell.kind == CellKind::Value) {
    drawElided(painter, place.text, cell.centred, Qt::AlignHCenter | Qt::AlignTop);
    drawElided(painter, place.label, cell.label, Qt::AlignRight | Qt::AlignTop);
    drawElided(painter, place.value, cell.value, Qt::AlignRight | Qt::AlignTop);
  } else if (cell.kind == CellKind::DiagramHeading) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QString heading =
        fittedHeading(cell.centred, place.text.width(),
                      [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
    drawElided(painter, place.text, heading, Qt::AlignCenter);
  } else {
    drawElided(painter, place.text, cell.centred, Qt::AlignCenter);
  }
  if (place.rule) {
    painter.drawLine(*place.rule);
  }
  if (place.separator) {
    painter.drawLine(*place.separator);
  }
}

}  // namespace kalmo
