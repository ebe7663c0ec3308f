#include "design_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

#include "calc_host.h"
#include "class_pickers.h"
#include "design_results_model.h"
#include "format/number_format.h"
#include "format/units.h"
#include "language.h"
#include "number_field.h"

namespace kalmo {

namespace {

// Target values are fit values in the unit shown; no fit comes near 10 m.
constexpr double kTargetLimit = 10000;

QLabel* label(QWidget* parent, const char* name, const QRect& place) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(place);
  return l;
}

QComboBox* combo(QWidget* parent, const char* name, const QRect& place, int entries) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setGeometry(place);
  for (int i = 0; i < entries; ++i) {
    c->addItem(QString());
  }
  return c;
}

NumberField* targetField(QWidget* parent, const char* name, const QRect& place) {
  auto* f = new NumberField(-kTargetLimit, kTargetLimit, parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setGeometry(place);
  f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  f->setValue(0);
  return f;
}

// The text shown when the targets contradict each other.

FitType fitTypeAt(int index) {
  return index >= 0 && index < kFitTypeCount ? static_cast<FitType>(index) : FitType::Clearance;
}

double unitFactor(bool inchMode) {
  return inchMode ? kMmPerInch : 1.0;
}

}  // namespace

DesignPage::DesignPage(CalcHost& host, QWidget* parent)
    : QWidget(parent),
      ULabel3(label(this, "ULabel3", {4, 4, 200, 15})),
      ULabel4(label(this, "ULabel4", {4, 41, 150, 15})),
      ULabel5(label(this, "ULabel5", {4, 130, 54, 15})),
      ULabel6(label(this, "ULabel6", {158, 41, 148, 15})),
      cbIT(combo(this, "cbIT", {4, 18, 198, 21}, 6)),
      cbDVon(combo(this, "cbDVon", {206, 18, 48, 21}, 0)),
      cbDBis(combo(this, "cbDBis", {258, 18, 48, 21}, 0)),
      cbDSystem(combo(this, "cbDSystem", {4, 55, 150, 21}, 5)),
      cbDSgl(combo(this, "cbDSgl", {4, 79, 64, 21}, 0)),
      cbDType(combo(this, "cbDType", {158, 55, 148, 21}, 3)),
      lblMax(label(this, "lblMax", {4, 106, 78, 15})),
      lblMin(label(this, "lblMin", {158, 106, 78, 15})),
      edMaxV(targetField(this, "edMaxV", {84, 103, 70, 21})),
      edMinV(targetField(this, "edMinV", {238, 103, 68, 21})),
      chbDSel(new QCheckBox(this)),
      cbPart(combo(this, "cbPart", {60, 126, 60, 21}, 0)),
      btnShow(new QPushButton(this)),
      drgrDesign(new QTableView(this)),
      host_(host),
      results_(new DesignResultsModel(host.record(), host.language(), this)) {
  setObjectName(QStringLiteral("Design"));
  fillGradePicker(*cbDVon);
  fillGradePicker(*cbDBis);
  cbDVon->setEnabled(false);
  cbDBis->setEnabled(false);
  cbDSgl->setVisible(false);
  // Up to 201 classes: a list that drops down below the picker, 16 entries
  // high, like the class lists, rather than one as tall as the screen.
  cbDSgl->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  cbDSgl->setMaxVisibleItems(16);
  lblMax->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblMin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  chbDSel->setObjectName(QStringLiteral("chbDSel"));
  chbDSel->setGeometry(76, 80, 230, 19);

  // Entries 0..3 are fixed counts; entry 4 ("all") follows the language.
  cbPart->addItems({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50"),
                    QStringLiteral("100"), QString()});

  btnShow->setObjectName(QStringLiteral("btnShow"));
  btnShow->setGeometry(206, 125, 100, 23);

  drgrDesign->setObjectName(QStringLiteral("drgrDesign"));
  drgrDesign->setGeometry(2, 148, 306, 201);
  drgrDesign->setHorizontalHeader(new DesignTableHeader(drgrDesign));
  drgrDesign->setModel(results_);
  drgrDesign->verticalHeader()->setVisible(false);
  drgrDesign->verticalHeader()->setMinimumSectionSize(1);
  drgrDesign->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  drgrDesign->verticalHeader()->setDefaultSectionSize(17);
  drgrDesign->horizontalHeader()->setMinimumSectionSize(1);
  drgrDesign->horizontalHeader()->setDefaultSectionSize(70);
  drgrDesign->horizontalHeader()->setFixedHeight(17);
  drgrDesign->horizontalHeader()->setHighlightSections(false);
  drgrDesign->setSelectionBehavior(QAbstractItemView::SelectRows);
  drgrDesign->setSelectionMode(QAbstractItemView::SingleSelection);
  drgrDesign->setEditTriggers(QAbstractItemView::NoEditTriggers);
  drgrDesign->setWordWrap(false);
  drgrDesign->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  drgrDesign->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The current row keeps its highlight when the focus goes elsewhere.
  QPalette table = drgrDesign->palette();
  table.setColor(QPalette::Inactive, QPalette::Highlight,
                 table.color(QPalette::Active, QPalette::Highlight));
  table.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 table.color(QPalette::Active, QPalette::HighlightedText));
  drgrDesign->setPalette(table);
  drgrDesign->installEventFilter(this);

  connect(cbIT, &QComboBox::currentIndexChanged, this, &DesignPage::cbITChange);
  connect(cbDSystem, &QComboBox::currentIndexChanged, this, &DesignPage::cbDSystemChange);
  connect(cbDType, &QComboBox::currentIndexChanged, this, &DesignPage::cbDTypeChange);
  connect(edMaxV, &QLineEdit::textChanged, this, &DesignPage::edMaxVChange);
  connect(edMinV, &QLineEdit::textChanged, this, &DesignPage::edMinVChange);
  connect(btnShow, &QPushButton::clicked, this, &DesignPage::btnShowClick);
  connect(drgrDesign, &QTableView::clicked, this, &DesignPage::drgrDesignClick);
  cbITChange();
}

