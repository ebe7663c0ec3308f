#pragma once

#include <QMainWindow>
#include <map>
#include <optional>

#include "main/calc_record.h"
#include "main/commands.h"
#include "main/window_geometry.h"
#include "models/result_source.h"
#include "models/tool_target.h"
#include "pages/calc_host.h"
#include "present/fit_view.h"
#include "report/combined_report.h"
#include "storage/qt_texts.h"
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

class CataloguePage;
class ClassList;
class DesignPage;
class Language;
class NumberField;
class OperatingPage;
class ResultsGrid;
class SettingsStore;
class ZoneDiagram;

// The main window: the inputs, the results grid and the zone diagram, the
// toolbar, and the side panel with the catalogue and design pages. It owns
// the calculation record and wires the widgets to the core; drawing, number
// formats, settings and texts live in their own files. Each calculation and
// each change of language goes out through the one result source, which
// every page and window holds read-only.
class MainWindow final : public QMainWindow, public CalcHost, public ToolTarget {
  Q_OBJECT

 public:
  // The language is loaded before the window exists and outlives it.
  MainWindow(Language& language, SettingsStore& store, QWidget* parent = nullptr);
  ~MainWindow() override;

  // CalcHost.
  void selectHoleClass(std::optional<ToleranceClass> cls) override;
  void selectShaftClass(std::optional<ToleranceClass> cls) override;
  std::optional<ToleranceClass> holeClass() const override;
  std::optional<ToleranceClass> shaftClass() const override;
  void Recalculate() override;
  std::optional<OperatingConditions> operatingConditions() const override;
  QString operatingConditionsLine() const override;

  // ToolTarget: a fit chosen in a tool window (press fit, bearing seat), with
  // its size when it brings one; the main window comes to the front.
  void takeFit(std::optional<double> sizeMm, const FitClasses& fit) override;
  std::optional<GeneralDesignation> comparedGeneralClass() const override {
    return comparedGeneral_;
  }
  // Shows (or, with nullopt, hides) the comparison line under the grid; the
  // window grows by the line while it is shown. Kept for the next start.
  void compareGeneralClass(std::optional<GeneralDesignation> designation) override;

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
  SidePage sidePage() const { return panel_.page; }

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

  // Commands (main/commands.h): runs a row's command; a row with a window
  // maker opens its window once and brings it to the front after that.
  void runCommand(Command command);
  void openWindow(const CommandRow& row);
  QAction* action(Command command) const;
  void copyResults();
  // The results grid's context menu and Ctrl+Shift+C: the drawing callouts.
  void copyCallout();
  void showHelpPage();
  // The current result printed or saved as PDF on one A4 page.
  // The fit, and the operating conditions, press fit and inspection where used.
  ReportParts reportParts() const;
  void printCurrentResult();
  void saveCurrentResultPdf();
  void chooseLanguage(LanguageCode code);
  // Writes every caption, hint and list entry of the window in the current
  // language, then announces it to the pages and windows.
  void applyLanguage();
  // The commands' texts, tooltips with their shortcuts and accessible names.
  void describeCommands();
  // The accessible texts of the results grid and the zone diagram.
  void describeResults();
  // The window's own views of a new result: grid, diagram, boundary note.
  void showResult();

  void setUpKeyboard();
  // Moves the window so that its whole frame lies on its screen.
  void keepOnScreen();
  void buildCommands();
  void buildInputs();
  void buildPanel();
  void connectInputs();
  // The range-boundary note under the grid, for the last calculation and the current language.
  void showGeneralLine();
  // The inputs group's height: the fixed one, and the comparison line while shown.
  int groupHeight() const;
  void applyGroupHeight();
  void showBoundaryNote();
  void showSidePage(SidePage page);
  // Shows a number in the size field while the nominal size stays sizeMm, then recalculates.
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
  // The toolbar: one action per command row, the language menu, and the
  // tool windows, made when first asked for.
  struct Toolbar {
    std::map<Command, QAction*> actions;
    std::map<Command, QWidget*> windows;
    QToolButton* languageButton = nullptr;
    QToolButton* toolsButton = nullptr;  // the menu of the CommandPlace::ToolsMenu rows
    QMenu* languageMenu = nullptr;
    QAction* englishAction = nullptr;
    QAction* germanAction = nullptr;
    QAction* bulgarianAction = nullptr;
  };
  // Basic parameters: the size, the class pickers and lists, the side-panel buttons.
  struct Inputs {
    QGroupBox* group = nullptr;
    QLabel* nominalSizeLabel = nullptr;
    QLabel* holeLabel = nullptr;
    QLabel* shaftLabel = nullptr;
    NumberField* nominalSizeField = nullptr;
    QToolButton* preferredNumbersButton = nullptr;
    QComboBox* holeLetterPicker = nullptr;
    QComboBox* holeGradePicker = nullptr;
    QToolButton* holeClassListButton = nullptr;
    QComboBox* shaftLetterPicker = nullptr;
    QComboBox* shaftGradePicker = nullptr;
    QToolButton* shaftClassListButton = nullptr;
    ClassList* holeClassesUpTo500 = nullptr;
    ClassList* holeClassesAbove500 = nullptr;
    ClassList* shaftClassesUpTo500 = nullptr;
    ClassList* shaftClassesAbove500 = nullptr;
    QPushButton* catalogueButton = nullptr;
    QPushButton* designButton = nullptr;
    QPushButton* operatingButton = nullptr;
  };
  // The window's own views of the result.
  struct Views {
    QLabel* unitNoteLabel = nullptr;
    ResultsGrid* resultsGrid = nullptr;
    ZoneDiagram* zoneDiagram = nullptr;
    QLabel* boundaryNoteLabel = nullptr;
    QLabel* generalLine = nullptr;  // the fit against the compared general tolerance
  };
  // The side panel and its pages; page is SidePage::None while it is closed.
  struct Panel {
    QFrame* frame = nullptr;
    QStackedWidget* pages = nullptr;
    CataloguePage* cataloguePage = nullptr;
    DesignPage* designPage = nullptr;
    OperatingPage* operatingPage = nullptr;
    SidePage page = SidePage::None;
  };
  Toolbar toolbar_;
  Inputs in_;
  Views views_;
  Panel panel_;

  // The session: the language and the store outlive the window; the result
  // source carries each result and language out to the pages and windows.
  Language& language_;
  SettingsStore& store_;
  QtTexts qtTexts_;  // the standard dialogs' texts in the language
  ResultSource results_{language_};
  CalcRecord record_;
  // The title block's general-tolerance class compared under the grid.
  std::optional<GeneralDesignation> comparedGeneral_;
  bool entryNoteShown_ = false;  // the note line holds the size field's problem
  bool shown_ = false;
};

}  // namespace kalmo
