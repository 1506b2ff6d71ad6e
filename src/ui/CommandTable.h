#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>
#include <span>

class QAction;
class QMenuBar;
class QWidget;

// A window's menu bar and picture toolbar, each written as one table of rows: the window
// says which command each row is and which handler runs it, and these builders make one
// QAction per command, shared by the menu item, the toolbar picture and the shortcut.
namespace CommandTable {

// One row of a menu bar: a menu that opens, an item of the menu opened last, or a separator.
struct MenuRow {
    enum class Kind { Menu, Item, Separator };
    Kind kind;
    const char* name = nullptr;    // object name of the menu or the item
    QString caption;               // with its Alt letter after '&'
    QKeySequence shortcut;         // none when empty
    const char* artwork = nullptr; // the menu item's picture, none when nullptr
    std::function<void()> run;     // an item's handler; none when the action is run elsewhere
};

MenuRow menu(const char* name, const QString& caption);
MenuRow item(const char* name, const QString& caption, const QKeySequence& shortcut,
             const char* artwork, std::function<void()> run);
MenuRow separator();

// The menu "Hilfe" both menu bars end with: the program help (F1), the HTML tutorial (F2)
// and About.
QList<MenuRow> helpMenu(std::function<void()> programHelp, std::function<void()> htmlHelp,
                        std::function<void()> about);

// Builds the menus and their items on the bar, in the rows' order; returns the items'
// actions, which stay children of the bar's window.
QList<QAction*> buildMenuBar(QMenuBar& bar, std::span<const MenuRow> rows);

// One row of a picture toolbar: a picture with its pressed twin that triggers an action, a
// gap between groups, or a banner picture that only shows.
struct ToolbarRow {
    enum class Kind { Picture, Gap, Banner };
    Kind kind;
    const char* name = nullptr;        // object name of the picture
    const char* pressedName = nullptr; // object name of its pressed twin
    const char* artwork = nullptr;     // "<artwork>.png" and "<artwork>_pressed.png", or a banner
    QString whatItDoes;                // tooltip and accessible name
    QAction* action = nullptr;         // what a click runs; the picture is enabled with it
};

ToolbarRow picture(const char* name, const char* pressedName, const char* artwork,
                   const QString& whatItDoes, QAction* action);
ToolbarRow gap();
ToolbarRow banner(const char* name, const char* artwork);

// Lays the rows out on the strip from left to right, each at its natural size; the strip must
// not have a layout yet.
void buildToolbar(QWidget& strip, std::span<const ToolbarRow> rows);

// The action named so among the actions, or nullptr.
QAction* actionNamed(const QList<QAction*>& actions, const char* name);

} // namespace CommandTable