void DesignPage::applyLanguage(const Language& language) {
  ULabel3->setText(language.text(TextId::ItRange));
  ULabel4->setText(language.text(TextId::SystemOfFit));
  chbDSel->setText(language.text(TextId::OnlyStandardFits));
  ULabel6->setText(language.text(TextId::TypeOfFit));
  btnShow->setText(language.text(TextId::Search));
  ULabel5->setText(language.text(TextId::Results));
  setItemTexts(*cbIT,
               {language.text(TextId::RangePrecision), language.text(TextId::RangeGauges),
                language.text(TextId::RangeSemiProducts), language.text(TextId::RangeStructures),
                language.text(TextId::RangeNonTolerated), language.text(TextId::Select)});
  setItemTexts(*cbDSystem,
               {language.text(TextId::HoleBasis), language.text(TextId::ShaftBasis),
                language.text(TextId::HoleTolerance), language.text(TextId::ShaftTolerance),
                language.text(TextId::AllCombinations)});
  setItemTexts(*cbDType, {language.text(TextId::ClearanceFit), language.text(TextId::TransitionFit),
                          language.text(TextId::InterferenceFit)});
  const TargetCaptionIds captions = targetCaptionIds(fitTypeAt(cbDType->currentIndex()));
  lblMax->setText(language.text(captions.max));
  lblMin->setText(language.text(captions.min));
  // "(all)" without its brackets.
  const QString all = language.text(TextId::AllEntries);
  setItemTexts(*cbPart,
               {cbPart->itemText(0), cbPart->itemText(1), cbPart->itemText(2), cbPart->itemText(3),
                all.size() >= 2 ? all.mid(1, all.size() - 2) : QString()});
  results_->refreshTexts();
}

void DesignPage::showTargets(double designMinMm, double designMaxMm, bool inchMode) {
  const auto shown = [inchMode](double mm) {
    return inchMode ? roundTo(mmToInch(mm), 5) : roundTo(mm, 4);
  };
  edMinV->setValue(shown(designMinMm));
  edMaxV->setValue(shown(designMaxMm));
}

void DesignPage::resetPage() {
  {
    const QSignalBlocker blockRange(cbIT);
    const QSignalBlocker blockSystem(cbDSystem);
    const QSignalBlocker blockType(cbDType);
    cbIT->setCurrentIndex(0);
    cbDSystem->setCurrentIndex(0);
    cbDType->setCurrentIndex(0);
  }
  cbITChange();
  cbDSystemChange();
  cbDTypeChange();
}

GradeBounds DesignPage::gradeBounds() const {
  const int lower = cbDVon->currentIndex();
  const int upper = cbDBis->currentIndex();
  if (lower < 0 || upper < 0) {
    return {1, 0};  // no range without both bounds
  }
  return gradeBoundsFromIndexes(lower, upper);
}

void DesignPage::cbITChange() {
  const int entry = cbIT->currentIndex();
  if (entry < 0 || entry >= static_cast<int>(kItApplicationRanges.size())) {
    return;
  }
  const ItApplicationRange& range = kItApplicationRanges[static_cast<std::size_t>(entry)];
  cbDVon->setEnabled(false);
  cbDBis->setEnabled(false);
  cbDVon->setCurrentIndex(range.lowerGradeIndex);
  cbDBis->setCurrentIndex(range.upperGradeIndex);
  cbDVon->setEnabled(range.freeChoice);
  cbDBis->setEnabled(range.freeChoice);
  if (!cbDSgl->isHidden()) {
    cbDSystemChange();
  }
}

