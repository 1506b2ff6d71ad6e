#include "commands/EditCommands.h"

#include "commands/CurrentFieldTracker.h"
#include "ui/Artwork.h"
#include "ui/SpellingMenu.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace EditCommands {

namespace {

struct OperationInfo {
    Operation operation;
    const char* caption;
    QKeyCombination key;
    const char* artwork; // nullptr: the menu item has no picture
};

constexpr OperationInfo kOperations[] = {
    {Operation::Cut, "A&usschneiden", Qt::CTRL | Qt::Key_X, "menu_cut.png"},
    {Operation::Copy, "&Kopieren", Qt::CTRL | Qt::Key_C, "menu_copy.png"},
    {Operation::Paste, "&Einfügen", Qt::CTRL | Qt::Key_V, "menu_paste.png"},
    {Operation::Delete, "&Löschen", Qt::CTRL | Qt::Key_Delete, "menu_delete.png"},
    {Operation::SelectAll, "&Alles markieren", Qt::CTRL | Qt::Key_A, nullptr},
};

// Empties the whole field as one edit that Ctrl+Z takes back: select everything, remove it.
// (clear() would drop the undo history with the text.)
void removeAll(QLineEdit* field) {
    field->selectAll();
    field->del();
}

void removeAll(QPlainTextEdit* field) {
    QTextCursor cursor(field->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.endEditBlock();
}

template <typename Field> void applyTo(Operation operation, Field* field) {
    switch (operation) {
    case Operation::Cut:
        field->cut();
        break;
    case Operation::Copy:
        field->copy();
        break;
    case Operation::Paste:
        field->paste();
        break;
    case Operation::Delete:
        removeAll(field);
        break;
    case Operation::SelectAll:
        field->selectAll();
        break;
    }
}

} // namespace

bool isEditShortcut(const QKeyEvent& event) {
    const QKeyCombination pressed = event.keyCombination();
    for (const OperationInfo& info : kOperations) {
        if (info.key == pressed)
            return true;
    }
    return false;
}

void apply(Operation operation, QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        applyTo(operation, line);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        // A read-only display can be current too; "Löschen" and paste still change it.
        const bool readOnly = memo->isReadOnly();
        memo->setReadOnly(false);
        applyTo(operation, memo);
        memo->setReadOnly(readOnly);
    } else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
        applyTo(operation, combo->lineEdit());
    }
}

void applyToCurrent(Operation operation, const CurrentFieldTracker& tracker) {
    if (QWidget* field = tracker.currentField())
        apply(operation, field);
}

namespace {

const char* nameOf(const ActionNames& names, Operation operation) {
    const char* byOperation[] = {names.cut, names.copy, names.paste, names.remove, names.selectAll};
    return byOperation[static_cast<int>(operation)];
}

} // namespace

QList<CommandTable::MenuRow> menuRowsWithIds(const ItemIds& ids,
                                             const std::function<void(Operation)>& run) {
    static constexpr ActionNames kMenuItems{"Ausschneiden1", "Kopieren1", "infgen1", "Lschen1",
                                            "AllesMarkieren1"};
    QList<CommandTable::MenuRow> rows;
    for (const OperationInfo& info : kOperations) {
        const Operation operation = info.operation;
        rows.append(CommandTable::itemRow(ids[static_cast<std::size_t>(operation)],
                                          nameOf(kMenuItems, operation),
                                          QString::fromUtf8(info.caption), QKeySequence(info.key),
                                          info.artwork, [run, operation] { run(operation); }));
    }
    return rows;
}

namespace {

// Undoes or redoes, and puts the caret where the text changed: the editor's own undo leaves it
// where it was when the change was a line appended through another cursor.
void undoOrRedo(QPlainTextEdit* text, bool undo) {
    if (!text)
        return;
    int changedAt = -1;
    const QMetaObject::Connection watching = QObject::connect(
        text->document(), &QTextDocument::contentsChange, text,
        [&changedAt](int position, int /*removed*/, int added) { changedAt = position + added; });
    undo ? text->undo() : text->redo();
    QObject::disconnect(watching);
    if (changedAt < 0)
        return;
    QTextCursor caret = text->textCursor();
    caret.setPosition(std::min(changedAt, text->document()->characterCount() - 1));
    text->setTextCursor(caret);
}

} // namespace

QList<CommandTable::MenuRow> undoRowsWithIds(int undoId, int redoId, const EditorOf& editor) {
    return {CommandTable::itemRow(undoId, "Rueckgaengig1", QStringLiteral("&Rückgängig"),
                                  QKeySequence(Qt::CTRL | Qt::Key_Z), nullptr,
                                  [editor] { undoOrRedo(editor(), true); }),
            CommandTable::itemRow(redoId, "Wiederherstellen1", QStringLiteral("Wieder&herstellen"),
                                  QKeySequence(Qt::CTRL | Qt::Key_Y), nullptr,
                                  [editor] { undoOrRedo(editor(), false); }),
            CommandTable::separator()};
}

void followUndo(QAction& undo, QAction& redo, const QTextDocument& document) {
    // Not the platform's own list of redo keys: Ctrl+Y redoes here on every desktop.
    redo.setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    undo.setEnabled(document.isUndoAvailable());
    redo.setEnabled(document.isRedoAvailable());
    QObject::connect(&document, &QTextDocument::undoAvailable, &undo, &QAction::setEnabled);
    QObject::connect(&document, &QTextDocument::redoAvailable, &redo, &QAction::setEnabled);
}

QMenu* installPopupMenu(QWidget& window, const PopupMenu& popup,
                        const std::function<void(Operation)>& run) {
    auto* menu = new QMenu(&window);
    menu->setObjectName(QString::fromLatin1(popup.name));
    for (const OperationInfo& info : kOperations) {
        const Operation operation = info.operation;
        QAction* action = menu->addAction(QString::fromUtf8(info.caption));
        action->setObjectName(QString::fromLatin1(nameOf(popup.items, operation)));
        if (popup.withShortcuts) {
            action->setShortcut(QKeySequence(info.key));
            action->setShortcutContext(Qt::WindowShortcut);
            // A pop-up menu's shortcuts work only while its actions belong to the window.
            window.addAction(action);
        }
        if (popup.withPictures && info.artwork)
            action->setIcon(Artwork::icon(QString::fromLatin1(info.artwork)));
        QObject::connect(action, &QAction::triggered, menu, [run, operation] { run(operation); });
    }
    for (QWidget* owner : popup.owners) {
        SpellingMenu::setUsualMenu(*owner, *menu);
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(owner, &QWidget::customContextMenuRequested, menu,
                         [menu, owner](const QPoint& at) { menu->popup(owner->mapToGlobal(at)); });
    }
    return menu;
}

QList<CommandTable::ToolbarRow> toolbarRowsFor(const std::array<QAction*, 3>& actions,
                                               const std::array<const char*, 3>& pressedNames) {
    using CommandTable::Look;
    return {CommandTable::picture(Look::Cut, "Image10", pressedNames[0], actions[0]),
            CommandTable::picture(Look::Copy, "Image11", pressedNames[1], actions[1]),
            CommandTable::picture(Look::Paste, "Image12", pressedNames[2], actions[2])};
}

} // namespace EditCommands
