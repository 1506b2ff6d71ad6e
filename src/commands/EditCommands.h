#pragma once

#include "ui/CommandTable.h"

#include <QKeySequence>
#include <QList>

#include <array>
#include <functional>

class CurrentFieldTracker;
class QAction;
class QKeyEvent;
class QMenu;
class QPlainTextEdit;
class QTextDocument;
class QWidget;

// The five edit commands on a text field: a QLineEdit, a QPlainTextEdit or an editable
// QComboBox. "Löschen" empties the whole field, whatever is selected.
namespace EditCommands {

enum class Operation { Cut, Copy, Paste, Delete, SelectAll };

// Whether a key is one of the edit shortcuts: Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+Entf, Ctrl+A.
bool isEditShortcut(const QKeyEvent& event);

void apply(Operation operation, QWidget* field);

// Applies the operation to the tracker's current field; does nothing while none is current.
void applyToCurrent(Operation operation, const CurrentFieldTracker& tracker);

// The object names of a window's five edit items, e.g. {"Ausschneiden1", "Kopieren1",
// "infgen1", "Lschen1", "AllesMarkieren1"}.
struct ActionNames {
    const char* cut;
    const char* copy;
    const char* paste;
    const char* remove;
    const char* selectAll;
};

// The ids of a window's five edit items, in the operations' order.
using ItemIds = std::array<int, 5>;

// The five commands as rows of a menu bar, "Ausschneiden1", "Kopieren1", "infgen1",
// "Lschen1" and "AllesMarkieren1", with their German captions, shortcuts and pictures; each
// runs `run` with its operation.
QList<CommandTable::MenuRow> menuRowsWithIds(const ItemIds& ids,
                                             const std::function<void(Operation)>& run);
template <typename Id>
QList<CommandTable::MenuRow> menuRows(const std::function<void(Operation)>& run) {
    return menuRowsWithIds({int(Id::Ausschneiden1), int(Id::Kopieren1), int(Id::infgen1),
                            int(Id::Lschen1), int(Id::AllesMarkieren1)},
                           run);
}

// „&Rückgängig“ (Ctrl+Z) and „Wieder&herstellen“ (Ctrl+Y, Ctrl+Shift+Z) on one text, then a
// separator: rows to stand first in a window's "Bearbeiten". They undo and redo the text of
// the editor `editor` returns (none while it is not made yet) wherever the focus is, and put
// its caret on the change; a focused text field keeps the keys for its own undo.
using EditorOf = std::function<QPlainTextEdit*()>;
QList<CommandTable::MenuRow> undoRowsWithIds(int undoId, int redoId, const EditorOf& editor);
template <typename Id> QList<CommandTable::MenuRow> undoRows(const EditorOf& editor) {
    return undoRowsWithIds(int(Id::Rueckgaengig1), int(Id::Wiederherstellen1), editor);
}
// Once the menu bar is built: the two items are enabled while the document has something to
// undo or redo.
void followUndo(QAction& undo, QAction& redo, const QTextDocument& document);
template <typename Id>
void followUndo(const CommandTable::Commands<Id>& commands, const QTextDocument& document) {
    followUndo(*commands[Id::Rueckgaengig1], *commands[Id::Wiederherstellen1], document);
}

// The toolbar's cut, copy and paste pictures, "Image10", "Image11" and "Image12", with pressed
// twins of the given names, on the window's edit items.
QList<CommandTable::ToolbarRow> toolbarRowsFor(const std::array<QAction*, 3>& actions,
                                               const std::array<const char*, 3>& pressedNames);
template <typename Id>
QList<CommandTable::ToolbarRow> toolbarRows(const CommandTable::Commands<Id>& commands,
                                            const std::array<const char*, 3>& pressedNames) {
    return toolbarRowsFor(
        {commands[Id::Ausschneiden1], commands[Id::Kopieren1], commands[Id::infgen1]},
        pressedNames);
}

// How a window's edit pop-up menu is made.
struct PopupMenu {
    const char* name;       // the menu's object name
    ActionNames items;      // its items' object names
    QList<QWidget*> owners; // a right-click on any of them opens it
    bool withShortcuts;     // its items' shortcuts work wherever the focus is in the window
    bool withPictures;      // its items show the menu pictures
};
// Builds the pop-up menu on the window; each item runs `run` with its operation.
QMenu* installPopupMenu(QWidget& window, const PopupMenu& popup,
                        const std::function<void(Operation)>& run);

} // namespace EditCommands
