#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>
#include <span>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// A window's menu bar and picture toolbar, each written as one table of rows: the window
// says which command each row is and which handler runs it, and these builders make one
// QAction per command, shared by the menu item, the toolbar picture and the shortcut.
//
// Each window names its menus and items by an enum class of its own, whose values are the
// object names and whose last value is Count; the window reaches them by id, never by name:
//
//     enum class Command { Datei1, Neu, ..., Count };
//     m_commands = CommandTable::build<Command>(*menuBar(), rows);
//     m_commands[Command::Neu]->setEnabled(false);
namespace CommandTable {

// One row of a menu bar: a menu that opens, an item of the menu opened last, a separator, or
// a submenu of the menu opened last, whose rows follow up to the end of the submenu.
struct MenuRow {
    enum class Kind { Menu, Item, Separator, Submenu, EndSubmenu };
    Kind kind;
    int id = -1;                   // the menu's or item's id in its window's enum
    const char* name = nullptr;    // object name of the menu or the item
    QString caption;               // with its Alt letter after '&'
    QKeySequence shortcut;         // none when empty
    const char* artwork = nullptr; // the menu item's picture, none when nullptr
    std::function<void()> run;     // an item's handler; none when the action is run elsewhere
};

MenuRow menuRow(int id, const char* name, const QString& caption);
MenuRow itemRow(int id, const char* name, const QString& caption, const QKeySequence& shortcut,
                const char* artwork, std::function<void()> run);
MenuRow separator();
MenuRow submenuRow(int id, const char* name, const QString& caption);
MenuRow endSubmenu();

template <typename Id> MenuRow menu(Id id, const char* name, const QString& caption) {
    return menuRow(int(id), name, caption);
}
template <typename Id> MenuRow submenu(Id id, const char* name, const QString& caption) {
    return submenuRow(int(id), name, caption);
}
template <typename Id>
MenuRow item(Id id, const char* name, const QString& caption, const QKeySequence& shortcut,
             const char* artwork, std::function<void()> run) {
    return itemRow(int(id), name, caption, shortcut, artwork, std::move(run));
}

// The ids of the menu "Hilfe" and its items, in the order they stand.
struct HelpIds {
    int menu, programHelp, htmlHelp, about;
};
QList<MenuRow> helpMenuRows(const HelpIds& ids, std::function<void()> programHelp,
                            std::function<void()> htmlHelp, std::function<void()> about);

// The menu "Hilfe" both menu bars end with: the program help (F1), the HTML tutorial (F2)
// and About.
template <typename Id>
QList<MenuRow> helpMenu(std::function<void()> programHelp, std::function<void()> htmlHelp,
                        std::function<void()> about) {
    return helpMenuRows(
        {int(Id::Hilfe1), int(Id::QuillmarkHIlfe1), int(Id::HtmlHilfe1), int(Id::berQuillmark1)},
        std::move(programHelp), std::move(htmlHelp), std::move(about));
}

// The menus and items a menu bar was built with, each at its id; null at the ids of the
// other kind.
struct Built {
    std::vector<QMenu*> menus;
    std::vector<QAction*> actions;
};

// Builds the menus and their items on the bar, in the rows' order; the items' actions stay
// children of the bar's window. Every id below idCount must have exactly one row: a table
// that misses one or names one twice stops the program at once, at its first start.
Built buildMenuBar(QMenuBar& bar, std::span<const MenuRow> rows, int idCount);

// A window's menus and items, reached by its own ids.
template <typename Id> class Commands {
public:
    Commands() = default;
    explicit Commands(Built built) : m_built(std::move(built)) {}
    QAction* operator[](Id id) const { return m_built.actions.at(std::size_t(id)); }
    QMenu* menu(Id id) const { return m_built.menus.at(std::size_t(id)); }

private:
    Built m_built;
};

template <typename Id> Commands<Id> build(QMenuBar& bar, std::span<const MenuRow> rows) {
    return Commands<Id>(buildMenuBar(bar, rows, int(Id::Count)));
}

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
// The pictures both windows' toolbars show, each with its artwork and tooltip.
enum class Look { NewPage, Print, Preview, Cut, Copy, Paste };
ToolbarRow picture(Look look, const char* name, const char* pressedName, QAction* action);
ToolbarRow gap();
ToolbarRow banner(const char* name, const char* artwork);

// Lays the rows out on the strip from left to right, each at its natural size; the strip must
// not have a layout yet.
void buildToolbar(QWidget& strip, std::span<const ToolbarRow> rows);

} // namespace CommandTable
