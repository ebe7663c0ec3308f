#include "stack/stack_charts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "format/share_format.h"
#include "stack/stack_text.h"

namespace kalmo {

namespace {

const QColor kBars(120, 144, 190);
const QColor kWorstCase(200, 30, 30);
const QColor kSigma(30, 80, 220);
const QColor kLimits(0, 0, 0);

}  // namespace

HistogramAxis histogramAxis(const MonteCarloResult& r, const HistogramMarks& m) {
  double low = std::min({r.histogramLowMm, m.worstMin, m.statMin});
  double high = std::max({r.histogramHighMm, m.worstMax, m.statMax});
  if (m.lsl) low = std::min(low, *m.lsl), high = std::max(high, *m.lsl);
  if (m.usl) low = std::min(low, *m.usl), high = std::max(high, *m.usl);
  const double margin = std::max(high - low, 1e-9) * 0.03;
  return {low - margin, high + margin};
}

StackHistogram::StackHistogram(QWidget* parent) : QWidget(parent) {
  setMinimumSize(260, 150);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void StackHistogram::setResult(const std::optional<MonteCarloResult>& result,
                               const HistogramMarks& marks, bool inch,
                               const QString& decimalSeparator) {
  result_ = result;
  marks_ = marks;
  inch_ = inch;
  separator_ = decimalSeparator;
  update();
}

void StackHistogram::paintEvent(QPaintEvent*) {
  if (!result_ || result_->histogram.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QFontMetrics fm = painter.fontMetrics();
  const double left = 8;
  const double width = this->width() - 16;
  // Labels: mean ± 3 sigma on the first line above, the limits on the
  // second, the worst case below the axis.
  const double top = 2 * fm.height() + 6;
  const double bottom = height() - fm.height() - 8;
  const HistogramAxis axis = histogramAxis(*result_, marks_);
  const std::uint64_t peak =
      *std::max_element(result_->histogram.begin(), result_->histogram.end());
  const double binMm = (result_->histogramHighMm - result_->histogramLowMm) /
                       static_cast<double>(result_->histogram.size());
  painter.setPen(Qt::NoPen);
  painter.setBrush(kBars);
  for (std::size_t i = 0; i < result_->histogram.size(); ++i) {
    if (peak == 0 || result_->histogram[i] == 0) continue;
    const double x0 = axis.x(result_->histogramLowMm + binMm * static_cast<double>(i), left, width);
    const double x1 =
        axis.x(result_->histogramLowMm + binMm * static_cast<double>(i + 1), left, width);
    const double h =
        (bottom - top) * static_cast<double>(result_->histogram[i]) / static_cast<double>(peak);
    painter.drawRect(QRectF(x0, bottom - h, std::max(1.0, x1 - x0), h));
  }
  painter.setPen(QPen(Qt::gray, 1));
  painter.drawLine(QPointF(left, bottom), QPointF(left + width, bottom));
  const StackTextOptions options{inch_, separator_.toStdString()};
  const auto mark = [&](double mm, const QColor& color, Qt::PenStyle style, int labelLine) {
    const double x = axis.x(mm, left, width);
    painter.setPen(QPen(color, 2, style));
    painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    const QString label = QString::fromStdString(stackLengthText(mm, options));
    const double w = fm.horizontalAdvance(label);
    const double lx = std::clamp(x - w / 2, 0.0, this->width() - w);
    painter.setPen(color);
    const double y = labelLine == 0   ? fm.ascent() + 2
                     : labelLine == 1 ? fm.height() + fm.ascent() + 2
                                      : height() - 4;
    painter.drawText(QPointF(lx, y), label);
  };
  mark(marks_.worstMin, kWorstCase, Qt::SolidLine, 2);
  mark(marks_.worstMax, kWorstCase, Qt::SolidLine, 2);
  mark(marks_.statMin, kSigma, Qt::DashLine, 0);
  mark(marks_.statMax, kSigma, Qt::DashLine, 0);
  if (marks_.lsl) mark(*marks_.lsl, kLimits, Qt::DotLine, 1);
  if (marks_.usl) mark(*marks_.usl, kLimits, Qt::DotLine, 1);
}

StackShareChart::StackShareChart(QWidget* parent) : QWidget(parent) {
  setMinimumSize(200, 80);
}

void StackShareChart::setShares(std::vector<std::pair<QString, double>> shares,
                                const QString& decimalSeparator) {
  shares_ = std::move(shares);
  separator_ = decimalSeparator;
  updateGeometry();
  update();
}

QSize StackShareChart::sizeHint() const {
  return {320, static_cast<int>(shares_.size()) * (fontMetrics().height() + 4) + 8};
}

void StackShareChart::paintEvent(QPaintEvent*) {
  if (shares_.empty()) return;
  QPainter painter(this);
  const QFontMetrics fm = painter.fontMetrics();
  int nameWidth = 0;
  for (const auto& [name, share] : shares_) {
    nameWidth = std::max(nameWidth, fm.horizontalAdvance(name));
  }
  nameWidth = std::min(nameWidth + 8, width() / 3);
  const int valueWidth = fm.horizontalAdvance(QStringLiteral("100.0 %")) + 8;
  const double barSpace = std::max(10, width() - nameWidth - valueWidth);
  const int rowHeight = std::max(
      fm.height() + 2, std::min(2 * fm.height(), height() / static_cast<int>(shares_.size())));
  int y = 0;
  for (const auto& [name, share] : shares_) {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, y, nameWidth - 4, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                     fm.elidedText(name, Qt::ElideRight, nameWidth - 4));
    const double w = barSpace * std::clamp(share, 0.0, 1.0);
    painter.fillRect(QRectF(nameWidth, y + 2, w, rowHeight - 4), kBars);
    painter.drawText(QRect(nameWidth + static_cast<int>(w) + 4, y, valueWidth, rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(formatShare(share, separator_.toStdString())));
    y += rowHeight;
  }
}

}  // namespace kalmo
