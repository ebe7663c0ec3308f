#include "widgets/results_grid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <vector>

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

// Pixels either side of the column border where a drag takes it.
constexpr int kBorderGrip = 3;

// The cells read out, in reading order: every cell but the empty last row,
// the second half of each band and the cells under the diagram.
std::vector<QPoint> spokenCells() {
  std::vector<QPoint> cells;
  for (int row = 0; row < grid::kRows; ++row) {
    const auto kind = static_cast<GridRow>(row);
    for (int column = 0; column < grid::kColumns; ++column) {
      const bool band = kind == GridRow::DeviationsBand || kind == GridRow::SizesBand;
      const bool underDiagram = column == 1 && kind >= GridRow::FitDesignation;
      if (kind != GridRow::Last && !(band && column == 1) && !underDiagram) {
        cells.emplace_back(column, row);
      }
    }
  }
  return cells;
}

// One cell of the grid for assistive technology: its name is the row label
// (or the heading, band or class text), its value the value.
class GridCellAccessible final : public QAccessibleInterface {
 public:
  GridCellAccessible(ResultsGrid* grid, QPoint cell) : grid_(grid), cell_(cell) {}

  bool isValid() const override { return grid_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(grid_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    if (!grid_ || !grid_->isVisible()) state.invisible = true;
    return state;
  }
  QRect rect() const override {
    if (!grid_) return {};
    const QRect area = grid_->cellArea(cell_.x(), cell_.y());
    return QRect(grid_->mapToGlobal(area.topLeft()), area.size());
  }
  QString text(QAccessible::Text t) const override {
    if (!grid_) return {};
    const GridInput input = grid_->input();
    const GridCell cell = gridCell(input, cell_.x(), cell_.y());
    switch (t) {
      // The name carries the value too: screen readers speak a cell's name.
      case QAccessible::Name: {
        const QString name = (cell.label.isEmpty() ? cell.centred : cell.label).trimmed();
        const QString value = cell.value.trimmed();
        return value.isEmpty() ? name : name + QStringLiteral(" ") + value;
      }
      case QAccessible::Value: return cell.value.trimmed();
      case QAccessible::Description: return cellToolTip(input, cell_.x(), cell_.y());
      default: return {};
    }
  }

 private:
  QPointer<ResultsGrid> grid_;
  QPoint cell_;
};

// The grid as a table of its spoken cells; the cells' interfaces are made
// when first asked for and live as long as the grid's.
class GridAccessible final : public QAccessibleWidget {
 public:
  explicit GridAccessible(ResultsGrid* grid)
      : QAccessibleWidget(grid, QAccessible::Table), cells_(spokenCells()) {
    ids_.resize(cells_.size(), 0);
  }
  ~GridAccessible() override {
    for (const QAccessible::Id id : ids_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  int childCount() const override { return static_cast<int>(cells_.size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const auto at = static_cast<std::size_t>(index);
    if (ids_[at] == 0) {
      ids_[at] = QAccessible::registerAccessibleInterface(
          new GridCellAccessible(static_cast<ResultsGrid*>(widget()), cells_[at]));
    }
    return QAccessible::accessibleInterface(ids_[at]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < ids_.size(); ++i) {
      if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == child) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i) {
      QAccessibleInterface* cell = child(i);
      if (cell->rect().contains(x, y)) return cell;
    }
    return nullptr;
  }

 private:
  std::vector<QPoint> cells_;
  mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* gridAccessible(const QString& key, QObject* object) {
  if (key == QLatin1String(ResultsGrid::staticMetaObject.className()) && object &&
      object->isWidgetType()) {
    return new GridAccessible(static_cast<ResultsGrid*>(object));
  }
  return nullptr;
}

}  // namespace

ResultsGrid::ResultsGrid(Source source, QWidget* parent)
    : QFrame(parent), source_(std::move(source)) {
  static const bool accessibleFactory = (QAccessible::installFactory(gridAccessible), true);
  (void)accessibleFactory;
  setMouseTracking(true);
  setObjectName(QStringLiteral("drgrDanni"));
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setLineWidth(grid::kFrame);
  setFixedSize(grid::kWidth, grid::kHeight);
  setAutoFillBackground(false);
  // Reached by Tab; the arrows move between the cells, Ctrl+C copies one.
  // Tab only: a click to drag the column border leaves the focus where it was.
  setFocusPolicy(Qt::TabFocus);
}

QPoint ResultsGrid::currentCell() const {
  const std::vector<QPoint> cells = spokenCells();
  return cells[std::min(current_, cells.size() - 1)];
}

QString ResultsGrid::currentCellText() const {
  const QPoint at = currentCell();
  const GridCell cell = gridCell(source_(), at.x(), at.y());
  const QString value = cell.value.trimmed();
  return value.isEmpty() ? (cell.label.isEmpty() ? cell.centred : cell.label).trimmed() : value;
}

void ResultsGrid::keyPressEvent(QKeyEvent* event) {
  const std::size_t count = spokenCells().size();
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(currentCellText());
    return;
  }
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: current_ = current_ == 0 ? 0 : current_ - 1; break;
    case Qt::Key_Down:
    case Qt::Key_Right: current_ = std::min(current_ + 1, count - 1); break;
    case Qt::Key_Home: current_ = 0; break;
    case Qt::Key_End: current_ = count - 1; break;
    default: QFrame::keyPressEvent(event); return;
  }
  update();
  announceCurrentCell();
}

void ResultsGrid::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  update();
  announceCurrentCell();
}

