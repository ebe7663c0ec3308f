#include <QAbstractItemModel>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTableView>
#include <QTextDocumentFragment>
#include <tuple>
#include <vector>

#include "models/press_fit_results_model.h"
#include "press/press_design_panel.h"
#include "report/report_printer.h"
#include "storage/language.h"
#include "widgets/number_field.h"
#include "windows/press_fit_fields.h"
#include "windows/press_fit_window.h"

// The press-fit window's report: its inputs as typed, its results and
// warnings, and the load worked out in the design panel.

namespace kalmo {

using namespace press;

namespace {

// A row of a table as the view shows it: the cells of the columns not hidden.
template <typename Cell>
QStringList shownCells(const QTableView& view, const Cell& cell) {
  QStringList cells;
  for (int c = 0; c < view.model()->columnCount(); ++c) {
    if (!view.isColumnHidden(c)) cells << cell(c);
  }
  return cells;
}

}  // namespace

std::vector<ReportSection> PressFitWindow::reportSections() const {
  std::vector<ReportSection> sections;
  if (!model_->result()) return sections;
  // A subscript is written after "_" as in the results' symbols: E_A, not EA.
  const auto plain = [](QString rich) {
    return QTextDocumentFragment::fromHtml(
               rich.replace(QStringLiteral("<sub>"), QStringLiteral("_")))
        .toPlainText();
  };
  ReportSection inputs{language_.text(TextId::PressFit) + QStringLiteral(": ") + fitLine->text(),
                       {}};
  for (const auto& [group, picker, entries] :
       {std::tuple{hubGroup_, hubMaterial,
                   std::vector{PressField::HubModulus, PressField::HubPoisson, PressField::HubYield,
                               PressField::HubAlpha, PressField::HubOuterDiameter,
                               PressField::HubRoughness}},
        std::tuple{
            shaftGroup_, shaftMaterial,
            std::vector{PressField::ShaftModulus, PressField::ShaftPoisson, PressField::ShaftYield,
                        PressField::ShaftAlpha, PressField::ShaftBore, PressField::ShaftRoughness}},
        std::tuple{jointGroup_, static_cast<QComboBox*>(nullptr),
                   std::vector{PressField::Length, PressField::Friction, PressField::PressFriction,
                               PressField::JoiningClearance}}}) {
    inputs.rows.push_back({group->title()});
    if (picker) inputs.rows.push_back({language_.text(TextId::Material), picker->currentText()});
    for (const PressField f : entries) {
      const QString typed = field(f)->text().trimmed();
      // An empty field stands for the method's default, shown as its placeholder.
      inputs.rows.push_back(
          {plain(fieldCaption(f)), typed.isEmpty() ? field(f)->placeholderText() : typed});
    }
  }
  inputs.rows.push_back({smoothingCaption_->text(), smoothingPicker->currentText()});
  inputs.rows.push_back({stressCaption_->text(), stressPicker->currentText()});
  sections.push_back(std::move(inputs));

  ReportSection results{language_.text(TextId::Results).trimmed(), {}};
  for (const QString& line : operatingLine->text().split(u'\n', Qt::SkipEmptyParts)) {
    results.rows.push_back({line});
  }
  // With values at 20 °C and at the operating temperatures the headings tell them apart.
  if (model_->hasOperating()) {
    results.rows.push_back(shownCells(*this->results, [this](int c) {
      return model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    }));
  }
  for (int r = 0; r < model_->rowCount(); ++r) {
    results.rows.push_back(shownCells(*this->results, [this, r](int c) {
      return model_->data(model_->index(r, c), Qt::DisplayRole).toString();
    }));
  }
  for (const QString& note : warnings->text().split(u'\n', Qt::SkipEmptyParts)) {
    results.rows.push_back({note});
  }
  sections.push_back(std::move(results));
  if (designPanel->loadWorkedOut()) sections.push_back(loadSection(plain));
  return sections;
}

ReportSection PressFitWindow::loadSection(
    const std::function<QString(const QString&)>& plain) const {
  const PressDesignPanel& panel = *designPanel;
  ReportSection section{language_.text(TextId::PressLoad), {}};
  for (std::size_t i = 0; i < kLoadFieldCount; ++i) {
    const auto which = static_cast<LoadField>(i);
    const QString typed = panel.field(which)->text().trimmed();
    if (!typed.isEmpty()) section.rows.push_back({plain(panel.caption(which)), typed});
  }
  for (const QLabel* line : {panel.slipLine, panel.status}) {
    for (const QString& text : line->text().split(u'\n', Qt::SkipEmptyParts)) {
      section.rows.push_back({text});
    }
  }
  const QAbstractItemModel& fits = *panel.fits->model();
  if (fits.rowCount() > 0) {
    section.rows.push_back({language_.text(TextId::PressFitsCarryingLoad) + QStringLiteral(", ") +
                            panel.range->currentText()});
    section.rows.push_back(shownCells(
        *panel.fits, [&fits](int c) { return fits.headerData(c, Qt::Horizontal).toString(); }));
    for (int r = 0; r < fits.rowCount(); ++r) {
      section.rows.push_back(shownCells(
          *panel.fits, [&fits, r](int c) { return fits.index(r, c).data().toString(); }));
    }
  }
  return section;
}

ReportDocument PressFitWindow::reportDocument() const {
  ReportDocument document(
      reportHeader(language_, language_.text(TextId::PressFit), view_.inputs.inch));
  document.addSections(reportSections());
  return document;
}

}  // namespace kalmo
