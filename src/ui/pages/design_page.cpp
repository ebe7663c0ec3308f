#include "pages/design_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolTip>
#include <algorithm>

#include "format/number_format.h"
#include "format/units.h"
#include "models/design_results_model.h"
#include "models/result_source.h"
#include "pages/calc_host.h"
#include "storage/language.h"
#include "widgets/class_pickers.h"
#include "widgets/number_field.h"
#include "widgets/page_parts.h"
#include "widgets/visual_tab_order.h"

namespace kalmo {

namespace {

QLabel* label(QWidget* parent, const char* name, const QRect& place) {
  return pageLabel(parent, QString::fromLatin1(name), place);
}

QComboBox* combo(QWidget* parent, const char* name, const QRect& place, int entries) {
  return pagePicker(parent, QString::fromLatin1(name), place, entries);
}

NumberField* targetField(QWidget* parent, const char* name, const QRect& place) {
  auto* f = new NumberField(-kDesignTargetLimit, kDesignTargetLimit, parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setGeometry(place);
  f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  f->setRequired(true);
  f->setUnit(QStringLiteral("mm"));
  f->setValue(0);
  return f;
}

FitType fitTypeAt(int index) {
  return index >= 0 && index < kFitTypeCount ? static_cast<FitType>(index) : FitType::Clearance;
}

double unitFactor(bool inchMode) {
  return inchMode ? kMmPerInch : 1.0;
}

}  // namespace

// Widths that let the longest caption of the three languages fit: the IT-range
// list 210 pixels, the two grade lists beside it 42 (as the main window's),
// the result-count list 66 and its caption 56.
DesignPage::DesignPage(const ResultSource& source, CalcHost& host, QWidget* parent)
    : QWidget(parent),
      gradeRangeLabel_(label(this, "ULabel3", {4, 4, 200, 15})),
      fitSystemLabel_(label(this, "ULabel4", {4, 41, 150, 15})),
      resultCountLabel_(label(this, "ULabel5", {4, 130, 56, 15})),
      fitTypeLabel_(label(this, "ULabel6", {158, 41, 148, 15})),
      gradeRangePicker_(combo(this, "cbIT", {4, 18, 210, 21}, 6)),
      lowestGradePicker_(combo(this, "cbDVon", {218, 18, 42, 21}, 0)),
      highestGradePicker_(combo(this, "cbDBis", {264, 18, 42, 21}, 0)),
      fitSystemPicker_(combo(this, "cbDSystem", {4, 55, 150, 21}, 5)),
      fixedClassPicker_(combo(this, "cbDSgl", {4, 79, 64, 21}, 0)),
      fitTypePicker_(combo(this, "cbDType", {158, 55, 148, 21}, 3)),
      maxTargetLabel_(label(this, "lblMax", {4, 106, 78, 15})),
      minTargetLabel_(label(this, "lblMin", {158, 106, 78, 15})),
      maxTargetField_(targetField(this, "edMaxV", {84, 103, 70, 21})),
      minTargetField_(targetField(this, "edMinV", {238, 103, 68, 21})),
      standardFitsOnlyBox_(new QCheckBox(this)),
      resultCountPicker_(combo(this, "cbPart", {62, 126, 66, 21}, 0)),
      searchButton_(new QPushButton(this)),
      atOperatingBox_(new QCheckBox(this)),
      conditionsLine_(label(this, "conditionsLine", {4, 167, 302, 17})),
      resultsHeading_(label(this, "resultsHeading", {2, 167, 306, 17})),
      resultsTable_(new QTableView(this)),
      insideOnlyBox_(new QCheckBox(this)),
      insideLine_(label(this, "lblInside", {4, 352, 302, kInsideLineMinHeight})),
      source_(source),
      host_(host),
      results_(new DesignResultsModel(source.language(), this)) {
  setObjectName(QStringLiteral("Design"));
  fillGradePicker(*lowestGradePicker_);
  fillGradePicker(*highestGradePicker_);
  lowestGradePicker_->setEnabled(false);
  highestGradePicker_->setEnabled(false);
  fixedClassPicker_->setVisible(false);
  // Up to 201 classes: a list that drops down below the picker, 16 entries
  // high, like the class lists, rather than one as tall as the screen.
  fixedClassPicker_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  fixedClassPicker_->setMaxVisibleItems(16);
  maxTargetLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  minTargetLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  maxTargetLabel_->setBuddy(maxTargetField_);
  minTargetLabel_->setBuddy(minTargetField_);

  standardFitsOnlyBox_->setObjectName(QStringLiteral("chbDSel"));
  standardFitsOnlyBox_->setGeometry(76, 80, 230, 19);

  // Entries 0..3 are fixed counts; entry 4 ("all") follows the language.
  resultCountPicker_->addItems({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50"),
                                QStringLiteral("100"), QString()});

  searchButton_->setObjectName(QStringLiteral("btnShow"));
  searchButton_->setGeometry(206, 125, 100, 23);

  resultsTable_->setObjectName(QStringLiteral("drgrDesign"));
  atOperatingBox_->setObjectName(QStringLiteral("atOperatingBox"));
  atOperatingBox_->setGeometry(4, 148, 302, 19);
  resultsHeading_->setAlignment(Qt::AlignCenter);
  resultsHeading_->setAutoFillBackground(true);
  QPalette heading = resultsHeading_->palette();
  heading.setColor(QPalette::Window, DesignResultsModel::kHeadingColour);
  resultsHeading_->setPalette(heading);
  QFont bold = resultsHeading_->font();
  bold.setBold(true);
  resultsHeading_->setFont(bold);
  resultsHeading_->hide();
  conditionsLine_->hide();
  auto* header = new DesignTableHeader(resultsTable_);
  resultsTable_->setHorizontalHeader(header);
  resultsTable_->setModel(results_);
  resultsTable_->verticalHeader()->setVisible(false);
  resultsTable_->verticalHeader()->setMinimumSectionSize(1);
  resultsTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  resultsTable_->verticalHeader()->setDefaultSectionSize(17);
  resultsTable_->horizontalHeader()->setMinimumSectionSize(1);
  resultsTable_->horizontalHeader()->setDefaultSectionSize(70);
  header->setFixedHeight(header->twoLineHeight());
  resultsTable_->horizontalHeader()->setHighlightSections(false);
  resultsTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  resultsTable_->setSelectionMode(QAbstractItemView::SingleSelection);
  resultsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  resultsTable_->setWordWrap(false);
  resultsTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  resultsTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Fit, three values, and the narrow inside column, within the width the
  // scroll bar leaves; the deviation column holds its one-word heading
  // ("Отклонение"), the others break theirs between words ("Max." over
  // "interf.") in the two-line heading.
  const int widths[DesignResultsModel::kColumns] = {54, 58, 58, 68, 46};
  for (int c = 0; c < DesignResultsModel::kColumns; ++c) {
    resultsTable_->horizontalHeader()->resizeSection(c, widths[c]);
  }
  // The current row keeps its highlight when the focus goes elsewhere.
  QPalette table = resultsTable_->palette();
  table.setColor(QPalette::Inactive, QPalette::Highlight,
                 table.color(QPalette::Active, QPalette::Highlight));
  table.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 table.color(QPalette::Active, QPalette::HighlightedText));
  resultsTable_->setPalette(table);
  applyOnEnter(*resultsTable_, [this] { applyCurrentRow(); });

