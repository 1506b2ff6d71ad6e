#include "platform/FileTextField.h"

#include "ui/FixedPitchFont.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace {

// Hands Shift+Enter on as a plain Enter.
class PlainLineBreaks final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            !key->modifiers().testFlag(Qt::ShiftModifier))
            return false;
        QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ShiftModifier,
                        key->text(), key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(watched, &plain);
        return true;
    }
};

} // namespace

void SetUpFileTextField(QPlainTextEdit& field) {
    field.setFont(fixedPitchFont());
    field.installEventFilter(new PlainLineBreaks(&field));
}
