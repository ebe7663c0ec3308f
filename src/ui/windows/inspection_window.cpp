#include "windows/inspection_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <limits>

#include "calc/limit_slack.h"
#include "format/number_format.h"
#include "format/units.h"
#include "help/help_command.h"
#include "lang/fit_texts.h"
#include "models/result_source.h"
#include "report/report_buttons.h"
#include "storage/language.h"
#include "widgets/app_images.h"
#include "widgets/number_field.h"
#include "widgets/on_screen.h"

namespace kalmo {

namespace {

// The fields take any number of digits; the window checks the range of a
// measured size (measuredSizeInRange) and marks a number outside it, so that
// a field never holds a number at a limit.
constexpr double kFieldMaximum = std::numeric_limits<double>::max();
// Wide enough for the longest status and captions of the three languages.
constexpr int kWindowWidth = 580;

const QString kOkStyle = QStringLiteral(
    "QLabel { color: #005a00; background: #dff3df; font-weight: bold; padding: 1px 4px; }");
const QString kOutsideStyle = QStringLiteral(
    "QLabel { color: #b00000; background: #fbe0e0; font-weight: bold; padding: 1px 4px; }");
const QString kHintStyle = QStringLiteral("QLabel { color: #606060; padding: 1px 4px; }");

QLabel* captionLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  // Long captions ("Ring or snap gauge" in German) take two lines.
  label->setWordWrap(true);
  label->setMaximumWidth(170);
  return label;
}

QLabel* valueLabel(QWidget* parent, const char* name, bool wrap = false) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setWordWrap(wrap);
  return label;
}

TextId statusText(InspectionStatus status) {
  switch (status) {
    case InspectionStatus::Over: return TextId::StatusOver;
    case InspectionStatus::Under: return TextId::StatusUnder;
    case InspectionStatus::Ok: break;
  }
  return TextId::StatusOk;
}

// A typed number in the other unit: inches to 6 decimals, mm to 5, so a
// switch back and forth keeps what was typed.
double convertTyped(double value, bool toInch) {
  const int decimals = lengthDecimals(lengthUnit(toInch), LengthUse::Input);
  return toInch ? roundTo(mmToInch(value), decimals) : roundTo(inchToMm(value), decimals);
}

}  // namespace

std::optional<Measurement> typedMeasurement(std::optional<double> first,
                                            std::optional<double> lotMax) {
  if (!first) return std::nullopt;
  return Measurement{*first, lotMax.value_or(*first)};
}

InspectionInput inspectionInput(const FitView& view, std::optional<Measurement> holeTyped,
                                std::optional<Measurement> shaftTyped) {
  const auto mm = [&view](Measurement m) {
    return view.inputs.inch ? Measurement{inchToMm(m.minMm), inchToMm(m.maxMm)} : m;
  };
  InspectionInput input;
  input.nominalMm = view.inputs.sizeMm;
  if (view.hole.complete) input.hole = view.inputs.hole;
  if (view.shaft.complete) input.shaft = view.inputs.shaft;
  if (input.hole && holeTyped) input.holeMeasured = mm(*holeTyped);
  if (input.shaft && shaftTyped) input.shaftMeasured = mm(*shaftTyped);
  return input;
}

