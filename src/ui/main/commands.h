#pragma once

#include <QKeySequence>
#include <QList>
#include <array>
#include <optional>
#include <span>

#include "lang/text_id.h"
#include "widgets/app_images.h"

class QWidget;

namespace kalmo {

class ToolTarget;
class ResultSource;
class SettingsStore;

// The commands of the main window. Each is one row of kCommands below.
enum class Command {
  Copy,
  SwitchUnit,
  Language,
  PressFit,
  Exit,
  Help,
  About,
  Inspection,
  BatchTable,
  GeneralTolerances,
  BearingSeat,
  StackUp,
  ReportTitle,
  Print,
  SavePdf,
  CopyCallout,
};

// A command's keys: a platform's standard keys (all of its bindings), or one
// chord; neither for a command without a shortcut.
struct CommandKeys {
  QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
  QKeyCombination chord{};

  QList<QKeySequence> sequences() const;
  // The first key as the platform writes it ("Ctrl+Shift+P"); empty without one.
  QString text() const;
};

// Where a command shows besides its QAction, which always exists and is
// reached by its shortcut wherever the focus is in the main window.
enum class CommandPlace {
  Toolbar,         // a toolbar button
  ToolbarGroup,    // a toolbar button after a separator
  ToolbarAndGrid,  // a toolbar button, and an entry of the results grid's context menu
  Grid,            // only an entry of the results grid's context menu
  ToolsMenu,       // an entry of the menu of the toolbar's "More tools" button, which
                   // stands where the first such row stands (the fixed window's
                   // toolbar has no room for a button per tool window)
};

// What a tool window is made from: the main window's result source (result,
// language and their signals), the settings store, where a chosen fit goes
// and the main window as its parent.
struct WindowParts {
  const ResultSource& results;
  SettingsStore& store;
  ToolTarget& fits;
  QWidget* parent;
};
using MakeWindow = QWidget* (*)(const WindowParts& parts);

// One command: its QAction and toolbar button share the object name (the
// form id), the icon and the shortcut; the text names it in a menu; the
// tooltip is the tooltip text and the shortcut in brackets, and the button's
// accessible name is that tooltip. A command that opens a tool window names
// its maker: the window is made at the first use and brought to the front
// after that.
struct CommandRow {
  Command command;
  const char* objectName;
  std::optional<Image> image;  // none for a menu entry without a picture
  CommandKeys keys;
  TextId text;
  TextId tooltip;
  CommandPlace place;
  MakeWindow window = nullptr;
};

// The rows in toolbar order.
std::span<const CommandRow> commandTable();
const CommandRow& commandRow(Command command);

// "Press fit (Ctrl+Shift+P)" in the language's text; the text alone without a shortcut.
QString withShortcut(const QString& text, const CommandKeys& keys);

}  // namespace kalmo
