#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListView;

namespace kalmo {

class CalcHost;
class Language;

// The fit catalogue page ("Sglobka") of the side panel: the fit system and
// fit type pickers and the list of standard fits of that section. The page
// reaches the calculation only through its host.
class CataloguePage final : public QWidget {
  Q_OBJECT

 public:
  explicit CataloguePage(CalcHost& host, QWidget* parent = nullptr);

  // Writes the captions and list entries of the current language; the lists
  // keep their selected entries.
  void applyLanguage(const Language& language);

  QLabel* ULabel1;     // "System of fit"
  QLabel* ULabel2;     // page heading "Stand. fits"
  QLabel* Label2;      // "Type of fit"
  QComboBox* cbSystem;  // hole basis, shaft basis
  QComboBox* cbType;    // clearance, transition, interference
  QListView* lbSgl_sel;

 private:
  CalcHost& host_;
};

}  // namespace kalmo
