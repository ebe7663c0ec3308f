#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "calc/tolerance_class.h"
#include "mech/bearing_seat.h"
#include "report/report_document.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kalmo {

class Language;
class NumberField;
class ReportButtons;
class ResultSource;

// The bearing-seat window: the ring's diameter (bore d or outside diameter
// D, mm), the ring, how it moves relative to the load, the load's magnitude
// and the bearing type; then the recommended classes of ANSI/ABMA Standard 7
// for that case, each with its fit against the ring of ISO 492 Normal class
// (kind, limits, probable fit). A diameter that is not a number, or one the
// ring's table lacks, shows no answer but the reason. Copy, Print and PDF
// give the answer as a report (landscape, for the table's six columns); Apply hands
// the chosen row's fit to whoever listens (fitChosen). Esc closes the window.
class BearingSeatWindow final : public QWidget {
  Q_OBJECT

 public:
  BearingSeatWindow(const Language& language, double startDiameterMm, QWidget* parent = nullptr);
  // Opened from the main window: starts with its size and follows its language.
  explicit BearingSeatWindow(const ResultSource& source, QWidget* parent = nullptr);

  // Writes every caption in the current language and answers anew.
  void applyLanguage();
  // Puts a diameter into its field and a case into the pickers, answering at once.
  void setDiameterText(const QString& text);
  void setCase(const SeatCase& seatCase);

  // The last answer; nullopt while the diameter cannot be read.
  const std::optional<SeatAnswer>& answer() const { return answer_; }
  // The report's sections as the window shows them: the case, then the ring's
  // limits over the recommended classes and the notes. None while the
  // diameter cannot be read.
  std::vector<ReportSection> reportSections() const;
  // The sections under the report header, on landscape pages.
  ReportDocument reportDocument() const;
  // Emits fitChosen for the selected row (the first when none is selected);
  // false without an answer.
  bool applyChoice();

  QLabel* diameterCaption;
  NumberField* diameter;
  QLabel* unit;
  QLabel* ringCaption;
  QComboBox* ring;  // BearingRing order
  QLabel* loadCaption;
  QComboBox* load;  // RingLoad order
  QLabel* magnitudeCaption;
  QComboBox* magnitude;  // LoadMagnitude order
  QLabel* elementCaption;
  QComboBox* element;   // RollingElement order
  QLabel* heading;      // the ring's deviations, or why there is no answer
  QTableWidget* seats;  // one row per recommended class (mech/bearing_seat_text.h columns)
  QLabel* notes;        // the source, and the notes of the case
  QPushButton* applyButton;
  ReportButtons* reportButtons;  // Copy, Print…, Save as PDF…

 signals:
  // The chosen fit at the ring's diameter: bearing/k5 for an inner ring,
  // H7/bearing for an outer ring.
  void fitChosen(double diameterMm, kalmo::FitClasses fit);

 private:
  void recompute();
  void fillSeats();
  SeatCase currentCase() const;

  const Language& language_;
  double diameterMm_ = 0;
  std::optional<SeatAnswer> answer_;
};

}  // namespace kalmo
