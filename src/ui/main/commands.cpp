#include "main/commands.h"

#include "bearing/bearing_seat_window.h"
#include "general/general_tolerances_window.h"
#include "models/tool_target.h"
#include "stack/stack_window.h"
#include "windows/batch_table_window.h"
#include "windows/inspection_window.h"
#include "windows/press_fit_window.h"

namespace kalmo {

namespace {

constexpr QKeyCombination ctrl(Qt::Key key) {
  return Qt::CTRL | key;
}
constexpr QKeyCombination ctrlShift(Qt::Key key) {
  return Qt::CTRL | Qt::SHIFT | key;
}

// The toolbar from the left: copy; unit and language; press fit; exit, help
// and about; the tool windows, print and PDF. A new tool window is one row
// here with its maker.
const std::array kCommands{
    CommandRow{Command::Copy,
               "btnCopy",
               Image::Copy,
               {QKeySequence::Copy},
               TextId::Copy,
               TextId::Copy,
               CommandPlace::ToolbarAndGrid},
    CommandRow{Command::SwitchUnit,
               "btnMM",
               Image::UnitMillimetre,
               {.chord = ctrl(Qt::Key_U)},
               TextId::SwitchUnit,
               TextId::SwitchUnit,
               CommandPlace::ToolbarGroup},
    CommandRow{Command::Language,
               "btnLang",
               Image::FlagEnglish,
               {},
               TextId::LanguageMenu,
               TextId::LanguageMenu,
               CommandPlace::Toolbar},
    CommandRow{Command::PressFit,
               "pressFitAction",
               Image::PressFit,
               {.chord = ctrlShift(Qt::Key_P)},
               TextId::PressFit,
               TextId::PressFit,
               CommandPlace::ToolbarGroup,
               [](const WindowParts& p) -> QWidget* {
                 auto* w = new PressFitWindow(p.results, p.store, p.parent);
                 QObject::connect(
                     w, &PressFitWindow::fitChosen, w,
                     [&fits = p.fits](const FitClasses& fit) { fits.takeFit(std::nullopt, fit); });
                 return w;
               }},
    CommandRow{Command::Exit,
               "btnExit",
               Image::Exit,
               {},
               TextId::Exit,
               TextId::Exit,
               CommandPlace::ToolbarGroup},
    CommandRow{Command::Help,
               "btnHelp",
               Image::Help,
               {QKeySequence::HelpContents},
               TextId::Help,
               TextId::Help,
               CommandPlace::Toolbar},
    CommandRow{Command::About,
               "ToolButton1",
               Image::About,
               {},
               TextId::AboutProgram,
               TextId::AboutProgram,
               CommandPlace::Toolbar},
    CommandRow{
        Command::Inspection,
        "inspectionButton",
        Image::Inspection,
        {.chord = ctrl(Qt::Key_I)},
        TextId::Inspection,
        TextId::Inspection,
        CommandPlace::ToolbarGroup,
        [](const WindowParts& p) -> QWidget* { return new InspectionWindow(p.results, p.parent); }},
    CommandRow{
        Command::BatchTable,
        "batchTableButton",
        Image::BatchTable,
        {.chord = ctrl(Qt::Key_B)},
        TextId::BatchTable,
        TextId::BatchTable,
        CommandPlace::Toolbar,
        [](const WindowParts& p) -> QWidget* { return new BatchTableWindow(p.results, p.parent); }},
    CommandRow{Command::GeneralTolerances,
               "generalTolerancesButton",
               Image::GeneralTolerances,
               {.chord = ctrl(Qt::Key_G)},
               TextId::GeneralTolerances,
               TextId::GeneralTolerances,
               CommandPlace::Toolbar,
               [](const WindowParts& p) -> QWidget* {
                 auto* w = new GeneralTolerancesWindow(p.results, p.parent);
                 w->setCompared(p.fits.comparedGeneralClass());
                 QObject::connect(w, &GeneralTolerancesWindow::comparedClassChanged, w,
                                  [&fits = p.fits](std::optional<GeneralDesignation> d) {
                                    fits.compareGeneralClass(d);
                                  });
                 return w;
               }},
    CommandRow{Command::BearingSeat,
               "bearingSeatButton",
               Image::BearingSeat,
               {.chord = ctrlShift(Qt::Key_B)},
               TextId::BearingSeat,
               TextId::BearingSeat,
               CommandPlace::ToolsMenu,
               [](const WindowParts& p) -> QWidget* {
                 auto* w = new BearingSeatWindow(p.results, p.parent);
                 QObject::connect(w, &BearingSeatWindow::fitChosen, w,
                                  [&fits = p.fits](double diameterMm, const FitClasses& fit) {
                                    fits.takeFit(diameterMm, fit);
                                  });
                 return w;
               }},
    CommandRow{
        Command::StackUp,
        "stackUpButton",
        Image::StackUp,
        {.chord = ctrl(Qt::Key_T)},
        TextId::StackUp,
        TextId::StackUp,
        CommandPlace::ToolsMenu,
        [](const WindowParts& p) -> QWidget* { return new StackWindow(p.results, p.parent); }},
    CommandRow{Command::ReportTitle,
               "reportTitleAction",
               std::nullopt,
               {},
               TextId::ReportTitleEdit,
               TextId::ReportTitleEdit,
               CommandPlace::ToolsMenu},
    CommandRow{Command::Print,
               "printButton",
               Image::Print,
               {QKeySequence::Print},
               TextId::Print,
               TextId::Print,
               CommandPlace::Toolbar},
    CommandRow{Command::SavePdf,
               "pdfButton",
               Image::Pdf,
               {.chord = ctrlShift(Qt::Key_S)},
               TextId::SaveAsPdf,
               TextId::SaveAsPdf,
               CommandPlace::Toolbar},
    CommandRow{Command::CopyCallout,
               "actCopyCallout",
               std::nullopt,
               {.chord = ctrlShift(Qt::Key_C)},
               TextId::CopyAsCallout,
               TextId::CopyAsCallout,
               CommandPlace::Grid},
};

}  // namespace

QList<QKeySequence> CommandKeys::sequences() const {
  if (standard != QKeySequence::UnknownKey) return QKeySequence::keyBindings(standard);
  if (chord.key() != Qt::Key_unknown) return {QKeySequence(chord)};
  return {};
}

QString CommandKeys::text() const {
  const QList<QKeySequence> keys = sequences();
  return keys.isEmpty() ? QString() : keys.first().toString(QKeySequence::NativeText);
}

std::span<const CommandRow> commandTable() {
  return kCommands;
}

const CommandRow& commandRow(Command command) {
  for (const CommandRow& row : kCommands) {
    if (row.command == command) return row;
  }
  Q_UNREACHABLE();
}

QString withShortcut(const QString& text, const CommandKeys& keys) {
  const QString key = keys.text();
  return key.isEmpty() ? text : text + QStringLiteral(" (") + key + u')';
}

}  // namespace kalmo