InspectionWindow::InspectionWindow(const ResultSource& source, QWidget* parent)
    : QWidget(parent, Qt::Window), source_(source) {
  setObjectName(QStringLiteral("inspectionWindow"));
  setWindowIcon(icon(Image::Application));
  // The panels scroll where the screen is too low for them (a 1920×1080
  // screen at 200 % leaves some 960×520 device-independent pixels).
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  designation = new QLabel(this);
  designation->setObjectName(QStringLiteral("inspectedDesignation"));
  QFont bold = font();
  bold.setBold(true);
  bold.setPixelSize(14);
  designation->setFont(bold);
  layout->addWidget(designation);

  hole = buildPart("hole");
  shaft = buildPart("shaft");
  layout->addWidget(hole.box);
  layout->addWidget(shaft.box);

  fitBox = new QGroupBox(this);
  fitBox->setObjectName(QStringLiteral("actualFitBox"));
  auto* fitGrid = new QGridLayout(fitBox);
  fitKind = valueLabel(fitBox, "fitKind");
  actualCaption = captionLabel(fitBox);
  actual = valueLabel(fitBox, "actualFit");
  sameKind = valueLabel(fitBox, "sameKind");
  fitGrid->addWidget(fitKind, 0, 0, 1, 2);
  fitGrid->addWidget(actualCaption, 1, 0);
  fitGrid->addWidget(actual, 1, 1);
  fitGrid->addWidget(sameKind, 2, 0, 1, 2);
  fitGrid->setColumnStretch(1, 1);
  layout->addWidget(fitBox);

  preferredNote = valueLabel(this, "preferredNote", true);
  gaugeNote = valueLabel(this, "gaugeNote", true);
  layout->addWidget(preferredNote);
  layout->addWidget(gaugeNote);
  reportButtons = new ReportButtons(
      QStringLiteral("inspection"), source_.language(), [this] { return reportDocument(); }, this);
  layout->addWidget(reportButtons);
  layout->addStretch(1);
  scrollWindowContent(*this, content, QStringLiteral("inspectionScroll"));
  makeChildWindow(*this, [content] {
    const int bar = content->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return QSize(kWindowWidth + bar, content->heightForWidth(kWindowWidth) + bar);
  });

  for (NumberField* field : {hole.measured, hole.lotMax, shaft.measured, shaft.lotMax}) {
    connect(field, &QLineEdit::textChanged, this, [this] { inspectNow(); });
  }
  addHelpKey(*this, HelpTopic::Inspection,
             [this] { return languageNumber(source_.language().code()); });
  inch_ = source_.view().inputs.inch;
  applyLanguage();
  connect(&source_, &ResultSource::resultChanged, this, &InspectionWindow::refresh);
  connect(&source_, &ResultSource::languageChanged, this, &InspectionWindow::applyLanguage);
}

InspectionWindow::PartPanel InspectionWindow::buildPart(const char* name) {
  PartPanel p;
  p.box = new QGroupBox(this);
  p.box->setObjectName(QString::fromLatin1(name) + QStringLiteral("InspectionBox"));
  auto* grid = new QGridLayout(p.box);
  const auto field = [&](const char* role) {
    auto* f = new NumberField(0, kFieldMaximum, p.box);
    f->setObjectName(QString::fromLatin1(name) + QString::fromLatin1(role));
    f->clear();
    f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setMaximumWidth(100);
    return f;
  };
  p.measuredCaption = captionLabel(p.box);
  p.measured = field("Measured");
  p.lotCaption = captionLabel(p.box);
  p.lotMax = field("LotMax");
  p.statusCaption = captionLabel(p.box);
  p.status = valueLabel(p.box, "status", true);
  p.marginCaption = captionLabel(p.box);
  p.margin = valueLabel(p.box, "margin");
  p.acceptingCaption = captionLabel(p.box);
  // Up to some 80 classes hold a measurement: a list three lines high that
  // scrolls, rather than a window as tall as the screen.
  p.accepting = new QTextBrowser(p.box);
  p.accepting->setObjectName(QStringLiteral("accepting"));
  p.accepting->setFrameShape(QFrame::NoFrame);
  p.accepting->setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; }"));
  p.accepting->setFixedHeight(3 * p.accepting->fontMetrics().lineSpacing() + 8);
  p.accepting->document()->setDocumentMargin(1);
  p.gaugeCaption = captionLabel(p.box);
  p.gauge = valueLabel(p.box, "gauge");
  grid->addWidget(p.measuredCaption, 0, 0);
  grid->addWidget(p.measured, 0, 1);
  grid->addWidget(p.lotCaption, 0, 2);
  grid->addWidget(p.lotMax, 0, 3);
  grid->addWidget(p.statusCaption, 1, 0);
  grid->addWidget(p.status, 1, 1, 1, 3);
  grid->addWidget(p.marginCaption, 2, 0);
  grid->addWidget(p.margin, 2, 1, 1, 3);
  grid->addWidget(p.acceptingCaption, 3, 0);
  grid->addWidget(p.accepting, 3, 1, 1, 3);
  grid->addWidget(p.gaugeCaption, 4, 0);
  grid->addWidget(p.gauge, 4, 1, 1, 3);
  grid->setColumnStretch(3, 1);
  return p;
}

