#include "press/press_design_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "design/grade_range.h"
#include "format/number_format.h"
#include "format/units.h"
#include "storage/language.h"
#include "storage/settings_store.h"
#include "widgets/number_field.h"
#include "widgets/palette_contrast.h"

namespace kalmo {

namespace {

struct FieldDefinition {
  LoadField field;
  const char* key;  // settings name and object name
  TextId caption;
  const char* symbol;  // rich text
  const char* unit;
  double low, high;  // the range NumberField keeps to
  std::optional<double> initial;
};

constexpr std::array<FieldDefinition, kLoadFieldCount> kFields{{
    {LoadField::Torque, "PressTorque", TextId::PressTorque, "T", "N·m", 0, kPressMaxLoad, {}},
    {LoadField::AxialForce,
     "PressAxialForce",
     TextId::PressAxialForce,
     "F<sub>a</sub>",
     "N",
     0,
     kPressMaxLoad,
     {}},
    {LoadField::SlipSafety, "PressSlipSafety", TextId::PressRequiredSlipSafety, "S<sub>R</sub>", "",
     1, kPressMaxSafety, 1.5},
    {LoadField::YieldSafety, "PressYieldSafety", TextId::PressRequiredYieldSafety, "S<sub>F</sub>",
     "", 1, kPressMaxSafety, 1.1},
}};

constexpr std::array<DesignSystem, 3> kSystems{DesignSystem::HoleBasis, DesignSystem::ShaftBasis,
                                               DesignSystem::AllCombinations};
constexpr std::array<TextId, 3> kSystemTexts{TextId::HoleBasis, TextId::ShaftBasis,
                                             TextId::AllCombinations};
// The named IT application ranges; the free choice ("Select") has no pickers here.
constexpr std::size_t kRangeCount = kItApplicationRanges.size() - 1;

// The last column, the slip safety at the operating temperatures, shows only with them.
enum Column {
  FitColumn,
  MaxColumn,
  MinColumn,
  SlipColumn,
  HubColumn,
  ShaftColumn,
  OperatingSlipColumn,
  ColumnCount
};

}  // namespace

PressDesignPanel::PressDesignPanel(const Language& language, SettingsStore& store, QWidget* parent)
    : QWidget(parent),
      system(new QComboBox(this)),
      range(new QComboBox(this)),
      slipLine(new QLabel(this)),
      status(new QLabel(this)),
      fits(new QTableView(this)),
      applyButton(new QPushButton(this)),
      inOperation(new QCheckBox(this)),
      language_(language),
      store_(store),
      loadGroup_(new QGroupBox(this)),
      fitsGroup_(new QGroupBox(this)),
      systemCaption_(new QLabel(this)),
      rangeCaption_(new QLabel(this)),
      model_(new QStandardItemModel(0, ColumnCount, this)) {
  setObjectName(QStringLiteral("pressDesignPanel"));
  system->setObjectName(QStringLiteral("pressDesignSystem"));
  range->setObjectName(QStringLiteral("pressDesignRange"));
  slipLine->setObjectName(QStringLiteral("pressSlipLine"));
  status->setObjectName(QStringLiteral("pressDesignStatus"));
  fits->setObjectName(QStringLiteral("pressDesignFits"));
  applyButton->setObjectName(QStringLiteral("pressApplyFit"));
  inOperation->setObjectName(QStringLiteral("pressDesignInOperation"));
  for (std::size_t i = 0; i < kSystems.size(); ++i) system->addItem(QString());
  for (std::size_t i = 0; i < kRangeCount; ++i) range->addItem(QString());

  auto* loadForm = new QFormLayout(loadGroup_);
  loadForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  auto* fitsForm = new QFormLayout;
  fitsForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  for (const FieldDefinition& s : kFields) {
    auto* f = new NumberField(s.low, s.high, this);
    f->setObjectName(QString::fromLatin1(s.key));
    f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setMaximumWidth(130);
    f->setUnit(QString::fromUtf8(s.unit));
    f->setRequired(s.initial.has_value());
    auto* caption = new QLabel(this);
    fields_[static_cast<std::size_t>(s.field)] = f;
    captions_[static_cast<std::size_t>(s.field)] = caption;
    loadForm->addRow(caption, f);
    if (s.field == LoadField::AxialForce) {
      slipLine->setWordWrap(true);
      loadForm->addRow(slipLine);
    }
  }
  fitsForm->addRow(systemCaption_, system);
  fitsForm->addRow(rangeCaption_, range);
  fitsForm->addRow(inOperation);

  fits->setModel(model_);
  fits->verticalHeader()->setVisible(false);
  fits->verticalHeader()->setDefaultSectionSize(20);
  fits->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fits->setSelectionBehavior(QAbstractItemView::SelectRows);
  fits->setSelectionMode(QAbstractItemView::SingleSelection);
  fits->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  fits->setMinimumHeight(140);
  status->setWordWrap(true);
  status->setTextFormat(Qt::PlainText);

  auto* fitsLayout = new QVBoxLayout(fitsGroup_);
  fitsLayout->addLayout(fitsForm);
  fitsLayout->addWidget(status);
  fitsLayout->addWidget(fits, 1);
  fitsLayout->addWidget(applyButton, 0, Qt::AlignRight);

  // Side by side below the press fit's inputs and results: the load and its
  // safeties, then the fits that carry it.
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* left = new QVBoxLayout;
  left->addWidget(loadGroup_);
  left->addStretch();
  layout->addLayout(left);
  layout->addWidget(fitsGroup_, 1);

  readSettings();
  for (NumberField* f : fields_) {
    connect(f, &QLineEdit::textChanged, this, &PressDesignPanel::recalculate);
  }
  for (QComboBox* picker : {system, range}) {
    connect(picker, &QComboBox::currentIndexChanged, this, &PressDesignPanel::recalculate);
  }
  connect(inOperation, &QCheckBox::toggled, this, &PressDesignPanel::recalculate);
  connect(fits, &QTableView::doubleClicked, this, &PressDesignPanel::chooseCurrent);
  connect(applyButton, &QPushButton::clicked, this, &PressDesignPanel::chooseCurrent);
  connect(fits->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { applyButton->setEnabled(fits->selectionModel()->hasSelection()); });
  applyLanguage();
}

PressDesignPanel::~PressDesignPanel() {
  writeSettings();
}

void PressDesignPanel::applyLanguage() {
  const Language& l = language_;
  loadGroup_->setTitle(l.text(TextId::PressLoad));
  fitsGroup_->setTitle(l.text(TextId::PressFitsCarryingLoad));
  for (const FieldDefinition& s : kFields) {
    const QString unit = QString::fromUtf8(s.unit);
    captions_[static_cast<std::size_t>(s.field)]->setText(
        l.text(s.caption) + QStringLiteral(" ") + QString::fromUtf8(s.symbol) +
        (unit.isEmpty() ? QString() : QStringLiteral(" [") + unit + u']'));
    NumberField* f = field(s.field);
    f->setLanguage(&l.table());
    f->setAccessibleName(l.text(s.caption));
    f->setAccessibleDescription(l.text(TextId::PressInputHelp));
  }
  systemCaption_->setText(l.text(TextId::SystemOfFit));
  rangeCaption_->setText(l.text(TextId::ItRange));
  QStringList systems;
  for (TextId id : kSystemTexts) systems << l.text(id).trimmed();
  setItemTexts(*system, systems);
  QStringList ranges;
  for (std::size_t i = 0; i < kRangeCount; ++i) {
    ranges << l.text(static_cast<TextId>(kItApplicationRanges[i].captionId)).trimmed();
  }
  setItemTexts(*range, ranges);
  system->setAccessibleName(l.text(TextId::SystemOfFit));
  range->setAccessibleName(l.text(TextId::ItRange));
  system->setAccessibleDescription(l.text(TextId::PressDesignSystemHelp));
  range->setAccessibleDescription(l.text(TextId::GradeRangeHelp));
  applyButton->setAccessibleDescription(l.text(TextId::PressApplyFitHelp));
  applyButton->setText(l.text(TextId::PressApplyFit));
  inOperation->setText(l.text(TextId::PressCarryInOperation));
  inOperation->setToolTip(l.text(TextId::PressCarryInOperationHelp));
  inOperation->setAccessibleDescription(inOperation->toolTip());
  fits->setAccessibleName(l.text(TextId::PressFitsCarryingLoad));
  fits->setAccessibleDescription(l.text(TextId::PressFitsHelp));
  model_->setHorizontalHeaderLabels(
      {l.text(TextId::Fit).trimmed(), l.text(TextId::MaxInterferenceShort).trimmed(),
       l.text(TextId::MinInterferenceShort).trimmed(), l.text(TextId::PressSlipSafety),
       l.text(TextId::PressHubSafetyShort), l.text(TextId::PressShaftSafetyShort),
       l.text(TextId::PressSlipSafetyOperating)});
  model_->horizontalHeaderItem(OperatingSlipColumn)
      ->setToolTip(l.text(TextId::PressOperatingColumnHelp));
  recalculate();
}

void PressDesignPanel::setJoint(const std::optional<PressFitInput>& joint, bool inchMode) {
  joint_ = joint;
  inch_ = inchMode;
  recalculate();
}

std::optional<PressLoad> PressDesignPanel::load() const {
  const NumberField* t = field(LoadField::Torque);
  const NumberField* f = field(LoadField::AxialForce);
  if (t->marked() || f->marked()) return std::nullopt;
  if (!t->value() && !f->value()) return std::nullopt;
  return PressLoad{t->value().value_or(0), f->value().value_or(0)};
}

void PressDesignPanel::recalculate() {
  const std::string separator = localeDecimalSeparator();
  const auto fixed = [&separator](double v, int decimals) {
    return QString::fromStdString(formatFixed(v, decimals, separator));
  };
  const auto length = [&](double mm) {
    return QString::fromStdString(lengthText(mm, inch_, separator)) +
           (inch_ ? QStringLiteral(" in") : QStringLiteral(" mm"));
  };
  const auto safety = [&](const std::optional<double>& s) {
    return s ? fixed(*s, 2) : QStringLiteral("–");
  };
  model_->removeRows(0, model_->rowCount());
  listed_.clear();
  slipLine->clear();
  status->clear();
  applyButton->setEnabled(false);
  loadCarried_ = false;

  // The fits are found at 20 °C; with operating temperatures a last column
  // gives each one's slip safety at them.
  const bool withOperating = joint_ && joint_->operating;
  fits->setColumnHidden(OperatingSlipColumn, !withOperating);
  // Without operating temperatures there is nothing more to carry.
  inOperation->setEnabled(withOperating);
  const std::optional<PressLoad> typed = load();
  bool anyMarked = false;
  for (const NumberField* f : fields_) anyMarked = anyMarked || f->marked();
  if (!joint_ || !typed || anyMarked) {
    // Nothing from an earlier or partial value; a hint when the load is all
    // that is missing.
    const bool noLoadTyped = field(LoadField::Torque)->text().trimmed().isEmpty() &&
                             field(LoadField::AxialForce)->text().trimmed().isEmpty();
    if (joint_ && noLoadTyped) status->setText(language_.text(TextId::PressEnterLoad));
    return;
  }

  PressFitInput joint = *joint_;
  joint.load = typed;
  loadCarried_ = true;
  const auto slip = [&](bool loose, double value) {
    return loose ? language_.text(TextId::PressLoose) : fixed(value, 2);
  };
  if (const PressFitOutcome at = pressFit(joint); at.value && at.value->slipSafety) {
    const QString value = slip(at.value->looseAtMin, *at.value->slipSafety);
    const std::optional<PressAtTemperature>& hot = at.value->atOperating;
    slipLine->setText(hot && hot->slipSafety
                          ? language_.text(TextId::PressSlipSafetyBoth)
                                .arg(value, slip(hot->looseAtMin, *hot->slipSafety))
                          : language_.text(TextId::PressSlipSafetyOfFit).arg(value));
  }

  PressDesignRequest request;
  request.joint = joint;
  request.slipSafety = *field(LoadField::SlipSafety)->value();
  request.yieldSafety = *field(LoadField::YieldSafety)->value();
  request.system = kSystems[static_cast<std::size_t>(std::max(system->currentIndex(), 0))];
  request.grades =
      kItApplicationRanges[static_cast<std::size_t>(std::max(range->currentIndex(), 0))].bounds();
  request.carryInOperation = withOperating && inOperation->isChecked();
  const PressDesignOutcome out = designPressFit(request);
  if (!out.value) {
    // A load of 0: nothing to carry.
    status->setText(language_.text(TextId::PressEnterLoad));
    return;
  }
  const PressDesignResult& result = *out.value;
  if (result.shortfallMm) {
    status->setText(language_.text(TextId::PressNoFitCarries)
                        .arg(length(*result.shortfallMm), fixed(*result.loadFactor, 2)));
    return;
  }
  QString line = language_.text(TextId::PressInterferenceWindow)
                     .arg(length(result.window.requiredMm), length(result.window.permittedMm));
  if (result.notInOperation > 0) {
    line += u'\n' + language_.text(TextId::PressNotInOperation).arg(result.notInOperation);
  }
  if (result.fits.empty() && result.notInOperation == 0) {
    line += u'\n' + language_.text(TextId::PressNoFitInRange);
  }
  status->setText(line);
  listed_ = result.fits;
  for (const PressDesignFit& f : listed_) {
    QList<QStandardItem*> row;
    const QString name = QString::fromStdString(Designation(Side::Hole, f.classes.hole) + "/" +
                                                Designation(Side::Shaft, f.classes.shaft)) +
                         (f.preferred ? QStringLiteral("*") : QString());
    const std::optional<PressAtTemperature>& hot = f.press.atOperating;
    const QString hotSlip =
        hot && hot->slipSafety ? slip(hot->looseAtMin, *hot->slipSafety) : QString();
    for (const QString& text :
         {name, length(f.uMax.mm()), length(f.uMin.mm()), safety(f.press.slipSafety),
          safety(f.press.hubSafety), safety(f.press.shaftSafety), hotSlip}) {
      auto* item = new QStandardItem(text);
      item->setTextAlignment(text == name ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
      row << item;
    }
    model_->appendRow(row);
  }
}

QString PressDesignPanel::caption(LoadField which) const {
  return captions_[static_cast<std::size_t>(which)]->text();
}

void PressDesignPanel::chooseCurrent() {
  const QModelIndexList rows = fits->selectionModel()->selectedRows();
  if (rows.isEmpty()) return;
  const auto at = static_cast<std::size_t>(rows.front().row());
  if (at < listed_.size()) emit fitChosen(listed_[at].classes);
}

void PressDesignPanel::readSettings() {
  for (const FieldDefinition& s : kFields) {
    const std::optional<double> stored = store_.readNumber(QString::fromLatin1(s.key));
    const std::optional<double> value = stored ? stored : s.initial;
    if (value) {
      field(s.field)->setValue(*value);
    } else {
      field(s.field)->clear();
    }
  }
  const auto index = [this](const QString& key, int count) {
    const std::optional<int> i = store_.readInt(key);
    return i && *i >= 0 && *i < count ? *i : 0;
  };
  system->setCurrentIndex(index(settings::kPressDesignSystem, static_cast<int>(kSystems.size())));
  range->setCurrentIndex(index(settings::kPressDesignRange, static_cast<int>(kRangeCount)));
  inOperation->setChecked(store_.readInt(settings::kPressDesignInOperation).value_or(0) == 1);
}

void PressDesignPanel::writeSettings() {
  for (const FieldDefinition& s : kFields) {
    store_.writeNumber(QString::fromLatin1(s.key), field(s.field)->value());
  }
  store_.writeInt(settings::kPressDesignSystem, system->currentIndex());
  store_.writeInt(settings::kPressDesignRange, range->currentIndex());
  store_.writeInt(settings::kPressDesignInOperation, inOperation->isChecked() ? 1 : 0);
}

}  // namespace kalmo
