#include "windows/press_fit_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "format/length_decimals.h"
#include "format/number_format.h"
#include "help/help_command.h"
#include "mech/material_texts.h"
#include "models/press_fit_results_model.h"
#include "models/result_source.h"
#include "press/press_design_panel.h"
#include "report/report_buttons.h"
#include "storage/language.h"
#include "storage/settings_store.h"
#include "widgets/number_field.h"
#include "widgets/on_screen.h"
#include "widgets/palette_contrast.h"
#include "windows/press_fit_fields.h"

namespace kalmo {

using namespace press;

PressFitWindow::PressFitWindow(const ResultSource& source, SettingsStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window),
      hubMaterial(new QComboBox(this)),
      shaftMaterial(new QComboBox(this)),
      smoothingPicker(new QComboBox(this)),
      stressPicker(new QComboBox(this)),
      fitLine(new QLabel(this)),
      operatingLine(new QLabel(this)),
      problems(new QLabel(this)),
      warnings(new QLabel(this)),
      results(new QTableView(this)),
      designPanel(new PressDesignPanel(source.language(), store, this)),
      source_(source),
      language_(source.language()),
      store_(store),
      hubGroup_(new QGroupBox(this)),
      shaftGroup_(new QGroupBox(this)),
      jointGroup_(new QGroupBox(this)),
      hubMaterialCaption_(new QLabel(this)),
      shaftMaterialCaption_(new QLabel(this)),
      frictionHint_(new QLabel(this)),
      smoothingCaption_(new QLabel(this)),
      stressCaption_(new QLabel(this)),
      model_(new PressFitResultsModel(source.language(), this)) {
  setObjectName(QStringLiteral("pressFitWindow"));
  hubMaterial->setObjectName(QStringLiteral("hubMaterial"));
  shaftMaterial->setObjectName(QStringLiteral("shaftMaterial"));
  for (QComboBox* picker : {hubMaterial, shaftMaterial}) {
    // The window's size is measured before its first showing: the pickers
    // must measure their names then too.
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (std::size_t i = 0; i < kMaterialGradeTexts.size(); ++i) {
      picker->addItem(QString());
    }
  }
  smoothingPicker->setObjectName(QStringLiteral("smoothingPicker"));
  stressPicker->setObjectName(QStringLiteral("stressPicker"));
  for (QComboBox* picker : {smoothingPicker, stressPicker}) {
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    picker->addItems({QString(), QString()});
  }
  for (const FieldDefinition& s : kFields) {
    auto* f = new NumberField(0, kFieldMaximum, this);
    f->setObjectName(QString::fromLatin1(s.key));
    f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setMaximumWidth(130);
    fields_[static_cast<std::size_t>(s.field)] = f;
    captions_[static_cast<std::size_t>(s.field)] = new QLabel(this);
  }
  buildLayout();

  readSettings();
  addHelpKey(*this, HelpTopic::Press, [this] { return languageNumber(language_.code()); });

  for (const FieldDefinition& s : kFields) {
    NumberField* f = field(s.field);
    connect(f, &QLineEdit::textChanged, this, [this, which = s.field] {
      if (!programWrites_ && definition(which).unit == Unit::Length) {
        const std::optional<double> typed = field(which)->value();
        lengthsMm_[static_cast<std::size_t>(which)] =
            typed ? std::optional<double>(*typed * unitFactor(view_.inputs.inch)) : std::nullopt;
      }
      recalculate();
    });
    connect(f, &QLineEdit::textEdited, this, [this, which = s.field] { propertyEdited(which); });
  }
  for (QComboBox* picker : {hubMaterial, shaftMaterial}) {
    connect(picker, &QComboBox::activated, this, [this, picker] { materialChosen(picker); });
  }
  for (QComboBox* picker : {smoothingPicker, stressPicker}) {
    connect(picker, &QComboBox::activated, this, &PressFitWindow::recalculate);
  }
  connect(designPanel, &PressDesignPanel::fitChosen, this, &PressFitWindow::fitChosen);
  applyLanguage();
  takeFit(source_.view());
  connect(&source_, &ResultSource::resultChanged, this, &PressFitWindow::takeFit);
  connect(&source_, &ResultSource::operatingChanged, this, &PressFitWindow::recalculate);
  connect(&source_, &ResultSource::languageChanged, this, &PressFitWindow::applyLanguage);
}

PressFitWindow::~PressFitWindow() {
  writeSettings();
}

void PressFitWindow::closeEvent(QCloseEvent* event) {
  writeSettings();
  QWidget::closeEvent(event);
}

void PressFitWindow::buildLayout() {
  const auto form = [this](QGroupBox* group, QLabel* materialCaption, QComboBox* picker,
                           std::initializer_list<PressField> entries) {
    auto* layout = new QFormLayout(group);
    layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    if (picker) {
      layout->addRow(materialCaption, picker);
    }
    for (PressField f : entries) {
      layout->addRow(captions_[static_cast<std::size_t>(f)], field(f));
    }
    return layout;
  };
  form(hubGroup_, hubMaterialCaption_, hubMaterial,
       {PressField::HubModulus, PressField::HubPoisson, PressField::HubYield, PressField::HubAlpha,
        PressField::HubOuterDiameter, PressField::HubRoughness});
  form(shaftGroup_, shaftMaterialCaption_, shaftMaterial,
       {PressField::ShaftModulus, PressField::ShaftPoisson, PressField::ShaftYield,
        PressField::ShaftAlpha, PressField::ShaftBore, PressField::ShaftRoughness});
  QFormLayout* joint = form(jointGroup_, nullptr, nullptr,
                            {PressField::Length, PressField::Friction, PressField::PressFriction,
                             PressField::JoiningClearance});
  frictionHint_->setWordWrap(true);
  joint->insertRow(2, frictionHint_);
  joint->addRow(smoothingCaption_, smoothingPicker);
  joint->addRow(stressCaption_, stressPicker);

  auto* inputs = new QVBoxLayout;
  inputs->addWidget(hubGroup_);
  inputs->addWidget(shaftGroup_);
  inputs->addWidget(jointGroup_);
  inputs->addStretch();

  QFont bold = fitLine->font();
  bold.setBold(true);
  fitLine->setFont(bold);
  fitLine->setObjectName(QStringLiteral("fitLine"));
  problems->setObjectName(QStringLiteral("problems"));
  problems->setWordWrap(true);
  problems->setTextFormat(Qt::RichText);

  warnings->setObjectName(QStringLiteral("warnings"));
  warnings->setWordWrap(true);

  results->setObjectName(QStringLiteral("results"));
  results->setModel(model_);
  results->verticalHeader()->setVisible(false);
  results->verticalHeader()->setDefaultSectionSize(20);
  results->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results->setSelectionMode(QAbstractItemView::NoSelection);
  results->setWordWrap(false);
  // Columns as wide as their texts, the unit's taking what is left; the
  // table asks for the width of its columns, the one at the operating
  // temperatures included. Where the screen is too small the window scrolls.
  results->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  results->horizontalHeader()->setStretchLastSection(true);
  results->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  results->setMinimumHeight(20 * static_cast<int>(PressRow::Count) + 30);

  auto* output = new QVBoxLayout;
  output->addWidget(fitLine);
  operatingLine->setObjectName(QStringLiteral("operatingLine"));
  operatingLine->setWordWrap(true);
  output->addWidget(operatingLine);
  output->addWidget(results, 1);
  output->addWidget(problems);
  output->addWidget(warnings);

  // The form scrolls where the screen is too small for it (a 1920×1080
  // screen at 200 % leaves some 960×520 device-independent pixels).
  auto* content = new QWidget;
  auto* rows = new QVBoxLayout(content);
  auto* top = new QHBoxLayout;
  top->addLayout(inputs);
  top->addLayout(output, 1);
  rows->addLayout(top);
  rows->addWidget(designPanel, 1);
  reportButtons = new ReportButtons(
      QStringLiteral("pressFit"), language_, [this] { return reportDocument(); }, content);
  rows->addWidget(reportButtons);
  scrollWindowContent(*this, content, QStringLiteral("pressFitScroll"));
  makeChildWindow(*this, [content] {
    const int bar = content->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return content->sizeHint() + QSize(bar, bar);
  });
}

void PressFitWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Typing replaces the whole number of the field with the focus, also on
  // reopening; selected once the window is active, as activation would
  // otherwise leave the cursor after the text.
  QTimer::singleShot(0, this, [this] {
    if (auto* f = qobject_cast<NumberField*>(focusWidget())) f->selectAll();
  });
}

