#pragma once

#include <QMainWindow>
#include <optional>

#include "main/calc_record.h"
#include "main/window_geometry.h"
#include "models/result_source.h"
#include "pages/calc_host.h"
#include "present/fit_view.h"
#include "widgets/grid_cells.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace kalmo {

class BatchTableWindow;
class CataloguePage;
class InspectionWindow;
class ClassList;
class DesignPage;
class Language;
class NumberField;
class OperatingPage;
class PressFitWindow;
class ResultsGrid;
class SettingsStore;
class ZoneDiagram;

// The main window: the inputs, the results grid and the zone diagram, the
// toolbar, and the side panel with the catalogue and design pages. It owns
// the calculation record and wires the widgets to the core; drawing, number
// formats, settings and texts live in their own files. Each calculation and
// each change of language goes out through the one result source, which
// every page and window holds read-only.
class MainWindow final : public QMainWindow, public CalcHost {
  Q_OBJECT

 public:
  // The language is loaded before the window exists and outlives it.
  MainWindow(Language& language, SettingsStore& store, QWidget* parent = nullptr);

  // CalcHost.
  void selectHoleClass(std::optional<ToleranceClass> cls) override;
  void selectShaftClass(std::optional<ToleranceClass> cls) override;
  std::optional<ToleranceClass> holeClass() const override;
  std::optional<ToleranceClass> shaftClass() const override;
  void Recalculate() override;
  std::optional<OperatingConditions> operatingConditions() const override;
  QString operatingConditionsLine() const override;

  // The inputs kept between calculations: the size in mm and the unit.
  const CalcRecord& record() const { return record_; }
  // The result of the last calculation: what the grid, the diagram and the
  // copied text show.
  const FitView& view() const { return results_.view(); }
  // What the pages and windows read: the result and the language, with
  // resultChanged and languageChanged.
  const ResultSource& resultSource() const { return results_; }
  // The last calculation with the current language, as the results grid draws it.
  GridInput gridInput() const;

  // Takes a nominal size in millimetres from the preferred-number window:
  // exact in the record, shown in the current unit. 0 (cancelled) changes nothing.
  void applyPreferredNumber(double chosenMm);
  // The unit button: millimetres to inches and back.
  void switchUnit();
  // The two side-panel buttons: open their page, or close it when open.
  void toggleCataloguePage();
  void toggleDesignPage();
  void toggleOperatingPage();
  // The page the side panel shows, SidePage::None while it is closed.
  SidePage sidePage() const { return sidePage_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Lifecycle.
  void startSession();
  void saveSession();

  // Input handlers.
  void nominalSizeChanged();
  void classPickerChanged(const QComboBox* sender);
  void classListChosen(const ClassList* list, int index);
  void showHoleClassList();
  void showShaftClassList();
  void choosePreferredNumber();

  // Toolbar.
  void copyResults();
  // The results grid's context menu and Ctrl+Shift+C: the drawing callouts.
  void copyCallout();
  void exitProgram();
  void showHelpPage();
  void showAbout();
  // Opens the press-fit window for the fit on screen, or brings it to the front.
  void showPressFit();
  // The inspection and batch table windows, opened once and kept; and the
  // current result printed or saved as PDF on one A4 page.
  void showInspection();
  void showBatchTable();
  void printCurrentResult();
  void saveCurrentResultPdf();
  void chooseBulgarian();
  void chooseGerman();
  void chooseEnglish();
  // Writes every caption, hint and list entry of the window and its pages in
  // the current language.
  void applyLanguage();
  // The accessible texts of the results grid and the zone diagram.
  void describeResults();
  // The window's own views of a new result: grid, diagram, boundary note.
  void showResult();

  void setUpKeyboard();
  // Moves the window so that its whole frame lies on its screen.
  void keepOnScreen();
  void buildToolBar();
  void buildInputs();
  void buildPanel();
  void connectInputs();
  void buildResultActions();
  // The range-boundary note under the grid, for the last calculation and the current language.
  void showBoundaryNote();
  void chooseLanguage(LanguageCode code);
  void showSidePage(SidePage page);
  // Shows a number in nominalSizeField_ while the nominal size stays sizeMm, then recalculates.
  void writeNominalField(double shown, double sizeMm);
  // The size field's limits and unit signs follow the unit.
  void applyUnitToSizeField();
  void showUnitNote();
  // The size field's problem in the note line, while its text has one.
  void showEntryNote(const QString& note);
  // A callout entered in the size field selects the classes it names.
  void applyCallout(std::optional<ToleranceClass> hole, std::optional<ToleranceClass> shaft);
  // What the window holds now: the record's size and unit, the field's text
  // and the pickers' classes.
  FitInputs fitInputs() const;

  // Widgets; each keeps its form id as its object name (docs/form-ids.md).
  // Toolbar.
  QToolButton* copyButton_;
  QToolButton* unitButton_;
  QToolButton* languageButton_;
  QToolButton* exitButton_;
  QToolButton* helpButton_;
  QToolButton* aboutButton_;
  QAction* pressFitAction_;  // toolbar button, Ctrl+Shift+P
  QMenu* languageMenu_;
  QAction* englishAction_;
  QAction* germanAction_;
  QAction* bulgarianAction_;
  QToolButton* inspectionButton_;
  QToolButton* batchTableButton_;
  QToolButton* printButton_;
  QToolButton* pdfButton_;

  // Basic parameters.
  QGroupBox* inputsGroup_;
  QLabel* nominalSizeLabel_;
  QLabel* holeLabel_;
  QLabel* shaftLabel_;
  NumberField* nominalSizeField_;
  QToolButton* preferredNumbersButton_;
  QComboBox* holeLetterPicker_;
  QComboBox* holeGradePicker_;
  QToolButton* holeClassListButton_;
  QComboBox* shaftLetterPicker_;
  QComboBox* shaftGradePicker_;
  QToolButton* shaftClassListButton_;
  ClassList* holeClassesUpTo500_;
  ClassList* holeClassesAbove500_;
  ClassList* shaftClassesUpTo500_;
  ClassList* shaftClassesAbove500_;
  QPushButton* catalogueButton_;
  QPushButton* designButton_;
  QPushButton* operatingButton_;
  QLabel* unitNoteLabel_;
  ResultsGrid* resultsGrid_;
  ZoneDiagram* zoneDiagram_;
  QLabel* boundaryNoteLabel_;
  QAction* copyTextAction_;     // context menu of the grid: copyResults
  QAction* copyCalloutAction_;  // context menu of the grid and Ctrl+Shift+C: copyCallout

  // Side panel.
  QFrame* sidePanel_;
  QStackedWidget* sidePages_;
  CataloguePage* cataloguePage_;
  DesignPage* designPage_;
  OperatingPage* operatingPage_;
  // Made when first asked for; it follows every recalculation and language.
  PressFitWindow* pressFitWindow_ = nullptr;
  InspectionWindow* inspectionWindow_ = nullptr;
  BatchTableWindow* batchTableWindow_ = nullptr;

  Language& language_;
  SettingsStore& store_;
  ResultSource results_{language_};
  CalcRecord record_;
  bool entryNoteShown_ = false;  // the note line holds the size field's problem
  SidePage sidePage_ = SidePage::None;
  bool shown_ = false;
};

}  // namespace kalmo
