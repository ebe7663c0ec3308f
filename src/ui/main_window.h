#pragma once

#include <QMainWindow>
#include <optional>

#include "calc_host.h"
#include "grid_cells.h"
#include "present/fit_view.h"
#include "window_geometry.h"

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
class ResultsGrid;
class SettingsStore;
class ZoneDiagram;

// The main window: the inputs, the results grid and the zone diagram, the
// toolbar, and the side panel with the catalogue and design pages. It owns
// the calculation record and wires the widgets to the core; drawing, number
// formats, settings and texts live in their own files.
class MainWindow final : public QMainWindow, public CalcHost {
  Q_OBJECT

 public:
  // The language is loaded before the window exists and outlives it.
  MainWindow(Language& language, SettingsStore& store, QWidget* parent = nullptr);

  // CalcHost.
  CalcRecord& record() override { return record_; }
  const Language& language() const override { return language_; }
  void selectHoleClass(std::optional<ToleranceClass> cls) override;
  void selectShaftClass(std::optional<ToleranceClass> cls) override;
  std::optional<ToleranceClass> holeClass() const override;
  std::optional<ToleranceClass> shaftClass() const override;
  void Recalculate() override;

  // The result of the last calculation: what the grid, the diagram and the
  // copied text show.
  const FitView& view() const { return view_; }
  // The last calculation with the current language, as the results grid draws it.
  GridInput gridInput() const;

  // Lifecycle.
  void FormShow();
  void FormClose();

  // Input handlers.
  void edNominalChange();
  void cbLetter_oChange(const QComboBox* sender);
  void classListChange(const ClassList* list, int index);
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  // Takes a nominal size in millimetres from the preferred-number window:
  // exact in the record, shown in the current unit. 0 (cancelled) changes nothing.
  void applyPreferredNumber(double chosenMm);

  // Toolbar.
  void btnCopyClick();
  void btnMMClick();
  void btnExitClick();
  void btnHelpClick();
  void ToolButton1Click();
  void BulClick();
  void DeutschClick();
  void EnglishClick();
  // Writes every caption, hint and list entry of the window and its pages in
  // the current language.
  void ApplyLanguage();

  // Side panel.
  void bbnSglobkaClick();
  void bbnDesignClick();
  // The page the side panel shows, SidePage::None while it is closed.
  SidePage sidePage() const { return sidePage_; }

  // Toolbar.
  QToolButton* btnCopy;
  QToolButton* btnMM;
  QToolButton* btnLang;
  QToolButton* btnExit;
  QToolButton* btnHelp;
  QToolButton* ToolButton1;
  QMenu* PopupMenu1;
  QAction* English;
  QAction* Deutsch;
  QAction* Bul;

  // Basic parameters.
  QGroupBox* GroupBox1;
  QLabel* Label1;
  QLabel* Label9;
  QLabel* Label10;
  NumberField* edNominal;
  QToolButton* BitBtn3;
  QComboBox* cbLetter_o;
  QComboBox* cbIT_o;
  QToolButton* BitBtn1;
  QComboBox* cbLetter_v;
  QComboBox* cbIT_v;
  QToolButton* BitBtn2;
  ClassList* cbOtvori;
  ClassList* cbOtvori2;
  ClassList* cbValove;
  ClassList* cbValove2;
  QPushButton* bbnSglobka;
  QPushButton* bbnDesign;
  QLabel* lblNote;
  ResultsGrid* drgrDanni;
  ZoneDiagram* Chart1;

  // Side panel.
  QFrame* Panel2;
  QStackedWidget* nbExtra;
  CataloguePage* cataloguePage;
  DesignPage* designPage;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildToolBar();
  void buildInputs();
  void buildPanel();
  void connectInputs();
  void chooseLanguage(LanguageCode code);
  void showSidePage(SidePage page);
  // Shows a number in edNominal while the nominal size stays sizeMm, then recalculates.
  void writeNominalField(double shown, double sizeMm);
  // What the window holds now: the record's size and unit, the field's text
  // and the pickers' classes.
  FitInputs fitInputs() const;

  Language& language_;
  SettingsStore& store_;
  CalcRecord record_;
  FitView view_;
  SidePage sidePage_ = SidePage::None;
  bool shown_ = false;
};

}  // namespace kalmo
