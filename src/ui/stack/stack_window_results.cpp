#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "format/number_format.h"
#include "stack/stack_charts.h"
#include "stack/stack_table_model.h"
#include "stack/stack_text.h"
#include "stack/stack_window.h"
#include "stack/stack_window_internal.h"
#include "storage/language.h"
#include "widgets/number_field.h"

// The stack-up window's answer to an edit: the analytic result on the spot,
// the Monte Carlo in a thread of its own, and the showing of both.

namespace kalmo {

using stack_window_detail::qs;

void StackWindow::stopMonteCarlo() {
  if (job_) job_->cancel = true;
  job_.reset();
  progressTimer_->stop();
  progress->hide();
}

void StackWindow::recompute() {
  stopMonteCarlo();
  result_.reset();
  monteCarlo_.reset();
  contributors_.clear();
  status->clear();
  const std::optional<std::vector<StackLink>> links = model->links();
  // A limit field holding text that is no number gives no result: an
  // earlier limit must not pass for the one typed.
  SpecLimits limits;
  bool fieldsRead = true;
  for (auto [field, target] : {std::pair{lsl, &limits.lsl}, std::pair{usl, &limits.usl}}) {
    if (field->text().trimmed().isEmpty()) continue;
    const std::optional<double> v = field->value();
    if (!v)
      fieldsRead = false;
    else
      *target = inch_ ? inchToMm(*v) : *v;
  }
  const std::optional<double> n = samples->value();
  const std::optional<double> s = seed->value();
  const bool whole = n && s && std::floor(*n) == *n && std::floor(*s) == *s && *n != 1;
  if (model->rowCount() == 0) {
    status->setText(language_.text(TextId::StackErrNoRows));
  } else if (!links) {
    status->setText(model->firstProblem());
  } else if (!fieldsRead || !whole || (limits.lsl && limits.usl && *limits.lsl > *limits.usl)) {
    status->setText(language_.text(TextId::StackNoResult));
  } else {
    limits_ = limits;
    contributors_ = model->contributors();
    result_ = analyseStack(*links, limits);
    if (*n > 0) {
      startMonteCarlo(*links, limits,
                      {static_cast<std::uint64_t>(*n), static_cast<std::uint64_t>(*s)});
    }
  }
  model->setResult(result_);
  showResults();
}

void StackWindow::startMonteCarlo(std::vector<StackLink> links, SpecLimits limits,
                                  MonteCarloOptions options) {
  auto job = std::make_shared<Job>();
  job->samples = options.samples;
  job_ = job;
  QThread* thread = QThread::create([job, links = std::move(links), limits, options] {
    job->result = runMonteCarlo(links, limits, options, [&job](std::uint64_t done) {
      job->done = done;
      return !job->cancel.load();
    });
  });
  threads_.push_back(thread);
  connect(thread, &QThread::finished, this, [this, job, thread] {
    std::erase(threads_, thread);
    thread->deleteLater();
    if (job != job_) return;  // dropped: the chain has changed since
    job_.reset();
    progressTimer_->stop();
    progress->hide();
    monteCarlo_ = job->result;
    showResults();
  });
  progress->setValue(0);
  progress->show();
  progressTimer_->start();
  thread->start();
}

void StackWindow::showResults() {
  const LangTable& lang = language_.table();
  const StackTextOptions options{inch_, localeDecimalSeparator()};
  results->clearSpans();
  results->setRowCount(0);
  std::vector<std::pair<QString, double>> shareBars;
  if (result_) {
    const std::vector<StackLine> lines = stackResultLines(lang, *result_, monteCarlo_, options);
    results->setRowCount(static_cast<int>(lines.size()));
    for (int r = 0; r < results->rowCount(); ++r) {
      const StackLine& line = lines[static_cast<std::size_t>(r)];
      auto* caption = new QTableWidgetItem(qs(line.caption));
      results->setItem(r, 0, caption);
      results->setItem(r, 1, new QTableWidgetItem(qs(line.value)));
      if (line.value.empty()) {
        QFont f = caption->font();
        f.setBold(true);
        caption->setFont(f);
        results->setSpan(r, 0, 1, 2);
      }
    }
    int captionWidth = 80;
    for (const StackLine& line : lines) {
      if (line.value.empty()) continue;
      captionWidth =
          std::max(captionWidth, results->fontMetrics().horizontalAdvance(qs(line.caption)) + 12);
    }
    results->setColumnWidth(0, std::min(captionWidth, 250));
    for (std::size_t i = 0; i < contributors_.size() && i < result_->contributors.size(); ++i) {
      shareBars.emplace_back(qs(contributors_[i].name), result_->contributors[i].share);
    }
  }
  shares->setShares(std::move(shareBars), qs(options.decimalSeparator));
  HistogramMarks marks;
  if (result_) {
    marks = {result_->worstMin.mm(),
             result_->worstMax.mm(),
             result_->statMinMm(),
             result_->statMaxMm(),
             limits_.lsl,
             limits_.usl};
  }
  histogram->setResult(result_ ? monteCarlo_ : std::nullopt, marks, inch_,
                       qs(options.decimalSeparator));
}

}  // namespace kalmo
