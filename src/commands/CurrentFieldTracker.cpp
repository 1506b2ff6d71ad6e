#include "commands/CurrentFieldTracker.h"

#include "commands/EditCommands.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

// Notes the window in which a key that moves the focus (Tab, Shift+Tab, Alt+key) is being
// pressed, until the key is released. Key presses reach the focused widget, which may be any
// control, so it watches the whole application.
class FocusKeyWatcher final : public QObject {
public:
    explicit FocusKeyWatcher(QObject* parent) : QObject(parent) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    const QWidget* window = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = *static_cast<QKeyEvent*>(event);
            const bool tab = (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
                             !(key.modifiers() & Qt::ControlModifier);
            const bool mnemonic = (key.modifiers() & Qt::AltModifier) && key.key() != Qt::Key_Alt;
            auto* widget = qobject_cast<QWidget*>(watched);
            window = (widget && (tab || mnemonic)) ? widget->window() : nullptr;
        } else if (event->type() == QEvent::KeyRelease) {
            window = nullptr;
        }
        return false;
    }
};

CurrentFieldTracker::CurrentFieldTracker(QObject* parent)
    : QObject(parent), m_keys(new FocusKeyWatcher(this)) {}

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
    for (QWidget* target : {field, clickTarget})
        target->setProperty("trackedField", QVariant::fromValue(field));
}

QWidget* CurrentFieldTracker::currentField() const {
    return m_fields.value(m_current);
}

bool CurrentFieldTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool byKey = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                           reason == Qt::ShortcutFocusReason;
        auto* field = watched->property("trackedField").value<QWidget*>();
        if (byKey && field && m_keys->window == field->window())
            makeCurrent(field);
        return false;
    }
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
    m_current = field->objectName();
}