void InspectionWindow::applyLanguage() {
  const Language& lang = source_.language();
  setWindowTitle(lang.text(TextId::Inspection));
  for (PartPanel* p : {&hole, &shaft}) {
    p->measuredCaption->setText(lang.text(TextId::Measured));
    p->lotCaption->setText(lang.text(TextId::ToLot));
    p->statusCaption->setText(lang.text(TextId::Status));
    p->marginCaption->setText(lang.text(TextId::Margin));
    p->acceptingCaption->setText(lang.text(TextId::AcceptingClasses));
    for (NumberField* typed : {p->measured, p->lotMax}) {
      typed->setAccessibleDescription(lang.text(TextId::EnterMeasured));
    }
  }
  hole.gaugeCaption->setText(lang.text(TextId::PlugGauge));
  shaft.gaugeCaption->setText(lang.text(TextId::RingOrSnapGauge));
  fitBox->setTitle(lang.text(TextId::ActualFit));
  actualCaption->setText(lang.text(TextId::ActualClearance));
  preferredNote->setText(lang.text(TextId::PreferredInBold));
  gaugeNote->setText(lang.text(TextId::GaugeNote));
  reportButtons->applyLanguage();
  inspectNow();
}

void InspectionWindow::refresh() {
  const bool inch = source_.view().inputs.inch;
  if (inch != inch_) {
    for (NumberField* field : {hole.measured, hole.lotMax, shaft.measured, shaft.lotMax}) {
      if (const std::optional<double> value = field->value()) {
        const QSignalBlocker block(field);
        field->setValue(convertTyped(*value, inch));
      }
    }
    inch_ = inch;
  }
  inspectNow();
}

QString InspectionWindow::length(double mm) const {
  return QString::fromStdString(lengthText(mm, inch_, localeDecimalSeparator()));
}

InspectionWindow::FieldRead InspectionWindow::readField(const NumberField& field) const {
  if (field.text().trimmed().isEmpty()) return {};
  const EntryRead read = field.entry();
  // Text that is no complete number is never read as the number before it.
  if (read.state == EntryState::Number &&
      measuredSizeInRange(inch_ ? inchToMm(read.number) : read.number)) {
    return {read.number, {}};
  }
  const double limit =
      inch_ ? roundTo(mmToInch(kMaxMeasuredMm), lengthDecimals(LengthUnit::Inch, LengthUse::Input))
            : kMaxMeasuredMm;
  return {std::nullopt,
          source_.language()
              .text(TextId::MeasuredRange)
              .arg(QString::fromStdString(formatPlain(limit, localeDecimalSeparator())) +
                   (inch_ ? QStringLiteral(" in") : QStringLiteral(" mm")))};
}

