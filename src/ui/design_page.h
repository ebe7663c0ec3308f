#pragma once

#include <QWidget>
#include <vector>

#include "design/class_lists.h"
#include "design/design_search.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kalmo {

class CalcHost;
class DesignResultsModel;
class Language;
class NumberField;

// The design search page ("Design") of the side panel: the grade range, the
// fit system and type, the two target values, the result count, the search
// button and the results table. The page reaches the calculation only
// through its host.
class DesignPage final : public QWidget {
  Q_OBJECT

 public:
  explicit DesignPage(CalcHost& host, QWidget* parent = nullptr);

  // Writes the captions and list entries of the current language; the lists
  // keep their selected entries, the target captions follow cbDType, and the
  // results table is repainted so that its headings follow too.
  void applyLanguage(const Language& language);

  // Shows DesignMin / DesignMax (mm) in the fields in the current unit:
  // inches rounded to 5 decimals, millimetres rounded to 4.
  void showTargets(double designMinMm, double designMaxMm, bool inchMode);

  // The state of a freshly opened page: the first IT range, hole basis,
  // clearance with both targets 0. The results of the last search stay.
  void resetPage();

  // Handlers.
  // Selects the grade bounds of the chosen IT range; "Select" frees the two
  // grade pickers. Refills a visible fixed-class picker.
  void cbITChange();
  // Shows cbDSgl for the hole and shaft tolerance systems, filled with the
  // classes of that side in the grade range at the current nominal size.
  void cbDSystemChange();
  // Captions of the two targets for the new fit type; both targets 0.
  void cbDTypeChange();
  // Typed targets reach DesignMax / DesignMin (mm) only while their field
  // has the focus, so numbers the program writes into them do not.
  void edMaxVChange();
  void edMinVChange();
  // The search: corrects the target signs, checks them, ranks the fits of
  // the page's system, type and grade range, shows them and applies the best.
  void btnShowClick();
  // Applies the fit of the table's current row.
  void drgrDesignClick();

  // What a search would be asked with the page as it is now; the targets as
  // the fields show them.
  DesignRequest designRequest() const;
  GradeBounds gradeBounds() const;
  const DesignResultsModel& resultsModel() const { return *results_; }

  QLabel* ULabel3;  // "IT - range"
  QLabel* ULabel4;  // "System of fit"
  QLabel* ULabel5;  // "Results"
  QLabel* ULabel6;  // "Type of fit"
  QComboBox* cbIT;  // IT application ranges, the last one "Select"
  QComboBox* cbDVon;
  QComboBox* cbDBis;
  QComboBox* cbDSystem;
  QComboBox* cbDSgl;  // fixed class of systems 2 and 3; hidden otherwise
  QComboBox* cbDType;
  QLabel* lblMax;
  QLabel* lblMin;
  NumberField* edMaxV;
  NumberField* edMinV;
  QCheckBox* chbDSel;  // only standard fits
  QComboBox* cbPart;   // result count: 10, 20, 50, 100, all
  QPushButton* btnShow;
  QTableView* drgrDesign;

 protected:
  // Enter on the results table applies the current row, as a click does.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CalcHost& host_;
  DesignResultsModel* results_;
  // The classes behind the entries of cbDSgl.
  std::vector<ClassListItem> fixedClasses_;
};

}  // namespace kalmo
