#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QTableView>
#include <algorithm>

#include "format/length_decimals.h"
#include "format/number_format.h"
#include "format/units.h"
#include "models/design_results_model.h"
#include "models/result_source.h"
#include "pages/calc_host.h"
#include "pages/design_page.h"
#include "storage/language.h"
#include "widgets/number_field.h"

// The design page's search and its results: the search itself, the rows it
// shows, the fit it applies and the line under the table.

namespace kalmo {

namespace {

// The inside line ends at the page's bottom and is at least two lines high
// (DesignPage::kInsideLineMinHeight), or as high as its text needs (a fit
// applied outside the targets); the inside filter stands on it and the
// results table ends on the filter.
constexpr int kInsideLineBottom = 382;
constexpr int kFilterHeight = 17;

}  // namespace

void DesignPage::runSearch() {
  // An entry left unfinished is put right first, as leaving the field does;
  // a target without a number searches nothing and applies nothing.
  maxTargetField_->finishEntry();
  minTargetField_->finishEntry();
  if (targetProblemShown()) return;
  // A search at operating conditions needs every field of the operating
  // page; the previous results stay.
  if (atOperatingBox_->isChecked() && !host_.operatingConditions()) {
    QMessageBox message(QMessageBox::NoIcon, window()->windowTitle(),
                        source_.language().text(TextId::OperatingEntryMissing), QMessageBox::Ok,
                        this);
    message.exec();
    return;
  }
  const DesignRequest request = designRequest();
  const DesignCheck outcome =
      results_->search(request, resultCountPicker_->currentIndex(), insideOnlyBox_->isChecked());

  // The corrected signs go back into the fields, whether or not the check
  // passes; the stored targets follow them.
  if (outcome.targets.max != request.targets.max) {
    targetMaxMm_ = -targetMaxMm_;
  }
  if (outcome.targets.min != request.targets.min) {
    targetMinMm_ = -targetMinMm_;
  }
  maxTargetField_->setValue(outcome.targets.max);
  minTargetField_->setValue(outcome.targets.min);

  if (outcome.error != DesignInputError::None) {
    // The previous results stay.
    QMessageBox message(QMessageBox::NoIcon, window()->windowTitle(),
                        source_.language().text(TextId::TargetsReversed), QMessageBox::Ok, this);
    message.exec();
    return;
  }

  // The heading says which values the table holds: those of this search.
  resultsHeading_->setVisible(request.operating.has_value());
  placeResultsTable();
  applied_.reset();
  showResults();

  // The first row shown is applied (the first inside the targets when the
  // filter is on). Without a result the user's own classes stay.
  if (results_->fitAt(0)) {
    resultsTable_->setFocus();
    applyRow(0);
  }
}

bool DesignPage::targetProblemShown() {
  const Language& l = source_.language();
  QStringList problems;
  for (const auto& [field, caption] :
       {std::pair{maxTargetField_, maxTargetLabel_}, {minTargetField_, minTargetLabel_}}) {
    if (field->marked()) problems << caption->text() + QStringLiteral(": ") + field->problem();
  }
  if (problems.isEmpty()) return false;
  insideLine_->setText(problems.join(u'\n') + u'\n' + l.text(TextId::TargetsNotNumbers));
  placeResultsTable();
  return true;
}

void DesignPage::applyRow(int row) {
  if (const std::optional<DesignResult> fit = results_->fitAt(row)) {
    host_.applyFit(fit->classes);
    applied_ = fit;
    showInsideLine();
  }
}

void DesignPage::insideFilterToggled() {
  showResults();
  if (!results_->searched()) return;
  if (insideOnlyBox_->isChecked()) {
    applyRow(0);
  } else if (applied_) {
    if (const int row = results_->rowOf(applied_->classes); row >= 0) {
      resultsTable_->setCurrentIndex(results_->index(row, 0));
      resultsTable_->scrollTo(results_->index(row, 0));
    }
  }
}

void DesignPage::showResults() {
  if (!results_->searched()) {
    return;  // no search yet
  }
  results_->showRows(resultCountPicker_->currentIndex(), insideOnlyBox_->isChecked());
  resultsTable_->setCurrentIndex(results_->index(0, 0));
  resultsTable_->scrollToTop();
  showInsideLine();
}

void DesignPage::placeResultsTable() {
  // From the bottom: the inside line, the inside filter on it; from the top:
  // the check box and the lines under it. The table takes the room between.
  const int lineHeight =
      std::max(kInsideLineMinHeight, insideLine_->heightForWidth(insideLine_->width()));
  const int lineTop = kInsideLineBottom - lineHeight;
  insideLine_->setGeometry(4, lineTop, 302, lineHeight);
  const int filterTop = lineTop - kFilterHeight;
  insideOnlyBox_->setGeometry(4, filterTop, 302, kFilterHeight);
  constexpr int kLine = 17;
  int top = 167;
  if (conditionsLine_->isVisibleTo(this)) top += kLine;
  resultsHeading_->move(2, top);
  if (resultsHeading_->isVisibleTo(this)) top += kLine;
  resultsTable_->setGeometry(2, top, 306, filterTop - top);
}

void DesignPage::showInsideLine() {
  writeInsideLine();
  placeResultsTable();
}

void DesignPage::writeInsideLine() {
  const std::size_t all = results_->results().size();
  if (!results_->searched() || all == 0) {
    insideLine_->clear();
  } else if (results_->insideCount() == 0) {
    insideLine_->setText(source_.language().text(TextId::NoneInsideTargets));
  } else {
    insideLine_->setText(
        source_.language().text(TextId::InsideCount).arg(results_->insideCount()).arg(all));
  }
  // The fit in the main window, when the page applied it and it misses the
  // targets: which value, by how much.
  if (!applied_ || host_.holeClass() != applied_->classes.hole ||
      host_.shaftClass() != applied_->classes.shaft) {
    return;
  }
  const std::optional<TargetExcess> excess = results_->excessOf(*applied_);
  if (!excess) return;
  const bool inch = inch_;
  const auto length = [inch](double mm) {
    const double shown =
        roundTo(inch ? mmToInch(mm) : mm, lengthDecimals(lengthUnit(inch), LengthUse::Result));
    return QString::fromStdString(formatPlain(shown, localeDecimalSeparator())) +
           (inch ? QStringLiteral(" in") : QStringLiteral(" mm"));
  };
  const FitType type = fitType();
  const bool first = excess->slot == FitValueSlot::First;
  TextId caption = first ? TextId::MaxClearance : TextId::MinClearance;
  if (type == FitType::Transition && !first) caption = TextId::MaxInterference;
  if (type == FitType::Interference)
    caption = first ? TextId::MaxInterference : TextId::MinInterference;
  const Language& l = source_.language();
  insideLine_->setText(insideLine_->text() + u'\n' +
                       l.text(excess->above ? TextId::FitAppliedAbove : TextId::FitAppliedBelow)
                           .arg(QString::fromStdString(applied_->Designation), l.text(caption),
                                length(excess->valueMm), length(excess->excessMm)));
}

void DesignPage::applyCurrentRow() {
  applyRow(resultsTable_->currentIndex().row());
}

}  // namespace kalmo
