#include "stack/stack_window.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "help/help_command.h"
#include "models/result_source.h"
#include "report/report_buttons.h"
#include "stack/stack_charts.h"
#include "stack/stack_table_model.h"
#include "stack/stack_text.h"
#include "stack/stack_window_internal.h"
#include "storage/language.h"
#include "widgets/app_images.h"
#include "widgets/number_field.h"

// The stack-up window's widgets, their layout and the editing of the chain;
// the run and its results are in stack_window_results.cpp, the files in
// stack_window_files.cpp, the report in stack_window_report.cpp.

namespace kalmo {

namespace {

// Fits a 1920 x 1080 screen at 200 % (960 x 540 device-independent pixels)
// with room for the frame and the task bar.
constexpr int kWindowWidth = 940;
constexpr int kWindowHeight = 500;

// Largest sample count the window runs (the command line takes up to 1e9).
constexpr double kMaxWindowSamples = 100'000'000;

QPushButton* button(QWidget* parent, const char* name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

// The tolerance cell offers the classes of ISO 286 in their usual grades, the
// general tolerances and the bearing ring's bore and outside diameter;
// anything else may still be typed.
QStringList toleranceChoices() {
  QStringList choices;
  for (const std::string_view letter : kHoleLetters) {
    for (int grade = 5; grade <= 11; ++grade) {
      choices << QString::fromLatin1(letter.data(), static_cast<int>(letter.size())) +
                     QString::number(grade);
    }
  }
  for (const std::string_view letter : kShaftLetters) {
    for (int grade = 5; grade <= 11; ++grade) {
      choices << QString::fromLatin1(letter.data(), static_cast<int>(letter.size())) +
                     QString::number(grade);
    }
  }
  for (const char c : {'f', 'm', 'c', 'v'})
    choices << QStringLiteral("ISO 2768-%1").arg(QChar::fromLatin1(c));
  choices << QStringLiteral("bearing") << QStringLiteral("bearing bore")
          << QStringLiteral("bearing OD");
  return choices;
}

// Editors of the contributor table: pickers for direction and distribution,
// a completer of classes for the tolerance.
class StackDelegate final : public QStyledItemDelegate {
 public:
  StackDelegate(const Language& language, QObject* parent)
      : QStyledItemDelegate(parent), language_(language) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    switch (index.column()) {
      case StackTableModel::Direction: {
        auto* box = new QComboBox(parent);
        box->addItem(QStringLiteral("+"), 1);
        box->addItem(QStringLiteral("\u2212"), -1);
        return box;
      }
      case StackTableModel::Distribution: {
        auto* box = new QComboBox(parent);
        for (const StackDistribution d : {StackDistribution::Normal, StackDistribution::Uniform,
                                          StackDistribution::Triangular}) {
          box->addItem(language_.text(distributionText(d)), static_cast<int>(d));
        }
        return box;
      }
      case StackTableModel::Tolerance: {
        auto* edit = new QLineEdit(parent);
        auto* completer = new QCompleter(toleranceChoices(), edit);
        completer->setCaseSensitivity(Qt::CaseSensitive);
        edit->setCompleter(completer);
        return edit;
      }
      default: return QStyledItemDelegate::createEditor(parent, option, index);
    }
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
      box->setCurrentIndex(box->findData(index.data(Qt::EditRole)));
      return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
      model->setData(index, box->currentData(), Qt::EditRole);
      return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
  }

 private:
  const Language& language_;
};

// The chain the window starts with: a shaft length between two shoulders
// less three parts on it, the example of the help page.
std::vector<StackRow> startChain() {
  return {{QStringLiteral("A"), QStringLiteral("40"), StackDirection::Plus,
           QStringLiteral("\u00B10.10"), StackDistribution::Normal},
          {QStringLiteral("B"), QStringLiteral("25"), StackDirection::Minus,
           QStringLiteral("\u00B10.05"), StackDistribution::Normal},
          {QStringLiteral("C"), QStringLiteral("2"), StackDirection::Minus,
           QStringLiteral("\u00B10.03"), StackDistribution::Normal},
          {QStringLiteral("D"), QStringLiteral("10"), StackDirection::Minus,
           QStringLiteral("\u00B10.05"), StackDistribution::Normal}};
}

}  // namespace

StackWindow::StackWindow(const ResultSource& source, QWidget* parent)
    : StackWindow(source.language(), source.view().inputs.inch, parent) {
  connect(&source, &ResultSource::languageChanged, this, &StackWindow::applyLanguage);
}

StackWindow::StackWindow(const Language& language, bool inch, QWidget* parent)
    : QWidget(parent, Qt::Window),
      model(new StackTableModel(language, inch, this)),
      table(new QTableView(this)),
      addButton(button(this, "stackAddButton")),
      removeButton(button(this, "stackRemoveButton")),
      upButton(button(this, "stackUpButton")),
      downButton(button(this, "stackDownButton")),
      openButton(button(this, "stackOpenButton")),
      saveButton(button(this, "stackSaveButton")),
      lslCaption(new QLabel(this)),
      lsl(new NumberField(-kMaxStackNominalMm, kMaxStackNominalMm, this)),
      uslCaption(new QLabel(this)),
      usl(new NumberField(-kMaxStackNominalMm, kMaxStackNominalMm, this)),
      samplesCaption(new QLabel(this)),
      samples(new NumberField(0, kMaxWindowSamples, this)),
      seedCaption(new QLabel(this)),
      seed(new NumberField(0, 4294967295.0, this)),
      progress(new QProgressBar(this)),
      status(new QLabel(this)),
      results(new QTableWidget(0, 2, this)),
      histogramCaption(new QLabel(this)),
      histogram(new StackHistogram(this)),
      sharesCaption(new QLabel(this)),
      shares(new StackShareChart(this)),
      reportButtons(new ReportButtons(
          QStringLiteral("stack"), language, [this] { return reportDocument(); }, this)),
      language_(language),
      inch_(inch),
      progressTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("stackWindow"));
  setWindowIcon(icon(Image::Application));
  table->setObjectName(QStringLiteral("stackTable"));
  table->setModel(model);
  table->setItemDelegate(new StackDelegate(language, table));
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  table->horizontalHeader()->setSectionResizeMode(StackTableModel::Tolerance, QHeaderView::Stretch);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
  table->setColumnWidth(StackTableModel::Name, 150);
  table->setColumnWidth(StackTableModel::Direction, 36);
  for (NumberField* f : {lsl, usl, samples, seed}) f->setMaximumWidth(110);
  lsl->setObjectName(QStringLiteral("stackLsl"));
  usl->setObjectName(QStringLiteral("stackUsl"));
  samples->setObjectName(QStringLiteral("stackSamples"));
  seed->setObjectName(QStringLiteral("stackSeed"));
  samples->setRequired(true);
  seed->setRequired(true);
  samples->setText(QString::number(kMonteCarloDefaultSamples));
  seed->setText(QString::number(kMonteCarloDefaultSeed));
  lslCaption->setBuddy(lsl);
  uslCaption->setBuddy(usl);
  samplesCaption->setBuddy(samples);
  seedCaption->setBuddy(seed);
  progress->setObjectName(QStringLiteral("stackProgress"));
  progress->setRange(0, 1000);
  progress->setTextVisible(false);
  progress->setMaximumWidth(140);
  progress->hide();
  status->setObjectName(QStringLiteral("stackStatus"));
  status->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
  status->setWordWrap(true);
  results->setObjectName(QStringLiteral("stackResults"));
  results->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results->verticalHeader()->hide();
  results->horizontalHeader()->hide();
  // Captions wrap in a column as wide as the longest of them allows; the
  // values take the rest.
  results->setWordWrap(true);
  results->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
  results->horizontalHeader()->setStretchLastSection(true);
  results->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  histogram->setObjectName(QStringLiteral("stackHistogram"));
  shares->setObjectName(QStringLiteral("stackShares"));
  QFont bold = histogramCaption->font();
  bold.setBold(true);
  histogramCaption->setFont(bold);
  sharesCaption->setFont(bold);

  auto* editButtons = new QVBoxLayout;
  for (QPushButton* b : {addButton, removeButton, upButton, downButton}) editButtons->addWidget(b);
  editButtons->addStretch(1);
  editButtons->addWidget(openButton);
  editButtons->addWidget(saveButton);
  auto* chain = new QHBoxLayout;
  chain->addWidget(table, 1);
  chain->addLayout(editButtons);

  auto* inputs = new QHBoxLayout;
  for (auto [caption, field] : {std::pair{lslCaption, lsl}, std::pair{uslCaption, usl},
                                std::pair{samplesCaption, samples}, std::pair{seedCaption, seed}}) {
    inputs->addWidget(caption);
    inputs->addWidget(field);
    inputs->addSpacing(8);
  }
  inputs->addWidget(progress);
  inputs->addStretch(1);

  auto* charts = new QWidget(this);
  auto* chartsLayout = new QVBoxLayout(charts);
  chartsLayout->setContentsMargins(0, 0, 0, 0);
  chartsLayout->addWidget(histogramCaption);
  chartsLayout->addWidget(histogram, 3);
  chartsLayout->addWidget(sharesCaption);
  chartsLayout->addWidget(shares, 2);
  auto* lower = new QSplitter(Qt::Horizontal, this);
  lower->addWidget(results);
  lower->addWidget(charts);
  lower->setStretchFactor(0, 1);
  lower->setStretchFactor(1, 1);
  lower->setSizes({470, 430});
  lower->setChildrenCollapsible(false);

  auto* upper = new QWidget(this);
  auto* upperLayout = new QVBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->addLayout(chain, 1);
  upperLayout->addLayout(inputs);
  upperLayout->addWidget(status);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(upper);
  split->addWidget(lower);
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 3);
  split->setChildrenCollapsible(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(split, 1);
  layout->addWidget(reportButtons);
  resize(kWindowWidth, kWindowHeight);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  addHelpKey(*this, HelpTopic::StackUp, [this] { return languageNumber(language_.code()); });
  connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft) {
    // The result columns change with every answer; only edits ask anew.
    if (topLeft.column() < StackTableModel::Sigma) recompute();
  });
  connect(model, &QAbstractItemModel::rowsInserted, this, [this] { recompute(); });
  connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { recompute(); });
  connect(model, &QAbstractItemModel::rowsMoved, this, [this] { recompute(); });
  connect(model, &QAbstractItemModel::modelReset, this, [this] { recompute(); });
  for (NumberField* f : {lsl, usl, samples, seed}) {
    connect(f, &QLineEdit::textChanged, this, [this] { recompute(); });
  }
  connect(addButton, &QPushButton::clicked, this, [this] {
    const int row =
        table->currentIndex().isValid() ? table->currentIndex().row() + 1 : model->rowCount();
    StackRow added;
    added.name = QString::number(model->rowCount() + 1);
    added.nominal = QStringLiteral("10");
    added.tolerance = QStringLiteral("\u00B10.1");
    model->insertContributor(row, added);
    table->setCurrentIndex(model->index(row, StackTableModel::Name));
  });
  connect(removeButton, &QPushButton::clicked, this, [this] {
    if (table->currentIndex().isValid()) model->removeRows(table->currentIndex().row(), 1);
  });
  connect(upButton, &QPushButton::clicked, this, [this] { moveSelected(-1); });
  connect(downButton, &QPushButton::clicked, this, [this] { moveSelected(1); });
  connect(openButton, &QPushButton::clicked, this, &StackWindow::openFile);
  connect(saveButton, &QPushButton::clicked, this, &StackWindow::saveFile);
  progressTimer_->setInterval(50);
  connect(progressTimer_, &QTimer::timeout, this, [this] {
    if (job_ && job_->samples > 0) {
      progress->setValue(static_cast<int>(1000.0 * static_cast<double>(job_->done.load()) /
                                          static_cast<double>(job_->samples)));
    }
  });
  model->setRows(startChain());
  applyLanguage();
}