void InspectionWindow::inspectNow() {
  const FitView& view = source_.view();
  inch_ = view.inputs.inch;
  designation->setText(QString::fromStdString(view.designation()) +
                       (inch_ ? QStringLiteral("  [in]") : QStringLiteral("  [mm]")));
  // A part whose fields hold something that is not a measured size, or a
  // lot typed the wrong way round, is reported on its part with no result;
  // the other part is still inspected.
  const auto typed = [this](const PartPanel& p, QString& problem) -> std::optional<Measurement> {
    const FieldRead first = readField(*p.measured);
    const FieldRead last = readField(*p.lotMax);
    markField(*p.measured, first.problem);
    markField(*p.lotMax, last.problem);
    problem = first.problem.isEmpty() ? last.problem : first.problem;
    if (!problem.isEmpty()) return std::nullopt;
    const std::optional<Measurement> m = typedMeasurement(first.number, last.number);
    if (m && m->minMm > m->maxMm) {
      problem = source_.language().text(TextId::LotMinAboveMax);
      return std::nullopt;
    }
    return m;
  };
  QString holeProblem;
  QString shaftProblem;
  const std::optional<Measurement> holeTyped = typed(hole, holeProblem);
  const std::optional<Measurement> shaftTyped = typed(shaft, shaftProblem);
  const InspectionOutcome outcome = inspect(inspectionInput(view, holeTyped, shaftTyped));
  report_ = outcome.report;
  showPart(hole, Side::Hole, view.hole, report_ ? report_->hole : std::nullopt, holeProblem);
  showPart(shaft, Side::Shaft, view.shaft, report_ ? report_->shaft : std::nullopt, shaftProblem);

  const auto inside = [](const std::optional<PartInspection>& part) {
    return !part || !part->status || *part->status == InspectionStatus::Ok;
  };
  showFit(report_ ? report_->fit : std::nullopt,
          report_ && inside(report_->hole) && inside(report_->shaft));
}

void InspectionWindow::markField(NumberField& field, const QString& problem) {
  if (!problem.isEmpty()) {
    field.setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #c00000; }"));
    field.setToolTip(problem);
  } else if (!field.marked()) {
    field.setStyleSheet(QString());
    field.setToolTip(QString());
  }
}

void InspectionWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Typing replaces the whole number of the field with the focus, also on
  // reopening; selected once the window is active, as activation would
  // otherwise leave the cursor after the text.
  QTimer::singleShot(0, this, [this] {
    if (auto* f = qobject_cast<NumberField*>(focusWidget())) f->selectAll();
  });
}

void InspectionWindow::showFit(const std::optional<ActualFit>& fit, bool partsInside) {
  const Language& lang = source_.language();
  fitBox->setVisible(fit.has_value());
  if (!fit) return;
  fitKind->setText(lang.text(fitKindText(fit->kind)));
  if (fit->actualMinMm && fit->actualMaxMm && fit->sameKind) {
    actual->setText(*fit->actualMinMm == *fit->actualMaxMm
                        ? length(*fit->actualMinMm)
                        : lang.text(TextId::RangeFromTo)
                              .arg(length(*fit->actualMinMm), length(*fit->actualMaxMm)));
    // A part outside its tolerance is no good fit, whatever the pairs give.
    const bool good = *fit->sameKind && partsInside;
    sameKind->setText(
        lang.text(*fit->sameKind ? TextId::SameKind : TextId::NotSameKind) +
        (partsInside ? QString() : QStringLiteral("\n") + lang.text(TextId::PartOutsideTolerance)));
    sameKind->setStyleSheet(good ? kOkStyle : kOutsideStyle);
  } else {
    actual->setText(QStringLiteral("–"));
    sameKind->clear();
    sameKind->setStyleSheet(QString());
  }
}

