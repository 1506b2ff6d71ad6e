#include "commands/CurrentFieldTracker.h"

#include "commands/EditCommands.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

CurrentFieldTracker::CurrentFieldTracker(QObject* parent) : QObject(parent) {}

void CurrentFieldTracker::track(QWidget* field) {
    m_fields.insert(field->objectName(), field);
    QWidget* clickTarget = field;
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        connect(line, &QLineEdit::textChanged, this, [this, field] { makeCurrent(field); });
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        connect(memo, &QPlainTextEdit::textChanged, this, [this, field] { makeCurrent(field); });
        clickTarget = memo->viewport();
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        connect(combo, &QComboBox::editTextChanged, this, [this, field] { makeCurrent(field); });
        if (combo->lineEdit())
            clickTarget = combo->lineEdit();
    }
    field->installEventFilter(this);
    if (clickTarget != field)
        clickTarget->installEventFilter(this);
    clickTarget->setProperty("trackedField", QVariant::fromValue(field));
}

QWidget* CurrentFieldTracker::currentField() const {
    return m_fields.value(m_current);
}

bool CurrentFieldTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto* field = watched->property("trackedField").value<QWidget*>())
            makeCurrent(field);
    } else if (event->type() == QEvent::ShortcutOverride) {
        // The window's edit shortcuts act on the current field, which need not be the
        // focused one, so a field does not take these keys for itself.
        if (EditCommands::isEditShortcut(*static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void CurrentFieldTracker::makeCurrent(QWidget* field) {
    const QString name = field->objectName();
    if (name == m_current)
        return;
    m_current = name;
    emit currentFieldChanged(name);
}
