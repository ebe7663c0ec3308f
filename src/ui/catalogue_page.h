#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListView;

namespace kalmo {

class CalcHost;
class CatalogueListModel;
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

  // Refills lbSgl_sel with the section that cbSystem and cbType select, from
  // the catalogue of the current size band; runs when either picker changes
  // and when the page is opened or closed. The list keeps these entries, and
  // their marks, until the next refill, also when the nominal size changes.
  void cbSystemChange();
  // Applies the selected entry: its four class parts go into the main
  // pickers, then one Recalculate.
  void lbSgl_selClick();

  const CatalogueListModel& listModel() const { return *list_; }

  QLabel* ULabel1;      // "System of fit"
  QLabel* ULabel2;      // page heading "Stand. fits"
  QLabel* Label2;       // "Type of fit"
  QComboBox* cbSystem;  // hole basis, shaft basis
  QComboBox* cbType;    // clearance, transition, interference
  QListView* lbSgl_sel;

 protected:
  // Enter on the list applies the current entry, as a click does.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CalcHost& host_;
  CatalogueListModel* list_;
};

}  // namespace kalmo