void PressFitWindow::applyLanguage() {
  const Language& l = language_;
  setWindowTitle(l.text(TextId::PressFit));
  hubGroup_->setTitle(l.text(TextId::PressHub));
  shaftGroup_->setTitle(l.text(TextId::PressShaft));
  jointGroup_->setTitle(l.text(TextId::PressJoint));
  hubMaterialCaption_->setText(l.text(TextId::Material));
  shaftMaterialCaption_->setText(l.text(TextId::Material));
  QStringList names;
  for (TextId id : kMaterialGradeTexts) {
    names << l.text(id);
  }
  setItemTexts(*hubMaterial, names);
  setItemTexts(*shaftMaterial, names);
  hubMaterial->setAccessibleName(l.text(TextId::PressHub) + QStringLiteral(": ") +
                                 l.text(TextId::Material));
  shaftMaterial->setAccessibleName(l.text(TextId::PressShaft) + QStringLiteral(": ") +
                                   l.text(TextId::Material));
  results->setAccessibleName(l.text(TextId::PressFit));
  results->setAccessibleDescription(l.text(TextId::PressResultsHelp));
  for (QComboBox* material : {hubMaterial, shaftMaterial}) {
    material->setAccessibleDescription(l.text(TextId::MaterialHelp));
  }
  for (const FieldDefinition& s : kFields) {
    NumberField* f = field(s.field);
    f->setAccessibleDescription(l.text(TextId::PressInputHelp));
    // Hub and shaft share captions: the part comes first, the unit last.
    const TextId part =
        static_cast<std::size_t>(s.field) <= static_cast<std::size_t>(PressField::HubRoughness)
            ? TextId::PressHub
        : static_cast<std::size_t>(s.field) <= static_cast<std::size_t>(PressField::ShaftRoughness)
            ? TextId::PressShaft
            : TextId::PressJoint;
    const QString unit = unitText(s.unit, view_.inputs.inch);
    f->setAccessibleName(l.text(part) + QStringLiteral(": ") + l.text(s.caption) +
                         (unit.isEmpty() ? QString() : QStringLiteral(" [") + unit + u']'));
  }
  smoothingCaption_->setText(l.text(TextId::PressSmoothingRule));
  stressCaption_->setText(l.text(TextId::PressHubStressRule));
  setItemTexts(*smoothingPicker,
               {l.text(TextId::PressSmoothing08), l.text(TextId::PressSmoothing04)});
  setItemTexts(*stressPicker,
               {l.text(TextId::PressStressMaxShear), l.text(TextId::PressStressVonMises)});
  for (QComboBox* picker : {smoothingPicker, stressPicker}) {
    picker->setToolTip(l.text(TextId::PressConventionsHelp));
    picker->setAccessibleDescription(picker->toolTip());
  }
  smoothingPicker->setAccessibleName(l.text(TextId::PressJoint) + QStringLiteral(": ") +
                                     smoothingCaption_->text());
  stressPicker->setAccessibleName(l.text(TextId::PressJoint) + QStringLiteral(": ") +
                                  stressCaption_->text());
  frictionHint_->setText(
      l.text(TextId::TypicalDrySteelFriction) + QStringLiteral(" μ = ") +
      QString::fromStdString(formatPlain(kTypicalDrySteelFriction, localeDecimalSeparator())));
  for (const FieldDefinition& s : kFields) {
    captions_[static_cast<std::size_t>(s.field)]->setText(fieldCaption(s.field));
  }
  model_->refreshTexts();
  designPanel->applyLanguage();
  reportButtons->applyLanguage();
  recalculate();
}