void InspectionWindow::showPart(PartPanel& panel, Side side, const PartView& view,
                                const std::optional<PartInspection>& part, const QString& problem) {
  const Language& lang = source_.language();
  panel.box->setTitle(lang.text(side == Side::Hole ? TextId::Hole : TextId::Shaft) +
                      QStringLiteral("  ") + QString::fromStdString(view.classText));
  panel.measured->setEnabled(part.has_value());
  panel.lotMax->setEnabled(part.has_value());
  for (QLabel* label : {panel.margin, panel.gauge}) label->clear();
  panel.accepting->clear();
  if (!part) {
    panel.status->setText(
        lang.text(view.classText.empty() ? TextId::NoClassChosen : TextId::NoLimitsAtSize));
    panel.status->setStyleSheet(kHintStyle);
    return;
  }
  panel.gauge->setText(lang.text(TextId::GaugeGo) + QStringLiteral("  ") +
                       length(part->gauge.goMm) + QStringLiteral("     ") +
                       lang.text(TextId::GaugeNoGo) + QStringLiteral("  ") +
                       length(part->gauge.noGoMm));
  if (!part->status || !part->marginMm || !part->measured) {
    panel.status->setText(problem.isEmpty() ? lang.text(TextId::EnterMeasured) : problem);
    panel.status->setStyleSheet(problem.isEmpty() ? kHintStyle : kOutsideStyle);
    return;
  }
  // A lot names the side it leaves the tolerance on, and by how much.
  const Measurement m = *part->measured;
  QStringList status;
  if (m.minMm != m.maxMm && *part->status != InspectionStatus::Ok) {
    if (m.maxMm > part->upperLimitMm + kLimitSlackMm) {
      status << lang.text(TextId::LotOver).arg(length(m.maxMm - part->upperLimitMm));
    }
    if (m.minMm < part->lowerLimitMm - kLimitSlackMm) {
      status << lang.text(TextId::LotUnder).arg(length(part->lowerLimitMm - m.minMm));
    }
  }
  if (status.isEmpty()) status << lang.text(statusText(*part->status));
  panel.status->setText(status.join(u'\n'));
  panel.status->setStyleSheet(*part->status == InspectionStatus::Ok ? kOkStyle : kOutsideStyle);
  panel.margin->setText(length(*part->marginMm));
  QStringList classes;
  for (const AcceptingClass& a : part->accepting) {
    const QString name = QString::fromStdString(Designation(side, a.cls)).toHtmlEscaped();
    classes << (a.preferred ? QStringLiteral("<b>%1</b>").arg(name) : name);
  }
  panel.accepting->setHtml(classes.isEmpty() ? lang.text(TextId::NoneAccepting)
                                             : classes.join(QStringLiteral(", ")));
}

std::vector<ReportSection> InspectionWindow::reportSections() const {
  std::vector<ReportSection> sections;
  if (!report_) return sections;
  const auto measured = [](const std::optional<PartInspection>& part) {
    return part && part->measured && part->status && part->marginMm;
  };
  for (const auto& [panel, part] :
       {std::pair{&hole, &report_->hole}, std::pair{&shaft, &report_->shaft}}) {
    if (!measured(*part)) continue;
    const QString lot = panel->lotMax->text().trimmed();
    const QString unit = inch_ ? QStringLiteral(" in") : QStringLiteral(" mm");
    ReportSection s{panel->box->title().simplified(), {}};
    s.rows.push_back({panel->measuredCaption->text(),
                      panel->measured->text().trimmed() +
                          (lot.isEmpty() ? QString() : QStringLiteral(" … ") + lot) + unit});
    s.rows.push_back(
        {panel->statusCaption->text(), panel->status->text().replace(u'\n', QStringLiteral("; "))});
    s.rows.push_back({panel->marginCaption->text(), panel->margin->text()});
    s.rows.push_back({panel->acceptingCaption->text(), panel->accepting->toPlainText()});
    s.rows.push_back({panel->gaugeCaption->text(), panel->gauge->text()});
    sections.push_back(std::move(s));
  }
  if (report_->fit && measured(report_->hole) && measured(report_->shaft)) {
    ReportSection s{fitBox->title(), {}};
    s.rows.push_back({fitKind->text().trimmed()});
    s.rows.push_back({actualCaption->text(), actual->text()});
    if (!sameKind->text().isEmpty()) {
      s.rows.push_back({sameKind->text().replace(u'\n', QStringLiteral("; "))});
    }
    sections.push_back(std::move(s));
  }
  return sections;
}

ReportDocument InspectionWindow::reportDocument() const {
  const Language& lang = source_.language();
  ReportHeader header = reportHeader(lang, lang.text(TextId::Inspection), inch_);
  header.title += QStringLiteral(" – ") + designation->text();
  ReportDocument document(header);
  document.addSections(reportSections());
  return document;
}

}  // namespace kalmo
