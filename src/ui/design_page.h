#pragma once

#include <QWidget>

#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kalmo {

class CalcHost;
class Language;
class NumberField;

// Interface-text numbers of the captions of the two target values (lblMax,
// lblMin) for a fit type index of cbDType: clearance (also with no
// selection), transition, interference.
std::pair<int, int> targetCaptionIds(int fitTypeIndex);

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

 private:
  CalcHost& host_;
};

}  // namespace kalmo
