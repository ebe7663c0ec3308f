#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListView;

namespace kalmo {

class CalcHost;
class CatalogueListModel;
class Language;
class ResultSource;

// The fit catalogue page ("Sglobka") of the side panel: the fit system and
// fit type pickers and the list of standard fits of that section. The page
// reads the result's size and the language from the window's result source
// and acts on the window only through its host.
class CataloguePage final : public QWidget {
  Q_OBJECT

 public:
  CataloguePage(const ResultSource& source, CalcHost& host, QWidget* parent = nullptr);

  // Writes the captions and list entries of the current language; the lists
  // keep their selected entries. Runs on every change of language.
  void applyLanguage();

  // Refills fitList_ with the section that fitSystemPicker_ and fitTypePicker_ select, from
  // the catalogue of the current size band; runs when either picker changes
  // and when the page is opened or closed. The list keeps these entries, and
  // their marks, until the next refill, also when the nominal size changes.
  void refillFitList();
  // Selects the first fit system and fit type, as the window starts.
  void selectFirstSection();
  const CatalogueListModel& listModel() const { return *list_; }

 private:
  // Applies the selected entry: its four class parts go into the main
  // pickers, then one Recalculate.
  void applySelectedFit();

  // Widgets; each keeps its form id as its object name (docs/form-ids.md).
  QLabel* fitSystemLabel_;      // "System of fit"
  QLabel* headingLabel_;        // page heading "Stand. fits"
  QLabel* fitTypeLabel_;        // "Type of fit"
  QComboBox* fitSystemPicker_;  // hole basis, shaft basis
  QComboBox* fitTypePicker_;    // clearance, transition, interference
  QListView* fitList_;

  const ResultSource& source_;
  CalcHost& host_;
  CatalogueListModel* list_;
};

}  // namespace kalmo