  insideOnlyBox_->setObjectName(QStringLiteral("chbDInside"));
  insideLine_->setWordWrap(true);
  insideLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  placeResultsTable();

  connect(gradeRangePicker_, &QComboBox::currentIndexChanged, this, &DesignPage::gradeRangeChanged);
  connect(fitSystemPicker_, &QComboBox::currentIndexChanged, this, &DesignPage::fitSystemChanged);
  connect(fitTypePicker_, &QComboBox::currentIndexChanged, this, &DesignPage::fitTypeChanged);
  connect(maxTargetField_, &QLineEdit::textChanged, this, &DesignPage::maxTargetEdited);
  connect(minTargetField_, &QLineEdit::textChanged, this, &DesignPage::minTargetEdited);
  // A target left without a number says why at the field.
  for (NumberField* f : {maxTargetField_, minTargetField_}) {
    connect(f, &NumberField::noteRequested, this, [f](const QString& note) {
      QToolTip::showText(f->mapToGlobal(QPoint(0, f->height())), note, f);
    });
    f->setLanguage(&source_.language().table());
  }
  setVisualTabOrder(*this);
  connect(searchButton_, &QPushButton::clicked, this, &DesignPage::runSearch);
  connect(resultsTable_, &QTableView::clicked, this, &DesignPage::applyCurrentRow);
  connect(insideOnlyBox_, &QCheckBox::toggled, this, &DesignPage::insideFilterToggled);
  connect(atOperatingBox_, &QCheckBox::toggled, this, &DesignPage::showConditionsLine);
  connect(&source_, &ResultSource::languageChanged, this, &DesignPage::applyLanguage);
  connect(&source_, &ResultSource::resultChanged, this, &DesignPage::followUnit);
  gradeRangeChanged();
}

void DesignPage::followUnit(const FitView& view) {
  if (view.inputs.inch == inch_) return;
  // The targets are shown anew from the kept millimetres, so that switching
  // back and forth does not drift them.
  inch_ = view.inputs.inch;
  showTargets(targetMinMm_, targetMaxMm_, inch_);
  showUnit(inch_);
}

void DesignPage::applyLanguage() {
  const Language& language = source_.language();
  gradeRangeLabel_->setText(language.text(TextId::ItRange));
  fitSystemLabel_->setText(language.text(TextId::SystemOfFit));
  standardFitsOnlyBox_->setText(language.text(TextId::OnlyStandardFits));
  atOperatingBox_->setText(language.text(TextId::AtOperatingConditions));
  resultsHeading_->setText(language.text(TextId::ValuesAtOperating));
  insideOnlyBox_->setText(language.text(TextId::OnlyInsideTargets));
  fitTypeLabel_->setText(language.text(TextId::TypeOfFit));
  searchButton_->setText(language.text(TextId::Search));
  resultCountLabel_->setText(language.text(TextId::Results));
  setItemTexts(*gradeRangePicker_,
               {language.text(TextId::RangePrecision), language.text(TextId::RangeGauges),
                language.text(TextId::RangeSemiProducts), language.text(TextId::RangeStructures),
                language.text(TextId::RangeNonTolerated), language.text(TextId::Select)});
  setItemTexts(*fitSystemPicker_,
               {language.text(TextId::HoleBasis), language.text(TextId::ShaftBasis),
                language.text(TextId::HoleTolerance), language.text(TextId::ShaftTolerance),
                language.text(TextId::AllCombinations)});
  setItemTexts(*fitTypePicker_,
               {language.text(TextId::ClearanceFit), language.text(TextId::TransitionFit),
                language.text(TextId::InterferenceFit)});
  const TargetCaptionIds captions = targetCaptionIds(fitTypeAt(fitTypePicker_->currentIndex()));
  maxTargetLabel_->setText(language.text(captions.max));
  minTargetLabel_->setText(language.text(captions.min));
  // "(all)" without its brackets.
  const QString all = language.text(TextId::AllEntries);
  setItemTexts(*resultCountPicker_,
               {resultCountPicker_->itemText(0), resultCountPicker_->itemText(1),
                resultCountPicker_->itemText(2), resultCountPicker_->itemText(3),
                all.size() >= 2 ? all.mid(1, all.size() - 2) : QString()});
  results_->refreshTexts();
  for (NumberField* f : {maxTargetField_, minTargetField_}) f->setLanguage(&language.table());
  showInsideLine();
  showConditionsLine();

  // What each control is, for assistive technology; the target fields take
  // their names from their captions.
  const auto describe = [&language](QWidget* w, std::optional<TextId> name, TextId description) {
    if (name) w->setAccessibleName(language.text(*name));
    w->setAccessibleDescription(language.text(description));
  };
  describe(gradeRangePicker_, TextId::ItRange, TextId::GradeRangeHelp);
  describe(lowestGradePicker_, TextId::LowestGrade, TextId::GradeRangeHelp);
  describe(highestGradePicker_, TextId::HighestGrade, TextId::GradeRangeHelp);
  describe(fitSystemPicker_, TextId::SystemOfFit, TextId::DesignSystemHelp);
  describe(fixedClassPicker_, TextId::SystemOfFit, TextId::DesignSystemHelp);
  describe(fitTypePicker_, TextId::TypeOfFit, TextId::FitTypeHelp);
  describe(maxTargetField_, std::nullopt, TextId::TargetHelp);
  describe(minTargetField_, std::nullopt, TextId::TargetHelp);
  describe(standardFitsOnlyBox_, std::nullopt, TextId::StandardOnlyHelp);
  describe(resultCountPicker_, TextId::Results, TextId::ResultCountHelp);
  describe(searchButton_, std::nullopt, TextId::SearchHelp);
  describe(atOperatingBox_, std::nullopt, TextId::AtOperatingHelp);
  describe(resultsTable_, TextId::DesignResults, TextId::DesignResultsHelp);
  describe(insideOnlyBox_, std::nullopt, TextId::InsideOnlyHelp);
}

void DesignPage::showTargets(double designMinMm, double designMaxMm, bool inchMode) {
  const auto shown = [inchMode](double mm) {
    return roundTo(inchMode ? mmToInch(mm) : mm,
                   lengthDecimals(lengthUnit(inchMode), LengthUse::Field));
  };
  // A field whose text is no number keeps it: the switch takes no text away.
  if (!minTargetField_->marked()) minTargetField_->setValue(shown(designMinMm));
  if (!maxTargetField_->marked()) maxTargetField_->setValue(shown(designMaxMm));
}

void DesignPage::pageOpened() {
  {
    const QSignalBlocker blockRange(gradeRangePicker_);
    const QSignalBlocker blockSystem(fitSystemPicker_);
    gradeRangePicker_->setCurrentIndex(0);
    fitSystemPicker_->setCurrentIndex(0);
  }
  gradeRangeChanged();
  fitSystemChanged();
  showConditionsLine();
  showInsideLine();
}

FitType DesignPage::fitType() const {
  return fitTypeAt(fitTypePicker_->currentIndex());
}

void DesignPage::restoreTargets(FitType type, double designMinMm, double designMaxMm,
                                bool inchMode) {
  {
    const QSignalBlocker blockType(fitTypePicker_);
    fitTypePicker_->setCurrentIndex(static_cast<int>(type));
  }
  const TargetCaptionIds captions = targetCaptionIds(type);
  maxTargetLabel_->setText(source_.language().text(captions.max));
  minTargetLabel_->setText(source_.language().text(captions.min));
  results_->setFitType(type);
  targetMinMm_ = designMinMm;
  targetMaxMm_ = designMaxMm;
  showTargets(designMinMm, designMaxMm, inchMode);
}

GradeBounds DesignPage::gradeBounds() const {
  const int lower = lowestGradePicker_->currentIndex();
  const int upper = highestGradePicker_->currentIndex();
  if (lower < 0 || upper < 0) {
    return {1, 0};  // no range without both bounds
  }
  return gradeBoundsFromIndexes(lower, upper);
}

void DesignPage::gradeRangeChanged() {
  const int entry = gradeRangePicker_->currentIndex();
  if (entry < 0 || entry >= static_cast<int>(kItApplicationRanges.size())) {
    return;
  }
  const ItApplicationRange& range = kItApplicationRanges[static_cast<std::size_t>(entry)];
  lowestGradePicker_->setEnabled(false);
  highestGradePicker_->setEnabled(false);
  lowestGradePicker_->setCurrentIndex(range.lowerGradeIndex);
  highestGradePicker_->setCurrentIndex(range.upperGradeIndex);
  lowestGradePicker_->setEnabled(range.freeChoice);
  highestGradePicker_->setEnabled(range.freeChoice);
  if (!fixedClassPicker_->isHidden()) {
    fitSystemChanged();
  }
}

void DesignPage::fitSystemChanged() {
  fixedClassPicker_->clear();
  const int system = fitSystemPicker_->currentIndex();
  const bool fixed = system == static_cast<int>(DesignSystem::HoleTolerance) ||
                     system == static_cast<int>(DesignSystem::ShaftTolerance);
  fixedClasses_ = fixed ? fixedClassChoices(static_cast<DesignSystem>(system),
                                            source_.view().inputs.sizeMm, gradeBounds())
                        : std::vector<ClassListItem>{};
  const Side side =
      system == static_cast<int>(DesignSystem::HoleTolerance) ? Side::Hole : Side::Shaft;
  // Only the weight: the picker's font supplies the rest.
  QFont bold;
  bold.setBold(true);
  for (const ClassListItem& item : fixedClasses_) {
    fixedClassPicker_->addItem(QString::fromStdString(Designation(side, item.cls)));
    if (item.preferred) {
      fixedClassPicker_->setItemData(fixedClassPicker_->count() - 1, bold, Qt::FontRole);
    }
  }
  fixedClassPicker_->setCurrentIndex(fixedClasses_.empty() ? -1 : 0);
  fixedClassPicker_->setVisible(fixed);
}

void DesignPage::fitTypeChanged() {
  const FitType type = fitTypeAt(fitTypePicker_->currentIndex());
  const TargetCaptionIds captions = targetCaptionIds(type);
  maxTargetLabel_->setText(source_.language().text(captions.max));
  minTargetLabel_->setText(source_.language().text(captions.min));
  results_->setFitType(type);
  minTargetField_->setValue(0);
  maxTargetField_->setValue(0);
  // The targets the fields show are the ones a unit switch rewrites them
  // from; left behind, a switch would bring back the discarded values.
  targetMinMm_ = 0;
  targetMaxMm_ = 0;
}

void DesignPage::maxTargetEdited() {
  // The line under the table describes the targets as they stand.
  if (!targetProblemShown()) showInsideLine();
  const std::optional<double> typed = maxTargetField_->value();
  if (maxTargetField_->hasFocus() && typed) {
    targetMaxMm_ = *typed * unitFactor(inch_);
  }
}

void DesignPage::minTargetEdited() {
  // The line under the table describes the targets as they stand.
  if (!targetProblemShown()) showInsideLine();
  const std::optional<double> typed = minTargetField_->value();
  if (minTargetField_->hasFocus() && typed) {
    targetMinMm_ = *typed * unitFactor(inch_);
  }
}

DesignRequest DesignPage::designRequest() const {
  DesignRequest request;
  request.nominalSizeMm = source_.view().inputs.sizeMm;
  request.inchMode = inch_;
  request.fitType = fitTypeAt(fitTypePicker_->currentIndex());
  const int system = fitSystemPicker_->currentIndex();
  request.system = system >= 0 && system <= static_cast<int>(DesignSystem::AllCombinations)
                       ? static_cast<DesignSystem>(system)
                       : DesignSystem::HoleBasis;
  const int fixed = fixedClassPicker_->currentIndex();
  if (fixed >= 0 && static_cast<std::size_t>(fixed) < fixedClasses_.size()) {
    request.fixedClass = fixedClasses_[static_cast<std::size_t>(fixed)].cls;
  }
  request.grades = gradeBounds();
  request.onlyStandard = standardFitsOnlyBox_->isChecked();
  if (atOperatingBox_->isChecked()) request.operating = host_.operatingConditions();
  request.targets = {maxTargetField_->value().value_or(0), minTargetField_->value().value_or(0)};
  return request;
}

void DesignPage::showConditionsLine() {
  const bool ticked = atOperatingBox_->isChecked();
  if (ticked) {
    const QString line = host_.operatingConditionsLine();
    conditionsLine_->setText(
        conditionsLine_->fontMetrics().elidedText(line, Qt::ElideRight, conditionsLine_->width()));
    conditionsLine_->setToolTip(line);
  }
  if (ticked != conditionsLine_->isVisibleTo(this)) {
    conditionsLine_->setVisible(ticked);
    placeResultsTable();
  }
}

int DesignPage::resultCountIndex() const {
  return resultCountPicker_->currentIndex();
}

bool DesignPage::onlyStandardFits() const {
  return standardFitsOnlyBox_->isChecked();
}

bool DesignPage::onlyInsideTargets() const {
  return insideOnlyBox_->isChecked();
}

void DesignPage::restoreChoices(int resultCountIndex, bool onlyStandardFits,
                                bool onlyInsideTargets) {
  resultCountPicker_->setCurrentIndex(resultCountIndex);
  standardFitsOnlyBox_->setChecked(onlyStandardFits);
  insideOnlyBox_->setChecked(onlyInsideTargets);
}

void DesignPage::showUnit(bool inchMode) {
  inch_ = inchMode;
  for (NumberField* f : {maxTargetField_, minTargetField_}) {
    f->setUnit(inchMode ? QStringLiteral("in") : QStringLiteral("mm"));
  }
  results_->setInchMode(inchMode);
  resultsTable_->viewport()->update();
}

bool DesignPage::atOperatingConditions() const {
  return atOperatingBox_->isChecked();
}

void DesignPage::setAtOperatingConditions(bool on) {
  atOperatingBox_->setChecked(on);
  showConditionsLine();
}

}  // namespace kalmo