void ResultsGrid::focusOutEvent(QFocusEvent* event) {
  QFrame::focusOutEvent(event);
  update();
}

void ResultsGrid::announceCurrentCell() {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(static_cast<int>(current_));
  QAccessible::updateAccessibility(&focus);
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
    const int x = cellRect(column, 0, columns_).right() + 1;
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
  if (hasFocus()) {
    painter.resetTransform();
    painter.setClipping(false);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    const QPoint at = currentCell();
    painter.drawRect(cellArea(at.x(), at.y()).adjusted(1, 1, -1, -1));
  }
}

bool ResultsGrid::event(QEvent* event) {
  // Ctrl+C with the focus here copies the cell, not the window's result.
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    event->accept();
    return true;
  }
  if (event->type() != QEvent::ToolTip) {
    return QFrame::event(event);
  }
  const auto* help = static_cast<QHelpEvent*>(event);
  const QPoint at = help->pos() - contentsRect().topLeft();
  const int column = at.x() <= cellRect(0, 0, columns_).right() ? 0 : 1;
  const int row = at.y() / grid::kRowHeight;
  const QString tip = at.x() >= 0 && at.y() >= 0 && at.x() < grid::kClientWidth && row < grid::kRows
                          ? cellToolTip(source_(), column, row)
                          : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this, cellArea(column, row));
  }
  return true;
}

void ResultsGrid::drawCell(QPainter& painter, const GridCell& cell, int column, int row) const {
  const CellLayout place = cellLayout(cell, column, row, columns_);
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

QRect ResultsGrid::cellArea(int column, int row) const {
  return cellRect(column, row, columns_).translated(contentsRect().topLeft());
}

void ResultsGrid::setFirstColumnWidth(int width) {
  const GridColumns moved{std::clamp(width, GridColumns::kMinWidth, GridColumns::kMaxWidth)};
  if (moved == columns_) return;
  columns_ = moved;
  update();
  emit columnsChanged();
}

bool ResultsGrid::onBorder(const QPoint& at) const {
  const int border = contentsRect().left() + columns_.first;
  return contentsRect().contains(at) && std::abs(at.x() - border) <= kBorderGrip;
}

void ResultsGrid::mousePressEvent(QMouseEvent* event) {
  dragging_ = event->button() == Qt::LeftButton && onBorder(event->position().toPoint());
  if (!dragging_) QFrame::mousePressEvent(event);
}

void ResultsGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (dragging_) {
    setFirstColumnWidth(at.x() - contentsRect().left());
  } else if (onBorder(at)) {
    setCursor(Qt::SplitHCursor);
  } else {
    unsetCursor();
  }
  QFrame::mouseMoveEvent(event);
}

void ResultsGrid::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  QFrame::mouseReleaseEvent(event);
}

void ResultsGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (onBorder(event->position().toPoint())) {
    setFirstColumnWidth(grid::kColumnWidth);
  } else {
    QFrame::mouseDoubleClickEvent(event);
  }
}

}  // namespace kalmo
