#include "bearing/bearing_seat_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "format/number_entry.h"
#include "help/help_command.h"
#include "mech/bearing_seat_text.h"
#include "models/result_source.h"
#include "report/report_buttons.h"
#include "report/report_printer.h"
#include "storage/language.h"
#include "widgets/app_images.h"
#include "widgets/number_field.h"

namespace kalmo {

namespace {

// Fits a 1920 x 1080 screen at 200 % (960 x 540 device-independent pixels)
// with room for the frame and the task bar.
constexpr int kWindowWidth = 920;
constexpr int kWindowHeight = 440;
// The field takes bores up to 2000 mm; the ring's table says what it covers.
constexpr double kMinDiameterMm = 0.001;
constexpr double kMaxDiameterMm = 10000;

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

QComboBox* picker(QWidget* parent, const char* name) {
  auto* p = new QComboBox(parent);
  p->setObjectName(QString::fromLatin1(name));
  // The layout gives the room: the longest case text ("Въртящо се: ...")
  // would otherwise widen the window beyond a 200 % screen.
  p->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  p->setMinimumContentsLength(12);
  return p;
}

QPushButton* button(QWidget* parent, const char* name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

// Fills a picker with texts, keeping its choice.
void setItems(QComboBox& p, const QStringList& texts) {
  const int chosen = std::max(p.currentIndex(), 0);
  const QSignalBlocker block(p);
  p.clear();
  p.addItems(texts);
  p.setCurrentIndex(chosen);
}

// The numbers of a cell with the locale's decimal separator, as the other
// windows show them; the cells hold nothing else with a ".".
QString localNumbers(QString text) {
  return text.replace(u'.', QString::fromStdString(localeDecimalSeparator()));
}

// The ring's line over the table: "bearing 0/-0.01 (ISO 492 Normal)".
QString ringLine(double diameterMm, BearingRing ring) {
  return localNumbers(qs(ringLimitsText(diameterMm, ring)));
}

QStringList shownHeadings(const LangTable& lang) {
  QStringList headings;
  for (const std::string& h : seatHeadings(lang)) headings << qs(h);
  return headings;
}

// How the blanks inside a cell of numbers are written: a report keeps a range
// ("0.0152 … 0.0478 (15.2 … 47.8 µm)") on one line and wraps the words of the
// other columns instead, as a range split after "…" or before "µm" misreads.
enum class NumberBlanks { Breaking, NonBreaking };

// A recommended class's cells as the table shows them.
QStringList shownCells(const LangTable& lang, const SeatChoice& choice, NumberBlanks blanks) {
  const auto cells = seatCells(lang, choice);
  QStringList shown;
  for (std::size_t col = 0; col < cells.size(); ++col) {
    const auto column = static_cast<SeatColumn>(col);
    const bool numbers = column == SeatColumn::Deviations || column == SeatColumn::Limits ||
                         column == SeatColumn::Probable;
    if (!numbers) {
      shown << qs(cells[col]);
    } else if (blanks == NumberBlanks::Breaking) {
      shown << localNumbers(qs(cells[col]));
    } else {
      shown << localNumbers(qs(cells[col])).replace(u' ', QChar(0x00A0));
    }
  }
  return shown;
}

}  // namespace

BearingSeatWindow::BearingSeatWindow(const ResultSource& source, QWidget* parent)
    : BearingSeatWindow(source.language(), source.view().inputs.sizeMm, parent) {
  connect(&source, &ResultSource::languageChanged, this, &BearingSeatWindow::applyLanguage);
}

BearingSeatWindow::BearingSeatWindow(const Language& language, double startDiameterMm,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window),
      diameterCaption(new QLabel(this)),
      diameter(new NumberField(kMinDiameterMm, kMaxDiameterMm, this)),
      unit(new QLabel(QStringLiteral("mm"), this)),
      ringCaption(new QLabel(this)),
      ring(picker(this, "seatRing")),
      loadCaption(new QLabel(this)),
      load(picker(this, "seatLoad")),
      magnitudeCaption(new QLabel(this)),
      magnitude(picker(this, "seatMagnitude")),
      elementCaption(new QLabel(this)),
      element(picker(this, "seatBearingType")),
      heading(new QLabel(this)),
      seats(new QTableWidget(0, static_cast<int>(kSeatColumnCount), this)),
      notes(new QLabel(this)),
      applyButton(button(this, "seatApplyButton")),
      reportButtons(new ReportButtons(
          QStringLiteral("bearing"), language, [this] { return reportDocument(); }, this)),
      language_(language) {
  setObjectName(QStringLiteral("bearingSeatWindow"));
  setWindowIcon(icon(Image::Application));
  diameter->setObjectName(QStringLiteral("seatDiameter"));
  diameter->setRequired(true);
  diameter->setValue(startDiameterMm);
  diameterCaption->setBuddy(diameter);
  ringCaption->setBuddy(ring);
  loadCaption->setBuddy(load);
  magnitudeCaption->setBuddy(magnitude);
  elementCaption->setBuddy(element);
  heading->setObjectName(QStringLiteral("seatHeading"));
  heading->setWordWrap(true);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  notes->setObjectName(QStringLiteral("seatNotes"));
  notes->setWordWrap(true);
  seats->setObjectName(QStringLiteral("seatTable"));
  seats->setEditTriggers(QAbstractItemView::NoEditTriggers);
  seats->setSelectionBehavior(QAbstractItemView::SelectRows);
  seats->setSelectionMode(QAbstractItemView::SingleSelection);
  seats->verticalHeader()->hide();
  seats->setWordWrap(true);
  seats->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  seats->horizontalHeader()->setStretchLastSection(true);
  connect(seats->horizontalHeader(), &QHeaderView::sectionResized, seats,
          &QTableView::resizeRowsToContents);

  auto* inputs = new QGridLayout;
  inputs->addWidget(diameterCaption, 0, 0);
  auto* size = new QHBoxLayout;
  size->addWidget(diameter);
  size->addWidget(unit);
  size->addStretch(1);
  inputs->addLayout(size, 0, 1);
  inputs->addWidget(ringCaption, 0, 2);
  inputs->addWidget(ring, 0, 3);
  inputs->addWidget(loadCaption, 1, 0);
  inputs->addWidget(load, 1, 1);
  inputs->addWidget(magnitudeCaption, 1, 2);
  inputs->addWidget(magnitude, 1, 3);
  inputs->addWidget(elementCaption, 2, 2);
  inputs->addWidget(element, 2, 3);
  inputs->setColumnStretch(1, 1);
  inputs->setColumnStretch(3, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(applyButton);
  buttons->addWidget(reportButtons, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(inputs);
  layout->addWidget(heading);
  layout->addWidget(seats, 1);
  layout->addWidget(notes);
  layout->addLayout(buttons);
  resize(kWindowWidth, kWindowHeight);

  addHelpKey(*this, HelpTopic::BearingSeat, [this] { return languageNumber(language_.code()); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  connect(diameter, &QLineEdit::textChanged, this, [this] { recompute(); });
  for (QComboBox* p : {ring, load, magnitude, element}) {
    connect(p, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
  }
  connect(applyButton, &QPushButton::clicked, this, &BearingSeatWindow::applyChoice);
  connect(seats, &QTableWidget::cellDoubleClicked, this, [this] { applyChoice(); });
  applyLanguage();
}

void BearingSeatWindow::applyLanguage() {
  const Language& l = language_;
  setWindowTitle(l.text(TextId::BearingSeat));
  diameterCaption->setText(l.text(TextId::SeatDiameter));
  diameter->setLanguage(&l.table());
  diameter->setAccessibleName(l.text(TextId::SeatDiameter));
  ringCaption->setText(l.text(TextId::SeatRing));
  setItems(*ring, {l.text(TextId::SeatInnerRing), l.text(TextId::SeatOuterRing)});
  loadCaption->setText(l.text(TextId::SeatLoad));
  setItems(*load, {l.text(TextId::SeatLoadRotating), l.text(TextId::SeatLoadStationary),
                   l.text(TextId::SeatLoadIndeterminate)});
  magnitudeCaption->setText(l.text(TextId::SeatMagnitude));
  setItems(*magnitude,
           {l.text(TextId::SeatLight), l.text(TextId::SeatNormal), l.text(TextId::SeatHeavy)});
  elementCaption->setText(l.text(TextId::SeatBearingType));
  setItems(*element, {l.text(TextId::SeatBall), l.text(TextId::SeatRoller)});
  for (auto [caption, p] :
       {std::pair{ringCaption, ring}, std::pair{loadCaption, load},
        std::pair{magnitudeCaption, magnitude}, std::pair{elementCaption, element}}) {
    p->setAccessibleName(caption->text());
  }
  seats->setAccessibleName(l.text(TextId::BearingSeat));
  seats->setAccessibleDescription(l.text(TextId::BearingSeatHelp));
  applyButton->setText(l.text(TextId::SeatApply));
  reportButtons->applyLanguage();
  recompute();
}

void BearingSeatWindow::setDiameterText(const QString& text) {
  diameter->setText(text);
  recompute();
}

void BearingSeatWindow::setCase(const SeatCase& c) {
  for (auto [p, index] :
       {std::pair{ring, static_cast<int>(c.ring)}, std::pair{load, static_cast<int>(c.load)},
        std::pair{magnitude, static_cast<int>(c.magnitude)},
        std::pair{element, static_cast<int>(c.element)}}) {
    const QSignalBlocker block(p);
    p->setCurrentIndex(index);
  }
  recompute();
}

SeatCase BearingSeatWindow::currentCase() const {
  return {static_cast<BearingRing>(std::max(ring->currentIndex(), 0)),
          static_cast<RingLoad>(std::max(load->currentIndex(), 0)),
          static_cast<LoadMagnitude>(std::max(magnitude->currentIndex(), 0)),
          static_cast<RollingElement>(std::max(element->currentIndex(), 0))};
}

void BearingSeatWindow::recompute() {
  const LangTable& lang = language_.table();
  answer_.reset();
  // Only a complete diameter within the field's limits is answered.
  const EntryRead entry = diameter->entry();
  const SeatCase c = currentCase();
  if (entry.state == EntryState::Number && diameter->value()) {
    diameterMm_ = *diameter->value();
    answer_ = recommendSeats(diameterMm_, c);
  }
  if (!answer_) {
    const TextId why = entryProblemText(entry.problem);
    heading->setText(qs(GetLangString(lang, why == TextId::None ? TextId::SeatNoSize : why)));
  } else {
    heading->setText(ringLine(diameterMm_, c.ring));
  }
  const bool failed = !answer_ || answer_->error != SeatError::None;
  heading->setStyleSheet(failed ? QStringLiteral("QLabel { color: #b00000; }") : QString());
  notes->setText(answer_ ? qs(seatNotes(lang, diameterMm_, c, *answer_)).trimmed()
                         : qs(GetLangString(lang, TextId::SeatSource)));
  applyButton->setEnabled(answer_ && !answer_->choices.empty());
  // A long case text may be cut in its closed picker.
  for (QComboBox* p : {ring, load, magnitude, element}) p->setToolTip(p->currentText());
  fillSeats();
}

void BearingSeatWindow::fillSeats() {
  const LangTable& lang = language_.table();
  seats->setHorizontalHeaderLabels(shownHeadings(lang));
  seats->setRowCount(0);
  if (!answer_) return;
  seats->setRowCount(static_cast<int>(answer_->choices.size()));
  for (int r = 0; r < seats->rowCount(); ++r) {
    const QStringList cells =
        shownCells(lang, answer_->choices[static_cast<std::size_t>(r)], NumberBlanks::Breaking);
    for (qsizetype col = 0; col < cells.size(); ++col) {
      auto* item = new QTableWidgetItem(cells[col]);
      item->setToolTip(item->text());
      if (col == 0) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
      }
      seats->setItem(r, static_cast<int>(col), item);
    }
  }
  // The numbers keep their width; the condition, last, takes the rest and wraps.
  for (int col = 0; col + 1 < seats->columnCount(); ++col) seats->resizeColumnToContents(col);
  seats->resizeRowsToContents();
}

bool BearingSeatWindow::applyChoice() {
  if (!answer_ || answer_->choices.empty()) return false;
  const int row = std::max(seats->currentRow(), 0);
  emit fitChosen(diameterMm_, answer_->choices[static_cast<std::size_t>(row)].classes);
  return true;
}

std::vector<ReportSection> BearingSeatWindow::reportSections() const {
  std::vector<ReportSection> sections;
  // A diameter that cannot be read answers nothing, on paper as on screen.
  if (!answer_) return sections;
  const LangTable& lang = language_.table();
  const SeatCase c = currentCase();
  ReportSection seatCase{diameterCaption->text() + QStringLiteral(": ") +
                             diameter->text().trimmed() + QStringLiteral(" mm"),
                         {}};
  for (const auto& [caption, p] :
       {std::pair{ringCaption, ring}, std::pair{loadCaption, load},
        std::pair{magnitudeCaption, magnitude}, std::pair{elementCaption, element}}) {
    seatCase.rows.push_back({caption->text(), p->currentText()});
  }
  sections.push_back(std::move(seatCase));

  ReportSection seatsSection{ringLine(diameterMm_, c.ring), {}};
  if (!answer_->choices.empty()) {
    seatsSection.rows.push_back(shownHeadings(lang));
    for (const SeatChoice& choice : answer_->choices) {
      seatsSection.rows.push_back(shownCells(lang, choice, NumberBlanks::NonBreaking));
    }
  }
  for (const QString& note :
       qs(seatNotes(lang, diameterMm_, c, *answer_)).split(u'\n', Qt::SkipEmptyParts)) {
    seatsSection.rows.push_back({note});
  }
  sections.push_back(std::move(seatsSection));
  return sections;
}

ReportDocument BearingSeatWindow::reportDocument() const {
  // Six columns, two of them ranges of two numbers and a condition in words:
  // on a portrait page the ranges would wrap.
  ReportDocument document(reportHeader(language_, language_.text(TextId::BearingSeat), false),
                          QPageLayout::Landscape);
  document.addSections(reportSections());
  return document;
}

}  // namespace kalmo
