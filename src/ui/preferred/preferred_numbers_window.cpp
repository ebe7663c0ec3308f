#include "preferred/preferred_numbers_window.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "preferred/preferred_table_model.h"
#include "tables/preferred_series.h"

// The window's pictures live in a resource of the static window library;
// nothing else refers to it, so it is registered by hand.
static void registerPreferredResources() {
  Q_INIT_RESOURCE(preferred);
}

namespace kalmo {

namespace {

// Language strings of this window.
constexpr TextId kCaptionText = TextId::PreferredNumbersTitle;
constexpr TextId kSeriesLabelText = TextId::Series;
constexpr TextId kSelectHintText = TextId::Select;
constexpr TextId kCancelHintText = TextId::Cancel;
constexpr TextId kAllSeriesText = TextId::AllEntries;

// Pixel layout at 96 dpi: toolbar, then the series row, then the grid from
// top 63 to the bottom edge.
constexpr int kToolBarHeight = 32;
constexpr int kSeriesRowHeight = 31;
constexpr int kFontPixels = 11;
constexpr int kGridRowHeight = 17;

QString langText(const LangTable& lang, TextId id) {
  return QString::fromStdString(GetLangString(lang, id));
}

QString seriesName(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

PreferredNumbersWindow::PreferredNumbersWindow(const LangTable& lang, QWidget* parent)
    : QDialog(parent) {
  registerPreferredResources();
  setObjectName(QStringLiteral("TfrmRedove"));
  setModal(true);
  QFont windowFont = font();
  windowFont.setPixelSize(kFontPixels);
  setFont(windowFont);
  setFixedSize(kClientSize);

  toolBar_ = new QToolBar(this);
  toolBar_->setFixedHeight(kToolBarHeight);
  toolBar_->setIconSize(QSize(22, 22));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  selectAction_ = toolBar_->addAction(QIcon(QStringLiteral(":/preferred/icons/select.svg")),
                                      QString(), this, &PreferredNumbersWindow::takeCurrentCell);
  cancelAction_ = toolBar_->addAction(QIcon(QStringLiteral(":/preferred/icons/cancel.svg")),
                                      QString(), this, &PreferredNumbersWindow::cancelPick);
  toolBar_->widgetForAction(selectAction_)->setObjectName(QStringLiteral("btnSel"));
  toolBar_->widgetForAction(cancelAction_)->setObjectName(QStringLiteral("btnCancel"));

  seriesLabel_ = new QLabel(this);
  seriesLabel_->setObjectName(QStringLiteral("Label1"));
  seriesLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  seriesLabel_->setFixedWidth(90);

  seriesPicker_ = new QComboBox(this);
  seriesPicker_->setObjectName(QStringLiteral("cbRedove"));
  seriesPicker_->setFixedWidth(120);
  for (const PreferredSeriesList& series : PreferredSeries) {
    seriesPicker_->addItem(seriesName(series.name));
  }
  seriesLabel_->setBuddy(seriesPicker_);

  numbersModel_ = new PreferredTableModel(this);
  numbersTable_ = new QTableView(this);
  numbersTable_->setObjectName(QStringLiteral("dbgrData"));
  numbersTable_->setModel(numbersModel_);
  numbersTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  numbersTable_->setSelectionMode(QAbstractItemView::SingleSelection);
  numbersTable_->setSelectionBehavior(QAbstractItemView::SelectItems);
  numbersTable_->setTabKeyNavigation(false);
  numbersTable_->setAlternatingRowColors(true);
  numbersTable_->verticalHeader()->hide();
  numbersTable_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  numbersTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  numbersTable_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  numbersTable_->horizontalHeader()->setSectionsClickable(false);
  numbersTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  numbersTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(numbersTable_, &QAbstractItemView::doubleClicked, this,
          &PreferredNumbersWindow::takeCurrentCell);

  auto* seriesRow = new QHBoxLayout;
  seriesRow->setContentsMargins(4, 0, 4, 0);
  seriesRow->setSpacing(6);
  seriesRow->addWidget(seriesLabel_);
  seriesRow->addWidget(seriesPicker_);
  seriesRow->addStretch();
  auto* seriesBar = new QWidget(this);
  seriesBar->setFixedHeight(kSeriesRowHeight);
  seriesBar->setLayout(seriesRow);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar_);
  layout->addWidget(seriesBar);
  layout->addWidget(numbersTable_);

  applyTexts(lang);

  connect(seriesPicker_, &QComboBox::currentIndexChanged, this,
          &PreferredNumbersWindow::seriesChanged);
  seriesPicker_->setCurrentIndex(kAllSeriesIndex);
  seriesChanged(kAllSeriesIndex);
  numbersTable_->setFocus();

  // Centred on the screen, not on the main window.
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen) move(screen->availableGeometry().center() - rect().center());
}

void PreferredNumbersWindow::applyTexts(const LangTable& lang) {
  setWindowTitle(langText(lang, kCaptionText));
  seriesLabel_->setText(langText(lang, kSeriesLabelText));
  selectAction_->setText(langText(lang, kSelectHintText));
  selectAction_->setToolTip(selectAction_->text());
  cancelAction_->setText(langText(lang, kCancelHintText));
  cancelAction_->setToolTip(cancelAction_->text());
  seriesPicker_->setItemText(kAllSeriesIndex, langText(lang, kAllSeriesText));
}

void PreferredNumbersWindow::seriesChanged(int index) {
  numbersModel_->showSeries(index);
  // First row and first column current, so choosing at once gives 0.01 mm.
  const QModelIndex first = numbersModel_->index(0, 0);
  numbersTable_->setCurrentIndex(first);
  numbersTable_->scrollToTop();
}

void PreferredNumbersWindow::takeCurrentCell() {
  const double value = numbersModel_->value(numbersTable_->currentIndex());
  if (value > 0) {
    selectedValue_ = value;
    accept();
  } else {
    // No cell with a value (empty table): leave as with btnCancel.
    reject();
  }
}

void PreferredNumbersWindow::cancelPick() {
  reject();
}

void PreferredNumbersWindow::keyPressEvent(QKeyEvent* event) {
  // The grid passes Enter on; with no default button the dialog would ignore
  // it, so Enter takes the current cell. Esc falls through to reject().
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    takeCurrentCell();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kalmo