QString PressFitWindow::fieldCaption(PressField which) const {
  const FieldDefinition& s = definition(which);
  const QString unit = unitText(s.unit, view_.inputs.inch);
  return language_.text(s.caption) + QStringLiteral(" ") + QString::fromUtf8(s.symbol) +
         (unit.isEmpty() ? QString() : QStringLiteral(" [") + unit + u']');
}

void PressFitWindow::takeFit(const FitView& view) {
  const bool unitChanged = view.inputs.inch != view_.inputs.inch;
  view_ = view;
  if (unitChanged) {
    for (const FieldDefinition& s : kFields) {
      if (s.unit == Unit::Length) {
        const std::optional<double> mm = lengthsMm_[static_cast<std::size_t>(s.field)];
        writeField(s.field,
                   mm ? std::optional<double>(*mm / unitFactor(view_.inputs.inch)) : std::nullopt);
        captions_[static_cast<std::size_t>(s.field)]->setText(fieldCaption(s.field));
      }
    }
  }
  recalculate();
}

void PressFitWindow::writeField(PressField which, std::optional<double> shown) {
  programWrites_ = true;
  NumberField* f = field(which);
  if (!shown) {
    f->clear();
  } else {
    // Lengths in inches to 6 decimals (under 0.03 µm), in mm to 5.
    const double rounded =
        definition(which).unit != Unit::Length
            ? *shown
            : roundTo(*shown, lengthDecimals(lengthUnit(view_.inputs.inch), LengthUse::Input));
    f->setText(QString::fromStdString(formatPlain(rounded, localeDecimalSeparator())));
  }
  programWrites_ = false;
}

