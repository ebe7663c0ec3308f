#include "pages/operating_page.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "design/design_search.h"
#include "format/number_format.h"
#include "format/share_format.h"
#include "format/units.h"
#include "lang/fit_texts.h"
#include "mech/material_texts.h"
#include "models/result_source.h"
#include "report/report_buttons.h"
#include "storage/language.h"
#include "widgets/number_field.h"
#include "widgets/page_parts.h"

namespace kalmo {

namespace {

// The page is laid out for the 310 pixels the window gives its side panel:
// one column per part, each row's caption on the line above its two fields,
// so that the material pickers hold the longest family name of every
// language at 100 and 200 % ("Неръждаема стомана" needs 117 pixels; beside a
// caption column a picker would be 96 wide, 71 for its text).
constexpr int kLeft = 4;
constexpr int kHoleX = kLeft;
constexpr int kShaftX = 157;
constexpr int kPartWidth = 149;
constexpr int kFullWidth = 302;
constexpr int kResultWidth = kPartWidth;

// Entries of the material pickers: the presets in MaterialId order, then
// Custom, so an entry's index is its MaterialId.
constexpr int kMaterialEntries = static_cast<int>(MaterialId::Custom) + 1;

QLabel* label(QWidget* parent, const char* name, const QRect& place) {
  return pageLabel(parent, QString::fromLatin1(name), place);
}

NumberField* field(QWidget* parent, const QString& name, const QRect& place, double minimum,
                   double maximum) {
  auto* f = new NumberField(minimum, maximum, parent);
  f->setObjectName(name);
  f->setGeometry(place);
  f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Every field must hold a number: an empty one is marked like text without
  // a number, and nothing is computed from either.
  f->setRequired(true);
  return f;
}

// The short captions of a fit's two values, as the design table heads them.
TargetCaptionIds valueCaptions(FitKind kind) {
  switch (kind) {
    case FitKind::Transition: return targetCaptionIds(FitType::Transition);
    case FitKind::Interference: return targetCaptionIds(FitType::Interference);
    case FitKind::Clearance:
    case FitKind::Undefined: break;
  }
  return targetCaptionIds(FitType::Clearance);
}

// "20", "80" or "80/60": the temperatures of a column caption.
QString temperaturesText(const OperatingConditions& c, const std::string& separator) {
  const QString hole = QString::fromStdString(formatPlain(c.hole.temperatureC, separator));
  if (c.hole.temperatureC == c.shaft.temperatureC) return hole;
  return hole + u'/' + QString::fromStdString(formatPlain(c.shaft.temperatureC, separator));
}

}  // namespace

double alphaOf(const PartChoice& part) {
  return part.material == MaterialId::Custom ? part.customAlphaUmPerMK
                                             : materialProperties(part.material).alphaUmPerMK;
}

OperatingConditions conditionsOf(const OperatingChoices& choices) {
  return {{choices.hole.temperatureC, alphaOf(choices.hole)},
          {choices.shaft.temperatureC, alphaOf(choices.shaft)}};
}

OperatingPage::OperatingPage(const ResultSource& source, QWidget* parent)
    : QWidget(parent),
      source_(source),
      titleLabel_(label(this, "titleLabel", {kLeft, 6, kFullWidth, 15})),
      holeLabel_(label(this, "holeLabel", {kHoleX, 24, kPartWidth, 15})),
      shaftLabel_(label(this, "shaftLabel", {kShaftX, 24, kPartWidth, 15})),
      alphaLabel_(label(this, "alphaLabel", {kLeft, 64, kFullWidth, 15})),
      temperatureLabel_(label(this, "temperatureLabel", {kLeft, 104, kFullWidth, 15})),
      hole_(makePart("hole")),
      shaft_(makePart("shaft")),
      distributionLabel_(label(this, "distributionLabel", {kLeft, 144, kFullWidth, 15})),
      distributionPicker_(
          pagePicker(this, QStringLiteral("distributionPicker"), {kLeft, 160, 200, 21}, 2)),
      at20Result_(label(this, "at20Result", {kHoleX, 186, kResultWidth, 104})),
      atTemperatureResult_(label(this, "atTemperatureResult", {kShaftX, 186, kResultWidth, 104})),
      kindWarning_(label(this, "kindWarning", {kLeft, 280, kFullWidth, 30})),
      interferingShare_(label(this, "interferingShare", {kLeft, 312, kFullWidth, 62})),
      reportButtons_(new ReportButtons(
          QStringLiteral("operating"), source.language(), [this] { return reportDocument(); }, this,
          ReportButtons::Look::Icons)) {
  // Beside the distribution picker: below it the results take the page's height.
  reportButtons_->setGeometry(kLeft + kFullWidth - 94, 159, 94, 23);
  setObjectName(QStringLiteral("Operating"));
  QFont bold = titleLabel_->font();
  bold.setBold(true);
  for (QLabel* l : {titleLabel_, holeLabel_, shaftLabel_, kindWarning_}) l->setFont(bold);
  titleLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  QFont large = bold;
  // The window's font may be given in pixels or in points.
  if (bold.pixelSize() > 0) {
    large.setPixelSize(qRound(bold.pixelSize() * 1.15));
  } else {
    large.setPointSizeF(bold.pointSizeF() * 1.15);
  }
  interferingShare_->setFont(large);
  for (QLabel* l : {at20Result_, atTemperatureResult_}) {
    l->setTextFormat(Qt::RichText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
  }
  for (QLabel* l : {kindWarning_, interferingShare_}) {
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  QPalette warning = kindWarning_->palette();
  warning.setColor(QPalette::WindowText, QColor(192, 0, 0));
  kindWarning_->setPalette(warning);

  for (PartWidgets* part : {&hole_, &shaft_}) {
    connect(part->material, &QComboBox::currentIndexChanged, this,
            [this, part] { materialChanged(*part); });
    connect(part->alpha, &QLineEdit::textChanged, this, [this, part] {
      if (const auto alpha = part->alpha->value(); alpha && part->alpha->isEnabled()) {
        part->customAlpha = *alpha;
      }
      conditionsEdited();
    });
    connect(part->temperature, &QLineEdit::textChanged, this, [this, part] {
      if (const auto t = part->temperature->value()) part->lastTemperature = *t;
      conditionsEdited();
    });
  }
  connect(distributionPicker_, &QComboBox::currentIndexChanged, this, &OperatingPage::refresh);
  connect(&source_, &ResultSource::resultChanged, this, &OperatingPage::refresh);
  connect(&source_, &ResultSource::languageChanged, this, &OperatingPage::applyLanguage);
  restoreChoices({});
}

OperatingPage::PartWidgets OperatingPage::makePart(const char* side) {
  const QString name = QString::fromLatin1(side);
  const int x = name == QStringLiteral("hole") ? kHoleX : kShaftX;
  PartWidgets part{pagePicker(this, name + QStringLiteral("MaterialPicker"),
                              {x, 40, kPartWidth, 21}, kMaterialEntries),
                   field(this, name + QStringLiteral("AlphaField"), {x, 80, kPartWidth, 21},
                         kAlphaFieldMin, kAlphaFieldMax),
                   field(this, name + QStringLiteral("TemperatureField"), {x, 120, kPartWidth, 21},
                         kAbsoluteZeroC, kTemperatureFieldMax)};
  part.alpha->setUnit(QStringLiteral("\u00B5m/(m\u00B7K)"));
  part.temperature->setUnit(QStringLiteral("\u00B0C"));
  for (NumberField* f : {part.alpha, part.temperature}) {
    f->setLanguage(&source_.language().table());
    // A field left without a number says why at the field.
    connect(f, &NumberField::noteRequested, this, [f](const QString& note) {
      QToolTip::showText(f->mapToGlobal(QPoint(0, f->height())), note, f);
    });
  }
  return part;
}

void OperatingPage::applyLanguage() {
  const Language& l = source_.language();
  languageApplied_ = true;
  titleLabel_->setText(l.text(TextId::OperatingConditions));
  holeLabel_->setText(l.text(TextId::Hole).trimmed());
  shaftLabel_->setText(l.text(TextId::Shaft).trimmed());
  alphaLabel_->setText(l.text(TextId::AlphaCaption));
  temperatureLabel_->setText(l.text(TextId::TemperatureCaption));
  distributionLabel_->setText(l.text(TextId::DistributionCaption));
  // The entries name the family; the tooltip names the grade whose values
  // the preset holds, as the press-fit window lists it.
  QStringList materials;
  for (const TextId family : kMaterialFamilyTexts) {
    materials << l.text(family);
  }
  for (QComboBox* picker : {hole_.material, shaft_.material}) {
    setItemTexts(*picker, materials);
    for (int i = 0; i < static_cast<int>(kMaterialPresets.size()); ++i) {
      picker->setItemData(i, l.text(materialGradeText(static_cast<MaterialId>(i))),
                          Qt::ToolTipRole);
    }
  }
  setItemTexts(*distributionPicker_,
               {l.text(TextId::DistributionNormal), l.text(TextId::DistributionUniform)});

  // What each control is, for assistive technology: "Hole: Material" and so
  // on; the result labels are read by their texts.
  for (const auto& [side, part] : {std::pair{TextId::Hole, &hole_}, {TextId::Shaft, &shaft_}}) {
    const QString prefix = l.text(side).trimmed() + QStringLiteral(": ");
    part->material->setAccessibleName(prefix + l.text(TextId::Material));
    part->material->setAccessibleDescription(l.text(TextId::PartMaterialHelp));
    part->alpha->setAccessibleName(prefix + l.text(TextId::AlphaCaption));
    part->alpha->setAccessibleDescription(l.text(TextId::AlphaFieldHelp));
    part->temperature->setAccessibleName(prefix + l.text(TextId::TemperatureCaption));
    part->temperature->setAccessibleDescription(l.text(TextId::TemperatureHelp));
  }
  distributionPicker_->setAccessibleName(l.text(TextId::DistributionCaption));
  distributionPicker_->setAccessibleDescription(l.text(TextId::DistributionHelp));
  at20Result_->setAccessibleDescription(l.text(TextId::At20ResultHelp));
  atTemperatureResult_->setAccessibleDescription(l.text(TextId::OperatingResultHelp));
  kindWarning_->setAccessibleDescription(l.text(TextId::KindWarningHelp));
  interferingShare_->setAccessibleDescription(l.text(TextId::InterferingHelp));
  reportButtons_->applyLanguage();
  refresh();
}

PartChoice OperatingPage::partChoice(const PartWidgets& part) const {
  PartChoice choice;
  const int entry = part.material->currentIndex();
  choice.material =
      entry >= 0 && entry < kMaterialEntries ? static_cast<MaterialId>(entry) : MaterialId::Steel;
  // A field without a number within its limits keeps the last one it held.
  choice.customAlphaUmPerMK = part.customAlpha;
  choice.temperatureC = part.lastTemperature;
  return choice;
}

std::optional<OperatingConditions> OperatingPage::conditions() const {
  if (!entryProblems().isEmpty()) return std::nullopt;
  return conditionsOf(choices());
}

QStringList OperatingPage::entryProblems() const {
  const Language& l = source_.language();
  QStringList problems;
  const auto check = [&](TextId part, TextId caption, const NumberField& f) {
    if (!f.marked()) return;
    problems << l.text(part).trimmed() + QStringLiteral(", ") + l.text(caption).trimmed() +
                    QStringLiteral(": ") + f.problem();
  };
  for (const auto& [part, widgets] : {std::pair{TextId::Hole, &hole_}, {TextId::Shaft, &shaft_}}) {
    if (widgets->alpha->isEnabled()) check(part, TextId::AlphaCaption, *widgets->alpha);
    check(part, TextId::TemperatureCaption, *widgets->temperature);
  }
  return problems;
}

QString OperatingPage::conditionsLine() const {
  if (const QStringList problems = entryProblems(); !problems.isEmpty()) return problems.first();
  const Language& l = source_.language();
  const std::string sep = localeDecimalSeparator();
  const auto part = [&](TextId side, const PartWidgets& widgets) {
    const PartChoice c = partChoice(widgets);
    const QString material = c.material == MaterialId::Custom
                                 ? l.text(materialFamilyText(MaterialId::Custom)) + u' ' +
                                       QString::fromStdString(formatPlain(alphaOf(c), sep))
                                 : l.text(materialFamilyText(c.material));
    return l.text(side).trimmed() + QStringLiteral(": ") + material + QStringLiteral(", ") +
           QString::fromStdString(formatPlain(c.temperatureC, sep)) + QStringLiteral(" \u00B0C");
  };
  return part(TextId::Hole, hole_) + QStringLiteral(" \u00B7 ") + part(TextId::Shaft, shaft_);
}

OperatingChoices OperatingPage::choices() const {
  const int model = distributionPicker_->currentIndex();
  return {partChoice(hole_), partChoice(shaft_),
          model == 1 ? SizeDistribution::Uniform : SizeDistribution::Normal};
}

void OperatingPage::showPart(PartWidgets& part, const PartChoice& choice) {
  {
    const QSignalBlocker blockMaterial(part.material);
    part.material->setCurrentIndex(static_cast<int>(choice.material));
  }
  part.customAlpha = std::clamp(choice.customAlphaUmPerMK, kAlphaFieldMin, kAlphaFieldMax);
  part.temperature->setValue(choice.temperatureC);
  materialChanged(part);
}

void OperatingPage::restoreChoices(const OperatingChoices& choices) {
  {
    const QSignalBlocker block(distributionPicker_);
    distributionPicker_->setCurrentIndex(choices.model == SizeDistribution::Uniform ? 1 : 0);
  }
  showPart(hole_, choices.hole);
  showPart(shaft_, choices.shaft);
  conditionsEdited();
}

void OperatingPage::conditionsEdited() {
  refresh();
  emit conditionsChanged();
}

void OperatingPage::materialChanged(PartWidgets& part) {
  const bool custom = part.material->currentIndex() == static_cast<int>(MaterialId::Custom);
  // Only a custom material's α is the user's: the field follows it while
  // enabled (see alphaEdited), so it is disabled before a preset's α shows.
  // The last typed α comes back with the custom material.
  part.alpha->setEnabled(custom);
  const int entry = std::max(part.material->currentIndex(), 0);
  part.alpha->setValue(
      custom ? part.customAlpha
             : kMaterialPresets[static_cast<std::size_t>(entry)].properties.alphaUmPerMK);
  conditionsEdited();
}

ReportSection OperatingPage::resultColumn(const QString& temperatures, const ZoneMm& hole,
                                          const ZoneMm& shaft, const FitMm& fit) const {
  // One column: caption, kind, the two limit values, the tolerance and the
  // shares of interfering and loose assemblies.
  const Language& l = source_.language();
  const FitView& view = source_.view();
  const std::string sep = localeDecimalSeparator();
  const auto length = [&](double mm) {
    return QString::fromStdString(lengthText(std::fabs(mm), view.inputs.inch, sep));
  };
  ReportSection column{l.text(TextId::AtTemperature).arg(temperatures), {}};
  column.rows.push_back({l.text(fitKindText(fit.kind)).trimmed()});
  const TargetCaptionIds captions = valueCaptions(fit.kind);
  column.rows.push_back({l.text(captions.max).trimmed(), length(fit.value1Mm())});
  column.rows.push_back({l.text(captions.min).trimmed(), length(fit.value2Mm())});
  column.rows.push_back({l.text(TextId::Tolerance).trimmed(), length(fit.toleranceMm())});
  if (const auto s = assemblyStatistics(hole, shaft, choices().model)) {
    column.rows.push_back({l.text(TextId::ShareInterfering).trimmed(),
                           QString::fromStdString(formatShare(s->pInterference, sep))});
    column.rows.push_back({l.text(TextId::ShareClearance).trimmed(),
                           QString::fromStdString(formatShare(s->pClearance, sep))});
  }
  return column;
}

QString OperatingPage::columnHtml(const ReportSection& column) {
  QString text =
      QStringLiteral("<b>%1</b><br>%2<table cellspacing=\"0\" cellpadding=\"0\">")
          .arg(column.heading.toHtmlEscaped(), column.rows.front().front().toHtmlEscaped());
  for (std::size_t r = 1; r < column.rows.size(); ++r) {
    text += QStringLiteral("<tr><td>%1</td><td align=\"right\">&nbsp;%2</td></tr>")
                .arg(column.rows[r][0].toHtmlEscaped(), column.rows[r][1].toHtmlEscaped());
  }
  return text + QStringLiteral("</table>");
}

std::vector<ReportSection> OperatingPage::reportSections() const {
  const FitView& view = source_.view();
  const std::optional<OperatingConditions> conditions = this->conditions();
  if (!languageApplied_ || !view.fitShown || !conditions) return {};
  const Evaluation at20{view.hole.result, view.shaft.result, view.fit};
  const OperatingResult op = fitAtTemperature(at20, view.inputs.sizeMm, *conditions);
  if (!op.value) return {};
  const Language& l = source_.language();
  const std::string sep = localeDecimalSeparator();
  ReportSection chosen{l.text(TextId::OperatingConditions), {}};
  chosen.rows.push_back({conditionsLine()});
  chosen.rows.push_back(
      {l.text(TextId::DistributionCaption).trimmed(), distributionPicker_->currentText()});
  ReportSection cold =
      resultColumn(QString::fromStdString(formatPlain(kReferenceTemperatureC, sep)),
                   view.hole.result, view.shaft.result, view.fit);
  ReportSection hot = resultColumn(temperaturesText(*conditions, sep), op.value->hole,
                                   op.value->shaft, op.value->fit);
  for (const QLabel* note : {kindWarning_, interferingShare_}) {
    if (!note->text().isEmpty()) hot.rows.push_back({note->text()});
  }
  return {chosen, cold, hot};
}

ReportDocument OperatingPage::reportDocument() const {
  const Language& l = source_.language();
  ReportHeader header =
      reportHeader(l, l.text(TextId::OperatingConditions), source_.view().inputs.inch);
  header.title += QStringLiteral(" – ") + QString::fromStdString(source_.view().designation());
  ReportDocument document(header);
  document.addSections(reportSections());
  return document;
}

void OperatingPage::refresh() {
  // Before the first texts there is nothing to write the results with.
  if (!languageApplied_) return;
  const Language& l = source_.language();
  const FitView& view = source_.view();
  const std::string sep = localeDecimalSeparator();
  const OperatingChoices chosen = choices();
  const QStringList problems = entryProblems();

  kindWarning_->clear();
  interferingShare_->clear();
  if (!view.fitShown) {
    at20Result_->setText(l.text(TextId::OperatingNoFit).toHtmlEscaped());
    atTemperatureResult_->clear();
    return;
  }

  const auto column = [&](const QString& temperatures, const ZoneMm& hole, const ZoneMm& shaft,
                          const FitMm& fit) {
    return columnHtml(resultColumn(temperatures, hole, shaft, fit));
  };
  at20Result_->setText(column(QString::fromStdString(formatPlain(kReferenceTemperatureC, sep)),
                              view.hole.result, view.shaft.result, view.fit));
  // Nothing is computed from a field without a number within its limits:
  // the column says which fields they are.
  if (!problems.isEmpty()) {
    QString text =
        QStringLiteral("<b>%1</b>").arg(l.text(TextId::OperatingConditions).toHtmlEscaped());
    for (const QString& p : problems) text += QStringLiteral("<br>") + p.toHtmlEscaped();
    atTemperatureResult_->setText(text);
    return;
  }
  const OperatingConditions conditions = conditionsOf(chosen);
  const Evaluation at20{view.hole.result, view.shaft.result, view.fit};
  const OperatingResult op = fitAtTemperature(at20, view.inputs.sizeMm, conditions);
  if (!op.value) {
    atTemperatureResult_->clear();
    return;
  }
  const OperatingFit& hot = *op.value;
  atTemperatureResult_->setText(
      column(temperaturesText(conditions, sep), hot.hole, hot.shaft, hot.fit));

  if (hot.kindChanged) {
    switch (hot.fit.kind) {
      case FitKind::Clearance: kindWarning_->setText(l.text(TextId::BecomesClearance)); break;
      case FitKind::Transition: kindWarning_->setText(l.text(TextId::BecomesTransition)); break;
      case FitKind::Interference: kindWarning_->setText(l.text(TextId::BecomesInterference)); break;
      case FitKind::Undefined: break;
    }
  }
  // For transition fits the share that interferes is the figure that
  // matters; it is given prominently for both temperatures.
  if (view.fit.kind == FitKind::Transition || hot.fit.kind == FitKind::Transition) {
    const auto share = [&](const ZoneMm& hole, const ZoneMm& shaft) {
      const auto s = assemblyStatistics(hole, shaft, chosen.model);
      return QString::fromStdString(s ? formatShare(s->pInterference, sep) : "–");
    };
    interferingShare_->setText(
        l.text(TextId::InterferingSentence)
            .arg(share(view.hole.result, view.shaft.result), share(hot.hole, hot.shaft)));
  }
}

}  // namespace kalmo
