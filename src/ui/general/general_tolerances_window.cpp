#include "general/general_tolerances_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "format/shortest_number.h"
#include "format/units.h"
#include "general/general_text.h"
#include "help/help_command.h"
#include "models/result_source.h"
#include "report/report_buttons.h"
#include "storage/language.h"
#include "widgets/app_images.h"
#include "widgets/number_field.h"
#include "widgets/on_screen.h"

namespace kalmo {

namespace {

// Fits a 1920 x 1080 screen at 200 % (960 x 540 device-independent pixels)
// with room for the frame and the task bar.
constexpr int kWindowWidth = 920;
constexpr int kWindowHeight = 480;

const QColor kReasonText(96, 96, 96);
const QColor kSectionRow(226, 232, 244);

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

// Every designation the picker offers: the classes of dimensions alone and
// with each geometrical class, then the geometrical classes alone.
QStringList designationChoices() {
  QStringList choices;
  for (const char linear : {'f', 'm', 'c', 'v'}) {
    choices << QStringLiteral("ISO 2768-%1").arg(QChar::fromLatin1(linear));
    for (const char geometric : {'H', 'K', 'L'}) {
      choices << QStringLiteral("ISO 2768-%1%2")
                     .arg(QChar::fromLatin1(linear), QChar::fromLatin1(geometric));
    }
  }
  for (const char geometric : {'H', 'K', 'L'}) {
    choices << QStringLiteral("ISO 2768-%1").arg(QChar::fromLatin1(geometric));
  }
  return choices;
}

QTableWidget* table(QWidget* parent, const char* name, int columns) {
  auto* t = new QTableWidget(0, columns, parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->verticalHeader()->hide();
  t->setWordWrap(true);
  t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return t;
}

QTableWidgetItem* cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setToolTip(text);
  return item;
}

}  // namespace

GeneralTolerancesWindow::GeneralTolerancesWindow(const ResultSource& source, QWidget* parent)
    : GeneralTolerancesWindow(source.language(), source.view().inputs.sizeMm,
                              source.view().inputs.inch, parent) {
  connect(&source, &ResultSource::languageChanged, this, &GeneralTolerancesWindow::applyLanguage);
  // Opened from the main window: beside it, at the window's own size.
  openBeside(*this, parent ? parent->window() : nullptr);
}

GeneralTolerancesWindow::GeneralTolerancesWindow(const Language& language, double startSizeMm,
                                                 bool inch, QWidget* parent)
    : QWidget(parent, Qt::Window),
      designationCaption(new QLabel(this)),
      designation(new QComboBox(this)),
      sizeCaption(new QLabel(this)),
      size(new NumberField(sizeFieldLimits(inch).minimum, sizeFieldLimits(inch).maximum, this)),
      unit(new QLabel(inch ? QStringLiteral("in") : QStringLiteral("mm"), this)),
      heading(new QLabel(this)),
      answers(table(this, "generalAnswers", 3)),
      tableHeading(new QLabel(this)),
      standard(table(this, "generalTable", 2)),
      editions(new QLabel(this)),
      reportButtons(new ReportButtons(
          QStringLiteral("general"), language, [this] { return reportDocument(); }, this)),
      compareBox(new QCheckBox(this)),
      language_(language),
      inch_(inch) {
  setObjectName(QStringLiteral("generalTolerancesWindow"));
  setWindowIcon(icon(Image::Application));
  designation->setObjectName(QStringLiteral("generalDesignation"));
  designation->setEditable(true);
  designation->addItems(designationChoices());
  designation->setInsertPolicy(QComboBox::NoInsert);
  // What is typed stays as typed: no completion turns "mk" into "mK".
  designation->setCompleter(nullptr);
  designation->setCurrentText(QStringLiteral("ISO 2768-mK"));
  designation->setMinimumContentsLength(14);
  designationCaption->setBuddy(designation);
  size->setObjectName(QStringLiteral("generalSize"));
  size->setInchMode(inch);
  // A main window without a size yet gives none.
  if (startSizeMm > 0) size->setValue(sizeFieldValue(startSizeMm, inch));
  sizeCaption->setBuddy(size);
  heading->setObjectName(QStringLiteral("generalHeading"));
  heading->setWordWrap(true);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  tableHeading->setFont(bold);
  editions->setObjectName(QStringLiteral("generalEditions"));
  editions->setWordWrap(true);

  // Kinds and values wrap; the range column is as wide as its longest range
  // (fillAnswers), not as the reasons that span it.
  answers->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
  answers->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
  answers->horizontalHeader()->setStretchLastSection(true);
  answers->setColumnWidth(0, 200);
  connect(answers->horizontalHeader(), &QHeaderView::sectionResized, answers,
          &QTableView::resizeRowsToContents);
  standard->setWordWrap(false);
  standard->verticalHeader()->setDefaultSectionSize(standard->fontMetrics().height() + 6);
  // The range takes the room left by the values; a kind's heading row spans both.
  standard->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  standard->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

  auto* inputs = new QHBoxLayout;
  inputs->addWidget(designationCaption);
  inputs->addWidget(designation);
  inputs->addSpacing(16);
  inputs->addWidget(sizeCaption);
  inputs->addWidget(size);
  inputs->addWidget(unit);
  inputs->addSpacing(16);
  inputs->addWidget(compareBox);
  inputs->addStretch(1);

  auto* left = new QWidget(this);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(heading);
  leftLayout->addWidget(answers, 1);
  auto* right = new QWidget(this);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->addWidget(tableHeading);
  rightLayout->addWidget(standard, 1);
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(left);
  split->addWidget(right);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  split->setChildrenCollapsible(false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(inputs);
  layout->addWidget(split, 1);
  layout->addWidget(editions);
  layout->addWidget(reportButtons);
  resize(kWindowWidth, kWindowHeight);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  connect(designation, &QComboBox::editTextChanged, this, [this] { recompute(); });
  connect(size, &QLineEdit::textChanged, this, [this] { recompute(); });
  compareBox->setObjectName(QStringLiteral("generalCompareBox"));
  connect(compareBox, &QCheckBox::toggled, this, [this] { announceCompared(); });
  addHelpKey(*this, HelpTopic::General, [this] { return languageNumber(language_.code()); });
  applyLanguage();
}

void GeneralTolerancesWindow::applyLanguage() {
  const Language& l = language_;
  setWindowTitle(l.text(TextId::GeneralTolerances));
  designationCaption->setText(l.text(TextId::Designation).trimmed());
  designation->setToolTip(l.text(TextId::GeneralDesignationHelp));
  designation->setAccessibleName(l.text(TextId::Designation).trimmed());
  designation->setAccessibleDescription(l.text(TextId::GeneralDesignationHelp));
  sizeCaption->setText(l.text(TextId::GeneralSize));
  size->setLanguage(&l.table());
  size->setAccessibleName(l.text(TextId::GeneralSize));
  answers->setHorizontalHeaderLabels({l.text(TextId::GeneralKindHeading),
                                      l.text(TextId::GeneralRangeHeading),
                                      l.text(TextId::GeneralValueHeading)});
  answers->setAccessibleName(l.text(TextId::GeneralTolerances));
  answers->setAccessibleDescription(l.text(TextId::GeneralAnswerHelp));
  standard->setHorizontalHeaderLabels(
      {l.text(TextId::GeneralRangeHeading), l.text(TextId::GeneralValueHeading)});
  standard->setAccessibleDescription(l.text(TextId::GeneralTableHelp));
  editions->setText(l.text(TextId::GeneralEditions));
  compareBox->setText(l.text(TextId::GeneralCompareInMain));
  compareBox->setToolTip(l.text(TextId::GeneralComparisonHelp));
  compareBox->setAccessibleDescription(compareBox->toolTip());
  reportButtons->applyLanguage();
  recompute();
}

void GeneralTolerancesWindow::setDesignation(const QString& text) {
  designation->setCurrentText(text);
  recompute();
}

void GeneralTolerancesWindow::setSizeText(const QString& text) {
  size->setText(text);
  recompute();
}

void GeneralTolerancesWindow::recompute() {
  const LangTable& lang = language_.table();
  const GeneralDesignationRead read =
      readGeneralDesignation(designation->currentText().toStdString());
  designation_ = read.value;
  answer_.reset();
  QString problem;
  if (!read.value) {
    problem = qs(GetLangString(lang, generalDesignationErrorText(read.error)));
  } else {
    // Only a complete size within the limits is answered; the digits are
    // taken as typed ("," read as the decimal point), so a bound typed is
    // the bound itself.
    const EntryRead entry = size->entry();
    std::optional<TypedLength> typed;
    if (entry.state == EntryState::Number) {
      typed = readTypedLength(size->appliedText().replace(u',', u'.').toStdString(), inch_);
      if (!typed) typed = readTypedLength(formatShortest(entry.number), inch_);
    }
    if (typed) {
      answer_ = evaluateGeneral(*typed, *read.value);
    } else {
      const TextId why = entryProblemText(entry.problem);
      problem = qs(GetLangString(lang, why == TextId::None ? TextId::GeneralNoSize : why));
    }
  }
  const GeneralTextOptions options{inch_, localeDecimalSeparator()};
  heading->setText(answer_ ? qs(generalAnswerHeading(lang, *answer_, options)) : problem);
  heading->setStyleSheet(answer_ ? QString() : QStringLiteral("QLabel { color: #b00000; }"));
  fillAnswers();
  fillStandard();
  if (compareBox->isChecked()) announceCompared();
}

void GeneralTolerancesWindow::fillAnswers() {
  answers->clearSpans();
  answers->setRowCount(0);
  if (!answer_) return;
  const std::vector<GeneralLine> lines =
      generalLines(language_.table(), *answer_, {inch_, localeDecimalSeparator()});
  answers->setRowCount(static_cast<int>(lines.size()));
  for (int r = 0; r < answers->rowCount(); ++r) {
    const GeneralLine& line = lines[static_cast<std::size_t>(r)];
    answers->setItem(r, 0, cell(qs(line.caption)));
    if (line.value.empty()) {
      // A reason without a range runs across both columns.
      QTableWidgetItem* reason = cell(qs(line.reason));
      reason->setForeground(kReasonText);
      answers->setItem(r, 1, line.range.empty() ? reason : cell(qs(line.range)));
      answers->setItem(r, 2, line.range.empty() ? cell(QString()) : reason);
      if (line.range.empty()) answers->setSpan(r, 1, 1, 2);
    } else {
      answers->setItem(r, 1, cell(qs(line.range)));
      QTableWidgetItem* value = cell(qs(line.value));
      QFont f = value->font();
      f.setBold(true);
      value->setFont(f);
      answers->setItem(r, 2, value);
    }
  }
  const QFontMetrics metrics = answers->fontMetrics();
  int rangeWidth = metrics.horizontalAdvance(answers->horizontalHeaderItem(1)->text()) +
                   24;  // with the sort room
  for (const GeneralLine& line : lines) {
    if (line.range.empty()) continue;
    rangeWidth = std::max(rangeWidth, metrics.horizontalAdvance(qs(line.range)) + 12);
  }
  answers->setColumnWidth(1, rangeWidth);
  answers->resizeRowsToContents();
}

std::vector<GeneralTolerancesWindow::TableRow> GeneralTolerancesWindow::tableRows() const {
  std::vector<TableRow> rows;
  if (!designation_) return rows;
  const GeneralDesignation& d = *designation_;
  const LangTable& lang = language_.table();
  const GeneralTextOptions options{inch_, localeDecimalSeparator()};
  for (const GeneralKind kind : kGeneralKinds) {
    const bool hasClass = isGeometricKind(kind) ? d.geometric.has_value() : d.linear.has_value();
    if (!hasClass) continue;
    const QString caption = qs(GetLangString(lang, generalKindText(kind)));
    const std::vector<GeneralCell> cells = generalTable(kind, d);
    if (cells.empty()) {
      rows.push_back({TableRow::Kind::Heading, caption, {}});
      rows.push_back(
          {TableRow::Kind::Reason, qs(GetLangString(lang, TextId::GeneralNotConfirmed)), {}});
      continue;
    }
    const QChar letter = QChar::fromLatin1(
        isGeometricKind(kind) ? geometricClassLetter(*d.geometric) : linearClassLetter(*d.linear));
    rows.push_back(
        {TableRow::Kind::Heading,
         caption + QStringLiteral(", ") +
             qs(GetLangString(lang, TextId::GeneralClass)).replace(QStringLiteral("%1"), letter),
         {}});
    const std::optional<std::size_t> marked =
        answer_ ? (*answer_)[kind].row : std::optional<std::size_t>();
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const std::string value = generalValueText(kind, cells[i], options);
      rows.push_back({TableRow::Kind::Range,
                      qs(generalRangeText(lang, cells[i], options.decimalSeparator)),
                      value.empty() ? QStringLiteral("\u2013") : qs(value), marked == i});
    }
  }
  return rows;
}

void GeneralTolerancesWindow::fillStandard() {
  standard->clearSpans();
  standard->setRowCount(0);
  if (!designation_) {
    tableHeading->clear();
    return;
  }
  tableHeading->setText(
      QString::fromStdString(GetLangString(language_.table(), TextId::GeneralTableHeading))
          .replace(QStringLiteral("%1"), qs(generalDesignationText(*designation_))));
  standard->setAccessibleName(tableHeading->text());
  for (const TableRow& row : tableRows()) {
    const int r = standard->rowCount();
    standard->insertRow(r);
    standard->setItem(r, 0, cell(row.first));
    standard->setItem(r, 1, cell(row.second));
    QTableWidgetItem* first = standard->item(r, 0);
    switch (row.kind) {
      case TableRow::Kind::Heading: {
        standard->setSpan(r, 0, 1, 2);
        QFont f = first->font();
        f.setBold(true);
        first->setFont(f);
        first->setBackground(kSectionRow);
        break;
      }
      case TableRow::Kind::Reason:
        standard->setSpan(r, 0, 1, 2);
        first->setForeground(kReasonText);
        break;
      case TableRow::Kind::Range:
        if (!row.marked) break;
        for (int c = 0; c < 2; ++c) {
          QTableWidgetItem* item = standard->item(r, c);
          item->setBackground(kGeneralMarkedRow);
          QFont f = item->font();
          f.setBold(true);
          item->setFont(f);
        }
        break;
    }
  }
}

void GeneralTolerancesWindow::setCompared(const std::optional<GeneralDesignation>& d) {
  const QSignalBlocker block(compareBox);
  if (d) setDesignation(QString::fromStdString(generalDesignationText(*d)));
  compareBox->setChecked(d.has_value());
}

void GeneralTolerancesWindow::announceCompared() {
  emit comparedClassChanged(compareBox->isChecked() ? designation_ : std::nullopt);
}

}  // namespace kalmo