void PressFitWindow::fillMaterial(QComboBox* picker, MaterialId id) {
  picker->setCurrentIndex(static_cast<int>(id));
  if (id == MaterialId::Custom) {
    return;
  }
  const std::array<double, 4> values = propertyValues(materialProperties(id));
  const std::array<PressField, 4>& targets = materialFields(picker == hubMaterial);
  for (std::size_t i = 0; i < values.size(); ++i) {
    writeField(targets[i], values[i]);
  }
}

void PressFitWindow::materialChosen(QComboBox* picker) {
  fillMaterial(picker, static_cast<MaterialId>(picker->currentIndex()));
  recalculate();
}

void PressFitWindow::propertyEdited(PressField which) {
  // A preset's values typed over are no longer the preset's.
  for (const bool hub : {true, false}) {
    const std::array<PressField, 4>& own = materialFields(hub);
    if (std::find(own.begin(), own.end(), which) != own.end()) {
      QComboBox* picker = hub ? hubMaterial : shaftMaterial;
      const QSignalBlocker block(picker);
      picker->setCurrentIndex(static_cast<int>(MaterialId::Custom));
    }
  }
}

void PressFitWindow::recalculate() {
  const bool inch = view_.inputs.inch;
  const std::string separator = localeDecimalSeparator();
  const auto shownLength = [&](double mm) {
    return QString::fromStdString(formatPlain(
               roundTo(mm / unitFactor(inch), lengthDecimals(lengthUnit(inch), LengthUse::Input)),
               separator)) +
           QStringLiteral(" ") + unitText(Unit::Length, inch);
  };
  for (const PressField f : {PressField::PressFriction, PressField::JoiningClearance}) {
    // Halfway between text and background, on light and dark palettes alike.
    QPalette palette = field(f)->palette();
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    palette.setColor(QPalette::PlaceholderText,
                     QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                            (text.blue() + base.blue()) / 2));
    field(f)->setPalette(palette);
  }
  field(PressField::PressFriction)->setPlaceholderText(QStringLiteral("= μ"));
  field(PressField::JoiningClearance)
      ->setPlaceholderText(QString::fromStdString(formatPlain(kJoiningClearancePerDiameter)) +
                           QStringLiteral("·D = ") +
                           shownLength(defaultJoiningClearanceMm(view_.inputs.sizeMm)));

  // Every field is checked on its own, so that all bad fields are marked at
  // once; nothing is calculated while one of them is.
  QStringList lines;
  for (const FieldDefinition& s : kFields) {
    const QString problem = fieldProblem(s.field);
    markField(s.field, problem);
    if (!problem.isEmpty()) {
      lines << fieldCaption(s.field) + QStringLiteral(": ") + problem;
    }
  }

  if (view_.fitShown) {
    const QString kind = view_.fit.kind == FitKind::Clearance ? language_.text(TextId::ClearanceFit)
                         : view_.fit.kind == FitKind::Transition
                             ? language_.text(TextId::TransitionFit)
                             : language_.text(TextId::InterferenceFit);
    fitLine->setText(QString::fromStdString(view_.designation()) + QStringLiteral(" – ") +
                     kind.trimmed());
  } else {
    fitLine->setText(language_.text(TextId::NoCompleteFit));
  }

  // The joint as calculated: without the temperatures its parts cannot take.
  std::optional<PressFitInput> joint = lines.isEmpty() ? input() : std::nullopt;
  std::optional<PressFitResult> result;
  if (joint) result = calculate(*joint, lines);
  if (!result) joint.reset();
  if (result && !result->atOperating) joint->operating.reset();
  showOperatingLine(joint);
  // Red and orange that read on the window's background, light or dark.
  problems->setStyleSheet(
      QStringLiteral("color: %1;").arg(readableOnWindow(QColor(0xb0, 0, 0), palette()).name()));
  warnings->setStyleSheet(
      QStringLiteral("color: %1;").arg(readableOnWindow(QColor(0xa0, 0x40, 0), palette()).name()));
  problems->setText(lines.join(QStringLiteral("<br>")));
  problems->setVisible(!lines.isEmpty());

  QStringList notes;
  if (result) {
    for (const PressFitWarning w : pressFitWarnings(*result)) {
      notes << language_.text(pressFitWarningText(w));
    }
  }
  warnings->setText(notes.join(u'\n'));
  warnings->setVisible(!notes.isEmpty());
  model_->setResult(result, inch);
  results->setColumnHidden(static_cast<int>(PressColumn::AtOperating), !model_->hasOperating());
  designPanel->setJoint(joint, inch);
}