void DesignPage::cbDSystemChange() {
  cbDSgl->clear();
  const int system = cbDSystem->currentIndex();
  const bool fixed = system == static_cast<int>(DesignSystem::HoleTolerance) ||
                     system == static_cast<int>(DesignSystem::ShaftTolerance);
  fixedClasses_ = fixed ? fixedClassChoices(static_cast<DesignSystem>(system),
                                            host_.record().NominalSize, gradeBounds())
                        : std::vector<ClassListItem>{};
  const Side side =
      system == static_cast<int>(DesignSystem::HoleTolerance) ? Side::Hole : Side::Shaft;
  // Only the weight: the picker's font supplies the rest.
  QFont bold;
  bold.setBold(true);
  for (const ClassListItem& item : fixedClasses_) {
    cbDSgl->addItem(QString::fromStdString(Designation(side, item.cls)));
    if (item.preferred) {
      cbDSgl->setItemData(cbDSgl->count() - 1, bold, Qt::FontRole);
    }
  }
  cbDSgl->setCurrentIndex(fixedClasses_.empty() ? -1 : 0);
  cbDSgl->setVisible(fixed);
}

void DesignPage::cbDTypeChange() {
  const FitType type = fitTypeAt(cbDType->currentIndex());
  const TargetCaptionIds captions = targetCaptionIds(type);
  lblMax->setText(host_.language().text(captions.max));
  lblMin->setText(host_.language().text(captions.min));
  results_->setFitType(type);
  edMinV->setValue(0);
  edMaxV->setValue(0);
  // The targets the fields show are the ones a unit switch rewrites them
  // from; left behind, a switch would bring back the discarded values.
  host_.record().DesignMin = 0;
  host_.record().DesignMax = 0;
}

void DesignPage::edMaxVChange() {
  const std::optional<double> typed = edMaxV->value();
  if (edMaxV->hasFocus() && typed) {
    host_.record().DesignMax = *typed * unitFactor(host_.record().InchMode);
  }
}

void DesignPage::edMinVChange() {
  const std::optional<double> typed = edMinV->value();
  if (edMinV->hasFocus() && typed) {
    host_.record().DesignMin = *typed * unitFactor(host_.record().InchMode);
  }
}

DesignRequest DesignPage::designRequest() const {
  const CalcRecord& record = host_.record();
  DesignRequest request;
  request.nominalSizeMm = record.NominalSize;
  request.inchMode = record.InchMode;
  request.fitType = fitTypeAt(cbDType->currentIndex());
  const int system = cbDSystem->currentIndex();
  request.system = system >= 0 && system <= static_cast<int>(DesignSystem::AllCombinations)
                       ? static_cast<DesignSystem>(system)
                       : DesignSystem::HoleBasis;
  const int fixed = cbDSgl->currentIndex();
  if (fixed >= 0 && static_cast<std::size_t>(fixed) < fixedClasses_.size()) {
    request.fixedClass = fixedClasses_[static_cast<std::size_t>(fixed)].cls;
  }
  request.grades = gradeBounds();
  request.onlyStandard = chbDSel->isChecked();
  request.targets = {edMaxV->value().value_or(0), edMinV->value().value_or(0)};
  return request;
}

void DesignPage::btnShowClick() {
  // An entry left unfinished is put right first, as leaving the field does.
  edMaxV->finishEntry();
  edMinV->finishEntry();
  const DesignRequest request = designRequest();
  DesignOutcome outcome = runDesignSearch(request);

  // The corrected signs go back into the fields, whether or not the check
  // passes; the stored targets follow them.
  CalcRecord& record = host_.record();
  if (outcome.targets.max != request.targets.max) {
    record.DesignMax = -record.DesignMax;
  }
  if (outcome.targets.min != request.targets.min) {
    record.DesignMin = -record.DesignMin;
  }
  edMaxV->setValue(outcome.targets.max);
  edMinV->setValue(outcome.targets.min);

  if (outcome.error != DesignInputError::None) {
    // The previous results stay.
    QMessageBox message(QMessageBox::NoIcon, window()->windowTitle(),
                        host_.language().text(TextId::TargetsReversed), QMessageBox::Ok, this);
    message.exec();
    return;
  }

  const std::size_t rows = designRowsToShow(cbPart->currentIndex(), outcome.results.size());
  results_->setResults(std::move(outcome.results), rows);
  drgrDesign->setCurrentIndex(results_->index(0, 0));
  drgrDesign->scrollToTop();

  // Without a result the user's own classes and the views stay as they were.
  if (const TSglobka* best = results_->fitAt(0)) {
    const FitClasses fit = best->classes;
    drgrDesign->setFocus();
    host_.applyFit(fit);
  }
}

void DesignPage::drgrDesignClick() {
  if (const TSglobka* fit = results_->fitAt(drgrDesign->currentIndex().row())) {
    host_.applyFit(fit->classes);
  }
}

bool DesignPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == drgrDesign && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      drgrDesignClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kalmo
