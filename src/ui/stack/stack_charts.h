#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "stack/monte_carlo.h"

namespace kalmo {

// The marks drawn over the histogram, lengths of the closing dimension in mm.
struct HistogramMarks {
  double worstMin = 0;
  double worstMax = 0;
  double statMin = 0;  // mean - 3 sigma
  double statMax = 0;
  std::optional<double> lsl;
  std::optional<double> usl;
};

// The histogram's x axis: the span of the bins widened to take every mark,
// with a margin of 3 % on each side; a pure function so it can be tested
// apart from the painting.
struct HistogramAxis {
  double lowMm = 0;
  double highMm = 1;
  // The x of a length in a plot `width` pixels wide starting at `left`.
  double x(double mm, double left, double width) const {
    return left + (mm - lowMm) / (highMm - lowMm) * width;
  }
};
HistogramAxis histogramAxis(const MonteCarloResult& result, const HistogramMarks& marks);

// The Monte Carlo histogram with the worst case (red), mean ± 3 sigma (blue)
// and the limits (black) marked, and the axis' end values. Empty without a
// result.
class StackHistogram final : public QWidget {
  Q_OBJECT
 public:
  explicit StackHistogram(QWidget* parent = nullptr);
  void setResult(const std::optional<MonteCarloResult>& result, const HistogramMarks& marks,
                 bool inch, const QString& decimalSeparator);
  QSize sizeHint() const override { return {420, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<MonteCarloResult> result_;
  HistogramMarks marks_;
  bool inch_ = false;
  QString separator_ = QStringLiteral(".");
};

// The contributors' shares of the variance as horizontal bars, largest
// scale 100 %, each labelled with its name and share.
class StackShareChart final : public QWidget {
  Q_OBJECT
 public:
  explicit StackShareChart(QWidget* parent = nullptr);
  // Name and share (0..1) of each contributor, in chain order.
  void setShares(std::vector<std::pair<QString, double>> shares, const QString& decimalSeparator);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<std::pair<QString, double>> shares_;
  QString separator_ = QStringLiteral(".");
};

}  // namespace kalmo
