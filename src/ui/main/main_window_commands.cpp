#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "help/help_command.h"
#include "main/main_window.h"
#include "pages/operating_page.h"
#include "report/combined_report.h"
#include "report/report_printer.h"
#include "report/report_title.h"
#include "storage/language.h"
#include "windows/about_window.h"
#include "windows/inspection_window.h"
#include "windows/press_fit_window.h"

namespace kalmo {

namespace {

constexpr QSize kToolIconSize(22, 22);

void bringToFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

void MainWindow::buildCommands() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setFixedHeight(layout::kToolBarHeight);
  bar->setIconSize(kToolIconSize);
  bar->toggleViewAction()->setVisible(false);
  addToolBar(Qt::TopToolBarArea, bar);

  for (const CommandRow& row : commandTable()) {
    auto* act = new QAction(this);
    act->setObjectName(QString::fromLatin1(row.objectName));
    if (row.image) act->setIcon(icon(*row.image));
    act->setShortcuts(row.keys.sequences());
    // Every shortcut works wherever the focus is in the window.
    act->setShortcutContext(Qt::WindowShortcut);
    addAction(act);
    toolbar_.actions[row.command] = act;
    connect(act, &QAction::triggered, this, [this, command = row.command] { runCommand(command); });
    if (row.place == CommandPlace::Grid) continue;
    if (row.place == CommandPlace::ToolsMenu) {
      if (!toolbar_.toolsButton) {
        toolbar_.toolsButton = new QToolButton(bar);
        toolbar_.toolsButton->setObjectName(QStringLiteral("moreToolsButton"));
        toolbar_.toolsButton->setIcon(icon(Image::MoreTools));
        toolbar_.toolsButton->setIconSize(kToolIconSize);
        toolbar_.toolsButton->setAutoRaise(true);
        toolbar_.toolsButton->setPopupMode(QToolButton::InstantPopup);
        toolbar_.toolsButton->setMenu(new QMenu(toolbar_.toolsButton));
        bar->addWidget(toolbar_.toolsButton);
      }
      toolbar_.toolsButton->menu()->addAction(act);
      continue;
    }
    if (row.place == CommandPlace::ToolbarGroup) bar->addSeparator();
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(row.objectName));
    button->setIconSize(kToolIconSize);
    button->setAutoRaise(true);
    button->setDefaultAction(act);
    bar->addWidget(button);
    if (row.command == Command::Language) toolbar_.languageButton = button;
  }

  // The item captions name each language in itself and never change.
  QToolButton* languageButton = toolbar_.languageButton;
  languageButton->setPopupMode(QToolButton::InstantPopup);
  toolbar_.languageMenu = new QMenu(languageButton);
  toolbar_.languageMenu->setObjectName(QStringLiteral("PopupMenu1"));
  const auto item = [this](Image image, const QString& caption, const char* name) {
    QAction* a = toolbar_.languageMenu->addAction(icon(image), caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  toolbar_.englishAction = item(Image::FlagEnglish, QStringLiteral("English"), "English");
  toolbar_.germanAction = item(Image::FlagGerman, QStringLiteral("Deutsch"), "Deutsch");
  toolbar_.bulgarianAction = item(Image::FlagBulgarian, QStringLiteral("Български"), "Bul");
  languageButton->setMenu(toolbar_.languageMenu);
}

QAction* MainWindow::action(Command command) const {
  return toolbar_.actions.at(command);
}

void MainWindow::describeCommands() {
  for (const CommandRow& row : commandTable()) {
    QAction* act = action(row.command);
    act->setText(language_.text(row.text));
    act->setToolTip(withShortcut(language_.text(row.tooltip), row.keys));
    // Assistive technology reads the tooltip, shortcut included.
    for (QObject* shown : act->associatedObjects()) {
      if (auto* button = qobject_cast<QToolButton*>(shown)) {
        button->setAccessibleName(act->toolTip());
      }
    }
  }
  if (QToolButton* tools = toolbar_.toolsButton) {
    tools->setToolTip(language_.text(TextId::MoreTools));
    tools->setAccessibleName(tools->toolTip());
  }
}

void MainWindow::runCommand(Command command) {
  const CommandRow& row = commandRow(command);
  if (row.window) {
    openWindow(row);
    return;
  }
  switch (command) {
    case Command::Copy: copyResults(); break;
    case Command::SwitchUnit: switchUnit(); break;
    case Command::Exit: close(); break;
    case Command::Help: showHelpPage(); break;
    case Command::About: showAboutWindow(this); break;
    case Command::Print: printCurrentResult(); break;
    case Command::SavePdf: saveCurrentResultPdf(); break;
    case Command::CopyCallout: copyCallout(); break;
    case Command::ReportTitle: editReportTitle(this, language_, store_); break;
    // The language button opens its menu; a tool window's row has its maker.
    default: break;
  }
}

void MainWindow::openWindow(const CommandRow& row) {
  QWidget*& window = toolbar_.windows[row.command];
  if (!window) window = row.window(WindowParts{results_, store_, *this, this});
  bringToFront(*window);
}

ReportParts MainWindow::reportParts() const {
  ReportParts parts{
      view(), panel_.operatingPage->conditions(), panel_.operatingPage->reportSections(), {}, {}};
  const auto opened = [this](Command command) {
    const auto it = toolbar_.windows.find(command);
    return it == toolbar_.windows.end() ? nullptr : it->second;
  };
  if (auto* press = qobject_cast<PressFitWindow*>(opened(Command::PressFit))) {
    parts.pressFit = press->reportSections();
  }
  if (auto* inspection = qobject_cast<InspectionWindow*>(opened(Command::Inspection))) {
    parts.inspection = inspection->reportSections();
  }
  return parts;
}

void MainWindow::printCurrentResult() {
  printCombinedReport(this, reportParts(), language_, store_, ReportTarget::Printer);
}

void MainWindow::saveCurrentResultPdf() {
  printCombinedReport(this, reportParts(), language_, store_, ReportTarget::PdfFile);
}

}  // namespace kalmo
