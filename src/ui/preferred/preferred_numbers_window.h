#pragma once

#include <QDialog>

#include "lang/lang_table.h"

class QAction;
class QComboBox;
class QLabel;
class QTableView;
class QToolBar;

namespace kalmo {

class PreferredTableModel;

// The preferred-number window: the ISO 3 series in six decades, one cell of
// which the user picks as the nominal size. Created for one use; its texts
// come from the language table it is given. Starts on "(all)" with the first
// cell current. Double click, Enter or btnSel take the current cell; btnCancel,
// Esc and the close box leave SelectedValue at 0.
class PreferredNumbersWindow : public QDialog {
  Q_OBJECT

 public:
  explicit PreferredNumbersWindow(const LangTable& lang, QWidget* parent = nullptr);

  // The picked value in mm; 0 while nothing has been picked.
  double SelectedValue() const { return selectedValue_; }

  // Client area at 96 dpi; Qt scales it for other densities.
  static constexpr QSize kClientSize{476, 255};

 public slots:
  void takeCurrentCell();
  void cancelPick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private slots:
  void seriesChanged(int index);

 private:
  void applyTexts(const LangTable& lang);

  double selectedValue_ = 0;
  QToolBar* toolBar_ = nullptr;
  QAction* selectAction_ = nullptr;
  QAction* cancelAction_ = nullptr;
  QLabel* seriesLabel_ = nullptr;
  QComboBox* seriesPicker_ = nullptr;
  QTableView* numbersTable_ = nullptr;
  PreferredTableModel* numbersModel_ = nullptr;
};

}  // namespace kalmo
