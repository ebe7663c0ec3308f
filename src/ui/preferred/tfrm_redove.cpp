#include "preferred/tfrm_redove.h"

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

TfrmRedove::TfrmRedove(const LangTable& lang, QWidget* parent) : QDialog(parent) {
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
                                      QString(), this, &TfrmRedove::btnSelClick);
  cancelAction_ = toolBar_->addAction(QIcon(QStringLiteral(":/preferred/icons/cancel.svg")),
                                      QString(), this, &TfrmRedove::btnCancelClick);
  toolBar_->widgetForAction(selectAction_)->setObjectName(QStringLiteral("btnSel"));
  toolBar_->widgetForAction(cancelAction_)->setObjectName(QStringLiteral("btnCancel"));

  label1_ = new QLabel(this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label1_->setFixedWidth(90);

  cbRedove_ = new QComboBox(this);
  cbRedove_->setObjectName(QStringLiteral("cbRedove"));
  cbRedove_->setFixedWidth(120);
  for (const PreferredSeriesList& series : PreferredSeries) {
    cbRedove_->addItem(seriesName(series.name));
  }
  label1_->setBuddy(cbRedove_);

  mdData_ = new PreferredTableModel(this);
  dbgrData_ = new QTableView(this);
  dbgrData_->setObjectName(QStringLiteral("dbgrData"));
  dbgrData_->setModel(mdData_);
  dbgrData_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  dbgrData_->setSelectionMode(QAbstractItemView::SingleSelection);
  dbgrData_->setSelectionBehavior(QAbstractItemView::SelectItems);
  dbgrData_->setTabKeyNavigation(false);
  dbgrData_->setAlternatingRowColors(true);
  dbgrData_->verticalHeader()->hide();
  dbgrData_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  dbgrData_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  dbgrData_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  dbgrData_->horizontalHeader()->setSectionsClickable(false);
  dbgrData_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  dbgrData_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(dbgrData_, &QAbstractItemView::doubleClicked, this, &TfrmRedove::btnSelClick);

  auto* seriesRow = new QHBoxLayout;
  seriesRow->setContentsMargins(4, 0, 4, 0);
  seriesRow->setSpacing(6);
  seriesRow->addWidget(label1_);
  seriesRow->addWidget(cbRedove_);
  seriesRow->addStretch();
  auto* seriesBar = new QWidget(this);
  seriesBar->setFixedHeight(kSeriesRowHeight);
  seriesBar->setLayout(seriesRow);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar_);
  layout->addWidget(seriesBar);
  layout->addWidget(dbgrData_);

  applyTexts(lang);

  connect(cbRedove_, &QComboBox::currentIndexChanged, this, &TfrmRedove::cbRedoveChange);
  cbRedove_->setCurrentIndex(kAllSeriesIndex);
  cbRedoveChange(kAllSeriesIndex);
  dbgrData_->setFocus();

  // Centred on the screen, not on the main window.
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen) move(screen->availableGeometry().center() - rect().center());
}

void TfrmRedove::applyTexts(const LangTable& lang) {
  setWindowTitle(langText(lang, kCaptionText));
  label1_->setText(langText(lang, kSeriesLabelText));
  selectAction_->setText(langText(lang, kSelectHintText));
  selectAction_->setToolTip(selectAction_->text());
  cancelAction_->setText(langText(lang, kCancelHintText));
  cancelAction_->setToolTip(cancelAction_->text());
  cbRedove_->setItemText(kAllSeriesIndex, langText(lang, kAllSeriesText));
}

void TfrmRedove::cbRedoveChange(int index) {
  mdData_->showSeries(index);
  // First row and first column current, so choosing at once gives 0.01 mm.
  const QModelIndex first = mdData_->index(0, 0);
  dbgrData_->setCurrentIndex(first);
  dbgrData_->scrollToTop();
}

void TfrmRedove::btnSelClick() {
  const double value = mdData_->value(dbgrData_->currentIndex());
  if (value > 0) {
    selectedValue_ = value;
    accept();
  } else {
    // No cell with a value (empty table): leave as with btnCancel.
    reject();
  }
}

void TfrmRedove::btnCancelClick() {
  reject();
}

void TfrmRedove::keyPressEvent(QKeyEvent* event) {
  // The grid passes Enter on; with no default button the dialog would ignore
  // it, so Enter takes the current cell. Esc falls through to reject().
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    btnSelClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kalmo