StackWindow::~StackWindow() {
  // Closing may still commit an open cell editor into the model: nothing of
  // this window may answer it any more.
  disconnect(model, nullptr, this, nullptr);
  if (job_) job_->cancel = true;
  for (QThread* t : threads_) {
    t->wait();
    delete t;
  }
}

void StackWindow::applyLanguage() {
  const Language& l = language_;
  setWindowTitle(l.text(TextId::StackUp));
  addButton->setText(l.text(TextId::StackAdd));
  removeButton->setText(l.text(TextId::StackRemove));
  upButton->setText(l.text(TextId::StackMoveUp));
  downButton->setText(l.text(TextId::StackMoveDown));
  openButton->setText(l.text(TextId::StackOpen));
  saveButton->setText(l.text(TextId::StackSave));
  const QString unit = inch_ ? QStringLiteral(" (in)") : QStringLiteral(" (mm)");
  lslCaption->setText(l.text(TextId::StackLsl) + unit);
  uslCaption->setText(l.text(TextId::StackUsl) + unit);
  samplesCaption->setText(l.text(TextId::StackSamples));
  seedCaption->setText(l.text(TextId::StackSeed));
  for (NumberField* f : {lsl, usl, samples, seed}) f->setLanguage(&l.table());
  lsl->setAccessibleName(l.text(TextId::StackLsl));
  usl->setAccessibleName(l.text(TextId::StackUsl));
  samples->setAccessibleName(l.text(TextId::StackSamples));
  seed->setAccessibleName(l.text(TextId::StackSeed));
  table->setAccessibleName(l.text(TextId::StackContributors));
  results->setAccessibleName(l.text(TextId::StackResults));
  histogramCaption->setText(l.text(TextId::StackHistogramTitle));
  histogramCaption->setToolTip(l.text(TextId::StackLegend));
  histogram->setToolTip(l.text(TextId::StackLegend));
  histogram->setAccessibleName(l.text(TextId::StackHistogram));
  histogram->setAccessibleDescription(l.text(TextId::StackLegend));
  progress->setToolTip(l.text(TextId::StackRunning));
  progress->setAccessibleName(l.text(TextId::StackRunning));
  lsl->setAccessibleDescription(l.text(TextId::StackLimits));
  usl->setAccessibleDescription(l.text(TextId::StackLimits));
  sharesCaption->setText(l.text(TextId::StackShares));
  shares->setAccessibleName(l.text(TextId::StackShares));
  reportButtons->applyLanguage();
  model->retranslate();
  showResults();
}

void StackWindow::moveSelected(int step) {
  if (!table->currentIndex().isValid()) return;
  const int row = table->currentIndex().row();
  const int column = table->currentIndex().column();
  const int upperRow = step < 0 ? row - 1 : row;
  if (upperRow < 0 || upperRow + 1 >= model->rowCount()) return;
  model->swapWithNext(upperRow);
  table->setCurrentIndex(model->index(row + step, column));
}

}  // namespace kalmo