std::optional<PressFitResult> PressFitWindow::calculate(PressFitInput in,
                                                        QStringList& lines) const {
  PressFitOutcome out = pressFit(in);
  const bool hub = out.error == PressFitError::HubTemperature;
  if (hub || out.error == PressFitError::ShaftTemperature) {
    lines << language_.text(TextId::PressOperatingOutOfRange)
                 .arg(language_.text(hub ? TextId::PressHub : TextId::PressShaft));
    in.operating.reset();
    out = pressFit(in);
  }
  return out.value;
}

void PressFitWindow::showOperatingLine(const std::optional<PressFitInput>& in) {
  const std::string separator = localeDecimalSeparator();
  const auto plain = [&separator](double v) {
    return QString::fromStdString(formatPlain(v, separator));
  };
  const std::optional<OperatingConditions>& op = source_.operating();
  QString text;
  if (!op) {
    text = language_.text(TextId::PressOperatingInvalid);
  } else if (in && in->operating) {
    text = language_.text(TextId::PressOperatingLine)
               .arg(plain(in->operating->hubC), plain(in->operating->shaftC));
    // The operating page's fit and this joint grow alike only with the same α.
    if (op->hole.alphaUmPerMK != in->hubMaterial.alphaUmPerMK ||
        op->shaft.alphaUmPerMK != in->shaftMaterial.alphaUmPerMK) {
      text += u'\n' + language_.text(TextId::PressOperatingAlpha)
                          .arg(plain(op->hole.alphaUmPerMK), plain(op->shaft.alphaUmPerMK),
                               plain(in->hubMaterial.alphaUmPerMK),
                               plain(in->shaftMaterial.alphaUmPerMK));
    }
  }
  operatingLine->setText(text);
  operatingLine->setVisible(!text.isEmpty());
}

void PressFitWindow::readSettings() {
  const auto materialAt = [this](const QString& key) {
    const std::optional<int> id = store_.readInt(key);
    return id && *id >= 0 && *id <= static_cast<int>(MaterialId::Custom)
               ? static_cast<MaterialId>(*id)
               : MaterialId::Steel;
  };
  const MaterialId hub = materialAt(settings::kPressHubMaterial);
  const MaterialId shaft = materialAt(settings::kPressShaftMaterial);
  const bool firstStart = !store_.readInt(settings::kPressStored);
  for (const FieldDefinition& s : kFields) {
    const QString key = QString::fromLatin1(s.key);
    std::optional<double> value = store_.readNumber(key);
    if (firstStart && !std::isnan(s.initial)) {
      value = s.initial;
    }
    if (value && (*value < 0 || *value > kFieldMaximum)) {
      value.reset();  // only a hand-edited store: shown empty, and marked
    }
    if (s.unit == Unit::Length) {
      lengthsMm_[static_cast<std::size_t>(s.field)] = value;
    }
    writeField(s.field, value);  // the window starts in mm; takeFit converts
  }
  fillMaterial(hubMaterial, hub);  // a preset's values, whatever was stored
  fillMaterial(shaftMaterial, shaft);
  const auto entry = [this](const QString& key) {
    return store_.readInt(key).value_or(0) == 1 ? 1 : 0;
  };
  smoothingPicker->setCurrentIndex(entry(settings::kPressSmoothing));
  stressPicker->setCurrentIndex(entry(settings::kPressHubStress));
}

void PressFitWindow::writeSettings() {
  store_.writeInt(settings::kPressStored, 1);
  store_.writeInt(settings::kPressHubMaterial, hubMaterial->currentIndex());
  store_.writeInt(settings::kPressShaftMaterial, shaftMaterial->currentIndex());
  store_.writeInt(settings::kPressSmoothing, smoothingPicker->currentIndex());
  store_.writeInt(settings::kPressHubStress, stressPicker->currentIndex());
  for (const FieldDefinition& s : kFields) {
    store_.writeNumber(QString::fromLatin1(s.key), number(s.field));
  }
}

}  // namespace kalmo
