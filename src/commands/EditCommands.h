#pragma once

#include <QKeySequence>
#include <QList>

class CurrentFieldTracker;
class QAction;
class QKeyEvent;
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

// The five commands as actions with their German captions (each with its Alt letter),
// pictures where the menu has
// them and object names (e.g. {"Ausschneiden1", "Kopieren1", "infgen1", "Lschen1",
// "AllesMarkieren1"}); each runs `run` with its operation.
struct ActionNames {
    const char* cut;
    const char* copy;
    const char* paste;
    const char* remove;
    const char* selectAll;
};
QList<QAction*> createActions(QWidget* owner, const ActionNames& names, bool withShortcuts,
                              bool withPictures);

Operation operationOf(const QAction* action);

} // namespace EditCommands
