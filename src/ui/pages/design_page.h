#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "design/class_lists.h"
#include "design/design_search.h"
#include "models/design_results_model.h"
#include "present/fit_view.h"
#include "storage/settings_store.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kalmo {

class CalcHost;
class Language;
class NumberField;
class ResultSource;

// The design search page ("Design") of the side panel: the grade range, the
// fit system and type, the two target values, the result count, the search
// button and the results table. The page reads the result and the language
// from the window's result source and acts on the window only through its
// host. It keeps its targets in mm and shows them in the result's unit.
class DesignPage final : public QWidget {
  Q_OBJECT

 public:
  DesignPage(const ResultSource& source, CalcHost& host, QWidget* parent = nullptr);

  // Writes the captions and list entries of the current language; the lists
  // keep their selected entries, the target captions follow fitTypePicker_, and the
  // results table is repainted so that its headings follow too. Runs on
  // every change of language.
  void applyLanguage();

  // Shows targets (mm) in the fields in the given unit: inches rounded to 5
  // decimals, millimetres rounded to 4.
  void showTargets(double designMinMm, double designMaxMm, bool inchMode);
  // The targets as last typed or restored, in mm; the session keeps them.
  double targetMinMm() const { return targetMinMm_; }
  double targetMaxMm() const { return targetMaxMm_; }

  // The page opened: the first IT range and hole basis; the fit type, the
  // targets and the results of the last search stay. The line under "at
  // operating conditions" follows the operating page.
  void pageOpened();
  // The fit type and targets (mm) as the window keeps them between sessions;
  // the fields show them in the window's unit.
  FitType fitType() const;
  void restoreTargets(FitType type, double designMinMm, double designMaxMm, bool inchMode);

  // The choices the window keeps between sessions: the result count
  // entry (0 = 10 .. 4 = all), "only standard fits" and "only fits inside
  // the targets".
  int resultCountIndex() const;
  bool onlyStandardFits() const;
  bool onlyInsideTargets() const;
  void restoreChoices(int resultCountIndex, bool onlyStandardFits, bool onlyInsideTargets);
  // "at operating conditions": the search ranks the fits at the host's
  // operating conditions; the window keeps it between sessions.
  bool atOperatingConditions() const;
  void setAtOperatingConditions(bool on);
  // Shows the results table's values in the window's unit from now on.
  void showUnit(bool inchMode);

  // What a search would be asked with the page as it is now; the targets as
  // the fields show them. With "at operating conditions" ticked the host's
  // conditions, when it has them.
  DesignRequest designRequest() const;
  GradeBounds gradeBounds() const;
  const DesignResultsModel& resultsModel() const { return *results_; }

  // The line under the results table is at least two lines high.
  static constexpr int kInsideLineMinHeight = 30;

 private:
  // Handlers.
  // Selects the grade bounds of the chosen IT range; "Select" frees the two
  // grade pickers. Refills a visible fixed-class picker.
  void gradeRangeChanged();
  // Shows fixedClassPicker_ for the hole and shaft tolerance systems, filled with the
  // classes of that side in the grade range at the current nominal size.
  void fitSystemChanged();
  // Captions of the two targets for the new fit type; both targets 0.
  void fitTypeChanged();
  // A result in another unit: the targets and the results table follow it.
  void followUnit(const FitView& view);
  // Typed targets reach the kept targets (mm) only while their field
  // has the focus, so numbers the program writes into them do not.
  void maxTargetEdited();
  void minTargetEdited();
  // The search: corrects the target signs, checks them, ranks the fits of
  // the page's system, type and grade range, shows them and applies the best.
  void runSearch();
  // Applies the fit of the table's current row.
  void applyCurrentRow();
  // Applies the fit of a shown row and remembers it for the inside line.
  void applyRow(int row);
  // The inside filter ticked or cleared: ticked, the first row shown is
  // applied; cleared, the applied fit keeps its row highlighted.
  void insideFilterToggled();
  // The conditions a search at operating conditions uses, under the box
  // while it is ticked.
  void showConditionsLine();
  // Shows the results of the last search, with "only fits inside the
  // targets" those inside in their ranked order, or all of them when none
  // lies inside; the first row becomes current.
  void showResults();
  // The line under the table: how many fits lie inside, or that none does,
  // and how the applied fit misses the targets when it does.
  void showInsideLine();
  void writeInsideLine();
  // The results table below the check box, the conditions line when it is
  // shown and the heading that says the values are at operating conditions.
  void placeResultsTable();
  // A target field's problem under the table; false when both hold numbers.
  bool targetProblemShown();

  // Widgets; each keeps its form id as its object name (docs/form-ids.md).
  QLabel* gradeRangeLabel_;      // "IT - range"
  QLabel* fitSystemLabel_;       // "System of fit"
  QLabel* resultCountLabel_;     // "Results"
  QLabel* fitTypeLabel_;         // "Type of fit"
  QComboBox* gradeRangePicker_;  // IT application ranges, the last one "Select"
  QComboBox* lowestGradePicker_;
  QComboBox* highestGradePicker_;
  QComboBox* fitSystemPicker_;
  QComboBox* fixedClassPicker_;  // fixed class of systems 2 and 3; hidden otherwise
  QComboBox* fitTypePicker_;
  QLabel* maxTargetLabel_;
  QLabel* minTargetLabel_;
  NumberField* maxTargetField_;
  NumberField* minTargetField_;
  QCheckBox* standardFitsOnlyBox_;  // only standard fits
  QComboBox* resultCountPicker_;    // result count: 10, 20, 50, 100, all
  QPushButton* searchButton_;
  QCheckBox* atOperatingBox_;
  QLabel* conditionsLine_;  // the operating conditions, while the box is ticked
  QLabel* resultsHeading_;  // shown above results ranked at operating conditions
  QTableView* resultsTable_;
  QCheckBox* insideOnlyBox_;  // only fits inside the targets
  QLabel* insideLine_;        // the inside count, or that none lies inside

  const ResultSource& source_;
  CalcHost& host_;
  DesignResultsModel* results_;
  // The targets in mm, and the unit the fields show them in.
  double targetMinMm_ = 0;
  double targetMaxMm_ = 0;
  bool inch_ = false;
  // The classes behind the entries of fixedClassPicker_.
  std::vector<ClassListItem> fixedClasses_;
  // The fit the page applied last, while it is that of the shown results.
  std::optional<DesignResult> applied_;
};

}  // namespace kalmo
